#include "plot/dIredChannel.h"

#include "plot/iVisibleRange.h"

TiPlotChannel::TiPlotChannel(const TiPlotObjectHooks& hooks)
    : TiPlotChannelCustom(hooks), StartTime_(platform::Now()) {}

TiPlotChannel::~TiPlotChannel() = default;

const TClassInfo& TiPlotChannel::StaticClass() {
  using C = TiPlotChannel;
  static const TClassInfo info =
      TClassBuilder<C>("TiPlotChannel")
          .Inherits<TiPlotChannelCustom>()
          .Enum("OPCXValueSource", &C::OPCXValueSource, &C::SetOPCXValueSource,
                {"iopcxvsOPCServerTimeStamp", "iopcxvsSystemTimeStamp", "iopcxvsElapsedTime",
                 "iopcxvsElapsedSeconds"})
          .Default(iopcxvsOPCServerTimeStamp)
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
  const int first = x ? SearchFirstVisible(DataList(), x->Min(), x->Max(), Ascending_) : -1;
  SetVisibleRange(first, LastVisibleIndex());
}

void TiPlotChannel::CalcLastVisibleIndex() {
  TiPlotChannelScale* x = XScale();
  const int last = x ? SearchLastVisible(DataList(), x->Min(), x->Max(), Ascending_) : -1;
  SetVisibleRange(FirstVisibleIndex(), last);
}

void TiPlotChannel::RecomputeVisibleRange() {
  UpdateAscending();
  CalcFirstVisibleIndex();
  CalcLastVisibleIndex();
}

// ---- Fit extents ------------------------------------------------------------

bool TiPlotChannel::CanFit() { return XScale() && YScale() && Visible() && Count() > 0; }

double TiPlotChannel::GetFitXMax() {
  if (!CanFit()) return TiPlotChannelStatistics::NoMax;
  for (int i = Count() - 1; i >= 0; --i)
    if (IsValidPoint(i)) return GetXMaxWithMarker(i);
  return TiPlotChannelStatistics::NoMax;
}

double TiPlotChannel::GetFitXMin() {
  if (!CanFit()) return TiPlotChannelStatistics::NoMin;
  for (int i = 0; i < Count(); ++i)
    if (IsValidPoint(i)) return GetXMinWithMarker(i);
  return TiPlotChannelStatistics::NoMin;
}

double TiPlotChannel::GetFitYMax() {
  double result = TiPlotChannelStatistics::NoMax;
  if (!CanFit()) return result;
  RecomputeVisibleRange();
  if (FirstVisibleIndex() < 0 || LastVisibleIndex() < 0) return result;
  for (int i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i)
    if (IsValidPoint(i)) result = std::max(result, GetYMaxWithMarker(i));
  return result;
}

double TiPlotChannel::GetFitYMin() {
  double result = TiPlotChannelStatistics::NoMin;
  if (!CanFit()) return result;
  RecomputeVisibleRange();
  if (FirstVisibleIndex() < 0 || LastVisibleIndex() < 0) return result;
  for (int i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i)
    if (IsValidPoint(i)) result = std::min(result, GetYMinWithMarker(i));
  return result;
}
