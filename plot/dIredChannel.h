// The strip-chart channel of TiPlot: points whose X runs monotonically (the
// sample counter or a time), so the visible range is found by binary search
// and the extents to fit come from the ends of the data. Should an X go back
// (a replay from 0, a wrapped counter), every point is looked at instead.
#pragma once
#include <string>
#include <vector>
#include "platform/Clock.h"
#include "plot/dIredChannelCustom.h"
#include "plot/iChannelBars.h"
#include "plot/iPixelCache.h"
#include "plot/iTraceStyles.h"
#include "plot/iVisibleRange.h"

// Where a value from the OPC item takes its X from.
enum TiPlotOPCXValueSource : uint8_t {
  iopcxvsOPCServerTimeStamp, iopcxvsSystemTimeStamp, iopcxvsElapsedTime, iopcxvsElapsedSeconds
};
inline const std::vector<std::string>& EnumValueNames(TiPlotOPCXValueSource) {
  static const std::vector<std::string> names{"iopcxvsOPCServerTimeStamp", "iopcxvsSystemTimeStamp",
      "iopcxvsElapsedTime", "iopcxvsElapsedSeconds"};
  return names;
}

// How consecutive points are joined.
enum TiPlotInterpolationStyle : uint8_t {
  ipistStraightLine, ipistCubicSpline, ipistPolynomial, ipistRational, ipistDifferential,
  ipistDifferentialTerminated
};
inline const std::vector<std::string>& EnumValueNames(TiPlotInterpolationStyle) {
  static const std::vector<std::string> names{"ipistStraightLine", "ipistCubicSpline", "ipistPolynomial",
      "ipistRational", "ipistDifferential", "ipistDifferentialTerminated"};
  return names;
}
// Whether the digital reference levels are Y values or data-view percentages.
enum TiPlotDigitalReferenceStyle : uint8_t { ipdrScale, ipdrPercent };
inline const std::vector<std::string>& EnumValueNames(TiPlotDigitalReferenceStyle) {
  static const std::vector<std::string> names{"ipdrScale", "ipdrPercent"};
  return names;
}

class TiPlotChannel : public TiPlotChannelCustom {
 public:
  explicit TiPlotChannel(const TiPlotObjectHooks& hooks);
  ~TiPlotChannel() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  TiPlotOPCXValueSource OPCXValueSource() const { return OPCXValueSource_; }
  void SetOPCXValueSource(TiPlotOPCXValueSource value) { SetProperty(OPCXValueSource_, value); }

  // Local date and time when the channel was made.
  platform::TDateTime StartTime() const { return StartTime_; }
  void SetStartTime(platform::TDateTime value) { StartTime_ = value; }
  // X = the time since StartTime, in days or in seconds.
  int AddYElapsedTime(double Y);
  int AddYElapsedSeconds(double Y);

  // Whether X grows with the index (decided by the first two points once
  // there are three).
  bool Ascending() const { return Ascending_; }
  void UpdateAscending();
  // How the points are found: by binary search in that direction while the
  // list still runs that way, else (an X went back) by looking at each.
  TiXOrder XOrder() { return XOrderOf(DataList(), Ascending_); }
  void CalcFirstVisibleIndex() override;
  void CalcLastVisibleIndex() override;

  double GetFitXMax() override;
  double GetFitXMin() override;
  double GetFitYMax() override;
  double GetFitYMin() override;

  void OPCNewData(const TiPlotOPCValue& value, double serverTimeStamp) override;

  // ---- Drawing properties -------------------------------------------------
  bool FastDrawEnabled() const { return FastDrawEnabled_; }  // per-pixel-column reduction
  void SetFastDrawEnabled(bool value) { SetProperty(FastDrawEnabled_, value); }
  TiPlotInterpolationStyle InterpolationStyle() const { return InterpolationStyle_; }
  void SetInterpolationStyle(TiPlotInterpolationStyle value) { SetProperty(InterpolationStyle_, value); }
  bool FillEnabled() const { return FillEnabled_; }
  void SetFillEnabled(bool value) { SetProperty(FillEnabled_, value); }
  double FillReference() const { return FillReference_; }  // the Y the fill reaches to
  void SetFillReference(double value) { SetProperty(FillReference_, value); }
  TBrushStyle FillStyle() const { return FillStyle_; }  // bsClear: no straight-line fill
  void SetFillStyle(TBrushStyle value) { SetProperty(FillStyle_, value); }
  TColor FillColor() const { return FillColor_; }  // used unless FillUseChannelColor
  void SetFillColor(TColor value) { SetProperty(FillColor_, value); }
  bool FillUseChannelColor() const { return FillUseChannelColor_; }
  void SetFillUseChannelColor(bool value) { SetProperty(FillUseChannelColor_, value); }
  bool DigitalEnabled() const { return DigitalEnabled_; }
  void SetDigitalEnabled(bool value) { SetProperty(DigitalEnabled_, value); }
  TiPlotDigitalReferenceStyle DigitalReferenceStyle() const { return DigitalReferenceStyle_; }
  void SetDigitalReferenceStyle(TiPlotDigitalReferenceStyle value) { SetProperty(DigitalReferenceStyle_, value); }
  double DigitalReferenceLow() const { return DigitalReferenceLow_; }  // level of Y = 0
  void SetDigitalReferenceLow(double value) { SetProperty(DigitalReferenceLow_, value); }
  double DigitalReferenceHigh() const { return DigitalReferenceHigh_; }  // level of any other Y
  void SetDigitalReferenceHigh(double value) { SetProperty(DigitalReferenceHigh_, value); }

  // Bars from BarReference to each point (widths in X units). The L ones
  // are kept in the data list with the other point attributes.
  bool BarEnabled() const { return BarEnabled_; }
  void SetBarEnabled(bool value) { SetProperty(BarEnabled_, value); }
  double BarReference() const { return DataList().BarReference; }
  void SetBarReference(double value) { SetListed(&TiPlotPointAttributes::BarReference, value); }
  double BarWidth() const { return DataList().BarWidth; }
  void SetBarWidth(double value) { SetListed(&TiPlotPointAttributes::BarWidth, value); }
  TColor BarPenColor() const { return DataList().BarPenColor; }
  void SetBarPenColor(TColor value) { SetListed(&TiPlotPointAttributes::BarPenColor, value); }
  int32_t BarPenWidth() const { return DataList().BarPenWidth; }
  void SetBarPenWidth(int32_t value) { SetListed(&TiPlotPointAttributes::BarPenWidth, value); }
  TPenStyle BarPenStyle() const { return static_cast<TPenStyle>(DataList().BarPenStyle); }
  void SetBarPenStyle(TPenStyle value) { SetListed(&TiPlotPointAttributes::BarPenStyle, uint8_t{value}); }
  TColor BarBrushColor() const { return DataList().BarBrushColor; }
  void SetBarBrushColor(TColor value) { SetListed(&TiPlotPointAttributes::BarBrushColor, value); }
  TBrushStyle BarBrushStyle() const { return static_cast<TBrushStyle>(DataList().BarBrushStyle); }
  void SetBarBrushStyle(TBrushStyle value) { SetListed(&TiPlotPointAttributes::BarBrushStyle, uint8_t{value}); }
  bool BarPenUseChannelColor() const { return BarPenUseChannelColor_; }  // outline in Color
  void SetBarPenUseChannelColor(bool value) { SetProperty(BarPenUseChannelColor_, value); }
  bool BarBrushUseChannelColor() const { return BarBrushUseChannelColor_; }  // fill in Color
  void SetBarBrushUseChannelColor(bool value) { SetProperty(BarBrushUseChannelColor_, value); }

  // High-low bars from the points' High, Low, Open and Close (full list).
  // Widths are in X units, heights in Y units.
  bool HighLowEnabled() const { return HighLow_.Enabled; }
  void SetHighLowEnabled(bool value) { SetProperty(HighLow_.Enabled, value); }
  TiPlotHighLowStyle HighLowStyle() const { return HighLow_.Style; }
  void SetHighLowStyle(TiPlotHighLowStyle value) { SetProperty(HighLow_.Style, value); }
  TColor HighLowBarColor() const { return HighLow_.BarColor; }
  void SetHighLowBarColor(TColor value) { SetProperty(HighLow_.BarColor, value); }
  double HighLowBarWidth() const { return HighLow_.BarWidth; }
  void SetHighLowBarWidth(double value) { SetProperty(HighLow_.BarWidth, value); }
  bool HighLowOpenShow() const { return HighLow_.OpenShow; }
  void SetHighLowOpenShow(bool value) { SetProperty(HighLow_.OpenShow, value); }
  bool HighLowCloseShow() const { return HighLow_.CloseShow; }
  void SetHighLowCloseShow(bool value) { SetProperty(HighLow_.CloseShow, value); }
  TColor HighLowOpenColor() const { return HighLow_.OpenColor; }
  void SetHighLowOpenColor(TColor value) { SetProperty(HighLow_.OpenColor, value); }
  TColor HighLowCloseColor() const { return HighLow_.CloseColor; }
  void SetHighLowCloseColor(TColor value) { SetProperty(HighLow_.CloseColor, value); }
  double HighLowOpenWidth() const { return HighLow_.OpenWidth; }
  void SetHighLowOpenWidth(double value) { SetProperty(HighLow_.OpenWidth, value); }
  double HighLowCloseWidth() const { return HighLow_.CloseWidth; }
  void SetHighLowCloseWidth(double value) { SetProperty(HighLow_.CloseWidth, value); }
  double HighLowOpenHeight() const { return HighLow_.OpenHeight; }
  void SetHighLowOpenHeight(double value) { SetProperty(HighLow_.OpenHeight, value); }
  double HighLowCloseHeight() const { return HighLow_.CloseHeight; }
  void SetHighLowCloseHeight(double value) { SetProperty(HighLow_.CloseHeight, value); }
  TColor HighLowShadowColor() const { return HighLow_.ShadowColor; }  // candle wick and outline
  void SetHighLowShadowColor(TColor value) { SetProperty(HighLow_.ShadowColor, value); }
  TColor HighLowBullishColor() const { return HighLow_.BullishColor; }  // body when Open <= Close
  void SetHighLowBullishColor(TColor value) { SetProperty(HighLow_.BullishColor, value); }
  TColor HighLowBearishColor() const { return HighLow_.BearishColor; }  // body when Open > Close
  void SetHighLowBearishColor(TColor value) { SetProperty(HighLow_.BearishColor, value); }
  const TiPlotHighLowSettings& HighLow() const { return HighLow_; }

  // ---- Reading ------------------------------------------------------------
  // The first point at or after X in data order; -1 without an X axis or
  // points, or when X lies outside the stored X. Binary search.
  int FindIndex(double X);
  // The trace's Y at X: interpolated in pixel space between the points
  // around X, or the level that holds there for a digital channel. False
  // when there is none (outside, on the first point, next to a Null point).
  bool ValueAtX(double X, double& Y);
  void UpdateDataCursor(TiPlotDataCursor& cursor) override;
  // The markers' hit test, then for the right button the trace within 10
  // pixels of the pointer.
  bool HitTest(const TiPlotMouseData& mouse) override;

  // ---- Drawing ------------------------------------------------------------
  // A digital channel sets its markers on its levels, without the turn-off
  // limit.
  void DrawMarkers(TCanvas* canvas, bool axesSwapped) override;
  // Visible range, direction, digital levels and an emptied pixel cache;
  // ready when both axes exist, the channel is visible and has points in
  // view (the step styles draw with none in view).
  void PrepareDraw() override;
  // Fill, trace and markers; an error while drawing skips the rest of this
  // channel's frame and is not passed on.
  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  void DrawTrace(TCanvas* canvas, bool axesSwapped) override;
  // Raises "Pixel List XPixel out of Range" outside PixelFirst..PixelLast.
  void SetPixelValue(int pixelX, double value) { PixelCache_.SetPixelValue(pixelX, value); }
  const TiPlotPixelCache& PixelCache() const { return PixelCache_; }
  int PixelFirst() const { return PixelCache_.PixelFirst(); }
  int PixelLast() const { return PixelCache_.PixelLast(); }
  int DigitalHighPixel() const { return DigitalHighPixel_; }
  int DigitalLowPixel() const { return DigitalLowPixel_; }

 protected:
  // The data view's rectangle, for levels given in percent.
  virtual TRect DataViewRect();
  bool ReadsDigital() const override { return DigitalEnabled_; }
  std::string InverseDeltaText(double x) override;

 private:
  void DrawBars(TCanvas* canvas, bool axesSwapped);
  void DrawHighLow(TCanvas* canvas, bool axesSwapped);
  // The reading at X (pointer pixel `pixel`) by interpolation style.
  bool ReadValue(double X, int pixel, double& Y);
  bool OutsideData(double X);
  void DrawStraightLineFill(TCanvas* canvas, bool axesSwapped);
  template <class Walk>
  void ForEachStretch(Walk&& walk);
  // The walking styles over first..last; `terminated`: no level runs on
  // past the last point.
  void DrawTraceRange(TiPlotTraceDrawer& drawer, const TPen& pen, const TiPlotTraceFill& fill, int first, int last,
                      bool terminated);
  TColor TraceFillColor() const { return FillUseChannelColor_ ? Color() : FillColor_; }
  bool UsesFill() const { return FillEnabled_ && FillStyle_ != bsClear; }

  bool CanFit();
  void RecomputeVisibleRange();
  // The largest (most) or smallest value of `widened` over the points in
  // view (first valid ones only where the order allows).
  template <class Widened>
  double FitX(double start, bool most, Widened&& widened);
  template <class Widened>
  double FitY(double start, bool most, Widened&& widened);

  TiPlotOPCXValueSource OPCXValueSource_ = iopcxvsOPCServerTimeStamp;
  platform::TDateTime StartTime_;
  bool Ascending_ = true;
  TiPlotPixelCache PixelCache_;
  int DigitalHighPixel_ = 0, DigitalLowPixel_ = 0;
  bool FastDrawEnabled_ = true;
  TiPlotInterpolationStyle InterpolationStyle_ = ipistStraightLine;
  bool FillEnabled_ = false;
  double FillReference_ = 0;
  TBrushStyle FillStyle_ = bsSolid;
  TColor FillColor_ = 0;
  bool FillUseChannelColor_ = true;
  bool DigitalEnabled_ = false;
  TiPlotDigitalReferenceStyle DigitalReferenceStyle_ = ipdrScale;
  double DigitalReferenceLow_ = 10, DigitalReferenceHigh_ = 90;
  bool BarEnabled_ = false;
  bool BarPenUseChannelColor_ = true, BarBrushUseChannelColor_ = true;
  TiPlotHighLowSettings HighLow_;
};
