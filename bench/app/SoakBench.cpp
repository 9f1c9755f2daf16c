// A long unattended run, compressed: test-mode samples back to back in a
// headless window, with the event loop served after each one so that the
// chart repaints as it would on screen. Prints, for the first and the last
// stretch of samples, how much resident memory and CPU time each sample cost:
// a window that runs for a week must neither grow per sample beyond what its
// log and chart keep, nor slow down as they fill.
//
//   bench_app_soak [samples]     (10^6 by default)
#include <sys/resource.h>

#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/Unit1.h"
#include "platform/Application.h"

namespace {
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return 0;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct TMark {
  long Samples;
  long Rss;
  double Cpu;
};
TMark Mark(long samples) { return {samples, ResidentKiB(), CpuSeconds()}; }

void Report(const char* name, TMark from, TMark to) {
  const double n = static_cast<double>(to.Samples - from.Samples);
  std::printf("%-6s samples %8ld..%-8ld  RSS %7.1f bytes/sample  CPU %7.2f us/sample\n", name, from.Samples, to.Samples,
              (to.Rss - from.Rss) * 1024.0 / n, (to.Cpu - from.Cpu) * 1e6 / n);
}
}  // namespace

int main(int argc, char** argv) {
  const long samples = argc > 1 ? std::atol(argv[1]) : 1'000'000;
  if (samples < 10) return std::fputs("bench_app_soak: give at least 10 samples\n", stderr), 2;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  platform::SetHeadless(true);
  QApplication application(argc, argv);

  TForm1 form;
  form.show();
  // Test mode with a period the timer never reaches: the ticks come from here.
  form.Edit1->setText("COM0");
  form.Edit2->setText("100000");
  form.Button2Click();
  QApplication::processEvents();

  const long stretch = std::max(samples / 20, 1L);
  const TMark base = Mark(0);
  TMark startEnd{}, endStart{};
  for (long i = 0; i < samples; ++i) {
    if (i == samples - stretch) endStart = Mark(i);
    form.Timer1Timer();
    QApplication::processEvents();
    if (i + 1 == stretch) startEnd = Mark(i + 1);
  }
  const TMark last = Mark(samples);

  std::printf("soak: %ld test-mode samples, headless window, RSS at start %ld KiB\n", samples, base.Rss);
  Report("start", base, startEnd);
  Report("end", endStart, last);
  Report("all", base, last);
  // What the log and the chart hold, counted from their stores' capacity.
  const double memo = static_cast<double>(form.Memo1->Text().MemoryBytes());
  double channels = 0;
  for (int i = 0; i < form.dIred1->ChannelCount(); ++i)
    channels += static_cast<double>(form.dIred1->Channel(i)->DataList().MemorySize());
  std::printf("stores: memo %.1f + channels %.1f = %.1f bytes/sample\n", memo / samples, channels / samples,
              (memo + channels) / samples);
  return 0;
}
