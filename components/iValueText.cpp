#include "components/iValueText.h"

#include <charconv>
#include <cmath>

#include "components/iReflection.h"
#include "platform/Exception.h"
#include "platform/Locale.h"

std::string_view TrimText(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

int64_t TextToInteger(std::string_view text) {
  const std::string_view t = TrimText(text);
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (first != last && *first == '+') ++first;
  int64_t value = 0;
  const auto r = std::from_chars(first, last, value);
  if (t.empty() || r.ec != std::errc() || r.ptr != last)
    throw EConvertError("'" + std::string(t) + "' is not a valid integer value");
  return value;
}

double TextToFloat(std::string_view text, char decimalSeparator) {
  const std::string_view t = TrimText(text);
  double value = 0;
  if (platform::TryStrToFloat(t, value, decimalSeparator)) return value;
  if (SameText(t, "NAN")) return std::nan("");
  if (SameText(t, "INF") || SameText(t, "+INF")) return HUGE_VAL;
  if (SameText(t, "-INF")) return -HUGE_VAL;
  throw EConvertError("'" + std::string(t) + "' is not a valid floating point value");
}

std::string FloatToText(double value, char decimalSeparator, int significantDigits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  char buffer[64];
  const auto r = significantDigits > 0
                     ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits)
                     : std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text;
  for (const char* p = buffer; p < r.ptr; ++p) {
    if (*p == 'e') {
      // "1e+20" as "1E20", "1.5e-07" as "1.5E-7".
      text += 'E';
      ++p;
      if (*p == '-') text += '-';
      if (*p == '-' || *p == '+') ++p;
      while (p + 1 < r.ptr && *p == '0') ++p;
      text.append(p, static_cast<size_t>(r.ptr - p));
      break;
    }
    text += *p == '.' ? decimalSeparator : *p;
  }
  return text;
}
