// Small numeric helpers of the plot engine.
#pragma once
#include <string>

// `value` in decimal, padded with leading "0" to at least `width` characters
// (a minus sign, if any, comes first).
std::string ZeroPadded(long long value, int width);

// `value` limited to low .. high.
inline double Clamp(double value, double low, double high) {
  return value < low ? low : (value > high ? high : value);
}

// A double rounded to single precision; values beyond the single range become
// infinities instead of being undefined.
float ToSingle(double value);
