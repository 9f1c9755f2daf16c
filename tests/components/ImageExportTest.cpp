#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "TestComponent.h"
#include "components/iImageExport.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"
#include "platform/ImageFiles.h"
#include "tests/support/ImageDecode.h"
#include "tests/support/MessageOf.h"

namespace fs = std::filesystem;

namespace {

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
  const Decoded d = DecodePng(platform::ReadWholeFile(Path("a.png")));
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
  const Decoded p = DecodeJpeg(platform::ReadWholeFile(Path("p.jpg")));
  EXPECT_TRUE(p.progressive);
  EXPECT_EQ(p.width, 64);
  EXPECT_EQ(p.height, 48);
  EXPECT_TRUE(Near(p.At(15, 15), clLime, 24));
  EXPECT_TRUE(Near(p.At(40, 30), clNavy, 24));

  auto image = GetJPEGImage(component, 90, false);
  ASSERT_TRUE(image);
  EXPECT_FALSE(image->ProgressiveEncoding());
  const Decoded b = DecodeJpeg(image->Data());
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
