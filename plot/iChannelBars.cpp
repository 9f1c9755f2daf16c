#include "plot/iChannelBars.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

int PixelLength(const TiPlotChannelScale& scale, double distance) {
  return std::abs(scale.ValueToPixel(scale.Min() + distance) - scale.ValueToPixel(scale.Min()));
}

TiPlotHighLowSizes HighLowSizes(const TiPlotHighLowSettings& s, const TiPlotChannelScale& x,
                                const TiPlotChannelScale& y) {
  return {PixelLength(x, s.BarWidth), PixelLength(x, s.OpenWidth), PixelLength(y, s.OpenHeight),
          PixelLength(x, s.CloseWidth), PixelLength(y, s.CloseHeight)};
}

TRect OrientedRect(int x1, int y1, int x2, int y2, bool axesSwapped) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  return axesSwapped ? TRect{y1, x1, y2, x2} : TRect{x1, y1, x2, y2};
}

namespace {

void SolidRect(TCanvas& canvas, TColor color, const TRect& r) {
  canvas.Pen = TPen{color, 0, psSolid};
  canvas.Brush = TBrush{color, bsSolid};
  canvas.Rectangle(r);
}

// The far edge of a span of `size` pixels starting at `from`: a size of 1
// still spans one pixel.
int SpanEnd(int from, int size) { return size == 1 ? from + 1 : from + size - 1; }

// Rows of a tick of height h around pixel t.
std::pair<int, int> TickRows(int t, int h) { return {t - h / 2, h == 1 ? t + 1 : t + h - h / 2 - 1}; }

// Rows between two pixels, one row more when they coincide.
std::pair<int, int> Rows(int a, int b) {
  if (a > b) std::swap(a, b);
  return {a, a == b ? b + 1 : b};
}

}  // namespace

void DrawOpenCloseBar(TCanvas& canvas, const TiPlotHighLowSettings& s, const TiPlotHighLowSizes& sizes,
                      const TiPlotHighLowPixels& p, bool axesSwapped) {
  const int w = sizes.Bar;
  const int left = p.X - w / 2;
  const int right = w == 1 ? p.X + 1 : p.X + w - w / 2 - 1;
  const int m = (left + right) / 2;
  const auto [top, bottom] = Rows(p.Low, p.High);
  if (s.OpenShow) {
    const auto [t, b] = TickRows(p.Open, sizes.OpenHeight);
    const int ow = sizes.OpenWidth;
    SolidRect(canvas, s.OpenColor, OrientedRect(ow == 1 ? m : m - ow + 1, t, ow == 1 ? m + 1 : m, b, axesSwapped));
  }
  if (s.CloseShow) {
    const auto [t, b] = TickRows(p.Close, sizes.CloseHeight);
    SolidRect(canvas, s.CloseColor, OrientedRect(m, t, SpanEnd(m, sizes.CloseWidth), b, axesSwapped));
  }
  SolidRect(canvas, s.BarColor, OrientedRect(left, top, right, bottom, axesSwapped));
}

void DrawCandleStick(TCanvas& canvas, const TiPlotHighLowSettings& s, const TiPlotHighLowSizes& sizes,
                     const TiPlotHighLowPixels& p, bool bearish, bool axesSwapped) {
  canvas.Pen = TPen{s.ShadowColor, 0, psSolid};
  if (axesSwapped) {
    canvas.MoveTo(p.High, p.X);
    canvas.LineTo(p.Low, p.X);
  } else {
    canvas.MoveTo(p.X, p.High);
    canvas.LineTo(p.X, p.Low);
  }
  const int h = sizes.Bar / 2;
  const auto [top, bottom] = Rows(p.Open, p.Close);
  canvas.Brush = TBrush{bearish ? s.BearishColor : s.BullishColor, bsSolid};
  canvas.Rectangle(OrientedRect(p.X - h, top, p.X + h + 1, bottom, axesSwapped));
}
