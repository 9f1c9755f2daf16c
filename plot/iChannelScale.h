// What a channel needs of one of its axes: the range it shows, the mapping
// between values and pixels, tracking of a new value and the cursor text of a
// value. Channels, their traces and their tests talk to axes only through
// this, so a trace can be drawn and checked against any scale.
//
// Invariant: Max() = Min() + Span(). ValueToPixel clamps to +-32000 pixels.
#pragma once
#include <string>

#include "plot/iLinearPixelMap.h"

class TiPlotChannelScale {
 public:
  virtual ~TiPlotChannelScale() = default;

  virtual double Min() const = 0;
  virtual double Span() const = 0;
  double Max() const { return Min() + Span(); }

  virtual int ValueToPixel(double value) const = 0;
  virtual double PixelToValue(int pixel) const = 0;
  // The value's pixel lies inside the scale, both edges included.
  virtual bool IsValueVisible(double value) const = 0;

  // For a linear scale: ValueToPixel(v) is exactly LinearPixel(map, v). The
  // trace walks use it to map millions of points without a call per point;
  // false: ask per value.
  virtual bool LinearPixelMap(TiLinearPixelMap& map) const { return false; }

  // One tracking step for a newly added value (does nothing while the axis's
  // own tracking is off).
  virtual void Track(double value) = 0;
  // The value as the data cursor shows it; may contain line breaks.
  virtual std::string FormatCursorText(double value) = 0;
};
