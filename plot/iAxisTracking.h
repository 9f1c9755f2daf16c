// The range arithmetic of an axis: how a new value moves the range
// (tracking), and the zoom and scroll steps of the user's controls. Pure
// functions of the current range; the axis applies the result with
// SetMinSpan.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum TiPlotTrackingStyle : uint8_t {
  iptsScaleMinMax, iptsScaleMax, iptsScaleMin, iptsScrollSmooth, iptsScrollPage,
  iptsExpandCollapse, iptsExpandCollapseFast
};
inline const std::vector<std::string>& EnumValueNames(TiPlotTrackingStyle) {
  static const std::vector<std::string> names{"iptsScaleMinMax", "iptsScaleMax", "iptsScaleMin",
      "iptsScrollSmooth", "iptsScrollPage", "iptsExpandCollapse", "iptsExpandCollapseFast"};
  return names;
}
enum TiPlotTrackingAlignFirstStyle : uint8_t { ipafsMin, ipafsMax, ipafsAuto, ipafsNone };
inline const std::vector<std::string>& EnumValueNames(TiPlotTrackingAlignFirstStyle) {
  static const std::vector<std::string> names{"ipafsMin", "ipafsMax", "ipafsAuto", "ipafsNone"};
  return names;
}

struct TiAxisRange {
  double Min = 0;
  double Span = 100;
  friend bool operator==(const TiAxisRange&, const TiAxisRange&) = default;
};

struct TiTrackSettings {
  TiPlotTrackingStyle Style = iptsScaleMinMax;
  TiPlotTrackingAlignFirstStyle AlignFirst = ipafsNone;
  double ScrollCompressMax = 0;  // 0: off
};

enum TiTrackAction : uint8_t { itaSetRange, itaZoomToFit, itaZoomToFitFast };

struct TiTrackStep {
  TiAxisRange Range;  // the range to set, for itaSetRange
  TiTrackAction Action = itaSetRange;
};

namespace iAxisTrackingDetail {

// Scrolling styles: the range moves forward past a value beyond its end, or
// back before one below its start. With a compress limit the span first grows
// to take the value in, as long as it has not yet reached the limit. A span
// that has reached the limit stays there: comparing with ">" alone would let
// it grow past the limit on every other value and jitter by one step.
inline TiAxisRange Scrolled(const TiTrackSettings& t, TiAxisRange range, double m, double v) {
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

}  // namespace iAxisTrackingDetail

// The step of TrackValue once the first value is placed; m is the range's
// start after that placement.
inline TiTrackStep TrackNextValue(const TiTrackSettings& t, TiAxisRange range, double m, double v) {
  double s = range.Span;
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
    case iptsScrollPage: return {iAxisTrackingDetail::Scrolled(t, range, m, v), itaSetRange};
    case iptsExpandCollapse: return {range, itaZoomToFit};
    case iptsExpandCollapseFast: return {range, itaZoomToFitFast};
  }
  return {{m, s}, itaSetRange};
}

// The first value after a clear: aligned by the AlignFirst style, then
// tracked like any other. Out of line, as it happens once.
TiTrackStep TrackFirstValue(const TiTrackSettings& t, TiAxisRange range, double v);

// One tracking step for a new value. `firstPointSeen` is set when this is
// the first value since the data were cleared; the first value is aligned by
// the AlignFirst style before the range follows. In line, as the axes call it
// for every value a channel adds.
inline TiTrackStep TrackValue(const TiTrackSettings& t, TiAxisRange range, double v, bool& firstPointSeen) {
  if (!firstPointSeen) {
    firstPointSeen = true;
    return TrackFirstValue(t, range, v);
  }
  return TrackNextValue(t, range, range.Min, v);
}

// Zoom by factor (the toolbar's zoom in/out): the centre stays on a linear
// scale. Raises "Linear Scale Zoom Factor must be Greater than Zero" for a
// factor not above 0 on a linear scale.
TiAxisRange ZoomRange(TiAxisRange range, double factor, bool log10);
// Zoom by a fraction of a decade: the span divides by 10^a.
TiAxisRange ZoomRangeBy(TiAxisRange range, double fraction, bool log10);

struct TiScrollLimits {
  bool Enabled = false;
  double Min = 0, Max = 100;
};
// Scroll by a fraction of the span (of the decades on a log scale).
TiAxisRange ScrollRangeBy(TiAxisRange range, double fraction, bool log10, const TiScrollLimits& limits);
