#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "MarkTestSupport.h"
#include "PlotTestSupport.h"

namespace {

// The columns (or rows) that hold ink of `color`.
std::set<int> Columns(const TInk& ink, TColor color) {
  std::set<int> columns;
  for (const auto& [p, c] : ink)
    if (c == color) columns.insert(p.first);
  return columns;
}
std::set<int> Rows(const TInk& ink, TColor color) {
  std::set<int> rows;
  for (const auto& [p, c] : ink)
    if (c == color) rows.insert(p.second);
  return rows;
}

TiPlotMouseData Pointer(int x, int y) {
  TiPlotMouseData m;
  m.RawX = m.X = x;
  m.RawY = m.Y = y;
  return m;
}

}  // namespace

TEST(Limit, NewLimitIsARedHorizontalLineAtFiftyOnTheFirstAxes) {
  TMarkChart c;
  TiPlotLimit* limit = c.AddLimit();
  EXPECT_EQ(limit->Style(), iplsLineY);
  EXPECT_EQ(limit->Color(), 255);
  EXPECT_EQ(limit->Line1Position(), 50);
  EXPECT_EQ(limit->Line2Position(), 50);
  EXPECT_EQ(limit->LineWidth(), 0);
  EXPECT_EQ(limit->FillStyle(), bsSolid);
  EXPECT_FALSE(limit->UserCanMove());
  EXPECT_FALSE(limit->IsFilled());
  EXPECT_EQ(limit->XAxisName(), "X-Axis 1");
  EXPECT_EQ(limit->YAxisName(), "Y-Axis 1");
  c.Paint();
  const TInk ink = c.Alone(limit);
  const int row = c.y()->ValueToPixel(50);
  EXPECT_EQ(Rows(ink, clRed), std::set<int>{row});
  EXPECT_EQ(ink.size(), static_cast<size_t>(std::abs(c.x()->PixelOfMax() - c.x()->PixelOfMin())));
  const int middle = (c.x()->PixelStart() + c.x()->PixelEnd()) / 2;
  EXPECT_TRUE(limit->HitTest(Pointer(middle, row - 5)));
  EXPECT_TRUE(limit->HitTest(Pointer(middle, row + 4)));
  EXPECT_FALSE(limit->HitTest(Pointer(middle, row + 6)));
}

TEST(Limit, LineOutsideItsAxisRangeDrawsNothingAndCannotBeHit) {
  TMarkChart c;
  TiPlotLimit* limit = c.AddLimit();
  limit->SetStyle(iplsLineX);
  limit->SetLine1Position(150);
  EXPECT_TRUE(c.Alone(limit).empty());
  const int x = c.x()->ValueToPixel(100), y = c.y()->ValueToPixel(50);
  EXPECT_FALSE(limit->HitTest(Pointer(x, y)));
  limit->SetLine1Position(100);  // the maximum itself is inside
  EXPECT_EQ(Columns(c.Alone(limit), clRed), std::set<int>{x});
}

TEST(Limit, BandFillStylesDrawOutlineLinesOrHatch) {
  TMarkChart c;
  TiPlotLimit* band = c.AddLimit();
  band->SetStyle(iplsBandX);
  band->SetLine1Position(20);
  band->SetLine2Position(60);
  band->SetLineWidth(3);
  const int p1 = c.x()->ValueToPixel(20), p2 = c.x()->ValueToPixel(60);
  const int midX = (p1 + p2) / 2, midY = c.y()->ValueToPixel(50);
  EXPECT_TRUE(band->IsFilled());

  // Solid: one rectangle, its outline one pixel wide whatever LineWidth says.
  TInk ink = c.Alone(band);
  EXPECT_EQ(At(ink, midX, midY), clRed);
  std::set<int> between;
  for (int x = p1; x < p2; ++x) between.insert(x);
  EXPECT_EQ(Columns(ink, clRed), between);

  // Clear: the two lines in LineWidth, nothing between them.
  band->SetFillStyle(bsClear);
  EXPECT_FALSE(band->IsFilled());
  ink = c.Alone(band);
  EXPECT_FALSE(Has(ink, midX, midY));
  std::set<int> wide = Columns(ink, clRed);
  EXPECT_GE(wide.size(), 6u);
  EXPECT_LE(wide.size(), 8u);
  EXPECT_TRUE(wide.count(p1) && wide.count(p2));

  // Hatch: the hatch without outline, then the two lines one pixel wide.
  band->SetFillStyle(bsDiagCross);
  ink = c.Alone(band);
  int hatched = 0, empty = 0;
  for (int x = p1 + 2; x < p2 - 2; ++x) (Has(ink, x, midY) ? hatched : empty)++;
  EXPECT_GT(hatched, 0);
  EXPECT_GT(empty, 0);
  EXPECT_TRUE(Has(ink, p1, midY) && Has(ink, p2, midY));
  EXPECT_FALSE(Has(ink, p1 - 1, midY) || Has(ink, p2 + 1, midY));
}

TEST(Limit, PolyBandFollowsItsElementsAndSkipsOrStopsOutsideTheAxis) {
  TMarkChart c;
  TiPlotLimit* band = c.AddLimit();
  band->SetStyle(iplsPolyBandY);  // positions are X values, low and high Y values
  band->AddBandElement(10, 20, 30);
  EXPECT_TRUE(c.Alone(band).empty());  // one element: nothing
  band->AddBandElement(40, 60, 80);
  const TInk ink = c.Alone(band);
  auto inside = [&](double x, double y) { return Has(ink, c.x()->ValueToPixel(x), c.y()->ValueToPixel(y)); };
  EXPECT_TRUE(inside(11, 25));
  EXPECT_TRUE(inside(39, 70));
  EXPECT_FALSE(inside(39, 30));
  EXPECT_FALSE(inside(50, 70));
  EXPECT_THROW(band->BandElements().Item(2), Exception);
  EXPECT_EQ(MessageOf([&] { band->BandElements().Item(-1); }), "Index out of Bounds");

  // A pair wholly before the axis is skipped; the first element beyond it
  // ends the band.
  band->ClearBandElements();
  for (auto [pos, low, high] : {std::tuple{-30., 0., 100.}, {-20., 0., 100.}, {20., 40., 60.}, {30., 40., 60.},
                                {120., 40., 60.}, {50., 0., 100.}, {60., 0., 100.}})
    band->AddBandElement(pos, low, high);
  const TInk cut = c.Alone(band);
  EXPECT_FALSE(Has(cut, c.x()->ValueToPixel(0), c.y()->ValueToPixel(90)));  // -20 .. 20 is drawn as 0..100 -> 40..60
  EXPECT_TRUE(Has(cut, c.x()->ValueToPixel(25), c.y()->ValueToPixel(50)));
  EXPECT_TRUE(Has(cut, c.x()->ValueToPixel(90), c.y()->ValueToPixel(50)));
  EXPECT_FALSE(Has(cut, c.x()->ValueToPixel(90), c.y()->ValueToPixel(80)));
  EXPECT_FALSE(Has(cut, c.x()->ValueToPixel(55), c.y()->ValueToPixel(90)));  // after the stop
}

TEST(Limit, ReversedAxesTurnTheLinesAndTheCursors) {
  TMarkChart c;
  c.plot.SetXYAxesReverse(true);
  c.Paint();
  TiPlotLimit* limit = c.AddLimit();
  const TInk ink = c.Alone(limit);
  EXPECT_EQ(Columns(ink, clRed), std::set<int>{c.y()->ValueToPixel(50)});  // a Y line stands upright

  limit->SetUserCanMove(true);
  EXPECT_EQ(limit->GetMouseCursor({}), crDefault);  // not in select mode
  c.plot.SetSelectMode(true);
  EXPECT_EQ(limit->GetMouseCursor({}), crHandPoint);
  limit->SetStyle(iplsBandY);
  c.Alone(limit);
  EXPECT_EQ(limit->GetMouseCursor({}), crSizeWE);
  c.plot.SetXYAxesReverse(false);
  c.Paint();
  c.Alone(limit);
  EXPECT_EQ(limit->GetMouseCursor({}), crSizeNS);
}

TEST(Limit, DraggingALineMovesItThroughTheAxisAndReportsNewAndOldValues) {
  TMarkChart c;
  c.SetXAxisPixels(500);  // 100 units over 500 pixels
  TiPlotLimit* band = c.AddLimit();
  band->SetStyle(iplsBandX);
  band->SetLine1Position(20);
  band->SetLine2Position(60);
  std::vector<std::tuple<int, double, double>> moves1, moves2;
  std::vector<int> clicks;
  c.plot.OnLimitLine1PositionChange = [&](TiPlotComponent*, int i, double n, double o) {
    moves1.emplace_back(i, n, o);
  };
  c.plot.OnLimitLine2PositionChange = [&](TiPlotComponent*, int i, double n, double o) {
    moves2.emplace_back(i, n, o);
  };
  c.plot.OnClick[ipekLimit] = [&](TiPlotComponent*, int i) { clicks.push_back(i); };
  c.Paint();
  const TPoint line2{c.x()->ValueToPixel(60), c.y()->ValueToPixel(50)};

  // Neither allowed nor in select mode: the line stays.
  c.Press(line2), c.Drag({line2.X + 10, line2.Y}), c.Release({line2.X + 10, line2.Y});
  band->SetUserCanMove(true);
  c.Press(line2), c.Drag({line2.X + 10, line2.Y}), c.Release({line2.X + 10, line2.Y});
  EXPECT_EQ(band->Line2Position(), 60);
  EXPECT_TRUE(moves2.empty());

  c.plot.SetSelectMode(true);
  c.Press(line2);
  c.Drag({line2.X + 10, line2.Y + 3});
  EXPECT_NEAR(band->Line2Position(), 62, 1e-9);
  ASSERT_EQ(moves2.size(), 1u);
  EXPECT_EQ(std::get<0>(moves2[0]), 0);
  EXPECT_NEAR(std::get<1>(moves2[0]), 62, 1e-9);
  EXPECT_EQ(std::get<2>(moves2[0]), 60);
  c.Drag({line2.X - 5, line2.Y});  // from the press, not from the last move
  EXPECT_NEAR(band->Line2Position(), 59, 1e-9);
  c.Release({line2.X - 5, line2.Y});
  EXPECT_EQ(clicks, std::vector<int>{0});
  EXPECT_EQ(band->Line1Position(), 20);
  EXPECT_TRUE(moves1.empty());
  c.Drag({line2.X + 50, line2.Y});  // released: no longer dragging
  EXPECT_NEAR(band->Line2Position(), 59, 1e-9);
}

TEST(Limit, RemovedOrRenamedAxisIsFollowed) {
  TMarkChart c;
  TiPlotLimit* limit = c.AddLimit();
  c.Paint();  // the limit looks its axes up
  c.plot.XAxis(0)->SetName("Time");
  EXPECT_EQ(limit->XAxisName(), "Time");
  EXPECT_FALSE(c.Alone(limit).empty());
  c.plot.AddYAxis();
  c.plot.DeleteYAxis(0);
  EXPECT_EQ(limit->YAxis(), nullptr);  // the name "Y-Axis 1" is gone with it
  c.Paint();
  EXPECT_TRUE(c.Alone(limit).empty());
  EXPECT_FALSE(limit->HitTest(Pointer(c.x()->PixelStart() + 5, c.y()->ValueToPixel(50))));
}

TEST(Limit, PublishesItsPropertiesWithTheirDefaults) {
  TMarkChart c;
  TiPlotLimit* limit = c.AddLimit();
  std::vector<std::string> names;
  for (const TPropInfo& p : limit->ClassInfo().Properties()) names.push_back(p.Name);
  const std::vector<std::string> expected{"Name", "Visible", "Enabled", "Layer", "PopupEnabled", "Style",
                                          "Color", "LineWidth", "LineStyle", "FillStyle", "XAxisName",
                                          "YAxisName", "Line1Position", "Line2Position", "UserCanMove"};
  EXPECT_EQ(names, expected);
  const TPropInfo* style = limit->ClassInfo().Find("style");
  ASSERT_NE(style, nullptr);
  style->SetOrdinal(limit->ClassInfo().Cast(*limit), iplsPolyBandX);
  EXPECT_EQ(limit->Style(), iplsPolyBandX);
  EXPECT_TRUE(limit->IsFilled());
}
