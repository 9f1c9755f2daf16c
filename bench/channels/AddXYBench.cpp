// AddXY on a strip-chart channel bound to the chart's own axes, a scrolling
// x axis and a min-max y axis, with the chart's change hook attached, beside a bare Add on the
// channel's data list. Both report time per point; the ratio of the two and
// its constancy from 10^4 to 10^7 points are what to read.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "plot/dIredChannel.h"
#include "plot/dIredDataNullList.h"
#include "plot/dIredMasterManager.h"
#include "plot/iPlotScaledAxis.h"

namespace {

class TBenchPlot : public TiPlotOwner {
 public:
  TBenchPlot() {
    master = std::make_unique<TiPlotMasterManager>(
        this, [this](TiObject*) { ++changes; }, [](TiObject*) {}, [](TiObject*) {});
  }
  ~TBenchPlot() override {
    master->ObjectManager()->DetachHooks();
    master.reset();
  }
  TiPlotMasterManager* MasterManager() override { return master.get(); }
  std::unique_ptr<TiPlotMasterManager> master;
  int64_t changes = 0;
};

// The samples are made before timing, so neither side pays for them.
const std::vector<double>& Samples() {
  static const std::vector<double> samples = [] {
    std::vector<double> v(10'000'000);
    for (size_t i = 0; i < v.size(); ++i) v[i] = std::sin(static_cast<double>(i) * 0.001) * 100.0 + static_cast<double>(i % 7);
    return v;
  }();
  return samples;
}

void BM_BareListAdd(benchmark::State& state) {
  const int64_t n = state.range(0);
  const std::vector<double>& y = Samples();
  for (auto _ : state) {
    TiPlotDataNullList list;
    for (int64_t i = 0; i < n; ++i) list.Add(static_cast<double>(i), y[static_cast<size_t>(i)]);
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_ChannelAddXY(benchmark::State& state) {
  const int64_t n = state.range(0);
  const std::vector<double>& samples = Samples();
  for (auto _ : state) {
    TBenchPlot plot;
    // The chart's own axes: x scrolls smoothly, y widens to the data.
    auto* x = new TiPlotChartAxis<TiPlotXAxis>(plot.master->Hooks());
    x->SetTrackingStyle(iptsScrollSmooth);
    x->Inserted();
    auto* y = new TiPlotChartAxis<TiPlotYAxis>(plot.master->Hooks());
    y->SetTrackingStyle(iptsScaleMinMax);
    y->Inserted();
    plot.master->AddChannel();
    TiPlotChannelCustom* ch = plot.master->ChannelManager()->Channel(0);
    for (int64_t i = 0; i < n; ++i) ch->AddXY(static_cast<double>(i), samples[static_cast<size_t>(i)]);
    benchmark::DoNotOptimize(plot.changes);
  }
  state.SetItemsProcessed(state.iterations() * n);
}

}  // namespace

BENCHMARK(BM_BareListAdd)->RangeMultiplier(10)->Range(10'000, 10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChannelAddXY)->RangeMultiplier(10)->Range(10'000, 10'000'000)->Unit(benchmark::kMillisecond);
