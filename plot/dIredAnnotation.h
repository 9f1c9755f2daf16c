// An annotation: a text or shape placed at chart coordinates.
// Here: what the object model needs of it; its behaviour is added by the
// unit's own work.
#pragma once
#include <string>

#include "plot/dIredObjects.h"

class TiPlotAnnotation : public TiPlotManagerObject {
 public:
  explicit TiPlotAnnotation(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
