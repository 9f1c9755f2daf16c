#include "editor/iLayoutPicture.h"

#include <algorithm>

#include "plot/dIredAxis.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLayoutManager.h"
#include "plot/dIredLegend.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"
#include "plot/iLayoutAxisAccess.h"

namespace {

TiLayoutSlotKind KindOf(const TiPlotLayoutObject* object) {
  if (dynamic_cast<const TiPlotAxis*>(object)) return ilskAxis;
  if (dynamic_cast<const TiPlotToolBar*>(object)) return ilskToolBar;
  if (dynamic_cast<const TiPlotLegend*>(object)) return ilskLegend;
  if (dynamic_cast<const TiPlotTable*>(object)) return ilskTable;
  if (dynamic_cast<const TiPlotLabel*>(object)) return ilskLabel;
  return ilskOther;
}

bool IsCartesian(const TiPlotLayoutObject* object) {
  auto* axis = dynamic_cast<const TiPlotAxis*>(object);
  return axis && layout_axis::IsCartesian(*axis);
}

// Every listed object, hidden ones included, with one thickness for all.
struct Slots {
  std::vector<TiLayoutSlot> Slot;
  std::vector<TiPlotLayoutObject*> Owner;
  TiLayoutSides Sides;

  Slots(const TiPlotLayoutManager& manager, int thickness) {
    const size_t total = manager.TopList().size() + manager.BottomList().size() + manager.LeftList().size() +
                         manager.RightList().size();
    Slot.reserve(total);  // the sides point into it
    Copy(manager.TopList(), Sides.Top, thickness);
    Copy(manager.BottomList(), Sides.Bottom, thickness);
    Copy(manager.LeftList(), Sides.Left, thickness);
    Copy(manager.RightList(), Sides.Right, thickness);
  }

  void Copy(const TiPlotLayoutManager::SideList& from, std::vector<TiLayoutSlot*>& to, int thickness) {
    for (TiPlotLayoutObject* object : from) {
      TiLayoutSlot& s = Slot.emplace_back();
      s.Kind = KindOf(object);
      s.Horizontal = object->Horizontal();
      s.Cartesian = IsCartesian(object);
      s.ForceStacking = object->ForceStacking();
      s.ZOrder = object->ZOrder();
      s.StartPercent = object->StartPercent();
      s.StopPercent = object->StopPercent();
      s.Thickness = thickness;
      Owner.push_back(object);
      to.push_back(&s);
    }
  }
};

double PixelsPerPercent(const TiLayoutSlot& slot, const TRect& view, int width) {
  if (!slot.Horizontal) return view.Height() / 100.0;
  if (slot.Kind == ilskToolBar || slot.Kind == ilskLabel) return width / 100.0;
  return view.Width() / 100.0;
}

// Cartesian axes cross the data view's middle; a vertical toolbar, which the
// pass leaves where it was, runs along the data view.
TRect PlaceOffLane(const TiLayoutSlot& slot, const TRect& view, int thickness) {
  TRect r = slot.Rect;
  const int half = thickness / 4;
  if (slot.Cartesian && slot.Horizontal) {
    const int y = (view.Top + view.Bottom) / 2;
    r = Rect(view.Left, y - half, view.Right, y + half);
  } else if (slot.Cartesian) {
    const int x = (view.Left + view.Right) / 2;
    r = Rect(x - half, view.Top, x + half, view.Bottom);
  } else if (!slot.Horizontal && slot.Kind == ilskToolBar) {
    r.Top = view.Top, r.Bottom = view.Bottom;
  }
  return r;
}

void AddLane(std::vector<TiLayoutPictureLane>& lanes, const TiLayoutPictureLane& lane) {
  auto same = std::find_if(lanes.begin(), lanes.end(), [&](const TiLayoutPictureLane& l) {
    return l.ZOrder == lane.ZOrder && l.DataView == lane.DataView;
  });
  if (same == lanes.end()) lanes.push_back(lane);
}

// A toolbar on top is pinned to the edge rather than drawn in its lane: its
// lane is known from a neighbour when it has one.
void CollectLanes(TiLayoutPicture& picture, const Slots& slots) {
  for (bool toolBars : {false, true}) {
    for (const TiLayoutSlot& s : slots.Slot) {
      if (s.Cartesian || (s.Kind == ilskToolBar) != toolBars) continue;
      const TPoint low = s.Horizontal ? TPoint{0, s.Rect.Bottom} : TPoint{s.Rect.Left, 0};
      const TPoint high = s.Horizontal ? TPoint{0, s.Rect.Top} : TPoint{s.Rect.Right, 0};
      AddLane(s.Horizontal ? picture.HorizontalLanes : picture.VerticalLanes,
              {s.ZOrder, LaneCoordinate(s.Horizontal, low), LaneCoordinate(s.Horizontal, high), false});
    }
  }
}

void AddDataViewLanes(TiLayoutPicture& picture, const TiPlotLayoutManager& manager) {
  const TRect& v = picture.DataView;
  picture.HorizontalLanes.push_back(
      {manager.DataViewHorz()->ZOrder(), LaneCoordinate(true, {0, v.Bottom}), LaneCoordinate(true, {0, v.Top}), true});
  picture.VerticalLanes.push_back({manager.DataViewVert()->ZOrder(), v.Left, v.Right, true});
  // An object sharing the entry's number lies before the data view.
  for (auto* lanes : {&picture.HorizontalLanes, &picture.VerticalLanes})
    std::stable_sort(lanes->begin(), lanes->end(), [](const TiLayoutPictureLane& a, const TiLayoutPictureLane& b) {
      return a.ZOrder != b.ZOrder ? a.ZOrder < b.ZOrder : !a.DataView && b.DataView;
    });
}

}  // namespace

int LaneCoordinate(bool horizontal, TPoint point) { return horizontal ? -point.Y : point.X; }

const TiLayoutPictureItem* TiLayoutPicture::ItemAt(TPoint point) const {
  for (auto it = Items.rbegin(); it != Items.rend(); ++it)
    if (it->Rect.Contains(point)) return &*it;
  return nullptr;
}

const TiLayoutPictureItem* TiLayoutPicture::ItemOf(const TiPlotLayoutObject* object) const {
  for (const TiLayoutPictureItem& item : Items)
    if (item.Object == object) return &item;
  return nullptr;
}

TiLayoutPicture LayoutPicture(const TiPlotLayoutManager& manager, int width, int height, int laneThickness) {
  Slots slots(manager, laneThickness);
  TiLayoutFrame frame;
  frame.Width = width;
  frame.Height = height;
  TiLayoutPicture picture;
  picture.DataView = LayoutLanes(frame, slots.Sides);
  for (size_t i = 0; i < slots.Slot.size(); ++i) {
    const TiLayoutSlot& s = slots.Slot[i];
    picture.Items.push_back({slots.Owner[i], PlaceOffLane(s, picture.DataView, laneThickness), s.Cartesian,
                             PixelsPerPercent(s, picture.DataView, width)});
  }
  CollectLanes(picture, slots);
  AddDataViewLanes(picture, manager);
  return picture;
}
