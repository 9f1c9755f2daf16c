// How the data view's grid lines are drawn; the data view picks the style and
// the axis draws the lines at its ticks.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum TiPlotGridLineStyle : uint8_t { ipglsSolid, ipglsDash, ipglsDot };
inline const std::vector<std::string>& EnumValueNames(TiPlotGridLineStyle) {
  static const std::vector<std::string> names{"ipglsSolid", "ipglsDash", "ipglsDot"};
  return names;
}
