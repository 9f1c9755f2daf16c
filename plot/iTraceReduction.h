// The fast straight-line trace: the visible points are reduced per pixel
// column to one vertical stroke (the column's minimum to maximum) and one
// connecting line to the next column, so a million points cost about what a
// screen width of points does. Per-point pens are not used.
#pragma once
#include "plot/iTraceDrawer.h"

// The points of one pixel column, as they are put in.
struct TiPlotMinMaxPoint {
  bool Empty = true;
  int PixelX = 0;
  double X = 0;  // of the first point put in: the column's X
  double MaxY = -1e301, MinY = 1e301;
  double FirstY = 0, LastY = 0;

  void Reset() { *this = TiPlotMinMaxPoint(); }
  void Put(int pixelX, double y, double x) {
    if (Empty) {
      Empty = false;
      PixelX = pixelX;
      X = x;
      FirstY = y;
    }
    if (y > MaxY) MaxY = y;
    if (!(y >= MinY)) MinY = y;
    LastY = y;
  }
};

// The previous, current and next column of the walk.
class TiPlotColumnReducer {
 public:
  explicit TiPlotColumnReducer(TiPlotTraceDrawer& drawer) : Drawer_(drawer) {}

  void Put(int pixelX, double x, double y) {
    if (P_.Empty || pixelX == P_.PixelX) {
      P_.Put(pixelX, y, x);
    } else if (C_.Empty || pixelX == C_.PixelX) {
      C_.Put(pixelX, y, x);
    } else {
      N_.Put(pixelX, y, x);
      Flush();
      P_ = N_;
      C_.Reset();
      N_.Reset();
    }
  }
  // A Null point: what was gathered is drawn and the trace breaks.
  void Break() {
    Flush();
    P_.Reset();
    C_.Reset();
    N_.Reset();
  }
  // Draws the strokes of P and C and the lines P-C and C-N. Each stroke
  // shows both its extremes; lines leave out their last pixel as usual.
  void Flush();

 private:
  void Stroke(const TiPlotMinMaxPoint& m);
  void Connect(const TiPlotMinMaxPoint& a, const TiPlotMinMaxPoint& b);
  TiPlotTraceDrawer& Drawer_;
  TiPlotMinMaxPoint P_, C_, N_;
};

// offset + v * factor rounded halves to even and clamped to +-32000, as a
// scale's ValueToPixel does; adding and taking away 1.5 * 2^52 rounds in the
// FPU's default mode without a library call (exact for |p| < 2^51).
inline int LinearPixel(double offset, double factor, double v) {
  double p = offset + v * factor;
  p = p < -32000.0 ? -32000.0 : (p > 32000.0 ? 32000.0 : p);
  return static_cast<int>((p + 6755399441055744.0) - 6755399441055744.0);
}

// Walks points first..last of `data` (GetPoint) through a reducer. Empty
// points are skipped; Null points break the trace.
template <class Source, class PixelOf>
void ReduceVisible(Source& data, int first, int last, TiPlotColumnReducer& reducer, PixelOf&& pixelOf) {
  for (int i = first; i <= last; ++i) {
    double x, y;
    bool empty, null;
    data.GetPoint(i, x, y, empty, null);
    if (empty) continue;
    if (null)
      reducer.Break();
    else
      reducer.Put(pixelOf(x), x, y);
  }
  reducer.Flush();
}

template <class Source>
void DrawReducedTrace(Source& data, int first, int last, TiPlotTraceDrawer& drawer) {
  if (first < 0 || last < 0 || first == last) return;
  TiPlotColumnReducer reducer(drawer);
  const TiPlotChannelScale& xAxis = drawer.XAxis;
  double offset, factor;
  if (xAxis.LinearPixelMap(offset, factor))
    ReduceVisible(data, first, last, reducer, [=](double x) { return LinearPixel(offset, factor, x); });
  else
    ReduceVisible(data, first, last, reducer, [&](double x) { return xAxis.ValueToPixel(x); });
}
