// Axes for the channel tests: real plot axes (they live in the chart's axis
// managers) with a plain linear scale over a pixel extent, and a record of
// every value they were asked to track.
#pragma once
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "PlotTestSupport.h"
#include "plot/dIredAxis.h"
#include "plot/dIredChannel.h"
#include "plot/iChannelScale.h"

// Horizontal: Min at pixel `from`, Max at pixel `to`; vertical: Min at the
// bottom pixel. Pixels clamp to +-32000 like the chart's axes.
class TLinearScale : public TiPlotChannelScale {
 public:
  double Min() const override { return min; }
  double Span() const override { return span; }
  // The chart axes' own linear map, so the trace walks take their fast paths
  // here as they do on a chart.
  int ValueToPixel(double v) const override { return LinearPixel(Map(), v); }
  bool LinearPixelMap(TiLinearPixelMap& map) const override {
    map = Map();
    return true;
  }
  virtual TiLinearPixelMap Map() const { return {pixelMin, min, (pixelMin - pixelMax) / span}; }
  double PixelToValue(int p) const override {
    if (pixelMax == pixelMin) return min;
    return min + span * (p - pixelMin) / (pixelMax - pixelMin);
  }
  bool IsValueVisible(double v) const override {
    const int p = ValueToPixel(v);
    return p >= std::min(pixelMin, pixelMax) && p <= std::max(pixelMin, pixelMax);
  }
  void Track(double v) override { tracked.push_back(v); }
  std::string FormatCursorText(double v) override { return "v=\r\n" + std::to_string(static_cast<int>(v)) + "\nmm"; }

  double min = 0, span = 100;
  int pixelMin = 0, pixelMax = 100;
  std::vector<double> tracked;
};

class TTestXAxis : public TiPlotXAxis, public TLinearScale {
 public:
  using TiPlotXAxis::TiPlotXAxis;
};

class TTestYAxis : public TiPlotYAxis, public TLinearScale {
 public:
  explicit TTestYAxis(const TiPlotObjectHooks& hooks) : TiPlotYAxis(hooks) {
    pixelMin = 100;  // values grow upwards
    pixelMax = 0;
  }
};

// A chart with one test x axis, one test y axis and one strip-chart channel
// bound to them.
struct TTestChannelChart {
  TTestPlot plot;
  TTestXAxis* x;
  TTestYAxis* y;
  TiPlotChannel* ch;
  TTestChannelChart() {
    x = new TTestXAxis(plot.master->Hooks());
    x->Inserted();
    y = new TTestYAxis(plot.master->Hooks());
    y->Inserted();
    plot.master->AddChannel();
    ch = static_cast<TiPlotChannel*>(plot.master->ChannelManager()->Channel(0));
  }
};
