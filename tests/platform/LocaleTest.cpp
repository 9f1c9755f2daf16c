#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "platform/Locale.h"

using platform::FormatFixed;
using platform::FormatSettings;
using platform::StrToFloat;

namespace {
struct SeparatorGuard {
  explicit SeparatorGuard(char sep) : saved(FormatSettings()) { FormatSettings().DecimalSeparator = sep; }
  ~SeparatorGuard() { FormatSettings() = saved; }
  platform::TFormatSettings saved;
};
}  // namespace

TEST(StrToFloat, AcceptsNumbersWithTheLocaleSeparator) {
  SeparatorGuard guard('.');
  EXPECT_DOUBLE_EQ(StrToFloat("0.5"), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat(" 1 "), 1.0);
  EXPECT_DOUBLE_EQ(StrToFloat("-1234.0"), -1234.0);
  EXPECT_DOUBLE_EQ(StrToFloat("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("5."), 5.0);
  EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(StrToFloat("2.5E-1"), 0.25);
}

TEST(StrToFloat, RefusesWhatIsNotANumber) {
  SeparatorGuard guard('.');
  for (const char* bad : {"", " ", "abc", "1,5", "1.5.2", "1e", "--1", ".", "1 2", "0x10", "inf", "nan", "1e5x"})
    EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
  try {
    StrToFloat("A");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'A' is not a valid floating point value");
  }
}

TEST(StrToFloat, CommaLocaleReadsCommaOnly) {
  SeparatorGuard guard(',');
  EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
  EXPECT_THROW(StrToFloat("1.5"), EConvertError);
}

// A number with '.' is read by from_chars alone when it reads it whole; with
// ',' the grammar is always checked. The two must agree on every text.
TEST(StrToFloat, DotSeparatorQuickPathAgreesWithTheCheckedGrammar) {
  const char* texts[] = {"1.5",  "+1.5", "-0.25", "1e5",  "1E-7", "1e",   ".5",     "1.",   "-.5e-3",
                         "+.e1", ".",    "-",     "",     "  ",   " 2.5 ", "\t7\t", "1 5",  "1.5.",
                         "--1",  "+-1",  "inf",   "-inf", "nan",  "0x10",  "1e400",  "1e-400", "12345678901234567890.5",
                         "1.5x", "x1.5", "1e+",   "1e+3", "0",    "-0",    "00.100", "1,5",  "1,5,"};
  for (const char* text : texts) {
    std::string swapped = text;
    for (char& c : swapped) c = c == '.' ? ',' : c == ',' ? '.' : c;
    double dot = -1, comma = -1;
    const bool readDot = platform::TryStrToFloat(text, dot, '.');
    const bool readComma = platform::TryStrToFloat(swapped, comma, ',');
    EXPECT_EQ(readDot, readComma) << '"' << text << '"';
    if (readDot && readComma) {
      EXPECT_EQ(dot, comma) << '"' << text << '"';
    }
  }
}

TEST(FormatFixed, OneDecimalLikePrintf) {
  SeparatorGuard guard('.');
  EXPECT_EQ(FormatFixed(1234.0, 1), "1234.0");
  EXPECT_EQ(FormatFixed(24.1f, 1), "24.1");
  EXPECT_EQ(FormatFixed(-5534.0, 1), "-5534.0");
  EXPECT_EQ(FormatFixed(1e7, 1), "10000000.0");  // no grouping
  EXPECT_EQ(FormatFixed(0.25, 1), "0.2");        // exact binary half rounds to even
  EXPECT_EQ(FormatFixed(2.0, 0), "2");
}

TEST(FormatFixed, UsesTheLocaleSeparator) {
  SeparatorGuard guard(',');
  EXPECT_EQ(FormatFixed(25.0, 1), "25,0");
}
