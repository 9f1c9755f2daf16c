// Opening, closing, reading and writing through the serial component on a
// pseudo-terminal, and the faults of a real line.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

#include "comm/XComDrv.h"
#include "platform/SerialDevice.h"
#include "tests/comm/PtyPair.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class F>
EDeviceError Raised(F&& f) {
  try {
    f();
  } catch (const EDeviceError& e) {
    return e;
  }
  ADD_FAILURE() << "no EDeviceError";
  return EDeviceError("", 0);
}

class OpenComm : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(pty.Path().empty());
    comm.SetDeviceName(pty.Name());  // "pts/N" is looked up under /dev
    comm.SetSynchronize(false);
  }
  PtyPair pty;
  TXComm comm;
};

TEST(XComLifecycle, MisuseRaisesItsCode) {
  TXComm c;
  EXPECT_EQ(c.DeviceName(), "COM2");
  EXPECT_EQ(c.GetLockState(), (TCommLocks{lsSend, lsRead}));
  const EDeviceError close = Raised([&] { c.CloseDevice(); });
  EXPECT_EQ(close.ErrorCode, 1);
  EXPECT_EQ(close.Message, "Device not opened.");
  std::string s;
  EXPECT_EQ(Raised([&] { c.ReadString(s); }).ErrorCode, 1);
  EXPECT_EQ(Raised([&] { c.SendString("x"); }).ErrorCode, 1);
  EXPECT_EQ(Raised([&] { c.OutQueCount(); }).ErrorCode, 1);
}

TEST(XComLifecycle, AMissingDeviceNamesItself) {
  TXComm c;
  c.SetDeviceName("ttyNoSuchPort9");
  const EDeviceError e = Raised([&] { c.OpenDevice(); });
  EXPECT_EQ(e.ErrorCode, 65535);
  EXPECT_EQ(e.Message, "Cannot open device ttyNoSuchPort9");
  EXPECT_FALSE(c.Opened());
}

TEST(XComLifecycle, PortNamesMapToDevicePaths) {
  using platform::TSerialDevice;
  EXPECT_EQ(TSerialDevice::DevicePath("COM27"), "/dev/ttyS26");
  EXPECT_EQ(TSerialDevice::DevicePath("COM1"), "/dev/ttyS0");
  EXPECT_EQ(TSerialDevice::DevicePath("ttyUSB0"), "/dev/ttyUSB0");
  EXPECT_EQ(TSerialDevice::DevicePath("/dev/pts/3"), "/dev/pts/3");
  EXPECT_EQ(TSerialDevice::DevicePath("COM"), "/dev/COM");
  EXPECT_EQ(TSerialDevice::DevicePath("COM0"), "/dev/COM0");  // there is no ttyS(-1)
}

TEST(XComLifecycle, ANonTerminalIsNoPort) {
  TXComm c;
  c.SetDeviceName("/dev/null");
  EXPECT_EQ(Raised([&] { c.OpenDevice(); }).ErrorCode, 65535);
}

TEST_F(OpenComm, OpenTwiceAndNoSharing) {
  EXPECT_TRUE(comm.OpenDevice());
  EXPECT_TRUE(comm.Opened());
  const EDeviceError twice = Raised([&] { comm.OpenDevice(); });
  EXPECT_EQ(twice.ErrorCode, 2);
  EXPECT_EQ(twice.Message, "Device is allready opened.");
  TXComm other;
  other.SetDeviceName(pty.Path());
  EXPECT_EQ(Raised([&] { other.OpenDevice(); }).ErrorCode, 65535);
  comm.SetDeviceName("COM5");  // ignored while open
  EXPECT_EQ(comm.DeviceName(), pty.Name());
  comm.CloseDevice();
  EXPECT_FALSE(comm.Opened());
  EXPECT_TRUE(other.OpenDevice());  // free again after the close
}

TEST_F(OpenComm, ReadStringNeverWaitsForBytesThatHaveNotArrived) {
  comm.OpenDevice();
  std::string s = "old";
  const auto start = Clock::now();
  EXPECT_FALSE(comm.ReadString(s));
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(100));
  EXPECT_EQ(s, "");
}

TEST_F(OpenComm, SendStringCountsBytesAndReportsOutputEmptyOnce) {
  std::mutex m;
  std::vector<TDeviceEvents> events;
  comm.OnCommEvent = [&](TCustomComm*, TDeviceEvents e) {
    std::lock_guard g(m);
    events.push_back(e);
  };
  comm.OpenDevice();
  const std::string request("\x01\x03\x02\x01\x00\x06\x95\xB0", 8);
  EXPECT_TRUE(comm.SendString(request));
  EXPECT_EQ(comm.BytesSent(), 8u);
  EXPECT_EQ(pty.Receive(8), request);
  std::lock_guard g(m);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0], TDeviceEvents{deOutEmpty});
}

TEST_F(OpenComm, EveryByteValuePassesBothWays) {
  comm.OpenDevice();
  std::string all;
  for (int i = 0; i < 256; ++i) all += char(i);  // 0, CR, LF, XON, XOFF, 0xFF among them
  pty.Send(all);
  std::string got;
  ASSERT_TRUE(WaitFor([&] {
    std::string s;
    comm.ReadString(s);
    got += s;
    return got.size() >= all.size();
  }));
  EXPECT_EQ(got, all);
  EXPECT_EQ(comm.BytesReceived(), 256u);
  EXPECT_TRUE(comm.SendString(all));
  EXPECT_EQ(pty.Receive(256), all);
}

TEST_F(OpenComm, BackToBackFramesAreReadAsOne) {
  comm.OpenDevice();
  const std::string frame(17, '\x5A');
  pty.Send(frame + frame);
  ASSERT_TRUE(WaitFor([&] { return comm.InQueCount() == 34; }));
  std::string s;
  EXPECT_TRUE(comm.ReadString(s));
  EXPECT_EQ(s.size(), 34u);
}

TEST_F(OpenComm, AFullInputQueueLosesNothing) {
  comm.Buffers().SetInputSize(128);
  comm.OpenDevice();
  std::string burst;
  for (int i = 0; i < 600; ++i) burst += char('a' + i % 26);
  pty.Send(burst);
  ASSERT_TRUE(WaitFor([&] { return comm.InQueCount() == 128; }));
  std::string got;
  ASSERT_TRUE(WaitFor([&] {
    std::string s;
    comm.ReadString(s);
    got += s;
    return got.size() >= burst.size();
  }));
  EXPECT_EQ(got, burst);
}

TEST_F(OpenComm, CountersRestartWithEveryClose) {
  comm.OpenDevice();
  comm.SendString("abc");
  pty.Send("xy");
  std::string s;
  ASSERT_TRUE(WaitFor([&] { return comm.ReadString(s); }));
  EXPECT_EQ(comm.BytesSent(), 3u);
  EXPECT_EQ(comm.BytesReceived(), 2u);
  comm.CloseDevice();
  EXPECT_EQ(comm.BytesSent(), 0u);
  EXPECT_EQ(comm.BytesReceived(), 0u);
}

TEST_F(OpenComm, HandlersThatTransferAgainFindTheDeviceLocked) {
  comm.OpenDevice();
  int sendCode = 0, readCode = 0;
  comm.OnSend = [&](TCustomComm* c) {
    sendCode = Raised([&] { c->SendString("again"); }).ErrorCode;
  };
  comm.OnRead = [&](TCustomComm* c) {
    char b;
    readCode = Raised([&] { c->ReadData(&b, 1); }).ErrorCode;
  };
  comm.SendString("x");
  pty.Send("y");
  std::string s;
  ASSERT_TRUE(WaitFor([&] { return comm.ReadString(s); }));
  EXPECT_EQ(sendCode, 4);
  EXPECT_EQ(readCode, 5);
  EXPECT_TRUE(comm.GetLockState().Empty());  // cleared again after the handlers
  comm.OnSend = [](TCustomComm*) { throw std::runtime_error("handler"); };
  EXPECT_THROW(comm.SendString("z"), std::runtime_error);
  EXPECT_TRUE(comm.GetLockState().Empty());
}

TEST_F(OpenComm, ReadDataGivesUpAfterItsLimitWhenNothingComes) {
  comm.OpenDevice();
  char buffer[4];
  const auto start = Clock::now();
  EXPECT_EQ(comm.ReadData(buffer, 4, 50), 0u);
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(50));
}

// ---- faults ----

TEST_F(OpenComm, TheFarEndClosingFailsTheNextReadOnceAndClosesThePort) {
  comm.OpenDevice();
  pty.CloseMaster();
  std::string s;
  const EDeviceError e = Raised([&] { comm.ReadString(s); });
  EXPECT_EQ(e.ErrorCode, 10);
  EXPECT_EQ(e.Message, "Unable to read from port. (Win32 error 5: Input/output error)");
  EXPECT_FALSE(comm.Opened());  // the next tick finds a closed port, not the same error

  PtyPair again;  // a new far end: opening works as before
  comm.SetDeviceName(again.Path());
  EXPECT_TRUE(comm.OpenDevice());
  EXPECT_TRUE(comm.SendString("ok"));
  EXPECT_EQ(again.Receive(2), "ok");
}

TEST_F(OpenComm, TheFarEndClosingFailsTheNextWrite) {
  comm.OpenDevice();
  pty.CloseMaster();
  const EDeviceError e = Raised([&] { comm.SendString("poll"); });
  EXPECT_EQ(e.ErrorCode, 11);
  EXPECT_EQ(e.Message.rfind("Unable to write to port. (Win32 error 5: ", 0), 0u) << e.Message;
  EXPECT_FALSE(comm.Opened());
}

TEST_F(OpenComm, BytesThatArrivedBeforeTheHangUpAreStillRead) {
  comm.OpenDevice();
  pty.Send("last words");
  ASSERT_TRUE(WaitFor([&] { return comm.InQueCount() == 10; }));
  pty.CloseMaster();
  std::string s;
  EXPECT_TRUE(comm.ReadString(s));
  EXPECT_EQ(s, "last words");
  EXPECT_EQ(Raised([&] { comm.ReadString(s); }).ErrorCode, 10);
}

TEST(XComFaults, APortWithoutPermissionDoesNotOpen) {
  PtyPair pty;
  ASSERT_EQ(chmod(pty.Path().c_str(), 0600), 0);
  // Root passes every permission check, so the attempt runs as nobody.
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
    platform::TSerialDevice device;
    if (device.Open(pty.Path())) _exit(1);
    TXComm c;
    c.SetDeviceName(pty.Path());
    try {
      c.OpenDevice();
    } catch (const EDeviceError& e) {
      _exit(e.ErrorCode == 65535 && device.LastError() == EACCES ? 0 : 2);
    }
    _exit(1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
