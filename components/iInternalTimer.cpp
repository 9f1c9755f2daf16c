#include "components/iInternalTimer.h"

#include "platform/Timer.h"

TiInternalTimer::TiInternalTimer() : timer_(std::make_unique<TTimer>()) {
  timer_->SetEnabled(false);
  timer_->OnTimer = [this] { Tick(); };
}

TiInternalTimer::~TiInternalTimer() { Stop(); }

bool TiInternalTimer::Running() const { return timer_->Enabled(); }

int TiInternalTimer::IntervalMs() const { return timer_->Interval(); }

void TiInternalTimer::Start(int firstMs, int intervalMs) {
  if (Running()) return;
  interval_ = intervalMs;
  if (firstMs <= 0) {
    rearm_ = false;
    if (intervalMs > 0) Arm(intervalMs);
  } else {
    rearm_ = true;
    Arm(firstMs);
  }
}

void TiInternalTimer::Stop() {
  timer_->SetEnabled(false);
  rearm_ = false;
}

void TiInternalTimer::Arm(int ms) {
  timer_->SetEnabled(false);
  timer_->SetInterval(ms);
  timer_->SetEnabled(true);
}

void TiInternalTimer::Tick() {
  if (rearm_) {
    rearm_ = false;
    // A repeat interval of 0 would leave a platform timer that never fires
    // but counts as running; stop instead.
    if (interval_ > 0)
      Arm(interval_);
    else
      Stop();
  }
  if (OnTick) OnTick();
}
