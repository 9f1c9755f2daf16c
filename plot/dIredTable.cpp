#include "plot/dIredTable.h"

TiPlotTable::TiPlotTable(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks) {}

const TClassInfo& TiPlotTable::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotTable>("TiPlotTable")
                                     .Inherits<TiPlotLayoutObject>()
                                     .Build();
  return info;
}
