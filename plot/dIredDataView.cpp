#include "plot/dIredDataView.h"

TiPlotDataView::TiPlotDataView(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks) {}

const TClassInfo& TiPlotDataView::StaticClass() {
  using V = TiPlotDataView;
  static const TClassInfo info = TClassBuilder<V>("TiPlotDataView")
                                     .Inherits<TiPlotLayoutObject>()
                                     .String("GridXAxisName", &V::GridXAxisName, &V::SetGridXAxisName)
                                     .String("GridYAxisName", &V::GridYAxisName, &V::SetGridYAxisName)
                                     .Build();
  return info;
}

void TiPlotDataView::SetGridXAxisName(const std::string& value) {
  if (GridXAxis_.SetName(value)) DoChange();
}

void TiPlotDataView::SetGridYAxisName(const std::string& value) {
  if (GridYAxis_.SetName(value)) DoChange();
}

void TiPlotDataView::NotifyRemove(TiPlotObject* object) {
  GridXAxis_.NotifyRemove(object);
  GridYAxis_.NotifyRemove(object);
}

void TiPlotDataView::NotifyRename(TiPlotObject* object) {
  if (GridXAxis_.NotifyRename(object) | GridYAxis_.NotifyRename(object)) DoChange();
}

void TiPlotDataView::NotifyFocus(TiPlotObject* object) {
  if (object != this) SetFocused(false);
}
