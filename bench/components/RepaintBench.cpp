// A double-buffered repaint of a 500 x 200 component that fills its
// background and draws its border, against the bare minimum of the same work
// on the drawing library underneath: fill a QImage and blit it onto the
// window's image. The "ratio" counter is component time / bare time, both
// measured in the same run; the target is 2 or less.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <chrono>

#include "components/iCustomComponent.h"
#include "platform/Bitmap.h"
#include "platform/Control.h"

namespace {
constexpr int kWidth = 500, kHeight = 200;

class TiPlainComponent : public TiCustomComponent {
 public:
  TiPlainComponent() {
    SetBounds(0, 0, kWidth, kHeight);
    SetBorderStyle(ibsRaised);
    SetBackGroundColor(clBtnFace);
  }
  static const TClassInfo& StaticClass() {
    static const TClassInfo info = TClassBuilder<TiPlainComponent>("TiPlainComponent").Inherits<TiCustomComponent>().Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
  void PaintTo(TCanvas& canvas) override { DrawBackGround(canvas, BackGroundColor()); }
  void PaintWindow(TCanvas& canvas) { Paint(canvas); }
};

void BareRepaint(QImage& window) {
  QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
  buffer.fill(QColor(240, 240, 240));
  QPainter painter(&window);
  painter.drawImage(0, 0, buffer);
}

void ComponentRepaint(TiPlainComponent& component, TBitmap& window) { component.PaintWindow(window.Canvas()); }

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_RepaintAgainstBareFill(benchmark::State& state) {
  platform::EnsureApplication();
  TiPlainComponent component;
  TBitmap componentWindow(kWidth, kHeight);
  QImage bareWindow(kWidth, kHeight, QImage::Format_RGB32);
  double componentTime = 0, bareTime = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    ComponentRepaint(component, componentWindow);
    const auto t1 = std::chrono::steady_clock::now();
    BareRepaint(bareWindow);
    const auto t2 = std::chrono::steady_clock::now();
    componentTime += Seconds(t1 - t0);
    bareTime += Seconds(t2 - t1);
  }
  state.counters["component_us"] = benchmark::Counter(componentTime * 1e6 / state.iterations());
  state.counters["bare_us"] = benchmark::Counter(bareTime * 1e6 / state.iterations());
  state.counters["ratio"] = benchmark::Counter(bareTime > 0 ? componentTime / bareTime : 0);
}
BENCHMARK(BM_RepaintAgainstBareFill)->Unit(benchmark::kMicrosecond);

void BM_ComponentRepaint(benchmark::State& state) {
  platform::EnsureApplication();
  TiPlainComponent component;
  TBitmap window(kWidth, kHeight);
  for (auto _ : state) ComponentRepaint(component, window);
}
BENCHMARK(BM_ComponentRepaint)->Unit(benchmark::kMicrosecond);

void BM_BareRepaint(benchmark::State& state) {
  QImage window(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) BareRepaint(window);
}
BENCHMARK(BM_BareRepaint)->Unit(benchmark::kMicrosecond);
}  // namespace
