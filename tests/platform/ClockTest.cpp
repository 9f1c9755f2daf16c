#include <gtest/gtest.h>

#include "platform/Clock.h"

using namespace platform;

TEST(Clock, DayCountMatchesTheClassicEpoch) {
  EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_DOUBLE_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_DOUBLE_EQ(EncodeDate(1900, 3, 1), 61.0);
}

TEST(Clock, DecodeTimeRoundTripsAndNeverReadsTheNextSecondEarly) {
  const TDateTime t = EncodeDate(2026, 12, 8) + EncodeTime(8, 5, 9, 999);
  const TTimeOfDay d = DecodeTime(t);
  EXPECT_EQ(d.Hour, 8);
  EXPECT_EQ(d.Minute, 5);
  EXPECT_EQ(d.Second, 9);
  EXPECT_EQ(d.MilliSecond, 999);
  const TTimeOfDay last = DecodeTime(EncodeTime(23, 59, 59, 999));
  EXPECT_EQ(last.Hour, 23);
  EXPECT_EQ(last.Second, 59);
}

TEST(Clock, SourcesCanBeInjectedAndRestored) {
  SetNowSource([] { return 1.5; });
  SetMillisecondSource([] { return int64_t{42}; });
  EXPECT_DOUBLE_EQ(Now(), 1.5);
  EXPECT_EQ(MillisecondClock(), 42);
  SetNowSource(nullptr);
  SetMillisecondSource(nullptr);
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
  const int64_t a = MillisecondClock();
  SleepMs(5);
  EXPECT_GE(MillisecondClock() - a, 5);
}
