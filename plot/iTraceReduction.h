// The fast straight-line trace: the visible points are reduced per pixel
// column to one vertical stroke (the column's minimum to maximum) and one
// connecting line to the next column, so a million points cost about what a
// screen width of points does. Per-point pens are not used.
#pragma once
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "plot/dIredDataCompactList.h"
#include "plot/dIredDataNullList.h"
#include "plot/iLanes.h"
#include "plot/iTraceDrawer.h"

// The points of one pixel column, as they are put in.
struct TiPlotMinMaxPoint {
  bool Empty = true;
  int PixelX = 0;
  double X = 0;  // of the first point put in: the column's X
  double MaxY = -1e301, MinY = 1e301;
  double FirstY = 0, LastY = 0;

  void Reset() { *this = TiPlotMinMaxPoint(); }
  void Put(int pixelX, double y, double x) {
    if (Empty) {
      Empty = false;
      PixelX = pixelX;
      X = x;
      FirstY = y;
    }
    Join(y, y, y);
  }
  // Values of this column by their extremes and last value: for a block of
  // finite values the same as putting them in one by one, NaN rule included (a NaN minimum is replaced by the next value).
  // The extremes stay in memory: as conditional stores they cost nothing
  // while no new extreme comes, where min/max instructions in registers would
  // chain every point to the one before.
  void Join(double minY, double maxY, double lastY) {
    if (maxY > MaxY) MaxY = maxY;
    if (!(minY >= MinY)) MinY = minY;
    LastY = lastY;
  }
};

// The previous, current and next column of the walk.
class TiPlotColumnReducer {
 public:
  explicit TiPlotColumnReducer(TiPlotTraceDrawer& drawer) : Drawer_(drawer) {}

  // Returns the column the point went into.
  TiPlotMinMaxPoint& Put(int pixelX, double x, double y) {
    if (P_.Empty || pixelX == P_.PixelX) {
      P_.Put(pixelX, y, x);
      return P_;
    }
    if (C_.Empty || pixelX == C_.PixelX) {
      C_.Put(pixelX, y, x);
      return C_;
    }
    N_.Put(pixelX, y, x);
    Flush();
    P_ = N_;
    C_.Reset();
    N_.Reset();
    return P_;
  }
  // A Null point: what was gathered is drawn and the trace breaks.
  void Break() {
    Flush();
    P_.Reset();
    C_.Reset();
    N_.Reset();
  }
  // Draws the strokes of P and C and the lines P-C and C-N. Each stroke
  // shows both its extremes; lines leave out their last pixel as usual.
  void Flush();

 private:
  void Stroke(const TiPlotMinMaxPoint& m);
  void Connect(const TiPlotMinMaxPoint& a, const TiPlotMinMaxPoint& b);
  TiPlotTraceDrawer& Drawer_;
  TiPlotMinMaxPoint P_, C_, N_;
};

// The X-axis pixel of a value, and the values that surely fall in a given
// pixel column: a dense walk tests most points against the column it is in
// rather than working out their pixel.
class TiPlotColumnMap {
 public:
  explicit TiPlotColumnMap(const TiPlotChannelScale& axis) : Axis_(axis) {
    Linear_ = axis.LinearPixelMap(Map_) && std::isfinite(Map_.Origin) && std::isfinite(Map_.Factor) &&
              Map_.Factor != 0;
    // A window's ends are worked out from the origin; far from zero, with
    // many pixels per unit, their rounding would reach into the next column.
    Windows_ = Linear_ && std::fabs(Map_.Origin * Map_.Factor) < 1e13;
  }
  int Pixel(double x) const { return Linear_ ? LinearPixel(Map_, x) : Axis_.ValueToPixel(x); }
  // [lo, hi] maps to pixel px with room to spare for rounding; empty when the
  // map is not linear or px is at the clamp.
  void Window(int px, double& lo, double& hi) const {
    lo = 1, hi = 0;
    if (!Windows_ || px <= -32000 || px >= 32000) return;
    const double k = Map_.Start - px;  // round((v - Origin) * Factor) of the column
    const double a = Map_.Origin + (k - 0.49) / Map_.Factor, b = Map_.Origin + (k + 0.49) / Map_.Factor;
    lo = a < b ? a : b;
    hi = a < b ? b : a;
  }

 private:
  const TiPlotChannelScale& Axis_;
  TiLinearPixelMap Map_;
  bool Linear_ = false, Windows_ = false;
};

// What a walk reads of a point.
enum TiPlotWalkKind { ipwkValid, ipwkEmpty, ipwkNull };

// Puts points first..last through a reducer: Empty points are skipped, Null
// points break the trace. `read(i, x, y)` gives logical point i. A point
// inside the window of the column the last one went into joins that column
// directly; any other goes through the reducer.
template <class Read>
void ReduceRange(int first, int last, TiPlotColumnReducer& reducer, const TiPlotColumnMap& columns, Read&& read) {
  TiPlotMinMaxPoint* hot = nullptr;
  double lo = 1, hi = 0;
  for (int i = first; i <= last; ++i) {
    double x, y;
    const TiPlotWalkKind kind = read(i, x, y);
    if (kind == ipwkValid && x >= lo && x <= hi) {
      hot->Join(y, y, y);
      continue;
    }
    lo = 1, hi = 0;
    if (kind == ipwkNull) {
      reducer.Break();
    } else if (kind == ipwkValid) {
      const int px = columns.Pixel(x);
      hot = &reducer.Put(px, x, y);
      columns.Window(px, lo, hi);
    }
  }
}

// The walk over any list, through its virtual reads.
inline void ReducePoints(TiPlotDataCustomList& data, int first, int last, TiPlotColumnReducer& reducer,
                         const TiPlotColumnMap& columns) {
  ReduceRange(first, last, reducer, columns, [&](int i, double& x, double& y) {
    bool empty, null;
    data.GetPoint(i, x, y, empty, null);
    return empty ? ipwkEmpty : (null ? ipwkNull : ipwkValid);
  });
}

// The bounds in single precision of the window [lo, hi]: lo rounded up and hi
// rounded down to the next float, so a float lies inside [singleLo, singleHi]
// exactly when it lies inside [lo, hi]. An empty or NaN window stays empty.
inline void SingleWindow(double lo, double hi, float& singleLo, float& singleHi) {
  singleLo = 1, singleHi = 0;
  if (!(lo <= hi)) return;
  // beyond the float range the cast is undefined; the infinities round the same way
  const auto toSingle = [](double v) {
    return static_cast<float>(v > FLT_MAX ? HUGE_VAL : (v < -FLT_MAX ? -HUGE_VAL : v));
  };
  float a = toSingle(lo), b = toSingle(hi);
  if (a < lo) a = std::nextafter(a, HUGE_VALF);
  if (b > hi) b = std::nextafter(b, -HUGE_VALF);
  singleLo = a, singleHi = b;
}

// What the block walk needs to know of a list's records: their value type,
// how many are taken at a time, and their Null and Empty marks.
template <class Record>
struct TiPlotWalkRecord;

template <>
struct TiPlotWalkRecord<TiPlotDataNullRecord> {
  using Value = double;
  static constexpr int Block = 8;
  // The marker bits share the flag word and do not count.
  static unsigned Gaps(const TiPlotDataNullRecord& r) {
    return r.Flags & (TiPlotDataNullList::NullBit | TiPlotDataNullList::EmptyBit);
  }
  static TiPlotWalkKind Kind(const TiPlotDataNullRecord& r) {
    return (r.Flags & TiPlotDataNullList::EmptyBit)  ? ipwkEmpty
           : (r.Flags & TiPlotDataNullList::NullBit) ? ipwkNull
                                                     : ipwkValid;
  }
  static void Narrow(double lo, double hi, double& windowLo, double& windowHi) { windowLo = lo, windowHi = hi; }
};

template <>
struct TiPlotWalkRecord<TiPlotDataCompactRecord> {
  using Value = float;
  static constexpr int Block = 16;
  static unsigned Gaps(const TiPlotDataCompactRecord&) { return 0; }
  static TiPlotWalkKind Kind(const TiPlotDataCompactRecord&) { return ipwkValid; }
  static void Narrow(double lo, double hi, float& windowLo, float& windowHi) {
    SingleWindow(lo, hi, windowLo, windowHi);
  }
};

// The walk over a record list, run by run: no virtual read, index check or
// ring slot rule per point. Inside a column the records are taken a block at
// a time, each record's (x, y) side by side in a vector, so one lane-wise
// minimum and maximum give the extremes of X and Y together, with no chain
// from one point to the next. A block passes when it lies in the column's
// window, has no Null or Empty point and only finite values; any other block
// is walked point by point, which gives the same columns as if every block
// were.
template <class Record>
class TiPlotBlockWalk {
  using R = TiPlotWalkRecord<Record>;
  using Value = typename R::Value;
  using V = TLanes<Value>;
  static constexpr int PerVector = 16 / (2 * sizeof(Value));  // records in one vector
  static constexpr int Vectors = R::Block / PerVector;
  static constexpr int Ahead = 2048 / sizeof(Record);  // a walk this simple waits on memory without a prefetch
  static_assert(sizeof(V) == 16 && Vectors == 8);

 public:
  static constexpr int Block = R::Block;

  TiPlotBlockWalk(TiPlotColumnReducer& reducer, const TiPlotColumnMap& columns) : Reducer_(reducer), Columns_(columns) {}

  void Run(const Record* r, int n) {
    int i = 0;
    for (; i + Block <= n; i += Block) {
      for (size_t b = 0; b < Block * sizeof(Record); b += 64)
        Prefetch(reinterpret_cast<const char*>(r + i + Ahead) + b);
      Value minY, maxY;
      if (BlockInWindow(r + i, minY, maxY)) {
        Hot_->Join(minY, maxY, r[i + Block - 1].Y);
      } else {
        for (int j = i; j < i + Block; ++j) Put(r[j]);
      }
    }
    for (; i < n; ++i) Put(r[i]);
  }

 private:
  void Put(const Record& p) {
    const double x = p.X, y = p.Y;
    if (!R::Gaps(p) && p.X >= Lo_ && p.X <= Hi_) {
      Hot_->Join(y, y, y);
      return;
    }
    Lo_ = 1, Hi_ = 0;
    switch (R::Kind(p)) {
      case ipwkEmpty: return;
      case ipwkNull:
        Reducer_.Break();
        Hot_ = nullptr;
        return;
      case ipwkValid: break;
    }
    const int px = Columns_.Pixel(x);
    Hot_ = &Reducer_.Put(px, x, y);
    double lo, hi;
    Columns_.Window(px, lo, hi);
    R::Narrow(lo, hi, Lo_, Hi_);
  }

  // Even lanes hold X, odd lanes Y. The sum of a lane is finite only when
  // every value in it is (or the sum overflows, which takes the slow way): a
  // NaN X could hide from the minimum and maximum, never from the sum.
  bool BlockInWindow(const Record* r, Value& minY, Value& maxY) const {
    V a[Vectors / 2], b[Vectors / 2], s[Vectors / 2];
    for (int k = 0; k < Vectors / 2; ++k) {
      const V p = LoadLanes<V>(&r[2 * k * PerVector].X), q = LoadLanes<V>(&r[(2 * k + 1) * PerVector].X);
      a[k] = LaneMin(p, q);
      b[k] = LaneMax(p, q);
      s[k] = p + q;
    }
    unsigned gaps = 0;
    for (int j = 0; j < Block; ++j) gaps |= R::Gaps(r[j]);
    for (int w = Vectors / 4; w >= 1; w /= 2)
      for (int k = 0; k < w; ++k) {
        a[k] = LaneMin(a[k], a[k + w]);
        b[k] = LaneMax(b[k], b[k + w]);
        s[k] = s[k] + s[k + w];
      }
    Value minX = a[0][0], maxX = b[0][0];
    minY = a[0][1], maxY = b[0][1];
    bool finite = (s[0][0] - s[0][0] == 0) & (s[0][1] - s[0][1] == 0);
    for (int l = 2; l < 2 * PerVector; l += 2) {
      minX = a[0][l] < minX ? a[0][l] : minX;
      maxX = b[0][l] > maxX ? b[0][l] : maxX;
      minY = a[0][l + 1] < minY ? a[0][l + 1] : minY;
      maxY = b[0][l + 1] > maxY ? b[0][l + 1] : maxY;
      finite &= (s[0][l] - s[0][l] == 0) & (s[0][l + 1] - s[0][l + 1] == 0);
    }
    return finite & !gaps & (minX >= Lo_) & (maxX <= Hi_);
  }

  TiPlotColumnReducer& Reducer_;
  const TiPlotColumnMap& Columns_;
  TiPlotMinMaxPoint* Hot_ = nullptr;
  Value Lo_ = 1, Hi_ = 0;  // the hot column's window; empty while there is none
};

using TiPlotStandardWalk = TiPlotBlockWalk<TiPlotDataNullRecord>;
using TiPlotCompactWalk = TiPlotBlockWalk<TiPlotDataCompactRecord>;

// The standard and compact lists' walks, over their records.
template <class Record, class List>
void ReduceRecords(const List& data, int first, int last, TiPlotColumnReducer& reducer,
                   const TiPlotColumnMap& columns) {
  TiPlotBlockWalk<Record> walk(reducer, columns);
  data.ForEachRun(first, last, [&](const Record* r, int n, int) { walk.Run(r, n); });
}
inline void ReducePoints(const TiPlotDataNullList& data, int first, int last, TiPlotColumnReducer& reducer,
                         const TiPlotColumnMap& columns) {
  ReduceRecords<TiPlotDataNullRecord>(data, first, last, reducer, columns);
}
inline void ReducePoints(const TiPlotDataCompactList& data, int first, int last, TiPlotColumnReducer& reducer,
                         const TiPlotColumnMap& columns) {
  ReduceRecords<TiPlotDataCompactRecord>(data, first, last, reducer, columns);
}

template <class List>
void DrawReducedTrace(List& data, int first, int last, TiPlotTraceDrawer& drawer) {
  if (first < 0 || last < 0 || first == last) return;
  TiPlotColumnReducer reducer(drawer);
  ReducePoints(data, first, last, reducer, TiPlotColumnMap(drawer.XAxis));
  reducer.Flush();
}
