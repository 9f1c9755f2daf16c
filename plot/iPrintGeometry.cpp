#include "plot/iPrintGeometry.h"

#include <algorithm>
#include <utility>

#include "platform/Rounding.h"

namespace {
constexpr double Millimetres(double mm) { return mm / 10 / 2.54; }

int R(double x) { return static_cast<int>(Round(x)); }
}  // namespace

TiPaperSize PaperSizeOfCode(int code) {
  switch (code) {
    case 5: return {8.5, 14};
    case 8: return {Millimetres(297), Millimetres(420)};
    case 9: return {Millimetres(210), Millimetres(297)};
    case 11: return {Millimetres(148), Millimetres(210)};
    default: return {8.5, 11};
  }
}

TiPaperSize PaperSizeOfIndex(int index) {
  constexpr int kCodes[] = {1, 5, 8, 9, 11};
  return PaperSizeOfCode(index >= 0 && index < 5 ? kCodes[index] : 1);
}

TiPaperSize Oriented(TiPaperSize paper, TPrinterOrientation orientation) {
  if (orientation == poLandscape) std::swap(paper.Width, paper.Height);
  return paper;
}

TRect PrintTargetRect(TiPaperSize page, int dpiX, int dpiY, int offX, int offY, const TiPrintMargins& m, int width,
                      int height) {
  if (width <= 0 || height <= 0) return {};
  const int pw = R(dpiX * page.Width), ph = R(dpiY * page.Height);
  const double sx = (pw - (m.Left + m.Right) * dpiX) / width;
  const double sy = (ph - (m.Top + m.Bottom) * dpiY) / height;
  const double s = std::min(sx, sy);
  if (s <= 0) return {};
  return {R(dpiX * m.Left) - offX, R(dpiY * m.Top) - offY, R(dpiX * m.Left - offX + width * s),
          R(dpiY * m.Top - offY + height * s)};
}

TiPreviewPage PreviewPage(int boxWidth, int boxHeight, TiPaperSize page) {
  const double aw = boxWidth - 20, ah = boxHeight - 20;
  if (aw <= 0 || ah <= 0) return {};
  int pw, ph;
  if (ah / page.Height > aw / page.Width) {
    pw = static_cast<int>(aw);
    ph = R(page.Height * aw / page.Width);
  } else {
    ph = static_cast<int>(ah);
    pw = R(page.Width * ah / page.Height);
  }
  const int left = (boxWidth - pw) / 2 - 5, top = (boxHeight - ph) / 2 - 5;
  return {{left, top, left + pw, top + ph}, R(pw / page.Width)};
}

TRect PreviewChartRect(const TiPreviewPage& page, const TiPrintMargins& m, int width, int height) {
  const int g = page.PixelsPerInch;
  const int aw = page.Page.Width() - R((m.Left + m.Right) * g);
  const int ah = page.Page.Height() - R((m.Top + m.Bottom) * g);
  if (aw <= 0 || ah <= 0 || width <= 0 || height <= 0) return {};
  int w, h;
  if (double(aw) / width >= double(ah) / height) {
    h = ah;
    w = R(double(width) * ah / height);
  } else {
    w = aw;
    h = R(double(height) * aw / width);
  }
  const int left = page.Page.Left + R(g * m.Left), top = page.Page.Top + R(g * m.Top);
  return {left, top, left + w, top + h};
}
