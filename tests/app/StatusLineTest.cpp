// The status line against the sensor simulator through the real serial
// component: what it counts on a corrupting and on a silent sensor, and why an
// open failed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <cerrno>
#include <regex>

#include "app/Unit1.h"
#include "platform/Application.h"
#include "platform/SerialDevice.h"
#include "tests/app/SensorSimProcess.h"
#include "tests/components/EventLoop.h"

namespace {

class StatusLine : public ::testing::Test {
 protected:
  void SetUp() override {
    TestMode = false;
    platform::SetMessageHook([this](const std::string& text, bool) { messages.push_back(text); });
  }
  void TearDown() override { platform::SetMessageHook(nullptr); }
  void Press(const std::string& port, const char* period = "0.02") {
    form.Edit1->setText(QString::fromStdString(port));
    form.Edit2->setText(period);
    platform::RunGuarded([&] { form.Button2Click(); });
  }
  std::string Text() const { return form.StatusLabel->text().toStdString(); }
  bool Shows(const std::string& part) const { return Text().find(part) != std::string::npos; }
  // The number after a field's name: "应答" is also the tail of "无应答", so
  // the name must start the text or follow a blank.
  int Count(const std::string& field) const {
    std::smatch m;
    const std::string text = Text();
    if (!std::regex_search(text, m, std::regex("(^|\\s)" + field + " (\\d+)"))) return -1;
    return std::stoi(m[2]);
  }

  std::vector<std::string> messages;
  TForm1 form;
};

TEST_F(StatusLine, CountsBadCrcsAndSilenceAndShowsTheLastSample) {
  EXPECT_EQ(Text(), "串口未打开");
  {
    TSensorSim corrupt({"--corrupt", "1"});
    Press(corrupt.Port());
    EXPECT_TRUE(Shows("已打开 " + corrupt.Port())) << Text();
    ASSERT_TRUE(RunEventsUntil([&] { return Shows("CRC错误 3"); })) << Text();
    EXPECT_EQ(Count("应答"), 0) << Text();
    EXPECT_FALSE(Shows("最后采样")) << Text();
    Press(corrupt.Port());
    EXPECT_EQ(Text(), "串口已关闭");
  }
  {
    TSensorSim silent({"--drop", "1"});
    Press(silent.Port(), "1");
    form.Timer1.SetEnabled(false);  // ticked by hand: seconds of silence need no waiting
    for (int i = 0; i < 3; ++i) platform::RunGuarded([&] { form.Timer1Timer(); });
    EXPECT_TRUE(Shows("无应答 2")) << "the first tick had nothing to wait for: " << Text();
    EXPECT_FALSE(Shows("秒无应答")) << Text();
    platform::RunGuarded([&] { form.Timer1Timer(); });
    EXPECT_TRUE(Shows("无应答 3")) << Text();
    EXPECT_TRUE(Shows("已 3 秒无应答")) << Text();
    Press(silent.Port());
  }
  TSensorSim healthy;
  Press(healthy.Port());
  EXPECT_EQ(Text(), "已打开 " + healthy.Port()) << "counts start afresh on each open";
  ASSERT_TRUE(RunEventsUntil([&] { return Count("应答") >= 3; })) << Text();
  EXPECT_TRUE(Shows("最后采样 ")) << Text();
  EXPECT_TRUE(messages.empty());
}

TEST_F(StatusLine, EachOpenFailureKeepsTheMessageAndSaysWhy) {
  Press("/dev/sm-no-such-tty");
  EXPECT_EQ(Text(), "串口打开失败：设备不存在");

  TSensorSim sim;
  platform::TSerialDevice other;  // another program holds the port
  ASSERT_TRUE(other.Open(sim.Port()));
  Press(sim.Port());
  EXPECT_EQ(Text(), "串口打开失败：设备正被其他程序使用");
  other.Close();

  Press(sim.Port(), "0");
  EXPECT_EQ(Text().rfind("串口打开失败：采集周期无效", 0), 0u) << Text();
  EXPECT_EQ(messages, std::vector<std::string>(3, "串口打开失败"));

  // Root is never refused, so the text for a refusal is checked on its own.
  EXPECT_NE(OpenFailureReason(EACCES).find("dialout"), std::string::npos);
}

}  // namespace
