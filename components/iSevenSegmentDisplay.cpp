#include "components/iSevenSegmentDisplay.h"

#include <algorithm>

#include "components/iSevenSegmentCharacter.h"

TiSevenSegmentDisplay::TiSevenSegmentDisplay() : character_(std::make_unique<TiSevenSegmentCharacter>()) {
  // The hidden character only lends its drawing; its own repaint requests and
  // size must never matter.
  character_->BeginUpdate();
  character_->SetAutoSize(false);
  character_->SetSegmentMargin(0);
  SetBounds(Left(), Top(), 15, 15);
  SetBackGroundColor(clBlack);
}

TiSevenSegmentDisplay::~TiSevenSegmentDisplay() = default;

const TClassInfo& TiSevenSegmentDisplay::StaticClass() {
  using T = TiSevenSegmentDisplay;
  static const TClassInfo info =
      TClassBuilder<T>("TiSevenSegmentDisplay")
          .Inherits<TiCustomComponent>()
          .Bool("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(1)
          .Integer("DigitSpacing", &T::DigitSpacing, &T::SetDigitSpacing).Default(6)
          .Integer("SegmentMargin", &T::SegmentMargin, &T::SetSegmentMargin).Default(5)
          .Color("SegmentColor", &T::SegmentColor, &T::SetSegmentColor).Default(clWhite)
          .Color("SegmentOffColor", &T::SegmentOffColor, &T::SetSegmentOffColor).Default(clGray)
          .Bool("AutoSegmentOffColor", &T::AutoSegmentOffColor, &T::SetAutoSegmentOffColor).Default(1)
          .Integer("SegmentSize", &T::SegmentSize, &T::SetSegmentSize).Default(1)
          .Integer("SegmentSeperation", &T::SegmentSeperation, &T::SetSegmentSeperation).Default(1)
          .Bool("ShowOffSegments", &T::ShowOffSegments, &T::SetShowOffSegments).Default(1)
          .Bool("PowerOff", &T::PowerOff, &T::SetPowerOff).Default(0)
          .Color("BackGroundColor", &T::BackGroundColor, &T::SetBackGroundColor).Default(clBlack)
          .Enum("BorderStyle", &T::BorderStyle, &T::SetBorderStyle)
          .Default(ibsNone)
          .Bool("Transparent", &T::Transparent, &T::SetTransparent).Default(0)
          .Build();
  return info;
}

void TiSevenSegmentDisplay::SetAutoSize(bool value) {
  if (SetAndInvalidate(autoSize_, value)) DoAutoSize();
}

void TiSevenSegmentDisplay::SetDigitSpacing(int value) {
  if (SetAndInvalidate(digitSpacing_, value)) DoAutoSize();
}

void TiSevenSegmentDisplay::SetSegmentMargin(int value) {
  if (SetAndInvalidate(segmentMargin_, std::max(0, value))) DoAutoSize();
}

void TiSevenSegmentDisplay::SetSegmentSize(int value) {
  if (SetAndInvalidate(segmentSize_, std::clamp(value, 1, 100))) DoAutoSize();
}

void TiSevenSegmentDisplay::SetSegmentSeperation(int value) {
  SetAndInvalidate(segmentSeperation_, std::max(0, value));
}

void TiSevenSegmentDisplay::SetDigitCount(int value) {
  if (SetAndInvalidate(digitCount_, std::clamp(value, 1, 32))) DoAutoSize();
}

void TiSevenSegmentDisplay::DoAutoSize() {
  if (!autoSize_ || loading_) return;
  const TSize size = NaturalSize();
  SetBounds(Left(), Top(), size.cx, size.cy);
  if (OnAutoSize) OnAutoSize(this);
}

void TiSevenSegmentDisplay::PrepareCharacter() {
  TiSevenSegmentCharacter& c = *character_;
  c.SetSegmentMargin(0);
  c.SetSegmentColor(segmentColor_);
  c.SetSegmentOffColor(segmentOffColor_);
  c.SetAutoSegmentOffColor(autoSegmentOffColor_);
  c.SetSegmentSize(segmentSize_);
  c.SetSegmentSeperation(segmentSeperation_);
  c.SetShowOffSegments(showOffSegments_);
  c.SetPowerOff(powerOff_);
}

void TiSevenSegmentDisplay::DrawCell(TCanvas& canvas, int x, int y, TSevenSegmentCharacter glyph, int height,
                                     int width) {
  character_->DrawSegmentCharacter(canvas, {x, y}, glyph, height, width);
}
