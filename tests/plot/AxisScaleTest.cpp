#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "plot/iAxisScale.h"

namespace {
TiAxisScale Horizontal(double min, double span, bool reverse = false, bool log = false) {
  TiAxisScale s;
  s.Min = min;
  s.Span = span;
  s.Horizontal = true;
  s.Reverse = reverse;
  s.Log10 = log;
  s.ScaleLeft = 50;
  s.ScaleRight = 450;
  s.ScaleTop = 300;
  s.ScaleBottom = 330;
  s.UpdatePixelEnds();
  return s;
}
TiAxisScale Vertical(double min, double span, bool reverse = false, bool log = false) {
  TiAxisScale s;
  s.Min = min;
  s.Span = span;
  s.Reverse = reverse;
  s.Log10 = log;
  s.ScaleLeft = 0;
  s.ScaleRight = 40;
  s.ScaleTop = 20;
  s.ScaleBottom = 220;
  s.UpdatePixelEnds();
  return s;
}
}  // namespace

TEST(AxisScale, EndsOfTheRangeSitAtTheEndsOfTheScale) {
  const TiAxisScale x = Horizontal(0, 100);
  EXPECT_EQ(x.ValueToPixel(0), 50);
  EXPECT_EQ(x.ValueToPixel(100), 450);
  EXPECT_EQ(x.ValueToPixel(25), 150);
  const TiAxisScale xr = Horizontal(0, 100, true);
  EXPECT_EQ(xr.ValueToPixel(0), 450);
  EXPECT_EQ(xr.ValueToPixel(100), 50);
  const TiAxisScale y = Vertical(0, 4000);
  EXPECT_EQ(y.ValueToPixel(0), 220);
  EXPECT_EQ(y.ValueToPixel(4000), 20);
  const TiAxisScale yr = Vertical(0, 4000, true);
  EXPECT_EQ(yr.ValueToPixel(0), 20);
  EXPECT_EQ(yr.PixelLength(), 200);
}

TEST(AxisScale, ZeroSpanMapsEverythingToTheMiddle) {
  const TiAxisScale x = Horizontal(10, 1e-300);
  for (double v : {-1e300, 0.0, 10.0, 1e300}) EXPECT_EQ(x.ValueToPixel(v), 250);
  TiAxisScale empty = Horizontal(0, 100);
  empty.ScaleRight = empty.ScaleLeft;
  empty.UpdatePixelEnds();
  EXPECT_EQ(empty.ValueToPixel(42), 50);
  EXPECT_EQ(empty.PixelToValue(77), 0);  // no length: Min
}

TEST(AxisScale, PixelsAreClampedToTheDrawableRange) {
  const TiAxisScale x = Horizontal(0, 1);
  EXPECT_EQ(x.ValueToPixel(1e300), 32000);
  EXPECT_EQ(x.ValueToPixel(-1e300), -32000);
  EXPECT_EQ(x.ValueToPixel(INFINITY), 32000);
  EXPECT_FALSE(x.IsValueVisible(NAN));
  const TiAxisScale log = Horizontal(1, 9, false, true);
  EXPECT_EQ(log.ValueToPixel(1e300), 32000);
}

TEST(AxisScale, LogScaleMiddleOfOneToHundredIsTen) {
  const TiAxisScale x = Horizontal(1, 99, false, true);
  EXPECT_EQ(x.ValueToPixel(10), 250);
  EXPECT_EQ(x.ValueToPixel(1), 50);
  EXPECT_EQ(x.ValueToPixel(100), 450);
  // A value that is not positive is taken as 1.
  EXPECT_EQ(x.ValueToPixel(-5), 50);
  EXPECT_NEAR(x.PixelToValue(250), 10, 1e-9);
  const TiAxisScale y = Vertical(1, 99, false, true);
  EXPECT_EQ(y.ValueToPixel(10), 120);
}

TEST(AxisScale, RoundTripsStayWithinOnePixel) {
  for (bool log : {false, true})
    for (bool reverse : {false, true})
      for (bool horizontal : {false, true}) {
        const TiAxisScale s = horizontal ? Horizontal(log ? 1 : -37, 1234, reverse, log)
                                         : Vertical(log ? 1 : -37, 1234, reverse, log);
        const int lo = horizontal ? s.ScaleLeft : s.ScaleTop, hi = horizontal ? s.ScaleRight : s.ScaleBottom;
        for (int p = lo; p <= hi; ++p) EXPECT_LE(std::abs(s.ValueToPixel(s.PixelToValue(p)) - p), 1);
        for (int i = 0; i <= 100; ++i) {
          const double v = log ? std::pow(10.0, i * std::log10(1235.0) / 100) : -37 + 12.34 * i;
          const double back = s.PixelToValue(s.ValueToPixel(v));
          EXPECT_LE(std::fabs(s.ValueToPixel(back) - s.ValueToPixel(v)), 1);
        }
      }
}

TEST(AxisScale, VisibilityIncludesTheEdges) {
  const TiAxisScale x = Horizontal(0, 100);
  EXPECT_TRUE(x.IsValueVisible(0));
  EXPECT_TRUE(x.IsValueVisible(100));
  EXPECT_TRUE(x.IsValueVisible(100.1));  // still rounds onto the last pixel
  EXPECT_FALSE(x.IsValueVisible(101));
  EXPECT_FALSE(x.IsValueVisible(-1));
  EXPECT_EQ(x.ValueToPixelLength(25), 100);
  EXPECT_EQ(x.ValueToPixelLength(-25), 100);
}

TEST(AxisScale, ARangeThatMovedMapsAtOnce) {
  TiAxisScale x = Horizontal(0, 100);
  x.Span = 200;  // tracking changed the span after the layout pass
  EXPECT_EQ(x.ValueToPixel(200), 450);
}
