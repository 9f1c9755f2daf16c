#include "plot/dIredLabel.h"

TiPlotLabel::TiPlotLabel(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks) {}

const TClassInfo& TiPlotLabel::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotLabel>("TiPlotLabel")
                                     .Inherits<TiPlotLayoutObject>()
                                     .String("Caption", &TiPlotLabel::Caption, &TiPlotLabel::SetCaption)
                                     .Build();
  return info;
}
