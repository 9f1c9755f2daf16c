// Time for the whole program: local date and time as a day count, a
// millisecond clock and a blocking sleep. Tests inject their own sources.
#pragma once
#include <cstdint>
#include <functional>

namespace platform {

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

TDateTime Now();
// Milliseconds from an arbitrary start; never goes backwards.
int64_t MillisecondClock();
void SleepMs(int milliseconds);

struct TTimeOfDay {
  int Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
};
TTimeOfDay DecodeTime(TDateTime value);
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int milliSecond);

// Null functions restore the real clocks.
void SetNowSource(std::function<TDateTime()> source);
void SetMillisecondSource(std::function<int64_t()> source);

}  // namespace platform
