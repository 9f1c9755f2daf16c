#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "PlotTestSupport.h"
#include "plot/dIredAxis.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredToolBar.h"

namespace {

// The main window's chart as the plot builds it: objects added with the
// layout manager disabled, then the manager enabled.
struct MainChart {
  TTestPlot plot;
  TiPlotMasterManager& m = *plot.master;
  TiPlotLayoutManager& layout = *m.LayoutManager();
  TiPlotToolBar* toolBar = nullptr;
  TiPlotLegend* legend = nullptr;
  TiPlotXAxis* xAxis = nullptr;
  TiPlotYAxis* yAxis = nullptr;
  TiPlotDataView* view = nullptr;
  TiPlotLabel* title = nullptr;

  MainChart() {
    layout.SetEnabled(false);
    toolBar = m.ToolBarManager()->ToolBar(m.AddToolBar());
    toolBar->SetZOrder(3);
    legend = m.LegendManager()->Legend(m.AddLegend());
    legend->SetZOrder(2);
    xAxis = m.XAxisManager()->XAxis(m.AddXAxis());
    yAxis = m.YAxisManager()->YAxis(m.AddYAxis());
    view = m.DataViewManager()->DataView(m.AddDataView());
    title = m.LabelManager()->Label(m.AddLabel());
    title->SetZOrder(2);
    title->SetName("Title");
    title->SetCaption("Untitled");
    layout.SetEnabled(true);
  }
  int HorzEntry() const { return layout.DataViewHorz()->ZOrder(); }
  int VertEntry() const { return layout.DataViewVert()->ZOrder(); }
};

using Sides = std::vector<TiPlotLayoutObject*>;

TEST(LayoutManager, MainWindowChartSortsIntoItsSides) {
  MainChart c;
  EXPECT_EQ(c.layout.TopList(), (Sides{c.title, c.toolBar}));
  EXPECT_EQ(c.layout.BottomList(), (Sides{c.xAxis}));
  EXPECT_EQ(c.layout.LeftList(), (Sides{c.yAxis}));
  EXPECT_EQ(c.layout.RightList(), (Sides{c.legend}));
  EXPECT_TRUE(c.toolBar->FarSide());
  EXPECT_FALSE(c.xAxis->FarSide());
  EXPECT_EQ(c.HorzEntry(), 1);
  EXPECT_EQ(c.VertEntry(), 1);
}

TEST(LayoutManager, SecondXAxisOpensTheOutermostLane) {
  MainChart c;
  auto* second = c.m.XAxisManager()->XAxis(c.m.AddXAxis());
  EXPECT_EQ(second->ZOrder(), 0);
  EXPECT_EQ(c.xAxis->ZOrder(), 1);
  EXPECT_EQ(c.HorzEntry(), 2);
  EXPECT_EQ(c.title->ZOrder(), 3);
  EXPECT_EQ(c.toolBar->ZOrder(), 4);
  // Vertical lanes are not touched.
  EXPECT_EQ(c.VertEntry(), 1);
  EXPECT_EQ(c.legend->ZOrder(), 2);
  EXPECT_EQ(c.layout.BottomList(), (Sides{second, c.xAxis}));
}

TEST(LayoutManager, AxisWithFreeRangeSharesLaneZero) {
  MainChart c;
  c.xAxis->SetStopPercent(50);
  c.layout.SetEnabled(false);
  auto* second = c.m.XAxisManager()->XAxis(c.m.AddXAxis());
  second->SetStartPercent(50);
  c.layout.SetEnabled(true);
  c.layout.PlaceZOrder(second, 0, 0);
  EXPECT_EQ(second->ZOrder(), 0);
  EXPECT_EQ(c.xAxis->ZOrder(), 0);
  EXPECT_EQ(c.HorzEntry(), 1);
}

TEST(LayoutManager, DeletingTheOnlyObjectOfALaneClosesIt) {
  MainChart c;
  c.m.AddXAxis();  // horizontal lanes: 0 new axis, 1 axis, 2 entry, 3 title, 4 toolbar
  c.m.LabelManager()->Delete(0);
  EXPECT_EQ(c.toolBar->ZOrder(), 3);
  EXPECT_EQ(c.HorzEntry(), 2);
  EXPECT_EQ(c.layout.TopList(), (Sides{c.toolBar}));
}

TEST(LayoutManager, AddingAndRemovingAnAxisRestoresTheLanes) {
  MainChart c;
  const int index = c.m.AddYAxis();
  EXPECT_EQ(c.yAxis->ZOrder(), 1);
  EXPECT_EQ(c.VertEntry(), 2);
  EXPECT_EQ(c.legend->ZOrder(), 3);
  c.m.YAxisManager()->Delete(index);
  EXPECT_EQ(c.yAxis->ZOrder(), 0);
  EXPECT_EQ(c.VertEntry(), 1);
  EXPECT_EQ(c.legend->ZOrder(), 2);
  EXPECT_EQ(c.layout.LeftList(), (Sides{c.yAxis}));
  EXPECT_EQ(c.layout.RightList(), (Sides{c.legend}));
}

TEST(LayoutManager, SharedLaneStaysOpenWhenOneMemberGoes) {
  MainChart c;
  c.layout.SetEnabled(false);
  auto* other = c.m.LegendManager()->Legend(c.m.AddLegend());
  other->SetZOrder(2);
  c.layout.SetEnabled(true);
  c.m.LegendManager()->Delete(1);
  EXPECT_EQ(c.legend->ZOrder(), 2);
  EXPECT_EQ(c.VertEntry(), 1);
}

TEST(LayoutManager, ModesOneAndTwoAlwaysOpenALane) {
  MainChart c;
  c.layout.PlaceZOrder(c.title, 2, 1);  // a new lane at 2 pushes the toolbar up
  EXPECT_EQ(c.title->ZOrder(), 2);
  EXPECT_EQ(c.toolBar->ZOrder(), 4);
  c.layout.PlaceZOrder(c.title, 4, 2);  // just after the toolbar's lane
  EXPECT_EQ(c.toolBar->ZOrder(), 4);
  EXPECT_EQ(c.title->ZOrder(), 5);
  EXPECT_EQ(c.layout.TopList(), (Sides{c.toolBar, c.title}));
}

TEST(LayoutManager, XYAxesReverseSwapsTheAxesSides) {
  MainChart c;
  c.m.SetXYAxesReverse(true);
  EXPECT_FALSE(c.xAxis->Horizontal());
  EXPECT_TRUE(c.yAxis->Horizontal());
  EXPECT_EQ(c.layout.LeftList(), (Sides{c.xAxis}));
  EXPECT_EQ(c.layout.BottomList(), (Sides{c.yAxis}));
  EXPECT_EQ(c.xAxis->ZOrder(), 0);
  EXPECT_EQ(c.yAxis->ZOrder(), 0);
  c.m.SetXYAxesReverse(false);
  EXPECT_EQ(c.layout.LeftList(), (Sides{c.yAxis}));
  EXPECT_EQ(c.layout.BottomList(), (Sides{c.xAxis}));
  EXPECT_EQ(c.HorzEntry(), 1);
  EXPECT_EQ(c.VertEntry(), 1);
}

TEST(LayoutManager, ObjectsLoadedWhileDisabledKeepTheirLanes) {
  MainChart c;
  c.layout.SetEnabled(false);
  auto* axis = c.m.XAxisManager()->XAxis(c.m.AddXAxis());
  axis->SetZOrder(7);
  c.layout.SetEnabled(true);
  EXPECT_EQ(axis->ZOrder(), 7);
  EXPECT_EQ(c.layout.TopList().back(), axis);  // above the data view's lane 1
}

TEST(LayoutManager, EqualKeysListTheLaterObjectFirst) {
  MainChart c;
  c.layout.SetEnabled(false);
  auto* second = c.m.LabelManager()->Label(c.m.AddLabel());
  second->SetZOrder(2);
  c.layout.SetEnabled(true);
  EXPECT_EQ(c.layout.TopList(), (Sides{second, c.title, c.toolBar}));
}

TEST(LayoutManager, LayoutPassPlacesTheMainWindowChart) {
  MainChart c;
  TBitmap bitmap(786, 600);
  TiLayoutFrame frame{786, 600, 5, 5, 5, 5, 2};
  c.layout.LayoutPass(&bitmap.Canvas(), frame, c.view);
  const TRect view = c.view->GetRect();
  EXPECT_GT(c.title->Height(), 10);  // the caption's height
  EXPECT_EQ(c.title->GetRect().Bottom, view.Top);
  EXPECT_EQ(c.toolBar->GetRect().Top, 2);
  EXPECT_EQ(c.xAxis->GetRect().Top, view.Bottom);
  EXPECT_EQ(c.yAxis->GetRect().Right, view.Left);
  EXPECT_EQ(c.legend->GetRect().Left, view.Right);
  EXPECT_EQ(c.xAxis->GetRect().Left, view.Left);
  EXPECT_EQ(c.xAxis->GetRect().Right, view.Right);
  EXPECT_EQ(c.yAxis->GetRect().Top, view.Top);
  EXPECT_EQ(c.yAxis->GetRect().Bottom, view.Bottom);
}

TEST(LayoutManager, StackedYAxesSplitTheirLane) {
  MainChart c;
  c.layout.SetEnabled(false);
  auto* upper = c.m.YAxisManager()->YAxis(c.m.AddYAxis());
  upper->SetStartPercent(50);
  c.yAxis->SetStopPercent(50);
  c.layout.SetEnabled(true);
  ASSERT_EQ(upper->ZOrder(), 0);
  TBitmap bitmap(400, 300);
  c.layout.LayoutPass(&bitmap.Canvas(), TiLayoutFrame{400, 300, 0, 0, 0, 0, 0}, c.view);
  EXPECT_TRUE(c.yAxis->StackedAfter());
  EXPECT_TRUE(upper->StackedBefore());
  const TRect view = c.view->GetRect();
  const int middle = view.Bottom - (view.Bottom - view.Top + 1) / 2;
  EXPECT_EQ(upper->GetRect().Top, view.Top);
  EXPECT_NEAR(upper->GetRect().Bottom, middle, 1);
  EXPECT_EQ(c.yAxis->GetRect().Top, upper->GetRect().Bottom);
  EXPECT_EQ(c.yAxis->GetRect().Bottom, view.Bottom);
}

TEST(LayoutManager, HiddenObjectsTakeNoLane) {
  MainChart c;
  TBitmap bitmap(300, 200);
  const TiLayoutFrame frame{300, 200, 5, 5, 5, 5, 2};
  c.layout.LayoutPass(&bitmap.Canvas(), frame, c.view);
  const int withTitle = c.view->GetRect().Top;
  const TRect titleRect = c.title->GetRect();
  c.title->SetVisible(false);
  c.layout.LayoutPass(&bitmap.Canvas(), frame, c.view);
  EXPECT_LT(c.view->GetRect().Top, withTitle);
  EXPECT_EQ(c.title->GetRect(), titleRect);
}

}  // namespace
