#include "plot/dIredMasterManager.h"

#include <utility>

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

TiPlotMasterManager::TiPlotMasterManager(TiPlotOwner* plot, TiObjectEvent onChange, TiObjectEvent onRemove,
                                         TiObjectEvent onRepaintNow)
    : Plot_(plot),
      PlotChange_(std::move(onChange)),
      PlotRemove_(std::move(onRemove)),
      PlotRepaintNow_(std::move(onRepaintNow)) {
  // Each manager announces itself through the insertion hook, which fills
  // its slot.
  const TiPlotObjectHooks hooks = Hooks();
  new TiPlotObjectManager(hooks);
  new TiPlotToolBarManager(hooks);
  new TiPlotLegendManager(hooks);
  new TiPlotTableManager(hooks);
  new TiPlotChannelManager(hooks);
  new TiPlotDataCursorManager(hooks);
  new TiPlotDataViewManager(hooks);
  new TiPlotXAxisManager(hooks);
  new TiPlotYAxisManager(hooks);
  new TiPlotLimitManager(hooks);
  new TiPlotLabelManager(hooks);
  new TiPlotAnnotationManager(hooks);
  new TiPlotLayoutManager(hooks);
  new TiPlotTranslationManager(hooks.OnInsert, hooks.OnRemove);

  const TiPlotAxisSources axes{XAxis_, YAxis_};
  Channel_->AxisSources = axes;
  DataView_->AxisSources = axes;
  Limit_->AxisSources = axes;
  DataCursor_->ChannelManager = Channel_;
  DataCursor_->DataViewManager = DataView_;
}

TiPlotMasterManager::~TiPlotMasterManager() {
  Editor.reset();
  Free(ToolBar_);
  Free(Legend_);
  Free(Table_);
  Free(Channel_);
  Free(XAxis_);
  Free(YAxis_);
  Free(DataView_);
  Free(DataCursor_);
  Free(Limit_);
  Free(Label_);
  Free(Annotation_);
  Free(Translation_);
  Free(Object_);
  Free(Layout_);
}

// The slot is emptied first: while a manager frees its objects, their
// removal must not reach the manager that is going away.
template <class M>
void TiPlotMasterManager::Free(M*& slot) {
  M* manager = std::exchange(slot, nullptr);
  ForgetLinks(manager);
  delete manager;
}

void TiPlotMasterManager::ForgetLinks(const void* manager) {
  for (TiPlotAxisSources* sources : {Channel_ ? &Channel_->AxisSources : nullptr,
                                     DataView_ ? &DataView_->AxisSources : nullptr,
                                     Limit_ ? &Limit_->AxisSources : nullptr}) {
    if (!sources) continue;
    if (sources->XAxisManager == manager) sources->XAxisManager = nullptr;
    if (sources->YAxisManager == manager) sources->YAxisManager = nullptr;
  }
  if (DataCursor_ && DataCursor_->ChannelManager == manager) DataCursor_->ChannelManager = nullptr;
  if (DataCursor_ && DataCursor_->DataViewManager == manager) DataCursor_->DataViewManager = nullptr;
}

TiPlotObjectHooks TiPlotMasterManager::Hooks() {
  // The plot's own change hook goes to the objects as it is: a channel calls
  // it for every point it is given, and a hop through this manager would
  // cost as much again.
  return {Plot_, [this](TiObject* o) { RenameHook(o); }, [this](TiObject* o) { RemoveHook(o); },
          [this](TiObject* o) { InsertHook(o); }, PlotChange_};
}

template <class F>
void TiPlotMasterManager::ForEachKindManager(F&& action) const {
  TiPlotObjectManagerCustom* const managers[] = {ToolBar_, Legend_, Table_, XAxis_, YAxis_, Channel_,
                                                 DataView_, DataCursor_, Limit_, Label_, Annotation_};
  for (TiPlotObjectManagerCustom* m : managers)
    if (m) action(*m);
}

template <class F>
void TiPlotMasterManager::ForEachObject(F&& action) const {
  ForEachKindManager([&](TiPlotObjectManagerCustom& m) {
    for (TiPlotObject* o : std::vector<TiPlotObject*>(m.Items())) action(*o);
  });
}

// ---- hooks -----------------------------------------------------------------

void TiPlotMasterManager::InsertHook(TiObject* sender) {
  if (auto* object = dynamic_cast<TiPlotObject*>(sender)) {
    if (Object_) Object_->AddObject(object);
    if (Layout_) Layout_->AddObject(object);
    ForEachKindManager([&](TiPlotObjectManagerCustom& m) { m.AddObject(object); });
    InstallHooks(object);
    if (Editor) Editor->ObjectAdded(object);
  } else if (dynamic_cast<TiPlotTranslationObject*>(sender)) {
    if (Translation_) Translation_->Add(sender);
  } else {
    StoreManager(sender);
  }
  if (OnInsert) OnInsert(sender);
}

void TiPlotMasterManager::InstallHooks(TiPlotObject* object) {
  object->OnGotFocus = [this](TiObject* o) { FocusHook(o); };
  object->OnRepaintNow = PlotRepaintNow_;
  object->SetEditAllowed(EditAllowed_);
  object->OnEditRequest = [this](TiObject* o) { EditObject(static_cast<TiPlotObject*>(o)); };
  object->SetXYAxesReverse(XYAxesReverse_);
}

template <class M>
bool TiPlotMasterManager::Store(TiObject* sender, M*& slot) {
  auto* manager = dynamic_cast<M*>(sender);
  if (!manager) return false;
  slot = manager;
  Identities_[sender] = [this, &slot, manager] {
    if (slot == manager) slot = nullptr;
    ForgetLinks(manager);
  };
  return true;
}

bool TiPlotMasterManager::StoreManager(TiObject* sender) {
  return Store(sender, Object_) || Store(sender, Layout_) || Store(sender, ToolBar_) || Store(sender, Legend_) ||
         Store(sender, Table_) || Store(sender, XAxis_) || Store(sender, YAxis_) || Store(sender, Channel_) ||
         Store(sender, DataView_) || Store(sender, DataCursor_) || Store(sender, Limit_) || Store(sender, Label_) ||
         Store(sender, Annotation_) || Store(sender, Translation_);
}

// A sender that is going away can still be told apart by dynamic_cast, as
// the part of it whose destructor is running.
void TiPlotMasterManager::RemoveHook(TiObject* sender) {
  TiPlotSettings::Changed();  // caches may hold the object
  if (PlotRemove_) PlotRemove_(sender);
  if (dynamic_cast<TiPlotTranslationObject*>(sender)) {
    if (Translation_) Translation_->Remove(sender);
    return;
  }
  if (auto* object = dynamic_cast<TiPlotObject*>(sender)) {
    // Every object hears of the removal before the object leaves any
    // manager, so that lookups made while dropping references still work.
    if (Editor) Editor->ObjectRemoved(object);
    ForEachKindManager([&](TiPlotObjectManagerCustom& m) { m.NotifyRemoveAll(object); });
    if (Object_) Object_->Remove(object);
    if (Layout_) Layout_->Remove(object);
    ForEachKindManager([&](TiPlotObjectManagerCustom& m) { m.TiPlotObjectManagerCustom::Remove(object); });
    return;
  }
  auto it = Identities_.find(sender);
  if (it == Identities_.end()) return;
  auto forget = std::move(it->second);
  Identities_.erase(it);
  forget();
}

void TiPlotMasterManager::RenameHook(TiObject* sender) {
  auto* object = dynamic_cast<TiPlotObject*>(sender);
  if (!object) return;
  TiPlotSettings::Changed();
  ForEachKindManager([&](TiPlotObjectManagerCustom& m) { m.NotifyRenameAll(object); });
  if (Layout_) Layout_->NotifyRenameAll(object);
  if (Editor) Editor->ObjectRenamed(object);
}

void TiPlotMasterManager::FocusHook(TiObject* sender) {
  auto* object = dynamic_cast<TiPlotObject*>(sender);
  if (!object) return;
  ForEachKindManager([&](TiPlotObjectManagerCustom& m) { m.NotifyFocusAll(object); });
}

// ---- operations ------------------------------------------------------------

template <class M>
int TiPlotMasterManager::AddTo(M* manager, TiPlotObject* object) {
  object->Inserted();
  return manager->Count() - 1;
}

int TiPlotMasterManager::AddChannel() {
  const TiPlotObjectHooks hooks = Hooks();
  return AddTo(Channel_, ChannelClass_ ? ChannelClass_(hooks) : new TiPlotChannel(hooks));
}
int TiPlotMasterManager::AddDataView() { return AddTo(DataView_, new TiPlotDataView(Hooks())); }
int TiPlotMasterManager::AddDataCursor() { return AddTo(DataCursor_, new TiPlotDataCursor(Hooks())); }
int TiPlotMasterManager::AddLimit() { return AddTo(Limit_, new TiPlotLimit(Hooks())); }
int TiPlotMasterManager::AddLabel() { return AddTo(Label_, new TiPlotLabel(Hooks())); }
int TiPlotMasterManager::AddAnnotation() { return AddTo(Annotation_, new TiPlotAnnotation(Hooks())); }
int TiPlotMasterManager::AddLegend() { return AddTo(Legend_, new TiPlotLegend(Hooks())); }
int TiPlotMasterManager::AddTable() { return AddTo(Table_, new TiPlotTable(Hooks())); }
int TiPlotMasterManager::AddToolBar() { return AddTo(ToolBar_, new TiPlotToolBar(Hooks())); }
int TiPlotMasterManager::AddXAxis() { return AddTo(XAxis_, new TiPlotXAxis(Hooks())); }
int TiPlotMasterManager::AddYAxis() { return AddTo(YAxis_, new TiPlotYAxis(Hooks())); }

void TiPlotMasterManager::SetChannelClass(TiPlotChannelClass channelClass) {
  ChannelClass_ = channelClass;
  if (Channel_) Channel_->ChannelClass = channelClass;
}

void TiPlotMasterManager::SetEditAllowed(bool value) {
  EditAllowed_ = value;
  ForEachObject([&](TiPlotObject& o) { o.SetEditAllowed(value); });
}

void TiPlotMasterManager::SetXYAxesReverse(bool value) {
  XYAxesReverse_ = value;
  if (Layout_) Layout_->SetXYAxesReverse(value);
  ForEachObject([&](TiPlotObject& o) { o.SetXYAxesReverse(value); });
  if (PlotRepaintNow_) PlotRepaintNow_(this);
}

void TiPlotMasterManager::SetToolBarsVisible(bool value) {
  if (!ToolBar_) return;
  for (TiPlotObject* o : ToolBar_->Items()) o->SetVisible(value);
}

void TiPlotMasterManager::ClearAllData() {
  if (Channel_)
    for (TiPlotObject* o : Channel_->Items()) static_cast<TiPlotChannelCustom*>(o)->Clear();
  for (TiPlotObjectManagerCustom* axes : {static_cast<TiPlotObjectManagerCustom*>(XAxis_),
                                          static_cast<TiPlotObjectManagerCustom*>(YAxis_)})
    if (axes)
      for (TiPlotObject* o : axes->Items()) static_cast<TiPlotAxis*>(o)->ResetFirstPoint();
}

void TiPlotMasterManager::ClearFocusAll() {
  if (Object_) Object_->ClearFocus();
}

void TiPlotMasterManager::EditObject(TiPlotObject* object) {
  if (OnEditObject) OnEditObject(object);
}

void TiPlotMasterManager::ShowEditor() { EditObject(nullptr); }
