#include "components/iSevenSegmentCharacter.h"

#include <algorithm>

#include "components/iSevenSegmentGlyphs.h"
#include "platform/SystemColors.h"

namespace {
constexpr TColor kPaletteRelative = 0x02000000;
}  // namespace

TiSevenSegmentCharacter::TiSevenSegmentCharacter() {
  SetBackGroundColor(clBlack);
  DoAutoSize();
}

const TClassInfo& TiSevenSegmentCharacter::StaticClass() {
  using T = TiSevenSegmentCharacter;
  static const TClassInfo info =
      TClassBuilder<T>("TiSevenSegmentCharacter")
          .Inherits<TiCustomComponent>()
          .Enum("Value", &T::Value, &T::SetValue).Default(ssc0)
          .Char("Character", &T::Character, &T::SetCharacter).Default('0')
          .Color("SegmentColor", &T::SegmentColor, &T::SetSegmentColor).Default(clLime)
          .Color("SegmentOffColor", &T::SegmentOffColor, &T::SetSegmentOffColor).Default(clGreen)
          .Bool("AutoSegmentOffColor", &T::AutoSegmentOffColor, &T::SetAutoSegmentOffColor).Default(1)
          .Bool("ShowOffSegments", &T::ShowOffSegments, &T::SetShowOffSegments).Default(1)
          .Bool("PowerOff", &T::PowerOff, &T::SetPowerOff).Default(0)
          .Integer("SegmentSize", &T::SegmentSize, &T::SetSegmentSize).Default(1)
          .Integer("SegmentSeperation", &T::SegmentSeperation, &T::SetSegmentSeperation).Default(1)
          .Integer("SegmentMargin", &T::SegmentMargin, &T::SetSegmentMargin).Default(2)
          .Bool("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(1)
          .Bool("UseSegmentBits", &T::UseSegmentBits, &T::SetUseSegmentBits).Default(0)
          .Bool("SegAOn", &T::SegAOn, &T::SetSegAOn).Default(0)
          .Bool("SegBOn", &T::SegBOn, &T::SetSegBOn).Default(0)
          .Bool("SegCOn", &T::SegCOn, &T::SetSegCOn).Default(0)
          .Bool("SegDOn", &T::SegDOn, &T::SetSegDOn).Default(0)
          .Bool("SegEOn", &T::SegEOn, &T::SetSegEOn).Default(0)
          .Bool("SegFOn", &T::SegFOn, &T::SetSegFOn).Default(0)
          .Bool("SegGOn", &T::SegGOn, &T::SetSegGOn).Default(0)
          .Integer("SegmentBits", &T::SegmentBits, &T::SetSegmentBits).Default(0)
          .Color("BackGroundColor", &T::BackGroundColor, &T::SetBackGroundColor).Default(clBlack)
          .Bool("Transparent", &T::Transparent, &T::SetTransparent).Default(0)
          .Build();
  return info;
}

void TiSevenSegmentCharacter::SetValue(TSevenSegmentCharacter value) {
  if (value == value_ || !AllowChange("Value")) return;
  value_ = value;
  InvalidateChange();
  ChangeDone("Value");
  DoAutoSize();
}

char TiSevenSegmentCharacter::Character() const { return SevenSegmentToChar(value_); }

void TiSevenSegmentCharacter::SetCharacter(char value) { SetValue(SevenSegmentFromChar(value)); }

void TiSevenSegmentCharacter::SetSegmentSize(int value) {
  if (SetAndInvalidate(segmentSize_, std::max(1, value))) DoAutoSize();
}

void TiSevenSegmentCharacter::SetSegmentSeperation(int value) { SetAndInvalidate(segmentSeperation_, std::max(0, value)); }

void TiSevenSegmentCharacter::SetSegmentMargin(int value) {
  if (SetAndInvalidate(segmentMargin_, std::max(0, value))) DoAutoSize();
}

void TiSevenSegmentCharacter::SetAutoSize(bool value) {
  if (SetAndInvalidate(autoSize_, value)) DoAutoSize();
}

void TiSevenSegmentCharacter::SetSegOn(int segment, bool on) {
  const uint8_t bit = static_cast<uint8_t>(1u << segment);
  SetSegmentBits(static_cast<uint8_t>(on ? (segmentBits_ | bit) : (segmentBits_ & ~bit)));
}

TColor TiSevenSegmentCharacter::UnlitColor() const {
  if (!autoSegmentOffColor_) return segmentOffColor_;
  // A system colour is divided as the RGB it shows, not as its index.
  const TColor c = platform::ColorToRGB(segmentColor_);
  return RGB(GetRValue(c) / 3, GetGValue(c) / 3, GetBValue(c) / 3) | kPaletteRelative;
}

TColor TiSevenSegmentCharacter::LitColor() const {
  return powerOff_ ? UnlitColor() : (segmentColor_ | kPaletteRelative);
}

int TiSevenSegmentCharacter::NaturalWidth() const {
  return ClampPixels(2 * int64_t{segmentMargin_} + (IsNarrowGlyph(value_) ? 2 : 10) * int64_t{segmentSize_});
}

int TiSevenSegmentCharacter::NaturalHeight() const {
  return ClampPixels(2 * int64_t{segmentMargin_} + 18 * int64_t{segmentSize_});
}

void TiSevenSegmentCharacter::DoAutoSize() {
  if (!autoSize_ || loading_) return;
  SetBounds(Left(), Top(), NaturalWidth() + 1, NaturalHeight() + 1);
  if (OnAutoSize) OnAutoSize(this);
}

void TiSevenSegmentCharacter::DrawSegmentCharacter(TCanvas& canvas, TPoint origin, TSevenSegmentCharacter glyph,
                                                   int cellHeight, int cellWidth) {
  const TSegmentCell cell{origin.X, origin.Y, cellWidth, cellHeight, segmentMargin_, segmentSeperation_,
                          segmentSize_};
  const std::vector<TGlyphShape> shapes = useSegmentBits_ ? PatternShapes(segmentBits_, cell, showOffSegments_)
                                                          : GlyphShapes(glyph, cell, showOffSegments_);
  const TColor lit = LitColor(), unlit = UnlitColor();
  canvas.Pen = TPen{};
  canvas.Brush = TBrush{};
  for (const TGlyphShape& shape : shapes) {
    canvas.Pen.Color = canvas.Brush.Color = shape.Lit ? lit : unlit;
    canvas.Polygon(shape.Points);
  }
}

void TiSevenSegmentCharacter::PaintTo(TCanvas& canvas) {
  DrawBackGround(canvas, BackGroundColor());
  DrawSegmentCharacter(canvas, {0, 0}, value_, Height(), Width());
}
