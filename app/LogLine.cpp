#include "app/LogLine.h"

#include <cstdio>

#include "platform/Locale.h"

std::string LogTime(platform::TDateTime now) {
  const platform::TTimeOfDay t = platform::DecodeTime(now);
  char text[16];
  std::snprintf(text, sizeof text, "%.2d:%.2d:%.2d", t.Hour, t.Minute, t.Second);
  return text;
}

// The log separates its fields with ",", so where the locale writes decimals
// with "," too the values are written with "." to keep the lines readable.
std::string LogValue(double value) {
  std::string text = platform::FormatFixed(value, 1);
  if (platform::FormatSettings().DecimalSeparator == ',')
    for (char& c : text)
      if (c == ',') c = '.';
  return text;
}

double ParseLogValue(const std::string& text) {
  double value = 0;
  if (platform::TryStrToFloat(text, value) || platform::TryStrToFloat(text, value, '.')) return value;
  return platform::StrToFloat(text);  // raises the conversion error
}

std::string ShortLogLine(platform::TDateTime now, double value) { return LogTime(now) + "," + LogValue(value); }

std::string LongLogLine(platform::TDateTime now, double first, double second) {
  return ShortLogLine(now, first) + "," + LogValue(second);
}

std::optional<TLogFields> SplitLogLine(const std::string& line) {
  const auto comma = line.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const std::string rest = line.substr(comma + 1, 30);
  const auto second = rest.find(',');
  if (second == std::string::npos) return TLogFields{rest, std::nullopt};
  return TLogFields{rest.substr(0, second), rest.substr(second + 1)};
}

std::vector<std::string> SplitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

namespace {
void AppendTextLine(std::string& text, std::string_view line) {
  text += line;
  text += "\r\n";
}
}  // namespace

std::string JoinTextLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) AppendTextLine(text, line);
  return text;
}

std::string JoinLogText(const TLogText& lines) {
  std::string text;
  lines.ForEachLine([&](std::string_view line) { AppendTextLine(text, line); });
  return text;
}
