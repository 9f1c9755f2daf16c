// The compiler specifics of the program's hot loops, in one place: 16-byte
// vectors of lanes with lane-wise sums, minima and maxima, and a prefetch
// hint. GCC and Clang get their vector types: the walks that use them were
// seen to go scalar, at twice the time, when written as plain loops the
// compiler might vectorize. Any other compiler gets an array with the same
// operations and results, and no prefetch.
#pragma once
#include <cstring>

#if defined(__GNUC__)

template <class T>
struct TLanesOf {
  typedef T Type __attribute__((vector_size(16)));
};
template <class T>
using TLanes = typename TLanesOf<T>::Type;

template <class V>
inline V LaneMin(V a, V b) {
  return b < a ? b : a;
}
template <class V>
inline V LaneMax(V a, V b) {
  return b > a ? b : a;
}
inline void Prefetch(const void* p) { __builtin_prefetch(p); }
inline void PrefetchForWrite(const void* p) { __builtin_prefetch(p, 1); }

#else

template <class T>
struct TLanes {
  static constexpr int N = 16 / sizeof(T);
  T v[N];
  T operator[](int i) const { return v[i]; }
  TLanes operator+(const TLanes& o) const {
    TLanes r;
    for (int i = 0; i < N; ++i) r.v[i] = v[i] + o.v[i];
    return r;
  }
};
template <class V>
inline V LaneMin(V a, V b) {
  for (int i = 0; i < V::N; ++i) a.v[i] = b.v[i] < a.v[i] ? b.v[i] : a.v[i];
  return a;
}
template <class V>
inline V LaneMax(V a, V b) {
  for (int i = 0; i < V::N; ++i) a.v[i] = b.v[i] > a.v[i] ? b.v[i] : a.v[i];
  return a;
}
inline void Prefetch(const void*) {}
inline void PrefetchForWrite(const void*) {}

#endif

// Sixteen bytes from p as a vector.
template <class V>
inline V LoadLanes(const void* p) {
  V v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
