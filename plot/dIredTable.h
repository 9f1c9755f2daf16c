// The table: a grid of texts placed by the layout.
// Here: what the object model needs of it; its behaviour is added by the
// unit's own work.
#pragma once
#include <string>

#include "plot/dIredObjects.h"

class TiPlotTable : public TiPlotLayoutObject {
 public:
  explicit TiPlotTable(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
