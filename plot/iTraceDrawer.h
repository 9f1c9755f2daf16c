// Draws a channel's trace pieces on a canvas: segments and quads given in
// axis units, converted to pixels through the channel's two scales. A segment
// is clipped to the axes' ranges first; a quad is not (the plot clips the
// canvas to the data view).
//
// With axes swapped (the chart's XYAxesReverse) every point is built as
// (pixel of Y, pixel of X). In percent mode a segment's Y values are
// percentages of the data view (0 at the bottom, 100 at the top; left and
// right when swapped) instead of Y-axis values.
#pragma once
#include <vector>

#include "platform/Canvas.h"
#include "platform/Types.h"
#include "plot/iChannelScale.h"
#include "plot/iTypes.h"

// A segment in axis units after clipping; Visible false when nothing of it
// lies inside both ranges.
struct TiPlotClippedSegment {
  bool Visible = false;
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// Clips (x1, y1)-(x2, y2) to the X range and, unless `percent`, the Y range.
// The ends come back ordered by X.
TiPlotClippedSegment ClipSegment(const TiPlotChannelScale& xAxis, const TiPlotChannelScale& yAxis, bool percent,
                                 double x1, double y1, double x2, double y2);

// The canvas pen for a trace: a width of 1 becomes the cosmetic pen (0).
TPen TracePen(TColor color, TiPlotLineStyle style, int width);

class TiPlotTraceDrawer {
 public:
  TiPlotTraceDrawer(TCanvas& canvas, const TiPlotChannelScale& xAxis, const TiPlotChannelScale& yAxis, bool swapped,
                    TRect dataView = {})
      : Canvas(canvas), XAxis(xAxis), YAxis(yAxis), Swapped(swapped), DataView(dataView) {}
  ~TiPlotTraceDrawer() { Flush(); }
  TiPlotTraceDrawer(const TiPlotTraceDrawer&) = delete;
  TiPlotTraceDrawer& operator=(const TiPlotTraceDrawer&) = delete;

  // Clips and draws one segment with the canvas pen as it stands; the last
  // pixel is left out unless `includeEnd` (a column's min-max stroke must show
  // both extremes).
  void DrawSegment(bool percent, double x1, double y1, double x2, double y2, bool includeEnd = false);
  // Fills the polygon of four corners with the canvas pen and brush.
  // Segments drawn with a wide pen wait to be drawn as one polyline while
  // they join end to start; this and Flush draw what waits first.
  void DrawQuad(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);

  // A data-view percentage as a pixel position across the Y direction.
  int PercentToPixel(double percent) const;
  // Draws the segments waiting for a polyline.
  void Flush();
  TPoint ToPixel(double x, double y, bool percent = false) const;

  TCanvas& Canvas;
  const TiPlotChannelScale& XAxis;
  const TiPlotChannelScale& YAxis;
  const bool Swapped;
  const TRect DataView;

 private:
  void DrawWhole(TPoint a, TPoint b);
  void Line(TPoint a, TPoint b);

  // A wide pen strokes a whole polyline in one painter call where each
  // segment alone costs about as much; round joins make it the same shape.
  std::vector<TPoint> Pending_;
  TPen PendingPen_;
};
