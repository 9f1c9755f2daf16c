// The point store of one channel. Points live in one contiguous block of
// fixed-size records, grown like a dynamic array, or, once RingBufferSize is
// set, a ring of that many slots where every new point overwrites the oldest.
//
// Indexes are logical (0 = oldest point) and pass through PhysicalIndex, so a
// bad index raises "Index out of Bounds". The list also carries the channel's
// default point attributes (the channel's properties of those names are these
// fields); lists that keep no per-point attribute answer with the default.
//
// The list also knows whether its X values still run one way (XAscending,
// XDescending): while they do, a channel finds the points an X range shows by
// binary search; once an X goes back (a reload replays from 0, a sample
// counter wraps) it must look at every point.
//
// Invariants: 0 <= Count <= Capacity <= MaxCount; RingStart is 0 unless the
// ring is active and full. One thread (the plot's) uses a list.
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "plot/iTypes.h"
#include "platform/Types.h"

// The default attributes of a point, in their stored order and widths. The
// full list keeps one copy per point.
struct TiPlotPointAttributes {
  TColor Color = 0;
  int32_t TraceLineWidth = 0;
  TiPlotLineStyle TraceLineStyle = iplsSolid;
  bool MarkersVisible = false;
  int32_t MarkersSize = 0;
  TiPlotMarkerStyle MarkersStyle = ipmsCircle;
  TColor MarkersPenColor = 0;
  int32_t MarkersPenWidth = 0;
  uint8_t MarkersPenStyle = 0;  // a pen style (psSolid = 0)
  TColor MarkersBrushColor = 0;
  uint8_t MarkersBrushStyle = 0;  // a brush style (bsSolid = 0)
  char MarkersCharacter = 0;
  bool BarVisible = false;
  double BarReference = 0;
  double BarWidth = 0;
  TColor BarPenColor = 0;
  int32_t BarPenWidth = 0;
  uint8_t BarPenStyle = 0;
  TColor BarBrushColor = 0;
  uint8_t BarBrushStyle = 0;
};

class TiPlotDataCustomList : public TiPlotPointAttributes {
 public:
  TiPlotDataCustomList();  // BarVisible true, every other field zero
  virtual ~TiPlotDataCustomList() = default;
  TiPlotDataCustomList(const TiPlotDataCustomList&) = delete;
  TiPlotDataCustomList& operator=(const TiPlotDataCustomList&) = delete;

  virtual double GetX(int Index) = 0;
  virtual double GetY(int Index) = 0;
  virtual bool GetEmpty(int Index) { return false; }
  virtual bool GetNull(int Index) { return false; }
  virtual double GetHigh(int Index) { return 0.0; }
  virtual double GetLow(int Index) { return 0.0; }
  virtual double GetOpen(int Index) { return 0.0; }
  virtual double GetClose(int Index) { return 0.0; }
  virtual void SetX(int Index, double Value) = 0;
  virtual void SetY(int Index, double Value) = 0;
  virtual void SetEmpty(int Index, bool Value) {}
  virtual void SetNull(int Index, bool Value) {}
  virtual void SetHigh(int Index, double Value) {}
  virtual void SetLow(int Index, double Value) {}
  virtual void SetOpen(int Index, double Value) {}
  virtual void SetClose(int Index, double Value) {}

  // Per-point attributes: the default here, the index ignored.
  virtual TColor GetColor(int Index) { return Color; }
  virtual int32_t GetTraceLineWidth(int Index) { return TraceLineWidth; }
  virtual TiPlotLineStyle GetTraceLineStyle(int Index) { return TraceLineStyle; }
  virtual bool GetMarkersVisible(int Index) { return MarkersVisible; }
  virtual int32_t GetMarkersSize(int Index) { return MarkersSize; }
  virtual TiPlotMarkerStyle GetMarkersStyle(int Index) { return MarkersStyle; }
  virtual TColor GetMarkersPenColor(int Index) { return MarkersPenColor; }
  virtual int32_t GetMarkersPenWidth(int Index) { return MarkersPenWidth; }
  virtual uint8_t GetMarkersPenStyle(int Index) { return MarkersPenStyle; }
  virtual TColor GetMarkersBrushColor(int Index) { return MarkersBrushColor; }
  virtual uint8_t GetMarkersBrushStyle(int Index) { return MarkersBrushStyle; }
  virtual char GetMarkersCharacter(int Index) { return MarkersCharacter; }
  virtual bool GetBarVisible(int Index) { return BarVisible; }
  virtual double GetBarReference(int Index) { return BarReference; }
  virtual double GetBarWidth(int Index) { return BarWidth; }
  virtual TColor GetBarPenColor(int Index) { return BarPenColor; }
  virtual int32_t GetBarPenWidth(int Index) { return BarPenWidth; }
  virtual uint8_t GetBarPenStyle(int Index) { return BarPenStyle; }
  virtual TColor GetBarBrushColor(int Index) { return BarBrushColor; }
  virtual uint8_t GetBarBrushStyle(int Index) { return BarBrushStyle; }

  // Per-point attribute setters: no effect unless the list keeps the field.
  virtual void SetColor(int Index, TColor Value) {}
  virtual void SetTraceLineWidth(int Index, int32_t Value) {}
  virtual void SetTraceLineStyle(int Index, TiPlotLineStyle Value) {}
  virtual void SetMarkersVisible(int Index, bool Value) {}
  virtual void SetMarkersSize(int Index, int32_t Value) {}
  virtual void SetMarkersStyle(int Index, TiPlotMarkerStyle Value) {}
  virtual void SetMarkersPenColor(int Index, TColor Value) {}
  virtual void SetMarkersPenWidth(int Index, int32_t Value) {}
  virtual void SetMarkersPenStyle(int Index, uint8_t Value) {}
  virtual void SetMarkersBrushColor(int Index, TColor Value) {}
  virtual void SetMarkersBrushStyle(int Index, uint8_t Value) {}
  virtual void SetMarkersCharacter(int Index, char Value) {}
  virtual void SetBarVisible(int Index, bool Value) {}
  virtual void SetBarReference(int Index, double Value) {}
  virtual void SetBarWidth(int Index, double Value) {}
  virtual void SetBarPenColor(int Index, TColor Value) {}
  virtual void SetBarPenWidth(int Index, int32_t Value) {}
  virtual void SetBarPenStyle(int Index, uint8_t Value) {}
  virtual void SetBarBrushColor(int Index, TColor Value) {}
  virtual void SetBarBrushStyle(int Index, uint8_t Value) {}

  // Releases the record block (Count and Capacity become 0).
  virtual void FreeItems() = 0;
  // Appends a point; returns its index while the list grows, or the storage
  // slot it overwrote once a ring is full (its logical index is then Count-1).
  virtual int Add(double X, double Y) = 0;
  // Forgets every point; a growing list also releases its block.
  virtual void Clear();
  // Raises "Exceed Maximum List Size" above MaxCount; Count follows a shrink.
  virtual void SetCapacity(int N) = 0;
  // Drops the N oldest points, moving the rest to the front.
  virtual void DeleteOldest(int N) = 0;
  virtual void GetPoint(int Index, double& X, double& Y, bool& Empty, bool& Null) = 0;

  int Count() const { return Count_; }
  int Capacity() const { return Capacity_; }
  int RingStart() const { return RingStart_; }
  bool RingActive() const { return RingActive_; }
  int ItemSize() const { return ItemSize_; }
  int MaxCount() const { return MaxCount_; }
  int64_t MemorySize() const { return int64_t{ItemSize_} * Capacity_; }

  // The storage slot of logical point Index.
  int PhysicalIndex(int Index) const {
    // One unsigned compare covers both ends.
    if (static_cast<unsigned>(Index) >= static_cast<unsigned>(Count_)) RaiseIndexError();
    // Said apart so that a walk over an unwrapped list compiles to a plain
    // array walk: the test does not change inside the loop.
    if (RingStart_ == 0) return Index;
    const int slot = Index + RingStart_;
    return slot >= Count_ ? slot - Count_ : slot;
  }

  // Capacity while a ring, else 0. Writing switches between the modes: 0 turns
  // the ring off (a wrapped ring loses its points, an unwrapped one keeps
  // them); any other size keeps the newest points that fit, except that a
  // wrapped ring is emptied first because it cannot be resized in place.
  int RingBufferSize() const { return RingActive_ ? Capacity_ : 0; }
  void SetRingBufferSize(int N);

  // True while no X stands below (XAscending) or above (XDescending) the one
  // before it; both hold for fewer than two points. A point that goes the
  // other way clears the flag until that point's predecessor has left the
  // list (overwritten by a ring, deleted as oldest) or the list is cleared.
  virtual bool XAscending() {
    if (XRunsStale_) CountXRuns();
    return AscendingRun_ >= Count_;
  }
  virtual bool XDescending() {
    if (XRunsStale_) CountXRuns();
    return DescendingRun_ >= Count_;
  }

  // Calls visit(a, b) for each stretch a..b of first..last whose X values
  // never go down, oldest first, and returns true; or returns false, having
  // called nothing, when the list has stopped keeping its steps down because
  // they are too many to help. A counter that wraps or a replay from 0 makes
  // a few long ascending runs: each can be searched like a sorted list.
  template <class Visit>
  bool ForEachAscendingRun(int first, int last, Visit&& visit) {
    if (XRunsStale_) CountXRuns();
    if (StepsDropped_) return false;
    DropStepsThatLeft();
    const int64_t oldest = Added_ - Count_;
    int start = first;
    for (int64_t serial : StepsDown_) {
      const int step = static_cast<int>(serial - oldest);
      if (step > last) break;
      if (step > start) visit(start, step - 1);
      start = std::max(start, step);
    }
    if (start <= last) visit(start, last);
    return true;
  }

 protected:
  // Add's note of the new point's X, made before Count changes. The runs
  // count the newest points whose X never went down (up); a full ring keeps
  // them at most one above Count.
  void NoteX(double X) {
    if (Count_ == 0) {
      AscendingRun_ = DescendingRun_ = 1;
      StepsDown_.clear();
      StepsDropped_ = false;
    } else {
      AscendingRun_ = X >= LastX_ ? std::min(AscendingRun_, Count_) + 1 : 1;
      DescendingRun_ = X <= LastX_ ? std::min(DescendingRun_, Count_) + 1 : 1;
      if (X < LastX_) NoteStepDown(Added_);
    }
    LastX_ = X;
    ++Added_;
  }
  // A stored X changed in place, or the newest points were cut off: the runs
  // are counted again when next asked.
  void ForgetXRuns() { XRunsStale_ = true; }

  void SetItemSize(int Size);
  void Grow();
  [[noreturn]] static void RaiseIndexError();

  int Count_ = 0;
  int Capacity_ = 0;
  int RingStart_ = 0;
  bool RingActive_ = false;
  int ItemSize_ = 1;
  int MaxCount_ = 0;

 private:
  void CountXRuns();
  void NoteStepDown(int64_t serial);
  void DropStepsThatLeft();
  int AscendingRun_ = 0, DescendingRun_ = 0;
  // Points are numbered as they are added (Added_ is the next number), so
  // that the oldest point is number Added_ - Count whether points left by a
  // ring overwriting them or by DeleteOldest. StepsDown_ holds the numbers of
  // the points whose X stands below their predecessor's, oldest first; the
  // ones that have left the list are dropped as they are met.
  int64_t Added_ = 0;
  std::vector<int64_t> StepsDown_;
  bool StepsDropped_ = false;  // too many to keep: walks look at every point
  double LastX_ = 0;  // of the newest point
  bool XRunsStale_ = false;
};
