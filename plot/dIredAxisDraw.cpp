// Drawing of the axis: scale line, tick marks, labels, title, the focus
// rectangle, and the grid lines the data view asks for. Sides: 0 left of
// the data view, 1 right, 2 above, 3 below; a cartesian axis counts as 1 or
// 3 and draws its marks across its line.
#include <algorithm>

#include "platform/Rounding.h"
#include "plot/dIredAxis.h"
#include "plot/dIredDataView.h"
#include "plot/dIredMasterManager.h"
#include "plot/iAxisText.h"

namespace {

bool Overlaps(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool Inside(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Right <= outer.Right && inner.Top >= outer.Top &&
         inner.Bottom <= outer.Bottom;
}

TPenStyle PenStyleOf(TiPlotLineStyle style) {
  switch (style) {
    case iplsDash: return psDash;
    case iplsDot: return psDot;
    default: return psSolid;
  }
}

int QuarterTurns(TiRotationAngle angle) { return static_cast<int>(angle); }

}  // namespace

// The data-view edge of the axis rectangle and which way is outward.
struct TAxisEdge {
  int Position;   // x for vertical axes, y for horizontal ones
  int Outward;    // +1 or -1
};

static TAxisEdge EdgeOf(uint8_t side, const TiAxisScale& s) {
  switch (side) {
    case 0: return {s.ScaleRight, -1};
    case 1: return {s.ScaleLeft, +1};
    case 2: return {s.ScaleBottom, -1};
    default: return {s.ScaleTop, +1};
  }
}

void TiPlotAxis::PrepareDraw() {
  TiPlotLayoutObject::PrepareDraw();
  if (!IsCartesian()) return;
  const TAxisEdge edge = EdgeOf(Side_, Scale_);
  if (IsVertical()) Occupy({edge.Position, Scale_.ScaleTop, edge.Position + 1, Scale_.ScaleBottom + 1});
  else Occupy({Scale_.ScaleLeft, edge.Position, Scale_.ScaleRight + 1, edge.Position + 1});
}

void TiPlotAxis::Occupy(const TRect& r) const {
  if (TiPlotAxisOwner* owner = AxisOwner())
    if (std::vector<TRect>* rects = owner->OccupiedRects()) rects->push_back(r);
}

void TiPlotAxis::Draw(TCanvas* canvas, TColor backGroundColor) {
  if (!Visible() || !canvas) return;
  for (TiPlotTickObject& tick : Ticks_) {
    tick.Visible = IsValueVisible(tick.Value);
    if (!tick.Visible) continue;
    tick.Pixel = ValueToPixel(tick.Value);
    if (tick.Kind == 0 && LabelsVisible_) DrawLabel(canvas, tick);
  }
  if (ScaleLinesShow_) {
    canvas->Pen = TPen{ScaleLinesColor_, 1, psSolid, pmCopy};
    DrawScaleLine(canvas);
    for (const TiPlotTickObject& tick : Ticks_)
      if (tick.Visible) DrawTickMark(canvas, tick);
  }
  if (IsCartesian()) {
    // The hit area lies across the line: a little before it, the axis's
    // thickness beyond it.
    const TAxisEdge edge = EdgeOf(Side_, Scale_);
    const int start = edge.Position - ((MajorLength_ + 1) / 2 + 5);
    if (IsVertical()) HitRect_ = {start, HitRect_.Top, start + RequiredThickness_, HitRect_.Bottom};
    else HitRect_ = {HitRect_.Left, start, HitRect_.Right, start + RequiredThickness_};
  } else {
    DrawTitle(canvas);
  }
  if (Focused()) canvas->DrawFocusRect(FocusRect());
}

// The hit rectangle one pixel larger to the right and bottom, cut to the
// axis's own lane along its length: the hit area reaches past the scale's
// ends to take in half the end labels, but drawn there the dotted frame would
// run through the neighbouring axis's labels.
TRect TiPlotAxis::FocusRect() const {
  TRect f{HitRect_.Left, HitRect_.Top, HitRect_.Right + 1, HitRect_.Bottom + 1};
  const TRect lane = GetRect();
  if (IsHorizontal()) {
    f.Left = std::max(f.Left, lane.Left);
    f.Right = std::min(f.Right, lane.Right + 1);  // the scale line's last pixel is the lane's right edge
  } else {
    f.Top = std::max(f.Top, lane.Top);
    f.Bottom = std::min(f.Bottom, lane.Bottom + 1);
  }
  return f;
}

void TiPlotAxis::DrawScaleLine(TCanvas* canvas) {
  const int g = IsCartesian() ? 0 : InnerMargin_;
  const TiAxisScale& s = Scale_;
  switch (Side_) {
    case 0: canvas->MoveTo(s.ScaleRight - g, s.ScaleTop); canvas->LineTo(s.ScaleRight - g, s.ScaleBottom + 1); break;
    case 1: canvas->MoveTo(s.ScaleLeft + g, s.ScaleTop); canvas->LineTo(s.ScaleLeft + g, s.ScaleBottom + 1); break;
    case 2: canvas->MoveTo(s.ScaleLeft, s.ScaleBottom - g); canvas->LineTo(s.ScaleRight, s.ScaleBottom - g); break;
    default: canvas->MoveTo(s.ScaleLeft, s.ScaleTop + g); canvas->LineTo(s.ScaleRight + 1, s.ScaleTop + g); break;
  }
}

void TiPlotAxis::DrawTickMark(TCanvas* canvas, const TiPlotTickObject& tick) {
  const int length = tick.Kind == 0 ? MajorLength_ : MinorLength_;
  const TAxisEdge edge = EdgeOf(Side_, Scale_);
  int from, to;  // distances outward from the edge
  if (IsCartesian()) {
    from = -((length + 1) / 2 + 1);
    to = (length + 1) / 2;
  } else {
    from = InnerMargin_;
    to = InnerMargin_ + length;
  }
  const int a = edge.Position + edge.Outward * from, b = edge.Position + edge.Outward * to;
  if (IsVertical()) {
    canvas->MoveTo(a, tick.Pixel);
    canvas->LineTo(b, tick.Pixel);
    if (IsCartesian()) Occupy({std::min(a, b), tick.Pixel, std::max(a, b) + 1, tick.Pixel + 1});
  } else {
    canvas->MoveTo(tick.Pixel, a);
    canvas->LineTo(tick.Pixel, b);
    if (IsCartesian()) Occupy({tick.Pixel, std::min(a, b), tick.Pixel + 1, std::max(a, b) + 1});
  }
}

int TiPlotAxis::EdgeDistance(TCanvas* canvas) const {
  const int margin = static_cast<int>(Round(canvas->TextHeight("A") * LabelsMargin_));
  if (IsCartesian()) return margin + (MajorLength_ + 1) / 2;
  return InnerMargin_ + (ScaleLinesShow_ ? MajorLength_ : 0) + margin;
}

TRect TiPlotAxis::LabelBox(TCanvas* canvas, const TiPlotTickObject& tick) const {
  const TSize text = canvas->TextExtent(tick.Text);
  const bool across = !LabelsUpright();
  const int w = across ? text.cy : text.cx, h = across ? text.cx : text.cy;
  const TAxisEdge edge = EdgeOf(Side_, Scale_);
  const int near = edge.Position + edge.Outward * EdgeDistance(canvas);
  if (IsVertical()) {
    const int left = edge.Outward > 0 ? near : near - w;
    return {left, tick.Pixel - h / 2, left + w, tick.Pixel - h / 2 + h};
  }
  const int top = edge.Outward > 0 ? near : near - h;
  return {tick.Pixel - w / 2, top, tick.Pixel - w / 2 + w, top + h};
}

bool TiPlotAxis::CartesianLabelFits(const TRect& box) const {
  TiPlotAxisOwner* owner = AxisOwner();
  if (std::vector<TRect>* rects = owner ? owner->OccupiedRects() : nullptr)
    for (const TRect& r : *rects)
      if (Overlaps(box, r)) return false;
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  if (!master || !master->DataViewManager() || !master->DataViewManager()->HasItems()) return false;
  return Inside(box, master->DataViewManager()->DataView(0)->GetRect());
}

void TiPlotAxis::DrawLabel(TCanvas* canvas, const TiPlotTickObject& tick) {
  canvas->Font = LabelsFont_;
  canvas->Font.Orientation = 0;
  canvas->Brush.Style = bsClear;
  const TRect box = LabelBox(canvas, tick);
  if (IsCartesian()) {
    if (!CartesianLabelFits(box)) return;
    Occupy(box);
  }
  DrawTextCentred(canvas, box, tick.Text, QuarterTurns(LabelsRotation_));
}

void TiPlotAxis::DrawTitle(TCanvas* canvas) {
  if (!TitleShow_) return;
  const size_t first = Title_.find_first_not_of(' ');
  if (first == std::string::npos) return;
  canvas->Font = TitleFont_;
  canvas->Font.Orientation = 0;
  canvas->Brush.Style = bsClear;
  const TSize text = canvas->TextExtent(Title_);
  const TRect r = GetRect();
  if (IsHorizontal()) {
    const int thickness = TitleRotated_ ? text.cx : text.cy;
    const int top = Side_ == 2 ? r.Top + OuterMargin_ : r.Bottom - OuterMargin_ - thickness;
    DrawTextCentred(canvas, {Scale_.ScaleLeft, top, Scale_.ScaleRight, top + thickness}, Title_,
                    TitleRotated_ ? 1 : 0);
    return;
  }
  const int thickness = TitleRotated_ ? text.cx : text.cy;
  const int along = TitleRotated_ ? text.cy : text.cx;
  const int middle = (Scale_.ScaleTop + Scale_.ScaleBottom) / 2;
  const int left = Side_ == 0 ? r.Left + OuterMargin_ : r.Right - OuterMargin_ - thickness;
  DrawTextCentred(canvas, {left, middle - along / 2, left + thickness, middle - along / 2 + along}, Title_,
                  TitleRotated_ ? 0 : 1);
}

void TiPlotAxis::DrawGridLines(TCanvas* canvas, const TRect& rect, int minorWidth, int majorWidth,
                               TColor minorColor, TColor majorColor, TiPlotLineStyle minorStyle,
                               TiPlotLineStyle majorStyle, bool showMinors, bool showMajors) {
  if (!GridLinesVisible_ || !canvas) return;
  for (const TiPlotTickObject& tick : Ticks_) {
    if (!tick.Visible) continue;
    const bool major = tick.Kind == 0;
    if (major ? !showMajors : !showMinors) continue;
    canvas->Pen = TPen{major ? majorColor : minorColor, major ? majorWidth : minorWidth,
                       PenStyleOf(major ? majorStyle : minorStyle), pmCopy};
    if (IsHorizontal()) {
      canvas->MoveTo(tick.Pixel, rect.Top);
      canvas->LineTo(tick.Pixel, rect.Bottom);
    } else {
      canvas->MoveTo(rect.Left, tick.Pixel);
      canvas->LineTo(rect.Right, tick.Pixel);
    }
  }
}
