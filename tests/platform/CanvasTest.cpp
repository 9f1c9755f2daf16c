#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "platform/Control.h"

namespace {

const bool kApplication = [] {
  platform::EnsureApplication();
  return true;
}();

class CanvasTest : public ::testing::Test {
 protected:
  TBitmap bmp{12, 10};
  TCanvas& c = bmp.Canvas();
};

using platform::ColorToRGB;

TEST_F(CanvasTest, RectangleCoversLeftToRightMinusOne) {
  c.Pen = {clBlack, 1, psSolid, pmCopy};
  c.Brush = {clRed, bsSolid};
  c.Rectangle(2, 2, 8, 6);
  EXPECT_EQ(bmp.Pixel(2, 2), clBlack);
  EXPECT_EQ(bmp.Pixel(7, 5), clBlack);
  EXPECT_EQ(bmp.Pixel(7, 2), clBlack);
  EXPECT_EQ(bmp.Pixel(8, 3), clWhite);
  EXPECT_EQ(bmp.Pixel(3, 6), clWhite);
  EXPECT_EQ(bmp.Pixel(3, 3), clRed);
  EXPECT_EQ(bmp.Pixel(6, 4), clRed);
}

TEST_F(CanvasTest, FillRectIsHalfOpenAndRectangleWithoutPenFillsOneLess) {
  c.Brush = {clBlue, bsSolid};
  c.FillRect({1, 1, 4, 3});
  EXPECT_EQ(bmp.Pixel(1, 1), clBlue);
  EXPECT_EQ(bmp.Pixel(3, 2), clBlue);
  EXPECT_EQ(bmp.Pixel(4, 2), clWhite);
  EXPECT_EQ(bmp.Pixel(3, 3), clWhite);
  c.Pen.Style = psClear;
  c.Brush.Color = clGreen;
  c.Rectangle(5, 5, 9, 9);
  EXPECT_EQ(bmp.Pixel(5, 5), clGreen);
  EXPECT_EQ(bmp.Pixel(7, 7), clGreen);
  EXPECT_EQ(bmp.Pixel(8, 7), clWhite);
  EXPECT_EQ(bmp.Pixel(7, 8), clWhite);
}

TEST_F(CanvasTest, LinesLeaveOutTheirLastPixel) {
  c.MoveTo(1, 1);
  c.LineTo(8, 1);
  EXPECT_EQ(bmp.Pixel(1, 1), clBlack);
  EXPECT_EQ(bmp.Pixel(7, 1), clBlack);
  EXPECT_EQ(bmp.Pixel(8, 1), clWhite);
  EXPECT_EQ(c.PenPos(), (TPoint{8, 1}));
  c.MoveTo(0, 3);
  c.LineTo(5, 8);  // diagonal
  EXPECT_EQ(bmp.Pixel(4, 7), clBlack);
  EXPECT_EQ(bmp.Pixel(5, 8), clWhite);
  c.MoveTo(6, 3);
  c.LineTo(11, 5);  // a shallow slope
  EXPECT_EQ(bmp.Pixel(6, 3), clBlack);
  EXPECT_EQ(bmp.Pixel(11, 5), clWhite);
}

TEST_F(CanvasTest, PolylineDrawsItsCornersButNotItsEnd) {
  c.Polyline({{1, 1}, {6, 1}, {6, 6}});
  EXPECT_EQ(bmp.Pixel(6, 1), clBlack);
  EXPECT_EQ(bmp.Pixel(6, 5), clBlack);
  EXPECT_EQ(bmp.Pixel(6, 6), clWhite);
}

TEST_F(CanvasTest, PenWidthOneIsOnePixelAndWiderPensAreWider) {
  c.MoveTo(0, 2);
  c.LineTo(12, 2);
  EXPECT_EQ(bmp.Pixel(5, 1), clWhite);
  EXPECT_EQ(bmp.Pixel(5, 3), clWhite);
  c.Pen.Width = 3;
  c.MoveTo(0, 6);
  c.LineTo(12, 6);
  EXPECT_EQ(bmp.Pixel(5, 5), clBlack);
  EXPECT_EQ(bmp.Pixel(5, 7), clBlack);
}

TEST_F(CanvasTest, BevelsUseTheSystemThreeDColours) {
  c.DrawEdge({0, 0, 10, 10}, esRaised);
  EXPECT_EQ(bmp.Pixel(0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(bmp.Pixel(9, 9), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(bmp.Pixel(9, 0), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(bmp.Pixel(1, 1), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(bmp.Pixel(8, 8), ColorToRGB(clBtnShadow));
  EXPECT_EQ(bmp.Pixel(2, 2), clWhite);
  c.DrawEdge({0, 0, 10, 10}, esSunken);
  EXPECT_EQ(bmp.Pixel(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(bmp.Pixel(9, 9), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(bmp.Pixel(1, 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(bmp.Pixel(8, 8), ColorToRGB(cl3DLight));
}

TEST_F(CanvasTest, BevelsIgnoreAHatchedBrush) {
  c.Brush = {clRed, bsCross};
  c.DrawEdge({0, 0, 10, 10}, esSunkenOuter);
  for (int x = 0; x < 9; ++x) EXPECT_EQ(bmp.Pixel(x, 0), ColorToRGB(clBtnShadow)) << x;
}

TEST_F(CanvasTest, FocusRectangleIsDottedAndSecondDrawRemovesIt) {
  bmp.Fill(clWhite);
  c.DrawFocusRect({1, 1, 9, 7});
  EXPECT_EQ(bmp.Pixel(1, 1), clBlack);
  EXPECT_EQ(bmp.Pixel(2, 1), clWhite);
  EXPECT_EQ(bmp.Pixel(3, 1), clBlack);
  EXPECT_EQ(bmp.Pixel(1, 3), clBlack);
  EXPECT_EQ(bmp.Pixel(4, 4), clWhite);  // inside stays
  EXPECT_EQ(bmp.Pixel(9, 1), clWhite);  // right edge is Right - 1
  c.DrawFocusRect({1, 1, 9, 7});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(bmp.Pixel(x, y), clWhite) << x << "," << y;
}

TEST_F(CanvasTest, InversionAndXorPensUndoThemselves) {
  c.Brush = {RGB(10, 200, 30), bsSolid};
  c.FillRect({0, 0, 12, 10});
  c.InvertRect({2, 2, 6, 6});
  EXPECT_EQ(bmp.Pixel(3, 3), RGB(245, 55, 225));
  EXPECT_EQ(bmp.Pixel(6, 6), RGB(10, 200, 30));
  c.InvertRect({2, 2, 6, 6});
  EXPECT_EQ(bmp.Pixel(3, 3), RGB(10, 200, 30));

  c.Pen = {RGB(255, 0, 0), 1, psSolid, pmXor};
  c.MoveTo(0, 8);
  c.LineTo(12, 8);
  EXPECT_EQ(bmp.Pixel(4, 8), RGB(245, 200, 30));
  c.MoveTo(0, 8);
  c.LineTo(12, 8);
  EXPECT_EQ(bmp.Pixel(4, 8), RGB(10, 200, 30));
  c.Pen.Mode = pmNot;
  c.MoveTo(0, 9);
  c.LineTo(12, 9);
  EXPECT_EQ(bmp.Pixel(4, 9), RGB(245, 55, 225));
}

TEST_F(CanvasTest, ClipRectangleLimitsEveryOperationUntilRemoved) {
  c.SetClipRect({2, 2, 5, 5});
  c.Brush = {clBlack, bsSolid};
  c.FillRect({0, 0, 12, 10});
  c.SetPixel(8, 8, clRed);
  EXPECT_EQ(bmp.Pixel(2, 2), clBlack);
  EXPECT_EQ(bmp.Pixel(4, 4), clBlack);
  EXPECT_EQ(bmp.Pixel(5, 4), clWhite);
  EXPECT_EQ(bmp.Pixel(8, 8), clWhite);
  c.IntersectClipRect({3, 3, 10, 10});
  EXPECT_EQ(c.ClipRect(), (TRect{3, 3, 5, 5}));
  c.RemoveClip();
  c.SetPixel(8, 8, clRed);
  EXPECT_EQ(bmp.Pixel(8, 8), clRed);
}

TEST_F(CanvasTest, SystemColoursResolveWhenDrawing) {
  c.Brush = {clBtnFace, bsSolid};
  c.FillRect({0, 0, 2, 2});
  EXPECT_EQ(bmp.Pixel(0, 0), RGB(240, 240, 240));
  EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
  EXPECT_EQ(ColorToRGB(0x02000000 | clRed), clRed);  // palette-relative
}

TEST_F(CanvasTest, GradientsRunFromStartToStop) {
  TBitmap g(100, 40);
  g.Canvas().GradientFill({0, 0, 100, 40}, clBlack, clWhite, gkLinear, {0, 0}, {100, 0});
  EXPECT_LT(GetRValue(g.Pixel(0, 20)), 8);
  EXPECT_GT(GetRValue(g.Pixel(99, 20)), 247);
  EXPECT_NEAR(GetRValue(g.Pixel(50, 20)), 128, 8);
  EXPECT_EQ(g.Pixel(50, 0), g.Pixel(50, 39));
  g.Canvas().GradientFill({0, 0, 100, 40}, clRed, clBlue, gkRectangular);
  EXPECT_GT(GetRValue(g.Pixel(50, 20)), 240);  // centre in the start colour
  EXPECT_GT(GetBValue(g.Pixel(0, 20)), 240);   // sides in the stop colour
  EXPECT_GT(GetBValue(g.Pixel(50, 0)), 240);
  g.Canvas().GradientFill({0, 0, 100, 40}, clWhite, clBlack, gkRadial, {50, 20}, {}, 20);
  EXPECT_GT(GetRValue(g.Pixel(50, 20)), 240);
  EXPECT_LT(GetRValue(g.Pixel(0, 0)), 8);
}

TEST_F(CanvasTest, BitmapsDrawPlainStretchedAndWithATransparentColour) {
  TBitmap glyph(2, 2);
  glyph.Fill(clTeal);
  glyph.ScanLine(0)[0] = 0xFF0000;  // red in the top-left corner
  c.Brush = {clYellow, bsSolid};
  c.FillRect({0, 0, 12, 10});
  c.DrawTransparent(1, 1, glyph, clTeal);
  EXPECT_EQ(bmp.Pixel(1, 1), clRed);
  EXPECT_EQ(bmp.Pixel(2, 2), clYellow);
  c.StretchDraw({4, 4, 8, 8}, glyph);
  EXPECT_EQ(bmp.Pixel(5, 5), clRed);
  EXPECT_EQ(bmp.Pixel(6, 6), clTeal);
  EXPECT_EQ(bmp.Pixel(8, 8), clYellow);
}

TEST_F(CanvasTest, ResizingKeepsPixelsAndCopiesAreIndependent) {
  bmp.Fill(clRed);
  TBitmap copy = bmp;
  bmp.Canvas().SetPixel(0, 0, clBlue);
  EXPECT_EQ(copy.Pixel(0, 0), clRed);
  bmp.SetSize(20, 4);
  EXPECT_EQ(bmp.Pixel(0, 0), clBlue);
  EXPECT_EQ(bmp.Pixel(11, 3), clRed);
  EXPECT_EQ(bmp.Pixel(15, 3), clWhite);
  EXPECT_EQ(bmp.Pixel(0, 4), clNone);
}

}  // namespace
