// Rectangle arithmetic for objects that keep hit and handle rectangles in
// pixels. Rectangles are half-open (Left..Right-1, Top..Bottom-1), as the
// canvas fills them.
#pragma once
#include <algorithm>

#include "platform/Types.h"

// Left <= Right and Top <= Bottom.
inline TRect Normalized(const TRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
          std::max(r.Top, r.Bottom)};
}

// The common part; empty (IsEmpty) when they do not meet.
inline TRect Intersection(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
}

inline bool Intersects(const TRect& a, const TRect& b) { return !Intersection(a, b).IsEmpty(); }

inline TRect Inflated(const TRect& r, int dx, int dy) {
  return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}

inline TRect Offset(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

// A square of `size` pixels centred on p.
inline TRect Centred(TPoint p, int size) { return Bounds(p.X - size / 2, p.Y - size / 2, size, size); }

// With `exchange`, x and y swap roles: objects drawn against reversed axes
// build their geometry in axis orientation and turn it here.
inline TPoint Oriented(TPoint p, bool exchange) { return exchange ? TPoint{p.Y, p.X} : p; }
inline TRect Oriented(const TRect& r, bool exchange) {
  return exchange ? TRect{r.Top, r.Left, r.Bottom, r.Right} : r;
}
