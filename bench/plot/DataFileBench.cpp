// The chart's data files beside the least the same work can cost, in one run:
// two channels of 10^6 points saved and loaded in the text layout against a
// bare std::to_chars / std::from_chars loop over one buffer, and in the
// compact layout against fwrite / fread of the same bytes. Before the timed
// runs, the peak memory of a load is set beside the channels' own storage
// plus one copy of the file.
//
// A save replaces its file durably (written beside it, synced, renamed), so
// each save has two baselines: the bare write, and the bare write made just
// as durable.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "plot/dIred.h"
#include "plot/dIredChannelCustom.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPoints = 1'000'000;

double X(int i) { return i * 0.001; }
double Y(int c, int i) { return std::round(1000 * std::sin(i * 0.0003 + c)) / 8; }

std::string Path(const char* name) {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("sm-datafile-bench-" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return (dir / name).string();
}

// A plot of two channels, empty or filled with the bench's points.
struct TBenchData {
  explicit TBenchData(TiPlotDataFileFormat format, bool filled = true) {
    plot.RemoveAllChannels();
    for (int c = 0; c < 2; ++c) {
      plot.AddChannel();
      plot.ChannelCustom(c)->SetTitleText(c == 0 ? "Distance" : "Temperature");
    }
    plot.SetDataFileFormat(format);
    plot.SetDataFileColumnSeparator(ipdfcsComma);
    if (filled)
      for (int c = 0; c < 2; ++c)
        for (int i = 0; i < kPoints; ++i) plot.ChannelCustom(c)->AddXY(X(i), Y(c, i));
  }
  TiPlot plot;
};

// --- the baselines: the same numbers, nothing else ---

void WriteBare(const std::string& path, const std::string& bytes, bool durable) {
  const std::string temp = durable ? path + ".tmp" : path;
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fflush(f);
  if (durable) ::fsync(::fileno(f));
  std::fclose(f);
  if (durable) std::rename(temp.c_str(), path.c_str());
}

std::string ReadBare(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  std::fseek(f, 0, SEEK_END);
  std::string bytes(static_cast<size_t>(std::ftell(f)), '\0');
  std::fseek(f, 0, SEEK_SET);
  if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) bytes.clear();
  std::fclose(f);
  return bytes;
}

std::string BareText() {
  std::string out;
  out.reserve(size_t{kPoints} * 40);
  char buf[32];
  auto put = [&](double v) {
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
  };
  for (int i = 0; i < kPoints; ++i) {
    put(X(i)), out += ',', put(Y(0, i)), out += ',', put(X(i)), out += ',', put(Y(1, i));
    out += "\r\n";
  }
  return out;
}

std::vector<double> ParseBare(const std::string& bytes) {
  std::vector<double> values;
  values.reserve(size_t{kPoints} * 4);
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  p = static_cast<const char*>(std::memchr(p, '\n', bytes.size())) + 1;  // the titles
  while (p < end) {
    double v;
    p = std::from_chars(p, end, v).ptr;
    values.push_back(v);
    while (p < end && (*p == ',' || *p == '\r' || *p == '\n')) ++p;
  }
  return values;
}

// --- timed ---

void BM_PlotSaveText(benchmark::State& state) {
  TBenchData data(ipdffText);
  for (auto _ : state) data.plot.SaveDataToFile(Path("plot.csv"));
}

void BM_BareSaveText(benchmark::State& state) {
  for (auto _ : state) WriteBare(Path("bare.csv"), BareText(), state.range(0) != 0);
}

void BM_PlotLoadText(benchmark::State& state) {
  TBenchData data(ipdffText);
  data.plot.SaveDataToFile(Path("load.csv"));
  for (auto _ : state) {
    state.PauseTiming();
    data.plot.ClearAllData();
    state.ResumeTiming();
    data.plot.LoadDataFromFile(Path("load.csv"));
  }
}

void BM_BareLoadText(benchmark::State& state) {
  WriteBare(Path("bareload.csv"), BareText(), false);
  for (auto _ : state) benchmark::DoNotOptimize(ParseBare(ReadBare(Path("bareload.csv"))).data());
}

void BM_PlotSaveCompact(benchmark::State& state) {
  TBenchData data(ipdffCompactInterval);
  for (auto _ : state) data.plot.SaveDataToFile(Path("plot.dat"));
}

void BM_BareSaveCompact(benchmark::State& state) {
  TBenchData data(ipdffCompactInterval);
  data.plot.SaveDataToFile(Path("same.dat"));
  const std::string bytes = platform::ReadWholeFile(Path("same.dat"));
  for (auto _ : state) WriteBare(Path("bare.dat"), bytes, state.range(0) != 0);
}

void BM_PlotLoadCompact(benchmark::State& state) {
  TBenchData data(ipdffCompactInterval);
  data.plot.SaveDataToFile(Path("load.dat"));
  for (auto _ : state) {
    state.PauseTiming();
    data.plot.ClearAllData();
    state.ResumeTiming();
    data.plot.LoadDataFromFile(Path("load.dat"));
  }
}

void BM_BareLoadCompact(benchmark::State& state) {
  TBenchData data(ipdffCompactInterval);
  data.plot.SaveDataToFile(Path("bareload.dat"));
  for (auto _ : state) benchmark::DoNotOptimize(ReadBare(Path("bareload.dat")).data());
}

// --- peak memory of a load ---

long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
  return -1;
}

void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";  // VmHWM back to the current RSS
}

void ReportLoadPeak(TiPlotDataFileFormat format, const char* name) {
  const std::string path = Path(name);
  {
    TBenchData source(format);
    source.plot.SaveDataToFile(path);
  }
  ::malloc_trim(0);
  TBenchData target(format, false);
  const long before = StatusKb("VmRSS:");
  ResetPeak();
  target.plot.LoadDataFromFile(path);
  const long peak = StatusKb("VmHWM:") - before;
  const double storage = (target.plot.ChannelCustom(0)->MemorySize() + target.plot.ChannelCustom(1)->MemorySize()) / 1024.0;
  const double file = fs::file_size(path) / 1024.0;
  std::printf("%-8s load of 2 x 10^6 points: peak growth %ld kB; channels' storage %.0f kB + file %.0f kB = %.0f kB (%.2fx)\n",
              format == ipdffText ? "text" : "compact", peak, storage, file, storage + file, peak / (storage + file));
}

}  // namespace

BENCHMARK(BM_PlotSaveText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSaveText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotLoadText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLoadText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotSaveCompact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSaveCompact)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotLoadCompact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLoadCompact)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ReportLoadPeak(ipdffText, "peak.csv");
  ReportLoadPeak(ipdffCompactInterval, "peak.dat");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(fs::path(Path("x")).parent_path());
  return 0;
}
