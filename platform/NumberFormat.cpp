#include "platform/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/Exception.h"
#include "platform/Locale.h"

namespace platform {
namespace {

void CheckFinite(double value) {
  if (!std::isfinite(value)) throw EConvertError("Invalid floating point value");
}

int Limited(int decimals) { return decimals < 0 ? 0 : (decimals > 60 ? 60 : decimals); }

std::string GroupDigits(const std::string& digits, char separator) {
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace

std::string FormatGrouped(double value, int decimals) {
  CheckFinite(value);
  // Fixed point without the locale first, so the point is found for sure.
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, Limited(decimals)).ptr;
  std::string text(buffer, end);
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.erase(0, 1);
  const size_t point = text.find('.');
  const std::string whole = text.substr(0, point);
  std::string result = GroupDigits(whole, FormatSettings().ThousandSeparator);
  if (point != std::string::npos) result += FormatSettings().DecimalSeparator + text.substr(point + 1);
  return negative ? "-" + result : result;
}

std::string FormatScientific(double value, int decimals, int exponentDigits) {
  CheckFinite(value);
  char buffer[128];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, Limited(decimals)).ptr;
  std::string text(buffer, end);  // d.ddde+XX
  const size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  const char sign = text[e + 1];
  std::string exponent = text.substr(e + 2);
  if (static_cast<int>(exponent.size()) < exponentDigits)
    exponent = std::string(exponentDigits - exponent.size(), '0') + exponent;
  const size_t point = mantissa.find('.');
  if (point != std::string::npos) mantissa[point] = FormatSettings().DecimalSeparator;
  return mantissa + "E" + sign + exponent;
}

}  // namespace platform
