#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/Clock.h"
#include "platform/Exception.h"
#include "plot/dIredChannel.h"
#include "plot/iXYPlotChannel.h"
#include "ChannelTestAxes.h"
#include "PlotTestSupport.h"

namespace {

using TChart = TTestChannelChart;

}  // namespace

TEST(ChannelStatistics, RunningFiguresFollowEveryAddedPoint) {
  TChart c;
  c.ch->AddXY(1, 5);
  c.ch->AddXY(2, 7);
  EXPECT_EQ(c.ch->YMin(), 5);
  EXPECT_EQ(c.ch->YMax(), 7);
  EXPECT_EQ(c.ch->YMean(), 6);
  EXPECT_EQ(c.ch->XMean(), 1.5);
  EXPECT_EQ(c.ch->XMin(), 1);
  EXPECT_EQ(c.ch->XMax(), 2);
  EXPECT_EQ(c.ch->StatCount(), 2);
}

TEST(ChannelStatistics, DroppedAndNullPointsCountUntilRecalculated) {
  TChart c;
  c.ch->SetRingBufferSize(2);
  for (double y : {1, 2, 3}) c.ch->AddXY(y, y);
  ASSERT_EQ(c.ch->Count(), 2);
  EXPECT_EQ(c.ch->GetY(0), 2);
  EXPECT_EQ(c.ch->GetY(1), 3);
  EXPECT_EQ(c.ch->YMin(), 1);
  EXPECT_EQ(c.ch->YMean(), 2);
  c.ch->RecalculateStatistics();
  EXPECT_EQ(c.ch->YMin(), 2);
  EXPECT_EQ(c.ch->YMean(), 2.5);
  EXPECT_EQ(c.ch->StatCount(), 2);

  c.ch->SetNull(1, true);
  c.ch->SetEmpty(0, true);
  EXPECT_EQ(c.ch->StatCount(), 2);  // running values are not revised
  c.ch->RecalculateStatistics();
  EXPECT_EQ(c.ch->StatCount(), 0);
  EXPECT_EQ(c.ch->YMean(), 0);
  EXPECT_EQ(c.ch->YMin(), 1e300);
  EXPECT_EQ(c.ch->YMax(), -1e300);
}

TEST(ChannelStatistics, ClearStartsAfreshAndKeepsTheRing) {
  TChart c;
  c.ch->SetRingBufferSize(5);
  for (int i = 0; i < 8; ++i) c.ch->AddXY(i, 100 + i);
  const int changes = c.plot.changes;
  c.ch->Clear();
  EXPECT_GT(c.plot.changes, changes);
  EXPECT_EQ(c.ch->Count(), 0);
  EXPECT_EQ(c.ch->StatCount(), 0);
  EXPECT_EQ(c.ch->XMax(), -1e300);
  EXPECT_EQ(c.ch->FirstVisibleIndex(), -1);
  EXPECT_EQ(c.ch->RingBufferSize(), 5);
  c.ch->AddXY(0, 10);
  EXPECT_EQ(c.ch->YMean(), 10);
  EXPECT_EQ(c.ch->StatCount(), 1);
}

// Ten million values of 1e15 plus multiples of 8192: every partial sum is a
// whole multiple of 8192 below 2^74, which a 64-bit mantissa holds exactly
// and a double does not.
TEST(ChannelStatistics, ExtendedSumsKeepTheMeanOfLargeValuesExact) {
  TChart c;
  c.ch->SetXAxisTrackingEnabled(false);
  c.ch->SetYAxisTrackingEnabled(false);
  c.ch->SetRingBufferSize(1000);  // the statistics still see every point
  constexpr int n = 10'000'000;
  double plainSum = 0;
  for (int i = 0; i < n; ++i) {
    const double y = 1e15 + (i % 4) * 8192.0;
    plainSum += y;
    c.ch->AddXY(i, y);
  }
  EXPECT_EQ(c.ch->StatCount(), n);
  EXPECT_EQ(c.ch->YMean(), 1e15 + 1.5 * 8192);
  EXPECT_EQ(c.ch->XMean(), (n - 1) / 2.0);
  EXPECT_NE(plainSum / n, 1e15 + 1.5 * 8192) << "the data no longer defeat a double sum";
}

TEST(ChannelStatistics, ZoomToFitFastUsesTheRunningExtremes) {
  TTestPlot p;
  p.master->AddXAxis();
  p.master->AddChannel();
  TiPlotChannelCustom* ch = p.master->ChannelManager()->Channel(0);
  TiPlotXAxis* x = p.master->XAxisManager()->XAxis(0);
  ch->SetRingBufferSize(2);
  for (double v : {-40.0, 5.0, 7.0}) ch->AddXY(v, 0);  // -40 dropped from the list, still in the extremes
  x->ZoomToFitFast();
  EXPECT_EQ(x->Min(), -40);
  EXPECT_EQ(x->Span(), 47);
  ch->Clear();
  double lo, hi;
  EXPECT_FALSE(ch->RunningExtent(true, lo, hi));
}

TEST(ChannelAddXY, ReturnsTheListSlotAndNotifiesOncePerPoint) {
  TChart c;
  c.ch->SetRingBufferSize(3);
  int changes = c.plot.changes;
  EXPECT_EQ(c.ch->AddXY(0, 0), 0);
  EXPECT_EQ(c.plot.changes, changes + 1);
  c.ch->AddXY(1, 0);
  c.ch->AddXY(2, 0);
  EXPECT_EQ(c.ch->AddXY(3, 0), 0);  // the slot it overwrote
  EXPECT_EQ(c.ch->GetX(2), 3);
}

TEST(ChannelAddXY, TracksXThenYOrMarkerExtentsLargestFirst) {
  TChart c;
  c.ch->AddXY(10, 20);
  EXPECT_EQ(c.x->tracked, std::vector<double>{10});
  EXPECT_EQ(c.y->tracked, std::vector<double>{20});

  // 100 units over 100 pixels: 3 pixels are 3 units on x; y spans 50 units.
  c.y->span = 50;
  c.ch->SetMarkersVisible(true);
  c.x->tracked.clear();
  c.y->tracked.clear();
  c.ch->AddXY(40, 30);
  EXPECT_EQ(c.x->tracked, (std::vector<double>{43, 37}));
  EXPECT_EQ(c.y->tracked, (std::vector<double>{31.5, 28.5}));
}

TEST(ChannelAddXY, TrackingFlagsLeaveTheirAxisAlone) {
  TChart c;
  c.ch->SetXAxisTrackingEnabled(false);
  c.ch->AddXY(1, 2);
  EXPECT_TRUE(c.x->tracked.empty());
  EXPECT_EQ(c.y->tracked, std::vector<double>{2});
  c.ch->SetYAxisTrackingEnabled(false);
  c.ch->SetMarkersVisible(true);
  c.ch->AddXY(3, 4);
  EXPECT_TRUE(c.x->tracked.empty());
  EXPECT_EQ(c.y->tracked.size(), 1u);
}

TEST(ChannelAddXY, ElapsedTimeIsMeasuredFromTheStartTime) {
  TChart c;
  c.ch->SetStartTime(40000.0);
  platform::SetNowSource([] { return 40000.5; });
  c.ch->AddYElapsedSeconds(1);
  c.ch->AddYElapsedTime(2);
  platform::SetNowSource(nullptr);
  EXPECT_EQ(c.ch->GetX(0), 43200);
  EXPECT_EQ(c.ch->GetX(1), 0.5);
}

TEST(ChannelAddXY, OPCValuesBecomePointsAndBadOnesAddNothing) {
  TChart c;
  c.ch->OPCNewData(TiPlotOPCValue{std::string("2.5")}, 45000);
  c.ch->SetOPCXValueSource(iopcxvsElapsedSeconds);
  c.ch->SetStartTime(1.0);
  platform::SetNowSource([] { return 1.25; });
  c.ch->OPCNewData(TiPlotOPCValue{int64_t{7}}, 45000);
  platform::SetNowSource(nullptr);
  ASSERT_EQ(c.ch->Count(), 2);
  EXPECT_EQ(c.ch->GetX(0), 45000);
  EXPECT_EQ(c.ch->GetY(0), 2.5);
  EXPECT_EQ(c.ch->GetX(1), 21600);
  EXPECT_EQ(c.ch->GetY(1), 7);
  EXPECT_THROW(c.ch->OPCNewData(TiPlotOPCValue{std::string("abc")}, 1), EConvertError);
  EXPECT_THROW(c.ch->OPCNewData(TiPlotOPCValue{}, 1), EConvertError);
  EXPECT_EQ(c.ch->Count(), 2);
}

TEST(ChannelDataStyle, SwitchingEmptiesTheListButKeepsAttributesAndRing) {
  TChart c;
  c.ch->SetColor(0x00FF00);
  c.ch->SetMarkersVisible(true);
  c.ch->SetMarkersStyle(ipmsDiamond);
  c.ch->SetMarkersSize(7);
  c.ch->SetRingBufferSize(50);
  c.ch->AddXY(1, 1);
  c.ch->AddXY(2, 3);
  const int changes = c.plot.changes;
  c.ch->SetDataStyle(ipdsCompact);
  EXPECT_EQ(c.plot.changes, changes + 1);
  EXPECT_EQ(c.ch->Count(), 0);
  EXPECT_EQ(c.ch->ItemSize(), 8);
  EXPECT_EQ(c.ch->Color(), 0x00FF00);
  EXPECT_TRUE(c.ch->MarkersVisible());
  EXPECT_EQ(c.ch->MarkersStyle(), ipmsDiamond);
  EXPECT_EQ(c.ch->MarkersSize(), 7);
  EXPECT_EQ(c.ch->RingBufferSize(), 50);
  EXPECT_EQ(c.ch->StatCount(), 2);  // the statistics are left as they were
  c.ch->AddXY(5, 6);
  EXPECT_EQ(c.ch->GetColor(0), 0x00FF00);  // a list without per-point colours answers with the channel's
  EXPECT_EQ(c.ch->Capacity(), 50);
  EXPECT_EQ(c.ch->MemorySize(), 400);

  c.ch->SetDataStyle(ipdsCompact);  // no change, no new list
  EXPECT_EQ(c.ch->Count(), 1);
}

TEST(ChannelProperties, DefaultsOfANewChannel) {
  TTestPlot p;
  p.master->AddChannel();
  TiPlotChannelCustom* ch = p.master->ChannelManager()->Channel(0);
  EXPECT_EQ(ch->TraceLineWidth(), 1);
  EXPECT_EQ(ch->MarkersSize(), 3);
  EXPECT_EQ(ch->MarkersPenColor(), clRed);
  EXPECT_EQ(ch->MarkersBrushColor(), clRed);
  EXPECT_EQ(ch->MarkersFont().Color, clWhite);
  EXPECT_TRUE(ch->MarkersFont().Has(fsBold));
  EXPECT_TRUE(ch->XAxisTrackingEnabled() && ch->YAxisTrackingEnabled() && ch->TraceVisible());
  EXPECT_EQ(ch->OPCUpdateRate(), 500);
  EXPECT_EQ(ch->DataStyle(), ipdsStandard);
  EXPECT_EQ(ch->ItemSize(), 24);
  EXPECT_EQ(ch->Count(), 0);
}

TEST(ChannelAxes, TextsComeFromTheCursorFormatOnOneLineOrSayTheAxisIsMissing) {
  TChart c;
  EXPECT_EQ(c.ch->GetXText(12), "v= 12 mm");
  c.ch->SetXAxisName("Nowhere");
  EXPECT_EQ(c.ch->GetXText(12), "No X-Axis");
  c.plot.master->TranslationManager()->AddTranslation("No Y-Axis", "Keine Y-Achse");
  c.ch->SetYAxisName("");
  EXPECT_EQ(c.ch->GetYText(1), "Keine Y-Achse");
}

TEST(ChannelAxes, RemovingTheAxisDropsTheCachedReference) {
  TChart c;
  ASSERT_EQ(c.ch->XScale(), static_cast<TiPlotChannelScale*>(c.x));
  delete c.plot.master->XAxisManager()->XAxis(0);
  EXPECT_EQ(c.ch->XAxis(), nullptr);
  c.ch->AddXY(1, 1);  // no x axis to track
  EXPECT_EQ(c.ch->GetXText(1), "No X-Axis");
}

TEST(ChannelMarkers, ExtentsWidenByTheMarkerSizeAndReportTheirErrors) {
  TChart c;
  c.ch->AddXY(50, 50);
  c.ch->AddXY(60, 60);
  EXPECT_EQ(c.ch->GetXMaxWithMarker(0), 50);  // markers hidden: the value itself
  c.ch->SetMarkersVisible(true);
  c.ch->SetMarkersSize(5);
  EXPECT_EQ(c.ch->GetXMaxWithMarker(0), 55);
  EXPECT_EQ(c.ch->GetYMinWithMarker(0), 45);
  c.ch->SetNull(1, true);
  EXPECT_EQ(MessageOf([&] { c.ch->GetYMaxWithMarker(1); }), "Data Point Null");
  c.ch->SetXAxisName("");
  EXPECT_EQ(MessageOf([&] { c.ch->GetXMinWithMarker(0); }), "X-Axis not assigned");
  c.ch->SetYAxisName("");
  EXPECT_EQ(MessageOf([&] { c.ch->GetYMinWithMarker(0); }), "Y-Axis not assigned");
  EXPECT_EQ(MessageOf([&] { c.ch->GetX(5); }), "Index out of Bounds");
}

TEST(ChannelFit, StripChartTakesXFromTheEndsAndYFromTheVisibleRange) {
  TChart c;
  c.x->min = 10;
  c.x->span = 10;
  for (int i = 0; i <= 30; ++i) c.ch->AddXY(i, i == 25 ? 1000 : i);
  c.ch->SetEmpty(30, true);
  c.ch->SetNull(0, true);
  EXPECT_EQ(c.ch->GetFitXMax(), 29);
  EXPECT_EQ(c.ch->GetFitXMin(), 1);
  EXPECT_EQ(c.ch->GetFitYMax(), 20);  // the spike at 25 is out of view
  EXPECT_EQ(c.ch->GetFitYMin(), 10);
  c.ch->SetVisible(false);
  EXPECT_EQ(c.ch->GetFitYMax(), -1e300);
  EXPECT_EQ(c.ch->GetFitXMin(), 1e300);
}

TEST(ChannelFit, XYChannelScansEveryValidPoint) {
  TTestPlot p;
  auto* x = new TTestXAxis(p.master->Hooks());
  x->Inserted();
  auto* y = new TTestYAxis(p.master->Hooks());
  y->Inserted();
  p.master->SetChannelClass(CreateChannelOfClass<TiXYPlotChannel>);
  p.master->AddChannel();
  TiPlotChannelCustom* ch = p.master->ChannelManager()->Channel(0);
  EXPECT_EQ(ch->GetFitXMax(), -1e300);
  for (double v : {5.0, -3.0, 9.0, 2.0}) ch->AddXY(v, -v);
  ch->SetNull(2, true);
  EXPECT_EQ(ch->GetFitXMax(), 5);
  EXPECT_EQ(ch->GetFitXMin(), -3);
  EXPECT_EQ(ch->GetFitYMax(), 3);
  EXPECT_EQ(ch->GetFitYMin(), -5);
  ch->CalcFirstVisibleIndex();
  ch->CalcLastVisibleIndex();
  EXPECT_EQ(ch->FirstVisibleIndex(), 0);
  EXPECT_EQ(ch->LastVisibleIndex(), 3);
}
