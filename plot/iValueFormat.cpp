#include "plot/iValueFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/DateTimeFormat.h"
#include "platform/Locale.h"
#include "platform/NumberFormat.h"

namespace {

constexpr const char* kUnknown = "Unknown";
constexpr const char* kError = "Error";

std::string Trimmed(const std::string& text) {
  const size_t begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return {};
  return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// "-0.00" is what a tiny negative rounding error looks like; it reads as zero.
std::string WithoutNegativeZero(std::string text) {
  if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string ValueText(const TiValueFormatSettings& s, double v, double span, bool logScale, bool& final) {
  if (!logScale) return Trimmed(platform::FormatFixed(v, Decimals(s.Precision, s.PrecisionStyle, span)));
  if (v <= 0) {
    final = true;
    return kUnknown;
  }
  const double decimals = std::max(0.0, -std::trunc(std::log10(v) - 0.5));
  return Trimmed(platform::FormatFixed(v, static_cast<int>(std::min(decimals, 60.0))));
}

std::string ExponentText(const TiValueFormatSettings& s, double v) {
  const int decimals = s.PrecisionStyle == ipsSignificantDigits ? s.Precision - 1 : s.Precision;
  return platform::FormatScientific(v, std::max(decimals, 0));
}

// The SI prefix letters by exponent / 3, from 10^-24 to 10^24.
const char* PrefixLetter(int k) {
  static const char* const letters[] = {"y", "z", "a", "f", "p", "n", "\u00B5", "m", "",
                                        "K", "M", "G", "T", "P", "E", "Z", "Y"};
  if (k % 3 != 0 || k < -24 || k > 24) return nullptr;
  return letters[k / 3 + 8];
}

std::string PrefixText(const TiValueFormatSettings& s, double v) {
  // Cut toward zero, so 0.0005 is 0.500m rather than 500µ.
  const double k = v == 0 ? 0 : 3 * std::trunc(std::log10(std::fabs(v)) / 3);
  const char* letter = std::fabs(k) <= 24 ? PrefixLetter(static_cast<int>(k)) : nullptr;
  if (!letter) return kUnknown;
  const double mantissa = v / std::pow(10.0, k);
  return platform::FormatFixed(mantissa, Decimals(s.Precision, s.PrecisionStyle, mantissa)) + letter;
}

std::string DateTimeText(const TiValueFormatSettings& s, double v) {
  const std::string& pattern = s.DateTimeFormat;
  if (pattern.empty() || (pattern[0] != 'J' && pattern[0] != 'j'))
    return Trimmed(platform::FormatDateTime(pattern, v));
  // An elapsed time: whole days, then the time of day.
  if (!(std::fabs(v) < 9e15)) return kError;
  return std::to_string(static_cast<int64_t>(std::trunc(v))) + " " + platform::FormatDateTime(pattern.substr(1), v);
}

// Whole units, a point, two digits of 32nds and one digit of eighths of a
// 32nd: 101 + 16/32 + 3/256 is "101.163". Half of the smallest step is added
// first so that the text rounds to the nearest eighth. A negative price is
// the same text behind a minus sign.
std::string Price32ndsText(double v) {
  const bool negative = v < 0;
  const double w = std::fabs(v) + 1.0 / 512;
  if (!(w < 9e18)) return kError;
  int64_t whole = static_cast<int64_t>(std::trunc(w));
  int64_t n = static_cast<int64_t>(std::nearbyint((w - std::trunc(w)) * 1024));
  if (n >= 1024) {  // rounding reached the next whole unit
    ++whole;
    n -= 1024;
  }
  const int64_t thirtySeconds = n / 32, eighths = (n % 32) / 4;
  std::string text = std::to_string(whole) + "." + (thirtySeconds < 10 ? "0" : "") + std::to_string(thirtySeconds) +
                     std::to_string(eighths);
  return negative && text.find_first_of("123456789") != std::string::npos ? "-" + text : text;
}

std::string StyledText(const TiValueFormatSettings& s, double v, double span, bool logScale, bool& final) {
  switch (s.Style) {
    case iptfValue: return ValueText(s, v, span, logScale, final);
    case iptfExponent: return ExponentText(s, v);
    case iptfPrefix: return PrefixText(s, v);
    case iptfDateTime: return DateTimeText(s, v);
    case iptfPrice32nds: return Price32ndsText(v);
    case iptfThousands: return platform::FormatGrouped(v, Decimals(s.Precision, s.PrecisionStyle, span));
  }
  return kUnknown;
}

}  // namespace

int Decimals(int precision, TiPlotPrecisionStyle style, double range) {
  int64_t count = 0;
  if (style == ipsFixedDecimalPoints) {
    count = precision;
  } else if (precision > 0 && std::isfinite(range)) {
    const double d = std::fabs(range);
    if (d != 0) count = precision - (static_cast<int64_t>(std::trunc(std::log10(d))) + 1);
    if (d < 1) ++count;
  }
  return static_cast<int>(std::clamp<int64_t>(count, 0, 99));
}

TiFormattedValue FormatValueText(const TiValueFormatSettings& settings, double value, double span,
                                 bool logScale) noexcept {
  TiFormattedValue result;
  try {
    if (!std::isfinite(value)) {
      result.Text = kError;
      return result;
    }
    result.Text = StyledText(settings, value, span, logScale, result.Final);
    if (settings.Style != iptfDateTime) result.Text = WithoutNegativeZero(std::move(result.Text));
  } catch (...) {
    result.Text = kError;
    result.Final = false;
  }
  return result;
}

std::string OneLine(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
      continue;
    }
    out += ' ';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}
