// TiPlotPreviewForm: the print preview of a chart. A window ("Wexlar Plot
// Preview") shows the page in the preview's paper size and orientation, with
// the chart placed inside the margins as it will be printed; its buttons
// print, open the settings dialog and close. The preview keeps its own copy
// of the margins, orientation and document name (taken from the plot) and a
// paper size index; OK in the settings dialog copies them back to the plot.
// The paper size only changes the drawing: printing uses the printer's paper.
// GUI thread only.
#pragma once
#include <memory>
#include <string>

#include "platform/PreviewWindow.h"
#include "plot/iPrintGeometry.h"

class TCanvas;
class TiPlotComponent;

class TiPlotPreviewForm {
 public:
  // Copies the plot's print settings; captions through its translation table.
  explicit TiPlotPreviewForm(TiPlotComponent& plot);
  ~TiPlotPreviewForm();

  TiPrintMargins Margins;
  TPrinterOrientation Orientation = poLandscape;
  std::string DocumentName;
  int PaperSizeIndex = 0;  // 0 Letter, 1 Legal, 2 A3, 3 A4, 4 A5

  // Shows the window; returns when it is closed.
  void ShowModal();
  platform::TPreviewWindow& Window() { return *Window_; }

  // The window's handlers.
  void PreviewPaint(TCanvas& canvas, int width, int height);
  void CloseButtonClick();
  void PrintButtonClick();
  void SettingsButtonClick();

 private:
  TiPlotComponent& Plot_;
  std::unique_ptr<platform::TPreviewWindow> Window_;
};
