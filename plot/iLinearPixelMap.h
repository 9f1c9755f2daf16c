// The value -> pixel map of a linear scale: Start - round((v - Origin) *
// Factor), rounded halves to even and clamped to +-32000, a NaN value to
// -32000. Axes map their values with it, and the trace walks map millions
// of points with it in line instead of asking the axis per point.
//
// The value is taken away from the origin before it is scaled, so a range of
// large values with a small span (1e15 + a few units) still maps exactly.
#pragma once

struct TiLinearPixelMap {
  int Start = 0;
  double Origin = 0;
  double Factor = 1;  // pixels per unit, positive where pixels fall as values grow
};

constexpr double kPixelLimit = 32000;

// start - round(offset), limited to the drawable range. The offset is
// limited first so that rounding never overflows. Adding and taking away
// 1.5 * 2^52 rounds in the FPU's default mode without a library call.
inline int PixelFromOffset(int start, double offset) {
  if (!(offset == offset)) return static_cast<int>(-kPixelLimit);
  offset = offset < -4 * kPixelLimit ? -4 * kPixelLimit : (offset > 4 * kPixelLimit ? 4 * kPixelLimit : offset);
  const double rounded = (offset + 6755399441055744.0) - 6755399441055744.0;
  double pixel = start - rounded;
  pixel = pixel < -kPixelLimit ? -kPixelLimit : (pixel > kPixelLimit ? kPixelLimit : pixel);
  return static_cast<int>(pixel);
}

inline int LinearPixel(const TiLinearPixelMap& map, double v) {
  return PixelFromOffset(map.Start, (v - map.Origin) * map.Factor);
}
