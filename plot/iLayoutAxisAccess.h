// What the layout pass and the data view's grid ask of an axis: its
// cartesian style and references, its scale rectangle and its grid lines.
//
// The axis unit grows these operations in its own time; each helper calls the
// axis operation of that name when the axis has it and otherwise answers as a
// plain, non-cartesian axis whose scale is its whole rectangle, so that a
// chart lays out and draws with whatever the axis offers today.
#pragma once
#include "platform/Types.h"
#include "plot/dIredAxis.h"
#include "plot/iGridLineStyle.h"

class TCanvas;

namespace layout_axis {

// The first value of every cartesian style enumeration is "none", the
// second "master".
template <class A>
int CartesianStyleOf(const A& axis) {
  if constexpr (requires { axis.CartesianStyle(); })
    return static_cast<int>(axis.CartesianStyle());
  else
    return 0;
}

template <class A>
bool IsCartesian(const A& axis) { return CartesianStyleOf(axis) != 0; }

template <class A>
bool IsCartesianMaster(const A& axis) { return CartesianStyleOf(axis) == 1; }

// The pixel where a child axis crosses its reference, or false when the
// reference does not exist.
template <class A>
bool CartesianChildPixel(A& axis, int& pixel) {
  if constexpr (requires { axis.GetCartesianRefAxis()->ValueToPixel(axis.CartesianChildRefValue()); }) {
    auto* ref = axis.GetCartesianRefAxis();
    if (!ref) return false;
    pixel = ref->ValueToPixel(axis.CartesianChildRefValue());
    return true;
  } else {
    return false;
  }
}

template <class A>
TiPlotLayoutObject* AlignReference(A& axis) {
  if constexpr (requires { axis.GetAlignRefAxis(); })
    return axis.GetAlignRefAxis();
  else
    return nullptr;
}

template <class A>
void CalcScaleRect(A& axis, TCanvas* canvas) {
  if constexpr (requires { axis.CalcScaleRect(canvas); }) axis.CalcScaleRect(canvas);
}

template <class A>
TRect ScaleRect(const A& axis) {
  if constexpr (requires { axis.ScaleLeft(); axis.ScaleTop(); axis.ScaleRight(); axis.ScaleBottom(); })
    return Rect(axis.ScaleLeft(), axis.ScaleTop(), axis.ScaleRight(), axis.ScaleBottom());
  else
    return axis.GetRect();
}

// One group of grid lines: the minor or major ticks of an axis.
struct GridPen {
  int Width = 0;
  TColor Color = 0;
  TiPlotGridLineStyle Style = ipglsSolid;
};

// The axis draws with the line styles of the plot, whose first three values
// are the grid's solid, dash and dot.
template <class A>
void DrawGridLines(A& axis, TCanvas* canvas, const TRect& rect, const GridPen& minor, const GridPen& major,
                   bool showMinors, bool showMajors) {
  const auto minorStyle = static_cast<TiPlotLineStyle>(minor.Style);
  const auto majorStyle = static_cast<TiPlotLineStyle>(major.Style);
  if constexpr (requires {
                  axis.DrawGridLines(canvas, rect, minor.Width, major.Width, minor.Color, major.Color, minorStyle,
                                     majorStyle, showMinors, showMajors);
                })
    axis.DrawGridLines(canvas, rect, minor.Width, major.Width, minor.Color, major.Color, minorStyle, majorStyle,
                       showMinors, showMajors);
}

// Ticks and labels for this canvas.
template <class A>
void GenerateTicks(A& axis, TCanvas* canvas) {
  if constexpr (requires { axis.GenerateTicks(canvas); }) axis.GenerateTicks(canvas);
}

template <class A>
void SetTrackingEnabled(A& axis, bool value) {
  if constexpr (requires { axis.SetTrackingEnabled(value); }) axis.SetTrackingEnabled(value);
}

}  // namespace layout_axis
