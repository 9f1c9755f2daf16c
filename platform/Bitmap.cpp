#include "platform/Bitmap.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "platform/ControlQt.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/PainterCanvas.h"

struct TBitmap::Impl {
  QImage image;
  std::unique_ptr<QPainter> painter;
  std::unique_ptr<platform::TPainterCanvas> canvas;

  void EndCanvas() {
    canvas.reset();
    if (painter) painter->end();
    painter.reset();
  }
};

namespace {
QImage NewImage(int width, int height) {
  QImage image(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}
}  // namespace

TBitmap::TBitmap(int width, int height) : impl_(std::make_unique<Impl>()) { impl_->image = NewImage(width, height); }
TBitmap::~TBitmap() {
  if (impl_) impl_->EndCanvas();  // a moved-from bitmap has no Impl
}

TBitmap::TBitmap(const TBitmap& other) : impl_(std::make_unique<Impl>()) { impl_->image = other.impl_->image.copy(); }
TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this != &other) {
    impl_->EndCanvas();
    impl_->image = other.impl_->image.copy();
  }
  return *this;
}
TBitmap::TBitmap(TBitmap&&) noexcept = default;
TBitmap& TBitmap::operator=(TBitmap&&) noexcept = default;

int TBitmap::Width() const { return impl_->image.width(); }
int TBitmap::Height() const { return impl_->image.height(); }

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == Width() && height == Height()) return;
  impl_->EndCanvas();
  QImage resized = NewImage(width, height);
  const int w = std::min(width, Width()), h = std::min(height, Height());
  for (int y = 0; y < h; ++y)
    std::copy_n(reinterpret_cast<const QRgb*>(impl_->image.constScanLine(y)), w,
                reinterpret_cast<QRgb*>(resized.scanLine(y)));
  impl_->image = std::move(resized);
}

TCanvas& TBitmap::Canvas() {
  if (!impl_->canvas) {
    impl_->painter = std::make_unique<QPainter>(&impl_->image);
    impl_->canvas = std::make_unique<platform::TPainterCanvas>(*impl_->painter, &impl_->image);
  }
  return *impl_->canvas;
}

const uint32_t* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= Height()) return nullptr;
  return reinterpret_cast<const uint32_t*>(impl_->image.constScanLine(y));
}

uint32_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= Height()) return nullptr;
  // bits() of the image under an open painter does not copy: the painter
  // holds no second reference to the pixels.
  return reinterpret_cast<uint32_t*>(impl_->image.scanLine(y));
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return clNone;
  const QRgb c = ScanLine(y)[x];
  return RGB(qRed(c), qGreen(c), qBlue(c));
}

void TBitmap::Fill(TColor color) {
  const QRgb c = platform::ToQColor(color).rgb();
  for (int y = 0; y < Height(); ++y) std::fill_n(ScanLine(y), Width(), c);
}

void TBitmap::LoadFromFile(const std::string& fileName) {
  QImage loaded;
  if (!loaded.load(QString::fromStdString(fileName)))
    throw EInOutError("Cannot read picture \"" + fileName + "\"");
  impl_->EndCanvas();
  impl_->image = loaded.convertToFormat(QImage::Format_RGB32);
}

namespace platform {
QImage& ImageOf(TBitmap& bitmap) { return bitmap.impl().image; }
const QImage& ImageOf(const TBitmap& bitmap) { return bitmap.impl().image; }
}  // namespace platform
