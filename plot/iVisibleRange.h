// The index range of a channel's points that an X range shows, found by
// binary search over the stored X values (which run monotonically up or
// down). The range includes the nearest point at or beyond each edge, so
// lines to off-screen neighbours are drawn up to the edge; an exact hit on an
// edge adds no neighbour.
#pragma once

// Any X source: X(index) for 0 <= index < Count().
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
int SearchFirstVisible(Source& data, double min, double max, bool ascending) {
  if (data.Count() == 0) return -1;
  int i;
  if (ascending) {
    i = SearchXIndex(data, min, true);
    if (data.GetX(i) > min) --i;
  } else {
    i = SearchXIndex(data, max, false);
    if (max > data.GetX(i)) --i;
  }
  return ClampIndex(i, data.Count());
}

template <class Source>
int SearchLastVisible(Source& data, double min, double max, bool ascending) {
  if (data.Count() == 0) return -1;
  int i;
  if (ascending) {
    i = SearchXIndex(data, max, true);
    if (max > data.GetX(i)) ++i;
  } else {
    i = SearchXIndex(data, min, false);
    if (data.GetX(i) > min) ++i;
  }
  return ClampIndex(i, data.Count());
}
