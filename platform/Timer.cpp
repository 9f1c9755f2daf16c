#include "platform/Timer.h"

#include <QTimer>

#include "platform/Application.h"

struct TTimer::Impl {
  QTimer timer;
};

TTimer::TTimer() : impl_(std::make_unique<Impl>()) {
  impl_->timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&impl_->timer, &QTimer::timeout, [this] {
    if (OnTimer) platform::RunGuarded(OnTimer);
  });
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Update();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void TTimer::Update() {
  impl_->timer.stop();
  if (enabled_ && interval_ > 0) {
    impl_->timer.setInterval(interval_);
    impl_->timer.start();
  }
}
