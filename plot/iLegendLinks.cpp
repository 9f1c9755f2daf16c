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
  links.CursorXText = [](TiPlotChannelCustom& channel) { return channel.CursorXText(); };
  links.CursorYText = [](TiPlotChannelCustom& channel) { return channel.CursorYText(); };
  links.DrawMarker = [](TiPlotChannelCustom& channel, TCanvas& canvas, int x, int y) {
    channel.DrawMarker(canvas, -1, x, y);
  };
  links.LabelsFontColor = [](TiPlotAxis& axis, TColor) { return axis.LabelsFont().Color; };
  links.StoreLegendRect = [](TiPlotChannelCustom& channel, const TRect& rect) { channel.SetLegendRect(rect); };
  return links;
}
