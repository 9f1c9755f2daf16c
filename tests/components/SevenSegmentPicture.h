// Reads seven-segment cells back from a drawn picture, for the display tests:
// each segment and each own shape is probed at a point well inside it, and
// the colour found there says lit, unlit or background. The probe points are
// worked out here from the cell's size, apart from the drawing code.
#pragma once
#include <string>

#include "platform/Bitmap.h"
#include "platform/Types.h"

namespace segment_picture {

struct TColors {
  TColor Lit = clLime;
  TColor Unlit = RGB(0, 85, 0);
  TColor Back = clBlack;
};

enum TState { stBack, stLit, stUnlit, stOther };

inline TState Classify(const TBitmap& b, int x, int y, const TColors& c) {
  const TColor p = b.Pixel(x, y);
  if (p == c.Lit) return stLit;
  if (p == c.Unlit) return stUnlit;
  if (p == c.Back) return stBack;
  return stOther;
}

// Probe points of segments A..G in a cell with margin m and segment size z.
inline TPoint SegmentProbe(int segment, int w, int h, int m, int z) {
  const int mid = (h - 1) / 2, right = w - 1 - m - z, left = m + z;
  const int upper = (m + mid) / 2, lower = (mid + h - 1 - m) / 2;
  switch (segment) {
    case 0: return {w / 2, m + z};
    case 1: return {right, upper};
    case 2: return {right, lower};
    case 3: return {w / 2, h - 1 - m - z};
    case 4: return {left, lower};
    case 5: return {left, upper};
    default: return {w / 2, mid};
  }
}

// The lit segments of the cell as bits (A = bit 0); unlitMask gets the ones
// drawn unlit, otherMask the ones showing neither colour nor background.
inline int LitSegments(const TBitmap& b, int x, int y, int w, int h, int m, int z, const TColors& c,
                       int* unlitMask = nullptr, int* otherMask = nullptr) {
  int lit = 0, unlit = 0, other = 0;
  for (int s = 0; s < 7; ++s) {
    const TPoint p = SegmentProbe(s, w, h, m, z);
    switch (Classify(b, x + p.X, y + p.Y, c)) {
      case stLit: lit |= 1 << s; break;
      case stUnlit: unlit |= 1 << s; break;
      case stOther: other |= 1 << s; break;
      default: break;
    }
  }
  if (unlitMask) *unlitMask = unlit;
  if (otherMask) *otherMask = other;
  return lit;
}

// One cell of a display (margin 0) as a character: a digit or a-f, ' ' for a
// blank with every segment unlit, '+', '-', '^' (up arrow), 'v' (down arrow),
// '#' for bare background, '?' for anything else.
inline char ReadCell(const TBitmap& b, int x, int y, int w, int h, const TColors& c, int z = 1) {
  const auto at = [&](int px, int py) { return Classify(b, x + px, y + py, c); };
  const int mid = h / 2;
  if (at(w / 4, mid - 2) == stLit) return '^';
  if (at(w / 4, mid + 2) == stLit) return 'v';
  const TState plus = at(w / 2, (9 * h + 18) / 36), minus = at(w / 2, (27 * h + 18) / 36);
  if (plus == stLit && minus != stLit) return '+';
  if (minus == stLit && plus != stLit) return '-';
  int unlit = 0, other = 0;
  const int lit = LitSegments(b, x, y, w, h, 0, z, c, &unlit, &other);
  if (other) return '?';
  static const int patterns[16] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                                   0x7F, 0x67, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};
  if (lit == 0) return unlit == 0x7F ? ' ' : unlit == 0 ? '#' : '?';
  for (int i = 0; i < 16; ++i)
    if (patterns[i] == lit) return "0123456789abcdef"[i];
  return '?';
}

// A row of `count` cells, `w` wide and `step` apart, starting at x.
inline std::string ReadRow(const TBitmap& b, int x, int y, int w, int h, int step, int count, const TColors& c) {
  std::string text;
  for (int i = 0; i < count; ++i) text += ReadCell(b, x + i * step, y, w, h, c);
  return text;
}

}  // namespace segment_picture
