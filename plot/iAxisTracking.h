// The range arithmetic of an axis: how a new value moves the range
// (tracking), and the zoom and scroll steps of the user's controls. Pure
// functions of the current range; the axis applies the result with
// SetMinSpan.
#pragma once
#include <cstdint>

enum TiPlotTrackingStyle : uint8_t {
  iptsScaleMinMax, iptsScaleMax, iptsScaleMin, iptsScrollSmooth, iptsScrollPage,
  iptsExpandCollapse, iptsExpandCollapseFast
};
enum TiPlotTrackingAlignFirstStyle : uint8_t { ipafsMin, ipafsMax, ipafsAuto, ipafsNone };

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

// One tracking step for a new value. `firstPointSeen` is set when this is
// the first value since the data were cleared; the first value is aligned by
// the AlignFirst style before the range follows.
TiTrackStep TrackValue(const TiTrackSettings& settings, TiAxisRange range, double value, bool& firstPointSeen);

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
