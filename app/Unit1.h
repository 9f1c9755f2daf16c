// The main window: the operator's controls, the two numeric displays, the
// strip chart and the log, and the timer-driven acquisition cycle that polls
// the sensor once per sampling period.
#pragma once
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/FileDialog.h"
#include "app/LinkStatus.h"
#include "app/MemoView.h"
#include "comm/XComDrv.h"
#include "components/iSevenSegmentAnalog.h"
#include "platform/Timer.h"
#include "plot/dIred.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class TPortBox;
class QToolButton;

// The components the window works with.
using TSerialPort = TXComm;
using TNumericDisplay = TiSevenSegmentAnalog;
using TChart = TiPlot;

// Set when the operator starts "COM0"; never cleared while the program runs.
extern bool TestMode;
// x of the next chart point; wraps from 65535 to 0.
extern uint16_t SampleCounter;

class TForm1 : public QWidget {
 public:
  // `port` replaces the serial component (tests pass a scripted double).
  explicit TForm1(std::unique_ptr<TSerialPort> port = nullptr);
  ~TForm1() override;

  void FormCreate();
  void dired_init();
  void COMM_init() {}
  void FormClose() {}
  void ComPort1RxFlag() {}
  void Button2Click();
  void Timer1Timer();
  void Button1Click();
  void SpeedButton1Click();
  void SpeedButton2Click();

  // The memo's lines: the log.
  std::vector<std::string> MemoLines() const;
  void SetMemoLines(const std::vector<std::string>& lines);

  // Called with every log line as it is appended.
  std::function<void(const std::string& line)> OnLogLine;

  QWidget *Panel1, *Panel2, *Panel3;
  QToolButton *SpeedButton1, *SpeedButton2;
  QLabel *Label1, *Label2, *rzlabel1;
  // Edit1 is the text of PortBox, the port name box.
  TPortBox* PortBox;
  QLineEdit *Edit1, *Edit2;
  QCheckBox* CheckBox1;
  QPushButton *Button1, *Button2;
  QTabWidget* PageControl1;
  QWidget *TabSheet1, *TabSheet2;
  // Owned here, not by their panel: they go before the panel does.
  std::unique_ptr<TNumericDisplay> iSevenSegmentAnalog1, iSevenSegmentAnalog2;
  std::unique_ptr<TChart> dIred1;
  TMemoView* Memo1;
  TTimer Timer1;
  std::unique_ptr<TSerialPort> XComm1;
  TFileDialog SaveDialog1, OpenDialog1;
  // The status line below the pages, and what it says.
  QStatusBar* StatusBar1;
  QLabel* StatusLabel;
  TLinkStatus Status;

 protected:
  void closeEvent(class QCloseEvent* event) override;

 private:
  void CreateControls();
  int PeriodInterval() const;
  // A changed period text takes effect while polling; an invalid one is
  // ignored until corrected.
  void ApplyPeriod();
  void ShowStatus();
  std::string OpenFailure(const std::exception& error);
  // The acquisition tick on an open port.
  void PollSensor();
  void AppendLog(const std::string& line);
  void Replay();

  // Opens the lost device again; quiet when it is not back yet.
  void TryReconnect();

  bool requestPending_ = false;
  std::string lostDevice_;  // a device lost while open, retried once a period
  bool retrying_ = false;   // since a loss, until a poll on the reopened device works  // a request went out and its answer is due
};
