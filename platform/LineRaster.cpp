#include "platform/LineRaster.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace platform {

namespace {

// The steps i (0 <= i < steps) whose major coordinate start + dir * i lies in
// [lo, hi).
void StepsInside(int start, int dir, int lo, int hi, int steps, int& first, int& end) {
  if (dir > 0) {
    first = std::max(0, lo - start);
    end = std::min(steps, hi - start);
  } else {
    first = std::max(0, start - (hi - 1));
    end = std::min(steps, start - lo + 1);
  }
}

// The rows of a disk of diameter `width` around a pixel: for each row offset,
// the first and last column offset. Even widths lean up and left, as a
// painter's wide pens do on whole-pixel coordinates.
struct TDisk {
  int Top = 0, Rows = 0;
  int Left[kRasterWidestPen], Right[kRasterWidestPen];
};

const TDisk& DiskOf(int width) {
  static const auto disks = [] {
    std::array<TDisk, kRasterWidestPen + 1> all{};
    for (int w = 1; w <= kRasterWidestPen; ++w) {
      TDisk& d = all[static_cast<size_t>(w)];
      const int lo = -(w / 2), hi = lo + w - 1;
      const double c = (lo + hi) / 2.0, r2 = w * w / 4.0 + 1e-9;
      d.Top = lo;
      d.Rows = w;
      for (int row = 0; row < w; ++row) {
        const double dy = lo + row - c;
        d.Left[row] = hi + 1, d.Right[row] = lo - 1;
        for (int dx = lo; dx <= hi; ++dx)
          if ((dx - c) * (dx - c) + dy * dy <= r2) d.Left[row] = std::min(d.Left[row], dx), d.Right[row] = std::max(d.Right[row], dx);
      }
    }
    return all;
  }();
  return disks[static_cast<size_t>(width)];
}

void Stamp(const TPixelTarget& t, const TDisk& d, int x, int y, uint32_t pixel) {
  for (int row = 0; row < d.Rows; ++row) {
    const int py = y + d.Top + row;
    if (py < t.Clip.Top || py >= t.Clip.Bottom) continue;
    const int from = std::max(x + d.Left[row], t.Clip.Left), to = std::min(x + d.Right[row], t.Clip.Right - 1);
    uint32_t* line = t.Bits + int64_t{py} * t.Stride;
    for (int px = from; px <= to; ++px) line[px] = pixel;
  }
}

}  // namespace

void RasterWideLine(const TPixelTarget& t, TPoint from, TPoint to, int width, uint32_t pixel) {
  width = std::clamp(width, 1, kRasterWidestPen);
  const TDisk& d = DiskOf(width);
  const int reach = width;
  if (std::max(from.X, to.X) + reach < t.Clip.Left || std::min(from.X, to.X) - reach >= t.Clip.Right ||
      std::max(from.Y, to.Y) + reach < t.Clip.Top || std::min(from.Y, to.Y) - reach >= t.Clip.Bottom)
    return;
  const int dx = to.X - from.X, dy = to.Y - from.Y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0) {
    Stamp(t, d, from.X, from.Y, pixel);
    return;
  }
  // The same centre pixels as a one-pixel line, plus its end.
  const int64_t twoSteps = 2 * int64_t{steps};
  for (int i = 0; i <= steps; ++i) {
    const auto along = [&](int delta) {
      const int64_t num = 2 * int64_t{i} * std::abs(delta) + steps;
      return static_cast<int>(num / twoSteps) * (delta < 0 ? -1 : 1);
    };
    const int x = from.X + along(dx), y = from.Y + along(dy);
    if (x + reach < t.Clip.Left || x - reach >= t.Clip.Right || y + reach < t.Clip.Top || y - reach >= t.Clip.Bottom)
      continue;
    Stamp(t, d, x, y, pixel);
  }
}

void RasterLine(const TPixelTarget& t, TPoint from, TPoint to, uint32_t pixel) {
  const int dx = to.X - from.X, dy = to.Y - from.Y;
  const int adx = std::abs(dx), ady = std::abs(dy);
  const bool alongX = adx >= ady;
  const int steps = alongX ? adx : ady;
  if (steps == 0) return;
  const int major = alongX ? from.X : from.Y, minor = alongX ? from.Y : from.X;
  const int majorDir = (alongX ? dx : dy) < 0 ? -1 : 1;
  const int minorDir = (alongX ? dy : dx) < 0 ? -1 : 1;
  const int64_t minorSpan = alongX ? ady : adx;
  const int minorLo = alongX ? t.Clip.Top : t.Clip.Left, minorHi = alongX ? t.Clip.Bottom : t.Clip.Right;

  int first, end;
  if (alongX)
    StepsInside(major, majorDir, t.Clip.Left, t.Clip.Right, steps, first, end);
  else
    StepsInside(major, majorDir, t.Clip.Top, t.Clip.Bottom, steps, first, end);
  if (first >= end) return;

  // The minor offset at step i is floor((2 i minorSpan + steps) / (2 steps)).
  const int64_t twoSteps = 2 * int64_t{steps};
  int64_t num = 2 * first * minorSpan + steps;
  int m = minor + minorDir * static_cast<int>(num / twoSteps);
  num %= twoSteps;
  const int64_t inc = 2 * minorSpan;
  const int majorStride = alongX ? majorDir : majorDir * t.Stride;
  const int minorStride = alongX ? minorDir * t.Stride : minorDir;
  const int a0 = major + majorDir * first;
  // An offset, not a pointer: it may point outside the image while the
  // minor coordinate is outside the clip.
  int64_t at = alongX ? int64_t{m} * t.Stride + a0 : int64_t{a0} * t.Stride + m;
  for (int i = first; i < end; ++i) {
    if (m >= minorLo && m < minorHi) t.Bits[at] = pixel;
    at += majorStride;
    num += inc;
    if (num >= twoSteps) {
      num -= twoSteps;
      m += minorDir;
      at += minorStride;
    }
  }
}

}  // namespace platform
