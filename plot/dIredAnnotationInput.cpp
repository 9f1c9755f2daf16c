// Moving and sizing an annotation with the mouse. Everything starts from
// what the press saw (figure, anchor, coordinates), so a drag that goes back
// to where it started restores the annotation.
#include <cmath>

#include "plot/dIredAnnotation.h"
#include "plot/iRectGeometry.h"

// The handles are tried in the order top-left, bottom-right, top-right,
// bottom-left.
TiPlotAnnotation::TDragMode TiPlotAnnotation::HandleAt(TPoint point) const {
  if (Handles_[ihTopLeft].Contains(point)) return dmSizeTopLeft;
  if (Handles_[ihBottomRight].Contains(point)) return dmSizeBottomRight;
  if (Handles_[ihTopRight].Contains(point)) return dmSizeTopRight;
  if (Handles_[ihBottomLeft].Contains(point)) return dmSizeBottomLeft;
  return dmNone;
}

void TiPlotAnnotation::DoMouseLeftDown(const TiPlotMouseData& mouse) {
  TScales s;
  if (!Drawn_ || !ResolveScales(s)) return;
  const TPoint raw{mouse.RawX, mouse.RawY};
  DragMode_ = Sizable() && HasHandles_ ? HandleAt(raw) : dmNone;
  if (DragMode_ == dmNone && UserCanMove_) DragMode_ = dmMove;
  DownFigure_ = Figure_;
  Down_ = mouse;
  DownValueX_ = s.X.PixelToValue(mouse.X);
  DownValueY_ = s.Y.PixelToValue(mouse.Y);
  DownX_ = X_, DownY_ = Y_, DownX2_ = X2_, DownY2_ = Y2_;
  DownAnchor_ = {s.X.ValueToPixel(X_), s.Y.ValueToPixel(Y_)};
  Moved_ = false;
  MouseDown_ = true;
}

void TiPlotAnnotation::DoMouseDrag(const TiPlotMouseData& mouse) {
  TScales s;
  if (!Focused() || !MouseDown_ || DragMode_ == dmNone || !ResolveScales(s)) return;
  if (DragMode_ == dmMove) return MoveBy(s, mouse);
  const int dx = mouse.RawX - Down_.RawX, dy = mouse.RawY - Down_.RawY;
  TRect r = DownFigure_;
  switch (DragMode_) {
    case dmSizeTopLeft: r.Left += dx, r.Top += dy; break;
    case dmSizeTopRight: r.Right += dx, r.Top += dy; break;
    case dmSizeBottomLeft: r.Left += dx, r.Bottom += dy; break;
    case dmSizeBottomRight: r.Right += dx, r.Bottom += dy; break;
    default: break;
  }
  SetCoordinatesFromRect(s, r);
}

// A rectangle moves as its figure; an ellipse by the value distance the
// pointer covered; every other style puts its anchor where the pointer
// carried it (a marker line only along its own coordinate).
void TiPlotAnnotation::MoveBy(const TScales& s, const TiPlotMouseData& mouse) {
  if (Style_ == ipasRectangle)
    return SetCoordinatesFromRect(s, Offset(DownFigure_, mouse.RawX - Down_.RawX, mouse.RawY - Down_.RawY));
  if (Style_ == ipasEllipse) {
    const double dx = s.X.PixelToValue(mouse.X) - DownValueX_, dy = s.Y.PixelToValue(mouse.Y) - DownValueY_;
    StoreChanged(X_, DownX_ + dx), StoreChanged(X2_, DownX2_ + dx);
    StoreChanged(Y_, DownY_ + dy), StoreChanged(Y2_, DownY2_ + dy);
  } else {
    if (Style_ != ipasLineY) StoreChanged(X_, s.X.PixelToValue(DownAnchor_.X + mouse.X - Down_.X));
    if (Style_ != ipasLineX) StoreChanged(Y_, s.Y.PixelToValue(DownAnchor_.Y + mouse.Y - Down_.Y));
  }
  Moved_ = true;
  CoordinatesChanged();
}

// The rectangle is in canvas pixels; turned to axis orientation its left and
// right edges give X values and its top and bottom edges Y values.
void TiPlotAnnotation::SetCoordinatesFromRect(const TScales& s, const TRect& rect) {
  const TRect o = Oriented(rect, XYAxesReverse());
  const double left = s.X.PixelToValue(o.Left), right = s.X.PixelToValue(o.Right);
  const double top = s.Y.PixelToValue(o.Top), bottom = s.Y.PixelToValue(o.Bottom);
  if (Style_ == ipasEllipse) {
    StoreChanged(X_, left), StoreChanged(Y_, top), StoreChanged(X2_, right), StoreChanged(Y2_, bottom);
  } else {
    StoreChanged(X_, (left + right) / 2), StoreChanged(Width_, std::fabs(right - left));
    StoreChanged(Y_, (top + bottom) / 2), StoreChanged(Height_, std::fabs(bottom - top));
  }
  Moved_ = true;
  CoordinatesChanged();
}

// The click goes out first (the base), then the end of the drag.
void TiPlotAnnotation::MouseUp(TiPlotMouseButton button, TiPlotShiftState shift, bool dblClick, int x, int y) {
  TiPlotManagerObject::MouseUp(button, shift, dblClick, x, y);
  if (!MouseDown_) return;
  MouseDown_ = false;
  DragMode_ = dmNone;
  if (!Moved_) return;
  Moved_ = false;
  if (TiPlotAnnotationHost* host = Host()) host->AnnotationCoordinatesChangeFinished(this);
}
