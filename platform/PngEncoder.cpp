// PNG through libpng: 8-bit RGB rows handed over one at a time, written to
// memory. libpng reports errors by longjmp, so nothing with a destructor is
// created between setjmp and the end of encoding.
#include <png.h>

#include <csetjmp>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Exception.h"
#include "platform/ImageFiles.h"

namespace platform {
namespace {
void Append(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}
void NoFlush(png_structp) {}

// Returns false when libpng gave up; out then holds nothing useful.
bool Encode(const TBitmap& bitmap, int level, std::string& out, std::vector<png_byte>& row) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, Append, NoFlush);
  png_set_compression_level(png, level);
  png_set_IHDR(png, info, bitmap.Width(), bitmap.Height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_pHYs(png, info, 3780, 3780, PNG_RESOLUTION_METER);
  png_write_info(png, info);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint32_t* src = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      row[3 * x] = (src[x] >> 16) & 0xFF;
      row[3 * x + 1] = (src[x] >> 8) & 0xFF;
      row[3 * x + 2] = src[x] & 0xFF;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

std::string EncodePNG(const TBitmap& bitmap, int compressionLevel) {
  if (compressionLevel < 0 || compressionLevel > 9) throw Exception("Compression must be in the range of 0-9");
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) throw Exception("Cannot encode an empty picture");
  std::string out;
  std::vector<png_byte> row(static_cast<size_t>(bitmap.Width()) * 3);
  if (!Encode(bitmap, compressionLevel, out, row)) throw Exception("PNG encoding failed");
  return out;
}

void SavePNG(const TBitmap& bitmap, const std::string& fileName, int compressionLevel) {
  WriteFileAtomically(fileName, EncodePNG(bitmap, compressionLevel));
}

}  // namespace platform
