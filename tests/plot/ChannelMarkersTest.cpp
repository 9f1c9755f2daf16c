// A strip-chart channel's markers, bars and high-low bars drawn on a bitmap
// through the channel's own Draw, on axes that map 0..100 onto pixels 0..100
// (y upwards).
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/Bitmap.h"
#include "plot/dIredChannel.h"
#include "ChannelTestAxes.h"

namespace {

struct TChart : TTestChannelChart {
  TBitmap bitmap{101, 101};
  TChart() {
    ch->SetColor(clBlack);
    ch->SetTraceVisible(false);
    ch->SetXAxisTrackingEnabled(false);
    ch->SetYAxisTrackingEnabled(false);
  }
  void Render() {
    bitmap.Canvas().Brush = TBrush{clWhite, bsSolid};
    bitmap.Canvas().FillRect({0, 0, 101, 101});
    ch->PrepareDraw();
    if (ch->Ready()) ch->Draw(&bitmap.Canvas(), clWhite);
  }
  int Count(TColor color) const {
    int n = 0;
    for (int y = 0; y < 101; ++y)
      for (int x = 0; x < 101; ++x) n += bitmap.Pixel(x, y) == color;
    return n;
  }
  // Every pixel of the inclusive box has `color`.
  bool All(int l, int t, int r, int b, TColor color) const {
    for (int y = t; y <= b; ++y)
      for (int x = l; x <= r; ++x)
        if (bitmap.Pixel(x, y) != color) return false;
    return true;
  }
  TColor At(int x, int y) const { return bitmap.Pixel(x, y); }
};

// A full-list point with its high-low values.
void AddHighLow(TiPlotChannel& ch, double x, double high, double low, double open, double close) {
  const int i = ch.Count();
  ch.AddXY(x, (high + low) / 2);
  ch.DataList().SetHigh(i, high);
  ch.DataList().SetLow(i, low);
  ch.DataList().SetOpen(i, open);
  ch.DataList().SetClose(i, close);
}

}  // namespace

TEST(ChannelMarkers, TurnOffLimitCountsTheVisiblePoints) {
  for (auto [points, drawn] : {std::pair{101, true}, std::pair{150, false}}) {
    TChart c;
    c.ch->SetMarkersVisible(true);
    c.ch->SetMarkersStyle(ipmsSquare);
    c.ch->SetMarkersSize(1);
    c.ch->SetMarkersTurnOffLimit(100);
    for (int i = 0; i < points; ++i) c.ch->AddXY(i * 0.5, 50);
    c.Render();
    EXPECT_EQ(c.Count(clBlack) > 0, drawn) << points << " points";
    c.ch->SetMarkersTurnOffLimit(0);  // no limit
    c.Render();
    EXPECT_GT(c.Count(clBlack), 0) << points;
  }
}

TEST(ChannelMarkers, MarkersSitOnDrawablePointsOnly) {
  TChart c;
  c.ch->SetMarkersVisible(true);
  c.ch->SetMarkersStyle(ipmsSquare);
  c.ch->SetMarkersSize(2);
  c.ch->AddXY(10, 10);
  c.ch->AddXY(20, 20);
  c.ch->AddXY(30, 30);
  c.ch->AddXY(40, 140);  // above the y axis
  c.ch->SetNull(1, true);
  c.Render();
  EXPECT_TRUE(c.All(8, 88, 11, 91, clBlack));  // (10, 10) at pixel (10, 90)
  EXPECT_EQ(c.At(20, 80), clWhite);            // Null
  EXPECT_TRUE(c.All(28, 68, 31, 71, clBlack));
  EXPECT_EQ(c.Count(clBlack), 32);
}

TEST(ChannelMarkers, IndividualMarkersComeFromTheFullList) {
  TChart c;
  c.ch->SetDataStyle(ipdsFullFeature);
  c.ch->SetMarkersVisible(true);
  c.ch->SetMarkersStyle(ipmsSquare);
  c.ch->SetMarkersSize(2);
  for (int x : {10, 30, 50}) c.ch->AddXY(x, 50);
  TiPlotDataCustomList& list = c.ch->DataList();
  list.SetMarkersVisible(1, false);
  list.SetMarkersSize(2, 4);
  list.SetMarkersPenColor(2, clBlue);
  list.SetMarkersBrushColor(2, clBlue);
  c.Render();
  EXPECT_EQ(c.At(30, 50), clBlack);  // individual settings not allowed yet
  EXPECT_EQ(c.At(52, 50), clWhite);

  c.ch->SetMarkersAllowIndividual(true);
  c.Render();
  EXPECT_EQ(c.At(30, 50), clWhite);  // its own MarkersVisible is false
  EXPECT_TRUE(c.All(46, 46, 53, 53, clBlack));  // its size; the channel colour still rules
  c.ch->SetMarkersPenUseChannelColor(false);
  c.ch->SetMarkersBrushUseChannelColor(false);
  c.Render();
  EXPECT_TRUE(c.All(46, 46, 53, 53, clBlue));
  EXPECT_TRUE(c.All(8, 48, 11, 51, clRed));  // point 0 keeps the channel's marker colours (red)
}

TEST(ChannelMarkers, DigitalMarkersSitOnTheLevels) {
  TChart c;
  c.ch->SetMarkersVisible(true);
  c.ch->SetMarkersStyle(ipmsSquare);
  c.ch->SetMarkersSize(1);
  c.ch->SetDigitalEnabled(true);  // levels at 10 (low) and 90 (high)
  c.ch->AddXY(20, 0);
  c.ch->AddXY(40, 5);
  c.ch->SetTraceVisible(false);
  c.Render();
  EXPECT_EQ(c.At(20, 90), clBlack);
  EXPECT_EQ(c.At(40, 10), clBlack);
  EXPECT_EQ(c.Count(clBlack), 8);
}

TEST(ChannelMarkers, LegendSampleIsCappedAtSix) {
  TChart c;
  c.ch->SetMarkersStyle(ipmsSquare);
  c.ch->SetMarkersSize(10);
  c.ch->DrawMarker(c.bitmap.Canvas(), -1, 50, 50);
  EXPECT_EQ(c.Count(clBlack), 12 * 12);
  EXPECT_TRUE(c.All(44, 44, 55, 55, clBlack));
}

TEST(ChannelBars, BarsRunFromTheReferenceToEachDrawnPoint) {
  TChart c;
  c.ch->SetDataStyle(ipdsFullFeature);
  c.ch->SetBarEnabled(true);
  c.ch->SetBarWidth(4);
  c.ch->SetBarReference(50);
  c.ch->AddXY(20, 80);  // above the reference
  c.ch->AddXY(40, 30);  // below it
  c.ch->AddXY(60, 90);  // Null
  c.ch->AddXY(80, 90);  // BarVisible false
  c.ch->SetNull(2, true);
  c.ch->DataList().SetBarVisible(3, false);
  c.Render();
  EXPECT_TRUE(c.All(18, 20, 21, 49, clBlack));
  EXPECT_TRUE(c.All(38, 50, 41, 69, clBlack));
  EXPECT_EQ(c.Count(clBlack), 4 * 30 + 4 * 20);

  c.ch->SetBarBrushUseChannelColor(false);
  c.ch->SetBarBrushColor(clBlue);  // every later point's brush; the stored ones keep theirs
  c.ch->AddXY(90, 60);
  c.Render();
  EXPECT_EQ(c.At(90, 45), clBlue);
  EXPECT_EQ(c.At(20, 40), clRed);  // stored before: the list's colour then (red)
  EXPECT_EQ(c.At(18, 40), clBlack);  // the outline stays in the channel colour
}

TEST(ChannelHighLow, OpenCloseBarsPutTheirTicksBesideTheBar) {
  struct TCase {
    double open, close;
    int openRow, closeRow;
  };
  for (const TCase& t : {TCase{30, 70, 69, 29}, TCase{70, 30, 29, 69}}) {
    TChart c;
    c.ch->SetDataStyle(ipdsFullFeature);
    c.ch->SetHighLowEnabled(true);
    c.ch->SetHighLowBarWidth(4);
    c.ch->SetHighLowOpenWidth(6);
    c.ch->SetHighLowCloseWidth(6);
    c.ch->SetHighLowOpenHeight(2);
    c.ch->SetHighLowCloseHeight(2);
    AddHighLow(*c.ch, 50, 80, 20, t.open, t.close);
    c.Render();
    // w = 4: columns 48 .. 51 (exclusive), rows High 20 .. Low 80 (exclusive).
    EXPECT_TRUE(c.All(48, 20, 50, 79, clAqua)) << t.open;
    EXPECT_EQ(c.Count(clAqua), 3 * 60) << t.open;
    // The centre column m = 49; the open tick ends at m, the close tick starts there.
    EXPECT_TRUE(c.All(44, t.openRow, 47, t.openRow, clLime)) << t.open;
    EXPECT_EQ(c.Count(clLime), 4) << t.open;
    EXPECT_TRUE(c.All(51, t.closeRow, 53, t.closeRow, clRed)) << t.open;
    EXPECT_EQ(c.Count(clRed), 3) << t.open;
  }
}

TEST(ChannelHighLow, OpenCloseWithAllValuesEqualIsOneRowHigh) {
  TChart c;
  c.ch->SetDataStyle(ipdsFullFeature);
  c.ch->SetHighLowEnabled(true);
  c.ch->SetHighLowBarWidth(1);  // one pixel: x .. x + 1
  AddHighLow(*c.ch, 50, 50, 50, 50, 50);
  c.Render();
  EXPECT_EQ(c.At(50, 50), clAqua);
  EXPECT_EQ(c.Count(clAqua), 1);
}

TEST(ChannelHighLow, CandlesticksHaveAWickAndABodyInTheirMarketColour) {
  struct TCase {
    double open, close;
    TColor body;
  };
  for (const TCase& t : {TCase{30, 70, clYellow}, TCase{70, 30, clBlue}}) {
    TChart c;
    c.ch->SetDataStyle(ipdsFullFeature);
    c.ch->SetHighLowEnabled(true);
    c.ch->SetHighLowStyle(iphlsCandleStick);
    c.ch->SetHighLowBarWidth(4);
    c.ch->SetHighLowBullishColor(clYellow);
    c.ch->SetHighLowBearishColor(clBlue);
    AddHighLow(*c.ch, 50, 90, 10, t.open, t.close);
    c.Render();
    EXPECT_TRUE(c.All(50, 10, 50, 29, clGray)) << t.open;  // wick above the body
    EXPECT_TRUE(c.All(50, 70, 50, 89, clGray)) << t.open;  // and below
    EXPECT_EQ(c.At(50, 90), clWhite) << t.open;           // the wick leaves out its end
    EXPECT_TRUE(c.All(48, 30, 52, 30, clGray)) << t.open;  // body x - 2 .. x + 3, outlined
    EXPECT_TRUE(c.All(48, 69, 52, 69, clGray)) << t.open;
    EXPECT_TRUE(c.All(49, 31, 51, 68, t.body)) << t.open;
    EXPECT_EQ(c.At(53, 50), clWhite) << t.open;
  }
}

TEST(ChannelHighLow, CandlestickWithOpenEqualToCloseHasABodyOnePixelHigh) {
  TChart c;
  c.ch->SetDataStyle(ipdsFullFeature);
  c.ch->SetHighLowEnabled(true);
  c.ch->SetHighLowStyle(iphlsCandleStick);
  c.ch->SetHighLowBarWidth(4);
  AddHighLow(*c.ch, 50, 90, 10, 50, 50);
  c.Render();
  EXPECT_TRUE(c.All(48, 50, 52, 50, clGray));
  EXPECT_EQ(c.At(49, 49), clWhite);
  EXPECT_EQ(c.At(49, 51), clWhite);
}
