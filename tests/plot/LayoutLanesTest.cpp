#include <gtest/gtest.h>

#include "plot/iLayoutLanes.h"

namespace {

TiLayoutSlot Slot(TiLayoutSlotKind kind, bool horizontal, int zOrder, int thickness, int overhang = 0) {
  TiLayoutSlot s;
  s.Kind = kind;
  s.Horizontal = horizontal;
  s.ZOrder = zOrder;
  s.Thickness = thickness;
  s.EndOverhang = overhang;
  return s;
}

TiLayoutFrame Frame(int width, int height, int border = 2, int margin = 5) {
  return {width, height, margin, margin, margin, margin, border};
}

// The main window's chart: toolbar 3 and title 2 above, legend 2 to the
// right, one x axis below and one y axis left, data view entries in lane 1.
struct MainChart {
  TiLayoutSlot toolBar = Slot(ilskToolBar, true, 3, 30);
  TiLayoutSlot title = Slot(ilskLabel, true, 2, 24);
  TiLayoutSlot legend = Slot(ilskLegend, false, 2, 100);
  TiLayoutSlot xAxis = Slot(ilskAxis, true, 0, 40, 10);
  TiLayoutSlot yAxis = Slot(ilskAxis, false, 0, 50, 8);
  TiLayoutSides Sides() { return {{&title, &toolBar}, {&xAxis}, {&yAxis}, {&legend}}; }
};

TEST(LayoutLanes, MainWindowChartAt786x600) {
  MainChart c;
  TiLayoutSides sides = c.Sides();
  const TRect view = LayoutLanes(Frame(786, 600), sides);
  // left: margin + border + y axis; top: border + title + toolbar + margin
  EXPECT_EQ(view, Rect(57, 61, 678, 552));
  EXPECT_EQ(c.yAxis.Rect, Rect(7, 61, 57, 552));
  EXPECT_EQ(c.xAxis.Rect, Rect(57, 552, 678, 592));
  EXPECT_EQ(c.legend.Rect, Rect(678, 61, 778, 552));
  EXPECT_EQ(c.title.Rect, Rect(7, 37, 781, 61));
  // The toolbar is pinned to the control's top, across the full width.
  EXPECT_EQ(c.toolBar.Rect, Rect(2, 2, 783, 32));
}

TEST(LayoutLanes, MainWindowChartAt300x200KeepsLaneThicknesses) {
  MainChart c;
  TiLayoutSides sides = c.Sides();
  const TRect view = LayoutLanes(Frame(300, 200), sides);
  EXPECT_EQ(view, Rect(57, 61, 192, 152));
  EXPECT_EQ(c.xAxis.Rect, Rect(57, 152, 192, 192));
  EXPECT_EQ(c.legend.Rect, Rect(192, 61, 292, 152));
  EXPECT_EQ(c.title.Rect, Rect(7, 37, 295, 61));
  EXPECT_EQ(c.toolBar.Rect, Rect(2, 2, 297, 32));
}

TEST(LayoutLanes, EmptySidesLeaveOnlyMarginsAndBorder) {
  TiLayoutSides sides;
  EXPECT_EQ(LayoutLanes(Frame(100, 80), sides), Rect(7, 7, 92, 72));
  EXPECT_EQ(LayoutLanes(Frame(100, 80, 0, 0), sides), Rect(0, 0, 99, 79));
}

TEST(LayoutLanes, StackedAxesInOneLaneShareItAndFlagTheirInnerEnds) {
  TiLayoutSlot lower = Slot(ilskAxis, false, 0, 50, 8);
  lower.StopPercent = 50;
  TiLayoutSlot upper = Slot(ilskAxis, false, 0, 60, 8);
  upper.StartPercent = 50;
  TiLayoutSides sides{{}, {}, {&lower, &upper}, {}};
  const TRect view = LayoutLanes(Frame(400, 300, 0, 0), sides);
  EXPECT_TRUE(lower.StackedAfter);
  EXPECT_FALSE(lower.StackedBefore);
  EXPECT_TRUE(upper.StackedBefore);
  EXPECT_FALSE(upper.StackedAfter);
  // The lane is as thick as its thickest member.
  EXPECT_EQ(view.Left, 60);
  // Only the open ends need room: 8 above and 8 below.
  EXPECT_EQ(view.Top, 8);
  EXPECT_EQ(view.Bottom, 300 - 8 - 1);
  // Half of 283 rounds to the even 142.
  EXPECT_EQ(lower.Rect, Rect(0, 149, 60, 291));
  EXPECT_EQ(upper.Rect, Rect(0, 8, 60, 149));
}

TEST(LayoutLanes, ForcedStackingDropsBothOverhangs) {
  TiLayoutSlot axis = Slot(ilskAxis, false, 0, 50, 12);
  axis.ForceStacking = true;
  TiLayoutSides sides{{}, {}, {&axis}, {}};
  const TRect view = LayoutLanes(Frame(200, 100, 0, 0), sides);
  EXPECT_TRUE(axis.StackedBefore && axis.StackedAfter);
  EXPECT_EQ(view.Top, 0);
  EXPECT_EQ(view.Bottom, 99);
}

TEST(LayoutLanes, FlagsAreClearedBeforeEachPass) {
  TiLayoutSlot a = Slot(ilskAxis, false, 0, 10), b = Slot(ilskAxis, false, 0, 10);
  TiLayoutSides sides{{}, {}, {&a, &b}, {}};
  LayoutLanes(Frame(200, 100), sides);
  b.ZOrder = 1;  // moved to a lane of its own
  LayoutLanes(Frame(200, 100), sides);
  EXPECT_FALSE(a.StackedAfter);
  EXPECT_FALSE(b.StackedBefore);
}

TEST(LayoutLanes, LanesStackOutwardInListOrder) {
  // Bottom: lane 0 is outermost; left: lane 0 is outermost too.
  TiLayoutSlot outerX = Slot(ilskAxis, true, 0, 30), innerX = Slot(ilskAxis, true, 1, 20);
  TiLayoutSlot outerY = Slot(ilskAxis, false, 0, 25), innerY = Slot(ilskAxis, false, 1, 35);
  // Top: higher lanes lie further up; right: further right.
  TiLayoutSlot nearT = Slot(ilskLabel, true, 3, 10), farT = Slot(ilskLegend, true, 4, 15);
  TiLayoutSlot nearR = Slot(ilskLegend, false, 3, 40), farR = Slot(ilskTable, false, 5, 45);
  TiLayoutSides sides{{&nearT, &farT}, {&outerX, &innerX}, {&outerY, &innerY}, {&nearR, &farR}};
  const TRect view = LayoutLanes(Frame(500, 400, 0, 0), sides);
  EXPECT_EQ(view, Rect(60, 25, 500 - 85 - 1, 400 - 50 - 1));
  EXPECT_EQ(innerX.Rect.Top, view.Bottom);
  EXPECT_EQ(outerX.Rect.Top, view.Bottom + 20);
  EXPECT_EQ(outerX.Rect.Bottom, view.Bottom + 50);
  EXPECT_EQ(innerY.Rect.Right, view.Left);
  EXPECT_EQ(outerY.Rect.Left, 0);
  EXPECT_EQ(nearT.Rect.Bottom, view.Top);
  EXPECT_EQ(farT.Rect.Top, 0);
  EXPECT_EQ(nearR.Rect.Left, view.Right);
  EXPECT_EQ(farR.Rect.Right, view.Right + 85);
}

TEST(LayoutLanes, LoneToolBarOnTopMakesRoomForTheSideOverhangTwice) {
  TiLayoutSlot toolBar = Slot(ilskToolBar, true, 2, 20);
  TiLayoutSlot yAxis = Slot(ilskAxis, false, 0, 50, 7);
  TiLayoutSides sides{{&toolBar}, {}, {&yAxis}, {}};
  const TRect view = LayoutLanes(Frame(300, 200, 2, 5), sides);
  EXPECT_EQ(view.Top, 2 + 20 + 5 + 7);
  EXPECT_EQ(toolBar.Rect.Top, 2);
  EXPECT_EQ(toolBar.Rect.Bottom, 22);
}

TEST(LayoutLanes, PercentRangesSplitASideAlongTheDataView) {
  TiLayoutSlot left = Slot(ilskAxis, true, 0, 30), right = Slot(ilskAxis, true, 0, 30);
  left.StopPercent = 25;
  right.StartPercent = 25;
  TiLayoutSlot bar = Slot(ilskToolBar, true, 2, 20);
  bar.StartPercent = 50;
  TiLayoutSides sides{{&bar}, {&left, &right}, {}, {}};
  const TRect view = LayoutLanes(Frame(401, 300, 0, 0), sides);
  ASSERT_EQ(view.Right - view.Left, 400);
  EXPECT_EQ(left.Rect.Left, 0);
  EXPECT_EQ(left.Rect.Right, 100);
  EXPECT_EQ(right.Rect.Left, 100);
  EXPECT_EQ(right.Rect.Right, 400);
  // A toolbar's range is of the whole control, its right edge inclusive.
  EXPECT_EQ(bar.Rect.Left, 200);
  EXPECT_EQ(bar.Rect.Right, 400);
}

TEST(LayoutLanes, CartesianAxesTakeNoLaneAndKeepTheirRect) {
  TiLayoutSlot cartesian = Slot(ilskAxis, true, 0, 40, 30);
  cartesian.Cartesian = true;
  cartesian.Rect = Rect(1, 2, 3, 4);
  TiLayoutSlot axis = Slot(ilskAxis, true, 0, 25);
  TiLayoutSides sides{{}, {&cartesian, &axis}, {}, {}};
  const TRect view = LayoutLanes(Frame(300, 200, 0, 0), sides);
  EXPECT_EQ(view, Rect(0, 0, 299, 200 - 25 - 1));
  EXPECT_EQ(cartesian.Rect, Rect(1, 2, 3, 4));
  EXPECT_FALSE(axis.StackedBefore);  // the cartesian axis is no lane neighbour
}

TEST(LayoutLanes, VerticalToolBarKeepsItsExtentAlongTheSide) {
  TiLayoutSlot bar = Slot(ilskToolBar, false, 0, 20);
  bar.Rect = Rect(0, 11, 0, 99);
  TiLayoutSides sides{{}, {}, {&bar}, {}};
  LayoutLanes(Frame(300, 200, 0, 0), sides);
  EXPECT_EQ(bar.Rect, Rect(0, 11, 20, 99));
}

TEST(LayoutLanes, TooSmallControlNeverFails) {
  MainChart c;
  TiLayoutSides sides = c.Sides();
  const TRect view = LayoutLanes(Frame(20, 10), sides);
  EXPECT_LT(view.Right, view.Left);  // no room: the caller decides what to draw
}

}  // namespace
