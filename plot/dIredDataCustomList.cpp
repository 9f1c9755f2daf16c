#include "plot/dIredDataCustomList.h"

#include <algorithm>

#include "platform/Exception.h"

TiPlotDataCustomList::TiPlotDataCustomList() { BarVisible = true; }

void TiPlotDataCustomList::RaiseIndexError() { throw Exception("Index out of Bounds"); }

void TiPlotDataCustomList::SetItemSize(int Size) {
  ItemSize_ = Size;
  MaxCount_ = 2147483647 / Size;
}

// Steps of a quarter once the block is large, so adds stay amortised constant.
// Near MaxCount the last step is cut short rather than refused.
void TiPlotDataCustomList::Grow() {
  const int delta = Capacity_ > 64 ? Capacity_ / 4 : (Capacity_ > 8 ? 16 : 4);
  const int64_t wanted = int64_t{Capacity_} + delta;
  if (Capacity_ >= MaxCount_) throw Exception("Exceed Maximum List Size");
  SetCapacity(static_cast<int>(std::min<int64_t>(wanted, MaxCount_)));
}

// Rare (an X set in place, a cut): reads every X once.
// Steps down beyond one in every few dozen points make runs too short for a
// search to beat a walk; keeping them would only cost memory.
void TiPlotDataCustomList::NoteStepDown(int64_t serial) {
  if (StepsDropped_) return;
  DropStepsThatLeft();
  if (StepsDown_.size() > static_cast<size_t>(Count_ / 32) + 16) {
    StepsDown_.clear();
    StepsDown_.shrink_to_fit();
    StepsDropped_ = true;
    return;
  }
  StepsDown_.push_back(serial);
}

// A step is the oldest point of its run: once that point has left, the run
// it began is the oldest.
void TiPlotDataCustomList::DropStepsThatLeft() {
  const int64_t oldest = Added_ - Count_;
  const auto left = std::find_if(StepsDown_.begin(), StepsDown_.end(), [&](int64_t s) { return s > oldest; });
  StepsDown_.erase(StepsDown_.begin(), left);
}

void TiPlotDataCustomList::CountXRuns() {
  XRunsStale_ = false;
  AscendingRun_ = DescendingRun_ = std::min(Count_, 1);
  Added_ = Count_;
  StepsDown_.clear();
  StepsDropped_ = false;
  for (int i = 1; i < Count_; ++i)
    if (GetX(i) < GetX(i - 1)) NoteStepDown(i);
  if (Count_ == 0) return;
  LastX_ = GetX(Count_ - 1);
  double later = LastX_;
  bool up = true, down = true;
  for (int i = Count_ - 2; i >= 0 && (up || down); --i) {
    const double x = GetX(i);
    up = up && later >= x;
    down = down && later <= x;
    AscendingRun_ += up;
    DescendingRun_ += down;
    later = x;
  }
}

void TiPlotDataCustomList::Clear() {
  Count_ = 0;
  RingStart_ = 0;
  if (!RingActive_) SetCapacity(0);
}

void TiPlotDataCustomList::SetRingBufferSize(int N) {
  if (N < 0) throw Exception("Exceed Maximum List Size");
  if (N > MaxCount_) throw Exception("Exceed Maximum List Size");  // before anything changes
  if (N == 0) {
    if (!RingActive_) return;
    RingActive_ = false;
    if (RingStart_ != 0) Clear();
    return;
  }
  RingActive_ = true;
  if (N == Capacity_) return;
  if (RingStart_ != 0) Clear();
  if (N < Capacity_ && N < Count_) DeleteOldest(Count_ - N);
  SetCapacity(N);
}
