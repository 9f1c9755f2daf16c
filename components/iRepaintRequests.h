// When a component's window is invalidated: the update lock, the pending
// flags and the frame-rate limit behind InvalidateChange, BackGroundChange,
// InvalidateNow, BeginUpdate and EndUpdate.
//
// With AutoFrameRate on, at most UpdateFrameRate invalidations happen per
// second. A request that comes within one frame period of the last repaint is
// remembered; it is served by the next request after the period, by EndUpdate,
// or at the latest when the period ends (a one-shot timer), so the last change
// of a burst always reaches the screen. While that timer is armed a request is
// only remembered: a channel fed in a loop asks once per point, and the answer
// is known without reading any clock. The period is measured on the monotonic
// millisecond clock: a wall clock set back would stall repaints.
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

  bool AutoFrameRate() const { return autoFrameRate_; }
  void SetAutoFrameRate(bool value);
  int UpdateFrameRate() const { return updateFrameRate_; }
  void SetUpdateFrameRate(int value);  // frames per second; 0 = no limit

 private:
  void Request(bool& pending);
  void FrameLimitTest();
  bool FlushArmed() const;
  void ArmFlush(int64_t delayMs);
  void Rearm();

  std::function<void()> invalidate_;
  bool locked_ = false, pendingContents_ = false, pendingBackground_ = false;
  bool autoFrameRate_ = false;
  int updateFrameRate_ = 60;
  int64_t periodMs_ = 17;   // of updateFrameRate_, rounded up
  bool repainted_ = false;  // false until the first invalidation
  int64_t lastRepaintMs_ = 0;
  std::unique_ptr<TTimer> flush_;  // made on first need
};
