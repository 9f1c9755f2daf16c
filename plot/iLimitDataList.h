// The band elements of a poly-band limit: at each position along one axis,
// the low and high edge of the band on the other axis. Elements are expected
// in increasing position order; the list keeps them as they are added.
#pragma once
#include <vector>

struct TiLimitDataRecord {
  double Position = 0;
  double Low = 0;
  double High = 0;
};
static_assert(sizeof(TiLimitDataRecord) == 24, "a band element is three doubles");

class TiLimitDataList {
 public:
  int Count() const { return static_cast<int>(Items_.size()); }
  // Raises "Index out of Bounds" outside 0 .. Count - 1.
  const TiLimitDataRecord& Item(int index) const;
  void Add(double position, double low, double high) { Items_.push_back({position, low, high}); }
  void Clear() { Items_.clear(); }

 private:
  std::vector<TiLimitDataRecord> Items_;
};
