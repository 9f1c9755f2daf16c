#include "platform/DateTimeFormat.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/Exception.h"

namespace platform {
namespace {

constexpr double kMinDate = -693593;   // 0001-01-01
constexpr double kMaxDate = 2958465;   // 9999-12-31

const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

[[noreturn]] void Invalid() { throw EConvertError("Invalid date-time value"); }

void CheckRange(TDateTime value) {
  if (!std::isfinite(value) || std::trunc(value) < kMinDate || std::trunc(value) > kMaxDate) Invalid();
}

// The civil date of a day count relative to 1970-01-01 (proleptic Gregorian).
TCalendarDate CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  TCalendarDate date;
  date.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  date.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  date.Year = static_cast<int>(yoe + era * 400 + (date.Month <= 2));
  return date;
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// The time-of-day fraction, which the date part does not change.
double TimeFraction(TDateTime value) { return std::fabs(value - std::trunc(value)); }

// Re-attaches a time of day to a whole day count, keeping the convention that
// the fraction of a negative date still counts forward from midnight.
TDateTime WithTime(double day, double fraction) { return day < 0 ? day - fraction : day + fraction; }

std::string TwoDigits(int v) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", v);
  return buffer;
}

int LowerAt(const std::string& s, size_t i) {
  return i < s.size() ? std::tolower(static_cast<unsigned char>(s[i])) : 0;
}

// Bounded by the text itself: a NUL byte in a pattern must not read as the
// end-of-text value of LowerAt and run on forever.
size_t RunLength(const std::string& s, size_t i) {
  const int c = LowerAt(s, i);
  size_t n = 0;
  while (i + n < s.size() && LowerAt(s, i + n) == c) ++n;
  return n;
}

bool StartsWithNoCase(const std::string& s, size_t i, const char* word) {
  for (size_t k = 0; word[k]; ++k)
    if (LowerAt(s, i + k) != word[k]) return false;
  return true;
}

bool UsesTwelveHourClock(const std::string& pattern) {
  for (size_t i = 0; i < pattern.size(); ++i)
    if (StartsWithNoCase(pattern, i, "am/pm") || StartsWithNoCase(pattern, i, "a/p")) return true;
  return false;
}

// Writes one pattern by walking it once; "m" becomes minutes right after an
// hour, which is the only reading in which "hh:mm" makes sense.
class TPatternWriter {
 public:
  TPatternWriter(const std::string& pattern, TDateTime value)
      : p_(pattern), date_(DecodeDate(value)), time_(DecodeTime(value)), twelve_(UsesTwelveHourClock(pattern)) {
    weekday_ = static_cast<int>(((static_cast<int64_t>(std::trunc(value)) % 7 + 7 + 6) % 7));
  }

  std::string Run() {
    for (size_t i = 0; i < p_.size();) i = Step(i);
    return out_;
  }

 private:
  size_t Step(size_t i) {
    const char raw = p_[i];
    if (raw == '"' || raw == '\'') return Quoted(i);
    if (StartsWithNoCase(p_, i, "am/pm")) return AmPm(i, 5);
    if (StartsWithNoCase(p_, i, "a/p")) return AmPm(i, 3);
    const size_t n = RunLength(p_, i);
    switch (LowerAt(p_, i)) {
      case 'd': Day(n); break;
      case 'm': Month(n); break;
      case 'y': out_ += n <= 2 ? TwoDigits(date_.Year % 100) : std::to_string(date_.Year); break;
      case 'h': Hour(n); break;
      case 'n': Number(time_.Minute, n); break;
      case 's': Number(time_.Second, n); break;
      case 'z': out_ += n >= 3 ? Padded(time_.MilliSecond, 3) : std::to_string(time_.MilliSecond); break;
      default:
        out_ += raw;
        afterHour_ = afterHour_ && !std::isalnum(static_cast<unsigned char>(raw));
        return i + 1;
    }
    return i + n;
  }

  size_t Quoted(size_t i) {
    const size_t end = p_.find(p_[i], i + 1);
    out_ += p_.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
    afterHour_ = false;
    return end == std::string::npos ? p_.size() : end + 1;
  }

  size_t AmPm(size_t i, size_t length) {
    const bool pm = time_.Hour >= 12;
    const char* word = length == 5 ? (pm ? "pm" : "am") : (pm ? "p" : "a");
    const bool upper = std::isupper(static_cast<unsigned char>(p_[i])) != 0;
    for (const char* c = word; *c; ++c) out_ += upper ? static_cast<char>(std::toupper(*c)) : *c;
    afterHour_ = false;
    return i + length;
  }

  void Day(size_t n) {
    if (n >= 4) out_ += kLongDays[weekday_];
    else if (n == 3) out_ += kShortDays[weekday_];
    else Number(date_.Day, n);
    afterHour_ = false;
  }

  void Month(size_t n) {
    if (afterHour_ && n <= 2) {
      Number(time_.Minute, n);
    } else if (n >= 4) {
      out_ += kLongMonths[date_.Month - 1];
    } else if (n == 3) {
      out_ += kShortMonths[date_.Month - 1];
    } else {
      Number(date_.Month, n);
    }
    afterHour_ = false;
  }

  void Hour(size_t n) {
    int hour = time_.Hour;
    if (twelve_) hour = hour % 12 == 0 ? 12 : hour % 12;
    Number(hour, n);
    afterHour_ = true;
  }

  void Number(int v, size_t n) {
    out_ += n >= 2 ? TwoDigits(v) : std::to_string(v);
    afterHour_ = false;
  }

  static std::string Padded(int v, int width) {
    std::string s = std::to_string(v);
    return std::string(s.size() < static_cast<size_t>(width) ? width - s.size() : 0, '0') + s;
  }

  const std::string& p_;
  TCalendarDate date_;
  TTimeOfDay time_;
  bool twelve_;
  int weekday_ = 0;
  bool afterHour_ = false;
  std::string out_;
};

}  // namespace

TCalendarDate DecodeDate(TDateTime value) {
  CheckRange(value);
  constexpr int64_t kUnixEpochDay = 25569;
  return CivilFromDays(static_cast<int64_t>(std::trunc(value)) - kUnixEpochDay);
}

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

TDateTime ReplaceDate(TDateTime value, int year, int month, int day) {
  CheckRange(value);
  if (year < 1 || year > 9999 || month < 1 || month > 12) Invalid();
  const int last = DaysInMonth(year, month);
  if (day > last) day = last;
  if (day < 1) day = 1;
  return WithTime(EncodeDate(year, month, day), TimeFraction(value));
}

TDateTime IncMonth(TDateTime value, int months) {
  const TCalendarDate date = DecodeDate(value);
  const int64_t index = static_cast<int64_t>(date.Year) * 12 + (date.Month - 1) + months;
  const int64_t year = index >= 0 ? index / 12 : (index - 11) / 12;
  const int month = static_cast<int>(index - year * 12) + 1;
  if (year < 1 || year > 9999) Invalid();
  return ReplaceDate(value, static_cast<int>(year), month, date.Day);
}

std::string FormatDateTime(const std::string& pattern, TDateTime value) {
  CheckRange(value);
  return TPatternWriter(pattern, value).Run();
}

}  // namespace platform
