// The one codec for value texts: what every file of the program (property
// files, the chart's stored description, configuration and data files) writes
// for a number and how it reads one back. Keys and values are trimmed of
// blanks and control characters; integers take an optional sign; floats use
// the decimal separator the caller names (the locale's for files an operator
// reads, "." for the stored description) and "NAN", "INF", "-INF" in any case.
// A text that does not convert raises EConvertError with the message the user
// sees: "'abc' is not a valid integer value".
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

std::string_view TrimText(std::string_view text);

int64_t TextToInteger(std::string_view text);
double TextToFloat(std::string_view text, char decimalSeparator);

// `significantDigits` 0 is the shortest text that reads back exactly. An
// exponent is written "1E20", "1.5E-7".
std::string FloatToText(double value, char decimalSeparator, int significantDigits);
