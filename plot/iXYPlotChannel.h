// The channel of TiXYPlot.
#pragma once
#include "plot/dIredChannelCustom.h"

class TiXYPlotChannel : public TiPlotChannelCustom {
 public:
  explicit TiXYPlotChannel(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
