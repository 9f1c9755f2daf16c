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

// The standard list's walk, over its records run by run: no virtual read,
// index check or ring slot rule per point. Inside a column the records are
// taken eight at a time, each record's (x, y) as one pair, so one lane-wise
// minimum and maximum per record give the extremes of X and Y together. A
// block passes when it lies in the column's window, has no Null or Empty
// point (the marker bits share the flag word and do not count) and only
// finite values; any other block is walked point by point, which gives the
// same columns as if every block were.
class TiPlotStandardWalk {
 public:
  static constexpr int Block = 8;

  TiPlotStandardWalk(TiPlotColumnReducer& reducer, const TiPlotColumnMap& columns)
      : Reducer_(reducer), Columns_(columns) {}

  void Run(const TiPlotDataNullRecord* r, int n) {
    int i = 0;
    for (; i + Block <= n; i += Block) {
      __builtin_prefetch(r + i + 96);  // a walk this simple waits on memory without it
      __builtin_prefetch(r + i + 96 + Block / 2);
      __builtin_prefetch(r + i + 96 + Block - 1);
      double minY, maxY;
      if (BlockInWindow(r + i, minY, maxY)) {
        Hot_->Join(minY, maxY, r[i + Block - 1].Y);
      } else {
        for (int j = i; j < i + Block; ++j) Put(r[j]);
      }
    }
    for (; i < n; ++i) Put(r[i]);
  }

 private:
  static constexpr uint16_t Gap = TiPlotDataNullList::NullBit | TiPlotDataNullList::EmptyBit;

  void Put(const TiPlotDataNullRecord& p) {
    const double x = p.X, y = p.Y;
    if (!(p.Flags & Gap) && x >= Lo_ && x <= Hi_) {
      Hot_->Join(y, y, y);
      return;
    }
    Lo_ = 1, Hi_ = 0;
    if (p.Flags & TiPlotDataNullList::EmptyBit) return;
    if (p.Flags & TiPlotDataNullList::NullBit) {
      Reducer_.Break();
      Hot_ = nullptr;
      return;
    }
    const int px = Columns_.Pixel(x);
    Hot_ = &Reducer_.Put(px, x, y);
    Columns_.Window(px, Lo_, Hi_);
  }

  // The sum of all values is finite only when every value is (or the sum
  // overflows, which takes the slow way); a NaN X could hide from the
  // minimum and maximum, never from the sum. GCC's vector type, as in the
  // compact walk, so the tree stays vectorized where it is inlined.
  bool BlockInWindow(const TiPlotDataNullRecord* r, double& minY, double& maxY) const {
    typedef double Double2 __attribute__((vector_size(16)));
    static_assert(offsetof(TiPlotDataNullRecord, Y) == sizeof(double));
    Double2 a[Block / 2], b[Block / 2], s[Block / 2];
    unsigned flags = 0;
    for (int k = 0; k < Block / 2; ++k) {
      Double2 p, q;
      std::memcpy(&p, &r[2 * k].X, sizeof p);
      std::memcpy(&q, &r[2 * k + 1].X, sizeof q);
      a[k] = q < p ? q : p;
      b[k] = q > p ? q : p;
      s[k] = p + q;
      flags |= r[2 * k].Flags | r[2 * k + 1].Flags;
    }
    for (int w = Block / 4; w >= 1; w /= 2)
      for (int k = 0; k < w; ++k) {
        a[k] = a[k + w] < a[k] ? a[k + w] : a[k];
        b[k] = b[k + w] > b[k] ? b[k + w] : b[k];
        s[k] = s[k] + s[k + w];
      }
    const Double2 finite = s[0] - s[0];
    minY = a[0][1];
    maxY = b[0][1];
    return (finite[0] == 0) & (finite[1] == 0) & !(flags & Gap) & (a[0][0] >= Lo_) & (b[0][0] <= Hi_);
  }

  TiPlotColumnReducer& Reducer_;
  const TiPlotColumnMap& Columns_;
  TiPlotMinMaxPoint* Hot_ = nullptr;
  double Lo_ = 1, Hi_ = 0;  // the hot column's window; empty while there is none
};

inline void ReducePoints(const TiPlotDataNullList& data, int first, int last, TiPlotColumnReducer& reducer,
                         const TiPlotColumnMap& columns) {
  TiPlotStandardWalk walk(reducer, columns);
  data.ForEachRun(first, last, [&](const TiPlotDataNullRecord* r, int n, int) { walk.Run(r, n); });
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

// The walk over the compact list. Inside a column the records are taken
// sixteen at a time: one test says whether all of them lie in the column's
// window with finite values, and their extremes come from a tree of lane-wise
// minima and maxima, with no chain from one point to the next. A block that
// fails the test (it leaves the column, holds a NaN or an infinity) is walked
// point by point, which gives the same columns as if every block were.
class TiPlotCompactWalk {
 public:
  static constexpr int Block = 16;

  TiPlotCompactWalk(TiPlotColumnReducer& reducer, const TiPlotColumnMap& columns)
      : Reducer_(reducer), Columns_(columns) {}

  void Run(const TiPlotDataCompactRecord* r, int n) {
    int i = 0;
    for (; i + Block <= n; i += Block) {
      __builtin_prefetch(r + i + 256);
      __builtin_prefetch(r + i + 264);
      float minY, maxY;
      if (BlockInWindow(r + i, minY, maxY)) {
        Hot_->Join(minY, maxY, r[i + Block - 1].Y);
      } else {
        for (int j = i; j < i + Block; ++j) Put(r[j]);
      }
    }
    for (; i < n; ++i) Put(r[i]);
  }

 private:
  void Put(const TiPlotDataCompactRecord& p) {
    if (p.X >= Lo_ && p.X <= Hi_) {
      const double y = p.Y;
      Hot_->Join(y, y, y);
      return;
    }
    const double x = p.X;
    const int px = Columns_.Pixel(x);
    Hot_ = &Reducer_.Put(px, x, p.Y);
    double lo, hi;
    Columns_.Window(px, lo, hi);
    SingleWindow(lo, hi, Lo_, Hi_);
  }

  // Read as eight vectors of (x, y, x, y). The sum of all values is finite
  // only when every value is (or the sum overflows, which takes the slow way).
  // GCC's vector type and not loops it might vectorize: inlined into the walk
  // the same loops stayed scalar and the walk took twice as long.
  bool BlockInWindow(const TiPlotDataCompactRecord* r, float& minY, float& maxY) const {
    typedef float Float4 __attribute__((vector_size(16)));
    static_assert(sizeof(TiPlotDataCompactRecord) == 2 * sizeof(float));
    Float4 a[Block / 2], b[Block / 4], s[Block / 4];
    std::memcpy(a, r, sizeof a);
    for (int k = 0; k < Block / 4; ++k) {
      const Float4 p = a[2 * k], q = a[2 * k + 1];
      a[k] = q < p ? q : p;
      b[k] = q > p ? q : p;
      s[k] = p + q;
    }
    for (int w = Block / 8; w >= 1; w /= 2)
      for (int k = 0; k < w; ++k) {
        a[k] = a[k + w] < a[k] ? a[k + w] : a[k];
        b[k] = b[k + w] > b[k] ? b[k + w] : b[k];
        s[k] = s[k] + s[k + w];
      }
    const float sum = (s[0][0] + s[0][1]) + (s[0][2] + s[0][3]);
    const float minX = a[0][2] < a[0][0] ? a[0][2] : a[0][0];
    const float maxX = b[0][2] > b[0][0] ? b[0][2] : b[0][0];
    minY = a[0][3] < a[0][1] ? a[0][3] : a[0][1];
    maxY = b[0][3] > b[0][1] ? b[0][3] : b[0][1];
    return (sum - sum == 0) & (minX >= Lo_) & (maxX <= Hi_);
  }

  TiPlotColumnReducer& Reducer_;
  const TiPlotColumnMap& Columns_;
  TiPlotMinMaxPoint* Hot_ = nullptr;
  float Lo_ = 1, Hi_ = 0;  // the hot column's window in single precision
};

inline void ReducePoints(const TiPlotDataCompactList& data, int first, int last, TiPlotColumnReducer& reducer,
                         const TiPlotColumnMap& columns) {
  TiPlotCompactWalk walk(reducer, columns);
  data.ForEachRun(first, last, [&](const TiPlotDataCompactRecord* r, int n, int) { walk.Run(r, n); });
}

template <class List>
void DrawReducedTrace(List& data, int first, int last, TiPlotTraceDrawer& drawer) {
  if (first < 0 || last < 0 || first == last) return;
  TiPlotColumnReducer reducer(drawer);
  ReducePoints(data, first, last, reducer, TiPlotColumnMap(drawer.XAxis));
  reducer.Flush();
}
