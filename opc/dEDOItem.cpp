#include "opc/dEDOItem.h"

#include <unordered_map>

#include "opc/iOPCDLLLoader.h"
#include "platform/Exception.h"
#include "platform/GuiThreadCall.h"

namespace {

TiOPCDLLLoader& DLL() { return TiOPCDLLLoader::Instance(); }

// The items with a subscription, by the key their callbacks carry. A key is
// never reused, so a value queued for an ended subscription (or an item that
// is gone) finds nothing. GUI thread only.
std::unordered_map<uintptr_t, TiOPCItem*>& Subscriptions() {
  static std::unordered_map<uintptr_t, TiOPCItem*> map;
  return map;
}
uintptr_t NewSubscriptionKey() {
  static uintptr_t last = 0;
  return ++last;
}

TiOPCValue FromLibrary(const TdEDOValue* v) {
  if (v == nullptr) return {};
  switch (v->Type) {
    case dvtInteger: return v->Integer;
    case dvtFloat: return v->Float;
    case dvtBoolean: return v->Integer != 0;
    case dvtText: return std::string(v->Text ? v->Text : "");
    default: return {};
  }
}

// Called by the library, maybe on its own thread: the value is copied here
// and the rest happens on the GUI thread.
void ReceiveNewData(void* context, const TdEDOValue* value, uint16_t quality, double timeStamp) {
  const auto key = reinterpret_cast<uintptr_t>(context);
  platform::RunOnGuiThread([key, v = FromLibrary(value), quality, timeStamp]() mutable {
    auto it = Subscriptions().find(key);
    if (it == Subscriptions().end()) return;
    try {
      it->second->NewData(std::move(v), quality, timeStamp);
    } catch (const std::exception&) {
      // A value the owner cannot take is dropped; the next one may fit.
    }
  });
}

}  // namespace

// ---- Manager ------------------------------------------------------------------

TiOPCItemManager::~TiOPCItemManager() { Clear(); }

TiOPCItem* TiOPCItemManager::Item(int index) const {
  if (index < 0 || index >= Count()) throw Exception("Index out of Bounds");
  return items_[static_cast<size_t>(index)].get();
}

int TiOPCItemManager::IndexOf(const TiOPCItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

TiOPCItem* TiOPCItemManager::Add() { return items_.emplace_back(std::make_unique<TiOPCItem>(this)).get(); }

void TiOPCItemManager::Delete(int index) {
  Item(index);  // the bounds check
  items_.erase(items_.begin() + index);
}

void TiOPCItemManager::Clear() { items_.clear(); }

// ---- Item ---------------------------------------------------------------------

TiOPCItem::~TiOPCItem() {
  try {
    Disconnect();
  } catch (const std::exception&) {
  }
  Subscriptions().erase(subscription_);
}

bool TiOPCItem::Ready() const { return DLL().Available() && manager_ && !manager_->Designing(); }

void TiOPCItem::Connect() {
  if (!Ready()) return;
  if (autoError_) UpdateErrorState();
  if (handle_ != 0) Disconnect();
  auto filled = [](const std::string& s) { return s.find_first_not_of(" \t") != std::string::npos; };
  if (!filled(propertyName_) || !(filled(groupName_) || filled(serverName_)) || !filled(itemName_)) return;
  if (Active()) Disconnect();
  if (!DLL().Available()) return;
  // Registered first: a library may call back before SignalAdd returns.
  const uintptr_t key = NewSubscriptionKey();
  Subscriptions()[key] = this;
  try {
    handle_ = DLL().SignalAdd(computerName_, serverName_, itemName_, &ReceiveNewData, reinterpret_cast<void*>(key),
                              propertyExists_, updateRate_, groupName_);
  } catch (...) {
    Subscriptions().erase(key);
    throw;
  }
  if (handle_ == 0) {
    Subscriptions().erase(key);
    return;
  }
  subscription_ = key;
}

void TiOPCItem::Disconnect() {
  if (!Ready()) return;
  Subscriptions().erase(subscription_);
  subscription_ = 0;
  const TdEDOHandle handle = handle_;
  handle_ = 0;
  if (handle != 0) DLL().SignalRemove(handle);
}

bool TiOPCItem::Active() const { return Ready() && handle_ != 0 && DLL().SignalGetActive(handle_); }

void TiOPCItem::SendData(const TiOPCValue& value) {
  if (!DLL().Available()) return;
  const std::string text = std::holds_alternative<std::string>(value) ? std::get<std::string>(value) : "";
  TdEDOValue v{dvtEmpty, 0, 0, nullptr};
  if (const auto* i = std::get_if<int64_t>(&value)) v = {dvtInteger, *i, 0, nullptr};
  if (const auto* d = std::get_if<double>(&value)) v = {dvtFloat, 0, *d, nullptr};
  if (const auto* b = std::get_if<bool>(&value)) v = {dvtBoolean, *b ? 1 : 0, 0, nullptr};
  if (std::holds_alternative<std::string>(value)) v = {dvtText, 0, 0, text.c_str()};
  DLL().SignalSendData(handle_, v);
}

void TiOPCItem::NewData(TiOPCValue value, uint16_t quality, double timeStamp) {
  value_ = std::move(value);
  quality_ = quality;
  timeStamp_ = timeStamp;
  if (autoError_) UpdateErrorState();
  if (manager_ && manager_->Hooks().NewData) manager_->Hooks().NewData(*this);
}

void TiOPCItem::UpdateErrorState() {
  if (manager_ && manager_->InstrumentComponent() && Active()) manager_->Hooks().SetError(!QualityGood());
}

void TiOPCItem::EndRead() {
  reading_ = false;
  try {
    if (autoError_) UpdateErrorState();
    if (autoConnect_ && manager_ && !manager_->Designing()) Connect();
  } catch (const std::exception&) {
    // Connecting after loading is best effort: the item stays unconnected.
  }
}

// A changed name or rate: a subscription takes it at once; an unconnected
// item with AutoConnect connects, unless its properties are being read.
void TiOPCItem::SettingChanged() {
  if (!DLL().Available() || reading_) return;
  if (autoConnect_ || Active()) Connect();
}

void TiOPCItem::SetGroupName(const std::string& value) {
  if (value == groupName_) return;
  groupName_ = value;
  SettingChanged();
}

void TiOPCItem::SetComputerName(const std::string& value) {
  if (value == computerName_) return;
  computerName_ = value;
  SettingChanged();
}

void TiOPCItem::SetServerName(const std::string& value) {
  if (value == serverName_) return;
  serverName_ = value;
  SettingChanged();
}

void TiOPCItem::SetItemName(const std::string& value) {
  if (value == itemName_) return;
  itemName_ = value;
  SettingChanged();
}

void TiOPCItem::SetUpdateRate(int32_t value) {
  if (value == updateRate_) return;
  updateRate_ = value;
  SettingChanged();
}

void TiOPCItem::SetPropertyName(const std::string& value) {
  propertyName_ = value;
  propertyExists_ = manager_ && manager_->Hooks().HasProperty && manager_->Hooks().HasProperty(value);
}

void TiOPCItem::SetAutoConnect(bool value) {
  if (value == autoConnect_) return;
  autoConnect_ = value;
  if (value && DLL().Available() && manager_ && manager_->InstrumentComponent() && !reading_) Connect();
}

void TiOPCItem::SetAutoError(bool value) {
  if (value == autoError_) return;
  autoError_ = value;
  if (value) UpdateErrorState();
}
