#include "plot/iAxisText.h"

#include <algorithm>

TSize MultiLineExtent(const TCanvas* canvas, const std::string& text) {
  TSize total;
  if (!canvas) return total;
  size_t start = 0;
  while (true) {
    size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const TSize size = canvas->TextExtent(line);
    total.cx = std::max(total.cx, size.cx);
    total.cy += size.cy;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return total;
}

void DrawTextCentred(TCanvas* canvas, const TRect& box, const std::string& text, int quarterTurns) {
  const TSize size = canvas->TextExtent(text);
  quarterTurns = ((quarterTurns % 4) + 4) % 4;
  const bool across = quarterTurns % 2 == 1;
  const int w = across ? size.cy : size.cx, h = across ? size.cx : size.cy;
  const int left = box.Left + (box.Right - box.Left - w) / 2, top = box.Top + (box.Bottom - box.Top - h) / 2;
  // The canvas turns text about its top-left corner; start from the corner
  // that the turn brings to the text's top-left.
  const int saved = canvas->Font.Orientation;
  canvas->Font.Orientation = quarterTurns * 900;
  switch (quarterTurns) {
    case 0: canvas->TextOut(left, top, text); break;
    case 1: canvas->TextOut(left, top + h, text); break;
    case 2: canvas->TextOut(left + w, top + h, text); break;
    case 3: canvas->TextOut(left + w, top, text); break;
  }
  canvas->Font.Orientation = saved;
}
