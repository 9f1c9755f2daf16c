#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "app/PortBox.h"
#include "app/crc16.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/Random.h"
#include "platform/Bitmap.h"
#include "platform/ControlQt.h"
#include "platform/ImageFiles.h"
#include "tests/app/ScriptedPort.h"
#include "tests/components/SevenSegmentPicture.h"

std::string SensorAnswer(size_t length, int distance, int temperature) {
  std::string frame("\x01\x03\x0C", 3);
  std::string registers(12, '\0');
  registers[0] = static_cast<char>(distance >> 8);
  registers[1] = static_cast<char>(distance & 0xFF);
  registers[10] = static_cast<char>(temperature >> 8);
  registers[11] = static_cast<char>(temperature & 0xFF);
  frame += registers;
  frame.resize(length - 2);
  return frame + CalcCrc16(frame);
}

namespace {
std::string U(const QString& s) { return s.toStdString(); }

// What a control shows on screen, painted by its own paint handler.
TBitmap Grab(QWidget* widget) {
  TBitmap picture;
  platform::ImageOf(picture) = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  return picture;
}

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    TestMode = false;
    SampleCounter = 0;
    platform::SetNowSource([] { return platform::EncodeDate(2026, 12, 8) + platform::EncodeTime(8, 5, 9, 0); });
    platform::SetMessageHook([this](const std::string& text, bool isError) {
      (isError ? errors : messages).push_back(text);
    });
    auto owned = std::make_unique<ScriptedPort>();
    port = owned.get();
    form = std::make_unique<TForm1>(std::move(owned));
  }
  void TearDown() override {
    form.reset();
    platform::SetNowSource(nullptr);
    platform::SetMessageHook(nullptr);
    TestMode = false;
  }
  void Open(const char* name = "COM5", const char* period = "1") {
    form->Edit1->setText(name);
    form->Edit2->setText(period);
    platform::RunGuarded([this] { form->Button2Click(); });
  }
  void Tick() { platform::RunGuarded([this] { form->Timer1Timer(); }); }
  int Points(int channel) { return form->dIred1->Channel(channel)->Count(); }

  ScriptedPort* port = nullptr;
  std::unique_ptr<TForm1> form;
  std::vector<std::string> messages, errors;
};
}  // namespace

TEST_F(Window, ControlsAsCreated) {
  EXPECT_EQ(U(form->windowTitle()), "Tarnvale-传感器实时监测软件");
  EXPECT_EQ(form->geometry(), QRect(315, 103, 786, 711));
  EXPECT_EQ(U(form->rzlabel1->text()), "实时距离(mm)");
  EXPECT_EQ(U(form->Label1->text()), "采集周期(秒)    ");
  EXPECT_EQ(U(form->Label2->text()), "内部温度°C");
  EXPECT_EQ(U(form->SpeedButton1->text()), "保存文件");
  EXPECT_EQ(U(form->SpeedButton2->text()), "打开文件");
  EXPECT_EQ(U(form->Button2->text()), "打开串口");
  EXPECT_EQ(U(form->Button1->text()), "test");
  EXPECT_EQ(U(form->CheckBox1->text()), "高速采集");
  EXPECT_EQ(U(form->Edit1->text()), "COM1");
  EXPECT_EQ(U(form->Edit2->text()), "1");
  EXPECT_EQ(U(form->PageControl1->tabText(0)), "曲      线");
  EXPECT_EQ(U(form->PageControl1->tabText(1)), "数      据");
  EXPECT_EQ(form->PageControl1->currentIndex(), 0);
  EXPECT_TRUE(form->Panel2->isHidden());
  EXPECT_TRUE(form->Label2->isHidden());
  EXPECT_TRUE(form->CheckBox1->isHidden());
  EXPECT_TRUE(form->Button1->isHidden());
  EXPECT_FALSE(form->iSevenSegmentAnalog2->Visible());
  EXPECT_TRUE(form->iSevenSegmentAnalog1->Visible());
  EXPECT_EQ(form->iSevenSegmentAnalog1->Top(), 24) << "moved 10 pixels down at creation";
  EXPECT_EQ(form->iSevenSegmentAnalog2->Top(), 24);
  EXPECT_EQ(form->iSevenSegmentAnalog1->Left(), 154);
  EXPECT_EQ(form->iSevenSegmentAnalog2->Left(), 392);
  EXPECT_EQ(form->iSevenSegmentAnalog1->Width(), 119) << "the stored size stays";
  EXPECT_EQ(form->iSevenSegmentAnalog2->Height(), 43);
  EXPECT_EQ(form->Button2->geometry(), QRect(652, 23, 100, 30));
  EXPECT_EQ(form->PortBox->geometry(), QRect(544, 22, 97, 33));
  EXPECT_EQ(form->Edit1, form->PortBox->lineEdit()) << "the port name is the box's text";
  EXPECT_EQ(form->Edit2->geometry(), QRect(656, 12, 89, 33));
  EXPECT_EQ(form->SpeedButton1->geometry(), QRect(8, 8, 113, 33));
  EXPECT_EQ(form->SpeedButton2->geometry(), QRect(128, 8, 113, 33));
  EXPECT_EQ(form->iSevenSegmentAnalog1->Precision(), 0);
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_TRUE(form->MemoLines().empty());
}

TEST_F(Window, ChartAfterItsSetUp) {
  TChart* chart = form->dIred1.get();
  EXPECT_EQ(chart->TitleText(), "实时距离曲线");
  ASSERT_EQ(chart->ChannelCount(), 2);
  ASSERT_EQ(chart->XAxisCount(), 1);
  EXPECT_EQ(chart->YAxis(0)->Span(), 4000);
  EXPECT_EQ(chart->YAxis(0)->Min(), 0);
  EXPECT_EQ(chart->YAxis(0)->Title(), "距离值(mm)");
  EXPECT_TRUE(chart->YAxis(0)->TitleShow());
  EXPECT_EQ(chart->XAxis(0)->Title(), "采样时间(S)");
  EXPECT_TRUE(chart->XAxis(0)->TitleShow());
  EXPECT_EQ(chart->XAxis(0)->Span(), 100);
  EXPECT_EQ(chart->XAxis(0)->LabelsFont().Color, clRed);
  EXPECT_EQ(chart->Channel(0)->TitleText(), "距离1");
  EXPECT_EQ(chart->Channel(0)->Color(), 255);
  EXPECT_EQ(chart->Channel(1)->TitleText(), "内部温度");
  EXPECT_EQ(chart->Channel(1)->Color(), 65535);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(chart->Channel(i)->TraceLineWidth(), 2);
    EXPECT_EQ(chart->Channel(i)->XAxisName(), chart->XAxis(0)->Name());
  }
}

TEST_F(Window, FirstTickAfterOpeningWaitsAndSendsTheRequest) {
  Open();
  EXPECT_EQ(port->DeviceName(), "COM5");
  EXPECT_EQ(U(form->Button2->text()), "关闭串口");
  EXPECT_TRUE(form->Timer1.Enabled());
  EXPECT_EQ(form->Timer1.Interval(), 1000);
  const int64_t start = platform::MillisecondClock();
  Tick();
  EXPECT_GE(platform::MillisecondClock() - start, 25);
  ASSERT_EQ(port->sent.size(), 1u);
  EXPECT_EQ(port->sent[0], PollRequest);
  EXPECT_EQ(Points(0), 0);
  EXPECT_TRUE(form->MemoLines().empty());
}

TEST_F(Window, ShortAnswersReachChannelZeroOnlyWithAShortLine) {
  Open();
  port->answers = {SensorAnswer(7, 1234), SensorAnswer(8, 1235), SensorAnswer(9, 1236, 30)};
  Tick();
  Tick();
  Tick();
  EXPECT_EQ(Points(0), 3);
  EXPECT_EQ(Points(1), 0) << "answers without the temperature register add no temperature point";
  EXPECT_EQ(form->MemoLines(),
            (std::vector<std::string>{"08:05:09,1234.0", "08:05:09,1235.0", "08:05:09,1236.0"}));
  EXPECT_EQ(form->iSevenSegmentAnalog1->Value(), 1236);
  EXPECT_EQ(port->sent.size(), 3u);
  EXPECT_FALSE(form->iSevenSegmentAnalog2->Visible()) << "short answers keep the visibility";
  EXPECT_EQ(SampleCounter, 3);
}

TEST_F(Window, LongAnswersShowTheTemperatureUnlessImplausible) {
  Open();
  port->answers = {SensorAnswer(17, 1500, 25), SensorAnswer(17, 1501, 65535 - 200),
                   SensorAnswer(15, 1502, 0), SensorAnswer(17, 1503, 26)};
  Tick();
  EXPECT_TRUE(form->iSevenSegmentAnalog2->Visible());
  EXPECT_FALSE(form->Label2->isHidden());
  EXPECT_EQ(form->iSevenSegmentAnalog2->Value(), 25);
  Tick();
  EXPECT_FALSE(form->iSevenSegmentAnalog2->Visible()) << "-200 hides";
  EXPECT_TRUE(form->Label2->isHidden());
  Tick();  // 15 bytes: the CRC stands in the temperature's place
  Tick();
  EXPECT_TRUE(form->iSevenSegmentAnalog2->Visible());
  EXPECT_EQ(Points(0), 4);
  EXPECT_EQ(Points(1), 4);
  EXPECT_EQ(form->dIred1->Channel(1)->GetY(0), 25);
  EXPECT_EQ(form->dIred1->Channel(1)->GetX(3), 3);
  EXPECT_EQ(form->MemoLines()[0], "08:05:09,1500.0,25.0");
  EXPECT_EQ(form->MemoLines()[1], "08:05:09,1501.0,-200.0");
  EXPECT_EQ(form->MemoLines()[3], "08:05:09,1503.0,26.0");
}

TEST_F(Window, BadAndDoubledAnswersAreDroppedWithoutARequest) {
  Open();
  std::string corrupt = SensorAnswer(17, 1, 2);
  corrupt[5] ^= 1;
  port->answers = {SensorAnswer(17, 1, 2) + SensorAnswer(17, 3, 4), corrupt, ""};
  Tick();
  Tick();
  EXPECT_TRUE(port->sent.empty());
  EXPECT_EQ(Points(0), 0);
  Tick();
  EXPECT_EQ(port->sent.size(), 1u) << "the quiet tick after asks again";
  EXPECT_TRUE(errors.empty()) << "bad answers are silent";
}

TEST_F(Window, SampleCounterWrapsToZero) {
  Open();
  SampleCounter = 65535;
  port->answers = {SensorAnswer(7, 10), SensorAnswer(7, 11)};
  Tick();
  Tick();
  EXPECT_EQ(form->dIred1->Channel(0)->GetX(0), 65535);
  EXPECT_EQ(form->dIred1->Channel(0)->GetX(1), 0);
  EXPECT_EQ(SampleCounter, 1);
}

TEST_F(Window, PeriodBecomesTheIntervalRoundedHalfToEven) {
  Open("COM5", "0.5");
  EXPECT_EQ(form->Timer1.Interval(), 500);
  Open("COM5", "1");  // closes
  Open("COM5", "1");
  EXPECT_EQ(form->Timer1.Interval(), 1000);
  Open("COM5");
  Open("COM5", "0.0625");  // 62.5 ms exactly
  EXPECT_EQ(form->Timer1.Interval(), 62);
  Open("COM5");
  Open("COM5", "0.1875");  // 187.5 ms exactly
  EXPECT_EQ(form->Timer1.Interval(), 188);
}

TEST_F(Window, APeriodThatWouldFireWithoutPauseIsRefused) {
  form->Edit1->setText("COM0");
  form->Edit2->setText("2");
  platform::RunGuarded([this] { form->Button2Click(); });
  ASSERT_TRUE(form->Timer1.Enabled());
  for (const char* bad : {"0", "0.0004", "-1", "1e12"}) {
    form->Edit2->setText(bad);
    platform::RunGuarded([this] { form->Button2Click(); });
    EXPECT_EQ(form->Timer1.Interval(), 2000) << bad << ": the timer stays as it was";
    EXPECT_TRUE(form->Timer1.Enabled());
  }
  EXPECT_EQ(errors.size(), 4u);

  // On the port path it is an open failure.
  TestMode = false;
  form->Timer1.SetEnabled(false);
  Open("COM5", "0");
  EXPECT_EQ(messages, std::vector<std::string>{"串口打开失败"});
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_TRUE(port->opened) << "the device had opened; the next press closes it";
  EXPECT_EQ(U(form->Button2->text()), "打开串口");
  Open("COM5", "1");
  EXPECT_FALSE(port->opened);
}

TEST_F(Window, TestModeRunsOnGeneratedValues) {
  platform::SetRandomSeed(7);
  Open("COM0", "0.5");
  EXPECT_TRUE(TestMode);
  EXPECT_EQ(port->opens, 0) << "no serial device is touched";
  EXPECT_EQ(U(form->Button2->text()), "打开串口");
  EXPECT_EQ(form->Timer1.Interval(), 500);
  Open("COM0", "2");
  EXPECT_TRUE(TestMode);
  EXPECT_EQ(form->Timer1.Interval(), 2000);
  for (int i = 0; i < 20; ++i) Tick();
  ASSERT_EQ(Points(0), 20);
  EXPECT_EQ(Points(1), 0);
  const auto lines = form->MemoLines();
  ASSERT_EQ(lines.size(), 20u);
  for (int i = 0; i < 20; ++i) {
    const double v = form->dIred1->Channel(0)->GetY(i);
    EXPECT_GE(v, 20.0);
    EXPECT_LE(v, 29.2);
    EXPECT_EQ(lines[i], "08:05:09," + platform::FormatFixed(v, 1)) << "the log holds the charted value";
  }
  // A later press with a real port name opens it, but ticks stay generated.
  Open("COM5");
  EXPECT_TRUE(port->opened);
  Tick();
  EXPECT_TRUE(port->sent.empty());
  EXPECT_EQ(Points(0), 21);
}

TEST_F(Window, ANonNumericPeriodInTestModeIsShownAndLeavesTheTimer) {
  Open("COM0", "abc");
  EXPECT_TRUE(TestMode);
  EXPECT_FALSE(form->Timer1.Enabled());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "'abc' is not a valid floating point value.");
}

TEST_F(Window, OpenFailureAndClose) {
  port->failOpen = true;
  form->Timer1.SetEnabled(true);
  Open("COM9");
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_EQ(messages, std::vector<std::string>{"串口打开失败"});
  EXPECT_EQ(U(form->Button2->text()), "打开串口");
  EXPECT_TRUE(errors.empty()) << "the exception's own text is not shown";

  port->failOpen = false;
  Open("COM9", "0.5");
  EXPECT_EQ(U(form->Button2->text()), "关闭串口");
  Open("COM9");  // close
  EXPECT_FALSE(port->opened);
  EXPECT_EQ(U(form->Button2->text()), "打开串口");
  EXPECT_TRUE(form->Timer1.Enabled()) << "closing leaves the timer running";
  Tick();
  EXPECT_TRUE(port->sent.empty()) << "ticks do nothing while closed";
  Open("COM9", "2");
  EXPECT_EQ(form->Timer1.Interval(), 2000) << "re-opening reads the period again";
}

TEST_F(Window, ErrorsDuringATickAreShownAndTheTimerGoesOn) {
  struct FailingPort : ScriptedPort {
    bool ReadString(std::string&) override { throw Exception("Unable to read from port."); }
  };
  auto owned = std::make_unique<FailingPort>();
  owned->opened = true;
  form = std::make_unique<TForm1>(std::move(owned));
  form->Timer1.SetEnabled(true);
  Tick();
  Tick();
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "Unable to read from port.");
  EXPECT_TRUE(form->Timer1.Enabled());
}

TEST_F(Window, BothDisplaysShowTheDecodedValuesAfterATick) {
  Open();
  port->answers = {SensorAnswer(17, 1500, 25)};
  Tick();
  using namespace segment_picture;
  const TBitmap distance = Grab(platform::WidgetOf(*form->iSevenSegmentAnalog1));
  // 119 wide: five cells of 17, 23 apart, from x = 5.
  EXPECT_EQ(ReadRow(distance, 5, 5, 17, 33, 23, 5, TColors{clLime, RGB(0, 85, 0), clBlack}), "+1500");
  const TBitmap temperature = Grab(platform::WidgetOf(*form->iSevenSegmentAnalog2));
  // 113 wide: five cells of 15, 21 apart, from x = 7.
  EXPECT_EQ(ReadRow(temperature, 7, 5, 15, 33, 21, 5, TColors{clYellow, RGB(85, 85, 0), clBlack}), "+  25");
  if (const char* dir = std::getenv("SEGMENT_PICTURES")) {
    form->resize(786, 711);
    platform::SavePNG(Grab(form->Panel1), std::string(dir) + "/main-window-displays.png", 9);
  }
}

namespace {
TEST_F(Window, AChangedPeriodAppliesWhilePollingAtTheNextTickOrOnEnter) {
  Open("COM5", "1");
  ASSERT_EQ(form->Timer1.Interval(), 1000);
  form->Edit2->setText("0.5");
  EXPECT_EQ(form->Timer1.Interval(), 1000) << "typing alone changes nothing yet";
  platform::RunGuarded([this] { form->Timer1Timer(); });
  EXPECT_EQ(form->Timer1.Interval(), 500);
  form->Edit2->setText("0");
  platform::RunGuarded([this] { form->Timer1Timer(); });
  EXPECT_EQ(form->Timer1.Interval(), 500) << "an invalid period is ignored while polling";
  form->Edit2->setText("2");
  emit form->Edit2->returnPressed();
  EXPECT_EQ(form->Timer1.Interval(), 2000);
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(form->Timer1.Enabled());
}
}  // namespace
