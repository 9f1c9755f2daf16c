#include "platform/PainterCanvas.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPolygon>
#include <QRadialGradient>
#include <algorithm>
#include <cstdlib>

#include "platform/Bitmap.h"
#include "platform/ControlQt.h"
#include "platform/LineRaster.h"

namespace platform {

QColor ToQColor(TColor color) {
  const TColor c = ColorToRGB(color);
  return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QFont ToQFont(const TFont& font) {
  QFont f(QString::fromStdString(font.Name));
  f.setPixelSize(std::max(1, std::abs(font.Height)));
  f.setBold(font.Has(fsBold));
  f.setItalic(font.Has(fsItalic));
  f.setUnderline(font.Has(fsUnderline));
  f.setStrikeOut(font.Has(fsStrikeOut));
  return f;
}

TSize MeasureText(const TFont& font, const std::string& text) {
  const QFontMetrics metrics(ToQFont(font));
  return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

namespace {
QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// The classic dash lengths of cosmetic pens, in pixels.
QList<qreal> DashPattern(TPenStyle style) {
  switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

QPainter::CompositionMode ModeFor(TPenMode mode) {
  switch (mode) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

Qt::BrushStyle BrushStyleFor(TBrushStyle style) {
  switch (style) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
  }
}

// The pixel before `to` on the line from `from`, for devices whose pixels
// cannot be read back.
TPoint OneShort(TPoint from, TPoint to) {
  const int dx = to.X - from.X, dy = to.Y - from.Y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  if (steps <= 1) return from;
  const auto back = [steps](int d) { return (d * (steps - 1) + (d >= 0 ? steps / 2 : -steps / 2)) / steps; };
  return {from.X + back(dx), from.Y + back(dy)};
}
}  // namespace

TPainterCanvas::TPainterCanvas(QPainter& painter, QImage* image, int pixelsPerInch)
    : p_(painter), image_(image), ppi_(pixelsPerInch) {
  p_.setRenderHint(QPainter::Antialiasing, false);
  p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void TPainterCanvas::ApplyPen() {
  if (penValid_ && applied_ == Pen) return;
  applied_ = Pen;
  penValid_ = true;
  if (Pen.Style == psClear) {
    p_.setPen(Qt::NoPen);
  } else {
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(Pen.Width <= 1 ? 0 : Pen.Width);
    const QList<qreal> dashes = DashPattern(Pen.Style);
    if (!dashes.isEmpty()) {
      QList<qreal> scaled = dashes;
      // Qt counts dashes in pen widths; the classic lengths are in pixels.
      if (Pen.Width > 1)
        for (qreal& d : scaled) d = std::max<qreal>(1, d / Pen.Width);
      pen.setDashPattern(scaled);
    }
    // A flat cosmetic cap loses the first pixel of lines drawn up or left.
    pen.setCapStyle(Pen.Width <= 1 ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(Pen.Width <= 1 ? Qt::MiterJoin : Qt::RoundJoin);
    p_.setPen(pen);
  }
  p_.setCompositionMode(ModeFor(Pen.Mode));
}

void TPainterCanvas::ApplyBrush() {
  QBrush brush(ToQColor(Brush.Color), BrushStyleFor(Brush.Style));
  p_.setBrush(brush);
}

void TPainterCanvas::NoPen() {
  p_.setPen(Qt::NoPen);
  penValid_ = false;
}

void TPainterCanvas::CopyMode() {
  p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  penValid_ = false;
}

template <typename Strokes>
void TPainterCanvas::WithoutLastPixel(TPoint last, Strokes strokes) {
  const bool cosmetic = Pen.Width <= 1;
  if (cosmetic && image_ && image_->rect().contains(last.X, last.Y)) {
    const QRgb saved = image_->pixel(last.X, last.Y);
    strokes(false);
    image_->setPixel(last.X, last.Y, saved);
  } else {
    strokes(cosmetic);
  }
}

// Solid lines up to the widest rastered pen, in copy mode on an
// untransformed 32-bit image, are set pixel by pixel here; everything else
// goes through the painter.
bool TPainterCanvas::RasterTarget(TPixelTarget& target) {
  if (!image_ || antialias_ || Pen.Width > kRasterWidestPen || Pen.Mode != pmCopy) return false;
  if (Pen.Style != psSolid && Pen.Style != psInsideFrame) return false;
  const QImage::Format f = image_->format();
  if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied) return false;
  if (image_->devicePixelRatio() != 1.0 || p_.transform().type() != QTransform::TxNone) return false;
  TRect clip{0, 0, image_->width(), image_->height()};
  if (hasClip_)
    clip = {std::max(clip.Left, clip_.Left), std::max(clip.Top, clip_.Top), std::min(clip.Right, clip_.Right),
            std::min(clip.Bottom, clip_.Bottom)};
  target.Bits = reinterpret_cast<uint32_t*>(image_->bits());
  target.Stride = static_cast<int>(image_->bytesPerLine() / 4);
  target.Clip = clip;
  return true;
}

uint32_t TPainterCanvas::PenPixel() const { return ToQColor(Pen.Color).rgb() | 0xFF000000u; }

void TPainterCanvas::DoLine(TPoint from, TPoint to) {
  if (TPixelTarget t; RasterTarget(t)) {
    if (Pen.Width > 1)
      RasterWideLine(t, from, to, Pen.Width, PenPixel());
    else
      RasterLine(t, from, to, PenPixel());
    return;
  }
  ApplyPen();
  p_.setBrush(Qt::NoBrush);
  WithoutLastPixel(to, [&](bool shorten) {
    const TPoint end = shorten ? OneShort(from, to) : to;
    if (end == from && shorten) p_.drawPoint(from.X, from.Y);
    else p_.drawLine(from.X, from.Y, end.X, end.Y);
  });
}

void TPainterCanvas::DoPolyline(const std::vector<TPoint>& points) {
  if (TPixelTarget t; RasterTarget(t)) {
    const uint32_t pixel = PenPixel();
    for (size_t i = 1; i < points.size(); ++i) {
      if (Pen.Width > 1)
        RasterWideLine(t, points[i - 1], points[i], Pen.Width, pixel);
      else
        RasterLine(t, points[i - 1], points[i], pixel);
    }
    return;
  }
  ApplyPen();
  p_.setBrush(Qt::NoBrush);
  QPolygon poly(static_cast<int>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) poly.setPoint(static_cast<int>(i), points[i].X, points[i].Y);
  WithoutLastPixel(points.back(), [&](bool shorten) {
    if (shorten) {
      const TPoint end = OneShort(points[points.size() - 2], points.back());
      poly.setPoint(poly.size() - 1, end.X, end.Y);
    }
    p_.drawPolyline(poly);
  });
}

void TPainterCanvas::DoPolygon(const std::vector<TPoint>& points) {
  ApplyPen();
  ApplyBrush();
  QPolygon poly(static_cast<int>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) poly.setPoint(static_cast<int>(i), points[i].X, points[i].Y);
  p_.drawPolygon(poly, Qt::OddEvenFill);
}

void TPainterCanvas::DoRectangle(const TRect& r) {
  ApplyPen();
  ApplyBrush();
  // Without a pen the classic rectangle fills one pixel less each way, as the
  // outline it would have had covers Right-1 and Bottom-1.
  if (Pen.Style == psClear) {
    if (r.Width() > 1 && r.Height() > 1) p_.fillRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1), p_.brush());
    return;
  }
  // A one-pixel rectangle is its outline's single pixel; Qt draws nothing
  // for a rectangle of no extent.
  if (r.Width() == 1 && r.Height() == 1 && Pen.Width <= 1) {
    p_.drawPoint(r.Left, r.Top);
    return;
  }
  int inset = Pen.Style == psInsideFrame && Pen.Width > 1 ? Pen.Width / 2 : 0;
  p_.drawRect(QRect(r.Left + inset, r.Top + inset, r.Width() - 1 - 2 * inset, r.Height() - 1 - 2 * inset));
}

void TPainterCanvas::DoEllipse(const TRect& r) {
  ApplyPen();
  ApplyBrush();
  p_.drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TPainterCanvas::DoFillRect(const TRect& r, TColor color) {
  CopyMode();
  p_.fillRect(ToQRect(r), QBrush(ToQColor(color), BrushStyleFor(Brush.Style == bsClear ? bsSolid : Brush.Style)));
}

void TPainterCanvas::DoInvertRect(const TRect& r) {
  p_.setCompositionMode(QPainter::RasterOp_NotDestination);
  p_.fillRect(ToQRect(r), Qt::black);
  CopyMode();
}

// Every other pixel of the frame inverted, on the device's checkerboard, so
// that drawing it twice restores the picture.
void TPainterCanvas::DoFocusRect(const TRect& r) {
  QPolygon dots;
  auto add = [&](int x, int y) {
    if (((x + y) & 1) == 0) dots << QPoint(x, y);
  };
  for (int x = r.Left; x < r.Right; ++x) {
    add(x, r.Top);
    if (r.Bottom - 1 > r.Top) add(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    add(r.Left, y);
    if (r.Right - 1 > r.Left) add(r.Right - 1, y);
  }
  QPen pen(Qt::black);
  pen.setWidth(0);
  p_.setPen(pen);
  p_.setCompositionMode(QPainter::RasterOp_NotDestination);
  p_.drawPoints(dots);
  CopyMode();
}

TColor TPainterCanvas::DoPixel(int x, int y) const {
  if (!image_ || !image_->rect().contains(x, y)) return clNone;
  const QRgb c = image_->pixel(x, y);
  return RGB(qRed(c), qGreen(c), qBlue(c));
}

void TPainterCanvas::DoSetPixel(int x, int y, TColor color) {
  if (hasClip_ && !clip_.Contains({x, y})) return;
  if (image_) {
    if (image_->rect().contains(x, y)) image_->setPixel(x, y, ToQColor(color).rgb());
    return;
  }
  CopyMode();
  p_.fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

void TPainterCanvas::DoGradient(const TRect& r, TColor from, TColor to, TGradientKind kind, TPoint p0, TPoint p1,
                                int radius) {
  CopyMode();
  const QColor a = ToQColor(from), b = ToQColor(to);
  if (kind == gkLinear) {
    QLinearGradient g(p0.X, p0.Y, p1.X, p1.Y);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p_.fillRect(ToQRect(r), g);
  } else if (kind == gkRadial) {
    QRadialGradient g(p0.X, p0.Y, std::max(1, radius));
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p_.fillRect(ToQRect(r), g);
  } else {
    // Four triangles from the centre, each a linear gradient to its side.
    const QPointF c((r.Left + r.Right) / 2.0, (r.Top + r.Bottom) / 2.0);
    const QPointF tl(r.Left, r.Top), tr(r.Right, r.Top), br(r.Right, r.Bottom), bl(r.Left, r.Bottom);
    auto triangle = [&](QPointF s1, QPointF s2, QPointF sideEnd) {
      QLinearGradient g(c, sideEnd);
      g.setColorAt(0, a);
      g.setColorAt(1, b);
      p_.setPen(Qt::NoPen);
      p_.setBrush(g);
      p_.drawPolygon(QPolygonF({c, s1, s2}));
    };
    p_.save();
    p_.setClipRect(ToQRect(r), Qt::IntersectClip);
    triangle(tl, tr, QPointF(c.x(), r.Top));
    triangle(tr, br, QPointF(r.Right, c.y()));
    triangle(br, bl, QPointF(c.x(), r.Bottom));
    triangle(bl, tl, QPointF(r.Left, c.y()));
    p_.restore();
    penValid_ = false;
  }
}

void TPainterCanvas::DoText(int x, int y, const std::string& text, const TRect* clip) {
  p_.save();
  p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (clip) p_.setClipRect(ToQRect(*clip), hasClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
  p_.setFont(CurrentFont());
  p_.setPen(ToQColor(Font.Color));
  const int ascent = CurrentMetrics().ascent();
  p_.translate(x, y);
  if (Font.Orientation != 0) p_.rotate(-Font.Orientation / 10.0);
  p_.drawText(QPoint(0, ascent), QString::fromStdString(text));
  p_.restore();
  penValid_ = false;
}

TSize TPainterCanvas::DoTextExtent(const std::string& text) const {
  const QFontMetrics& metrics = CurrentMetrics();
  return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

const QFont& TPainterCanvas::CurrentFont() const {
  // Colour and rotation are applied per text; they do not make another font.
  TFont key = Font;
  key.Color = 0;
  key.Orientation = 0;
  if (!fontValid_ || !(key == fontKey_)) {
    fontKey_ = key;
    font_ = ToQFont(Font);
    metrics_.emplace(font_);
    fontValid_ = true;
  }
  return font_;
}

const QFontMetrics& TPainterCanvas::CurrentMetrics() const {
  CurrentFont();
  return *metrics_;
}

void TPainterCanvas::DoBitmap(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor transparent) {
  CopyMode();
  const QImage& image = ImageOf(bitmap);
  const QRect src = ToQRect(source);
  if (transparent == clNone) {
    p_.drawImage(ToQRect(dest), image, src);
    return;
  }
  QImage masked = image.copy(src).convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ToQColor(transparent).rgb() & 0xFFFFFF;
  for (int y = 0; y < masked.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
    for (int x = 0; x < masked.width(); ++x)
      if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
  }
  p_.drawImage(ToQRect(dest), masked);
}

void TPainterCanvas::DoClip(const TRect* r) {
  if (r) p_.setClipRect(ToQRect(*r));
  else p_.setClipping(false);
}

void TPainterCanvas::DoAntialias(bool on) {
  antialias_ = on;
  p_.setRenderHint(QPainter::Antialiasing, on);
}

std::unique_ptr<TCanvas> MakePainterCanvas(QPainter& painter, int pixelsPerInch) {
  QImage* image = painter.device() && painter.device()->devType() == QInternal::Image
                      ? static_cast<QImage*>(painter.device())
                      : nullptr;
  return std::make_unique<TPainterCanvas>(painter, image, pixelsPerInch);
}

}  // namespace platform

// Fontconfig keeps a cache for the life of the process that the leak checker
// of the sanitizer builds reports at exit; it is not ours to free. The
// checker asks for this list by name; other builds never call it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
