#include "plot/dIredChannelCustom.h"

#include <cmath>

#include "components/iFont.h"
#include "platform/Exception.h"
#include "platform/Locale.h"
#include "plot/dIredDataCompactIntervalList.h"
#include "plot/dIredDataCompactList.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredDataFullList.h"
#include "plot/dIredDataNullList.h"
#include "plot/dIredLegend.h"
#include "plot/iTraceStyles.h"

std::unique_ptr<TiPlotDataCustomList> CreateDataList(TiPlotDataStyle style) {
  switch (style) {
    case ipdsCompact: return std::make_unique<TiPlotDataCompactList>();
    case ipdsCompactInterval: return std::make_unique<TiPlotDataCompactIntervalList>();
    case ipdsFullFeature: return std::make_unique<TiPlotDataFullList>();
    case ipdsStandard: break;
  }
  return std::make_unique<TiPlotDataNullList>();
}

TiPlotChannelCustom::TiPlotChannelCustom(const TiPlotObjectHooks& hooks)
    : TiPlotManagerObject(hooks), DataList_(std::make_unique<TiPlotDataNullList>()) {
  StandardList_ = static_cast<TiPlotDataNullList*>(DataList_.get());
  TiPlotDataCustomList& l = *DataList_;
  l.Color = clRed;
  l.TraceLineWidth = 1;
  l.MarkersSize = 3;
  l.MarkersPenColor = clRed;
  l.MarkersBrushColor = clRed;
  MarkersFont_.Color = clWhite;
  MarkersFont_.Style = FontStyleBit(fsBold);
  CreateOPCItem();
}

TiPlotChannelCustom::~TiPlotChannelCustom() = default;

void TiPlotChannelCustom::CreateOPCItem() {
  TiOPCItemManagerHooks hooks;
  hooks.NewData = [this](TiOPCItem& item) { OPCNewData(item.Value(), item.TimeStamp()); };
  OPCItems_ = std::make_unique<TiOPCItemManager>(std::move(hooks));
  OPCItem_ = OPCItems_->Add();
  OPCItem_->SetPropertyName("Data");
}

void TiPlotChannelCustom::Inserted() {
  TiPlotManagerObject::Inserted();
  if (!OPCAutoConnect()) return;
  try {
    OPCItem_->Connect();
  } catch (const std::exception&) {
    // Best effort, as after loading: the item stays unconnected.
  }
}

const TClassInfo& TiPlotChannelCustom::StaticClass() {
  using C = TiPlotChannelCustom;
  static const TClassInfo info =
      TClassBuilder<C>("TiPlotChannelCustom")
          .Inherits<TiPlotManagerObject>()
          .String("TitleText", &C::TitleText, &C::SetTitleText)
          .Bool("VisibleInLegend", &C::VisibleInLegend, &C::SetVisibleInLegend).Default(1)
          .Integer("RingBufferSize", &C::RingBufferSize, &C::SetRingBufferSize).Default(0)
          .Bool("TraceVisible", &C::TraceVisible, &C::SetTraceVisible).Default(1)
          .Color("Color", &C::Color, &C::SetColor).Default(clRed)
          .Enum("TraceLineStyle", &C::TraceLineStyle, &C::SetTraceLineStyle)
          .Default(iplsSolid)
          .Integer("TraceLineWidth", &C::TraceLineWidth, &C::SetTraceLineWidth).Default(1)
          .Bool("MarkersAllowIndividual", &C::MarkersAllowIndividual, &C::SetMarkersAllowIndividual).Default(0)
          .Bool("MarkersPenUseChannelColor", &C::MarkersPenUseChannelColor, &C::SetMarkersPenUseChannelColor)
          .Default(1)
          .Bool("MarkersBrushUseChannelColor", &C::MarkersBrushUseChannelColor, &C::SetMarkersBrushUseChannelColor)
          .Default(1)
          .Integer("MarkersTurnOffLimit", &C::MarkersTurnOffLimit, &C::SetMarkersTurnOffLimit).Default(0)
          .Bool("MarkersVisible", &C::MarkersVisible, &C::SetMarkersVisible).Default(0)
          .Integer("MarkersSize", &C::MarkersSize, &C::SetMarkersSize).Default(3)
          .Enum("MarkersStyle", &C::MarkersStyle, &C::SetMarkersStyle)
          .Default(ipmsCircle)
          .Color("MarkersPenColor", &C::MarkersPenColor, &C::SetMarkersPenColor).Default(clRed)
          .Enum("MarkersPenStyle", &C::MarkersPenStyle, &C::SetMarkersPenStyle)
          .Default(psSolid)
          .Integer("MarkersPenWidth", &C::MarkersPenWidth, &C::SetMarkersPenWidth).Default(0)
          .Color("MarkersBrushColor", &C::MarkersBrushColor, &C::SetMarkersBrushColor).Default(clRed)
          .Enum("MarkersBrushStyle", &C::MarkersBrushStyle, &C::SetMarkersBrushStyle)
          .Default(bsSolid)
          .Value("MarkersFont", &C::MarkersFont, &C::SetMarkersFont, FontClassInfo())
          .String("XAxisName", &C::XAxisName, &C::SetXAxisName)
          .String("YAxisName", &C::YAxisName, &C::SetYAxisName)
          .Bool("XAxisTrackingEnabled", &C::XAxisTrackingEnabled, &C::SetXAxisTrackingEnabled).Default(1)
          .Bool("YAxisTrackingEnabled", &C::YAxisTrackingEnabled, &C::SetYAxisTrackingEnabled).Default(1)
          .String("LogFileName", &C::LogFileName, &C::SetLogFileName)
          .Integer("LogBufferSize", &C::LogBufferSize, &C::SetLogBufferSize).Default(0)
          .Bool("LoggingActive", &C::LoggingActive)
          .Enum("DataStyle", &C::DataStyle, &C::SetDataStyle)
          .Default(ipdsStandard)
          .String("OPCGroupName", &C::OPCGroupName, &C::SetOPCGroupName)
          .String("OPCComputerName", &C::OPCComputerName, &C::SetOPCComputerName)
          .String("OPCServerName", &C::OPCServerName, &C::SetOPCServerName)
          .String("OPCItemName", &C::OPCItemName, &C::SetOPCItemName)
          .Integer("OPCUpdateRate", &C::OPCUpdateRate, &C::SetOPCUpdateRate).Default(500)
          .Bool("OPCAutoConnect", &C::OPCAutoConnect, &C::SetOPCAutoConnect).Default(1)
          .Build();
  return info;
}

// ---- Properties -------------------------------------------------------------

void TiPlotChannelCustom::SetRingBufferSize(int32_t value) {
  if (value != RingBufferSize()) FlushBeforeListChange();
  DataList_->SetRingBufferSize(value);
  DoChange();
}

void TiPlotChannelCustom::SetXAxisName(const std::string& value) {
  if (XAxis_.SetName(value)) DoChange();
}

void TiPlotChannelCustom::SetYAxisName(const std::string& value) {
  if (YAxis_.SetName(value)) DoChange();
}

void TiPlotChannelCustom::SetDataStyle(TiPlotDataStyle value) {
  if (value == DataStyle_) return;
  FlushBeforeListChange();
  ReplaceDataList(CreateDataList(value));
  DataStyle_ = value;
  DoChange();
}

void TiPlotChannelCustom::ReplaceDataList(std::unique_ptr<TiPlotDataCustomList> list) {
  static_cast<TiPlotPointAttributes&>(*list) = *DataList_;
  list->SetRingBufferSize(DataList_->RingBufferSize());
  TiPlotSettings::Changed();
  DataList_ = std::move(list);
  StandardList_ = dynamic_cast<TiPlotDataNullList*>(DataList_.get());
  SetVisibleRange(-1, -1);
}

// ---- Points -----------------------------------------------------------------

void TiPlotChannelCustom::TrackNewPoint(double X, double Y, bool& changed) {
  const bool x = XAxisTrackingEnabled_ && XScale();
  const bool y = YAxisTrackingEnabled_ && YScale();
  if (MarkersVisible()) return TrackWithMarkers(DataList_->Count() - 1, x, y, changed);
  // An absent axis is looked for again at every point, so it is never direct.
  const bool direct = !LoggingActive_ && (!XAxisTrackingEnabled_ || XScale_.OwnTrack) &&
                      (!YAxisTrackingEnabled_ || YScale_.OwnTrack);
  DirectGeneration_ = direct ? TiPlotSettings::Generation() : 0;
  DirectX_ = direct && x ? XScale_.OwnTrack : nullptr;
  DirectY_ = direct && y ? YScale_.OwnTrack : nullptr;
  if (x && XScale_.Feed(X)) changed = true;
  if (y && YScale_.Feed(Y)) changed = true;
}

void TiPlotChannelCustom::TrackAndLog(double X, double Y) {
  // Counted before tracking: a failing axis event must not keep the stored
  // point out of the log.
  if (LoggingActive_) ++LogPendingCount_;
  bool axisChanged = false;
  try {
    if (XAxisTrackingEnabled_ || YAxisTrackingEnabled_) TrackNewPoint(X, Y, axisChanged);
    if (LoggingActive_ && LogPendingCount_ >= LogFlushAt()) FlushLog();
  } catch (...) {
    if (axisChanged) DoChange();
    throw;
  }
}

void TiPlotChannelCustom::TrackWithMarkers(int index, bool x, bool y, bool& changed) {
  if (x) {
    if (XScale_.Feed(GetXMaxWithMarker(index))) changed = true;
    if (XScale_.Feed(GetXMinWithMarker(index))) changed = true;
  }
  if (y) {
    if (YScale_.Feed(GetYMaxWithMarker(index))) changed = true;
    if (YScale_.Feed(GetYMinWithMarker(index))) changed = true;
  }
}

void TiPlotChannelCustom::Clear() {
  // First: should the pending points fail to reach the log, nothing is gone.
  if (LoggingActive_) StopLogging();
  Stat_.Reset();
  SetVisibleRange(-1, -1);
  DataList_->Clear();
  DoChange();
}

void TiPlotChannelCustom::SetNull(int Index, bool Value) {
  DataList_->SetNull(Index, Value);
  DoChange();
}

void TiPlotChannelCustom::SetEmpty(int Index, bool Value) {
  DataList_->SetEmpty(Index, Value);
  DoChange();
}

bool TiPlotChannelCustom::IsValidPoint(int Index) const {
  double x, y;
  bool empty, null;
  DataList_->GetPoint(Index, x, y, empty, null);
  return !empty && !null;
}

void TiPlotChannelCustom::RecalculateStatistics() {
  Stat_.Reset();
  const int n = DataList_->Count();
  for (int i = 0; i < n; ++i) {
    double x, y;
    bool empty, null;
    DataList_->GetPoint(i, x, y, empty, null);
    if (!empty && !null) Stat_.Add(x, y);
  }
}

bool TiPlotChannelCustom::RunningExtent(bool xDimension, double& min, double& max) const {
  min = xDimension ? Stat_.XMin() : Stat_.YMin();
  max = xDimension ? Stat_.XMax() : Stat_.YMax();
  return Stat_.Count() > 0;
}

// ---- Axes -------------------------------------------------------------------

namespace {

// The cursor text on one line: each line break becomes a blank.
std::string BlanksForLineBreaks(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string TiPlotChannelCustom::GetXText(double Value) {
  TiPlotChannelScale* x = XScale();
  return x ? BlanksForLineBreaks(x->FormatCursorText(Value)) : Translate("No X-Axis");
}

std::string TiPlotChannelCustom::GetYText(double Value) {
  TiPlotChannelScale* y = YScale();
  return y ? BlanksForLineBreaks(y->FormatCursorText(Value)) : Translate("No Y-Axis");
}

// MarkersSize pixels in the scale's units.
double TiPlotChannelCustom::MarkerExtent(TiPlotChannelScale* scale, const char* missing) {
  if (!scale) throw Exception(missing);
  return std::fabs(scale->PixelToValue(2 * MarkersSize()) - scale->PixelToValue(0)) / 2;
}

double TiPlotChannelCustom::GetXMaxWithMarker(int Index) {
  if (GetNull(Index)) throw Exception("Data Point Null");
  if (!MarkersVisible()) return GetX(Index);
  return GetX(Index) + MarkerExtent(XScale(), "X-Axis not assigned");
}

double TiPlotChannelCustom::GetXMinWithMarker(int Index) {
  if (GetNull(Index)) throw Exception("Data Point Null");
  if (!MarkersVisible()) return GetX(Index);
  return GetX(Index) - MarkerExtent(XScale(), "X-Axis not assigned");
}

double TiPlotChannelCustom::GetYMaxWithMarker(int Index) {
  if (GetNull(Index)) throw Exception("Data Point Null");
  if (!MarkersVisible()) return GetY(Index);
  return GetY(Index) + MarkerExtent(YScale(), "Y-Axis not assigned");
}

double TiPlotChannelCustom::GetYMinWithMarker(int Index) {
  if (GetNull(Index)) throw Exception("Data Point Null");
  if (!MarkersVisible()) return GetY(Index);
  return GetY(Index) - MarkerExtent(YScale(), "Y-Axis not assigned");
}

void TiPlotChannelCustom::NotifyRemove(TiPlotObject* object) {
  // A later axis may be made at the same address.
  XScale_ = {};
  YScale_ = {};
  XAxis_.NotifyRemove(object);
  YAxis_.NotifyRemove(object);
}

void TiPlotChannelCustom::NotifyRename(TiPlotObject* object) {
  // Both references hear the rename, whichever of them it concerns.
  const bool x = XAxis_.NotifyRename(object);
  const bool y = YAxis_.NotifyRename(object);
  if (x || y) DoChange();
}

void TiPlotChannelCustom::NotifyFocus(TiPlotObject* object) {
  if (object == this || dynamic_cast<TiPlotDataCursor*>(object) || dynamic_cast<TiPlotLegend*>(object)) return;
  SetFocused(false);
}

// ---- Drawing ----------------------------------------------------------------

void TiPlotChannelCustom::DrawTrace(TCanvas* canvas, bool axesSwapped) {
  TiPlotChannelScale* x = XScale();
  TiPlotChannelScale* y = YScale();
  if (!TraceVisible() || !canvas || !x || !y) return;
  TiPlotTraceDrawer drawer(*canvas, *x, *y, axesSwapped);
  canvas->Brush.Style = bsClear;
  DrawPointTrace(*DataList_, FirstVisibleIndex_, LastVisibleIndex_, drawer);
}

// ---- OPC --------------------------------------------------------------------

double TiPlotChannelCustom::OPCValueToDouble(const TiPlotOPCValue& value) {
  if (const auto* d = std::get_if<double>(&value)) return *d;
  if (const auto* i = std::get_if<int64_t>(&value)) return static_cast<double>(*i);
  if (const auto* b = std::get_if<bool>(&value)) return *b ? 1.0 : 0.0;
  if (const auto* s = std::get_if<std::string>(&value)) return platform::StrToFloat(*s);
  throw EConvertError("OPC value is empty");
}

void TiPlotChannelCustom::OPCNewData(const TiPlotOPCValue& value, double serverTimeStamp) {
  AddXY(serverTimeStamp, OPCValueToDouble(value));
}
