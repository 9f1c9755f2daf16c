#include "plot/iToolBarImageList.h"

namespace {

bool IsDark(TColor c) {
  const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
  return (r * 30 + g * 59 + b * 11) / 100 < 192;
}

// The classic look of a disabled glyph: its dark pixels in the shadow colour,
// with a highlight one pixel down and right, on the transparent ground. Light
// pixels (white pages, yellow folders) drop out, so the outline still reads.
TBitmap Greyed(const TBitmap& glyph, TColor transparent) {
  TBitmap out(glyph.Width(), glyph.Height());
  out.Fill(transparent);
  TCanvas& c = out.Canvas();
  auto shapeAt = [&](int x, int y) {
    const TColor p = glyph.Pixel(x, y);
    return p != clNone && p != transparent && IsDark(p);
  };
  for (int y = 0; y < glyph.Height(); ++y)
    for (int x = 0; x < glyph.Width(); ++x)
      if (shapeAt(x, y)) c.SetPixel(x + 1, y + 1, clBtnHighlight);
  for (int y = 0; y < glyph.Height(); ++y)
    for (int x = 0; x < glyph.Width(); ++x)
      if (shapeAt(x, y)) c.SetPixel(x, y, clBtnShadow);
  return out;
}

}  // namespace

void TiToolBarImageList::SetSize(int size) {
  Size_ = size;
  Clear();
}

int TiToolBarImageList::AddMasked(const TBitmap& glyph, TColor transparent) {
  Images_.push_back({glyph, Greyed(glyph, transparent), transparent});
  return Count() - 1;
}

void TiToolBarImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const TImage& image = Images_[static_cast<size_t>(index)];
  canvas.DrawTransparent(x, y, enabled ? image.Normal : image.Greyed, image.Transparent);
}
