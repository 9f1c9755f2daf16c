// The plot's input routing: hit test, mouse, wheel, keys and hints.
#include "plot/dIredAnnotation.h"
#include "plot/dIredComponent.h"
#include "plot/dIredLayoutManager.h"
#include "plot/dIredLegend.h"
#include "plot/dIredLimit.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"

namespace {

// The platform's shift state and the plot's have the same bits.
TiPlotShiftState PlotShift(TShiftState shift) { return static_cast<TiPlotShiftState>(shift & 0x7F); }

TiPlotMouseButton PlotButton(TMouseButton button) {
  return button == mbRight ? ipmbRight : button == mbMiddle ? ipmbMiddle : ipmbLeft;
}

bool Has(TiPlotShiftState shift, TiPlotShift bit) { return (shift & ShiftBit(bit)) != 0; }

bool IsViewOrLegend(const TiPlotObject* o) {
  return dynamic_cast<const TiPlotDataView*>(o) || dynamic_cast<const TiPlotLegend*>(o);
}

// Objects that take a click alone: the rest is handed to every focused one.
bool TakesMouseAlone(const TiPlotObject* o) {
  // Toolbar, legend and table buttons are all plot buttons.
  return dynamic_cast<const TiPlotAnnotation*>(o) || dynamic_cast<const TiPlotButton*>(o) ||
         dynamic_cast<const TiPlotLimit*>(o);
}

bool IsToolBarPart(const TiPlotObject* o) {
  return dynamic_cast<const TiPlotToolBar*>(o) || dynamic_cast<const TiPlotToolBarButton*>(o);
}

}  // namespace

TiPlotMouseData TiPlotComponent::MouseRecord(int x, int y, TiPlotShiftState shift) const {
  TiPlotMouseData mouse;
  mouse.RawX = x, mouse.RawY = y;
  mouse.X = XYAxesReverse() ? y : x;
  mouse.Y = XYAxesReverse() ? x : y;
  mouse.Shift = shift;
  mouse.AxisMultiSelect = AxisMultiSelect_;
  return mouse;
}

void TiPlotComponent::HandShiftState(TiPlotShiftState shift) {
  Shift_ = shift;
  for (TiPlotObject* o : Master_->ObjectManager()->Items()) o->SetAxesModeFlags(shift);
}

// ---- hit test --------------------------------------------------------------

TiPlotObject* TiPlotComponent::HitPass(int pass, const TiPlotMouseData& mouse) {
  for (TiPlotObject* o : std::vector<TiPlotObject*>(Master_->ObjectManager()->Items())) {
    if (!o->Enabled() || !o->Visible() || dynamic_cast<TiPlotDataViewLayout*>(o)) continue;
    const bool late = IsViewOrLegend(o);
    if ((pass == 3) != late) continue;
    if (pass == 1 && !o->Focused()) continue;
    if (o->HitTest(mouse)) return o->GetHitObject(mouse.RawX, mouse.RawY);
  }
  return nullptr;
}

TiPlotObject* TiPlotComponent::HitTest(int x, int y, TiPlotMouseButton button) {
  TiPlotMouseData mouse = MouseRecord(x, y, Shift_);
  mouse.Button = button;  // a channel's trace answers the right button only
  for (int pass = 1; pass <= 3; ++pass)
    if (TiPlotObject* hit = HitPass(pass, mouse)) return hit;
  return nullptr;
}

// ---- mouse -----------------------------------------------------------------

void TiPlotComponent::PlotMouseDown(TiPlotMouseButton button, TiPlotShiftState shift, int x, int y) {
  HandShiftState(shift);
  ButtonDown_ = true;
  SetFocus();
  HideHint();
  if (button == ipmbRight) Master_->ClearFocusAll();
  TiPlotObject* hit = HitTest(x, y, button);
  Pressed_ = hit;
  LastReleased_ = nullptr;
  if (!hit) {
    Master_->ClearFocusAll();
    return;
  }
  const bool isAxis = dynamic_cast<TiPlotAxis*>(hit) != nullptr;
  if (Has(shift, ipssShift)) {
    hit->SetFocused(true);
    if (isAxis) AxisMultiSelect_ = true;
  } else if (Has(shift, ipssCtrl)) {
    hit->SetFocused(isAxis ? !hit->Focused() : true);
    if (isAxis) AxisMultiSelect_ = true;
  } else if (!IsToolBarPart(hit)) {
    hit->SetFocused(true);
  }
  const TPoint screen = ClientToScreen({x, y});
  if (button == ipmbRight || TakesMouseAlone(hit))
    hit->MouseDown(button, shift, &Popup_, screen.X, screen.Y, x, y);
  else
    Master_->ObjectManager()->MouseDownFocused(button, shift, &Popup_, screen.X, screen.Y, x, y);
}

void TiPlotComponent::PlotMouseMove(TiPlotShiftState shift, int x, int y) {
  if (AxisMultiSelect_) return;
  if (!ClientRect().Contains({x, y}) && !ButtonDown_ && MouseCapture()) SetMouseCapture(false);
  HandShiftState(shift);
  HideHint();
  const TPoint screen = ClientToScreen({x, y});
  TiPlotHintData hint;
  if (ButtonDown_) {
    if (Pressed_ && (dynamic_cast<TiPlotAnnotation*>(Pressed_) || IsToolBarPart(Pressed_)))
      Pressed_->MouseMove(hint, shift, AxisMultiSelect_, screen.X, screen.Y, x, y);
    else
      Master_->ObjectManager()->MouseMoveFocused(hint, shift, AxisMultiSelect_, screen.X, screen.Y, x, y);
    SetCursor(crDefault);
    return;
  }
  // A button-up that went elsewhere still reaches the pressed object.
  if (Pressed_) {
    Pressed_->MouseUp(ipmbLeft, shift, false, x, y);
    Master_->ObjectManager()->MouseUpFocused(ipmbLeft, shift, false, x, y);
    Pressed_ = nullptr;
  }
  TiPlotObject* hit = HitTest(x, y);
  if (Hovered_ && Hovered_ != hit) Hovered_->MouseLeave();
  Hovered_ = hit;
  if (!hit) {
    SetCursor(crDefault);
    return;
  }
  SetCursor(static_cast<TCursor>(hit->GetMouseCursor({x, y})));
  hit->DoMouseHover(MouseRecord(x, y, shift), hint);
  if (!HintsShow_ || hint.Text.empty()) return;
  Hint_ = hint;
  TimerStop();
  if (SuppressNextHint_) {
    SuppressNextHint_ = false;
    return;
  }
  TimerStart(HintsPause_, HintsPause_);
}

void TiPlotComponent::PlotMouseUp(TiPlotMouseButton button, TiPlotShiftState shift, int x, int y) {
  ButtonDown_ = false;
  HandShiftState(shift);
  HideHint();
  AxisMultiSelect_ = false;
  TiPlotObject* pressed = Pressed_;
  if (pressed) pressed->MouseUp(button, shift, DblClickPending_, x, y);
  Master_->ObjectManager()->MouseUpFocused(button, shift, DblClickPending_, x, y);
  LastReleased_ = pressed;
  Pressed_ = nullptr;
  DblClickPending_ = false;
}

bool TiPlotComponent::PlotMouseWheel(int delta, TiPlotShiftState shift, TPoint position) {
  Master_->ObjectManager()->MouseWheelFocused(delta, shift, position);
  return true;
}

void TiPlotComponent::PlotKeyDown(int& key, TiPlotShiftState shift) {
  Master_->ObjectManager()->KeyDownFocused(key, shift);
}

void TiPlotComponent::iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  PlotMouseDown(PlotButton(button), PlotShift(shift), x, y);
}
void TiPlotComponent::iMouseMove(TShiftState shift, int x, int y) { PlotMouseMove(PlotShift(shift), x, y); }
void TiPlotComponent::iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  PlotMouseUp(PlotButton(button), PlotShift(shift), x, y);
}
bool TiPlotComponent::iMouseWheel(TShiftState shift, int delta, TPoint position) {
  return PlotMouseWheel(delta, PlotShift(shift), position);
}
void TiPlotComponent::iKeyDown(uint16_t& key, TShiftState shift) {
  int k = key;
  PlotKeyDown(k, PlotShift(shift));
  key = static_cast<uint16_t>(k);
}

// ---- hints -----------------------------------------------------------------

void TiPlotComponent::HintTimerExpired() {
  TimerStop();
  if (HintShowing_) {
    HintShowing_ = false;
    if (MouseCapture()) SetMouseCapture(false);
  } else {
    HintShowing_ = true;
    TimerStart(HintsHidePause_, HintsHidePause_);
    if (!MouseCapture()) SetMouseCapture(true);
  }
  InvalidateNow();
}

void TiPlotComponent::HideHint() {
  TimerStop();
  if (HintDrawn_) InvalidateNow();
  HintShowing_ = false;
}

void TiPlotComponent::MouseCaptureLost() {
  HideHint();
  SuppressNextHint_ = true;
  if (Hovered_) Hovered_->MouseLeave();
  Hovered_ = nullptr;
}
