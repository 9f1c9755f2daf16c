#include "plot/iXYPlot.h"

#include "plot/iXYPlotChannel.h"

void BuildPlotDefaultObjects(TiPlotComponent& plot);  // dIred.cpp

// Unlike the strip chart, construction does not lock updates.
TiXYPlot::TiXYPlot() {
  MasterManager()->SetChannelClass(&CreateChannelOfClass<TiXYPlotChannel>);
  BuildWithLayoutDisabled([this] { BuildPlotDefaultObjects(*this); });
}

const TClassInfo& TiXYPlot::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiXYPlot>("TiXYPlot").Inherits<TiPlotComponent>().Build();
  return info;
}
