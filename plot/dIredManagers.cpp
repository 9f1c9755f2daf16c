#include "plot/dIredManagers.h"

#include <algorithm>

#include "platform/Exception.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredAxis.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredLimit.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"
#include "plot/iClassesList.h"
#include "plot/iPlotStream.h"

// ---- TiPlotObjectManagerCustom ---------------------------------------------

namespace {
const TiPlotObjectHooks& CheckedManagerHooks(const TiPlotObjectHooks& hooks) {
  if (!hooks.Owner) throw Exception("Owner must be Assigned");
  if (!hooks.OnChange) throw Exception("OnChange event handler can not be null");
  if (!hooks.OnInsert) throw Exception("OnInsert event handler can not be null");
  if (!hooks.OnRemove) throw Exception("OnRemove event handler can not be null");
  if (!hooks.OnRename) throw Exception("AOnRename event handler can not be null");
  return hooks;
}

// The number after `base` in `name` (blanks before it allowed), or -1.
long long NumberAfter(const std::string& name, const std::string& base) {
  if (name.size() < base.size() || !SameText(name.substr(0, base.size()), base)) return -1;
  size_t i = base.size();
  while (i < name.size() && name[i] == ' ') ++i;
  if (i == name.size()) return -1;
  long long n = 0;
  for (; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9' || n > 100'000'000'000LL) return -1;
    n = n * 10 + (name[i] - '0');
  }
  return n;
}
}  // namespace

TiPlotObjectManagerCustom::TiPlotObjectManagerCustom(const TiPlotObjectHooks& hooks)
    : Hooks_(CheckedManagerHooks(hooks)) {}

void TiPlotObjectManagerCustom::Announce() { Hooks_.OnInsert(this); }

// Clear is virtual, but a base destructor cannot reach the derived one: each
// manager that frees objects clears in its own destructor.
TiPlotObjectManagerCustom::~TiPlotObjectManagerCustom() {
  if (Hooks_.OnRemove) Hooks_.OnRemove(this);
}

void TiPlotObjectManagerCustom::Remove(TiPlotObject* object) {
  auto it = std::find(Items_.rbegin(), Items_.rend(), object);
  if (it == Items_.rend()) return;
  Items_.erase(std::next(it).base());
  Removed(object);
  if (Hooks_.OnChange) Hooks_.OnChange(this);
}

void TiPlotObjectManagerCustom::Erase(TiPlotObject* object) {
  auto it = std::find(Items_.begin(), Items_.end(), object);
  if (it != Items_.end()) Items_.erase(it);
}

void TiPlotObjectManagerCustom::NotifyRenameAll(TiPlotObject* object) {
  for (TiPlotObject* item : std::vector<TiPlotObject*>(Items_)) item->NotifyRename(object);
}

void TiPlotObjectManagerCustom::NotifyFocusAll(TiPlotObject* object) {
  for (TiPlotObject* item : std::vector<TiPlotObject*>(Items_))
    if (item != object) item->NotifyFocus(object);
}

void TiPlotObjectManagerCustom::Delete(int index) { Remove(Item(index)); }

TiPlotObject* TiPlotObjectManagerCustom::Item(int index) const {
  CheckListIndex(index, Count());
  return Items_[index];
}

int TiPlotObjectManagerCustom::IndexOf(const TiPlotObject* object) const {
  auto it = std::find(Items_.begin(), Items_.end(), object);
  return it == Items_.end() ? -1 : static_cast<int>(it - Items_.begin());
}

void TiPlotObjectManagerCustom::Add(TiPlotObject* object) {
  if (object && IndexOf(object) < 0) Items_.push_back(object);
}

TiPlotObject* TiPlotObjectManagerCustom::FindByName(const std::string& name) const {
  for (TiPlotObject* item : Items_)
    if (SameText(item->Name(), name)) return item;
  return nullptr;
}

std::string TiPlotObjectManagerCustom::UniqueName() const {
  const std::string base = GetBaseName();
  long long highest = 0;
  for (TiPlotObject* item : Items_) highest = std::max(highest, NumberAfter(item->Name(), base));
  return base + " " + std::to_string(highest + 1);
}

void TiPlotObjectManagerCustom::WriteToStream(TiPlotStreamWriter& writer) const {
  writer.BeginCollection();
  for (TiPlotObject* item : Items_) {
    writer.BeginItem();
    writer.WriteProperties(Reflect(*item));
    writer.EndItem();
  }
  writer.EndCollection();
}

// The stored text is checked whole before anything is cleared, so a bad one
// loses nothing.
void TiPlotObjectManagerCustom::ReadFromStream(TiPlotStreamReader& reader) {
  reader.CheckCollection();
  Clear();
  reader.ReadCollectionBegin();
  while (reader.ReadItemBegin()) {
    std::unique_ptr<TiPlotObject> object(CreateObject());
    reader.ReadProperties(Reflect(*object));
    TiPlotObject* inserted = object.release();  // from here the managers own it
    inserted->Inserted();
  }
  reader.ReadCollectionEnd();
}

// ---- TiPlotObjectOwnedManager ----------------------------------------------

TiPlotObjectOwnedManager::~TiPlotObjectOwnedManager() { TiPlotObjectOwnedManager::Clear(); }

void TiPlotObjectOwnedManager::Remove(TiPlotObject* object) {
  NotifyRemoveAll(object);
  TiPlotObjectManagerCustom::Remove(object);
}

void TiPlotObjectOwnedManager::NotifyRemoveAll(TiPlotObject* object) {
  for (TiPlotObject* item : std::vector<TiPlotObject*>(Items_))
    if (item != object) item->NotifyRemove(object);
}

// Each destructor takes its object out of the managers through its remove
// hook; erasing it here as well keeps the loop finite when a hook does not.
void TiPlotObjectOwnedManager::Clear() {
  for (TiPlotObject* item : std::vector<TiPlotObject*>(Items_)) {
    delete item;
    Erase(item);
  }
}

void TiPlotObjectOwnedManager::Delete(int index) {
  TiPlotObject* item = Item(index);
  delete item;
  Erase(item);
}

// ---- kind managers ---------------------------------------------------------

template <class T>
TiPlotObject* TiPlotKindManager<T>::CreateObject() {
  return new T(Hooks_);
}

template <class T>
void TiPlotKindManager<T>::AddObject(TiPlotObject* object) {
  auto* typed = dynamic_cast<T*>(object);
  if (!typed) return;
  Add(object);
  if (!object->Name().empty()) return;
  object->SetName(UniqueName());
  ApplyDefaults(*typed);
}

template <class T>
T* TiPlotKindManager<T>::Get(int index) const {
  return static_cast<T*>(Item(index));
}

template class TiPlotKindManager<TiPlotToolBar>;
template class TiPlotKindManager<TiPlotLegend>;
template class TiPlotKindManager<TiPlotTable>;
template class TiPlotKindManager<TiPlotXAxis>;
template class TiPlotKindManager<TiPlotYAxis>;
template class TiPlotKindManager<TiPlotChannelCustom>;
template class TiPlotKindManager<TiPlotDataView>;
template class TiPlotKindManager<TiPlotDataCursor>;
template class TiPlotKindManager<TiPlotLimit>;
template class TiPlotKindManager<TiPlotLabel>;
template class TiPlotKindManager<TiPlotAnnotation>;

TiPlotToolBarManager::TiPlotToolBarManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotLegendManager::TiPlotLegendManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotTableManager::TiPlotTableManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotXAxisManager::TiPlotXAxisManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotYAxisManager::TiPlotYAxisManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotChannelManager::TiPlotChannelManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotDataViewManager::TiPlotDataViewManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotDataCursorManager::TiPlotDataCursorManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotLimitManager::TiPlotLimitManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotLabelManager::TiPlotLabelManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }
TiPlotAnnotationManager::TiPlotAnnotationManager(const TiPlotObjectHooks& hooks) : TiPlotKindManager(hooks) { Announce(); }

void TiPlotXAxisManager::ApplyDefaults(TiPlotXAxis& axis) { axis.SetTitle(axis.Name()); }
void TiPlotYAxisManager::ApplyDefaults(TiPlotYAxis& axis) { axis.SetTitle(axis.Name()); }
void TiPlotLabelManager::ApplyDefaults(TiPlotLabel& label) { label.SetCaption(label.Name()); }

std::string TiPlotAxisSources::FirstXAxisName() const {
  return XAxisManager && XAxisManager->HasItems() ? XAxisManager->Item(0)->Name() : std::string();
}

std::string TiPlotAxisSources::FirstYAxisName() const {
  return YAxisManager && YAxisManager->HasItems() ? YAxisManager->Item(0)->Name() : std::string();
}

TiPlotObject* TiPlotChannelManager::CreateObject() {
  return ChannelClass ? ChannelClass(Hooks_) : new TiPlotChannel(Hooks_);
}

void TiPlotChannelManager::ApplyDefaults(TiPlotChannelCustom& channel) {
  channel.SetTitleText(channel.Name());
  channel.SetColor(NextChannelColor());
  if (AxisSources.XAxisManager && AxisSources.XAxisManager->HasItems())
    channel.SetXAxisName(AxisSources.FirstXAxisName());
  if (AxisSources.YAxisManager && AxisSources.YAxisManager->HasItems())
    channel.SetYAxisName(AxisSources.FirstYAxisName());
}

TColor TiPlotChannelManager::NextChannelColor() const {
  static const TColor candidates[] = {
      0x0000FF, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFFFFFF, 0x000080, 0x008000, 0x008080,
      0x800000, 0x800080, 0x808000, 0x808080, 0x0000C0, 0x00C000, 0x00C0C0, 0xC00000, 0xC000C0, 0xC0C000,
      0xC0C0C0, 0x0080FF, 0x8000FF, 0x8080FF, 0xFF0080, 0xFF8000, 0xFF8080, 0x00FF80, 0x80FF00, 0x80FF80};
  if (Count() < 2) return clRed;
  std::vector<TiColorCountObject> counts;
  for (TColor c : candidates) counts.push_back({c, 0});
  for (TiPlotObject* item : Items_)
    for (TiColorCountObject& cc : counts)
      if (static_cast<TiPlotChannelCustom*>(item)->Color() == cc.Color) ++cc.Count;
  auto fewest = std::min_element(counts.begin(), counts.end(),
                                 [](const auto& a, const auto& b) { return a.Count < b.Count; });
  return fewest == counts.end() ? clRed : fewest->Color;
}

void TiPlotDataViewManager::ApplyDefaults(TiPlotDataView& view) {
  if (AxisSources.XAxisManager && AxisSources.XAxisManager->HasItems())
    view.SetGridXAxisName(AxisSources.FirstXAxisName());
  if (AxisSources.YAxisManager && AxisSources.YAxisManager->HasItems())
    view.SetGridYAxisName(AxisSources.FirstYAxisName());
}

void TiPlotDataCursorManager::ApplyDefaults(TiPlotDataCursor& cursor) {
  if (DataViewManager && DataViewManager->HasItems()) cursor.SetDataView(DataViewManager->DataView(0));
  if (ChannelManager && ChannelManager->HasItems()) cursor.SetChannelName(ChannelManager->Item(0)->Name());
}

void TiPlotLimitManager::ApplyDefaults(TiPlotLimit& limit) {
  if (AxisSources.XAxisManager && AxisSources.XAxisManager->HasItems())
    limit.SetXAxisName(AxisSources.FirstXAxisName());
  if (AxisSources.YAxisManager && AxisSources.YAxisManager->HasItems())
    limit.SetYAxisName(AxisSources.FirstYAxisName());
}

void TiPlotAnnotationManager::AddObject(TiPlotObject* object) {
  if (dynamic_cast<TiPlotAnnotation*>(object)) Add(object);
}

// ---- TiPlotObjectManager ---------------------------------------------------

TiPlotObjectManager::TiPlotObjectManager(const TiPlotObjectHooks& hooks) : TiPlotObjectManagerCustom(hooks) { Announce(); }
TiPlotObjectManager::~TiPlotObjectManager() = default;

TiPlotObject* TiPlotObjectManager::CreateObject() {
  throw Exception("Object Manager does not support creation of objects");
}

template <class F>
void TiPlotObjectManager::ForEachFocused(F&& action) {
  for (TiPlotObject* item : std::vector<TiPlotObject*>(Items_))
    if (IndexOf(item) >= 0 && item->Focused()) action(item);
}

void TiPlotObjectManager::ClearFocus() {
  for (TiPlotObject* item : std::vector<TiPlotObject*>(Items_)) item->SetFocused(false);
}

void TiPlotObjectManager::SetAxesModeFlags(uint8_t flags) {
  for (TiPlotObject* item : Items_) item->SetAxesModeFlags(flags);
}

void TiPlotObjectManager::MouseDownFocused(TiPlotMouseButton button, TiPlotShiftState shift, TiPopupMenu* menu,
                                           int screenX, int screenY, int x, int y) {
  ForEachFocused([&](TiPlotObject* o) { o->MouseDown(button, shift, menu, screenX, screenY, x, y); });
}

void TiPlotObjectManager::MouseMoveFocused(TiPlotHintData& hint, TiPlotShiftState shift, bool multiSelect,
                                           int screenX, int screenY, int x, int y) {
  ForEachFocused([&](TiPlotObject* o) { o->MouseMove(hint, shift, multiSelect, screenX, screenY, x, y); });
}

void TiPlotObjectManager::MouseUpFocused(TiPlotMouseButton button, TiPlotShiftState shift, bool dblClick, int x,
                                         int y) {
  ForEachFocused([&](TiPlotObject* o) { o->MouseUp(button, shift, dblClick, x, y); });
}

void TiPlotObjectManager::KeyDownFocused(int& key, TiPlotShiftState shift) {
  ForEachFocused([&](TiPlotObject* o) { o->KeyDown(key, shift); });
}

bool TiPlotObjectManager::MouseWheelFocused(int delta, TiPlotShiftState shift, TPoint position) {
  bool taken = false;
  ForEachFocused([&](TiPlotObject* o) { taken = o->MouseWheel(delta, shift, position) || taken; });
  return taken;
}

void TiPlotObjectManager::DetachHooks() {
  for (TiPlotObject* item : Items_) {
    item->OnRemove = nullptr;
    item->OnLayoutChange = nullptr;
    item->OnChange = nullptr;
  }
}
