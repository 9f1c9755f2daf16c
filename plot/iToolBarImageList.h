// The toolbar's image list: glyphs of one size with a transparent colour,
// each kept twice, as drawn and greyed for a disabled button.
#pragma once
#include <vector>

#include "platform/Bitmap.h"

class TiToolBarImageList {
 public:
  explicit TiToolBarImageList(int size) : Size_(size) {}

  int Size() const { return Size_; }  // width and height of every glyph
  void SetSize(int size);             // also empties the list
  int Count() const { return static_cast<int>(Images_.size()); }
  void Clear() { Images_.clear(); }

  // Adds the glyph; its pixels of `transparent` colour are never drawn.
  // Returns its index.
  int AddMasked(const TBitmap& glyph, TColor transparent);
  // Draws glyph `index` with its top-left corner at (x, y); a disabled one
  // as an etched silhouette of its dark pixels. An index outside the list
  // draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const;

 private:
  struct TImage {
    TBitmap Normal;
    TBitmap Greyed;
    TColor Transparent;
  };
  int Size_;
  std::vector<TImage> Images_;
};
