#include <gtest/gtest.h>

#include <set>

#include "platform/Exception.h"
#include "platform/Resources.h"

namespace {
const char* const kNames[] = {"AUTO", "PAUSE",      "SCROLL", "ZOOM", "ZOOMOUT", "ZOOMIN",  "SELECT",
                              "SCROLLBOX", "CURSOR", "PROPERTIES", "COPY", "SAVE", "PRINTER", "PREVIEW"};
const std::set<TColor> kBasicColours = {clBlack, clMaroon, clGreen,  clOlive, clNavy, clPurple, clTeal, clGray,
                                        clSilver, clRed,   clLime,   clYellow, clBlue, clFuchsia, clAqua, clWhite};
}  // namespace

TEST(ToolbarGlyphs, EveryGlyphInBothSizesUsesTheBasicColoursOnATransparentGround) {
  std::set<std::string> pictures;
  for (const char* name : kNames) {
    for (const std::string& full : {std::string(name), "SMALL" + std::string(name)}) {
      const TBitmap glyph = platform::ToolbarGlyph(full);
      const int size = full.rfind("SMALL", 0) == 0 ? 16 : 24;
      ASSERT_EQ(glyph.Width(), size) << full;
      ASSERT_EQ(glyph.Height(), size) << full;
      EXPECT_EQ(glyph.Pixel(0, 0), platform::kGlyphTransparentColor) << full;
      int drawn = 0;
      std::string picture;
      for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
          const TColor c = glyph.Pixel(x, y);
          EXPECT_TRUE(kBasicColours.count(c)) << full << " has a colour outside the 16 at " << x << "," << y;
          drawn += c != platform::kGlyphTransparentColor;
          picture += std::to_string(c) + ",";
        }
      EXPECT_GT(drawn, size * size / 20) << full << " shows something";
      EXPECT_TRUE(pictures.insert(picture).second) << full << " differs from every other glyph";
    }
  }
}

TEST(ToolbarGlyphs, NamesIgnoreCaseAndUnknownOnesAreRefused) {
  EXPECT_EQ(platform::ToolbarGlyph("smallpause").Width(), 16);
  EXPECT_THROW(platform::ToolbarGlyph("SMALL"), Exception);
  try {
    platform::ToolbarGlyph("UNDO");
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Resource UNDO not found");
  }
}
