// The value <-> pixel map of an axis: a range (Min, Span), linear or log10,
// laid over the pixels of a scale rectangle. Pixels come out clamped to
// +-32000 so drawing coordinates stay within what the platform draws.
#pragma once
#include <cstdint>

#include "plot/iLinearPixelMap.h"

struct TiAxisScale {
  double Min = 0;
  double Span = 100;  // at least 1e-300 on an axis
  bool Log10 = false;
  bool Horizontal = false;
  bool Reverse = false;  // values grow right-to-left (x) or top-to-bottom (y)
  int ScaleLeft = 0, ScaleTop = 0, ScaleRight = 0, ScaleBottom = 0;
  int PixelStart = 0, PixelEnd = 0;  // pixel of Min and of Min + Span

  double Max() const { return Min + Span; }
  // PixelStart and PixelEnd from the scale rectangle.
  void UpdatePixelEnds();
  // Worked out from the current span, so a range that moved since the last
  // layout maps right at once.
  double PixelsPerUnit() const { return (PixelStart - PixelEnd) / Span; }
  int PixelLength() const { return Horizontal ? ScaleRight - ScaleLeft : ScaleBottom - ScaleTop; }

  int ValueToPixel(double value) const;
  // The map ValueToPixel uses on a linear scale; false on a log scale or
  // one without extent.
  bool LinearPixelMap(TiLinearPixelMap& map) const;
  double PixelToValue(int pixel) const;
  int ValueToPixelLength(double distance) const;  // |pixel(Min + d) - pixel(Min)|
  bool IsValueVisible(double value) const;        // inside the scale rectangle, edges included
};
