// The layout viewer's picture of a chart: the data view in the middle and
// every layout object in its lane, at the place the chart's own layout pass
// would give it, only with every lane equally thick so that an object that
// measures nothing yet (an empty label, a hidden legend) still has a box to
// point at. Hidden objects are drawn too: the viewer is where they are shown
// again.
//
// Qt-free, so that the geometry and the drag rules can be tested without a
// window.
#pragma once
#include <vector>

#include "platform/Types.h"

class TiPlotLayoutManager;
class TiPlotLayoutObject;

struct TiLayoutPictureItem {
  TiPlotLayoutObject* Object = nullptr;
  TRect Rect;
  bool Cartesian = false;  // inside the data view, on no lane: not dragged
  // Pixels of the viewer that make one percent along the object's side: the
  // width or height its StartPercent .. StopPercent are a share of.
  double PixelsPerPercent = 1;
};

// One lane of one orientation, with its extent across the lanes. `Low` and
// `High` are in "lane units": along increasing ZOrder (upward for
// horizontal lanes, rightward for vertical ones), so that lanes below and
// above the data view compare alike.
struct TiLayoutPictureLane {
  int ZOrder = 0;
  int Low = 0, High = 0;
  bool DataView = false;
};

struct TiLayoutPicture {
  TRect DataView;
  std::vector<TiLayoutPictureItem> Items;  // in drawing order
  std::vector<TiLayoutPictureLane> HorizontalLanes, VerticalLanes;  // by ZOrder

  // The topmost item under `point`, or null.
  const TiLayoutPictureItem* ItemAt(TPoint point) const;
  const TiLayoutPictureItem* ItemOf(const TiPlotLayoutObject* object) const;
  const std::vector<TiLayoutPictureLane>& LanesOf(bool horizontal) const {
    return horizontal ? HorizontalLanes : VerticalLanes;
  }
};

// A point across the lanes of an orientation, in lane units.
int LaneCoordinate(bool horizontal, TPoint point);

// The picture of `manager`'s lanes in a viewer of width × height pixels,
// each lane `laneThickness` pixels thick.
TiLayoutPicture LayoutPicture(const TiPlotLayoutManager& manager, int width, int height, int laneThickness);
