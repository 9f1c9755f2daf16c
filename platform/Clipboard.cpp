#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QImage>
#include <QVariant>

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/ControlQt.h"
#include "platform/ImageFiles.h"
#include "platform/Metafile.h"

namespace platform {
namespace {
QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

// The clipboard takes the mime data over and frees it when replaced.
void Offer(QMimeData* data) {
  EnsureApplication();
  QGuiApplication::clipboard()->setMimeData(data);
}
}  // namespace

void CopyMetafileToClipboard(const TMetafile& picture) {
  TBitmap pixels(picture.Width(), picture.Height());
  picture.Play(pixels.Canvas(), {0, 0, picture.Width(), picture.Height()});
  auto* data = new QMimeData;
  const QByteArray emf = Bytes(picture.SaveToBytes());
  data->setData("image/x-emf", emf);
  data->setData("image/emf", emf);
  data->setData("image/png", Bytes(EncodePNG(pixels, 6)));
  Offer(data);
}

void CopyBitmapToClipboard(const TBitmap& bitmap) {
  auto* data = new QMimeData;
  data->setImageData(QVariant(ImageOf(bitmap)));
  data->setData("image/bmp", Bytes(bitmap.SaveToBytes()));
  data->setData("image/png", Bytes(EncodePNG(bitmap, 6)));
  Offer(data);
}

void CopyJPEGToClipboard(const TJPEGImage& image) {
  auto* data = new QMimeData;
  data->setData("image/jpeg", Bytes(image.Data()));
  Offer(data);
}

std::vector<std::string> ClipboardFormats() {
  EnsureApplication();
  std::vector<std::string> formats;
  if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
    for (const QString& f : data->formats()) formats.push_back(f.toStdString());
  return formats;
}

std::string ClipboardData(const std::string& mimeType) {
  EnsureApplication();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data) return {};
  const QByteArray bytes = data->data(QString::fromStdString(mimeType));
  return bytes.toStdString();
}

}  // namespace platform
