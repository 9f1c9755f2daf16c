// Solid one-pixel lines written straight into 32-bit pixels. A chart's trace
// is thousands of short lines; a painter call per line costs far more than
// the few pixels each one sets.
#pragma once
#include <cstdint>

#include "platform/Types.h"

namespace platform {

struct TPixelTarget {
  uint32_t* Bits;
  int Stride;  // in pixels
  TRect Clip;  // inside the image; pixels outside it are left alone
};

// Sets the pixels of the line from `from` towards `to`, leaving out `to`
// itself: one pixel per step along the longer axis, the other coordinate
// rounded to the nearest pixel (halves away from `from`).
void RasterLine(const TPixelTarget& target, TPoint from, TPoint to, uint32_t pixel);

// The widest pen RasterWideLine draws.
constexpr int kRasterWidestPen = 8;

// A line `width` pixels wide (2 .. kRasterWidestPen), both ends included: a
// disk of that diameter swept along the one-pixel line, so ends and joins
// come out round as a wide pen's do.
void RasterWideLine(const TPixelTarget& target, TPoint from, TPoint to, int width, uint32_t pixel);

}  // namespace platform
