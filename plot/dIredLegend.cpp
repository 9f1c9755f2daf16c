#include "plot/dIredLegend.h"

TiPlotLegend::TiPlotLegend(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks) {}

const TClassInfo& TiPlotLegend::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotLegend>("TiPlotLegend")
                                     .Inherits<TiPlotLayoutObject>()
                                     .Build();
  return info;
}
