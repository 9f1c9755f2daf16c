// The geometric heart of the layout pass: four sides of lanes around the data
// view turned into pixel rectangles. It knows nothing of plot objects; the
// layout manager describes each visible object as a TiLayoutSlot (what it
// measured, where it wants to lie) and reads back Rect and the stacking flags.
//
// A side list is in the layout manager's sort order (ZOrder, then start
// percent), so the objects of one lane are neighbours in it. Lanes of the left
// and bottom sides are numbered upward toward the data view, those of the top
// and right sides upward away from it.
//
// Cartesian axes sit inside the data view: they take no lane, add no
// thickness or overhang and keep their Rect untouched here.
#pragma once
#include <vector>

#include "platform/Types.h"

enum TiLayoutSlotKind : uint8_t { ilskAxis, ilskToolBar, ilskLegend, ilskTable, ilskLabel, ilskOther };

struct TiLayoutSlot {
  // Described by the caller.
  TiLayoutSlotKind Kind = ilskOther;
  bool Horizontal = true;
  bool Cartesian = false;
  bool ForceStacking = false;
  int ZOrder = 0;
  double StartPercent = 0;
  double StopPercent = 100;
  int Thickness = 0;    // GetRequiredThickness
  int EndOverhang = 0;  // GetEndOverhang
  // Written by LayoutLanes. Rect keeps its old value along a side the pass
  // does not place (a vertical toolbar).
  TRect Rect;
  bool StackedBefore = false;
  bool StackedAfter = false;
};

struct TiLayoutSides {
  std::vector<TiLayoutSlot*> Top, Bottom, Left, Right;
};

// The control as the pass sees it.
struct TiLayoutFrame {
  int Width = 0;
  int Height = 0;
  int OuterMarginLeft = 0, OuterMarginTop = 0, OuterMarginRight = 0, OuterMarginBottom = 0;
  int Border = 0;  // D: 2 with a bevel border, else 0
};

// Sets the stacking flags, lane rectangles and along-side extents of every
// non-cartesian slot and returns the data view rectangle they surround.
TRect LayoutLanes(const TiLayoutFrame& frame, TiLayoutSides& sides);

// Pieces of the pass, exposed for the layout manager and for tests.
void SetStackingFlags(const std::vector<TiLayoutSlot*>& side);
int SideThickness(const std::vector<TiLayoutSlot*>& side);
