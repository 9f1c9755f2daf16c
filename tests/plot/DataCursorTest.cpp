// The data cursor in a strip chart and an XY chart: its properties, pointer
// layouts, and when it reports.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "components/iReflection.h"
#include "platform/Bitmap.h"
#include "platform/SystemColors.h"
#include "plot/dIred.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredLegend.h"
#include "plot/dIredToolBar.h"
#include "plot/iXYPlot.h"

namespace {

// A strip chart 400x300 with one channel of a few points, its cursor shown.
struct TCursorChart {
  TiPlot plot;
  TBitmap bitmap{400, 300};
  TiPlotDataCursor* cursor;
  TCursorChart() {
    plot.SetBounds(0, 0, 400, 300);
    cursor = plot.DataCursor(0);
    cursor->SetVisible(true);
  }
  void Paint() { plot.PaintTo(bitmap.Canvas()); }
};

}  // namespace

TEST(DataCursorProperties, DefaultsAndClamps) {
  TCursorChart c;
  TiPlotDataCursor& d = *c.plot.DataCursor(0);
  EXPECT_EQ(d.Name(), "Cursor 1");
  EXPECT_EQ(d.ChannelName(), "Channel 1");
  EXPECT_TRUE(d.ChannelAllowAll());
  EXPECT_EQ(d.Color(), clYellow);
  EXPECT_TRUE(d.UseChannelColor());
  EXPECT_TRUE(d.HintShow());
  EXPECT_FALSE(d.HintHideOnRelease());
  EXPECT_EQ(d.HintOrientationSide(), iosBottomRight);
  EXPECT_EQ(d.HintPosition(), 50);
  EXPECT_EQ(d.PointerPenWidth(), 1);
  EXPECT_EQ(d.MenuItemCaption(ipcsDeltaX), "Period");
  EXPECT_EQ(d.MenuItemCaption(ipcsDeltaY), "Peak-Peak");
  EXPECT_EQ(d.MenuItemCaption(ipcsInverseDeltaX), "Frequency");
  EXPECT_EQ(d.MenuItemCaption(ipcsValueXY), "Value X-Y");
  d.SetPointer1Position(-5);
  EXPECT_EQ(d.Pointer1Position(), 0);
  d.SetPointer1Position(250);
  EXPECT_EQ(d.Pointer1Position(), 100);
  d.SetPointer1Position(NAN);
  EXPECT_EQ(d.Pointer1Position(), 0);
  d.SetHintPosition(120);
  EXPECT_EQ(d.HintPosition(), 100);

  // The per-style menu properties are published under their own names.
  EXPECT_FALSE(TiPlot().DataCursor(0)->Visible());
  const TClassInfo& info = TiPlotDataCursor::StaticClass();
  for (const char* name : {"MenuItemVisibleInverseDeltaX", "MenuItemCaptionDeltaY", "HintOrientationSide",
                           "MenuUserCanChangeOptions", "Font", "ChannelAllowAll"})
    EXPECT_NE(info.Find(name), nullptr) << name;
}

TEST(DataCursorLayout, SixStylesOnBothChartsAndReversed) {
  struct TCase {
    TiPlotDataCursorStyle style;
    bool xy;
    TiDataCursorLayout expected;  // shown1, shown2, horizontal1, horizontal2, hintAlongX
  };
  const TCase cases[] = {
      {ipcsValueXY, false, {true, false, false, false, false}},
      {ipcsValueX, false, {true, false, false, false, false}},
      {ipcsValueY, false, {true, false, false, false, false}},
      {ipcsDeltaX, false, {true, true, false, false, false}},
      {ipcsInverseDeltaX, false, {true, true, false, false, false}},
      {ipcsDeltaY, false, {true, true, true, true, true}},
      {ipcsValueXY, true, {true, true, false, true, false}},
      {ipcsValueX, true, {true, false, false, false, false}},
      {ipcsValueY, true, {false, true, false, true, true}},
      {ipcsDeltaX, true, {true, true, false, false, false}},
      {ipcsInverseDeltaX, true, {true, true, false, false, false}},
      {ipcsDeltaY, true, {true, true, true, true, true}},
  };
  for (const TCase& t : cases) {
    for (bool reversed : {false, true}) {
      const TiDataCursorLayout l = DataCursorLayout(t.style, t.xy, reversed);
      const std::string at = std::to_string(t.style) + (t.xy ? " xy" : " strip") + (reversed ? " reversed" : "");
      EXPECT_EQ(l.Pointer1Shown, t.expected.Pointer1Shown) << at;
      EXPECT_EQ(l.Pointer2Shown, t.expected.Pointer2Shown) << at;
      EXPECT_EQ(l.Pointer1Horizontal, t.expected.Pointer1Horizontal != reversed) << at;
      EXPECT_EQ(l.Pointer2Horizontal, t.expected.Pointer2Horizontal != reversed) << at;
      EXPECT_EQ(l.HintAlongX, t.expected.HintAlongX != reversed) << at;
    }
  }
}

TEST(DataCursorLayout, FollowsStyleAndChartAxesInThePlot) {
  TiXYPlot plot;
  plot.SetBounds(0, 0, 400, 300);
  TBitmap bitmap(400, 300);
  TiPlotDataCursor* cursor = plot.DataCursor(0);
  cursor->SetVisible(true);
  plot.PaintTo(bitmap.Canvas());
  EXPECT_TRUE(cursor->Layout().Pointer2Shown);  // value X-Y on the XY chart
  cursor->SetStyle(ipcsValueY);
  EXPECT_FALSE(cursor->Layout().Pointer1Shown);
  EXPECT_TRUE(cursor->Layout().HintAlongX);
  plot.SetXYAxesReverse(true);
  plot.PaintTo(bitmap.Canvas());
  EXPECT_FALSE(cursor->Layout().HintAlongX);
  EXPECT_FALSE(cursor->Layout().Pointer2Horizontal);
}

TEST(DataCursorUpdate, BeforeUpdateEachPaintAndChangeOnlyOnRealChange) {
  TCursorChart c;
  for (int i = 0; i <= 10; ++i) c.plot.Channel(0)->AddXY(i, i * 2);
  int before = 0, changes = 0;
  c.plot.OnBeforeDataCursorUpdate = [&](TiPlotComponent*, int index) {
    EXPECT_EQ(index, 0);
    ++before;
  };
  c.plot.OnDataCursorChange = [&](TiPlotComponent*, int index) {
    EXPECT_EQ(index, 0);
    ++changes;
  };
  c.Paint();
  EXPECT_GE(before, 2);
  EXPECT_GE(changes, 1);  // before the layout the view has no size yet
  const int beforeBefore = before, settled = changes;
  c.Paint();
  EXPECT_GT(before, beforeBefore);
  EXPECT_EQ(changes, settled);  // same reading: no report
  c.cursor->SetPointer1Position(10);
  c.Paint();
  EXPECT_EQ(changes, settled + 1);
}

TEST(DataCursorChannel, RenameKeepsItBoundAndRemovalUnbinds) {
  TCursorChart c;
  c.plot.Channel(0)->SetName("Distance");
  EXPECT_EQ(c.cursor->ChannelName(), "Distance");
  EXPECT_EQ(c.cursor->Channel(), c.plot.Channel(0));
  c.plot.DeleteChannel(0);
  EXPECT_EQ(c.cursor->Channel(), nullptr);
  c.Paint();  // no channel: nothing to read, no crash
}

namespace {
TRect Middle(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, 0, 0}; }
}  // namespace

TEST(DataCursorDraw, PointerLineInChannelColourWithItsGrabBand) {
  TCursorChart c;
  c.plot.Channel(0)->SetColor(clRed);
  c.Paint();
  const TRect view = c.plot.DataView(0)->GetRect();
  const int x = c.plot.DataView(0)->PixelOfXPercent(50);
  for (int y = view.Top + 1; y < view.Bottom - 1; y += 7)
    if (!c.cursor->HintRect().Contains({x, y}) && !c.cursor->HintRect().Contains({x + 1, y})) {
      EXPECT_EQ(c.bitmap.Pixel(x, y), clRed) << y;
    }
  EXPECT_EQ(c.cursor->PointerBand(1), (TRect{x - 5, view.Top, x + 6, view.Bottom}));
  EXPECT_EQ(c.cursor->PointerBand(2), TRect{});
  // The hint: 5 pixels right of the line, centred on the view's height, in
  // the info colour framed in the channel colour.
  const TRect hint = c.cursor->HintRect();
  EXPECT_EQ(hint.Left, x + 5);
  EXPECT_NEAR((hint.Top + hint.Bottom) / 2, c.plot.DataView(0)->PixelOfYPercent(50), 1);
  EXPECT_EQ(c.bitmap.Pixel(hint.Left, hint.Top + 2), clRed);
  EXPECT_EQ(c.bitmap.Pixel(hint.Right - 3, hint.Top + 2), platform::ColorToRGB(clInfoBk));
  c.cursor->SetUseChannelColor(false);
  c.Paint();
  EXPECT_EQ(c.bitmap.Pixel(x, view.Top + 3), clYellow);
  EXPECT_EQ(c.bitmap.Pixel(hint.Left, hint.Top + 2), clBlack);
}

TEST(DataCursorDraw, HintSwitchesSideAtTheViewEdgesAndKeepsIt) {
  TCursorChart c;
  c.cursor->SetPointer1Position(99);
  c.Paint();
  const int right = c.plot.DataView(0)->PixelOfXPercent(99);
  EXPECT_EQ(c.cursor->HintOrientationSide(), iosTopLeft);
  EXPECT_EQ(c.cursor->HintRect().Right, right - 5);
  c.cursor->SetPointer1Position(1);
  c.Paint();
  EXPECT_EQ(c.cursor->HintOrientationSide(), iosBottomRight);
  EXPECT_EQ(c.cursor->HintRect().Left, c.plot.DataView(0)->PixelOfXPercent(1) + 5);
  // Near the top the box is shifted back inside the view.
  c.cursor->SetHintPosition(100);
  c.Paint();
  EXPECT_EQ(c.cursor->HintRect().Top, c.plot.DataView(0)->GetRect().Top);
}

TEST(DataCursorDraw, DeltaHintCentredBetweenThePointers) {
  TCursorChart c;
  c.cursor->SetStyle(ipcsDeltaX);
  c.cursor->SetPointer1Position(20);
  c.cursor->SetPointer2Position(60);
  c.Paint();
  TiPlotDataView& view = *c.plot.DataView(0);
  const int mid = (view.PixelOfXPercent(20) + view.PixelOfXPercent(60)) / 2;
  EXPECT_NEAR(Middle(c.cursor->HintRect()).Left, mid, 1);
  EXPECT_NE(c.cursor->PointerBand(2), TRect{});
  c.cursor->SetStyle(ipcsDeltaY);
  c.Paint();
  const int midY = (view.PixelOfYPercent(20) + view.PixelOfYPercent(60)) / 2;
  EXPECT_NEAR(Middle(c.cursor->HintRect()).Top, midY, 1);
  EXPECT_NEAR(Middle(c.cursor->HintRect()).Left, view.PixelOfXPercent(50), 1);
}

TEST(DataCursorDraw, HintTextsAllAndNoChannel) {
  TCursorChart c;
  std::string seen;
  c.plot.OnDataCursorCustomizeHint = [&](TiPlotComponent*, int, std::string& text) {
    seen = text;
    text = "mine";
  };
  c.Paint();  // a channel without points
  EXPECT_TRUE(seen.ends_with(", Empty")) << seen;
  const TRect size = c.cursor->HintRect();
  TBitmap probe(10, 10);
  probe.Canvas().Font = c.cursor->Font();
  const int a = probe.Canvas().TextWidth("A");
  EXPECT_EQ(size.Width(), probe.Canvas().TextWidth("mine") + a);
  c.cursor->SetStyle(ipcsInverseDeltaX);
  c.cursor->SetPointer2Position(50);
  c.Paint();
  EXPECT_EQ(seen, "Infinite");
  c.plot.DeleteChannel(0);
  c.Paint();
  EXPECT_EQ(seen, "No Channel");
  c.cursor->SetChannelName("<All>");
  c.Paint();
  EXPECT_EQ(c.cursor->HintRect(), TRect{});
  c.cursor->SetChannelName("Channel 1");
  c.cursor->SetHintHideOnRelease(true);
  c.Paint();
  EXPECT_EQ(c.cursor->HintRect(), TRect{});
}

TEST(DataCursorMouse, DragMovesByThePercentOfThePixelDeltaClamped) {
  TCursorChart c;
  c.Paint();
  TiPlotDataView& view = *c.plot.DataView(0);
  const int x = view.PixelOfXPercent(50), y = view.GetRect().Top + 10;
  EXPECT_EQ(c.plot.HitTest(x + 5, y), c.cursor);
  EXPECT_EQ(c.cursor->GetMouseCursor({x, y}), crHandPoint);
  int changes = 0;
  c.plot.OnDataCursorChange = [&](TiPlotComponent*, int) { ++changes; };
  c.plot.PlotMouseDown(ipmbLeft, 0, x + 3, y);
  EXPECT_EQ(c.cursor->Dragging(), TiPlotDataCursor::dragPointer1);
  EXPECT_TRUE(c.cursor->Focused());
  EXPECT_TRUE(c.plot.Channel(0)->Focused());  // the channel follows the cursor
  c.plot.PlotMouseMove(0, x + 3 + 40, y);
  EXPECT_DOUBLE_EQ(c.cursor->Pointer1Position(), view.XPercentOfPixel(x + 40));
  EXPECT_GE(changes, 1);
  c.plot.PlotMouseMove(0, x + 3 + 4000, y);
  EXPECT_EQ(c.cursor->Pointer1Position(), 100);
  c.plot.PlotMouseUp(ipmbLeft, 0, x + 3 + 4000, y);
  EXPECT_EQ(c.cursor->Dragging(), TiPlotDataCursor::dragNone);

  // The hint slides along its pointer.
  c.cursor->SetPointer1Position(30);
  c.Paint();
  const TRect hint = c.cursor->HintRect();
  const TPoint grab{(hint.Left + hint.Right) / 2, (hint.Top + hint.Bottom) / 2};
  c.plot.PlotMouseDown(ipmbLeft, 0, grab.X, grab.Y);
  EXPECT_EQ(c.cursor->Dragging(), TiPlotDataCursor::dragHint);
  c.plot.PlotMouseMove(0, grab.X + 50, grab.Y - 20);
  EXPECT_DOUBLE_EQ(c.cursor->HintPosition(), view.YPercentOfPixel(view.PixelOfYPercent(50) - 20));
  EXPECT_EQ(c.cursor->Pointer1Position(), 30);
  c.plot.PlotMouseUp(ipmbLeft, 0, grab.X + 50, grab.Y - 20);
}

TEST(DataCursorKeys, StepsPagesHomeEndAndPlainArrowsWithOnePointer) {
  TCursorChart c;
  c.Paint();
  TiPlotDataView& view = *c.plot.DataView(0);
  const double stepX = 100.0 / view.GetRect().Width(), stepY = 100.0 / view.GetRect().Height();
  c.cursor->SetFocused(true);
  auto key = [&](int k, TiPlotShiftState shift = 0) { c.plot.PlotKeyDown(k, shift); };
  const TiPlotShiftState ctrl = ShiftBit(ipssCtrl);
  key(vkRight);  // one pointer: plain arrows do nothing
  EXPECT_EQ(c.cursor->Pointer1Position(), 50);
  key(vkRight, ctrl);
  EXPECT_DOUBLE_EQ(c.cursor->Pointer1Position(), 50 + stepX);
  key(vkUp, ctrl);  // the hint slides up, the vertical pointer stays
  EXPECT_DOUBLE_EQ(c.cursor->HintPosition(), 50 + stepY);
  EXPECT_DOUBLE_EQ(c.cursor->Pointer1Position(), 50 + stepX);
  key(vkNext, ctrl);
  EXPECT_DOUBLE_EQ(c.cursor->Pointer1Position(), 50 + stepX - 5 * stepX);
  key(vkEnd, ctrl);
  EXPECT_EQ(c.cursor->Pointer1Position(), 100);
  key(vkRight, ctrl);
  EXPECT_EQ(c.cursor->Pointer1Position(), 100);
  key(vkHome, ctrl);
  EXPECT_EQ(c.cursor->Pointer1Position(), 0);

  // Two pointers: plain keys move pointer 2 alone.
  c.cursor->SetStyle(ipcsDeltaY);
  c.Paint();
  key(vkUp);
  EXPECT_DOUBLE_EQ(c.cursor->Pointer2Position(), 60 + stepY);
  EXPECT_EQ(c.cursor->Pointer1Position(), 0);
  key(vkPrior);
  EXPECT_DOUBLE_EQ(c.cursor->Pointer2Position(), 60 + 6 * stepY);
  key(vkLeft);  // a horizontal pointer does not move sideways
  EXPECT_DOUBLE_EQ(c.cursor->Pointer2Position(), 60 + 6 * stepY);
}

TEST(DataCursorFocus, FocusingAnotherChannelSwitchesTheCursor) {
  TCursorChart c;
  TiPlotChannel* second = c.plot.Channel(c.plot.AddChannel());
  c.cursor->SetFocused(true);
  second->SetFocused(true);
  EXPECT_EQ(c.cursor->ChannelName(), second->Name());
  EXPECT_TRUE(c.cursor->Focused());
  c.plot.DataView(0)->SetFocused(true);
  EXPECT_FALSE(c.cursor->Focused());
}

namespace {
TiMenuItem* Find(std::vector<std::unique_ptr<TiMenuItem>>& items, const std::string& caption) {
  for (auto& item : items)
    if (item->Caption == caption) return item.get();
  return nullptr;
}
std::vector<std::string> Captions(const std::vector<std::unique_ptr<TiMenuItem>>& items) {
  std::vector<std::string> out;
  for (auto& item : items)
    if (item->Visible) out.push_back(item->Caption);
  return out;
}
}  // namespace

TEST(DataCursorMenu, ChannelStyleOptionsFlipAndEdit) {
  TCursorChart c;
  c.plot.Channel(0)->SetTitleText("Dis\r\ntance");
  TiPlotChannel* hidden = c.plot.Channel(c.plot.AddChannel());
  hidden->SetVisible(false);
  TiPlotChannel* second = c.plot.Channel(c.plot.AddChannel());
  second->SetTitleText("Period");
  c.cursor->SetMenuItemVisible(ipcsValueX, false);
  c.cursor->SetMenuItemCaption(ipcsDeltaX, "Width");
  TiPopupMenu menu;
  c.cursor->AddMenuItems(menu);
  using V = std::vector<std::string>;
  EXPECT_EQ(Captions(menu.Items), (V{"Channel", "Style", "Options", "Flip Alignment", "Edit..."}));
  TiMenuItem& channels = *Find(menu.Items, "Channel");
  EXPECT_EQ(Captions(channels.Items), (V{"<All>", "Distance", "Period"}));
  EXPECT_TRUE(channels.Items[1]->Checked);
  TiMenuItem& styles = *Find(menu.Items, "Style");
  EXPECT_EQ(Captions(styles.Items), (V{"Value X-Y", "Value Y", "Width", "Peak-Peak", "Frequency"}));
  EXPECT_TRUE(styles.Items[0]->Checked);
  EXPECT_TRUE(Find(menu.Items, "Flip Alignment")->Enabled);

  Find(styles.Items, "Frequency")->OnClick();
  EXPECT_EQ(c.cursor->Style(), ipcsInverseDeltaX);
  Find(channels.Items, "Period")->OnClick();
  EXPECT_EQ(c.cursor->ChannelName(), second->Name());
  EXPECT_TRUE(second->Focused());
  Find(menu.Items, "Flip Alignment")->OnClick();
  EXPECT_EQ(c.cursor->HintOrientationSide(), iosTopLeft);
  TiMenuItem& options = *Find(menu.Items, "Options");
  Find(options.Items, "Use Channel Color")->OnClick();
  EXPECT_FALSE(c.cursor->UseChannelColor());
  Find(options.Items, "Hide Hint On Release")->OnClick();
  EXPECT_TRUE(c.cursor->HintHideOnRelease());
  Find(channels.Items, "<All>")->OnClick();
  EXPECT_EQ(c.cursor->ChannelName(), "<All>");
  EXPECT_FALSE(second->Focused());

  // A delta style or "<All>" disables flipping; no options when not allowed.
  c.cursor->SetMenuUserCanChangeOptions(false);
  c.cursor->SetChannelAllowAll(false);
  c.cursor->AddMenuItems(menu);
  EXPECT_EQ(Captions(menu.Items), (V{"Channel", "Style", "Flip Alignment", "Edit..."}));
  EXPECT_FALSE(Find(menu.Items, "Flip Alignment")->Enabled);
  EXPECT_EQ(Captions(Find(menu.Items, "Channel")->Items), (V{"Distance", "Period"}));
}

TEST(DataCursorToolBar, CursorButtonShowsThePointerAndAllListsReadingsInTheLegend) {
  TiPlot plot;
  plot.SetBounds(0, 0, 400, 300);
  TBitmap bitmap(400, 300);
  for (int i = 0; i <= 10; ++i) plot.Channel(0)->AddXY(i, i);
  plot.Channel(0)->SetColor(clRed);
  TiPlotDataCursor* cursor = plot.DataCursor(0);
  plot.PaintTo(bitmap.Canvas());
  EXPECT_EQ(cursor->PointerBand(1), TRect{});
  plot.ToolBar(0)->ClickCursor();
  EXPECT_TRUE(cursor->Visible());
  plot.PaintTo(bitmap.Canvas());
  const int x = plot.DataView(0)->PixelOfXPercent(50);
  EXPECT_EQ(bitmap.Pixel(x, plot.DataView(0)->GetRect().Top + 2), clRed);
  EXPECT_NE(cursor->HintRect(), TRect{});
  cursor->SetChannelName("<All>");
  plot.PaintTo(bitmap.Canvas());
  EXPECT_TRUE(plot.Legend(0)->ShowAllCursorChannels());
  EXPECT_FALSE(plot.Legend(0)->ItemTexts(0).Column[iplgcYValue].empty());
  EXPECT_EQ(cursor->HintRect(), TRect{});
  plot.ToolBar(0)->ClickCursor();
  EXPECT_FALSE(cursor->Visible());
}

TEST(DataCursorDraw, AHintTooWideForEitherSideStaysPut) {
  TCursorChart c;
  c.plot.OnDataCursorCustomizeHint = [](TiPlotComponent*, int, std::string& text) { text = std::string(200, 'W'); };
  c.Paint();
  const TiOrientationSide side = c.cursor->HintOrientationSide();
  int changes = 0;
  c.cursor->OnChange = [&](TiObject*) { ++changes; };
  c.Paint();
  c.Paint();
  EXPECT_EQ(c.cursor->HintOrientationSide(), side);
  EXPECT_EQ(changes, 0);  // no repaint asked for by the drawing itself
  EXPECT_EQ(c.cursor->HintRect().Left, c.plot.DataView(0)->GetRect().Left);  // shifted inside
}
