// Two costs of the channel's markers and cursor reading:
//   - a data cursor's reading (ValueXY on a straight-line strip chart) on
//     10^3 and on 10^7 points: it finds its point by binary search, so the
//     two should be within a factor of 2;
//   - a frame of 10^5 visible points with circle markers and no turn-off
//     limit, beside the same trace without markers, on a 1000 x 400 bitmap.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <memory>

#include "plot/dIredDataCursor.h"
#include "plot/dIredDataView.h"
#include "BenchPlot.h"

namespace {

// The bench chart with n points of a sine, tracking off, a data view and a
// data cursor on it.
class TMarkerPlot : public TBenchPlot {
 public:
  explicit TMarkerPlot(int64_t n) {
    y->pixelMin = kHeight;
    y->pixelMax = 0;
    ch->SetXAxisTrackingEnabled(false);
    ch->SetYAxisTrackingEnabled(false);
    for (int64_t i = 0; i < n; ++i) ch->AddXY(static_cast<double>(i), std::sin(static_cast<double>(i) * 0.01) * 50);
    x->range = {0, static_cast<double>(n - 1)};
    view = master->DataViewManager()->DataView(master->AddDataView());
    view->SetRect({0, 0, kWidth, kHeight});
    cursor = master->DataCursorManager()->DataCursor(master->AddDataCursor());
    cursor->SetDataView(view);
  }
  TiPlotDataView* view;
  TiPlotDataCursor* cursor;
};

// The pointer sweeps the view, so each reading searches for another X.
void BM_CursorReadOut(benchmark::State& state) {
  TMarkerPlot p(state.range(0));
  double position = 0;
  for (auto _ : state) {
    position = position >= 99 ? 1 : position + 0.37;
    p.cursor->SetPointer1Position(position);
    p.ch->UpdateDataCursor(*p.cursor);
    benchmark::DoNotOptimize(p.cursor->ValueY());
  }
}

void Paint(benchmark::State& state, bool markers) {
  TMarkerPlot p(state.range(0));
  p.ch->SetMarkersVisible(markers);
  p.ch->SetMarkersTurnOffLimit(0);
  TBitmap image(kWidth, kHeight);
  for (auto _ : state) p.Frame(image);
}
void BM_PaintTraceOnly(benchmark::State& state) { Paint(state, false); }
void BM_PaintTraceAndMarkers(benchmark::State& state) { Paint(state, true); }

}  // namespace

BENCHMARK(BM_CursorReadOut)->Arg(1000)->Arg(10'000'000)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_PaintTraceOnly)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintTraceAndMarkers)->Arg(100'000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
