#include "plot/dIredLayoutManager.h"

#include "platform/Exception.h"
#include "plot/dIredAxis.h"

TiPlotLayoutManager::TiPlotLayoutManager(const TiPlotObjectHooks& hooks) : TiPlotObjectManagerCustom(hooks) { Announce(); }

TiPlotLayoutManager::~TiPlotLayoutManager() = default;

TiPlotObject* TiPlotLayoutManager::CreateObject() {
  throw Exception("Layout Manager does not support creation of objects");
}

void TiPlotLayoutManager::AddObject(TiPlotObject* object) {
  auto* layout = dynamic_cast<TiPlotLayoutObject*>(object);
  if (!layout) return;
  Add(object);
  if (dynamic_cast<TiPlotXAxis*>(object)) layout->SetHorizontal(!XYAxesReverse_);
  if (dynamic_cast<TiPlotYAxis*>(object)) layout->SetHorizontal(XYAxesReverse_);
}

void TiPlotLayoutManager::SetXYAxesReverse(bool value) {
  if (!AssignChanged(XYAxesReverse_, value)) return;
  for (TiPlotObject* object : Items_) {
    if (dynamic_cast<TiPlotXAxis*>(object)) static_cast<TiPlotLayoutObject*>(object)->SetHorizontal(!value);
    if (dynamic_cast<TiPlotYAxis*>(object)) static_cast<TiPlotLayoutObject*>(object)->SetHorizontal(value);
  }
}
