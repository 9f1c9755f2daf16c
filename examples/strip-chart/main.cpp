// The component library in a program of its own: a strip chart with two
// channels and a seven-segment display above it, fed from a timer.
//   strip-chart [--frames N]    quit after N timer ticks (run headless with
//                               QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QVBoxLayout>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "components/iSevenSegmentAnalog.h"
#include "platform/ControlQt.h"
#include "platform/Timer.h"
#include "plot/dIred.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const long frames = argc == 3 && std::strcmp(argv[1], "--frames") == 0 ? std::atol(argv[2]) : 0;

  QWidget window;
  window.setWindowTitle("Strip chart");
  window.resize(720, 420);
  auto* layout = new QVBoxLayout(&window);

  // The chart comes with one channel and one x axis; a second channel shares them.
  TiPlot chart;
  chart.SetTitleText("Two waves");
  chart.XAxis(0)->SetSpan(100);
  chart.YAxis(0)->SetMin(-1.2);
  chart.YAxis(0)->SetSpan(2.4);
  chart.AddChannel();
  chart.Channel(0)->SetTitleText("sine");
  chart.Channel(1)->SetTitleText("cosine");
  chart.Channel(1)->SetColor(clYellow);

  TiSevenSegmentAnalog display;
  display.SetPrecision(2);
  display.SetSegmentColor(clLime);

  // The components are hosted by Qt widgets; a layout places them. The display
  // sizes itself to its digits, and keeps that size.
  platform::SetParentWidget(display, &window);
  platform::SetParentWidget(chart, &window);
  platform::WidgetOf(display)->setFixedSize(display.Width(), display.Height());
  layout->addWidget(platform::WidgetOf(display), 0, Qt::AlignLeft);
  layout->addWidget(platform::WidgetOf(chart), 1);

  TTimer timer;
  timer.SetInterval(50);
  long tick = 0;
  timer.OnTimer = [&] {
    const double x = tick * 0.1;
    chart.Channel(0)->AddXY(tick, std::sin(x));
    chart.Channel(1)->AddXY(tick, std::cos(x));
    display.SetValue(std::sin(x));
    if (++tick == frames) {
      std::printf("%d points per channel\n", chart.Channel(1)->Count());
      application.quit();
    }
  };

  window.show();
  return application.exec();
}
