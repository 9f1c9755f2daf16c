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
    // An extended sum that lives in memory costs a store and a reload per
    // value; a few values wait here and are summed in one go, in the same
    // order, so every partial sum is rounded as it would be one by one.
    PendingX_[Pending_] = X;
    PendingY_[Pending_] = Y;
    if (++Pending_ == kPending) Fold();
  }
  // Sum / count rounded to double, 0 without points. Worked out when read:
  // an extended division per point would cost more than the rest of Add.
  double XMean() const { return Mean(Sum(XSum_, PendingX_)); }
  double YMean() const { return Mean(Sum(YSum_, PendingY_)); }

  // Wider than the list's 32-bit count: a ring buffer keeps counting the
  // points it has dropped, and that total can pass 2^31 on a long run.
  int64_t StatCount = 0;
  double XMin = NoMin, XMax = NoMax;
  double YMin = NoMin, YMax = NoMax;

 private:
  static constexpr int kPending = 16;

  long double Sum(long double sum, const double (&pending)[kPending]) const {
    for (int i = 0; i < Pending_; ++i) sum += pending[i];
    return sum;
  }
  void Fold() {
    long double x = XSum_, y = YSum_;
    for (int i = 0; i < kPending; ++i) {
      x += PendingX_[i];
      y += PendingY_[i];
    }
    XSum_ = x;
    YSum_ = y;
    Pending_ = 0;
  }
  double Mean(long double sum) const { return StatCount ? static_cast<double>(sum / StatCount) : 0.0; }

  long double XSum_ = 0, YSum_ = 0;
  int Pending_ = 0;
  double PendingX_[kPending] = {}, PendingY_[kPending] = {};
};
