#include "editor/iLayoutDrag.h"

#include <algorithm>
#include <cmath>

#include "plot/dIredDataView.h"
#include "plot/dIredLayoutManager.h"
#include "plot/dIredObjects.h"

namespace {

constexpr int kGrip = 4;          // pixels of each end that move that end
constexpr double kMinimumWidth = 5;  // as the objects keep their ranges

// Pixels along the object's side, growing with the percentages (upward on
// a vertical side, where they count from the bottom).
int Along(bool horizontal, TPoint point) { return horizontal ? point.X : -point.Y; }

// The lane a drop at `at` (lane units) asks for: the middle of an object
// lane joins it, its edges and the data view's halves open a lane there.
TiLayoutMove LaneAt(const std::vector<TiLayoutPictureLane>& lanes, int at) {
  TiLayoutMove move;
  move.Lane = TiLayoutMove::Open;
  if (lanes.empty()) return move;
  if (at < lanes.front().Low) {
    move.ZOrder = lanes.front().ZOrder;
    return move;
  }
  for (const TiLayoutPictureLane& lane : lanes) {
    if (at >= lane.High) {
      move.ZOrder = lane.ZOrder + 1;  // past it, maybe in a gap after it
      continue;
    }
    if (at < lane.Low) break;
    const int edge = lane.DataView ? (lane.High - lane.Low) / 2 : (lane.High - lane.Low) / 4;
    if (at < lane.Low + edge) {
      move.ZOrder = lane.ZOrder;
    } else if (at >= lane.High - edge) {
      move.ZOrder = lane.ZOrder + 1;
    } else {
      move.Lane = TiLayoutMove::Join;
      move.ZOrder = lane.ZOrder;
    }
    break;
  }
  return move;
}

// Whether the object is the only one with its ZOrder in its orientation: its
// lane then closes when it leaves. The data-view entries hold lanes too.
bool AloneInLane(const TiPlotLayoutManager& manager, const TiPlotLayoutObject& object) {
  auto other = [&](const TiPlotObject* item) {
    auto* o = dynamic_cast<const TiPlotLayoutObject*>(item);
    return o && o != &object && o->Horizontal() == object.Horizontal() && o->ZOrder() == object.ZOrder();
  };
  for (const TiPlotObject* item : manager.Items())
    if (other(item) && !dynamic_cast<const TiPlotDataView*>(item)) return false;
  return !other(manager.DataViewHorz()) && !other(manager.DataViewVert());
}

// The ends are written in the order that never brings them closer than the
// objects allow, which would push the other end.
void SetRange(TiPlotLayoutObject& object, double start, double stop) {
  if (start >= object.StartPercent()) {
    object.SetStopPercent(stop);
    object.SetStartPercent(start);
  } else {
    object.SetStartPercent(start);
    object.SetStopPercent(stop);
  }
}

}  // namespace

TiLayoutDragPart DragPartAt(const TiLayoutPictureItem& item, TPoint point) {
  if (item.Cartesian || !item.Rect.Contains(point)) return ildpNone;
  const bool horizontal = item.Object->Horizontal();
  const TRect& r = item.Rect;
  const int low = horizontal ? r.Left : -r.Bottom + 1, high = horizontal ? r.Right : -r.Top + 1;
  const int grip = std::min(kGrip, (high - low) / 4);
  const int at = Along(horizontal, point);
  if (at < low + grip) return ildpStart;
  if (at >= high - grip) return ildpStop;
  return ildpBody;
}

TiLayoutMove ResolveDrag(const TiLayoutPicture& picture, const TiLayoutPictureItem& item, TiLayoutDragPart part,
                         TPoint from, TPoint to) {
  const TiPlotLayoutObject& object = *item.Object;
  const bool horizontal = object.Horizontal();
  const double start = object.StartPercent(), stop = object.StopPercent();
  TiLayoutMove move;
  move.StartPercent = start, move.StopPercent = stop;
  if (item.Cartesian || part == ildpNone) return move;
  const double delta =
      std::round((Along(horizontal, to) - Along(horizontal, from)) / std::max(item.PixelsPerPercent, 0.01));
  switch (part) {
    case ildpStart:
      move.StartPercent = std::clamp(start + delta, 0.0, std::max(0.0, stop - kMinimumWidth));
      break;
    case ildpStop:
      move.StopPercent = std::clamp(stop + delta, std::min(100.0, start + kMinimumWidth), 100.0);
      break;
    default: {
      const double shift = std::clamp(delta, -start, 100 - stop);
      move.StartPercent = start + shift, move.StopPercent = stop + shift;
      TiLayoutMove lane = LaneAt(picture.LanesOf(horizontal), LaneCoordinate(horizontal, to));
      if (!(lane.Lane == TiLayoutMove::Join && lane.ZOrder == object.ZOrder())) {
        move.Lane = lane.Lane;
        move.ZOrder = lane.ZOrder;
      }
    }
  }
  return move;
}

void ApplyMove(TiPlotLayoutManager& manager, TiPlotLayoutObject& object, const TiLayoutMove& move) {
  SetRange(object, move.StartPercent, move.StopPercent);
  if (move.Lane != TiLayoutMove::Stay) {
    const int was = object.ZOrder();
    int z = move.ZOrder;
    if (AloneInLane(manager, object)) {
      // Closing the lane it leaves brings every lane after it one nearer.
      manager.CompactZOrder(&object);
      if (z > was) --z;
    }
    manager.PlaceZOrder(&object, z, move.Lane == TiLayoutMove::Join ? 0 : 1);
  }
  manager.Rebuild();  // the side lists are sorted by the range too
}
