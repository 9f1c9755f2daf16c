#include "plot/dIredPreview.h"

#include "platform/Bitmap.h"
#include "platform/Metafile.h"
#include "plot/dIredComponent.h"
#include "plot/dIredPreviewSettings.h"
#include "plot/dIredToolBar.h"

namespace {
// Toolbar 0 is left out of the preview's picture and shown again afterwards,
// also when drawing fails.
class TToolBarZeroHidden {
 public:
  explicit TToolBarZeroHidden(TiPlotComponent& plot) : bar_(plot.ToolBarCount() > 0 ? plot.ToolBar(0) : nullptr) {
    if (!bar_) return;
    shown_ = bar_->Visible();
    bar_->SetVisible(false);
  }
  ~TToolBarZeroHidden() {
    if (bar_) bar_->SetVisible(shown_);
  }
  TToolBarZeroHidden(const TToolBarZeroHidden&) = delete;
  TToolBarZeroHidden& operator=(const TToolBarZeroHidden&) = delete;

 private:
  TiPlotToolBar* bar_;
  bool shown_ = false;
};

void DrawPage(TCanvas& c, const TRect& page) {
  c.Brush.Style = bsSolid;
  c.Brush.Color = clBlack;
  c.FillRect({page.Left + 7, page.Top + 7, page.Right + 7, page.Bottom + 7});
  c.Pen = TPen{};
  c.Pen.Color = clBlack;
  c.Brush.Color = clWhite;
  c.Rectangle(page);
}
}  // namespace

TiPlotPreviewForm::TiPlotPreviewForm(TiPlotComponent& plot)
    : Margins{plot.PrintMargin(0), plot.PrintMargin(1), plot.PrintMargin(2), plot.PrintMargin(3)},
      Orientation(plot.PrintOrientation()),
      DocumentName(plot.PrintDocumentName()),
      Plot_(plot),
      Window_(std::make_unique<platform::TPreviewWindow>()) {
  Window_->SetTexts(plot.Translate("Wexlar Plot Preview"), plot.Translate("Settings"), plot.Translate("Close"),
                    plot.Translate("Print"));
  Window_->OnPaintPreview = [this](TCanvas& canvas, int width, int height) { PreviewPaint(canvas, width, height); };
  Window_->OnPrint = [this] { PrintButtonClick(); };
  Window_->OnSettings = [this] { SettingsButtonClick(); };
  Window_->OnClose = [this] { CloseButtonClick(); };
}

TiPlotPreviewForm::~TiPlotPreviewForm() = default;

void TiPlotPreviewForm::ShowModal() { Window_->ShowModal(); }

void TiPlotPreviewForm::PreviewPaint(TCanvas& canvas, int width, int height) {
  TBitmap bitmap(width, height);
  TCanvas& c = bitmap.Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = clBtnFace;
  c.FillRect({0, 0, width, height});
  {
    TToolBarZeroHidden toolBar(Plot_);
    if (Plot_.OnBeforePrint) Plot_.OnBeforePrint(&Plot_, this);
    const TiPreviewPage page = PreviewPage(width, height, Oriented(PaperSizeOfIndex(PaperSizeIndex), Orientation));
    if (!page.Page.IsEmpty()) {
      DrawPage(c, page.Page);
      const TMetafile& picture = Plot_.GetMetafilePicture();
      const TRect chart = PreviewChartRect(page, Margins, picture.Width(), picture.Height());
      if (!chart.IsEmpty()) picture.Play(c, chart);
    }
    canvas.Draw(0, 0, bitmap);
  }
  if (Plot_.OnAfterPrint) Plot_.OnAfterPrint(&Plot_, this);
}

void TiPlotPreviewForm::CloseButtonClick() { Window_->Close(); }

void TiPlotPreviewForm::PrintButtonClick() {
  Plot_.PrintChart();
  Window_->RepaintPreview();
}

void TiPlotPreviewForm::SettingsButtonClick() {
  TiPlotPreviewSettingsForm settings(Plot_);
  settings.Values = {Orientation, Margins.Top, Margins.Left, Margins.Right, Margins.Bottom, DocumentName,
                     PaperSizeIndex};
  if (!settings.Execute()) return;
  const platform::TPreviewSettings& v = settings.Values;
  Margins = {v.MarginLeft, v.MarginTop, v.MarginRight, v.MarginBottom};
  Orientation = v.Orientation;
  DocumentName = v.DocumentName;
  PaperSizeIndex = v.PaperSize;
  Plot_.SetPrintMargin(0, Margins.Left);
  Plot_.SetPrintMargin(1, Margins.Top);
  Plot_.SetPrintMargin(2, Margins.Right);
  Plot_.SetPrintMargin(3, Margins.Bottom);
  Plot_.SetPrintOrientation(Orientation);
  Plot_.SetPrintDocumentName(DocumentName);
  Window_->RepaintPreview();
}
