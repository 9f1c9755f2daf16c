#include <gtest/gtest.h>

#include <set>

#include "platform/Resources.h"
#include "platform/SystemColors.h"
#include "ToolBarTestSupport.h"

namespace {

TColor Rgb(TColor c) { return platform::ColorToRGB(c); }

// Compares the glyph drawn at (left, top) with the resource: its teal pixels
// show the button face, the others are the glyph's own. Returns the number
// of mismatches.
int GlyphMismatches(const TBitmap& shot, const std::string& name, int left, int top, TColor face) {
  const TBitmap glyph = platform::ToolbarGlyph(name);
  int bad = 0;
  for (int y = 0; y < glyph.Height(); ++y)
    for (int x = 0; x < glyph.Width(); ++x) {
      const TColor g = glyph.Pixel(x, y);
      const TColor want = g == platform::kGlyphTransparentColor ? face : g;
      bad += shot.Pixel(left + x, top + y) != want;
    }
  return bad;
}

}  // namespace

TEST(ToolBarPaint, TealPixelsOfAGlyphAreTransparentInBothSizes) {
  TToolBarChart c;
  const TRect r = c.B(iptbbtZoomIn).Rect;  // raised, not latched
  EXPECT_EQ(GlyphMismatches(c.bitmap, "ZOOMIN", r.Left + 3, r.Top + 3, Rgb(clBtnFace)), 0);
  c.bar->SetSmallButtons(true);
  c.bar->SetRect({0, 0, 500, 28});
  c.Paint();
  const TRect s = c.B(iptbbtZoomIn).Rect;
  EXPECT_EQ(s.Width(), 22);
  EXPECT_EQ(GlyphMismatches(c.bitmap, "SMALLZOOMIN", s.Left + 3, s.Top + 3, Rgb(clBtnFace)), 0);
}

TEST(ToolBarPaint, BarIsButtonFaceOnePixelTallerWithARaisedBevelUnlessFlat) {
  TToolBarChart c;
  EXPECT_EQ(c.bitmap.Pixel(0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(c.bitmap.Pixel(499, 35), Rgb(clBtnShadow));
  EXPECT_EQ(c.bitmap.Pixel(250, 36), Rgb(clBtnFace));
  EXPECT_EQ(c.bitmap.Pixel(250, 37), clWhite) << "nothing below that";
  EXPECT_EQ(c.bitmap.Pixel(450, 20), Rgb(clBtnFace));
  c.bar->SetFlatBorder(true);
  c.Paint();
  EXPECT_EQ(c.bitmap.Pixel(0, 0), Rgb(clBtnFace));
  EXPECT_EQ(c.bitmap.Pixel(499, 35), Rgb(clBtnFace));
}

TEST(ToolBarPaint, RaisedButtonsAndALatchedOneWithItsGlyphMovedByAPixel) {
  TToolBarChart c;
  const TRect up = c.B(iptbbtZoomIn).Rect;
  EXPECT_EQ(c.bitmap.Pixel(up.Left, up.Top), Rgb(cl3DLight));
  EXPECT_EQ(c.bitmap.Pixel(up.Right - 1, up.Bottom - 1), Rgb(cl3DDkShadow));
  const TRect down = c.B(iptbbtScrollMode).Rect;  // latched by default
  EXPECT_EQ(c.bitmap.Pixel(down.Left, down.Top), Rgb(clBtnShadow));
  EXPECT_EQ(c.bitmap.Pixel(down.Left + 2, down.Top + 2), 0xEFEFEFu);
  EXPECT_EQ(GlyphMismatches(c.bitmap, "SCROLL", down.Left + 4, down.Top + 4, 0xEFEFEF), 0);
  // Held down with the mouse looks the same.
  c.Press(TToolBarChart::Centre(up));
  c.Paint();
  EXPECT_EQ(GlyphMismatches(c.bitmap, "ZOOMIN", up.Left + 4, up.Top + 4, 0xEFEFEF), 0);
}

TEST(ToolBarPaint, FlatButtonsShowAnEdgeOnlyWhenHotOrLatched) {
  TToolBarChart c;
  c.bar->SetFlatButtons(true);
  c.Paint();
  const TRect r = c.B(iptbbtZoomIn).Rect;
  EXPECT_EQ(c.bitmap.Pixel(r.Left, r.Top), Rgb(clBtnFace));
  c.Hover(TToolBarChart::Centre(r));
  c.Paint();
  EXPECT_EQ(c.bitmap.Pixel(r.Left, r.Top), Rgb(clBtnHighlight));
  EXPECT_EQ(c.bitmap.Pixel(r.Right - 1, r.Bottom - 1), Rgb(clBtnShadow));
  const TRect down = c.B(iptbbtScrollMode).Rect;
  EXPECT_EQ(c.bitmap.Pixel(down.Left, down.Top), Rgb(clBtnShadow));
  EXPECT_EQ(c.bitmap.Pixel(down.Right - 1, down.Bottom - 1), Rgb(clBtnHighlight));
  EXPECT_EQ(c.bitmap.Pixel(down.Left + 1, down.Top + 1), 0xEFEFEFu);
  // Under the pointer a latched flat button keeps the plain face.
  c.Hover(TToolBarChart::Centre(down));
  c.Paint();
  EXPECT_EQ(c.bitmap.Pixel(down.Left + 1, down.Top + 1), Rgb(clBtnFace));
}

TEST(ToolBarPaint, DisabledGlyphIsAnEtchedSilhouette) {
  TToolBarChart c;
  ASSERT_FALSE(c.B(iptbbtResume).Enabled());
  const TRect r = c.B(iptbbtResume).Rect;
  std::set<TColor> seen;
  for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
    for (int x = r.Left + 2; x < r.Right - 2; ++x) seen.insert(c.bitmap.Pixel(x, y));
  EXPECT_TRUE(seen.count(Rgb(clBtnShadow)));
  EXPECT_TRUE(seen.count(Rgb(clBtnHighlight)));
  for (TColor colour : seen)
    EXPECT_TRUE(colour == Rgb(clBtnFace) || colour == Rgb(clBtnShadow) || colour == Rgb(clBtnHighlight))
        << std::hex << colour;
}
