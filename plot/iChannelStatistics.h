// The running statistics of a channel: extremes, count and means of every
// point added since the last reset. The sums are kept in 80-bit extended
// precision so that a long run of large values plus small changes still has
// an exact mean in double precision.
//
// Extremes start at 1e300 (minima) and -1e300 (maxima); axes ignore extents
// left at those values.
#pragma once
#include <cstdint>

class TiPlotChannelStatistics {
 public:
  static constexpr double NoMin = 1e300;
  static constexpr double NoMax = -1e300;

  void Reset() { *this = TiPlotChannelStatistics(); }
  void Add(double X, double Y);

  // Wider than the list's 32-bit count: a ring buffer keeps counting the
  // points it has dropped, and that total can pass 2^31 on a long run.
  int64_t StatCount = 0;
  double XMin = NoMin, XMax = NoMax, XMean = 0;
  double YMin = NoMin, YMax = NoMax, YMean = 0;
  long double XSum = 0, YSum = 0;
};
