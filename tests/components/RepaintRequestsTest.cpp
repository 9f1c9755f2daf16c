#include <gtest/gtest.h>

#include "EventLoop.h"
#include "components/iRepaintRequests.h"
#include "platform/Clock.h"

namespace {
// A repaint request log on a clock the test moves by hand.
class RepaintRequests : public ::testing::Test {
 protected:
  RepaintRequests() {
    platform::SetMillisecondSource([this] { return now; });
  }
  ~RepaintRequests() override { platform::SetMillisecondSource(nullptr); }

  int64_t now = 1000;
  int invalidations = 0;
  TiRepaintRequests requests{[this] { ++invalidations; }};
};
}  // namespace

TEST_F(RepaintRequests, FrameLimitSkipsRequestsWithinOnePeriod) {
  requests.AutoFrameRate = true;
  requests.ContentsChanged();
  now += 5;
  requests.ContentsChanged();
  EXPECT_EQ(invalidations, 1);
  EXPECT_TRUE(requests.PendingContents());
  now += 15;  // 20 ms after the first
  requests.BackgroundChanged();
  EXPECT_EQ(invalidations, 2);
  EXPECT_FALSE(requests.PendingContents());
}

TEST_F(RepaintRequests, NoLimitWhenRateIsZeroOrLimitIsOff) {
  requests.AutoFrameRate = true;
  requests.UpdateFrameRate = 0;
  for (int i = 0; i < 5; ++i) requests.ContentsChanged();
  EXPECT_EQ(invalidations, 5);
  requests.AutoFrameRate = false;
  requests.UpdateFrameRate = 60;
  for (int i = 0; i < 5; ++i) requests.BackgroundChanged();
  EXPECT_EQ(invalidations, 10);
}

TEST_F(RepaintRequests, UpdateLockIsAFlagAndEndUpdateServesPendingRequests) {
  requests.BeginUpdate();
  requests.BeginUpdate();
  requests.ContentsChanged();
  requests.BackgroundChanged();
  EXPECT_EQ(invalidations, 0);
  requests.EndUpdate();  // one EndUpdate ends both BeginUpdates
  EXPECT_FALSE(requests.Locked());
  EXPECT_EQ(invalidations, 1);
  requests.BeginUpdate();
  requests.EndUpdate();
  EXPECT_EQ(invalidations, 1);
}

TEST_F(RepaintRequests, ASkippedRequestIsServedWhenThePeriodEnds) {
  requests.AutoFrameRate = true;
  requests.ContentsChanged();
  now += 5;
  requests.ContentsChanged();  // the last change of a burst
  now += 20;
  RunEventsFor(60);
  EXPECT_EQ(invalidations, 2);
  EXPECT_FALSE(requests.PendingContents());
}

TEST_F(RepaintRequests, ALockTakenBeforeTheFlushKeepsTheRequestForEndUpdate) {
  requests.AutoFrameRate = true;
  requests.ContentsChanged();
  now += 5;
  requests.ContentsChanged();
  requests.BeginUpdate();
  now += 20;
  RunEventsFor(60);
  EXPECT_EQ(invalidations, 1);
  requests.EndUpdate();
  EXPECT_EQ(invalidations, 2);
}

TEST_F(RepaintRequests, AClockOfDaysSetBackDoesNotStallRepaints) {
  // The limit runs on the monotonic clock; the wall clock may jump.
  platform::SetNowSource([] { return 0.0; });
  requests.AutoFrameRate = true;
  requests.ContentsChanged();
  now += 17;
  requests.ContentsChanged();
  platform::SetNowSource(nullptr);
  EXPECT_EQ(invalidations, 2);
}

// The period is kept between requests; a new rate counts from the next one.
TEST_F(RepaintRequests, ANewFrameRateCountsFromTheNextRequest) {
  requests.AutoFrameRate = true;
  requests.ContentsChanged();
  now += 5;
  requests.ContentsChanged();  // within 17 ms: the flush is due
  requests.UpdateFrameRate = 10;
  now += 20;
  requests.ContentsChanged();  // 25 ms: inside the new 100 ms period
  EXPECT_EQ(invalidations, 1);
  requests.UpdateFrameRate = 30;
  now += 9;
  requests.ContentsChanged();  // 34 ms: past 30 per second's 34 ms
  EXPECT_EQ(invalidations, 2);
}
