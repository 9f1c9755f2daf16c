#include "app/Options.h"

#include <cerrno>
#include <cstdlib>

#include "platform/Exception.h"
#include "platform/Locale.h"
#include "plot/dIredComponent.h"

const char* const kUsage =
    "Usage: sensor-monitor [options]\n"
    "Polls one sensor over Modbus RTU and shows, charts and logs its readings.\n"
    "\n"
    "  --port NAME         port name in the window (COM1 by default; COMn is /dev/ttyS(n-1),\n"
    "                      /dev/... as given, other names under /dev; COM0 runs on generated values)\n"
    "  --period SECONDS    sampling period in the window (1 by default)\n"
    "  --open              press the open button once the window is up\n"
    "  --log-file PATH     append every log line to PATH as it is written (CR LF, flushed per line)\n"
    "  --headless          run without a display (offscreen); print each log line on standard output\n"
    "  --samples N         quit after N log lines\n"
    "  --screenshot PATH   save a PNG of the whole window when the program quits\n"
    "  --chart-image PATH  save the chart as a picture when the program quits, as the chart's\n"
    "                      save button does; PATH ends in bmp, emf, jpg or png (lower case)\n"
    "  --version           print the version and exit\n"
    "  --help              print this text and exit\n";

namespace {
long PositiveInteger(const std::string& option, const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno == ERANGE || value <= 0)
    throw Exception(option + " needs a whole number above 0, not \"" + text + "\"");
  return value;
}

void CheckPeriod(const std::string& text) {
  double seconds = 0;
  if (!platform::TryStrToFloat(text, seconds) || !(seconds >= 0.001 && seconds <= 2147483))
    throw Exception("--period needs a number of seconds from 0.001 to 2147483, not \"" + text + "\"");
}
}  // namespace

TOptions ParseOptions(const std::vector<std::string>& args) {
  TOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw Exception(arg + " needs a value");
      return args[++i];
    };
    if (arg == "--port") {
      options.Port = value();
      if (options.Port->empty()) throw Exception("--port needs a port name");
    } else if (arg == "--period") {
      options.Period = value();
      CheckPeriod(*options.Period);
    } else if (arg == "--open") {
      options.Open = true;
    } else if (arg == "--log-file") {
      options.LogFile = value();
      if (options.LogFile.empty()) throw Exception("--log-file needs a file name");
    } else if (arg == "--headless") {
      options.Headless = true;
    } else if (arg == "--samples") {
      options.Samples = PositiveInteger(arg, value());
    } else if (arg == "--screenshot") {
      options.Screenshot = value();
      if (options.Screenshot.empty()) throw Exception("--screenshot needs a file name");
    } else if (arg == "--chart-image") {
      options.ChartImage = value();
      if (!TiPlotComponent::KnownImageEnding(options.ChartImage))
        throw Exception("--chart-image needs a file name ending in bmp, emf, jpg or png, not \"" +
                        options.ChartImage + "\"");
    } else if (arg == "--help" || arg == "-h") {
      options.Help = true;
    } else if (arg == "--version") {
      options.Version = true;
    } else {
      throw Exception("unknown option \"" + arg + "\" (see --help)");
    }
  }
  return options;
}
