// Trace drawing side by side with QCustomPlot's Qt 6 build (one QCPGraph,
// adaptive sampling on), same data, same 1000 x 400 data area, into a QImage
// with anti-aliasing off and a pen of width 1:
//   - static: 10^3 .. 10^7 visible points of a noisy sine with spikes;
//   - streaming: a ring of 10^5 or 10^6 points, the x axis on the newest 10^4,
//     one point appended per frame;
//   - the memory each stores per point;
//   - a bare walk reading 10^7 records of 24 bytes once: the memory-bandwidth
//     floor of any walk over the data.
// ./bench builds this and prints the table with the ratios.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>
#include <vector>

#include "BenchPlot.h"
#ifdef SM_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

namespace {

double Signal(int64_t i) {
  const double x = static_cast<double>(i);
  double y = std::sin(x * 2e-5 * 3.14159) * 40 + std::sin(x * 0.37) * 5 + ((i * 2654435761u) % 1000) / 100.0;
  if (i % 9973 == 0) y += 45;  // spikes
  return y;
}

size_t HeapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

void Fill(TBenchPlot& p, int64_t n) {
  p.ch->SetXAxisTrackingEnabled(false);
  p.ch->SetYAxisTrackingEnabled(false);
  for (int64_t i = 0; i < n; ++i) p.ch->AddXY(static_cast<double>(i), Signal(i));
  p.x->range = {0, static_cast<double>(n - 1)};
}

void Ours(benchmark::State& state, TiPlotDataStyle style) {
  const int64_t n = state.range(0);
  TBenchPlot p;
  p.ch->SetDataStyle(style);
  const size_t before = HeapInUse();
  Fill(p, n);
  state.counters["bytes_per_point"] = static_cast<double>(HeapInUse() - before) / static_cast<double>(n);
  TBitmap image(kWidth, kHeight);
  for (auto _ : state) p.Frame(image);
}
void BM_OursStandard(benchmark::State& state) { Ours(state, ipdsStandard); }
void BM_OursCompact(benchmark::State& state) { Ours(state, ipdsCompact); }

void BM_OursStreaming(benchmark::State& state) {
  const int64_t total = state.range(0);
  TBenchPlot p;
  p.ch->SetRingBufferSize(static_cast<int>(total));
  Fill(p, total);
  p.x->range = {static_cast<double>(total - 10000), 10000};
  p.ch->SetXAxisTrackingEnabled(true);  // the x axis scrolls with each new point
  TBitmap image(kWidth, kHeight);
  int64_t i = total;
  for (auto _ : state) {
    p.ch->AddXY(static_cast<double>(i), Signal(i));
    ++i;
    p.Frame(image);
  }
}

// One pass over 10^7 records of the standard list's size.
void BM_BareWalk(benchmark::State& state) {
  struct Record {
    double X, Y;
    uint64_t Flags;
  };
  static_assert(sizeof(Record) == 24);
  const int64_t n = state.range(0);
  std::vector<Record> data(static_cast<size_t>(n));
  for (int64_t i = 0; i < n; ++i) data[static_cast<size_t>(i)] = {static_cast<double>(i), Signal(i), 0};
  for (auto _ : state) {
    double lo = 1e300, hi = -1e300;
    for (const Record& r : data) {
      lo = r.Y < lo ? r.Y : lo;
      hi = r.Y > hi ? r.Y : hi;
    }
    benchmark::DoNotOptimize(lo);
    benchmark::DoNotOptimize(hi);
  }
}

#ifdef SM_HAVE_QCUSTOMPLOT
// A plot whose axis rect is the whole 1000 x 400 image: no margins, axes,
// ticks or grid, so what is timed is the graph.
struct TCustomPlot {
  QCustomPlot plot;
  QCPGraph* graph;
  TCustomPlot() {
    plot.resize(kWidth, kHeight);
    plot.setNotAntialiasedElements(QCP::aeAll);
    plot.axisRect()->setAutoMargins(QCP::msNone);
    plot.axisRect()->setMargins(QMargins(0, 0, 0, 0));
    for (QCPAxis* a : {plot.xAxis, plot.yAxis}) {
      a->setVisible(false);
      a->grid()->setVisible(false);
    }
    graph = plot.addGraph();
    graph->setPen(QPen(Qt::blue, 1));
    graph->setAntialiased(false);
    graph->setAdaptiveSampling(true);
    plot.yAxis->setRange(-60, 60);
  }
  void Frame(QImage& image) {
    image.fill(Qt::white);
    QCPPainter painter(&image);
    plot.toPainter(&painter, kWidth, kHeight);
  }
};

void Fill(TCustomPlot& p, int64_t n) {
  QVector<QCPGraphData> points(static_cast<int>(n));
  for (int64_t i = 0; i < n; ++i) points[static_cast<int>(i)] = QCPGraphData(static_cast<double>(i), Signal(i));
  p.graph->data()->set(points, true);
  p.plot.xAxis->setRange(0, static_cast<double>(n - 1));
}

void BM_QCustomPlot(benchmark::State& state) {
  const int64_t n = state.range(0);
  TCustomPlot p;
  const size_t before = HeapInUse();
  Fill(p, n);
  state.counters["bytes_per_point"] = static_cast<double>(HeapInUse() - before) / static_cast<double>(n);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) p.Frame(image);
}

void BM_QCustomPlotStreaming(benchmark::State& state) {
  const int64_t total = state.range(0);
  TCustomPlot p;
  Fill(p, total);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  int64_t i = total;
  for (auto _ : state) {
    p.graph->data()->add(QCPGraphData(static_cast<double>(i), Signal(i)));
    p.graph->data()->removeBefore(static_cast<double>(i - total + 1));
    p.plot.xAxis->setRange(static_cast<double>(i - 10000), static_cast<double>(i));
    ++i;
    p.Frame(image);
  }
}
BENCHMARK(BM_QCustomPlot)->RangeMultiplier(10)->Range(1000, 10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QCustomPlotStreaming)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK(BM_OursStandard)->RangeMultiplier(10)->Range(1000, 10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OursCompact)->RangeMultiplier(10)->Range(1000, 10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OursStreaming)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareWalk)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
