// The strip-chart channel of TiPlot: points whose X runs monotonically (the
// sample counter or a time), so the visible range is found by binary search
// and the extents to fit come from the ends of the data. Should an X go back
// (a replay from 0, a wrapped counter), every point is looked at instead.
#pragma once
#include "platform/Clock.h"
#include "plot/dIredChannelCustom.h"
#include "plot/iPixelCache.h"
#include "plot/iTraceStyles.h"
#include "plot/iVisibleRange.h"

// Where a value from the OPC item takes its X from.
enum TiPlotOPCXValueSource : uint8_t {
  iopcxvsOPCServerTimeStamp, iopcxvsSystemTimeStamp, iopcxvsElapsedTime, iopcxvsElapsedSeconds
};

// How consecutive points are joined.
enum TiPlotInterpolationStyle : uint8_t {
  ipistStraightLine, ipistCubicSpline, ipistPolynomial, ipistRational, ipistDifferential,
  ipistDifferentialTerminated
};
// Whether the digital reference levels are Y values or data-view percentages.
enum TiPlotDigitalReferenceStyle : uint8_t { ipdrScale, ipdrPercent };

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

  // ---- Drawing ------------------------------------------------------------
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

 private:
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
};
