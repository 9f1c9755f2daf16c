#include "plot/dIredToolBar.h"

TiPlotToolBar::TiPlotToolBar(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks) {}

const TClassInfo& TiPlotToolBar::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotToolBar>("TiPlotToolBar")
                                     .Inherits<TiPlotLayoutObject>()
                                     .Build();
  return info;
}
