// Dragging a data cursor's pointers and hint with the mouse, moving them with
// the keys, and the focus it shares with its channel.
#include <algorithm>

#include "components/iReflection.h"
#include "platform/Control.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredDataView.h"

namespace {
constexpr int kPageSteps = 5;
double Clamped(double percent) { return std::clamp(percent, 0.0, 100.0); }
}  // namespace

bool TiPlotDataCursor::HitTest(const TiPlotMouseData& mouse) {
  const TPoint p{mouse.RawX, mouse.RawY};
  return HintRect_.Contains(p) || Band1_.Contains(p) || Band2_.Contains(p);
}

TiPlotCursorId TiPlotDataCursor::GetMouseCursor(TPoint) { return crHandPoint; }

void TiPlotDataCursor::SetPointerPosition(int pointer, double value) {
  if (pointer == 1) SetPointer1Position(value);
  else SetPointer2Position(value);
}

// A fresh reading and the plot told, also when the reading did not move.
void TiPlotDataCursor::Changed() {
  UpdateState();
  DoChange();
}

bool TiPlotDataCursor::DragAlongX() const {
  if (Drag_ == dragHint) return Layout_.HintAlongX;
  return !(Drag_ == dragPointer1 ? Layout_.Pointer1Horizontal : Layout_.Pointer2Horizontal);
}

void TiPlotDataCursor::DoMouseLeftDown(const TiPlotMouseData& mouse) {
  const TPoint p{mouse.RawX, mouse.RawY};
  Drag_ = dragNone;
  if (!DataView_) return;
  if (HintRect_.Contains(p)) Drag_ = dragHint;
  else if (Band1_.Contains(p)) Drag_ = dragPointer1;
  else if (Band2_.Contains(p)) Drag_ = dragPointer2;
  if (Drag_ == dragNone) return;
  DragStart_ = Drag_ == dragHint ? HintPixel() : LinePixel(Drag_ == dragPointer1 ? 1 : 2);
  DragFrom_ = p;
  Changed();
}

void TiPlotDataCursor::DoMouseDrag(const TiPlotMouseData& mouse) {
  if (Drag_ == dragNone || !DataView_) return;
  const bool alongX = DragAlongX();
  const int pixel = DragStart_ + (alongX ? mouse.RawX - DragFrom_.X : mouse.RawY - DragFrom_.Y);
  const double percent = Clamped(alongX ? DataView_->XPercentOfPixel(pixel) : DataView_->YPercentOfPixel(pixel));
  if (Drag_ == dragHint) SetHintPosition(percent);
  else SetPointerPosition(Drag_ == dragPointer1 ? 1 : 2, percent);
  Changed();
}

void TiPlotDataCursor::DoMouseUp(const TiPlotMouseData&) {
  if (Drag_ == dragNone) return;
  Drag_ = dragNone;
  DoChange();  // the pointer's pen and a hint hidden on release
}

double TiPlotDataCursor::StepPercent(bool alongX) const {
  if (!DataView_) return 0;
  const TRect r = DataView_->GetRect();
  const int pixels = alongX ? r.Width() : r.Height();
  return pixels > 0 ? 100.0 / pixels : 0;
}

// Left and Right move a vertical pointer and a hint along x; Up and Down a
// horizontal pointer and a hint along y (up is towards 100).
void TiPlotDataCursor::MovePointer(int pointer, int key, bool hintToo) {
  const bool horizontal = pointer == 1 ? Layout_.Pointer1Horizontal : Layout_.Pointer2Horizontal;
  const double position = pointer == 1 ? Pointer1Position_ : Pointer2Position_;
  const double step = StepPercent(!horizontal);
  switch (key) {
    case vkPrior: return SetPointerPosition(pointer, Clamped(position + kPageSteps * step));
    case vkNext: return SetPointerPosition(pointer, Clamped(position - kPageSteps * step));
    case vkEnd: return SetPointerPosition(pointer, 100);
    case vkHome: return SetPointerPosition(pointer, 0);
    default: break;
  }
  const bool xKey = key == vkLeft || key == vkRight;
  const double sign = key == vkRight || key == vkUp ? 1 : -1;
  if (hintToo && HintWanted() && Layout_.HintAlongX == xKey)
    SetHintPosition(Clamped(HintPosition_ + sign * StepPercent(xKey)));
  if (horizontal != xKey) SetPointerPosition(pointer, Clamped(position + sign * StepPercent(xKey)));
}

void TiPlotDataCursor::KeyDown(int& key, TiPlotShiftState shift) {
  static constexpr int keys[] = {vkLeft, vkRight, vkUp, vkDown, vkPrior, vkNext, vkHome, vkEnd};
  if (!Focused() || std::find(std::begin(keys), std::end(keys), key) == std::end(keys)) return;
  if (shift & ShiftBit(ipssCtrl)) MovePointer(1, key, true);
  else if (Layout_.Pointer2Shown) MovePointer(2, key, false);
  else return;
  Changed();
}

void TiPlotDataCursor::DoGotFocus() {
  TiPlotManagerObject::DoGotFocus();
  if (TiPlotChannelCustom* channel = SameText(ChannelName_, "<All>") ? nullptr : Channel()) channel->SetFocused(true);
}

// Focusing another channel while the cursor has the focus moves the cursor
// onto it; anything else takes the focus away.
void TiPlotDataCursor::NotifyFocus(TiPlotObject* object) {
  auto* channel = dynamic_cast<TiPlotChannelCustom*>(object);
  if (channel && channel == Channel()) return;
  if (channel && Focused()) {
    SetChannelName(channel->Name());
    return;
  }
  SetFocused(false);
}
