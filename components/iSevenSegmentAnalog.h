// TiSevenSegmentAnalog: a floating-point Value on a seven-segment display,
// with DigitCount digit cells, Precision decimals, an optional sign cell,
// leading zeros or blanks, and a row of arrows when the number does not fit
// (layout in iSevenSegmentAnalogLayout.h).
//
// Writing Value: a value above 1e15 is held as 1e15 (there is no lower
// limit); an unchanged value does nothing; OnBeforeChange ("Value") may
// refuse; then the value is stored, the contents-changed request issued,
// OnAfterChange told and OnValueChange fired.
#pragma once
#include "components/iSevenSegmentDisplay.h"

class TiSevenSegmentAnalog : public TiSevenSegmentDisplay {
 public:
  static constexpr double kMaxValue = 1e15;

  TiSevenSegmentAnalog();

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  double Value() const { return value_; }  // 0
  void SetValue(double value);
  int Precision() const { return precision_; }  // 2 decimals, clamped to 0..13
  void SetPrecision(int value);
  bool ShowSign() const { return showSign_; }  // true: a sign cell on the left
  void SetShowSign(bool value);

  // Width: the digit cells (and the sign cell) ten segment sizes wide and a
  // spacing apart, plus the margins; height: 18 segment sizes plus the margins.
  TSize NaturalSize() override;

  void PaintTo(TCanvas& canvas) override;

 private:
  double value_ = 0;
  int precision_ = 2;
  bool showSign_ = true;
};
