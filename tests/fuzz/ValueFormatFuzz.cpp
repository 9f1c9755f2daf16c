// Random values and settings through the axis value formatter: it must never
// raise or crash, whatever the style, precision, pattern or value.
#include <cstdint>
#include <cstring>
#include <string>

#include "plot/iValueFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2 * sizeof(double) + 6) return 0;
  double value, span;
  std::memcpy(&value, data, sizeof value);
  std::memcpy(&span, data + sizeof value, sizeof span);
  data += 2 * sizeof(double);
  size -= 2 * sizeof(double);
  TiValueFormatSettings settings;
  settings.Style = static_cast<TiPlotTextFormat>(data[0] % 6);
  settings.PrecisionStyle = static_cast<TiPlotPrecisionStyle>(data[1] % 2);
  int32_t precision;
  std::memcpy(&precision, data + 2, sizeof precision);
  settings.Precision = precision;
  const bool log = (data[0] & 0x80) != 0;
  settings.DateTimeFormat.assign(reinterpret_cast<const char*>(data + 6), size - 6);
  const TiFormattedValue text = FormatValueText(settings, value, span, log);
  (void)OneLine(text.Text);
  (void)Decimals(precision, settings.PrecisionStyle, span);
  return 0;
}
