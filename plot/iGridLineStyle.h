// How the data view's grid lines are drawn; the data view picks the style and
// the axis draws the lines at its ticks.
#pragma once
#include <cstdint>

enum TiPlotGridLineStyle : uint8_t { ipglsSolid, ipglsDash, ipglsDot };
