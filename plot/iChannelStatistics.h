// The running statistics of a channel: extremes, count and means of every
// point added since the last reset.
//
// The sums are compensated (Neumaier): a long run of large values plus small
// changes keeps a mean within a few units in the last place of the exact one,
// in plain doubles, on any compiler and target.
//
// Extremes start at 1e300 (minima) and -1e300 (maxima); axes ignore extents
// left at those values.
#pragma once
#include <cmath>
#include <cstdint>

class TiPlotChannelStatistics {
 public:
  static constexpr double NoMin = 1e300;
  static constexpr double NoMax = -1e300;

  void Reset() { *this = TiPlotChannelStatistics(); }
  void Add(double X, double Y) {
    X_.Join(X);
    Y_.Join(Y);
    ++Count_;
  }

  // Wider than the list's 32-bit count: a ring buffer keeps counting the
  // points it has dropped, and that total can pass 2^31 on a long run.
  int64_t Count() const { return Count_; }
  double XMin() const { return X_.Min; }
  double XMax() const { return X_.Max; }
  double YMin() const { return Y_.Min; }
  double YMax() const { return Y_.Max; }
  // Sum / count, 0 without points.
  double XMean() const { return Mean(X_); }
  double YMean() const { return Mean(Y_); }

 private:
  // One dimension's figures. A value joins as: a larger one is the new
  // maximum; one not at least the minimum (so NaN too) is the new minimum.
  struct TFigures {
    double Min = NoMin, Max = NoMax;
    double Sum = 0, Compensation = 0;  // the sum is Sum + Compensation
    void Join(double v) {
      if (v > Max) Max = v;
      if (!(v >= Min)) Min = v;
      const double t = Sum + v;
      // What the addition rounded away, from the smaller addend; nothing to
      // keep once the sum is not finite (it stays NaN or infinite).
      if (std::isfinite(t)) Compensation += std::fabs(Sum) >= std::fabs(v) ? (Sum - t) + v : (v - t) + Sum;
      Sum = t;
    }
  };

  double Mean(const TFigures& f) const {
    return Count_ ? (f.Sum + f.Compensation) / static_cast<double>(Count_) : 0.0;
  }

  int64_t Count_ = 0;
  TFigures X_, Y_;
};
