#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Exception.h"
#include "platform/Locale.h"
#include "platform/NumberFormat.h"

using platform::FormatGrouped;
using platform::FormatScientific;
using platform::FormatSettings;

namespace {
struct SeparatorGuard {
  SeparatorGuard(char decimal, char thousands) : saved(FormatSettings()) {
    FormatSettings().DecimalSeparator = decimal;
    FormatSettings().ThousandSeparator = thousands;
  }
  ~SeparatorGuard() { FormatSettings() = saved; }
  platform::TFormatSettings saved;
};
}  // namespace

TEST(FormatGrouped, GroupsTheIntegerDigitsByThree) {
  SeparatorGuard guard('.', ',');
  EXPECT_EQ(FormatGrouped(0, 0), "0");
  EXPECT_EQ(FormatGrouped(999, 0), "999");
  EXPECT_EQ(FormatGrouped(1000, 0), "1,000");
  EXPECT_EQ(FormatGrouped(1234567.891, 2), "1,234,567.89");
  EXPECT_EQ(FormatGrouped(-1234567, 0), "-1,234,567");
  EXPECT_EQ(FormatGrouped(-999.5, 0), "-1,000");
  EXPECT_EQ(FormatGrouped(0.5, 3), "0.500");
  EXPECT_EQ(FormatGrouped(1e15, 0), "1,000,000,000,000,000");
}

TEST(FormatGrouped, UsesTheLocaleSeparators) {
  SeparatorGuard guard(',', '.');
  EXPECT_EQ(FormatGrouped(1234567.5, 1), "1.234.567,5");
}

TEST(FormatScientific, WritesOneDigitThenDecimalsAndAThreeDigitExponent) {
  SeparatorGuard guard('.', ',');
  EXPECT_EQ(FormatScientific(1234, 2), "1.23E+003");
  EXPECT_EQ(FormatScientific(1234, 3), "1.234E+003");
  EXPECT_EQ(FormatScientific(-0.000123, 1), "-1.2E-004");
  EXPECT_EQ(FormatScientific(0, 2), "0.00E+000");
  EXPECT_EQ(FormatScientific(5, 0), "5E+000");
  EXPECT_EQ(FormatScientific(1e300, 1), "1.0E+300");
  EXPECT_EQ(FormatScientific(9.96, 1), "1.0E+001");
  SeparatorGuard comma(',', '.');
  EXPECT_EQ(FormatScientific(1.5, 1), "1,5E+000");
}

TEST(NumberFormat, RefusesNaNAndInfinity) {
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(FormatGrouped(bad, 2), EConvertError);
    EXPECT_THROW(FormatScientific(bad, 2), EConvertError);
  }
}
