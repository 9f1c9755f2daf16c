// The data view: the plot area itself. Here: what the object model needs of
// it (the grid's axes by name); background, grid, zoom box and mouse control
// are added by the data view's own work.
#pragma once
#include <string>

#include "plot/dIredAxis.h"

class TiPlotDataView : public TiPlotLayoutObject {
 public:
  explicit TiPlotDataView(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // "<ALL>" in any letter case means every axis of that orientation.
  const std::string& GridXAxisName() const { return GridXAxis_.Name(); }
  void SetGridXAxisName(const std::string& value);
  const std::string& GridYAxisName() const { return GridYAxis_.Name(); }
  void SetGridYAxisName(const std::string& value);
  TiPlotXAxis* GridXAxis() { return GridXAxis_.Resolve(Owner(), FindXAxis); }
  TiPlotYAxis* GridYAxis() { return GridYAxis_.Resolve(Owner(), FindYAxis); }

  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;
  // The data view drops its focus whenever another object takes it.
  void NotifyFocus(TiPlotObject* object) override;

 private:
  TiPlotAxisReference<TiPlotXAxis> GridXAxis_;
  TiPlotAxisReference<TiPlotYAxis> GridYAxis_;
};
