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
  requests.SetAutoFrameRate(true);
  requests.ContentsChanged();
  now += 5;
  requests.ContentsChanged();
  EXPECT_EQ(invalidations, 1);
  EXPECT_TRUE(requests.PendingContents());
  now += 15;  // 20 ms after the first: the flush serves both kinds at once
  requests.BackgroundChanged();
  ASSERT_TRUE(RunEventsUntil([&] { return invalidations == 2; }));
  EXPECT_FALSE(requests.PendingContents());
  EXPECT_FALSE(requests.PendingBackground());
  now += 17;  // a request a whole period later is served at once
  requests.ContentsChanged();
  EXPECT_EQ(invalidations, 3);
}

// A burst of requests inside one period reads no clock and repaints nothing.
TEST_F(RepaintRequests, RequestsWhileTheFlushIsDueReadNoClock) {
  int reads = 0;
  platform::SetMillisecondSource([&] { ++reads; return now; });
  requests.SetAutoFrameRate(true);
  requests.ContentsChanged();
  requests.ContentsChanged();  // arms the flush
  const int armed = reads;
  for (int i = 0; i < 1000; ++i) requests.ContentsChanged();
  EXPECT_EQ(reads, armed);
  EXPECT_EQ(invalidations, 1);
  now += 17;
  ASSERT_TRUE(RunEventsUntil([&] { return invalidations == 2; }));
}

TEST_F(RepaintRequests, NoLimitWhenRateIsZeroOrLimitIsOff) {
  requests.SetAutoFrameRate(true);
  requests.SetUpdateFrameRate(0);
  for (int i = 0; i < 5; ++i) requests.ContentsChanged();
  EXPECT_EQ(invalidations, 5);
  requests.SetAutoFrameRate(false);
  requests.SetUpdateFrameRate(60);
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
  requests.SetAutoFrameRate(true);
  requests.ContentsChanged();
  now += 5;
  requests.ContentsChanged();  // the last change of a burst
  now += 20;
  ASSERT_TRUE(RunEventsUntil([&] { return invalidations == 2; }));
  EXPECT_FALSE(requests.PendingContents());
}

TEST_F(RepaintRequests, ALockTakenBeforeTheFlushKeepsTheRequestForEndUpdate) {
  requests.SetAutoFrameRate(true);
  requests.ContentsChanged();
  now += 5;
  requests.ContentsChanged();
  requests.BeginUpdate();
  now += 20;
  RunEventsFor(60);  // the flush fires meanwhile and leaves the request alone
  EXPECT_EQ(invalidations, 1);
  requests.EndUpdate();
  EXPECT_EQ(invalidations, 2);
}

TEST_F(RepaintRequests, AClockOfDaysSetBackDoesNotStallRepaints) {
  // The limit runs on the monotonic clock; the wall clock may jump.
  platform::SetNowSource([] { return 0.0; });
  requests.SetAutoFrameRate(true);
  requests.ContentsChanged();
  now += 17;
  requests.ContentsChanged();
  platform::SetNowSource(nullptr);
  EXPECT_EQ(invalidations, 2);
}

// A new rate judges a remembered request again at once: never later than the
// new period allows, never sooner.
TEST_F(RepaintRequests, ANewFrameRateAppliesToTheRequestWaiting) {
  requests.SetAutoFrameRate(true);
  requests.ContentsChanged();
  now += 5;
  requests.ContentsChanged();  // within 17 ms: the flush is due
  requests.SetUpdateFrameRate(10);
  now += 20;
  requests.ContentsChanged();  // 25 ms: inside the new 100 ms period
  RunEventsFor(30);
  EXPECT_EQ(invalidations, 1);
  now += 9;
  requests.SetUpdateFrameRate(30);  // 34 ms: past 30 per second's 34 ms
  EXPECT_EQ(invalidations, 2);
  requests.ContentsChanged();
  requests.SetAutoFrameRate(false);  // no limit: the waiting request is served
  EXPECT_EQ(invalidations, 3);
}
