#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Exception.h"
#include "PlotTestSupport.h"
#include "plot/dIredDataCompactIntervalList.h"
#include "plot/dIredDataCompactList.h"
#include "plot/dIredDataFullList.h"
#include "plot/dIredDataNullList.h"

namespace {

template <class T>
std::unique_ptr<TiPlotDataCustomList> Make() { return std::make_unique<T>(); }

using Factory = std::unique_ptr<TiPlotDataCustomList> (*)();
const Factory kAllLists[] = {Make<TiPlotDataFullList>, Make<TiPlotDataNullList>, Make<TiPlotDataCompactList>,
                             Make<TiPlotDataCompactIntervalList>};

std::vector<double> Xs(TiPlotDataCustomList& l) {
  std::vector<double> v;
  for (int i = 0; i < l.Count(); ++i) v.push_back(l.GetX(i));
  return v;
}
std::vector<double> Ys(TiPlotDataCustomList& l) {
  std::vector<double> v;
  for (int i = 0; i < l.Count(); ++i) v.push_back(l.GetY(i));
  return v;
}

void Feed(TiPlotDataCustomList& l, int from, int to) {
  for (int x = from; x <= to; ++x) l.Add(x, x * 10);
}

}  // namespace

TEST(DataList, SizesAndLimitsFollowTheRecord) {
  const int sizes[] = {136, 24, 8, 4};
  const int maxCounts[] = {15790320, 89478485, 268435455, 536870911};
  for (int i = 0; i < 4; ++i) {
    auto l = kAllLists[i]();
    EXPECT_EQ(l->ItemSize(), sizes[i]);
    EXPECT_EQ(l->MaxCount(), maxCounts[i]);
    EXPECT_TRUE(l->BarVisible);
    Feed(*l, 1, 100);
    EXPECT_EQ(l->MemorySize(), int64_t{sizes[i]} * l->Capacity());
  }
}

TEST(DataList, GrowsByFourThenSixteenThenAQuarter) {
  TiPlotDataNullList l;
  std::vector<int> capacities;
  for (int i = 0; i < 200; ++i) {
    l.Add(i, i);
    if (capacities.empty() || capacities.back() != l.Capacity()) capacities.push_back(l.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118, 147, 183, 228}));
}

TEST(DataList, RingOfThreeKeepsTheNewestAndReturnsTheOverwrittenSlot) {
  for (Factory f : kAllLists) {
    auto l = f();
    l->SetRingBufferSize(3);
    std::vector<int> slots;
    for (int x = 1; x <= 5; ++x) slots.push_back(l->Add(x, x * 10));
    EXPECT_EQ(slots, (std::vector<int>{0, 1, 2, 0, 1}));
    EXPECT_EQ(Xs(*l), (std::vector<double>{3, 4, 5}));
    EXPECT_EQ(Ys(*l), (std::vector<double>{30, 40, 50}));
    EXPECT_EQ(l->RingBufferSize(), 3);
    EXPECT_EQ(l->PhysicalIndex(0), 2);
  }
}

TEST(DataList, SwitchingTheRingOffKeepsPointsOnlyBeforeItWraps) {
  for (Factory f : kAllLists) {
    auto unwrapped = f();
    unwrapped->SetRingBufferSize(5);
    Feed(*unwrapped, 1, 3);
    unwrapped->SetRingBufferSize(0);
    EXPECT_EQ(Xs(*unwrapped), (std::vector<double>{1, 2, 3}));
    Feed(*unwrapped, 4, 9);  // grows on as a plain list
    EXPECT_EQ(unwrapped->Count(), 9);

    auto wrapped = f();
    wrapped->SetRingBufferSize(3);
    Feed(*wrapped, 1, 4);
    wrapped->SetRingBufferSize(0);
    EXPECT_EQ(wrapped->Count(), 0);
    EXPECT_EQ(wrapped->Capacity(), 0);
  }
}

TEST(DataList, ResizingTheRing) {
  for (Factory f : kAllLists) {
    auto shrink = f();
    shrink->SetRingBufferSize(10);
    Feed(*shrink, 1, 7);
    shrink->SetRingBufferSize(4);
    EXPECT_EQ(Xs(*shrink), (std::vector<double>{4, 5, 6, 7}));
    EXPECT_EQ(Ys(*shrink), (std::vector<double>{40, 50, 60, 70}));
    EXPECT_EQ(shrink->Capacity(), 4);

    auto enlarge = f();
    enlarge->SetRingBufferSize(3);
    Feed(*enlarge, 1, 4);
    enlarge->SetRingBufferSize(3);  // same size: nothing happens
    EXPECT_EQ(Xs(*enlarge), (std::vector<double>{2, 3, 4}));
    enlarge->SetRingBufferSize(8);
    EXPECT_EQ(enlarge->Count(), 0);
    EXPECT_EQ(enlarge->RingBufferSize(), 8);
  }
}

TEST(DataList, ClearReleasesAGrowingBlockButKeepsARing) {
  TiPlotDataFullList grow;
  Feed(grow, 1, 20);
  grow.Clear();
  EXPECT_EQ(grow.Capacity(), 0);
  TiPlotDataFullList ring;
  ring.SetRingBufferSize(5);
  Feed(ring, 1, 7);
  ring.Clear();
  EXPECT_EQ(ring.Count(), 0);
  EXPECT_EQ(ring.Capacity(), 5);
  EXPECT_EQ(ring.RingStart(), 0);
}

TEST(DataList, BadIndexesAndSizesAreRefusedAndChangeNothing) {
  for (int i = 0; i < 4; ++i) {
    auto l = kAllLists[i]();
    Feed(*l, 1, 3);
    EXPECT_EQ(MessageOf([&] { l->GetY(3); }), "Index out of Bounds");
    EXPECT_EQ(MessageOf([&] { l->SetY(-1, 0); }), "Index out of Bounds");
    if (i < 3) {
      EXPECT_EQ(MessageOf([&] { l->GetX(l->Count()); }), "Index out of Bounds");
    }
    EXPECT_EQ(MessageOf([&] { l->SetCapacity(l->MaxCount() + 1); }), "Exceed Maximum List Size");
    EXPECT_EQ(MessageOf([&] { l->SetRingBufferSize(l->MaxCount() + 1); }), "Exceed Maximum List Size");
    EXPECT_EQ(Xs(*l), (std::vector<double>{1, 2, 3}));
    EXPECT_FALSE(l->RingActive());
  }
}

TEST(DataList, DeleteOldestRangesAndMessages) {
  TiPlotDataFullList full;
  Feed(full, 1, 3);
  EXPECT_EQ(MessageOf([&] { full.DeleteOldest(3); }), "Delete Size Out Of Range");
  TiPlotDataNullList null;
  Feed(null, 1, 3);
  EXPECT_EQ(MessageOf([&] { null.DeleteOldest(-1); }), "Delete size out of Range");
  null.DeleteOldest(2);
  EXPECT_EQ(Xs(null), (std::vector<double>{3}));
  TiPlotDataCompactIntervalList interval;
  Feed(interval, 1, 3);
  interval.DeleteOldest(3);
  EXPECT_EQ(interval.Count(), 0);
  EXPECT_EQ(MessageOf([&] { interval.DeleteOldest(1); }), "Delete size out of Range");
}

TEST(DataList, DeleteOldestOnAWrappedRingDropsTheLogicallyOldest) {
  TiPlotDataNullList l;
  l.SetRingBufferSize(4);
  Feed(l, 1, 6);
  l.DeleteOldest(2);
  EXPECT_EQ(Xs(l), (std::vector<double>{5, 6}));
  l.Add(7, 70);
  EXPECT_EQ(Xs(l), (std::vector<double>{5, 6, 7}));
}

TEST(DataList, CompactIntervalLearnsStartAndInterval) {
  TiPlotDataCompactIntervalList l;
  l.Add(10, 1);
  l.Add(12, 2);
  l.Add(100, 3);
  EXPECT_EQ(l.XStart, 10);
  EXPECT_EQ(l.XInterval, 2);
  EXPECT_EQ(l.GetX(2), 14);
  EXPECT_EQ(l.GetX(5), 20);  // extrapolated, no index check
  l.Clear();
  EXPECT_EQ(l.XInterval, -1.0);
}

TEST(DataList, CompactIntervalSurvivorsKeepTheirX) {
  TiPlotDataCompactIntervalList ring;
  ring.SetRingBufferSize(2);
  Feed(ring, 0, 2);
  EXPECT_EQ(Xs(ring), (std::vector<double>{1, 2}));

  TiPlotDataCompactIntervalList shrunk;
  shrunk.SetRingBufferSize(10);
  Feed(shrunk, 1, 7);
  shrunk.SetRingBufferSize(4);
  EXPECT_EQ(Xs(shrunk), (std::vector<double>{4, 5, 6, 7}));

  TiPlotDataCompactIntervalList single;
  single.SetRingBufferSize(1);
  Feed(single, 5, 7);
  EXPECT_EQ(Xs(single), (std::vector<double>{7}));
}

TEST(DataList, CompactIntervalSetXOnlyMovesTheFirstX) {
  TiPlotDataCompactIntervalList l;
  const std::string refused =
      "Data Style does not support setting individual X-Value with the exception of the first X-Value";
  EXPECT_EQ(MessageOf([&] { l.SetX(0, 5); }), refused);
  Feed(l, 1, 3);
  EXPECT_EQ(MessageOf([&] { l.SetX(1, 5); }), refused);
  l.SetX(0, 100);
  EXPECT_EQ(Xs(l), (std::vector<double>{100, 101, 102}));
}

TEST(DataList, CompactListsKeepSinglePrecisionAndNoFlags) {
  TiPlotDataCompactList compact;
  compact.Add(0.1, 0.1);
  EXPECT_EQ(compact.GetX(0), static_cast<double>(0.1f));
  EXPECT_NE(compact.GetX(0), 0.1);
  compact.Add(1e300, -1e300);  // beyond single range: infinities, not undefined
  EXPECT_TRUE(std::isinf(compact.GetX(1)));
  TiPlotDataCompactIntervalList interval;
  interval.Add(0, 0.1);
  for (TiPlotDataCustomList* l : {static_cast<TiPlotDataCustomList*>(&compact), static_cast<TiPlotDataCustomList*>(&interval)}) {
    l->SetNull(0, true);
    l->SetEmpty(0, true);
    l->SetMarkersVisible(0, true);
    EXPECT_FALSE(l->GetNull(0));
    EXPECT_FALSE(l->GetEmpty(0));
    EXPECT_FALSE(l->GetMarkersVisible(0));
    double x, y;
    bool empty = true, null = true;
    l->GetPoint(0, x, y, empty, null);
    EXPECT_FALSE(empty || null);
    EXPECT_EQ(y, static_cast<double>(0.1f));
  }
}

TEST(DataList, NullListPacksFlagsAndTheLowFourBitsOfTheMarkerStyle) {
  TiPlotDataNullList l;
  l.MarkersVisible = true;
  l.MarkersStyle = ipmsCharacter;
  l.MarkersSize = 9;
  l.Add(1, 2);
  EXPECT_TRUE(l.GetMarkersVisible(0));
  EXPECT_EQ(l.GetMarkersStyle(0), ipmsCharacter);
  l.SetMarkersStyle(0, static_cast<TiPlotMarkerStyle>(17));
  EXPECT_EQ(l.GetMarkersStyle(0), 1);
  EXPECT_TRUE(l.GetMarkersVisible(0));  // the neighbouring bits survive
  l.SetNull(0, true);
  EXPECT_TRUE(l.GetNull(0));
  EXPECT_FALSE(l.GetEmpty(0));
  l.SetMarkersSize(0, 20);  // not kept per point
  EXPECT_EQ(l.GetMarkersSize(0), 9);
}

TEST(DataList, FullListCopiesTheDefaultsIntoEachPoint) {
  TiPlotDataFullList l;
  l.Color = clBlue;
  l.BarWidth = 2.5;
  l.MarkersCharacter = 'x';
  l.Add(1, 2);
  l.Color = clGreen;
  EXPECT_EQ(l.GetColor(0), clBlue);
  EXPECT_EQ(l.GetBarWidth(0), 2.5);
  EXPECT_EQ(l.GetMarkersCharacter(0), 0);
  EXPECT_TRUE(l.GetBarVisible(0));
  l.SetHigh(0, 7);
  l.SetMarkersCharacter(0, 'q');
  EXPECT_EQ(l.GetHigh(0), 7);
  EXPECT_EQ(l.GetMarkersCharacter(0), 'q');
  EXPECT_EQ(MessageOf([&] { l.GetColor(1); }), "Index out of Bounds");
}

// The single-precision lists convert most values in line and hand the rest
// to ToSingle; both sides of that split, in the first points and in the
// later ones a compact-interval list stores on its short path.
TEST(DataList, SinglePrecisionStoresRoundAtTheEdgeOfTheRange) {
  const double justAbove = std::nextafter(static_cast<double>(FLT_MAX), 1e300);
  const double halfwayUp = static_cast<double>(FLT_MAX) * (1.0 + 0x1p-24);
  const double ys[] = {1.5, FLT_MAX, justAbove, -justAbove, halfwayUp, -halfwayUp, std::nan("")};
  for (int warmUp : {0, 2}) {
    TiPlotDataCompactList compact;
    TiPlotDataCompactIntervalList interval;
    for (int i = 0; i < warmUp; ++i) {
      compact.Add(i, 0);
      interval.Add(i, 0);
    }
    for (double y : ys) {
      compact.Add(y, y);
      interval.Add(interval.Count(), y);
    }
    for (TiPlotDataCustomList* l : {static_cast<TiPlotDataCustomList*>(&compact), static_cast<TiPlotDataCustomList*>(&interval)}) {
      const int n = warmUp;
      EXPECT_EQ(l->GetY(n + 0), 1.5);
      EXPECT_EQ(l->GetY(n + 1), FLT_MAX);
      EXPECT_EQ(l->GetY(n + 2), FLT_MAX) << "just past the largest single rounds down to it";
      EXPECT_EQ(l->GetY(n + 3), -FLT_MAX);
      EXPECT_EQ(l->GetY(n + 4), INFINITY);
      EXPECT_EQ(l->GetY(n + 5), -INFINITY);
      EXPECT_TRUE(std::isnan(l->GetY(n + 6)));
    }
    EXPECT_EQ(compact.GetX(warmUp + 2), FLT_MAX);
    EXPECT_EQ(interval.GetX(warmUp + 6), warmUp + 6) << "X still follows the learned interval";
  }
}
