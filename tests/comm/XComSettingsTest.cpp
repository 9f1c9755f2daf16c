// Line settings of the serial component: stored values with their rules while
// closed, and what comes back from a real (pseudo-terminal) line while open.
#include <gtest/gtest.h>
#include <termios.h>

#include "comm/XComDrv.h"
#include "tests/comm/PtyPair.h"

namespace {

TEST(XComSettings, SizesAreClampedToTheQueueLimit) {
  TXComm c;
  c.Buffers().SetInputSize(50);
  EXPECT_EQ(c.Buffers().InputSize(), 128);
  c.Buffers().SetInputSize(60000);
  EXPECT_EQ(c.Buffers().InputSize(), 4096);
  c.Buffers().SetOutputSize(0);
  EXPECT_EQ(c.Buffers().OutputSize(), 128);
}

TEST(XComSettings, BaudValueFollowsTheNamedSpeedAndIsFreeOnlyUnderCustom) {
  TXComm c;
  c.SetBaudRate(br115200);
  EXPECT_EQ(c.BaudValue(), 115200u);
  c.SetBaudValue(100000);
  EXPECT_EQ(c.BaudValue(), 115200u);
  c.SetBaudRate(brCustom);
  EXPECT_EQ(c.BaudValue(), 115200u);  // brCustom keeps the present speed
  c.SetBaudValue(100000);
  EXPECT_EQ(c.BaudValue(), 100000u);
  EXPECT_EQ(c.BaudRate(), brCustom);
}

TEST(XComSettings, FlowControlPresets) {
  TXComm c;
  c.SetFlowControl(fcRtsCts);
  EXPECT_EQ(c.RTSSettings(), (TRTSSettings{fsCTSOut, fsRTSHandshake}));
  EXPECT_EQ(c.DTRSettings(), (TDTRSettings{fsDTREnabled}));
  EXPECT_TRUE(c.XOnXOffSettings().Empty());
  c.SetFlowControl(fcDtrDsr);
  EXPECT_EQ(c.RTSSettings(), (TRTSSettings{fsRTSEnabled}));
  EXPECT_EQ(c.DTRSettings(), (TDTRSettings{fsDSROut, fsDTREnabled}));
  c.SetFlowControl(fcSoftware);
  EXPECT_EQ(c.XOnXOffSettings(), (TXOnXOffSettings{fsInX, fsOutX}));
  EXPECT_TRUE(c.RTSSettings().Empty());
  c.SetFlowControl(fcNone);
  EXPECT_TRUE(c.RTSSettings().Empty());
  EXPECT_TRUE(c.DTRSettings().Empty());
  EXPECT_TRUE(c.XOnXOffSettings().Empty());
}

TEST(XComSettings, LineSetsAreWritableOnlyUnderCustomFlowControl) {
  TXComm c;
  c.SetRTSSettings({fsRTSEnabled});
  c.SetXOnXOffSettings({fsInX});
  c.SetDTRSettings({fsDTREnabled});
  EXPECT_TRUE(c.RTSSettings().Empty());
  EXPECT_TRUE(c.XOnXOffSettings().Empty());
  EXPECT_TRUE(c.DTRSettings().Empty());

  c.SetFlowControl(fcSoftware);
  c.SetFlowControl(fcCustom);  // the sets of the last preset stay
  EXPECT_EQ(c.XOnXOffSettings(), (TXOnXOffSettings{fsInX, fsOutX}));
  c.SetRTSSettings({fsRTSEnabled});
  EXPECT_EQ(c.RTSSettings(), (TRTSSettings{fsRTSEnabled}));
}

TEST(XComSettings, DtrEnableAndHandshakeShareOneField) {
  TXComm c;
  c.SetFlowControl(fcCustom);
  c.SetDTRSettings({fsDTRHandshake});
  c.SetDTRSettings({fsDTREnabled, fsDTRHandshake});
  EXPECT_EQ(c.DTRSettings(), (TDTRSettings{fsDTREnabled}));
  c.SetDTRSettings({fsDTREnabled, fsDTRHandshake});
  EXPECT_EQ(c.DTRSettings(), (TDTRSettings{fsDTRHandshake}));
}

TEST(XComSettings, LeaveDtrOpenForcesDtrEnabled) {
  TXComm c;
  c.SetFlowControl(fcCustom);
  c.SetRTSSettings({fsCTSOut});
  // Options written while closed recompute the preset, even under fcCustom.
  c.SetOptions({coParityCheck});
  EXPECT_TRUE(c.RTSSettings().Empty());
  EXPECT_EQ(c.DTRSettings(), (TDTRSettings{fsDTREnabled}));
  c.SetOptions({coLeaveDTROpen});
  c.SetDTRSettings({fsDTRHandshake});
  EXPECT_EQ(c.DTRSettings(), (TDTRSettings{fsDTREnabled}));
}

TEST(XComSettings, AssignCopiesValuesIntoTheOwnedObjects) {
  TXComm a, b;
  a.Buffers().SetInputSize(1000);
  a.Buffers().SetInputTimeout(42);
  a.EventChars().SetEventChar('#');
  a.DataControl().SetParity(paMark);
  a.Timeouts().SetReadConstant(77);
  TCommBuffers* owned = &b.Buffers();
  b.SetBuffers(a.Buffers());
  b.SetEventChars(a.EventChars());
  b.SetDataControl(a.DataControl());
  b.SetTimeouts(a.Timeouts());
  EXPECT_EQ(&b.Buffers(), owned);
  EXPECT_EQ(b.Buffers().InputSize(), 1000);
  EXPECT_EQ(b.Buffers().InputTimeout(), 42);
  EXPECT_EQ(b.EventChars().EventChar(), '#');
  EXPECT_EQ(b.DataControl().Parity(), paMark);
  EXPECT_EQ(b.Timeouts().ReadConstant(), 77u);
}

TEST(XComSettings, EventMaskSetMatchesTheDeviceBits) {
  EXPECT_EQ((TDeviceEvents{deChar, deFlag, deOutEmpty}).Bits(), 0x7);
  EXPECT_EQ((TDeviceEvents{deProv2}).Bits(), 0x1000);
  EXPECT_EQ((TDeviceEvents{deRing}).Bits(), 0x100);
}

// ---- on an open line ----

class OpenSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(pty.Path().empty());
    ASSERT_GE(pty.Side(), 0);
    comm.SetDeviceName(pty.Path());
  }
  termios Line() {
    termios t{};
    tcgetattr(pty.Side(), &t);
    return t;
  }
  PtyPair pty;
  TXComm comm;
};

// A pseudo-terminal always runs 8 data bits without parity (the kernel resets
// both), so those two cannot be shown on one; speed and stop bits can.
TEST_F(OpenSettings, OpenAppliesTheStoredFraming) {
  comm.SetBaudRate(br57600);
  comm.DataControl().SetStopBits(sb2);
  comm.OpenDevice();
  const termios t = Line();
  EXPECT_EQ(cfgetospeed(&t), B57600);
  EXPECT_TRUE(t.c_cflag & CSTOPB);
  EXPECT_EQ(comm.DataControl().StopBits(), sb2);
  EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));  // bytes pass untouched
}

TEST_F(OpenSettings, ReadsComeFromTheDevice) {
  comm.OpenDevice();
  termios t = Line();
  cfsetspeed(&t, B19200);
  t.c_cflag &= ~CSTOPB;
  t.c_cc[VSTOP] = 0x7F;
  tcsetattr(pty.Side(), TCSANOW, &t);
  comm.DataControl().SetStopBits(sb2);
  t.c_cflag &= ~CSTOPB;
  tcsetattr(pty.Side(), TCSANOW, &t);
  EXPECT_EQ(comm.BaudRate(), br19200);
  EXPECT_EQ(comm.BaudValue(), 19200u);
  EXPECT_EQ(comm.DataControl().StopBits(), sb1);  // the device's, not the stored sb2
  EXPECT_EQ(comm.EventChars().XoffChar(), 0x7F);
  comm.CloseDevice();
  EXPECT_EQ(comm.BaudRate(), br19200);  // what was read is stored
}

TEST_F(OpenSettings, ACustomSpeedReachesTheLine) {
  comm.SetBaudRate(brCustom);
  comm.SetBaudValue(100000);
  comm.OpenDevice();
  EXPECT_EQ(comm.BaudValue(), 100000u);
  EXPECT_EQ(comm.BaudRate(), brCustom);
}

TEST_F(OpenSettings, WritesWhileOpenAreAppliedAtOnce) {
  comm.OpenDevice();
  comm.DataControl().SetStopBits(sb2);
  EXPECT_TRUE(Line().c_cflag & CSTOPB);
  comm.EventChars().SetXonChar(0x11 + 1);
  EXPECT_EQ(Line().c_cc[VSTART], 0x12);
  comm.SetFlowControl(fcSoftware);
  EXPECT_TRUE(Line().c_iflag & IXON);
  EXPECT_EQ(comm.XOnXOffSettings(), (TXOnXOffSettings{fsInX, fsOutX}));
  comm.Timeouts().SetReadConstant(250);
  EXPECT_EQ(comm.Timeouts().ReadConstant(), 250u);
}

// Assign copies every published setting and applies the whole group to the
// open line once, never a half-copied one.
TEST_F(OpenSettings, AssignWhileOpenReachesTheLine) {
  comm.OpenDevice();
  TXComm source;
  source.DataControl().SetStopBits(sb2);
  source.EventChars().SetXonChar(0x12);
  source.EventChars().SetXoffChar(0x14);
  comm.SetDataControl(source.DataControl());
  comm.SetEventChars(source.EventChars());
  EXPECT_TRUE(Line().c_cflag & CSTOPB);
  EXPECT_EQ(Line().c_cc[VSTART], 0x12);
  EXPECT_EQ(Line().c_cc[VSTOP], 0x14);
  source.Timeouts().SetReadInterval(UINT32_MAX);  // the full 32 bits survive the copy
  comm.SetTimeouts(source.Timeouts());
  EXPECT_EQ(comm.Timeouts().ReadInterval(), UINT32_MAX);
  for (const char* name : {"DataBits", "Parity", "StopBits"}) EXPECT_TRUE(TCommDataControl::StaticClass().Find(name));
  EXPECT_EQ(TCommBuffers::StaticClass().Properties().size(), 4u);
  EXPECT_EQ(TCommEventChars::StaticClass().Properties().size(), 5u);
  EXPECT_EQ(TCommTimeoutsEx::StaticClass().Properties().size(), 5u);
}

TEST_F(OpenSettings, FramingTheLineCannotTakeIsRefusedWithCode3) {
  comm.OpenDevice();
  for (auto apply : {+[](TXComm& c) { c.DataControl().SetDataBits(db4); },
                     +[](TXComm& c) { c.DataControl().SetStopBits(sb1p5); }}) {
    try {
      apply(comm);
      ADD_FAILURE() << "no error";
    } catch (const EDeviceError& e) {
      EXPECT_EQ(e.ErrorCode, 3);
      EXPECT_EQ(e.Message, "Unable to update device control block.");
    }
  }
  EXPECT_EQ(comm.DataControl().DataBits(), db8);  // the device kept its state
  EXPECT_EQ(Line().c_cflag & CSIZE, tcflag_t(CS8));
}

TEST_F(OpenSettings, ChangingTheQueueSizeWhileOpenDiscardsWaitingInput) {
  comm.OpenDevice();
  pty.Send("pending bytes");
  ASSERT_TRUE(WaitFor([&] { return comm.InQueCount() == 13; }));
  comm.Buffers().SetInputSize(1024);
  EXPECT_EQ(comm.InQueCount(), 0u);
  EXPECT_EQ(comm.Buffers().InputSize(), 1024);
}

TEST_F(OpenSettings, OptionsKeepLeaveDtrOpenWhileOpen) {
  comm.OpenDevice();
  comm.SetOptions({coLeaveDTROpen, coDiscardNull});
  EXPECT_EQ(comm.Options(), (TCommOptions{coDiscardNull}));
  pty.Send(std::string("a\0b", 3));  // and the discard reaches the queue
  ASSERT_TRUE(WaitFor([&] { return comm.InQueCount() == 2; }));
}

}  // namespace
