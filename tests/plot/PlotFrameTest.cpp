#include <gtest/gtest.h>

#include <vector>

#include "platform/Bitmap.h"
#include "platform/Exception.h"
#include "platform/PopupMenu.h"
#include "platform/SystemColors.h"
#include "plot/dIred.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredLimit.h"
#include "plot/dIredToolBar.h"
#include "plot/iXYPlot.h"

namespace {

constexpr TColor kUnpainted = 0xFF00FF;

// Popup menus are recorded, never shown: a shown menu waits for a choice.
std::vector<std::string> shownMenu;
class RecordMenus : public ::testing::Environment {
 public:
  void SetUp() override {
    platform::SetPopupMenuHook([](const std::vector<platform::TMenuEntry>& entries, int, int) {
      shownMenu.clear();
      for (const auto& e : entries) shownMenu.push_back(e.Caption);
    });
  }
  void TearDown() override { platform::SetPopupMenuHook(nullptr); }
};
const auto* const kRecordMenus = ::testing::AddGlobalTestEnvironment(new RecordMenus);

// The plot drawn once into a bitmap of its size, so that every object has
// its rectangle.
struct Chart {
  TiPlot plot;
  TBitmap bitmap;
  explicit Chart(int width = 786, int height = 600) : bitmap(width, height) {
    plot.SetBounds(0, 0, width, height);
    Paint();
  }
  void Paint() {
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = kUnpainted;
    canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    plot.PaintTo(canvas);
  }
  bool Painted() { return bitmap.Canvas().Pixel(bitmap.Width() / 2, bitmap.Height() / 2) != kUnpainted; }
  TPoint Centre(const TiPlotLayoutObject* o) const {
    const TRect& r = o->GetRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
};

int PositionOfChannel(const TiPlotComponent& plot) {
  const auto& list = plot.DrawList();
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].first.back() == 'F') return static_cast<int>(i);
  return -1;
}

// A channel that is always ready to draw, whatever its axes offer.
class ReadyChannel : public TiPlotChannel {
 public:
  using TiPlotChannel::TiPlotChannel;
  void PrepareDraw() override { TiPlotObject::PrepareDraw(); }
};

// Replaces the plot's channels by `count` ready ones.
void ReadyChannels(TiPlot& plot, int count) {
  plot.RemoveAllChannels();
  for (int i = 0; i < count; ++i) (new ReadyChannel(plot.MasterManager()->Hooks()))->Inserted();
}

std::vector<TiPlotObject*> DrawOrder(const TiPlotComponent& plot) {
  std::vector<TiPlotObject*> order;
  for (const auto& entry : plot.DrawList()) order.push_back(entry.second);
  return order;
}

template <class T>
int PositionOf(const std::vector<TiPlotObject*>& order, T* object) {
  auto it = std::find(order.begin(), order.end(), static_cast<TiPlotObject*>(object));
  return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

TEST(PlotFrame, StripChartStartsWithTheDefaultObjects) {
  TiPlot plot;
  EXPECT_EQ(plot.Width(), 500);
  EXPECT_EQ(plot.Height(), 200);
  EXPECT_EQ(plot.BackGroundColor(), clBlack);
  EXPECT_EQ(plot.BorderStyle(), ibsLowered);
  EXPECT_TRUE(plot.AutoFrameRate());
  EXPECT_EQ(plot.ToolBarCount(), 1);
  EXPECT_EQ(plot.LegendCount(), 1);
  EXPECT_EQ(plot.XAxis(0)->Name(), "X-Axis 1");
  EXPECT_EQ(plot.YAxis(0)->Name(), "Y-Axis 1");
  EXPECT_EQ(plot.Channel(0)->Name(), "Channel 1");
  EXPECT_EQ(plot.DataView(0)->Name(), "Data View 1");
  EXPECT_EQ(plot.DataCursorCount(), 1);
  ASSERT_EQ(plot.LabelCount(), 1);
  EXPECT_EQ(plot.Label(0)->Name(), "Title");
  EXPECT_EQ(plot.TitleText(), "Untitled");
  EXPECT_EQ(plot.ToolBar(0)->ZOrder(), 3);
  EXPECT_EQ(plot.Label(0)->ZOrder(), 2);
  EXPECT_EQ(plot.Legend(0)->ZOrder(), 2);
  EXPECT_EQ(plot.DataViewZHorz(), 1);
  EXPECT_EQ(plot.FindXAxis("x-axis 1"), plot.XAxis(0));
  EXPECT_EQ(plot.FindChannel("nothing"), nullptr);
  EXPECT_TRUE(plot.LayoutManager()->Enabled());
  EXPECT_FALSE(plot.UpdateLocked());
}

TEST(PlotFrame, ChannelsScrollTheirAxesAndDrawOnceTheyHavePoints) {
  Chart c;
  TiPlotChannel* channel = c.plot.Channel(0);
  c.Paint();
  EXPECT_EQ(PositionOfChannel(c.plot), -1);  // no points yet
  for (int x = 0; x <= 150; ++x) channel->AddXY(x, 10 * x);
  EXPECT_GT(c.plot.XAxis(0)->Min(), 0);  // scrolled to keep the newest point
  EXPECT_GE(c.plot.YAxis(0)->Max(), 1500);
  c.Paint();
  EXPECT_GE(PositionOfChannel(c.plot), 0);
  // Some trace pixel in the channel's red lies inside the data view.
  const TRect view = c.plot.DataView(0)->GetRect();
  bool red = false;
  for (int x = view.Left; x < view.Right && !red; ++x)
    for (int y = view.Top; y < view.Bottom && !red; ++y) red = c.bitmap.Canvas().Pixel(x, y) == channel->Color();
  EXPECT_TRUE(red);
}

TEST(PlotFrame, XYPlotMakesXYChannels) {
  TiXYPlot plot;
  EXPECT_EQ(plot.ChannelCount(), 1);
  EXPECT_EQ(plot.ChannelCustom(0)->ClassName(), "TiXYPlotChannel");
}

TEST(PlotFrame, NothingIsDrawnWithoutToolBarLegendOrDataView) {
  for (int missing = 0; missing < 3; ++missing) {
    Chart c(300, 200);
    ASSERT_TRUE(c.Painted());
    if (missing == 0) c.plot.RemoveAllToolBars();
    if (missing == 1) c.plot.DeleteLegend(0);
    if (missing == 2) c.plot.RemoveAllDataViews();
    c.Paint();
    EXPECT_FALSE(c.Painted()) << missing;
    c.plot.PlotMouseMove(0, 150, 100);  // still answers the mouse
    if (missing == 0) c.plot.AddToolBar();
    if (missing == 1) c.plot.AddLegend();
    if (missing == 2) c.plot.AddDataView();
    c.Paint();
    EXPECT_TRUE(c.Painted()) << missing;
  }
}

TEST(PlotFrame, TheTitleLabelCannotBeDeleted) {
  TiPlot plot;
  plot.AddLabel();
  plot.AddLabel();
  ASSERT_EQ(plot.LabelCount(), 3);
  plot.RemoveAllLabels();
  ASSERT_EQ(plot.LabelCount(), 1);
  EXPECT_EQ(plot.Label(0)->Name(), "Title");
  try {
    plot.DeleteLabel(0);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Label Index 0 can not be Deleted (Resevered for Title)");
  }
  EXPECT_EQ(plot.LabelCount(), 1);
}

TEST(PlotFrame, TitleViewsFollowLabelZero) {
  TiPlot plot;
  plot.SetTitleText("Sensor");
  plot.SetTitleMargin(0.5);
  EXPECT_EQ(plot.Label(0)->Caption(), "Sensor");
  EXPECT_EQ(plot.Label(0)->MarginBottom(), 0.5);
  plot.MasterManager()->LabelManager()->Clear();
  EXPECT_EQ(plot.TitleText(), "");
  EXPECT_FALSE(plot.TitleVisible());
  plot.SetTitleText("ignored");  // no label: nothing happens
  EXPECT_EQ(plot.LabelCount(), 0);
}

TEST(PlotFrame, LaterChannelOfALayerIsDrawnFirst) {
  Chart c;
  ReadyChannels(c.plot, 2);
  c.Paint();
  auto order = DrawOrder(c.plot);
  const int first = PositionOf(order, c.plot.Channel(0)), second = PositionOf(order, c.plot.Channel(1));
  ASSERT_GE(first, 0);
  ASSERT_GE(second, 0);
  EXPECT_LT(second, first);  // channel 0 ends on top
  c.plot.Channel(1)->SetLayer(101);
  c.Paint();
  order = DrawOrder(c.plot);
  EXPECT_GT(PositionOf(order, c.plot.Channel(1)), PositionOf(order, c.plot.Channel(0)));
  EXPECT_EQ(c.plot.DrawList().back().first, "000101F");
}

TEST(PlotFrame, FilledBandGoesBelowTheGridAndLineLimitAboveIt) {
  Chart c;
  TiPlotLimit* band = c.plot.Limit(c.plot.AddLimit());
  band->SetStyle(iplsBandY);
  TiPlotLimit* line = c.plot.Limit(c.plot.AddLimit());
  ReadyChannels(c.plot, 1);
  c.Paint();
  const auto order = DrawOrder(c.plot);
  const int grid = PositionOf(order, c.plot.DataView(0));
  EXPECT_LT(PositionOf(order, band), grid);
  EXPECT_GT(PositionOf(order, line), grid);
  EXPECT_LT(PositionOf(order, line), PositionOf(order, c.plot.Channel(0)));
}

TEST(PlotFrame, ToolBarButtonsReachTheChartWideOperations) {
  TiPlot plot;
  plot.AddYAxis();
  std::vector<std::pair<int, int>> clicks;
  plot.OnToolBarButtonClick = [&](TiPlotComponent*, int index, int type) { clicks.emplace_back(index, type); };
  plot.ToolBar(0)->Click(iptbbtPause);
  EXPECT_FALSE(plot.XAxis(0)->TrackingEnabled());
  EXPECT_FALSE(plot.YAxis(1)->TrackingEnabled());
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], std::make_pair(0, int(iptbbtPause)));
  plot.ResumeAll();
  EXPECT_TRUE(plot.YAxis(1)->TrackingEnabled());
  EXPECT_FALSE(plot.SelectModeActive());
  plot.SetSelectMode(true);
  EXPECT_TRUE(plot.SelectModeActive());
  EXPECT_EQ(plot.DataView(0)->MouseMode(), TiPlotDataView::mmSelect);
}

TEST(PlotFrame, OccupiedRectanglesRefuseOverlapsAndLeavingTheDataView) {
  Chart c;
  const TRect view = c.plot.DataView(0)->GetRect();
  const TRect inside = Rect(view.Left + 1, view.Top + 1, view.Left + 11, view.Top + 11);
  EXPECT_TRUE(c.plot.TryOccupyRect(Rect(0, 0, 5, 5)));  // the first may lie anywhere
  EXPECT_TRUE(c.plot.TryOccupyRect(inside));
  EXPECT_FALSE(c.plot.TryOccupyRect(Rect(view.Left + 5, view.Top + 5, view.Left + 15, view.Top + 15)));
  EXPECT_FALSE(c.plot.TryOccupyRect(Rect(view.Right - 5, view.Top + 50, view.Right + 5, view.Top + 60)));
  c.Paint();  // cleared by each paint
  EXPECT_TRUE(c.plot.TryOccupyRect(Rect(view.Left + 5, view.Top + 5, view.Left + 15, view.Top + 15)));
}

TEST(PlotFrame, LoadingSeparatesToolBarFromTitleLane) {
  TiPlot source;
  source.LayoutManager()->SetEnabled(false);
  source.ToolBar(0)->SetZOrder(2);
  source.LayoutManager()->SetEnabled(true);
  source.SetTitleText("Stored");
  const std::string text = source.WriteDescription();
  TiPlot target;
  target.ReadDescription(text);
  EXPECT_EQ(target.Label(0)->ZOrder(), 2);
  EXPECT_EQ(target.ToolBar(0)->ZOrder(), 3);
  EXPECT_EQ(target.TitleText(), "Stored");
  EXPECT_EQ(target.XAxisCount(), 1);
  EXPECT_TRUE(target.LayoutManager()->Enabled());
  EXPECT_FALSE(target.Loading());
}

TEST(PlotFrame, DescriptionCarriesTheTranslationTableAndAxesReversal) {
  TiPlot source;
  source.AddTranslation("Edit...", "Bearbeiten...");
  source.SetXYAxesReverse(true);
  source.SetOuterMargin(1, 9);
  TiPlot target;
  target.ReadDescription(source.WriteDescription());
  EXPECT_EQ(target.TranslationCount(), 1);
  EXPECT_EQ(target.Translate("Edit..."), "Bearbeiten...");
  EXPECT_TRUE(target.XYAxesReverse());
  EXPECT_FALSE(target.XAxis(0)->Horizontal());
  EXPECT_EQ(target.OuterMargin(1), 9);
  EXPECT_EQ(target.WriteDescription().find("TranslationManager"), source.WriteDescription().find("TranslationManager"));
  TiPlot plain;
  EXPECT_EQ(plain.WriteDescription().find("TranslationManager"), std::string::npos);
}

TEST(PlotFrame, LoadedChartStillDrawsItsChannels) {
  TiPlot source;
  source.SetBounds(0, 0, 400, 300);
  TiPlot target;
  target.ReadDescription(source.WriteDescription());
  TBitmap bitmap(400, 300);
  for (int x = 0; x < 20; ++x) target.Channel(0)->AddXY(x, x);
  target.PaintTo(bitmap.Canvas());
  EXPECT_GE(PositionOfChannel(target), 0);  // ready: its loaded axes are scales
}

TEST(PlotFrame, BadDescriptionLeavesTheChartUsable) {
  TiPlot plot;
  EXPECT_THROW(plot.ReadDescription("ToolBarManager = <\n  item\n"), Exception);
  EXPECT_FALSE(plot.Loading());
  EXPECT_TRUE(plot.LayoutManager()->Enabled());
  EXPECT_FALSE(plot.UpdateLocked());
  EXPECT_EQ(plot.ToolBarCount(), 1);  // checked before anything was cleared
}

// The data view's lanes are plot properties like any other: a bad value is the
// stream's conversion error, and a good one reaches the layout.
TEST(PlotFrame, DataViewLanesReadAsPlotProperties) {
  TiPlot plot;
  try {
    plot.ReadDescription("DataViewZHorz = abc\n");
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'abc' is not a valid integer value");
  }
  EXPECT_FALSE(plot.Loading());
  plot.ReadDescription("DataViewZHorz = 3\nDataViewZVert = +2\n");
  EXPECT_EQ(plot.DataViewZHorz(), 3);
  EXPECT_EQ(plot.DataViewZVert(), 2);
  TiPlot copy;
  copy.ReadDescription(plot.WriteDescription());
  EXPECT_EQ(copy.DataViewZHorz(), 3);
}

TEST(PlotFrame, EventsAreDroppedWhileLoading) {
  TiPlot source;
  const std::string text = source.WriteDescription();
  TiPlot target;
  int events = 0;
  target.OnXAxisMinChange = [&](TiPlotComponent*, int, double, double) { ++events; };
  target.OnXAxisSpanChange = [&](TiPlotComponent*, int, double, double) { ++events; };
  target.ReadDescription(text);
  EXPECT_EQ(events, 0);
  target.XAxis(0)->SetMin(5);
  EXPECT_EQ(events, 1);
}

// A chart whose axis events have no handler lets its axes follow the points
// without reporting each step; a handler assigned later hears the next ones,
// each as the event of its own axis kind and index.
TEST(PlotFrame, AxisEventsAssignedLaterHearTheNextTrackingSteps) {
  TiPlot plot;
  plot.XAxis(0)->SetMinSpan(0, 100);
  for (int x = 0; x <= 150; ++x) plot.Channel(0)->AddXY(x, x % 10);
  EXPECT_EQ(plot.XAxis(0)->Min(), 50);

  struct Heard {
    char axis;
    int index;
    double oldValue, newValue;
  };
  std::vector<Heard> heard;
  plot.OnXAxisMinChange = [&](TiPlotComponent* sender, int index, double o, double n) {
    EXPECT_EQ(sender, &plot);
    heard.push_back({'x', index, o, n});
  };
  plot.OnYAxisSpanChange = [&](TiPlotComponent*, int index, double o, double n) {
    heard.push_back({'y', index, o, n});
  };
  const double ySpan = plot.YAxis(0)->Span();
  plot.Channel(0)->AddXY(151, 0);
  plot.Channel(0)->AddXY(152, plot.YAxis(0)->Max() + 5);  // the y axis widens too
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[0].axis, 'x');
  EXPECT_EQ(heard[0].index, 0);
  EXPECT_EQ(heard[0].oldValue, 50);
  EXPECT_EQ(heard[0].newValue, 51);
  EXPECT_EQ(heard[1].axis, 'x');
  EXPECT_EQ(heard[1].newValue, 52);
  EXPECT_EQ(heard[2].axis, 'y');
  EXPECT_EQ(heard[2].oldValue, ySpan);
  EXPECT_EQ(heard[2].newValue, plot.YAxis(0)->Span());

  plot.OnXAxisMinChange = nullptr;
  plot.OnYAxisSpanChange = nullptr;
  plot.Channel(0)->AddXY(160, 0);
  EXPECT_EQ(plot.XAxis(0)->Min(), 60);
  EXPECT_EQ(heard.size(), 3u);
}

TEST(PlotFrame, GridLinesFallOnTheTickPixelsOfBothAxes) {
  Chart c;
  const TColor grid = 0x12C434;
  c.plot.DataView(0)->SetGridLineColor(grid);
  c.plot.DataView(0)->SetGridLineShowXMinors(true);
  c.Paint();
  TCanvas& canvas = c.bitmap.Canvas();
  const TRect view = c.plot.DataView(0)->GetRect();
  int checked = 0;
  auto check = [&](const TiPlotAxis& axis, bool horizontal) {
    for (int i = 0; i < axis.TickCount(); ++i) {
      const TiPlotTickObject& tick = axis.Tick(i);
      // X minors are switched on above, y minors are off by default.
      if (!tick.Visible || (!horizontal && tick.Kind != 0)) continue;
      const bool inside = horizontal ? tick.Pixel > view.Left && tick.Pixel < view.Right
                                     : tick.Pixel > view.Top && tick.Pixel < view.Bottom;
      if (!inside) continue;
      // Across the middle of the view, away from the other axis's lines.
      const int across = horizontal ? (view.Top + view.Bottom) / 2 + 1 : (view.Left + view.Right) / 2 + 1;
      const TColor at = horizontal ? canvas.Pixel(tick.Pixel, across) : canvas.Pixel(across, tick.Pixel);
      EXPECT_EQ(at, grid) << (horizontal ? "x" : "y") << " tick " << i << " at " << tick.Pixel;
      ++checked;
    }
  };
  check(*c.plot.XAxis(0), true);
  check(*c.plot.YAxis(0), false);
  EXPECT_GE(checked, 4);
  // Between two lines the background shows.
  EXPECT_NE(canvas.Pixel(view.Left + 2, view.Top + 2), grid);
}

// ---- mouse routing ---------------------------------------------------------

TEST(PlotFrame, ClickOnTheDataViewFocusesItAndReportsItsIndex) {
  Chart c;
  int clicked = -1, doubleClicked = -1;
  c.plot.OnClick[ipekDataView] = [&](TiPlotComponent*, int index) { clicked = index; };
  c.plot.OnDblClick[ipekDataView] = [&](TiPlotComponent*, int index) { doubleClicked = index; };
  const TPoint p = c.Centre(c.plot.DataView(0));
  c.plot.PlotMouseDown(ipmbLeft, 0, p.X, p.Y);
  EXPECT_TRUE(c.plot.DataView(0)->Focused());
  c.plot.PlotMouseUp(ipmbLeft, 0, p.X, p.Y);
  EXPECT_EQ(clicked, 0);
  c.plot.PlotMouseDown(ipmbLeft, 0, p.X, p.Y);
  c.plot.PlotDoubleClick();
  c.plot.PlotMouseUp(ipmbLeft, 0, p.X, p.Y);
  EXPECT_EQ(doubleClicked, 0);
}

TEST(PlotFrame, ShiftAndCtrlSelectAxesTogether) {
  Chart c;
  c.plot.AddYAxis();
  c.Paint();
  TiPlotYAxis* first = c.plot.YAxis(0);
  TiPlotYAxis* second = c.plot.YAxis(1);
  const TPoint a = c.Centre(first), b = c.Centre(second);
  ASSERT_EQ(c.plot.HitTest(a.X, a.Y), first);
  int downIndex = -1;
  c.plot.OnMouseDown[ipekYAxis] = [&](TiPlotComponent*, int index) { downIndex = index; };
  c.plot.PlotMouseDown(ipmbLeft, 0, a.X, a.Y);
  c.plot.PlotMouseUp(ipmbLeft, 0, a.X, a.Y);
  EXPECT_TRUE(first->Focused());
  c.plot.PlotMouseDown(ipmbLeft, ShiftBit(ipssShift), b.X, b.Y);
  EXPECT_TRUE(c.plot.AxisMultiSelect());
  c.plot.PlotMouseUp(ipmbLeft, ShiftBit(ipssShift), b.X, b.Y);
  EXPECT_FALSE(c.plot.AxisMultiSelect());
  EXPECT_TRUE(first->Focused());
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(downIndex, 1);
  c.plot.PlotMouseDown(ipmbLeft, ShiftBit(ipssCtrl), a.X, a.Y);  // Ctrl toggles an axis
  c.plot.PlotMouseUp(ipmbLeft, ShiftBit(ipssCtrl), a.X, a.Y);
  EXPECT_FALSE(first->Focused());
  EXPECT_TRUE(second->Focused());
  c.plot.PlotMouseDown(ipmbLeft, 0, 1, 1);  // nothing there: every focus goes
  EXPECT_FALSE(second->Focused());
}

TEST(PlotFrame, RightClickOpensTheObjectsMenuUnlessCancelled) {
  Chart c;
  shownMenu.clear();
  const TPoint p = c.Centre(c.plot.YAxis(0));
  c.plot.PlotMouseDown(ipmbRight, 0, p.X, p.Y);
  c.plot.PlotMouseUp(ipmbRight, 0, p.X, p.Y);
  EXPECT_NE(std::find(shownMenu.begin(), shownMenu.end(), "Edit..."), shownMenu.end());
  shownMenu.clear();
  c.plot.OnPopupMenu[ipekYAxis] = [](TiPlotComponent*, int, bool& cancel) { cancel = true; };
  c.plot.PlotMouseDown(ipmbRight, 0, p.X, p.Y);
  c.plot.PlotMouseUp(ipmbRight, 0, p.X, p.Y);
  EXPECT_TRUE(shownMenu.empty());
}

TEST(PlotFrame, RemovedObjectIsForgottenByThePointerState) {
  Chart c;
  c.plot.AddYAxis();
  c.Paint();
  const TPoint p = c.Centre(c.plot.YAxis(1));
  c.plot.PlotMouseDown(ipmbLeft, 0, p.X, p.Y);
  c.plot.DeleteYAxis(1);
  c.plot.PlotMouseUp(ipmbLeft, 0, p.X, p.Y);  // must not reach the freed axis
  c.plot.PlotMouseMove(0, p.X, p.Y);
  SUCCEED();
}

// ---- hints -----------------------------------------------------------------

TEST(PlotFrame, HintTimerStartsOnRestAndNeverWithAButtonHeld) {
  Chart c;
  const TPoint p = c.Centre(c.plot.YAxis(0));
  c.plot.PlotMouseMove(0, p.X, p.Y);
  const bool axisHasHint = !c.plot.Hint().Text.empty();
  EXPECT_EQ(c.plot.TimerRunning(), axisHasHint);
  c.plot.HideHint();
  EXPECT_FALSE(c.plot.TimerRunning());
  c.plot.PlotMouseDown(ipmbRight, 0, p.X, p.Y);
  c.plot.PlotMouseMove(ShiftBit(ipssRight), p.X, p.Y + 1);
  EXPECT_FALSE(c.plot.TimerRunning());
  c.plot.PlotMouseUp(ipmbRight, 0, p.X, p.Y);
}

TEST(PlotFrame, HintShowsOnExpiryAndHidesOnTheNext) {
  Chart c;
  c.plot.HintTimerExpired();
  EXPECT_TRUE(c.plot.HintShowing());
  EXPECT_TRUE(c.plot.TimerRunning());  // the hide pause
  c.plot.HintTimerExpired();
  EXPECT_FALSE(c.plot.HintShowing());
  EXPECT_FALSE(c.plot.TimerRunning());
}

TEST(PlotFrame, ShowingHintIsDrawnLastInInfoColours) {
  Chart c;
  c.plot.HintTimerExpired();
  c.Paint();
  EXPECT_EQ(c.bitmap.Canvas().Pixel(1, 1), platform::ColorToRGB(clInfoBk));
  c.plot.HideHint();
  c.Paint();
  EXPECT_NE(c.bitmap.Canvas().Pixel(1, 1), platform::ColorToRGB(clInfoBk));
}

TEST(PlotFrame, LostCaptureSuppressesTheNextHint) {
  Chart c;
  c.plot.MouseCaptureLost();
  const TPoint p = c.Centre(c.plot.YAxis(0));
  c.plot.PlotMouseMove(0, p.X, p.Y);
  EXPECT_FALSE(c.plot.TimerRunning());
}

}  // namespace

// With the axes reversed the x axis stands at the left and the y axis at the
// bottom: a click finds each object where it is drawn.
TEST(PlotFrame, WithReversedAxesAClickFindsTheObjectWhereItIsDrawn) {
  Chart c;
  c.plot.SetXYAxesReverse(true);
  c.Paint();
  TiPlotXAxis* x = c.plot.XAxis(0);
  TiPlotYAxis* y = c.plot.YAxis(0);
  ASSERT_LT(x->GetRect().Width(), x->GetRect().Height()) << "the x axis stands upright";
  for (TiPlotLayoutObject* o : std::initializer_list<TiPlotLayoutObject*>{x, y, c.plot.Legend(0)}) {
    const TPoint p = c.Centre(o);
    EXPECT_EQ(c.plot.HitTest(p.X, p.Y), o) << o->Name();
  }
  int downIndex = -1;
  c.plot.OnMouseDown[ipekXAxis] = [&](TiPlotComponent*, int index) { downIndex = index; };
  const TPoint p = c.Centre(x);
  c.plot.PlotMouseDown(ipmbLeft, 0, p.X, p.Y);
  c.plot.PlotMouseUp(ipmbLeft, 0, p.X, p.Y);
  EXPECT_EQ(downIndex, 0);
  EXPECT_TRUE(x->Focused());
}

// Dragging the upright x axis of reversed axes scrolls it along the screen,
// as dragging an upright y axis does: the content follows the pointer.
TEST(PlotFrame, WithReversedAxesDraggingTheUprightXAxisScrollsIt) {
  Chart c;
  c.plot.SetXYAxesReverse(true);
  c.Paint();
  TiPlotXAxis* x = c.plot.XAxis(0);
  const double min = x->Min(), span = x->Span();
  const TPoint p = c.Centre(x);
  c.plot.PlotMouseDown(ipmbLeft, 0, p.X, p.Y);
  c.plot.PlotMouseMove(0, p.X + 7, p.Y - 50);  // across the axis: no effect
  c.plot.PlotMouseUp(ipmbLeft, 0, p.X + 7, p.Y - 50);
  EXPECT_NEAR(x->Min(), min - 50.0 / x->PixelLength() * span, 1e-9);
  EXPECT_EQ(x->Span(), span);
}
