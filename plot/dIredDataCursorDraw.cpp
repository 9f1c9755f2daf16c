// Drawing a data cursor: its pointer lines with their grab bands, and the
// hint box beside the pointer (value styles) or between the pointers (delta
// styles), kept inside the data view.
#include <algorithm>

#include "components/iReflection.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredDataView.h"

namespace {
constexpr int kHintGap = 5;  // pixels between the pointer line and the box

bool Horizontal(const TiDataCursorLayout& l, int pointer) {
  return pointer == 1 ? l.Pointer1Horizontal : l.Pointer2Horizontal;
}

// The box moved back inside `view` where it sticks out; a box larger than
// the view keeps its left and top edges in it.
TRect ShiftInside(TRect box, const TRect& view) {
  auto shift = [](int& low, int& high, int min, int max) {
    int d = high > max ? max - high : 0;
    if (low + d < min) d = min - low;
    low += d, high += d;
  };
  shift(box.Left, box.Right, view.Left, view.Right);
  shift(box.Top, box.Bottom, view.Top, view.Bottom);
  return box;
}
}  // namespace

int TiPlotDataCursor::LinePixel(int pointer) const {
  const double percent = pointer == 1 ? Pointer1Position_ : Pointer2Position_;
  return Horizontal(Layout_, pointer) ? DataView_->PixelOfYPercent(percent) : DataView_->PixelOfXPercent(percent);
}

int TiPlotDataCursor::HintPixel() const {
  return Layout_.HintAlongX ? DataView_->PixelOfXPercent(HintPosition_) : DataView_->PixelOfYPercent(HintPosition_);
}

bool TiPlotDataCursor::HintWanted() const {
  return HintShow_ && !SameText(ChannelName_, "<All>") && !(HintHideOnRelease_ && Drag_ == dragNone);
}

std::string TiPlotDataCursor::HintTextShown() {
  std::string text = Channel() ? HintText_ : Translate("No Channel");
  if (OnCustomizeHint) OnCustomizeHint(this, text);
  return text;
}

void TiPlotDataCursor::Draw(TCanvas* canvas, TColor) {
  Band1_ = Band2_ = HintRect_ = TRect{};
  if (!Visible() || !DataView_) return;
  UpdateState();
  TiPlotChannelCustom* channel = SameText(ChannelName_, "<All>") ? nullptr : Channel();
  const TColor color = UseChannelColor_ && channel ? channel->Color() : Color_;
  const TRect view = DataView_->GetRect();
  canvas->Pen.Style = psSolid;
  canvas->Pen.Color = color;
  for (int pointer : {1, 2}) {
    if (!(pointer == 1 ? Layout_.Pointer1Shown : Layout_.Pointer2Shown)) continue;
    const bool dragged = Drag_ == (pointer == 1 ? dragPointer1 : dragPointer2);
    canvas->Pen.Width = dragged ? 0 : PointerPenWidth_;
    const int p = LinePixel(pointer);
    TRect& band = pointer == 1 ? Band1_ : Band2_;
    if (Horizontal(Layout_, pointer)) {
      canvas->MoveTo(view.Left, p), canvas->LineTo(view.Right, p);
      band = {view.Left, p - 5, view.Right, p + 6};
    } else {
      canvas->MoveTo(p, view.Top), canvas->LineTo(p, view.Bottom);
      band = {p - 5, view.Top, p + 6, view.Bottom};
    }
  }
  if (HintWanted()) DrawHintBox(*canvas, color);
}

// Value styles sit beside the line, switching sides where the box would
// cross the view's edge (the switch is kept); delta styles sit between the
// two lines.
TRect TiPlotDataCursor::PlaceHint(const TRect& view, int width, int height) {
  const int along = HintPixel();
  const bool lineHorizontal = Layout_.HintAlongX;
  const int across = lineHorizontal ? height : width;
  const int alongSize = lineHorizontal ? width : height;
  int start;  // of the box across the line
  if (IsDeltaStyle()) {
    start = (LinePixel(1) + LinePixel(2)) / 2 - across / 2;
  } else {
    const int line = LinePixel(Layout_.Pointer1Shown ? 1 : 2);
    const int nearEdge = lineHorizontal ? view.Top : view.Left;
    const int farEdge = lineHorizontal ? view.Bottom : view.Right;
    // A side is left only for one with room: a box too wide for either
    // side would otherwise flip, and repaint, at every paint.
    const bool fitsAfter = line + kHintGap + across <= farEdge, fitsBefore = line - kHintGap - across >= nearEdge;
    if (HintOrientationSide_ == iosBottomRight && !fitsAfter && fitsBefore) SetHintOrientationSide(iosTopLeft);
    else if (HintOrientationSide_ == iosTopLeft && !fitsBefore && fitsAfter) SetHintOrientationSide(iosBottomRight);
    start = HintOrientationSide_ == iosBottomRight ? line + kHintGap : line - kHintGap - across;
  }
  const int alongStart = along - alongSize / 2;
  const TRect box = lineHorizontal ? TRect{alongStart, start, alongStart + width, start + height}
                                   : TRect{start, alongStart, start + width, alongStart + height};
  return ShiftInside(box, view);
}

void TiPlotDataCursor::DrawHintBox(TCanvas& canvas, TColor pointerColor) {
  const std::string text = HintTextShown();
  canvas.Font = Font_;
  const int a = canvas.TextWidth("A");
  TRect measure{0, 0, 0, 0};
  canvas.DrawText(text, measure, dtCalcRect);
  const TRect view = DataView_->GetRect();
  HintRect_ = PlaceHint(view, measure.Width() + a, measure.Height() + a / 2);
  if (IsDeltaStyle()) {
    canvas.Pen.Color = pointerColor;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psDot;
    const int along = HintPixel();
    if (Layout_.HintAlongX) canvas.MoveTo(along, LinePixel(1)), canvas.LineTo(along, LinePixel(2));
    else canvas.MoveTo(LinePixel(1), along), canvas.LineTo(LinePixel(2), along);
  }
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = clInfoBk;
  canvas.FillRect(HintRect_);
  canvas.Brush.Color = UseChannelColor_ ? pointerColor : clBlack;
  canvas.FrameRect(HintRect_);
  canvas.Brush.Style = bsClear;
  canvas.Font.Color = clInfoText;
  TRect textBox{HintRect_.Left + 2, HintRect_.Top + 1, HintRect_.Right, HintRect_.Bottom};
  canvas.DrawText(text, textBox, dtVCenter | dtNoClip);
  if (!Focused()) return;
  canvas.Pen.Color = clWhite;
  canvas.Pen.Width = 1;
  canvas.Pen.Style = psDot;
  canvas.Rectangle(HintRect_.Left - 2, HintRect_.Top - 2, HintRect_.Right + 2, HintRect_.Bottom + 2);
  canvas.Pen.Style = psSolid;
}
