#include "plot/iMath.h"

#include <cfloat>
#include <cmath>
#include <limits>

std::string ZeroPadded(long long value, int width) {
  std::string digits = std::to_string(value);
  const bool negative = value < 0;
  const int length = static_cast<int>(digits.size()) - (negative ? 1 : 0);
  if (length >= width) return digits;
  const std::string zeros(static_cast<size_t>(width - length), '0');
  return negative ? "-" + zeros + digits.substr(1) : zeros + digits;
}

float ToSingle(double value) {
  if (std::fabs(value) <= FLT_MAX || std::isnan(value)) return static_cast<float>(value);
  // Values between FLT_MAX and the rounding threshold round down to FLT_MAX.
  constexpr double limit = static_cast<double>(FLT_MAX) * (1.0 + 0x1p-25);
  if (value >= limit) return std::numeric_limits<float>::infinity();
  if (value <= -limit) return -std::numeric_limits<float>::infinity();
  if (std::fabs(value) > FLT_MAX) return value > 0 ? FLT_MAX : -FLT_MAX;
  return static_cast<float>(value);
}
