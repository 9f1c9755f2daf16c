// What the legend reads of a channel and of its axes, gathered in one place.
// Each link is a function the legend calls; DefaultLegendLinks() fills them
// with what the channel and axis units offer, so a channel or axis that
// grows a richer answer (running statistics, its own legend format, a marker
// drawing) is connected here and nowhere else.
#pragma once
#include <functional>
#include <string>

#include "platform/Canvas.h"
#include "platform/Types.h"

class TiPlotAxis;
class TiPlotChannelCustom;

// The figures of the statistics columns: running values over every point
// counted (Count of them).
struct TiPlotLegendStatistics {
  long long Count = 0;
  double YMax = 0, YMin = 0, YMean = 0;
};

struct TiPlotLegendLinks {
  // Whether the channel gets a row.
  std::function<bool(TiPlotChannelCustom&)> VisibleInLegend;
  // The channel's running maximum, minimum and mean of y.
  std::function<TiPlotLegendStatistics(TiPlotChannelCustom&)> Statistics;
  // A value as the axis formats it for the legend.
  std::function<std::string(TiPlotAxis&, double)> FormatLegendText;
  // The width the axis reserves for one legend (cursor) value in the
  // canvas font.
  std::function<int(TiPlotAxis&, TCanvas&)> LegendTextWidth;
  std::function<int(TiPlotAxis&, TCanvas&)> CursorTextWidth;
  // The channel's data-cursor reading, shown while one cursor covers every
  // channel.
  std::function<std::string(TiPlotChannelCustom&)> CursorXText, CursorYText;
  // One marker of the channel centred on (x, y).
  std::function<void(TiPlotChannelCustom&, TCanvas&, int x, int y)> DrawMarker;
  // The colour of the axis's label font (for ChannelNameColorStyle).
  std::function<TColor(TiPlotAxis&, TColor fallback)> LabelsFontColor;
  // Hands the channel the rectangle its title took in the last drawing.
  std::function<void(TiPlotChannelCustom&, const TRect&)> StoreLegendRect;
};

TiPlotLegendLinks DefaultLegendLinks();
