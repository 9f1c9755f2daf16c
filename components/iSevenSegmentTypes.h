// The enumerations the seven-segment components share: the glyphs a cell can
// show and how a number's integer part is filled on the left.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Ordinals 0..25, in this order; property files store the ordinal.
enum TSevenSegmentCharacter : uint8_t {
  ssc0, ssc1, ssc2, ssc3, ssc4, ssc5, ssc6, ssc7, ssc8, ssc9,
  sscA, sscB, sscC, sscD, sscE, sscF,
  sscPeriod, sscColon, sscPlus, sscMinus, sscBlank, sscLine,
  sscUpArrow, sscDownArrow, sscSemiColon, sscComma,
};
inline const std::vector<std::string>& EnumValueNames(TSevenSegmentCharacter) {
  static const std::vector<std::string> names{"ssc0", "ssc1", "ssc2", "ssc3", "ssc4", "ssc5", "ssc6", "ssc7", "ssc8",
                                              "ssc9", "sscA", "sscB", "sscC", "sscD", "sscE", "sscF", "sscPeriod",
                                              "sscColon", "sscPlus", "sscMinus", "sscBlank", "sscLine", "sscUpArrow",
                                              "sscDownArrow", "sscSemiColon", "sscComma"};
  return names;
}
constexpr int kSevenSegmentGlyphCount = 26;

// ilsNone: the digits start at the left, unused cells stay background;
// ilsZeros / ilsSpaces: right-aligned, the cells on the left hold "0" or a
// blank (a blank cell still shows its unlit segments).
enum TiLeadingStyle : uint8_t { ilsNone, ilsZeros, ilsSpaces };
inline const std::vector<std::string>& EnumValueNames(TiLeadingStyle) {
  static const std::vector<std::string> names{"ilsNone", "ilsZeros", "ilsSpaces"};
  return names;
}

// Sizes and coordinates are worked out in 64 bits and held to this many
// pixels either way, so absurd settings from a file draw nonsense, never
// overflow.
constexpr int64_t kSegmentPixelLimit = 32767;
constexpr int ClampPixels(int64_t v) {
  return static_cast<int>(v < -kSegmentPixelLimit ? -kSegmentPixelLimit : v > kSegmentPixelLimit ? kSegmentPixelLimit : v);
}
