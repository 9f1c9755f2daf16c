// What the drawing layer adds to one double-buffered repaint of a 500 x 200
// component (a fresh off-screen bitmap, background fill, bevel border, copy
// to the target) next to a bare QImage fill and blit of the same size. Read
// the two times side by side: the canvas should cost at most twice the bare one.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/ControlQt.h"

namespace {
constexpr int kWidth = 500, kHeight = 200;

void BareQImageFillAndBlit(benchmark::State& state) {
  platform::EnsureApplication();
  QImage target(kWidth, kHeight, QImage::Format_RGB32);
  QPainter screen(&target);
  for (auto _ : state) {
    QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
    buffer.fill(QColor(240, 240, 240));
    screen.drawImage(0, 0, buffer);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BareQImageFillAndBlit);

void CanvasRepaintWithBorder(benchmark::State& state) {
  platform::EnsureApplication();
  TBitmap target(kWidth, kHeight);
  TCanvas& screen = target.Canvas();
  for (auto _ : state) {
    TBitmap buffer(kWidth, kHeight);
    TCanvas& c = buffer.Canvas();
    c.Brush = {clBtnFace, bsSolid};
    c.FillRect({0, 0, kWidth, kHeight});
    c.DrawEdge({0, 0, kWidth, kHeight}, esSunken);
    screen.Draw(0, 0, buffer);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
}
BENCHMARK(CanvasRepaintWithBorder);
}  // namespace
