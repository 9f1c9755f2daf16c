// The channel of TiXYPlot: points in any order, so the whole list is
// visible and the fit extents come from a scan of every valid point.
#pragma once
#include "plot/dIredChannelCustom.h"

class TiXYPlotChannel : public TiPlotChannelCustom {
 public:
  explicit TiXYPlotChannel(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  void CalcFirstVisibleIndex() override;
  void CalcLastVisibleIndex() override;

  double GetFitXMax() override;
  double GetFitXMin() override;
  double GetFitYMax() override;
  double GetFitYMin() override;

  // Ready with both axes, visible, and points; every point is in range.
  void PrepareDraw() override;
  // The axis values at the pointers (x of pointer 1, y of pointer 2); the
  // status is always 0.
  void UpdateDataCursor(TiPlotDataCursor& cursor) override;
  // Trace and markers; an error while drawing skips the rest of the frame.
  void Draw(TCanvas* canvas, TColor backGroundColor) override;

 private:
  // The extreme of pick(index) over the valid points, starting at `start`.
  template <class Pick, class Better>
  double Extreme(double start, Pick&& pick, Better&& better);
};
