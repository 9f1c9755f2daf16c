#include "plot/iTraceStyles.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "plot/iCurveFit.h"

namespace {

struct Point {
  double X = 0, Y = 0;
};

// Calls visit(index, point) for each valid point and broken(point) for each
// Null point of first..last, skipping Empty ones.
template <class Visit, class Broken>
void WalkVisible(TiPlotDataCustomList& data, int first, int last, Visit&& visit, Broken&& broken) {
  for (int i = first; i <= last; ++i) {
    Point p;
    bool empty, null;
    data.GetPoint(i, p.X, p.Y, empty, null);
    if (empty) continue;
    if (null)
      broken(p);
    else
      visit(i, p);
  }
}

void SetPen(TCanvas& canvas, const TPen& pen) {
  if (!(canvas.Pen == pen)) canvas.Pen = pen;
}

void FillStep(TiPlotTraceDrawer& d, const TiPlotTraceFill& fill, double x1, double x2, double level) {
  if (!fill.Enabled) return;
  SetPen(d.Canvas, fill.Pen);
  d.Canvas.Brush = fill.Brush;
  d.DrawQuad(x1, fill.Reference, x1, level, x2, level, x2, fill.Reference);
}

}  // namespace

void DrawPointTrace(TiPlotDataCustomList& data, int first, int last, TiPlotTraceDrawer& drawer) {
  if (first < 0 || !(last > first)) return;
  bool broken = true;
  Point prev;
  WalkVisible(
      data, first, last,
      [&](int i, const Point& p) {
        if (broken) {
          broken = false;
        } else {
          SetPen(drawer.Canvas, TracePen(data.GetColor(i), data.GetTraceLineStyle(i), data.GetTraceLineWidth(i)));
          drawer.DrawSegment(false, prev.X, prev.Y, p.X, p.Y);
        }
        prev = p;
      },
      [&](const Point&) { broken = true; });
}

void DrawStraightFill(TiPlotDataCustomList& data, int first, int last, TiPlotTraceDrawer& drawer, double reference) {
  if (first < 0 || !(last > first)) return;
  bool broken = true;
  Point prev;
  WalkVisible(
      data, first, last,
      [&](int, const Point& p) {
        if (broken)
          broken = false;
        else
          drawer.DrawQuad(prev.X, reference, prev.X, prev.Y, p.X, p.Y, p.X, reference);
        prev = p;
      },
      [&](const Point&) { broken = true; });
}

namespace {

bool LastValidPoint(TiPlotDataCustomList& data, Point& p) {
  for (int i = data.Count() - 1; i >= 0; --i) {
    bool empty, null;
    data.GetPoint(i, p.X, p.Y, empty, null);
    if (!empty && !null) return true;
  }
  return false;
}

}  // namespace

void DrawStepTrace(TiPlotDataCustomList& data, int first, int last, TiPlotTraceDrawer& drawer, bool terminated,
                   const TPen& tracePen, const TiPlotTraceFill& fill) {
  bool broken = true;
  Point prev;
  auto level = [&](double toX) {
    FillStep(drawer, fill, prev.X, toX, prev.Y);
    SetPen(drawer.Canvas, tracePen);
    drawer.DrawSegment(false, prev.X, prev.Y, toX, prev.Y);
  };
  if (first == -1 || last == -1) {
    if (!LastValidPoint(data, prev)) return;
    broken = false;
  } else {
    WalkVisible(
        data, first, last,
        [&](int, const Point& p) {
          if (broken) {
            broken = false;
          } else {
            level(p.X);
            drawer.DrawSegment(false, p.X, prev.Y, p.X, p.Y);
          }
          prev = p;
        },
        [&](const Point& p) {
          // The level runs up to the Null point; no edge there.
          if (!broken) level(p.X);
          broken = true;
        });
  }
  if (!terminated && !broken) level(drawer.XAxis.Max());
}

namespace {

// The walk state of the digital trace.
struct TDigitalSequenceData {
  bool Started = false;
  double StartX = 0;
  bool Level = false;  // true = high
  bool Continued = false;
  double LastX = 0;
  bool Changed = false;
  double ChangeX = 0;
  void Reset() { Started = Continued = Changed = false; }
};

class DigitalWalk {
 public:
  DigitalWalk(TiPlotTraceDrawer& d, const TiPlotDigitalLevels& levels, const TiPlotTraceFill& fill)
      : D_(d), Levels_(levels), Fill_(fill), TracePen_(d.Canvas.Pen) {}

  void Point(double x, double y) {
    const bool high = y != 0;
    if (!S_.Started) {
      Start(x, high);
    } else if (high == S_.Level) {
      S_.Continued = true;
      S_.LastX = x;
    } else {
      S_.Changed = true;
      S_.ChangeX = x;
      Emit();
      Start(x, high);
    }
  }

  void Emit() {
    const double level = S_.Level ? Levels_.High : Levels_.Low;
    if (S_.Changed) {
      Run(S_.StartX, S_.ChangeX, level);
      D_.DrawSegment(Levels_.Percent, S_.ChangeX, Levels_.Low, S_.ChangeX, Levels_.High);
    } else if (S_.Started && S_.Continued) {
      Run(S_.StartX, S_.LastX, level);
    }
    S_.Reset();
  }

 private:
  void Start(double x, bool high) {
    S_.Started = true;
    S_.StartX = x;
    S_.Level = high;
  }
  // The fill uses the levels as Y values, also in percent mode.
  void Run(double from, double to, double level) {
    FillStep(D_, Fill_, from, to, level);
    SetPen(D_.Canvas, TracePen_);
    D_.DrawSegment(Levels_.Percent, from, level, to, level);
  }
  TiPlotTraceDrawer& D_;
  const TiPlotDigitalLevels& Levels_;
  const TiPlotTraceFill& Fill_;
  const TPen TracePen_;
  TDigitalSequenceData S_;
};

}  // namespace

void DrawDigitalTrace(TiPlotDataCustomList& data, int first, int last, TiPlotTraceDrawer& drawer,
                      const TiPlotDigitalLevels& levels, const TiPlotTraceFill& fill) {
  if (first < 0 || first == last) return;
  DigitalWalk walk(drawer, levels, fill);
  WalkVisible(
      data, first, last, [&](int, const Point& p) { walk.Point(p.X, p.Y); }, [&](const Point&) { walk.Emit(); });
  walk.Emit();
}

namespace {

// Draws `curve` over fromX..toX (clamped to the X axis), one segment per
// pixel column, recording each column's value.
void DrawCurve(const std::function<double(double)>& curve, double fromX, double toX, TiPlotTraceDrawer& d,
               TiPlotPixelCache& cache, const TPen& tracePen, const TiPlotTraceFill& fill) {
  const TiPlotChannelScale& xAxis = d.XAxis;
  fromX = std::max(fromX, xAxis.Min());
  toX = std::min(toX, xAxis.Max());
  if (fromX > toX) return;  // wholly outside the view: its columns are not in the cache
  int p1 = xAxis.ValueToPixel(fromX);
  int p2 = xAxis.ValueToPixel(toX);
  if (p1 > p2) std::swap(p1, p2);
  double prevX = xAxis.PixelToValue(p1);
  double prevY = curve(prevX);
  cache.SetPixelValue(p1, prevY);
  for (int px = p1 + 1; px <= p2; ++px) {
    const double x = xAxis.PixelToValue(px);
    const double y = curve(x);
    if (fill.Enabled) {
      SetPen(d.Canvas, fill.Pen);
      d.Canvas.Brush = fill.Brush;
      d.DrawSegment(false, x, y, x, fill.Reference);
    }
    SetPen(d.Canvas, tracePen);
    d.DrawSegment(false, prevX, prevY, x, y);
    cache.SetPixelValue(px, y);
    prevX = x;
    prevY = y;
  }
}

void DrawSplinePieces(TiPlotDataCustomList& data, TiPlotTraceDrawer& d, TiPlotPixelCache& cache, const TPen& pen,
                      const TiPlotTraceFill& fill) {
  std::vector<double> xs, ys;
  auto drawPiece = [&] {
    if (xs.size() >= 2) {
      const double from = xs.front(), to = xs.back();
      TiCubicSpline spline(std::move(xs), std::move(ys));
      DrawCurve([&](double x) { return spline.Eval(x); }, from, to, d, cache, pen, fill);
    }
    xs.clear();
    ys.clear();
  };
  WalkVisible(
      data, 0, data.Count() - 1,
      [&](int, const Point& p) {
        // A spline needs its X ascending: a point that goes back (a replay
        // from 0, a wrapped counter) starts a piece of its own.
        if (!xs.empty() && p.X < xs.back()) drawPiece();
        xs.push_back(p.X);
        ys.push_back(p.Y);
      },
      [&](const Point&) { drawPiece(); });
  drawPiece();
}

}  // namespace

void DrawCurveTrace(TiPlotDataCustomList& data, TiPlotCurveKind kind, TiPlotTraceDrawer& drawer,
                    TiPlotPixelCache& cache, const TPen& tracePen, const TiPlotTraceFill& fill) {
  const int n = data.Count();
  if (n < 2) return;
  if (kind == ipckCubicSpline) {
    DrawSplinePieces(data, drawer, cache, tracePen, fill);
    return;
  }
  // Every stored point, Null and Empty ones included.
  std::vector<double> xs(static_cast<size_t>(n)), ys(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    xs[static_cast<size_t>(i)] = data.GetX(i);
    ys[static_cast<size_t>(i)] = data.GetY(i);
  }
  const double from = std::min(xs.front(), xs.back()), to = std::max(xs.front(), xs.back());
  if (kind == ipckPolynomial)
    DrawCurve([&](double x) { return PolynomialAt(xs, ys, x); }, from, to, drawer, cache, tracePen, fill);
  else
    DrawCurve([&](double x) { return RationalAt(xs, ys, x); }, from, to, drawer, cache, tracePen, fill);
}
