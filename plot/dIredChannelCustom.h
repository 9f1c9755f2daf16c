// The common base of the chart's channels: one data series bound to an x and
// a y axis by name. It owns the data list (whose default attributes are the
// channel's trace and marker properties), keeps running statistics of every
// point added, and tells its axes about each new point so they can track it.
//
// The axes are reached through TiPlotChannelScale (their range, value-pixel
// map, Track and cursor text); an axis without that face counts as absent for
// drawing and tracking. One thread (the plot's) uses a channel.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "opc/dEDOItem.h"
#include "platform/Canvas.h"
#include "plot/dIredAxis.h"
#include "plot/dIredDataCustomList.h"
#include "plot/dIredDataNullList.h"
#include "plot/dIredObjects.h"
#include "plot/iChannelScale.h"
#include "plot/iChannelStatistics.h"
#include "plot/iCursorReadOut.h"
#include "plot/iMarkerShape.h"
#include "plot/iPlotScaledAxis.h"

class TiPlotDataCursor;

// User data of a channel; monostate = unassigned.
using TiPlotTag = std::variant<std::monostate, int64_t, double, bool, std::string>;
// A value delivered by the channel's OPC item.
using TiPlotOPCValue = TiOPCValue;

class TiPlotChannelCustom : public TiPlotManagerObject, public TiPlotChannelExtents {
 public:
  explicit TiPlotChannelCustom(const TiPlotObjectHooks& hooks);
  ~TiPlotChannelCustom() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // ---- Published --------------------------------------------------------
  const std::string& TitleText() const { return TitleText_; }
  void SetTitleText(const std::string& value) { SetProperty(TitleText_, value); }
  bool VisibleInLegend() const { return VisibleInLegend_; }
  void SetVisibleInLegend(bool value) { SetProperty(VisibleInLegend_, value); }
  // 0 = unlimited; N = keep only the newest N points.
  int32_t RingBufferSize() const { return DataList_->RingBufferSize(); }
  void SetRingBufferSize(int32_t value);
  bool TraceVisible() const { return TraceVisible_; }
  void SetTraceVisible(bool value) { SetProperty(TraceVisible_, value); }

  // Kept in the data list, so a list and its attributes travel together;
  // these store and notify unconditionally.
  TColor Color() const { return DataList_->Color; }
  void SetColor(TColor value) { SetListed(&TiPlotPointAttributes::Color, value); }
  TiPlotLineStyle TraceLineStyle() const { return DataList_->TraceLineStyle; }
  void SetTraceLineStyle(TiPlotLineStyle value) { SetListed(&TiPlotPointAttributes::TraceLineStyle, value); }
  int32_t TraceLineWidth() const { return DataList_->TraceLineWidth; }
  void SetTraceLineWidth(int32_t value) { SetListed(&TiPlotPointAttributes::TraceLineWidth, value); }
  bool MarkersVisible() const { return DataList_->MarkersVisible; }
  void SetMarkersVisible(bool value) { SetListed(&TiPlotPointAttributes::MarkersVisible, value); }
  int32_t MarkersSize() const { return DataList_->MarkersSize; }  // pixels
  void SetMarkersSize(int32_t value) { SetListed(&TiPlotPointAttributes::MarkersSize, value); }
  TiPlotMarkerStyle MarkersStyle() const { return DataList_->MarkersStyle; }
  void SetMarkersStyle(TiPlotMarkerStyle value) { SetListed(&TiPlotPointAttributes::MarkersStyle, value); }
  TColor MarkersPenColor() const { return DataList_->MarkersPenColor; }
  void SetMarkersPenColor(TColor value) { SetListed(&TiPlotPointAttributes::MarkersPenColor, value); }
  TPenStyle MarkersPenStyle() const { return static_cast<TPenStyle>(DataList_->MarkersPenStyle); }
  void SetMarkersPenStyle(TPenStyle value) { SetListed(&TiPlotPointAttributes::MarkersPenStyle, uint8_t{value}); }
  int32_t MarkersPenWidth() const { return DataList_->MarkersPenWidth; }
  void SetMarkersPenWidth(int32_t value) { SetListed(&TiPlotPointAttributes::MarkersPenWidth, value); }
  TColor MarkersBrushColor() const { return DataList_->MarkersBrushColor; }
  void SetMarkersBrushColor(TColor value) { SetListed(&TiPlotPointAttributes::MarkersBrushColor, value); }
  TBrushStyle MarkersBrushStyle() const { return static_cast<TBrushStyle>(DataList_->MarkersBrushStyle); }
  void SetMarkersBrushStyle(TBrushStyle value) {
    SetListed(&TiPlotPointAttributes::MarkersBrushStyle, uint8_t{value});
  }

  bool MarkersAllowIndividual() const { return MarkersAllowIndividual_; }
  void SetMarkersAllowIndividual(bool value) { SetProperty(MarkersAllowIndividual_, value); }
  bool MarkersPenUseChannelColor() const { return MarkersPenUseChannelColor_; }
  void SetMarkersPenUseChannelColor(bool value) { SetProperty(MarkersPenUseChannelColor_, value); }
  bool MarkersBrushUseChannelColor() const { return MarkersBrushUseChannelColor_; }
  void SetMarkersBrushUseChannelColor(bool value) { SetProperty(MarkersBrushUseChannelColor_, value); }
  int32_t MarkersTurnOffLimit() const { return MarkersTurnOffLimit_; }  // 0 = no limit
  void SetMarkersTurnOffLimit(int32_t value) { SetProperty(MarkersTurnOffLimit_, value); }
  const TFont& MarkersFont() const { return MarkersFont_; }  // white, bold
  void SetMarkersFont(const TFont& value) { SetProperty(MarkersFont_, value); }

  const std::string& XAxisName() const { return XAxis_.Name(); }
  void SetXAxisName(const std::string& value);  // drops the cached axis
  const std::string& YAxisName() const { return YAxis_.Name(); }
  void SetYAxisName(const std::string& value);
  bool XAxisTrackingEnabled() const { return XAxisTrackingEnabled_; }
  void SetXAxisTrackingEnabled(bool value) { SetProperty(XAxisTrackingEnabled_, value); }
  bool YAxisTrackingEnabled() const { return YAxisTrackingEnabled_; }
  void SetYAxisTrackingEnabled(bool value) { SetProperty(YAxisTrackingEnabled_, value); }

  const std::string& LogFileName() const { return LogFileName_; }
  // Refused while logging: "Log File Name can not be changed while logging
  // is active." (translated).
  void SetLogFileName(const std::string& value);
  int32_t LogBufferSize() const { return LogBufferSize_; }
  void SetLogBufferSize(int32_t value) { LogBufferSize_ = value; }  // no repaint needed
  bool LoggingActive() const { return LoggingActive_; }  // read-only
  int32_t LogPendingCount() const { return LogPendingCount_; }  // points added since the last flush

  // Selects the list class. A change discards the points but keeps the
  // default attributes and the ring size; the statistics stay as they were.
  TiPlotDataStyle DataStyle() const { return DataStyle_; }
  void SetDataStyle(TiPlotDataStyle value);

  const TiPlotTag& Tag() const { return Tag_; }
  void SetTag(const TiPlotTag& value) { Tag_ = value; }

  // Forwarded to the channel's OPC item (PropertyName "Data"), whose new
  // values become points (OPCNewData).
  TiOPCItem& OPCItem() const { return *OPCItem_; }
  const std::string& OPCGroupName() const { return OPCItem_->GroupName(); }
  void SetOPCGroupName(const std::string& value) { SetOPC(&TiOPCItem::GroupName, &TiOPCItem::SetGroupName, value); }
  const std::string& OPCComputerName() const { return OPCItem_->ComputerName(); }
  void SetOPCComputerName(const std::string& value) {
    SetOPC(&TiOPCItem::ComputerName, &TiOPCItem::SetComputerName, value);
  }
  const std::string& OPCServerName() const { return OPCItem_->ServerName(); }
  void SetOPCServerName(const std::string& value) {
    SetOPC(&TiOPCItem::ServerName, &TiOPCItem::SetServerName, value);
  }
  const std::string& OPCItemName() const { return OPCItem_->ItemName(); }
  void SetOPCItemName(const std::string& value) { SetOPC(&TiOPCItem::ItemName, &TiOPCItem::SetItemName, value); }
  int32_t OPCUpdateRate() const { return OPCItem_->UpdateRate(); }
  void SetOPCUpdateRate(int32_t value) { SetOPC(&TiOPCItem::UpdateRate, &TiOPCItem::SetUpdateRate, value); }
  bool OPCAutoConnect() const { return OPCItem_->AutoConnect(); }
  void SetOPCAutoConnect(bool value) { SetOPC(&TiOPCItem::AutoConnect, &TiOPCItem::SetAutoConnect, value); }

  // ---- Points -----------------------------------------------------------
  // Adds one point: list, statistics, axis tracking, logging, notification.
  // Returns what the list's Add returns. In line as far as the chart's common
  // case goes (axes fed directly, no log): a chart fed in a loop then pays
  // for the work and not for a call. The axes that move leave their repaint
  // requests to the one at the end: the plot needs a single repaint however
  // much changed.
  int AddXY(double X, double Y) {
    // The standard list's Add is taken in line: the virtual call would cost
    // as much as the store itself.
    const int result = StandardList_ ? StandardList_->Add(X, Y) : DataList_->Add(X, Y);
    Stat_.Add(X, Y);
    // Markers are read where they live: the list's attributes widen the
    // values however they were set.
    if (DirectGeneration_ == TiPlotSettings::Generation() && !DataList_->MarkersVisible) {
      bool axisChanged = false;
      try {
        if (DirectX_ && DirectX_->Feed(X)) axisChanged = true;
        if (DirectY_ && DirectY_->Feed(Y)) axisChanged = true;
      } catch (...) {
        if (axisChanged) DoChange();
        throw;
      }
    } else {
      TrackAndLog(X, Y);
    }
    DoChange();
    return result;
  }
  // Forgets every point and the statistics (stops logging first).
  virtual void Clear();
  int Count() const { return DataList_->Count(); }
  double GetX(int Index) const { return DataList_->GetX(Index); }
  double GetY(int Index) const { return DataList_->GetY(Index); }
  bool GetNull(int Index) const { return DataList_->GetNull(Index); }
  bool GetEmpty(int Index) const { return DataList_->GetEmpty(Index); }
  void SetNull(int Index, bool Value);
  void SetEmpty(int Index, bool Value);
  void GetPoint(int Index, double& X, double& Y, bool& Empty, bool& Null) const {
    DataList_->GetPoint(Index, X, Y, Empty, Null);
  }
  // Per-point attributes; lists without them answer with the channel's.
  TColor GetColor(int Index) const { return DataList_->GetColor(Index); }
  TiPlotLineStyle GetTraceLineStyle(int Index) const { return DataList_->GetTraceLineStyle(Index); }
  int32_t GetTraceLineWidth(int Index) const { return DataList_->GetTraceLineWidth(Index); }
  bool GetMarkersVisible(int Index) const { return DataList_->GetMarkersVisible(Index); }
  int32_t GetMarkersSize(int Index) const { return DataList_->GetMarkersSize(Index); }
  TiPlotMarkerStyle GetMarkersStyle(int Index) const { return DataList_->GetMarkersStyle(Index); }
  TColor GetMarkersPenColor(int Index) const { return DataList_->GetMarkersPenColor(Index); }
  int32_t GetMarkersPenWidth(int Index) const { return DataList_->GetMarkersPenWidth(Index); }
  uint8_t GetMarkersPenStyle(int Index) const { return DataList_->GetMarkersPenStyle(Index); }
  TColor GetMarkersBrushColor(int Index) const { return DataList_->GetMarkersBrushColor(Index); }
  uint8_t GetMarkersBrushStyle(int Index) const { return DataList_->GetMarkersBrushStyle(Index); }
  char GetMarkersCharacter(int Index) const { return DataList_->GetMarkersCharacter(Index); }
  bool GetBarVisible(int Index) const { return DataList_->GetBarVisible(Index); }
  double GetBarReference(int Index) const { return DataList_->GetBarReference(Index); }
  double GetBarWidth(int Index) const { return DataList_->GetBarWidth(Index); }
  TColor GetBarPenColor(int Index) const { return DataList_->GetBarPenColor(Index); }
  int32_t GetBarPenWidth(int Index) const { return DataList_->GetBarPenWidth(Index); }
  uint8_t GetBarPenStyle(int Index) const { return DataList_->GetBarPenStyle(Index); }
  TColor GetBarBrushColor(int Index) const { return DataList_->GetBarBrushColor(Index); }
  uint8_t GetBarBrushStyle(int Index) const { return DataList_->GetBarBrushStyle(Index); }
  double GetHigh(int Index) const { return DataList_->GetHigh(Index); }
  double GetLow(int Index) const { return DataList_->GetLow(Index); }
  double GetOpen(int Index) const { return DataList_->GetOpen(Index); }
  double GetClose(int Index) const { return DataList_->GetClose(Index); }

  TiPlotDataCustomList& DataList() const { return *DataList_; }
  // The list's figures for the editor's statistics page.
  int ItemSize() const { return DataList_->ItemSize(); }
  int MaxCount() const { return DataList_->MaxCount(); }
  int Capacity() const { return DataList_->Capacity(); }
  int64_t MemorySize() const { return DataList_->MemorySize(); }

  // ---- Files ------------------------------------------------------------
  // The configuration file: "File Type = Plot Channel Config", then one line
  // per stored, writable published property but Name, keyed "Channel." and
  // the property's path. Failures raise "Error Saving Properties - " or
  // "Error Loading Properties - " followed by the reason; a file of another
  // type gives "Incompatible Plot Channel Configuration File Type".
  void SaveToFile(const std::string& FileName);
  void LoadFromFile(const std::string& FileName);
  // The data file: one line per point that is not Empty, x, the plot's data
  // file column separator, then y or "Null".
  void SaveDataToFile(const std::string& FileName);
  // Adds a data file's points through AddXY, as live points (after stopping
  // the log and, with ClearFirst, clearing). A number that does not convert
  // raises EConvertError; the points before it stay.
  void LoadDataFromFile(const std::string& FileName, bool ClearFirst);
  // The separator the last loaded data file was found to use.
  char DataFileSeparator() const { return DataFileSeparator_; }

  // ---- Log --------------------------------------------------------------
  // Append: the log file must exist; otherwise it is created or emptied.
  // Raises "Log File Name not Defined" or "Logging Already Active".
  void StartLogging(bool Append);
  // Writes what is pending, then ends logging; raises "Logging not Active".
  // A failed write leaves the log running with its points still pending.
  void StopLogging();
  // Appends the pending points (x, separator, the stored y) to the log file,
  // which is opened for this write only. AddXY calls it every LogBufferSize
  // points (every point below 2), and sooner when the ring buffer would
  // otherwise drop a pending point. A failed write keeps them pending.
  virtual void FlushLog();

  // ---- Statistics -------------------------------------------------------
  // Running values over every point added since the last Clear, dropped and
  // Null or Empty points included, until RecalculateStatistics.
  double XMin() const { return Stat_.XMin(); }
  double XMax() const { return Stat_.XMax(); }
  double XMean() const { return Stat_.XMean(); }
  double YMin() const { return Stat_.YMin(); }
  double YMax() const { return Stat_.YMax(); }
  double YMean() const { return Stat_.YMean(); }
  int64_t StatCount() const { return Stat_.Count(); }
  // Over the stored points that are neither Null nor Empty.
  void RecalculateStatistics();
  // The running extremes for an axis's ZoomToFitFast; false before any point.
  bool RunningExtent(bool xDimension, double& min, double& max) const override;

  // ---- Axes -------------------------------------------------------------
  // The bound axes, looked up by name on first use; null when absent.
  TiPlotXAxis* XAxis() { return XAxis_.Resolve(Owner(), FindXAxis); }
  TiPlotYAxis* YAxis() { return YAxis_.Resolve(Owner(), FindYAxis); }
  // The same axes as scales; null when absent or without a scale.
  TiPlotChannelScale* XScale() { return XScale_.Of(XAxis()); }
  TiPlotChannelScale* YScale() { return YScale_.Of(YAxis()); }

  // The value in the axis's cursor format on one line, or "No X-Axis" /
  // "No Y-Axis" (translated).
  std::string GetXText(double Value);
  std::string GetYText(double Value);

  // The point's value widened by MarkersSize pixels of its axis while markers
  // are visible. Raise "Data Point Null", "X-Axis not assigned" or
  // "Y-Axis not assigned".
  double GetXMaxWithMarker(int Index);
  double GetXMinWithMarker(int Index);
  double GetYMaxWithMarker(int Index);
  double GetYMinWithMarker(int Index);

  // The extents an axis's ZoomToFit asks for; -1e300 / 1e300 when there is
  // nothing to fit. Each channel class says how it finds them (the base has
  // nothing to fit: the kind manager can still make one).
  virtual double GetFitXMax() { return TiPlotChannelStatistics::NoMax; }
  virtual double GetFitXMin() { return TiPlotChannelStatistics::NoMin; }
  virtual double GetFitYMax() { return TiPlotChannelStatistics::NoMax; }
  virtual double GetFitYMin() { return TiPlotChannelStatistics::NoMin; }

  // ---- Drawing ----------------------------------------------------------
  int FirstVisibleIndex() const { return FirstVisibleIndex_; }  // -1 = none
  int LastVisibleIndex() const { return LastVisibleIndex_; }
  virtual void CalcFirstVisibleIndex() {}
  virtual void CalcLastVisibleIndex() {}
  // The plain straight trace: one segment per pair of valid neighbours, with
  // the later point's pen; Null breaks it, Empty points are passed over.
  virtual void DrawTrace(TCanvas* canvas, bool axesSwapped);
  // Markers on the drawable points of the visible range, in MarkersFont;
  // none while more than MarkersTurnOffLimit (when > 0) points are in view.
  virtual void DrawMarkers(TCanvas* canvas, bool axesSwapped);
  // One marker centred on (x, y) in the look of point Index, or for -1 the
  // legend sample: the channel's look with the size capped at 6.
  void DrawMarker(TCanvas& canvas, int Index, int x, int y);
  TiPlotMarkerLook MarkerLook(int Index) const;
  // Markers on, a valid point, both axes, its own MarkersVisible where
  // individual markers are allowed, and X and Y inside their axes.
  bool MarkerDrawable(int Index);

  // ---- Mouse --------------------------------------------------------------
  // The rectangle the legend drew the title in (empty when not drawn).
  const TRect& LegendRect() const { return LegendRect_; }
  void SetLegendRect(const TRect& rect) { LegendRect_ = rect; }
  // The marker the last hit test in select mode found (-1: none).
  int MarkerUnderPointer() const { return HitMarker_; }
  // The legend rectangle, or in the toolbar's select mode a marker.
  bool HitTest(const TiPlotMouseData& mouse) override;
  void DoMouseLeftDown(const TiPlotMouseData& mouse) override;
  // A release on the pressed marker is a data-point click; otherwise one in
  // the legend rectangle after a press is a channel click. The channel
  // reports its clicks itself: the base's report would add a second one.
  void DoMouseUp(const TiPlotMouseData& mouse) override;

  // ---- Data cursor --------------------------------------------------------
  // Computes the reading at the cursor's pointers, hands it to the cursor
  // and keeps its texts for the legend.
  virtual void UpdateDataCursor(TiPlotDataCursor& cursor) {}
  const TiPlotCursorReadOut& CursorReadOut() const { return ReadOut_; }
  const std::string& CursorXText() const { return ReadOut_.XText; }
  const std::string& CursorYText() const { return ReadOut_.YText; }

  // ---- OPC --------------------------------------------------------------
  // A new value from the channel's OPC item, with the server's time stamp
  // (a day count). Raises EConvertError for a value that is not a number.
  virtual void OPCNewData(const TiPlotOPCValue& value, double serverTimeStamp);
  static double OPCValueToDouble(const TiPlotOPCValue& value);

  // ---- Object -----------------------------------------------------------
  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;
  // Another object took the focus: drop the own, except for a data cursor
  // or a legend (they show this channel).
  void NotifyFocus(TiPlotObject* object) override;
  TiPlotCursorId GetMouseCursor(TPoint) override { return crHandPoint; }
  // Then connects the OPC item when OPCAutoConnect is set.
  void Inserted() override;

 protected:
  // Sets the cursor's values (status, Y, X), then the texts of the reading:
  // the cursor's hint and the read-out cache.
  void ReportReading(TiPlotDataCursor& cursor, int status, double y, double x);
  // A digital channel reads "High" and "Low".
  virtual bool ReadsDigital() const { return false; }
  // The text of a frequency below the "Infinite" bound.
  virtual std::string InverseDeltaText(double x) { return GetXText(x); }
  // The pixels of point Index on its axes, in axis orientation (x and y not
  // exchanged); false without both axes.
  bool PointPixels(int Index, int& px, int& py);
  // A list-stored property: stored and notified unconditionally.
  template <class F, class V>
  void SetListed(F field, const V& value) {
    DataList_.get()->*field = value;
    TiPlotSettings::Changed();
    DoChange();
  }
  // Replaces the list (a new data style); the attributes and ring size are
  // copied over.
  void ReplaceDataList(std::unique_ptr<TiPlotDataCustomList> list);
  void SetLoggingActive(bool value) { SetPropertyThen(LoggingActive_, value, [] {}); }
  void SetVisibleRange(int first, int last) {
    FirstVisibleIndex_ = first;
    LastVisibleIndex_ = last;
  }
  // A valid point (neither Null nor Empty).
  bool IsValidPoint(int Index) const;

 private:
  void CreateOPCItem();
  template <class G, class S, class V>
  void SetOPC(G get, S set, const V& value) {
    if ((OPCItem_->*get)() == value) return;
    (OPCItem_->*set)(value);
    DoChange();
  }
  // Sets `changed` when an axis moved and left its repaint request to
  // AddXY's own (set as it happens, so that a failure later on still knows).
  // Works out the direct feed for the points after.
  void TrackNewPoint(double X, double Y, bool& changed);
  // AddXY's tracking and logging past the common case; should a step fail,
  // the repaint requests that axes left to AddXY are made on the way out.
  void TrackAndLog(double X, double Y);
  // The pending count at which AddXY flushes the log: the batch size, but
  // never more than the ring buffer holds.
  int LogFlushAt() const {
    const int batch = LogBufferSize_ > 1 ? LogBufferSize_ : 1;
    const int ring = DataList_->RingBufferSize();
    return ring > 0 && ring < batch ? ring : batch;
  }
  // Writes the pending points before the list drops or replaces them.
  void FlushBeforeListChange();
  // The chart's data file column separator; tab without a chart.
  char ColumnSeparator() const;
  // Every tracked dimension feeds an axis that tracks itself, no markers
  // widen the values and no log is written: AddXY then feeds DirectX_ and
  // DirectY_ (null where that dimension is not tracked) without asking
  // again, for as long as the plot's settings stay at DirectGeneration_.
  uint32_t DirectGeneration_ = 0;  // 0: none worked out
  TiPlotAxis* DirectX_ = nullptr;
  TiPlotAxis* DirectY_ = nullptr;
  // Markers widen every value by their size on the axis.
  void TrackWithMarkers(int index, bool x, bool y, bool& changed);
  double MarkerExtent(TiPlotChannelScale* scale, const char* missing);

  // The scale face of the cached axis: a cross-cast per point would cost
  // more than storing the point. OwnTrack is the axis when the scale's Track
  // is the axis's own: the axis is then fed directly (TiPlotAxis::Feed).
  struct TScaleCache {
    TiPlotAxis* Axis = nullptr;
    TiPlotChannelScale* Scale = nullptr;
    TiPlotAxis* OwnTrack = nullptr;
    TiPlotChannelScale* Of(TiPlotAxis* axis) {
      if (axis != Axis) {
        Axis = axis;
        Scale = dynamic_cast<TiPlotChannelScale*>(axis);
        OwnTrack = Scale && dynamic_cast<TiPlotAxisOwnTrack*>(axis) ? axis : nullptr;
      }
      return Scale;
    }
    // True when the axis moved and left its repaint request to the caller.
    bool Feed(double value) {
      if (OwnTrack) return OwnTrack->Feed(value);
      if (Scale) Scale->Track(value);
      return false;
    }
  };

  std::string TitleText_;
  TScaleCache XScale_, YScale_;
  TiPlotAxisReference<TiPlotXAxis> XAxis_;
  TiPlotAxisReference<TiPlotYAxis> YAxis_;
  std::unique_ptr<TiPlotDataCustomList> DataList_;
  TiPlotDataNullList* StandardList_ = nullptr;  // DataList_ when it is the standard list
  int FirstVisibleIndex_ = -1, LastVisibleIndex_ = -1;
  bool XAxisTrackingEnabled_ = true, YAxisTrackingEnabled_ = true;
  bool LoggingActive_ = false;
  int32_t LogPendingCount_ = 0;
  char DataFileSeparator_ = '\t';  // until a data file is loaded
  bool MarkersAllowIndividual_ = false;
  int32_t MarkersTurnOffLimit_ = 0;
  bool VisibleInLegend_ = true;
  bool MarkersBrushUseChannelColor_ = true, MarkersPenUseChannelColor_ = true;
  bool TraceVisible_ = true;
  int32_t LogBufferSize_ = 0;
  std::string LogFileName_;
  TiPlotTag Tag_;
  TiPlotChannelStatistics Stat_;
  TiPlotDataStyle DataStyle_ = ipdsStandard;
  TFont MarkersFont_;
  TRect LegendRect_;
  int HitMarker_ = -1;  // the marker under the pointer and its box
  TRect HitMarkerBox_;
  bool MarkerPressed_ = false;  // the pressed marker and its box
  int PressedMarker_ = -1;
  TRect PressedMarkerBox_;
  TiPlotCursorReadOut ReadOut_;
  // Last: its item stops its subscription before the rest goes.
  std::unique_ptr<TiOPCItemManager> OPCItems_;
  TiOPCItem* OPCItem_ = nullptr;
};

// The list class of a data style.
std::unique_ptr<TiPlotDataCustomList> CreateDataList(TiPlotDataStyle style);
