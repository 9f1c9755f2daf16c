// The axis under the user's hands: drags, the wheel, keys, the hover hint,
// pointer shapes and the popup menu. Every scroll or zoom pauses tracking
// (inside ScrollBy, ZoomBy); "Zoom to Fit" does not.
#include <cmath>

#include "plot/dIredAxis.h"

namespace {
constexpr uint8_t kScrollMode = 0, kZoomMode = 1;
}  // namespace

uint8_t TiPlotAxis::EffectiveMode(TiPlotShiftState shift) const {
  if ((shift & ShiftBit(ipssCtrl)) == 0) return AxesMode_;
  if (AxesMode_ == kScrollMode) return kZoomMode;
  return kScrollMode;  // zoom mode and every other mode become scroll mode
}

// MasterUIInput: the same event on every other axis of this orientation.
// The repeated call does not repeat again, so two master axes do not echo.
void TiPlotAxis::Repeat(void (TiPlotAxis::*action)(const TiPlotMouseData&), const TiPlotMouseData& mouse) {
  if (!MasterUIInput_ || Repeating_) return;
  for (TiPlotAxis* other : SameOrientationAxes()) {
    other->Repeating_ = true;
    (other->*action)(mouse);
    other->Repeating_ = false;
  }
}

bool TiPlotAxis::HitTest(const TiPlotMouseData& mouse) {
  // On screen, like the rectangle, whether or not the axes are reversed.
  return mouse.RawX >= HitRect_.Left && mouse.RawX < HitRect_.Right && mouse.RawY >= HitRect_.Top &&
         mouse.RawY < HitRect_.Bottom;
}

void TiPlotAxis::DoMouseLeftDown(const TiPlotMouseData& mouse) {
  Repeat(&TiPlotAxis::DoMouseLeftDown, mouse);
  Dragging_ = true;
  LastMouseX_ = mouse.RawX;
  LastMouseY_ = mouse.RawY;
}

void TiPlotAxis::DoMouseDrag(const TiPlotMouseData& mouse) {
  if (!Dragging_) return;
  Repeat(&TiPlotAxis::DoMouseDrag, mouse);
  if (mouse.AxisMultiSelect) return;
  const int length = PixelLength();
  if (length == 0) return;  // nothing to measure a movement against
  if (OnRepaintNow) OnRepaintNow(this);
  UserRangeChange();
  // Along the axis as it stands on screen: reversed axes exchange the
  // pointer's coordinates, not the axis's own orientation.
  double fraction =
      IsHorizontal() ? double(mouse.RawX - LastMouseX_) / length : double(LastMouseY_ - mouse.RawY) / length;
  if (Scale_.Reverse) fraction = -fraction;
  const uint8_t mode = EffectiveMode(mouse.Shift);
  if (mode == kScrollMode) ScrollBy(-fraction);  // the content follows the pointer
  else if (mode == kZoomMode) ZoomBy(Scale_.Log10 ? fraction * 2 : fraction / 4);
  LastMouseX_ = mouse.RawX;
  LastMouseY_ = mouse.RawY;
}

void TiPlotAxis::DoMouseUp(const TiPlotMouseData& mouse) {
  Repeat(&TiPlotAxis::DoMouseUp, mouse);
  if (Dragging_ && HitTest(mouse))
    if (TiPlotAxisOwner* owner = AxisOwner(); owner && !owner->AxisReportsSuspended()) owner->AxisClick(this);
  Dragging_ = false;
}

void TiPlotAxis::DoMouseHover(const TiPlotMouseData& mouse, TiPlotHintData& hint) {
  if (TitleShow_) return;  // the title is already on screen
  hint.Show = true;
  hint.Text = Title_;
  hint.X = mouse.RawX;
  hint.Y = mouse.RawY - 20;
  if (TiPlotAxisOwner* owner = AxisOwner(); owner && !owner->AxisReportsSuspended())
    owner->AxisCustomizeHint(this, hint.Text);
}

TiPlotCursorId TiPlotAxis::GetMouseCursor(TPoint point) {
  if (AxesMode_ == kScrollMode) return crHandPoint;
  if (AxesMode_ == kZoomMode) return IsHorizontal() ? crAxisSizeHorizontal : crAxisSizeVertical;
  return crDefault;
}

bool TiPlotAxis::MouseWheel(int delta, TiPlotShiftState shift, TPoint position) {
  if (delta == 0) return true;
  UserRangeChange();
  const double a = delta > 0 ? 1 : -1;
  const uint8_t mode = EffectiveMode(shift);
  if (mode == kScrollMode) ScrollBy(a * 0.05);
  else if (mode == kZoomMode) ZoomBy(a * (Scale_.Log10 ? 0.05 : 0.025));
  return true;
}

void TiPlotAxis::KeyDown(int& key, TiPlotShiftState shift) {
  if (MasterUIInput_ && !Repeating_)
    for (TiPlotAxis* other : SameOrientationAxes()) {
      other->Repeating_ = true;
      other->DoKey(key);
      other->Repeating_ = false;
    }
  DoKey(key);
}

void TiPlotAxis::DoKey(int key) {
  UserRangeChange();
  double step;
  switch (key) {
    case 33: case 35: step = 1; break;       // Page Up, End
    case 34: case 36: step = -1; break;      // Page Down, Home
    case 38: case 39: step = 0.01; break;    // Up, Right
    case 37: case 40: step = -0.01; break;   // Left, Down
    default: return;
  }
  if (OnRepaintNow) OnRepaintNow(this);
  if (AxesMode_ == kScrollMode) ScrollBy(step);
  else if (AxesMode_ == kZoomMode) ZoomBy(step);
}

void TiPlotAxis::AddMenuItems(TiPopupMenu& menu) {
  TiPlotLayoutObject::AddMenuItems(menu);
  TiMenuItem* tracking = menu.Insert(0, Translate("Tracking Enabled"));
  tracking->Checked = TrackingEnabled_;
  tracking->OnClick = [this] { SetTrackingEnabled(!TrackingEnabled()); };
  TiMenuItem* resume = menu.Insert(1, Translate("Update Resume Values"));
  resume->Enabled = !TrackingEnabled_ && (Min() != ResumeMin_ || Span() != ResumeSpan_);
  resume->OnClick = [this] { UpdateResumeValues(); };
  TiMenuItem* fit = menu.Insert(2, Translate("Zoom to Fit"));
  fit->OnClick = [this] { ZoomToFit(); };
}
