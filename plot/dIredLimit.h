// A limit: a line or band at a value of its axes. Here: what the object model
// needs of it (its axes by name); drawing and styles are added by the limit's
// own work.
#pragma once
#include <string>

#include "plot/dIredAxis.h"

class TiPlotLimit : public TiPlotManagerObject {
 public:
  explicit TiPlotLimit(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  const std::string& XAxisName() const { return XAxis_.Name(); }
  void SetXAxisName(const std::string& value);
  const std::string& YAxisName() const { return YAxis_.Name(); }
  void SetYAxisName(const std::string& value);
  TiPlotXAxis* XAxis() { return XAxis_.Resolve(Owner(), FindXAxis); }
  TiPlotYAxis* YAxis() { return YAxis_.Resolve(Owner(), FindYAxis); }

  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;

 private:
  TiPlotAxisReference<TiPlotXAxis> XAxis_;
  TiPlotAxisReference<TiPlotYAxis> YAxis_;
};
