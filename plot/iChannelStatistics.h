// The running statistics of a channel: extremes, count and means of every
// point added since the last reset. The sums are kept in 80-bit extended
// precision so that a long run of large values plus small changes still has
// an exact mean in double precision.
//
// Extremes start at 1e300 (minima) and -1e300 (maxima); axes ignore extents
// left at those values.
//
// Points wait in a small batch and join the figures sixteen at a time; every
// figure read counts the waiting ones, exactly as if each had joined on its
// own, in order.
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
    PendingX_[Pending_] = X;
    PendingY_[Pending_] = Y;
    if (++Pending_ == kPending) Fold();
  }

  // Wider than the list's 32-bit count: a ring buffer keeps counting the
  // points it has dropped, and that total can pass 2^31 on a long run.
  int64_t Count() const { return Folded_ + Pending_; }
  double XMin() const { return WithPending(X_, PendingX_).Min; }
  double XMax() const { return WithPending(X_, PendingX_).Max; }
  double YMin() const { return WithPending(Y_, PendingY_).Min; }
  double YMax() const { return WithPending(Y_, PendingY_).Max; }
  // Sum / count rounded to double, 0 without points. Worked out when read:
  // an extended division per point would cost more than the rest of Add.
  double XMean() const { return Mean(WithPending(X_, PendingX_).Sum); }
  double YMean() const { return Mean(WithPending(Y_, PendingY_).Sum); }

 private:
  static constexpr int kPending = 16;

  // One dimension's figures. A value joins as: a larger one is the new
  // maximum; one not at least the minimum (so NaN too) is the new minimum;
  // it is added to the extended sum.
  struct TFigures {
    double Min = NoMin, Max = NoMax;
    long double Sum = 0;
    void JoinExtremes(double v) {
      if (v > Max) Max = v;
      if (!(v >= Min)) Min = v;
    }
    void Join(double v) {
      JoinExtremes(v);
      Sum += v;
    }
    void JoinBatch(const double (&v)[kPending]);
  };

  // The figures as if the waiting points had joined one by one.
  TFigures WithPending(TFigures f, const double (&pending)[kPending]) const {
    for (int i = 0; i < Pending_; ++i) f.Join(pending[i]);
    return f;
  }
  double Mean(long double sum) const { return Count() ? static_cast<double>(sum / Count()) : 0.0; }
  void Fold() {
    X_.JoinBatch(PendingX_);
    Y_.JoinBatch(PendingY_);
    Folded_ += kPending;
    Pending_ = 0;
  }

  int64_t Folded_ = 0;  // points joined to the figures; Pending_ more wait
  TFigures X_, Y_;
  int Pending_ = 0;
  double PendingX_[kPending] = {}, PendingY_[kPending] = {};
};
