// The named system colours (clBtnFace, clInfoBk, ...) and their RGB values.
// The values are a fixed light desktop scheme, the same on every machine, so
// a picture of a component is the same wherever it is drawn.
#pragma once
#include "platform/Types.h"

namespace platform {
// The RGB value of a colour: system colours looked up (an unknown index gives
// black), the palette-relative bit removed, clNone and clDefault as given.
TColor ColorToRGB(TColor color);
}  // namespace platform
