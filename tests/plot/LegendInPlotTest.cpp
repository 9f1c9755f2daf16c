// The legend inside a strip chart set up as the monitoring window sets up
// its chart: two channels, red and yellow, each row with its line sample in
// the channel's colour and its title.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Bitmap.h"
#include "plot/dIred.h"
#include "plot/dIredLegend.h"

TEST(LegendInPlot, MonitorChartListsBothChannelsInTheirColours) {
  TiPlot plot;
  plot.SetBounds(0, 0, 786, 400);
  plot.RemoveAllChannels();
  plot.RemoveAllXAxes();
  plot.AddXAxis();
  for (auto [title, color] : {std::pair{"距离1", clRed}, std::pair{"内部温度", clYellow}}) {
    TiPlotChannel* channel = plot.Channel(plot.AddChannel());
    channel->SetTitleText(title);
    channel->SetColor(color);
    channel->SetTraceLineWidth(2);
  }
  for (int i = 0; i < 5; ++i) {
    plot.Channel(0)->AddXY(i, 1000 + i);
    plot.Channel(1)->AddXY(i, 25);
  }
  TBitmap bitmap(786, 400);
  plot.PaintTo(bitmap.Canvas());
  if (const char* f = std::getenv("LEGEND_PICTURE")) bitmap.SaveToFile(f);

  TiPlotLegend* legend = plot.Legend(0);
  ASSERT_EQ(legend->Items().size(), 2u);
  EXPECT_EQ(legend->ItemTexts(0).Column[iplgcTitle], "距离1");
  EXPECT_EQ(legend->ItemTexts(1).Column[iplgcTitle], "内部温度");
  const TRect r = legend->GetRect();
  EXPECT_GT(r.Width(), 16);
  EXPECT_GE(r.Left, plot.DataView(0)->GetRect().Right);  // to the right of the data view
  for (int i = 0; i < 2; ++i) {
    const TiPlotLegendItem& item = legend->Items()[i];
    const int x = item.Left + legend->ColumnStart(iplgcLine);
    for (int dx = 0; dx <= 13; ++dx)
      EXPECT_EQ(bitmap.Pixel(x + dx, item.Top + legend->RowHeight() / 2), i == 0 ? clRed : clYellow) << i << dx;
    const TRect title = legend->ChannelTitleRect(plot.Channel(i));
    // The glyphs come from whatever CJK font the system has, smoothed: count
    // light grey and white.
    int light = 0;
    for (int y = title.Top; y < title.Bottom; ++y)
      for (int px = title.Left; px < title.Right; ++px) light += (bitmap.Pixel(px, y) & 0x808080) == 0x808080;
    EXPECT_GT(light, 10) << "title of channel " << i;
  }
}

TEST(LegendInPlot, ClicksThroughThePlotScrollAndSelect) {
  TiPlot plot;
  plot.SetBounds(0, 0, 500, 200);
  for (int i = 0; i < 11; ++i) plot.AddChannel();
  TBitmap bitmap(500, 200);
  plot.PaintTo(bitmap.Canvas());
  TiPlotLegend* legend = plot.Legend(0);
  ASSERT_TRUE(legend->DownButton().Visible());

  const TRect down = legend->DownButton().Rect;
  plot.PlotMouseDown(ipmbLeft, 0, down.Left + 4, down.Top + 4);
  plot.PlotMouseUp(ipmbLeft, 0, down.Left + 4, down.Top + 4);
  EXPECT_EQ(legend->ScrollPosition(), 1);

  plot.PaintTo(bitmap.Canvas());
  TiPlotChannel* second = plot.Channel(2);
  const TRect title = legend->ChannelTitleRect(second);
  ASSERT_FALSE(title.IsEmpty());
  plot.PlotMouseDown(ipmbLeft, 0, title.Left + 2, title.Top + 2);
  plot.PlotMouseUp(ipmbLeft, 0, title.Left + 2, title.Top + 2);
  EXPECT_TRUE(second->Focused());
  plot.PaintTo(bitmap.Canvas());
  EXPECT_EQ(bitmap.Pixel(title.Left, title.Top), clYellow);
}
