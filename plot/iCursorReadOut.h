// The last reading a channel made for a data cursor: the texts the legend
// shows in "<All>" mode and the values behind them. Each cursor update
// overwrites it.
#pragma once
#include <cmath>
#include <limits>
#include <string>

struct TiPlotCursorReadOut {
  std::string XText, YText;
  double YValue = 0, XValue = 0;
  int Status = 0;  // 0 a value, 1 no value, 2 outside the data
};

// A frequency this large or larger reads "Infinite".
constexpr double CursorInfiniteBound = 1e301;

// The frequency of two pointers: |1 / (scaler * (x1 - x2))|, or infinity
// when the pointers coincide or the scaler is 0.
inline double CursorInverseDelta(double x1, double x2, double scaler) {
  if (x1 == x2 || scaler == 0) return std::numeric_limits<double>::infinity();
  return std::fabs(1 / (scaler * (x1 - x2)));
}
