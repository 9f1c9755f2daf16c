// A component's internal timer: one platform timer that can wait once for a
// first delay and then repeat at another interval (wait 500 ms, then tick
// every 50 ms, as an auto-repeating button does).
//
//   Start(first, interval): nothing if already running. first 0: tick every
//   `interval` (interval 0 too: stay stopped). Otherwise the first tick comes
//   after `first`, and that tick re-arms the timer with `interval`; an
//   interval of 0 then stops it after that one tick.
//
// Ticks run on the GUI thread; OnTick may call Stop or Start.
#pragma once
#include <functional>
#include <memory>

class TTimer;

class TiInternalTimer {
 public:
  TiInternalTimer();
  ~TiInternalTimer();  // a running timer is killed

  void Start(int firstMs, int intervalMs);
  void Stop();
  bool Running() const;
  int IntervalMs() const;  // of the wait now armed: the first delay, then the repeat

  std::function<void()> OnTick;

 private:
  void Tick();
  void Arm(int ms);

  std::unique_ptr<TTimer> timer_;
  int interval_ = 0;
  bool rearm_ = false;
};
