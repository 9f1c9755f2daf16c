#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/DateTimeFormat.h"
#include "platform/Exception.h"

using platform::DecodeDate;
using platform::EncodeDate;
using platform::EncodeTime;
using platform::FormatDateTime;

namespace {
// 2024-03-05 14:07:09.045, a Tuesday.
const double kSample = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
}  // namespace

TEST(DecodeDate, FollowsTheCalendarAcrossEpochsAndLeapYears) {
  struct Case { int y, m, d; };
  for (Case c : {Case{1899, 12, 30}, {1899, 12, 29}, {1900, 2, 28}, {1900, 3, 1}, {2000, 2, 29}, {2024, 12, 31},
                 {1, 1, 1}, {9999, 12, 31}, {1600, 3, 1}}) {
    const double day = EncodeDate(c.y, c.m, c.d);
    const auto date = DecodeDate(day < 0 ? day - 0.75 : day + 0.75);
    EXPECT_EQ(date.Year, c.y);
    EXPECT_EQ(date.Month, c.m);
    EXPECT_EQ(date.Day, c.d);
  }
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  // A negative date-time keeps its fraction as a time forward from midnight.
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", -1.25), "1899-12-29 06:00");
}

TEST(DecodeDate, RefusesValuesOutsideTheCalendar) {
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300, -1e7, 2958466.0})
    EXPECT_THROW(DecodeDate(bad), EConvertError) << bad;
  EXPECT_THROW(FormatDateTime("hh", std::nan("")), EConvertError);
}

TEST(FormatDateTime, SpellsEachPatternLetter) {
  struct Case { const char* pattern; const char* text; };
  for (Case c : {Case{"hh:nn:ss", "14:07:09"}, {"h:n:s", "14:7:9"}, {"hh:nn:ss.zzz", "14:07:09.045"},
                 {"z", "45"}, {"d/m/yy", "5/3/24"}, {"dd/mm/yyyy", "05/03/2024"}, {"mmm d, yyyy", "Mar 5, 2024"},
                 {"mmmm", "March"}, {"ddd", "Tue"}, {"dddd", "Tuesday"}, {"hh:mm", "14:07"},
                 {"h:nn am/pm", "2:07 pm"}, {"h:nn AM/PM", "2:07 PM"}, {"ha/p", "2p"},
                 {"hh 'h' nn", "14 h 07"}, {"\"at\" hh", "at 14"}, {"yyyymmdd", "20240305"},
                 {"HH:NN:SS", "14:07:09"}, {"", ""}}) {
    EXPECT_EQ(FormatDateTime(c.pattern, kSample), c.text) << c.pattern;
  }
}

TEST(FormatDateTime, OtherBytesStandForThemselves) {
  EXPECT_EQ(FormatDateTime(std::string("hh\0\0x", 5), kSample), std::string("14\0\0x", 5));
  EXPECT_EQ(FormatDateTime("'unclosed", kSample), "unclosed");
}

TEST(FormatDateTime, TwelveHourClockAroundMidnightAndNoon) {
  EXPECT_EQ(FormatDateTime("h am/pm", EncodeTime(0, 30, 0, 0)), "12 am");
  EXPECT_EQ(FormatDateTime("h am/pm", EncodeTime(12, 0, 0, 0)), "12 pm");
  EXPECT_EQ(FormatDateTime("hh:nn", EncodeTime(23, 59, 0, 0)), "23:59");
}

TEST(FormatDateTime, AlmostAWholeSecondDoesNotReadAsTheSecondBefore) {
  EXPECT_EQ(FormatDateTime("hh:nn:ss", EncodeTime(10, 0, 1, 0) - 1e-12), "10:00:01");
}

TEST(CalendarArithmetic, MonthStepsClampTheDayAndKeepTheTime) {
  const double jan31 = EncodeDate(2023, 1, 31) + 0.5;
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", platform::IncMonth(jan31, 1)), "2023-02-28 12:00");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", platform::IncMonth(jan31, -2)), "2022-11-30");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", platform::IncMonth(jan31, 25)), "2025-02-28");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", platform::ReplaceDate(jan31, 2020, 2, 30)), "2020-02-29 12:00");
  EXPECT_THROW(platform::IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
}
