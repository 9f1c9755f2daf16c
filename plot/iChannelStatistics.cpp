#include "plot/iChannelStatistics.h"

#include <cstring>

namespace {

// Two doubles side by side, in GCC's vector type: plain loops over them stay
// vectorized where a loop over doubles would not.
typedef double TPair __attribute__((vector_size(16)));

TPair PairAt(const double* v) {
  TPair p;
  std::memcpy(&p, v, sizeof p);
  return p;
}

}  // namespace

void TiPlotChannelStatistics::TFigures::JoinBatch(const double (&v)[kPending]) {
  // One chain of extended adds, in order: each partial sum is rounded as it
  // would be one value at a time.
  long double sum = Sum;
  for (double x : v) sum += x;
  Sum = sum;

  // The extremes two lanes at a time, the even values in one lane and the
  // odd ones in the other; each lane keeps the earlier of equal values, as
  // one by one does. Between the lanes that order is lost, which only shows
  // for zeros of either sign: such a batch joins one value at a time, as
  // does one holding a NaN (its total is then NaN too).
  TPair lo = PairAt(v), hi = lo, total = lo;
  for (int i = 2; i < kPending; i += 2) {
    const TPair p = PairAt(v + i);
    lo = p < lo ? p : lo;
    hi = p > hi ? p : hi;
    total += p;
  }
  const double batchMin = lo[1] < lo[0] ? lo[1] : lo[0];
  const double batchMax = hi[1] > hi[0] ? hi[1] : hi[0];
  const double batchTotal = total[0] + total[1];
  if (batchTotal != batchTotal || batchMin == 0 || batchMax == 0) {
    for (double x : v) JoinExtremes(x);
    return;
  }
  JoinExtremes(batchMin);
  JoinExtremes(batchMax);
}
