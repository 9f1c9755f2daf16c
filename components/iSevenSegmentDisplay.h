// TiSevenSegmentDisplay: the base of the multi-digit seven-segment displays —
// a row of equal character cells with spacing, margins and segment styling.
// Every cell is drawn by one hidden TiSevenSegmentCharacter, which the display
// owns, keeps update-locked and hands its settings before every paint.
//
// Setters store and issue the contents-changed request; AutoSize,
// DigitSpacing, SegmentMargin, SegmentSize and DigitCount also run auto-size:
// with AutoSize (and not while loading) the control takes NaturalSize(), then
// OnAutoSize is called. Nothing else resizes the control, so a size given
// while loading stays until one of those changes.
#pragma once
#include <functional>
#include <memory>

#include "components/iCustomComponent.h"
#include "components/iSevenSegmentTypes.h"

class TiSevenSegmentCharacter;

class TiSevenSegmentDisplay : public TiCustomComponent {
 public:
  TiSevenSegmentDisplay();
  ~TiSevenSegmentDisplay() override;

  static const TClassInfo& StaticClass();

  bool AutoSize() const { return autoSize_; }  // true
  void SetAutoSize(bool value);
  int DigitSpacing() const { return digitSpacing_; }  // 6 pixels between cells, any value
  void SetDigitSpacing(int value);
  int SegmentMargin() const { return segmentMargin_; }  // 5 around the row; values < 0 store 0
  void SetSegmentMargin(int value);
  TColor SegmentColor() const { return segmentColor_; }  // clWhite
  void SetSegmentColor(TColor value) { SetAndInvalidate(segmentColor_, value); }
  TColor SegmentOffColor() const { return segmentOffColor_; }  // clGray
  void SetSegmentOffColor(TColor value) { SetAndInvalidate(segmentOffColor_, value); }
  bool AutoSegmentOffColor() const { return autoSegmentOffColor_; }  // true
  void SetAutoSegmentOffColor(bool value) { SetAndInvalidate(autoSegmentOffColor_, value); }
  int SegmentSize() const { return segmentSize_; }  // 1, clamped to 1..100
  void SetSegmentSize(int value);
  int SegmentSeperation() const { return segmentSeperation_; }  // 1; values < 0 store 0
  void SetSegmentSeperation(int value);
  bool ShowOffSegments() const { return showOffSegments_; }  // true
  void SetShowOffSegments(bool value) { SetAndInvalidate(showOffSegments_, value); }
  bool PowerOff() const { return powerOff_; }  // false
  void SetPowerOff(bool value) { SetAndInvalidate(powerOff_, value); }

  // Published by the numeric display.
  int DigitCount() const { return digitCount_; }  // 4, clamped to 1..32
  void SetDigitCount(int value);
  TiLeadingStyle LeadingStyle() const { return leadingStyle_; }  // ilsSpaces
  void SetLeadingStyle(TiLeadingStyle value) { SetAndInvalidate(leadingStyle_, value); }

  // While a stored description is read, auto-size waits.
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }

  // The size the cells need with the current settings.
  virtual TSize NaturalSize() = 0;

  std::function<void(TiSevenSegmentDisplay* sender)> OnAutoSize;
  // Fired by the numeric display after its Value changed.
  std::function<void(TiSevenSegmentDisplay* sender)> OnValueChange;

 protected:
  void DoAutoSize();
  // Hands the settings to the hidden character; call before drawing cells.
  void PrepareCharacter();
  TiSevenSegmentCharacter& Character() { return *character_; }
  void DrawCell(TCanvas& canvas, int x, int y, TSevenSegmentCharacter glyph, int height, int width);

 private:
  std::unique_ptr<TiSevenSegmentCharacter> character_;
  bool autoSize_ = true;
  int digitSpacing_ = 6;
  int segmentMargin_ = 5;
  TColor segmentColor_ = clWhite;
  TColor segmentOffColor_ = clGray;
  bool autoSegmentOffColor_ = true;
  int segmentSize_ = 1;
  int segmentSeperation_ = 1;
  bool showOffSegments_ = true;
  bool powerOff_ = false;
  int digitCount_ = 4;
  TiLeadingStyle leadingStyle_ = ilsSpaces;
  bool loading_ = false;
};
