// The external data-server library, loaded at run time when present (the
// program works without it). One loader serves the whole program: it loads
// the library when first used and frees it at exit; a use count keeps it
// loaded while any user still holds it.
//
// Every function of the table is looked up by name once, when the library is
// loaded; a name the library lacks leaves its entry empty. Before each call,
// the availability check raises
//   "Wexlar OPC DLL Not Found."                      without the library,
//   Function "<name>" not found in "dEDO.dll".       for an empty entry.
// GUI thread only.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "opc/dEDOApi.h"
#include "platform/SharedLibrary.h"

class TiOPCDLLLoader {
 public:
  // The program's loader, loaded (use count 1) on first use.
  static TiOPCDLLLoader& Instance();

  // A loader for the library of that base name, not yet loaded.
  explicit TiOPCDLLLoader(std::string baseName) : baseName_(std::move(baseName)) {}
  ~TiOPCDLLLoader();

  // Load when the count was 0; Unload frees when it returns to 0.
  void Load();
  void Unload();
  bool Available() const { return library_ != nullptr; }
  int UseCount() const { return useCount_; }

  // The entry of that name after the availability check.
  void* Require(const std::string& functionName) const;

  // The calls the items make, each after the availability check.
  TdEDOHandle SignalAdd(const std::string& computerName, const std::string& serverName, const std::string& itemName,
                        TdEDONewData callback, void* context, bool propertyExists, int32_t updateRate,
                        const std::string& groupName) const;
  void SignalRemove(TdEDOHandle handle) const;
  bool SignalGetActive(TdEDOHandle handle) const;
  void SignalSendData(TdEDOHandle handle, const TdEDOValue& value) const;

  // Every function of the table, in the order of the table.
  static const std::vector<std::string>& FunctionNames();

 private:
  std::string baseName_;
  std::unique_ptr<platform::TSharedLibrary> library_;
  std::map<std::string, void*> table_;
  int useCount_ = 0;
};
