#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Exception.h"
#include "platform/Metafile.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataView.h"
#include "plot/iAxisScale.h"
#include "plot/iCurveFit.h"
#include "plot/iTraceDrawer.h"
#include "plot/iTraceReduction.h"
#include "ChannelTestAxes.h"
#include "PlotTestSupport.h"

namespace {

// A strip chart whose axes map 0..100 onto pixels 0..100 (y upwards) and a
// black channel on it.
struct TChart : TTestChannelChart {
  TChart() {
    ch->SetColor(clBlack);
    ch->SetXAxisTrackingEnabled(false);
    ch->SetYAxisTrackingEnabled(false);
  }
  void Add(std::initializer_list<std::pair<double, double>> points) {
    for (auto [px, py] : points) ch->AddXY(px, py);
  }
};

using TInk = std::set<std::pair<int, int>>;

TInk InkOf(const TBitmap& b) {
  TInk ink;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != clWhite) ink.insert({x, y});
  return ink;
}

TInk Render(TChart& c, int width = 101, int height = 101) {
  TBitmap b(width, height);
  c.ch->PrepareDraw();
  if (c.ch->Ready()) c.ch->Draw(&b.Canvas(), clWhite);
  return InkOf(b);
}

bool Has(const TInk& ink, int x, int y) { return ink.count({x, y}) != 0; }

// A scale that offers the walks its linear pixel map, showing [min, max]:
// about offset + v * factor, as the chart's map of origin -offset / factor.
struct TMappedScale : TLinearScale {
  double offset, factor;
  TiLinearPixelMap map;
  TMappedScale(double o, double f, double lo = -1e300, double hi = 1e300) : offset(o), factor(f), map{0, -o / f, -f} {
    min = lo;
    span = hi - lo;
  }
  explicit TMappedScale(TiLinearPixelMap m) : TMappedScale(0, 1) { map = m; }
  TiLinearPixelMap Map() const override { return map; }
  bool IsValueVisible(double v) const override { return v >= min && v <= min + span; }
};

// A canvas that keeps the lines drawn on it, in order.
struct TLineLog : TCanvas {
  std::vector<std::pair<TPoint, TPoint>> lines;
  void DoLine(TPoint from, TPoint to) override { lines.push_back({from, to}); }
  void DoPolyline(const std::vector<TPoint>&) override { ADD_FAILURE() << "a cosmetic trace draws lines"; }
  void DoPolygon(const std::vector<TPoint>&) override {}
  void DoRectangle(const TRect&) override {}
  void DoEllipse(const TRect&) override {}
  void DoFillRect(const TRect&, TColor) override {}
  void DoInvertRect(const TRect&) override {}
  void DoFocusRect(const TRect&) override {}
  TColor DoPixel(int, int) const override { return clNone; }
  void DoSetPixel(int, int, TColor) override {}
  void DoGradient(const TRect&, TColor, TColor, TGradientKind, TPoint, TPoint, int) override {}
  void DoText(int, int, const std::string&, const TRect*) override {}
  TSize DoTextExtent(const std::string&) const override { return {}; }
  void DoBitmap(const TRect&, const TBitmap&, const TRect&, TColor) override {}
  void DoClip(const TRect*) override {}
  void DoAntialias(bool) override {}
};

// The lines of the reduced trace of all of `list`'s points.
template <class List>
std::vector<std::pair<TPoint, TPoint>> ReducedLines(List& list, const TiPlotChannelScale& x,
                                                    const TiPlotChannelScale& y) {
  TLineLog log;
  {
    TiPlotTraceDrawer drawer(log, x, y, false);
    DrawReducedTrace(list, 0, list.Count() - 1, drawer);
  }
  return log.lines;
}

}  // namespace

// ---- Visible range ----------------------------------------------------------

TEST(TraceVisibleRange, IncludesTheNearestPointBeyondEachEdgeButNotPastAnExactHit) {
  TChart c;
  for (int i = 0; i <= 100; ++i) c.ch->AddXY(i, 0);
  c.x->min = 10.5;
  c.x->span = 9;
  c.ch->PrepareDraw();
  EXPECT_EQ(c.ch->FirstVisibleIndex(), 10);
  EXPECT_EQ(c.ch->LastVisibleIndex(), 20);
  c.x->min = 10;
  c.x->span = 10;
  c.ch->PrepareDraw();
  EXPECT_EQ(c.ch->FirstVisibleIndex(), 10);
  EXPECT_EQ(c.ch->LastVisibleIndex(), 20);
  c.x->min = 500;  // everything to the left: the last point stays in range
  c.ch->PrepareDraw();
  EXPECT_EQ(c.ch->FirstVisibleIndex(), 100);
  EXPECT_EQ(c.ch->LastVisibleIndex(), 100);
}

TEST(TraceVisibleRange, DescendingDataIsSearchedTheOtherWay) {
  TChart c;
  for (int i = 100; i >= 0; --i) c.ch->AddXY(i, 0);
  c.x->min = 10.5;
  c.x->span = 9;
  c.ch->PrepareDraw();
  EXPECT_FALSE(c.ch->Ascending());
  EXPECT_EQ(c.ch->GetX(c.ch->FirstVisibleIndex()), 20);
  EXPECT_EQ(c.ch->GetX(c.ch->LastVisibleIndex()), 10);

  TChart two;
  two.Add({{5, 0}, {3, 0}});
  two.ch->PrepareDraw();
  EXPECT_TRUE(two.ch->Ascending());  // two points do not decide
}

TEST(TracePrepareDraw, NeedsBothAxesVisibilityAndPointsInView) {
  TChart c;
  c.ch->PrepareDraw();
  EXPECT_FALSE(c.ch->Ready());
  c.Add({{10, 10}, {20, 20}});
  c.ch->PrepareDraw();
  EXPECT_TRUE(c.ch->Ready());
  EXPECT_EQ(c.ch->PixelFirst(), 0);
  EXPECT_EQ(c.ch->PixelLast(), 100);
  EXPECT_EQ(c.ch->DigitalHighPixel(), 10);
  EXPECT_EQ(c.ch->DigitalLowPixel(), 90);
  c.ch->SetVisible(false);
  c.ch->PrepareDraw();
  EXPECT_FALSE(c.ch->Ready());
  c.ch->SetVisible(true);
  c.ch->SetYAxisName("");
  c.ch->PrepareDraw();
  EXPECT_FALSE(c.ch->Ready());
}

// ---- Clipping ---------------------------------------------------------------

TEST(TraceClipping, SegmentsAreCutAtTheAxisRanges) {
  TLinearScale x, y;
  x.span = 5;
  TiPlotClippedSegment s = ClipSegment(x, y, false, 10, 0, -10, 0);
  ASSERT_TRUE(s.Visible);
  EXPECT_EQ(s.X1, 0);
  EXPECT_EQ(s.X2, 5);

  s = ClipSegment(x, y, false, 0, 50, 4, 150);  // leaves through the top
  ASSERT_TRUE(s.Visible);
  EXPECT_EQ(s.Y2, 100);
  EXPECT_DOUBLE_EQ(s.X2, 2);

  s = ClipSegment(x, y, false, 2, -50, 2, 150);  // vertical, beyond both limits
  ASSERT_TRUE(s.Visible);
  EXPECT_EQ(s.X1, 2);
  EXPECT_EQ(s.X2, 2);
  EXPECT_EQ(s.Y1, 0);
  EXPECT_EQ(s.Y2, 100);

  EXPECT_FALSE(ClipSegment(x, y, false, 6, 10, 9, 10).Visible);
  EXPECT_FALSE(ClipSegment(x, y, false, 1, 101, 3, 200).Visible);
  EXPECT_TRUE(ClipSegment(x, y, true, 1, 101, 3, 200).Visible);  // percent mode skips the Y range
}

TEST(TraceClipping, LinesToOffScreenNeighboursReachTheEdge) {
  TChart c;
  c.x->min = 0;
  c.Add({{-50, 50}, {50, 50}, {150, 50}});
  const TInk ink = Render(c);
  EXPECT_TRUE(Has(ink, 0, 50));
  EXPECT_TRUE(Has(ink, 99, 50));
  for (auto [px, py] : ink) EXPECT_EQ(py, 50);
}

// ---- Straight traces --------------------------------------------------------

TEST(TraceStraight, TenThousandPointsInOneColumnDrawOneStroke) {
  TChart c;
  for (int i = 0; i < 10000; ++i) c.ch->AddXY(50 + i * 1e-6, 20 + (i * 7919 % 61));
  const TInk ink = Render(c);
  EXPECT_EQ(ink.size(), 61u);  // rows of Y 20 .. 80, both ends included
  for (int row = 20; row <= 80; ++row) EXPECT_TRUE(Has(ink, 50, row)) << row;
}

TEST(TraceStraight, NullBreaksTheTraceAndEmptyIsJoinedOver) {
  for (bool fast : {true, false}) {
    TChart c;
    c.ch->SetFastDrawEnabled(fast);
    c.Add({{10, 50}, {20, 50}, {30, 50}, {40, 50}, {50, 50}});
    c.ch->SetNull(2, true);
    TInk ink = Render(c);
    EXPECT_TRUE(Has(ink, 15, 50)) << fast;
    EXPECT_FALSE(Has(ink, 25, 50)) << fast;
    EXPECT_FALSE(Has(ink, 35, 50)) << fast;
    EXPECT_TRUE(Has(ink, 45, 50)) << fast;

    c.ch->SetNull(2, false);
    c.ch->SetEmpty(2, true);
    c.ch->DataList().SetY(2, 90);
    ink = Render(c);
    for (int x = 10; x < 50; ++x) EXPECT_TRUE(Has(ink, x, 50)) << fast << " " << x;
    EXPECT_FALSE(Has(ink, 30, 10)) << fast;  // the Empty point's own value is not drawn
  }
}

TEST(TraceStraight, ASingleVisiblePointDrawsNoLine) {
  TChart c;
  c.Add({{50, 50}});
  EXPECT_TRUE(Render(c).empty());
  c.ch->SetFastDrawEnabled(false);
  EXPECT_TRUE(Render(c).empty());
}

TEST(TraceStraight, DescendingXDrawsTheSameLine) {
  TChart up, down;
  up.Add({{10, 10}, {40, 70}, {90, 30}});
  down.Add({{90, 30}, {40, 70}, {10, 10}});
  const TInk a = Render(up), b = Render(down);
  EXPECT_FALSE(a.empty());
  // Only the left-out last pixel of each direction may differ.
  TInk onlyA, onlyB;
  for (auto p : a)
    if (!b.count(p)) onlyA.insert(p);
  for (auto p : b)
    if (!a.count(p)) onlyB.insert(p);
  EXPECT_LE(onlyA.size(), 2u);
  EXPECT_LE(onlyB.size(), 2u);
}

// Dense data: the column reduction must set exactly the pixels the
// per-point trace sets.
TEST(TraceStraight, FastReductionDrawsThePixelsOfThePerPointTrace) {
  TChart fast, slow;
  slow.ch->SetFastDrawEnabled(false);
  for (TChart* c : {&fast, &slow}) {
    c->x->pixelMax = 400;
    c->y->pixelMin = 200;
    for (int i = 0; i < 39800; ++i) {
      const double x = i * 0.0025;
      const double y = 50 + 30 * std::sin(x * 0.3) + ((i * 2654435761u) % 1000) / 50.0 - 10 + (i % 5000 == 0 ? 40 : 0);
      c->ch->AddXY(x, y);
    }
    c->ch->AddXY(100, 50);  // the newest point in a column of its own
  }
  const TInk a = Render(fast, 401, 201), b = Render(slow, 401, 201);
  EXPECT_GT(a.size(), 2000u);
  EXPECT_EQ(a, b);
}

TEST(TraceStraight, WidthOneIsTheCosmeticPenAndWiderPensAreWide) {
  EXPECT_EQ(TracePen(clRed, iplsDash, 1).Width, 0);
  EXPECT_EQ(TracePen(clRed, iplsDash, 1).Style, psDash);
  EXPECT_EQ(TracePen(clRed, iplsSolid, 3).Width, 3);
  TChart c;
  c.Add({{10, 50}, {90, 50}});
  TInk ink = Render(c);
  for (int row : {49, 51}) EXPECT_FALSE(Has(ink, 50, row));
  c.ch->SetTraceLineWidth(3);
  ink = Render(c);
  for (int row : {49, 50, 51}) EXPECT_TRUE(Has(ink, 50, row));
}

// A wide pen's trace goes out as one polyline while its segments join: a
// metafile gets one record, not one per point, and plays back the same picture.
TEST(TraceStraight, AWidePenTraceIsOnePolyline) {
  TChart c;
  c.ch->SetTraceLineWidth(3);
  for (int i = 0; i <= 50; ++i) c.ch->AddXY(i * 2, 50 + 30 * std::sin(i * 0.3));
  TMetafile meta(101, 101);
  {
    TMetafileCanvas rec(meta);
    c.ch->PrepareDraw();
    c.ch->Draw(&rec, clWhite);
  }
  EXPECT_LE(meta.Count(), 4u);
  TBitmap played(101, 101);
  meta.Play(played.Canvas(), {0, 0, 101, 101});
  EXPECT_EQ(InkOf(played), Render(c));
}

TEST(TraceStraight, FillCoversTheAreaDownToTheReference) {
  TChart c;
  c.ch->SetFillEnabled(true);
  c.ch->SetFillUseChannelColor(false);
  c.ch->SetFillColor(clBlue);
  c.ch->SetFillReference(20);
  c.Add({{10, 50}, {90, 50}});
  TBitmap b(101, 101);
  c.ch->PrepareDraw();
  c.ch->Draw(&b.Canvas(), clWhite);
  EXPECT_EQ(b.Pixel(50, 65), clBlue);
  EXPECT_EQ(b.Pixel(50, 50), clBlack);  // the trace over it
  EXPECT_EQ(b.Pixel(50, 85), clWhite);  // below the reference
  EXPECT_EQ(b.Pixel(95, 65), clWhite);
  c.ch->SetFillStyle(bsClear);
  TBitmap clear(101, 101);
  c.ch->PrepareDraw();
  c.ch->Draw(&clear.Canvas(), clWhite);
  EXPECT_EQ(clear.Pixel(50, 65), clWhite);
}

// ---- Steps and digital ------------------------------------------------------

TEST(TraceSteps, LevelsRunRightThenStepAndTheLastOneRunsOnUnlessTerminated) {
  TChart c;
  c.ch->SetInterpolationStyle(ipistDifferential);
  c.Add({{10, 20}, {30, 60}, {50, 40}});
  TInk ink = Render(c);
  EXPECT_TRUE(Has(ink, 20, 80));  // Y 20 from 10 to 30
  EXPECT_TRUE(Has(ink, 30, 60));  // the edge at 30
  EXPECT_TRUE(Has(ink, 40, 40));  // Y 60 from 30 to 50
  EXPECT_TRUE(Has(ink, 99, 60));  // Y 40 on to the right edge
  EXPECT_FALSE(Has(ink, 40, 80));

  c.ch->SetInterpolationStyle(ipistDifferentialTerminated);
  ink = Render(c);
  EXPECT_TRUE(Has(ink, 40, 40));
  EXPECT_FALSE(Has(ink, 70, 60));
}

TEST(TraceSteps, WithEveryPointLeftOfTheViewOnlyTheOpenStyleDraws) {
  TChart c;
  c.x->min = 200;
  c.ch->SetInterpolationStyle(ipistDifferential);
  c.Add({{10, 20}, {30, 60}});
  TInk ink = Render(c);
  for (int x = 0; x < 100; ++x) EXPECT_TRUE(Has(ink, x, 40)) << x;
  c.ch->SetInterpolationStyle(ipistDifferentialTerminated);
  EXPECT_TRUE(Render(c).empty());
}

TEST(TraceSteps, ANullPointEndsTheLevelWithoutAnEdge) {
  TChart c;
  c.ch->SetInterpolationStyle(ipistDifferential);
  c.Add({{10, 20}, {30, 60}, {50, 40}});
  c.ch->SetNull(1, true);
  const TInk ink = Render(c);
  EXPECT_TRUE(Has(ink, 20, 80));
  EXPECT_FALSE(Has(ink, 30, 50));  // no edge at the Null point
  EXPECT_FALSE(Has(ink, 40, 80));
  EXPECT_TRUE(Has(ink, 70, 60));  // the level after the break runs on
}

TEST(TraceDigital, LevelsAndEdgesAndNothingForALoneTrailingPoint) {
  TChart c;
  c.x->span = 10;  // ten pixels a unit
  c.ch->SetDigitalEnabled(true);
  c.Add({{1, 0}, {2, 0}, {3, 5}, {4, 5}, {5, 0}});
  const TInk ink = Render(c);
  EXPECT_TRUE(Has(ink, 20, 90));   // low from 1 to 3
  EXPECT_TRUE(Has(ink, 30, 50));   // edge at 3
  EXPECT_TRUE(Has(ink, 40, 10));   // high from 3 to 5
  EXPECT_TRUE(Has(ink, 50, 50));   // edge at 5
  EXPECT_FALSE(Has(ink, 40, 90));
  EXPECT_FALSE(Has(ink, 55, 90));  // the lone last point adds nothing
  EXPECT_FALSE(Has(ink, 5, 90));
}

TEST(TraceDigital, PercentLevelsArePlacedInTheDataView) {
  TChart c;
  c.plot.master->AddDataView();
  c.plot.master->DataViewManager()->DataView(0)->SetRect(TRect{0, 0, 101, 201});
  c.y->span = 1000;  // the Y range no longer matters
  c.x->span = 10;
  c.ch->SetDigitalEnabled(true);
  c.ch->SetDigitalReferenceStyle(ipdrPercent);
  c.ch->SetDigitalReferenceHigh(75);
  c.Add({{1, 1}, {2, 1}, {3, 0}, {4, 0}});
  const TInk ink = Render(c, 101, 201);
  EXPECT_TRUE(Has(ink, 15, 50));   // 75 % of 201 rows from the bottom
  EXPECT_TRUE(Has(ink, 35, 181));  // 10 %
}

// ---- Curves -----------------------------------------------------------------

TEST(TraceCurves, SplineThroughALineIsTheLineAndFillsThePixelCache) {
  TChart c;
  c.ch->SetInterpolationStyle(ipistCubicSpline);
  c.Add({{10, 10}, {40, 40}, {70, 70}, {90, 90}});
  const TInk ink = Render(c);
  EXPECT_TRUE(Has(ink, 50, 50));
  EXPECT_TRUE(c.ch->PixelCache().Cell(9).Empty);
  EXPECT_FALSE(c.ch->PixelCache().Cell(10).Empty);
  EXPECT_NEAR(c.ch->PixelCache().Cell(55).Value, 55, 1e-9);
  EXPECT_TRUE(c.ch->PixelCache().Cell(91).Empty);
  EXPECT_EQ(MessageOf([&] { c.ch->SetPixelValue(101, 0); }), "Pixel List XPixel out of Range");
}

TEST(TraceCurves, ANullPointSplitsTheSplineIntoPieces) {
  TChart c;
  c.ch->SetInterpolationStyle(ipistCubicSpline);
  c.Add({{10, 10}, {30, 30}, {50, 0}, {70, 70}, {90, 90}});
  c.ch->SetNull(2, true);
  const TInk ink = Render(c);
  EXPECT_TRUE(Has(ink, 20, 80));
  EXPECT_TRUE(Has(ink, 80, 20));
  EXPECT_TRUE(c.ch->PixelCache().Cell(50).Empty);
}

TEST(TraceCurves, PolynomialAndRationalPassThroughThePoints) {
  TChart c;
  c.ch->SetInterpolationStyle(ipistPolynomial);
  c.Add({{0, 0}, {50, 25}, {100, 100}});  // y = x^2 / 100
  Render(c);
  EXPECT_NEAR(c.ch->PixelCache().Cell(30).Value, 9, 1e-9);
  c.ch->SetInterpolationStyle(ipistRational);
  Render(c);
  EXPECT_NEAR(c.ch->PixelCache().Cell(50).Value, 25, 1e-9);
  EXPECT_NEAR(RationalAt({1, 2, 4}, {1, 0.5, 0.25}, 3), 1.0 / 3, 1e-12);  // 1/x is rational
}

TEST(TraceCurves, EqualXValuesRaiseTheirErrorsAndTheFrameIsSkipped) {
  EXPECT_EQ(MessageOf([] { TiCubicSpline({1, 2, 2, 3}, {0, 1, 2, 3}); }), "Splint Error - xa's must be distinct");
  EXPECT_EQ(MessageOf([] { PolynomialAt({1, 1}, {0, 1}, 0.5); }),
            "Polynomial Interpolation Error - Pause in Routine Data");

  TChart c;
  c.ch->SetInterpolationStyle(ipistCubicSpline);
  c.Add({{10, 10}, {20, 20}, {20, 30}, {40, 40}});
  EXPECT_NO_THROW(EXPECT_TRUE(Render(c).empty()));
}

TEST(TraceReduction, TheLinearPixelMapRoundsHalvesToEvenAndClamps) {
  EXPECT_EQ(LinearPixel({0, 0, -1}, 2.5), 2);
  EXPECT_EQ(LinearPixel({0, 0, -1}, 3.5), 4);
  EXPECT_EQ(LinearPixel({0, 0, -1}, -2.5), -2);
  EXPECT_EQ(LinearPixel({1, 0, 1}, 2.5), -1);  // the offset is rounded, then taken from the start
  EXPECT_EQ(LinearPixel({400, 10, 2}, 11.1), 398);
  EXPECT_EQ(LinearPixel({0, 0, -1}, 1e12), 32000);
  EXPECT_EQ(LinearPixel({0, 0, -1}, -1e12), -32000);
  EXPECT_EQ(LinearPixel({0, 0, -1}, HUGE_VAL), 32000);
  EXPECT_EQ(LinearPixel({0, 0, -1}, std::nan("")), -32000);
  // Large values over a small span: the value leaves the origin first.
  EXPECT_EQ(LinearPixel({0, 1e15, -100}, 1e15 + 3.125), 312);
}

// A chart axis maps its values with the very map it offers the walks.
TEST(TraceReduction, AChartAxisOffersTheMapItsValuesUse) {
  TiAxisScale scale;
  scale.Horizontal = true;
  scale.ScaleLeft = 37, scale.ScaleRight = 1037;
  scale.UpdatePixelEnds();
  TiLinearPixelMap map;
  for (auto [min, span] : {std::pair{0.0, 100.0}, {-3.7, 0.011}, {1e15, 2.0}, {45000.5, 1.0 / 1440}}) {
    scale.Min = min, scale.Span = span;
    ASSERT_TRUE(scale.LinearPixelMap(map));
    for (int i = -200; i <= 1200; ++i) {
      const double v = min + span * i / 997.0;
      ASSERT_EQ(LinearPixel(map, v), scale.ValueToPixel(v)) << min << " " << span << " " << v;
    }
  }
  scale.Log10 = true;
  EXPECT_FALSE(scale.LinearPixelMap(map));
}

// Every list kind, as a wrapped ring (the walk reads its records in two runs):
// the fast walk must set the per-point trace's pixels. With Null points inside
// dense columns it may add one pixel per break, no more: the last point before
// a break ends no line in the per-point trace, while a column's stroke always
// shows both its extremes.
TEST(TraceReduction, EveryListKindAndAWrappedRingDrawThePerPointPixels) {
  for (bool nulls : {false, true})
    for (TiPlotDataStyle style : {ipdsStandard, ipdsCompact, ipdsFullFeature}) {
      if (nulls && style == ipdsCompact) continue;  // it keeps no Null points
      TChart fast, slow;
      slow.ch->SetFastDrawEnabled(false);
      int breaks = 0;
      for (TChart* c : {&fast, &slow}) {
        c->ch->SetDataStyle(style);
        c->ch->SetRingBufferSize(20000);
        c->x->pixelMax = 300;
        c->y->pixelMin = 150;
        for (int i = 0; i < 50000; ++i) {
          const double y = 50 + 30 * std::sin(i * 0.001) + ((i * 2654435761u) % 1000) / 40.0 - 12;
          c->ch->AddXY((i - 30000) * 0.005, y);
          if (nulls && i % 777 == 0) c->ch->SetNull(c->ch->Count() - 1, true);
        }
        c->ch->AddXY(100, 50);  // the newest point in a column of its own
      }
      if (nulls) breaks = 20000 / 777 + 1;
      ASSERT_EQ(fast.ch->Count(), 20000);
      const TInk a = Render(fast, 301, 151), b = Render(slow, 301, 151);
      EXPECT_GT(a.size(), 1500u) << style;
      TInk extra;
      for (auto p : a)
        if (!b.count(p)) extra.insert(p);
      EXPECT_EQ(a.size() - extra.size(), b.size()) << style << " misses pixels of the per-point trace";
      EXPECT_LE(extra.size(), static_cast<size_t>(breaks)) << style << " nulls " << nulls;
    }
}

// A dense walk takes a point inside its column's window as being in that
// column without working out its pixel: every such value must map there.
TEST(TraceReduction, ColumnWindowsHoldOnlyValuesOfTheirPixel) {
  for (auto [o, f] : {std::pair{0.0, 1e-4}, {1000.0, -0.37}, {-5e5, 3.3}, {0.5, 1e-9}, {12.0, 7e6}}) {
    const TMappedScale scale(o, f);
    const TiLinearPixelMap map = scale.Map();
    const TiPlotColumnMap columns(scale);
    for (int px : {-31999, -5, 0, 1, 2, 499, 1000, 31999}) {
      double lo, hi;
      columns.Window(px, lo, hi);
      ASSERT_LE(lo, hi) << o << " " << f << " " << px;
      for (double v : {lo, hi, std::nextafter(lo, hi), std::nextafter(hi, lo), (lo + hi) / 2})
        EXPECT_EQ(LinearPixel(map, v), px) << o << " " << f << " " << px << " " << v;
    }
    double lo, hi;
    columns.Window(32000, lo, hi);  // the clamp takes in values far beyond: no window
    EXPECT_GT(lo, hi);
  }
  // Maps as chart axes make them, from their pixel of Min and Min itself.
  for (TiLinearPixelMap map : {TiLinearPixelMap{537, 45000.5, -1e3 * 1440}, {400, -3.7, 300 / 0.011}, {37, 1e6, -0.25}}) {
    const TMappedScale scale(map);
    const TiPlotColumnMap columns(scale);
    for (int px : {-31999, 0, 37, 400, 537, 1000, 31999}) {
      double lo, hi;
      columns.Window(px, lo, hi);
      ASSERT_LE(lo, hi) << map.Origin << " " << px;
      for (double v : {lo, hi, std::nextafter(lo, hi), std::nextafter(hi, lo), (lo + hi) / 2})
        EXPECT_EQ(LinearPixel(map, v), px) << map.Origin << " " << px << " " << v;
    }
  }
  // Far from zero with many pixels per unit the ends could not be placed
  // surely: every point is mapped on its own.
  const TMappedScale far(TiLinearPixelMap{0, 1e15, -1000});
  double lo, hi;
  TiPlotColumnMap(far).Window(10, lo, hi);
  EXPECT_GT(lo, hi);
  EXPECT_EQ(TiPlotColumnMap(far).Pixel(1e15 + 0.125), 125);
}

// A float lies inside the single-precision window exactly when it lies inside
// the double one, out to the ends of the float range.
TEST(TraceReduction, SingleWindowsHoldTheFloatsOfTheirDoubleWindow) {
  constexpr float inf = HUGE_VALF;
  const std::pair<double, double> windows[] = {{0.1, 0.3},      {-0.3, -0.1},    {1e7 - 0.49, 1e7 + 0.49},
                                               {0.1, 0.1},      {1.0, 1.0},      {-1e300, 1e300},
                                               {1e300, 2e300},  {-2e300, -1e300}, {-HUGE_VAL, HUGE_VAL},
                                               {3.5e38, 1e300}, {-1e-300, 1e-300}};
  for (auto [lo, hi] : windows) {
    float a, b;
    SingleWindow(lo, hi, a, b);
    std::vector<float> probes = {0.0f, -0.0f, inf, -inf, FLT_MAX, -FLT_MAX, FLT_TRUE_MIN, -FLT_TRUE_MIN};
    for (double edge : {lo, hi}) {
      const float f = static_cast<float>(std::clamp(edge, -double{FLT_MAX}, double{FLT_MAX}));
      probes.insert(probes.end(), {f, std::nextafter(f, inf), std::nextafter(f, -inf)});
    }
    for (float f : probes)
      EXPECT_EQ(f >= a && f <= b, f >= lo && f <= hi) << lo << " " << hi << " " << f;
  }
  for (auto [lo, hi] : {std::pair{1.0, 0.0}, {NAN, 1.0}, {0.0, NAN}, {0.1, 0.1 + 1e-17}}) {
    float a, b;
    SingleWindow(lo, hi, a, b);
    EXPECT_GT(a, b) << lo << " " << hi;  // no float inside
  }
}

namespace {
double Noise(int i) { return ((i * 2654435761u) % 1000) / 20.0 - 25; }

// X running back over earlier columns now and then.
void AddGoingBack(TiPlotDataCustomList& list) {
  for (int i = 0; i < 30000; ++i) {
    const double saw = (i % 3000) * 0.03 + (i / 3000) * 0.11;
    list.Add(i % 7000 < 3500 ? saw : 100 - saw, 50 + Noise(i));
  }
}
}  // namespace

// The compact list's walk takes its records sixteen at a time inside a column
// and falls back to one at a time where a block leaves the column or holds a
// value that is not finite. It must draw the very lines of the walk that reads
// every point through the list's virtual read: columns of every size against
// the block grid, points just either side of column edges, NaN and infinite
// values (a NaN becomes the column's minimum until the next value replaces
// it), X going back to earlier columns, and a wrapped ring read in two runs.
TEST(TraceReduction, TheCompactBlockWalkDrawsTheLinesOfThePointByPointWalk) {
  const TMappedScale xs(0.37, 2.9, -1e6, 1e6), ys(16000, -150, -100, 200);
  const auto check = [&](TiPlotDataCompactList& list, const char* what) {
    const auto fast = ReducedLines(list, xs, ys);
    const auto slow = ReducedLines(static_cast<TiPlotDataCustomList&>(list), xs, ys);
    EXPECT_GT(fast.size(), 100u) << what;
    EXPECT_TRUE(fast == slow) << what << ": " << fast.size() << " lines against " << slow.size();
  };
  // the X value of the edge between pixel columns px - 1 and px
  const auto edge = [&](int px) { return (px - 0.5 - xs.offset) / xs.factor; };

  {
    TiPlotDataCompactList list;
    int i = 0;
    for (int px = 0; px < 290; ++px) {
      const int n = px % 41 + 1;  // column sizes 1..41 meet the block grid at every offset
      const double a = edge(px), b = edge(px + 1);
      for (int k = 0; k < n; ++k, ++i) {
        double x = a + (b - a) * (k + 0.5) / n;
        if (k == 0) x = std::nextafter(static_cast<float>(a), HUGE_VALF);  // the first float of the column
        if (k == n - 1) x = std::nextafter(static_cast<float>(b), -HUGE_VALF);  // and its last
        list.Add(x, 50 + 40 * std::sin(i * 0.01) + Noise(i));
      }
    }
    check(list, "columns of every size");
  }
  for (int period : {97, 16, 15, 1000}) {
    TiPlotDataCompactList list;
    for (int i = 0; i < 30000; ++i) {
      double y = 50 + 40 * std::sin(i * 0.002) + Noise(i);
      if (i % period == 0) y = NAN;
      if (i % period == 5) y = (i / period) % 2 ? HUGE_VAL : -HUGE_VAL;
      if (i % 1024 >= 1000) y = NAN;  // whole blocks of NaN, the last before a block without
      list.Add(i * 0.0033, y);
    }
    check(list, ("NaN every " + std::to_string(period)).c_str());
  }
  {
    TiPlotDataCompactList list;
    AddGoingBack(list);
    check(list, "X going back");
  }
  {
    TiPlotDataCompactList list;
    list.SetRingBufferSize(5003);
    for (int i = 0; i < 12345; ++i) list.Add((i - 7342) * 0.019, 50 + 30 * std::cos(i * 0.01) + Noise(i));
    ASSERT_NE(list.RingStart() % TiPlotCompactWalk::Block, 0);
    check(list, "wrapped ring");
  }
}

// The standard list's walk takes its records eight at a time inside a column
// and falls back to one at a time where a block leaves the column, holds a
// Null or Empty point or a value that is not finite. Its flag word also holds
// the marker bits, which must not stop a block. It must draw the very lines of
// the walk that reads every point through the list's virtual read.
TEST(TraceReduction, TheStandardBlockWalkDrawsTheLinesOfThePointByPointWalk) {
  const TMappedScale xs(0.37, 2.9, -1e6, 1e6), ys(16000, -150, -100, 200);
  const auto check = [&](TiPlotDataNullList& list, const char* what) {
    const auto fast = ReducedLines(list, xs, ys);
    const auto slow = ReducedLines(static_cast<TiPlotDataCustomList&>(list), xs, ys);
    EXPECT_GT(fast.size(), 100u) << what;
    EXPECT_TRUE(fast == slow) << what << ": " << fast.size() << " lines against " << slow.size();
  };
  const auto edge = [&](int px) { return (px - 0.5 - xs.offset) / xs.factor; };
  const auto markers = [](TiPlotDataNullList& list, int i) {
    list.SetMarkersVisible(i, i % 3 == 0);
    list.SetMarkersStyle(i, static_cast<TiPlotMarkerStyle>(i % 16));
  };

  {
    TiPlotDataNullList list;
    int i = 0;
    for (int px = 0; px < 290; ++px) {
      const int n = px % 21 + 1;  // column sizes 1..21 meet the block grid at every offset
      const double a = edge(px), b = edge(px + 1);
      for (int k = 0; k < n; ++k, ++i) {
        double x = a + (b - a) * (k + 0.5) / n;
        if (k == 0) x = std::nextafter(a, HUGE_VAL);
        if (k == n - 1) x = std::nextafter(b, -HUGE_VAL);
        list.Add(x, 50 + 40 * std::sin(i * 0.01) + Noise(i));
        markers(list, i);
      }
    }
    check(list, "columns of every size, markers on");
  }
  for (int period : {97, 8, 7, 9, 1000}) {
    TiPlotDataNullList list;
    for (int i = 0; i < 30000; ++i) {
      double x = i * 0.0033, y = 50 + 40 * std::sin(i * 0.002) + Noise(i);
      if (i % period == 0) y = NAN;
      if (i % period == 5) y = (i / period) % 2 ? HUGE_VAL : -HUGE_VAL;
      if (i % 1024 >= 1000) y = NAN;  // whole blocks of NaN, the last before a block without
      if (i % 2011 == 3) x = NAN;
      list.Add(x, y);
      markers(list, i);
    }
    check(list, ("NaN every " + std::to_string(period)).c_str());
  }
  for (int period : {101, 8, 13}) {
    TiPlotDataNullList list;
    for (int i = 0; i < 30000; ++i) {
      list.Add(i * 0.0033, 50 + 40 * std::sin(i * 0.002) + Noise(i));
      markers(list, i);
      if (i % period == 0) list.SetNull(i, true);
      if (i % period == 4 || i % period == 7) list.SetEmpty(i, true);  // first and last of a block
      if (i % (3 * period) == 2) list.SetNull(i, true), list.SetEmpty(i, true);
      if (i % 4096 >= 4070) list.SetEmpty(i, true);  // whole blocks of Empty points
    }
    check(list, ("Null and Empty every " + std::to_string(period)).c_str());
  }
  {
    TiPlotDataNullList list;
    AddGoingBack(list);
    check(list, "X going back");
  }
  {
    TiPlotDataNullList list;
    list.SetRingBufferSize(5003);
    for (int i = 0; i < 12345; ++i) {
      list.Add((i - 7342) * 0.019, 50 + 30 * std::cos(i * 0.01) + Noise(i));
      if (i % 500 == 0) list.SetNull(list.Count() - 1, true);
    }
    ASSERT_NE(list.RingStart() % TiPlotStandardWalk::Block, 0);
    check(list, "wrapped ring");
  }
}
