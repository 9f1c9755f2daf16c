#include "platform/LineRaster.h"

#include <algorithm>
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

}  // namespace

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
