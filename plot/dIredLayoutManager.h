// The layout manager: keeps every layout object (axes, toolbars, legends,
// tables, data views, labels) for the layout pass. Here: what the object model
// needs (membership, orientation of new axes, the axes-reverse flag, the
// enabled switch); sides, lanes and the pass itself are added by the layout
// manager's own work.
#pragma once
#include "plot/dIredManagers.h"

class TiPlotLayoutManager : public TiPlotObjectManagerCustom {
 public:
  explicit TiPlotLayoutManager(const TiPlotObjectHooks& hooks);
  ~TiPlotLayoutManager() override;
  // Raises "Layout Manager does not support creation of objects".
  TiPlotObject* CreateObject() override;
  std::string GetBaseName() const override { return "Layout Object"; }
  // Layout objects only; an x axis lies horizontal unless the axes are
  // reversed, a y axis the other way round.
  void AddObject(TiPlotObject* object) override;

  bool XYAxesReverse() const { return XYAxesReverse_; }
  void SetXYAxesReverse(bool value);
  // Disabled while the plot builds its default objects or reads a stored
  // description.
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool value) { Enabled_ = value; }

 private:
  bool XYAxesReverse_ = false;
  bool Enabled_ = true;
};
