// Where a chart goes on paper: the paper sizes the printing code knows, the
// chart's rectangle on a printed page, and the page and chart of the print
// preview. Pure arithmetic, in inches and pixels; round() halves to even.
#pragma once
#include "platform/Printer.h"
#include "platform/Types.h"

struct TiPaperSize {
  double Width = 8.5, Height = 11;  // inches
};

// By the printer's paper code: 1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5; every
// other code is Letter. Portrait.
TiPaperSize PaperSizeOfCode(int code);
// The preview's paper list: 0 Letter, 1 Legal, 2 A3, 3 A4, 4 A5 (Letter
// outside).
TiPaperSize PaperSizeOfIndex(int index);
// Width and height exchanged in landscape.
TiPaperSize Oriented(TiPaperSize paper, TPrinterOrientation orientation);

struct TiPrintMargins {
  double Left = 1, Top = 1, Right = 1, Bottom = 1;  // inches
};

// The chart of width x height pixels on a page printed at dpiX x dpiY dots
// per inch whose printable area starts offX, offY dots inside the paper: as
// large as fits inside the margins, aspect ratio kept, at the top-left
// margin. Empty when the margins leave no room.
TRect PrintTargetRect(TiPaperSize page, int dpiX, int dpiY, int offX, int offY, const TiPrintMargins& margins,
                      int width, int height);

// The preview: the page as large as fits in a box 20 pixels smaller than
// the box, centred and shifted 5 pixels up and left; PixelsPerInch is the
// page's scale on screen. Empty for a box of 20 pixels or less.
struct TiPreviewPage {
  TRect Page;
  int PixelsPerInch = 0;
};
TiPreviewPage PreviewPage(int boxWidth, int boxHeight, TiPaperSize page);
// The chart's picture of width x height on that page: as large as fits
// inside the margins, aspect ratio kept, at the top-left margin. Empty when
// the margins leave no room.
TRect PreviewChartRect(const TiPreviewPage& page, const TiPrintMargins& margins, int width, int height);
