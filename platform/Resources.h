// Pictures compiled into the program: the chart toolbar's glyphs.
//
// ToolbarGlyph("ZOOMIN") is 24 x 24, ToolbarGlyph("SMALLZOOMIN") 16 x 16; the
// names are AUTO, PAUSE, SCROLL, ZOOM, ZOOMOUT, ZOOMIN, SELECT, SCROLLBOX,
// CURSOR, PROPERTIES, COPY, SAVE, PRINTER and PREVIEW. They use the 16 basic
// colours only, and clTeal marks the pixels that are not part of the glyph.
#pragma once
#include <string>

#include "platform/Bitmap.h"

namespace platform {

constexpr TColor kGlyphTransparentColor = clTeal;

// Raises Exception "Resource NAME not found" for any other name (letter case
// is ignored).
TBitmap ToolbarGlyph(const std::string& name);

}  // namespace platform
