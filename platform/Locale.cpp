#include "platform/Locale.h"

#include <cctype>
#include <charconv>

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
// separator is ".".
bool ParseNumber(const std::string& text, double& value, char sep) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  std::string plain;
  plain.reserve(end - begin);
  size_t i = begin;
  auto digits = [&] {
    size_t n = 0;
    while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) plain += text[i++], ++n;
    return n;
  };
  if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
  size_t mantissa = digits();
  if (i < end && text[i] == sep) {
    plain += '.';
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    if (digits() == 0) return false;
  }
  if (i != end) return false;
  const char* first = plain.data();
  if (*first == '+') ++first;
  const auto result = std::from_chars(first, plain.data() + plain.size(), value);
  return result.ec == std::errc() && result.ptr == plain.data() + plain.size();
}
}  // namespace

bool TryStrToFloat(const std::string& text, double& value) {
  return ParseNumber(text, value, FormatSettings().DecimalSeparator);
}

bool TryStrToFloat(const std::string& text, double& value, char decimalSeparator) {
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
