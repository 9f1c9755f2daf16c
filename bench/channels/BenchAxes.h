// Axes for the channel benchmarks: chart axes with a linear scale over a
// 1000-pixel (x) or 400-pixel (y) extent that track new values with the
// axis range arithmetic (scroll smoothly on x, widen to the data on y) and
// raise a change when their range moves, as a chart's axes do.
#pragma once
#include <cmath>
#include <string>

#include "plot/dIredAxis.h"
#include "plot/iAxisTracking.h"
#include "plot/iChannelScale.h"
#include "plot/iTraceReduction.h"

class TBenchScale : public TiPlotChannelScale {
 public:
  double Min() const override { return range.Min; }
  double Span() const override { return range.Span; }
  int ValueToPixel(double v) const override {
    TiLinearPixelMap map;
    LinearPixelMap(map);
    return LinearPixel(map, v);
  }
  bool LinearPixelMap(TiLinearPixelMap& map) const override {
    map = {pixelMin, range.Min, (pixelMin - pixelMax) / range.Span};
    return true;
  }
  double PixelToValue(int p) const override {
    return range.Min + range.Span * (p - pixelMin) / (pixelMax - pixelMin);
  }
  bool IsValueVisible(double v) const override {
    const int p = ValueToPixel(v);
    return pixelMin < pixelMax ? p >= pixelMin && p <= pixelMax : p >= pixelMax && p <= pixelMin;
  }
  void Track(double v) override {
    const TiTrackStep step = TrackValue(settings, range, v, firstSeen);
    if (step.Action == itaSetRange && !(step.Range == range)) {
      range = step.Range;
      RangeChanged();
    }
  }
  std::string FormatCursorText(double v) override { return std::to_string(v); }
  virtual void RangeChanged() {}

  TiAxisRange range;
  TiTrackSettings settings;
  bool firstSeen = false;
  int pixelMin = 0, pixelMax = 1000;
};

class TBenchXAxis : public TiPlotXAxis, public TBenchScale {
 public:
  explicit TBenchXAxis(const TiPlotObjectHooks& hooks) : TiPlotXAxis(hooks) {
    settings.Style = iptsScrollSmooth;
  }
  void RangeChanged() override { DoChange(); }
};

class TBenchYAxis : public TiPlotYAxis, public TBenchScale {
 public:
  explicit TBenchYAxis(const TiPlotObjectHooks& hooks) : TiPlotYAxis(hooks) {
    settings.Style = iptsScaleMinMax;
    pixelMin = 400;
    pixelMax = 0;
  }
  void RangeChanged() override { DoChange(); }
};
