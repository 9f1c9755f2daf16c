// The x and y axes of a chart. An axis holds the visible range of one chart
// dimension as Min and Span, maps values to pixels and back for everything
// drawn against it, follows new data by itself (tracking) and lets the user
// scroll and zoom it with mouse, wheel, keys and its popup menu. It also
// chooses its ticks, formats value texts (labels, cursor and legend
// read-outs), measures the room it needs beside the data view and draws
// itself.
//
// The arithmetic lives in small units of its own: iAxisScale (the map),
// iAxisTracking (range steps), iTickGenerator (tick values) and iValueFormat
// (texts). This class holds the properties, applies the steps through
// SetMinSpan and reports changes to the plot through TiPlotAxisOwner.
//
// Invariants: 1e-300 <= Span <= 1e300, -1e300 <= Min <= 1e300; on a log10
// scale SetMinSpan keeps both positive.
#pragma once
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "plot/dIredObjects.h"
#include "plot/iAxisScale.h"
#include "plot/iAxisTracking.h"
#include "plot/iValueFormat.h"

class TiPlotAxis;
class TiPlotChannelCustom;

enum TiPlotScaleType : uint8_t { ipstLinear, ipstLog10 };
inline const std::vector<std::string>& EnumValueNames(TiPlotScaleType) {
  static const std::vector<std::string> names{"ipstLinear", "ipstLog10"};
  return names;
}
enum TiPlotCartesianStyle : uint8_t { ipcsNone, ipcsMaster, ipcsChild };
inline const std::vector<std::string>& EnumValueNames(TiPlotCartesianStyle) {
  static const std::vector<std::string> names{"ipcsNone", "ipcsMaster", "ipcsChild"};
  return names;
}
enum TiRotationAngle : uint8_t { ira000, ira090, ira180, ira270 };
inline const std::vector<std::string>& EnumValueNames(TiRotationAngle) {
  static const std::vector<std::string> names{"ira000", "ira090", "ira180", "ira270"};
  return names;
}

// Pointer shapes of the axis in zoom mode, by the classic cursor ids.
constexpr TiPlotCursorId crAxisSizeHorizontal = -9, crAxisSizeVertical = -7;

// What an axis reports to the chart beyond TiPlotOwner. The plot component
// implements it beside TiPlotOwner; an owner without it hears nothing.
class TiPlotAxisOwner {
 public:
  virtual ~TiPlotAxisOwner() = default;
  // True while the chart reads its stored description: no reports then.
  virtual bool AxisReportsSuspended() const { return false; }
  // False while no one listens to the min and span reports: an axis that
  // follows every new point then just stores its range, as without an owner.
  virtual bool AxisRangeHeard() const { return true; }
  virtual void AxisMinChange(TiPlotAxis* axis, double oldValue, double newValue) {}
  virtual void AxisSpanChange(TiPlotAxis* axis, double oldValue, double newValue) {}
  virtual void AxisMinSpanChange(TiPlotAxis* axis, double oldMin, double oldSpan, double newMin, double newSpan) {}
  virtual void AxisCustomizeLabel(TiPlotAxis* axis, double value, std::string& text) {}
  virtual void AxisCustomizeHint(TiPlotAxis* axis, std::string& text) {}
  virtual void AxisClick(TiPlotAxis* axis) {}
  // The rectangles cartesian labels must not overlap (scale lines, tick
  // marks, drawn labels); the plot empties the list before each paint.
  virtual std::vector<TRect>* OccupiedRects() { return nullptr; }
  // A strip chart's x axes scroll; an XY plot's scale like y axes.
  virtual bool ScrollingXAxes() const { return true; }
};

// A channel that keeps running extents of its data while points are added,
// for ZoomToFitFast.
class TiPlotChannelExtents {
 public:
  virtual ~TiPlotChannelExtents() = default;
  // False when the channel holds no point.
  virtual bool RunningExtent(bool xDimension, double& min, double& max) const = 0;
};

// One tick of the axis's ordered tick list.
struct TiPlotTickObject {
  uint8_t Kind = 0;  // 0 major, 1 minor
  bool Visible = false;
  double Value = 0;
  int Pixel = 0;
  std::string Text;  // label of a major tick, empty for minors
};

class TiPlotAxis : public TiPlotLayoutObject {
 public:
  explicit TiPlotAxis(const TiPlotObjectHooks& hooks);
  ~TiPlotAxis() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // --- Range and tracking (published) ---
  double Min() const { return Scale_.Min; }
  void SetMin(double value);  // clamped to -1e300 .. 1e300
  double Span() const { return Scale_.Span; }
  void SetSpan(double value);  // clamped to 1e-300 .. 1e300
  double Max() const { return Scale_.Min + Scale_.Span; }
  void SetMinSpan(double min, double span);  // one min/span report
  bool ReverseScale() const { return Scale_.Reverse; }
  void SetReverseScale(bool value) { SetProperty(Scale_.Reverse, value); }
  TiPlotScaleType ScaleType() const { return Scale_.Log10 ? ipstLog10 : ipstLinear; }
  void SetScaleType(TiPlotScaleType value);
  bool TrackingEnabled() const { return TrackingEnabled_; }
  void SetTrackingEnabled(bool value);  // pause saves, resume restores the range
  TiPlotTrackingStyle TrackingStyle() const { return Tracking_.Style; }
  void SetTrackingStyle(TiPlotTrackingStyle value) { SetTracking(Tracking_.Style, value); }
  TiPlotTrackingAlignFirstStyle TrackingAlignFirstStyle() const { return Tracking_.AlignFirst; }
  void SetTrackingAlignFirstStyle(TiPlotTrackingAlignFirstStyle value) { SetProperty(Tracking_.AlignFirst, value); }
  double TrackingScrollCompressMax() const { return Tracking_.ScrollCompressMax; }
  void SetTrackingScrollCompressMax(double value) { SetTracking(Tracking_.ScrollCompressMax, value); }
  bool RestoreValuesOnResume() const { return RestoreValuesOnResume_; }
  void SetRestoreValuesOnResume(bool value) { SetProperty(RestoreValuesOnResume_, value); }
  bool ScrollMinMaxEnabled() const { return ScrollLimits_.Enabled; }
  void SetScrollMinMaxEnabled(bool value) { SetProperty(ScrollLimits_.Enabled, value); }
  double ScrollMin() const { return ScrollLimits_.Min; }
  void SetScrollMin(double value) { SetProperty(ScrollLimits_.Min, value); }
  double ScrollMax() const { return ScrollLimits_.Max; }
  void SetScrollMax(double value) { SetProperty(ScrollLimits_.Max, value); }
  bool MasterUIInput() const { return MasterUIInput_; }
  void SetMasterUIInput(bool value) { SetProperty(MasterUIInput_, value); }
  TiPlotCartesianStyle CartesianStyle() const { return CartesianStyle_; }
  void SetCartesianStyle(TiPlotCartesianStyle value) { SetLayoutProperty(CartesianStyle_, value); }
  const std::string& CartesianChildRefAxisName() const { return CartesianRefName_; }
  void SetCartesianChildRefAxisName(const std::string& value);
  double CartesianChildRefValue() const { return CartesianChildRefValue_; }
  void SetCartesianChildRefValue(double value) { SetProperty(CartesianChildRefValue_, value); }
  const std::string& AlignRefAxisName() const { return AlignRefName_; }
  void SetAlignRefAxisName(const std::string& value);
  double StackingEndsMargin() const { return StackingEndsMargin_; }
  void SetStackingEndsMargin(double value) { SetLayoutProperty(StackingEndsMargin_, value); }
  double CursorScaler() const { return CursorScaler_; }
  void SetCursorScaler(double value) { SetProperty(CursorScaler_, value); }

  // --- Ticks, labels and title (published) ---
  double DesiredStart() const { return DesiredStart_; }
  void SetDesiredStart(double value) { SetProperty(DesiredStart_, value); }
  double DesiredIncrement() const { return DesiredIncrement_; }
  void SetDesiredIncrement(double value);  // clamped to 0 .. 1e300
  int32_t MinorCount() const { return MinorCount_; }
  void SetMinorCount(int32_t value) { SetProperty(MinorCount_, value); }
  int32_t MajorLength() const { return MajorLength_; }
  void SetMajorLength(int32_t value) { SetLayoutProperty(MajorLength_, value); }
  int32_t MinorLength() const { return MinorLength_; }
  void SetMinorLength(int32_t value) { SetLayoutProperty(MinorLength_, value); }
  int32_t InnerMargin() const { return InnerMargin_; }
  void SetInnerMargin(int32_t value) { SetLayoutProperty(InnerMargin_, value); }
  int32_t OuterMargin() const { return OuterMargin_; }
  void SetOuterMargin(int32_t value) { SetLayoutProperty(OuterMargin_, value); }
  bool LabelsVisible() const { return LabelsVisible_; }
  void SetLabelsVisible(bool value) { SetLayoutProperty(LabelsVisible_, value); }
  double LabelsMargin() const { return LabelsMargin_; }
  void SetLabelsMargin(double value) { SetLayoutProperty(LabelsMargin_, value); }
  const TFont& LabelsFont() const { return LabelsFont_; }
  void SetLabelsFont(const TFont& value) { SetLayoutProperty(LabelsFont_, value); }
  double LabelSeparation() const { return LabelSeparation_; }
  void SetLabelSeparation(double value) { SetProperty(LabelSeparation_, value); }
  TiRotationAngle LabelsRotation() const { return LabelsRotation_; }
  void SetLabelsRotation(TiRotationAngle value) { SetLayoutProperty(LabelsRotation_, value); }
  int32_t LabelsPrecision() const { return Labels_.Precision; }
  void SetLabelsPrecision(int32_t value) { SetLayoutProperty(Labels_.Precision, value); }
  TiPlotPrecisionStyle LabelsPrecisionStyle() const { return Labels_.PrecisionStyle; }
  void SetLabelsPrecisionStyle(TiPlotPrecisionStyle value) { SetLayoutProperty(Labels_.PrecisionStyle, value); }
  TiPlotTextFormat LabelsFormatStyle() const { return Labels_.Style; }
  void SetLabelsFormatStyle(TiPlotTextFormat value) { SetLayoutProperty(Labels_.Style, value); }
  const std::string& DateTimeFormat() const { return Labels_.DateTimeFormat; }
  void SetDateTimeFormat(const std::string& value) { SetLayoutProperty(Labels_.DateTimeFormat, value); }
  double LabelsMinLength() const { return LabelsMinLength_; }
  void SetLabelsMinLength(double value) { SetLayoutProperty(LabelsMinLength_, value); }
  bool LabelsMinLengthAutoAdjust() const { return LabelsMinLengthAutoAdjust_; }
  void SetLabelsMinLengthAutoAdjust(bool value) { SetProperty(LabelsMinLengthAutoAdjust_, value); }
  const std::string& Title() const { return Title_; }
  void SetTitle(const std::string& value) { SetProperty(Title_, value); }
  bool TitleShow() const { return TitleShow_; }
  void SetTitleShow(bool value) { SetLayoutProperty(TitleShow_, value); }
  double TitleMargin() const { return TitleMargin_; }
  void SetTitleMargin(double value) { SetLayoutProperty(TitleMargin_, value); }
  const TFont& TitleFont() const { return TitleFont_; }
  void SetTitleFont(const TFont& value) { SetLayoutProperty(TitleFont_, value); }
  bool TitleRotated() const { return TitleRotated_; }
  void SetTitleRotated(bool value) { SetLayoutProperty(TitleRotated_, value); }
  bool ScaleLinesShow() const { return ScaleLinesShow_; }
  void SetScaleLinesShow(bool value) { SetLayoutProperty(ScaleLinesShow_, value); }
  TColor ScaleLinesColor() const { return ScaleLinesColor_; }
  void SetScaleLinesColor(TColor value) { SetProperty(ScaleLinesColor_, value); }
  // Stored and streamed only; drawing follows ScaleLinesShow.
  bool ScaleLineShow() const { return ScaleLineShow_; }
  void SetScaleLineShow(bool value) { SetProperty(ScaleLineShow_, value); }
  bool GridLinesVisible() const { return GridLinesVisible_; }
  void SetGridLinesVisible(bool value) { SetProperty(GridLinesVisible_, value); }

  // Cursor and legend read-outs: their own settings unless ...UseDefaultFormat.
  bool CursorUseDefaultFormat() const { return CursorUseDefault_; }
  void SetCursorUseDefaultFormat(bool value) { SetProperty(CursorUseDefault_, value); }
  TiPlotTextFormat CursorFormatStyle() const { return Cursor_.Style; }
  void SetCursorFormatStyle(TiPlotTextFormat value) { SetProperty(Cursor_.Style, value); }
  const std::string& CursorDateTimeFormat() const { return Cursor_.DateTimeFormat; }
  void SetCursorDateTimeFormat(const std::string& value) { SetProperty(Cursor_.DateTimeFormat, value); }
  TiPlotPrecisionStyle CursorPrecisionStyle() const { return Cursor_.PrecisionStyle; }
  void SetCursorPrecisionStyle(TiPlotPrecisionStyle value) { SetProperty(Cursor_.PrecisionStyle, value); }
  int32_t CursorPrecision() const { return Cursor_.Precision; }
  void SetCursorPrecision(int32_t value) { SetProperty(Cursor_.Precision, value); }
  double CursorMinLength() const { return CursorMinLength_; }
  void SetCursorMinLength(double value) { SetProperty(CursorMinLength_, value); }
  bool CursorMinLengthAutoAdjust() const { return CursorMinLengthAutoAdjust_; }
  void SetCursorMinLengthAutoAdjust(bool value) { SetProperty(CursorMinLengthAutoAdjust_, value); }
  bool LegendUseDefaultFormat() const { return LegendUseDefault_; }
  void SetLegendUseDefaultFormat(bool value) { SetProperty(LegendUseDefault_, value); }
  TiPlotTextFormat LegendFormatStyle() const { return Legend_.Style; }
  void SetLegendFormatStyle(TiPlotTextFormat value) { SetProperty(Legend_.Style, value); }
  const std::string& LegendDateTimeFormat() const { return Legend_.DateTimeFormat; }
  void SetLegendDateTimeFormat(const std::string& value) { SetProperty(Legend_.DateTimeFormat, value); }
  TiPlotPrecisionStyle LegendPrecisionStyle() const { return Legend_.PrecisionStyle; }
  void SetLegendPrecisionStyle(TiPlotPrecisionStyle value) { SetProperty(Legend_.PrecisionStyle, value); }
  int32_t LegendPrecision() const { return Legend_.Precision; }
  void SetLegendPrecision(int32_t value) { SetProperty(Legend_.Precision, value); }
  double LegendMinLength() const { return LegendMinLength_; }
  void SetLegendMinLength(double value) { SetProperty(LegendMinLength_, value); }
  bool LegendMinLengthAutoAdjust() const { return LegendMinLengthAutoAdjust_; }
  void SetLegendMinLengthAutoAdjust(bool value) { SetProperty(LegendMinLengthAutoAdjust_, value); }

  // --- Run-time state ---
  bool FirstPointSeen() const { return FirstPointSeen_; }
  void SetFirstPointSeen(bool value) {
    FirstPointSeen_ = value;
    UpdateFeedMode();
  }
  void ResetFirstPoint() { SetFirstPointSeen(false); }
  double ResumeMin() const { return ResumeMin_; }
  double ResumeSpan() const { return ResumeSpan_; }
  double ResumeLabelsMinLength() const { return ResumeLabelsMinLength_; }
  void UpdateResumeValues();
  bool Dragging() const { return Dragging_; }
  uint8_t AxesMode() const { return AxesMode_; }  // 0 scroll, 1 zoom, other neither
  void SetAxesMode(uint8_t value) { SetProperty(AxesMode_, value); }
  int ScaleLeft() const { return Scale_.ScaleLeft; }
  int ScaleTop() const { return Scale_.ScaleTop; }
  int ScaleRight() const { return Scale_.ScaleRight; }
  int ScaleBottom() const { return Scale_.ScaleBottom; }
  const TRect& HitRect() const { return HitRect_; }
  // Where the focus is drawn: around the hit rectangle, within the lane.
  TRect FocusRect() const;
  int PixelStart() const { return Scale_.PixelStart; }
  int PixelEnd() const { return Scale_.PixelEnd; }
  double PixelsPerUnit() const { return Scale_.PixelsPerUnit(); }
  uint8_t Side() const { return Side_; }  // 0 left, 1 right, 2 above, 3 below the data view
  bool IsCartesian() const { return CartesianStyle_ != ipcsNone; }
  bool MonthMode() const { return MonthMode_; }
  bool YearMode() const { return YearMode_; }
  int RequiredThickness() const { return RequiredThickness_; }
  int InnerThickness() const { return InnerThickness_; }

  // --- The map (iAxisScale) ---
  int ValueToPixel(double value) const { return Scale_.ValueToPixel(value); }
  bool LinearPixelMap(TiLinearPixelMap& map) const { return Scale_.LinearPixelMap(map); }
  double PixelToValue(int pixel) const { return Scale_.PixelToValue(pixel); }
  int ValueToPixelLength(double distance) const { return Scale_.ValueToPixelLength(distance); }
  bool IsValueVisible(double value) const { return Scale_.IsValueVisible(value); }
  int PixelLength() const { return Scale_.PixelLength(); }
  int PixelOfMin() const { return ValueToPixel(Min()); }
  int PixelOfMax() const { return ValueToPixel(Max()); }
  // The scale and hit rectangles and the pixel ends from the axis rectangle.
  void CalcScaleRect(TCanvas* canvas);

  // --- Range changes ---
  // One tracking step for a new value, as TiPlotChannelScale asks for it.
  // The general way, to which Feed's short ways are held.
  void Track(double value) {
    if (const std::optional<TiTrackStep> step = StepFor(value)) ApplyTrack(*step);
  }
  // Track for a channel that feeds a new point and asks the plot for one
  // repaint after all of its tracking: the axis leaves its own change
  // requests to that one and returns true when it left any. The plot's min
  // and span events still fire, each in its place. In line, as it runs for
  // every point: most values leave a min-max axis as it is, and a scrolling
  // axis heard by no one only stores its new range.
  bool Feed(double value) {
    // The strip chart's two axes, once their first value is placed: a value
    // inside a min-max range, or a smooth scroll by a value past the end.
    const double end = Scale_.Min + Scale_.Span;
    switch (FeedMode_) {
      case kFeedAny: break;
      case kFeedMinMax:
        if (value >= Scale_.Min && value <= end) return false;
        break;
      case kFeedScrollSmooth:
        if (value > end) {
          const double min = value - Scale_.Span;
          // (an infinite value fails the bounds on min) A new minimum that
          // rounds to the old one is stored again and still reported: the
          // caller asks for its repaint whatever the axes did.
          if (min <= 1e300 && min >= -1e300 && !RangeListener()) {
            Scale_.Min = min;
            return true;
          }
        } else if (value >= Scale_.Min) {
          return false;
        }
        break;
    }
    return FeedAny(value);
  }
  void Zoom(double factor);  // raises "Linear Scale Zoom Factor must be Greater than Zero"
  void ZoomBy(double fraction);
  void ScrollBy(double fraction);
  void ZoomToRect(const TRect& rect);
  void ZoomToFit();
  void ZoomToFitFast();

  // The cartesian reference of an x axis is a y axis and vice versa; the
  // align reference has the axis's own orientation. Cached until it goes away.
  TiPlotAxis* GetCartesianRefAxis();
  TiPlotAxis* GetAlignRefAxis();

  // --- Ticks and texts ---
  void GenerateTicks(TCanvas* canvas);
  void UpdateTickPixels();
  int TickCount() const { return static_cast<int>(Ticks_.size()); }
  const TiPlotTickObject& Tick(int index) const { return Ticks_.at(static_cast<size_t>(index)); }
  std::string FormatLabel(double value);
  std::string FormatCursorText(double value);
  std::string FormatCursorDelta(double value);
  std::string FormatLegendText(double value);
  int LegendTextWidth(TCanvas* canvas, const TFont& font) const;
  int CursorTextWidth(TCanvas* canvas, const TFont& font) const;
  int MaxLabelWidth(TCanvas* canvas, const TFont& font);
  void DrawGridLines(TCanvas* canvas, const TRect& rect, int minorWidth, int majorWidth, TColor minorColor,
                     TColor majorColor, TiPlotLineStyle minorStyle, TiPlotLineStyle majorStyle, bool showMinors,
                     bool showMajors);

  // --- Object model slots ---
  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;
  void NotifyFocus(TiPlotObject* object) override;
  void PrepareDraw() override;
  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  bool HitTest(const TiPlotMouseData& mouse) override;
  bool MouseWheel(int delta, TiPlotShiftState shift, TPoint position) override;
  void DoMouseHover(const TiPlotMouseData& mouse, TiPlotHintData& hint) override;
  void DoMouseLeftDown(const TiPlotMouseData& mouse) override;
  void DoMouseDrag(const TiPlotMouseData& mouse) override;
  void DoMouseUp(const TiPlotMouseData& mouse) override;
  TiPlotCursorId GetMouseCursor(TPoint point) override;
  void KeyDown(int& key, TiPlotShiftState shift) override;
  void AddMenuItems(TiPopupMenu& menu) override;
  int GetRequiredThickness(TCanvas* canvas) override;
  int GetEndOverhang(TCanvas* canvas) override;

 protected:
  // Constructor defaults of a kind, stored without notification.
  void SetTrackingDefaults(TiPlotTrackingStyle style, TiPlotTrackingAlignFirstStyle align) {
    Tracking_.Style = style;
    Tracking_.AlignFirst = align;
    UpdateFeedMode();
  }
  // The report interface of the owner, or null.
  TiPlotAxisOwner* AxisOwner() const {
    TiPlotOwner* owner = Owner();
    if (owner != castOwner_) CastOwner(owner);
    return axisOwner_;
  }
  // The owner while it listens to the range reports, or null.
  TiPlotAxisOwner* RangeListener() const {
    TiPlotAxisOwner* owner = AxisOwner();
    return owner && owner->AxisRangeHeard() ? owner : nullptr;
  }
  // Every other axis of the same orientation, for MasterUIInput.
  std::vector<TiPlotAxis*> SameOrientationAxes() const;

 private:
  // AxisOwner is asked on every tracked value; the cast is done once per owner.
  mutable TiPlotOwner* castOwner_ = nullptr;
  mutable TiPlotAxisOwner* axisOwner_ = nullptr;
  void CastOwner(TiPlotOwner* owner) const;
  // Feed's other values, out of line so that the common ones above take no
  // more than a few instructions where they are inlined.
  bool FeedAny(double value);
  // Which of Feed's common cases the tracking settings allow, kept by every
  // change to them: Feed asks one byte instead of five settings per value.
  enum TFeedMode : uint8_t { kFeedAny, kFeedMinMax, kFeedScrollSmooth };
  TFeedMode FeedMode_ = kFeedAny;
  void UpdateFeedMode() {
    const bool plain = TrackingEnabled_ && FirstPointSeen_ && !Scale_.Log10 && Tracking_.ScrollCompressMax == 0;
    FeedMode_ = !plain                                ? kFeedAny
                : Tracking_.Style == iptsScaleMinMax  ? kFeedMinMax
                : Tracking_.Style == iptsScrollSmooth ? kFeedScrollSmooth
                                                      : kFeedAny;
  }
  template <class T, class V>
  void SetTracking(T& field, const V& value) {
    SetPropertyThen(field, value, [this] {
      UpdateFeedMode();
      DoChange();
    });
  }
  // The tracking step a new value asks for; none when tracking is off, the
  // value is not finite or the range would stay as it is.
  std::optional<TiTrackStep> StepFor(double value) {
    if (!TrackingEnabled_ || !std::isfinite(value)) return std::nullopt;
    const TiTrackStep step = TrackValue(Tracking_, {Scale_.Min, Scale_.Span}, value, FirstPointSeen_);
    UpdateFeedMode();
    if (step.Action == itaSetRange && !Scale_.Log10 && step.Range.Min == Scale_.Min &&
        step.Range.Span == Scale_.Span)
      return std::nullopt;
    return step;
  }
  // The step applied with the change requests held back.
  bool FeedStep(const TiTrackStep& step);
  // DoChange, or held back while the axis is fed.
  void RangeChange() {
    if (Feeding_) FedChange_ = true;
    else DoChange();
  }
  void ApplyTrack(const TiTrackStep& step);
  void ZoomToFitFrom(bool fast);
  bool ChannelExtent(TiPlotChannelCustom* channel, bool fast, double& min, double& max) const;
  uint8_t EffectiveMode(TiPlotShiftState shift) const;
  void Repeat(void (TiPlotAxis::*action)(const TiPlotMouseData&), const TiPlotMouseData& mouse);
  void DoKey(int key);
  void UserRangeChange();  // pauses tracking before a user scroll or zoom
  // Texts.
  std::string FormatValue(const TiValueFormatSettings& settings, double& minLength, bool autoAdjust, double value);
  const TiValueFormatSettings& CursorSettings() const { return CursorUseDefault_ ? Labels_ : Cursor_; }
  const TiValueFormatSettings& LegendSettings() const { return LegendUseDefault_ ? Labels_ : Legend_; }
  int LabelSlots(TCanvas* canvas);
  int LabelAcross(TCanvas* canvas);  // label size across the axis
  bool LabelsUpright() const { return LabelsRotation_ == ira000 || LabelsRotation_ == ira180; }
  // Drawing.
  int EdgeDistance(TCanvas* canvas) const;
  void DrawScaleLine(TCanvas* canvas);
  void DrawTickMark(TCanvas* canvas, const TiPlotTickObject& tick);
  void DrawLabel(TCanvas* canvas, const TiPlotTickObject& tick);
  void DrawTitle(TCanvas* canvas);
  TRect LabelBox(TCanvas* canvas, const TiPlotTickObject& tick) const;
  bool CartesianLabelFits(const TRect& box) const;
  void Occupy(const TRect& r) const;

  TiAxisScale Scale_;
  TiTrackSettings Tracking_;
  TiScrollLimits ScrollLimits_;
  bool TrackingEnabled_ = true;
  bool RestoreValuesOnResume_ = true;
  bool MasterUIInput_ = false;
  TiPlotCartesianStyle CartesianStyle_ = ipcsNone;
  std::string CartesianRefName_ = "<None>";
  double CartesianChildRefValue_ = 0;
  std::string AlignRefName_ = "<None>";
  double StackingEndsMargin_ = 0.5;
  double CursorScaler_ = 1;

  double DesiredStart_ = 0;
  double DesiredIncrement_ = 0;
  int32_t MinorCount_ = 1;
  int32_t MajorLength_ = 7;
  int32_t MinorLength_ = 3;
  int32_t InnerMargin_ = 5;
  int32_t OuterMargin_ = 5;
  bool LabelsVisible_ = true;
  double LabelsMargin_ = 0.25;
  TFont LabelsFont_;
  double LabelSeparation_ = 2;
  TiRotationAngle LabelsRotation_ = ira000;
  TiValueFormatSettings Labels_;
  double LabelsMinLength_ = 5;
  bool LabelsMinLengthAutoAdjust_ = false;
  std::string Title_;
  bool TitleShow_ = false;
  double TitleMargin_ = 0.25;
  TFont TitleFont_;
  bool TitleRotated_ = false;
  bool ScaleLinesShow_ = true;
  TColor ScaleLinesColor_ = 0xFFFFFF;
  bool ScaleLineShow_ = true;
  bool GridLinesVisible_ = true;
  bool CursorUseDefault_ = true;
  TiValueFormatSettings Cursor_;
  double CursorMinLength_ = 5;
  bool CursorMinLengthAutoAdjust_ = false;
  bool LegendUseDefault_ = true;
  TiValueFormatSettings Legend_;
  double LegendMinLength_ = 5;
  bool LegendMinLengthAutoAdjust_ = false;

  double ResumeMin_ = 0, ResumeSpan_ = 100, ResumeLabelsMinLength_ = 0;
  bool FirstPointSeen_ = false;
  bool Dragging_ = false;
  int LastMouseX_ = 0, LastMouseY_ = 0;
  uint8_t AxesMode_ = 0;
  bool InMinSpanChange_ = false;
  bool Feeding_ = false, FedChange_ = false;
  bool Repeating_ = false;  // a MasterUIInput repetition is running
  TiPlotAxis* CartesianRefAxis_ = nullptr;
  TiPlotAxis* AlignRefAxis_ = nullptr;
  TRect HitRect_;
  uint8_t Side_ = 0;
  std::vector<TiPlotTickObject> Ticks_;
  bool MonthMode_ = false, YearMode_ = false;
  bool Measuring_ = false;
  int RequiredThickness_ = 0, InnerThickness_ = 0;
};

class TiPlotXAxis : public TiPlotAxis {
 public:
  explicit TiPlotXAxis(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

class TiPlotYAxis : public TiPlotAxis {
 public:
  explicit TiPlotYAxis(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

// The axis of that name in the owner's chart (ignoring case), or null.
TiPlotXAxis* FindXAxis(TiPlotOwner* owner, const std::string& name);
TiPlotYAxis* FindYAxis(TiPlotOwner* owner, const std::string& name);

// A reference to an axis by name, resolved on first use and cached. The
// cache is dropped when the name changes or the axis goes away, and the name
// follows a rename of the cached axis.
template <class Axis>
class TiPlotAxisReference {
 public:
  const std::string& Name() const { return Name_; }
  // True when the name changed.
  bool SetName(const std::string& name) {
    if (name == Name_) return false;
    Name_ = name;
    Cached_ = nullptr;
    TiPlotSettings::Changed();
    return true;
  }
  Axis* Resolve(TiPlotOwner* owner, Axis* (*find)(TiPlotOwner*, const std::string&)) {
    if (!Cached_) Cached_ = find(owner, Name_);
    return Cached_;
  }
  Axis* Cached() const { return Cached_; }
  void NotifyRemove(TiPlotObject* object) {
    if (object == Cached_) Cached_ = nullptr;
  }
  // True when the name followed the cached axis's rename.
  bool NotifyRename(TiPlotObject* object) {
    if (!Cached_ || object != Cached_) return false;
    Name_ = object->Name();
    return true;
  }

 private:
  std::string Name_;
  Axis* Cached_ = nullptr;
};
