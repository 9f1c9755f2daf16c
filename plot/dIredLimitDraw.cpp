// Drawing of the six limit styles. A limit's lines lie at values of one axis
// ("along") and reach over the whole visible range of the other ("across").
#include <vector>

#include "plot/dIredLimit.h"
#include "plot/iRectGeometry.h"

// Pixels in axis orientation, turned to the canvas when the axes are reversed.
class TiPlotLimit::TGeometry {
 public:
  TGeometry(TiPlotAxis* along, TiPlotAxis* across, bool yStyle, bool reversed)
      : Along(along), Across(across), YStyle(yStyle), Reversed(reversed) {}

  TiPlotAxis* Along;
  TiPlotAxis* Across;
  bool YStyle;
  bool Reversed;

  // The point at `alongPixel` on the along axis and `acrossPixel` on the other.
  TPoint At(int alongPixel, int acrossPixel) const {
    const TPoint p = YStyle ? TPoint{acrossPixel, alongPixel} : TPoint{alongPixel, acrossPixel};
    return Oriented(p, Reversed);
  }
  // From one along pixel to another, over the other axis's full extent.
  TRect Span(int alongFrom, int alongTo) const {
    const TPoint a = At(alongFrom, Across->PixelOfMin()), b = At(alongTo, Across->PixelOfMax());
    return Normalized({a.X, a.Y, b.X, b.Y});
  }
  TRect HitBox(int alongPixel) const { return Span(alongPixel - 5, alongPixel + 5); }
  void Line(TCanvas* canvas, int alongPixel) const {
    const TPoint from = At(alongPixel, Across->PixelOfMin()), to = At(alongPixel, Across->PixelOfMax());
    canvas->MoveTo(from.X, from.Y);
    canvas->LineTo(to.X, to.Y);
  }
};

void TiPlotLimit::Draw(TCanvas* canvas, TColor backGroundColor) {
  HitValid_[0] = HitValid_[1] = false;
  TiPlotXAxis* x = XAxis();
  TiPlotYAxis* y = YAxis();
  if (!Visible() || !x || !y) return;
  const bool yStyle = IsYStyle();
  const TGeometry g(yStyle ? static_cast<TiPlotAxis*>(y) : x, yStyle ? static_cast<TiPlotAxis*>(x) : y, yStyle,
                    XYAxesReverse());
  switch (Style_) {
    case iplsLineX:
    case iplsLineY: return DrawLine(canvas, g);
    case iplsBandX:
    case iplsBandY: return DrawBand(canvas, g);
    case iplsPolyBandX:
    case iplsPolyBandY: return DrawPolyBand(canvas, g);
  }
}

void TiPlotLimit::DrawLine(TCanvas* canvas, const TGeometry& g) {
  const double at = Position_[0];
  if (at < g.Along->Min() || at > g.Along->Max()) return;
  const int p = g.Along->ValueToPixel(at);
  canvas->Pen = TPen{Color_, LineWidth_, LineStyle_};
  g.Line(canvas, p);
  HitBox_[0] = g.HitBox(p);
  HitValid_[0] = true;
}

// Solid: one outlined rectangle. Clear: the two lines in LineWidth. Hatched:
// the hatch without outline, then the two lines.
void TiPlotLimit::DrawBand(TCanvas* canvas, const TGeometry& g) {
  const int p1 = g.Along->ValueToPixel(Position_[0]), p2 = g.Along->ValueToPixel(Position_[1]);
  canvas->Brush = TBrush{Color_, FillStyle_};
  HitBox_[0] = g.HitBox(p1);
  HitBox_[1] = g.HitBox(p2);
  HitValid_[0] = HitValid_[1] = true;
  auto lines = [&](int width) {
    canvas->Pen = TPen{Color_, width, LineStyle_};
    g.Line(canvas, p1);
    g.Line(canvas, p2);
  };
  if (FillStyle_ == bsSolid) {
    canvas->Pen = TPen{Color_, 1, LineStyle_};
    canvas->Rectangle(g.Span(p1, p2));
  } else if (FillStyle_ == bsClear) {
    lines(LineWidth_);
  } else {
    canvas->Pen = TPen{Color_, 1, psClear};
    canvas->Rectangle(g.Span(p1, p2));
    lines(1);
  }
}

// Each pair of neighbouring elements makes one quadrilateral. The elements
// come in increasing position order: pairs below the position axis are
// skipped, and the first element above it ends the band.
void TiPlotLimit::DrawPolyBand(TCanvas* canvas, const TGeometry& g) {
  if (Elements_.Count() < 2) return;
  // The positions lie on the across axis; low and high on the along axis.
  TiPlotAxis* positions = g.Across;
  const TPen solid{Color_, 1, psSolid};
  canvas->Brush = TBrush{Color_, FillStyle_};
  for (int i = 1; i < Elements_.Count(); ++i) {
    const TiLimitDataRecord& e0 = Elements_.Item(i - 1);
    const TiLimitDataRecord& e1 = Elements_.Item(i);
    if (e0.Position < positions->Min() && e1.Position < positions->Min()) continue;
    if (e0.Position > positions->Max()) break;
    auto corner = [&](double edge, double position) {
      return g.At(g.Along->ValueToPixel(edge), positions->ValueToPixel(position));
    };
    const TPoint a = corner(e0.Low, e0.Position), b = corner(e0.High, e0.Position);
    const TPoint c = corner(e1.Low, e1.Position), d = corner(e1.High, e1.Position);
    if (FillStyle_ == bsSolid) {
      canvas->Pen = solid;
      canvas->Polygon({a, c, d, b});
      continue;
    }
    canvas->Pen = TPen{Color_, 1, psClear};
    canvas->Polygon({a, c, d, b});
    canvas->Pen = solid;
    canvas->MoveTo(a.X, a.Y);
    canvas->LineTo(c.X, c.Y);
    canvas->MoveTo(b.X, b.Y);
    canvas->LineTo(d.X, d.Y);
  }
}
