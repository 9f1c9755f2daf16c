// The legend: one row per channel with its title and statistics.
// Here: what the object model needs of it; its behaviour is added by the
// unit's own work.
#pragma once
#include <string>

#include "plot/dIredObjects.h"

class TiPlotLegend : public TiPlotLayoutObject {
 public:
  explicit TiPlotLegend(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
