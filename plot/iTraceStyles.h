// The trace styles of a channel, each a walk over the visible points
// first..last that draws through a TiPlotTraceDrawer. Empty points are
// skipped (their neighbours join); a Null point breaks the trace.
#pragma once
#include "platform/Canvas.h"
#include "plot/dIredDataCustomList.h"
#include "plot/iPixelCache.h"
#include "plot/iTraceDrawer.h"

// The area between the trace and a reference level: drawn with this pen and
// brush when Enabled.
struct TiPlotTraceFill {
  bool Enabled = false;
  double Reference = 0;
  TPen Pen;
  TBrush Brush;
};

// One segment per pair of valid neighbours, each with the pen of its later
// point (colour, line style, width). Nothing unless last > first.
void DrawPointTrace(TiPlotDataCustomList& data, int first, int last, TiPlotTraceDrawer& drawer);

// The quad under each segment of the straight trace, with the canvas pen and
// brush as they stand.
void DrawStraightFill(TiPlotDataCustomList& data, int first, int last, TiPlotTraceDrawer& drawer, double reference);

// Steps: each level runs right to the next point, then a vertical edge. Not
// terminated, the last level runs on to the X axis's maximum. A bound of -1
// (no point in view) draws from the last valid point.
void DrawStepTrace(TiPlotDataCustomList& data, int first, int last, TiPlotTraceDrawer& drawer, bool terminated,
                   const TPen& tracePen, const TiPlotTraceFill& fill);

// A two-level signal: Y = 0 is drawn at Low, anything else at High. With
// Percent the levels are percentages of the data view.
struct TiPlotDigitalLevels {
  double High = 90, Low = 10;
  bool Percent = false;
};
void DrawDigitalTrace(TiPlotDataCustomList& data, int first, int last, TiPlotTraceDrawer& drawer,
                      const TiPlotDigitalLevels& levels, const TiPlotTraceFill& fill);

enum TiPlotCurveKind : uint8_t { ipckCubicSpline, ipckPolynomial, ipckRational };

// A curve through the stored points, evaluated once per pixel column of its
// visible X range; every value is recorded in the pixel cache. Needs two or
// more points. A spline breaks at Null points and where X goes back.
// Interpolation errors propagate to the caller.
void DrawCurveTrace(TiPlotDataCustomList& data, TiPlotCurveKind kind, TiPlotTraceDrawer& drawer,
                    TiPlotPixelCache& cache, const TPen& tracePen, const TiPlotTraceFill& fill);
