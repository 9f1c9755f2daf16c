// The monitor's command line.
#pragma once
#include <optional>
#include <string>
#include <vector>

struct TOptions {
  std::optional<std::string> Port;    // presets the port name edit
  std::optional<std::string> Period;  // presets the period edit, in seconds
  bool Open = false;                  // press the open button once the window is up
  std::string LogFile;                // append every log line here as it is written
  bool Headless = false;              // offscreen; log lines also on standard output
  long Samples = 0;                   // quit after this many log lines (0: never)
  std::string Screenshot;             // PNG of the window, saved on quitting
  std::string ChartImage;             // the chart as a picture, saved on quitting (bmp, emf, jpg, png)
  bool Help = false, Version = false;
};

// Parses the arguments after the program name; a bad one raises Exception with
// a message for standard error.
TOptions ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;
