// The device-independent half of the canvas: argument handling and the
// operations built from others (bevels, frames). Devices do the pixels.
#include "platform/Canvas.h"

#include <algorithm>

#include "platform/Bitmap.h"

namespace {
TRect Normalized(const TRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
          std::max(r.Top, r.Bottom)};
}
TRect Intersect(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
}
}  // namespace

int TFont::Size() const { return (Height * 72 + 48) / 96; }
void TFont::SetSize(int points) { Height = (points * 96 + 36) / 72; }

void TCanvas::LineTo(int x, int y) {
  const TPoint to{x, y};
  if (Pen.Style != psClear && !(to == penPos_)) DoLine(penPos_, to);
  penPos_ = to;
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.size() < 2 || Pen.Style == psClear) return;
  DoPolyline(points);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.size() < 2) return;
  DoPolygon(points);
}

void TCanvas::Rectangle(const TRect& r) {
  const TRect n = Normalized(r);
  if (n.IsEmpty()) return;
  DoRectangle(n);
}

void TCanvas::Ellipse(const TRect& r) {
  const TRect n = Normalized(r);
  if (n.IsEmpty()) return;
  DoEllipse(n);
}

void TCanvas::FillRect(const TRect& r) {
  const TRect n = Normalized(r);
  if (n.IsEmpty() || Brush.Style == bsClear) return;
  DoFillRect(n, Brush.Color);
}

// One-pixel frame in the brush colour, whatever the brush style.
void TCanvas::FrameRect(const TRect& r) {
  const TRect n = Normalized(r);
  if (n.IsEmpty()) return;
  const TColor c = Brush.Color;
  const TBrushStyle style = Brush.Style;
  Brush.Style = bsSolid;
  DoFillRect({n.Left, n.Top, n.Right, n.Top + 1}, c);
  DoFillRect({n.Left, n.Bottom - 1, n.Right, n.Bottom}, c);
  DoFillRect({n.Left, n.Top, n.Left + 1, n.Bottom}, c);
  DoFillRect({n.Right - 1, n.Top, n.Right, n.Bottom}, c);
  Brush.Style = style;
}

namespace {
// One ring of a bevel: the top and left sides in `light`, the bottom and right
// sides in `dark`; the corners bottom-left and top-right belong to the dark
// sides, as a classic desktop draws its edges.
struct Ring {
  TColor light, dark;
};
}  // namespace

void TCanvas::DrawEdge(const TRect& r, TEdgeStyle style) {
  TRect n = Normalized(r);
  auto ring = [&](Ring c) {
    if (n.Width() < 1 || n.Height() < 1) return;
    DoFillRect({n.Left, n.Top, n.Right - 1, n.Top + 1}, c.light);
    DoFillRect({n.Left, n.Top, n.Left + 1, n.Bottom - 1}, c.light);
    DoFillRect({n.Left, n.Bottom - 1, n.Right, n.Bottom}, c.dark);
    DoFillRect({n.Right - 1, n.Top, n.Right, n.Bottom}, c.dark);
    n = {n.Left + 1, n.Top + 1, n.Right - 1, n.Bottom - 1};
  };
  const Ring raisedOuter{cl3DLight, cl3DDkShadow}, raisedInner{clBtnHighlight, clBtnShadow};
  const Ring sunkenOuter{clBtnShadow, clBtnHighlight}, sunkenInner{cl3DDkShadow, cl3DLight};
  const TBrushStyle brushStyle = Brush.Style;
  Brush.Style = bsSolid;
  switch (style) {
    case esRaised: ring(raisedOuter); ring(raisedInner); break;
    case esSunken: ring(sunkenOuter); ring(sunkenInner); break;
    case esRaisedOuter: ring(raisedOuter); break;
    case esRaisedInner: ring(raisedInner); break;
    case esSunkenOuter: ring(sunkenOuter); break;
    case esSunkenInner: ring(sunkenInner); break;
  }
  Brush.Style = brushStyle;
}

void TCanvas::DrawFocusRect(const TRect& r) {
  const TRect n = Normalized(r);
  if (!n.IsEmpty()) DoFocusRect(n);
}

void TCanvas::InvertRect(const TRect& r) {
  const TRect n = Normalized(r);
  if (!n.IsEmpty()) DoInvertRect(n);
}

TColor TCanvas::Pixel(int x, int y) const { return DoPixel(x, y); }
void TCanvas::SetPixel(int x, int y, TColor color) { DoSetPixel(x, y, color); }

void TCanvas::GradientFill(const TRect& r, TColor from, TColor to, TGradientKind kind, TPoint p0, TPoint p1,
                           int radius) {
  const TRect n = Normalized(r);
  if (n.IsEmpty()) return;
  DoGradient(n, from, to, kind, p0, p1, radius);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  if (!text.empty()) DoText(x, y, text, nullptr);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  const TRect n = Normalized(r);
  if (Brush.Style != bsClear) DoFillRect(n, Brush.Color);
  if (!text.empty() && !n.IsEmpty()) DoText(x, y, text, &n);
}

TSize TCanvas::TextExtent(const std::string& text) const { return DoTextExtent(text); }

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (w > 0 && h > 0) DoBitmap({x, y, x + w, y + h}, bitmap, {0, 0, w, h}, clNone);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (w > 0 && h > 0 && !dest.IsEmpty()) DoBitmap(dest, bitmap, {0, 0, w, h}, clNone);
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap, TColor transparent) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (w > 0 && h > 0) DoBitmap({x, y, x + w, y + h}, bitmap, {0, 0, w, h}, platform::ColorToRGB(transparent));
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor transparent) {
  const TRect src = Intersect(Normalized(source), {0, 0, bitmap.Width(), bitmap.Height()});
  if (src.IsEmpty() || dest.IsEmpty()) return;
  DoBitmap(dest, bitmap, src, transparent == clNone ? clNone : platform::ColorToRGB(transparent));
}

void TCanvas::SetClipRect(const TRect& r) {
  clip_ = Normalized(r);
  hasClip_ = true;
  DoClip(&clip_);
}

void TCanvas::IntersectClipRect(const TRect& r) {
  if (!hasClip_) return SetClipRect(r);
  clip_ = Intersect(clip_, Normalized(r));
  if (clip_.IsEmpty()) clip_ = {clip_.Left, clip_.Top, clip_.Left, clip_.Top};
  DoClip(&clip_);
}

void TCanvas::RemoveClip() {
  hasClip_ = false;
  clip_ = {};
  DoClip(nullptr);
}

void TCanvas::SetAntialias(bool on) {
  if (on == antialias_) return;
  antialias_ = on;
  DoAntialias(on);
}
