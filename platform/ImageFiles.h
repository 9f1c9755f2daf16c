// Picture encoders: PNG through libpng, JPEG through libjpeg, both from a
// TBitmap, to a file or to memory. Files are written to a temporary file
// beside the target and renamed over it, so a failure never leaves a
// truncated picture in place of a good one.
#pragma once
#include <string>

#include "platform/Files.h"

class TBitmap;

namespace platform {

// compressionLevel 0 (none) ... 9 (smallest); outside raises Exception
// "Compression must be in the range of 0-9".
std::string EncodePNG(const TBitmap& bitmap, int compressionLevel);
void SavePNG(const TBitmap& bitmap, const std::string& fileName, int compressionLevel);

// quality 1 ... 100; outside raises Exception "Compression must be in the
// range of 1-100". 24-bit colour, the slow exact transform, optimized
// Huffman tables; progressive or baseline as asked.
std::string EncodeJPEG(const TBitmap& bitmap, int quality, bool progressive);
void SaveJPEG(const TBitmap& bitmap, const std::string& fileName, int quality, bool progressive);

}  // namespace platform

// A JPEG picture held in memory, compressed: what a component hands out for
// the clipboard. Owned by whoever received it.
class TJPEGImage {
 public:
  TJPEGImage() = default;
  TJPEGImage(std::string data, int width, int height, bool progressive)
      : data_(std::move(data)), width_(width), height_(height), progressive_(progressive) {}
  const std::string& Data() const { return data_; }  // the JPEG file's bytes
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool ProgressiveEncoding() const { return progressive_; }
  bool Empty() const { return data_.empty(); }
  void SaveToFile(const std::string& fileName) const { platform::WriteFileAtomically(fileName, data_); }

 private:
  std::string data_;
  int width_ = 0, height_ = 0;
  bool progressive_ = false;
};
