// The plot's paint routine: layout, background, the sorted draw list inside
// data view 0, the frame objects and the hint box, in that order.
#include <algorithm>

#include "platform/Canvas.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredComponent.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredLimit.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"
#include "plot/iLayoutAxisAccess.h"

namespace {

template <class M, class F>
void ForEach(M* manager, F&& action) {
  if (!manager) return;
  for (TiPlotObject* object : std::vector<TiPlotObject*>(manager->Items())) action(*object);
}

// The gradient's shape and end points for each fill direction.
void FillGradient(TCanvas& canvas, const TRect& r, TColor from, TColor to, TiFillDirection direction) {
  const TPoint tl{r.Left, r.Top}, tr{r.Right, r.Top}, bl{r.Left, r.Bottom}, br{r.Right, r.Bottom};
  const TPoint centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  const int radius = std::max(r.Right - r.Left, r.Bottom - r.Top) / 2;
  switch (direction) {
    case ifdTopBottom: return canvas.GradientFill(r, from, to, gkLinear, tl, bl);
    case ifdBottomTop: return canvas.GradientFill(r, from, to, gkLinear, bl, tl);
    case ifdLeftRight: return canvas.GradientFill(r, from, to, gkLinear, tl, tr);
    case ifdRightLeft: return canvas.GradientFill(r, from, to, gkLinear, tr, tl);
    case ifdTopLeftBottomRight: return canvas.GradientFill(r, from, to, gkLinear, tl, br);
    case ifdBottomRightTopLeft: return canvas.GradientFill(r, from, to, gkLinear, br, tl);
    case ifdBottomLeftTopRight: return canvas.GradientFill(r, from, to, gkLinear, bl, tr);
    case ifdTopRightBottomLeft: return canvas.GradientFill(r, from, to, gkLinear, tr, bl);
    case ifdRectangleOut: return canvas.GradientFill(r, from, to, gkRectangular);
    case ifdRectangleIn: return canvas.GradientFill(r, to, from, gkRectangular);
    case ifdCircleOut: return canvas.GradientFill(r, from, to, gkRadial, centre, {}, radius);
    case ifdCircleIn: return canvas.GradientFill(r, to, from, gkRadial, centre, {}, radius);
  }
}

// A visible cursor on "<All>" channels that lists them all in the legend.
template <class C>
bool ShowsAllInLegend(C& cursor) {
  if constexpr (requires { cursor.ChannelShowAllInLegend(); })
    return cursor.Visible() && SameText(cursor.ChannelName(), "<All>") && cursor.ChannelShowAllInLegend();
  else
    return false;
}

template <class C>
void RecomputeCursor(C& cursor) {
  if constexpr (requires { cursor.UpdateState(); }) cursor.UpdateState();
}

bool DrawsFilledBand(TiPlotObject& limit) { return static_cast<TiPlotLimit&>(limit).IsFilled(); }

}  // namespace

void TiPlotComponent::PaintTo(TCanvas& canvas) {
  if (ToolBarCount() == 0 || LegendCount() == 0 || DataViewCount() == 0) return;
  TiPlotDataView* view = DataView(0);
  Occupied_.clear();
  DrawList_.clear();
  Legend(0)->SetShowAllCursorChannels(false);
  ForEach(Master_->DataCursorManager(), [&](TiPlotObject& o) {
    auto& cursor = static_cast<TiPlotDataCursor&>(o);
    RecomputeCursor(cursor);
    if (ShowsAllInLegend(cursor)) Legend(0)->SetShowAllCursorChannels(true);
  });
  Layout(canvas, view);
  ForEach(Master_->DataCursorManager(), [](TiPlotObject& o) { RecomputeCursor(static_cast<TiPlotDataCursor&>(o)); });
  ForEach(Master_->ChannelManager(), [](TiPlotObject& o) { o.PrepareDraw(); });
  ForEach(Master_->XAxisManager(), [](TiPlotObject& o) { o.PrepareDraw(); });
  ForEach(Master_->YAxisManager(), [](TiPlotObject& o) { o.PrepareDraw(); });
  ForEach(Master_->AnnotationManager(), [&](TiPlotObject& o) {
    static_cast<TiPlotAnnotation&>(o).SetDataView(view);
    o.SetXYAxesReverse(XYAxesReverse());
  });
  ForEach(Master_->DataCursorManager(), [&](TiPlotObject& o) {
    auto& cursor = static_cast<TiPlotDataCursor&>(o);
    cursor.SetDataView(view);
    cursor.SetXYChart(!ScrollingXAxes());
    cursor.SetXYAxesReverse(XYAxesReverse());
  });
  PaintBackground(canvas);
  view->DrawBackground(&canvas);
  BuildDrawList(view);
  DrawListEntries(canvas, view);
  DrawFrameObjects(canvas);
  DrawHint(canvas);
}

// Label widths and lane thicknesses depend on each other: ticks, two layout
// passes, ticks again.
void TiPlotComponent::Layout(TCanvas& canvas, TiPlotDataView* view) {
  auto ticks = [&] {
    ForEach(Master_->XAxisManager(), [&](TiPlotObject& o) { layout_axis::GenerateTicks(static_cast<TiPlotAxis&>(o), &canvas); });
    ForEach(Master_->YAxisManager(), [&](TiPlotObject& o) { layout_axis::GenerateTicks(static_cast<TiPlotAxis&>(o), &canvas); });
  };
  const int border = BorderStyle() == ibsNone ? 0 : 2;
  const TiLayoutFrame frame{Width(), Height(), OuterMargins_[0], OuterMargins_[1], OuterMargins_[2],
                            OuterMargins_[3], border};
  ticks();
  LayoutManager()->LayoutPass(&canvas, frame, view);
  LayoutManager()->LayoutPass(&canvas, frame, view);
  ticks();
}

void TiPlotComponent::PaintBackground(TCanvas& canvas) {
  if (GradientEnabled_) {
    FillGradient(canvas, ClientRect(), GradientStart_, GradientStop_, GradientDirection_);
    BackGroundDrawn();
  } else {
    DrawBackGround(canvas, BackGroundColor());
  }
}

// Later entries of one key go in front of the earlier ones.
void TiPlotComponent::AddToDrawList(TiPlotObject* object, char kind) {
  std::string key = object->LayerKey() + kind;
  auto at = std::lower_bound(DrawList_.begin(), DrawList_.end(), key,
                             [](const auto& entry, const std::string& k) { return entry.first < k; });
  DrawList_.insert(at, {std::move(key), object});
}

void TiPlotComponent::BuildDrawList(TiPlotDataView* view) {
  ForEach(Master_->LimitManager(), [&](TiPlotObject& o) {
    if (DrawsFilledBand(o)) AddToDrawList(&o, 'A');
  });
  AddToDrawList(view, 'B');
  ForEach(Master_->LimitManager(), [&](TiPlotObject& o) {
    if (!DrawsFilledBand(o)) AddToDrawList(&o, 'C');
  });
  ForEach(Master_->YAxisManager(), [&](TiPlotObject& o) {
    if (layout_axis::IsCartesian(static_cast<TiPlotAxis&>(o))) AddToDrawList(&o, 'D');
  });
  ForEach(Master_->XAxisManager(), [&](TiPlotObject& o) {
    if (layout_axis::IsCartesian(static_cast<TiPlotAxis&>(o))) AddToDrawList(&o, 'E');
  });
  ForEach(Master_->ChannelManager(), [&](TiPlotObject& o) {
    if (o.Ready()) AddToDrawList(&o, 'F');
  });
  ForEach(Master_->AnnotationManager(), [&](TiPlotObject& o) { AddToDrawList(&o, 'G'); });
}

// Everything in the list draws clipped to the data view, one pixel wider to
// the right and bottom for the border.
void TiPlotComponent::DrawListEntries(TCanvas& canvas, TiPlotDataView* view) {
  const TRect r = view->GetRect();
  const TRect clip = Rect(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
  for (const auto& [key, object] : DrawList_) {
    canvas.SetClipRect(clip);
    try {
      object->Draw(&canvas, BackGroundColor());
    } catch (...) {
      canvas.RemoveClip();
      throw;
    }
    canvas.RemoveClip();
  }
}

void TiPlotComponent::DrawFrameObjects(TCanvas& canvas) {
  const TColor background = BackGroundColor();
  canvas.Brush.Color = background;
  DrawBorder(canvas);
  auto frameAxis = [&](TiPlotObject& o) {
    if (!layout_axis::IsCartesian(static_cast<TiPlotAxis&>(o))) o.Draw(&canvas, background);
  };
  ForEach(Master_->XAxisManager(), frameAxis);
  ForEach(Master_->YAxisManager(), frameAxis);
  auto draw = [&](TiPlotObject& o) { o.Draw(&canvas, background); };
  ForEach(Master_->LabelManager(), draw);
  ForEach(Master_->ToolBarManager(), draw);
  ForEach(Master_->DataCursorManager(), draw);
  ForEach(Master_->LegendManager(), draw);
  ForEach(Master_->TableManager(), draw);
}

void TiPlotComponent::DrawHint(TCanvas& canvas) {
  HintDrawn_ = HintShowing_;
  if (!HintShowing_) return;
  canvas.Font = HintsFont_;
  canvas.Font.Color = clInfoText;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = clInfoBk;
  const TSize size = canvas.TextExtent(Hint_.Text);
  const TRect box = Bounds(Hint_.X, Hint_.Y, size.cx + 4, size.cy + 4);
  canvas.TextRect(box, Hint_.X + 2, Hint_.Y + 2, Hint_.Text);
}
