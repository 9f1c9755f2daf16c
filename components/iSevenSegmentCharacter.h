// TiSevenSegmentCharacter: one character cell of a seven-segment display —
// the digits, the letters A-F, a blank, and a few punctuation, sign and arrow
// glyphs. It is a component of its own and also the drawing engine of the
// multi-digit displays, which keep one hidden instance and call
// DrawSegmentCharacter once per cell with their own cell rectangle.
//
// Colours of a drawing: the unlit colour is SegmentOffColor, or with
// AutoSegmentOffColor a third of each of SegmentColor's red, green and blue;
// the lit colour is SegmentColor, or the unlit one while PowerOff. Both carry
// the palette-relative bit, which drawing ignores.
//
// Auto-size: with AutoSize (and not while loading) the control takes its
// natural size plus one pixel each way, at construction and after changes of
// AutoSize, Value, SegmentSize and SegmentMargin; then OnAutoSize is called.
#pragma once
#include <cstdint>
#include <functional>

#include "components/iCustomComponent.h"
#include "components/iSevenSegmentTypes.h"

class TiSevenSegmentCharacter : public TiCustomComponent {
 public:
  TiSevenSegmentCharacter();

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // The glyph. A write asks OnBeforeChange ("Value") first, which may refuse,
  // and tells OnAfterChange after storing.
  TSevenSegmentCharacter Value() const { return value_; }
  void SetValue(TSevenSegmentCharacter value);
  // Value as a character: "0".."9", "a".."f", ".", ":", "+", "-", " ", "_",
  // "<", ">", ";", ","; a write of any other character sets sscBlank.
  char Character() const;
  void SetCharacter(char value);

  TColor SegmentColor() const { return segmentColor_; }  // clLime
  void SetSegmentColor(TColor value) { SetAndInvalidate(segmentColor_, value); }
  TColor SegmentOffColor() const { return segmentOffColor_; }  // clGreen; used without AutoSegmentOffColor
  void SetSegmentOffColor(TColor value) { SetAndInvalidate(segmentOffColor_, value); }
  bool AutoSegmentOffColor() const { return autoSegmentOffColor_; }  // true
  void SetAutoSegmentOffColor(bool value) { SetAndInvalidate(autoSegmentOffColor_, value); }
  bool ShowOffSegments() const { return showOffSegments_; }  // true; false leaves them background
  void SetShowOffSegments(bool value) { SetAndInvalidate(showOffSegments_, value); }
  bool PowerOff() const { return powerOff_; }  // false; true draws lit segments unlit
  void SetPowerOff(bool value) { SetAndInvalidate(powerOff_, value); }

  int SegmentSize() const { return segmentSize_; }  // 1; half a segment's thickness, values <= 0 store 1
  void SetSegmentSize(int value);
  int SegmentSeperation() const { return segmentSeperation_; }  // 1; values < 0 store 0
  void SetSegmentSeperation(int value);
  int SegmentMargin() const { return segmentMargin_; }  // 2; values < 0 store 0
  void SetSegmentMargin(int value);
  bool AutoSize() const { return autoSize_; }  // true
  void SetAutoSize(bool value);

  // With UseSegmentBits the segments given here are drawn, whatever Value is.
  bool UseSegmentBits() const { return useSegmentBits_; }  // false
  void SetUseSegmentBits(bool value) { SetAndInvalidate(useSegmentBits_, value); }
  // bit 0 = A ... bit 6 = G; a write sets all seven flags at once.
  uint8_t SegmentBits() const { return segmentBits_; }
  void SetSegmentBits(uint8_t value) { SetAndInvalidate(segmentBits_, static_cast<uint8_t>(value & 0x7F)); }
  bool SegOn(int segment) const { return (segmentBits_ >> segment) & 1; }
  void SetSegOn(int segment, bool on);
  bool SegAOn() const { return SegOn(0); }
  bool SegBOn() const { return SegOn(1); }
  bool SegCOn() const { return SegOn(2); }
  bool SegDOn() const { return SegOn(3); }
  bool SegEOn() const { return SegOn(4); }
  bool SegFOn() const { return SegOn(5); }
  bool SegGOn() const { return SegOn(6); }
  void SetSegAOn(bool on) { SetSegOn(0, on); }
  void SetSegBOn(bool on) { SetSegOn(1, on); }
  void SetSegCOn(bool on) { SetSegOn(2, on); }
  void SetSegDOn(bool on) { SetSegOn(3, on); }
  void SetSegEOn(bool on) { SetSegOn(4, on); }
  void SetSegFOn(bool on) { SetSegOn(5, on); }
  void SetSegGOn(bool on) { SetSegOn(6, on); }

  // The colours a drawing uses now.
  TColor UnlitColor() const;
  TColor LitColor() const;

  // Draws `glyph` into the cell at `origin` with this component's colours,
  // sizes and flags. The multi-digit displays draw each of their cells here.
  void DrawSegmentCharacter(TCanvas& canvas, TPoint origin, TSevenSegmentCharacter glyph, int cellHeight,
                            int cellWidth);

  // The size the glyph needs: 10 segment sizes wide (2 for the narrow
  // punctuation), 18 high, plus the margin on each side.
  int NaturalWidth() const;
  int NaturalHeight() const;

  // While a stored description is read, auto-size waits.
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }

  std::function<void(TiSevenSegmentCharacter* sender)> OnAutoSize;

  void PaintTo(TCanvas& canvas) override;

 private:
  void DoAutoSize();

  TSevenSegmentCharacter value_ = ssc0;
  TColor segmentColor_ = clLime;
  TColor segmentOffColor_ = clGreen;
  bool autoSegmentOffColor_ = true;
  bool showOffSegments_ = true;
  bool powerOff_ = false;
  int segmentSize_ = 1;
  int segmentSeperation_ = 1;
  int segmentMargin_ = 2;
  bool autoSize_ = true;
  bool useSegmentBits_ = false;
  uint8_t segmentBits_ = 0;
  bool loading_ = false;
};
