#include "platform/Locale.h"

#include <cctype>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "platform/Exception.h"

namespace platform {

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Accepts [sign] digits [sep digits] [e [sign] digits]: at least one digit in
// the mantissa; the locale's separator only, so "1,5" is not 1.5 where the
// separator is ".". Checked in place: only a separator other than '.' makes
// a copy, on the stack when the text is short (data files hold millions).
bool ParseNumber(std::string_view text, double& value, char sep) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  // With '.' for a separator, from_chars reads a finite number by the same
  // rules, so it alone decides what it reads whole; the rest is checked below.
  if (sep == '.' && begin < end) {
    const auto quick = std::from_chars(text.data() + begin, text.data() + end, value);
    if (quick.ec == std::errc() && quick.ptr == text.data() + end && std::isfinite(value)) return true;
  }
  size_t i = begin;
  auto digits = [&] {
    const size_t from = i;
    while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    return i - from;
  };
  if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
  size_t mantissa = digits();
  size_t sepAt = std::string_view::npos;
  if (i < end && text[i] == sep) {
    sepAt = i++;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  if (i != end) return false;
  if (text[begin] == '+') ++begin;  // from_chars takes no plus sign
  std::string_view number = text.substr(begin, end - begin);
  char small[64];
  std::string large;
  if (sepAt != std::string_view::npos && sep != '.') {
    char* copy = number.size() <= sizeof small ? small : (large.assign(number), large.data());
    std::copy(number.begin(), number.end(), copy);
    copy[sepAt - begin] = '.';
    number = std::string_view(copy, number.size());
  }
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  return result.ec == std::errc() && result.ptr == number.data() + number.size();
}
}  // namespace

bool TryStrToFloat(std::string_view text, double& value) {
  return ParseNumber(text, value, FormatSettings().DecimalSeparator);
}

bool TryStrToFloat(std::string_view text, double& value, char decimalSeparator) {
  return ParseNumber(text, value, decimalSeparator);
}

double StrToFloat(const std::string& text) {
  double value = 0;
  if (!TryStrToFloat(text, value)) throw EConvertError("'" + text + "' is not a valid floating point value");
  return value;
}

std::string FormatFixed(double value, int decimals) {
  // to_chars, not printf: the C library's locale must not pick the separator.
  if (decimals < 0) decimals = 0;
  if (decimals > 60) decimals = 60;
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  const char sep = FormatSettings().DecimalSeparator;
  if (sep != '.')
    for (char& c : text)
      if (c == '.') c = sep;
  return text;
}

}  // namespace platform
