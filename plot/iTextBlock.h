// A block of text lines (separated by CR, LF or CR LF) measured and drawn
// turned by quarter turns about its centre. The canvas turns a single text
// about its top-left corner; this unit places each line so that the whole
// block turns as one, lines centred on each other.
#pragma once
#include <string>
#include <vector>

#include "platform/Canvas.h"

std::vector<std::string> TextLines(const std::string& text);

// Width of the widest line, height of all lines together, in canvas.Font.
TSize TextBlockExtent(const TCanvas& canvas, const std::vector<std::string>& lines);

// The bounding box of a block of size `block` turned by `quarterTurns`
// (counter-clockwise) and centred on `centre`.
TRect TurnedTextBox(TSize block, TPoint centre, int quarterTurns);

// Draws the lines, each centred across the block, turned by `quarterTurns`
// into `box` (a box from TurnedTextBox).
void DrawTurnedText(TCanvas& canvas, const std::vector<std::string>& lines, const TRect& box, int quarterTurns);
