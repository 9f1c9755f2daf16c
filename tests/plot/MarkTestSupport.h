// A strip chart for the limit and annotation tests: laid out once at a fixed
// size so that its axes and data view have their pixels, with helpers to
// draw one object alone on a white bitmap and to read what it left there.
#pragma once
#include <cstdlib>
#include <map>
#include <utility>

#include "platform/Bitmap.h"
#include "plot/dIred.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLimit.h"

using TInk = std::map<std::pair<int, int>, TColor>;  // (x, y) -> colour of every non-white pixel

inline TInk InkOf(const TBitmap& b) {
  TInk ink;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != clWhite) ink[{x, y}] = b.Pixel(x, y);
  return ink;
}

struct TMarkChart {
  TiPlot plot;
  TBitmap bitmap;
  explicit TMarkChart(int width = 600, int height = 400) : bitmap(width, height) {
    plot.SetBounds(0, 0, width, height);
    Paint();
  }
  void Paint() { plot.PaintTo(bitmap.Canvas()); }
  // Resizes the chart so that the x axis spans `pixels`.
  void SetXAxisPixels(int pixels) {
    const int width = plot.Width() + pixels - std::abs(x()->PixelEnd() - x()->PixelStart());
    plot.SetBounds(0, 0, width, plot.Height());
    bitmap.SetSize(width, plot.Height());
    Paint();
  }
  TiPlotXAxis* x() const { return plot.XAxis(0); }
  TiPlotYAxis* y() const { return plot.YAxis(0); }
  TiPlotDataView* view() const { return plot.DataView(0); }
  TRect viewRect() const { return view()->GetRect(); }
  // The object drawn by itself on white, as the last paint laid it out.
  TInk Alone(TiPlotObject* object) const {
    TBitmap b(bitmap.Width(), bitmap.Height());
    object->Draw(&b.Canvas(), clWhite);
    return InkOf(b);
  }
  TiPlotLimit* AddLimit() { return plot.Limit(plot.AddLimit()); }
  TiPlotAnnotation* AddAnnotation() { return plot.Annotation(plot.AddAnnotation()); }
  // The mouse as the control receives it.
  void Press(TPoint p) { plot.PlotMouseDown(ipmbLeft, 0, p.X, p.Y); }
  void Drag(TPoint p) { plot.PlotMouseMove(ShiftBit(ipssLeft), p.X, p.Y); }
  void Release(TPoint p) { plot.PlotMouseUp(ipmbLeft, 0, p.X, p.Y); }
};

inline bool Has(const TInk& ink, int x, int y) { return ink.count({x, y}) != 0; }
inline TColor At(const TInk& ink, int x, int y) {
  auto it = ink.find({x, y});
  return it == ink.end() ? clWhite : it->second;
}
