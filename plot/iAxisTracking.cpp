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

// Scrolling styles: the range moves forward past a value beyond its end, or
// back before one below its start. With a compress limit the span first grows
// to take the value in, as long as it has not yet reached the limit. A span
// that has reached the limit stays there: comparing with ">" alone would let
// it grow past the limit on every other value and jitter by one step.
TiAxisRange Scrolled(const TiTrackSettings& t, TiAxisRange range, double m, double v) {
  double s = range.Span;
  const double end = m + range.Span;
  if (v > end) {
    if (t.ScrollCompressMax != 0) {
      if (v - m > range.Span) s = v - m;
      if (range.Span >= t.ScrollCompressMax) s = t.ScrollCompressMax;
    }
    m = t.Style == iptsScrollSmooth ? v - s : m + s;
  } else if (v < range.Min) {
    m = t.Style == iptsScrollSmooth ? v : m - s;
  }
  return {m, s};
}

}  // namespace

TiTrackStep TrackValue(const TiTrackSettings& t, TiAxisRange range, double v, bool& firstPointSeen) {
  double m = range.Min, s = range.Span;
  if (!firstPointSeen) {
    firstPointSeen = true;
    m = AlignedFirst(t.AlignFirst, range, v);
  }
  const double end = m + range.Span;
  switch (t.Style) {
    case iptsScaleMinMax:
      if (v > end) s = v - m;
      else if (v < m) m = v;
      break;
    case iptsScaleMax:
      if (v > end) s = v - m;
      break;
    case iptsScaleMin:
      if (v < m) m = v;
      break;
    case iptsScrollSmooth:
    case iptsScrollPage: return {Scrolled(t, range, m, v), itaSetRange};
    case iptsExpandCollapse: return {range, itaZoomToFit};
    case iptsExpandCollapseFast: return {range, itaZoomToFitFast};
  }
  return {{m, s}, itaSetRange};
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
