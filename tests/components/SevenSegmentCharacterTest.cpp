#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>

#include "SevenSegmentPicture.h"
#include "components/iSevenSegmentCharacter.h"
#include "components/iSevenSegmentGlyphs.h"
#include "platform/Bitmap.h"
#include "platform/ImageFiles.h"

using namespace segment_picture;

namespace {
TBitmap Draw(TiSevenSegmentCharacter& c) {
  TBitmap b(c.Width(), c.Height());
  c.PaintTo(b.Canvas());
  return b;
}

// The default character: 15 x 23, margin 2, segment size 1.
int Segments(TiSevenSegmentCharacter& c, const TColors& colors, int* unlit = nullptr) {
  TBitmap b = Draw(c);
  return LitSegments(b, 0, 0, c.Width(), c.Height(), c.SegmentMargin(), c.SegmentSize(), colors, unlit);
}

bool OnlyBackground(const TBitmap& b, TColor back) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != back) return false;
  return true;
}
}  // namespace

TEST(SevenSegmentMapping, EveryGlyphReadsBackAsTheCharacterThatNamesIt) {
  for (int i = 0; i < kSevenSegmentGlyphCount; ++i) {
    const char c = SevenSegmentToChar(i);
    EXPECT_EQ(SevenSegmentFromChar(c), i) << "glyph " << i << " reads as '" << c << "'";
  }
  EXPECT_EQ(SevenSegmentFromChar('E'), sscE);
  EXPECT_EQ(SevenSegmentFromChar('e'), sscE);
  EXPECT_EQ(SevenSegmentToChar(sscE), 'e');
  EXPECT_EQ(SevenSegmentToChar(26), '?');
  EXPECT_EQ(SevenSegmentToChar(-1), '?');
}

TEST(SevenSegmentMapping, CharactersOutsideTheSetAreBlank) {
  TiSevenSegmentCharacter c;
  for (char ch : {'g', 'G', 'z', '*', ' ', '\0', '\xFF'}) {
    c.SetCharacter('8');
    c.SetCharacter(ch);
    EXPECT_EQ(c.Value(), sscBlank) << int(ch);
    EXPECT_EQ(c.Character(), ' ');
  }
}

TEST(SevenSegmentGeometry, SegmentsOfADisplayCellHaveTheirCorners) {
  const TSegmentCell cell{10, 5, 17, 33, 0, 1, 1};  // a cell of the main window's display
  EXPECT_EQ(SegmentPolygon(0, cell), (std::vector<TPoint>{{11, 5}, {25, 5}, {23, 7}, {13, 7}}));
  EXPECT_EQ(SegmentPolygon(1, cell), (std::vector<TPoint>{{26, 6}, {26, 20}, {24, 18}, {24, 8}}));
  EXPECT_EQ(SegmentPolygon(2, cell), (std::vector<TPoint>{{26, 22}, {26, 36}, {24, 34}, {24, 24}}));
  EXPECT_EQ(SegmentPolygon(3, cell), (std::vector<TPoint>{{11, 37}, {25, 37}, {23, 35}, {13, 35}}));
  EXPECT_EQ(SegmentPolygon(4, cell), (std::vector<TPoint>{{10, 22}, {10, 36}, {12, 34}, {12, 24}}));
  EXPECT_EQ(SegmentPolygon(5, cell), (std::vector<TPoint>{{10, 6}, {10, 20}, {12, 18}, {12, 8}}));
  EXPECT_EQ(SegmentPolygon(6, cell),
            (std::vector<TPoint>{{11, 21}, {12, 20}, {24, 20}, {25, 21}, {24, 22}, {12, 22}}));
}

TEST(SevenSegmentGeometry, OwnShapesOfTheMainWindowCell) {
  const TSegmentCell cell{0, 0, 17, 33, 0, 1, 1};
  auto plus = GlyphShapes(sscPlus, cell, true);
  ASSERT_EQ(plus.size(), 3u);
  EXPECT_EQ(plus[0].Points, (std::vector<TPoint>{{4, 8}, {13, 8}, {13, 9}, {4, 9}}));
  EXPECT_EQ(plus[1].Points, (std::vector<TPoint>{{8, 4}, {9, 4}, {9, 13}, {8, 13}}));
  EXPECT_TRUE(plus[0].Lit && plus[1].Lit);
  EXPECT_EQ(plus[2].Points, (std::vector<TPoint>{{4, 24}, {13, 24}, {13, 25}, {4, 25}}));
  EXPECT_FALSE(plus[2].Lit) << "the minus bar of a plus is unlit";
  EXPECT_EQ(GlyphShapes(sscMinus, cell, false).size(), 1u) << "no unlit plus without ShowOffSegments";

  EXPECT_EQ(GlyphShapes(sscUpArrow, cell, true)[0].Points, (std::vector<TPoint>{{0, 16}, {16, 16}, {8, 8}}));
  EXPECT_EQ(GlyphShapes(sscDownArrow, cell, true)[0].Points, (std::vector<TPoint>{{0, 16}, {16, 16}, {8, 24}}));
  EXPECT_EQ(GlyphShapes(sscLine, cell, true)[0].Points, (std::vector<TPoint>{{0, 16}, {16, 16}, {16, 16}, {0, 16}}));

  const TSegmentCell narrow{0, 0, 3, 33, 0, 1, 1};  // the point's cell
  EXPECT_EQ(GlyphShapes(sscPeriod, narrow, true)[0].Points, (std::vector<TPoint>{{0, 31}, {2, 31}, {2, 33}, {0, 33}}));
  auto comma = GlyphShapes(sscComma, narrow, true);
  ASSERT_EQ(comma.size(), 2u);
  EXPECT_EQ(comma[0].Points, (std::vector<TPoint>{{0, 20}, {2, 20}, {2, 24}, {0, 24}}));
  EXPECT_EQ(comma[1].Points, (std::vector<TPoint>{{1, 24}, {2, 24}, {2, 29}, {1, 29}}));
  EXPECT_EQ(GlyphShapes(sscColon, narrow, true)[0].Points, (std::vector<TPoint>{{0, 9}, {2, 9}, {2, 13}, {0, 13}}));
  EXPECT_EQ(GlyphShapes(sscSemiColon, narrow, true).size(), 3u);
}

TEST(SevenSegmentGeometry, ArrowApexStaysInsideTheMargin) {
  // A wide, low cell: the arrow's half width exceeds the half height.
  const TSegmentCell wide{0, 0, 41, 21, 3, 1, 1};
  EXPECT_EQ(GlyphShapes(sscUpArrow, wide, true)[0].Points[2], (TPoint{20, 3}));
  EXPECT_EQ(GlyphShapes(sscDownArrow, wide, true)[0].Points[2], (TPoint{20, 17}));
}

TEST(SevenSegmentCharacter, NaturalSizeFollowsGlyphMarginAndSegmentSize) {
  TiSevenSegmentCharacter c;
  int resized = 0;
  c.OnAutoSize = [&](TiSevenSegmentCharacter*) { ++resized; };
  EXPECT_EQ(c.Width(), 15);
  EXPECT_EQ(c.Height(), 23);
  c.SetValue(sscPeriod);
  EXPECT_EQ(c.Width(), 7);
  EXPECT_EQ(c.Height(), 23);
  c.SetSegmentSize(2);
  EXPECT_EQ(c.Width(), 9);
  EXPECT_EQ(c.Height(), 41);
  EXPECT_EQ(resized, 2);
  c.SetAutoSize(false);
  c.SetBounds(0, 0, 50, 60);
  c.SetValue(ssc8);
  EXPECT_EQ(c.Width(), 50) << "no auto-size when it is off";
  c.SetLoading(true);
  c.SetAutoSize(true);
  EXPECT_EQ(c.Width(), 50) << "no auto-size while loading";
  c.SetLoading(false);
  c.SetSegmentMargin(0);
  EXPECT_EQ(c.Width(), 21);
}

TEST(SevenSegmentCharacter, SettersClampTheirValues) {
  TiSevenSegmentCharacter c;
  c.SetSegmentSize(0);
  EXPECT_EQ(c.SegmentSize(), 1);
  c.SetSegmentSize(-5);
  EXPECT_EQ(c.SegmentSize(), 1);
  c.SetSegmentMargin(-3);
  EXPECT_EQ(c.SegmentMargin(), 0);
  c.SetSegmentSeperation(-1);
  EXPECT_EQ(c.SegmentSeperation(), 0);
  // Absurd sizes from a file: the control stays within what a window can be.
  c.SetSegmentSeperation(std::numeric_limits<int>::max());
  c.SetSegmentSize(std::numeric_limits<int>::max());
  EXPECT_LE(c.Width(), 32768);
  TBitmap b(40, 40);
  c.DrawSegmentCharacter(b.Canvas(), {0, 0}, ssc8, 40, 40);
}

TEST(SevenSegmentCharacter, ValueAsksAndTellsTheBindingHooks) {
  TiSevenSegmentCharacter c;
  std::vector<std::string> told;
  bool allow = false;
  c.OnBeforeChange = [&](TiComponent*, const std::string& name, bool& a) {
    told.push_back("before " + name);
    a = allow;
  };
  c.OnAfterChange = [&](TiComponent*, const std::string& name) { told.push_back("after " + name); };
  c.SetValue(ssc7);
  EXPECT_EQ(c.Value(), ssc0) << "refused";
  allow = true;
  c.SetCharacter('7');
  c.SetCharacter('7');
  EXPECT_EQ(c.Value(), ssc7);
  EXPECT_EQ(told, (std::vector<std::string>{"before Value", "before Value", "after Value"}));
}

TEST(SevenSegmentCharacter, SegmentBitsAreTheSevenFlags) {
  TiSevenSegmentCharacter c;
  c.SetValue(ssc1);
  c.SetSegmentBits(0x49);
  EXPECT_TRUE(c.SegAOn() && c.SegDOn() && c.SegGOn());
  EXPECT_FALSE(c.SegBOn() || c.SegCOn() || c.SegEOn() || c.SegFOn());
  const TColors colors;
  EXPECT_EQ(Segments(c, colors), 0x06) << "without UseSegmentBits the value is shown";
  c.SetUseSegmentBits(true);
  int unlit = 0;
  EXPECT_EQ(Segments(c, colors, &unlit), 0x49);
  EXPECT_EQ(unlit, 0x36);
  c.SetSegBOn(true);
  c.SetSegAOn(false);
  EXPECT_EQ(c.SegmentBits(), 0x4A);
}

TEST(SevenSegmentCharacter, EveryPatternGlyphLightsItsSegments) {
  TiSevenSegmentCharacter c;
  const TColors colors;
  const int expected[16] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                            0x7F, 0x67, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};
  for (int g = ssc0; g <= sscF; ++g) {
    c.SetValue(static_cast<TSevenSegmentCharacter>(g));
    int unlit = 0;
    EXPECT_EQ(Segments(c, colors, &unlit), expected[g]) << "glyph " << g;
    EXPECT_EQ(unlit, 0x7F & ~expected[g]) << "glyph " << g;
  }
}

TEST(SevenSegmentCharacter, ColoursOfLitAndUnlitSegments) {
  TiSevenSegmentCharacter c;
  c.SetValue(ssc1);
  EXPECT_EQ(c.UnlitColor() & 0x00FFFFFF, RGB(0, 85, 0)) << "a third of pure green";
  EXPECT_EQ(c.UnlitColor() & 0x02000000, 0x02000000) << "marked palette-relative";
  EXPECT_EQ(Segments(c, TColors{clLime, RGB(0, 85, 0), clBlack}), 0x06);

  c.SetSegmentColor(RGB(200, 100, 31));
  EXPECT_EQ(c.UnlitColor() & 0x00FFFFFF, RGB(66, 33, 10));
  c.SetAutoSegmentOffColor(false);
  EXPECT_EQ(c.UnlitColor(), clGreen);
  int unlit = 0;
  EXPECT_EQ(Segments(c, TColors{RGB(200, 100, 31), clGreen, clBlack}, &unlit), 0x06);
  EXPECT_EQ(unlit, 0x79);

  c.SetPowerOff(true);
  EXPECT_EQ(Segments(c, TColors{RGB(200, 100, 31), clGreen, clBlack}, &unlit), 0) << "power off: nothing lit";
  EXPECT_EQ(unlit, 0x7F);

  c.SetSegmentColor(clBtnFace);  // a system colour is divided as the colour it shows
  c.SetAutoSegmentOffColor(true);
  const TColor face = platform::ColorToRGB(clBtnFace);
  EXPECT_EQ(c.UnlitColor() & 0x00FFFFFF, RGB(GetRValue(face) / 3, GetGValue(face) / 3, GetBValue(face) / 3));
}

TEST(SevenSegmentCharacter, HiddenOffSegmentsLeaveTheBackground) {
  TiSevenSegmentCharacter c;
  c.SetBackGroundColor(clNavy);
  c.SetShowOffSegments(false);
  c.SetValue(sscBlank);
  EXPECT_TRUE(OnlyBackground(Draw(c), clNavy));
  c.SetValue(sscMinus);
  TBitmap minus = Draw(c);
  EXPECT_EQ(Classify(minus, 7, 6, {clLime, RGB(0, 85, 0), clNavy}), stBack) << "no unlit plus";
  c.SetShowOffSegments(true);
  EXPECT_EQ(Classify(Draw(c), 7, 6, {clLime, RGB(0, 85, 0), clNavy}), stUnlit);
}

TEST(SevenSegmentCharacter, PunctuationIsDrawnWhereItBelongs) {
  TiSevenSegmentCharacter c;
  const TColors colors;
  c.SetValue(sscPeriod);  // 7 x 23: c = 3, rows 21..22 inside the control
  TBitmap period = Draw(c);
  EXPECT_EQ(Classify(period, 3, 22, colors), stLit);
  EXPECT_EQ(Classify(period, 3, 12, colors), stBack);
  c.SetValue(sscColon);
  TBitmap colon = Draw(c);
  EXPECT_EQ(Classify(colon, 3, 7, colors), stLit);   // R(5*23/18) = 6 .. R(7*23/18) = 9
  EXPECT_EQ(Classify(colon, 3, 15, colors), stLit);  // 14 .. 17
  EXPECT_EQ(Classify(colon, 3, 11, colors), stBack);
  c.SetValue(sscComma);
  TBitmap comma = Draw(c);
  EXPECT_EQ(Classify(comma, 3, 7, colors), stBack) << "no upper dot";
  EXPECT_EQ(Classify(comma, 4, 19, colors), stLit) << "the tail";
  EXPECT_EQ(Classify(comma, 2, 19, colors), stBack) << "the tail hangs right of the centre";
}

TEST(SevenSegmentCharacter, PropertyFileRoundTrip) {
  const std::string file = (std::filesystem::path(::testing::TempDir()) / ("segment-character-" + std::to_string(getpid()) + ".txt")).string();
  TiSevenSegmentCharacter a;
  a.SetCharacter('c');
  a.SetSegmentColor(clYellow);
  a.SetSegmentMargin(4);
  a.SetShowOffSegments(false);
  a.SetSegmentBits(0x49);
  a.SavePropertiesToFile(file);
  TiSevenSegmentCharacter b;
  b.LoadPropertiesFromFile(file);
  EXPECT_EQ(b.Value(), sscC);
  EXPECT_EQ(b.SegmentColor(), clYellow);
  EXPECT_EQ(b.SegmentMargin(), 4);
  EXPECT_FALSE(b.ShowOffSegments());
  EXPECT_EQ(b.SegmentBits(), 0x49);
  EXPECT_EQ(b.Width(), 19) << "loading a file resizes like any change";
  std::filesystem::remove(file);
}

// All 26 glyphs side by side, written as PNG and decoded back: the picture
// a person looks at is the one the tests read.
TEST(SevenSegmentCharacter, GlyphSheetSurvivesPng) {
  TiSevenSegmentCharacter c;
  c.SetAutoSize(false);
  c.SetSegmentSize(2);
  const int w = 30, h = 46;
  c.SetBounds(0, 0, w, h);
  TBitmap sheet(w * kSevenSegmentGlyphCount, h);
  sheet.Fill(clBlack);
  for (int g = 0; g < kSevenSegmentGlyphCount; ++g)
    c.DrawSegmentCharacter(sheet.Canvas(), {g * w, 0}, static_cast<TSevenSegmentCharacter>(g), h, w);
  const char* dir = std::getenv("SEGMENT_PICTURES");
  const std::string file =
      (std::filesystem::path(dir ? dir : ::testing::TempDir()) / "seven-segment-glyphs.png").string();
  platform::SavePNG(sheet, file, 9);
  TBitmap back;
  back.LoadFromFile(file);
  ASSERT_EQ(back.Width(), sheet.Width());
  const TColors colors;
  int unlit = 0;
  EXPECT_EQ(LitSegments(back, 8 * w, 0, w, h, 2, 2, colors, &unlit), 0x7F);
  EXPECT_EQ(LitSegments(back, sscB * w, 0, w, h, 2, 2, colors, &unlit), 0x7C);
  EXPECT_EQ(LitSegments(back, sscBlank * w, 0, w, h, 2, 2, colors, &unlit), 0);
  EXPECT_EQ(unlit, 0x7F);
  for (int x = 0; x < sheet.Width(); x += 3)
    for (int y = 0; y < h; y += 3) ASSERT_EQ(back.Pixel(x, y), sheet.Pixel(x, y)) << x << "," << y;
  if (!dir) std::filesystem::remove(file);
}
