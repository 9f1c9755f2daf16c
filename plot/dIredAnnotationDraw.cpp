// Painting of an annotation: its reference, the clip to the channel's axes,
// the figure of its style, and the rectangles the mouse works on afterwards.
#include <limits>

#include "platform/Rounding.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataView.h"
#include "plot/iRectGeometry.h"
#include "plot/iTextBlock.h"

namespace {

constexpr int kHandleSize = 6;
constexpr int kLineHitMargin = 5;

TDrawTextFlags HorzFlag(TiAlignmentHorizontal a) {
  return a == iahCenter ? dtCenter : a == iahRight ? TDrawTextFlags{dtRight} : TDrawTextFlags{0};
}

}  // namespace

void TiPlotAnnotation::Draw(TCanvas* canvas, TColor backGroundColor) {
  Drawn_ = false;
  HasHandles_ = false;
  if (!Visible()) return;
  TScales s;
  if (!ResolveScales(s)) return;
  ClipToChannelAxes(canvas);
  canvas->Pen = Pen_;
  canvas->Brush = Brush_;
  canvas->Font = Font_;
  DrawFigure(canvas, s, PixelOf(s, X_, Y_));
  if (Drawn_ && HasHandles_ && Focused() && ShowFocusRect_) InvertHandles(canvas);
}

void TiPlotAnnotation::DrawFigure(TCanvas* canvas, const TScales& s, TPoint anchor) {
  switch (Style_) {
    case ipasText: return DrawText(canvas, anchor, false);
    case ipasTextBox: return DrawText(canvas, anchor, true);
    case ipasLine: {
      const TPoint end = PixelOf(s, X2_, Y2_);
      if (!MayDraw(Normalized({anchor.X, anchor.Y, end.X, end.Y}))) return;
      canvas->MoveTo(anchor.X, anchor.Y);
      canvas->LineTo(end.X, end.Y);
      return;  // a line has no hit area
    }
    case ipasRectangle:
    case ipasTextRectangle: {
      const TPoint a = PixelOf(s, X_ - Width_ / 2, Y_ - Height_ / 2), b = PixelOf(s, X_ + Width_ / 2, Y_ + Height_ / 2);
      const TRect figure = Normalized({a.X, a.Y, b.X, b.Y});
      if (!MayDraw(figure)) return;
      canvas->Rectangle(figure);
      MarkFigure(figure);
      if (Style_ == ipasTextRectangle) DrawRectangleText(canvas, figure);
      return;
    }
    case ipasEllipse: {
      const TPoint b = PixelOf(s, X2_, Y2_);
      const TRect figure = Normalized({anchor.X, anchor.Y, b.X, b.Y});
      if (!MayDraw(figure)) return;
      canvas->Ellipse(figure);
      MarkFigure(figure);
      return;
    }
    case ipasLineX: return DrawMarkerLine(canvas, s.X.ValueToPixel(X_), true);
    case ipasLineY: return DrawMarkerLine(canvas, s.Y.ValueToPixel(Y_), false);
    case ipasImage: return DrawImage(canvas, anchor);
  }
}

// The rectangle spanned by the channel's axes, narrowing the clip in force.
void TiPlotAnnotation::ClipToChannelAxes(TCanvas* canvas) {
  TiPlotAnnotationHost* host = Host();
  const bool byChart = Reference_ == iprtChannel && host && host->ClipAnnotationsToAxes();
  if (!ClipToAxes_ && !byChart) return;
  TiPlotChannelCustom* channel = Channel();
  TiPlotAxis* x = channel ? channel->XAxis() : nullptr;
  TiPlotAxis* y = channel ? channel->YAxis() : nullptr;
  if (!x || !y) return;
  TRect axes = Oriented(Normalized({x->PixelStart(), y->PixelStart(), x->PixelEnd(), y->PixelEnd()}), XYAxesReverse());
  // The far ends are pixels of the axes too.
  axes.Right += 1;
  axes.Bottom += 1;
  canvas->IntersectClipRect(axes);
}

TRect TiPlotAnnotation::ViewRect() const {
  if (DataView_) return DataView_->GetRect();
  constexpr int big = std::numeric_limits<int>::max() / 2;
  return {-big, -big, big, big};
}

// A figure entirely outside the data view is not drawn at all.
bool TiPlotAnnotation::MayDraw(const TRect& figure) const {
  return Intersects(Inflated(figure, 1, 1), ViewRect());
}

void TiPlotAnnotation::MarkDrawn(const TRect& hit) {
  HitRect_ = Intersection(hit, ViewRect());
  Figure_ = hit;
  Drawn_ = true;
}

void TiPlotAnnotation::MarkFigure(const TRect& figure) {
  MarkDrawn(figure);
  const TRect view = ViewRect();
  Handles_[ihTopLeft] = Intersection(Centred({figure.Left, figure.Top}, kHandleSize), view);
  Handles_[ihTopRight] = Intersection(Centred({figure.Right, figure.Top}, kHandleSize), view);
  Handles_[ihBottomLeft] = Intersection(Centred({figure.Left, figure.Bottom}, kHandleSize), view);
  Handles_[ihBottomRight] = Intersection(Centred({figure.Right, figure.Bottom}, kHandleSize), view);
  HasHandles_ = true;
}

// Unturned text is placed by the alignments around the anchor and wraps to
// its widest line; turned text is centred on the anchor. A text box draws
// its frame first, the text on top.
void TiPlotAnnotation::DrawText(TCanvas* canvas, TPoint anchor, bool framed) {
  const std::vector<std::string> lines = TextLines(Text_);
  const int turns = TextRotation_;
  TRect box;
  if (turns == ira000) {
    const TSize block = TextBlockExtent(*canvas, lines);
    TRect wrapped{0, 0, block.cx, 0};
    canvas->DrawText(Text_, wrapped, dtCalcRect | dtWordBreak);
    const int w = block.cx, h = wrapped.Height();
    const int left = TextHorzAlignment_ == iahCenter ? anchor.X - w / 2
                     : TextHorzAlignment_ == iahLeft ? anchor.X
                                                     : anchor.X - w;
    const int top = TextVertAlignment_ == iavCenter ? anchor.Y - h / 2
                    : TextVertAlignment_ == iavTop  ? anchor.Y
                                                    : anchor.Y - h;
    box = Bounds(left, top, w, h);
  } else {
    box = TurnedTextBox(TextBlockExtent(*canvas, lines), anchor, turns);
  }
  const TRect hit = framed ? TRect{box.Left - OuterMargin_ - 3, box.Top - OuterMargin_,
                                   box.Right + OuterMargin_ + 2, box.Bottom + OuterMargin_}
                           : box;
  if (!MayDraw(hit)) return;
  if (framed) canvas->Rectangle(hit);
  canvas->Brush.Style = bsClear;
  if (turns == ira000) canvas->DrawText(Text_, box, dtNoClip | dtWordBreak | HorzFlag(TextHorzAlignment_));
  else DrawTurnedText(*canvas, lines, box, turns);
  MarkDrawn(hit);
}

// A vertical line over the data view's height at an X, or a horizontal one
// over its width at a Y; the other way round with reversed axes.
void TiPlotAnnotation::DrawMarkerLine(TCanvas* canvas, int pixel, bool alongX) {
  const TRect view = ViewRect();
  const bool vertical = alongX != XYAxesReverse();
  const TRect line =
      vertical ? TRect{pixel, view.Top, pixel + 1, view.Bottom} : TRect{view.Left, pixel, view.Right, pixel + 1};
  if (!MayDraw(line)) return;
  canvas->MoveTo(line.Left, line.Top);
  if (vertical) canvas->LineTo(pixel, view.Bottom);
  else canvas->LineTo(view.Right, pixel);
  MarkDrawn(vertical ? Inflated(line, kLineHitMargin, 0) : Inflated(line, 0, kLineHitMargin));
}

void TiPlotAnnotation::DrawImage(TCanvas* canvas, TPoint anchor) {
  TiPlotAnnotationHost* host = Host();
  if (!host) return;
  const TiPlotImageList& list = host->ImageList(ImageListIndex_);
  if (ImageIndex_ < 0 || ImageIndex_ >= list.Count()) return;
  const int size = list.Size();
  const TRect image = Bounds(anchor.X - size / 2, anchor.Y - size / 2, size, size);
  if (!MayDraw(image)) return;
  list.Draw(*canvas, image.Left, image.Top, ImageIndex_, Enabled());
  MarkDrawn(image);
}

// One line, unclipped, kept off the rectangle's edges by the margins in
// letter sizes.
void TiPlotAnnotation::DrawRectangleText(TCanvas* canvas, TRect box) {
  const TSize letter = canvas->TextExtent("A");
  const int dx = static_cast<int>(Round(letter.cx * TextHorzMargin_));
  const int dy = static_cast<int>(Round(letter.cy * TextVertMargin_));
  if (TextHorzAlignment_ == iahLeft) box.Left += dx;
  if (TextHorzAlignment_ == iahRight) box.Right -= dx;
  if (TextVertAlignment_ == iavTop) box.Top += dy;
  if (TextVertAlignment_ == iavBottom) box.Bottom -= dy;
  const TDrawTextFlags vert = TextVertAlignment_ == iavCenter ? dtVCenter
                              : TextVertAlignment_ == iavBottom ? TDrawTextFlags{dtBottom}
                                                                : TDrawTextFlags{0};
  canvas->Brush.Style = bsClear;
  canvas->DrawText(Text_, box, dtSingleLine | dtNoClip | HorzFlag(TextHorzAlignment_) | vert);
}

void TiPlotAnnotation::InvertHandles(TCanvas* canvas) {
  if (Pen_.Style == psSolid) canvas->Brush.Color = Pen_.Color;
  canvas->Brush.Style = bsSolid;
  canvas->Pen.Style = psSolid;
  for (const TRect& handle : Handles_) canvas->InvertRect(handle);
}
