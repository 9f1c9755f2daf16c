#include "plot/dIredLabel.h"

#include "components/iFont.h"
#include "platform/Rounding.h"

namespace {

TFont DefaultLabelFont() {
  TFont font;
  font.Name = "Arial";
  font.SetSize(14);
  font.Style = FontStyleBit(fsBold);
  font.Color = clWhite;
  return font;
}

int Scaled(int unit, double factor) { return static_cast<int>(Round(unit * factor)); }

}  // namespace

TiPlotLabel::TiPlotLabel(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks), Font_(DefaultLabelFont()) {
  SetHorizontal(true);
}

const TClassInfo& TiPlotLabel::StaticClass() {
  using L = TiPlotLabel;
  static const TClassInfo info = TClassBuilder<L>("TiPlotLabel")
                                     .Inherits<TiPlotLayoutObject>()
                                     .String("Caption", &L::Caption, &L::SetCaption)
                                     .Enum("Alignment", &L::Alignment, &L::SetAlignment)
                                     .Value("Font", &L::Font, &L::SetFont, FontClassInfo())
                                     .Float("MarginLeft", &L::MarginLeft, &L::SetMarginLeft)
                                     .Float("MarginTop", &L::MarginTop, &L::SetMarginTop)
                                     .Float("MarginRight", &L::MarginRight, &L::SetMarginRight)
                                     .Float("MarginBottom", &L::MarginBottom, &L::SetMarginBottom)
                                     .Build();
  return info;
}

TiPlotLabel::Margins TiPlotLabel::Measure(TCanvas* canvas) const {
  canvas->Font = Font_;
  const TSize zero = canvas->TextExtent("0");
  return {Scaled(zero.cx, MarginLeft_), Scaled(zero.cy, MarginTop_), Scaled(zero.cx, MarginRight_),
          Scaled(zero.cy, MarginBottom_)};
}

// Line breaks count: every line of the caption adds its height.
int TiPlotLabel::CaptionHeight(TCanvas* canvas) const {
  TRect box{0, 0, 1 << 20, 0};
  return canvas->DrawText(Caption_, box, dtCalcRect | dtNoClip);
}

int TiPlotLabel::GetRequiredThickness(TCanvas* canvas) {
  const Margins m = Measure(canvas);
  return CaptionHeight(canvas) + m.Top + m.Bottom;
}

void TiPlotLabel::Draw(TCanvas* canvas, TColor) {
  if (!Visible()) return;
  const Margins m = Measure(canvas);
  canvas->Font = Font_;
  canvas->Brush.Style = bsClear;
  if (IsHorizontal())
    DrawHorizontal(canvas, m);
  else
    DrawVertical(canvas, m);
}

void TiPlotLabel::DrawHorizontal(TCanvas* canvas, const Margins& m) {
  const TRect& r = GetRect();
  TRect box{r.Left + m.Left, r.Top + m.Top, r.Right - m.Right, r.Bottom - m.Bottom};
  const TDrawTextFlags align = Alignment_ == iahCenter ? dtCenter : Alignment_ == iahRight ? TDrawTextFlags{dtRight} : TDrawTextFlags{0};
  canvas->DrawText(Caption_, box, align | dtNoClip);
}

// Rotated by 90 degrees, reading upward: the text's top-left corner is the
// lower end of its first line.
void TiPlotLabel::DrawVertical(TCanvas* canvas, const Margins& m) {
  const TRect& r = GetRect();
  canvas->Font.Orientation = 900;
  const int width = canvas->TextWidth(Caption_);
  int y = 0;
  switch (Alignment_) {
    case iahCenter: y = (r.Top + r.Bottom) / 2 + width / 2; break;
    case iahLeft: y = r.Bottom - m.Left; break;
    case iahRight: y = r.Top + m.Right + width; break;
  }
  canvas->TextOut(r.Left + m.Top, y, Caption_);
  canvas->Font.Orientation = 0;
}
