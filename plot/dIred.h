// TiPlot: the strip chart. It is built with one toolbar, legend, x axis,
// y axis, channel, data view, data cursor and the title label, and hands out
// its channels as strip-chart channels.
#pragma once
#include "plot/dIredChannel.h"
#include "plot/dIredComponent.h"

class TiPlot : public TiPlotComponent {
 public:
  TiPlot();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // Raises "Invalid class typecast" when the channel is of another class.
  TiPlotChannel* Channel(int index) const;
};
