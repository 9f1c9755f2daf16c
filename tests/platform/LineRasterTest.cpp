#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/LineRaster.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

const bool kApplication = [] {
  platform::EnsureApplication();
  return true;
}();

// The pixels of a line by the plain rule, one step at a time: every step
// along the longer axis, the other coordinate rounded to the nearest pixel,
// halves away from the start; the last point left out.
Pixels Reference(TPoint a, TPoint b, const TRect& clip) {
  Pixels out;
  const int dx = b.X - a.X, dy = b.Y - a.Y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  const auto along = [steps](int d, int i) {
    const long long num = 2LL * i * std::abs(d) + steps;
    return static_cast<int>(num / (2LL * steps)) * (d < 0 ? -1 : 1);
  };
  for (int i = 0; i < steps; ++i) {
    const int x = a.X + along(dx, i), y = a.Y + along(dy, i);
    if (clip.Contains({x, y})) out.insert({x, y});
  }
  return out;
}

Pixels Painted(const QImage& image, QRgb background) {
  Pixels out;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) out.insert({x, y});
  return out;
}

Pixels Rastered(int w, int h, const TRect& clip, TPoint a, TPoint b) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  platform::TPixelTarget t{reinterpret_cast<uint32_t*>(image.bits()), static_cast<int>(image.bytesPerLine() / 4), clip};
  platform::RasterLine(t, a, b, 0xFF000000u);
  return Painted(image, QColor(Qt::white).rgb());
}

TEST(LineRaster, EveryStepOnePixelFromStartToJustBeforeTheEnd) {
  const TRect all{0, 0, 40, 30};
  for (const auto& [a, b] : std::vector<std::pair<TPoint, TPoint>>{
           {{2, 3}, {30, 3}}, {{30, 3}, {2, 3}}, {{5, 1}, {5, 25}}, {{5, 25}, {5, 1}},
           {{1, 1}, {21, 21}}, {{21, 1}, {1, 21}}, {{3, 20}, {35, 4}}, {{35, 4}, {3, 20}}, {{10, 2}, {14, 28}}}) {
    const Pixels got = Rastered(40, 30, all, a, b);
    EXPECT_EQ(got, Reference(a, b, all)) << a.X << "," << a.Y << " -> " << b.X << "," << b.Y;
    EXPECT_EQ(got.size(), static_cast<size_t>(std::max(std::abs(b.X - a.X), std::abs(b.Y - a.Y))));
    EXPECT_TRUE(got.count({a.X, a.Y}));
    EXPECT_FALSE(got.count({b.X, b.Y}));
  }
  EXPECT_TRUE(Rastered(40, 30, all, {4, 4}, {4, 4}).empty());
}

// Far ends (a scale clamps pixels to +-32000) and clips on every side: only
// the part inside the clip is set, exactly where the whole line would be.
TEST(LineRaster, ClippedLinesSetExactlyTheirPixelsInsideTheClip) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> near(-20, 80), far(-32000, 32000);
  const TRect clip{10, 5, 50, 45};
  for (int n = 0; n < 2000; ++n) {
    const bool wide = n % 3 == 0;
    const TPoint a{wide ? far(random) : near(random), near(random)};
    const TPoint b{near(random), wide ? far(random) : near(random)};
    ASSERT_EQ(Rastered(60, 50, clip, a, b), Reference(a, b, clip))
        << a.X << "," << a.Y << " -> " << b.X << "," << b.Y;
  }
}

// A bitmap's canvas sets solid one-pixel lines itself: through its clip,
// each segment of a polyline leaving out its own last pixel only, in the
// pen's colour; dashed pens still draw through the painter.
TEST(LineRaster, BitmapCanvasDrawsLinesAndPolylinesByThePlainRule) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> coord(-10, 70);
  const TRect clip{5, 5, 55, 55};
  for (int n = 0; n < 200; ++n) {
    std::vector<TPoint> points;
    for (int k = 0; k < 4; ++k) points.push_back({coord(random), coord(random)});
    TBitmap bmp(60, 60);
    TCanvas& c = bmp.Canvas();
    c.Pen = {clRed, 1, psSolid, pmCopy};
    c.SetClipRect(clip);
    c.MoveTo(points[0].X, points[0].Y);
    c.LineTo(points[1].X, points[1].Y);
    c.Polyline({points[1], points[2], points[3]});
    Pixels want;
    for (int k = 0; k < 3; ++k) want.merge(Reference(points[k], points[k + 1], clip));
    Pixels got;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x) {
        const TColor p = bmp.Pixel(x, y);
        if (p == clWhite) continue;
        ASSERT_EQ(p, clRed);
        got.insert({x, y});
      }
    ASSERT_EQ(got, want) << n;
  }
  TBitmap dashed(40, 10);
  dashed.Canvas().Pen = {clBlack, 1, psDot, pmCopy};
  dashed.Canvas().MoveTo(0, 5);
  dashed.Canvas().LineTo(39, 5);
  EXPECT_EQ(dashed.Pixel(0, 5), clBlack);
  EXPECT_EQ(dashed.Pixel(4, 5), clWhite);  // a gap of the dots
}

double DistanceToSegment(double px, double py, TPoint a, TPoint b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y, len2 = dx * dx + dy * dy;
  double t = len2 == 0 ? 0 : ((px - a.X) * dx + (py - a.Y) * dy) / len2;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = a.X + t * dx - px, ey = a.Y + t * dy - py;
  return std::sqrt(ex * ex + ey * ey);
}

// A wide line is a disk swept along the line: everything well inside the pen
// is set, nothing well outside it, ends and corners round, and nothing
// outside the clip.
TEST(LineRaster, WideLinesCoverThePenAroundTheLineAndStayInTheClip) {
  std::mt19937 random(5);
  std::uniform_int_distribution<int> coord(-5, 65);
  const TRect clip{4, 6, 56, 50};
  for (int n = 0; n < 400; ++n) {
    const int width = 2 + n % (platform::kRasterWidestPen - 1);
    const TPoint a{coord(random), coord(random)}, b{coord(random), coord(random)};
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::TPixelTarget t{reinterpret_cast<uint32_t*>(image.bits()), static_cast<int>(image.bytesPerLine() / 4), clip};
    platform::RasterWideLine(t, a, b, width, 0xFF000000u);
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x) {
        const bool set = image.pixel(x, y) != QColor(Qt::white).rgb();
        // Even widths lean up and left by half a pixel.
        const double shift = width % 2 == 0 ? 0.5 : 0.0;
        const double d = DistanceToSegment(x + shift, y + shift, a, b);
        if (!clip.Contains({x, y})) {
          ASSERT_FALSE(set) << x << "," << y;
        } else if (d <= width / 2.0 - 1.0) {
          ASSERT_TRUE(set) << "hole at " << x << "," << y << " width " << width;
        } else if (d > width / 2.0 + 1.0) {
          ASSERT_FALSE(set) << "stray at " << x << "," << y << " width " << width;
        }
      }
  }
}

}  // namespace
