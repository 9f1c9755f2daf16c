#include "plot/iLayoutLanes.h"

#include <algorithm>
#include <set>

#include "platform/Rounding.h"

namespace {

using Side = std::vector<TiLayoutSlot*>;

int LaneThickness(const Side& side, int zOrder) {
  int thickness = 0;
  for (const TiLayoutSlot* slot : side)
    if (!slot->Cartesian && slot->ZOrder == zOrder) thickness = std::max(thickness, slot->Thickness);
  return thickness;
}

struct Overhangs {
  int Above = 0, Below = 0, Right = 0, Left = 0;  // VT, VB, HR, HL
};

// An object at the open end of its lane (no neighbour after or before it)
// may reach past the data view's corner by its overhang.
void GrowOverhangs(const Side& side, int& after, int& before) {
  for (const TiLayoutSlot* slot : side) {
    if (slot->Cartesian) continue;
    if (!slot->StackedAfter) after = std::max(after, slot->EndOverhang);
    if (!slot->StackedBefore) before = std::max(before, slot->EndOverhang);
  }
}

Overhangs MeasureOverhangs(const TiLayoutSides& sides) {
  Overhangs o;
  GrowOverhangs(sides.Left, o.Above, o.Below);
  GrowOverhangs(sides.Right, o.Above, o.Below);
  GrowOverhangs(sides.Top, o.Right, o.Left);
  GrowOverhangs(sides.Bottom, o.Right, o.Left);
  return o;
}

// Walks the lanes of a side outward from the data view. `place` receives each
// object, the lane's inner edge and its thickness; `before` may move the edge
// (the top side's title shift) and is asked first for every object.
template <class It, class Place, class Before>
void WalkLanes(It first, It last, int edge, int direction, const Side& side, Place place, Before before) {
  bool haveLane = false;
  int laneZ = 0, laneEdge = edge, thickness = 0;
  for (It it = first; it != last; ++it) {
    TiLayoutSlot* slot = *it;
    if (slot->Cartesian) continue;
    if (!haveLane || slot->ZOrder != laneZ) {
      if (haveLane) edge += direction * thickness;
      haveLane = true;
      laneZ = slot->ZOrder;
      thickness = LaneThickness(side, laneZ);
      laneEdge = edge;
    }
    int shift = before(slot);
    laneEdge += direction * shift;
    edge += direction * shift;
    place(slot, laneEdge, thickness);
  }
}

auto NoShift = [](const TiLayoutSlot*) { return 0; };

void PlaceLanes(const TiLayoutFrame& frame, TiLayoutSides& sides, const TRect& view, int t0) {
  WalkLanes(sides.Left.rbegin(), sides.Left.rend(), view.Left, -1, sides.Left,
            [](TiLayoutSlot* s, int edge, int t) { s->Rect.Right = edge, s->Rect.Left = edge - t; }, NoShift);
  WalkLanes(sides.Right.begin(), sides.Right.end(), view.Right, +1, sides.Right,
            [](TiLayoutSlot* s, int edge, int t) { s->Rect.Left = edge, s->Rect.Right = edge + t; }, NoShift);
  WalkLanes(sides.Bottom.rbegin(), sides.Bottom.rend(), view.Bottom, +1, sides.Bottom,
            [](TiLayoutSlot* s, int edge, int t) { s->Rect.Top = edge, s->Rect.Bottom = edge + t; }, NoShift);
  bool shifted = false;
  const int d = frame.Border;
  WalkLanes(
      sides.Top.begin(), sides.Top.end(), view.Top, -1, sides.Top,
      [d](TiLayoutSlot* s, int edge, int t) {
        // A toolbar on top stays at the control's edge, whatever lies between.
        if (s->Kind == ilskToolBar) {
          s->Rect.Top = d, s->Rect.Bottom = d + s->Thickness;
        } else {
          s->Rect.Bottom = edge, s->Rect.Top = edge - t;
        }
      },
      [&shifted, t0](const TiLayoutSlot* s) {
        if (shifted || s->Kind == ilskAxis) return 0;
        shifted = true;
        return t0;
      });
}

int Percent(int length, double percent) { return static_cast<int>(Round(length * percent / 100)); }

void PlaceAlongSide(const TiLayoutFrame& frame, TiLayoutSlot& s, const TRect& view) {
  const int d = frame.Border;
  if (s.Horizontal) {
    if (s.Kind == ilskToolBar) {
      const int w = frame.Width - 2 * d;
      s.Rect.Left = d + static_cast<int>(Round(s.StartPercent / 100 * w));
      s.Rect.Right = d + static_cast<int>(Round(s.StopPercent / 100 * w)) - 1;
    } else if (s.Kind == ilskLabel) {
      const int w = frame.Width - d - frame.OuterMarginLeft - frame.OuterMarginRight;
      s.Rect.Left = static_cast<int>(Round(s.StartPercent / 100 * w)) + d + frame.OuterMarginLeft;
      s.Rect.Right = static_cast<int>(Round(s.StopPercent / 100 * w)) + d + frame.OuterMarginLeft;
    } else {
      const int w = view.Right - view.Left;
      s.Rect.Left = view.Left + Percent(w, s.StartPercent);
      s.Rect.Right = view.Left + Percent(w, s.StopPercent);
    }
  } else if (s.Kind != ilskToolBar) {
    // Along a vertical side percentages count from the bottom.
    const int h = view.Bottom - view.Top;
    s.Rect.Top = view.Bottom - Percent(h, s.StopPercent);
    s.Rect.Bottom = view.Bottom - Percent(h, s.StartPercent);
  }
}

}  // namespace

void SetStackingFlags(const Side& side) {
  for (TiLayoutSlot* slot : side) slot->StackedBefore = slot->StackedAfter = false;
  TiLayoutSlot* previous = nullptr;
  for (TiLayoutSlot* slot : side) {
    if (slot->Cartesian) continue;
    if (slot->ForceStacking) slot->StackedBefore = slot->StackedAfter = true;
    if (previous && previous->ZOrder == slot->ZOrder) {
      slot->StackedBefore = true;
      previous->StackedAfter = true;
    }
    previous = slot;
  }
}

int SideThickness(const Side& side) {
  std::set<int> lanes;
  for (const TiLayoutSlot* slot : side)
    if (!slot->Cartesian) lanes.insert(slot->ZOrder);
  int total = 0;
  for (int z : lanes) total += LaneThickness(side, z);
  return total;
}

TRect LayoutLanes(const TiLayoutFrame& frame, TiLayoutSides& sides) {
  for (Side* side : {&sides.Top, &sides.Bottom, &sides.Left, &sides.Right}) SetStackingFlags(*side);
  const Overhangs o = MeasureOverhangs(sides);
  const int d = frame.Border;
  const bool onlyToolBarOnTop = sides.Top.size() == 1 && sides.Top[0]->Kind == ilskToolBar;
  const int t0 = onlyToolBarOnTop ? o.Above : 0;

  TRect view;
  view.Left = frame.OuterMarginLeft + d + std::max(SideThickness(sides.Left), o.Left);
  view.Right = frame.Width - (d + std::max(SideThickness(sides.Right), o.Right) + frame.OuterMarginRight + 1);
  view.Bottom =
      frame.Height - (d + std::max(SideThickness(sides.Bottom), o.Below) + frame.OuterMarginBottom + 1);
  view.Top = d + std::max(SideThickness(sides.Top), o.Above) + frame.OuterMarginTop + t0;

  PlaceLanes(frame, sides, view, t0);
  for (Side* side : {&sides.Top, &sides.Bottom, &sides.Left, &sides.Right})
    for (TiLayoutSlot* slot : *side)
      if (!slot->Cartesian) PlaceAlongSide(frame, *slot, view);
  return view;
}
