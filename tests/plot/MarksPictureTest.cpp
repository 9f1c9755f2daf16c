// A chart with limits and one annotation of each style, exported as PNG and
// decoded back: the picture a person looks at is the one the test reads.
// Set PLOT_PICTURES to a folder to keep it there.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "components/iImageExport.h"
#include "plot/dIredChannel.h"
#include "MarkTestSupport.h"

namespace {

TBitmap Picture(TColor ground, TColor disc) {
  TBitmap b(24, 24);
  b.Fill(ground);
  TCanvas& canvas = b.Canvas();
  canvas.Pen = TPen{clBlack, 1, psSolid};
  canvas.Brush = TBrush{disc, bsSolid};
  canvas.Ellipse(2, 2, 22, 22);
  return b;
}

TiPlotAnnotation* Annotate(TiPlot& plot, TiPlotAnnotationStyle style, double x, double y, TColor pen,
                           TColor brush) {
  TiPlotAnnotation* a = plot.Annotation(plot.AddAnnotation());
  a->SetStyle(style);
  a->SetX(x);
  a->SetY(y);
  a->SetPenColor(pen);
  a->SetBrushColor(brush);
  return a;
}

}  // namespace

TEST(MarksPicture, LimitBandAndEveryAnnotationStyleSurvivePng) {
  TMarkChart c(720, 480);
  TiPlot& plot = c.plot;
  plot.SetTitleText("Limits and annotations");
  plot.SetTitleVisible(true);
  TiPlotChannel* channel = plot.Channel(0);
  channel->SetColor(clLime);
  for (int i = 0; i <= 100; ++i) channel->AddXY(i, 50 + 30 * std::sin(i / 8.0));
  plot.XAxis(0)->SetMinSpan(0, 100);
  plot.YAxis(0)->SetMinSpan(0, 100);
  plot.PauseAll();

  TiPlotLimit* band = c.AddLimit();
  band->SetStyle(iplsBandY);
  band->SetColor(0x004000);
  band->SetLine1Position(65);
  band->SetLine2Position(85);
  TiPlotLimit* hatch = c.AddLimit();
  hatch->SetStyle(iplsBandX);
  hatch->SetColor(clGray);
  hatch->SetFillStyle(bsBDiagonal);
  hatch->SetLine1Position(88);
  hatch->SetLine2Position(96);
  TiPlotLimit* line = c.AddLimit();
  line->SetStyle(iplsLineY);
  line->SetLine1Position(15);
  line->SetLineStyle(psDash);

  TiPlotAnnotation* text = Annotate(plot, ipasText, 14, 92, clWhite, clWhite);
  text->SetText("Text\r\nin two lines");
  TiPlotAnnotation* segment = Annotate(plot, ipasLine, 4, 8, clYellow, clYellow);
  segment->SetX2(28);
  segment->SetY2(40);
  TiPlotAnnotation* rect = Annotate(plot, ipasRectangle, 40, 30, clWhite, clNavy);
  rect->SetWidth(12);
  rect->SetHeight(16);
  rect->SetUserCanSize(true);
  TiPlotAnnotation* lineX = Annotate(plot, ipasLineX, 70, 0, clAqua, clAqua);
  lineX->SetPenStyle(psDot);
  Annotate(plot, ipasLineY, 0, 58, clFuchsia, clFuchsia);
  plot.ImageList1().AddMasked(Picture(clWhite, clYellow), clWhite);
  TiPlotAnnotation* image = Annotate(plot, ipasImage, 58, 88, clWhite, clWhite);
  image->SetImageListIndex(1);
  TiPlotAnnotation* textRect = Annotate(plot, ipasTextRectangle, 24, 62, clWhite, clMaroon);
  textRect->SetWidth(22);
  textRect->SetHeight(10);
  textRect->SetText("Text rectangle");
  textRect->SetTextHorzAlignment(iahLeft);
  TiPlotAnnotation* ellipse = Annotate(plot, ipasEllipse, 76, 40, clRed, clPurple);
  ellipse->SetX2(92);
  ellipse->SetY2(20);
  TiPlotAnnotation* box = Annotate(plot, ipasTextBox, 84, 70, clWhite, clTeal);
  box->SetText("Box 90");
  box->SetTextRotation(ira090);
  box->SetOuterMargin(3);
  plot.SetSelectMode(true);
  rect->SetFocused(true);  // shows its handles

  const char* dir = std::getenv("PLOT_PICTURES");
  const std::string file =
      (std::filesystem::path(dir ? dir : ::testing::TempDir()) / "limits-and-annotations.png").string();
  SaveImageToPNG(plot, file, 9);
  TBitmap back;
  back.LoadFromFile(file);
  ASSERT_EQ(back.Width(), 720);
  ASSERT_EQ(back.Height(), 480);
  c.bitmap.SetSize(720, 480);
  c.Paint();

  // The filled band lies under the grid and the trace; the rest on top.
  const TiPlotDataView* view = c.view();
  auto px = [&](double x, double y) {
    return back.Pixel(view->PixelOfXPercent(x), view->PixelOfYPercent(y));
  };
  EXPECT_EQ(back.Pixel(c.x()->ValueToPixel(2), c.y()->ValueToPixel(75)), 0x004000);
  EXPECT_EQ(px(40, 30), clNavy);
  EXPECT_EQ(px(84, 30), clPurple);
  EXPECT_EQ(px(58, 88), clYellow);
  EXPECT_EQ(back.Pixel(view->PixelOfXPercent(30), view->PixelOfYPercent(58)), clFuchsia);
  EXPECT_EQ(back.Pixel(box->HitRect().Left + 1, box->HitRect().Top + 1), clTeal);
  EXPECT_GT(box->HitRect().Height(), box->HitRect().Width());
  for (int y = 0; y < back.Height(); ++y)
    for (int x = 0; x < back.Width(); ++x) ASSERT_EQ(back.Pixel(x, y), c.bitmap.Pixel(x, y)) << x << "," << y;
}
