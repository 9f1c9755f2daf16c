#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "PlotTestSupport.h"

namespace {

// A timer driven by the test's own millisecond clock.
struct TManualClock {
  int now = 0;
  struct TTimerState {
    int interval = 0;
    bool enabled = false;
    int due = 0;
    TiPlotTimer* timer = nullptr;
  };
  std::vector<std::shared_ptr<TTimerState>> timers;

  void Advance(int to) {
    for (; now < to;) {
      ++now;
      for (auto& t : timers)
        if (t->enabled && now >= t->due) {
          t->due = now + t->interval;
          if (t->timer->OnTimer) t->timer->OnTimer();
        }
    }
  }
};

class TManualTimer : public TiPlotTimer {
 public:
  TManualTimer(TManualClock& clock) : clock_(clock), state_(std::make_shared<TManualClock::TTimerState>()) {
    state_->timer = this;
    clock_.timers.push_back(state_);
  }
  ~TManualTimer() override { state_->enabled = false; }
  void SetInterval(int ms) override {
    state_->interval = ms;
    state_->due = clock_.now + ms;
  }
  void SetEnabled(bool enabled) override {
    state_->enabled = enabled;
    state_->due = clock_.now + state_->interval;
  }

 private:
  TManualClock& clock_;
  std::shared_ptr<TManualClock::TTimerState> state_;
};

}  // namespace

TEST(RepeatButton, HeldFor620MsClicksAt500And550And600AndOnRelease) {
  TTestPlot p;
  TManualClock clock;
  TiPlotButton button(p.master->Hooks());
  button.Rect = Rect(0, 0, 20, 20);
  button.AutoRepeat = true;
  button.TimerFactory = [&] { return std::make_unique<TManualTimer>(clock); };
  std::vector<int> clicks;
  int invalidates = 0;
  button.OnClick = [&](TiObject*) { clicks.push_back(clock.now); };
  button.OnInvalidate = [&](TiObject*) { ++invalidates; };
  button.MouseDown(ipmbLeft, 0, nullptr, 0, 0, 5, 5);
  clock.Advance(620);
  button.MouseUp(ipmbLeft, 0, false, 5, 5);
  EXPECT_EQ(clicks, (std::vector<int>{500, 550, 600, 620}));
  EXPECT_EQ(invalidates, 1 + 3 + 1);
  clock.Advance(1000);  // released: no more clicks
  EXPECT_EQ(clicks.size(), 4u);
}

TEST(RepeatButton, ReleaseOutsideAndGroupButtons) {
  TTestPlot p;
  TManualClock clock;
  TiPlotButton button(p.master->Hooks());
  button.Rect = Rect(0, 0, 20, 20);
  button.GroupIndex = 2;
  std::vector<std::string> events;
  button.OnClick = [&](TiObject*) { events.push_back("click"); };
  button.OnGroupClick = [&](TiObject*) { events.push_back("group"); };
  button.OnDownChange = [&](TiObject*) { events.push_back("down"); };
  button.MouseDown(ipmbLeft, 0, nullptr, 0, 0, 5, 5);
  button.MouseUp(ipmbLeft, 0, false, 30, 5);
  EXPECT_TRUE(events.empty());
  button.MouseDown(ipmbLeft, 0, nullptr, 0, 0, 5, 5);
  button.MouseUp(ipmbLeft, 0, false, 5, 5);
  button.SetDown(true);
  button.SetDown(true);
  EXPECT_EQ(events, (std::vector<std::string>{"group", "click", "down"}));
}

TEST(RepeatButton, DisablingStopsTheRepeat) {
  TTestPlot p;
  TManualClock clock;
  TiPlotButton button(p.master->Hooks());
  button.AutoRepeat = true;
  button.TimerFactory = [&] { return std::make_unique<TManualTimer>(clock); };
  int clicks = 0;
  button.OnClick = [&](TiObject*) {
    if (++clicks == 2) button.SetEnabled(false);  // from inside the tick
  };
  button.MouseDown(ipmbLeft, 0, nullptr, 0, 0, 5, 5);
  clock.Advance(2000);
  EXPECT_EQ(clicks, 2);
}
