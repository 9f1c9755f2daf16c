// Where a numeric seven-segment display puts each glyph: a row of equal cells
// across the control, an optional sign cell on the left, the integer part
// filled with zeros or blanks, the decimal point in the gap before the
// fraction, and a row of arrows when the number does not fit.
//
// The number is formatted with the locale's decimal separator; a "," found
// there draws a comma instead of a point.
#pragma once
#include <vector>

#include "components/iSevenSegmentTypes.h"

struct TAnalogSettings {
  int Width = 0, Height = 0;  // of the control
  int Margin = 5;             // free border around the row
  int Spacing = 6;            // between cells; may be negative
  int DigitCount = 4;         // digit cells, the sign cell not counted
  int Precision = 2;          // decimals
  bool ShowSign = true;
  TiLeadingStyle LeadingStyle = ilsSpaces;
};

// One glyph to draw at (X, TAnalogLayout::Top), Width wide and CellHeight high.
struct TAnalogCell {
  int X = 0;
  int Width = 0;
  TSevenSegmentCharacter Glyph = sscBlank;
};

struct TAnalogLayout {
  int CellWidth = 0;   // of a digit cell
  int CellHeight = 0;
  int Top = 0;
  std::vector<TAnalogCell> Cells;  // in drawing order; the point is narrower
};

// A value that does not fit, or an infinite one, shows DigitCount arrows (up
// for positive, down for negative); a NaN shows a row of line glyphs, so no
// reading is never taken for a number.
TAnalogLayout LayOutAnalog(double value, const TAnalogSettings& settings);
