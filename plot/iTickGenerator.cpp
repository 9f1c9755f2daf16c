#include "plot/iTickGenerator.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/DateTimeFormat.h"
#include "platform/Rounding.h"

namespace {

// A hard stop for the walk, far beyond what any axis shows, so that odd
// settings (millions of minor ticks) cannot hang a paint.
constexpr int kMaxTicks = 200000;
constexpr double kMsPerDay = 86400000.0;

struct TStep {
  double Step = 0;
  int64_t Intervals = 0;
};

int64_t Saturated(double v) {
  if (!(v < 9.2e18)) return std::numeric_limits<int64_t>::max();
  return v < 0 ? 0 : static_cast<int64_t>(std::trunc(v + 1e-6));
}

// The smallest 1-2-5 step that needs no more than `slots` intervals.
TStep DecimalStep(double span, int slots, int firstDecade) {
  int d = firstDecade;
  for (int guard = 0; guard < 2000; ++guard, ++d) {
    const double p = std::pow(10.0, d);
    for (double step : {p, 2 * p, 5 * p})
      if (span / step <= slots) return {step, Round(span / step)};
  }
  return {span, 1};
}

TStep DecimalStep(double span, int slots) {
  return DecimalStep(span, slots, static_cast<int>(std::trunc(std::log10(span) - 1 - std::log10(slots))));
}

// Tries steps of `units` whole units of `unitDays` days each.
bool TryUnits(double span, int slots, double unitDays, std::initializer_list<int> units, TStep& out) {
  const int64_t whole = Saturated(span / unitDays);
  for (int k : units)
    if (slots >= whole / k) {
      out = {k * unitDays, std::max<int64_t>(1, whole / k)};
      return true;
    }
  return false;
}

TStep DateTimeStep(double span, int slots, TiTickLayout& layout) {
  TStep step;
  if (TryUnits(span, slots, 1 / kMsPerDay, {1, 2, 5, 10, 20, 50, 100, 200, 500}, step) ||
      TryUnits(span, slots, 1 / 86400.0, {1, 2, 5, 10, 15, 20, 30}, step) ||
      TryUnits(span, slots, 1 / 1440.0, {1, 2, 5, 10, 15, 20, 30}, step) ||
      TryUnits(span, slots, 1 / 24.0, {1, 2, 4, 6, 12}, step) || TryUnits(span, slots, 1, {1, 7, 14}, step))
    return step;
  const int64_t days = Saturated(span);
  for (auto [months, length] : {std::pair{1, 31}, {2, 61}, {3, 92}, {6, 183}})
    if (slots >= days / length) {
      layout.MonthMode = true;
      return {static_cast<double>(months), std::max<int64_t>(1, days / length)};
    }
  layout.YearMode = true;
  for (double decade = 1; decade < 1e6; decade *= 10)
    for (auto [years, length] : {std::pair{1.0, 365.0}, {2.0, 730.0}, {5.0, 1825.0}})
      if (slots >= days / Saturated(length * decade))
        return {years * decade, std::max<int64_t>(1, days / Saturated(length * decade))};
  return {1e6, 1};
}

TStep PriceStep(double span, int slots) {
  for (double step : {1 / 256.0, 1 / 128.0, 1 / 64.0, 1 / 32.0, 1 / 16.0, 1 / 8.0, 1 / 4.0, 1 / 2.0})
    if (slots >= span / step) return {step, Trunc(span / step)};
  return DecimalStep(span, slots, 0);
}

TStep ChooseStep(const TiTickRequest& r, int& slots, TiTickLayout& layout) {
  TStep step;
  const double di = r.DesiredIncrement;
  if (r.Span <= 1e-299) {
    step = {r.Span, 1};
  } else if (di != 0 && !r.LabelsVisible && r.Span / di < static_cast<double>(r.PixelLength) / (r.MinorCount + 1)) {
    step = {di, Round(r.Span / di)};
    slots = static_cast<int>(step.Intervals);
  } else if (di != 0 && slots > r.Span / di) {
    step = {di, Round(r.Span / di)};
    slots = static_cast<int>(step.Intervals);
  } else if (r.Steps == itsDateTime) {
    step = DateTimeStep(r.Span, slots, layout);
  } else if (r.Steps == itsPrice) {
    step = PriceStep(r.Span, slots);
  } else {
    step = DecimalStep(r.Span, slots);
  }
  // Calendar steps are whole months or years; halving or stretching them
  // would leave the calendar.
  if (layout.MonthMode || layout.YearMode) return step;
  if (step.Intervals < 2 && slots > 1) step = {step.Step / 2, 2};
  if (slots < step.Intervals) step = {r.Span / slots, slots};
  return step;
}

// Month and year steps start on a calendar boundary below Min.
double CalendarStart(TiTickLayout& layout, double step) {
  const double lowest = layout.MonthMode ? 0 : -182625;
  layout.Min = std::clamp(layout.Min, lowest, 2593224.0);
  layout.Span = std::min(layout.Span, 36525.0);
  const platform::TCalendarDate date = platform::DecodeDate(layout.Min);
  const int n = std::max(1, static_cast<int>(step));
  if (layout.MonthMode) {
    const int month = std::max(1, (date.Month / n) * n);
    const double back = platform::IncMonth(platform::ReplaceDate(layout.Min, date.Year, month, date.Day), -n);
    const platform::TCalendarDate b = platform::DecodeDate(back);
    return platform::ReplaceDate(back, b.Year, b.Month, 1);
  }
  const int year = std::max(1, (date.Year / n) * n - n);
  return platform::ReplaceDate(layout.Min, year, 1, 1);
}

double StartValue(const TiTickRequest& r, TiTickLayout& layout, double step) {
  const double max = r.Min + r.Span;
  if (r.DesiredStart != 0 && r.Min <= r.DesiredStart && r.DesiredStart <= max) {
    // As many whole steps back as reach Min, counted rather than walked.
    const double back = std::ceil((r.DesiredStart - r.Min) / step);
    double t = r.DesiredStart - back * step;
    if (t > r.Min) t -= step;
    return t;
  }
  if (layout.MonthMode || layout.YearMode) return CalendarStart(layout, step);
  return std::trunc(r.Min / step) * step - step;
}

double Advance(const TiTickLayout& layout, double t, double step) {
  if (layout.MonthMode) return platform::IncMonth(t, static_cast<int>(step));
  if (layout.YearMode) return platform::IncMonth(t, static_cast<int>(step) * 12);
  return t + step;
}

void Add(TiTickLayout& layout, const TiTickRequest& r, uint8_t kind, double value,
         const std::function<bool(double)>& visible) {
  if (r.Log10 && value <= 0) return;
  if (visible && !visible(value)) return;
  layout.Ticks.push_back({kind, value});
}

void WalkLinear(TiTickLayout& layout, const TiTickRequest& r, double t, double step,
                const std::function<bool(double)>& visible) {
  const double end = layout.Min + layout.Span + step;
  const bool calendar = layout.MonthMode || layout.YearMode;
  const double q = step / (r.MinorCount + 1);
  for (int count = 0; t <= end && count < kMaxTicks; ++count) {
    Add(layout, r, 0, t, visible);
    double next;
    if (r.MinorCount > 0 && !calendar && q != 0) {
      double u = t;
      for (int i = 0; i < r.MinorCount && count < kMaxTicks; ++i, ++count) {
        u += q;
        Add(layout, r, 1, u, visible);
      }
      next = u + q;
    } else {
      next = Advance(layout, t, step);
    }
    if (next == t) break;
    t = next;
  }
}

void WalkLog(TiTickLayout& layout, const TiTickRequest& r, const std::function<bool(double)>& visible) {
  const double m = r.Min > 0 ? r.Min : 1;
  const double decades = std::log10(m + r.Span) - std::log10(m);
  double f = 200;
  double g;
  if (r.Slots >= decades) {
    f = 1;
    g = std::trunc(std::log10(m)) - 1;
  } else {
    for (double c : {2, 5, 10, 20, 50, 100})
      if (r.Slots >= decades / c) {
        f = c;
        break;
      }
    g = std::trunc(std::log10(m));
  }
  layout.Step = f;
  for (int count = 0; std::pow(10.0, g) <= r.Span + m && count < kMaxTicks; g += f, ++count) {
    const double major = std::pow(10.0, g);
    Add(layout, r, 0, major, visible);
    if (f == 1)
      for (int k = 2; k <= 9; ++k) Add(layout, r, 1, k * major, visible);
  }
}

}  // namespace

TiTickLayout GenerateTickValues(const TiTickRequest& request, const std::function<bool(double)>& visible) {
  TiTickLayout layout;
  layout.Min = request.Min;
  layout.Span = request.Span;
  if (!std::isfinite(request.Min) || !(request.Span > 0) || !std::isfinite(request.Span)) return layout;
  if (request.Log10) {
    const double m = request.Min > 0 ? request.Min : 1;
    if (std::log10(m + request.Span) - std::log10(m) > 1) {
      WalkLog(layout, request, visible);
      return layout;
    }
  }
  int slots = std::max(1, request.Slots);
  try {
    const TStep step = ChooseStep(request, slots, layout);
    layout.Step = step.Step;
    layout.Intervals = static_cast<int>(std::min<int64_t>(step.Intervals, 1 << 30));
    if (!(step.Step > 0)) return layout;
    const double start = StartValue(request, layout, step.Step);
    WalkLinear(layout, request, start, step.Step, visible);
  } catch (...) {
    // Calendar arithmetic outside the calendar: no ticks rather than no paint.
  }
  return layout;
}
