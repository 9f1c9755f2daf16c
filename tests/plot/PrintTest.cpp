// Printing (to a PDF file, read back with pdftoppm) and the print preview.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Bitmap.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/Printer.h"
#include "plot/dIred.h"
#include "plot/dIredPreview.h"
#include "plot/dIredPreviewSettings.h"
#include "plot/dIredToolBar.h"
#include "plot/iPrintGeometry.h"
#include "tests/support/ImageDecode.h"
#include "tests/support/MessageOf.h"

namespace fs = std::filesystem;

namespace {

// ---- arithmetic ---------------------------------------------------------------

TEST(PrintGeometry, ChartKeepsItsAspectInsideTheMargins) {
  // Letter landscape at 600 dpi, 1-inch margins: sx = 10.8, sy = 19.5.
  const TiPaperSize page = Oriented(PaperSizeOfCode(1), poLandscape);
  EXPECT_EQ(PrintTargetRect(page, 600, 600, 0, 0, {}, 500, 200), Rect(600, 600, 6000, 2760));
  // The printable area's offset moves the chart back onto the paper's frame.
  EXPECT_EQ(PrintTargetRect(page, 600, 600, 25, 30, {}, 500, 200), Rect(575, 570, 5975, 2730));
  // A tall chart is bound by the height: (5100 - 1200) / 400 = 9.75.
  EXPECT_EQ(PrintTargetRect(page, 600, 600, 0, 0, {}, 200, 400), Rect(600, 600, 2550, 4500));
  // Margins wider than the paper leave nothing.
  EXPECT_TRUE(PrintTargetRect(page, 600, 600, 0, 0, {6, 1, 6, 1}, 500, 200).IsEmpty());
  EXPECT_TRUE(PrintTargetRect(page, 600, 600, 0, 0, {}, 0, 200).IsEmpty());
}

TEST(PrintGeometry, PaperCodesAndUnknownCodesAsLetter) {
  EXPECT_DOUBLE_EQ(PaperSizeOfCode(5).Height, 14);
  EXPECT_NEAR(PaperSizeOfCode(9).Width, 8.2677, 1e-4);  // 210 mm
  EXPECT_NEAR(PaperSizeOfCode(8).Height, 16.5354, 1e-4);
  EXPECT_NEAR(PaperSizeOfCode(11).Width, 5.8268, 1e-4);
  EXPECT_DOUBLE_EQ(PaperSizeOfCode(7).Width, 8.5);
  EXPECT_DOUBLE_EQ(PaperSizeOfCode(0).Height, 11);
  EXPECT_DOUBLE_EQ(PaperSizeOfIndex(1).Height, 14);
  EXPECT_DOUBLE_EQ(Oriented(PaperSizeOfIndex(0), poLandscape).Width, 11);
}

TEST(PrintGeometry, PreviewPageForEachPaperInBothOrientations) {
  const int boxW = 836, boxH = 520;  // available 816 x 500
  struct Case {
    int index;
    TPrinterOrientation orientation;
    TRect page;
    int ppi;
  };
  const Case cases[] = {
      {0, poPortrait, Rect(220, 5, 606, 505), 45},  {0, poLandscape, Rect(89, 5, 736, 505), 59},
      {1, poPortrait, Rect(261, 5, 565, 505), 36},  {1, poLandscape, Rect(5, 7, 821, 502), 58},
      {2, poPortrait, Rect(236, 5, 590, 505), 30},  {2, poLandscape, Rect(59, 5, 766, 505), 43},
      {3, poPortrait, Rect(236, 5, 590, 505), 43},  {3, poLandscape, Rect(59, 5, 766, 505), 60},
      {4, poPortrait, Rect(237, 5, 589, 505), 60},  {4, poLandscape, Rect(58, 5, 767, 505), 86},
  };
  for (const Case& c : cases) {
    const TiPreviewPage p = PreviewPage(boxW, boxH, Oriented(PaperSizeOfIndex(c.index), c.orientation));
    EXPECT_EQ(p.Page, c.page) << c.index << " " << int(c.orientation);
    EXPECT_EQ(p.PixelsPerInch, c.ppi) << c.index << " " << int(c.orientation);
  }
  // The chart inside: Letter landscape, 1-inch margins at 59 pixels an inch
  // leave 529 x 382; a 500 x 200 chart is bound by the width.
  const TiPreviewPage letter = PreviewPage(boxW, boxH, Oriented(PaperSizeOfIndex(0), poLandscape));
  EXPECT_EQ(PreviewChartRect(letter, {}, 500, 200), Rect(89 + 59, 5 + 59, 89 + 59 + 529, 5 + 59 + 212));
  EXPECT_TRUE(PreviewChartRect(letter, {6, 1, 6, 1}, 500, 200).IsEmpty());
  EXPECT_TRUE(PreviewPage(20, 300, PaperSizeOfIndex(0)).Page.IsEmpty());
}

// ---- printing to a PDF file ---------------------------------------------------

class Printing : public ::testing::Test {
 protected:
  Printing() : dir(fs::temp_directory_path() / ("print_test_" + std::to_string(::getpid()))) {
    fs::create_directories(dir);
    plot.SetBounds(0, 0, 500, 200);
    plot.SetBorderStyle(ibsNone);  // black to the chart's edge: its extent on paper is exact
    plot.SetPrintShowDialog(false);
    platform::Printer().SetOutputFileName(Path("chart.pdf"));
    platform::Printer().SetPaperCode(1);
    platform::Printer().SetResolution(600);
  }
  ~Printing() override {
    fs::remove_all(dir);
    platform::SetPrintDialogHook(nullptr);
    platform::TPreviewWindow::Hook = nullptr;
    platform::SetPreviewSettingsHook(nullptr);
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }

  fs::path dir;
  TiPlot plot;
};

// The bounding box of the pixels darker than light grey on the first page of
// a PDF rendered at `dpi`, and the page's size.
struct PageInk {
  int width = 0, height = 0;
  TRect ink{};
};
PageInk InkOnPage(const std::string& pdf, int dpi, const std::string& dir) {
  const std::string out = dir + "/page";
  const std::string command =
      "pdftoppm -png -singlefile -r " + std::to_string(dpi) + " '" + pdf + "' '" + out + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << "pdftoppm (poppler-utils) is needed: scripts/setup installs it";
  const Decoded page = DecodePng(platform::ReadWholeFile(out + ".png"));
  PageInk result{page.width, page.height, {page.width, page.height, 0, 0}};
  for (int y = 0; y < page.height; ++y)
    for (int x = 0; x < page.width; ++x)
      if (GetRValue(page.At(x, y)) < 200) {
        TRect& r = result.ink;
        r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
      }
  return result;
}

TEST_F(Printing, LetterLandscapeAt600DpiPutsThe5400By2160ChartInsideTheMargins) {
  std::vector<std::string> events;
  plot.OnBeforePrint = [&](TiPlotComponent* p, TiPlotPreviewForm* preview) {
    events.push_back(p == &plot && !preview ? "before" : "?");
    EXPECT_TRUE(plot.UpdateLocked());
  };
  plot.OnAfterPrint = [&](TiPlotComponent*, TiPlotPreviewForm*) { events.push_back("after"); };
  plot.PrintChart();
  EXPECT_EQ(events, (std::vector<std::string>{"before", "after"}));
  EXPECT_FALSE(plot.UpdateLocked());
  EXPECT_TRUE(plot.ToolBar(0)->Visible());
  EXPECT_FALSE(fs::exists(Path("chart.pdf.printing")));
  EXPECT_EQ(platform::Printer().PixelsPerInchX(), 600);
  EXPECT_EQ(platform::Printer().PhysicalOffsetX(), 0);
  // At 100 dpi the 600-dpi chart (600, 600)-(6000, 2760) is (100, 100)-(1000, 460).
  const PageInk page = InkOnPage(Path("chart.pdf"), 100, dir.string());
  EXPECT_EQ(page.width, 1100);
  EXPECT_EQ(page.height, 850);
  EXPECT_NEAR(page.ink.Left, 100, 1);
  EXPECT_NEAR(page.ink.Top, 100, 1);
  EXPECT_NEAR(page.ink.Right, 1000, 1);
  EXPECT_NEAR(page.ink.Bottom, 460, 1);
}

TEST_F(Printing, PortraitMarginsMoveTheChart) {
  plot.SetPrintOrientation(poPortrait);
  plot.SetPrintMargin(0, 0.5);  // left
  plot.SetPrintMargin(1, 2);    // top
  plot.PrintChart();
  // 8.5 x 11 at 600 dpi: sx = (5100 - 900) / 500 = 8.4, so 4200 x 1680 at (300, 1200).
  const PageInk page = InkOnPage(Path("chart.pdf"), 100, dir.string());
  EXPECT_EQ(page.width, 850);
  EXPECT_EQ(page.height, 1100);
  EXPECT_NEAR(page.ink.Left, 50, 1);
  EXPECT_NEAR(page.ink.Top, 200, 1);
  EXPECT_NEAR(page.ink.Right, 750, 1);
  EXPECT_NEAR(page.ink.Bottom, 480, 1);
}

TEST_F(Printing, CancelledDialogIsNoErrorAndPrintsNothing) {
  plot.SetPrintShowDialog(true);
  int asked = 0;
  platform::SetPrintDialogHook([&](platform::TPrinter&) { return ++asked, false; });
  bool before = false;
  plot.OnBeforePrint = [&](TiPlotComponent*, TiPlotPreviewForm*) { before = true; };
  EXPECT_NO_THROW(plot.PrintChart());
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(before);
  EXPECT_FALSE(fs::exists(Path("chart.pdf")));
}

TEST_F(Printing, FailuresAreReportedWithThePrefixAndLeaveNoFile) {
  platform::Printer().SetOutputFileName(Path("no/such/dir/chart.pdf"));
  const std::string message = MessageOf([&] { plot.PrintChart(); });
  EXPECT_EQ(message.rfind("Error Printing : ", 0), 0u) << message;
  EXPECT_NE(message.find("no/such/dir/chart.pdf"), std::string::npos) << message;
  EXPECT_FALSE(plot.UpdateLocked());

  platform::Printer().SetOutputFileName(Path("chart.pdf"));
  plot.OnAfterPrint = [](TiPlotComponent*, TiPlotPreviewForm*) { throw Exception("after failed"); };
  EXPECT_EQ(MessageOf([&] { plot.PrintChart(); }), "Error Printing : after failed");
  EXPECT_FALSE(plot.UpdateLocked());
  plot.OnAfterPrint = nullptr;

  plot.SetPrintMargin(0, 6);
  plot.SetPrintMargin(2, 6);
  EXPECT_EQ(MessageOf([&] { plot.PrintChart(); }), "Error Printing : The print margins leave no room for the chart");
  EXPECT_TRUE(plot.ToolBar(0)->Visible());

  if (platform::Printer().Printers().empty()) {
    platform::Printer().SetOutputFileName("");  // no printer and no file
    EXPECT_EQ(MessageOf([&] { plot.PrintChart(); }),
              "Error Printing : Could not initialize printer DeviceMode Structure");
  }
}

// ---- preview ------------------------------------------------------------------

TEST_F(Printing, PreviewSettingsOkCopiesIntoThePlotAndCancelChangesNothing) {
  plot.AddTranslation("Margin", "Rand");
  plot.SetPrintDocumentName("Run 7");
  platform::TPreviewSettings offered;
  std::string marginCaption;
  bool answer = false;
  platform::SetPreviewSettingsHook([&](platform::TPreviewSettings& v, const platform::TPreviewSettingsTexts& t) {
    offered = v;
    marginCaption = t.Margin;
    EXPECT_EQ(t.PaperSizes, (std::vector<std::string>{"Letter", "Legal", "A3", "A4", "A5"}));
    v.MarginLeft = 0.5;
    v.MarginTop = 0.25;
    v.MarginRight = 2;
    v.MarginBottom = 1.5;
    v.Orientation = poPortrait;
    v.DocumentName = "Shift report";
    v.PaperSize = 3;
    return answer;
  });
  TiPlotPreviewForm preview(plot);
  EXPECT_EQ(preview.Window().Caption(), "Wexlar Plot Preview");
  preview.SettingsButtonClick();  // Cancel
  EXPECT_EQ(offered.DocumentName, "Run 7");
  EXPECT_EQ(offered.Orientation, poLandscape);
  EXPECT_EQ(marginCaption, "Rand");
  for (int side = 0; side < 4; ++side) EXPECT_EQ(plot.PrintMargin(side), 1.0);
  EXPECT_EQ(plot.PrintDocumentName(), "Run 7");
  EXPECT_EQ(preview.PaperSizeIndex, 0);

  answer = true;
  preview.SettingsButtonClick();  // OK
  EXPECT_EQ(plot.PrintMargin(0), 0.5);
  EXPECT_EQ(plot.PrintMargin(1), 0.25);
  EXPECT_EQ(plot.PrintMargin(2), 2.0);
  EXPECT_EQ(plot.PrintMargin(3), 1.5);
  EXPECT_EQ(plot.PrintOrientation(), poPortrait);
  EXPECT_EQ(plot.PrintDocumentName(), "Shift report");
  EXPECT_EQ(preview.PaperSizeIndex, 3);
  // Reopening offers what OK stored in the preview.
  preview.SettingsButtonClick();
  EXPECT_EQ(offered.PaperSize, 3);
  EXPECT_EQ(offered.MarginRight, 2.0);
}

TEST_F(Printing, PreviewPaintsThePageShadowAndChartWithToolBarZeroHidden) {
  plot.SetBackGroundColor(clBlue);
  TiPlotPreviewForm preview(plot);
  std::vector<bool> toolBarShownInEvents;
  plot.OnBeforePrint = [&](TiPlotComponent*, TiPlotPreviewForm* sender) {
    EXPECT_EQ(sender, &preview);
    toolBarShownInEvents.push_back(plot.ToolBar(0)->Visible());
  };
  plot.OnAfterPrint = [&](TiPlotComponent*, TiPlotPreviewForm*) {
    toolBarShownInEvents.push_back(plot.ToolBar(0)->Visible());
  };
  TBitmap box(836, 520);
  preview.PreviewPaint(box.Canvas(), 836, 520);
  EXPECT_EQ(toolBarShownInEvents, (std::vector<bool>{false, true}));
  // Letter landscape page (89, 5)-(736, 505), 59 pixels an inch.
  EXPECT_EQ(box.Pixel(2, 2), platform::ColorToRGB(clBtnFace));
  EXPECT_EQ(box.Pixel(89, 5), clBlack);      // frame
  EXPECT_EQ(box.Pixel(100, 20), clWhite);    // margin
  EXPECT_EQ(box.Pixel(740, 300), clBlack);   // shadow
  EXPECT_EQ(box.Pixel(400, 170), clBlue);    // the chart's background
  EXPECT_EQ(box.Pixel(400, 300), clWhite);   // below the chart
}

TEST_F(Printing, PreviewButtonsPrintAndClose) {
  int shown = 0;
  platform::TPreviewWindow::Hook = [&](platform::TPreviewWindow& window) {
    ++shown;
    EXPECT_EQ(window.Caption(), "Wexlar Plot Preview");
    window.OnPrint();
    window.OnClose();
  };
  plot.ShowPreview();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(InkOnPage(Path("chart.pdf"), 100, dir.string()).width, 1100);
}

}  // namespace
