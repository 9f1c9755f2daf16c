// Zoom to Fit, from the axis's menu and from the expand-collapse tracking
// style, fits what each bound channel says it shows: a hidden channel
// nothing, markers their room, a strip chart's y only the points its x axis
// shows.
#include <gtest/gtest.h>

#include "plot/dIredChannel.h"
#include "plot/iPlotScaledAxis.h"
#include "tests/plot/AxisTestSupport.h"

namespace {

struct ZoomToFit : ::testing::Test {
  TAxisPlot plot;
  TBitmap bitmap{500, 300};
  TiPlotXAxis* x = Add<TiPlotXAxis>();
  TiPlotYAxis* y = Add<TiPlotYAxis>();

  ZoomToFit() {
    PlaceHorizontal(x, &bitmap.Canvas());  // 400 pixels
    PlaceVertical(y, &bitmap.Canvas());    // 200 pixels
  }
  // The axes a chart makes: channels reach them as scales.
  template <class Axis>
  Axis* Add() {
    auto* axis = new TiPlotChartAxis<Axis>(plot.master->Hooks());
    axis->Inserted();
    return axis;
  }
  // A channel fed without tracking, so the axes show what each test sets.
  TiPlotChannel* Channel(std::initializer_list<std::pair<double, double>> points = {}) {
    auto* c = static_cast<TiPlotChannel*>(plot.master->ChannelManager()->Channel(plot.master->AddChannel()));
    c->SetXAxisTrackingEnabled(false);
    c->SetYAxisTrackingEnabled(false);
    for (auto [px, py] : points) c->AddXY(px, py);
    return c;
  }
  void MenuZoomToFit(TiPlotAxis* axis) {
    TiPopupMenu menu;
    axis->AddMenuItems(menu);
    ASSERT_EQ(menu.Items[2]->Caption, "Zoom to Fit");
    menu.Items[2]->OnClick();
  }
};

TEST_F(ZoomToFit, AHiddenChannelsPointsDoNotCount) {
  Channel({{10, 20}, {20, 40}, {30, 30}});
  Channel({{-500, 900}, {500, -900}})->SetVisible(false);
  x->SetMinSpan(0, 100);
  MenuZoomToFit(y);
  EXPECT_EQ(y->Min(), 20);
  EXPECT_EQ(y->Span(), 20);
  MenuZoomToFit(x);
  EXPECT_EQ(x->Min(), 10);
  EXPECT_EQ(x->Span(), 20);
  EXPECT_TRUE(x->TrackingEnabled()) << "the menu's fit does not pause tracking";
}

TEST_F(ZoomToFit, VisibleMarkersGetTheirRoom) {
  TiPlotChannel* c = Channel({{10, 20}, {50, 60}});
  c->SetMarkersVisible(true);
  c->SetMarkersSize(5);
  x->SetMinSpan(0, 80);  // 5 pixels of 400 are 1 unit
  y->SetMinSpan(0, 80);  // and of 200, 2 units
  x->ZoomToFit();
  EXPECT_DOUBLE_EQ(x->Min(), 9);
  EXPECT_DOUBLE_EQ(x->Span(), 42);
  y->ZoomToFit();
  EXPECT_DOUBLE_EQ(y->Min(), 18);
  EXPECT_DOUBLE_EQ(y->Span(), 44);
}

TEST_F(ZoomToFit, AStripChartFitsYToThePointsItsXAxisShows) {
  TiPlotChannel* c = Channel();
  for (int i = 0; i < 200; ++i) c->AddXY(i, 1000 + i);
  x->SetMinSpan(50.5, 50);  // the points 50 .. 101, edge neighbours included
  y->ZoomToFit();
  EXPECT_EQ(y->Min(), 1050);
  EXPECT_EQ(y->Span(), 51);
  x->ZoomToFit();
  EXPECT_EQ(x->Min(), 0);
  EXPECT_EQ(x->Span(), 199);
}

TEST_F(ZoomToFit, AfterXWentBackBothRunsCount) {
  TiPlotChannel* c = Channel();
  for (int i = 0; i < 200; ++i) c->AddXY(i, 1000 + i);  // a log, then a reload of another
  for (int i = 0; i < 50; ++i) c->AddXY(i, 500);
  x->SetMinSpan(20.5, 50);
  y->ZoomToFit();
  EXPECT_EQ(y->Min(), 500) << "the second run";
  EXPECT_EQ(y->Span(), 1071 - 500) << "the first run's points 20 .. 71";
  x->SetMinSpan(100.5, 50);  // only the first run's points 100 .. 151
  y->ZoomToFit();
  EXPECT_EQ(y->Min(), 1100);
  EXPECT_EQ(y->Span(), 51);
  x->ZoomToFit();
  EXPECT_EQ(x->Min(), 0);
  EXPECT_EQ(x->Span(), 199);
}

TEST_F(ZoomToFit, ExpandCollapseTrackingFitsAsTheMenuDoes) {
  Channel({{0, -4000}, {100, 4000}})->SetVisible(false);
  TiPlotChannel* c = Channel();
  c->SetYAxisTrackingEnabled(true);
  y->SetTrackingStyle(iptsExpandCollapse);
  x->SetMinSpan(0, 100);
  for (auto [px, py] : {std::pair{10.0, 5.0}, {20, 25}, {30, 15}}) c->AddXY(px, py);
  EXPECT_EQ(y->Min(), 5);
  EXPECT_EQ(y->Span(), 20);
  y->SetMinSpan(0, 1);
  MenuZoomToFit(y);
  EXPECT_EQ(y->Min(), 5);
  EXPECT_EQ(y->Span(), 20);
}

}  // namespace
