// The running statistics of a channel: extremes, count and means of every
// point added since the last reset. The sums are kept in 80-bit extended
// precision so that a long run of large values plus small changes still has
// an exact mean in double precision.
//
// Extremes start at 1e300 (minima) and -1e300 (maxima); axes ignore extents
// left at those values.
#pragma once
#include <cfloat>
#include <cstdint>

static_assert(LDBL_MANT_DIG >= 64, "the running sums need extended precision");

class TiPlotChannelStatistics {
 public:
  static constexpr double NoMin = 1e300;
  static constexpr double NoMax = -1e300;

  void Reset() { *this = TiPlotChannelStatistics(); }
  void Add(double X, double Y) {
    if (X > XMax) XMax = X;
    if (!(X >= XMin)) XMin = X;
    if (Y > YMax) YMax = Y;
    if (!(Y >= YMin)) YMin = Y;
    ++StatCount;
    XSum += X;
    YSum += Y;
  }
  // Sum / count rounded to double, 0 without points. Worked out when read:
  // an extended division per point would cost more than the rest of Add.
  double XMean() const { return Mean(XSum); }
  double YMean() const { return Mean(YSum); }

  // Wider than the list's 32-bit count: a ring buffer keeps counting the
  // points it has dropped, and that total can pass 2^31 on a long run.
  int64_t StatCount = 0;
  double XMin = NoMin, XMax = NoMax;
  double YMin = NoMin, YMax = NoMax;
  long double XSum = 0, YSum = 0;

 private:
  double Mean(long double sum) const { return StatCount ? static_cast<double>(sum / StatCount) : 0.0; }
};
