// One full repaint of the main window's chart at 786 x 600 (gradient
// background, title, toolbar, legend, one x and one y axis with titles, grid,
// two channels of 100 visible points) into a bitmap, beside QCustomPlot
// drawing an equivalent chart (two graphs, axes with titles, grid, legend,
// gradient background) into a QImage of the same size. Read the ratio of the
// two times per repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <cstdlib>
#include <qcustomplot.h>

#include "platform/Bitmap.h"
#include "platform/ImageFiles.h"
#include "plot/dIred.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataView.h"

namespace {

constexpr int kWidth = 786, kHeight = 600, kPoints = 100;

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "bench_frame_repaint";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
  }
}

double Distance(int i) { return 2000 + 1500 * std::sin(i * 0.1); }
double Temperature(int i) { return 1000 + 300 * std::cos(i * 0.07); }

void BuildOurChart(TiPlot& plot) {
  plot.SetBounds(0, 0, kWidth, kHeight);
  plot.SetBackGroundGradientEnabled(true);
  plot.SetTitleText("Distance");
  plot.DataView(0)->SetGridLineColor(0x1B1B1B);
  plot.RemoveAllChannels();
  plot.RemoveAllXAxes();
  plot.RemoveAllYAxes();
  TiPlotXAxis* x = plot.XAxis(plot.AddXAxis());
  TiPlotYAxis* y = plot.YAxis(plot.AddYAxis());
  plot.DataView(0)->SetGridXAxisName(x->Name());
  plot.DataView(0)->SetGridYAxisName(y->Name());
  y->SetMin(0);
  y->SetSpan(4000);
  y->SetTitle("Distance (mm)");
  y->SetTitleShow(true);
  x->SetSpan(100);
  x->SetTitle("Sample time (s)");
  x->SetTitleShow(true);
  for (int c = 0; c < 2; ++c) {
    TiPlotChannel* channel = plot.Channel(plot.AddChannel());
    channel->SetColor(c == 0 ? clRed : clYellow);
    channel->SetTraceLineWidth(2);
    for (int i = 0; i < kPoints; ++i) channel->AddXY(i, c == 0 ? Distance(i) : Temperature(i));
  }
}

// range(0) = 0: the whole chart; 1: the same without its two channels, to
// tell the frame's share from the traces'.
void BM_OurChartRepaint(benchmark::State& state) {
  EnsureApplication();
  TiPlot plot;
  BuildOurChart(plot);
  if (state.range(0) == 1) plot.RemoveAllChannels();
  // SM_FRAME_SCREENSHOT=file.png keeps one picture of what is timed.
  if (const char* file = std::getenv("SM_FRAME_SCREENSHOT"); file && state.range(0) == 0) {
    TBitmap picture(kWidth, kHeight);
    plot.PaintTo(picture.Canvas());
    platform::SavePNG(picture, file, 9);
  }
  for (auto _ : state) {
    TBitmap bitmap(kWidth, kHeight);  // the base paints into a fresh bitmap
    plot.PaintTo(bitmap.Canvas());
    benchmark::DoNotOptimize(bitmap.Canvas().Pixel(kWidth / 2, kHeight / 2));
  }
}
BENCHMARK(BM_OurChartRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BuildPeerChart(QCustomPlot& plot) {
  plot.resize(kWidth, kHeight);
  QLinearGradient gradient(0, 0, 0, kHeight);
  gradient.setColorAt(0, Qt::blue);
  gradient.setColorAt(1, Qt::black);
  plot.setBackground(QBrush(gradient));
  plot.plotLayout()->insertRow(0);
  plot.plotLayout()->addElement(0, 0, new QCPTextElement(&plot, "Distance", QFont("Arial", 14, QFont::Bold)));
  plot.legend->setVisible(true);
  plot.xAxis->setLabel("Sample time (s)");
  plot.yAxis->setLabel("Distance (mm)");
  plot.xAxis->setRange(0, 100);
  plot.yAxis->setRange(0, 4000);
  plot.xAxis->grid()->setPen(QPen(QColor(0x1B, 0x1B, 0x1B)));
  plot.yAxis->grid()->setPen(QPen(QColor(0x1B, 0x1B, 0x1B)));
  for (int c = 0; c < 2; ++c) {
    QCPGraph* graph = plot.addGraph();
    graph->setPen(QPen(c == 0 ? Qt::red : Qt::yellow, 2));
    QVector<double> xs(kPoints), ys(kPoints);
    for (int i = 0; i < kPoints; ++i) xs[i] = i, ys[i] = c == 0 ? Distance(i) : Temperature(i);
    graph->setData(xs, ys);
  }
}

void BM_QCustomPlotRepaint(benchmark::State& state) {
  EnsureApplication();
  QCustomPlot plot;
  BuildPeerChart(plot);
  for (auto _ : state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QCPPainter painter(&image);
    plot.toPainter(&painter, kWidth, kHeight);
    painter.end();
    benchmark::DoNotOptimize(image.pixel(kWidth / 2, kHeight / 2));
  }
}
BENCHMARK(BM_QCustomPlotRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
