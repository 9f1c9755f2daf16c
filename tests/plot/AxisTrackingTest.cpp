#include <gtest/gtest.h>

#include <cmath>

#include "platform/Exception.h"
#include "plot/iAxisTracking.h"

namespace {
struct Tracker {
  TiTrackSettings settings;
  TiAxisRange range{0, 100};
  bool seen = false;
  TiTrackAction Feed(double v) {
    const TiTrackStep step = TrackValue(settings, range, v, seen);
    if (step.Action == itaSetRange) range = step.Range;
    return step.Action;
  }
};
}  // namespace

TEST(Tracking, SmoothScrollKeepsTheNewestValueAtTheEnd) {
  Tracker x;
  x.settings = {iptsScrollSmooth, ipafsAuto, 0};
  for (int i = 0; i <= 100; ++i) x.Feed(i);
  EXPECT_EQ(x.range, (TiAxisRange{0, 100}));
  x.Feed(101);
  EXPECT_EQ(x.range, (TiAxisRange{1, 100}));
  x.Feed(102);
  EXPECT_EQ(x.range, (TiAxisRange{2, 100}));
  for (int i = 103; i < 1000; ++i) x.Feed(i);
  EXPECT_EQ(x.range, (TiAxisRange{899, 100}));
  // A value before the start moves the start to it.
  x.Feed(500);
  EXPECT_EQ(x.range, (TiAxisRange{500, 100}));
}

TEST(Tracking, SmoothScrollCompressesUpToTheLimitFirst) {
  Tracker x;
  x.settings = {iptsScrollSmooth, ipafsNone, 200};
  x.Feed(150);
  EXPECT_EQ(x.range, (TiAxisRange{0, 150}));
  x.Feed(250);  // the limit is compared with the span before the step
  EXPECT_EQ(x.range, (TiAxisRange{0, 250}));
  x.Feed(260);
  EXPECT_EQ(x.range, (TiAxisRange{60, 200}));
  x.Feed(300);
  EXPECT_EQ(x.range, (TiAxisRange{100, 200}));
  for (int v = 301; v < 310; ++v) {
    x.Feed(v);
    EXPECT_EQ(x.range.Span, 200);  // settled at the limit, no jitter
  }
}

TEST(Tracking, PageScrollMovesExactlyOnePage) {
  Tracker x;
  x.settings = {iptsScrollPage, ipafsNone, 0};
  x.Feed(250);  // one and a half pages beyond the end
  EXPECT_EQ(x.range, (TiAxisRange{100, 100}));
  x.Feed(50);  // before the start: one page back
  EXPECT_EQ(x.range, (TiAxisRange{0, 100}));
}

TEST(Tracking, ScaleStylesWidenOrSlide) {
  Tracker max;
  max.settings.Style = iptsScaleMax;
  max.Feed(250);
  EXPECT_EQ(max.range, (TiAxisRange{0, 250}));
  max.Feed(-10);
  EXPECT_EQ(max.range, (TiAxisRange{0, 250}));

  Tracker min;
  min.settings.Style = iptsScaleMin;
  min.Feed(-30);
  EXPECT_EQ(min.range, (TiAxisRange{-30, 100}));
  min.Feed(500);
  EXPECT_EQ(min.range, (TiAxisRange{-30, 100}));
}

TEST(Tracking, ScaleMinMaxWidensToTheDataAndNeverShrinks) {
  Tracker y;
  y.range = {0, 4000};
  y.settings.Style = iptsScaleMinMax;
  for (double v : {1200.0, 5000.0, 3000.0, 6500.0, 10.0}) y.Feed(v);
  EXPECT_EQ(y.range, (TiAxisRange{0, 6500}));
  y.Feed(-100);  // slides down, keeping the span
  EXPECT_EQ(y.range, (TiAxisRange{-100, 6500}));
}

TEST(Tracking, FirstValueAlignment) {
  struct Case { TiPlotTrackingAlignFirstStyle align; double v; TiAxisRange range; };
  for (Case c : {Case{ipafsMin, 40, {40, 100}}, {ipafsMax, 40, {-60, 100}}, {ipafsAuto, 40, {0, 100}},
                 {ipafsAuto, 500, {500, 100}}, {ipafsNone, 40, {0, 100}}}) {
    Tracker t;
    t.settings = {iptsScaleMinMax, c.align, 0};
    t.Feed(c.v);
    EXPECT_TRUE(t.seen);
    EXPECT_EQ(t.range, c.range) << int(c.align) << " " << c.v;
  }
  Tracker again;
  again.settings = {iptsScaleMin, ipafsMin, 0};
  again.Feed(40);
  again.Feed(70);  // only the first value aligns
  EXPECT_EQ(again.range, (TiAxisRange{40, 100}));
}

TEST(Tracking, ExpandCollapseHandsOverToZoomToFit) {
  Tracker t;
  t.settings.Style = iptsExpandCollapse;
  EXPECT_EQ(t.Feed(5), itaZoomToFit);
  t.settings.Style = iptsExpandCollapseFast;
  EXPECT_EQ(t.Feed(5), itaZoomToFitFast);
}

TEST(ZoomAndScroll, ZoomKeepsTheCentre) {
  EXPECT_EQ(ZoomRange({0, 100}, 0.5, false), (TiAxisRange{25, 50}));
  EXPECT_EQ(ZoomRange({0, 100}, 2, false), (TiAxisRange{-50, 200}));
  const TiAxisRange log = ZoomRange({10, 90}, 1, true);
  EXPECT_DOUBLE_EQ(log.Min, 1);
  EXPECT_DOUBLE_EQ(log.Span, 900);
}

TEST(ZoomAndScroll, ZoomFactorMustBePositiveOnALinearScale) {
  for (double bad : {0.0, -1.0, std::nan("")}) {
    try {
      ZoomRange({0, 100}, bad, false);
      FAIL() << bad;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, "Linear Scale Zoom Factor must be Greater than Zero");
    }
  }
}

TEST(ZoomAndScroll, ZoomByFractionOfADecade) {
  const TiAxisRange in = ZoomRangeBy({0, 100}, 0.025, false);
  EXPECT_NEAR(in.Span, 100 / std::pow(10.0, 0.025), 1e-12);
  EXPECT_NEAR(in.Min + in.Span / 2, 50, 1e-12);
  const TiAxisRange log = ZoomRangeBy({10, 90}, 1, true);
  EXPECT_DOUBLE_EQ(log.Min, 100);
  EXPECT_DOUBLE_EQ(log.Span, 9);
}

TEST(ZoomAndScroll, ScrollStaysInsideItsLimits) {
  const TiScrollLimits limits{true, 0, 100};
  EXPECT_EQ(ScrollRangeBy({0, 50}, 1.5, false, limits), (TiAxisRange{50, 50}));
  EXPECT_EQ(ScrollRangeBy({0, 50}, -0.1, false, limits), (TiAxisRange{0, 50}));
  EXPECT_EQ(ScrollRangeBy({30, 50}, -7, false, limits), (TiAxisRange{0, 50}));
  EXPECT_EQ(ScrollRangeBy({0, 50}, 1.5, false, {}), (TiAxisRange{75, 50}));
  EXPECT_EQ(ScrollRangeBy({0, 100}, 0.05, false, {}), (TiAxisRange{5, 100}));
}

TEST(ZoomAndScroll, LogScrollMovesByDecades) {
  const TiAxisRange r = ScrollRangeBy({1, 99}, 0.5, true, {});
  EXPECT_NEAR(r.Min, 10, 1e-9);
  EXPECT_NEAR(r.Min + r.Span, 1000, 1e-9);
}
