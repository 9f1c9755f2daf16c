#include <gtest/gtest.h>

#include <vector>

#include "EventLoop.h"
#include "components/iInternalTimer.h"
#include "platform/Clock.h"

TEST(InternalTimer, WaitsTheFirstDelayThenRepeatsAtTheInterval) {
  TiInternalTimer timer;
  std::vector<int64_t> ticks;
  const int64_t start = platform::MillisecondClock();
  timer.OnTick = [&] {
    ticks.push_back(platform::MillisecondClock() - start);
    if (ticks.size() == 6) timer.Stop();
  };
  timer.Start(500, 50);
  EXPECT_TRUE(timer.Running());
  timer.Start(10, 10);  // ignored while running
  RunEventsFor(1100);
  ASSERT_EQ(ticks.size(), 6u);
  EXPECT_FALSE(timer.Running());
  EXPECT_GE(ticks[0], 495);
  EXPECT_LT(ticks[0], 800);
  // The repeats keep a 50 ms schedule from the first tick; a late tick may be
  // followed by a shorter gap, never by an early one.
  for (size_t i = 1; i < ticks.size(); ++i) EXPECT_GE(ticks[i] - ticks[0], 50 * static_cast<int64_t>(i) - 10) << i;
  EXPECT_LT(ticks[5] - ticks[0], 500);
}

TEST(InternalTimer, ZeroDelaysAndStopping) {
  TiInternalTimer timer;
  int count = 0;
  timer.OnTick = [&] { ++count; };
  timer.Start(0, 0);
  EXPECT_FALSE(timer.Running());
  timer.Start(20, 0);  // one tick, then stopped
  RunEventsFor(120);
  EXPECT_EQ(count, 1);
  EXPECT_FALSE(timer.Running());
  timer.Start(0, 20);
  RunEventsFor(30);
  timer.Stop();
  const int stopped = count;
  RunEventsFor(60);
  EXPECT_EQ(count, stopped);
  EXPECT_GE(stopped, 2);
}
