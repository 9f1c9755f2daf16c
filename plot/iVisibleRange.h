// The index range of a channel's points that an X range shows. While the
// stored X values run one way it is found by binary search, and includes the
// nearest point at or beyond each edge, so lines to off-screen neighbours are
// drawn up to the edge (an exact hit on an edge adds no neighbour). Once an X
// has gone back (a reload replays from 0, a sample counter wraps) no search
// can find the points in view: the range is then every point, and drawing
// keeps what lies inside the axes.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

// How a channel's X values run, which decides how its points are found.
enum TiXOrder : uint8_t { ixoAscending, ixoDescending, ixoUnsorted };

// The order the walks may rely on: the channel's direction (decided by its
// first two points) while the list still runs that way.
template <class List>
TiXOrder XOrderOf(List& data, bool ascending) {
  if (ascending) return data.XAscending() ? ixoAscending : ixoUnsorted;
  return data.XDescending() ? ixoDescending : ixoUnsorted;
}

// Any X source: X(index) for 0 <= index < Count(), sorted as `ascending` says.
template <class Source>
int SearchXIndex(Source& data, double value, bool ascending) {
  int lo = 0, hi = data.Count() - 1, result = -1;
  while (hi >= lo) {
    const int mid = lo + (hi - lo) / 2;
    result = mid;
    const double x = data.GetX(mid);
    if (x == value) break;
    const bool lower = ascending ? value < x : value > x;
    if (lower)
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  return result;
}

inline int ClampIndex(int index, int count) { return index < 0 ? 0 : (index > count - 1 ? count - 1 : index); }

// -1 when there are no points.
template <class Source>
int SearchFirstVisible(Source& data, double min, double max, TiXOrder order) {
  if (data.Count() == 0) return -1;
  int i;
  if (order == ixoUnsorted) {
    i = 0;
  } else if (order == ixoAscending) {
    i = SearchXIndex(data, min, true);
    if (data.GetX(i) > min) --i;
  } else {
    i = SearchXIndex(data, max, false);
    if (max > data.GetX(i)) --i;
  }
  return ClampIndex(i, data.Count());
}

template <class Source>
int SearchLastVisible(Source& data, double min, double max, TiXOrder order) {
  if (data.Count() == 0) return -1;
  int i;
  if (order == ixoUnsorted) {
    i = data.Count() - 1;
  } else if (order == ixoAscending) {
    i = SearchXIndex(data, max, true);
    if (max > data.GetX(i)) ++i;
  } else {
    i = SearchXIndex(data, min, false);
    if (data.GetX(i) > min) ++i;
  }
  return ClampIndex(i, data.Count());
}

// Calls run(a, b) for each stretch a..b of first..last whose points lie in
// view or end a segment that reaches into it; what lies between two
// stretches shows nothing. Sorted, that is the whole range, once (the search
// put only such points in it). Unsorted, the range is every point and each
// is looked at: a point counts when its X lies in [min, max], or when a
// segment to a neighbour reaches strictly inside the range, as the search's
// edge neighbours do. A point whose X goes back against the channel's
// direction (`ascending`) starts a stretch of its own: it begins a new run
// (a replay from 0, a wrapped counter), and no line joins it to the end of
// the run before. So each stretch is drawn as a sorted range would be.
template <class Source, class Run>
void WalkStretchesInView(Source& data, int first, int last, double min, double max, bool ascending, Run&& run);

// The first index of a..b whose X is not below `value`, b + 1 when none; the
// X values of a..b never go down.
template <class Source>
int LowerXBound(Source& data, int a, int b, double value) {
  int lo = a, hi = b + 1;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (data.GetX(mid) < value)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

template <class Source, class Run>
void ForEachStretchInView(Source& data, int first, int last, double min, double max, TiXOrder order, bool ascending,
                          Run&& run) {
  if (first < 0 || last < first) return;
  if (order != ixoUnsorted) {
    run(first, last);
    return;
  }
  // A few ascending runs (the usual way an ascending channel stops being
  // sorted): in each, only the points from the last one below the view to
  // the first one beyond it can show, and the walk there finds what a walk
  // over the whole run would, since a run's first point joins nothing before
  // it and points outside both ends reach nothing in view.
  if constexpr (requires { data.ForEachAscendingRun(first, last, [](int, int) {}); }) {
    if (ascending && data.ForEachAscendingRun(first, last, [&](int a, int b) {
          const int from = std::max(a, LowerXBound(data, a, b, min) - 1);
          const int to = std::min(b, LowerXBound(data, a, b, std::nextafter(max, HUGE_VAL)));
          WalkStretchesInView(data, from, std::max(from, to), min, max, ascending, run);
        }))
      return;
  }
  WalkStretchesInView(data, first, last, min, max, ascending, run);
}

template <class Source, class Run>
void WalkStretchesInView(Source& data, int first, int last, double min, double max, bool ascending, Run&& run) {
  const auto inside = [&](double x) { return x >= min && x <= max; };
  const auto onward = [&](double a, double b) { return ascending ? b >= a : b <= a; };
  const auto reaches = [&](double a, double b) {
    const double lo = a < b ? a : b, hi = a < b ? b : a;
    return hi > min && lo < max;
  };
  int start = -1;
  double x = data.GetX(first);
  bool fromPrevious = false;  // the segment from the previous point reaches in
  for (int i = first; i <= last; ++i) {
    const double next = i < last ? data.GetX(i + 1) : 0;
    const bool joined = i < last && onward(x, next);
    const bool toNext = joined && reaches(x, next);
    if (inside(x) || fromPrevious || toNext) {
      if (start < 0) start = i;
    } else if (start >= 0) {
      run(start, i - 1);
      start = -1;
    }
    if (!joined && start >= 0) {
      run(start, i);
      start = -1;
    }
    fromPrevious = toNext;
    x = next;
  }
}

// Calls visit(i) for each point ForEachStretchInView finds.
template <class Source, class Visit>
void ForEachPointInView(Source& data, int first, int last, double min, double max, TiXOrder order, bool ascending,
                        Visit&& visit) {
  ForEachStretchInView(data, first, last, min, max, order, ascending, [&](int a, int b) {
    for (int i = a; i <= b; ++i) visit(i);
  });
}

// FindIndex(X) of a strip-chart channel whose X values do not run one way
// (XOrderOf gives ixoUnsorted; sorted data take the binary search): the
// newest point i >= 1 whose segment from point i - 1 holds x, ends included,
// among the segments that run the channel's way (no line joins a point that
// went back to the one before it). Those are the newest data that cover x,
// read against predecessor i - 1 as for ascending data. -1 when no segment
// holds x.
template <class Source>
int FindXIndexUnsorted(Source& data, double x, bool ascending) {
  for (int i = data.Count() - 1; i >= 1; --i) {
    const double a = data.GetX(i - 1), b = data.GetX(i);
    if (ascending ? (a <= x && x <= b) : (b <= x && x <= a)) return i;
  }
  return -1;
}
