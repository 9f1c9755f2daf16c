#include "components/iImageExport.h"

#include "components/iComponent.h"
#include "platform/Bitmap.h"
#include "platform/ImageFiles.h"
#include "platform/Metafile.h"

namespace {
struct TPaintLock {
  explicit TPaintLock(TiComponent& c) : component(c) { component.Lock(); }
  ~TPaintLock() { component.Unlock(); }
  TiComponent& component;
};

std::unique_ptr<TBitmap> Picture(TiComponent& component) {
  auto bitmap = std::make_unique<TBitmap>(component.Width(), component.Height());
  PaintComponentTo(component, bitmap->Canvas());
  return bitmap;
}

void CheckJPEGQuality(int quality) {
  if (quality < 1 || quality > 100) throw Exception("Compression must be in the range of 1-100");
}
}  // namespace

void PaintComponentTo(TiComponent& component, TCanvas& canvas) {
  TPaintLock lock(component);
  component.PaintTo(canvas);
}

void SaveImageToBitmap(TiComponent& component, const std::string& fileName) {
  Picture(component)->SaveToFile(fileName);
}

void SaveImageToMetafile(TiComponent& component, const std::string& fileName) {
  TMetafile picture(component.Width(), component.Height());
  {
    TMetafileCanvas canvas(picture, kMetafileCreator, component.ClassName());
    PaintComponentTo(component, canvas);
  }
  picture.SaveToFile(fileName);
}

void SaveImageToJPEG(TiComponent& component, const std::string& fileName, int quality, bool progressive) {
  CheckJPEGQuality(quality);
  platform::SaveJPEG(*Picture(component), fileName, quality, progressive);
}

void SaveImageToPNG(TiComponent& component, const std::string& fileName, int compression) {
  if (compression < 0 || compression > 9) throw Exception("Compression must be in the range of 0-9");
  platform::SavePNG(*Picture(component), fileName, compression);
}

std::unique_ptr<TJPEGImage> GetJPEGImage(TiComponent& component, int quality, bool progressive) {
  CheckJPEGQuality(quality);
  const auto bitmap = Picture(component);
  return std::make_unique<TJPEGImage>(platform::EncodeJPEG(*bitmap, quality, progressive), bitmap->Width(),
                                      bitmap->Height(), progressive);
}
