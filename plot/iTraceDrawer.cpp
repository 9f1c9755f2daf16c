#include "plot/iTraceDrawer.h"

#include <cstdlib>
#include <utility>

#include "platform/Rounding.h"

namespace {

struct Range {
  double Min, Max;
  bool Contains(double v) const { return v <= Max && v >= Min; }
};

double YAtX(double x1, double y1, double x2, double y2, double x) { return y1 + (y2 - y1) * (x - x1) / (x2 - x1); }

// A vertical segment keeps its X.
double XAtY(double x1, double y1, double x2, double y2, double y) {
  if (x1 == x2) return x1;
  return x1 + (x2 - x1) * (y - y1) / (y2 - y1);
}

void ClipEndToY(double& x, double& y, double ox, double oy, const Range& r) {
  if (y > r.Max) {
    x = XAtY(x, y, ox, oy, r.Max);
    y = r.Max;
  } else if (y < r.Min) {
    x = XAtY(x, y, ox, oy, r.Min);
    y = r.Min;
  }
}

}  // namespace

TiPlotClippedSegment ClipSegment(const TiPlotChannelScale& xAxis, const TiPlotChannelScale& yAxis, bool percent,
                                 double x1, double y1, double x2, double y2) {
  if (x2 < x1) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const Range xr{xAxis.Min(), xAxis.Max()};
  const Range yr{yAxis.Min(), yAxis.Max()};
  const bool xVisible = xr.Contains(x1) || xr.Contains(x2) || (x1 < xr.Min && x2 > xr.Max);
  const bool yVisible = percent || yr.Contains(y1) || yr.Contains(y2) || (y1 < yr.Min && y2 > yr.Max) ||
                        (y2 < yr.Min && y1 > yr.Max);
  TiPlotClippedSegment s;
  if (!xVisible || !yVisible) return s;

  double ax = x1, ay = y1, bx = x2, by = y2;
  if (ax < xr.Min) {
    ay = YAtX(x1, y1, x2, y2, xr.Min);
    ax = xr.Min;
  }
  if (bx > xr.Max) {
    by = YAtX(x1, y1, x2, y2, xr.Max);
    bx = xr.Max;
  }
  if (percent) {
    s.Visible = xAxis.IsValueVisible(ax) && xAxis.IsValueVisible(bx);
  } else {
    const double oax = ax, oay = ay;
    ClipEndToY(ax, ay, bx, by, yr);
    ClipEndToY(bx, by, oax, oay, yr);
    s.Visible = xAxis.IsValueVisible(ax) && xAxis.IsValueVisible(bx) && yAxis.IsValueVisible(ay) &&
                yAxis.IsValueVisible(by);
  }
  s.X1 = ax, s.Y1 = ay, s.X2 = bx, s.Y2 = by;
  return s;
}

TPen TracePen(TColor color, TiPlotLineStyle style, int width) {
  TPen pen;
  pen.Color = color;
  pen.Style = static_cast<TPenStyle>(style);  // the line styles are the first pen styles, in order
  pen.Width = width == 1 ? 0 : width;
  return pen;
}

int TiPlotTraceDrawer::PercentToPixel(double percent) const {
  if (Swapped) return static_cast<int>(Round(DataView.Left + (DataView.Right - DataView.Left) * percent / 100));
  return static_cast<int>(Round(DataView.Top + (DataView.Bottom - DataView.Top) * (100 - percent) / 100));
}

TPoint TiPlotTraceDrawer::ToPixel(double x, double y, bool percent) const {
  const int px = XAxis.ValueToPixel(x);
  const int py = percent ? PercentToPixel(y) : YAxis.ValueToPixel(y);
  return Swapped ? TPoint{py, px} : TPoint{px, py};
}

void TiPlotTraceDrawer::DrawSegment(bool percent, double x1, double y1, double x2, double y2, bool includeEnd) {
  const TiPlotClippedSegment s = ClipSegment(XAxis, YAxis, percent, x1, y1, x2, y2);
  if (!s.Visible) return;
  const TPoint a = ToPixel(s.X1, s.Y1, percent);
  TPoint b = ToPixel(s.X2, s.Y2, percent);
  if (includeEnd) {
    DrawWhole(a, b);
    return;
  }
  Line(a, b);
}

void TiPlotTraceDrawer::Line(TPoint a, TPoint b) {
  const bool batch = Canvas.Pen.Width > 1 && Canvas.Pen.Mode == pmCopy && Canvas.Pen.Style != psClear;
  if (batch && a == b) return;  // as a line to where the pen stands draws nothing
  if (!Pending_.empty() && (!batch || !(Pending_.back() == a) || !(Canvas.Pen == PendingPen_))) Flush();
  if (!batch) {
    Canvas.MoveTo(a.X, a.Y);
    Canvas.LineTo(b.X, b.Y);
    return;
  }
  if (Pending_.empty()) {
    Pending_.push_back(a);
    PendingPen_ = Canvas.Pen;
  }
  Pending_.push_back(b);
}

void TiPlotTraceDrawer::Flush() {
  if (Pending_.empty()) return;
  const TPen pen = Canvas.Pen;
  Canvas.Pen = PendingPen_;
  // A wide pen draws a line's last pixel too, so the polyline covers what
  // its segments one by one would.
  Canvas.Polyline(Pending_);
  Canvas.Pen = pen;
  Pending_.clear();
}

// Both ends drawn: the line is drawn from its top (left) end, one pixel
// past the other, so neither the left-out last pixel nor the direction of
// travel costs an end pixel.
void TiPlotTraceDrawer::DrawWhole(TPoint a, TPoint b) {
  const int dx = b.X - a.X, dy = b.Y - a.Y;
  const bool alongX = std::abs(dx) > std::abs(dy);
  if (alongX ? dx < 0 : dy < 0) std::swap(a, b);
  if (alongX)
    ++b.X;
  else
    ++b.Y;
  Line(a, b);
}

void TiPlotTraceDrawer::DrawQuad(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                                 double y4) {
  Flush();
  Canvas.Polygon({ToPixel(x1, y1), ToPixel(x2, y2), ToPixel(x3, y3), ToPixel(x4, y4)});
}
