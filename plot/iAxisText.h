// Text measuring and placing for axis labels and titles: multi-line texts
// measure as their widest line and the sum of their line heights, and a
// rotated text is placed so that it sits centred in its box.
#pragma once
#include <string>

#include "platform/Canvas.h"

// Width of the widest line, height of all lines together; nothing without a
// canvas.
TSize MultiLineExtent(const TCanvas* canvas, const std::string& text);

// Draws `text` (one line) in canvas->Font turned by `quarterTurns` * 90
// degrees counter-clockwise, centred in `box`.
void DrawTextCentred(TCanvas* canvas, const TRect& box, const std::string& text, int quarterTurns);
