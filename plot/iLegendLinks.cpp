#include "plot/iLegendLinks.h"

#include <cmath>

#include "platform/Rounding.h"
#include "plot/dIredChannelCustom.h"
#include "plot/iValueFormat.h"

namespace {

// The channel's running figures: every point added since the last Clear,
// as the channel counts them.
TiPlotLegendStatistics RunningStatistics(TiPlotChannelCustom& channel) {
  return {channel.StatCount(), channel.YMax(), channel.YMin(), channel.YMean()};
}

// Three significant digits of the value itself, the axis's default legend
// settings, until the axis offers its own formatter.
std::string PlainLegendText(TiPlotAxis&, double value) {
  return FormatValueText(TiValueFormatSettings{}, value, std::fabs(value), false).Text;
}

// The axis's default legend minimum length: five widths of "0".
int FiveZeros(TiPlotAxis&, TCanvas& canvas) { return Round(canvas.TextWidth("0") * 5.0); }

}  // namespace

TiPlotLegendLinks DefaultLegendLinks() {
  TiPlotLegendLinks links;
  links.VisibleInLegend = [](TiPlotChannelCustom& channel) { return channel.VisibleInLegend(); };
  links.Statistics = RunningStatistics;
  links.FormatLegendText = PlainLegendText;
  links.LegendTextWidth = FiveZeros;
  links.CursorTextWidth = FiveZeros;
  links.CursorXText = [](TiPlotChannelCustom&) { return std::string(); };
  links.CursorYText = [](TiPlotChannelCustom&) { return std::string(); };
  links.DrawMarker = [](TiPlotChannelCustom&, TCanvas&, int, int) {};
  links.LabelsFontColor = [](TiPlotAxis&, TColor fallback) { return fallback; };
  links.StoreLegendRect = [](TiPlotChannelCustom&, const TRect&) {};
  return links;
}
