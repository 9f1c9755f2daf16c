#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "components/iValueText.h"
#include "platform/Exception.h"

// One codec serves every file: the same text reads the same everywhere.
TEST(ValueText, IntegersTakeASignAndSurroundingBlanksOnly) {
  EXPECT_EQ(TextToInteger(" +42\t"), 42);
  EXPECT_EQ(TextToInteger("\x01-7\r\n"), -7);
  EXPECT_EQ(TextToInteger("9223372036854775807"), std::numeric_limits<int64_t>::max());
  for (const char* bad : {"", "  ", "+", "4 2", "0x10", "12a", "9223372036854775808", "++1"}) {
    try {
      TextToInteger(bad);
      ADD_FAILURE() << bad;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message, "'" + std::string(TrimText(bad)) + "' is not a valid integer value");
    }
  }
}

TEST(ValueText, FloatsUseTheSeparatorTheCallerNames) {
  EXPECT_DOUBLE_EQ(TextToFloat(" 1,5 ", ','), 1.5);
  EXPECT_DOUBLE_EQ(TextToFloat("+2.5e3", '.'), 2500);
  EXPECT_THROW(TextToFloat("1,5", '.'), EConvertError);
  EXPECT_THROW(TextToFloat("1.5.", '.'), EConvertError);
  EXPECT_TRUE(std::isnan(TextToFloat("nan", '.')));
  EXPECT_EQ(TextToFloat("-Inf", '.'), -HUGE_VAL);
}

TEST(ValueText, FloatTextsReadBack) {
  EXPECT_EQ(FloatToText(1e20, '.', 15), "1E20");
  EXPECT_EQ(FloatToText(1.5e-7, ',', 15), "1,5E-7");
  EXPECT_EQ(FloatToText(0.1, '.', 0), "0.1");
  EXPECT_EQ(FloatToText(-HUGE_VAL, '.', 0), "-INF");
  for (double v : {0.1 + 0.2, 1.0 / 3, -2.2250738585072014e-308, 1.7976931348623157e308, 5e-324})
    EXPECT_EQ(TextToFloat(FloatToText(v, ',', 0), ','), v) << v;
}
