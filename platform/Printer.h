// The program's printer: one of the system's printers through Qt Print
// Support, or a PDF file (which needs no printer installed: the print dialog
// offers it, and tests choose it with SetOutputFileName).
//
// A document is begun, drawn on through Canvas() in the printer's pixels, and
// ended; the origin of the canvas is the top-left corner of the printable
// area, which lies PhysicalOffsetX/Y pixels inside the paper's corner.
// GUI thread only.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCanvas;

enum TPrinterOrientation : uint8_t { poPortrait, poLandscape };
inline const std::vector<std::string>& EnumValueNames(TPrinterOrientation) {
  static const std::vector<std::string> names{"poPortrait", "poLandscape"};
  return names;
}

namespace platform {

class TPrinter {
 public:
  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // The installed printers' names, and the one printing (empty for a file).
  std::vector<std::string> Printers() const;
  std::string PrinterName() const;
  void SetPrinterName(const std::string& name);
  // Prints into this PDF file instead; an empty name goes back to the
  // system's default printer.
  void SetOutputFileName(const std::string& fileName);
  std::string OutputFileName() const;
  // False when there is nowhere to print to.
  bool Ready() const;

  TPrinterOrientation Orientation() const;
  void SetOrientation(TPrinterOrientation orientation);
  void SetTitle(const std::string& title);
  // The paper by its classic code: 1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5;
  // 0 for any other paper.
  int PaperCode() const;
  void SetPaperCode(int code);  // one of those five
  // Dots per inch asked of the printer (its own choice until set).
  void SetResolution(int dotsPerInch);

  // Device capabilities: dots per inch, and the printable area's offset from
  // the paper's corner in dots.
  int PixelsPerInchX() const;
  int PixelsPerInchY() const;
  int PhysicalOffsetX() const;
  int PhysicalOffsetY() const;

  // The print dialog; false when the operator cancels it (always, headless).
  bool ExecuteDialog();

  // A PDF is written to a temporary file beside its target and renamed over
  // it by EndDoc, so a failed print leaves no half-written file. BeginDoc
  // raises Exception when the printer or file cannot be opened.
  void BeginDoc();
  bool Printing() const;
  TCanvas& Canvas();  // while printing
  void EndDoc();
  void Abort();       // drops the document

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

// The program's one printer.
TPrinter& Printer();

// While set, ExecuteDialog asks this instead of showing a dialog.
void SetPrintDialogHook(std::function<bool(TPrinter& printer)> hook);

}  // namespace platform
