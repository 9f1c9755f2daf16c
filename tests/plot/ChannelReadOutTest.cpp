// What a channel reads for a data cursor: FindIndex and ValueAtX of the strip
// chart, the reading by style and interpolation style, its statuses and its
// texts. The axes map 0..100 onto pixels 0..100 (y upwards) and the data view
// covers the same pixels, so a pointer at p percent reads the value p.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/Bitmap.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredDataView.h"
#include "plot/dIredTranslation.h"
#include "plot/iXYPlotChannel.h"
#include "ChannelTestAxes.h"

namespace {

struct TReadChart : TTestChannelChart {
  TiPlotDataCursor* cursor;
  int changes = 0;
  TReadChart() {
    ch->SetXAxisTrackingEnabled(false);
    ch->SetYAxisTrackingEnabled(false);
    TiPlotMasterManager& m = *plot.master;
    TiPlotDataView* view = m.DataViewManager()->DataView(m.AddDataView());
    view->SetRect({0, 0, 100, 100});
    cursor = m.DataCursorManager()->DataCursor(m.AddDataCursor());
    cursor->SetDataView(view);
    cursor->OnValuesChange = [this](TiObject*) { ++changes; };
  }
  void Add(std::initializer_list<std::pair<double, double>> points) {
    for (auto [px, py] : points) ch->AddXY(px, py);
  }
  // Reads at pointers p1 and p2 (percent = value).
  void Read(TiPlotDataCursorStyle style, double p1, double p2 = 60) {
    cursor->SetStyle(style);
    cursor->SetPointer1Position(p1);
    cursor->SetPointer2Position(p2);
    ch->UpdateDataCursor(*cursor);
  }
};

double At(TiPlotChannel& ch, double x) {
  double y = 0;
  return ch.ValueAtX(x, y) ? y : NAN;
}

}  // namespace

TEST(ChannelValueAtX, FindsThePointAtOrAfterXByBinarySearch) {
  TReadChart c;
  c.Add({{0, 0}, {10, 100}, {20, 50}, {30, 50}});
  c.ch->UpdateAscending();
  EXPECT_EQ(c.ch->FindIndex(0), 0);
  EXPECT_EQ(c.ch->FindIndex(10), 1);
  EXPECT_EQ(c.ch->FindIndex(10.5), 2);
  EXPECT_EQ(c.ch->FindIndex(30), 3);
  EXPECT_EQ(c.ch->FindIndex(-0.1), -1);
  EXPECT_EQ(c.ch->FindIndex(30.1), -1);
}

TEST(ChannelValueAtX, InterpolatesInPixelSpaceBetweenPoints) {
  TReadChart c;
  c.Add({{0, 0}, {10, 100}, {20, 50}, {30, 50}});
  c.ch->UpdateAscending();
  EXPECT_DOUBLE_EQ(At(*c.ch, 5), 50);
  EXPECT_DOUBLE_EQ(At(*c.ch, 12), 90);
  EXPECT_DOUBLE_EQ(At(*c.ch, 10), 100);  // on a point
  EXPECT_DOUBLE_EQ(At(*c.ch, 30), 50);
  EXPECT_TRUE(std::isnan(At(*c.ch, 0)));  // the first point has no left neighbour
  EXPECT_TRUE(std::isnan(At(*c.ch, -1)));
  EXPECT_TRUE(std::isnan(At(*c.ch, 31)));
  c.ch->SetNull(2, true);
  EXPECT_TRUE(std::isnan(At(*c.ch, 15)));
  EXPECT_TRUE(std::isnan(At(*c.ch, 25)));
}

TEST(ChannelValueAtX, DescendingDataMirrorsTheSearch) {
  TReadChart c;
  c.Add({{30, 50}, {20, 50}, {10, 100}, {0, 0}});
  c.ch->UpdateAscending();
  ASSERT_FALSE(c.ch->Ascending());
  EXPECT_EQ(c.ch->FindIndex(5), 2);
  EXPECT_DOUBLE_EQ(At(*c.ch, 5), 50);
  EXPECT_DOUBLE_EQ(At(*c.ch, 30), 50);
  // The last point in data order has no neighbour after it: no reading, and
  // no read past the end of the list.
  EXPECT_TRUE(std::isnan(At(*c.ch, 0)));
  EXPECT_TRUE(std::isnan(At(*c.ch, 31)));
}

TEST(ChannelValueAtX, DigitalChannelsReadTheLevelThatHolds) {
  TReadChart c;
  c.ch->SetDigitalEnabled(true);
  c.Add({{0, 0}, {10, 1}, {20, 0}});
  c.ch->UpdateAscending();
  EXPECT_DOUBLE_EQ(At(*c.ch, 15), 1);
  EXPECT_DOUBLE_EQ(At(*c.ch, 5), 0);
  c.Read(ipcsValueXY, 15);
  EXPECT_EQ(c.ch->CursorYText(), "High");
  c.Read(ipcsValueXY, 5);
  EXPECT_EQ(c.ch->CursorYText(), "Low");
}

TEST(ChannelReadOut, ValueXYReadsTheTraceAndItsTexts) {
  TReadChart c;
  c.Add({{10, 10}, {20, 30}, {30, 30}});
  c.Read(ipcsValueXY, 15);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrValue);
  EXPECT_DOUBLE_EQ(c.cursor->ValueX(), 15);
  EXPECT_DOUBLE_EQ(c.cursor->ValueY(), 20);
  EXPECT_EQ(c.ch->CursorXText(), "v= 15 mm");
  EXPECT_EQ(c.ch->CursorYText(), "v= 20 mm");
  EXPECT_EQ(c.cursor->HintText(), "v= 15 mm, v= 20 mm");
  EXPECT_EQ(c.ch->CursorReadOut().Status, ipcrValue);
}

TEST(ChannelReadOut, LeftOfTheFirstPointIsEmptyAndBesideANullPointIsNull) {
  TReadChart c;
  c.Add({{10, 10}, {20, 30}, {30, 30}});
  c.Read(ipcsValueXY, 5);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrOutside);
  EXPECT_EQ(c.ch->CursorYText(), "Empty");
  EXPECT_EQ(c.cursor->HintText(), "v= 5 mm, Empty");
  c.ch->SetNull(2, true);
  c.Read(ipcsValueY, 25);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrNoValue);
  EXPECT_EQ(c.cursor->ValueY(), 0);
  EXPECT_EQ(c.ch->CursorYText(), "Null");
  EXPECT_EQ(c.cursor->HintText(), "Null");
}

TEST(ChannelReadOut, DeltaXIsScaledByTheCursorScaler) {
  TReadChart c;
  c.Add({{0, 0}, {100, 0}});
  c.x->SetCursorScaler(1000);
  c.Read(ipcsDeltaX, 2, 5);
  EXPECT_DOUBLE_EQ(c.cursor->ValueX(), 3000);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrValue);
  EXPECT_EQ(c.cursor->HintText(), "v= 3000 mm");
  c.Read(ipcsInverseDeltaX, 2, 5);
  EXPECT_NEAR(c.cursor->ValueX(), 1.0 / 3000, 1e-15);
}

TEST(ChannelReadOut, InverseDeltaXOfCoincidentPointersIsInfiniteThroughTheTranslation) {
  TReadChart c;
  c.Read(ipcsInverseDeltaX, 40, 40);
  EXPECT_TRUE(std::isinf(c.cursor->ValueX()));
  EXPECT_EQ(c.ch->CursorXText(), "Infinite");
  c.plot.master->TranslationManager()->AddTranslation("Infinite", "Unendlich");
  c.plot.master->TranslationManager()->AddTranslation("No Y-Axis", "Keine Y-Achse");
  c.Read(ipcsInverseDeltaX, 40, 40);
  EXPECT_EQ(c.cursor->HintText(), "Unendlich");
  c.ch->SetYAxisName("nowhere");
  c.Read(ipcsValueY, 40);
  EXPECT_EQ(c.cursor->HintText(), "Keine Y-Achse");
}

TEST(ChannelReadOut, DeltaYAndValueXIgnoreTheData) {
  TReadChart c;
  c.Read(ipcsDeltaY, 20, 70);
  EXPECT_DOUBLE_EQ(c.cursor->ValueY(), 50);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrValue);
  c.Read(ipcsValueX, 33);
  EXPECT_DOUBLE_EQ(c.cursor->ValueX(), 33);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrValue);  // no points, still a value
  c.ch->SetXAxisName("nowhere");
  c.Read(ipcsValueXY, 33);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrNoValue);
  EXPECT_EQ(c.cursor->HintText(), "No X-Axis");
}

TEST(ChannelReadOut, TheCursorHearsOnlyChangedReadings) {
  TReadChart c;
  c.Add({{10, 10}, {20, 30}});
  c.Read(ipcsValueXY, 15);
  c.Read(ipcsValueXY, 15);
  EXPECT_EQ(c.changes, 1);
  c.Read(ipcsValueXY, 16);
  EXPECT_EQ(c.changes, 2);
}

TEST(ChannelReadOut, StepStylesAreNeverOutside) {
  TReadChart c;
  c.ch->SetInterpolationStyle(ipistDifferential);
  c.Add({{10, 10}, {20, 30}});
  c.Read(ipcsValueY, 15);
  EXPECT_DOUBLE_EQ(c.cursor->ValueY(), 10);
  c.Read(ipcsValueY, 50);  // right of the data: the last level runs on
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrValue);
  EXPECT_DOUBLE_EQ(c.cursor->ValueY(), 30);
  c.ch->SetInterpolationStyle(ipistDifferentialTerminated);
  c.Read(ipcsValueY, 50);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrNoValue);
  c.Read(ipcsValueY, 5);  // left of the data
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrNoValue);
}

TEST(ChannelReadOut, CurveStylesReadThePixelCache) {
  TReadChart c;
  c.ch->SetInterpolationStyle(ipistCubicSpline);
  c.Add({{0, 0}, {50, 50}, {100, 100}});
  c.Read(ipcsValueY, 25);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrNoValue);  // nothing drawn yet
  TBitmap b(101, 101);
  c.ch->PrepareDraw();
  c.ch->Draw(&b.Canvas(), clWhite);
  c.Read(ipcsValueY, 25);
  EXPECT_EQ(c.cursor->ValueStatus(), ipcrValue);
  EXPECT_NEAR(c.cursor->ValueY(), 25, 1e-9);
}

TEST(XYChannelReadOut, ReadsTheAxesAtThePointers) {
  TTestPlot plot;
  plot.master->SetChannelClass(
      [](const TiPlotObjectHooks& h) -> TiPlotChannelCustom* { return new TiXYPlotChannel(h); });
  auto* x = new TTestXAxis(plot.master->Hooks());
  x->Inserted();
  auto* y = new TTestYAxis(plot.master->Hooks());
  y->Inserted();
  TiPlotMasterManager& m = *plot.master;
  TiPlotChannelCustom* ch = m.ChannelManager()->Channel(m.AddChannel());
  ASSERT_NE(dynamic_cast<TiXYPlotChannel*>(ch), nullptr);
  TiPlotDataView* view = m.DataViewManager()->DataView(m.AddDataView());
  view->SetRect({0, 0, 100, 100});
  TiPlotDataCursor* cursor = m.DataCursorManager()->DataCursor(m.AddDataCursor());
  cursor->SetDataView(view);
  cursor->SetPointer1Position(20);
  cursor->SetPointer2Position(70);
  ch->UpdateDataCursor(*cursor);
  EXPECT_DOUBLE_EQ(cursor->ValueX(), 20);
  EXPECT_DOUBLE_EQ(cursor->ValueY(), 70);
  EXPECT_EQ(cursor->HintText(), "v= 20 mm, v= 70 mm");
  cursor->SetStyle(ipcsDeltaY);
  ch->UpdateDataCursor(*cursor);
  EXPECT_DOUBLE_EQ(cursor->ValueY(), 50);
  x->SetCursorScaler(1000);  // not applied to the XY chart's delta
  cursor->SetStyle(ipcsDeltaX);
  ch->UpdateDataCursor(*cursor);
  EXPECT_DOUBLE_EQ(cursor->ValueX(), 50);
  EXPECT_EQ(cursor->ValueStatus(), ipcrValue);
}
