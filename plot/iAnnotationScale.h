// One coordinate of an annotation mapped to pixels and back: by an axis (the
// value units of a channel) or by the data view's percent scale (0 at the
// left and bottom edge, 100 at the right and top). The pixel runs along the
// coordinate's own direction: an axis knows it; the percent scale is told
// (vertical for Y, or for X when the chart's axes are reversed). A scale
// without its axis or data view maps everything to pixel 0 and value 0.
#pragma once
#include "plot/dIredAxis.h"
#include "plot/dIredDataView.h"

class TiAnnotationScale {
 public:
  TiAnnotationScale() = default;
  static TiAnnotationScale OfAxis(const TiPlotAxis* axis) {
    TiAnnotationScale s;
    s.Axis_ = axis;
    return s;
  }
  static TiAnnotationScale OfPercent(const TiPlotDataView* view, bool vertical) {
    TiAnnotationScale s;
    s.View_ = view;
    s.Vertical_ = vertical;
    return s;
  }

  bool Valid() const { return Axis_ || View_; }
  int ValueToPixel(double value) const {
    if (Axis_) return Axis_->ValueToPixel(value);
    if (!View_) return 0;
    return Vertical_ ? View_->PixelOfYPercent(value) : View_->PixelOfXPercent(value);
  }
  double PixelToValue(int pixel) const {
    if (Axis_) return Axis_->PixelToValue(pixel);
    if (!View_) return 0;
    return Vertical_ ? View_->YPercentOfPixel(pixel) : View_->XPercentOfPixel(pixel);
  }

 private:
  const TiPlotAxis* Axis_ = nullptr;
  const TiPlotDataView* View_ = nullptr;
  bool Vertical_ = false;
};
