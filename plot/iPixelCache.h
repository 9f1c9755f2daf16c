// The curve value of every pixel column of the X axis, recorded while a
// curved trace is drawn, so the data cursor can read the curve where there is
// no point. Cells are kept from frame to frame (the cache never shrinks).
#pragma once
#include <vector>

#include "platform/Exception.h"

struct TiPlotPixelPoint {
  bool Empty = true;  // no curve value in this column
  double Value = 0;
};

class TiPlotPixelCache {
 public:
  // Columns first..last, every cell Empty.
  void Reset(int first, int last) {
    PixelFirst_ = first;
    PixelLast_ = last;
    const size_t wanted = static_cast<size_t>(last - first + 1);
    if (Cells_.size() < wanted) Cells_.resize(wanted);
    for (TiPlotPixelPoint& c : Cells_) c.Empty = true;
  }
  void SetPixelValue(int pixelX, double value) {
    TiPlotPixelPoint& c = Cells_[Slot(pixelX)];
    c.Empty = false;
    c.Value = value;
  }
  const TiPlotPixelPoint& Cell(int pixelX) const { return Cells_[Slot(pixelX)]; }
  int PixelFirst() const { return PixelFirst_; }
  int PixelLast() const { return PixelLast_; }
  size_t CellCount() const { return Cells_.size(); }

 private:
  size_t Slot(int pixelX) const {
    if (pixelX < PixelFirst_ || pixelX > PixelLast_) throw Exception("Pixel List XPixel out of Range");
    return static_cast<size_t>(pixelX - PixelFirst_);
  }
  std::vector<TiPlotPixelPoint> Cells_;
  int PixelFirst_ = 0, PixelLast_ = -1;
};
