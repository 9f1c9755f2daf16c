#include "plot/dIredDataCursor.h"

#include <cmath>

#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataView.h"
#include "plot/dIredMasterManager.h"

TiPlotDataCursor::TiPlotDataCursor(const TiPlotObjectHooks& hooks) : TiPlotManagerObject(hooks) {}

const TClassInfo& TiPlotDataCursor::StaticClass() {
  using D = TiPlotDataCursor;
  static const TClassInfo info =
      TClassBuilder<D>("TiPlotDataCursor")
          .Inherits<TiPlotManagerObject>()
          .String("ChannelName", &D::ChannelName, &D::SetChannelName)
          .Bool("ChannelShowAllInLegend", &D::ChannelShowAllInLegend, &D::SetChannelShowAllInLegend).Default(1)
          .Enum("Style", &D::Style, &D::SetStyle,
                {"ipcsValueXY", "ipcsValueX", "ipcsValueY", "ipcsDeltaX", "ipcsDeltaY", "ipcsInverseDeltaX"})
          .Default(ipcsValueXY)
          .Float("Pointer1Position", &D::Pointer1Position, &D::SetPointer1Position).DefaultFloat(50)
          .Float("Pointer2Position", &D::Pointer2Position, &D::SetPointer2Position).DefaultFloat(60)
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

namespace {
// Not a number counts as below the range.
double ClampPercent(double value) { return !(value >= 0) ? 0 : value > 100 ? 100 : value; }
}  // namespace

void TiPlotDataCursor::SetPointer1Position(double value) { SetProperty(Pointer1Position_, ClampPercent(value)); }
void TiPlotDataCursor::SetPointer2Position(double value) { SetProperty(Pointer2Position_, ClampPercent(value)); }

TiPlotChannelCustom* TiPlotDataCursor::Channel() {
  if (Channel_) return Channel_;
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  if (master && master->ChannelManager())
    Channel_ = static_cast<TiPlotChannelCustom*>(master->ChannelManager()->FindByName(ChannelName_));
  ChannelId_ = Channel_;
  return Channel_;
}

int TiPlotDataCursor::PointerPixel(int pointer, bool alongX) const {
  if (!DataView_) return 0;
  const double percent = pointer == 1 ? Pointer1Position_ : Pointer2Position_;
  // The x axis runs up the view when the chart's axes are reversed.
  return alongX != XYAxesReverse() ? DataView_->PixelOfXPercent(percent) : DataView_->PixelOfYPercent(percent);
}

void TiPlotDataCursor::SetValues(int status, double y, double x) {
  if (status == Status_ && y == ValueY_ && x == ValueX_) return;
  Status_ = status;
  ValueY_ = y;
  ValueX_ = x;
  if (OnValuesChange) OnValuesChange(this);
}

void TiPlotDataCursor::UpdateState() {
  if (!SameText(ChannelName_, "<All>")) {
    if (TiPlotChannelCustom* channel = Channel()) channel->UpdateDataCursor(*this);
    return;
  }
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  TiPlotChannelManager* channels = master ? master->ChannelManager() : nullptr;
  if (!channels) return;
  for (int i = 0; i < channels->Count(); ++i) channels->Channel(i)->UpdateDataCursor(*this);
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
