// The canvas on a QPainter (platform/ only): bitmaps, windows and the printer
// all draw through it. It maps the classic conventions onto Qt's: Qt fills
// QRect(x, y, w, h) as the half-open rectangle but outlines it one pixel
// wider, and draws a line's last pixel, so both are adjusted here.
#pragma once
#include <QFont>
#include <QFontMetrics>
#include <optional>
#include <QImage>
#include <QPainter>

#include "platform/Canvas.h"
#include "platform/LineRaster.h"

namespace platform {

QColor ToQColor(TColor color);  // resolves system colours
QFont ToQFont(const TFont& font);
// Text measured the same way on every device.
TSize MeasureText(const TFont& font, const std::string& text);

class TPainterCanvas : public TCanvas {
 public:
  // image: the painter's target when it is an image, so that pixels can be
  // read and a line's last pixel restored exactly; may be null.
  TPainterCanvas(QPainter& painter, QImage* image, int pixelsPerInch = 96);
  int PixelsPerInch() const override { return ppi_; }

 protected:
  void DoLine(TPoint from, TPoint to) override;
  void DoPolyline(const std::vector<TPoint>& points) override;
  void DoPolygon(const std::vector<TPoint>& points) override;
  void DoRectangle(const TRect& r) override;
  void DoEllipse(const TRect& r) override;
  void DoFillRect(const TRect& r, TColor color) override;
  void DoInvertRect(const TRect& r) override;
  void DoFocusRect(const TRect& r) override;
  TColor DoPixel(int x, int y) const override;
  void DoSetPixel(int x, int y, TColor color) override;
  void DoGradient(const TRect& r, TColor from, TColor to, TGradientKind kind, TPoint p0, TPoint p1,
                  int radius) override;
  void DoText(int x, int y, const std::string& text, const TRect* clip) override;
  TSize DoTextExtent(const std::string& text) const override;
  void DoBitmap(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor transparent) override;
  void DoClip(const TRect* r) override;
  void DoAntialias(bool on) override;

 private:
  void ApplyPen();    // pen and raster mode from Pen, skipped when unchanged
  void ApplyBrush();  // brush from Brush
  void NoPen();
  void CopyMode();
  bool RasterTarget(TPixelTarget& target);
  uint32_t PenPixel() const;
  // Draws `strokes` with the pen, leaving out pixel `last` as the classic
  // convention wants: restored from the image when there is one.
  template <typename Strokes>
  void WithoutLastPixel(TPoint last, Strokes strokes);

  QPainter& p_;
  QImage* image_;
  int ppi_;
  TPen applied_{};
  bool penValid_ = false;
  bool antialias_ = false;

  // A chart draws most of its texts in a few fonts: building the Qt font and
  // its metrics once per font, not once per text, keeps text cheap.
  const QFont& CurrentFont() const;
  const QFontMetrics& CurrentMetrics() const;
  mutable TFont fontKey_{};
  mutable bool fontValid_ = false;
  mutable QFont font_;
  mutable std::optional<QFontMetrics> metrics_;
};

}  // namespace platform
