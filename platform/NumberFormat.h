// Number texts beyond plain fixed point: digit grouping and scientific form,
// both with the locale's separators (platform::FormatSettings()).
#pragma once
#include <string>

namespace platform {

// The "#,#0" pattern with `decimals` zeros after the point: the integer
// digits grouped by three with the locale's thousands separator, then the
// locale's decimal separator and exactly `decimals` digits. 1234567.891 with
// 2 decimals gives "1,234,567.89". Raises EConvertError for NaN and infinity.
std::string FormatGrouped(double value, int decimals);

// Scientific form: one digit, the decimal separator and `decimals` further
// digits (none and no separator when 0), then "E", the exponent's sign and at
// least `exponentDigits` digits. 1234 with 2 decimals gives "1.23E+003".
// Raises EConvertError for NaN and infinity.
std::string FormatScientific(double value, int decimals, int exponentDigits = 3);

}  // namespace platform
