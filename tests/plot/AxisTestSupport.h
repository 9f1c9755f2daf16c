// A chart that hears the axes' reports, with a canvas to measure on.
#pragma once
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "plot/dIredAxis.h"
#include "tests/plot/PlotTestSupport.h"

struct TAxisReport {
  std::string What;
  double OldMin, OldSpan, NewMin, NewSpan;
};

class TAxisPlot : public TTestPlot, public TiPlotAxisOwner {
 public:
  bool AxisReportsSuspended() const override { return loading; }
  void AxisMinChange(TiPlotAxis*, double o, double n) override { reports.push_back({"min", o, 0, n, 0}); }
  void AxisSpanChange(TiPlotAxis*, double o, double n) override { reports.push_back({"span", 0, o, 0, n}); }
  void AxisMinSpanChange(TiPlotAxis*, double om, double os, double nm, double ns) override {
    reports.push_back({"minspan", om, os, nm, ns});
  }
  void AxisCustomizeLabel(TiPlotAxis*, double value, std::string& text) override {
    if (customize) text = customize(value, text);
  }
  void AxisCustomizeHint(TiPlotAxis*, std::string& text) override { text += hintSuffix; }
  void AxisClick(TiPlotAxis* axis) override { axisClicks.push_back(axis); }
  std::vector<TRect>* OccupiedRects() override { return &occupied; }

  TiPlotXAxis* X(int i = 0) { return master->XAxisManager()->XAxis(i); }
  TiPlotYAxis* Y(int i = 0) { return master->YAxisManager()->YAxis(i); }
  TiPlotXAxis* AddX() { return X(master->AddXAxis()); }
  TiPlotYAxis* AddY() { return Y(master->AddYAxis()); }

  bool loading = false;
  std::vector<TAxisReport> reports;
  std::function<std::string(double, const std::string&)> customize;
  std::string hintSuffix;
  std::vector<TiPlotAxis*> axisClicks;
  std::vector<TRect> occupied;
};

// A horizontal axis below a data view from x 50 to 450, or a vertical one
// left of it from y 20 to 220, laid out and measured on `canvas`.
inline void PlaceHorizontal(TiPlotAxis* axis, TCanvas* canvas, TRect r = {50, 220, 450, 260}) {
  axis->SetHorizontal(true);
  axis->SetRect(r);
  axis->CalcScaleRect(canvas);
}
inline void PlaceVertical(TiPlotAxis* axis, TCanvas* canvas, TRect r = {0, 20, 50, 220}) {
  axis->SetHorizontal(false);
  axis->SetRect(r);
  axis->CalcScaleRect(canvas);
}
