// The axes a plot creates. Channels reach their axes as TiPlotChannelScale
// (range, value-pixel map, tracking, cursor text); an axis class that is not
// one yet gets that face here, from its own operations of the same names.
// Once the axis unit itself derives from TiPlotChannelScale the plain axis
// class is used and this wrapper is never instantiated.
#pragma once
#include <string>
#include <type_traits>

#include "plot/dIredAxis.h"
#include "plot/iChannelScale.h"

// Marks a scale whose Track is its axis's own TiPlotAxis::Track, so that a
// channel may feed the axis directly, in line, instead of through the scale.
class TiPlotAxisOwnTrack {
 public:
  virtual ~TiPlotAxisOwnTrack() = default;
};

template <class Axis>
class TiPlotScaledAxis : public Axis, public TiPlotChannelScale, public TiPlotAxisOwnTrack {
 public:
  using Axis::Axis;
  double Min() const override { return Axis::Min(); }
  double Span() const override { return Axis::Span(); }
  int ValueToPixel(double v) const override { return Axis::ValueToPixel(v); }
  bool LinearPixelMap(TiLinearPixelMap& map) const override { return Axis::LinearPixelMap(map); }
  double PixelToValue(int p) const override { return Axis::PixelToValue(p); }
  bool IsValueVisible(double v) const override { return Axis::IsValueVisible(v); }
  void Track(double v) final { Axis::Track(v); }  // final: see TiPlotAxisOwnTrack
  std::string FormatCursorText(double v) override { return Axis::FormatCursorText(v); }
};

template <class Axis>
using TiPlotChartAxis =
    std::conditional_t<std::is_base_of_v<TiPlotChannelScale, Axis>, Axis, TiPlotScaledAxis<Axis>>;
