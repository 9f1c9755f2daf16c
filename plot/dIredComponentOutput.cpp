// The ways a chart leaves the screen: the clipboard, picture files, the
// printer and the print preview. Each renders the chart with PaintTo onto
// another canvas.
#include <algorithm>

#include "components/iImageExport.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/Exception.h"
#include "platform/ImageFiles.h"
#include "platform/Metafile.h"
#include "platform/SaveDialog.h"
#include "plot/dIredComponent.h"
#include "plot/dIredPreview.h"
#include "plot/dIredToolBar.h"
#include "plot/iPrintGeometry.h"

namespace {
constexpr const char* kImageFilter =
    "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png";

std::string Ending(const std::string& fileName) {
  return fileName.size() < 3 ? fileName : fileName.substr(fileName.size() - 3);
}

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

struct TUpdateLock {
  explicit TUpdateLock(TiComponent& c) : component(c) { component.BeginUpdate(); }
  ~TUpdateLock() { component.EndUpdate(); }
  TiComponent& component;
};

// Toolbars are left out of copies and prints: every toolbar is hidden, and
// afterwards every one gets toolbar 0's visibility back, also when drawing
// fails.
class TToolBarsHidden {
 public:
  explicit TToolBarsHidden(TiPlotComponent& plot)
      : master_(*plot.MasterManager()), shown_(plot.ToolBarCount() > 0 && plot.ToolBar(0)->Visible()) {
    master_.SetToolBarsVisible(false);
  }
  ~TToolBarsHidden() { master_.SetToolBarsVisible(shown_); }
  TToolBarsHidden(const TToolBarsHidden&) = delete;
  TToolBarsHidden& operator=(const TToolBarsHidden&) = delete;

 private:
  TiPlotMasterManager& master_;
  bool shown_;
};

TiPrintMargins MarginsOf(const TiPlotComponent& plot) {
  return {plot.PrintMargin(0), plot.PrintMargin(1), plot.PrintMargin(2), plot.PrintMargin(3)};
}
}  // namespace

void TiPlotComponent::RenderMetafile(TMetafile& picture, const std::string& description) {
  picture.SetSize(Width(), Height());
  TMetafileCanvas canvas(picture, kMetafileCreator, description);
  PaintComponentTo(*this, canvas);
}

void TiPlotComponent::CopyToClipboard() {
  TUpdateLock update(*this);
  TToolBarsHidden toolBars(*this);
  Master_->ClearFocusAll();
  switch (CopyFormat_) {
    case ipefMetaFile:
      if (!Metafile_) Metafile_ = std::make_unique<TMetafile>();
      RenderMetafile(*Metafile_, "Strip Chart");
      platform::CopyMetafileToClipboard(*Metafile_);
      break;
    case ipefBitmap: {
      TBitmap bitmap(Width(), Height());
      PaintComponentTo(*this, bitmap.Canvas());
      platform::CopyBitmapToClipboard(bitmap);
      break;
    }
    case ipefJPEG:
      platform::CopyJPEGToClipboard(*GetJPEGImage(*this, 100, false));
      break;
  }
}

const TMetafile& TiPlotComponent::GetMetafilePicture() {
  if (!Metafile_) Metafile_ = std::make_unique<TMetafile>();
  RenderMetafile(*Metafile_, "dIred");
  return *Metafile_;
}

bool TiPlotComponent::KnownImageEnding(const std::string& fileName) {
  const std::string ending = Ending(fileName);
  return ending == "bmp" || ending == "emf" || ending == "jpg" || ending == "png";
}

bool TiPlotComponent::SaveImageByEnding(const std::string& fileName) {
  Master_->ClearFocusAll();
  const std::string ending = Ending(fileName);
  if (ending == "bmp") SaveImageToBitmap(*this, fileName);
  else if (ending == "emf") SaveImageToMetafile(*this, fileName);
  else if (ending == "jpg") SaveImageToJPEG(*this, fileName, 100, true);
  else if (ending == "png") SaveImageToPNG(*this, fileName, 9);
  else return false;
  return true;
}

void TiPlotComponent::SaveImageDialog() {
  if (!SaveDialog_) SaveDialog_ = std::make_unique<platform::TSaveDialog>();
  SaveDialog_->Filter = kImageFilter;
  SaveDialog_->FileName = "Untitled";
  if (SaveDialog_->Execute()) SaveImageByEnding(SaveDialog_->FileName);
}

void TiPlotComponent::PrintChart() {
  try {
    platform::TPrinter& printer = platform::Printer();
    if (printer.Printing()) printer.EndDoc();
    printer.SetOrientation(PrintOrientation_);
    printer.SetTitle(PrintDocumentName_);
    if (PrintShowDialog_ && !printer.ExecuteDialog()) return;
    TUpdateLock update(*this);
    if (OnBeforePrint) OnBeforePrint(this, nullptr);
    PrintPage();
    if (OnAfterPrint) OnAfterPrint(this, nullptr);
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Printing : ") + error.what());
  }
}

void TiPlotComponent::PrintPage() {
  platform::TPrinter& printer = platform::Printer();
  const std::string name = Trimmed(PrinterName_);
  if (!name.empty()) {
    const auto printers = printer.Printers();
    if (std::find(printers.begin(), printers.end(), name) != printers.end()) printer.SetPrinterName(name);
  }
  if (!printer.Ready()) throw Exception("Could not initialize printer DeviceMode Structure");
  const TiPaperSize page = Oriented(PaperSizeOfCode(printer.PaperCode()), printer.Orientation());
  const TRect target = PrintTargetRect(page, printer.PixelsPerInchX(), printer.PixelsPerInchY(),
                                       printer.PhysicalOffsetX(), printer.PhysicalOffsetY(), MarginsOf(*this),
                                       Width(), Height());
  // Margins wider than the paper would print an empty or mirrored page.
  if (target.IsEmpty()) throw Exception("The print margins leave no room for the chart");
  printer.BeginDoc();
  try {
    Master_->ClearFocusAll();
    TMetafile picture;
    {
      TToolBarsHidden toolBars(*this);
      RenderMetafile(picture, "");
    }
    picture.Play(printer.Canvas(), target);
  } catch (...) {
    printer.Abort();
    throw;
  }
  printer.EndDoc();
}

void TiPlotComponent::ShowPreview() {
  TiPlotPreviewForm preview(*this);
  preview.ShowModal();
}
