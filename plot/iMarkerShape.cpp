#include "plot/iMarkerShape.h"

#include <string>
#include <vector>

namespace {

void Line(TCanvas& canvas, TPoint a, TPoint b) { canvas.Polyline({a, b}); }

void Character(TCanvas& canvas, int x, int y, char character) {
  if (character == 0) return;
  canvas.Brush.Style = bsClear;
  TRect box{x, y, x, y};
  canvas.DrawText(std::string(1, character), box, dtCenter | dtVCenter | dtSingleLine | dtNoClip);
}

}  // namespace

void DrawMarkerShape(TCanvas& canvas, const TiPlotMarkerLook& look, int x, int y, char character) {
  canvas.Pen = TPen{look.PenColor, look.PenWidth, look.PenStyle};
  canvas.Brush = TBrush{look.BrushColor, look.BrushStyle};
  const int s = look.Size;
  switch (look.Style) {
    case ipmsCircle: canvas.Ellipse(x - s, y - s, x + s, y + s); break;
    case ipmsSquare: canvas.Rectangle(x - s, y - s, x + s, y + s); break;
    case ipmsDiamond: canvas.Polygon({{x + s, y}, {x, y + s}, {x - s, y}, {x, y - s}}); break;
    case ipmsCross:
      Line(canvas, {x + s, y + s}, {x - s, y - s});
      Line(canvas, {x + s, y - s}, {x - s, y + s});
      break;
    case ipmsPlus:
      Line(canvas, {x, y + s}, {x, y - s});
      Line(canvas, {x + s, y}, {x - s, y});
      break;
    case ipmsTriangleUp: canvas.Polygon({{x - s, y + s}, {x, y}, {x + s, y + s}}); break;
    case ipmsTriangleDown: canvas.Polygon({{x - s, y - s}, {x, y}, {x + s, y - s}}); break;
    case ipmsTriangleLeft: canvas.Polygon({{x + s, y - s}, {x, y}, {x + s, y + s}}); break;
    case ipmsTriangleRight: canvas.Polygon({{x - s, y - s}, {x, y}, {x - s, y + s}}); break;
    case ipmsVerticalLine: Line(canvas, {x, y - s}, {x, y + s}); break;
    case ipmsHorizontalLine: Line(canvas, {x - s, y}, {x + s, y}); break;
    case ipmsCharacter: Character(canvas, x, y, character); break;
  }
}
