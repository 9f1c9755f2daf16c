// The strip-chart channel of TiPlot. Drawing and its properties are added by
// the channel units' own work.
#pragma once
#include "plot/dIredChannelCustom.h"

class TiPlotChannel : public TiPlotChannelCustom {
 public:
  explicit TiPlotChannel(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
