// A message timer: OnTimer runs on the GUI thread, once per interval while
// enabled; ticks never overlap. An interval of 0 or less never fires.
#pragma once
#include <functional>
#include <memory>

class TTimer {
 public:
  TTimer();
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> OnTimer;

 private:
  void Update();
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int interval_ = 1000;
  bool enabled_ = true;
};
