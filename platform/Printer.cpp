#include "platform/Printer.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/Application.h"
#include "platform/Canvas.h"
#include "platform/Control.h"
#include "platform/ControlQt.h"
#include "platform/Exception.h"

namespace platform {
namespace {
std::function<bool(TPrinter&)> dialogHook;

struct PaperCodeEntry {
  int code;
  QPageSize::PageSizeId id;
};
constexpr PaperCodeEntry kPaperCodes[] = {
    {1, QPageSize::Letter}, {5, QPageSize::Legal}, {8, QPageSize::A3}, {9, QPageSize::A4}, {11, QPageSize::A5}};
}  // namespace

struct TPrinter::Impl {
  QPrinter printer{QPrinter::HighResolution};
  std::unique_ptr<QPainter> painter;
  std::unique_ptr<TCanvas> canvas;
  std::string target;  // the PDF file a document goes to, written beside it first

  std::string Temporary() const { return target + ".printing"; }
};

TPrinter::TPrinter() : impl_((EnsureApplication(), std::make_unique<Impl>())) {}
TPrinter::~TPrinter() = default;

std::vector<std::string> TPrinter::Printers() const {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
  return names;
}

std::string TPrinter::PrinterName() const {
  return impl_->printer.outputFormat() == QPrinter::NativeFormat ? impl_->printer.printerName().toStdString() : "";
}

void TPrinter::SetPrinterName(const std::string& name) {
  impl_->printer.setOutputFileName({});
  impl_->printer.setPrinterName(QString::fromStdString(name));
}

void TPrinter::SetOutputFileName(const std::string& fileName) {
  QPrinter& p = impl_->printer;
  if (fileName.empty()) {
    p.setOutputFileName({});
    p.setPrinterName(QPrinterInfo::defaultPrinterName());
    return;
  }
  p.setOutputFormat(QPrinter::PdfFormat);
  p.setOutputFileName(QString::fromStdString(fileName));
  // A file has no edge a printer cannot reach.
  p.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

std::string TPrinter::OutputFileName() const { return impl_->printer.outputFileName().toStdString(); }

bool TPrinter::Ready() const {
  const QPrinter& p = impl_->printer;
  return p.isValid() && (p.outputFormat() == QPrinter::NativeFormat || !p.outputFileName().isEmpty());
}

TPrinterOrientation TPrinter::Orientation() const {
  return impl_->printer.pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation orientation) {
  impl_->printer.setPageOrientation(orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TPrinter::SetTitle(const std::string& title) { impl_->printer.setDocName(QString::fromStdString(title)); }

int TPrinter::PaperCode() const {
  const QPageSize::PageSizeId id = impl_->printer.pageLayout().pageSize().id();
  for (const auto& e : kPaperCodes)
    if (e.id == id) return e.code;
  return 0;
}

void TPrinter::SetPaperCode(int code) {
  for (const auto& e : kPaperCodes)
    if (e.code == code) impl_->printer.setPageSize(QPageSize(e.id));
}

void TPrinter::SetResolution(int dotsPerInch) { impl_->printer.setResolution(dotsPerInch); }

int TPrinter::PixelsPerInchX() const { return impl_->printer.logicalDpiX(); }
int TPrinter::PixelsPerInchY() const { return impl_->printer.logicalDpiY(); }

int TPrinter::PhysicalOffsetX() const {
  const QPrinter& p = impl_->printer;
  return qRound(p.pageRect(QPrinter::DevicePixel).left() - p.paperRect(QPrinter::DevicePixel).left());
}

int TPrinter::PhysicalOffsetY() const {
  const QPrinter& p = impl_->printer;
  return qRound(p.pageRect(QPrinter::DevicePixel).top() - p.paperRect(QPrinter::DevicePixel).top());
}

bool TPrinter::ExecuteDialog() {
  if (dialogHook) return dialogHook(*this);
  if (Headless()) return false;
  QPrintDialog dialog(&impl_->printer);
  return dialog.exec() == QDialog::Accepted;
}

void TPrinter::BeginDoc() {
  Impl& d = *impl_;
  if (d.painter) throw Exception("Printing in progress");
  const bool toFile = d.printer.outputFormat() == QPrinter::PdfFormat;
  d.target = toFile ? d.printer.outputFileName().toStdString() : "";
  if (toFile) d.printer.setOutputFileName(QString::fromStdString(d.Temporary()));
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(&d.printer)) {
    if (toFile) {
      d.printer.setOutputFileName(QString::fromStdString(d.target));
      std::remove(d.Temporary().c_str());
    }
    throw Exception(toFile ? "Cannot write the file \"" + d.target + "\""
                           : "The printer \"" + PrinterName() + "\" cannot start a document");
  }
  d.painter = std::move(painter);
  d.canvas = MakePainterCanvas(*d.painter, PixelsPerInchX());
}

bool TPrinter::Printing() const { return impl_->painter != nullptr; }

TCanvas& TPrinter::Canvas() {
  if (!impl_->canvas) throw Exception("Printer is not printing");
  return *impl_->canvas;
}

void TPrinter::EndDoc() {
  Impl& d = *impl_;
  if (!d.painter) return;
  d.canvas.reset();
  const bool ended = d.painter->end();
  d.painter.reset();
  if (d.target.empty()) return;
  d.printer.setOutputFileName(QString::fromStdString(d.target));
  const std::string temporary = d.Temporary();
  if (!ended || std::rename(temporary.c_str(), d.target.c_str()) != 0) {
    const std::string reason = ended ? std::strerror(errno) : "the document could not be finished";
    std::remove(temporary.c_str());
    throw Exception("Cannot write the file \"" + d.target + "\": " + reason);
  }
}

void TPrinter::Abort() {
  Impl& d = *impl_;
  if (!d.painter) return;
  d.canvas.reset();
  d.printer.abort();
  d.painter->end();
  d.painter.reset();
  if (d.target.empty()) return;
  d.printer.setOutputFileName(QString::fromStdString(d.target));
  std::remove(d.Temporary().c_str());
}

TPrinter& Printer() {
  // Lives as long as the program: Qt's printer must not outlive the
  // application object, which static destruction could not promise.
  static TPrinter* printer = new TPrinter;
  return *printer;
}

void SetPrintDialogHook(std::function<bool(TPrinter&)> hook) { dialogHook = std::move(hook); }

}  // namespace platform
