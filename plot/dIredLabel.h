// A caption placed like any other layout object; the plot's title is label 0.
// Here: what the object model needs of it; its behaviour is added by the
// unit's own work.
#pragma once
#include <string>

#include "plot/dIredObjects.h"

class TiPlotLabel : public TiPlotLayoutObject {
 public:
  explicit TiPlotLabel(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  const std::string& Caption() const { return Caption_; }
  void SetCaption(const std::string& value) { SetProperty(Caption_, value); }

 private:
  std::string Caption_;
};
