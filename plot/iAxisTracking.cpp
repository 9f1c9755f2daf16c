#include "plot/iAxisTracking.h"

#include <cmath>

#include "platform/Exception.h"

namespace {

double AlignedFirst(TiPlotTrackingAlignFirstStyle align, TiAxisRange range, double v) {
  switch (align) {
    case ipafsMin: return v;
    case ipafsMax: return v - range.Span;
    case ipafsAuto: return v < range.Min || v > range.Min + range.Span ? v : range.Min;
    case ipafsNone: break;
  }
  return range.Min;
}

}  // namespace

TiTrackStep TrackFirstValue(const TiTrackSettings& t, TiAxisRange range, double v) {
  return TrackNextValue(t, range, AlignedFirst(t.AlignFirst, range, v), v);
}

TiAxisRange ZoomRange(TiAxisRange range, double factor, bool log10) {
  if (log10) {
    const double p = std::pow(10.0, factor);
    return {range.Min / p, range.Span * p};
  }
  if (!(factor > 0)) throw Exception("Linear Scale Zoom Factor must be Greater than Zero");
  const double span = factor * range.Span;
  return {(range.Min + range.Min + range.Span) / 2 - span / 2, span};
}

TiAxisRange ZoomRangeBy(TiAxisRange range, double fraction, bool log10) {
  const double p = std::pow(10.0, fraction);
  const double span = range.Span / p;
  if (log10) return {range.Min * p, span};
  return {(range.Min + range.Min + range.Span) / 2 - span / 2, span};
}

TiAxisRange ScrollRangeBy(TiAxisRange range, double fraction, bool log10, const TiScrollLimits& limits) {
  if (log10) {
    const double max = range.Min + range.Span;
    const double g = std::pow(10.0, fraction * (std::log10(max) - std::log10(range.Min)));
    return {range.Min * g, max * g - range.Min * g};
  }
  double min = range.Min + fraction * range.Span;
  if (limits.Enabled) {
    if (min <= limits.Min) min = limits.Min;
    else if (min + range.Span >= limits.Max) min = limits.Max - range.Span;
  }
  return {min, range.Span};
}
