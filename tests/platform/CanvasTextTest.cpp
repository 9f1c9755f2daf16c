#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "platform/Control.h"

namespace {

const bool kApplication = [] {
  platform::EnsureApplication();
  return true;
}();

// The box around the pixels that are not white.
TRect Ink(const TBitmap& b) {
  TRect r{b.Width(), b.Height(), -1, -1};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != clWhite) {
        r.Left = std::min(r.Left, x), r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1), r.Bottom = std::max(r.Bottom, y + 1);
      }
  return r;
}

class DrawTextTest : public ::testing::Test {
 protected:
  DrawTextTest() {
    c.Font.Color = clBlack;
    c.Font.Height = 14;
  }
  TRect Draw(const std::string& text, TRect box, TDrawTextFlags flags) {
    bmp.Fill(clWhite);
    c.DrawText(text, box, flags);
    return Ink(bmp);
  }
  TBitmap bmp{200, 60};
  TCanvas& c = bmp.Canvas();
};

TEST_F(DrawTextTest, TextMeasuresAndSitsByItsTopLeftCorner) {
  const TSize size = c.TextExtent("Hello");
  EXPECT_GT(size.cx, 20);
  EXPECT_GE(size.cy, 14);
  EXPECT_EQ(c.TextWidth(""), 0);
  c.TextOut(10, 5, "Hello");
  const TRect ink = Ink(bmp);
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Left, 12);
  EXPECT_GE(ink.Top, 5);
  EXPECT_LE(ink.Bottom, 5 + size.cy);
}

TEST_F(DrawTextTest, EachAlignmentPlacesTheTextInTheBox) {
  const TRect box{20, 10, 180, 50};
  const int w = c.TextWidth("Mid");
  const TRect left = Draw("Mid", box, dtSingleLine);
  const TRect centre = Draw("Mid", box, dtSingleLine | dtCenter | dtVCenter);
  const TRect right = Draw("Mid", box, dtSingleLine | dtRight | dtBottom);
  EXPECT_NEAR(left.Left, 20, 2);
  EXPECT_NEAR(centre.Left, 20 + (160 - w) / 2, 2);
  EXPECT_NEAR(right.Right, 180, 2);
  EXPECT_NEAR(left.Top, 10, 4);
  EXPECT_NEAR((centre.Top + centre.Bottom) / 2, 30, 3);
  EXPECT_NEAR(right.Bottom, 50, 5);
  EXPECT_LE(right.Bottom, 50);
}

TEST_F(DrawTextTest, WordBreakWrapsAndCalcRectMeasuresWithoutDrawing) {
  const int line = c.TextHeight("Wg");
  TRect box{0, 0, c.TextWidth("alpha beta") + 2, 60};
  bmp.Fill(clWhite);
  const int height = c.DrawText("alpha beta gamma", box, dtWordBreak | dtCalcRect);
  EXPECT_EQ(height, 2 * line);
  EXPECT_EQ(box.Bottom, 2 * line);
  EXPECT_LE(box.Right, c.TextWidth("alpha beta") + 2);
  EXPECT_EQ(Ink(bmp).Right, -1);  // nothing drawn
  const TRect ink = Draw("alpha beta gamma", {0, 0, c.TextWidth("alpha beta") + 2, 60}, dtWordBreak);
  EXPECT_GT(ink.Bottom, line);
  EXPECT_EQ(c.DrawText("a\nb\nc", box, dtCalcRect), 3 * line);
  EXPECT_EQ(c.DrawText("a\nb\nc", box, dtCalcRect | dtSingleLine), line);
}

TEST_F(DrawTextTest, EllipsesShortenToTheBoxAndHandTheTextBack) {
  const int width = c.TextWidth("abcdefgh");
  TRect box{0, 0, width, 20};
  std::string shown;
  c.DrawText("abcdefghijklmnop", box, dtSingleLine | dtEndEllipsis | dtModifyString, &shown);
  ASSERT_GE(shown.size(), 3u);
  EXPECT_EQ(shown.substr(shown.size() - 3), "...");
  EXPECT_LE(c.TextWidth(shown), width);
  EXPECT_EQ(shown.substr(0, 3), "abc");

  const std::string path = "/home/operator/measurements/log.csv";
  box = {0, 0, c.TextWidth("/home/op.../log.csv"), 20};
  c.DrawText(path, box, dtSingleLine | dtPathEllipsis | dtModifyString, &shown);
  EXPECT_EQ(shown.substr(shown.size() - 8), "/log.csv");
  EXPECT_NE(shown.find("..."), std::string::npos);
  EXPECT_LE(c.TextWidth(shown), box.Width());

  c.DrawText("short", box, dtSingleLine | dtEndEllipsis | dtModifyString, &shown);
  EXPECT_EQ(shown, "short");
}

TEST_F(DrawTextTest, PrefixesAreProcessedOnlyWhenAsked) {
  std::string shown;
  TRect box{0, 0, 200, 20};
  c.DrawText("Save && &Exit", box, dtPrefix | dtModifyString | dtEndEllipsis, &shown);
  EXPECT_EQ(shown, "Save & Exit");
  c.DrawText("Save && &Exit", box, dtModifyString | dtEndEllipsis, &shown);
  EXPECT_EQ(shown, "Save && &Exit");
}

TEST_F(DrawTextTest, TextIsClippedToTheBoxUnlessNoClip) {
  const TRect clipped = Draw("WWWWWWWWWW", {10, 10, 30, 40}, dtSingleLine);
  EXPECT_LE(clipped.Right, 30);
  const TRect free = Draw("WWWWWWWWWW", {10, 10, 30, 40}, dtSingleLine | dtNoClip);
  EXPECT_GT(free.Right, 30);
}

TEST_F(DrawTextTest, TabsExpandToEightCharacterStops) {
  TRect box{0, 0, 200, 20};
  std::string shown;
  c.DrawText("ab\tc", box, dtExpandTabs | dtModifyString | dtEndEllipsis, &shown);
  EXPECT_EQ(shown, "ab      c");
}

TEST_F(DrawTextTest, RotatedTextRunsUpwards) {
  c.Font.Orientation = 900;
  c.TextOut(100, 50, "Rotated");
  const TRect ink = Ink(bmp);
  EXPECT_GT(ink.Height(), ink.Width());
  EXPECT_LE(ink.Bottom, 51);
}

}  // namespace
