// The storage every data list shares: a block of trivially copyable records,
// reallocated in place where the allocator can, and the add-to-slot rule of
// growing lists and rings. Each list class supplies its record type and the
// record's fields; this template supplies the rest.
#pragma once
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <type_traits>

#include "platform/Exception.h"
#include "plot/dIredDataCustomList.h"
#include "plot/iLanes.h"
#include "plot/iMath.h"

// ToSingle with its common case in line: a value inside the single range
// converts directly, and only an overflow or a NaN pays for the call. The
// single-precision lists store every value through it.
inline float StoredSingle(double value) {
  if (std::fabs(value) <= FLT_MAX) return static_cast<float>(value);
  return ToSingle(value);
}

template <class Record>
class TiPlotDataRecordList : public TiPlotDataCustomList {
  static_assert(std::is_trivially_copyable_v<Record>, "records are moved as bytes");

 public:
  TiPlotDataRecordList() { SetItemSize(sizeof(Record)); }
  ~TiPlotDataRecordList() override { std::free(Items); }

  void FreeItems() override {
    std::free(Items);
    Items = nullptr;
    Count_ = Capacity_ = RingStart_ = 0;
  }

  // Calls run(records, count, firstIndex) for logical points first..last in
  // storage order: one run, or two when a wrapped ring splits them. A walk
  // over the runs reads records without an index check or slot rule each.
  template <class Run>
  void ForEachRun(int first, int last, Run&& run) const {
    if (first < 0 || last >= Count_ || first > last) return;
    const int start = first + RingStart_ >= Count_ ? first + RingStart_ - Count_ : first + RingStart_;
    const int n = last - first + 1;
    const int head = std::min(n, Count_ - start);
    run(static_cast<const Record*>(Items + start), head, first);
    if (head < n) run(static_cast<const Record*>(Items), n - head, first + head);
  }

  void SetCapacity(int N) override {
    if (N < 0 || N > MaxCount_) throw Exception("Exceed Maximum List Size");
    if (N == Capacity_) return;
    Unroll();  // so that a shrink keeps whole logical runs
    if (N == 0) {
      FreeItems();
      return;
    }
    void* block = std::realloc(Items, sizeof(Record) * static_cast<size_t>(N));
    if (!block) throw std::bad_alloc();
    Items = static_cast<Record*>(block);
    Capacity_ = N;
    if (Count_ > N) {
      Count_ = N;
      ForgetXRuns();
    }
  }

 protected:
  Record& At(int Index) { return Items[PhysicalIndex(Index)]; }

  static constexpr uintptr_t kStoreAhead = 64 * sizeof(Record);
  // Stores a new record by the growing or ring rule; returns what Add returns.
  int Store(const Record& r) {
    if constexpr (requires { r.X; }) NoteX(r.X);
    if (!RingActive_ || Count_ < Capacity_ || Capacity_ == 0) {
      if (Count_ == Capacity_) Grow();
      // The slots a few lines ahead are asked for now: once the block is
      // larger than the caches, each new line would otherwise be waited for.
      PrefetchForWrite(reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(Items + Count_) + kStoreAhead));
      Items[Count_] = r;
      return Count_++;
    }
    if (++RingStart_ == Count_) RingStart_ = 0;
    const int slot = RingStart_ == 0 ? Count_ - 1 : RingStart_ - 1;
    Items[slot] = r;
    return slot;
  }

  // SetX of the lists that store X.
  template <class Value>
  void StoreX(int Index, Value x) {
    At(Index).X = x;
    ForgetXRuns();
  }

  // Removes the N oldest points. `countAllowed` says whether N may equal Count.
  void RemoveOldest(int N, bool countAllowed, const char* message) {
    const bool inRange = N >= 0 && (countAllowed ? N <= Count_ : N < Count_);
    if (!inRange) throw Exception(message);
    Unroll();
    std::copy(Items + N, Items + Count_, Items);
    Count_ -= N;
  }

  Record* Items = nullptr;

 private:
  // Rotates a wrapped ring back into logical order, so that operations on
  // storage slots see the oldest point first. Only rare operations pay this.
  void Unroll() {
    if (RingStart_ == 0) return;
    std::rotate(Items, Items + RingStart_, Items + Count_);
    RingStart_ = 0;
  }
};
