// OPC items: the binding of one owner property (or a channel's data) to one
// item of a data server, reached through the external library
// (iOPCDLLLoader.h). An item subscribes with "SignalAdd"; each new value is
// stored with its quality and time stamp and handed to the manager's
// new-data hook, on the GUI thread.
//
// Without the library no item ever connects and no item operation raises;
// only a direct call into the library does (the loader's messages).
//
// TiOPCItemManager owns its items and carries the hooks its owner sets: a
// component answers the designing query, takes new data into the property
// the item names, checks property names and shows the error state; a channel
// adds new data as a point. GUI thread only: the library's calls from other
// threads are handed over before they reach an item.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "opc/dEDOApi.h"

// A value of an item; monostate = empty.
using TiOPCValue = std::variant<std::monostate, int64_t, double, bool, std::string>;

class TiOPCItem;

struct TiOPCItemManagerHooks {
  std::function<bool()> Designing;                         // true: nothing connects
  std::function<void(TiOPCItem& item)> NewData;            // after each new value
  std::function<bool(const std::string& name)> HasProperty;  // the owner's published property?
  // Set by instrument components only: shows their error flag.
  std::function<void(bool error)> SetError;
};

class TiOPCItemManager {
 public:
  explicit TiOPCItemManager(TiOPCItemManagerHooks hooks = {}) : hooks_(std::move(hooks)) {}
  ~TiOPCItemManager();
  TiOPCItemManager(const TiOPCItemManager&) = delete;
  TiOPCItemManager& operator=(const TiOPCItemManager&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  TiOPCItem* Item(int index) const;  // raises "Index out of Bounds"
  int IndexOf(const TiOPCItem* item) const;  // -1 when not here
  TiOPCItem* Add();
  void Delete(int index);
  void Clear();

  const TiOPCItemManagerHooks& Hooks() const { return hooks_; }
  bool Designing() const { return hooks_.Designing && hooks_.Designing(); }
  bool InstrumentComponent() const { return static_cast<bool>(hooks_.SetError); }

 private:
  TiOPCItemManagerHooks hooks_;
  std::vector<std::unique_ptr<TiOPCItem>> items_;
};

class TiOPCItem {
 public:
  explicit TiOPCItem(TiOPCItemManager* manager) : manager_(manager) {}
  ~TiOPCItem();  // disconnects, ignoring any error
  TiOPCItem(const TiOPCItem&) = delete;
  TiOPCItem& operator=(const TiOPCItem&) = delete;

  // ---- Published ----------------------------------------------------------
  // Dotted path of the owner's property that takes the value ("Font.Color");
  // a channel's item uses "Data".
  const std::string& PropertyName() const { return propertyName_; }
  void SetPropertyName(const std::string& value);
  const std::string& GroupName() const { return groupName_; }
  void SetGroupName(const std::string& value);
  const std::string& ComputerName() const { return computerName_; }  // "Local"
  void SetComputerName(const std::string& value);
  const std::string& ServerName() const { return serverName_; }
  void SetServerName(const std::string& value);
  const std::string& ItemName() const { return itemName_; }
  void SetItemName(const std::string& value);
  int32_t UpdateRate() const { return updateRate_; }  // milliseconds
  void SetUpdateRate(int32_t value);
  // Connect after loading and after a change of the names or the rate.
  bool AutoConnect() const { return autoConnect_; }
  void SetAutoConnect(bool value);
  // Show the owner's error state from the quality of each value.
  bool AutoError() const { return autoError_; }
  void SetAutoError(bool value);

  // ---- Run time -----------------------------------------------------------
  TdEDOHandle Handle() const { return handle_; }  // 0 = not connected
  const TiOPCValue& Value() const { return value_; }
  double TimeStamp() const { return timeStamp_; }  // local date-time, days
  uint16_t Quality() const { return quality_; }
  bool QualityGood() const { return (quality_ & 0xC0) == 0xC0; }
  bool PropertyExists() const { return propertyExists_; }
  TiOPCItemManager* Manager() const { return manager_; }

  // Subscribes when the library is there, the owner is not being designed
  // and the names are complete; an existing subscription ends first.
  void Connect();
  void Disconnect();
  // Subscribed, as the library answers.
  bool Active() const;
  // Writes the value to the server item (nothing without the library).
  void SendData(const TiOPCValue& value);

  // Around setting the properties from a stored description; EndRead then
  // connects as the item says (errors swallowed: the item stays unconnected).
  void BeginRead() { reading_ = true; }
  void EndRead();

  // A new value of the subscription: stored, the error state shown, the
  // manager's hook called. The library's callback ends here.
  void NewData(TiOPCValue value, uint16_t quality, double timeStamp);

 private:
  bool Ready() const;  // library there, manager present, owner not designed
  void UpdateErrorState();
  void SettingChanged();

  std::string propertyName_, groupName_, computerName_ = "Local", serverName_, itemName_;
  int32_t updateRate_ = 500;
  bool autoConnect_ = true;
  bool autoError_ = false;

  TdEDOHandle handle_ = 0;
  uintptr_t subscription_ = 0;  // the key the library's callbacks carry
  TiOPCValue value_;
  double timeStamp_ = 0;
  uint16_t quality_ = 0;
  bool propertyExists_ = false;
  bool reading_ = false;
  TiOPCItemManager* manager_;
};
