#include "plot/iTextBlock.h"

#include <algorithm>

std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      lines.back() += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.emplace_back();
  }
  return lines;
}

TSize TextBlockExtent(const TCanvas& canvas, const std::vector<std::string>& lines) {
  TSize total;
  for (const std::string& line : lines) {
    const TSize size = canvas.TextExtent(line);
    total.cx = std::max(total.cx, line.empty() ? 0 : size.cx);
    total.cy += size.cy;
  }
  return total;
}

TRect TurnedTextBox(TSize block, TPoint centre, int quarterTurns) {
  const bool across = quarterTurns % 2 != 0;
  const int w = across ? block.cy : block.cx, h = across ? block.cx : block.cy;
  return Bounds(centre.X - w / 2, centre.Y - h / 2, w, h);
}

// (dx, dy) is a line's top-left corner inside the unturned block; the turn
// carries the block's top-left corner to another corner of the box and its
// x and y directions along the box's sides.
void DrawTurnedText(TCanvas& canvas, const std::vector<std::string>& lines, const TRect& box, int quarterTurns) {
  quarterTurns = ((quarterTurns % 4) + 4) % 4;
  const TSize block = TextBlockExtent(canvas, lines);
  const int saved = canvas.Font.Orientation;
  canvas.Font.Orientation = quarterTurns * 900;
  int dy = 0;
  for (const std::string& line : lines) {
    const TSize size = canvas.TextExtent(line);
    const int dx = (block.cx - (line.empty() ? 0 : size.cx)) / 2;
    switch (quarterTurns) {
      case 0: canvas.TextOut(box.Left + dx, box.Top + dy, line); break;
      case 1: canvas.TextOut(box.Left + dy, box.Bottom - dx, line); break;
      case 2: canvas.TextOut(box.Right - dx, box.Bottom - dy, line); break;
      case 3: canvas.TextOut(box.Right - dy, box.Top + dx, line); break;
    }
    dy += size.cy;
  }
  canvas.Font.Orientation = saved;
}
