#include "plot/dIredDataCursor.h"

#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataView.h"
#include "plot/dIredMasterManager.h"

TiPlotDataCursor::TiPlotDataCursor(const TiPlotObjectHooks& hooks) : TiPlotManagerObject(hooks) {}

const TClassInfo& TiPlotDataCursor::StaticClass() {
  using D = TiPlotDataCursor;
  static const TClassInfo info = TClassBuilder<D>("TiPlotDataCursor")
                                     .Inherits<TiPlotManagerObject>()
                                     .String("ChannelName", &D::ChannelName, &D::SetChannelName)
                                     .Build();
  return info;
}

void TiPlotDataCursor::SetChannelName(const std::string& value) {
  if (value == ChannelName_) return;
  ChannelName_ = value;
  Channel_ = nullptr;
  ChannelId_ = nullptr;
  DoChange();
}

TiPlotChannelCustom* TiPlotDataCursor::Channel() {
  if (Channel_) return Channel_;
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  if (master && master->ChannelManager())
    Channel_ = static_cast<TiPlotChannelCustom*>(master->ChannelManager()->FindByName(ChannelName_));
  ChannelId_ = Channel_;
  return Channel_;
}

void TiPlotDataCursor::NotifyRemove(TiPlotObject* object) {
  if (object == ChannelId_) {
    Channel_ = nullptr;
    ChannelId_ = nullptr;
  }
  if (object == DataViewId_) {
    DataView_ = nullptr;
    DataViewId_ = nullptr;
  }
}

void TiPlotDataCursor::NotifyRename(TiPlotObject* object) {
  auto* channel = dynamic_cast<TiPlotChannelCustom*>(object);
  const bool bound = ChannelId_ ? object == ChannelId_ : channel && SameText(object->OldName(), ChannelName_);
  if (!bound) return;
  SetChannelName(object->Name());
  Channel_ = channel;  // still the same channel
  ChannelId_ = object;
}

void TiPlotDataCursor::SetDataView(TiPlotDataView* view) {
  DataView_ = view;
  DataViewId_ = view;
}
