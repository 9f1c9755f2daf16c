// Reloading a large log: the file read, the memo filled, every line replayed
// into the chart. A million lines must take seconds, not minutes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "app/LogLine.h"
#include "app/Unit1.h"
#include "platform/Files.h"

namespace {
std::string LogOf(long lines) {
  std::string text;
  text.reserve(static_cast<size_t>(lines) * 24);
  for (long i = 0; i < lines; ++i)
    text += LongLogLine(platform::EncodeTime(8, 5, 9, 0), static_cast<double>(i % 4000), 25.0) + "\r\n";
  return text;
}

void BM_ReloadLog(benchmark::State& state) {
  const std::string path = "/tmp/sm-bench-replay.csv";
  platform::WriteFileAtomically(path, LogOf(state.range(0)));
  TFileDialog::Hook = [&](TFileDialog::TKind) { return std::optional<std::string>(path); };
  for (auto _ : state) {
    TForm1 form;
    form.SpeedButton2Click();
    benchmark::DoNotOptimize(form.dIred1->Channel(0)->Count());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  TFileDialog::Hook = nullptr;
  std::remove(path.c_str());
}
BENCHMARK(BM_ReloadLog)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
