// The channel's markers and what the mouse does with them: drawing, the
// hit test of markers and of the legend row, and data-point clicks.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataView.h"

namespace {

constexpr int LegendSampleMaxSize = 6;

TPoint Oriented(int x, int y, bool axesSwapped) { return axesSwapped ? TPoint{y, x} : TPoint{x, y}; }

}  // namespace

TiPlotMarkerLook TiPlotChannelCustom::MarkerLook(int Index) const {
  TiPlotMarkerLook look;
  const bool individual = Index >= 0 && MarkersAllowIndividual_;
  if (individual) {
    look.Style = GetMarkersStyle(Index);
    look.Size = GetMarkersSize(Index);
    look.PenWidth = GetMarkersPenWidth(Index);
    look.PenStyle = static_cast<TPenStyle>(GetMarkersPenStyle(Index));
    look.PenColor = MarkersPenUseChannelColor_ ? Color() : GetMarkersPenColor(Index);
    look.BrushColor = MarkersBrushUseChannelColor_ ? Color() : GetMarkersBrushColor(Index);
  } else {
    look.Style = MarkersStyle();
    look.Size = Index < 0 ? std::min(MarkersSize(), LegendSampleMaxSize) : MarkersSize();
    look.PenWidth = MarkersPenWidth();
    look.PenStyle = MarkersPenStyle();
    look.PenColor = MarkersPenUseChannelColor_ ? Color() : MarkersPenColor();
    look.BrushColor = MarkersBrushUseChannelColor_ ? Color() : MarkersBrushColor();
  }
  look.BrushStyle = MarkersBrushStyle();
  return look;
}

void TiPlotChannelCustom::DrawMarker(TCanvas& canvas, int Index, int x, int y) {
  const char character = Index >= 0 ? GetMarkersCharacter(Index) : DataList_->MarkersCharacter;
  DrawMarkerShape(canvas, MarkerLook(Index), x, y, character);
}

bool TiPlotChannelCustom::PointPixels(int Index, int& px, int& py) {
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (!x || !y) return false;
  px = x->ValueToPixel(GetX(Index));
  py = y->ValueToPixel(GetY(Index));
  return true;
}

bool TiPlotChannelCustom::MarkerDrawable(int Index) {
  if (!MarkersVisible() || !IsValidPoint(Index)) return false;
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (!x || !y) return false;
  if (MarkersAllowIndividual_ && !GetMarkersVisible(Index)) return false;
  return x->IsValueVisible(GetX(Index)) && y->IsValueVisible(GetY(Index));
}

void TiPlotChannelCustom::DrawMarkers(TCanvas* canvas, bool axesSwapped) {
  if (!canvas || !MarkersVisible()) return;
  canvas->Font = MarkersFont_;
  const int first = FirstVisibleIndex_, last = LastVisibleIndex_;
  if (first < 0 || last < 0) return;
  if (MarkersTurnOffLimit_ > 0 && std::abs(last - first) > MarkersTurnOffLimit_) return;
  // Points packed closer than a pixel repeat the marker before them: the
  // same look on the same centre sets the same pixels again.
  TPoint previous{INT_MIN, INT_MIN};
  char previousCharacter = 0;
  for (int i = first; i <= last; ++i) {
    int px, py;
    if (!MarkerDrawable(i) || !PointPixels(i, px, py)) continue;
    const TPoint c = Oriented(px, py, axesSwapped);
    const char character = GetMarkersCharacter(i);
    if (c == previous && character == previousCharacter && !MarkersAllowIndividual_) continue;
    DrawMarker(*canvas, i, c.X, c.Y);
    previous = c;
    previousCharacter = character;
  }
}

// ---- Mouse ------------------------------------------------------------------

bool TiPlotChannelCustom::HitTest(const TiPlotMouseData& mouse) {
  if (VisibleInLegend() && LegendRect_.Contains({mouse.RawX, mouse.RawY})) return true;
  auto* host = dynamic_cast<TiPlotDataViewHost*>(Owner());
  if (!host || !host->SelectModeActive()) return false;
  HitMarker_ = -1;
  if (!MarkersVisible() || Count() == 0) return false;
  CalcFirstVisibleIndex();
  CalcLastVisibleIndex();
  if (FirstVisibleIndex_ < 0 || LastVisibleIndex_ < 0) return false;
  const int s = MarkersSize();
  for (int i = FirstVisibleIndex_; i <= LastVisibleIndex_; ++i) {
    int px, py;
    if (!MarkerDrawable(i) || !PointPixels(i, px, py)) continue;
    const TRect box{px - s, py - s, px + s, py + s};
    if (!box.Contains({mouse.X, mouse.Y})) continue;
    HitMarker_ = i;
    HitMarkerBox_ = box;
    return true;
  }
  return false;
}

void TiPlotChannelCustom::DoMouseLeftDown(const TiPlotMouseData& mouse) {
  if (HitMarker_ < 0 || !HitMarkerBox_.Contains({mouse.X, mouse.Y})) return;
  MarkerPressed_ = true;
  PressedMarker_ = HitMarker_;
  PressedMarkerBox_ = HitMarkerBox_;
}

void TiPlotChannelCustom::DoMouseUp(const TiPlotMouseData& mouse) {
  if (MarkerPressed_) {
    MarkerPressed_ = false;
    if (PressedMarkerBox_.Contains({mouse.X, mouse.Y}) && Owner()) Owner()->ObjectDataPointClick(this, PressedMarker_);
  } else if (MouseDownActive() && LegendRect_.Contains({mouse.RawX, mouse.RawY}) && Owner()) {
    Owner()->ObjectClick(this, mouse);
  }
  EndMouseDown();
}
