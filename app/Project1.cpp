// The program entry: reads the command line, creates the main window and runs
// the message loop until the window closes.
#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/Options.h"
#include "app/Unit1.h"
#include "platform/Application.h"

namespace {
// The window asks for the fonts it was designed with; these are the ones a
// Linux desktop has in their place (same metrics for the Latin faces).
void SubstituteFonts() {
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
  QFont::insertSubstitutions(QString::fromUtf8("微软雅黑"),
                             {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "DejaVu Sans"});
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
}  // namespace

int main(int argc, char* argv[]) {
  TOptions options;
  try {
    options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "sensor-monitor: %s\n", error.what());
    return 2;
  }
  if (options.Help) return std::fputs(kUsage, stdout), 0;
  if (options.Version) return std::puts("sensor-monitor 0.1.0"), 0;

  std::unique_ptr<std::FILE, FileCloser> logFile;
  if (!options.LogFile.empty()) {
    logFile.reset(std::fopen(options.LogFile.c_str(), "ab"));
    if (!logFile) {
      std::perror(("sensor-monitor: cannot open log file " + options.LogFile).c_str());
      return 2;
    }
  }

  if (options.Headless) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::SetHeadless(true);
  }
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QString::fromUtf8("Tarnvale-传感器实时监测软件"));
  // Wayland desktops find the installed entry, and its icon, by this name.
  QGuiApplication::setDesktopFileName("sensor-monitor");
  platform::InitFormatSettingsFromSystem();
  SubstituteFonts();

  TForm1 form;
  if (options.Port) form.Edit1->setText(QString::fromStdString(*options.Port));
  if (options.Period) form.Edit2->setText(QString::fromStdString(*options.Period));

  long lines = 0;
  bool logFailed = false;
  form.OnLogLine = [&](const std::string& line) {
    // The quit waits for the event loop, and a tick already queued may log
    // once more: the count asked for is the count written.
    if (options.Samples > 0 && lines == options.Samples) return;
    if (logFile && !logFailed) {
      const std::string record = line + "\r\n";
      if (std::fwrite(record.data(), 1, record.size(), logFile.get()) != record.size() ||
          std::fflush(logFile.get()) != 0) {
        logFailed = true;
        std::perror(("sensor-monitor: writing " + options.LogFile).c_str());
      }
    }
    if (options.Headless) {
      std::puts(line.c_str());
      std::fflush(stdout);
    }
    if (options.Samples > 0 && ++lines == options.Samples) QTimer::singleShot(0, &application, &QApplication::quit);
  };

  form.show();
  if (options.Open) QTimer::singleShot(0, &form, [&form] { platform::RunGuarded([&form] { form.Button2Click(); }); });
  const int status = application.exec();

  if (!options.Screenshot.empty() && !form.grab().save(QString::fromStdString(options.Screenshot), "PNG")) {
    std::fprintf(stderr, "sensor-monitor: cannot save the screenshot %s\n", options.Screenshot.c_str());
    return 1;
  }
  if (!options.ChartImage.empty()) {
    try {
      form.dIred1->SaveImageByEnding(options.ChartImage);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "sensor-monitor: cannot save the chart image %s: %s\n", options.ChartImage.c_str(),
                   error.what());
      return 1;
    }
  }
  return status;
}
