// DrawTextInRect: the library's text-in-a-box routine. Its flag bits are the
// drawing layer's DrawText flags (platform/Canvas.h), bit for bit: bit 1
// centre, 2 right, 4 centre vertically, 5 bottom, 6 word break, 7 single line,
// 8 expand tabs, 9 no clipping, 10 "&" prefixes, 11 compute the box only,
// 12 end ellipsis, 13 path ellipsis, 14 word ellipsis, 15 modify the string.
// Bits 0 (left) and 3 (top) name the defaults.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Canvas.h"

constexpr uint32_t itfLeft = 1u << 0, itfTop = 1u << 3;

// Returns the height of the text; with the compute-only bit, draws nothing
// and fits rect's Right and Bottom to the text.
inline int DrawTextInRect(TCanvas& canvas, const std::string& text, TRect& rect, uint32_t flags) {
  return canvas.DrawText(text, rect, flags & ~(itfLeft | itfTop));
}
