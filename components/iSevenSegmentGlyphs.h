// The geometry of the seven-segment glyphs, apart from any component: which
// character names which glyph, which segments a glyph lights, and the
// polygons that make up a glyph in a cell. The character component colours
// and fills what these functions lay out.
//
// Segments: A top, B upper right, C lower right, D bottom, E lower left,
// F upper left, G middle; in a pattern bit 0 is A ... bit 6 is G.
#pragma once
#include <cstdint>
#include <vector>

#include "components/iSevenSegmentTypes.h"
#include "platform/Types.h"

// "0".."9", "A".."F" (either case), ".", ":", "+", "-", "_", "<", ">", ";",
// ","; anything else is sscBlank.
TSevenSegmentCharacter SevenSegmentFromChar(char c);
// The digit, the lower-case letter, the punctuation, a blank for sscBlank;
// '?' for an ordinal outside 0..25.
char SevenSegmentToChar(int ordinal);

// ssc0..sscF and sscBlank are drawn as lit and unlit segments; the others
// have shapes of their own.
bool HasSegmentPattern(TSevenSegmentCharacter glyph);
uint8_t SegmentPattern(TSevenSegmentCharacter glyph);  // 0 for the own shapes
// Period, colon, semicolon and comma fit a narrow cell.
bool IsNarrowGlyph(TSevenSegmentCharacter glyph);

// One cell to draw in: its origin, size and the styling that shapes it.
struct TSegmentCell {
  int X = 0, Y = 0;
  int Width = 0, Height = 0;
  int Margin = 0;      // free border inside the cell
  int Seperation = 0;  // gap between neighbouring segments
  int Size = 1;        // half the thickness of a segment
};

// A filled polygon, in the lit or the unlit colour. Rectangles come as their
// four corners, both edges inside.
struct TGlyphShape {
  std::vector<TPoint> Points;
  bool Lit = false;
};

// Segment 0 (A) .. 6 (G) of the cell.
std::vector<TPoint> SegmentPolygon(int segment, const TSegmentCell& cell);
// The seven segments A..G in order; unset ones unlit, or left out without
// showOffSegments.
std::vector<TGlyphShape> PatternShapes(uint8_t pattern, const TSegmentCell& cell, bool showOffSegments);
// Everything one glyph draws, in drawing order. An ordinal outside the
// enumeration draws nothing.
std::vector<TGlyphShape> GlyphShapes(TSevenSegmentCharacter glyph, const TSegmentCell& cell, bool showOffSegments);
