// JPEG through libjpeg into memory. libjpeg's default error handler ends the
// program, so ours jumps back out instead; nothing with a destructor lives
// between setjmp and the end of compression.
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Exception.h"
#include "platform/ImageFiles.h"

namespace platform {
namespace {
struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void ExitByJump(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1); }

bool Encode(const TBitmap& bitmap, int quality, bool progressive, unsigned char** data, unsigned long* size,
            std::vector<JSAMPLE>& row) {
  jpeg_compress_struct info;
  ErrorJump error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = ExitByJump;
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, data, size);
  info.image_width = bitmap.Width();
  info.image_height = bitmap.Height();
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.dct_method = JDCT_ISLOW;  // the exact transform: best quality
  info.optimize_coding = TRUE;
  if (progressive) jpeg_simple_progression(&info);
  info.density_unit = 1;  // dots per inch
  info.X_density = info.Y_density = 96;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const uint32_t* src = bitmap.ScanLine(static_cast<int>(info.next_scanline));
    for (int x = 0; x < bitmap.Width(); ++x) {
      row[3 * x] = (src[x] >> 16) & 0xFF;
      row[3 * x + 1] = (src[x] >> 8) & 0xFF;
      row[3 * x + 2] = src[x] & 0xFF;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}
}  // namespace

std::string EncodeJPEG(const TBitmap& bitmap, int quality, bool progressive) {
  if (quality < 1 || quality > 100) throw Exception("Compression must be in the range of 1-100");
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) throw Exception("Cannot encode an empty picture");
  unsigned char* data = nullptr;
  unsigned long size = 0;
  std::vector<JSAMPLE> row(static_cast<size_t>(bitmap.Width()) * 3);
  const bool ok = Encode(bitmap, quality, progressive, &data, &size, row);
  std::string out = ok && data ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
  std::free(data);
  if (!ok) throw Exception("JPEG encoding failed");
  return out;
}

void SaveJPEG(const TBitmap& bitmap, const std::string& fileName, int quality, bool progressive) {
  WriteFileAtomically(fileName, EncodeJPEG(bitmap, quality, progressive));
}

}  // namespace platform
