#include "platform/Resources.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

#include "platform/Exception.h"

namespace platform {
namespace {

// Draws on a 24-unit grid scaled to the glyph's size, so the small glyphs are
// the same pictures at 16 pixels.
class Glyph {
 public:
  Glyph(TCanvas& canvas, int size) : c(canvas), size_(size) {}
  int S(int units) const { return (units * size_ + 12) / 24; }
  TPoint P(int x, int y) const { return {S(x), S(y)}; }
  TRect R(int l, int t, int r, int b) const { return {S(l), S(t), S(r), S(b)}; }
  void Pen(TColor color, int width = 1) {
    c.Pen.Color = color;
    c.Pen.Width = size_ < 24 ? 1 : width;
    c.Pen.Style = psSolid;
  }
  void Fill(TColor color) {
    c.Brush.Color = color;
    c.Brush.Style = bsSolid;
  }
  void Box(int l, int t, int r, int b, TColor fill, TColor line = clBlack) {
    Pen(line);
    Fill(fill);
    c.Rectangle(R(l, t, r, b));
  }
  void Line(int x0, int y0, int x1, int y1, TColor color, int width = 1) {
    Pen(color, width);
    c.MoveTo(S(x0), S(y0));
    c.LineTo(S(x1), S(y1));
  }
  void Shape(std::initializer_list<TPoint> units, TColor fill, TColor line = clBlack) {
    std::vector<TPoint> points;
    for (TPoint p : units) points.push_back(P(p.X, p.Y));
    Pen(line);
    Fill(fill);
    c.Polygon(points);
  }
  void Lens(int cx, int cy, int r) {
    Line(cx + r - 1, cy + r - 1, 22, 22, clMaroon, 3);
    Pen(clBlack);
    Fill(clAqua);
    c.Ellipse(R(cx - r, cy - r, cx + r, cy + r));
  }
  void Page(int l, int t, int r, int b) {
    Box(l, t, r, b, clWhite);
    for (int y = t + 4; y < b - 2; y += 3) Line(l + 3, y, r - 3, y, clGray);
  }

  TCanvas& c;

 private:
  int size_;
};

using Painter = std::function<void(Glyph&)>;

const std::map<std::string, Painter>& Painters() {
  static const std::map<std::string, Painter> painters = {
      {"AUTO", [](Glyph& g) { g.Shape({{7, 4}, {19, 12}, {7, 20}}, clLime); }},
      {"PAUSE",
       [](Glyph& g) {
         g.Box(6, 4, 11, 20, clRed);
         g.Box(13, 4, 18, 20, clRed);
       }},
      {"SCROLL",
       [](Glyph& g) {
         g.Shape({{2, 12}, {8, 6}, {8, 18}}, clBlue);
         g.Shape({{22, 12}, {16, 6}, {16, 18}}, clBlue);
         g.Line(8, 12, 16, 12, clBlack, 2);
       }},
      {"ZOOM",
       [](Glyph& g) {
         g.Shape({{12, 2}, {18, 8}, {6, 8}}, clBlue);
         g.Shape({{12, 22}, {18, 16}, {6, 16}}, clBlue);
         g.Line(12, 8, 12, 16, clBlack, 2);
       }},
      {"ZOOMOUT",
       [](Glyph& g) {
         g.Lens(10, 10, 7);
         g.Line(6, 10, 15, 10, clBlack, 2);
       }},
      {"ZOOMIN",
       [](Glyph& g) {
         g.Lens(10, 10, 7);
         g.Line(6, 10, 15, 10, clBlack, 2);
         g.Line(10, 6, 10, 15, clBlack, 2);
       }},
      {"SELECT", [](Glyph& g) { g.Shape({{6, 3}, {6, 19}, {10, 15}, {13, 21}, {15, 20}, {12, 14}, {18, 14}}, clWhite); }},
      {"SCROLLBOX",
       [](Glyph& g) {
         g.Pen(clBlack);
         g.c.Pen.Style = psDot;
         g.c.Brush.Style = bsClear;
         g.c.Rectangle(g.R(3, 5, 21, 19));
         g.Shape({{21, 19}, {14, 19}, {21, 12}}, clBlue);
       }},
      {"CURSOR",
       [](Glyph& g) {
         g.Line(12, 2, 12, 23, clRed);
         g.Line(2, 12, 23, 12, clRed);
         g.Box(9, 9, 16, 16, clYellow);
       }},
      {"PROPERTIES",
       [](Glyph& g) {
         g.Page(4, 2, 20, 22);
         g.Box(6, 5, 9, 8, clRed);
         g.Box(6, 11, 9, 14, clLime);
         g.Box(6, 17, 9, 20, clBlue);
       }},
      {"COPY",
       [](Glyph& g) {
         g.Page(3, 2, 15, 17);
         g.Page(9, 7, 21, 22);
       }},
      {"SAVE",
       [](Glyph& g) {
         g.Box(3, 3, 21, 21, clNavy);
         g.Box(7, 3, 17, 10, clWhite);
         g.Box(7, 14, 17, 21, clSilver);
         g.Box(13, 15, 15, 20, clNavy);
       }},
      {"PRINTER",
       [](Glyph& g) {
         g.Page(7, 2, 17, 11);
         g.Box(2, 10, 22, 18, clSilver);
         g.Box(6, 15, 18, 22, clWhite);
         g.Box(18, 12, 20, 14, clLime, clLime);
       }},
      {"PREVIEW",
       [](Glyph& g) {
         g.Page(3, 2, 17, 22);
         g.Lens(13, 13, 5);
       }},
  };
  return painters;
}

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char ch) { return std::toupper(ch); });
  return s;
}
}  // namespace

TBitmap ToolbarGlyph(const std::string& name) {
  std::string key = Upper(name);
  int size = 24;
  if (key.rfind("SMALL", 0) == 0) {
    key.erase(0, 5);
    size = 16;
  }
  const auto painter = Painters().find(key);
  if (painter == Painters().end()) throw Exception("Resource " + name + " not found");
  TBitmap bitmap(size, size);
  bitmap.Fill(kGlyphTransparentColor);
  Glyph glyph(bitmap.Canvas(), size);
  painter->second(glyph);
  return bitmap;
}

}  // namespace platform
