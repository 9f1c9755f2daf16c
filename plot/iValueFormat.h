// Value texts of an axis: labels, cursor read-outs and legend values share one
// formatter with six styles. It never raises: a failure gives "Error", a value
// the style cannot show gives "Unknown".
#pragma once
#include <vector>
#include <cstdint>
#include <string>

enum TiPlotTextFormat : uint8_t {
  iptfValue, iptfExponent, iptfPrefix, iptfDateTime, iptfPrice32nds, iptfThousands
};
inline const std::vector<std::string>& EnumValueNames(TiPlotTextFormat) {
  static const std::vector<std::string> names{"iptfValue", "iptfExponent", "iptfPrefix", "iptfDateTime",
      "iptfPrice32nds", "iptfThousands"};
  return names;
}
enum TiPlotPrecisionStyle : uint8_t { ipsSignificantDigits, ipsFixedDecimalPoints };
inline const std::vector<std::string>& EnumValueNames(TiPlotPrecisionStyle) {
  static const std::vector<std::string> names{"ipsSignificantDigits", "ipsFixedDecimalPoints"};
  return names;
}

// One set of format settings (the labels', the cursor's or the legend's).
struct TiValueFormatSettings {
  TiPlotTextFormat Style = iptfValue;
  std::string DateTimeFormat = "hh:nn:ss";
  int Precision = 3;
  TiPlotPrecisionStyle PrecisionStyle = ipsSignificantDigits;
};

// Decimals that show `precision` significant digits of values about as large
// as `range` (or exactly `precision` decimals with ipsFixedDecimalPoints).
// Never below 0; a range below 1 earns one more.
int Decimals(int precision, TiPlotPrecisionStyle style, double range);

struct TiFormattedValue {
  std::string Text;
  // The formatter stopped early (a non-positive value on a logarithmic
  // scale): the text is not to be customised or measured.
  bool Final = false;
};

// The text of `value` on an axis of `span` (the value style sizes its
// decimals by the span). Never raises.
TiFormattedValue FormatValueText(const TiValueFormatSettings& settings, double value, double span,
                                 bool logScale) noexcept;

// Carriage return-line feed pairs and lone carriage returns become blanks,
// so that a read-out stays on one line.
std::string OneLine(std::string text);
