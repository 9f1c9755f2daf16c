#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "TestComponent.h"
#include "components/iImageExport.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"
#include "platform/ImageFiles.h"

namespace fs = std::filesystem;

namespace {
struct Decoded {
  int width = 0, height = 0;
  bool progressive = false;
  std::vector<uint8_t> rgb;
  TColor At(int x, int y) const {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return RGB(p[0], p[1], p[2]);
  }
};

Decoded DecodePNG(const std::string& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  EXPECT_TRUE(png_image_begin_read_from_file(&image, file.c_str())) << image.message;
  image.format = PNG_FORMAT_RGB;
  Decoded d;
  d.width = static_cast<int>(image.width);
  d.height = static_cast<int>(image.height);
  d.rgb.resize(PNG_IMAGE_SIZE(image));
  EXPECT_TRUE(png_image_finish_read(&image, nullptr, d.rgb.data(), 0, nullptr)) << image.message;
  return d;
}

Decoded DecodeJPEG(const std::string& bytes) {
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

uint32_t U32(const std::string& b, size_t at) {
  uint32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

// UTF-16LE text as plain ASCII (the texts of these tests are ASCII).
std::string Ascii16(const std::string& b, size_t at, size_t chars) {
  std::string s;
  for (size_t i = 0; i < chars; ++i) s += static_cast<char>(b[at + 2 * i] ? b[at + 2 * i] : '|');
  return s;
}

bool Near(TColor a, TColor b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class ImageExport : public ::testing::Test {
 protected:
  ImageExport() : dir(fs::temp_directory_path() / ("image_export_test_" + std::to_string(::getpid()))) {
    fs::create_directories(dir);
    component.SetBounds(0, 0, 64, 48);
    component.SetBackGroundColor(clNavy);
  }
  ~ImageExport() override { fs::remove_all(dir); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  fs::path dir;
  TiTestComponent component;
};

std::string MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Exception& e) {
    return e.Message;
  }
  return "";
}
}  // namespace

TEST_F(ImageExport, RangeErrorsComeBeforeAnyFile) {
  const std::string jpeg = "Compression must be in the range of 1-100";
  EXPECT_EQ(MessageOf([&] { SaveImageToJPEG(component, Path("a.jpg"), 0, false); }), jpeg);
  EXPECT_EQ(MessageOf([&] { SaveImageToJPEG(component, Path("a.jpg"), 101, true); }), jpeg);
  EXPECT_EQ(MessageOf([&] { GetJPEGImage(component, 0, false); }), jpeg);
  EXPECT_EQ(MessageOf([&] { SaveImageToPNG(component, Path("a.png"), 10); }), "Compression must be in the range of 0-9");
  EXPECT_EQ(MessageOf([&] { SaveImageToPNG(component, Path("a.png"), -1); }), "Compression must be in the range of 0-9");
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_EQ(component.paints, 0);
}

TEST_F(ImageExport, PNGDecodesToThePaintedPixels) {
  SaveImageToPNG(component, Path("a.png"), 9);
  const Decoded d = DecodePNG(Path("a.png"));
  ASSERT_EQ(d.width, 64);
  ASSERT_EQ(d.height, 48);
  EXPECT_EQ(d.At(15, 15), clLime);
  EXPECT_EQ(d.At(40, 30), clNavy);
  SaveImageToPNG(component, Path("none.png"), 0);
  EXPECT_GT(fs::file_size(Path("none.png")), fs::file_size(Path("a.png")));
  EXPECT_FALSE(component.UpdateLocked());
}

TEST_F(ImageExport, JPEGFilesAndMemoryImagesCarryTheProgressiveChoice) {
  SaveImageToJPEG(component, Path("p.jpg"), 100, true);
  const Decoded p = DecodeJPEG(platform::ReadWholeFile(Path("p.jpg")));
  EXPECT_TRUE(p.progressive);
  EXPECT_EQ(p.width, 64);
  EXPECT_EQ(p.height, 48);
  EXPECT_TRUE(Near(p.At(15, 15), clLime, 24));
  EXPECT_TRUE(Near(p.At(40, 30), clNavy, 24));

  auto image = GetJPEGImage(component, 90, false);
  ASSERT_TRUE(image);
  EXPECT_FALSE(image->ProgressiveEncoding());
  const Decoded b = DecodeJPEG(image->Data());
  EXPECT_FALSE(b.progressive);
  EXPECT_EQ(b.width, 64);
  EXPECT_TRUE(Near(b.At(40, 30), clNavy, 24));
}

TEST_F(ImageExport, BitmapFileReadsBack) {
  SaveImageToBitmap(component, Path("a.bmp"));
  const std::string bytes = platform::ReadWholeFile(Path("a.bmp"));
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  TBitmap back;
  back.LoadFromFile(Path("a.bmp"));
  EXPECT_EQ(back.Width(), 64);
  EXPECT_EQ(back.Pixel(15, 15), clLime);
  EXPECT_EQ(back.Pixel(63, 47), clNavy);
}

TEST_F(ImageExport, MetafileHeaderNamesTheCreator) {
  SaveImageToMetafile(component, Path("a.emf"));
  const std::string b = platform::ReadWholeFile(Path("a.emf"));
  ASSERT_GT(b.size(), 100u);
  EXPECT_EQ(U32(b, 0), 1u);           // EMR_HEADER
  EXPECT_EQ(U32(b, 40), 0x464D4520u);  // " EMF"
  EXPECT_EQ(U32(b, 48), b.size());     // nBytes
  const uint32_t chars = U32(b, 60), offset = U32(b, 64);
  ASSERT_LE(offset + 2 * chars, b.size());
  EXPECT_EQ(Ascii16(b, offset, chars).rfind("Wexlar|TiTestComponent|", 0), 0u) << Ascii16(b, offset, chars);
  EXPECT_EQ(U32(b, b.size() - 20), 14u);  // EMR_EOF last
}
