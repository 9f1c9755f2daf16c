#include "platform/Metafile.h"

#include <algorithm>
#include <cmath>

#include "platform/Files.h"
#include "platform/MetafileRecords.h"
#include "platform/PainterCanvas.h"

TMetafile::TMetafile(int width, int height)
    : records_(std::make_unique<Records>()), width_(std::max(0, width)), height_(std::max(0, height)) {}
TMetafile::~TMetafile() = default;
TMetafile::TMetafile(const TMetafile& other)
    : records_(std::make_unique<Records>(*other.records_)),
      width_(other.width_),
      height_(other.height_),
      creator_(other.creator_),
      description_(other.description_) {}
TMetafile& TMetafile::operator=(const TMetafile& other) {
  if (this != &other) {
    *records_ = *other.records_;
    width_ = other.width_;
    height_ = other.height_;
    creator_ = other.creator_;
    description_ = other.description_;
  }
  return *this;
}

void TMetafile::SetSize(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  Clear();
}

void TMetafile::Clear() { records_->list.clear(); }
std::size_t TMetafile::Count() const { return records_->list.size(); }

void TMetafile::SaveToFile(const std::string& fileName) const { platform::WriteFileAtomically(fileName, SaveToBytes()); }

// --- playback ---------------------------------------------------------------

namespace {
TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
  if (r.IsEmpty()) r = {r.Left, r.Top, r.Left, r.Top};
  return r;
}

// Maps the picture's coordinates onto the destination rectangle.
class Mapping {
 public:
  Mapping(const TRect& dest, int width, int height)
      : dest_(dest), sx_(double(dest.Width()) / width), sy_(double(dest.Height()) / height) {}
  int X(int x) const { return dest_.Left + static_cast<int>(std::floor(x * sx_ + 0.5)); }
  int Y(int y) const { return dest_.Top + static_cast<int>(std::floor(y * sy_ + 0.5)); }
  TPoint P(TPoint p) const { return {X(p.X), Y(p.Y)}; }
  TRect R(const TRect& r) const { return {X(r.Left), Y(r.Top), X(r.Right), Y(r.Bottom)}; }
  std::vector<TPoint> Points(const std::vector<TPoint>& in) const {
    std::vector<TPoint> out;
    out.reserve(in.size());
    for (TPoint p : in) out.push_back(P(p));
    return out;
  }
  int Length(int v) const { return static_cast<int>(std::floor(v * std::min(sx_, sy_) + 0.5)); }
  TPen Pen(TPen pen) const {
    if (pen.Width > 1) pen.Width = std::max(1, Length(pen.Width));  // a cosmetic pen stays one pixel
    return pen;
  }
  TFont Font(TFont font) const {
    font.Height = std::max(1, static_cast<int>(std::floor(font.Height * sy_ + 0.5)));
    return font;
  }

 private:
  TRect dest_;
  double sx_, sy_;
};

void PlayOne(TCanvas& c, const TMetafileRecord& r, const Mapping& m, const TRect& base) {
  c.Pen = m.Pen(r.Pen);
  c.Brush = r.Brush;
  c.Font = m.Font(r.Font);
  switch (r.Op) {
    case moLine:
      c.MoveTo(m.X(r.Points[0].X), m.Y(r.Points[0].Y));
      c.LineTo(m.X(r.Points[1].X), m.Y(r.Points[1].Y));
      break;
    case moPolyline: c.Polyline(m.Points(r.Points)); break;
    case moPolygon: c.Polygon(m.Points(r.Points)); break;
    case moRectangle: c.Rectangle(m.R(r.Rect)); break;
    case moEllipse: c.Ellipse(m.R(r.Rect)); break;
    case moFillRect:
      c.Brush.Color = r.Color;
      if (c.Brush.Style == bsClear) c.Brush.Style = bsSolid;
      c.FillRect(m.R(r.Rect));
      break;
    case moInvertRect: c.InvertRect(m.R(r.Rect)); break;
    case moFocusRect: c.DrawFocusRect(m.R(r.Rect)); break;
    case moSetPixel:
      c.Brush = {r.Color, bsSolid};
      c.FillRect(m.R(r.Rect));
      break;
    case moGradient:
      c.GradientFill(m.R(r.Rect), r.Color, r.Color2, r.Gradient, m.P(r.Points[0]), m.P(r.Points[1]),
                     m.Length(r.Radius));
      break;
    case moText: {
      const bool hadClip = c.HasClip();
      const TRect before = c.ClipRect();
      if (r.Flag) c.IntersectClipRect(m.R(r.Rect));
      c.TextOut(m.X(r.Points[0].X), m.Y(r.Points[0].Y), r.Text);
      if (r.Flag) hadClip ? c.SetClipRect(before) : c.RemoveClip();
      break;
    }
    case moBitmap: c.CopyRect(m.R(r.Rect), *r.Bitmap, r.Source, r.Color); break;
    case moClip: c.SetClipRect(r.Flag ? Intersect(m.R(r.Rect), base) : base); break;
    case moAntialias: c.SetAntialias(r.Flag); break;
  }
}
}  // namespace

void TMetafile::Play(TCanvas& target, const TRect& dest) const {
  if (width_ <= 0 || height_ <= 0 || dest.IsEmpty()) return;
  const TPen pen = target.Pen;
  const TBrush brush = target.Brush;
  const TFont font = target.Font;
  const bool hadClip = target.HasClip(), antialias = target.Antialias();
  const TRect clip = target.ClipRect();
  const TRect base = hadClip ? Intersect(clip, dest) : dest;
  const Mapping mapping(dest, width_, height_);
  target.SetClipRect(base);
  try {
    for (const TMetafileRecord& r : records_->list) PlayOne(target, r, mapping, base);
  } catch (...) {
    hadClip ? target.SetClipRect(clip) : target.RemoveClip();
    throw;
  }
  target.Pen = pen;
  target.Brush = brush;
  target.Font = font;
  target.SetAntialias(antialias);
  hadClip ? target.SetClipRect(clip) : target.RemoveClip();
}

// --- recording --------------------------------------------------------------

TMetafileCanvas::TMetafileCanvas(TMetafile& target, const std::string& creator, const std::string& description)
    : target_(target) {
  target_.Clear();
  target_.SetCreator(creator);
  target_.SetDescription(description);
}
TMetafileCanvas::~TMetafileCanvas() = default;

namespace {
// A new record at the end of the metafile, with the canvas state in force.
TMetafileRecord& Append(TMetafile& metafile, TMetafileOp op, const TCanvas& c) {
  TMetafileRecord& r = metafile.records().list.emplace_back();
  r.Op = op;
  r.Pen = c.Pen;
  r.Brush = c.Brush;
  r.Font = c.Font;
  return r;
}
}  // namespace


void TMetafileCanvas::DoLine(TPoint from, TPoint to) {
  TMetafileRecord& r = Append(target_, moLine, *this);
  r.Points = {from, to};
}
void TMetafileCanvas::DoPolyline(const std::vector<TPoint>& points) {
  TMetafileRecord& r = Append(target_, moPolyline, *this);
  r.Points = points;
}
void TMetafileCanvas::DoPolygon(const std::vector<TPoint>& points) {
  TMetafileRecord& r = Append(target_, moPolygon, *this);
  r.Points = points;
}
void TMetafileCanvas::DoRectangle(const TRect& rect) {
  TMetafileRecord& r = Append(target_, moRectangle, *this);
  r.Rect = rect;
}
void TMetafileCanvas::DoEllipse(const TRect& rect) {
  TMetafileRecord& r = Append(target_, moEllipse, *this);
  r.Rect = rect;
}
void TMetafileCanvas::DoFillRect(const TRect& rect, TColor color) {
  TMetafileRecord& r = Append(target_, moFillRect, *this);
  r.Rect = rect;
  r.Color = color;
}
void TMetafileCanvas::DoInvertRect(const TRect& rect) {
  TMetafileRecord& r = Append(target_, moInvertRect, *this);
  r.Rect = rect;
}
void TMetafileCanvas::DoFocusRect(const TRect& rect) {
  TMetafileRecord& r = Append(target_, moFocusRect, *this);
  r.Rect = rect;
}
TColor TMetafileCanvas::DoPixel(int, int) const { return clNone; }
void TMetafileCanvas::DoSetPixel(int x, int y, TColor color) {
  TMetafileRecord& r = Append(target_, moSetPixel, *this);
  r.Rect = {x, y, x + 1, y + 1};
  r.Color = color;
}
void TMetafileCanvas::DoGradient(const TRect& rect, TColor from, TColor to, TGradientKind kind, TPoint p0, TPoint p1,
                                 int radius) {
  TMetafileRecord& r = Append(target_, moGradient, *this);
  r.Rect = rect;
  r.Color = from;
  r.Color2 = to;
  r.Gradient = kind;
  r.Points = {p0, p1};
  r.Radius = radius;
}
void TMetafileCanvas::DoText(int x, int y, const std::string& text, const TRect* clip) {
  TMetafileRecord& r = Append(target_, moText, *this);
  r.Points = {{x, y}};
  r.Text = text;
  r.Flag = clip != nullptr;
  if (clip) r.Rect = *clip;
}
TSize TMetafileCanvas::DoTextExtent(const std::string& text) const { return platform::MeasureText(Font, text); }
void TMetafileCanvas::DoBitmap(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor transparent) {
  TMetafileRecord& r = Append(target_, moBitmap, *this);
  r.Rect = dest;
  r.Bitmap = std::make_shared<const TBitmap>(bitmap);
  r.Source = source;
  r.Color = transparent;
}
void TMetafileCanvas::DoClip(const TRect* rect) {
  TMetafileRecord& r = Append(target_, moClip, *this);
  r.Flag = rect != nullptr;
  if (rect) r.Rect = *rect;
}
void TMetafileCanvas::DoAntialias(bool on) {
  TMetafileRecord& r = Append(target_, moAntialias, *this);
  r.Flag = on;
}
