// TiXYPlot: the XY chart, built like the strip chart but with XY channels.
#pragma once
#include "plot/dIredComponent.h"

class TiXYPlot : public TiPlotComponent {
 public:
  TiXYPlot();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
  bool ScrollingXAxes() const override { return false; }
};
