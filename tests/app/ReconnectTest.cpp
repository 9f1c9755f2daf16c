// A device lost while open comes back by itself: a link standing for a by-id
// name points at a simulator's pty, the simulator ends, a new one starts on
// another pty and the link is moved to it, as udev moves it for a replugged
// adapter.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "app/Unit1.h"
#include "platform/Application.h"
#include "tests/app/SensorSimProcess.h"
#include "tests/components/EventLoop.h"

namespace {
namespace fs = std::filesystem;

std::string U(const QString& s) { return s.toStdString(); }

TEST(Reconnect, ALostAdapterIsFoundAgainThroughItsMovedLinkWithNoUserAction) {
  std::vector<std::string> errors, messages;
  platform::SetMessageHook([&](const std::string& text, bool isError) {
    (isError ? errors : messages).push_back(text);
  });
  TestMode = false;
  const fs::path link = fs::temp_directory_path() / ("sm-by-id-" + std::to_string(::getpid()));
  fs::remove(link);
  TForm1 form;
  const auto points = [&] { return form.dIred1->Channel(0)->Count(); };
  const auto status = [&] { return U(form.StatusLabel->text()); };

  auto first = std::make_unique<TSensorSim>();
  fs::create_symlink(first->Port(), link);
  form.Edit1->setText(QString::fromStdString(link.string()));
  form.Edit2->setText("0.02");
  platform::RunGuarded([&] { form.Button2Click(); });
  ASSERT_EQ(U(form.Button2->text()), "关闭串口");
  ASSERT_TRUE(RunEventsUntil([&] { return points() >= 3; }));

  TSensorSim second;  // up before the first goes, so its pty has another name
  first->Kill();
  ASSERT_TRUE(RunEventsUntil([&] { return status().find("已断开") != std::string::npos; })) << status();
  EXPECT_EQ(U(form.Button2->text()), "打开串口") << "closed while it is away";
  // Retries against the dead link stay quiet.
  const size_t errorsAtLoss = errors.size();
  for (int i = 0; i < 3; ++i) platform::RunGuarded([&] { form.Timer1Timer(); });
  EXPECT_EQ(errors.size(), errorsAtLoss);
  EXPECT_EQ(U(form.Button2->text()), "打开串口");

  fs::remove(link);
  fs::create_symlink(second.Port(), link);
  const int before = points();
  ASSERT_TRUE(RunEventsUntil([&] { return points() >= before + 3; })) << status();
  EXPECT_EQ(U(form.Button2->text()), "关闭串口");
  EXPECT_NE(status().find("已重新连接"), std::string::npos) << status();
  EXPECT_TRUE(messages.empty()) << "no message box for a retry";
  EXPECT_LE(errors.size(), 1u) << "at most the loss itself is reported";
  fs::remove(link);
  platform::SetMessageHook(nullptr);
}

}  // namespace
