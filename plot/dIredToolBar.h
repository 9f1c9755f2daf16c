// The toolbar: the chart's buttons (zoom, scroll, cursor, copy, save, print, ...).
// Here: what the object model needs of it; its behaviour is added by the
// unit's own work.
#pragma once
#include <string>

#include "plot/dIredObjects.h"

class TiPlotToolBar : public TiPlotLayoutObject {
 public:
  explicit TiPlotToolBar(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
