// The second half of the axis: scale rectangle, ticks, value texts and the
// room the axis needs beside the data view.
#include <algorithm>
#include <cmath>

#include "platform/Rounding.h"
#include "plot/dIredAxis.h"
#include "plot/iAxisText.h"
#include "plot/iMath.h"
#include "plot/iTickGenerator.h"

namespace {

int TextW(const TCanvas* canvas, const std::string& text) { return MultiLineExtent(canvas, text).cx; }
int TextH(const TCanvas* canvas, const std::string& text) { return MultiLineExtent(canvas, text).cy; }

// Characters, not bytes: a label's length is what the operator counts.
size_t CharacterCount(const std::string& text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

// Selects a font for measuring and puts the previous one back.
class TFontScope {
 public:
  TFontScope(TCanvas* canvas, const TFont& font) : canvas_(canvas) {
    if (!canvas_) return;
    saved_ = canvas_->Font;
    canvas_->Font = font;
    canvas_->Font.Orientation = 0;
  }
  ~TFontScope() {
    if (canvas_) canvas_->Font = saved_;
  }

 private:
  TCanvas* canvas_;
  TFont saved_;
};

TiTickStepKind StepsFor(TiPlotTextFormat style) {
  if (style == iptfDateTime) return itsDateTime;
  if (style == iptfPrice32nds) return itsPrice;
  return itsDecimal;
}

}  // namespace

// --- Value texts ---

std::string TiPlotAxis::FormatValue(const TiValueFormatSettings& settings, double& minLength, bool autoAdjust,
                                    double value) {
  TiFormattedValue formatted = FormatValueText(settings, value, Span(), Scale_.Log10);
  if (formatted.Final) return formatted.Text;
  if (TiPlotAxisOwner* owner = AxisOwner(); owner && !owner->AxisReportsSuspended())
    owner->AxisCustomizeLabel(this, value, formatted.Text);
  const double length = static_cast<double>(CharacterCount(formatted.Text));
  if (autoAdjust && Measuring_ && length > minLength) minLength = length;
  return formatted.Text;
}

std::string TiPlotAxis::FormatLabel(double value) {
  return FormatValue(Labels_, LabelsMinLength_, LabelsMinLengthAutoAdjust_, value);
}

std::string TiPlotAxis::FormatCursorText(double value) {
  double length = CursorUseDefault_ ? LabelsMinLength_ : CursorMinLength_;
  return OneLine(FormatValue(CursorSettings(), length, false, value));
}

std::string TiPlotAxis::FormatCursorDelta(double value) {
  TiValueFormatSettings settings = CursorSettings();
  settings.Style = iptfValue;
  double length = 0;
  return OneLine(FormatValue(settings, length, false, value));
}

std::string TiPlotAxis::FormatLegendText(double value) {
  double length = LegendUseDefault_ ? LabelsMinLength_ : LegendMinLength_;
  return OneLine(FormatValue(LegendSettings(), length, false, value));
}

int TiPlotAxis::LegendTextWidth(TCanvas* canvas, const TFont& font) const {
  TFontScope scope(canvas, font);
  return static_cast<int>(Round(TextW(canvas, "0") * (LegendUseDefault_ ? LabelsMinLength_ : LegendMinLength_)));
}

int TiPlotAxis::CursorTextWidth(TCanvas* canvas, const TFont& font) const {
  TFontScope scope(canvas, font);
  return static_cast<int>(Round(TextW(canvas, "0") * (CursorUseDefault_ ? LabelsMinLength_ : CursorMinLength_)));
}

int TiPlotAxis::MaxLabelWidth(TCanvas* canvas, const TFont& font) {
  TFontScope scope(canvas, font);
  const double minWidth = TextW(canvas, "0") * LabelsMinLength_;
  // A typical wide label: the span's own size, shifted to where the range lies.
  const double probe = Span() + std::trunc(Min() / Span()) * Span();
  bool measuring = true;
  std::swap(measuring, Measuring_);
  const std::string probeText = FormatLabel(probe);
  std::swap(measuring, Measuring_);
  int widest = std::max(static_cast<int>(Round(Clamp(minWidth, 0, 1e6))), TextW(canvas, probeText));
  for (const TiPlotTickObject& tick : Ticks_) widest = std::max(widest, TextW(canvas, tick.Text));
  return widest;
}

// --- Scale rectangle ---

void TiPlotAxis::CalcScaleRect(TCanvas* canvas) {
  const TRect r = GetRect();
  const bool before = StackedBefore() || ForceStacking(), after = StackedAfter() || ForceStacking();
  TFontScope scope(canvas, LabelsFont_);
  const std::string minLabel = LabelsVisible_ ? FormatLabel(Min()) : std::string();
  Scale_.Horizontal = IsHorizontal();
  if (IsVertical()) {
    Side_ = IsCartesian() ? 1 : (FarSide() ? 1 : 0);
    const int c = TextH(canvas, "0");
    const int d = LabelsUpright() ? TextH(canvas, minLabel) : MaxLabelWidth(canvas, LabelsFont_);
    const int e = IsCartesian() ? 0 : static_cast<int>((d + Round(c * StackingEndsMargin_)) / 2);
    Scale_.ScaleLeft = r.Left;
    Scale_.ScaleRight = r.Right;
    Scale_.ScaleBottom = before ? r.Bottom - e : r.Bottom;
    Scale_.ScaleTop = after ? r.Top + e : r.Top;
    HitRect_ = {r.Left + 2, Scale_.ScaleTop - e, r.Right - 2, Scale_.ScaleBottom + e};
  } else {
    Side_ = IsCartesian() ? 3 : (FarSide() ? 2 : 3);
    const int c = TextW(canvas, "0");
    int d = LabelsUpright() ? MaxLabelWidth(canvas, LabelsFont_) : TextH(canvas, minLabel);
    if (!LabelsVisible_) d = 0;
    const int e = IsCartesian() ? 0 : static_cast<int>(Round(d / 2.0) + Round(c * StackingEndsMargin_));
    Scale_.ScaleTop = r.Top;
    Scale_.ScaleBottom = r.Bottom;
    Scale_.ScaleLeft = before ? r.Left + e : r.Left;
    Scale_.ScaleRight = after ? r.Right - e : r.Right;
    HitRect_ = {Scale_.ScaleLeft - e, r.Top + 2, Scale_.ScaleRight + e, r.Bottom - 2};
  }
  Scale_.UpdatePixelEnds();
}

// --- Ticks ---

int TiPlotAxis::LabelSlots(TCanvas* canvas) {
  const double w0 = TextW(canvas, "0"), h0 = TextH(canvas, "0");
  const double gap = LabelSeparation_ + 1;
  const bool alongIsWidth = IsHorizontal() == LabelsUpright();
  const double room = alongIsWidth ? MaxLabelWidth(canvas, LabelsFont_) + w0 * gap : h0 * gap;
  const double b = std::max<double>(Round(Clamp(room, 0, 1e9)), 1);
  return static_cast<int>(std::max<int64_t>(1, Trunc(PixelLength() / b)));
}

void TiPlotAxis::GenerateTicks(TCanvas* canvas) {
  MonthMode_ = YearMode_ = false;
  CalcScaleRect(canvas);
  Ticks_.clear();
  TFontScope scope(canvas, LabelsFont_);
  const int slots = LabelSlots(canvas);
  TiTickRequest request;
  request.Min = Min();
  request.Span = Span();
  request.PixelLength = PixelLength();
  request.Slots = slots;
  request.DesiredIncrement = DesiredIncrement_;
  request.DesiredStart = DesiredStart_;
  request.MinorCount = MinorCount_;
  request.LabelsVisible = LabelsVisible_;
  request.Log10 = Scale_.Log10;
  request.Steps = StepsFor(Labels_.Style);
  const TiTickLayout layout = GenerateTickValues(request, [this](double v) { return IsValueVisible(v); });
  MonthMode_ = layout.MonthMode;
  YearMode_ = layout.YearMode;
  if (MonthMode_ || YearMode_) {  // the calendar's limits, stored without notification
    Scale_.Min = layout.Min;
    Scale_.Span = layout.Span;
  }
  for (const TiTickValue& value : layout.Ticks) {
    TiPlotTickObject tick;
    tick.Kind = value.Kind;
    tick.Value = value.Value;
    if (value.Kind == 0) tick.Text = FormatLabel(value.Value);
    Ticks_.push_back(std::move(tick));
  }
  UpdateTickPixels();
}

void TiPlotAxis::UpdateTickPixels() {
  for (TiPlotTickObject& tick : Ticks_) {
    tick.Visible = IsValueVisible(tick.Value);
    tick.Pixel = tick.Visible ? ValueToPixel(tick.Value) : 0;
  }
}

// --- Room for the layout ---

int TiPlotAxis::LabelAcross(TCanvas* canvas) {
  TFontScope scope(canvas, LabelsFont_);
  const bool acrossIsWidth = IsVertical() == LabelsUpright();
  return acrossIsWidth ? MaxLabelWidth(canvas, LabelsFont_) : TextH(canvas, FormatLabel(Min()));
}

int TiPlotAxis::GetRequiredThickness(TCanvas* canvas) {
  int title = 0;
  if (TitleShow_ && !IsCartesian()) {
    TFontScope scope(canvas, TitleFont_);
    const double h = TextH(canvas, Title_);
    title = static_cast<int>(Round(h * TitleMargin_ + (TitleRotated_ ? TextW(canvas, Title_) : h)));
  }
  const int ticks = ScaleLinesShow_ ? std::max(std::max(MajorLength_, 0), MinorLength_) : 0;
  int margin = 0, labels = 0;
  if (LabelsVisible_) {
    {
      TFontScope scope(canvas, LabelsFont_);
      margin = static_cast<int>(Round(TextH(canvas, "A") * LabelsMargin_));
    }
    labels = LabelAcross(canvas);
  }
  InnerThickness_ = ticks + InnerMargin_ + margin + labels;
  RequiredThickness_ = InnerMargin_ + OuterMargin_ + ticks + margin + labels + title;
  return RequiredThickness_;
}

int TiPlotAxis::GetEndOverhang(TCanvas* canvas) {
  if (!LabelsVisible_) return 0;
  TFontScope scope(canvas, LabelsFont_);
  const bool alongIsWidth = IsHorizontal() == LabelsUpright();
  return (alongIsWidth ? MaxLabelWidth(canvas, LabelsFont_) : TextH(canvas, "XYZ")) / 2;
}
