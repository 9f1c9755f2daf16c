#include <gtest/gtest.h>

#include "editor/iLayoutDrag.h"
#include "tests/editor/LayoutSupport.h"

namespace {

struct Chart {
  TiPlot plot;
  TiPlotLayoutManager& m = *plot.LayoutManager();

  TiLayoutPicture Picture() const { return LayoutPicture(m, kViewerWidth, kViewerHeight, 22); }
  TRect RectOf(const TiPlotLayoutObject* o) const { return Picture().ItemOf(o)->Rect; }
  // A press at `from` on the object's box, released at `to`.
  void Drag(TiPlotLayoutObject* o, TPoint from, TPoint to) {
    const TiLayoutPicture picture = Picture();
    const TiLayoutPictureItem& item = *picture.ItemOf(o);
    ApplyMove(m, *o, ResolveDrag(picture, item, DragPartAt(item, from), from, to));
  }
  void DragBody(TiPlotLayoutObject* o, TPoint to) { Drag(o, Centre(RectOf(o)), to); }
};

TEST(LayoutPicture, ShowsTheDefaultChartWhereItsLayoutPutsIt) {
  Chart c;
  const TiLayoutPicture p = c.Picture();
  const TRect view = p.DataView;
  ASSERT_FALSE(view.IsEmpty());
  const TRect x = c.RectOf(c.plot.XAxis(0)), y = c.RectOf(c.plot.YAxis(0));
  const TRect legend = c.RectOf(c.plot.Legend(0)), title = c.RectOf(c.plot.Label(0));
  const TRect toolBar = c.RectOf(c.plot.ToolBar(0));
  EXPECT_EQ(x.Top, view.Bottom);
  EXPECT_EQ(y.Right, view.Left);
  EXPECT_EQ(legend.Left, view.Right);
  EXPECT_EQ(title.Bottom, view.Top);
  EXPECT_EQ(toolBar.Top, 0);  // pinned to the edge
  EXPECT_EQ(toolBar.Bottom, title.Top);
  // Along their sides: an axis spans the data view, the toolbar the viewer.
  EXPECT_EQ(x.Left, view.Left);
  EXPECT_EQ(x.Right, view.Right);
  EXPECT_EQ(y.Top, view.Top);
  EXPECT_EQ(y.Bottom, view.Bottom);
  EXPECT_EQ(toolBar.Right, kViewerWidth - 1);
  // Lanes by ZOrder, rising in lane units, the data view's among them.
  for (const auto* lanes : {&p.HorizontalLanes, &p.VerticalLanes}) {
    ASSERT_GE(lanes->size(), 2u);
    for (size_t i = 1; i < lanes->size(); ++i) EXPECT_GE((*lanes)[i].Low, (*lanes)[i - 1].High);
  }
}

TEST(LayoutPicture, KeepsHiddenObjectsAndCartesianAxesInSight) {
  Chart c;
  c.plot.Legend(0)->SetVisible(false);
  c.plot.YAxis(0)->SetCartesianStyle(ipcsMaster);
  const TiLayoutPicture p = c.Picture();
  ASSERT_NE(p.ItemOf(c.plot.Legend(0)), nullptr);
  EXPECT_FALSE(p.ItemOf(c.plot.Legend(0))->Rect.IsEmpty());
  const TiLayoutPictureItem& axis = *p.ItemOf(c.plot.YAxis(0));
  EXPECT_TRUE(axis.Cartesian);
  EXPECT_TRUE(p.DataView.Contains(Centre(axis.Rect)));
  EXPECT_EQ(DragPartAt(axis, Centre(axis.Rect)), ildpNone);  // its place is not a lane
}

TEST(LayoutDrag, MovesAnAxisAcrossTheDataViewAndClosesTheLaneItLeft) {
  Chart c;
  TiPlotXAxis* x = c.plot.XAxis(0);
  const TRect view = c.Picture().DataView;
  c.DragBody(x, {view.Left + 20, view.Top + 3});  // the upper half of the data view
  EXPECT_GT(x->ZOrder(), c.m.DataViewHorz()->ZOrder());
  EXPECT_EQ(c.m.TopList().front(), x);  // nearest to the data view
  EXPECT_TRUE(LanesContiguous(c.m, true));
  EXPECT_EQ(c.m.DataViewHorz()->ZOrder(), 0);  // lane 0 went with the axis
  EXPECT_EQ(c.plot.Label(0)->ZOrder(), 2);
  EXPECT_EQ(c.plot.ToolBar(0)->ZOrder(), 3);
  const TiLayoutPicture p = c.Picture();
  EXPECT_EQ(p.ItemOf(x)->Rect.Bottom, p.DataView.Top);
  // Nothing but the lane changed: the range did not move with a drag across.
  EXPECT_EQ(x->StartPercent(), 0);
  EXPECT_EQ(x->StopPercent(), 100);
}

TEST(LayoutDrag, TheGripsMoveOneEndAndKeepTheObjectsMinimumWidth) {
  Chart c;
  TiPlotYAxis* y = c.plot.YAxis(0);
  const TRect r = c.RectOf(y);
  const int half = c.Picture().DataView.Height() / 2;
  c.Drag(y, {Centre(r).X, r.Top + 1}, {Centre(r).X + 30, r.Top + 1 + half});  // stop grip down, and sideways
  EXPECT_NEAR(y->StopPercent(), 50, 1);
  EXPECT_EQ(y->StartPercent(), 0);
  EXPECT_EQ(y->ZOrder(), 0);  // a grip never changes the lane
  const TRect shorter = c.RectOf(y);
  c.Drag(y, {Centre(shorter).X, shorter.Bottom - 1}, {Centre(shorter).X, shorter.Top - 40});  // start past stop
  EXPECT_NEAR(y->StartPercent(), y->StopPercent() - 5, 1e-9);
  TiPlotXAxis* x = c.plot.XAxis(0);
  const TRect xr = c.RectOf(x);
  c.Drag(x, {xr.Left + 1, Centre(xr).Y}, {xr.Left - 100, Centre(xr).Y});  // past the end
  EXPECT_EQ(x->StartPercent(), 0);
}

TEST(LayoutDrag, ABodyDragAlongKeepsTheWidthAndStopsAtTheEnds) {
  Chart c;
  TiPlotXAxis* x = c.plot.XAxis(0);
  x->SetStopPercent(40);
  const double ppp = c.Picture().ItemOf(x)->PixelsPerPercent;
  const TPoint at = Centre(c.RectOf(x));
  c.DragBody(x, {at.X + static_cast<int>(25 * ppp), at.Y});
  EXPECT_NEAR(x->StartPercent(), 25, 1);
  EXPECT_NEAR(x->StopPercent() - x->StartPercent(), 40, 1e-9);
  c.DragBody(x, {kViewerWidth * 3, Centre(c.RectOf(x)).Y});
  EXPECT_EQ(x->StopPercent(), 100);
  EXPECT_EQ(x->StartPercent(), 60);
  EXPECT_EQ(x->ZOrder(), 0);
  // The side list follows the new start.
  EXPECT_EQ(c.m.BottomList().size(), 1u);
}

TEST(LayoutDrag, JoinsALaneBesideAnObjectItDoesNotOverlap) {
  Chart c;
  TiPlotYAxis* first = c.plot.YAxis(0);
  TiPlotYAxis* second = c.plot.YAxis(c.plot.AddYAxis());
  ASSERT_NE(first->ZOrder(), second->ZOrder());  // both 0 .. 100 at first
  first->SetStopPercent(50);
  second->SetStartPercent(50);
  c.DragBody(second, {Centre(c.RectOf(first)).X, Centre(c.RectOf(second)).Y});  // across only
  EXPECT_EQ(second->ZOrder(), first->ZOrder());
  EXPECT_EQ(second->StartPercent(), 50);
  EXPECT_TRUE(LanesContiguous(c.m, false));
  EXPECT_EQ(c.m.DataViewVert()->ZOrder(), first->ZOrder() + 1);
  EXPECT_EQ(c.m.LeftList().size(), 2u);
  // Where they overlap, the layout manager gives the newcomer a lane of its own.
  TiPlotYAxis* third = c.plot.YAxis(c.plot.AddYAxis());
  c.DragBody(third, Centre(c.RectOf(first)));
  EXPECT_NE(third->ZOrder(), first->ZOrder());
  EXPECT_TRUE(LanesContiguous(c.m, false));
}

TEST(LayoutDrag, OpensALaneBetweenTwoAndRenumbersTheRest) {
  Chart c;
  TiPlotXAxis* outer = c.plot.XAxis(c.plot.AddXAxis());
  TiPlotXAxis* inner = c.plot.XAxis(0);
  TiPlotLabel* title = c.plot.Label(0);
  ASSERT_EQ(outer->ZOrder(), 0);
  ASSERT_EQ(inner->ZOrder(), 1);
  const TRect o = c.RectOf(outer);
  c.DragBody(title, {Centre(o).X, o.Top + 1});  // the edge toward the inner axis
  EXPECT_EQ(outer->ZOrder(), 0);
  EXPECT_EQ(title->ZOrder(), 1);
  EXPECT_EQ(inner->ZOrder(), 2);
  EXPECT_EQ(c.m.DataViewHorz()->ZOrder(), 3);
  EXPECT_EQ(c.plot.ToolBar(0)->ZOrder(), 4);
  EXPECT_TRUE(LanesContiguous(c.m, true));
}

TEST(LayoutDrag, ADropInTheObjectsOwnPlaceChangesNoLane) {
  Chart c;
  const auto before = ZOrders(c.m);
  for (TiPlotLayoutObject* o : std::vector<TiPlotLayoutObject*>{c.plot.XAxis(0), c.plot.YAxis(0), c.plot.Label(0)}) {
    const TRect r = c.RectOf(o);
    c.DragBody(o, Centre(r));
    c.DragBody(o, {r.Left + 2 * 22, r.Top + 1});      // its lane's edges open a lane where it is
    c.DragBody(o, {r.Left + 2 * 22, r.Bottom - 2});
  }
  EXPECT_EQ(ZOrders(c.m), before);
}

}  // namespace
