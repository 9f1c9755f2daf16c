#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/ImageFiles.h"
#include "tests/support/ImageDecode.h"

namespace fs = std::filesystem;

namespace {

const bool kApplication = [] {
  platform::EnsureApplication();
  return true;
}();


// Colour blocks with a frame: pixels to find again, and room to compress.
TBitmap Picture() {
  TBitmap b(64, 40);
  TCanvas& c = b.Canvas();
  c.Brush = {clRed, bsSolid};
  c.FillRect({0, 0, 32, 40});
  c.Brush.Color = clBlue;
  c.FillRect({32, 0, 64, 20});
  c.Brush.Color = RGB(10, 200, 30);
  c.FillRect({32, 20, 64, 40});
  return b;
}


class ImageFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("gfx-images-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(ImageFilesTest, PngDecodesBackToTheSamePixels) {
  const TBitmap b = Picture();
  platform::SavePNG(b, (dir / "p.png").string(), 9);
  const Decoded d = DecodePng(platform::ReadWholeFile((dir / "p.png").string()));
  ASSERT_EQ(d.width, 64);
  ASSERT_EQ(d.height, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 64; ++x) ASSERT_EQ(d.At(x, y), b.Pixel(x, y)) << x << "," << y;
}

TEST_F(ImageFilesTest, PngCompressionLevelIsHonoured) {
  TBitmap b(200, 100);
  b.Fill(clSilver);
  const std::string stored = platform::EncodePNG(b, 0), packed = platform::EncodePNG(b, 9);
  EXPECT_GT(stored.size(), 200u * 100 * 3);  // level 0 stores the rows as they are
  EXPECT_LT(packed.size(), stored.size() / 20);
  EXPECT_EQ(DecodePng(stored).At(5, 5), clSilver);
}

TEST_F(ImageFilesTest, JpegDecodesBackBaselineOrProgressive) {
  const TBitmap b = Picture();
  const Decoded base = DecodeJpeg(platform::EncodeJPEG(b, 100, false));
  platform::SaveJPEG(b, (dir / "p.jpg").string(), 100, true);
  const Decoded prog = DecodeJpeg(platform::ReadWholeFile((dir / "p.jpg").string()));
  EXPECT_FALSE(base.progressive);
  EXPECT_TRUE(prog.progressive);
  for (const Decoded* d : {&base, &prog}) {
    ASSERT_EQ(d->width, 64);
    ASSERT_EQ(d->height, 40);
    EXPECT_TRUE(Near(d->At(10, 10), clRed, 6));
    EXPECT_TRUE(Near(d->At(50, 5), clBlue, 6));
    EXPECT_TRUE(Near(d->At(50, 35), RGB(10, 200, 30), 6));
  }
  EXPECT_LT(platform::EncodeJPEG(b, 5, false).size(), platform::EncodeJPEG(b, 100, false).size());
}

TEST_F(ImageFilesTest, OutOfRangeSettingsAreRefusedBeforeAnyFileIsMade) {
  const TBitmap b = Picture();
  const std::string target = (dir / "x.png").string();
  for (int level : {-1, 10}) {
    try {
      platform::SavePNG(b, target, level);
      FAIL() << level;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, "Compression must be in the range of 0-9");
    }
  }
  for (int quality : {0, 101}) {
    try {
      platform::SaveJPEG(b, target, quality, true);
      FAIL() << quality;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, "Compression must be in the range of 1-100");
    }
  }
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(ImageFilesTest, AFailedSaveLeavesTheOldFileAlone) {
  const std::string target = (dir / "keep.bmp").string();
  Picture().SaveToFile(target);
  const std::string before = platform::ReadWholeFile(target);
  EXPECT_THROW(TBitmap().SaveToFile(target + "/inside-a-file.bmp"), EInOutError);
  EXPECT_THROW(platform::SavePNG(TBitmap(), target, 9), Exception);  // nothing to encode
  EXPECT_EQ(platform::ReadWholeFile(target), before);
}

TEST_F(ImageFilesTest, BitmapFilesAreBottomUpTwentyFourBitAndLoadBack) {
  const TBitmap b = Picture();
  const std::string bytes = b.SaveToBytes();
  ASSERT_EQ(bytes.substr(0, 2), "BM");
  auto u32 = [&](size_t at) {
    return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
           uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
  };
  EXPECT_EQ(u32(2), bytes.size());
  EXPECT_EQ(u32(18), 64u);
  EXPECT_EQ(u32(22), 40u);
  EXPECT_EQ(uint8_t(bytes[28]), 24);
  // The first row stored is the bottom one: its left half is red (B, G, R order).
  EXPECT_EQ(uint8_t(bytes[54]), 0);
  EXPECT_EQ(uint8_t(bytes[56]), 255);
  b.SaveToFile((dir / "b.bmp").string());
  TBitmap loaded;
  loaded.LoadFromFile((dir / "b.bmp").string());
  EXPECT_EQ(loaded.Width(), 64);
  EXPECT_EQ(loaded.Pixel(50, 35), RGB(10, 200, 30));
  EXPECT_THROW(loaded.LoadFromFile((dir / "missing.bmp").string()), EInOutError);
}

}  // namespace
