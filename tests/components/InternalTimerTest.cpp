#include <gtest/gtest.h>

#include <vector>

#include "EventLoop.h"
#include "components/iInternalTimer.h"

// The schedule is read off the platform timer's armed interval; the platform
// timer keeping its interval is the platform's business, not this unit's.
TEST(InternalTimer, WaitsTheFirstDelayThenRepeatsAtTheInterval) {
  TiInternalTimer timer;
  int ticks = 0;
  std::vector<int> armed;  // the interval armed when each tick ran
  timer.OnTick = [&] {
    armed.push_back(timer.IntervalMs());
    if (++ticks == 6) timer.Stop();
  };
  timer.Start(500, 50);
  EXPECT_TRUE(timer.Running());
  EXPECT_EQ(timer.IntervalMs(), 500);
  timer.Start(10, 10);  // ignored while running
  EXPECT_EQ(timer.IntervalMs(), 500);
  ASSERT_TRUE(RunEventsUntil([&] { return ticks == 6; }));
  EXPECT_FALSE(timer.Running());
  EXPECT_EQ(armed, std::vector<int>(6, 50));  // the first tick re-armed at the interval
}

TEST(InternalTimer, ZeroDelaysAndStopping) {
  TiInternalTimer timer;
  int count = 0;
  timer.OnTick = [&] { ++count; };
  timer.Start(0, 0);
  EXPECT_FALSE(timer.Running());
  timer.Start(20, 0);  // one tick, then stopped
  ASSERT_TRUE(RunEventsUntil([&] { return count == 1; }));
  EXPECT_FALSE(timer.Running());
  RunEventsFor(60);
  EXPECT_EQ(count, 1);
  timer.Start(0, 20);  // no first delay: ticks at the interval from the start
  EXPECT_EQ(timer.IntervalMs(), 20);
  ASSERT_TRUE(RunEventsUntil([&] { return count >= 3; }));
  timer.Stop();
  const int stopped = count;
  RunEventsFor(60);
  EXPECT_EQ(count, stopped);
}
