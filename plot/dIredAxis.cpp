#include "plot/dIredAxis.h"

#include <cctype>
#include <cmath>

#include "components/iFont.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredMasterManager.h"
#include "plot/iMath.h"

namespace {

bool SameTextNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// Sets a flag for the lifetime of a scope, also when the scope is left by an
// exception.
class TFlagGuard {
 public:
  explicit TFlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~TFlagGuard() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

TiPlotAxis::TiPlotAxis(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks) {
  LabelsFont_.Color = clWhite;
  TitleFont_.Name = "Arial";
  TitleFont_.SetSize(10);
  TitleFont_.Style = FontStyleBit(fsBold);
  TitleFont_.Color = clWhite;
}

TiPlotAxis::~TiPlotAxis() = default;

TiPlotXAxis::TiPlotXAxis(const TiPlotObjectHooks& hooks) : TiPlotAxis(hooks) {
  const TiPlotAxisOwner* owner = dynamic_cast<TiPlotAxisOwner*>(hooks.Owner);
  SetTrackingDefaults(!owner || owner->ScrollingXAxes() ? iptsScrollSmooth : iptsScaleMinMax, ipafsAuto);
}

TiPlotYAxis::TiPlotYAxis(const TiPlotObjectHooks& hooks) : TiPlotAxis(hooks) {}

void TiPlotAxis::CastOwner(TiPlotOwner* owner) const {
  castOwner_ = owner;
  axisOwner_ = dynamic_cast<TiPlotAxisOwner*>(owner);
}

// --- Range ---

void TiPlotAxis::SetMin(double value) {
  if (std::isnan(value)) return;  // a NaN would poison every later step
  value = Clamp(value, -1e300, 1e300);
  if (value == Scale_.Min) return;
  const double oldMin = Scale_.Min;
  Scale_.Min = value;
  RangeChange();
  TiPlotAxisOwner* owner = AxisOwner();
  if (!owner || owner->AxisReportsSuspended()) return;
  owner->AxisMinChange(this, oldMin, value);
  if (!InMinSpanChange_) owner->AxisMinSpanChange(this, oldMin, Span(), value, Span());
}

void TiPlotAxis::SetSpan(double value) {
  if (std::isnan(value)) return;
  value = Clamp(value, 1e-300, 1e300);
  if (value == Scale_.Span) return;
  const double oldSpan = Scale_.Span;
  Scale_.Span = value;
  RangeChange();
  TiPlotAxisOwner* owner = AxisOwner();
  if (!owner || owner->AxisReportsSuspended()) return;
  owner->AxisSpanChange(this, oldSpan, value);
  if (!InMinSpanChange_) owner->AxisMinSpanChange(this, Min(), oldSpan, Min(), value);
}

void TiPlotAxis::SetMinSpan(double min, double span) {
  if (std::isnan(min) || std::isnan(span)) return;
  if (Scale_.Log10) {
    if (min <= 0) min = 1;
    if (span <= 0) span = 1;
  }
  min = Clamp(min, -1e300, 1e300);
  span = Clamp(span, 1e-300, 1e300);
  if (min == Min() && span == Span()) return;
  TiPlotAxisOwner* owner = RangeListener();
  if (!owner) {
    // Nobody hears the reports (a scrolling axis meets this on every value):
    // what SetMin and SetSpan would do without them.
    if (min != Scale_.Min) {
      Scale_.Min = min;
      RangeChange();
    }
    if (span != Scale_.Span) {
      Scale_.Span = span;
      RangeChange();
    }
    return;
  }
  const double oldMin = Min(), oldSpan = Span();
  {
    TFlagGuard guard(InMinSpanChange_);
    SetMin(min);
    SetSpan(span);
  }
  if (!owner->AxisReportsSuspended()) owner->AxisMinSpanChange(this, oldMin, oldSpan, Min(), Span());
}

void TiPlotAxis::SetScaleType(TiPlotScaleType value) {
  const bool log = value == ipstLog10;
  if (log == Scale_.Log10) return;
  Scale_.Log10 = log;
  UpdateFeedMode();
  if (log && Scale_.Min <= 0) Scale_.Min = 1;
  DoChange();
}

void TiPlotAxis::SetDesiredIncrement(double value) {
  if (std::isnan(value)) return;
  SetProperty(DesiredIncrement_, Clamp(value, 0, 1e300));
}

void TiPlotAxis::SetCartesianChildRefAxisName(const std::string& value) {
  if (value == CartesianRefName_) return;
  CartesianRefName_ = value;
  CartesianRefAxis_ = nullptr;
  DoChange();
}

void TiPlotAxis::SetAlignRefAxisName(const std::string& value) {
  if (value == AlignRefName_) return;
  AlignRefName_ = value;
  AlignRefAxis_ = nullptr;
  DoChange();
}

// --- Tracking ---

void TiPlotAxis::SetTrackingEnabled(bool value) {
  if (value == TrackingEnabled_) return;
  TrackingEnabled_ = value;
  UpdateFeedMode();
  if (RestoreValuesOnResume_) {
    if (value) {
      SetMinSpan(ResumeMin_, ResumeSpan_);
      LabelsMinLength_ = ResumeLabelsMinLength_;
    } else {
      UpdateResumeValues();
    }
  }
  DoChange();
}

void TiPlotAxis::UpdateResumeValues() {
  ResumeMin_ = Min();
  ResumeSpan_ = Span();
  ResumeLabelsMinLength_ = LabelsMinLength_;
}

// Saves and restores the feed state: an event handler may feed the axis
// again from another channel, which then makes its own request.
bool TiPlotAxis::FeedAny(double value) {
  const std::optional<TiTrackStep> step = StepFor(value);
  if (!step) return false;
  if (step->Action == itaSetRange && !Scale_.Log10) {
    const TiAxisRange& r = step->Range;
    if (r.Min >= -1e300 && r.Min <= 1e300 && r.Span >= 1e-300 && r.Span <= 1e300 && !RangeListener()) {
      Scale_.Min = r.Min;
      Scale_.Span = r.Span;
      return true;
    }
  }
  return FeedStep(*step);
}

bool TiPlotAxis::FeedStep(const TiTrackStep& step) {
  const bool outerFeeding = Feeding_, outerChange = FedChange_;
  Feeding_ = true;
  FedChange_ = false;
  try {
    ApplyTrack(step);
  } catch (...) {
    const bool changed = FedChange_;
    Feeding_ = outerFeeding;
    FedChange_ = outerChange;
    if (changed) DoChange();
    throw;
  }
  const bool changed = FedChange_;
  Feeding_ = outerFeeding;
  FedChange_ = outerChange;
  return changed;
}

void TiPlotAxis::ApplyTrack(const TiTrackStep& step) {
  switch (step.Action) {
    case itaSetRange: SetMinSpan(step.Range.Min, step.Range.Span); break;
    case itaZoomToFit: ZoomToFit(); break;
    case itaZoomToFitFast: ZoomToFitFast(); break;
  }
}

// --- User range changes: each pauses tracking first ---

void TiPlotAxis::UserRangeChange() { SetTrackingEnabled(false); }

void TiPlotAxis::Zoom(double factor) {
  const TiAxisRange range = ZoomRange({Min(), Span()}, factor, Scale_.Log10);
  UserRangeChange();
  SetMinSpan(range.Min, range.Span);
}

void TiPlotAxis::ZoomBy(double fraction) {
  UserRangeChange();
  const TiAxisRange range = ZoomRangeBy({Min(), Span()}, fraction, Scale_.Log10);
  SetMinSpan(range.Min, range.Span);
}

void TiPlotAxis::ScrollBy(double fraction) {
  UserRangeChange();
  const TiAxisRange range = ScrollRangeBy({Min(), Span()}, fraction, Scale_.Log10, ScrollLimits_);
  SetMinSpan(range.Min, range.Span);
}

void TiPlotAxis::ZoomToRect(const TRect& rect) {
  int first = IsHorizontal() ? rect.Left : rect.Bottom;
  int second = IsHorizontal() ? rect.Right : rect.Top;
  if (first == second) return;  // a box without extent along this axis
  if (Scale_.Reverse) std::swap(first, second);
  UserRangeChange();
  const double from = PixelToValue(first), to = PixelToValue(second);
  SetMinSpan(from, to - from);
}

void TiPlotAxis::ZoomToFit() { ZoomToFitFrom(false); }
void TiPlotAxis::ZoomToFitFast() { ZoomToFitFrom(true); }

void TiPlotAxis::ZoomToFitFrom(bool fast) {
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  if (!master || !master->ChannelManager()) return;
  const bool x = dynamic_cast<TiPlotXAxis*>(this) != nullptr;
  double lowest = 1e300, highest = -1e300;
  for (TiPlotObject* object : master->ChannelManager()->Items()) {
    auto* channel = static_cast<TiPlotChannelCustom*>(object);
    if (!SameTextNoCase(x ? channel->XAxisName() : channel->YAxisName(), Name())) continue;
    double min, max;
    if (!ChannelExtent(channel, fast, min, max)) continue;
    lowest = std::min(lowest, min);
    highest = std::max(highest, max);
  }
  if (highest > -1e299 && lowest < 1e299 && highest != lowest) SetMinSpan(lowest, highest - lowest);
}

// The fast fit reads the channel's running extremes; the other asks the
// channel, which knows which of its points count (a hidden channel none, the
// strip chart's y only the points in view) and how far its markers reach.
bool TiPlotAxis::ChannelExtent(TiPlotChannelCustom* channel, bool fast, double& min, double& max) const {
  const bool x = dynamic_cast<const TiPlotXAxis*>(this) != nullptr;
  if (fast) return channel->RunningExtent(x, min, max);
  min = x ? channel->GetFitXMin() : channel->GetFitYMin();
  max = x ? channel->GetFitXMax() : channel->GetFitYMax();
  return std::isfinite(min) && std::isfinite(max) && max >= min;
}

// --- References ---

TiPlotAxis* TiPlotAxis::GetCartesianRefAxis() {
  if (!CartesianRefAxis_) {
    const bool x = dynamic_cast<TiPlotXAxis*>(this) != nullptr;
    CartesianRefAxis_ = x ? static_cast<TiPlotAxis*>(FindYAxis(Owner(), CartesianRefName_))
                          : static_cast<TiPlotAxis*>(FindXAxis(Owner(), CartesianRefName_));
  }
  return CartesianRefAxis_;
}

TiPlotAxis* TiPlotAxis::GetAlignRefAxis() {
  if (!AlignRefAxis_) {
    const bool x = dynamic_cast<TiPlotXAxis*>(this) != nullptr;
    TiPlotAxis* found = x ? static_cast<TiPlotAxis*>(FindXAxis(Owner(), AlignRefName_))
                          : static_cast<TiPlotAxis*>(FindYAxis(Owner(), AlignRefName_));
    AlignRefAxis_ = found == this ? nullptr : found;
  }
  return AlignRefAxis_;
}

void TiPlotAxis::NotifyRemove(TiPlotObject* object) {
  if (object == CartesianRefAxis_) CartesianRefAxis_ = nullptr;
  if (object == AlignRefAxis_) AlignRefAxis_ = nullptr;
}

void TiPlotAxis::NotifyRename(TiPlotObject* object) {
  if (object && object == CartesianRefAxis_) CartesianRefName_ = object->Name();
  if (object && object == AlignRefAxis_) AlignRefName_ = object->Name();
}

void TiPlotAxis::NotifyFocus(TiPlotObject* object) {
  if (object == this || !Focused()) return;
  // Several axes may hold the focus together while the plot multi-selects.
  if (dynamic_cast<TiPlotAxis*>(object) && (AxesModeFlags() & 0x05) != 0) return;
  SetFocused(false);
}

std::vector<TiPlotAxis*> TiPlotAxis::SameOrientationAxes() const {
  std::vector<TiPlotAxis*> axes;
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  if (!master) return axes;
  const bool x = dynamic_cast<const TiPlotXAxis*>(this) != nullptr;
  TiPlotObjectManagerCustom* manager = x ? static_cast<TiPlotObjectManagerCustom*>(master->XAxisManager())
                                         : static_cast<TiPlotObjectManagerCustom*>(master->YAxisManager());
  if (!manager) return axes;
  for (TiPlotObject* object : manager->Items())
    if (object != this) axes.push_back(static_cast<TiPlotAxis*>(object));
  return axes;
}

// --- Published properties ---

const TClassInfo& TiPlotAxis::StaticClass() {
  using A = TiPlotAxis;
  static const TClassInfo info =
      TClassBuilder<A>("TiPlotAxis")
          .Inherits<TiPlotLayoutObject>()
          .Float("Min", &A::Min, &A::SetMin).DefaultFloat(0)
          .Float("Span", &A::Span, &A::SetSpan).DefaultFloat(100)
          .Bool("ReverseScale", &A::ReverseScale, &A::SetReverseScale).Default(0)
          .Enum("ScaleType", &A::ScaleType, &A::SetScaleType).Default(0)
          .Bool("TrackingEnabled", &A::TrackingEnabled, &A::SetTrackingEnabled).Default(1)
          .Enum("TrackingStyle", &A::TrackingStyle, &A::SetTrackingStyle)
          .Enum("TrackingAlignFirstStyle", &A::TrackingAlignFirstStyle, &A::SetTrackingAlignFirstStyle)
          .Float("TrackingScrollCompressMax", &A::TrackingScrollCompressMax, &A::SetTrackingScrollCompressMax)
          .DefaultFloat(0)
          .Bool("RestoreValuesOnResume", &A::RestoreValuesOnResume, &A::SetRestoreValuesOnResume).Default(1)
          .Bool("ScrollMinMaxEnabled", &A::ScrollMinMaxEnabled, &A::SetScrollMinMaxEnabled).Default(0)
          .Float("ScrollMin", &A::ScrollMin, &A::SetScrollMin).DefaultFloat(0)
          .Float("ScrollMax", &A::ScrollMax, &A::SetScrollMax).DefaultFloat(100)
          .Bool("MasterUIInput", &A::MasterUIInput, &A::SetMasterUIInput).Default(0)
          .Enum("CartesianStyle", &A::CartesianStyle, &A::SetCartesianStyle)
          .Default(0)
          .String("CartesianChildRefAxisName", &A::CartesianChildRefAxisName, &A::SetCartesianChildRefAxisName)
          .DefaultString("<None>")
          .Float("CartesianChildRefValue", &A::CartesianChildRefValue, &A::SetCartesianChildRefValue)
          .DefaultFloat(0)
          .String("AlignRefAxisName", &A::AlignRefAxisName, &A::SetAlignRefAxisName).DefaultString("<None>")
          .Float("StackingEndsMargin", &A::StackingEndsMargin, &A::SetStackingEndsMargin).DefaultFloat(0.5)
          .Bool("ForceStacking", &A::ForceStacking, &A::SetForceStacking).Default(0)
          .Float("CursorScaler", &A::CursorScaler, &A::SetCursorScaler).DefaultFloat(1)
          .Float("DesiredStart", &A::DesiredStart, &A::SetDesiredStart).DefaultFloat(0)
          .Float("DesiredIncrement", &A::DesiredIncrement, &A::SetDesiredIncrement).DefaultFloat(0)
          .Integer("MinorCount", &A::MinorCount, &A::SetMinorCount).Default(1)
          .Integer("MajorLength", &A::MajorLength, &A::SetMajorLength).Default(7)
          .Integer("MinorLength", &A::MinorLength, &A::SetMinorLength).Default(3)
          .Integer("InnerMargin", &A::InnerMargin, &A::SetInnerMargin).Default(5)
          .Integer("OuterMargin", &A::OuterMargin, &A::SetOuterMargin).Default(5)
          .Bool("LabelsVisible", &A::LabelsVisible, &A::SetLabelsVisible).Default(1)
          .Float("LabelsMargin", &A::LabelsMargin, &A::SetLabelsMargin).DefaultFloat(0.25)
          .Value("LabelsFont", &A::LabelsFont, &A::SetLabelsFont, FontClassInfo())
          .Float("LabelSeparation", &A::LabelSeparation, &A::SetLabelSeparation).DefaultFloat(2)
          .Enum("LabelsRotation", &A::LabelsRotation, &A::SetLabelsRotation)
          .Default(0)
          .Integer("LabelsPrecision", &A::LabelsPrecision, &A::SetLabelsPrecision).Default(3)
          .Enum("LabelsPrecisionStyle", &A::LabelsPrecisionStyle, &A::SetLabelsPrecisionStyle).Default(0)
          .Enum("LabelsFormatStyle", &A::LabelsFormatStyle, &A::SetLabelsFormatStyle).Default(0)
          .String("DateTimeFormat", &A::DateTimeFormat, &A::SetDateTimeFormat).DefaultString("hh:nn:ss")
          .Float("LabelsMinLength", &A::LabelsMinLength, &A::SetLabelsMinLength).DefaultFloat(5)
          .Bool("LabelsMinLengthAutoAdjust", &A::LabelsMinLengthAutoAdjust, &A::SetLabelsMinLengthAutoAdjust)
          .Default(0)
          .String("Title", &A::Title, &A::SetTitle)
          .Bool("TitleShow", &A::TitleShow, &A::SetTitleShow).Default(0)
          .Float("TitleMargin", &A::TitleMargin, &A::SetTitleMargin).DefaultFloat(0.25)
          .Value("TitleFont", &A::TitleFont, &A::SetTitleFont, FontClassInfo())
          .Bool("TitleRotated", &A::TitleRotated, &A::SetTitleRotated).Default(0)
          .Bool("ScaleLinesShow", &A::ScaleLinesShow, &A::SetScaleLinesShow).Default(1)
          .Color("ScaleLinesColor", &A::ScaleLinesColor, &A::SetScaleLinesColor).Default(0xFFFFFF)
          .Bool("ScaleLineShow", &A::ScaleLineShow, &A::SetScaleLineShow).Default(1)
          .Bool("GridLinesVisible", &A::GridLinesVisible, &A::SetGridLinesVisible).Default(1)
          .Bool("CursorUseDefaultFormat", &A::CursorUseDefaultFormat, &A::SetCursorUseDefaultFormat).Default(1)
          .Enum("CursorFormatStyle", &A::CursorFormatStyle, &A::SetCursorFormatStyle).Default(0)
          .String("CursorDateTimeFormat", &A::CursorDateTimeFormat, &A::SetCursorDateTimeFormat)
          .DefaultString("hh:nn:ss")
          .Enum("CursorPrecisionStyle", &A::CursorPrecisionStyle, &A::SetCursorPrecisionStyle).Default(0)
          .Integer("CursorPrecision", &A::CursorPrecision, &A::SetCursorPrecision).Default(3)
          .Float("CursorMinLength", &A::CursorMinLength, &A::SetCursorMinLength).DefaultFloat(5)
          .Bool("CursorMinLengthAutoAdjust", &A::CursorMinLengthAutoAdjust, &A::SetCursorMinLengthAutoAdjust)
          .Default(0)
          .Bool("LegendUseDefaultFormat", &A::LegendUseDefaultFormat, &A::SetLegendUseDefaultFormat).Default(1)
          .Enum("LegendFormatStyle", &A::LegendFormatStyle, &A::SetLegendFormatStyle).Default(0)
          .String("LegendDateTimeFormat", &A::LegendDateTimeFormat, &A::SetLegendDateTimeFormat)
          .DefaultString("hh:nn:ss")
          .Enum("LegendPrecisionStyle", &A::LegendPrecisionStyle, &A::SetLegendPrecisionStyle).Default(0)
          .Integer("LegendPrecision", &A::LegendPrecision, &A::SetLegendPrecision).Default(3)
          .Float("LegendMinLength", &A::LegendMinLength, &A::SetLegendMinLength).DefaultFloat(5)
          .Bool("LegendMinLengthAutoAdjust", &A::LegendMinLengthAutoAdjust, &A::SetLegendMinLengthAutoAdjust)
          .Default(0)
          .Build();
  return info;
}

const TClassInfo& TiPlotXAxis::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotXAxis>("TiPlotXAxis").Inherits<TiPlotAxis>().Build();
  return info;
}

const TClassInfo& TiPlotYAxis::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotYAxis>("TiPlotYAxis").Inherits<TiPlotAxis>().Build();
  return info;
}

TiPlotXAxis* FindXAxis(TiPlotOwner* owner, const std::string& name) {
  TiPlotMasterManager* master = owner ? owner->MasterManager() : nullptr;
  if (!master || !master->XAxisManager()) return nullptr;
  return static_cast<TiPlotXAxis*>(master->XAxisManager()->FindByName(name));
}

TiPlotYAxis* FindYAxis(TiPlotOwner* owner, const std::string& name) {
  TiPlotMasterManager* master = owner ? owner->MasterManager() : nullptr;
  if (!master || !master->YAxisManager()) return nullptr;
  return static_cast<TiPlotYAxis*>(master->YAxisManager()->FindByName(name));
}
