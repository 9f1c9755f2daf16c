// Markers, bars, high-low bars and cursor readings in a real strip chart:
// clicks on markers and legend rows through the plot's mouse handling, the
// right-button trace hit, the legend's marker sample and "<All>" readings,
// and a rendered picture of them all decoded back from its PNG file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/ImageFiles.h"
#include "plot/dIred.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredLegend.h"
#include "plot/dIredToolBar.h"

namespace {

// A 600 x 300 strip chart, x 0..10 and y 0..100, one channel with square
// markers at X = 1 .. 9.
struct TChart {
  TiPlot plot;
  TiPlotChannel* ch;
  TBitmap bitmap{600, 300};
  std::vector<std::pair<int, int>> dataPoints;  // (channel, point) of each event
  int dblDataPoints = 0, channelClicks = 0;
  TChart() {
    plot.SetBounds(0, 0, 600, 300);
    ch = plot.Channel(0);
    ch->SetXAxisTrackingEnabled(false);
    ch->SetYAxisTrackingEnabled(false);
    plot.XAxis(0)->SetMinSpan(0, 10);
    plot.YAxis(0)->SetMinSpan(0, 100);
    ch->SetMarkersVisible(true);
    ch->SetMarkersStyle(ipmsSquare);
    ch->SetMarkersSize(4);
    for (int i = 1; i <= 9; ++i) ch->AddXY(i, i * 10);
    plot.OnClickDataPoint = [this](TiPlotComponent*, int c, int p) { dataPoints.push_back({c, p}); };
    plot.OnDblClickDataPoint = [this](TiPlotComponent*, int, int) { ++dblDataPoints; };
    plot.OnClick[ipekChannel] = [this](TiPlotComponent*, int) { ++channelClicks; };
    Paint();
  }
  void Paint() { plot.PaintTo(bitmap.Canvas()); }
  TPoint PixelOf(double x, double y) { return {plot.XAxis(0)->ValueToPixel(x), plot.YAxis(0)->ValueToPixel(y)}; }
  void Click(TPoint p, TiPlotMouseButton button = ipmbLeft) {
    plot.PlotMouseDown(button, 0, p.X, p.Y);
    plot.PlotMouseUp(button, 0, p.X, p.Y);
  }
};

}  // namespace

TEST(ChannelMouse, AMarkerClickInSelectModeIsADataPointEvent) {
  TChart c;
  const TPoint p = c.PixelOf(3, 30);
  c.Click({p.X + 2, p.Y + 1});
  EXPECT_TRUE(c.dataPoints.empty());  // not in select mode
  EXPECT_EQ(c.channelClicks, 0);

  c.plot.SetSelectMode(true);
  c.Click({p.X + 2, p.Y + 1});
  ASSERT_EQ(c.dataPoints.size(), 1u);
  EXPECT_EQ(c.dataPoints[0], (std::pair{0, 2}));
  EXPECT_EQ(c.ch->MarkerUnderPointer(), 2);
  EXPECT_EQ(c.channelClicks, 0);  // a data-point click, not also a channel click

  // Released away from the pressed marker: no event.
  c.plot.PlotMouseDown(ipmbLeft, 0, p.X, p.Y);
  c.plot.PlotMouseUp(ipmbLeft, 0, p.X + 30, p.Y);
  EXPECT_EQ(c.dataPoints.size(), 1u);

  c.plot.PlotMouseDown(ipmbLeft, 0, p.X, p.Y);
  c.plot.PlotDoubleClick();
  c.plot.PlotMouseUp(ipmbLeft, 0, p.X, p.Y);
  EXPECT_EQ(c.dblDataPoints, 1);
  EXPECT_EQ(c.dataPoints.size(), 1u);
}

TEST(ChannelMouse, ALegendRowClickIsOneChannelClick) {
  TChart c;
  const TRect title = c.plot.Legend(0)->ChannelTitleRect(c.ch);
  ASSERT_FALSE(title.IsEmpty());
  EXPECT_EQ(c.ch->LegendRect(), title);
  c.Click({title.Left + 2, title.Top + 2});
  EXPECT_EQ(c.channelClicks, 1);
  EXPECT_TRUE(c.dataPoints.empty());
}

TEST(ChannelMouse, TheRightButtonHitsTheTraceWithinTenPixels) {
  TChart c;
  c.ch->Clear();
  for (int i = 0; i <= 10; ++i) c.ch->AddXY(i, 50);
  c.Paint();
  const TPoint p = c.PixelOf(4.5, 50);
  EXPECT_EQ(c.plot.HitTest(p.X, p.Y + 8, ipmbRight), c.ch);  // the trace 8 pixels above the pointer
  EXPECT_EQ(c.plot.HitTest(p.X, p.Y - 8, ipmbRight), c.ch);
  EXPECT_NE(c.plot.HitTest(p.X, p.Y + 12, ipmbRight), c.ch);
  EXPECT_NE(c.plot.HitTest(p.X, p.Y + 8, ipmbLeft), c.ch);  // the left button does not
}

TEST(ChannelMouse, LegendShowsTheMarkerSampleAndAllChannelReadings) {
  TChart c;
  c.ch->SetMarkersSize(10);  // the sample is drawn at 6
  c.ch->SetColor(clBlue);
  TiPlotLegend* legend = c.plot.Legend(0);
  legend->SetShowColumnMarker(true);
  TiPlotDataCursor* cursor = c.plot.DataCursor(0);
  cursor->SetChannelName("<All>");
  cursor->SetVisible(true);
  cursor->SetPointer1Position(45);  // x = 4.5 on 0..10
  c.Paint();
  const TiPlotLegendItem& item = legend->Items()[0];
  const int cx = item.Left + legend->ColumnStart(iplgcMarker) + 8;
  const int cy = item.Top + legend->RowHeight() / 2;
  int blue = 0;
  for (int y = cy - 10; y <= cy + 10; ++y)
    for (int x = cx - 10; x <= cx + 10; ++x) blue += c.bitmap.Pixel(x, y) == clBlue;
  EXPECT_EQ(blue, 12 * 12);
  EXPECT_EQ(legend->ItemTexts(0).Column[iplgcXValue], c.ch->CursorXText());
  EXPECT_EQ(legend->ItemTexts(0).Column[iplgcYValue], c.ch->CursorYText());
  EXPECT_NE(c.ch->CursorYText().find("45"), std::string::npos) << c.ch->CursorYText();
}

// The picture a person looks at: markers, bars, open-close bars and
// candlesticks side by side. Set MARKERS_PICTURE to keep the PNG file.
TEST(ChannelPicture, MarkersBarsAndBothHighLowStylesShowInAChart) {
  TiPlot plot;
  plot.SetBounds(0, 0, 800, 420);
  plot.XAxis(0)->SetMinSpan(0, 40);
  plot.YAxis(0)->SetMinSpan(0, 100);
  plot.Legend(0)->SetShowColumnMarker(true);
  const TiPlotMarkerStyle styles[] = {ipmsCircle,        ipmsSquare,        ipmsDiamond,       ipmsCross,
                                      ipmsPlus,          ipmsTriangleUp,    ipmsTriangleDown,  ipmsTriangleLeft,
                                      ipmsTriangleRight, ipmsVerticalLine,  ipmsHorizontalLine, ipmsCharacter};
  auto channel = [&](const char* title, TColor color) {
    TiPlotChannel* ch = plot.ChannelCount() == 1 && plot.Channel(0)->Count() == 0 ? plot.Channel(0)
                                                                                   : plot.Channel(plot.AddChannel());
    ch->SetTitleText(title);
    ch->SetColor(color);
    ch->SetXAxisTrackingEnabled(false);
    ch->SetYAxisTrackingEnabled(false);
    ch->SetDataStyle(ipdsFullFeature);
    return ch;
  };
  TiPlotChannel* markers = channel("Markers", clBlue);
  markers->SetMarkersVisible(true);
  markers->SetMarkersAllowIndividual(true);
  markers->SetMarkersSize(5);
  TFont font = markers->MarkersFont();  // white, bold
  font.Height = 14;
  markers->SetMarkersFont(font);
  for (int i = 0; i < 12; ++i) {
    markers->AddXY(2 + i * 3, 90 - (i % 2) * 6);
    markers->DataList().SetMarkersStyle(i, styles[i]);
    markers->DataList().SetMarkersCharacter(i, 'M');
  }
  TiPlotChannel* bars = channel("Bars", clGreen);
  bars->SetBarEnabled(true);
  bars->SetBarWidth(1.6);
  bars->SetBarReference(45);
  bars->SetTraceVisible(false);
  for (int i = 0; i < 12; ++i) bars->AddXY(2 + i * 3, 45 + ((i * 7) % 11 - 5) * 3);
  auto highLow = [&](const char* title, TColor color, TiPlotHighLowStyle style, double offset) {
    TiPlotChannel* ch = channel(title, color);
    ch->SetHighLowEnabled(true);
    ch->SetHighLowStyle(style);
    ch->SetHighLowBarWidth(0.6);
    ch->SetHighLowOpenWidth(0.5);
    ch->SetHighLowCloseWidth(0.5);
    ch->SetHighLowOpenHeight(1.5);
    ch->SetHighLowCloseHeight(1.5);
    ch->SetHighLowBullishColor(clLime);
    ch->SetHighLowBearishColor(clRed);
    ch->SetHighLowShadowColor(clBlack);
    ch->SetTraceVisible(false);
    for (int i = 0; i < 12; ++i) {
      const double mid = offset + ((i * 5) % 7) * 2, open = mid + (i % 3 - 1) * 3, close = mid - (i % 3 - 1) * 3;
      const int k = ch->Count();
      ch->AddXY(1.2 + offset / 10 + i * 3, mid);
      ch->DataList().SetHigh(k, mid + 8);
      ch->DataList().SetLow(k, mid - 8);
      ch->DataList().SetOpen(k, open);
      ch->DataList().SetClose(k, close);
    }
  };
  highLow("Open-Close", clNavy, iphlsOpenClose, 10);
  highLow("Candles", clYellow, iphlsCandleStick, 20);
  plot.Channel(3)->SetHighLowShadowColor(clWhite);

  TBitmap bitmap(800, 420);
  plot.PaintTo(bitmap.Canvas());
  const char* kept = std::getenv("MARKERS_PICTURE");
  const std::string file =
      kept ? kept
           : (std::filesystem::path(::testing::TempDir()) / ("markers-" + std::to_string(getpid()) + ".png")).string();
  platform::SavePNG(bitmap, file, 9);
  TBitmap decoded;
  decoded.LoadFromFile(file);
  if (!kept) std::remove(file.c_str());
  ASSERT_EQ(decoded.Width(), 800);
  int counts[5] = {};
  const TColor colours[5] = {clBlue, clGreen, clAqua, clLime, clRed};
  for (int y = 0; y < 420; ++y)
    for (int x = 0; x < 800; ++x)
      for (int k = 0; k < 5; ++k) counts[k] += decoded.Pixel(x, y) == colours[k];
  EXPECT_GT(counts[0], 100);  // markers
  EXPECT_GT(counts[1], 1000);  // bars
  EXPECT_GT(counts[2], 100);  // open-close bars
  EXPECT_GT(counts[3], 50);   // bullish candles and open ticks
  EXPECT_GT(counts[4], 50);   // bearish candles and close ticks
}
