#include <gtest/gtest.h>

#include <cmath>

#include "platform/Exception.h"
#include "plot/dIredChannelCustom.h"
#include "tests/plot/AxisTestSupport.h"

namespace {
TiPlotMouseData At(int x, int y, TiPlotShiftState shift = 0) {
  TiPlotMouseData m;
  m.X = m.RawX = x;
  m.Y = m.RawY = y;
  m.Shift = shift;
  return m;
}

struct AxisTest : ::testing::Test {
  TAxisPlot plot;
  TBitmap bitmap{600, 300};
  TCanvas* canvas = &bitmap.Canvas();
};
}  // namespace

TEST_F(AxisTest, DefaultsDependOnTheKind) {
  TiPlotXAxis* x = plot.AddX();
  TiPlotYAxis* y = plot.AddY();
  EXPECT_EQ(x->TrackingStyle(), iptsScrollSmooth);
  EXPECT_EQ(x->TrackingAlignFirstStyle(), ipafsAuto);
  EXPECT_EQ(y->TrackingStyle(), iptsScaleMinMax);
  EXPECT_EQ(y->TrackingAlignFirstStyle(), ipafsNone);
  EXPECT_EQ(x->Title(), "X-Axis 1");
  EXPECT_EQ(y->CartesianChildRefAxisName(), "<None>");
  EXPECT_EQ(x->Span(), 100);
  EXPECT_EQ(x->DateTimeFormat(), "hh:nn:ss");
  EXPECT_EQ(x->ScaleLinesColor(), 0xFFFFFF);
  EXPECT_TRUE(x->TitleFont().Has(fsBold));
}

TEST_F(AxisTest, MinAndSpanAreClampedNeverRejected) {
  TiPlotXAxis* x = plot.AddX();
  x->SetSpan(0);
  EXPECT_EQ(x->Span(), 1e-300);
  x->SetSpan(-5);
  EXPECT_EQ(x->Span(), 1e-300);
  x->SetSpan(INFINITY);
  EXPECT_EQ(x->Span(), 1e300);
  x->SetMin(-1e301);
  EXPECT_EQ(x->Min(), -1e300);
  x->SetMin(std::nan(""));  // ignored: a NaN range could never recover
  EXPECT_EQ(x->Min(), -1e300);
  x->SetDesiredIncrement(-3);
  EXPECT_EQ(x->DesiredIncrement(), 0);
}

TEST_F(AxisTest, ZeroSpanMapsEveryValueToTheMiddle) {
  TiPlotXAxis* x = plot.AddX();
  PlaceHorizontal(x, canvas);
  x->SetSpan(0);
  const int middle = (x->PixelStart() + x->PixelEnd()) / 2;
  for (double v : {-1e9, 0.0, 50.0, 1e9}) EXPECT_EQ(x->ValueToPixel(v), middle);
}

TEST_F(AxisTest, ChangesAreReportedWithOldAndNewValues) {
  TiPlotXAxis* x = plot.AddX();
  plot.reports.clear();
  x->SetMin(10);
  ASSERT_EQ(plot.reports.size(), 2u);
  EXPECT_EQ(plot.reports[0].What, "min");
  EXPECT_EQ(plot.reports[0].OldMin, 0);
  EXPECT_EQ(plot.reports[0].NewMin, 10);
  EXPECT_EQ(plot.reports[1].What, "minspan");

  plot.reports.clear();
  x->SetMinSpan(20, 50);  // one min/span report, not one per half
  ASSERT_EQ(plot.reports.size(), 3u);
  EXPECT_EQ(plot.reports[0].What, "min");
  EXPECT_EQ(plot.reports[1].What, "span");
  const TAxisReport& both = plot.reports[2];
  EXPECT_EQ(both.What, "minspan");
  EXPECT_EQ(both.OldMin, 10);
  EXPECT_EQ(both.OldSpan, 100);
  EXPECT_EQ(both.NewMin, 20);
  EXPECT_EQ(both.NewSpan, 50);

  plot.reports.clear();
  x->SetMinSpan(20, 50);
  EXPECT_TRUE(plot.reports.empty());
  plot.loading = true;
  x->SetMinSpan(0, 10);
  EXPECT_TRUE(plot.reports.empty());
  EXPECT_EQ(x->Span(), 10);
}

TEST_F(AxisTest, LogScaleKeepsTheRangePositive) {
  TiPlotYAxis* y = plot.AddY();
  y->SetMin(-5);
  y->SetScaleType(ipstLog10);
  EXPECT_EQ(y->Min(), 1);
  y->SetMinSpan(-3, 0);
  EXPECT_EQ(y->Min(), 1);
  EXPECT_EQ(y->Span(), 1);
  y->SetMinSpan(1, 99);
  PlaceVertical(y, canvas);
  EXPECT_EQ(y->ValueToPixel(10), (y->PixelStart() + y->PixelEnd()) / 2);
}

TEST_F(AxisTest, StripChartXAxisScrollsSmoothlyWithTheNewestValueAtItsEnd) {
  TiPlotXAxis* x = plot.AddX();
  PlaceHorizontal(x, canvas);
  for (int i = 0; i <= 100; ++i) x->Track(i);
  EXPECT_EQ(x->Min(), 0);
  for (int i = 101; i <= 350; ++i) {
    x->Track(i);
    ASSERT_EQ(x->Min(), i - 100);
    ASSERT_EQ(x->ValueToPixel(i), x->PixelEnd());
  }
  EXPECT_EQ(x->Span(), 100);
  x->SetTrackingEnabled(false);
  x->Track(1000);  // paused: nothing moves
  EXPECT_EQ(x->Min(), 250);
}

TEST_F(AxisTest, StripChartYAxisWidensToTheDataAndNeverShrinks) {
  TiPlotYAxis* y = plot.AddY();
  y->SetMinSpan(0, 4000);
  double widest = 4000;
  for (double v : {100.0, 4500.0, 2000.0, 6100.0, 30.0, 5000.0}) {
    y->Track(v);
    EXPECT_GE(y->Span(), widest);
    widest = y->Span();
    EXPECT_GE(y->Max(), v);
  }
  EXPECT_EQ(y->Span(), 6100);
  y->ResetFirstPoint();
  EXPECT_FALSE(y->FirstPointSeen());
}

TEST_F(AxisTest, NonFiniteValuesDoNotMoveTheRange) {
  TiPlotYAxis* y = plot.AddY();
  y->Track(std::nan(""));
  y->Track(INFINITY);
  EXPECT_EQ(y->Min(), 0);
  EXPECT_EQ(y->Span(), 100);
}

TEST_F(AxisTest, PauseZoomResumeRestoresThePausedRange) {
  TiPlotXAxis* x = plot.AddX();
  x->SetMinSpan(40, 100);
  x->SetLabelsMinLength(6);
  x->Zoom(0.5);  // the zoom pauses tracking first
  EXPECT_FALSE(x->TrackingEnabled());
  EXPECT_EQ(x->Min(), 65);
  x->ScrollBy(1);
  x->SetLabelsMinLength(9);
  x->SetTrackingEnabled(true);
  EXPECT_EQ(x->Min(), 40);
  EXPECT_EQ(x->Span(), 100);
  EXPECT_EQ(x->LabelsMinLength(), 6);
}

TEST_F(AxisTest, ZoomFactorErrorLeavesTheRangeAndTracking) {
  TiPlotXAxis* x = plot.AddX();
  try {
    x->Zoom(0);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Linear Scale Zoom Factor must be Greater than Zero");
  }
  EXPECT_EQ(x->Min(), 0);
  EXPECT_EQ(x->Span(), 100);
  EXPECT_TRUE(x->TrackingEnabled());
}

TEST_F(AxisTest, WheelScrollsFivePercentOrZoomsWithCtrl) {
  TiPlotXAxis* x = plot.AddX();
  EXPECT_TRUE(x->MouseWheel(120, 0, {}));
  EXPECT_FALSE(x->TrackingEnabled());
  EXPECT_DOUBLE_EQ(x->Min(), 5);
  x->MouseWheel(-240, 0, {});
  EXPECT_DOUBLE_EQ(x->Min(), 0);
  x->MouseWheel(120, ShiftBit(ipssCtrl), {});
  EXPECT_NEAR(x->Span(), 100 / std::pow(10.0, 0.025), 1e-9);
  EXPECT_NEAR(x->Min() + x->Span() / 2, 50, 1e-9);
  EXPECT_TRUE(x->MouseWheel(0, 0, {}));
}

TEST_F(AxisTest, DragScrollsWithThePointerAndZoomsInZoomMode) {
  TiPlotXAxis* x = plot.AddX();
  PlaceHorizontal(x, canvas, {50, 220, 450, 260});
  const int length = x->PixelLength();
  x->DoMouseLeftDown(At(200, 230));
  x->DoMouseDrag(At(200 + length / 10, 230));
  EXPECT_NEAR(x->Min(), -10, 1e-9);  // the content follows the pointer
  EXPECT_GT(plot.repaintsNow, 0);
  x->SetAxesMode(1);
  const double span = x->Span();
  x->DoMouseDrag(At(200 + length / 10 + length / 10, 230));
  EXPECT_NEAR(x->Span(), span / std::pow(10.0, 0.1 / 4), 1e-9);
  TiPlotMouseData multi = At(0, 230);
  multi.AxisMultiSelect = true;
  const double min = x->Min();
  x->DoMouseDrag(multi);
  EXPECT_EQ(x->Min(), min);
  x->DoMouseUp(At(200, 230));
  EXPECT_FALSE(x->Dragging());
  EXPECT_EQ(plot.axisClicks.size(), 1u);
}

TEST_F(AxisTest, MasterInputIsRepeatedOnTheOtherAxesOfItsKind) {
  TiPlotXAxis* a = plot.AddX();
  TiPlotXAxis* b = plot.AddX();
  TiPlotYAxis* y = plot.AddY();
  for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(a), static_cast<TiPlotAxis*>(b)})
    PlaceHorizontal(axis, canvas);
  PlaceVertical(y, canvas);
  a->SetMasterUIInput(true);
  b->SetMasterUIInput(true);  // two masters must not echo each other
  a->DoMouseLeftDown(At(100, 230));
  a->DoMouseDrag(At(140, 230));
  EXPECT_DOUBLE_EQ(a->Min(), b->Min());
  EXPECT_NE(a->Min(), 0);
  EXPECT_EQ(y->Min(), 0);
  int key = 33;
  a->KeyDown(key, 0);
  EXPECT_DOUBLE_EQ(a->Min(), b->Min());
}

TEST_F(AxisTest, KeysScrollByPagesAndHundredths) {
  TiPlotYAxis* y = plot.AddY();
  int key = 33;  // Page Up
  y->KeyDown(key, 0);
  EXPECT_EQ(y->Min(), 100);
  key = 40;  // Down
  y->KeyDown(key, 0);
  EXPECT_DOUBLE_EQ(y->Min(), 99);
  y->SetAxesMode(1);
  key = 36;  // Home zooms out a decade in zoom mode
  y->KeyDown(key, 0);
  EXPECT_DOUBLE_EQ(y->Span(), 1000);
  y->SetTrackingEnabled(true);
  key = 65;  // any other key only pauses
  const int repaints = plot.repaintsNow;
  y->KeyDown(key, 0);
  EXPECT_FALSE(y->TrackingEnabled());
  EXPECT_EQ(plot.repaintsNow, repaints);
}

TEST_F(AxisTest, ScrollLimitsHoldTheRange) {
  TiPlotXAxis* x = plot.AddX();
  x->SetMinSpan(0, 50);
  x->SetScrollMinMaxEnabled(true);
  x->ScrollBy(1.5);
  EXPECT_EQ(x->Min(), 50);
  x->ScrollBy(-9);
  EXPECT_EQ(x->Min(), 0);
}

TEST_F(AxisTest, ZoomBoxAndZoomToFitFast) {
  TiPlotXAxis* x = plot.AddX();
  TiPlotYAxis* y = plot.AddY();
  PlaceHorizontal(x, canvas);
  PlaceVertical(y, canvas);
  x->ZoomToRect({x->ValueToPixel(20), 0, x->ValueToPixel(60), 10});
  EXPECT_NEAR(x->Min(), 20, 0.5);
  EXPECT_NEAR(x->Span(), 40, 0.5);
  const double min = x->Min();
  x->ZoomToRect({100, 0, 100, 10});  // no width: nothing to zoom to
  EXPECT_EQ(x->Min(), min);

  plot.master->AddChannel();
  TiPlotChannelCustom* channel = plot.master->ChannelManager()->Channel(0);
  for (double v : {3.0, -7.0, 12.0}) channel->AddXY(v * 2, v);  // fast fit reads the running extents
  y->ZoomToFitFast();
  EXPECT_EQ(y->Min(), -7);
  EXPECT_EQ(y->Span(), 19);
  x->ZoomToFitFast();
  EXPECT_EQ(x->Min(), -14);
  EXPECT_EQ(x->Span(), 38);
}

TEST_F(AxisTest, PopupMenuHasItsThreeItemsInFront) {
  TiPlotXAxis* x = plot.AddX();
  TiPopupMenu menu;
  x->AddMenuItems(menu);
  ASSERT_EQ(menu.Items.size(), 4u);
  EXPECT_EQ(menu.Items[0]->Caption, "Tracking Enabled");
  EXPECT_TRUE(menu.Items[0]->Checked);
  EXPECT_EQ(menu.Items[1]->Caption, "Update Resume Values");
  EXPECT_FALSE(menu.Items[1]->Enabled);
  EXPECT_EQ(menu.Items[2]->Caption, "Zoom to Fit");
  EXPECT_EQ(menu.Items[3]->Caption, "Edit...");
  menu.Items[0]->OnClick();
  EXPECT_FALSE(x->TrackingEnabled());
  x->SetMin(30);
  x->AddMenuItems(menu);
  EXPECT_TRUE(menu.Items[1]->Enabled);
  menu.Items[1]->OnClick();
  EXPECT_EQ(x->ResumeMin(), 30);
}

TEST_F(AxisTest, PointerShapesAndHoverHint) {
  TiPlotXAxis* x = plot.AddX();
  TiPlotYAxis* y = plot.AddY();
  EXPECT_EQ(x->GetMouseCursor({}), crHandPoint);
  x->SetAxesMode(1);
  y->SetAxesMode(1);
  EXPECT_EQ(x->GetMouseCursor({}), crAxisSizeHorizontal);
  EXPECT_EQ(y->GetMouseCursor({}), crAxisSizeVertical);
  x->SetAxesMode(2);
  EXPECT_EQ(x->GetMouseCursor({}), crDefault);

  plot.hintSuffix = "!";
  TiPlotHintData hint;
  y->DoMouseHover(At(30, 100), hint);
  EXPECT_EQ(hint.Text, "Y-Axis 1!");
  EXPECT_EQ(hint.X, 30);
  EXPECT_EQ(hint.Y, 80);
  TiPlotHintData none;
  y->SetTitleShow(true);
  y->DoMouseHover(At(30, 100), none);
  EXPECT_FALSE(none.Show);
}

TEST_F(AxisTest, FocusIsDroppedUnlessAxesMultiSelect) {
  TiPlotXAxis* a = plot.AddX();
  TiPlotYAxis* b = plot.AddY();
  a->SetFocused(true);
  b->SetFocused(true);
  EXPECT_FALSE(a->Focused());
  a->SetAxesModeFlags(0x01);
  a->SetFocused(true);
  b->SetFocused(false);
  b->SetFocused(true);
  EXPECT_TRUE(a->Focused());
}

TEST_F(AxisTest, ReferencesAreLookedUpByNameAndFollowRenames) {
  TiPlotXAxis* x = plot.AddX();
  TiPlotYAxis* y = plot.AddY();
  x->SetCartesianChildRefAxisName("y-axis 1");
  EXPECT_EQ(x->GetCartesianRefAxis(), y);
  y->SetName("Depth");
  EXPECT_EQ(x->CartesianChildRefAxisName(), "Depth");
  TiPlotXAxis* other = plot.AddX();
  other->SetAlignRefAxisName(x->Name());
  EXPECT_EQ(other->GetAlignRefAxis(), x);
  delete y;
  EXPECT_EQ(x->GetCartesianRefAxis(), nullptr);
}

namespace {
class TXYPlot : public TAxisPlot {
 public:
  bool ScrollingXAxes() const override { return false; }
};
}  // namespace

TEST(AxisKinds, XAxesOfAnXYPlotScaleLikeYAxes) {
  TXYPlot plot;
  const int changes = plot.changes;
  TiPlotXAxis* x = plot.AddX();
  EXPECT_EQ(x->TrackingStyle(), iptsScaleMinMax);
  EXPECT_EQ(x->TrackingAlignFirstStyle(), ipafsAuto);
  EXPECT_GE(plot.changes, changes);
}
