// The legend in a small chart: its published defaults, the rows it lists and
// their texts, its size for the layout, drawing checked pixel by pixel in a
// bitmap, hit tests, the scroll buttons, focus, hints and the popup menu.
#include <gtest/gtest.h>

#include "components/iReflection.h"
#include "platform/Bitmap.h"
#include "plot/dIredAxis.h"
#include "plot/dIredChannel.h"
#include "plot/dIredLegend.h"
#include "tests/plot/PlotTestSupport.h"

namespace {

class LegendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plot.master->AddXAxis();
    plot.master->AddYAxis();
    legend = plot.master->LegendManager()->Legend(plot.master->AddLegend());
    canvas().Font = legend->Font();
    w0 = canvas().TextWidth("0");
    h0 = canvas().TextHeight("0");
  }

  TCanvas& canvas() { return bitmap.Canvas(); }

  TiPlotChannelCustom* AddChannel(const std::string& title = "") {
    TiPlotChannelCustom* channel = plot.master->ChannelManager()->Channel(plot.master->AddChannel());
    if (!title.empty()) channel->SetTitleText(title);
    return channel;
  }
  void AddChannels(int count) {
    for (int i = 0; i < count; ++i) AddChannel();
  }
  TiPlotChannelCustom* Channel(int index) { return plot.master->ChannelManager()->Channel(index); }

  void Place(TRect r) {
    legend->SetRect(r);
    legend->Layout(canvas());
  }
  // Draws on black, with the legend in r.
  void Paint(TRect r) {
    bitmap.Fill(clBlack);
    legend->SetRect(r);
    legend->Draw(&canvas(), clBlack);
  }
  // The rectangle of `rows` rows of the default legend, margins included.
  TRect Tall(int rows) const { return Rect(10, 10, 210, 10 + 2 * h0 + rows * h0 + (rows - 1) * RowGap()); }
  int RowGap() const { return static_cast<int>(h0 * 0.25 + 0.5); }
  int Gap() const { return static_cast<int>(w0 * 0.5 + 0.5); }

  void Click(TiPlotObject& object, int x, int y) {
    object.MouseDown(ipmbLeft, 0, nullptr, 0, 0, x, y);
    object.MouseUp(ipmbLeft, 0, false, x, y);
  }

  TTestPlot plot;
  TBitmap bitmap{400, 300};
  TiPlotLegend* legend = nullptr;
  int w0 = 0, h0 = 0;
};

}  // namespace

// ---- properties ------------------------------------------------------------------

TEST_F(LegendTest, EveryPublishedDefaultIsWhatTheConstructorSets) {
  const TClassInfo& info = TiPlotLegend::StaticClass();
  const void* self = info.Cast(*legend);
  int checked = 0;
  for (const TPropInfo& p : info.Properties()) {
    if (!p.HasDefault) continue;
    SCOPED_TRACE(p.Name);
    if (p.Kind == pkFloat) {
      EXPECT_EQ(p.GetFloat(self), p.DefaultFloat);
    } else if (p.Kind == pkString) {
      EXPECT_EQ(p.GetString(self), p.DefaultString);
    } else if (p.IsOrdinal()) {
      EXPECT_EQ(p.GetOrdinal(self), p.DefaultOrdinal);
    }
    ++checked;
  }
  EXPECT_GT(checked, 40);
  EXPECT_EQ(legend->Font().Color, clWhite);
  EXPECT_EQ(legend->SelectedItemFont().Color, clBlack);
  EXPECT_EQ(legend->ColumnTitlesFont().Color, clAqua);
  EXPECT_TRUE(legend->ColumnTitlesFont().Has(fsBold));
}

TEST_F(LegendTest, WrapCountsBelowOneAreStoredAsOne) {
  for (int v : {0, -3}) {
    legend->SetWrapColDesiredCount(7);
    legend->SetWrapColDesiredCount(v);
    EXPECT_EQ(legend->WrapColDesiredCount(), 1);
    legend->SetWrapRowDesiredCount(7);
    legend->SetWrapRowDesiredCount(v);
    EXPECT_EQ(legend->WrapRowDesiredCount(), 1);
  }
}

TEST_F(LegendTest, RowSpacingAndWrapRowSpacingMinAreOneSetting) {
  legend->SetWrapRowSpacingMin(1.5);
  EXPECT_EQ(legend->RowSpacing(), 1.5);
  legend->SetRowSpacing(0.75);
  EXPECT_EQ(legend->WrapRowSpacingMin(), 0.75);
}

TEST_F(LegendTest, SettersNotifyOnlyOnAChange) {
  const int before = plot.changes;
  legend->SetShowColumnYMax(false);
  legend->SetCaptionColumnTitle("Title");
  legend->SetWrapColDesiredCount(0);  // already 1
  EXPECT_EQ(plot.changes, before);
  legend->SetShowColumnYMax(true);
  legend->SetFont(TFont{"Arial", 20, clRed});
  EXPECT_EQ(plot.changes, before + 2);
}

TEST_F(LegendTest, PropertiesAreReachableByName) {
  const TClassInfo& info = TiPlotLegend::StaticClass();
  const TPropInfo* style = info.Find("channelnamecolorstyle");
  ASSERT_NE(style, nullptr);
  style->SetOrdinal(info.Cast(*legend), iplcncsChannelColor);
  EXPECT_EQ(legend->ChannelNameColorStyle(), iplcncsChannelColor);
  EXPECT_NE(info.Find("Font"), nullptr);
  EXPECT_NE(info.Find("CaptionColumnYMean"), nullptr);
}

// ---- rows and texts ----------------------------------------------------------------

TEST_F(LegendTest, RowsFollowChannelOrderAndTheTitleFallsBackToTheName) {
  AddChannel("Distance");
  TiPlotChannelCustom* second = AddChannel();
  second->SetTitleText("   ");
  Place(Tall(5));
  ASSERT_EQ(legend->Items().size(), 2u);
  EXPECT_EQ(legend->ItemTexts(0).Column[iplgcTitle], "Distance");
  EXPECT_EQ(legend->ItemTexts(1).Column[iplgcTitle], "Channel 2");
  EXPECT_EQ(legend->Items()[1].Row, 2);
}

TEST_F(LegendTest, ChannelsLeftOutOfTheLegendGetNoRow) {
  AddChannels(3);
  Channel(1)->SetVisibleInLegend(false);
  Place(Tall(5));
  ASSERT_EQ(legend->Items().size(), 2u);
  EXPECT_EQ(legend->Items()[1].Channel, Channel(2));
}

TEST_F(LegendTest, AChannelWithoutPointsShowsEmpty) {
  AddChannel();
  Place(Tall(5));
  const auto& t = legend->ItemTexts(0).Column;
  for (int c : {iplgcXValue, iplgcYValue, iplgcYMax, iplgcYMin, iplgcYMean}) EXPECT_EQ(t[c], "Empty") << c;
  EXPECT_EQ(t[iplgcXAxisTitle], "X-Axis 1");
}

TEST_F(LegendTest, AChannelWithoutAYAxisShowsNotAvailableAndNone) {
  TiPlotChannelCustom* channel = AddChannel();
  channel->SetYAxisName("nowhere");
  channel->AddXY(1, 2);
  Place(Tall(5));
  const auto& t = legend->ItemTexts(0).Column;
  for (int c : {iplgcYValue, iplgcYMax, iplgcYMin, iplgcYMean}) EXPECT_EQ(t[c], "N/A") << c;
  EXPECT_EQ(t[iplgcYAxisTitle], "None");
  EXPECT_EQ(t[iplgcXValue], "1");
}

TEST_F(LegendTest, AxisTitleIsUsedWhenNotBlank) {
  AddChannel();
  plot.master->YAxisManager()->YAxis(0)->SetTitle("mm");
  Place(Tall(5));
  EXPECT_EQ(legend->ItemTexts(0).Column[iplgcYAxisTitle], "mm");
}

TEST_F(LegendTest, ValuesAreTheNewestPointAndTheStatisticsInTheAxesLegendFormat) {
  TiPlotChannelCustom* channel = AddChannel();
  channel->AddXY(1, 10);
  channel->AddXY(2, 30);
  channel->AddXY(3, 20.5);
  TiPlotYAxis* y = plot.master->YAxisManager()->YAxis(0);
  y->SetLegendUseDefaultFormat(false);
  y->SetLegendPrecisionStyle(ipsFixedDecimalPoints);
  y->SetLegendPrecision(2);
  legend->SetShowColumnYValue(true);
  Place(Tall(5));
  const auto& t = legend->ItemTexts(0).Column;
  EXPECT_EQ(t[iplgcXValue], plot.master->XAxisManager()->XAxis(0)->FormatLegendText(3));
  EXPECT_EQ(t[iplgcYValue], "20.50");
  EXPECT_EQ(t[iplgcYMax], "30.00");
  EXPECT_EQ(t[iplgcYMin], "10.00");
  EXPECT_EQ(t[iplgcYMean], "20.17");

  // The column keeps the room the axis reserves for a legend value.
  y->SetLegendMinLength(12);
  Place(Tall(5));
  EXPECT_EQ(legend->ColumnWidth(iplgcYValue), 12 * w0);
}

TEST_F(LegendTest, FixedTextsAndCaptionsPassThroughTheTranslationTable) {
  AddChannel();
  plot.master->TranslationManager()->AddTranslation("Empty", "空");
  plot.master->TranslationManager()->AddTranslation("Y-Max", "Maximum of every reading");
  legend->SetShowColumnYMax(true);
  Place(Tall(5));
  const int plain = legend->ColumnWidth(iplgcYMax);
  EXPECT_EQ(legend->ItemTexts(0).Column[iplgcYMax], "空");
  legend->SetColumnTitlesVisible(true);
  Place(Tall(5));
  canvas().Font = legend->ColumnTitlesFont();
  EXPECT_EQ(legend->ColumnWidth(iplgcYMax), canvas().TextWidth("Maximum of every reading"));
  EXPECT_GT(legend->ColumnWidth(iplgcYMax), plain);
}

TEST_F(LegendTest, RenamedAndRemovedChannelsUpdateTheLegend) {
  AddChannels(3);
  Paint(Tall(5));
  Channel(1)->SetName("Pressure");
  Channel(1)->SetTitleText("");
  Place(Tall(5));
  EXPECT_EQ(legend->ItemTexts(1).Column[iplgcTitle], "Pressure");

  const TRect removedRect = legend->ChannelTitleRect(Channel(0));
  plot.master->ChannelManager()->Delete(0);
  EXPECT_EQ(legend->Items().size(), 2u);  // before any new layout
  EXPECT_EQ(legend->GetHitObject(removedRect.Left + 1, removedRect.Top + 1), legend);
  Paint(Tall(5));
  ASSERT_EQ(legend->Items().size(), 2u);
  EXPECT_EQ(legend->ItemTexts(0).Column[iplgcTitle], "Pressure");
}

TEST_F(LegendTest, CursorReadingsReplaceTheValuesWhileACursorCoversEveryChannel) {
  AddChannel()->AddXY(1, 2);
  legend->Links.CursorXText = [](TiPlotChannelCustom&) { return std::string("x=1"); };
  legend->Links.CursorYText = [](TiPlotChannelCustom&) { return std::string("y=2.000000"); };
  Place(Tall(5));
  EXPECT_FALSE(legend->ColumnVisible(iplgcYValue));
  legend->SetShowAllCursorChannels(true);
  Place(Tall(5));
  EXPECT_TRUE(legend->ColumnVisible(iplgcXValue));
  EXPECT_TRUE(legend->ColumnVisible(iplgcYValue));
  EXPECT_EQ(legend->ItemTexts(0).Column[iplgcYValue], "y=2.000000");
  EXPECT_GE(legend->ColumnWidth(iplgcYValue), 10 * w0);  // room for every character
}

// ---- size and placement -------------------------------------------------------------

TEST_F(LegendTest, DefaultLegendWithTwoChannelsIsOneColumnAsWideAsItsTitles) {
  AddChannel("a");
  AddChannel("Internal temperature");
  legend->SetRect(Tall(2));
  const int required = legend->GetRequiredThickness(&canvas());
  canvas().Font = legend->Font();
  const int widest = canvas().TextWidth("Internal temperature");
  EXPECT_EQ(required, w0 + 16 + Gap() + widest + w0);
  EXPECT_EQ(legend->Items()[1].Column, 1);
  EXPECT_EQ(legend->Items()[1].Row, 2);
  EXPECT_EQ(legend->RequiredHeight(), h0 + 2 * h0 + RowGap() + h0);
  EXPECT_FALSE(legend->UpButton().Visible());

  legend->SetHorizontal(true);
  EXPECT_EQ(legend->GetRequiredThickness(&canvas()), legend->RequiredHeight());
}

TEST_F(LegendTest, RowsColumnsAndButtonsAtSeveralSizes) {
  struct Case {
    int channels, roomRows;
    size_t shown;
    bool buttons;
  };
  for (Case c : {Case{1, 4, 1, false}, Case{2, 4, 2, false}, Case{10, 4, 4, true}, Case{10, 12, 10, false},
                 Case{40, 12, 12, true}, Case{40, 50, 40, false}}) {
    SCOPED_TRACE(testing::Message() << c.channels << " channels in " << c.roomRows << " rows");
    plot.master->ChannelManager()->Clear();
    AddChannels(c.channels);
    Place(Tall(c.roomRows));
    size_t shown = 0;
    for (const TiPlotLegendItem& item : legend->Items()) shown += item.Column > 0;
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(legend->UpButton().Visible(), c.buttons);
    EXPECT_EQ(legend->DownButton().Visible(), c.buttons);
  }
}

TEST_F(LegendTest, TwelveChannelsInTwoColumnsScrollOneByOneToTheLast) {
  AddChannels(12);
  legend->SetWrapColDesiredCount(2);
  legend->SetRect(Tall(4));
  const int required = legend->GetRequiredThickness(&canvas());
  EXPECT_EQ(legend->LastShownIndex(), 7);
  EXPECT_EQ(legend->ColumnLefts().size(), 2u);
  const int itemWidth = 16 + Gap() + legend->ColumnWidth(iplgcTitle);
  EXPECT_EQ(required, 2 * itemWidth + 2 * h0 + 2 * w0 + 25);
  ASSERT_TRUE(legend->DownButton().Visible());
  EXPECT_FALSE(legend->UpEnabled());
  EXPECT_TRUE(legend->DownEnabled());

  for (int expected = 1; expected <= 11; ++expected) {
    const TRect r = legend->DownButton().Rect;
    Click(legend->DownButton(), r.Left + 3, r.Top + 3);
    Place(Tall(4));
    EXPECT_EQ(legend->ScrollPosition(), expected);
    EXPECT_EQ(legend->LastShownIndex(), std::min(expected + 7, 11));
    EXPECT_EQ(legend->DownEnabled(), expected < 4);  // the last row is in view from 4 on
  }
  EXPECT_TRUE(legend->UpEnabled());
  legend->ScrollDown();  // already at the last
  EXPECT_EQ(legend->ScrollPosition(), 11);
  const TRect up = legend->UpButton().Rect;
  Click(legend->UpButton(), up.Left + 3, up.Top + 3);
  Place(Tall(4));
  EXPECT_EQ(legend->ScrollPosition(), 10);
}

TEST_F(LegendTest, ARowsWorthOfScrollingIsForgottenOnceEveryRowFits) {
  AddChannels(10);
  Place(Tall(4));
  legend->ScrollDown();
  legend->ScrollDown();
  Place(Tall(4));
  EXPECT_EQ(legend->ScrollPosition(), 2);
  Place(Tall(10));
  EXPECT_EQ(legend->ScrollPosition(), 0);
}

TEST_F(LegendTest, WordWrappedTitlesMakeTallerRows) {
  AddChannel("short");
  AddChannel("a title of several words that wraps");
  legend->SetChannelNameMaxWidth(8);
  Place(Tall(8));
  EXPECT_EQ(legend->ColumnWidth(iplgcTitle), static_cast<int>(w0 * 8.0 + 0.5));
  EXPECT_EQ(legend->Items()[0].RowHeight, h0);
  EXPECT_GT(legend->Items()[1].RowHeight, 2 * h0);
  EXPECT_EQ(legend->RowHeight(), legend->Items()[1].RowHeight);
}

TEST_F(LegendTest, NothingListedTakesNoRoomAndDrawsNothing) {
  AddChannels(2);
  Channel(0)->SetVisibleInLegend(false);
  Channel(1)->SetVisibleInLegend(false);
  legend->SetBackGroundTransparent(false);
  legend->SetRect(Tall(4));
  EXPECT_EQ(legend->GetRequiredThickness(&canvas()), 0);
  Paint(Tall(4));
  EXPECT_EQ(bitmap.Pixel(12, 12), clBlack);
}

// ---- drawing -----------------------------------------------------------------------

TEST_F(LegendTest, LineSampleIsDrawnInTheChannelColourThreeRowsHigh) {
  AddChannel()->SetColor(clLime);
  Paint(Tall(2));
  const TiPlotLegendItem& item = legend->Items()[0];
  const int x = item.Left + legend->ColumnStart(iplgcLine);
  const int centre = item.Top + h0 / 2;
  for (int y = centre - 1; y <= centre + 1; ++y)
    for (int dx = 0; dx <= 13; ++dx) EXPECT_EQ(bitmap.Pixel(x + dx, y), clLime) << dx << "," << y;
  EXPECT_NE(bitmap.Pixel(x + 14, centre), clLime);
  EXPECT_NE(bitmap.Pixel(x, centre - 2), clLime);
  EXPECT_NE(bitmap.Pixel(x, centre + 2), clLime);
  EXPECT_NE(bitmap.Pixel(x - 1, centre), clLime);
}

TEST_F(LegendTest, LineSampleFollowsTheTraceLineStyle) {
  TiPlotChannelCustom* channel = AddChannel();
  channel->SetColor(clRed);
  struct Case {
    TiPlotLineStyle style;
    std::string pattern;  // x .. x+13
  };
  for (const Case& c : {Case{iplsDash, "######..######"}, Case{iplsDot, "###.###.###..."},
                        Case{iplsDashDot, "######.###...."}, Case{iplsDashDotDot, "######.###.###"}}) {
    channel->DataList().TraceLineStyle = c.style;
    Paint(Tall(2));
    const TiPlotLegendItem& item = legend->Items()[0];
    const int x = item.Left + legend->ColumnStart(iplgcLine);
    std::string seen;
    for (int dx = 0; dx < 14; ++dx) seen += bitmap.Pixel(x + dx, item.Top + h0 / 2 + 1) == clRed ? '#' : '.';
    EXPECT_EQ(seen, c.pattern) << int(c.style);
  }
}

TEST_F(LegendTest, OpaqueBackgroundFillsTheLegendRectangle) {
  AddChannel();
  legend->SetBackGroundTransparent(false);
  legend->SetBackGroundColor(clNavy);
  const TRect r = Tall(3);
  Paint(r);
  EXPECT_EQ(bitmap.Pixel(r.Left, r.Top), clNavy);
  EXPECT_EQ(bitmap.Pixel(r.Right - 1, r.Bottom - 1), clNavy);
  EXPECT_EQ(bitmap.Pixel(r.Right, r.Bottom), clBlack);
}

TEST_F(LegendTest, TitleIsDrawnInTheLegendFontOrTheChannelColour) {
  AddChannel("MMMM");
  Paint(Tall(2));
  auto count = [&](TColor color) {
    const TRect r = legend->ChannelTitleRect(Channel(0));
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += bitmap.Pixel(x, y) == color;
    return n;
  };
  EXPECT_GT(count(clWhite), 0);
  Channel(0)->SetColor(clFuchsia);
  legend->SetChannelNameColorStyle(iplcncsChannelColor);
  Paint(Tall(2));
  EXPECT_EQ(count(clWhite), 0);
  EXPECT_GT(count(clFuchsia), 0);
}

TEST_F(LegendTest, TheSelectedChannelIsHighlighted) {
  AddChannel("first");
  AddChannel("second");
  Channel(1)->SetFocused(true);
  Paint(Tall(3));
  const TRect selected = legend->ChannelTitleRect(Channel(1));
  const TRect other = legend->ChannelTitleRect(Channel(0));
  EXPECT_EQ(bitmap.Pixel(selected.Left, selected.Top), clYellow);
  EXPECT_EQ(bitmap.Pixel(selected.Right - 1, selected.Bottom - 1), clYellow);
  EXPECT_EQ(bitmap.Pixel(other.Left, other.Top), clBlack);
}

TEST_F(LegendTest, ScrollButtonsAreDrawnWithTheirArrows) {
  AddChannels(10);
  Paint(Tall(4));
  const TRect up = legend->UpButton().Rect;
  const TRect down = legend->DownButton().Rect;
  const TColor face = bitmap.Pixel(up.Left + 3, up.Top + 3);
  EXPECT_NE(face, clBlack);
  const int cx = (up.Left + up.Right) / 2, cy = (up.Top + up.Bottom) / 2;
  EXPECT_EQ(bitmap.Pixel(cx, cy + 1), clGray);  // disabled: scrolled to the top
  const int dx = (down.Left + down.Right) / 2, dy = (down.Top + down.Bottom) / 2;
  EXPECT_EQ(bitmap.Pixel(dx, dy - 1), clBlack);
  EXPECT_EQ(bitmap.Pixel(dx + 6, dy), face);
}

TEST_F(LegendTest, FocusRectangleIsDrawnInsideTheLegend) {
  AddChannel();
  legend->SetFocused(true);
  const TRect r = Tall(2);
  Paint(r);
  int changed = 0;
  for (int y = r.Top; y < r.Bottom; ++y) changed += bitmap.Pixel(r.Left + 2, y) != clBlack;
  EXPECT_GT(changed, r.Height() / 3);
  EXPECT_EQ(bitmap.Pixel(r.Left + 1, r.Top + 5), clBlack);
}

TEST_F(LegendTest, TheTitleLineIsDrawnOncePerWrapColumn) {
  AddChannels(6);
  legend->SetColumnTitlesVisible(true);
  legend->SetWrapColDesiredCount(2);
  TRect r = Tall(3);
  r.Bottom += h0 + h0 / 4;
  Paint(r);
  ASSERT_EQ(legend->ColumnLefts().size(), 2u);
  auto aquaIn = [&](int left) {
    int n = 0;
    for (int y = r.Top; y < legend->Items()[0].Top; ++y)
      for (int x = left; x < left + legend->ColumnWidth(iplgcTitle) + legend->ColumnStart(iplgcTitle); ++x)
        n += bitmap.Pixel(x, y) == clAqua;
    return n;
  };
  EXPECT_GT(aquaIn(legend->ColumnLefts()[0]), 0);
  EXPECT_EQ(aquaIn(legend->ColumnLefts()[0]), aquaIn(legend->ColumnLefts()[1]));
}

// ---- pointer, focus and menu -------------------------------------------------------

TEST_F(LegendTest, HitTestsFindButtonsThenChannelTitlesThenTheLegend) {
  AddChannels(10);
  Paint(Tall(4));
  const TRect up = legend->UpButton().Rect;
  EXPECT_EQ(legend->GetHitObject(up.Left, up.Top), &legend->UpButton());
  EXPECT_EQ(legend->HitObject(), &legend->UpButton());
  const TRect down = legend->DownButton().Rect;
  EXPECT_EQ(legend->GetHitObject(down.Right - 1, down.Bottom - 1), &legend->DownButton());
  const TRect title = legend->ChannelTitleRect(Channel(2));
  EXPECT_EQ(legend->GetHitObject(title.Left, title.Top), Channel(2));
  EXPECT_TRUE(legend->ChannelTitleRect(Channel(6)).IsEmpty());  // scrolled out of view
  EXPECT_EQ(legend->GetHitObject(title.Left - 3, title.Top), legend);
}

TEST_F(LegendTest, ReleasingInsideReportsAClick) {
  AddChannel();
  const TRect r = Tall(2);
  Paint(r);
  Click(*legend, r.Left + 1, r.Top + 1);
  ASSERT_EQ(plot.clicked.size(), 1u);
  EXPECT_EQ(plot.clicked[0], legend);
  legend->MouseDown(ipmbLeft, 0, nullptr, 0, 0, r.Left + 1, r.Top + 1);
  legend->MouseUp(ipmbLeft, 0, false, r.Right + 50, r.Top + 1);
  EXPECT_EQ(plot.clicked.size(), 1u);
}

TEST_F(LegendTest, ALegendTakingTheFocusTakesItFromTheOtherLegend) {
  TiPlotLegend* second = plot.master->LegendManager()->Legend(plot.master->AddLegend());
  AddChannel()->SetFocused(true);
  legend->SetFocused(true);
  second->SetFocused(true);
  EXPECT_FALSE(legend->Focused());
  EXPECT_TRUE(second->Focused());
  EXPECT_TRUE(Channel(0)->Focused());  // the channel stays selected
}

TEST_F(LegendTest, RightClickOpensTheObjectMenu) {
  const TRect r = Tall(2);
  legend->SetRect(r);
  TiPopupMenu menu;
  legend->MouseDown(ipmbRight, 0, &menu, 100, 100, r.Left + 1, r.Top + 1);
  EXPECT_EQ(plot.popups, 1);
  ASSERT_EQ(menu.Items.size(), 1u);
  EXPECT_EQ(menu.Items[0]->Caption, "Edit...");
}

TEST_F(LegendTest, AShortenedTitleShowsInFullAsTheHint) {
  AddChannel("ok");
  AddChannel("Averylongtitlethatcannotwrap");
  legend->SetChannelNameMaxWidth(4);
  Paint(Tall(3));
  const TRect cut = legend->ChannelTitleRect(Channel(1));
  TiPlotHintData hint;
  TiPlotMouseData mouse;
  mouse.RawX = cut.Left + 1;
  mouse.RawY = cut.Top + 1;
  legend->DoMouseHover(mouse, hint);
  EXPECT_TRUE(hint.Show);
  EXPECT_EQ(hint.Text, "Averylongtitlethatcannotwrap");
  EXPECT_EQ(hint.X, cut.Left);

  TiPlotHintData none;
  const TRect whole = legend->ChannelTitleRect(Channel(0));
  mouse.RawX = whole.Left + 1;
  mouse.RawY = whole.Top + 1;
  legend->DoMouseHover(mouse, none);
  EXPECT_FALSE(none.Show);
}
