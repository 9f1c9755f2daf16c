// round(x) of the whole program: to the nearest integer, halves to the even
// neighbour. trunc cuts toward zero.
#pragma once
#include <cmath>
#include <cstdint>

inline int64_t Round(double x) { return static_cast<int64_t>(std::nearbyint(x)); }
inline int64_t Trunc(double x) { return static_cast<int64_t>(std::trunc(x)); }
