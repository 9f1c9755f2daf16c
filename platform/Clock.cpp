#include "platform/Clock.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>

namespace platform {
namespace {
std::function<TDateTime()>& NowSource() {
  static std::function<TDateTime()> source;
  return source;
}
std::function<int64_t()>& MsSource() {
  static std::function<int64_t()> source;
  return source;
}

// Days from 0001-01-01 in the proleptic Gregorian calendar to y-m-d.
int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;  // days since 1970-01-01
}
}  // namespace

TDateTime EncodeDate(int year, int month, int day) {
  constexpr int64_t kUnixEpochDay = 25569;  // 1970-01-01 as a day count
  return static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpochDay);
}

TDateTime EncodeTime(int hour, int minute, int second, int milliSecond) {
  return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + milliSecond) / 86400000.0;
}

TDateTime Now() {
  if (NowSource()) return NowSource()();
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, ms);
}

TTimeOfDay DecodeTime(TDateTime value) {
  // Round to the millisecond first so 0.999999 of a second does not read as the
  // previous second.
  const double fraction = std::fabs(value - std::trunc(value));
  int64_t ms = static_cast<int64_t>(std::llround(fraction * 86400000.0));
  if (ms >= 86400000) ms = 86399999;
  TTimeOfDay t;
  t.MilliSecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  t.Second = static_cast<int>(ms % 60);
  ms /= 60;
  t.Minute = static_cast<int>(ms % 60);
  t.Hour = static_cast<int>(ms / 60);
  return t;
}

int64_t MillisecondClock() {
  if (MsSource()) return MsSource()();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SleepMs(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SetNowSource(std::function<TDateTime()> source) { NowSource() = std::move(source); }
void SetMillisecondSource(std::function<int64_t()> source) { MsSource() = std::move(source); }

}  // namespace platform
