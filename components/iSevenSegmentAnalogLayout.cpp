#include "components/iSevenSegmentAnalogLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "components/iSevenSegmentGlyphs.h"
#include "platform/Locale.h"
#include "platform/Rounding.h"

namespace {
// The text of |value| cut at its first "." (or, without one, its first ","):
// the integer part, the fraction and the separator found (0 for none).
struct TNumberText {
  std::string Whole, Integer, Fraction;
  char Separator = 0;
};

TNumberText SplitNumber(double value, int precision) {
  TNumberText t;
  t.Whole = platform::FormatFixed(std::fabs(value), precision);
  size_t cut = t.Whole.find('.');
  if (cut == std::string::npos) cut = t.Whole.find(',');
  t.Integer = t.Whole.substr(0, cut);
  if (cut != std::string::npos) {
    t.Separator = t.Whole[cut];
    t.Fraction = t.Whole.substr(cut + 1);
  }
  return t;
}

bool Overflows(const TNumberText& t, const TAnalogSettings& s) {
  const size_t room = static_cast<size_t>(s.Precision > 0 ? s.DigitCount + 1 : s.DigitCount);
  return t.Whole.size() > room;
}

std::string PadIntegerPart(std::string text, const TAnalogSettings& s) {
  if (s.LeadingStyle == ilsNone) return text;
  const char fill = s.LeadingStyle == ilsZeros ? '0' : ' ';
  const int length = s.DigitCount - s.Precision;
  if (static_cast<int>(text.size()) < length) text.insert(0, static_cast<size_t>(length) - text.size(), fill);
  return text;
}

// Lays cells left to right, each the digit width and one spacing apart.
class TCellRow {
 public:
  TCellRow(TAnalogLayout& layout, int x, int spacing) : layout_(layout), x_(x), spacing_(spacing) {}
  void Add(TSevenSegmentCharacter glyph) {
    layout_.Cells.push_back({x_, layout_.CellWidth, glyph});
    x_ = ClampPixels(int64_t{x_} + layout_.CellWidth + spacing_);
  }
  void AddRow(TSevenSegmentCharacter glyph, int count) {
    for (int i = 0; i < count; ++i) Add(glyph);
  }
  // The point sits in the gap before the next cell and takes no cell.
  void AddPoint(TSevenSegmentCharacter glyph) {
    const int c = layout_.CellWidth;
    const int shift = static_cast<int>(Round(c / 10.0 + spacing_ / 2.0));
    layout_.Cells.push_back({ClampPixels(int64_t{x_} - shift), c / 5, glyph});
  }

 private:
  TAnalogLayout& layout_;
  int x_, spacing_;
};
}  // namespace

TAnalogLayout LayOutAnalog(double value, const TAnalogSettings& s) {
  TAnalogLayout layout;
  const int n = std::max(1, s.DigitCount + (s.ShowSign ? 1 : 0));
  const int64_t width = s.Width, margin = s.Margin, spacing = s.Spacing;
  layout.CellWidth = ClampPixels((width - 2 * margin - (n - 1) * spacing) / n);
  layout.CellHeight = ClampPixels(s.Height - 2 * margin);
  layout.Top = ClampPixels(margin);
  TCellRow row(layout, ClampPixels((width + spacing - n * (layout.CellWidth + spacing)) / 2), ClampPixels(spacing));

  if (std::isnan(value)) {
    row.AddRow(sscLine, n);
    return layout;
  }
  if (s.ShowSign) row.Add(value >= 0 ? sscPlus : sscMinus);
  const TNumberText text = SplitNumber(value, s.Precision);
  if (std::isinf(value) || Overflows(text, s)) {
    row.AddRow(value >= 0 ? sscUpArrow : sscDownArrow, s.DigitCount);
    return layout;
  }
  for (char c : PadIntegerPart(text.Integer, s)) row.Add(SevenSegmentFromChar(c));
  if (s.Precision <= 0 || s.DigitCount <= 1) return layout;

  row.AddPoint(text.Separator == '.' ? sscPeriod : sscComma);
  std::string fraction = text.Fraction.substr(0, static_cast<size_t>(s.Precision));
  fraction.insert(0, static_cast<size_t>(s.Precision) - fraction.size(), '0');
  const int count = std::min(static_cast<int>(fraction.size()), s.DigitCount - 1);
  for (int i = 0; i < count; ++i) row.Add(SevenSegmentFromChar(fraction[static_cast<size_t>(i)]));
  return layout;
}
