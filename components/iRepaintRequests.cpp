#include "components/iRepaintRequests.h"

#include "platform/Clock.h"
#include "platform/Timer.h"

TiRepaintRequests::TiRepaintRequests(std::function<void()> invalidate) : invalidate_(std::move(invalidate)) {}

TiRepaintRequests::~TiRepaintRequests() = default;

void TiRepaintRequests::ContentsChanged() { Request(pendingContents_); }

void TiRepaintRequests::BackgroundChanged() { Request(pendingBackground_); }

void TiRepaintRequests::Request(bool& pending) {
  if (locked_) {
    pending = true;
  } else if (AutoFrameRate) {
    pending = true;
    FrameLimitTest();
  } else {
    Now();
  }
}

void TiRepaintRequests::EndUpdate() {
  locked_ = false;
  if (pendingContents_ || pendingBackground_) FrameLimitTest();
}

int64_t TiRepaintRequests::FramePeriodMs() {
  // Rounded up, so the limit is never exceeded: 60 per second is 17 ms.
  if (UpdateFrameRate != periodRate_) {
    periodRate_ = UpdateFrameRate;
    periodMs_ = (1000 + UpdateFrameRate - 1) / UpdateFrameRate;
    UpdateCoarseBound();
  }
  return periodMs_;
}

// A coarse reading below the bound is inside the period even if the coarse
// clock trails the precise one by all of its lag.
void TiRepaintRequests::UpdateCoarseBound() {
  coarseBound_ = lastRepaintMs_ + periodMs_ - platform::CoarseClockLagMs();
}

// A channel fed in a loop asks once per point, far more often than the
// precise clock can be read for nothing: while the flush is already due and
// even the coarse clock's latest possible time is inside the period, the
// answer is known. The bound is worked out once per repaint and frame rate.
bool TiRepaintRequests::SurelyWithinPeriod() {
  if (!flush_ || !flush_->Enabled() || UpdateFrameRate != periodRate_) return false;
  return platform::CoarseMillisecondClock() < coarseBound_;
}

void TiRepaintRequests::FrameLimitTest() {
  if (AutoFrameRate && UpdateFrameRate > 0 && repainted_) {
    if (SurelyWithinPeriod()) return;
    const int64_t elapsed = platform::MillisecondClock() - lastRepaintMs_;
    if (elapsed < FramePeriodMs()) {
      ArmFlush(FramePeriodMs() - elapsed);
      return;
    }
  }
  Now();
}

void TiRepaintRequests::Now() {
  pendingContents_ = pendingBackground_ = false;
  lastRepaintMs_ = platform::MillisecondClock();
  UpdateCoarseBound();
  repainted_ = true;
  if (flush_) flush_->SetEnabled(false);
  if (invalidate_) invalidate_();
}

void TiRepaintRequests::ArmFlush(int64_t delayMs) {
  if (!flush_) {
    flush_ = std::make_unique<TTimer>();
    flush_->SetEnabled(false);
    flush_->OnTimer = [this] {
      flush_->SetEnabled(false);
      // A lock taken meanwhile keeps the request for EndUpdate.
      if (!locked_ && (pendingContents_ || pendingBackground_)) FrameLimitTest();
    };
  }
  if (flush_->Enabled()) return;  // already due at the end of this period
  flush_->SetInterval(static_cast<int>(delayMs < 1 ? 1 : delayMs));
  flush_->SetEnabled(true);
}
