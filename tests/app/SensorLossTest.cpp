// The window against the sensor simulator on a pseudo-terminal, through the
// real serial component: the simulator ends while the port is open, and a new
// one comes up on another port.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "app/Unit1.h"
#include "platform/Application.h"
#include "tests/app/SensorSimProcess.h"
#include "tests/components/EventLoop.h"

namespace {

std::string U(const QString& s) { return s.toStdString(); }

TEST(SensorLoss, TheButtonTellsTheTruthAfterTheOneMessageAndOnePressReopens) {
  std::vector<std::string> errors, messages;
  platform::SetMessageHook([&](const std::string& text, bool isError) {
    (isError ? errors : messages).push_back(text);
  });
  TestMode = false;
  SampleCounter = 0;
  TForm1 form;
  const auto points = [&] { return form.dIred1->Channel(0)->Count(); };
  const auto press = [&](const std::string& port) {
    form.Edit1->setText(QString::fromStdString(port));
    form.Edit2->setText("0.02");
    platform::RunGuarded([&] { form.Button2Click(); });
  };

  auto sim = std::make_unique<TSensorSim>();
  ASSERT_FALSE(sim->Port().empty());
  press(sim->Port());
  ASSERT_EQ(U(form.Button2->text()), "关闭串口");
  ASSERT_TRUE(RunEventsUntil([&] { return points() >= 3; }));

  TSensorSim next;  // up before the first goes, so its pty has another name
  ASSERT_FALSE(next.Port().empty());
  ASSERT_NE(next.Port(), sim->Port());
  sim->Kill();
  ASSERT_TRUE(RunEventsUntil([&] { return U(form.Button2->text()) == "打开串口"; }));
  EXPECT_FALSE(form.XComm1->Opened());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("Unable to"), std::string::npos) << errors[0];
  const int before = points();
  for (int i = 0; i < 5; ++i) platform::RunGuarded([&] { form.Timer1Timer(); });
  EXPECT_EQ(errors.size(), 1u) << "ticks on the closed port say nothing more";
  EXPECT_EQ(points(), before);

  press(next.Port());
  EXPECT_EQ(U(form.Button2->text()), "关闭串口");
  EXPECT_TRUE(RunEventsUntil([&] { return points() >= before + 3; })) << "samples flow again";
  EXPECT_TRUE(messages.empty()) << "no open failure";
  platform::SetMessageHook(nullptr);
}

}  // namespace
