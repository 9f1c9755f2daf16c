// The row placement of the legend on measures given by hand: wrap columns,
// rows per column, scroll buttons and the size asked of the layout.
#include <gtest/gtest.h>

#include "plot/iLegendLayout.h"

namespace {

// Rows 10 high with a gap of 2, items 60 wide, wrap columns 20 apart,
// margins 5, in a legend whose item area is `height` high.
TiLegendMeasures Vertical(int count, int height) {
  TiLegendMeasures m;
  m.Rect = Rect(0, 0, 300, height + 10);
  m.MarginLeft = m.MarginTop = m.MarginRight = m.MarginBottom = 5;
  m.Count = count;
  m.RowHeight = 10;
  m.RowGap = 2;
  m.ItemWidth = 60;
  m.WrapColGap = 20;
  return m;
}

TiLegendMeasures Horizontal(int count, int width) {
  TiLegendMeasures m = Vertical(count, 100);
  m.Rect = Rect(0, 0, width + 10, 110);
  m.Horizontal = true;
  return m;
}

}  // namespace

TEST(LegendLayout, OneColumnHoldsEveryRowWhenTheyFit) {
  for (int count : {1, 2, 10}) {
    const TiLegendPlacement p = PlaceLegendItems(Vertical(count, 200), {}, 0);
    EXPECT_EQ(p.Columns, 1);
    EXPECT_EQ(p.Rows, count);
    EXPECT_FALSE(p.ButtonsVisible);
    ASSERT_EQ(static_cast<int>(p.Items.size()), count);
    EXPECT_EQ(p.Items.back().Top, 5 + (count - 1) * 12);
    EXPECT_EQ(p.RequiredWidth, 60 + 10);
    EXPECT_EQ(p.RequiredHeight, 5 + count * 12 - 2 + 5);
  }
}

TEST(LegendLayout, RowsBeyondTheHeightScrollWithButtons) {
  // 48 high holds (48 + 2) div 12 = 4 rows.
  const TiLegendPlacement p = PlaceLegendItems(Vertical(40, 48), {}, 0);
  EXPECT_EQ(p.Rows, 4);
  EXPECT_EQ(p.Columns, 1);
  EXPECT_EQ(p.LastShown, 3);
  EXPECT_TRUE(p.ButtonsVisible);
  EXPECT_EQ(p.RequiredWidth, 70 + 25);
  EXPECT_EQ(p.UpButton, Bounds(295 - 17, 5, 17, 17));
  EXPECT_EQ(p.DownButton, Bounds(295 - 17, 53 - 17, 17, 17));
  EXPECT_FALSE(p.UpEnabled);
  EXPECT_TRUE(p.DownEnabled);
}

TEST(LegendLayout, TwelveRowsInTwoColumnsOfFour) {
  TiLegendWrapSettings wrap;
  wrap.ColDesiredCount = 2;
  TiLegendPlacement p = PlaceLegendItems(Vertical(12, 48), wrap, 0);
  ASSERT_EQ(p.Items.size(), 8u);
  EXPECT_EQ(p.Items[3].Column, 1);
  EXPECT_EQ(p.Items[4].Column, 2);
  EXPECT_EQ(p.Items[4].Row, 1);
  EXPECT_EQ(p.Items[4].Left, 5 + 60 + 20);
  EXPECT_EQ(p.ColumnLefts, (std::vector<int>{5, 85}));
  EXPECT_TRUE(p.ButtonsVisible);
  EXPECT_EQ(p.RequiredWidth, 2 * 60 + 20 + 10 + 25);

  p = PlaceLegendItems(Vertical(12, 48), wrap, 11);
  EXPECT_EQ(p.FirstShown, 11);
  EXPECT_EQ(p.LastShown, 11);
  EXPECT_TRUE(p.UpEnabled);
  EXPECT_FALSE(p.DownEnabled);
}

TEST(LegendLayout, ScrollPositionIsClampedAndResetWhenEverythingFits) {
  EXPECT_EQ(PlaceLegendItems(Vertical(40, 48), {}, 99).ScrollPosition, 39);
  EXPECT_EQ(PlaceLegendItems(Vertical(40, 48), {}, -4).ScrollPosition, 0);
  const TiLegendPlacement p = PlaceLegendItems(Vertical(3, 200), {}, 2);
  EXPECT_EQ(p.ScrollPosition, 0);
  EXPECT_EQ(p.Items.size(), 3u);
}

TEST(LegendLayout, FewerThanThreeRowsAreRaisedToThreeWhenRowsAreLeftOver) {
  // 10 high: one row fits, yet three are laid out rather than one.
  const TiLegendPlacement p = PlaceLegendItems(Vertical(10, 10), {}, 0);
  EXPECT_EQ(p.Rows, 3);
  EXPECT_EQ(p.Items.size(), 3u);
}

TEST(LegendLayout, AutomaticColumnsFollowTheRowsThatFit) {
  TiLegendWrapSettings wrap;
  wrap.ColAutoCountEnabled = true;
  const TiLegendPlacement p = PlaceLegendItems(Vertical(10, 48), wrap, 0);
  EXPECT_EQ(p.Columns, 3);  // ceil(10 / 4)
  EXPECT_EQ(p.Items.size(), 10u);
  EXPECT_FALSE(p.ButtonsVisible);
  wrap.ColAutoCountMax = 2;
  EXPECT_EQ(PlaceLegendItems(Vertical(10, 48), wrap, 0).Columns, 2);
}

TEST(LegendLayout, HorizontalLegendSpreadsItsColumnsOverTheWidth) {
  TiLegendWrapSettings wrap;
  wrap.ColAutoCountEnabled = true;
  // 400 wide: (400 - 25 + 20) div 80 = 4 columns fit; 10 rows in 3 rows.
  TiLegendPlacement p = PlaceLegendItems(Horizontal(10, 400), wrap, 0);
  EXPECT_EQ(p.Columns, 4);
  EXPECT_EQ(p.Rows, 3);
  EXPECT_EQ(p.Items.size(), 10u);
  EXPECT_EQ(p.WrapColGap, (400 - 25 - 4 * 60) / 3);
  EXPECT_EQ(p.ColumnLefts[1], 5 + 60 + (400 - 25 - 4 * 60) / 3);
  EXPECT_EQ(p.RequiredHeight, 5 + 3 * 12 - 2 + 5);

  wrap.ColSpacingAuto = false;
  p = PlaceLegendItems(Horizontal(10, 400), wrap, 0);
  EXPECT_EQ(p.WrapColGap, 20);
}

TEST(LegendLayout, HorizontalLegendWithTwoRowsKeepsThree) {
  // Two columns fit; a limit of two rows becomes three while rows are left over.
  TiLegendWrapSettings wrap;
  wrap.ColDesiredCount = 2;
  wrap.RowAutoCountEnabled = false;
  wrap.RowDesiredCount = 2;
  const TiLegendPlacement p = PlaceLegendItems(Horizontal(10, 200), wrap, 0);
  EXPECT_EQ(p.Columns, 2);
  EXPECT_EQ(p.Rows, 3);
  EXPECT_EQ(p.Items.size(), 6u);
  EXPECT_TRUE(p.ButtonsVisible);
}

TEST(LegendLayout, RowSpacingAutoSpreadsRowsButNeverOverlapsThem) {
  TiLegendWrapSettings wrap;
  wrap.RowSpacingAuto = true;
  TiLegendPlacement p = PlaceLegendItems(Vertical(3, 100), wrap, 0);
  EXPECT_EQ(p.RowGap, (100 - 30) / 2);
  EXPECT_EQ(p.Items[2].Top, 5 + 2 * (10 + 35));
  p = PlaceLegendItems(Vertical(10, 10), wrap, 0);  // three rows in one row's room
  EXPECT_EQ(p.RowGap, 0);
}

TEST(LegendLayout, TitleLinePushesTheRowsDown) {
  TiLegendMeasures m = Vertical(2, 200);
  m.TitleLineHeight = 12;
  m.TitleLineGap = 3;
  const TiLegendPlacement p = PlaceLegendItems(m, {}, 0);
  EXPECT_EQ(p.Items[0].Top, 5 + 15);
  EXPECT_EQ(p.RequiredHeight, 5 + 15 + 2 * 12 - 2 + 5);
}

TEST(LegendLayout, NoRowsPlaceNothing) {
  const TiLegendPlacement p = PlaceLegendItems(Vertical(0, 100), {}, 3);
  EXPECT_TRUE(p.Items.empty());
  EXPECT_FALSE(p.ButtonsVisible);
  EXPECT_EQ(p.ScrollPosition, 0);
}
