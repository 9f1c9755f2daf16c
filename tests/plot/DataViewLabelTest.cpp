#include <gtest/gtest.h>

#include "PlotTestSupport.h"
#include "platform/Bitmap.h"
#include "platform/Rounding.h"
#include "plot/dIredAxis.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLabel.h"

namespace {

// A chart that answers the data view's questions and records its calls.
class HostPlot : public TTestPlot, public TiPlotDataViewHost {
 public:
  bool SelectModeActive() override { return false; }
  bool ZoomBoxModeActive() override { return zoomBox; }
  bool AxisMultiSelect() override { return false; }
  void PauseAll() override { ++pauses; }
  bool BeforeZoomBox(const TRect& rect) override {
    boxes.push_back(rect);
    return true;
  }
  void DataViewClick(TiPlotObject*) override { ++clicks; }
  bool zoomBox = false;
  int pauses = 0, clicks = 0;
  std::vector<TRect> boxes;
};

// Axes that count what the data view hands them.
template <class Base>
class ProbeAxis : public Base {
 public:
  using Base::Base;
  void DoMouseDrag(const TiPlotMouseData&) override { ++drags; }
  bool MouseWheel(int, TiPlotShiftState, TPoint) override { return ++wheels, true; }
  int drags = 0, wheels = 0;
};

struct Chart {
  HostPlot plot;
  TiPlotMasterManager& m = *plot.master;
  ProbeAxis<TiPlotXAxis>* x = new ProbeAxis<TiPlotXAxis>(m.Hooks());
  ProbeAxis<TiPlotYAxis>* y = new ProbeAxis<TiPlotYAxis>(m.Hooks());
  TiPlotDataView* view = nullptr;
  Chart() {
    x->Inserted();
    y->Inserted();
    view = m.DataViewManager()->DataView(m.AddDataView());
    view->SetRect(Rect(10, 10, 60, 50));
  }
};

TiPlotMouseData At(int x, int y, TiPlotShiftState shift = 0) {
  TiPlotMouseData d;
  d.X = d.RawX = x;
  d.Y = d.RawY = y;
  d.Shift = shift;
  return d;
}

TEST(DataView, PercentPositionsCountFromTheBottomLeft) {
  Chart c;
  EXPECT_EQ(c.view->PixelOfXPercent(0), 10);
  EXPECT_EQ(c.view->PixelOfXPercent(100), 60);
  EXPECT_EQ(c.view->PixelOfYPercent(0), 50);
  EXPECT_EQ(c.view->PixelOfYPercent(100), 10);
  EXPECT_DOUBLE_EQ(c.view->XPercentOfPixel(35), 50);
  EXPECT_DOUBLE_EQ(c.view->YPercentOfPixel(20), 75);
  c.view->SetRect(Rect(5, 5, 5, 5));  // collapsed: no division by zero
  EXPECT_EQ(c.view->XPercentOfPixel(9), 0);
  EXPECT_EQ(c.view->YPercentOfPixel(9), 0);
}

TEST(DataView, BorderEdgesAreDrawnOnTheRectangleAndCloseTheCorner) {
  Chart c;
  c.view->SetGridLineColor(clRed);
  c.view->SetGridLineShow(1, false);  // no right edge
  TBitmap bitmap(100, 80);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush.Color = clBlack;
  canvas.FillRect(Rect(0, 0, 100, 80));
  c.view->Draw(&canvas, clBlack);
  EXPECT_EQ(canvas.Pixel(10, 30), clRed);
  EXPECT_EQ(canvas.Pixel(30, 10), clRed);
  EXPECT_EQ(canvas.Pixel(30, 50), clRed);
  EXPECT_EQ(canvas.Pixel(60, 50), clRed);
  EXPECT_EQ(canvas.Pixel(61, 50), clBlack);  // the bottom edge stops at right + 1
  EXPECT_EQ(canvas.Pixel(60, 30), clBlack);
  EXPECT_EQ(canvas.Pixel(30, 30), clBlack);
}

TEST(DataView, BackgroundIsFilledOnlyWhenNotTransparent) {
  Chart c;
  TBitmap bitmap(100, 80);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush.Color = clBlack;
  canvas.FillRect(Rect(0, 0, 100, 80));
  c.view->DrawBackground(&canvas);
  EXPECT_EQ(canvas.Pixel(30, 30), clBlack);
  c.view->SetBackgroundTransparent(false);
  c.view->DrawBackground(&canvas);
  EXPECT_EQ(canvas.Pixel(30, 30), TColor(0x808000));
  EXPECT_EQ(canvas.Pixel(60, 30), clBlack);  // right edge is outside
}

TEST(DataView, ZoomBoxZoomsOnlyWhenDrawnDownAndRight) {
  Chart c;
  c.plot.zoomBox = true;
  c.view->DoMouseLeftDown(At(50, 40));
  c.view->DoMouseDrag(At(20, 15));
  c.view->DoMouseUp(At(20, 15));
  EXPECT_TRUE(c.plot.boxes.empty());
  EXPECT_EQ(c.plot.pauses, 1);
  EXPECT_FALSE(c.view->Pressed());
  c.view->DoMouseLeftDown(At(20, 15));
  c.view->DoMouseDrag(At(50, 40));
  c.view->DoMouseUp(At(50, 40));
  ASSERT_EQ(c.plot.boxes.size(), 1u);
  EXPECT_EQ(c.plot.boxes[0], Rect(20, 15, 50, 40));
  EXPECT_EQ(c.plot.clicks, 2);  // both releases were inside the view
}

TEST(DataView, ShiftDragChoosesTheXAxesOnceMovedFarEnoughSideways) {
  Chart c;
  c.view->SetAxesControlEnabled(true);
  const TiPlotShiftState shift = ShiftBit(ipssShift);
  c.view->DoMouseLeftDown(At(30, 30, shift));
  c.view->DoMouseDrag(At(32, 30, shift));  // not far enough: both move
  EXPECT_EQ(c.x->drags, 1);
  EXPECT_EQ(c.y->drags, 1);
  c.view->DoMouseDrag(At(35, 31, shift));  // 5 right, 1 down: the x axes
  c.view->DoMouseDrag(At(35, 45, shift));  // the choice is kept
  EXPECT_EQ(c.x->drags, 3);
  EXPECT_EQ(c.y->drags, 1);
  c.view->DoMouseUp(At(35, 45));
  c.view->DoMouseDrag(At(40, 45));  // not pressed any more
  EXPECT_EQ(c.x->drags, 3);
}

TEST(DataView, WheelMovesAxesOnlyInAxesControlMode) {
  Chart c;
  EXPECT_FALSE(c.view->MouseWheel(120, 0, {30, 30}));
  c.view->SetAxesControlEnabled(true);
  EXPECT_TRUE(c.view->MouseWheel(120, 0, {30, 30}));
  EXPECT_TRUE(c.view->MouseWheel(120, ShiftBit(ipssShift), {30, 30}));
  EXPECT_EQ(c.x->wheels, 1);
  EXPECT_EQ(c.y->wheels, 1);
  EXPECT_EQ(c.view->GetMouseCursor({30, 30}), crHandPoint);
}

TEST(DataView, CustomWidthDefaultZeroIsStored) {
  Chart c;
  const TClassInfo& info = TiPlotDataView::StaticClass();
  const TPropInfo* width = info.Find("GridLineXMajorWidth");
  ASSERT_NE(width, nullptr);
  EXPECT_TRUE(width->HasDefault);
  EXPECT_EQ(width->DefaultOrdinal, 1);
  EXPECT_EQ(c.view->GridLineGroup(ipggXMajor).Width, 0);
}

struct LabelChart {
  TTestPlot plot;
  TiPlotLabel* label = plot.master->LabelManager()->Label(plot.master->AddLabel());
  TBitmap bitmap{300, 100};
  TCanvas& canvas = bitmap.Canvas();
  LabelChart() {
    canvas.Brush.Color = clBlack;
    canvas.FillRect(Rect(0, 0, 300, 100));
  }
  // Left and right ends of the white pixels.
  std::pair<int, int> InkColumns() {
    int left = -1, right = -1;
    for (int x = 0; x < 300; ++x)
      for (int y = 0; y < 100; ++y)
        if (canvas.Pixel(x, y) == clWhite) {
          if (left < 0) left = x;
          right = x;
        }
    return {left, right};
  }
};

TEST(Label, ThicknessIsCaptionLinesPlusMarginsInHeightsOfZero) {
  LabelChart c;
  c.canvas.Font = c.label->Font();
  const int zero = c.canvas.TextHeight("0");
  c.label->SetCaption("One");
  const int one = c.label->GetRequiredThickness(&c.canvas);
  EXPECT_EQ(one, zero);
  c.label->SetMarginTop(0.5);
  EXPECT_EQ(c.label->GetRequiredThickness(&c.canvas), one + static_cast<int>(Round(zero * 0.5)));
  c.label->SetMarginTop(0);
  c.label->SetCaption("One\nTwo");
  EXPECT_GE(c.label->GetRequiredThickness(&c.canvas), 2 * one - 2);
}

TEST(Label, DefaultsAreABoldWhiteFourteenPointCaptionNamedLikeTheLabel) {
  LabelChart c;
  EXPECT_EQ(c.label->Caption(), c.label->Name());
  EXPECT_EQ(c.label->Font().Color, clWhite);
  EXPECT_EQ(c.label->Font().Size(), 14);
  EXPECT_TRUE(c.label->Font().Has(fsBold));
  EXPECT_TRUE(c.label->Horizontal());
  EXPECT_EQ(c.label->Alignment(), iahCenter);
}

TEST(Label, AlignmentPlacesTheCaptionInsideTheMargins) {
  LabelChart c;
  c.label->SetCaption("Title");
  c.label->SetRect(Rect(20, 10, 280, 40));
  c.label->SetMarginLeft(2);
  c.label->SetAlignment(iahLeft);
  c.label->Draw(&c.canvas);
  c.canvas.Font = c.label->Font();
  const int zero = c.canvas.TextWidth("0");
  auto [left, right] = c.InkColumns();
  EXPECT_GE(left, 20 + 2 * zero);
  EXPECT_LE(left, 20 + 2 * zero + 3);

  LabelChart r;
  r.label->SetCaption("Title");
  r.label->SetRect(Rect(20, 10, 280, 40));
  r.label->SetAlignment(iahRight);
  r.label->Draw(&r.canvas);
  auto [rl, rr] = r.InkColumns();
  EXPECT_LE(rr, 279);
  EXPECT_GE(rr, 272);

  LabelChart m;
  m.label->SetCaption("Title");
  m.label->SetRect(Rect(20, 10, 280, 40));
  m.label->Draw(&m.canvas);
  auto [ml, mr] = m.InkColumns();
  EXPECT_NEAR((ml + mr) / 2.0, 150, 3);
}

TEST(Label, HiddenLabelDrawsNothing) {
  LabelChart c;
  c.label->SetRect(Rect(0, 0, 300, 100));
  c.label->SetVisible(false);
  c.label->Draw(&c.canvas);
  EXPECT_EQ(c.InkColumns().first, -1);
}

}  // namespace
