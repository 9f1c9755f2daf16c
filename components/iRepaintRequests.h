// When a component's window is invalidated: the update lock, the pending
// flags and the frame-rate limit behind InvalidateChange, BackGroundChange,
// InvalidateNow, BeginUpdate and EndUpdate.
//
// With AutoFrameRate on, at most UpdateFrameRate invalidations happen per
// second. A request that comes within one frame period of the last repaint is
// remembered; it is served by the next request after the period, by EndUpdate,
// or at the latest when the period ends (a one-shot timer), so the last change
// of a burst always reaches the screen. The period is measured on the
// monotonic millisecond clock: a wall clock set back would stall repaints.
//
// BeginUpdate/EndUpdate are a flag, not a counter: nested pairs do not nest.
// GUI thread only.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

class TTimer;

class TiRepaintRequests {
 public:
  explicit TiRepaintRequests(std::function<void()> invalidate);
  ~TiRepaintRequests();

  void ContentsChanged();    // InvalidateChange
  void BackgroundChanged();  // the request half of BackGroundChange
  void Now();                // InvalidateNow: invalidate at once
  void BeginUpdate() { locked_ = true; }
  void EndUpdate();

  bool Locked() const { return locked_; }
  bool PendingContents() const { return pendingContents_; }
  bool PendingBackground() const { return pendingBackground_; }

  bool AutoFrameRate = false;
  int UpdateFrameRate = 60;  // frames per second; 0 = no limit

 private:
  void Request(bool& pending);
  void FrameLimitTest();
  int64_t FramePeriodMs();
  bool SurelyWithinPeriod();
  void UpdateCoarseBound();
  void ArmFlush(int64_t delayMs);

  std::function<void()> invalidate_;
  bool locked_ = false, pendingContents_ = false, pendingBackground_ = false;
  bool repainted_ = false;  // false until the first invalidation
  int64_t lastRepaintMs_ = 0;
  int periodRate_ = 0;  // the UpdateFrameRate periodMs_ was worked out for
  int64_t periodMs_ = 0;
  int64_t coarseBound_ = 0;  // below it, a coarse reading is surely inside the period
  std::unique_ptr<TTimer> flush_;  // made on first need
};
