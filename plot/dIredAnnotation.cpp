#include "plot/dIredAnnotation.h"

TiPlotAnnotation::TiPlotAnnotation(const TiPlotObjectHooks& hooks) : TiPlotManagerObject(hooks) {}

const TClassInfo& TiPlotAnnotation::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotAnnotation>("TiPlotAnnotation")
                                     .Inherits<TiPlotManagerObject>()
                                     .Build();
  return info;
}
