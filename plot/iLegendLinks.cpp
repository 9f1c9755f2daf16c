#include "plot/iLegendLinks.h"

#include "plot/dIredChannelCustom.h"

namespace {

// The channel's running figures: every point added since the last Clear,
// as the channel counts them.
TiPlotLegendStatistics RunningStatistics(TiPlotChannelCustom& channel) {
  return {channel.StatCount(), channel.YMax(), channel.YMin(), channel.YMean()};
}

}  // namespace

TiPlotLegendLinks DefaultLegendLinks() {
  TiPlotLegendLinks links;
  links.VisibleInLegend = [](TiPlotChannelCustom& channel) { return channel.VisibleInLegend(); };
  links.Statistics = RunningStatistics;
  links.FormatLegendText = [](TiPlotAxis& axis, double value) { return axis.FormatLegendText(value); };
  links.LegendTextWidth = [](TiPlotAxis& axis, TCanvas& canvas) { return axis.LegendTextWidth(&canvas, canvas.Font); };
  links.CursorTextWidth = [](TiPlotAxis& axis, TCanvas& canvas) { return axis.CursorTextWidth(&canvas, canvas.Font); };
  links.CursorXText = [](TiPlotChannelCustom&) { return std::string(); };
  links.CursorYText = [](TiPlotChannelCustom&) { return std::string(); };
  links.DrawMarker = [](TiPlotChannelCustom&, TCanvas&, int, int) {};
  links.LabelsFontColor = [](TiPlotAxis& axis, TColor) { return axis.LabelsFont().Color; };
  links.StoreLegendRect = [](TiPlotChannelCustom&, const TRect&) {};
  return links;
}
