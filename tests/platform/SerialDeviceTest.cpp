// The serial device on a pseudo-terminal: time-outs, the event wait, the
// input queue and a lost line.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "platform/SerialDevice.h"
#include "tests/comm/PtyPair.h"

namespace {

using namespace std::chrono_literals;
using platform::TSerialDevice;
using Clock = std::chrono::steady_clock;

class SerialDevice : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(device.Open(pty.Path())) << device.LastError(); }
  PtyPair pty;
  TSerialDevice device;
};

TEST(SerialDeviceOpen, FailuresCarryTheSystemError) {
  TSerialDevice d;
  EXPECT_FALSE(d.Open("/dev/no-such-tty"));
  EXPECT_EQ(d.LastError(), ENOENT);
  EXPECT_EQ(TSerialDevice::ErrorText(ENOENT), "No such file or directory");
  EXPECT_FALSE(d.Open("/dev/null"));
  EXPECT_EQ(d.LastError(), ENOTTY);
  EXPECT_FALSE(d.IsOpen());
}

TEST_F(SerialDevice, ASecondOpenerIsTurnedAway) {
  TSerialDevice second;
  EXPECT_FALSE(second.Open(pty.Path()));
  EXPECT_EQ(second.LastError(), EBUSY);
}

TEST_F(SerialDevice, ReadWaitsAsTheTimeoutRecordSays) {
  char buffer[8];
  uint32_t done = 99;
  ASSERT_TRUE(device.SetTimeouts({UINT32_MAX, 0, 0, 0, 0}));
  auto start = Clock::now();
  EXPECT_TRUE(device.Read(buffer, 8, done));
  EXPECT_EQ(done, 0u);
  EXPECT_LT(Clock::now() - start, 50ms);

  ASSERT_TRUE(device.SetTimeouts({0, 0, 80, 0, 0}));
  start = Clock::now();
  EXPECT_TRUE(device.Read(buffer, 8, done));
  EXPECT_EQ(done, 0u);
  EXPECT_GE(Clock::now() - start, 75ms);

  pty.Send("abc");  // the interval limit ends a read once the bytes stop
  ASSERT_TRUE(device.SetTimeouts({30, 0, 0, 0, 0}));
  EXPECT_TRUE(device.Read(buffer, 8, done));
  EXPECT_EQ(std::string(buffer, done), "abc");
}

TEST_F(SerialDevice, TheWaitSeesTheEventCharacterBeforeAnyoneReads) {
  platform::TSerialControlBlock block;
  block.EvtChar = '\n';
  ASSERT_TRUE(device.SetState(block));
  ASSERT_TRUE(device.SetEventMask(platform::EV_RXCHAR | platform::EV_RXFLAG));
  platform::TSerialStopEvent stop;
  pty.Send("ok\n");
  uint32_t events = 0;
  EXPECT_EQ(device.WaitEvent(events, stop), TSerialDevice::wrEvents);
  EXPECT_EQ(events, platform::EV_RXCHAR | platform::EV_RXFLAG);
  platform::TSerialStatus status;
  ASSERT_TRUE(device.ClearError(status));
  EXPECT_EQ(status.InQue, 3u);
}

TEST_F(SerialDevice, TheStopEventEndsAWaitAtOnce) {
  ASSERT_TRUE(device.SetEventMask(0x1FFB));
  platform::TSerialStopEvent stop;
  auto waiting = std::async(std::launch::async, [&] {
    uint32_t events;
    return device.WaitEvent(events, stop);
  });
  EXPECT_EQ(waiting.wait_for(50ms), std::future_status::timeout);
  stop.Signal();
  ASSERT_EQ(waiting.wait_for(500ms), std::future_status::ready);
  EXPECT_EQ(waiting.get(), TSerialDevice::wrStopped);
}

TEST_F(SerialDevice, ALostLineEndsTheWaitAndFailsReadsAndWrites) {
  ASSERT_TRUE(device.SetEventMask(0x1FFB));
  platform::TSerialStopEvent stop;
  pty.CloseMaster();
  uint32_t events = 0;
  EXPECT_EQ(device.WaitEvent(events, stop), TSerialDevice::wrFailed);
  EXPECT_EQ(device.WaitEvent(events, stop), TSerialDevice::wrFailed);  // again at once, no hang
  EXPECT_TRUE(device.Lost());
  char b;
  uint32_t done;
  EXPECT_FALSE(device.Read(&b, 1, done));
  EXPECT_EQ(device.LastError(), EIO);
  EXPECT_FALSE(device.Write("x", 1, done));
}

TEST_F(SerialDevice, AFullQueueCountsAnOverflowAndKeepsTheRestWaiting) {
  ASSERT_TRUE(device.SetupQueues(16, 16));
  pty.Send(std::string(40, 'q'));
  platform::TSerialStatus status;
  ASSERT_TRUE(WaitFor([&] { return device.ClearError(status), status.Errors & platform::CE_RXOVER; }));
  EXPECT_EQ(status.InQue, 16u);
  char buffer[64];
  uint32_t done = 0, total = 0;
  device.SetTimeouts({0, 0, 100, 0, 0});
  while (device.Read(buffer, 16, done) && done) total += done;
  EXPECT_EQ(total, 40u);
}

TEST_F(SerialDevice, FramingOutsideWhatTheLineTakesIsRefused) {
  platform::TSerialControlBlock block;
  block.ByteSize = 4;
  EXPECT_FALSE(device.SetState(block));
  EXPECT_EQ(device.LastError(), EINVAL);
  block.ByteSize = 8;
  block.StopBits = 1;
  EXPECT_FALSE(device.SetState(block));
  block.StopBits = 2;
  block.BaudRate = 250000;  // no standard code: set by number
  ASSERT_TRUE(device.SetState(block));
  platform::TSerialControlBlock read;
  ASSERT_TRUE(device.GetState(read));
  EXPECT_EQ(read.BaudRate, 250000u);
  EXPECT_EQ(read.StopBits, 2);
}

}  // namespace
