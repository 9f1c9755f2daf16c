// The clipboard, the printer (a PDF file) and the preview windows, on Qt's
// offscreen platform.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "EmfParser.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/ImageFiles.h"
#include "platform/Metafile.h"
#include "platform/PreviewWindow.h"
#include "platform/Printer.h"
#include "tests/support/ImageDecode.h"

namespace fs = std::filesystem;

namespace {

// Runs `act` on the modal window once it is up (the test then waits in its
// modal loop).
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    act(modal);
  });
}

template <class W>
W* Child(QWidget* parent, const char* name) {
  W* w = parent->findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

TEST(Clipboard, EachCopyReplacesTheFormatsOfTheLast) {
  TBitmap bitmap(30, 20);
  bitmap.Fill(clRed);
  platform::CopyBitmapToClipboard(bitmap);
  EXPECT_EQ(platform::ClipboardData("image/bmp"), bitmap.SaveToBytes());
  EXPECT_EQ(DecodePng(platform::ClipboardData("image/png")).At(29, 19), clRed);

  TMetafile picture(30, 20);
  {
    TMetafileCanvas canvas(picture, "Wexlar", "Strip Chart");
    canvas.Brush.Color = clBlue;
    canvas.FillRect({0, 0, 30, 20});
  }
  platform::CopyMetafileToClipboard(picture);
  EXPECT_EQ(ParseEmf(platform::ClipboardData("image/x-emf")).description, "Strip Chart");
  EXPECT_EQ(platform::ClipboardData("image/emf"), picture.SaveToBytes());
  EXPECT_EQ(DecodePng(platform::ClipboardData("image/png")).At(15, 10), clBlue);
  EXPECT_EQ(platform::ClipboardData("image/bmp"), "");

  const TJPEGImage jpeg(platform::EncodeJPEG(bitmap, 100, false), 30, 20, false);
  platform::CopyJPEGToClipboard(jpeg);
  EXPECT_EQ(platform::ClipboardData("image/jpeg"), jpeg.Data());
  EXPECT_EQ(platform::ClipboardFormats(), std::vector<std::string>{"image/jpeg"});
}

// A clip ends by selecting no clip region; a reader given another record
// keeps the clip and draws nothing outside it (the axes, toolbar and title
// of a chart were lost that way).
TEST(EmfForOtherPrograms, ClipIsResetBySelectingNoRegion) {
  TMetafile picture(100, 50);
  {
    TMetafileCanvas canvas(picture);
    canvas.SetClipRect({10, 10, 50, 40});
    canvas.Rectangle(0, 0, 60, 45);
    canvas.RemoveClip();
    canvas.Rectangle(70, 0, 90, 45);
  }
  const EmfFile f = ParseEmf(picture.SaveToBytes());
  constexpr uint32_t kExtSelectClipRgn = 75, kSelectClipPath = 67;
  EXPECT_EQ(f.Count(kSelectClipPath), 0u);
  ASSERT_GE(f.Count(kExtSelectClipRgn), 1u);
  for (const EmfRecord& r : f.list)
    if (r.type == kExtSelectClipRgn) {
      EXPECT_EQ(f.U32(r.offset + 8), 0u);  // no region data
      EXPECT_EQ(f.U32(r.offset + 12), 5u);  // RGN_COPY
    }
}

class PdfPrinter : public ::testing::Test {
 protected:
  PdfPrinter() : dir(fs::temp_directory_path() / ("pdf_printer_test_" + std::to_string(::getpid()))) {
    fs::create_directories(dir);
  }
  ~PdfPrinter() override {
    platform::Printer().SetOutputFileName("");
    fs::remove_all(dir);
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(PdfPrinter, DocumentReplacesTheFileOnlyWhenEnded) {
  platform::TPrinter& printer = platform::Printer();
  platform::WriteFileAtomically(Path("out.pdf"), "old");
  printer.SetOutputFileName(Path("out.pdf"));
  printer.SetPaperCode(9);
  printer.SetOrientation(poPortrait);
  printer.SetResolution(300);
  EXPECT_TRUE(printer.Ready());
  EXPECT_EQ(printer.PaperCode(), 9);
  EXPECT_EQ(printer.Orientation(), poPortrait);
  EXPECT_EQ(printer.PixelsPerInchY(), 300);

  printer.BeginDoc();
  EXPECT_TRUE(printer.Printing());
  printer.Canvas().Rectangle(100, 100, 400, 300);
  printer.Abort();  // dropped: the old file stays
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(platform::ReadWholeFile(Path("out.pdf")), "old");

  printer.BeginDoc();
  printer.Canvas().Rectangle(100, 100, 400, 300);
  printer.EndDoc();
  EXPECT_EQ(platform::ReadWholeFile(Path("out.pdf")).substr(0, 5), "%PDF-");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  EXPECT_EQ(printer.OutputFileName(), Path("out.pdf"));
  EXPECT_THROW(printer.Canvas(), Exception);
}

TEST_F(PdfPrinter, UnwritableFileRaisesWithItsName) {
  platform::TPrinter& printer = platform::Printer();
  printer.SetOutputFileName(Path("missing/out.pdf"));
  try {
    printer.BeginDoc();
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message.find("missing/out.pdf"), std::string::npos) << e.Message;
  }
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(printer.OutputFileName(), Path("missing/out.pdf"));
}

TEST(PreviewWindow, ShowsItsButtonsAndBoxAndRunsTheirHandlers) {
  platform::TPreviewWindow window;
  window.SetTexts("Wexlar Plot Preview", "Settings", "Close", "Print");
  std::vector<std::string> log;
  int paintedWidth = 0;
  window.OnPaintPreview = [&](TCanvas& canvas, int width, int height) {
    paintedWidth = width;
    canvas.Brush.Color = clGreen;
    canvas.FillRect({0, 0, width, height});
  };
  window.OnPrint = [&] { log.push_back("print"); };
  window.OnSettings = [&] { log.push_back("settings"); };
  window.OnClose = [&] {
    log.push_back("close");
    window.Close();
  };
  WhenModal([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Wexlar Plot Preview");
    EXPECT_EQ(dialog->size(), QSize(836, 563));
    EXPECT_EQ(dialog->minimumSize(), QSize(500, 300));
    EXPECT_EQ(Child<QPushButton>(dialog, "SettingsButton")->text().toStdString(), "Settings");
    EXPECT_FALSE(Child<QToolButton>(dialog, "PrintButton")->icon().isNull());
    QWidget* box = Child<QWidget>(dialog, "Preview");
    EXPECT_GT(box->height(), 450);
    EXPECT_EQ(box->grab().toImage().pixelColor(10, 10), QColor(0, 128, 0));
    Child<QToolButton>(dialog, "PrintButton")->click();
    Child<QPushButton>(dialog, "SettingsButton")->click();
    Child<QPushButton>(dialog, "CloseButton")->click();
  });
  window.ShowModal();
  EXPECT_EQ(log, (std::vector<std::string>{"print", "settings", "close"}));
  EXPECT_EQ(paintedWidth, window.PreviewWidth());
}

TEST(PreviewSettingsDialog, OkHandsBackTheEditsAndCancelNothing) {
  platform::TPreviewSettingsTexts texts{"Settings", "Orientation", "Portrait", "Landscape", "Margin", "Top", "Left",
                                        "Right",    "Bottom",      "Document Name", "Paper Size", "OK", "Cancel",
                                        {"Letter", "Legal", "A3", "A4", "A5"}};
  platform::TPreviewSettings values;
  values.DocumentName = "Untitled";
  auto edit = [](QWidget* dialog, const char* button) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings");
    for (QRadioButton* r : dialog->findChildren<QRadioButton*>())
      if (r->text() == "Portrait") r->setChecked(true);
    Child<QDoubleSpinBox>(dialog, "MarginLeft")->setValue(0.75);
    Child<QDoubleSpinBox>(dialog, "MarginBottom")->setValue(2);
    Child<QLineEdit>(dialog, "DocumentName")->setText("Night shift");
    QComboBox* paper = Child<QComboBox>(dialog, "PaperSize");
    EXPECT_EQ(paper->count(), 5);
    paper->setCurrentIndex(4);
    Child<QPushButton>(dialog, button)->click();
  };
  WhenModal([&](QWidget* dialog) { edit(dialog, "CancelButton"); });
  EXPECT_FALSE(platform::EditPreviewSettings(values, texts));
  EXPECT_EQ(values.DocumentName, "Untitled");
  EXPECT_EQ(values.MarginLeft, 1.0);

  WhenModal([&](QWidget* dialog) { edit(dialog, "OKButton"); });
  EXPECT_TRUE(platform::EditPreviewSettings(values, texts));
  EXPECT_EQ(values.Orientation, poPortrait);
  EXPECT_EQ(values.MarginLeft, 0.75);
  EXPECT_EQ(values.MarginBottom, 2.0);
  EXPECT_EQ(values.MarginTop, 1.0);
  EXPECT_EQ(values.DocumentName, "Night shift");
  EXPECT_EQ(values.PaperSize, 4);
}

}  // namespace
