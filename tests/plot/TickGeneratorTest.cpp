#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/DateTimeFormat.h"
#include "plot/iAxisScale.h"
#include "plot/iTickGenerator.h"

namespace {
// Ticks over a horizontal scale of 600 pixels showing Min .. Min + Span.
struct Ticks {
  TiTickRequest request;
  TiAxisScale scale;
  TiTickLayout layout;

  Ticks(double min, double span, int slots, bool log = false) {
    request.Min = min;
    request.Span = span;
    request.Slots = slots;
    request.PixelLength = 600;
    request.Log10 = log;
    scale.Min = min;
    scale.Span = span;
    scale.Log10 = log;
    scale.Horizontal = true;
    scale.ScaleRight = 600;
    scale.ScaleBottom = 20;
    scale.UpdatePixelEnds();
  }
  Ticks& Run() {
    layout = GenerateTickValues(request, [this](double v) { return scale.IsValueVisible(v); });
    return *this;
  }
  std::vector<double> Of(uint8_t kind) const {
    std::vector<double> out;
    for (const auto& t : layout.Ticks)
      if (t.Kind == kind) out.push_back(t.Value);
    return out;
  }
  std::vector<double> Majors() const { return Of(0); }
  std::vector<double> Minors() const { return Of(1); }
};

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected, double tolerance) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << i;
}
}  // namespace

TEST(DecimalTicks, TypicalRangesTakeTheSmallestOneTwoFiveStepThatFits) {
  Ticks hundred(0, 100, 6);
  hundred.Run();
  EXPECT_EQ(hundred.layout.Step, 20);
  EXPECT_EQ(hundred.layout.Intervals, 5);
  EXPECT_EQ(hundred.Majors(), (std::vector<double>{0, 20, 40, 60, 80, 100}));
  EXPECT_EQ(hundred.Minors(), (std::vector<double>{10, 30, 50, 70, 90}));

  Ticks large(0, 4000, 8);
  large.Run();
  EXPECT_EQ(large.layout.Step, 500);
  EXPECT_EQ(large.Majors().size(), 9u);

  Ticks symmetric(-1, 2, 5);
  symmetric.request.MinorCount = 0;
  symmetric.Run();
  EXPECT_EQ(symmetric.Majors(), (std::vector<double>{-1, -0.5, 0, 0.5, 1}));
  EXPECT_TRUE(symmetric.Minors().empty());
}

TEST(DecimalTicks, TinySpansAndHugeValuesKeepTheirPlaces) {
  Ticks tiny(0, 1e-6, 5);
  tiny.Run();
  EXPECT_DOUBLE_EQ(tiny.layout.Step, 2e-7);
  ExpectNear(tiny.Majors(), {0, 2e-7, 4e-7, 6e-7, 8e-7, 1e-6}, 1e-15);

  Ticks far(1e12, 100, 6);
  far.Run();
  EXPECT_EQ(far.Majors(), (std::vector<double>{1e12, 1e12 + 20, 1e12 + 40, 1e12 + 60, 1e12 + 80, 1e12 + 100}));
}

TEST(DecimalTicks, ADegenerateSpanGivesOneIntervalHalved) {
  Ticks flat(5, 1e-300, 6);
  flat.Run();
  EXPECT_EQ(flat.layout.Intervals, 2);
  EXPECT_DOUBLE_EQ(flat.layout.Step, 0.5e-300);
  EXPECT_FALSE(flat.Majors().empty());
}

TEST(DecimalTicks, FewSlotsStretchTheStepToTheSpan) {
  Ticks one(0, 100, 1);
  one.Run();
  EXPECT_EQ(one.layout.Step, 100);
  EXPECT_EQ(one.Majors(), (std::vector<double>{0, 100}));
}

TEST(DesiredTicks, IncrementIsUsedOnlyWhenItFits) {
  Ticks fits(0, 100, 6);
  fits.request.DesiredIncrement = 25;
  fits.request.MinorCount = 0;
  fits.Run();
  EXPECT_EQ(fits.Majors(), (std::vector<double>{0, 25, 50, 75, 100}));

  Ticks tooDense(0, 100, 6);
  tooDense.request.DesiredIncrement = 1;
  tooDense.Run();
  EXPECT_EQ(tooDense.layout.Step, 20);

  // With labels hidden, the increment only needs room for its minor ticks.
  Ticks hidden(0, 100, 6);
  hidden.request.DesiredIncrement = 10;
  hidden.request.LabelsVisible = false;
  hidden.Run();
  EXPECT_EQ(hidden.layout.Step, 10);
  EXPECT_EQ(hidden.Majors().size(), 11u);
}

TEST(DesiredTicks, StartAlignsTheMajors) {
  Ticks aligned(0, 100, 6);
  aligned.request.DesiredStart = 5;
  aligned.request.MinorCount = 0;
  aligned.Run();
  EXPECT_EQ(aligned.Majors(), (std::vector<double>{5, 25, 45, 65, 85}));
  // A start outside the range is ignored.
  aligned.request.DesiredStart = 105;
  aligned.Run();
  EXPECT_EQ(aligned.Majors().front(), 0);
}

TEST(LogTicks, DecadesWithMinorsWhenEveryDecadeFits) {
  Ticks log(1, 999, 3, true);
  log.Run();
  EXPECT_EQ(log.Majors(), (std::vector<double>{1, 10, 100, 1000}));
  const std::vector<double> minors = log.Minors();
  ASSERT_EQ(minors.size(), 24u);
  EXPECT_EQ(minors.front(), 2);
  EXPECT_EQ(minors[8], 20);
  EXPECT_EQ(minors.back(), 900);
}

TEST(LogTicks, SkipDecadesWhenTheyDoNotFit) {
  Ticks log(1, 1e6 - 1, 3, true);
  log.Run();
  EXPECT_EQ(log.layout.Step, 2);
  EXPECT_EQ(log.Majors(), (std::vector<double>{1, 100, 10000, 1e6}));
  EXPECT_TRUE(log.Minors().empty());
}

TEST(LogTicks, LessThanADecadeUsesLinearSteps) {
  Ticks log(2, 6, 5, true);
  log.request.MinorCount = 0;
  log.Run();
  EXPECT_EQ(log.layout.Step, 2);
  EXPECT_EQ(log.Majors(), (std::vector<double>{2, 4, 6, 8}));
}

TEST(DateTimeTicks, TenMinutesTakeOneMinuteSteps) {
  const double start = platform::EncodeDate(2024, 3, 5) + platform::EncodeTime(10, 0, 0, 0);
  Ticks clock(start, 10.0 / 1440, 12);
  clock.request.Steps = itsDateTime;
  clock.request.MinorCount = 0;
  clock.Run();
  EXPECT_DOUBLE_EQ(clock.layout.Step, 1.0 / 1440);
  EXPECT_EQ(clock.layout.Intervals, 10);
  EXPECT_EQ(clock.Majors().size(), 11u);
}

TEST(DateTimeTicks, MonthStepsStartOnTheFirstOfAMonth) {
  Ticks months(platform::EncodeDate(2024, 1, 15), 180, 4);
  months.request.Steps = itsDateTime;
  months.Run();
  EXPECT_TRUE(months.layout.MonthMode);
  EXPECT_EQ(months.layout.Step, 2);
  std::vector<std::string> dates;
  for (double v : months.Majors()) dates.push_back(platform::FormatDateTime("yyyy-mm-dd", v));
  EXPECT_EQ(dates, (std::vector<std::string>{"2024-03-01", "2024-05-01", "2024-07-01"}));
  EXPECT_TRUE(months.Minors().empty());  // no minors between calendar steps
}

TEST(DateTimeTicks, YearStepsStartOnTheFirstOfJanuary) {
  Ticks years(platform::EncodeDate(2001, 6, 1), 3650, 4);
  years.request.Steps = itsDateTime;
  years.Run();
  EXPECT_TRUE(years.layout.YearMode);
  EXPECT_EQ(years.layout.Step, 5);
  std::vector<std::string> dates;
  for (double v : years.Majors()) dates.push_back(platform::FormatDateTime("yyyy-mm-dd", v));
  EXPECT_EQ(dates, (std::vector<std::string>{"2005-01-01", "2010-01-01"}));
}

TEST(DateTimeTicks, RangesOutsideTheCalendarAreForcedIntoIt) {
  Ticks huge(-1e9, 1e9, 4);
  huge.request.Steps = itsDateTime;
  huge.Run();
  EXPECT_TRUE(huge.layout.YearMode);
  EXPECT_EQ(huge.layout.Min, -182625);
  EXPECT_EQ(huge.layout.Span, 36525);
}

TEST(PriceTicks, FractionsOfAUnitThenWholeNumbers) {
  Ticks price(100, 1, 10);
  price.request.Steps = itsPrice;
  price.Run();
  EXPECT_EQ(price.layout.Step, 0.125);
  Ticks wide(100, 40, 5);
  wide.request.Steps = itsPrice;
  wide.Run();
  EXPECT_EQ(wide.layout.Step, 10);
}

TEST(TickWalk, OddSettingsNeverHang) {
  Ticks dense(0, 100, 6);
  dense.request.MinorCount = 100000000;
  dense.Run();
  EXPECT_LE(dense.layout.Ticks.size(), 200001u);
  Ticks nan(std::nan(""), 100, 6);
  nan.Run();
  EXPECT_TRUE(nan.layout.Ticks.empty());
  Ticks huge(-1e300, 1e300, 6);
  huge.Run();
  EXPECT_FALSE(huge.Majors().empty());
}
