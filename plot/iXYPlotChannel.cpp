#include "plot/iXYPlotChannel.h"

#include <cmath>

#include "plot/dIredDataCursor.h"
#include "plot/iChannelStatistics.h"

TiXYPlotChannel::TiXYPlotChannel(const TiPlotObjectHooks& hooks) : TiPlotChannelCustom(hooks) {}

const TClassInfo& TiXYPlotChannel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiXYPlotChannel>("TiXYPlotChannel").Inherits<TiPlotChannelCustom>().Build();
  return info;
}

void TiXYPlotChannel::CalcFirstVisibleIndex() { SetVisibleRange(Count() > 0 ? 0 : -1, LastVisibleIndex()); }
void TiXYPlotChannel::CalcLastVisibleIndex() { SetVisibleRange(FirstVisibleIndex(), Count() - 1); }

template <class Pick, class Better>
double TiXYPlotChannel::Extreme(double start, Pick&& pick, Better&& better) {
  double result = start;
  if (!XScale() || !YScale() || !Visible()) return result;
  for (int i = 0; i < Count(); ++i) {
    if (!IsValidPoint(i)) continue;
    const double v = pick(i);
    if (better(v, result)) result = v;
  }
  return result;
}

namespace {
bool Greater(double a, double b) { return a > b; }
bool Less(double a, double b) { return a < b; }
}  // namespace

double TiXYPlotChannel::GetFitXMax() {
  return Extreme(TiPlotChannelStatistics::NoMax, [this](int i) { return GetXMaxWithMarker(i); }, Greater);
}
double TiXYPlotChannel::GetFitXMin() {
  return Extreme(TiPlotChannelStatistics::NoMin, [this](int i) { return GetXMinWithMarker(i); }, Less);
}
double TiXYPlotChannel::GetFitYMax() {
  return Extreme(TiPlotChannelStatistics::NoMax, [this](int i) { return GetYMaxWithMarker(i); }, Greater);
}
double TiXYPlotChannel::GetFitYMin() {
  return Extreme(TiPlotChannelStatistics::NoMin, [this](int i) { return GetYMinWithMarker(i); }, Less);
}

void TiXYPlotChannel::PrepareDraw() {
  CalcFirstVisibleIndex();
  CalcLastVisibleIndex();
  SetReady(XScale() && YScale() && Visible() && Count() > 0 && FirstVisibleIndex() >= 0 && LastVisibleIndex() >= 0);
}

void TiXYPlotChannel::Draw(TCanvas* canvas, TColor) {
  if (!canvas) return;
  try {
    DrawTrace(canvas, XYAxesReverse());
    DrawMarkers(canvas, XYAxesReverse());
  } catch (...) {
    // One channel's bad frame must not stop the chart's drawing.
  }
}

void TiXYPlotChannel::UpdateDataCursor(TiPlotDataCursor& cursor) {
  TiPlotChannelScale* xs = XScale();
  TiPlotChannelScale* ys = YScale();
  const double x1 = xs ? xs->PixelToValue(cursor.PointerPixel(1, true)) : 0;
  const double x2 = xs ? xs->PixelToValue(cursor.PointerPixel(2, true)) : 0;
  const double y1 = ys ? ys->PixelToValue(cursor.PointerPixel(1, false)) : 0;
  const double y2 = ys ? ys->PixelToValue(cursor.PointerPixel(2, false)) : 0;
  double x = 0, y = 0;
  switch (cursor.Style()) {
    case ipcsValueXY: x = x1, y = y2; break;
    case ipcsValueX: x = x1; break;
    case ipcsValueY: y = y2; break;
    case ipcsDeltaX: x = std::fabs(x1 - x2); break;
    case ipcsDeltaY: y = std::fabs(y1 - y2); break;
    case ipcsInverseDeltaX: x = CursorInverseDelta(x1, x2, xs ? XAxis()->CursorScaler() : 1); break;
  }
  ReportReading(cursor, ipcrValue, y, x);
}
