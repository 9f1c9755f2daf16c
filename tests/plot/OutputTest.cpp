// The chart leaving the screen: clipboard copies, picture files, printing to
// a PDF file (read back with pdftoppm) and the print preview.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "components/iImageExport.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/Metafile.h"
#include "platform/PreviewWindow.h"
#include "platform/Printer.h"
#include "platform/SaveDialog.h"
#include "plot/dIred.h"
#include "plot/dIredToolBar.h"
#include "tests/platform/EmfParser.h"
#include "tests/support/ImageDecode.h"

namespace fs = std::filesystem;

namespace {

QImage DecodeWithQt(const std::string& bytes, const char* format) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), format);
}

bool SamePixels(const QImage& a, const TBitmap& b) {
  if (a.width() != b.Width() || a.height() != b.Height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      if (RGB(qRed(p), qGreen(p), qBlue(p)) != b.Pixel(x, y)) return false;
    }
  return true;
}

class ChartOutput : public ::testing::Test {
 protected:
  ChartOutput() : dir(fs::temp_directory_path() / ("chart_output_test_" + std::to_string(::getpid()))) {
    fs::create_directories(dir);
    plot.SetBounds(0, 0, 500, 200);
    for (int i = 0; i < 50; ++i) plot.Channel(0)->AddXY(i, i % 7);
  }
  ~ChartOutput() override {
    fs::remove_all(dir);
    platform::TSaveDialog::Hook = nullptr;
    platform::SetPrintDialogHook(nullptr);
    platform::TPreviewWindow::Hook = nullptr;
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  // The chart as it should be copied: drawn without its toolbars.
  TBitmap WithoutToolBars() {
    const bool shown = plot.ToolBar(0)->Visible();
    plot.MasterManager()->SetToolBarsVisible(false);
    TBitmap b(plot.Width(), plot.Height());
    PaintComponentTo(plot, b.Canvas());
    plot.MasterManager()->SetToolBarsVisible(shown);
    return b;
  }
  TBitmap WithToolBars() {
    TBitmap b(plot.Width(), plot.Height());
    PaintComponentTo(plot, b.Canvas());
    return b;
  }

  fs::path dir;
  TiPlot plot;
};

// ---- clipboard ----------------------------------------------------------------

TEST_F(ChartOutput, BitmapCopyIsTheControlsSizeWithoutToolBar) {
  plot.SetCopyToClipBoardFormat(ipefBitmap);
  plot.CopyToClipboard();
  const QImage bmp = DecodeWithQt(platform::ClipboardData("image/bmp"), "BMP");
  ASSERT_EQ(bmp.width(), 500);
  ASSERT_EQ(bmp.height(), 200);
  EXPECT_TRUE(SamePixels(bmp, WithoutToolBars()));
  EXPECT_FALSE(SamePixels(bmp, WithToolBars()));
  const Decoded png = DecodePng(platform::ClipboardData("image/png"));
  EXPECT_EQ(png.width, 500);
  EXPECT_EQ(png.height, 200);
  EXPECT_TRUE(plot.ToolBar(0)->Visible());
  EXPECT_FALSE(plot.UpdateLocked());
}

TEST_F(ChartOutput, MetafileCopyParsesBackWithItsTextsBesideAPng) {
  plot.CopyToClipboard();  // the default format
  const std::string emf = platform::ClipboardData("image/x-emf");
  EXPECT_EQ(platform::ClipboardData("image/emf"), emf);
  const EmfFile f = ParseEmf(emf);
  EXPECT_EQ(f.creator, "Wexlar");
  EXPECT_EQ(f.description, "Strip Chart");
  EXPECT_EQ(f.bounds[2], 499);
  EXPECT_EQ(f.bounds[3], 199);
  const Decoded png = DecodePng(platform::ClipboardData("image/png"));
  EXPECT_EQ(png.width, 500);
  EXPECT_EQ(png.height, 200);
  // The picture getter keeps the same metafile with its own description.
  const TMetafile& picture = plot.GetMetafilePicture();
  EXPECT_EQ(picture.Description(), "dIred");
  EXPECT_EQ(picture.Creator(), "Wexlar");
  EXPECT_EQ(picture.Width(), 500);
  EXPECT_FALSE(picture.Empty());
}

TEST_F(ChartOutput, JpegCopyDecodesAsBaselineJpegOfTheChart) {
  plot.SetCopyToClipBoardFormat(ipefJPEG);
  plot.CopyToClipboard();
  const Decoded jpg = DecodeJpeg(platform::ClipboardData("image/jpeg"));
  EXPECT_EQ(jpg.width, 500);
  EXPECT_EQ(jpg.height, 200);
  EXPECT_FALSE(jpg.progressive);
  const TBitmap expected = WithoutToolBars();
  EXPECT_TRUE(Near(jpg.At(250, 100), expected.Pixel(250, 100), 12));
  EXPECT_TRUE(Near(jpg.At(10, 10), expected.Pixel(10, 10), 12));
}

TEST_F(ChartOutput, ToolBarsGetToolBarZerosVisibilityBack) {
  plot.AddToolBar();
  plot.SetCopyToClipBoardFormat(ipefBitmap);
  // A second toolbar hidden while toolbar 0 is visible comes back visible.
  plot.ToolBar(1)->SetVisible(false);
  plot.CopyToClipboard();
  EXPECT_TRUE(plot.ToolBar(0)->Visible());
  EXPECT_TRUE(plot.ToolBar(1)->Visible());
  // A toolbar the application hid stays hidden.
  plot.ToolBar(0)->SetVisible(false);
  plot.ToolBar(1)->SetVisible(true);
  plot.CopyToClipboard();
  EXPECT_FALSE(plot.ToolBar(0)->Visible());
  EXPECT_FALSE(plot.ToolBar(1)->Visible());
}

TEST_F(ChartOutput, ToolBarsAndUpdateLockComeBackWhenRenderingFails) {
  plot.SetCopyToClipBoardFormat(ipefBitmap);
  plot.OnYAxisCustomizeLabel = [](TiPlotComponent*, int, double, std::string&) { throw Exception("label failed"); };
  EXPECT_THROW(plot.CopyToClipboard(), Exception);
  EXPECT_TRUE(plot.ToolBar(0)->Visible());
  EXPECT_FALSE(plot.UpdateLocked());
}

// ---- picture files ------------------------------------------------------------

TEST_F(ChartOutput, EndingChoosesTheFormatCaseSensitively) {
  EXPECT_FALSE(plot.SaveImageByEnding(Path("x.PNG")));
  EXPECT_FALSE(plot.SaveImageByEnding(Path("x.jpeg")));
  EXPECT_FALSE(fs::exists(Path("x.PNG")));
  EXPECT_FALSE(fs::exists(Path("x.jpeg")));
  EXPECT_FALSE(TiPlotComponent::KnownImageEnding("chart.Bmp"));
  EXPECT_TRUE(TiPlotComponent::KnownImageEnding("chart.emf"));

  const TBitmap expected = WithToolBars();  // files keep the toolbar
  ASSERT_TRUE(plot.SaveImageByEnding(Path("x.png")));
  const Decoded png = DecodePng(platform::ReadWholeFile(Path("x.png")));
  ASSERT_EQ(png.width, 500);
  EXPECT_EQ(png.height, 200);
  EXPECT_EQ(png.At(20, 20), expected.Pixel(20, 20));
  EXPECT_EQ(png.At(250, 150), expected.Pixel(250, 150));

  ASSERT_TRUE(plot.SaveImageByEnding(Path("x.jpg")));
  const Decoded jpg = DecodeJpeg(platform::ReadWholeFile(Path("x.jpg")));
  EXPECT_EQ(jpg.width, 500);
  EXPECT_TRUE(jpg.progressive);

  ASSERT_TRUE(plot.SaveImageByEnding(Path("x.bmp")));
  EXPECT_TRUE(SamePixels(DecodeWithQt(platform::ReadWholeFile(Path("x.bmp")), "BMP"), expected));

  ASSERT_TRUE(plot.SaveImageByEnding(Path("x.emf")));
  const EmfFile emf = ParseEmf(platform::ReadWholeFile(Path("x.emf")));
  EXPECT_EQ(emf.creator, "Wexlar");
  EXPECT_EQ(emf.bounds[2], 499);
}

TEST_F(ChartOutput, SaveDialogOffersTheFourTypesAndWritesTheChosenFile) {
  std::string filter, proposed;
  std::optional<std::string> answer = Path("chart.png");
  platform::TSaveDialog::Hook = [&](const platform::TSaveDialog& d) {
    filter = d.Filter;
    proposed = d.FileName;
    return answer;
  };
  plot.SaveImageDialog();
  EXPECT_EQ(filter, "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png");
  EXPECT_EQ(proposed, "Untitled");
  EXPECT_EQ(DecodePng(platform::ReadWholeFile(Path("chart.png"))).width, 500);
  answer.reset();
  plot.SaveImageDialog();  // a cancel writes nothing and raises nothing
  EXPECT_EQ(proposed, "Untitled");
}

// ---- toolbar -------------------------------------------------------------------

TEST_F(ChartOutput, ToolBarButtonsStartTheOperations) {
  std::vector<std::string> started;
  platform::TSaveDialog::Hook = [&](const platform::TSaveDialog&) {
    started.push_back("save");
    return std::optional<std::string>();
  };
  platform::SetPrintDialogHook([&](platform::TPrinter&) { return started.push_back("print"), false; });
  platform::TPreviewWindow::Hook = [&](platform::TPreviewWindow&) { started.push_back("preview"); };
  plot.SetCopyToClipBoardFormat(ipefJPEG);
  plot.ToolBar(0)->SetShowPreviewButton(true);
  WithToolBars();  // lays the buttons out
  auto click = [&](TiPlotToolBarButtonType type) {
    const TRect& r = plot.ToolBar(0)->ButtonOf(type).Rect;
    plot.PlotMouseDown(ipmbLeft, 0, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    plot.PlotMouseUp(ipmbLeft, 0, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  };
  platform::CopyBitmapToClipboard(TBitmap(1, 1));
  click(iptbbtCopy);
  EXPECT_EQ(platform::ClipboardFormats(), std::vector<std::string>{"image/jpeg"});
  click(iptbbtSave);
  click(iptbbtPrint);
  click(iptbbtPreview);
  EXPECT_EQ(started, (std::vector<std::string>{"save", "print", "preview"}));
}

}  // namespace
