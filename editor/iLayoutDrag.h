// What dragging an object in the layout viewer changes, and changing it.
//
// The rules: an object's box has a grip at each end along its side; dragging
// a grip moves that end (StartPercent or StopPercent). Dragging the box moves
// the whole range along the side, keeping its width, and across the lanes of
// its orientation: dropped in the middle of another lane it joins that lane,
// dropped near a lane's edge or on the data view it gets a lane of its own
// there. Axes keep their orientation; nothing but ZOrder, StartPercent and
// StopPercent is changed, and ZOrder only through the layout manager, which
// keeps every other lane number consistent.
//
// Percentages move in whole steps and keep the 5 apart that the objects
// keep themselves.
#pragma once
#include "editor/iLayoutPicture.h"

enum TiLayoutDragPart : uint8_t { ildpNone, ildpBody, ildpStart, ildpStop };

// Which part of the item a press at `point` takes hold of.
TiLayoutDragPart DragPartAt(const TiLayoutPictureItem& item, TPoint point);

struct TiLayoutMove {
  double StartPercent = 0, StopPercent = 100;
  enum TLane : uint8_t { Stay, Join, Open } Lane = Stay;
  // Join: the lane's ZOrder. Open: the ZOrder the new lane takes; the lanes
  // from there on move one further out.
  int ZOrder = 0;
};

// The change a drag of `part` from `from` to `to` asks of `item`.
TiLayoutMove ResolveDrag(const TiLayoutPicture& picture, const TiLayoutPictureItem& item, TiLayoutDragPart part,
                         TPoint from, TPoint to);

// Applies `move` to the object through its layout manager.
void ApplyMove(TiPlotLayoutManager& manager, TiPlotLayoutObject& object, const TiLayoutMove& move);
