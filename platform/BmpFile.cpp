// Windows bitmap files: a BITMAPFILEHEADER, a BITMAPINFOHEADER and 24-bit
// rows, bottom row first, each padded to four bytes.
#include <cstdint>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Files.h"

namespace {
void Put16(std::string& s, uint16_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8);
}
void Put32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}
}  // namespace

std::string TBitmap::SaveToBytes() const {
  const uint32_t w = Width(), h = Height();
  const uint32_t stride = (w * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * h, offset = 14 + 40;
  std::string s;
  s.reserve(offset + imageSize);
  s += "BM";
  Put32(s, offset + imageSize);
  Put32(s, 0);
  Put32(s, offset);
  Put32(s, 40);
  Put32(s, w);
  Put32(s, h);  // positive: bottom-up
  Put16(s, 1);
  Put16(s, 24);
  Put32(s, 0);  // BI_RGB
  Put32(s, imageSize);
  Put32(s, 3780);  // 96 pixels per inch
  Put32(s, 3780);
  Put32(s, 0);
  Put32(s, 0);
  for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
    const uint32_t* row = ScanLine(y);
    for (uint32_t x = 0; x < w; ++x) {
      s += static_cast<char>(row[x] & 0xFF);          // blue
      s += static_cast<char>((row[x] >> 8) & 0xFF);   // green
      s += static_cast<char>((row[x] >> 16) & 0xFF);  // red
    }
    s.append(stride - w * 3, '\0');
  }
  return s;
}

void TBitmap::SaveToFile(const std::string& fileName) const { platform::WriteFileAtomically(fileName, SaveToBytes()); }
