// What an operator meets in the window: the newest sample stays in view when
// x starts again from 0 (a wrapped sample counter, a reload), and a lost
// sensor leaves the button saying the port is closed.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/ControlQt.h"
#include "plot/dIredDataView.h"
#include "tests/app/ScriptedPort.h"

namespace {

std::string U(const QString& s) { return s.toStdString(); }

class WindowFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    TestMode = false;
    SampleCounter = 0;
    platform::SetMessageHook([this](const std::string& text, bool isError) {
      (isError ? errors : messages).push_back(text);
    });
    auto owned = std::make_unique<ScriptedPort>();
    port = owned.get();
    form = std::make_unique<TForm1>(std::move(owned));
    form->resize(786, 711);
  }
  void TearDown() override {
    form.reset();
    platform::SetMessageHook(nullptr);
    TestMode = false;
  }
  void Press(const char* name, const char* period = "1") {
    form->Edit1->setText(name);
    form->Edit2->setText(period);
    platform::RunGuarded([this] { form->Button2Click(); });
  }
  void Tick() { platform::RunGuarded([this] { form->Timer1Timer(); }); }

  // The chart as the operator sees it: painted, and the pixel of the newest
  // point of channel 0 with whether it lies inside the data view.
  QImage Screen() { return platform::WidgetOf(*form->dIred1)->grab().toImage(); }
  bool NewestPointInDataView() {
    Screen();  // lays the chart out
    TiPlotChannel* c = form->dIred1->Channel(0);
    const int newest = c->Count() - 1;
    if (newest < 0 || newest < c->FirstVisibleIndex() || newest > c->LastVisibleIndex()) return false;
    const TRect view = form->dIred1->DataView(0)->GetRect();
    const int px = form->dIred1->XAxis(0)->ValueToPixel(c->GetX(newest));
    const int py = form->dIred1->YAxis(0)->ValueToPixel(c->GetY(newest));
    return px >= view.Left && px < view.Right && py >= view.Top && py < view.Bottom;
  }

  ScriptedPort* port = nullptr;
  std::unique_ptr<TForm1> form;
  std::vector<std::string> messages, errors;
};

TEST_F(WindowFaults, AfterTheSampleCounterWrapsTheNewestPointIsInView) {
  SampleCounter = 65530;
  Press("COM0");
  for (int i = 0; i < 6; ++i) Tick();
  EXPECT_TRUE(NewestPointInDataView());
  for (int i = 0; i < 4; ++i) {
    Tick();  // x = 0, 1, 2, 3: back from the end
    EXPECT_TRUE(NewestPointInDataView()) << "x = " << i;
  }
  EXPECT_EQ(form->dIred1->Channel(0)->GetX(9), 3);
  EXPECT_LE(form->dIred1->XAxis(0)->Min(), 0) << "the x axis jumped back with the data";
}

TEST_F(WindowFaults, AReloadOntoAChartThatHoldsPointsShowsTheReplay) {
  Press("COM5");
  for (int i = 0; i < 150; ++i) {
    port->answers.push_back(SensorAnswer(17, 1000 + 5 * i, 25));
    Tick();
  }
  ASSERT_EQ(form->dIred1->Channel(0)->Count(), 150);
  // Another log, as "打开文件" replays it: x from 0 again.
  std::vector<std::string> log;
  for (int i = 0; i < 40; ++i) log.push_back("08:05:09,500.0,20.0");
  form->SetMemoLines(log);
  TFileDialog::Hook = [](TFileDialog::TKind) -> std::optional<std::string> { return std::nullopt; };
  platform::RunGuarded([this] { form->SpeedButton2Click(); });
  TFileDialog::Hook = nullptr;
  ASSERT_EQ(form->dIred1->Channel(0)->Count(), 190);
  EXPECT_TRUE(NewestPointInDataView());
  // The replayed level is drawn across the chart in the trace colour.
  const QImage screen = Screen();
  const int py = form->dIred1->YAxis(0)->ValueToPixel(500);
  const TRect view = form->dIred1->DataView(0)->GetRect();
  int red = 0;
  for (int px = view.Left; px < view.Right; ++px)
    for (int dy = -1; dy <= 1; ++dy) red += screen.pixelColor(px, py + dy) == QColor(255, 0, 0);
  EXPECT_GT(red, (view.Right - view.Left) / 4);
  // Ticks go on after the replay's points, and stay in view.
  port->answers.push_back(SensorAnswer(17, 1234, 25));
  Tick();
  EXPECT_EQ(form->dIred1->Channel(0)->GetX(190), 40);
  EXPECT_TRUE(NewestPointInDataView());
}

TEST_F(WindowFaults, ALostDeviceLeavesTheButtonReadyToOpenIt) {
  struct LosingPort : ScriptedPort {
    bool ReadString(std::string& s) override {
      if (lost) {
        opened = false;  // the component closes a device it lost
        throw EDeviceError("Unable to read from port. (Win32 error 5: Input/output error)", 10);
      }
      return ScriptedPort::ReadString(s);
    }
    bool lost = false;
  };
  auto owned = std::make_unique<LosingPort>();
  LosingPort* losing = owned.get();
  form = std::make_unique<TForm1>(std::move(owned));
  Press("COM5");
  ASSERT_EQ(U(form->Button2->text()), "关闭串口");
  Tick();
  losing->lost = true;
  Tick();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].rfind("Unable to read from port.", 0), 0u) << errors[0];
  EXPECT_EQ(U(form->Button2->text()), "打开串口");
  Tick();
  Tick();
  EXPECT_EQ(errors.size(), 1u) << "one message: the closed port's ticks do nothing";
  losing->lost = false;
  Press("COM6");
  EXPECT_TRUE(losing->opened) << "one press opens it again";
  EXPECT_EQ(losing->DeviceName(), "COM6");
  EXPECT_EQ(U(form->Button2->text()), "关闭串口");
  EXPECT_TRUE(messages.empty());
}

TEST_F(WindowFaults, AnErrorOnAPortThatStaysOpenKeepsTheCaption) {
  struct FlakyPort : ScriptedPort {
    bool SendString(const std::string&) override { throw EDeviceError("Unable to write to port.", 11); }
  };
  form = std::make_unique<TForm1>(std::make_unique<FlakyPort>());
  Press("COM5");
  Tick();
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_EQ(U(form->Button2->text()), "关闭串口") << "the port is still open: the next press closes it";
}

}  // namespace
