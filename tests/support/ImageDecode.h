// Pictures decoded back with the reference libraries, for tests of what the
// program writes: libpng for PNG, libjpeg for JPEG.
#pragma once
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Types.h"

struct Decoded {
  int width = 0, height = 0;
  bool progressive = false;
  std::vector<uint8_t> rgb;
  TColor At(int x, int y) const {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return RGB(p[0], p[1], p[2]);
  }
};

inline Decoded DecodePng(const std::string& bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  EXPECT_TRUE(png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) << image.message;
  image.format = PNG_FORMAT_RGB;
  Decoded d;
  d.width = static_cast<int>(image.width);
  d.height = static_cast<int>(image.height);
  d.rgb.resize(PNG_IMAGE_SIZE(image));
  EXPECT_TRUE(png_image_finish_read(&image, nullptr, d.rgb.data(), 0, nullptr)) << image.message;
  return d;
}

inline Decoded DecodeJpeg(const std::string& bytes) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  Decoded d;
  d.progressive = jpeg_has_multiple_scans(&info);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  d.width = static_cast<int>(info.output_width);
  d.height = static_cast<int>(info.output_height);
  d.rgb.resize(static_cast<size_t>(d.width) * d.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &d.rgb[static_cast<size_t>(info.output_scanline) * d.width * 3];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return d;
}

// Each of red, green and blue within `tolerance` (lossy JPEG).
inline bool Near(TColor a, TColor b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}
