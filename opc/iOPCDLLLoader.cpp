#include "opc/iOPCDLLLoader.h"

#include "platform/Exception.h"

const std::vector<std::string>& TiOPCDLLLoader::FunctionNames() {
  static const std::vector<std::string> names = {
      "SignalAdd", "SignalRemove", "SignalSuspend", "SignalResume", "SignalGetActive", "SignalGetGroupHandle",
      "SignalSendData",
      // The selector dialogs and the property editor.
      "EditorSessionStart", "EditorSessionStop", "EditorComputerBranchOpen", "EditorComputerBranchClose",
      "EditorComputerBranchGetItemCount", "EditorComputerBranchGetItemData", "EditorServerSetup",
      "EditorServerGetCount", "EditorServerGetData", "EditorItemSetup", "EditorItemGetBrowseType",
      "EditorItemSetPath", "EditorItemGetBranchItems", "EditorItemGetQualifiedName",
      // Groups.
      "GroupAdd", "GroupDelete", "GroupResume", "GroupSuspend", "GroupGetCount", "GroupGetHandleByName",
      "GroupGetHandle", "GroupGetName", "GroupGetComputerName", "GroupGetOPCServerName", "GroupGetUpdateRate",
      "GroupSetUpdateRate",
      // Server connections.
      "ServerConnectionGetCount", "ServerConnectionGetName", "ServerConnectionGetGroupCount",
      "ServerConnectionGetGroupName", "ServerConnectionReconnect", "ServerConnectionDisconnect",
      "ManagerCreated", "ManagerAddItem", "ManagerDestroyed"};
  return names;
}

TiOPCDLLLoader& TiOPCDLLLoader::Instance() {
  static TiOPCDLLLoader loader("dEDO");
  static const bool loaded = (loader.Load(), true);
  (void)loaded;
  return loader;
}

TiOPCDLLLoader::~TiOPCDLLLoader() {
  // The table points into the library: drop it first.
  table_.clear();
  library_.reset();
}

void TiOPCDLLLoader::Load() {
  if (useCount_++ > 0) return;
  library_ = platform::TSharedLibrary::Open(baseName_);
  if (!library_) return;
  for (const std::string& name : FunctionNames())
    if (void* entry = library_->Symbol(name)) table_[name] = entry;
}

void TiOPCDLLLoader::Unload() {
  if (useCount_ == 0 || --useCount_ > 0) return;
  table_.clear();
  library_.reset();
}

void* TiOPCDLLLoader::Require(const std::string& functionName) const {
  if (!Available()) throw Exception("Wexlar OPC DLL Not Found.");
  auto it = table_.find(functionName);
  if (it == table_.end()) throw Exception("Function \"" + functionName + "\" not found in \"dEDO.dll\".");
  return it->second;
}

TdEDOHandle TiOPCDLLLoader::SignalAdd(const std::string& computerName, const std::string& serverName,
                                      const std::string& itemName, TdEDONewData callback, void* context,
                                      bool propertyExists, int32_t updateRate, const std::string& groupName) const {
  auto add = reinterpret_cast<TdEDOSignalAdd>(Require("SignalAdd"));
  return add(computerName.c_str(), serverName.c_str(), itemName.c_str(), callback, context, propertyExists ? 1 : 0, 0,
             updateRate, groupName.c_str());
}

void TiOPCDLLLoader::SignalRemove(TdEDOHandle handle) const {
  reinterpret_cast<TdEDOSignalRemove>(Require("SignalRemove"))(handle);
}

bool TiOPCDLLLoader::SignalGetActive(TdEDOHandle handle) const {
  return reinterpret_cast<TdEDOSignalGetActive>(Require("SignalGetActive"))(handle) != 0;
}

void TiOPCDLLLoader::SignalSendData(TdEDOHandle handle, const TdEDOValue& value) const {
  reinterpret_cast<TdEDOSignalSendData>(Require("SignalSendData"))(handle, &value);
}
