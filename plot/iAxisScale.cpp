#include "plot/iAxisScale.h"

#include <cmath>
#include <cstdlib>

namespace {
double Positive(double v) { return v > 0 ? v : 1; }
}  // namespace

void TiAxisScale::UpdatePixelEnds() {
  if (Horizontal) {
    PixelStart = Reverse ? ScaleRight : ScaleLeft;
    PixelEnd = Reverse ? ScaleLeft : ScaleRight;
  } else {
    PixelStart = Reverse ? ScaleTop : ScaleBottom;
    PixelEnd = Reverse ? ScaleBottom : ScaleTop;
  }
}

int TiAxisScale::ValueToPixel(double value) const {
  const int middle = (PixelStart + PixelEnd) / 2;
  if (PixelStart == PixelEnd || Span <= 1e-300) return middle;
  if (Log10) {
    const double m = Positive(Min), s = Positive(Span);
    const double l0 = std::log10(m), l1 = std::log10(m + s);
    // A span too small to change the logarithm: nothing to tell apart.
    if (l1 == l0) return middle;
    return PixelFromOffset(PixelStart, (std::log10(Positive(value)) - l0) * (PixelStart - PixelEnd) / (l1 - l0));
  }
  return LinearPixel({PixelStart, Min, PixelsPerUnit()}, value);
}

bool TiAxisScale::LinearPixelMap(TiLinearPixelMap& map) const {
  if (Log10 || PixelStart == PixelEnd || Span <= 1e-300) return false;
  map = {PixelStart, Min, PixelsPerUnit()};
  return true;
}

double TiAxisScale::PixelToValue(int pixel) const {
  const int length = PixelLength();
  if (length == 0) return Min;
  double f;
  if (Horizontal) f = Reverse ? double(ScaleRight - pixel) / length : double(pixel - ScaleLeft) / length;
  else f = Reverse ? double(pixel - ScaleTop) / length : double(ScaleBottom - pixel) / length;
  if (!Log10) return Min + Span * f;
  const double m = Positive(Min);
  const double l0 = std::log10(m), l1 = std::log10(m + Positive(Span));
  return std::pow(10.0, l0 + f * (l1 - l0));
}

int TiAxisScale::ValueToPixelLength(double distance) const {
  return std::abs(ValueToPixel(Min + distance) - ValueToPixel(Min));
}

bool TiAxisScale::IsValueVisible(double value) const {
  if (std::isnan(value)) return false;
  const int p = ValueToPixel(value);
  if (Horizontal) return p >= ScaleLeft && p <= ScaleRight;
  return p >= ScaleTop && p <= ScaleBottom;
}
