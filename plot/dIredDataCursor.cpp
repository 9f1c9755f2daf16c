#include "plot/dIredDataCursor.h"

#include <cmath>

#include "components/iFont.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataView.h"
#include "plot/dIredMasterManager.h"

namespace {
// The names the per-style menu properties end in, in style order.
const char* const kStyleSuffix[6] = {"ValueXY", "ValueX", "ValueY", "DeltaX", "DeltaY", "InverseDeltaX"};
const char* const kDefaultCaption[6] = {"Value X-Y", "Value X", "Value Y", "Period", "Peak-Peak", "Frequency"};
}  // namespace

TiPlotDataCursor::TiPlotDataCursor(const TiPlotObjectHooks& hooks) : TiPlotManagerObject(hooks) {
  SetVisible(false);
  for (int i = 0; i < 6; ++i) MenuItemCaption_[i] = kDefaultCaption[i];
  Layout_ = DataCursorLayout(Style_, XYChart_, XYAxesReverse());
}

const TClassInfo& TiPlotDataCursor::StaticClass() {
  using D = TiPlotDataCursor;
  static const TClassInfo info = [] {
    TClassBuilder<D> b("TiPlotDataCursor");
    b.Inherits<TiPlotManagerObject>()
        .String("ChannelName", &D::ChannelName, &D::SetChannelName)
        .Bool("ChannelAllowAll", &D::ChannelAllowAll, &D::SetChannelAllowAll).Default(1)
        .Bool("ChannelShowAllInLegend", &D::ChannelShowAllInLegend, &D::SetChannelShowAllInLegend).Default(1)
        .Enum("Style", &D::Style, &D::SetStyle)
        .Default(ipcsValueXY)
        .Value("Font", &D::Font, &D::SetFont, FontClassInfo())
        .Color("Color", &D::Color, &D::SetColor).Default(clYellow)
        .Bool("UseChannelColor", &D::UseChannelColor, &D::SetUseChannelColor).Default(1)
        .Bool("HintShow", &D::HintShow, &D::SetHintShow).Default(1)
        .Bool("HintHideOnRelease", &D::HintHideOnRelease, &D::SetHintHideOnRelease).Default(0)
        .Enum("HintOrientationSide", &D::HintOrientationSide, &D::SetHintOrientationSide)
        .Default(iosBottomRight)
        .Float("HintPosition", &D::HintPosition, &D::SetHintPosition).DefaultFloat(50)
        .Float("Pointer1Position", &D::Pointer1Position, &D::SetPointer1Position).DefaultFloat(50)
        .Float("Pointer2Position", &D::Pointer2Position, &D::SetPointer2Position).DefaultFloat(60)
        .Integer("PointerPenWidth", &D::PointerPenWidth, &D::SetPointerPenWidth).Default(1)
        .Bool("MenuUserCanChangeOptions", &D::MenuUserCanChangeOptions, &D::SetMenuUserCanChangeOptions).Default(1);
    for (int i = 0; i < 6; ++i) {
      const auto style = static_cast<TiPlotDataCursorStyle>(i);
      b.Bool(std::string("MenuItemVisible") + kStyleSuffix[i],
             [style](const D& d) { return d.MenuItemVisible(style); },
             [style](D& d, bool v) { d.SetMenuItemVisible(style, v); })
          .Default(1);
    }
    for (int i = 0; i < 6; ++i) {
      const auto style = static_cast<TiPlotDataCursorStyle>(i);
      b.String(std::string("MenuItemCaption") + kStyleSuffix[i],
               [style](const D& d) { return d.MenuItemCaption(style); },
               [style](D& d, const std::string& v) { d.SetMenuItemCaption(style, v); })
          .DefaultString(kDefaultCaption[i]);
    }
    return b.Build();
  }();
  return info;
}

void TiPlotDataCursor::SetStyle(TiPlotDataCursorStyle value) {
  if (value == Style_) return;
  Style_ = value;
  Layout_ = DataCursorLayout(Style_, XYChart_, XYAxesReverse());
  DoChange();
}

void TiPlotDataCursor::SetXYChart(bool value) {
  XYChart_ = value;
  Layout_ = DataCursorLayout(Style_, XYChart_, XYAxesReverse());
}

void TiPlotDataCursor::SetXYAxesReverse(bool value) {
  TiPlotManagerObject::SetXYAxesReverse(value);
  Layout_ = DataCursorLayout(Style_, XYChart_, value);
}

void TiPlotDataCursor::SetMenuItemVisible(TiPlotDataCursorStyle style, bool value) {
  SetProperty(MenuItemVisible_[style], value);
}

void TiPlotDataCursor::SetMenuItemCaption(TiPlotDataCursorStyle style, const std::string& value) {
  SetProperty(MenuItemCaption_[style], value);
}

TiDataCursorLayout DataCursorLayout(TiPlotDataCursorStyle style, bool xyChart, bool axesReversed) {
  TiDataCursorLayout l;
  switch (style) {
    case ipcsValueXY:
      if (xyChart) l.Pointer2Shown = l.Pointer2Horizontal = true;
      break;
    case ipcsValueX: break;
    case ipcsValueY:
      // The strip chart reads y where pointer 1 crosses the trace.
      if (xyChart) l.Pointer1Shown = false, l.Pointer2Shown = true, l.Pointer2Horizontal = true, l.HintAlongX = true;
      break;
    case ipcsDeltaX:
    case ipcsInverseDeltaX: l.Pointer2Shown = true; break;
    case ipcsDeltaY:
      l.Pointer2Shown = true, l.Pointer1Horizontal = l.Pointer2Horizontal = true, l.HintAlongX = true;
      break;
  }
  if (axesReversed) {
    l.Pointer1Horizontal = !l.Pointer1Horizontal;
    l.Pointer2Horizontal = !l.Pointer2Horizontal;
    l.HintAlongX = !l.HintAlongX;
  }
  return l;
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
void TiPlotDataCursor::SetHintPosition(double value) { SetProperty(HintPosition_, ClampPercent(value)); }

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
  if (OnBeforeUpdate) OnBeforeUpdate(this);
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
