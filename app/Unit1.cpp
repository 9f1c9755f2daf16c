#include "app/Unit1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <climits>

#include "app/LogLine.h"
#include "app/PortBox.h"
#include "app/WindowIcon.h"
#include "app/crc16.h"
#include "editor/dIredEditor.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/ControlQt.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/Random.h"
#include "platform/Rounding.h"
#include "platform/SerialDevice.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredToolBar.h"

bool TestMode = false;
uint16_t SampleCounter = 0;

namespace {
const char* const kYaHei = "微软雅黑";

QFont Font(const char* face, int pixelHeight, bool bold = false) {
  QFont font(QString::fromUtf8(face));
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QWidget* Panel(QWidget* parent, int height) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setFixedHeight(height);
  return panel;
}

QLabel* Label(QWidget* parent, const char* caption, int left, int top) {
  auto* label = new QLabel(Q(caption), parent);
  label->setFont(Font(kYaHei, 19));
  label->adjustSize();
  label->move(left, top);
  return label;
}

// A flat speed button whose glyph holds two images: enabled and disabled.
QToolButton* SpeedButton(QWidget* parent, const char* caption, QStyle::StandardPixmap glyph, QRect r) {
  auto* button = new QToolButton(parent);
  button->setText(Q(caption));
  button->setIcon(parent->style()->standardIcon(glyph));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  button->setFont(Font(kYaHei, 19));
  button->setGeometry(r);
  return button;
}

// A numeric display as the window's stored description gives it: read as
// loading, so the stored size stays until a resizing property changes.
std::unique_ptr<TNumericDisplay> Display(QWidget* parent, int left, int top, int width, int height, TColor color) {
  auto display = std::make_unique<TNumericDisplay>();
  display->SetLoading(true);
  display->SetSegmentColor(color);
  display->SetPrecision(0);
  display->SetBounds(left, top, width, height);
  display->SetLoading(false);
  platform::SetParentWidget(*display, parent);
  return display;
}

// The chart as the window's stored description gives it: a blue-to-black
// gradient, the flat small-button toolbar, a white-titled y axis that scales
// to its data, a dark grey grid and a hidden data cursor.
std::unique_ptr<TChart> Chart(QWidget* parent) {
  auto chart = std::make_unique<TChart>();
  chart->BeginUpdate();
  chart->SetBackGroundGradientEnabled(true);
  chart->SetBackGroundGradientDirection(ifdTopBottom);
  chart->SetBackGroundGradientStartColor(clBlue);
  chart->SetBackGroundGradientStopColor(clBlack);
  TiPlotToolBar* toolBar = chart->ToolBar(0);
  toolBar->SetFlatButtons(true);
  toolBar->SetSmallButtons(true);
  toolBar->SetZoomInOutFactor(2);
  TiPlotYAxis* y = chart->YAxis(0);
  y->SetSpan(100);
  y->SetTrackingStyle(iptsScaleMinMax);
  y->SetTrackingAlignFirstStyle(ipafsNone);
  TFont white = y->TitleFont();
  white.Color = clWhite;
  y->SetTitleFont(white);
  white = y->LabelsFont();
  white.Color = clWhite;
  y->SetLabelsFont(white);
  chart->DataView(0)->SetGridLineColor(1776411);
  chart->DataCursor(0)->SetVisible(false);
  TFont title = chart->TitleFont();
  title.Name = "Arial";
  title.Height = 19;
  title.Style = FontStyleBit(fsBold);
  title.Color = clWhite;
  chart->SetTitleFont(title);
  chart->EndUpdate();
  platform::SetParentWidget(*chart, parent);
  return chart;
}

// Qt slots must not let an exception escape: each handler runs guarded, and
// what escapes it is shown like any other unhandled error.
template <typename Widget, typename Signal>
void Connect(Widget* widget, Signal signal, std::function<void()> handler) {
  QObject::connect(widget, signal, [handler = std::move(handler)] { platform::RunGuarded(handler); });
}
}  // namespace

namespace {
// XComm1 as the window stores it; what is not set here keeps the component's
// default (9600 baud, 8 data bits, no parity, 1 stop bit, 2048-byte queues,
// 500 ms call limits, no flow control).
void SetUpXComm1(TXComm& port) {
  port.SetDeviceName("COM27");
  port.SetSynchronize(false);
  port.Timeouts().SetReadInterval(100);
  port.Timeouts().SetReadMultiplier(1);
  port.Timeouts().SetReadConstant(100);
  port.Timeouts().SetWriteMultiplier(100);
  port.Timeouts().SetWriteConstant(100);
}
}  // namespace

TForm1::TForm1(std::unique_ptr<TSerialPort> port)
    : XComm1(port ? std::move(port) : std::make_unique<TSerialPort>()),
      SaveDialog1(this, TFileDialog::fdSave),
      OpenDialog1(this, TFileDialog::fdOpen) {
  CreateControls();
  SetUpXComm1(*XComm1);
  Timer1.SetEnabled(false);
  Timer1.OnTimer = [this] { Timer1Timer(); };
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
  setGeometry(315, 103, 786, 711);
  setWindowTitle(Q("Tarnvale-传感器实时监测软件"));
  setWindowIcon(WindowIcon());
  setFont(Font("MS Sans Serif", 11));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  Panel2 = Panel(this, 1);
  auto* panel2Caption = new QLabel(Q("传感器实时监测软件"), Panel2);
  panel2Caption->setFont(Font(kYaHei, 31));
  panel2Caption->setStyleSheet("color: blue");
  Panel2->hide();

  Panel3 = Panel(this, 48);
  SpeedButton1 = SpeedButton(Panel3, "保存文件", QStyle::SP_DialogSaveButton, QRect(8, 8, 113, 33));
  SpeedButton2 = SpeedButton(Panel3, "打开文件", QStyle::SP_DialogOpenButton, QRect(128, 8, 113, 33));
  Label1 = Label(Panel3, "采集周期(秒)    ", 536, 14);
  Edit2 = new QLineEdit("1", Panel3);
  Edit2->setFont(Font(kYaHei, 19));
  Edit2->setGeometry(656, 12, 89, 33);

  Panel1 = Panel(this, 72);
  rzlabel1 = Label(Panel1, "实时距离（mm）", 8, 24);
  iSevenSegmentAnalog1 = Display(Panel1, 154, 14, 119, 43, clLime);
  Label2 = Label(Panel1, "内部温度°C", 288, 24);
  Label2->hide();
  iSevenSegmentAnalog2 = Display(Panel1, 392, 14, 113, 43, clYellow);
  iSevenSegmentAnalog2->SetVisible(false);
  CheckBox1 = new QCheckBox(Q("高速采集"), Panel1);
  CheckBox1->setFont(Font(kYaHei, 19));
  CheckBox1->setGeometry(537, 8, 97, 17);
  CheckBox1->hide();
  PortBox = new TPortBox("COM1", Panel1);
  PortBox->setFont(Font(kYaHei, 19));
  PortBox->setGeometry(544, 22, 97, 33);
  Edit1 = PortBox->lineEdit();
  Button1 = new QPushButton("test", Panel1);
  Button1->setGeometry(656, 0, 75, 25);
  Button1->hide();
  Button2 = new QPushButton(Q("打开串口"), Panel1);
  Button2->setFont(Font(kYaHei, 20));
  Button2->setGeometry(652, 23, 100, 30);

  PageControl1 = new QTabWidget(this);
  PageControl1->setFont(Font(kYaHei, 19));
  TabSheet1 = new QWidget;
  TabSheet2 = new QWidget;
  PageControl1->addTab(TabSheet1, Q("曲      线"));
  PageControl1->addTab(TabSheet2, Q("数      据"));
  dIred1 = Chart(TabSheet1);
  InstallPlotEditor(*dIred1);
  (new QVBoxLayout(TabSheet1))->addWidget(platform::WidgetOf(*dIred1));
  TabSheet1->layout()->setContentsMargins(0, 0, 0, 0);
  Memo1 = new TMemoView(TabSheet2);
  (new QVBoxLayout(TabSheet2))->addWidget(Memo1);
  TabSheet2->layout()->setContentsMargins(0, 0, 0, 0);
  PageControl1->setCurrentIndex(0);

  layout->addWidget(Panel2);
  layout->addWidget(Panel3);
  layout->addWidget(Panel1);
  layout->addWidget(PageControl1, 1);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  StatusLabel = new QLabel(StatusBar1);
  StatusLabel->setFont(Font(kYaHei, 14));
  StatusBar1->addWidget(StatusLabel, 1);
  layout->addWidget(StatusBar1);
  ShowStatus();

  Connect(SpeedButton1, &QToolButton::clicked, [this] { SpeedButton1Click(); });
  Connect(SpeedButton2, &QToolButton::clicked, [this] { SpeedButton2Click(); });
  Connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  Connect(Button2, &QPushButton::clicked, [this] { Button2Click(); });
  Connect(Edit2, &QLineEdit::returnPressed, [this] { ApplyPeriod(); });
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TForm1::FormCreate() {
  rzlabel1->setText(Q("实时距离(mm)"));
  rzlabel1->adjustSize();
  iSevenSegmentAnalog1->SetPrecision(0);
  iSevenSegmentAnalog2->SetPrecision(0);
  iSevenSegmentAnalog1->SetTop(iSevenSegmentAnalog1->Top() + 10);
  iSevenSegmentAnalog2->SetTop(iSevenSegmentAnalog2->Top() + 10);
  COMM_init();
  dired_init();
}

void TForm1::dired_init() {
  dIred1->RemoveAllChannels();
  dIred1->RemoveAllXAxes();
  dIred1->SetTitleText("实时距离曲线");

  auto* y = dIred1->YAxis(0);
  y->SetSpan(4000);
  y->SetMin(0);
  y->SetTitle("距离值(mm)");
  y->SetTitleShow(true);

  dIred1->AddChannel();
  auto* distance = dIred1->Channel(0);
  distance->SetTitleText("距离1");
  distance->SetColor(clRed);
  distance->SetTraceLineWidth(2);

  dIred1->AddXAxis();
  auto* x = dIred1->XAxis(0);
  x->SetTitle("采样时间(S)");
  x->SetTitleShow(true);
  x->SetSpan(100);
  distance->SetXAxisName(x->Name());
  TFont labels = x->LabelsFont();
  labels.Color = clRed;
  x->SetLabelsFont(labels);

  dIred1->AddChannel();
  auto* temperature = dIred1->Channel(1);
  temperature->SetTitleText("内部温度");
  temperature->SetColor(clYellow);
  temperature->SetTraceLineWidth(2);
  temperature->SetXAxisName(x->Name());
}

// The sampling period as a timer interval. An interval that rounds to 0 ms
// would make the timer fire without pause, and one beyond the timer's range
// cannot be set: both are refused.
int TForm1::PeriodInterval() const {
  const double period = platform::StrToFloat(Edit2->text().toStdString());
  const double interval = static_cast<double>(Round(period * 1000));
  if (!(interval >= 1 && interval <= INT_MAX))
    throw Exception("采集周期无效：须在 0.001 至 2147483 秒之间");
  return static_cast<int>(interval);
}

void TForm1::ApplyPeriod() {
  if (!Timer1.Enabled()) return;
  try {
    const int interval = PeriodInterval();
    if (interval != Timer1.Interval()) Timer1.SetInterval(interval);
    Status.SetPeriod(interval / 1000.0);
  } catch (const std::exception&) {
  }
}

void TForm1::ShowStatus() { StatusLabel->setText(QString::fromStdString(Status.Text())); }

void TForm1::Button2Click() {
  lostDevice_.clear();  // the operator takes over
  retrying_ = false;
  if (Edit1->text() == "COM0") {
    TestMode = true;
    Timer1.SetInterval(PeriodInterval());
    Timer1.SetEnabled(true);
    Status.TestMode();
    Status.SetPeriod(Timer1.Interval() / 1000.0);
    ShowStatus();
    return;
  }
  if (XComm1->Opened()) {
    XComm1->CloseDevice();
    Button2->setText(Q("打开串口"));
    Status.Closed();
    ShowStatus();
    return;
  }
  try {
    XComm1->SetDeviceName(Edit1->text().toStdString());
    XComm1->OpenDevice();
    Timer1.SetInterval(PeriodInterval());
    if (XComm1->Opened()) Button2->setText(Q("关闭串口"));
    Timer1.SetEnabled(true);
    requestPending_ = false;
    Status.Opened(Edit1->text().toStdString());
    Status.SetPeriod(Timer1.Interval() / 1000.0);
  } catch (const std::exception& error) {
    Timer1.SetEnabled(false);
    Status.OpenFailed(OpenFailure(error));
    ShowStatus();
    platform::ShowMessage("串口打开失败");
    Button2->setText(Q("打开串口"));
  }
  ShowStatus();
}

// The serial component says only that it could not open: the system's reason
// comes from trying the device once more.
std::string TForm1::OpenFailure(const std::exception& error) {
  const auto* device = dynamic_cast<const EDeviceError*>(&error);
  if (!device || device->ErrorCode != ecCannotOpen) return error.what();
  platform::TSerialDevice probe;
  if (probe.Open(Edit1->text().toStdString())) return "设备打开后又被拒绝";
  return OpenFailureReason(probe.LastError());
}

void TForm1::Timer1Timer() {
  ApplyPeriod();
  if (TestMode) {
    Button1Click();
    Status.Accepted(platform::Now());
    return ShowStatus();
  }
  if (!XComm1->Opened()) return TryReconnect();
  try {
    PollSensor();
    retrying_ = false;
    ShowStatus();
  } catch (...) {
    // A device that went away while open (unplugged, its simulator ended)
    // is closed by the serial component as it reports the error: the button
    // says so before the error is shown, one press opens it again, and the
    // next ticks try to by themselves.
    if (!XComm1->Opened()) {
      Button2->setText(Q("打开串口"));
      lostDevice_ = XComm1->DeviceName();
      Status.Lost(lostDevice_);
      ShowStatus();
      // Only the first loss is reported: a device that reopens and fails
      // again must not bring a message every period.
      const bool reported = retrying_;
      retrying_ = true;
      if (reported) return;
    }
    throw;
  }
}

// The name is opened afresh, so a by-id link that now points at the
// adapter's new short name leads to it.
void TForm1::TryReconnect() {
  if (lostDevice_.empty()) return;
  try {
    XComm1->SetDeviceName(lostDevice_);
    XComm1->OpenDevice();
  } catch (const std::exception&) {
    return;
  }
  if (!XComm1->Opened()) return;
  Button2->setText(Q("关闭串口"));
  requestPending_ = false;
  Status.Reconnected(lostDevice_);
  lostDevice_.clear();
  ShowStatus();
}

void TForm1::PollSensor() {
  std::string answer;
  XComm1->ReadString(answer);
  if (answer.size() < 7) {
    if (requestPending_) Status.Unanswered();
    platform::SleepMs(25);
    XComm1->SendString(PollRequest);
    requestPending_ = true;
    return;
  }
  requestPending_ = false;
  if (CheckAnswer(answer) != acAccepted) {
    Status.CrcFailure();
    // No request on this tick: the next one finds the line quiet and asks anew.
    platform::SleepMs(25);
    return;
  }
  const TDecodedSample sample = DecodeAnswer(answer);
  if (sample.SecondValue) {
    const bool plausible = *sample.SecondValue > -200;
    iSevenSegmentAnalog2->SetVisible(plausible);
    Label2->setVisible(plausible);
  }
  iSevenSegmentAnalog1->SetValue(sample.FirstValue);
  if (sample.SecondValue) iSevenSegmentAnalog2->SetValue(*sample.SecondValue);
  dIred1->Channel(0)->AddXY(SampleCounter, sample.FirstValue);
  if (sample.SecondValue) dIred1->Channel(1)->AddXY(SampleCounter, *sample.SecondValue);
  ++SampleCounter;
  const platform::TDateTime now = platform::Now();
  AppendLog(sample.SecondValue ? LongLogLine(now, sample.FirstValue, *sample.SecondValue)
                               : ShortLogLine(now, sample.FirstValue));
  Status.Accepted(now);
  XComm1->SendString(PollRequest);
  requestPending_ = true;
}

void TForm1::Button1Click() {
  const float value = static_cast<float>(platform::RandomBelow(10)) + 20.1f;
  iSevenSegmentAnalog1->SetValue(value);
  dIred1->Channel(0)->AddXY(SampleCounter, value);
  ++SampleCounter;
  // The log records the value the display and the chart received, so that a
  // reload replays what the operator saw.
  AppendLog(ShortLogLine(platform::Now(), value));
}

void TForm1::AppendLog(const std::string& line) {
  Memo1->Append(line);
  if (OnLogLine) OnLogLine(line);
}

std::vector<std::string> TForm1::MemoLines() const { return Memo1->Text().Lines(); }

void TForm1::SetMemoLines(const std::vector<std::string>& lines) { Memo1->SetLines(lines); }

void TForm1::SpeedButton1Click() {
  if (!SaveDialog1.Execute()) return;
  platform::WriteFileAtomically(SaveDialog1.FileName, JoinLogText(Memo1->Text()));
}

void TForm1::SpeedButton2Click() {
  // A file that cannot be read raises here, before the memo is touched.
  if (OpenDialog1.Execute()) SetMemoLines(SplitTextLines(platform::ReadWholeFile(OpenDialog1.FileName)));
  SampleCounter = 0;
  Replay();
}

// Replays the memo into the chart. A short-form line has no temperature, so it
// adds a point to channel 0 only. A text that is no number raises at its line:
// the points before it stay. The chart's updates are locked meanwhile, so it
// is drawn once at the end however long the log.
void TForm1::Replay() {
  struct UpdateLock {
    explicit UpdateLock(TChart* chart) : chart(chart) { chart->BeginUpdate(); }
    ~UpdateLock() { chart->EndUpdate(); }
    TChart* chart;
  } lock(dIred1.get());
  Memo1->Text().ForEachLine([this](std::string_view line) {
    const auto fields = SplitLogLine(std::string(line));
    if (!fields) return;
    dIred1->Channel(0)->AddXY(SampleCounter, ParseLogValue(fields->First));
    if (fields->Second) dIred1->Channel(1)->AddXY(SampleCounter, ParseLogValue(*fields->Second));
    ++SampleCounter;
  });
}
