#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Clock.h"
#include "platform/Locale.h"
#include "plot/iValueFormat.h"

namespace {
struct Case {
  TiPlotTextFormat style;
  int precision;
  TiPlotPrecisionStyle precisionStyle;
  double value;
  double span;
  const char* text;
};

std::string Format(TiPlotTextFormat style, double v, double span = 100, int precision = 3,
                   TiPlotPrecisionStyle ps = ipsSignificantDigits, const char* pattern = "hh:nn:ss",
                   bool log = false) {
  TiValueFormatSettings s;
  s.Style = style;
  s.Precision = precision;
  s.PrecisionStyle = ps;
  s.DateTimeFormat = pattern;
  return FormatValueText(s, v, span, log).Text;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
}  // namespace

TEST(Decimals, ShowTheSignificantDigitsOfTheRange) {
  EXPECT_EQ(Decimals(3, ipsSignificantDigits, 100), 0);
  EXPECT_EQ(Decimals(3, ipsSignificantDigits, 4000), 0);
  EXPECT_EQ(Decimals(3, ipsSignificantDigits, 0.5), 3);
  EXPECT_EQ(Decimals(3, ipsSignificantDigits, 10), 1);
  EXPECT_EQ(Decimals(3, ipsSignificantDigits, 0.05), 4);
  EXPECT_EQ(Decimals(3, ipsSignificantDigits, -10), 1);
  EXPECT_EQ(Decimals(3, ipsSignificantDigits, 0), 1);  // zero counts as below 1
  EXPECT_EQ(Decimals(0, ipsSignificantDigits, 0.001), 0);
  EXPECT_EQ(Decimals(5, ipsFixedDecimalPoints, 1e9), 5);
  EXPECT_EQ(Decimals(-2, ipsFixedDecimalPoints, 1), 0);
  // Extreme ranges and settings stay within what a text can hold.
  EXPECT_EQ(Decimals(1 << 30, ipsSignificantDigits, 1e-300), 99);
  EXPECT_EQ(Decimals(3, ipsSignificantDigits, kInf), 0);
  EXPECT_EQ(Decimals(3, ipsSignificantDigits, std::nan("")), 0);
}

TEST(FormatValueText, EachStyleAndPrecisionStyle) {
  const Case cases[] = {
      {iptfValue, 3, ipsSignificantDigits, 40, 100, "40"},
      {iptfValue, 3, ipsSignificantDigits, 2500, 4000, "2500"},
      {iptfValue, 3, ipsSignificantDigits, 0.25, 0.5, "0.250"},
      {iptfValue, 3, ipsSignificantDigits, -0.25, 0.5, "-0.250"},
      {iptfValue, 2, ipsFixedDecimalPoints, 1234.567, 100, "1234.57"},
      {iptfValue, 3, ipsSignificantDigits, 1e12, 1e12, "1000000000000"},
      {iptfExponent, 3, ipsSignificantDigits, 1234, 100, "1.23E+003"},
      {iptfExponent, 3, ipsFixedDecimalPoints, 1234, 100, "1.234E+003"},
      {iptfExponent, 1, ipsSignificantDigits, -0.00056, 100, "-6E-004"},
      {iptfPrefix, 3, ipsSignificantDigits, 1500, 100, "1.50K"},
      {iptfPrefix, 3, ipsSignificantDigits, 0.0005, 100, "0.500m"},
      {iptfPrefix, 3, ipsSignificantDigits, 0.0000005, 100, "0.500\u00B5"},
      {iptfPrefix, 3, ipsSignificantDigits, 0, 100, "0.0"},
      {iptfPrefix, 3, ipsSignificantDigits, -2e9, 100, "-2.00G"},
      {iptfPrefix, 3, ipsSignificantDigits, 1e24, 100, "1.00Y"},
      {iptfPrefix, 3, ipsSignificantDigits, 1e-24, 100, "1.00y"},
      {iptfPrefix, 3, ipsSignificantDigits, 3e-24, 100, "0.00300z"},
      {iptfPrefix, 2, ipsFixedDecimalPoints, 47e-12, 100, "0.05n"},
      {iptfPrefix, 2, ipsFixedDecimalPoints, 470e-12, 100, "0.47n"},
      {iptfPrefix, 3, ipsSignificantDigits, 1e27, 100, "Unknown"},
      {iptfPrefix, 3, ipsSignificantDigits, 1e-27, 100, "Unknown"},
      {iptfPrice32nds, 3, ipsSignificantDigits, 101.5, 100, "101.160"},
      {iptfPrice32nds, 3, ipsSignificantDigits, 101 + 16 / 32.0 + 3 / 256.0, 100, "101.163"},
      {iptfPrice32nds, 3, ipsSignificantDigits, 99 + 5 / 32.0, 100, "99.050"},
      {iptfPrice32nds, 3, ipsSignificantDigits, -(101 + 16 / 32.0), 100, "-101.160"},
      // Rounding to the nearest eighth may carry into the next whole unit.
      {iptfPrice32nds, 3, ipsSignificantDigits, 101.999, 100, "102.000"},
      {iptfThousands, 3, ipsSignificantDigits, 1234567, 4000, "1,234,567"},
      {iptfThousands, 3, ipsSignificantDigits, -1234.5, 10, "-1,234.5"},
      {iptfThousands, 2, ipsFixedDecimalPoints, 999.999, 10, "1,000.00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Format(c.style, c.value, c.span, c.precision, c.precisionStyle), c.text)
        << "style " << int(c.style) << " value " << c.value;
  }
}

TEST(FormatValueText, ATinyNegativeRoundingErrorReadsAsZero) {
  EXPECT_EQ(Format(iptfValue, -1e-15), "0");
  EXPECT_EQ(Format(iptfThousands, -1e-15), "0");
  EXPECT_EQ(Format(iptfValue, -0.0), "0");
}

TEST(FormatValueText, LogScaleValues) {
  EXPECT_EQ(Format(iptfValue, 100, 1000, 3, ipsSignificantDigits, "", true), "100");
  EXPECT_EQ(Format(iptfValue, 0.01, 1000, 3, ipsSignificantDigits, "", true), "0.01");
  EXPECT_EQ(Format(iptfValue, 0.002, 1000, 3, ipsSignificantDigits, "", true), "0.002");
  TiValueFormatSettings s;
  for (double bad : {0.0, -5.0}) {
    const TiFormattedValue r = FormatValueText(s, bad, 100, true);
    EXPECT_EQ(r.Text, "Unknown");
    EXPECT_TRUE(r.Final);  // neither customised nor measured
  }
}

TEST(FormatValueText, DateTimePatternsOnKnownDayCounts) {
  const double t = platform::EncodeDate(2024, 3, 5) + platform::EncodeTime(14, 7, 9, 45);
  EXPECT_EQ(Format(iptfDateTime, t), "14:07:09");
  EXPECT_EQ(Format(iptfDateTime, t, 1, 3, ipsSignificantDigits, "dd/mm/yyyy"), "05/03/2024");
  EXPECT_EQ(Format(iptfDateTime, t, 1, 3, ipsSignificantDigits, " mmm d "), "Mar 5");
  EXPECT_EQ(Format(iptfDateTime, t, 1, 3, ipsSignificantDigits, "hh:nn:ss.zzz"), "14:07:09.045");
  // A leading J writes an elapsed time: whole days, then the time of day.
  EXPECT_EQ(Format(iptfDateTime, 2.5, 1, 3, ipsSignificantDigits, "Jhh:nn:ss"), "2 12:00:00");
  EXPECT_EQ(Format(iptfDateTime, 3.25, 1, 3, ipsSignificantDigits, "jhh:nn"), "3 06:00");
  EXPECT_EQ(Format(iptfDateTime, 0.5, 1, 3, ipsSignificantDigits, "J"), "0 ");
}

TEST(FormatValueText, NeverRaisesOnValuesNoStyleCanShow) {
  const double bad[] = {std::nan(""), kInf, -kInf};
  for (int style = iptfValue; style <= iptfThousands; ++style)
    for (double v : bad) EXPECT_EQ(Format(static_cast<TiPlotTextFormat>(style), v), "Error") << style;
  EXPECT_EQ(Format(iptfDateTime, 1e300), "Error");
  EXPECT_EQ(Format(iptfDateTime, -1e300, 1, 3, ipsSignificantDigits, "Jhh"), "Error");
  EXPECT_EQ(Format(iptfPrice32nds, 1e300), "Error");
  EXPECT_EQ(Format(iptfExponent, 1e300), "1.00E+300");
  EXPECT_EQ(Format(iptfValue, 1e300).size(), 301u);
  EXPECT_EQ(Format(iptfExponent, std::numeric_limits<double>::max(), 1, 1000, ipsFixedDecimalPoints).substr(0, 4),
            "1.79");
}

TEST(FormatValueText, FollowsTheLocaleDecimalSeparator) {
  const platform::TFormatSettings saved = platform::FormatSettings();
  platform::FormatSettings().DecimalSeparator = ',';
  platform::FormatSettings().ThousandSeparator = '.';
  EXPECT_EQ(Format(iptfValue, 0.25, 0.5), "0,250");
  EXPECT_EQ(Format(iptfThousands, 1234.5, 10), "1.234,5");
  EXPECT_EQ(Format(iptfExponent, 1234), "1,23E+003");
  platform::FormatSettings() = saved;
}

TEST(OneLine, ReplacesLineBreaksByBlanks) {
  EXPECT_EQ(OneLine("a\r\nb\rc\nd"), "a b c\nd");
  EXPECT_EQ(OneLine("\r\n\r"), "  ");
}
