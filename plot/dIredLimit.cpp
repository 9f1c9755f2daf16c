#include "plot/dIredLimit.h"

TiPlotLimit::TiPlotLimit(const TiPlotObjectHooks& hooks) : TiPlotManagerObject(hooks) {}

const TClassInfo& TiPlotLimit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiPlotLimit>("TiPlotLimit")
          .Inherits<TiPlotManagerObject>()
          .String("XAxisName", &TiPlotLimit::XAxisName, &TiPlotLimit::SetXAxisName)
          .String("YAxisName", &TiPlotLimit::YAxisName, &TiPlotLimit::SetYAxisName)
          .Build();
  return info;
}

void TiPlotLimit::SetXAxisName(const std::string& value) {
  if (XAxis_.SetName(value)) DoChange();
}

void TiPlotLimit::SetYAxisName(const std::string& value) {
  if (YAxis_.SetName(value)) DoChange();
}

void TiPlotLimit::NotifyRemove(TiPlotObject* object) {
  XAxis_.NotifyRemove(object);
  YAxis_.NotifyRemove(object);
}

void TiPlotLimit::NotifyRename(TiPlotObject* object) {
  if (XAxis_.NotifyRename(object) | YAxis_.NotifyRename(object)) DoChange();
}
