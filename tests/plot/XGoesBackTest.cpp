// Points whose X goes back (a reload replays from 0, a sample counter wraps):
// the data lists notice, and the strip chart then draws every point that lies
// in view instead of the range a binary search would find.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "platform/Bitmap.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataCompactIntervalList.h"
#include "plot/dIredDataCompactList.h"
#include "plot/dIredDataFullList.h"
#include "plot/dIredDataNullList.h"
#include "plot/iVisibleRange.h"
#include "ChannelTestAxes.h"

namespace {

template <class List>
std::unique_ptr<TiPlotDataCustomList> ListOf(std::initializer_list<double> xs) {
  auto list = std::make_unique<List>();
  for (double x : xs) list->Add(x, 0);
  return list;
}

std::pair<bool, bool> Order(TiPlotDataCustomList& list) { return {list.XAscending(), list.XDescending()}; }

const std::pair<bool, bool> kUp{true, false}, kDown{false, true}, kBoth{true, true}, kNeither{false, false};

TEST(XOrder, EveryListNoticesAnXThatGoesBack) {
  for (auto make : {ListOf<TiPlotDataNullList>, ListOf<TiPlotDataCompactList>, ListOf<TiPlotDataFullList>}) {
    EXPECT_EQ(Order(*make({})), kBoth);
    EXPECT_EQ(Order(*make({7})), kBoth);
    EXPECT_EQ(Order(*make({0, 1, 1, 2})), kUp) << "equal neighbours still run up";
    EXPECT_EQ(Order(*make({3, 2, 2, -1})), kDown);
    EXPECT_EQ(Order(*make({0, 1, 2, 0, 1})), kNeither);
    EXPECT_EQ(Order(*make({0, NAN, 1})), kNeither) << "no search can rely on a NaN";
    auto list = make({0, 1, 2, 0});
    list->Clear();
    list->Add(5, 0);
    list->Add(6, 0);
    EXPECT_EQ(Order(*list), kUp) << "a cleared list starts afresh";
  }
}

TEST(XOrder, TheFlagReturnsOnceThePointBeforeTheStepHasLeft) {
  TiPlotDataNullList ring;
  ring.SetRingBufferSize(3);
  for (double x : {0, 1, 2, 0}) ring.Add(x, 0);  // holds 1, 2, 0
  EXPECT_EQ(Order(ring), kNeither);
  ring.Add(1, 0);  // 2, 0, 1: the step 2 -> 0 is still held
  EXPECT_EQ(Order(ring), kNeither);
  ring.Add(2, 0);  // 0, 1, 2
  EXPECT_EQ(Order(ring), kUp);
  for (int i = 0; i < 1000; ++i) ring.Add(3 + i, 0);
  EXPECT_EQ(Order(ring), kUp) << "a ring running for long stays sorted";

  auto list = ListOf<TiPlotDataNullList>({5, 0, 1, 2});
  list->DeleteOldest(1);
  EXPECT_EQ(Order(*list), kUp);
}

TEST(XOrder, XSetInPlaceOrACutIsCountedAgain) {
  auto list = ListOf<TiPlotDataNullList>({0, 1, 2, 3});
  list->SetX(2, -5);
  EXPECT_EQ(Order(*list), kNeither);
  list->SetX(2, 2.5);
  EXPECT_EQ(Order(*list), kUp);
  list->Add(1, 0);  // 0, 1, 2.5, 3, 1
  EXPECT_EQ(Order(*list), kNeither);
  list->SetCapacity(4);  // the newest point is cut off
  EXPECT_EQ(Order(*list), kUp);
  list->Add(2, 0);  // the runs continue from the point now last (3)
  EXPECT_EQ(Order(*list), kNeither);

  auto compact = ListOf<TiPlotDataCompactList>({0, 1, 2});
  compact->SetX(0, 9);
  EXPECT_EQ(Order(*compact), kNeither);
}

TEST(XOrder, ACompactIntervalListRunsTheWayOfItsInterval) {
  TiPlotDataCompactIntervalList list;
  EXPECT_EQ(Order(list), kBoth);
  list.Add(10, 0);
  EXPECT_EQ(Order(list), kBoth);
  list.Add(8, 0);
  list.Add(100, 0);  // later X values are not kept
  EXPECT_EQ(Order(list), kDown);
  list.Clear();
  list.Add(0, 0);
  list.Add(2, 0);
  EXPECT_EQ(Order(list), kUp);
}

// A strip chart whose x axis maps 0..200 onto pixels 0..200 and y 0..100
// onto pixels 100..0, with a black channel on it.
struct TChart : TTestChannelChart {
  explicit TChart(TiPlotDataStyle style = ipdsStandard) {
    ch->SetDataStyle(style);
    ch->SetColor(clBlack);
    ch->SetXAxisTrackingEnabled(false);
    ch->SetYAxisTrackingEnabled(false);
    x->span = 200;
    x->pixelMax = 200;
  }
  std::set<std::pair<int, int>> Ink() {
    TBitmap b(201, 101);
    ch->PrepareDraw();
    if (ch->Ready()) ch->Draw(&b.Canvas(), clWhite);
    std::set<std::pair<int, int>> ink;
    for (int py = 0; py < b.Height(); ++py)
      for (int px = 0; px < b.Width(); ++px)
        if (b.Pixel(px, py) != clWhite) ink.insert({px, py});
    return ink;
  }
  // The pixels of the points in view, short of the x axis's maximum. The
  // last point of a run ends a line, whose last pixel is left out as any
  // line's.
  std::vector<std::pair<int, int>> PointsInView() {
    std::vector<std::pair<int, int>> points;
    for (int i = 0; i < ch->Count() - 1; ++i)
      if (ch->GetX(i) >= x->min && ch->GetX(i) < x->min + x->span && ch->GetX(i + 1) > ch->GetX(i))
        points.push_back({x->TLinearScale::ValueToPixel(ch->GetX(i)), y->TLinearScale::ValueToPixel(ch->GetY(i))});
    return points;
  }
};

double FirstRun(int i) { return 10 + (i * 7) % 30; }
double SecondRun(int i) { return 60 + (i * 11) % 30; }

// Two runs over the same x, as a reload onto a chart that holds points
// makes them; per point as many as `perUnit` per unit of x.
void FeedTwoRuns(TChart& c, int perUnit) {
  for (int run = 0; run < 2; ++run)
    for (int i = 0; i < 200 * perUnit; ++i)
      c.ch->AddXY(static_cast<double>(i) / perUnit, run == 0 ? FirstRun(i) : SecondRun(i));
}

class TwoRuns : public ::testing::TestWithParam<TiPlotDataStyle> {};

TEST_P(TwoRuns, EveryPointOfBothRunsInViewIsDrawn) {
  for (int perUnit : {1, 25}) {  // one point a pixel column, and far more than the columns
    for (double min : {0.0, 40.0}) {  // the x axis showing all of the data, or part of it
      SCOPED_TRACE(testing::Message() << "points per unit " << perUnit << ", x from " << min);
      TChart c(GetParam());
      FeedTwoRuns(c, perUnit);
      c.x->min = min;
      const auto ink = c.Ink();
      EXPECT_EQ(c.ch->FirstVisibleIndex(), 0);
      EXPECT_EQ(c.ch->LastVisibleIndex(), c.ch->Count() - 1);
      int missing = 0;
      for (const auto& p : c.PointsInView()) missing += ink.count(p) == 0;
      EXPECT_EQ(missing, 0);
      // The runs lie at y 10..39 and 60..89: no line back joins them.
      for (const auto& [px, py] : ink) EXPECT_FALSE(py > 100 - 58 && py < 100 - 41) << px << "," << py;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DataStyles, TwoRuns, ::testing::Values(ipdsStandard, ipdsCompact, ipdsFullFeature));

// The same sorted points, once as they are and once behind two Null points
// further right (they set the direction), which make the list unsorted
// without adding a line: the search and the walk over every point must draw
// the same pixels, and only the sorted list gets the narrow range.
TEST(XGoesBack, WalkingEveryPointDrawsWhatTheSearchDraws) {
  for (TiPlotDataStyle style : {ipdsStandard, ipdsFullFeature}) {
    for (int perUnit : {1, 3, 40}) {
      SCOPED_TRACE(testing::Message() << "style " << int(style) << ", points per unit " << perUnit);
      TChart sorted(style), unsorted(style);
      unsorted.ch->AddXY(500, 50);
      unsorted.ch->AddXY(501, 50);
      unsorted.ch->SetNull(0, true);
      unsorted.ch->SetNull(1, true);
      for (int i = 0; i < 400 * perUnit; ++i)
        for (TChart* c : {&sorted, &unsorted}) c->ch->AddXY(static_cast<double>(i) / perUnit, FirstRun(i));
      for (TChart* c : {&sorted, &unsorted}) {
        c->x->min = 100.5;
        c->x->span = 150;
        c->x->pixelMax = 200;
      }
      const auto expected = sorted.Ink();
      EXPECT_FALSE(expected.empty());
      EXPECT_EQ(unsorted.Ink(), expected);
      EXPECT_EQ(sorted.ch->XOrder(), ixoAscending);
      EXPECT_EQ(unsorted.ch->XOrder(), ixoUnsorted);
      // The last point at or before x = 100.5, the first at or after 250.5.
      EXPECT_EQ(sorted.ch->FirstVisibleIndex(), int(std::floor(100.5 * perUnit))) << "the sorted list searches";
      EXPECT_EQ(sorted.ch->LastVisibleIndex(), int(std::ceil(250.5 * perUnit)));
      EXPECT_EQ(unsorted.ch->LastVisibleIndex(), unsorted.ch->Count() - 1);
    }
  }
}

TEST(XGoesBack, TheOtherStylesDrawBothRuns) {
  for (TiPlotInterpolationStyle style : {ipistStraightLine, ipistCubicSpline, ipistDifferential}) {
    SCOPED_TRACE(int(style));
    TChart c;
    c.ch->SetInterpolationStyle(style);
    c.ch->SetFastDrawEnabled(false);
    for (int run = 0; run < 2; ++run)
      for (int i = 0; i <= 20; ++i) c.ch->AddXY(i * 10, run == 0 ? 20 : 70);
    const auto ink = c.Ink();
    for (int px : {15, 105, 185}) {
      EXPECT_EQ(ink.count({px, c.y->TLinearScale::ValueToPixel(20)}), 1u) << px;
      EXPECT_EQ(ink.count({px, c.y->TLinearScale::ValueToPixel(70)}), 1u) << px;
    }
  }
}

TEST(XGoesBack, FindingAnXAmongUnsortedPointsTakesTheNewestSegmentThatHoldsIt) {
  auto list = ListOf<TiPlotDataNullList>({0, 10, 20, 0, 10, 5});
  EXPECT_EQ(FindXIndexUnsorted(*list, 15, true), 2);
  EXPECT_EQ(FindXIndexUnsorted(*list, 7, true), 4) << "no line joins a point that went back";
  EXPECT_EQ(FindXIndexUnsorted(*list, 10, true), 4);
  EXPECT_EQ(FindXIndexUnsorted(*list, 25, true), -1);
  EXPECT_EQ(FindXIndexUnsorted(*list, 7, false), 5) << "falling data: 10 -> 5 runs its way";
  EXPECT_EQ(FindXIndexUnsorted(*ListOf<TiPlotDataNullList>({3}), 3, true), -1);
}

}  // namespace

namespace {
using Stretches = std::vector<std::pair<int, int>>;

// What the chart walks for an ascending channel, and what a walk over every
// point finds.
Stretches InView(TiPlotDataCustomList& list, double min, double max) {
  Stretches found;
  ForEachStretchInView(list, 0, list.Count() - 1, min, max, XOrderOf(list, true), true,
                       [&](int a, int b) { found.emplace_back(a, b); });
  return found;
}
Stretches Walked(TiPlotDataCustomList& list, double min, double max) {
  Stretches found;
  WalkStretchesInView(list, 0, list.Count() - 1, min, max, true, [&](int a, int b) { found.emplace_back(a, b); });
  return found;
}
}  // namespace

// A counter that wraps makes long ascending runs; each is searched instead of
// walked, and must give the stretches the walk gives: views on run borders,
// on points, between points, beyond all, in growing lists and in rings that
// have overwritten the start of a run, after the oldest points are deleted.
TEST(XGoesBack, SearchingEachRunFindsWhatWalkingEveryPointFinds) {
  for (int ring : {0, 700, 1000}) {
    TiPlotDataNullList list;
    if (ring) list.SetRingBufferSize(ring);
    for (int i = 0; i < 1111; ++i) list.Add(i % 256 + (i % 7 == 0 ? 0 : 0.5 * (i % 3)), 0);
    list.Add(300, 0), list.Add(300, 0), list.Add(2, 0);  // equal neighbours, then a step down
    if (!ring) list.DeleteOldest(40);
    ASSERT_EQ(XOrderOf(list, true), ixoUnsorted);
    for (double min : {-10.0, 0.0, 0.5, 17.25, 100.0, 255.5, 300.0, 400.0})
      for (double span : {0.0, 0.25, 1.0, 30.0, 1000.0}) {
        SCOPED_TRACE(testing::Message() << "ring " << ring << ", view " << min << " + " << span);
        EXPECT_EQ(InView(list, min, min + span), Walked(list, min, min + span));
      }
  }
}

// X values that jump about make runs too short to search: the list stops
// keeping its steps down, and the chart walks every point.
TEST(XGoesBack, ManyStepsDownFallBackToTheWalk) {
  TiPlotDataNullList list;
  for (int i = 0; i < 3000; ++i) list.Add((i * 7919) % 1000, 0);
  int runs = 0;
  EXPECT_FALSE(list.ForEachAscendingRun(0, list.Count() - 1, [&](int, int) { ++runs; }));
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(InView(list, 100, 200), Walked(list, 100, 200));
  list.Clear();
  for (int i = 0; i < 3000; ++i) list.Add(i % 1000, 0);
  EXPECT_TRUE(list.ForEachAscendingRun(0, list.Count() - 1, [&](int, int) { ++runs; }))
      << "a cleared list keeps them again";
  EXPECT_EQ(runs, 3);
}
