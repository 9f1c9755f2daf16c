// What a channel reads for a data cursor: the strip chart's lookups of a
// value at an X (FindIndex, ValueAtX), its reading by interpolation style,
// and the texts of a reading that both channel kinds share.
#include <cmath>

#include "plot/dIredChannel.h"
#include "plot/dIredDataCursor.h"
#include "plot/iVisibleRange.h"

// ---- Texts ------------------------------------------------------------------

void TiPlotChannelCustom::ReportReading(TiPlotDataCursor& cursor, int status, double y, double x) {
  cursor.SetValues(status, y, x);
  const TiPlotDataCursorStyle style = cursor.Style();
  auto valueText = [&]() -> std::string {
    if (!YScale()) return Translate("No Y-Axis");
    if (ReadsDigital() && status == ipcrValue) return Translate(y != 0 ? "High" : "Low");
    if (status == ipcrValue) return GetYText(y);
    return Translate(status == ipcrNoValue ? "Null" : "Empty");
  };
  std::string xText, yText;
  if (!XScale()) {
    xText = Translate("No X-Axis");
  } else {
    switch (style) {
      case ipcsValueXY: xText = GetXText(x), yText = valueText(); break;
      case ipcsValueX:
      case ipcsDeltaX: xText = GetXText(x); break;
      case ipcsValueY: yText = valueText(); break;
      case ipcsDeltaY: yText = GetYText(y); break;
      case ipcsInverseDeltaX:
        xText = x >= CursorInfiniteBound ? Translate("Infinite") : InverseDeltaText(x);
        break;
    }
  }
  const bool both = style == ipcsValueXY && XScale();
  cursor.SetHintText(both ? xText + ", " + yText : xText.empty() ? yText : xText);
  ReadOut_ = {xText, yText, y, x, status};
}

// ---- Strip chart --------------------------------------------------------------

int TiPlotChannel::FindIndex(double X) {
  const int n = Count();
  if (!XScale() || n == 0) return -1;
  const double first = GetX(0), last = GetX(n - 1);
  if (Ascending() ? (X < first || X > last) : (X > first || X < last)) return -1;
  int i = SearchXIndex(DataList(), X, Ascending());
  if (X > GetX(i)) i += Ascending() ? 1 : -1;
  return ClampIndex(i, n);
}

bool TiPlotChannel::ValueAtX(double X, double& Y) {
  const int i = FindIndex(X);
  const int j = Ascending() ? i - 1 : i + 1;
  // The neighbour past the end of descending data is missing too.
  if (i < 0 || j < 0 || j >= Count()) return false;
  if (DigitalEnabled_) {
    Y = GetY(j);
    return true;
  }
  if (X != GetX(i)) {
    if (i <= 0 || GetNull(i) || GetNull(j)) return false;
    TiPlotChannelScale* x = XScale();
    const int px = x->ValueToPixel(X), pi = x->ValueToPixel(GetX(i)), pj = x->ValueToPixel(GetX(j));
    if (pj != pi && px != pi) {
      Y = GetY(i) + static_cast<double>(px - pi) * (GetY(j) - GetY(i)) / (pj - pi);
      return true;
    }
  }
  Y = GetY(i);
  return true;
}

bool TiPlotChannel::OutsideData(double X) {
  const bool stepStyle = InterpolationStyle_ == ipistDifferential || InterpolationStyle_ == ipistDifferentialTerminated;
  if (stepStyle && !DigitalEnabled_) return false;
  const double first = GetX(0), last = GetX(Count() - 1);
  return Ascending() ? (X < first || X > last) : (X > first || X < last);
}

bool TiPlotChannel::ReadValue(double X, int pixel, double& Y) {
  switch (InterpolationStyle_) {
    case ipistStraightLine: return ValueAtX(X, Y);
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational: {
      if (pixel < PixelFirst() || pixel > PixelLast()) return false;
      const TiPlotPixelPoint& cell = PixelCache_.Cell(pixel);
      Y = cell.Value;
      return !cell.Empty;
    }
    case ipistDifferential: {
      const int i = FindIndex(X) - 1;
      if (i >= 0) {
        Y = GetY(i);
        return true;
      }
      const int last = Count() - 1;
      if (!IsValidPoint(last) || !(GetX(last) < X)) return false;
      Y = GetY(last);
      return true;
    }
    case ipistDifferentialTerminated: {
      const int i = FindIndex(X) - 1;
      if (i < 0) return false;
      Y = GetY(i);
      return true;
    }
  }
  return false;
}

void TiPlotChannel::UpdateDataCursor(TiPlotDataCursor& cursor) {
  TiPlotChannelScale* xs = XScale();
  if (!xs) return ReportReading(cursor, ipcrNoValue, 0, 0);
  UpdateAscending();
  const int p1 = cursor.PointerPixel(1, true);
  const double x1 = xs->PixelToValue(p1), x2 = xs->PixelToValue(cursor.PointerPixel(2, true));
  double value = 0;
  int status = ipcrOutside;
  if (Count() > 0 && !OutsideData(x1)) status = ReadValue(x1, p1, value) ? ipcrValue : ipcrNoValue;
  if (status != ipcrValue) value = 0;
  TiPlotAxis* axis = XAxis();
  const double scaler = axis ? axis->CursorScaler() : 1;
  switch (cursor.Style()) {
    case ipcsValueXY: return ReportReading(cursor, status, value, x1);
    case ipcsValueX: return ReportReading(cursor, ipcrValue, 0, x1);
    case ipcsValueY: return ReportReading(cursor, status, value, 0);
    case ipcsDeltaX: return ReportReading(cursor, ipcrValue, 0, std::fabs(x1 - x2) * scaler);
    case ipcsDeltaY: {
      TiPlotChannelScale* ys = YScale();
      if (!ys) return ReportReading(cursor, ipcrNoValue, 0, 0);
      const double y1 = ys->PixelToValue(cursor.PointerPixel(1, false));
      const double y2 = ys->PixelToValue(cursor.PointerPixel(2, false));
      return ReportReading(cursor, ipcrValue, std::fabs(y1 - y2), 0);
    }
    case ipcsInverseDeltaX: return ReportReading(cursor, ipcrValue, 0, CursorInverseDelta(x1, x2, scaler));
  }
}

std::string TiPlotChannel::InverseDeltaText(double x) {
  TiPlotAxis* axis = XAxis();
  return axis ? axis->FormatCursorDelta(x) : GetXText(x);
}
