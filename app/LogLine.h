// The log's lines: time of day first ("08:05:09"), then one value or two, each
// with one decimal: "08:05:09,1234.0" or "08:05:09,1234.0,25.0".
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/LogText.h"
#include "platform/Clock.h"

std::string LogTime(platform::TDateTime now);
std::string ShortLogLine(platform::TDateTime now, double value);
std::string LongLogLine(platform::TDateTime now, double first, double second);

// A value as the log writes it and reads it back: one decimal with the locale's
// separator, or "." where that separator is the log's field separator ",".
// Reading accepts the locale's separator and "."; anything else raises the
// conversion error.
std::string LogValue(double value);
double ParseLogValue(const std::string& text);

// The value texts of a saved line, as the reload reads them: the first field
// (the time) is skipped, at most 30 characters after the first "," are read,
// and a "," among them divides the first value's text from the second's.
struct TLogFields {
  std::string First;
  std::optional<std::string> Second;  // absent in a short-form line
};

// Empty for a line without "," (a blank or a comment line).
std::optional<TLogFields> SplitLogLine(const std::string& line);

// Lines end at CR, LF or CR LF; a final line without an end counts, an empty
// text has no lines.
std::vector<std::string> SplitTextLines(const std::string& text);
std::string JoinTextLines(const std::vector<std::string>& lines);  // CR LF after each
std::string JoinLogText(const TLogText& lines);  // the same, from the memo's store
