// The strip-chart channel's bars and high-low bars over its visible points.
#include "plot/dIredChannel.h"

void TiPlotChannel::DrawBars(TCanvas* canvas, bool axesSwapped) {
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (!BarEnabled_ || !x || !y || FirstVisibleIndex() < 0 || LastVisibleIndex() < 0) return;
  for (int i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i) {
    if (!IsValidPoint(i) || !GetBarVisible(i)) continue;
    canvas->Brush = TBrush{BarBrushUseChannelColor_ ? Color() : GetBarBrushColor(i),
                           static_cast<TBrushStyle>(GetBarBrushStyle(i))};
    canvas->Pen = TPen{BarPenUseChannelColor_ ? Color() : GetBarPenColor(i), GetBarPenWidth(i),
                       static_cast<TPenStyle>(GetBarPenStyle(i))};
    const double half = GetBarWidth(i) / 2, px = GetX(i);
    canvas->Rectangle(OrientedRect(x->ValueToPixel(px - half), y->ValueToPixel(GetBarReference(i)),
                                   x->ValueToPixel(px + half), y->ValueToPixel(GetY(i)), axesSwapped));
  }
}

void TiPlotChannel::DrawHighLow(TCanvas* canvas, bool axesSwapped) {
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (!HighLow_.Enabled || !x || !y || FirstVisibleIndex() < 0 || LastVisibleIndex() < 0) return;
  const TiPlotHighLowSizes sizes = HighLowSizes(HighLow_, *x, *y);
  for (int i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i) {
    if (!IsValidPoint(i)) continue;
    const double open = GetOpen(i), close = GetClose(i);
    const TiPlotHighLowPixels p{x->ValueToPixel(GetX(i)), y->ValueToPixel(GetHigh(i)), y->ValueToPixel(GetLow(i)),
                                y->ValueToPixel(open), y->ValueToPixel(close)};
    if (HighLow_.Style == iphlsCandleStick)
      DrawCandleStick(*canvas, HighLow_, sizes, p, open > close, axesSwapped);
    else
      DrawOpenCloseBar(*canvas, HighLow_, sizes, p, axesSwapped);
  }
}

// ---- Markers and hit test ---------------------------------------------------

void TiPlotChannel::DrawMarkers(TCanvas* canvas, bool axesSwapped) {
  if (!canvas || FirstVisibleIndex() < 0 || LastVisibleIndex() < 0 || !MarkersVisible()) return;
  if (!DigitalEnabled_) return TiPlotChannelCustom::DrawMarkers(canvas, axesSwapped);
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (!x || !y) return;
  canvas->Font = MarkersFont();
  for (int i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i) {
    if (!IsValidPoint(i) || !GetMarkersVisible(i)) continue;
    if (!x->IsValueVisible(GetX(i)) || !y->IsValueVisible(GetY(i))) continue;
    const int px = x->ValueToPixel(GetX(i));
    const int py = GetY(i) != 0 ? DigitalHighPixel() : DigitalLowPixel();
    if (axesSwapped)
      DrawMarker(*canvas, i, py, px);
    else
      DrawMarker(*canvas, i, px, py);
  }
}

bool TiPlotChannel::HitTest(const TiPlotMouseData& mouse) {
  if (TiPlotChannelCustom::HitTest(mouse)) return true;
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (mouse.Button != ipmbRight || !x || !y) return false;
  UpdateAscending();
  double value;
  if (!ValueAtX(x->PixelToValue(mouse.X), value)) return false;
  const int py = y->ValueToPixel(value);
  // The trace point and the box around the pointer, in the raw orientation.
  const TPoint trace = XYAxesReverse() ? TPoint{py, mouse.X} : TPoint{mouse.X, py};
  const TRect box{mouse.RawX - 10, mouse.RawY - 10, mouse.RawX + 10, mouse.RawY + 10};
  return box.Contains(trace);
}
