#include "components/iSevenSegmentGlyphs.h"

#include <algorithm>
#include <initializer_list>

#include "platform/Rounding.h"

namespace {
// Bits of ssc0..sscF; sscBlank lights nothing.
constexpr uint8_t kPatterns[16] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                                   0x7F, 0x67, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};

constexpr char kCharacters[kSevenSegmentGlyphCount + 1] = "0123456789abcdef.:+- _<>;,";

using I = int64_t;
struct TPoint64 {
  I X, Y;
};

I R(double v) { return Round(v); }

std::vector<TPoint> Offset(const TSegmentCell& cell, std::initializer_list<TPoint64> points) {
  std::vector<TPoint> out;
  out.reserve(points.size());
  for (TPoint64 p : points) out.push_back({ClampPixels(cell.X + p.X), ClampPixels(cell.Y + p.Y)});
  return out;
}

// Both edges are inside: left..right by top..bottom.
TGlyphShape Box(const TSegmentCell& cell, I left, I right, I top, I bottom, bool lit) {
  return {Offset(cell, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}), lit};
}

void PlusBars(const TSegmentCell& cell, bool lit, std::vector<TGlyphShape>& out) {
  const double W = cell.Width, H = cell.Height, Z = cell.Size;
  out.push_back(Box(cell, R(2.5 * W / 10), R(7.5 * W / 10), R(4.5 * H / 18 - Z / 2), R(4.5 * H / 18 + Z / 2), lit));
  out.push_back(Box(cell, R(W / 2 - Z / 2), R(W / 2 + Z / 2), R(2 * H / 18), R(7 * H / 18), lit));
}

void MinusBar(const TSegmentCell& cell, bool lit, std::vector<TGlyphShape>& out) {
  const double W = cell.Width, H = cell.Height, Z = cell.Size;
  out.push_back(Box(cell, R(2.5 * W / 10), R(7.5 * W / 10), R(13.5 * H / 18 - Z / 2), R(13.5 * H / 18 + Z / 2), lit));
}

// The dots of colon, semicolon and comma, and the tail that hangs below the
// lower one.
TGlyphShape UpperDot(const TSegmentCell& cell) {
  const I c = cell.Width / 2, Z = cell.Size;
  const double H = cell.Height;
  return Box(cell, c - Z, c + Z, R(5 * H / 18), R(7 * H / 18), true);
}
TGlyphShape LowerDot(const TSegmentCell& cell) {
  const I c = cell.Width / 2, Z = cell.Size;
  const double H = cell.Height;
  return Box(cell, c - Z, c + Z, R(11 * H / 18), R(13 * H / 18), true);
}
TGlyphShape Tail(const TSegmentCell& cell) {
  const I c = cell.Width / 2, Z = cell.Size;
  const double H = cell.Height;
  return Box(cell, c, c + Z, R(13 * H / 18), R(16 * H / 18), true);
}

// Up and down arrows share their base across the middle of the cell.
TGlyphShape Arrow(const TSegmentCell& cell, bool up) {
  const I W = cell.Width, H = cell.Height, M = cell.Margin;
  const I cx = (W - 1) / 2, m = ((W - 1) - 2 * M) / 2, base = H / 2;
  const I apex = up ? std::max(M, base - m) : std::min(base + m, H - 1 - M);
  return {Offset(cell, {{cx - m, base}, {cx + m, base}, {cx, apex}}), true};
}
}  // namespace

TSevenSegmentCharacter SevenSegmentFromChar(char c) {
  if (c >= '0' && c <= '9') return static_cast<TSevenSegmentCharacter>(ssc0 + (c - '0'));
  if (c >= 'A' && c <= 'F') return static_cast<TSevenSegmentCharacter>(sscA + (c - 'A'));
  if (c >= 'a' && c <= 'f') return static_cast<TSevenSegmentCharacter>(sscA + (c - 'a'));
  switch (c) {
    case '.': return sscPeriod;
    case ':': return sscColon;
    case '+': return sscPlus;
    case '-': return sscMinus;
    case '_': return sscLine;
    case '<': return sscUpArrow;
    case '>': return sscDownArrow;
    case ';': return sscSemiColon;
    case ',': return sscComma;
    default: return sscBlank;
  }
}

char SevenSegmentToChar(int ordinal) {
  if (ordinal < 0 || ordinal >= kSevenSegmentGlyphCount) return '?';
  return kCharacters[ordinal];
}

bool HasSegmentPattern(TSevenSegmentCharacter glyph) { return glyph <= sscF || glyph == sscBlank; }

uint8_t SegmentPattern(TSevenSegmentCharacter glyph) { return glyph <= sscF ? kPatterns[glyph] : 0; }

bool IsNarrowGlyph(TSevenSegmentCharacter glyph) {
  return glyph == sscPeriod || glyph == sscColon || glyph == sscSemiColon || glyph == sscComma;
}

std::vector<TPoint> SegmentPolygon(int segment, const TSegmentCell& cell) {
  const I W = cell.Width, H = cell.Height, M = cell.Margin, S = cell.Seperation, Z = cell.Size;
  const I T = 2 * Z, h = (H - 1) / 2;
  const I r = W - 1 - M, b = H - 1 - M;  // the right and bottom edges
  switch (segment) {
    case 0: return Offset(cell, {{M + S, M}, {r - S, M}, {r - S - T, M + T}, {M + S + T, M + T}});
    case 1: return Offset(cell, {{r, M + S}, {r, h - S}, {r - T, h - S - T}, {r - T, M + S + T}});
    case 2: return Offset(cell, {{r, h + S}, {r, b - S}, {r - T, b - S - T}, {r - T, h + S + T}});
    case 3: return Offset(cell, {{M + S, b}, {r - S, b}, {r - S - T, b - T}, {M + S + T, b - T}});
    case 4: return Offset(cell, {{M, h + S}, {M, b - S}, {M + T, b - S - T}, {M + T, h + S + T}});
    case 5: return Offset(cell, {{M, M + S}, {M, h - S}, {M + T, h - S - T}, {M + T, M + S + T}});
    case 6:
      return Offset(cell, {{M + S, h}, {M + S + Z, h - Z}, {r - S - Z, h - Z}, {r - S, h}, {r - S - Z, h + Z},
                           {M + S + Z, h + Z}});
    default: return {};
  }
}

std::vector<TGlyphShape> PatternShapes(uint8_t pattern, const TSegmentCell& cell, bool showOffSegments) {
  std::vector<TGlyphShape> shapes;
  for (int segment = 0; segment < 7; ++segment) {
    const bool lit = (pattern >> segment) & 1;
    if (lit || showOffSegments) shapes.push_back({SegmentPolygon(segment, cell), lit});
  }
  return shapes;
}

std::vector<TGlyphShape> GlyphShapes(TSevenSegmentCharacter glyph, const TSegmentCell& cell, bool showOffSegments) {
  if (HasSegmentPattern(glyph)) return PatternShapes(SegmentPattern(glyph), cell, showOffSegments);
  std::vector<TGlyphShape> shapes;
  const I Z = cell.Size, c = cell.Width / 2, h = (cell.Height - 1) / 2;
  switch (glyph) {
    case sscPeriod: shapes.push_back(Box(cell, c - Z, c + Z, I{cell.Height} - 2 * Z, cell.Height, true)); break;
    case sscColon:
      shapes.push_back(UpperDot(cell));
      shapes.push_back(LowerDot(cell));
      break;
    case sscSemiColon:
      shapes.push_back(UpperDot(cell));
      shapes.push_back(LowerDot(cell));
      shapes.push_back(Tail(cell));
      break;
    case sscComma:
      shapes.push_back(LowerDot(cell));
      shapes.push_back(Tail(cell));
      break;
    // A sign cell shows a plus above and a minus below, one lit, the other
    // unlit, so the sign's position never jumps.
    case sscPlus:
      PlusBars(cell, true, shapes);
      if (showOffSegments) MinusBar(cell, false, shapes);
      break;
    case sscMinus:
      MinusBar(cell, true, shapes);
      if (showOffSegments) PlusBars(cell, false, shapes);
      break;
    case sscLine:
      shapes.push_back(Box(cell, cell.Margin, I{cell.Width} - 1 - cell.Margin, h - Z / 2, h + Z / 2, true));
      break;
    case sscUpArrow: shapes.push_back(Arrow(cell, true)); break;
    case sscDownArrow: shapes.push_back(Arrow(cell, false)); break;
    default: break;
  }
  return shapes;
}
