#include <gtest/gtest.h>

#include <vector>

#include "MarkTestSupport.h"
#include "plot/dIredChannel.h"

namespace {

// The data view's percent scale of the chart, as annotations use it.
struct TPercent {
  const TMarkChart& c;
  int X(double p) const { return c.view()->PixelOfXPercent(p); }
  int Y(double p) const { return c.view()->PixelOfYPercent(p); }
  double ValueX(int pixel) const { return c.view()->XPercentOfPixel(pixel); }
  double ValueY(int pixel) const { return c.view()->YPercentOfPixel(pixel); }
};

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// The smallest rectangle around every pixel of `color`.
TRect BoundsOf(const TInk& ink, TColor color) {
  TRect r{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
  for (const auto& [p, c] : ink) {
    if (c != color) continue;
    r.Left = std::min(r.Left, p.first), r.Right = std::max(r.Right, p.first + 1);
    r.Top = std::min(r.Top, p.second), r.Bottom = std::max(r.Bottom, p.second + 1);
  }
  return r;
}

// The smallest rectangle around the text's (dark, smoothed) pixels.
TRect TextBounds(const TInk& ink) {
  TInk dark;
  for (const auto& [p, c] : ink)
    if (GetRValue(c) < 0x80 && GetGValue(c) < 0x80 && GetBValue(c) < 0x80) dark[p] = clBlack;
  EXPECT_FALSE(dark.empty()) << "no text drawn";
  return BoundsOf(dark, clBlack);
}

bool Inside(const TRect& outer, const TRect& inner) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

struct TAnnotationChart : TMarkChart {
  TPercent pc{*this};
  TiPlotAnnotation* Add(TiPlotAnnotationStyle style, double x, double y) {
    TiPlotAnnotation* a = AddAnnotation();
    a->SetStyle(style);
    a->SetX(x);
    a->SetY(y);
    a->SetPenColor(clBlue);
    a->SetBrushColor(clRed);
    TFont font = a->Font();
    font.Color = clBlack;
    a->SetFont(font);
    Paint();
    return a;
  }
};

}  // namespace

TEST(Annotation, AddingThroughThePlotAppliesTheChartDefaults) {
  TAnnotationChart c;
  TiPlotAnnotation* plain = c.AddAnnotation();
  EXPECT_EQ(plain->Style(), ipasText);
  EXPECT_EQ(plain->Reference(), iprtDataView);
  EXPECT_EQ(plain->PenWidth(), 1);
  EXPECT_EQ(plain->Font().Color, clWhite);
  EXPECT_EQ(plain->TextHorzMargin(), 1.0);
  EXPECT_TRUE(plain->ShowFocusRect());
  EXPECT_TRUE(plain->Name().empty());  // annotations are never named

  TFont font;
  font.Name = "Courier New";
  font.Color = clYellow;
  c.plot.SetAnnotationDefaultFont(font);
  c.plot.SetAnnotationDefaultBrushStlye(bsCross);
  c.plot.SetAnnotationDefaultBrushColor(clGreen);
  c.plot.SetAnnotationDefaultPenStlye(psDot);
  c.plot.SetAnnotationDefaultPenColor(clNavy);
  c.plot.SetAnnotationDefaultPenWidth(4);
  TiPlotAnnotation* a = c.AddAnnotation();
  EXPECT_EQ(a->Font(), font);
  EXPECT_EQ(a->BrushStyle(), bsCross);
  EXPECT_EQ(a->BrushColor(), clGreen);
  EXPECT_EQ(a->PenStyle(), psDot);
  EXPECT_EQ(a->PenColor(), clNavy);
  EXPECT_EQ(a->PenWidth(), 4);
  EXPECT_EQ(c.plot.AnnotationCount(), 2);
}

TEST(Annotation, ShapesLandOnTheirPercentCoordinates) {
  TAnnotationChart c;
  const TPercent& p = c.pc;

  TiPlotAnnotation* rect = c.Add(ipasRectangle, 50, 50);
  rect->SetWidth(20);
  rect->SetHeight(10);
  TInk ink = c.Alone(rect);
  const TRect figure{p.X(40), p.Y(55), p.X(60), p.Y(45)};
  EXPECT_EQ(BoundsOf(ink, clBlue), figure);
  EXPECT_EQ(At(ink, p.X(50), p.Y(50)), clRed);
  EXPECT_EQ(rect->HitRect(), figure);
  EXPECT_EQ(rect->HandleRect(TiPlotAnnotation::ihBottomRight), Bounds(figure.Right - 3, figure.Bottom - 3, 6, 6));
  rect->SetVisible(false);

  TiPlotAnnotation* ellipse = c.Add(ipasEllipse, 20, 80);
  ellipse->SetX2(40);
  ellipse->SetY2(60);
  ink = c.Alone(ellipse);
  EXPECT_EQ(BoundsOf(ink, clBlue), (TRect{p.X(20), p.Y(80), p.X(40), p.Y(60)}));
  EXPECT_EQ(At(ink, p.X(30), p.Y(70)), clRed);
  EXPECT_FALSE(Has(ink, p.X(20) + 1, p.Y(80) + 1));  // the corner lies outside the ellipse
  ellipse->SetVisible(false);

  TiPlotAnnotation* lineX = c.Add(ipasLineX, 25, 0);
  ink = c.Alone(lineX);
  const TRect view = c.viewRect();
  EXPECT_EQ(BoundsOf(ink, clBlue), (TRect{p.X(25), view.Top, p.X(25) + 1, view.Bottom}));
  EXPECT_EQ(lineX->HitRect(), (TRect{p.X(25) - 5, view.Top, p.X(25) + 6, view.Bottom}));
  lineX->SetVisible(false);

  TiPlotAnnotation* lineY = c.Add(ipasLineY, 0, 75);
  ink = c.Alone(lineY);
  EXPECT_EQ(BoundsOf(ink, clBlue), (TRect{view.Left, p.Y(75), view.Right, p.Y(75) + 1}));

  // Entirely outside the data view: nothing drawn, nothing to hit.
  lineY->SetY(150);
  EXPECT_TRUE(c.Alone(lineY).empty());
  EXPECT_FALSE(lineY->Drawn());
}

TEST(Annotation, ALineIsDrawnButNeverSelectable) {
  TAnnotationChart c;
  TiPlotAnnotation* line = c.Add(ipasLine, 10, 10);
  line->SetX2(90);
  line->SetY2(10);
  line->SetUserCanMove(true);
  c.plot.SetSelectMode(true);
  const TInk ink = c.Alone(line);
  EXPECT_TRUE(Has(ink, c.pc.X(50), c.pc.Y(10)));
  EXPECT_FALSE(line->Drawn());
  c.Paint();
  EXPECT_NE(c.plot.HitTest(c.pc.X(50), c.pc.Y(10)), line);
  c.Press({c.pc.X(50), c.pc.Y(10)});
  c.Drag({c.pc.X(50) + 20, c.pc.Y(10)});
  c.Release({c.pc.X(50) + 20, c.pc.Y(10)});
  EXPECT_EQ(line->X(), 10);
  EXPECT_FALSE(line->Focused());
}

TEST(Annotation, TextIsPlacedByItsAlignmentsUnlessTurned) {
  TAnnotationChart c;
  TiPlotAnnotation* text = c.Add(ipasText, 50, 50);
  text->SetText("Wide line\r\nB\rC");
  const TPoint anchor{c.pc.X(50), c.pc.Y(50)};
  TInk ink = c.Alone(text);
  const TRect centred = text->HitRect();
  EXPECT_EQ(Centre(centred).X, anchor.X);
  EXPECT_NEAR(Centre(centred).Y, anchor.Y, 1);
  TBitmap measure(10, 10);
  measure.Canvas().Font = text->Font();
  EXPECT_EQ(centred.Width(), measure.Canvas().TextWidth("Wide line"));
  EXPECT_EQ(centred.Height(), 3 * measure.Canvas().TextHeight("Wg"));  // CR LF, CR: three lines
  EXPECT_TRUE(Inside(centred, TextBounds(ink)));

  text->SetTextHorzAlignment(iahLeft);
  text->SetTextVertAlignment(iavTop);
  c.Alone(text);
  EXPECT_EQ(text->HitRect().Left, anchor.X);
  EXPECT_EQ(text->HitRect().Top, anchor.Y);
  text->SetTextHorzAlignment(iahRight);
  text->SetTextVertAlignment(iavBottom);
  c.Alone(text);
  EXPECT_EQ(text->HitRect().Right, anchor.X);
  EXPECT_EQ(text->HitRect().Bottom, anchor.Y);

  // Turned by 90 degrees: centred on the anchor whatever the alignments,
  // the box as wide as the text is high.
  text->SetTextRotation(ira090);
  ink = c.Alone(text);
  const TRect turned = text->HitRect();
  EXPECT_EQ(turned.Width(), centred.Height());
  EXPECT_EQ(turned.Height(), centred.Width());
  EXPECT_NEAR(Centre(turned).X, anchor.X, 1);
  EXPECT_NEAR(Centre(turned).Y, anchor.Y, 1);
  const TRect drawn = TextBounds(ink);
  EXPECT_TRUE(Inside(turned, drawn));
  EXPECT_GT(drawn.Height(), drawn.Width());
  text->SetTextHorzAlignment(iahLeft);
  c.Alone(text);
  EXPECT_EQ(text->HitRect(), turned);

  // The hit box follows the turn: the pointer above the anchor hits it now.
  c.plot.SetSelectMode(true);
  c.Paint();
  EXPECT_EQ(c.plot.HitTest(anchor.X, turned.Top + 2), text);
  EXPECT_NE(c.plot.HitTest(centred.Left + 1, anchor.Y), text);
}

TEST(Annotation, TextBoxFramesItsTextAndTextRectangleKeepsItsMargins) {
  TAnnotationChart c;
  TiPlotAnnotation* box = c.Add(ipasTextBox, 30, 50);
  box->SetText("Box");
  box->SetBrushColor(clYellow);
  TInk ink = c.Alone(box);
  box->SetOuterMargin(4);
  const TRect before = box->HitRect();
  ink = c.Alone(box);
  const TRect after = box->HitRect();
  EXPECT_EQ(after.Width(), before.Width() + 8);
  EXPECT_EQ(after.Height(), before.Height() + 8);
  EXPECT_EQ(BoundsOf(ink, clBlue), after);  // the frame, in the pen
  EXPECT_EQ(At(ink, after.Left + 2, after.Top + 2), clYellow);
  EXPECT_TRUE(Inside(after, TextBounds(ink)));

  TiPlotAnnotation* rect = c.Add(ipasTextRectangle, 70, 50);
  rect->SetWidth(20);
  rect->SetHeight(20);
  rect->SetBrushColor(clWhite);
  rect->SetText("AA");
  rect->SetTextHorzAlignment(iahLeft);
  rect->SetTextHorzMargin(2);
  ink = c.Alone(rect);
  const TRect figure = rect->HitRect();
  TBitmap measure(10, 10);
  measure.Canvas().Font = rect->Font();
  const int letter = measure.Canvas().TextWidth("A");
  const TRect text = TextBounds(ink);
  EXPECT_GE(text.Left, figure.Left + 2 * letter);
  EXPECT_LE(text.Left, figure.Left + 3 * letter);
  EXPECT_NEAR(Centre(text).Y, Centre(figure).Y, 2);
}

TEST(Annotation, ImagesComeFromTheChosenListAndOtherIndexesTakeTheThird) {
  TAnnotationChart c;
  TBitmap blue(24, 24), red(24, 24);
  blue.Fill(clBlue);
  red.Fill(clRed);
  c.plot.ImageList0().AddMasked(blue, clWhite);
  c.plot.ImageList1().AddMasked(blue, clWhite);
  c.plot.ImageList2().AddMasked(red, clWhite);
  TiPlotAnnotation* image = c.Add(ipasImage, 50, 50);
  image->SetImageListIndex(5);
  const TInk ink = c.Alone(image);
  const TPoint anchor{c.pc.X(50), c.pc.Y(50)};
  EXPECT_EQ(BoundsOf(ink, clRed), Bounds(anchor.X - 12, anchor.Y - 12, 24, 24));
  EXPECT_EQ(image->HitRect(), Bounds(anchor.X - 12, anchor.Y - 12, 24, 24));
  image->SetImageListIndex(1);
  EXPECT_EQ(BoundsOf(c.Alone(image), clBlue), Bounds(anchor.X - 12, anchor.Y - 12, 24, 24));
  image->SetImageIndex(1);  // no such image
  EXPECT_TRUE(c.Alone(image).empty());
  EXPECT_FALSE(image->Drawn());
}

TEST(Annotation, InChannelUnitsItStaysOnItsDataPointWhileTheAxisScrolls) {
  TAnnotationChart c;
  TiPlotAnnotation* mark = c.Add(ipasLineX, 30, 0);
  mark->SetReference(iprtChannel);
  mark->SetChannelName("Channel 1");
  c.Paint();
  EXPECT_EQ(BoundsOf(c.Alone(mark), clBlue).Left, c.x()->ValueToPixel(30));
  c.x()->SetMin(20);
  c.Paint();
  EXPECT_EQ(BoundsOf(c.Alone(mark), clBlue).Left, c.x()->ValueToPixel(30));
  EXPECT_EQ(mark->HitRect().Left, c.x()->ValueToPixel(30) - 5);

  // A channel that is not there: nothing is drawn and the mouse is ignored.
  mark->SetChannelName("Channel 9");
  c.plot.SetSelectMode(true);
  c.Paint();
  EXPECT_TRUE(c.Alone(mark).empty());
  EXPECT_NE(c.plot.HitTest(c.x()->ValueToPixel(30), c.pc.Y(50)), mark);
  // Renaming the channel takes the annotation's name with it.
  mark->SetChannelName("Channel 1");
  c.Paint();
  c.plot.ChannelCustom(0)->SetName("Distance");
  EXPECT_EQ(mark->ChannelName(), "Distance");
  c.plot.DeleteChannel(0);
  c.Paint();
  EXPECT_TRUE(c.Alone(mark).empty());
}

TEST(Annotation, ClipsToTheChannelsAxesWhenAsked) {
  TAnnotationChart c;
  c.y()->SetStopPercent(50);  // the channel's y axis covers the lower half of the view,
  c.plot.AddYAxis();           // another one all of it
  TiPlotAnnotation* rect = c.Add(ipasRectangle, 50, 50);
  rect->SetWidth(200);
  rect->SetHeight(200);
  rect->SetChannelName("Channel 1");
  c.Paint();
  auto painted = [&](int y) { return c.bitmap.Pixel(c.pc.X(50), y) == clRed; };
  EXPECT_TRUE(painted(c.pc.Y(90)));  // data view reference: the chart's setting does not apply
  rect->SetClipToAxes(true);
  c.Paint();
  EXPECT_FALSE(painted(c.pc.Y(90)));
  EXPECT_TRUE(painted(c.pc.Y(10)));
  rect->SetClipToAxes(false);
  rect->SetReference(iprtChannel);  // the chart clips channel annotations
  c.Paint();
  EXPECT_FALSE(painted(c.y()->ValueToPixel(c.y()->Max()) - 5));
  c.plot.SetClipAnnotationsToAxes(false);
  c.Paint();
  EXPECT_TRUE(painted(c.y()->ValueToPixel(c.y()->Max()) - 5));
}

TEST(Annotation, HandlesHitOnlyInSelectModeAndInvertWhenSelected) {
  TAnnotationChart c;
  TiPlotAnnotation* rect = c.Add(ipasRectangle, 50, 50);
  rect->SetWidth(20);
  rect->SetHeight(20);
  rect->SetUserCanSize(true);
  c.Paint();
  const TRect handle = rect->HandleRect(TiPlotAnnotation::ihTopLeft);
  const TPoint corner{handle.Left + 1, handle.Top + 1};  // outside the figure
  rect->SetFocused(true);
  EXPECT_NE(c.plot.HitTest(corner.X, corner.Y), rect);
  EXPECT_NE(c.plot.HitTest(c.pc.X(50), c.pc.Y(50)), rect);
  c.plot.SetSelectMode(true);
  EXPECT_EQ(c.plot.HitTest(corner.X, corner.Y), rect);
  EXPECT_EQ(rect->GetMouseCursor(corner), crSizeNWSE);
  const TRect tr = rect->HandleRect(TiPlotAnnotation::ihTopRight);
  EXPECT_EQ(rect->GetMouseCursor({tr.Left + 1, tr.Top + 1}), crSizeNESW);
  EXPECT_EQ(rect->GetMouseCursor({c.pc.X(50), c.pc.Y(50)}), crHandPoint);

  // Selected with ShowFocusRect: the handles' pixels are inverted.
  const TInk selected = c.Alone(rect);
  EXPECT_EQ(At(selected, corner.X, corner.Y), 0x000000);  // white inverted
  EXPECT_EQ(At(selected, handle.Right - 1, handle.Bottom - 1), 0xFFFF00);  // red inverted
  rect->SetShowFocusRect(false);
  EXPECT_FALSE(Has(c.Alone(rect), corner.X, corner.Y));

  // Selecting another object lets the annotation go.
  c.plot.DataView(0)->SetFocused(true);
  EXPECT_FALSE(rect->Focused());
}

TEST(Annotation, BottomRightHandleDraggedPastTheTopLeftGivesPositiveSize) {
  TAnnotationChart c;
  TiPlotAnnotation* rect = c.Add(ipasRectangle, 50, 50);
  rect->SetWidth(20);
  rect->SetHeight(20);
  rect->SetUserCanSize(true);
  c.plot.SetSelectMode(true);
  c.Paint();
  std::vector<int> changes, finished;
  c.plot.OnAnnotationCoordinatesChange = [&](TiPlotComponent*, int i) { changes.push_back(i); };
  c.plot.OnAnnotationCoordinatesChangeFinished = [&](TiPlotComponent*, int i) { finished.push_back(i); };
  const TRect figure = rect->HitRect();
  const TRect br = rect->HandleRect(TiPlotAnnotation::ihBottomRight);
  const TPoint press{br.Left + 1, br.Top + 1};
  const TPoint to{press.X - figure.Width() - 40, press.Y - figure.Height() - 30};
  c.Press(press);
  c.Drag(to);
  const int right = figure.Left - 40, bottom = figure.Top - 30;  // where the corner went
  EXPECT_NEAR(rect->Width(), c.pc.ValueX(figure.Left) - c.pc.ValueX(right), 1e-9);
  EXPECT_NEAR(rect->Height(), c.pc.ValueY(bottom) - c.pc.ValueY(figure.Top), 1e-9);
  EXPECT_NEAR(rect->X(), (c.pc.ValueX(figure.Left) + c.pc.ValueX(right)) / 2, 1e-9);
  EXPECT_NEAR(rect->Y(), (c.pc.ValueY(figure.Top) + c.pc.ValueY(bottom)) / 2, 1e-9);
  EXPECT_GT(rect->Width(), 0);
  EXPECT_GT(rect->Height(), 0);
  EXPECT_EQ(changes, std::vector<int>{0});
  EXPECT_TRUE(finished.empty());
  c.Release(to);
  EXPECT_EQ(finished, std::vector<int>{0});
  c.Paint();
  EXPECT_EQ(rect->HitRect(), (TRect{right, bottom, figure.Left, figure.Top}));
}

TEST(Annotation, MovingFollowsEachStylesRule) {
  TAnnotationChart c;
  c.plot.SetSelectMode(true);
  TiPlotAnnotation* text = c.Add(ipasText, 30, 30);
  text->SetText("Move me");
  text->SetUserCanMove(true);
  TiPlotAnnotation* ellipse = c.Add(ipasEllipse, 60, 60);
  ellipse->SetX2(80);
  ellipse->SetY2(80);
  ellipse->SetUserCanMove(true);
  c.Paint();
  int clicks = 0;
  c.plot.OnClick[ipekAnnotation] = [&](TiPlotComponent*, int) { ++clicks; };

  // Text: the anchor goes where the pointer carried it.
  TPoint from = Centre(text->HitRect());
  c.Press(from);
  c.Drag({from.X + 90, from.Y - 20});
  EXPECT_NEAR(text->X(), c.pc.ValueX(c.pc.X(30) + 90), 1e-9);
  EXPECT_NEAR(text->Y(), c.pc.ValueY(c.pc.Y(30) - 20), 1e-9);
  c.Release({from.X + 90, from.Y - 20});
  EXPECT_EQ(clicks, 0);  // released away from where it was drawn

  // Ellipse: both corners by the value distance the pointer covered.
  from = Centre(ellipse->HitRect());
  c.Press(from);
  c.Release(from);
  EXPECT_EQ(clicks, 1);
  c.Press(from);
  c.Drag({from.X - 50, from.Y});
  const double dx = c.pc.ValueX(from.X - 50) - c.pc.ValueX(from.X);
  EXPECT_NEAR(ellipse->X(), 60 + dx, 1e-9);
  EXPECT_NEAR(ellipse->X2(), 80 + dx, 1e-9);
  EXPECT_NEAR(ellipse->Y(), 60, 1e-9);
  EXPECT_NEAR(ellipse->Y2(), 80, 1e-9);
  c.Release({from.X - 50, from.Y});

  // Not allowed to move: the press selects, the drag changes nothing.
  text->SetUserCanMove(false);
  c.Paint();
  from = Centre(text->HitRect());
  const double x = text->X();
  c.Press(from);
  c.Drag({from.X + 30, from.Y});
  c.Release({from.X + 30, from.Y});
  EXPECT_TRUE(text->Focused());
  EXPECT_EQ(text->X(), x);
}

TEST(Annotation, WithReversedAxesTheHorizontalDragChangesY) {
  TAnnotationChart c;
  c.plot.SetXYAxesReverse(true);
  c.plot.SetSelectMode(true);
  TiPlotAnnotation* text = c.Add(ipasText, 40, 60);
  text->SetText("T");
  text->SetUserCanMove(true);
  c.Paint();
  // X runs upwards now, Y to the right.
  const TPoint anchor = Centre(text->HitRect());
  EXPECT_NEAR(anchor.X, c.pc.X(60), 1);
  EXPECT_NEAR(anchor.Y, c.pc.Y(40), 1);
  ASSERT_EQ(c.plot.HitTest(anchor.X, anchor.Y), text);
  c.Press(anchor);
  c.Drag({anchor.X + 40, anchor.Y});
  EXPECT_NEAR(text->X(), 40, 0.5);  // the anchor's own pixel
  EXPECT_NEAR(text->Y(), c.pc.ValueX(c.pc.X(60) + 40), 1e-9);
  c.Release({anchor.X + 40, anchor.Y});
}

TEST(Annotation, CoordinateSettersReportUnlessLoadingOrLocked) {
  TAnnotationChart c;
  c.AddAnnotation();
  TiPlotAnnotation* a = c.AddAnnotation();
  std::vector<int> changes;
  c.plot.OnAnnotationCoordinatesChange = [&](TiPlotComponent*, int i) { changes.push_back(i); };
  a->SetX(5);
  a->SetX(5);  // unchanged: no report
  a->SetHeight(3);
  a->SetText("not a coordinate");
  EXPECT_EQ(changes, (std::vector<int>{1, 1}));
  c.plot.BeginUpdate();
  a->SetY2(7);
  c.plot.EndUpdate();
  EXPECT_EQ(changes.size(), 2u);
  EXPECT_EQ(a->Y2(), 7);
}
