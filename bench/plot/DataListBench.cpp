// Data lists against a plain std::vector of the same record, in one run:
// adds while growing, adds into a full ring (flat from a thousand to ten
// million points), a sequential GetPoint walk, and the memory a list holds.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "plot/dIredDataCompactIntervalList.h"
#include "plot/dIredDataCompactList.h"
#include "plot/dIredDataFullList.h"
#include "plot/dIredDataNullList.h"

namespace {

constexpr int kPoints = 1 << 20;

template <class List> struct RecordOf;
template <> struct RecordOf<TiPlotDataFullList> { using T = TiPlotDataFullRecord; };
template <> struct RecordOf<TiPlotDataNullList> { using T = TiPlotDataNullRecord; };
template <> struct RecordOf<TiPlotDataCompactList> { using T = TiPlotDataCompactRecord; };
template <> struct RecordOf<TiPlotDataCompactIntervalList> { using T = float; };

template <class R> R MakeRecord(double x, double y) {
  if constexpr (std::is_same_v<R, float>) return static_cast<float>(y);
  else if constexpr (std::is_same_v<R, TiPlotDataCompactRecord>) return {static_cast<float>(x), static_cast<float>(y)};
  else if constexpr (std::is_same_v<R, TiPlotDataNullRecord>) return {x, y, 0};
  else return {x, y, false, false, 0, 0, 0, 0, {}};
}
// What a reader of the record gets: each field widened to double, then
// added, as the list walk below adds the doubles GetPoint hands out.
template <class R> double Sum(const R& r) {
  if constexpr (std::is_same_v<R, float>) return r;
  else return static_cast<double>(r.X) + static_cast<double>(r.Y);
}

template <class List>
void VectorPushBack(benchmark::State& state) {
  using R = typename RecordOf<List>::T;
  for (auto _ : state) {
    std::vector<R> v;
    for (int i = 0; i < kPoints; ++i) v.push_back(MakeRecord<R>(i, i * 0.5));
    benchmark::DoNotOptimize(v.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

template <class List>
void ListAddGrowing(benchmark::State& state) {
  for (auto _ : state) {
    List l;
    for (int i = 0; i < kPoints; ++i) l.Add(i, i * 0.5);
    benchmark::DoNotOptimize(l.Count());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// A full ring of state.range(0) points; every Add overwrites the oldest.
template <class List>
void ListAddFullRing(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  List l;
  l.SetRingBufferSize(size);
  for (int i = 0; i < size; ++i) l.Add(i, i);
  double x = size;
  for (auto _ : state) {
    benchmark::DoNotOptimize(l.Add(x, x));
    x += 1;
  }
  state.SetItemsProcessed(state.iterations());
}

// The same overwrite walk on a plain vector of the same size: what memory
// alone costs once the ring outgrows the caches.
template <class List>
void VectorOverwrite(benchmark::State& state) {
  using R = typename RecordOf<List>::T;
  const size_t size = static_cast<size_t>(state.range(0));
  std::vector<R> v(size, MakeRecord<R>(0, 0));
  size_t slot = 0;
  double x = static_cast<double>(size);
  for (auto _ : state) {
    v[slot] = MakeRecord<R>(x, x);
    benchmark::DoNotOptimize(slot);
    if (++slot == size) slot = 0;
    x += 1;
  }
  benchmark::DoNotOptimize(v.data());
  state.SetItemsProcessed(state.iterations());
}

template <class List>
void VectorRead(benchmark::State& state) {
  using R = typename RecordOf<List>::T;
  std::vector<R> v;
  for (int i = 0; i < kPoints; ++i) v.push_back(MakeRecord<R>(i, i * 0.5));
  for (auto _ : state) {
    double s = 0;
    for (int i = 0; i < kPoints; ++i) s += Sum(v[i]);
    benchmark::DoNotOptimize(s);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// The walk drawing and statistics do; `Ring` walks a wrapped ring.
template <class List, bool Ring>
void ListGetPoint(benchmark::State& state) {
  List l;
  if (Ring) l.SetRingBufferSize(kPoints);
  for (int i = 0; i < kPoints + (Ring ? kPoints / 3 : 0); ++i) l.Add(i, i * 0.5);
  for (auto _ : state) {
    double s = 0, x, y;
    bool empty, null;
    for (int i = 0; i < l.Count(); ++i) {
      l.GetPoint(i, x, y, empty, null);
      s += x + y;
    }
    benchmark::DoNotOptimize(s);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// The same walk through the base class, as a channel holding any list does.
template <class List>
void ListGetPointVirtual(benchmark::State& state) {
  std::unique_ptr<TiPlotDataCustomList> l = std::make_unique<List>();
  for (int i = 0; i < kPoints; ++i) l->Add(i, i * 0.5);
  for (auto _ : state) {
    double s = 0, x, y;
    bool empty, null;
    for (int i = 0; i < l->Count(); ++i) {
      l->GetPoint(i, x, y, empty, null);
      s += x + y;
    }
    benchmark::DoNotOptimize(s);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

long ResidentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * 4096;
}

// MemorySize against what the process gained by filling a ring of 10 million.
template <class List>
void ListMemory(benchmark::State& state) {
  for (auto _ : state) {
    const long before = ResidentBytes();
    List l;
    l.SetRingBufferSize(10'000'000);
    for (int i = 0; i < 10'000'000; ++i) l.Add(i, i);
    const long gained = ResidentBytes() - before;
    state.counters["MemorySize"] = static_cast<double>(l.MemorySize());
    state.counters["ItemSizeXCapacity"] = static_cast<double>(l.ItemSize()) * l.Capacity();
    state.counters["ResidentGained"] = static_cast<double>(gained);
  }
}

}  // namespace

namespace {

template <class List>
int RegisterList(const std::string& name) {
  using benchmark::RegisterBenchmark;
  RegisterBenchmark((name + "/VectorPushBack").c_str(), VectorPushBack<List>)->Unit(benchmark::kMillisecond);
  RegisterBenchmark((name + "/AddGrowing").c_str(), ListAddGrowing<List>)->Unit(benchmark::kMillisecond);
  RegisterBenchmark((name + "/AddFullRing").c_str(), ListAddFullRing<List>)->RangeMultiplier(10)->Range(1000, 10'000'000);
  RegisterBenchmark((name + "/VectorOverwrite").c_str(), VectorOverwrite<List>)
      ->RangeMultiplier(10)
      ->Range(1000, 10'000'000);
  RegisterBenchmark((name + "/VectorRead").c_str(), VectorRead<List>)->Unit(benchmark::kMicrosecond);
  RegisterBenchmark((name + "/GetPoint").c_str(), ListGetPoint<List, false>)->Unit(benchmark::kMicrosecond);
  RegisterBenchmark((name + "/GetPointWrappedRing").c_str(), ListGetPoint<List, true>)->Unit(benchmark::kMicrosecond);
  RegisterBenchmark((name + "/GetPointVirtual").c_str(), ListGetPointVirtual<List>)->Unit(benchmark::kMicrosecond);
  RegisterBenchmark((name + "/Memory").c_str(), ListMemory<List>)->Iterations(1)->Unit(benchmark::kMillisecond);
  return 0;
}

const int registered = RegisterList<TiPlotDataFullList>("Full") + RegisterList<TiPlotDataNullList>("Null") +
                       RegisterList<TiPlotDataCompactList>("Compact") +
                       RegisterList<TiPlotDataCompactIntervalList>("CompactInterval");

}  // namespace
