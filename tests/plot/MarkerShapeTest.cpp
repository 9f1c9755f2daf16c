// The twelve marker shapes drawn on a bitmap: exact pixels for the line
// shapes (two-point polylines leave out their end pixel), bounding boxes,
// apexes and fill for the others.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "platform/Bitmap.h"
#include "plot/iMarkerShape.h"

namespace {

constexpr int C = 20;  // centre of the 41 x 41 bitmap

using TInk = std::set<std::pair<int, int>>;

struct TDrawn {
  TBitmap bitmap{41, 41};
  TInk ink;
  TRect box{1000, 1000, -1000, -1000};  // inclusive bounds of the ink
};

TDrawn Draw(TiPlotMarkerStyle style, int size, char character = 0) {
  TDrawn d;
  TiPlotMarkerLook look;
  look.Style = style;
  look.Size = size;
  look.PenColor = clBlack;
  look.BrushColor = clRed;
  TFont font;
  font.Height = 16;
  font.Color = clBlue;
  d.bitmap.Canvas().Font = font;
  DrawMarkerShape(d.bitmap.Canvas(), look, C, C, character);
  for (int y = 0; y < 41; ++y)
    for (int x = 0; x < 41; ++x) {
      if (d.bitmap.Pixel(x, y) == clWhite) continue;
      d.ink.insert({x, y});
      d.box = {std::min(d.box.Left, x), std::min(d.box.Top, y), std::max(d.box.Right, x), std::max(d.box.Bottom, y)};
    }
  return d;
}

// The pixels of a line from a towards b, b left out (straight or 45 degrees).
TInk LinePixels(std::pair<int, int> a, std::pair<int, int> b) {
  TInk ink;
  const int steps = std::max(std::abs(b.first - a.first), std::abs(b.second - a.second));
  const int dx = (b.first > a.first) - (b.first < a.first), dy = (b.second > a.second) - (b.second < a.second);
  for (int k = 0; k < steps; ++k) ink.insert({a.first + k * dx, a.second + k * dy});
  return ink;
}

TInk Union(TInk a, const TInk& b) {
  a.insert(b.begin(), b.end());
  return a;
}

const int Sizes[] = {1, 3, 8};

}  // namespace

TEST(MarkerShape, LineShapesSetExactlyTheirPolylinePixels) {
  for (int s : Sizes) {
    EXPECT_EQ(Draw(ipmsVerticalLine, s).ink, LinePixels({C, C - s}, {C, C + s})) << s;
    EXPECT_EQ(Draw(ipmsHorizontalLine, s).ink, LinePixels({C - s, C}, {C + s, C})) << s;
    EXPECT_EQ(Draw(ipmsPlus, s).ink, Union(LinePixels({C, C + s}, {C, C - s}), LinePixels({C + s, C}, {C - s, C})))
        << s;
    EXPECT_EQ(Draw(ipmsCross, s).ink,
              Union(LinePixels({C + s, C + s}, {C - s, C - s}), LinePixels({C + s, C - s}, {C - s, C + s})))
        << s;
  }
}

TEST(MarkerShape, SquareAndCircleFillTheBoxWithoutItsRightAndBottomEdge) {
  for (int s : Sizes) {
    const TDrawn square = Draw(ipmsSquare, s);
    EXPECT_EQ(square.box, (TRect{C - s, C - s, C + s - 1, C + s - 1})) << s;
    EXPECT_EQ(square.ink.size(), static_cast<size_t>(4 * s * s)) << s;
    EXPECT_EQ(square.bitmap.Pixel(C - s, C), clBlack) << s;  // the outline
    if (s > 1) {
      EXPECT_EQ(square.bitmap.Pixel(C, C), clRed) << s;
    }
    const TDrawn circle = Draw(ipmsCircle, s);
    EXPECT_GE(circle.box.Left, C - s);
    EXPECT_GE(circle.box.Top, C - s);
    EXPECT_LE(circle.box.Right, C + s - 1);
    EXPECT_LE(circle.box.Bottom, C + s - 1);
    if (s > 1) {
      EXPECT_EQ(circle.bitmap.Pixel(C, C), clRed) << s;
      EXPECT_EQ(circle.bitmap.Pixel(C - s, C - s), clWhite) << s;  // a corner stays out
      EXPECT_EQ(circle.box.Right - circle.box.Left, 2 * s - 1) << s;
    }
  }
}

TEST(MarkerShape, DiamondReachesItsFourVertices) {
  for (int s : Sizes) {
    const TDrawn d = Draw(ipmsDiamond, s);
    EXPECT_EQ(d.box, (TRect{C - s, C - s, C + s, C + s})) << s;
    EXPECT_EQ(d.bitmap.Pixel(C - s, C - s), clWhite) << s;
    if (s > 2) {
      EXPECT_EQ(d.bitmap.Pixel(C, C), clRed) << s;
    }
  }
}

TEST(MarkerShape, TrianglesHaveTheirApexOnThePoint) {
  struct TCase {
    TiPlotMarkerStyle style;
    int left, top, right, bottom;  // the box as multiples of s around the centre
    int insideX, insideY;          // a pixel inside, as a direction from the apex
  };
  const TCase cases[] = {{ipmsTriangleUp, -1, 0, 1, 1, 0, 1},
                         {ipmsTriangleDown, -1, -1, 1, 0, 0, -1},
                         {ipmsTriangleLeft, 0, -1, 1, 1, 1, 0},
                         {ipmsTriangleRight, -1, -1, 0, 1, -1, 0}};
  for (const TCase& t : cases) {
    for (int s : Sizes) {
      const TDrawn d = Draw(t.style, s);
      // The outline may leave out the far corner on the right and bottom
      // edges, as a filled polygon does.
      const TRect want{C + t.left * s, C + t.top * s, C + t.right * s, C + t.bottom * s};
      EXPECT_EQ(d.box.Left, want.Left) << int(t.style) << " " << s;
      EXPECT_EQ(d.box.Top, want.Top) << int(t.style) << " " << s;
      EXPECT_GE(d.box.Right, want.Right - 1) << int(t.style) << " " << s;
      EXPECT_LE(d.box.Right, want.Right) << int(t.style) << " " << s;
      EXPECT_GE(d.box.Bottom, want.Bottom - 1) << int(t.style) << " " << s;
      EXPECT_LE(d.box.Bottom, want.Bottom) << int(t.style) << " " << s;
      EXPECT_EQ(d.bitmap.Pixel(C, C), clBlack) << int(t.style) << " " << s;  // the apex
      if (s == 8) {
        EXPECT_EQ(d.bitmap.Pixel(C + 5 * t.insideX, C + 5 * t.insideY), clRed) << int(t.style);
      }
    }
  }
}

TEST(MarkerShape, CharacterIsCentredOnThePointAndCharacterZeroDrawsNothing) {
  EXPECT_TRUE(Draw(ipmsCharacter, 3, 0).ink.empty());
  const TDrawn d = Draw(ipmsCharacter, 3, 'H');
  ASSERT_FALSE(d.ink.empty());
  EXPECT_LE(std::abs((d.box.Left + d.box.Right) / 2 - C), 2);
  EXPECT_LE(std::abs((d.box.Top + d.box.Bottom) / 2 - C), 3);
  for (auto [x, y] : d.ink) EXPECT_NE(d.bitmap.Pixel(x, y), clRed);  // a clear brush: no box behind it
}
