#include "plot/dIredLimit.h"


TiPlotLimit::TiPlotLimit(const TiPlotObjectHooks& hooks) : TiPlotManagerObject(hooks) {}

const TClassInfo& TiPlotLimit::StaticClass() {
  using L = TiPlotLimit;
  static const TClassInfo info =
      TClassBuilder<L>("TiPlotLimit")
          .Inherits<TiPlotManagerObject>()
          .Enum("Style", &L::Style, &L::SetStyle)
          .Default(iplsLineY)
          .Color("Color", &L::Color, &L::SetColor)
          .Default(clRed)
          .Integer("LineWidth", &L::LineWidth, &L::SetLineWidth)
          .Default(0)
          .Enum("LineStyle", &L::LineStyle, &L::SetLineStyle)
          .Default(psSolid)
          .Enum("FillStyle", &L::FillStyle, &L::SetFillStyle)
          .Default(bsSolid)
          .String("XAxisName", &L::XAxisName, &L::SetXAxisName)
          .String("YAxisName", &L::YAxisName, &L::SetYAxisName)
          .Float("Line1Position", &L::Line1Position, &L::SetLine1Position)
          .DefaultFloat(50)
          .Float("Line2Position", &L::Line2Position, &L::SetLine2Position)
          .DefaultFloat(50)
          .Bool("UserCanMove", &L::UserCanMove, &L::SetUserCanMove)
          .Default(0)
          .Build();
  return info;
}

void TiPlotLimit::SetXAxisName(const std::string& value) {
  if (XAxis_.SetName(value)) DoChange();
}

void TiPlotLimit::SetYAxisName(const std::string& value) {
  if (YAxis_.SetName(value)) DoChange();
}

void TiPlotLimit::SetLinePosition(int line, double value) {
  const double old = Position_[line];
  if (!StoreChanged(Position_[line], value)) return;
  DoChange();
  if (TiPlotLimitHost* host = Host()) host->LimitLinePositionChange(this, line + 1, value, old);
}

void TiPlotLimit::AddBandElement(double position, double low, double high) {
  Elements_.Add(position, low, high);
  DoChange();
}

void TiPlotLimit::ClearBandElements() {
  if (Elements_.Count() == 0) return;
  Elements_.Clear();
  DoChange();
}

bool TiPlotLimit::IsFilled() const {
  switch (Style_) {
    case iplsBandX:
    case iplsBandY: return FillStyle_ != bsClear;
    case iplsPolyBandX:
    case iplsPolyBandY: return true;
    default: return false;
  }
}

void TiPlotLimit::NotifyRemove(TiPlotObject* object) {
  XAxis_.NotifyRemove(object);
  YAxis_.NotifyRemove(object);
}

void TiPlotLimit::NotifyRename(TiPlotObject* object) {
  // Both references hear the rename, whichever of them it concerns.
  const bool x = XAxis_.NotifyRename(object);
  const bool y = YAxis_.NotifyRename(object);
  if (x || y) DoChange();
}

void TiPlotLimit::NotifyFocus(TiPlotObject* object) {
  if (object != this) SetFocused(false);
}

// ---- mouse -----------------------------------------------------------------

bool TiPlotLimit::CanDrag() const {
  TiPlotLimitHost* host = Host();
  return UserCanMove_ && host && host->SelectModeActive();
}

bool TiPlotLimit::HitTest(const TiPlotMouseData& mouse) {
  const TPoint raw{mouse.RawX, mouse.RawY};
  return (HitValid_[0] && HitBox_[0].Contains(raw)) || (HitValid_[1] && HitBox_[1].Contains(raw));
}

// A band's lines size it (a sizing arrow across them); a single line is
// picked up (the hand).
TiPlotCursorId TiPlotLimit::GetMouseCursor(TPoint point) {
  if (!CanDrag()) return crDefault;
  if (!(HitValid_[0] && HitValid_[1])) return crHandPoint;
  const bool linesVertical = IsYStyle() == XYAxesReverse();
  return linesVertical ? crSizeWE : crSizeNS;
}

void TiPlotLimit::DoMouseLeftDown(const TiPlotMouseData& mouse) {
  if (!CanDrag()) return;
  const TPoint raw{mouse.RawX, mouse.RawY};
  for (int line = 0; line < 2; ++line) {
    if (!HitValid_[line] || !HitBox_[line].Contains(raw)) continue;
    DragPointer_ = AlongPointer(mouse);
    DragStart_ = Position_[line];
    Dragging_[line] = true;
    if (OnRepaintNow) OnRepaintNow(this);
    return;
  }
}

// The pixel distance is converted through the axis at both ends, so a log
// scale moves the line by what the pointer passed over.
void TiPlotLimit::DoMouseDrag(const TiPlotMouseData& mouse) {
  TiPlotAxis* axis = AlongAxis();
  if (!axis) return;
  for (int line = 0; line < 2; ++line) {
    if (!Dragging_[line]) continue;
    const double moved = axis->PixelToValue(DragPointer_) - axis->PixelToValue(AlongPointer(mouse));
    SetLinePosition(line, DragStart_ - moved);
  }
}

void TiPlotLimit::DoMouseUp(const TiPlotMouseData& mouse) { Dragging_[0] = Dragging_[1] = false; }
