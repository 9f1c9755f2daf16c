#include "plot/dIredChannel.h"

#include "plot/dIredDataCompactList.h"
#include "plot/dIredDataNullList.h"
#include "plot/dIredDataView.h"
#include "plot/dIredMasterManager.h"
#include "plot/iTraceReduction.h"
#include "plot/iTraceStyles.h"

TiPlotChannel::TiPlotChannel(const TiPlotObjectHooks& hooks)
    : TiPlotChannelCustom(hooks), StartTime_(platform::Now()) {
  TiPlotDataCustomList& l = DataList();
  l.BarWidth = 5;
  l.BarPenColor = clRed;
  l.BarBrushColor = clRed;
}

TiPlotChannel::~TiPlotChannel() = default;

const TClassInfo& TiPlotChannel::StaticClass() {
  using C = TiPlotChannel;
  static const TClassInfo info =
      TClassBuilder<C>("TiPlotChannel")
          .Inherits<TiPlotChannelCustom>()
          .Enum("OPCXValueSource", &C::OPCXValueSource, &C::SetOPCXValueSource)
          .Default(iopcxvsOPCServerTimeStamp)
          .Bool("FastDrawEnabled", &C::FastDrawEnabled, &C::SetFastDrawEnabled).Default(1)
          .Enum("InterpolationStyle", &C::InterpolationStyle, &C::SetInterpolationStyle)
          .Default(ipistStraightLine)
          .Bool("FillEnabled", &C::FillEnabled, &C::SetFillEnabled).Default(0)
          .Float("FillReference", &C::FillReference, &C::SetFillReference).DefaultFloat(0)
          .Enum("FillStyle", &C::FillStyle, &C::SetFillStyle)
          .Default(bsSolid)
          .Color("FillColor", &C::FillColor, &C::SetFillColor).Default(0)
          .Bool("FillUseChannelColor", &C::FillUseChannelColor, &C::SetFillUseChannelColor).Default(1)
          .Bool("DigitalEnabled", &C::DigitalEnabled, &C::SetDigitalEnabled).Default(0)
          .Enum("DigitalReferenceStyle", &C::DigitalReferenceStyle, &C::SetDigitalReferenceStyle)
          .Default(ipdrScale)
          .Float("DigitalReferenceLow", &C::DigitalReferenceLow, &C::SetDigitalReferenceLow).DefaultFloat(10)
          .Float("DigitalReferenceHigh", &C::DigitalReferenceHigh, &C::SetDigitalReferenceHigh).DefaultFloat(90)
          .Bool("BarEnabled", &C::BarEnabled, &C::SetBarEnabled).Default(0)
          .Float("BarReference", &C::BarReference, &C::SetBarReference).DefaultFloat(0)
          .Float("BarWidth", &C::BarWidth, &C::SetBarWidth).DefaultFloat(5)
          .Color("BarPenColor", &C::BarPenColor, &C::SetBarPenColor).Default(clRed)
          .Integer("BarPenWidth", &C::BarPenWidth, &C::SetBarPenWidth).Default(0)
          .Enum("BarPenStyle", &C::BarPenStyle, &C::SetBarPenStyle)
          .Default(psSolid)
          .Color("BarBrushColor", &C::BarBrushColor, &C::SetBarBrushColor).Default(clRed)
          .Enum("BarBrushStyle", &C::BarBrushStyle, &C::SetBarBrushStyle)
          .Default(bsSolid)
          .Bool("BarPenUseChannelColor", &C::BarPenUseChannelColor, &C::SetBarPenUseChannelColor).Default(1)
          .Bool("BarBrushUseChannelColor", &C::BarBrushUseChannelColor, &C::SetBarBrushUseChannelColor).Default(1)
          .Bool("HighLowEnabled", &C::HighLowEnabled, &C::SetHighLowEnabled).Default(0)
          .Enum("HighLowStyle", &C::HighLowStyle, &C::SetHighLowStyle)
          .Default(iphlsOpenClose)
          .Color("HighLowBarColor", &C::HighLowBarColor, &C::SetHighLowBarColor).Default(clAqua)
          .Float("HighLowBarWidth", &C::HighLowBarWidth, &C::SetHighLowBarWidth).DefaultFloat(0.5)
          .Bool("HighLowOpenShow", &C::HighLowOpenShow, &C::SetHighLowOpenShow).Default(1)
          .Bool("HighLowCloseShow", &C::HighLowCloseShow, &C::SetHighLowCloseShow).Default(1)
          .Color("HighLowOpenColor", &C::HighLowOpenColor, &C::SetHighLowOpenColor).Default(clLime)
          .Color("HighLowCloseColor", &C::HighLowCloseColor, &C::SetHighLowCloseColor).Default(clRed)
          .Float("HighLowOpenWidth", &C::HighLowOpenWidth, &C::SetHighLowOpenWidth).DefaultFloat(1)
          .Float("HighLowCloseWidth", &C::HighLowCloseWidth, &C::SetHighLowCloseWidth).DefaultFloat(1)
          .Float("HighLowOpenHeight", &C::HighLowOpenHeight, &C::SetHighLowOpenHeight).DefaultFloat(1)
          .Float("HighLowCloseHeight", &C::HighLowCloseHeight, &C::SetHighLowCloseHeight).DefaultFloat(1)
          .Color("HighLowShadowColor", &C::HighLowShadowColor, &C::SetHighLowShadowColor).Default(clGray)
          .Color("HighLowBullishColor", &C::HighLowBullishColor, &C::SetHighLowBullishColor).Default(clWhite)
          .Color("HighLowBearishColor", &C::HighLowBearishColor, &C::SetHighLowBearishColor).Default(clGray)
          .Build();
  return info;
}

int TiPlotChannel::AddYElapsedTime(double Y) { return AddXY(platform::Now() - StartTime_, Y); }

int TiPlotChannel::AddYElapsedSeconds(double Y) {
  return AddXY((platform::Now() - StartTime_) * (60 * 60 * 24), Y);
}

void TiPlotChannel::OPCNewData(const TiPlotOPCValue& value, double serverTimeStamp) {
  const double y = OPCValueToDouble(value);
  switch (OPCXValueSource_) {
    case iopcxvsOPCServerTimeStamp: AddXY(serverTimeStamp, y); break;
    case iopcxvsSystemTimeStamp: AddXY(platform::Now(), y); break;
    case iopcxvsElapsedTime: AddYElapsedTime(y); break;
    case iopcxvsElapsedSeconds: AddYElapsedSeconds(y); break;
  }
}

// ---- Visible range ----------------------------------------------------------

void TiPlotChannel::UpdateAscending() { Ascending_ = Count() < 3 || GetX(1) >= GetX(0); }

void TiPlotChannel::CalcFirstVisibleIndex() {
  TiPlotChannelScale* x = XScale();
  const int first = x ? SearchFirstVisible(DataList(), x->Min(), x->Max(), XOrder()) : -1;
  SetVisibleRange(first, LastVisibleIndex());
}

void TiPlotChannel::CalcLastVisibleIndex() {
  TiPlotChannelScale* x = XScale();
  const int last = x ? SearchLastVisible(DataList(), x->Min(), x->Max(), XOrder()) : -1;
  SetVisibleRange(FirstVisibleIndex(), last);
}

void TiPlotChannel::RecomputeVisibleRange() {
  UpdateAscending();
  CalcFirstVisibleIndex();
  CalcLastVisibleIndex();
}

// ---- Fit extents ------------------------------------------------------------

bool TiPlotChannel::CanFit() { return XScale() && YScale() && Visible() && Count() > 0; }

namespace {
// Keeps the larger (most) or smaller value in `result`.
void Keep(double& result, double v, bool most) {
  if (most ? v > result : v < result) result = v;
}
}  // namespace

// Sorted, the extremes of X lie at the ends: the first valid point from each
// end (which end is which follows the direction). Unsorted, every valid point.
template <class Widened>
double TiPlotChannel::FitX(double start, bool most, Widened&& widened) {
  double result = start;
  if (!CanFit()) return result;
  const int n = Count();
  if (XOrder() == ixoUnsorted) {
    for (int i = 0; i < n; ++i)
      if (IsValidPoint(i)) Keep(result, widened(i), most);
    return result;
  }
  for (int i = 0; i < n; ++i)
    if (IsValidPoint(i)) {
      Keep(result, widened(i), most);
      break;
    }
  for (int i = n - 1; i >= 0; --i)
    if (IsValidPoint(i)) {
      Keep(result, widened(i), most);
      break;
    }
  return result;
}

// Over the points the x axis shows, as the trace draws them.
template <class Widened>
double TiPlotChannel::FitY(double start, bool most, Widened&& widened) {
  double result = start;
  if (!CanFit()) return result;
  RecomputeVisibleRange();
  const TiPlotChannelScale* x = XScale();
  ForEachPointInView(DataList(), FirstVisibleIndex(), LastVisibleIndex(), x->Min(), x->Max(), XOrder(), Ascending_,
                     [&](int i) {
                       if (IsValidPoint(i)) Keep(result, widened(i), most);
                     });
  return result;
}

double TiPlotChannel::GetFitXMax() {
  return FitX(TiPlotChannelStatistics::NoMax, true, [this](int i) { return GetXMaxWithMarker(i); });
}
double TiPlotChannel::GetFitXMin() {
  return FitX(TiPlotChannelStatistics::NoMin, false, [this](int i) { return GetXMinWithMarker(i); });
}
double TiPlotChannel::GetFitYMax() {
  return FitY(TiPlotChannelStatistics::NoMax, true, [this](int i) { return GetYMaxWithMarker(i); });
}
double TiPlotChannel::GetFitYMin() {
  return FitY(TiPlotChannelStatistics::NoMin, false, [this](int i) { return GetYMinWithMarker(i); });
}

// ---- Drawing ----------------------------------------------------------------

void TiPlotChannel::PrepareDraw() {
  SetReady(false);
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (!x || !y || !Visible() || Count() == 0) return;
  RecomputeVisibleRange();
  const bool stepStyle =
      InterpolationStyle_ == ipistDifferential || InterpolationStyle_ == ipistDifferentialTerminated;
  if ((FirstVisibleIndex() == -1 || LastVisibleIndex() == -1) && !stepStyle) return;
  if (DigitalReferenceStyle_ == ipdrPercent) {
    DigitalHighPixel_ = y->ValueToPixel(y->Min() + y->Span() * DigitalReferenceHigh_ / 100);
    DigitalLowPixel_ = y->ValueToPixel(y->Min() + y->Span() * DigitalReferenceLow_ / 100);
  } else {
    DigitalHighPixel_ = y->ValueToPixel(DigitalReferenceHigh_);
    DigitalLowPixel_ = y->ValueToPixel(DigitalReferenceLow_);
  }
  const int pMin = x->ValueToPixel(x->Min()), pMax = x->ValueToPixel(x->Max());
  PixelCache_.Reset(std::min(pMin, pMax), std::max(pMin, pMax));
  SetReady(true);
}

TRect TiPlotChannel::DataViewRect() {
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  TiPlotDataViewManager* views = master ? master->DataViewManager() : nullptr;
  if (!views || !views->HasItems()) return {};
  return views->DataView(0)->GetRect();
}

void TiPlotChannel::Draw(TCanvas* canvas, TColor) {
  if (!canvas) return;
  try {
    DrawStraightLineFill(canvas, XYAxesReverse());
    DrawBars(canvas, XYAxesReverse());
    DrawTrace(canvas, XYAxesReverse());
    DrawMarkers(canvas, XYAxesReverse());
    DrawHighLow(canvas, XYAxesReverse());
  } catch (...) {
    // A bad frame of one channel (an interpolation error, a list index)
    // must not keep the rest of the chart from drawing.
  }
}

// The walks take the visible range; once an X has gone back, each stretch of
// it in view, as if each were a sorted range of its own (a point that went
// back starts a new one).
template <class Walk>
void TiPlotChannel::ForEachStretch(Walk&& walk) {
  const TiPlotChannelScale* x = XScale();
  ForEachStretchInView(DataList(), FirstVisibleIndex(), LastVisibleIndex(), x->Min(), x->Max(), XOrder(), Ascending_,
                       walk);
}

void TiPlotChannel::DrawStraightLineFill(TCanvas* canvas, bool axesSwapped) {
  if (!UsesFill() || InterpolationStyle_ != ipistStraightLine || DigitalEnabled_) return;
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (!x || !y) return;
  canvas->Brush = TBrush{TraceFillColor(), FillStyle_};
  canvas->Pen = TPen{TraceFillColor(), 0, psClear};
  TiPlotTraceDrawer drawer(*canvas, *x, *y, axesSwapped);
  ForEachStretch([&](int first, int last) { DrawStraightFill(DataList(), first, last, drawer, FillReference_); });
}

void TiPlotChannel::DrawTrace(TCanvas* canvas, bool axesSwapped) {
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (!TraceVisible() || !canvas || !x || !y) return;
  const TPen pen = TracePen(Color(), TraceLineStyle(), TraceLineWidth());
  canvas->Pen = pen;
  canvas->Brush.Style = bsClear;
  TiPlotTraceDrawer drawer(*canvas, *x, *y, axesSwapped, DataViewRect());
  TiPlotTraceFill fill;
  fill.Enabled = UsesFill();
  fill.Reference = FillReference_;
  fill.Pen = TPen{TraceFillColor(), 0, psSolid};
  fill.Brush = TBrush{TraceFillColor(), FillStyle_};

  if (!DigitalEnabled_) {
    switch (InterpolationStyle_) {  // the curves go through every point, whatever their order
      case ipistCubicSpline: return DrawCurveTrace(DataList(), ipckCubicSpline, drawer, PixelCache_, pen, fill);
      case ipistPolynomial: return DrawCurveTrace(DataList(), ipckPolynomial, drawer, PixelCache_, pen, fill);
      case ipistRational: return DrawCurveTrace(DataList(), ipckRational, drawer, PixelCache_, pen, fill);
      default: break;
    }
  }
  const bool terminated = InterpolationStyle_ == ipistDifferentialTerminated;
  const int first = FirstVisibleIndex(), last = LastVisibleIndex();
  if (XOrder() != ixoUnsorted || first == -1 || last == -1) return DrawTraceRange(drawer, pen, fill, first, last, terminated);
  // Stretch by stretch; only the newest point's level runs on to the axis's
  // maximum, also from left of the view, as a sorted range's last point's.
  bool newestDrawn = false;
  ForEachStretch([&](int a, int b) {
    newestDrawn = newestDrawn || b == Count() - 1;
    DrawTraceRange(drawer, pen, fill, a, b, terminated || b != Count() - 1);
  });
  if (!newestDrawn && !terminated && !DigitalEnabled_ && InterpolationStyle_ == ipistDifferential)
    DrawStepTrace(DataList(), -1, -1, drawer, false, pen, fill);
}

void TiPlotChannel::DrawTraceRange(TiPlotTraceDrawer& drawer, const TPen& pen, const TiPlotTraceFill& fill, int first,
                                   int last, bool terminated) {
  if (DigitalEnabled_) {
    const TiPlotDigitalLevels levels{DigitalReferenceHigh_, DigitalReferenceLow_, DigitalReferenceStyle_ == ipdrPercent};
    DrawDigitalTrace(DataList(), first, last, drawer, levels, fill);
    return;
  }
  switch (InterpolationStyle_) {
    case ipistStraightLine:
      if (!FastDrawEnabled_) {
        DrawPointTrace(DataList(), first, last, drawer);
      } else if (auto* standard = dynamic_cast<TiPlotDataNullList*>(&DataList())) {
        DrawReducedTrace(*standard, first, last, drawer);  // the common lists, over their records
      } else if (auto* compact = dynamic_cast<TiPlotDataCompactList*>(&DataList())) {
        DrawReducedTrace(*compact, first, last, drawer);
      } else {
        DrawReducedTrace(DataList(), first, last, drawer);
      }
      break;
    case ipistDifferential:
    case ipistDifferentialTerminated: DrawStepTrace(DataList(), first, last, drawer, terminated, pen, fill); break;
    default: break;
  }
}
