#include "plot/iLegendLinks.h"

#include <algorithm>
#include <cmath>

#include "platform/Rounding.h"
#include "plot/dIredChannelCustom.h"
#include "plot/iValueFormat.h"

namespace {

// A walk over the stored points that are neither Null nor Empty: the answer
// until the channel keeps its own running figures.
TiPlotLegendStatistics StoredPointStatistics(TiPlotChannelCustom& channel) {
  TiPlotLegendStatistics s;
  TiPlotDataCustomList& data = channel.DataList();
  long double sum = 0;
  for (int i = 0; i < data.Count(); ++i) {
    if (data.GetNull(i) || data.GetEmpty(i)) continue;
    const double y = data.GetY(i);
    s.YMax = s.Count == 0 ? y : std::max(s.YMax, y);
    s.YMin = s.Count == 0 ? y : std::min(s.YMin, y);
    sum += y;
    ++s.Count;
  }
  if (s.Count) s.YMean = static_cast<double>(sum / s.Count);
  return s;
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
  links.VisibleInLegend = [](TiPlotChannelCustom&) { return true; };
  links.Statistics = StoredPointStatistics;
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
