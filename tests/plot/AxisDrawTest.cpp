#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "platform/ImageFiles.h"
#include "plot/dIredDataView.h"
#include "tests/plot/AxisTestSupport.h"

namespace {
struct AxisDrawTest : ::testing::Test {
  TAxisPlot plot;
  TBitmap bitmap{500, 300};
  TCanvas* canvas = &bitmap.Canvas();

  void SetUp() override { bitmap.Fill(clBlack); }
  int W(const TFont& font, const std::string& text) {
    canvas->Font = font;
    return canvas->TextWidth(text);
  }
  int H(const TFont& font, const std::string& text) {
    canvas->Font = font;
    return canvas->TextHeight(text);
  }
  bool Lit(int x, int y) { return bitmap.Pixel(x, y) != clBlack; }
  // The columns (or rows) with any lit pixel inside r.
  TRect Ink(const TRect& r) {
    TRect ink{r.Right, r.Bottom, r.Left, r.Top};
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (Lit(x, y)) ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                              std::max(ink.Bottom, y + 1)};
    return ink;
  }
  void Save(const std::string& name) {
    const char* dir = std::getenv("SM_AXIS_PNG_DIR");
    if (dir) platform::SavePNG(bitmap, (std::filesystem::path(dir) / name).string(), 9);
  }
};
}  // namespace

TEST_F(AxisDrawTest, LabelsCarryTheFormatterTextAndTheCustomisedOne) {
  TiPlotXAxis* x = plot.AddX();
  PlaceHorizontal(x, canvas);
  x->GenerateTicks(canvas);
  std::vector<std::string> labels;
  for (int i = 0; i < x->TickCount(); ++i)
    if (x->Tick(i).Kind == 0) labels.push_back(x->Tick(i).Text);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels.front(), "0");
  EXPECT_EQ(labels.back(), "100");
  plot.customize = [](double v, const std::string& text) { return text + " mm"; };
  EXPECT_EQ(x->FormatLabel(40), "40 mm");
  plot.customize = [](double, const std::string&) { return std::string("a\r\nb\rc"); };
  EXPECT_EQ(x->FormatCursorText(1), "a b c");
  EXPECT_EQ(x->FormatLegendText(1), "a b c");
}

TEST_F(AxisDrawTest, CursorAndLegendUseTheirOwnSettingsWhenAsked) {
  TiPlotYAxis* y = plot.AddY();
  y->SetCursorFormatStyle(iptfExponent);
  EXPECT_EQ(y->FormatCursorText(1234), "1234");  // default format still on
  y->SetCursorUseDefaultFormat(false);
  EXPECT_EQ(y->FormatCursorText(1234), "1.23E+003");
  EXPECT_EQ(y->FormatCursorDelta(1234), "1234");
  y->SetLegendUseDefaultFormat(false);
  y->SetLegendFormatStyle(iptfThousands);
  EXPECT_EQ(y->FormatLegendText(12345), "12,345");
  y->SetScaleType(ipstLog10);
  EXPECT_EQ(y->FormatLabel(0), "Unknown");
}

TEST_F(AxisDrawTest, MeasuringGrowsTheMinimumLengthOnlyWithAutoAdjust) {
  TiPlotYAxis* y = plot.AddY();
  y->SetMinSpan(0, 1e9);
  y->MaxLabelWidth(canvas, y->LabelsFont());
  EXPECT_EQ(y->LabelsMinLength(), 5);
  y->SetLabelsMinLengthAutoAdjust(true);
  y->FormatLabel(1e9);  // not measuring: no growth
  EXPECT_EQ(y->LabelsMinLength(), 5);
  y->MaxLabelWidth(canvas, y->LabelsFont());
  EXPECT_EQ(y->LabelsMinLength(), 10);  // "1000000000"
}

TEST_F(AxisDrawTest, ThicknessAndOverhangOfLongLabels) {
  TiPlotYAxis* y = plot.AddY();
  y->SetMinSpan(0, 123456789);
  PlaceVertical(y, canvas);
  y->GenerateTicks(canvas);
  const TFont& f = y->LabelsFont();
  const int widest = y->MaxLabelWidth(canvas, f);
  EXPECT_GE(widest, W(f, "123456789"));
  const int margin = static_cast<int>(std::nearbyint(H(f, "A") * 0.25));
  EXPECT_EQ(y->GetRequiredThickness(canvas), 5 + 5 + 7 + margin + widest);
  EXPECT_EQ(y->InnerThickness(), 7 + 5 + margin + widest);
  EXPECT_EQ(y->GetEndOverhang(canvas), H(f, "XYZ") / 2);
  y->SetLabelsRotation(ira090);
  EXPECT_EQ(y->GetEndOverhang(canvas), y->MaxLabelWidth(canvas, f) / 2);

  TiPlotXAxis* x = plot.AddX();
  x->SetMinSpan(1e12, 100);
  PlaceHorizontal(x, canvas);
  x->GenerateTicks(canvas);
  const int xWidest = x->MaxLabelWidth(canvas, f);
  EXPECT_EQ(x->GetEndOverhang(canvas), xWidest / 2);
  EXPECT_EQ(x->GetRequiredThickness(canvas), 5 + 5 + 7 + margin + H(f, "1000000000000"));
  x->SetTitleShow(true);
  const TFont& t = x->TitleFont();
  EXPECT_EQ(x->GetRequiredThickness(canvas),
            5 + 5 + 7 + margin + H(f, "0") + static_cast<int>(std::nearbyint(H(t, x->Title()) * 1.25)));
  x->SetLabelsVisible(false);
  EXPECT_EQ(x->GetEndOverhang(canvas), 0);
}

TEST_F(AxisDrawTest, StackedEndsLeaveRoomForHalfALabel) {
  TiPlotXAxis* x = plot.AddX();
  x->SetStackedBefore(true);
  x->SetStackedAfter(true);
  PlaceHorizontal(x, canvas, {0, 200, 400, 240});
  x->GenerateTicks(canvas);
  x->CalcScaleRect(canvas);
  const int widest = x->MaxLabelWidth(canvas, x->LabelsFont());
  const int e = static_cast<int>(std::nearbyint(widest / 2.0) + std::nearbyint(W(x->LabelsFont(), "0") * 0.5));
  EXPECT_EQ(x->ScaleLeft(), e);
  EXPECT_EQ(x->ScaleRight(), 400 - e);
  EXPECT_EQ(x->HitRect().Left, 0);
}

TEST_F(AxisDrawTest, DrawnXAxisHasTicksAtTheirPixelsAndCentredLabels) {
  TiPlotXAxis* x = plot.AddX();
  x->SetTitleShow(true);
  x->SetTitle("Sample");
  const TRect r{50, 200, 450, 290};
  PlaceHorizontal(x, canvas, r);
  x->GenerateTicks(canvas);
  x->Draw(canvas, clBlack);
  Save("x-axis.png");
  const int line = r.Top + 5;  // below the data view, InnerMargin down
  for (int px = x->ScaleLeft(); px <= x->ScaleRight(); ++px) EXPECT_TRUE(Lit(px, line)) << px;
  const int labelTop = line + 7 + static_cast<int>(std::nearbyint(H(x->LabelsFont(), "A") * 0.25));
  for (int i = 0; i < x->TickCount(); ++i) {
    const TiPlotTickObject& tick = x->Tick(i);
    ASSERT_TRUE(tick.Visible);
    EXPECT_EQ(tick.Pixel, x->ValueToPixel(tick.Value));
    const int length = tick.Kind == 0 ? 7 : 3;
    EXPECT_TRUE(Lit(tick.Pixel, line + length - 1)) << tick.Value;
    EXPECT_FALSE(Lit(tick.Pixel, line + length + 1)) << tick.Value;
    if (tick.Kind != 0) continue;
    const int w = W(x->LabelsFont(), tick.Text);
    const TRect ink = Ink({tick.Pixel - w, labelTop, tick.Pixel + w + 1, labelTop + H(x->LabelsFont(), "0")});
    EXPECT_LE(std::abs((ink.Left + ink.Right) / 2 - tick.Pixel), 2) << tick.Text;
  }
  // The title sits OuterMargin above the bottom, centred on the scale.
  const TRect title = Ink({r.Left, labelTop + H(x->LabelsFont(), "0") + 1, r.Right, r.Bottom});
  EXPECT_LE(title.Bottom, r.Bottom - 5);
  EXPECT_LE(std::abs((title.Left + title.Right) / 2 - (x->ScaleLeft() + x->ScaleRight()) / 2), 3);
  EXPECT_GT(title.Right - title.Left, title.Bottom - title.Top);  // along the axis
}

TEST_F(AxisDrawTest, DrawnYAxisHasItsTitleTurnedAlongTheAxis) {
  TiPlotYAxis* y = plot.AddY();
  y->SetMinSpan(0, 4000);
  y->SetTitleShow(true);
  y->SetTitle("Distance");
  const TRect r{0, 20, 120, 280};
  PlaceVertical(y, canvas, r);
  y->GenerateTicks(canvas);
  y->Draw(canvas, clBlack);
  Save("y-axis.png");
  const int line = r.Right - 5;
  for (int py = y->ScaleTop(); py <= y->ScaleBottom(); ++py) EXPECT_TRUE(Lit(line, py)) << py;
  for (int i = 0; i < y->TickCount(); ++i) {
    const TiPlotTickObject& tick = y->Tick(i);
    if (tick.Kind == 0) {
      EXPECT_TRUE(Lit(line - 6, tick.Pixel)) << tick.Value;
    }
  }
  // Title: in the outer margin, taller than wide, centred on the scale.
  const TRect title = Ink({r.Left, r.Top, r.Left + 5 + H(y->TitleFont(), "D") + 1, r.Bottom});
  EXPECT_GE(title.Left, r.Left + 5);
  EXPECT_GT(title.Bottom - title.Top, title.Right - title.Left);
  EXPECT_LE(std::abs((title.Top + title.Bottom) / 2 - (y->ScaleTop() + y->ScaleBottom()) / 2), 3);
}

TEST_F(AxisDrawTest, CartesianLabelsAvoidOccupiedPlaces) {
  plot.master->AddDataView();
  plot.master->DataViewManager()->DataView(0)->SetRect({0, 0, 500, 300});
  TiPlotXAxis* x = plot.AddX();
  x->SetCartesianStyle(ipcsMaster);
  PlaceHorizontal(x, canvas, {50, 150, 450, 190});
  x->GenerateTicks(canvas);
  plot.occupied.push_back({240, 150, 260, 190});  // something in the middle
  x->PrepareDraw();
  x->Draw(canvas, clBlack);
  const int line = 150;
  for (int px = x->ScaleLeft(); px <= x->ScaleRight(); ++px) ASSERT_TRUE(Lit(px, line));
  EXPECT_TRUE(Lit(x->ValueToPixel(0), line - 4));  // marks cross the line
  const int labelTop = line + 4 + static_cast<int>(std::nearbyint(H(x->LabelsFont(), "A") * 0.25));
  const TRect middle = Ink({245, labelTop, 256, labelTop + H(x->LabelsFont(), "0")});
  EXPECT_GE(middle.Left, middle.Right);  // the label at 50 was left out
  const TRect first = Ink({40, labelTop, 60, labelTop + H(x->LabelsFont(), "0")});
  EXPECT_LT(first.Left, first.Right);
}

TEST_F(AxisDrawTest, GridLinesCrossTheDataViewAtVisibleTicks) {
  TiPlotXAxis* x = plot.AddX();
  PlaceHorizontal(x, canvas);
  x->GenerateTicks(canvas);
  x->DrawGridLines(canvas, {50, 0, 450, 100}, 1, 1, clGray, clWhite, iplsSolid, iplsSolid, false, true);
  EXPECT_TRUE(Lit(x->ValueToPixel(20), 50));
  EXPECT_FALSE(Lit(x->ValueToPixel(10), 50));  // a minor, not asked for
  x->SetGridLinesVisible(false);
  bitmap.Fill(clBlack);
  x->DrawGridLines(canvas, {50, 0, 450, 100}, 1, 1, clGray, clWhite, iplsSolid, iplsSolid, true, true);
  EXPECT_FALSE(Lit(x->ValueToPixel(20), 50));
}
