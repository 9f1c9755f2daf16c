// Number texts with the locale's separators: the decimal separator the
// operator's locale uses is the one every number text of the program shows
// and reads.
#pragma once
#include <string>
#include <string_view>

namespace platform {

struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
};

// The settings in force; the application fills them from the system locale at
// start-up, tests set them directly.
TFormatSettings& FormatSettings();

// Text to float: blanks around the number are allowed, the decimal separator is
// the locale's, an exponent may follow. Anything else raises EConvertError
// "'text' is not a valid floating point value".
double StrToFloat(const std::string& text);
bool TryStrToFloat(std::string_view text, double& value);
// The same with a given decimal separator.
bool TryStrToFloat(std::string_view text, double& value, char decimalSeparator);

// "%.Nf": fixed point with `decimals` digits after the locale's separator, no
// grouping, a leading "-" for negative values.
std::string FormatFixed(double value, int decimals);

}  // namespace platform
