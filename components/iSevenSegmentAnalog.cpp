#include "components/iSevenSegmentAnalog.h"

#include <algorithm>
#include <cmath>

#include "components/iSevenSegmentAnalogLayout.h"
#include "components/iSevenSegmentCharacter.h"

TiSevenSegmentAnalog::TiSevenSegmentAnalog() { DoAutoSize(); }

const TClassInfo& TiSevenSegmentAnalog::StaticClass() {
  using T = TiSevenSegmentAnalog;
  static const TClassInfo info =
      TClassBuilder<T>("TiSevenSegmentAnalog")
          .Inherits<TiSevenSegmentDisplay>()
          .Float("Value", &T::Value, &T::SetValue).DefaultFloat(0)
          .Integer("Precision", &T::Precision, &T::SetPrecision).Default(2)
          .Bool("ShowSign", &T::ShowSign, &T::SetShowSign).Default(1)
          .Integer("DigitCount", &T::DigitCount, &T::SetDigitCount).Default(4)
          .Enum("LeadingStyle", &T::LeadingStyle, &T::SetLeadingStyle)
          .Default(ilsSpaces)
          .Build();
  return info;
}

void TiSevenSegmentAnalog::SetValue(double value) {
  if (value > kMaxValue) value = kMaxValue;
  // NaN never equals itself; without this every NaN reading would count as
  // a change.
  if (value == value_ || (std::isnan(value) && std::isnan(value_))) return;
  if (!AllowChange("Value")) return;
  value_ = value;
  InvalidateChange();
  ChangeDone("Value");
  if (OnValueChange) OnValueChange(this);
}

void TiSevenSegmentAnalog::SetPrecision(int value) {
  if (SetAndInvalidate(precision_, std::clamp(value, 0, 13))) DoAutoSize();
}

void TiSevenSegmentAnalog::SetShowSign(bool value) {
  if (SetAndInvalidate(showSign_, value)) DoAutoSize();
}

TSize TiSevenSegmentAnalog::NaturalSize() {
  PrepareCharacter();
  Character().SetValue(ssc0);
  const int64_t w0 = Character().NaturalWidth(), spacing = DigitSpacing(), margin = SegmentMargin();
  const int64_t cells = DigitCount() + (showSign_ ? 1 : 0);
  return {ClampPixels((w0 + spacing) * cells + 2 * margin - spacing), ClampPixels(18 * int64_t{SegmentSize()} + 2 * margin)};
}

void TiSevenSegmentAnalog::PaintTo(TCanvas& canvas) {
  PrepareCharacter();
  DrawBackGround(canvas, BackGroundColor());
  TAnalogSettings settings;
  settings.Width = Width();
  settings.Height = Height();
  settings.Margin = SegmentMargin();
  settings.Spacing = DigitSpacing();
  settings.DigitCount = DigitCount();
  settings.Precision = precision_;
  settings.ShowSign = showSign_;
  settings.LeadingStyle = LeadingStyle();
  const TAnalogLayout layout = LayOutAnalog(value_, settings);
  for (const TAnalogCell& cell : layout.Cells)
    DrawCell(canvas, cell.X, layout.Top, cell.Glyph, layout.CellHeight, cell.Width);
}
