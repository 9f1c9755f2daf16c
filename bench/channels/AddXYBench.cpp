// AddXY on a strip-chart channel bound to the chart's own axes, a scrolling
// x axis and a min-max y axis, with the chart's change hook attached, beside
// a bare Add on the channel's data list. Both report time per point; the
// ratio of the two and its constancy from 10^4 to 10^7 points are what to
// read. ChangesPerPoint counts the repaint requests that reach the chart.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "plot/dIred.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataNullList.h"
#include "plot/dIredMasterManager.h"
#include "plot/iChannelStatistics.h"
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

// Both sides start each iteration from an empty list whose block was
// released (Clear does that to a growing list), so both pay the same growth;
// everything else is built once, before timing.
void BM_BareListAdd(benchmark::State& state) {
  const int64_t n = state.range(0);
  const std::vector<double>& y = Samples();
  TiPlotDataNullList list;
  for (auto _ : state) {
    list.Clear();
    for (int64_t i = 0; i < n; ++i) list.Add(static_cast<double>(i), y[static_cast<size_t>(i)]);
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetItemsProcessed(state.iterations() * n);
}

// The same adds through the list's base class, as a channel makes them: a
// call per point instead of a loop the compiler sees whole. For reading
// the ratio, not a target.
void BM_BareListAddThroughBase(benchmark::State& state) {
  const int64_t n = state.range(0);
  const std::vector<double>& y = Samples();
  std::unique_ptr<TiPlotDataCustomList> list = CreateDataList(ipdsStandard);
  for (auto _ : state) {
    list->Clear();
    for (int64_t i = 0; i < n; ++i) list->Add(static_cast<double>(i), y[static_cast<size_t>(i)]);
    benchmark::DoNotOptimize(list->Count());
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_ChannelAddXY(benchmark::State& state) {
  const int64_t n = state.range(0);
  const std::vector<double>& samples = Samples();
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
  for (auto _ : state) {
    // As a new chart: the axes back at their first range, waiting for a
    // first point.
    ch->Clear();
    for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(x), static_cast<TiPlotAxis*>(y)}) {
      axis->SetMinSpan(0, 100);
      axis->ResetFirstPoint();
    }
    for (int64_t i = 0; i < n; ++i) ch->AddXY(static_cast<double>(i), samples[static_cast<size_t>(i)]);
    benchmark::DoNotOptimize(plot.changes);
  }
  if (x->TiPlotAxis::Max() != static_cast<double>(n - 1)) state.SkipWithError("the x axis did not follow the points");
  state.counters["ChangesPerPoint"] =
      benchmark::Counter(static_cast<double>(plot.changes) / static_cast<double>(state.iterations() * n));
  state.SetItemsProcessed(state.iterations() * n);
}

// The work AddXY must do, written flat with nothing between its pieces: the
// standard list's Add, the channel's statistics, a smooth-scrolling and a
// min-max range kept in two pairs of doubles, and one hook call. In line as
// AddXY is. What that work costs on this machine, not a product path:
// AddXY's distance to it is what the objects in between cost.
struct TFlatChannel {
  TiPlotDataNullList list;
  TiPlotChannelStatistics stat;
  double xMin = 0, xSpan = 100, yMin = 0, ySpan = 100;
  std::function<void(TFlatChannel*)> hook;
  int AddXY(double x, double y) {
    const int result = list.Add(x, y);
    stat.Add(x, y);
    bool changed = false;
    if (x > xMin + xSpan) {
      xMin = x - xSpan;
      changed = true;
    }
    if (y < yMin || y > yMin + ySpan) {
      const double lo = std::min(yMin, y), hi = std::max(yMin + ySpan, y);
      yMin = lo;
      ySpan = hi - lo;
      changed = true;
    }
    benchmark::DoNotOptimize(changed);
    hook(this);
    return result;
  }
};

void BM_FlatAddXY(benchmark::State& state) {
  const int64_t n = state.range(0);
  const std::vector<double>& samples = Samples();
  TFlatChannel ch;
  int64_t changes = 0;
  ch.hook = [&changes](TFlatChannel*) { ++changes; };
  for (auto _ : state) {
    ch.list.Clear();
    ch.stat.Reset();
    ch.xMin = ch.yMin = 0;
    ch.xSpan = ch.ySpan = 100;
    for (int64_t i = 0; i < n; ++i) ch.AddXY(static_cast<double>(i), samples[static_cast<size_t>(i)]);
    benchmark::DoNotOptimize(changes);
  }
  state.SetItemsProcessed(state.iterations() * n);
}

// The same feed into the strip chart component itself, with its own axes and
// repaint request and no axis event handler assigned: what an application
// pays per point.
void BM_PlotAddXY(benchmark::State& state) {
  const int64_t n = state.range(0);
  const std::vector<double>& samples = Samples();
  TiPlot plot;
  TiPlotChannelCustom* ch = plot.Channel(0);
  for (auto _ : state) {
    ch->Clear();
    for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
      axis->SetMinSpan(0, 100);
      axis->ResetFirstPoint();
    }
    for (int64_t i = 0; i < n; ++i) ch->AddXY(static_cast<double>(i), samples[static_cast<size_t>(i)]);
  }
  if (plot.XAxis(0)->Max() != static_cast<double>(n - 1)) state.SkipWithError("the x axis did not follow the points");
  state.SetItemsProcessed(state.iterations() * n);
}

}  // namespace

BENCHMARK(BM_BareListAdd)->RangeMultiplier(10)->Range(10'000, 10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareListAddThroughBase)->RangeMultiplier(10)->Range(10'000, 10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChannelAddXY)->RangeMultiplier(10)->Range(10'000, 10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlatAddXY)->RangeMultiplier(10)->Range(10'000, 10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotAddXY)->RangeMultiplier(10)->Range(10'000, 1'000'000)->Unit(benchmark::kMillisecond);
