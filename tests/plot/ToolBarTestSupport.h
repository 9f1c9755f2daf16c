// A chart for the toolbar tests: two x axes, a y axis, two data cursors and
// one toolbar laid out along the top and painted once so its buttons have
// their rectangles. Everything the toolbar asks of the plot is written to
// `log` in order; pausing and resuming set the axes' tracking.
#pragma once
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "plot/dIredAxis.h"
#include "plot/dIredToolBar.h"
#include "PlotTestSupport.h"

class TToolBarChart : public TTestPlot {
 public:
  TToolBarChart() {
    master->AddToolBar();
    master->AddXAxis();
    master->AddXAxis();
    master->AddYAxis();
    master->AddDataCursor();
    master->AddDataCursor();
    bar = master->ToolBarManager()->ToolBar(0);
    bar->Chart = Hooks();
    bar->SetRect({0, 0, 500, 36});
    Paint();
  }

  TiPlotToolBarChart Hooks() {
    TiPlotToolBarChart c;
    c.PauseAll = [this] { SetAll(false, "PauseAll"); };
    c.ResumeAll = [this] { SetAll(true, "ResumeAll"); };
    c.SetSelectMode = [this](bool on) { log.push_back(on ? "SelectMode on" : "SelectMode off"); };
    c.CopyToClipboard = [this] { log.push_back("Copy"); };
    c.SaveImageDialog = [this] { log.push_back("Save"); };
    c.PrintChart = [this] { log.push_back("Print"); };
    c.ShowPreview = [this] { log.push_back("Preview"); };
    c.OnToolBarButtonClick = [this](int index, TiPlotToolBarButtonType type) {
      log.push_back("Click " + std::to_string(index) + " " + std::to_string(type));
    };
    return c;
  }

  TiPlotXAxis* XAxis(int i) const { return master->XAxisManager()->XAxis(i); }
  TiPlotYAxis* YAxis(int i) const { return master->YAxisManager()->YAxis(i); }
  TiPlotObject* Cursor(int i) const { return master->DataCursorManager()->Item(i); }
  TiPlotToolBarButton& B(TiPlotToolBarButtonType type) const { return bar->ButtonOf(type); }

  void Paint() { bar->Draw(&bitmap.Canvas(), clBlack); }

  static TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

  // The plot's way of pressing: hit test, then the hit object gets the mouse.
  TiPlotObject* Press(TPoint p, TiPlotMouseButton button = ipmbLeft) {
    pressed = bar->GetHitObject(p.X, p.Y);
    pressed->MouseDown(button, 0, &menu, p.X, p.Y, p.X, p.Y);
    return pressed;
  }
  void Release(TPoint p, TiPlotMouseButton button = ipmbLeft) { pressed->MouseUp(button, 0, false, p.X, p.Y); }
  void Click(TiPlotToolBarButtonType type) {
    const TPoint p = Centre(B(type).Rect);
    Press(p);
    Release(p);
  }
  TiPlotHintData Hover(TPoint p) {
    TiPlotHintData hint;
    bar->GetHitObject(p.X, p.Y)->MouseMove(hint, 0, false, p.X, p.Y, p.X, p.Y);
    return hint;
  }

  TiPlotToolBar* bar = nullptr;
  TBitmap bitmap{520, 40};
  TiPopupMenu menu;
  TiPlotObject* pressed = nullptr;
  std::vector<std::string> log;

 private:
  void SetAll(bool tracking, const char* entry) {
    for (TiPlotAxis* a : {static_cast<TiPlotAxis*>(XAxis(0)), static_cast<TiPlotAxis*>(XAxis(1)),
                          static_cast<TiPlotAxis*>(YAxis(0))})
      a->SetTrackingEnabled(tracking);
    log.push_back(entry);
  }
};
