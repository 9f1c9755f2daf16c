// Calendar arithmetic on the day-count date-time (days since 1899-12-30, the
// fraction is the time of day) and date-time texts by pattern.
//
// A negative date-time counts whole days back from 1899-12-30, but its
// fraction is still a time of day forward from midnight: -1.25 is 1899-12-29
// 06:00.
#pragma once
#include <string>

#include "platform/Clock.h"

namespace platform {

struct TCalendarDate {
  int Year = 1899, Month = 12, Day = 30;
};

// Dates from year 1 to 9999 are valid; anything else (and NaN or infinity)
// raises EConvertError "Invalid date-time value".
TCalendarDate DecodeDate(TDateTime value);
int DaysInMonth(int year, int month);
// The same time of day on another date; the day is clamped to the month.
TDateTime ReplaceDate(TDateTime value, int year, int month, int day);
// `months` later (or earlier when negative), the day clamped to the month.
TDateTime IncMonth(TDateTime value, int months);

// The date-time as `pattern` spells it. Pattern letters (any case):
//   d dd       day of month without / with a leading zero
//   ddd dddd   short / long day name ("Mon", "Monday")
//   m mm       month without / with a leading zero; minutes when the letter
//              follows an hour (h or hh), separators between them allowed
//   mmm mmmm   short / long month name ("Jan", "January")
//   yy yyyy    two-digit / four-digit year
//   h hh       hour; on a 12-hour clock when am/pm or a/p appears
//   n nn       minute        s ss   second        z zzz  millisecond
//   am/pm a/p  "am"/"pm" or "a"/"p", in the letter case of the pattern
//   "..." '...' literal text; every other character stands for itself
// Raises EConvertError "Invalid date-time value" for dates out of range.
std::string FormatDateTime(const std::string& pattern, TDateTime value);

}  // namespace platform
