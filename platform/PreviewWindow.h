// The window of a print preview: a row of buttons (print, with the printer
// picture; settings; close) over a box its owner paints, and the settings
// dialog it opens. What is drawn and what the buttons do belong to the
// owner; the texts are the owner's too (already translated).
// GUI thread only.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Printer.h"

class TCanvas;

namespace platform {

class TPreviewWindow {
 public:
  // Resizable, at least 500 x 300, 836 x 563 and centred on the screen when
  // shown.
  TPreviewWindow();
  ~TPreviewWindow();
  TPreviewWindow(const TPreviewWindow&) = delete;
  TPreviewWindow& operator=(const TPreviewWindow&) = delete;

  void SetTexts(const std::string& caption, const std::string& settings, const std::string& close,
                const std::string& printHint);
  std::string Caption() const;

  // The box: painted whole on every paint through OnPaintPreview.
  std::function<void(TCanvas& canvas, int width, int height)> OnPaintPreview;
  std::function<void()> OnPrint, OnSettings, OnClose;

  // Shows the window and returns when it is closed.
  void ShowModal();
  void Close();
  void RepaintPreview();
  int PreviewWidth() const;
  int PreviewHeight() const;

  // While set, ShowModal runs this instead of showing the window.
  static inline std::function<void(TPreviewWindow& window)> Hook;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

struct TPreviewSettings {
  TPrinterOrientation Orientation = poLandscape;
  double MarginTop = 1, MarginLeft = 1, MarginRight = 1, MarginBottom = 1;  // inches
  std::string DocumentName;
  int PaperSize = 0;  // index into TPreviewSettingsTexts::PaperSizes
};

struct TPreviewSettingsTexts {
  std::string Caption, Orientation, Portrait, Landscape, Margin, Top, Left, Right, Bottom, DocumentName, PaperSize,
      OK, Cancel;
  std::vector<std::string> PaperSizes;
};

// The settings dialog: edits `values` and answers true on OK; Cancel or
// closing leaves them as they were.
bool EditPreviewSettings(TPreviewSettings& values, const TPreviewSettingsTexts& texts);

// While set, EditPreviewSettings asks this instead of showing the dialog.
void SetPreviewSettingsHook(std::function<bool(TPreviewSettings& values, const TPreviewSettingsTexts& texts)> hook);

}  // namespace platform
