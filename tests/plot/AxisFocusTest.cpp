// The focus rectangle of an axis stays inside the axis's own lane: an x axis
// whose hit area reaches past its ends (to take in its end labels) must not
// draw its focus through the labels of the y axis beside it.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/plot/AxisTestSupport.h"

namespace {

using TPixels = std::set<std::pair<int, int>>;

// The pixels the focus adds to the axis as drawn without it.
TPixels FocusPixels(TiPlotAxis* axis) {
  TBitmap plain(500, 300), focused(500, 300);
  plain.Fill(clBlack);
  focused.Fill(clBlack);
  axis->GenerateTicks(&plain.Canvas());
  axis->SetFocused(false);
  axis->Draw(&plain.Canvas(), clBlack);
  axis->SetFocused(true);
  axis->Draw(&focused.Canvas(), clBlack);
  TPixels added;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 500; ++x)
      if (plain.Pixel(x, y) != focused.Pixel(x, y)) added.insert({x, y});
  return added;
}

TEST(AxisFocus, TheRectangleStaysInsideTheAxisLane) {
  TAxisPlot plot;
  TBitmap measure(10, 10);
  TiPlotXAxis* x = plot.AddX();
  TiPlotYAxis* y = plot.AddY();
  PlaceHorizontal(x, &measure.Canvas());  // {50, 220, 450, 260}
  PlaceVertical(y, &measure.Canvas());    // {0, 20, 50, 220}
  ASSERT_LT(x->HitRect().Left, 50) << "the hit area takes in half the end labels";
  ASSERT_GT(y->HitRect().Bottom, 220);

  for (auto [axis, lane] : {std::pair<TiPlotAxis*, TRect>{x, {50, 220, 451, 260}}, {y, {0, 20, 50, 221}}}) {
    const TPixels added = FocusPixels(axis);
    ASSERT_FALSE(added.empty());
    int left = 1000, right = -1, top = 1000, bottom = -1;
    for (auto [px, py] : added) {
      left = std::min(left, px), right = std::max(right, px);
      top = std::min(top, py), bottom = std::max(bottom, py);
    }
    EXPECT_GE(left, lane.Left);
    EXPECT_LT(right, lane.Right);
    EXPECT_GE(top, lane.Top);
    EXPECT_LT(bottom, lane.Bottom);
    // Along the axis it runs from end to end of the scale.
    if (axis == x) EXPECT_EQ(right - left, 400);
    else EXPECT_EQ(bottom - top, 200);
  }
}

}  // namespace
