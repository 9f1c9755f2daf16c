#include "components/iRepaintRequests.h"

#include "platform/Clock.h"
#include "platform/Timer.h"

TiRepaintRequests::TiRepaintRequests(std::function<void()> invalidate) : invalidate_(std::move(invalidate)) {}

TiRepaintRequests::~TiRepaintRequests() = default;

void TiRepaintRequests::ContentsChanged() { Request(pendingContents_); }

void TiRepaintRequests::BackgroundChanged() { Request(pendingBackground_); }

void TiRepaintRequests::SetAutoFrameRate(bool value) {
  if (value == autoFrameRate_) return;
  autoFrameRate_ = value;
  Rearm();
}

void TiRepaintRequests::SetUpdateFrameRate(int value) {
  if (value == updateFrameRate_) return;
  updateFrameRate_ = value;
  // Rounded up, so the limit is never exceeded: 60 per second is 17 ms.
  periodMs_ = value > 0 ? (1000 + value - 1) / value : 0;
  Rearm();
}

// A flush armed for the old settings is dropped; a remembered request is
// judged again under the new ones.
void TiRepaintRequests::Rearm() {
  if (!FlushArmed()) return;
  flush_->SetEnabled(false);
  if (!locked_) FrameLimitTest();
}

void TiRepaintRequests::Request(bool& pending) {
  if (locked_) {
    pending = true;
  } else if (autoFrameRate_) {
    pending = true;
    if (!FlushArmed()) FrameLimitTest();
  } else {
    Now();
  }
}

void TiRepaintRequests::EndUpdate() {
  locked_ = false;
  if (pendingContents_ || pendingBackground_) FrameLimitTest();
}

bool TiRepaintRequests::FlushArmed() const { return flush_ && flush_->Enabled(); }

void TiRepaintRequests::FrameLimitTest() {
  if (autoFrameRate_ && updateFrameRate_ > 0 && repainted_) {
    const int64_t elapsed = platform::MillisecondClock() - lastRepaintMs_;
    if (elapsed < periodMs_) {
      ArmFlush(periodMs_ - elapsed);
      return;
    }
  }
  Now();
}

void TiRepaintRequests::Now() {
  pendingContents_ = pendingBackground_ = false;
  lastRepaintMs_ = platform::MillisecondClock();
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
