#include <gtest/gtest.h>

#include "app/LogLine.h"
#include "platform/Exception.h"
#include "platform/Locale.h"

using platform::EncodeTime;

TEST(LogLine, TimeFirstThenValuesWithOneDecimal) {
  const auto t = EncodeTime(8, 5, 9, 700);
  EXPECT_EQ(LogTime(t), "08:05:09");
  EXPECT_EQ(ShortLogLine(t, 1234), "08:05:09,1234.0");
  EXPECT_EQ(LongLogLine(t, 1234, 25), "08:05:09,1234.0,25.0");
  EXPECT_EQ(ShortLogLine(EncodeTime(23, 59, 59, 0), -5534), "23:59:59,-5534.0");
  EXPECT_EQ(ShortLogLine(0, 24.1f), "00:00:00,24.1");
}

TEST(LogLine, SplitFollowsTheReloadRules) {
  EXPECT_FALSE(SplitLogLine(""));
  EXPECT_FALSE(SplitLogLine("# a comment"));
  auto shortForm = SplitLogLine("08:05:09,1234.0");
  ASSERT_TRUE(shortForm);
  EXPECT_EQ(shortForm->First, "1234.0");
  EXPECT_FALSE(shortForm->Second);
  auto longForm = SplitLogLine("08:05:09,1234.0,25.0");
  ASSERT_TRUE(longForm && longForm->Second);
  EXPECT_EQ(longForm->First, "1234.0");
  EXPECT_EQ(*longForm->Second, "25.0");
  // A third "," stays in the second text.
  EXPECT_EQ(*SplitLogLine("t,1,2,3")->Second, "2,3");
  // At most 30 characters after the first ",".
  const std::string longValue(40, '7');
  EXPECT_EQ(SplitLogLine("t," + longValue)->First, std::string(30, '7'));
  EXPECT_FALSE(SplitLogLine("t," + std::string(30, '1') + ",2")->Second);
  EXPECT_EQ(SplitLogLine("t,")->First, "");
}

TEST(LogLine, TextLinesEndAtCrLfOrCrLf) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitTextLines(""), V{});
  EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTextLines("a\r\n"), V{"a"});
  EXPECT_EQ(SplitTextLines("\n\n"), (V{"", ""}));
  EXPECT_EQ(SplitTextLines("a\n\rb"), (V{"a", "", "b"}));
  EXPECT_EQ(JoinTextLines({}), "");
  EXPECT_EQ(JoinTextLines({"a", ""}), "a\r\n\r\n");
}

TEST(LogLine, ValuesStayReadableWhereTheLocaleWritesDecimalsWithAComma) {
  platform::TFormatSettings saved = platform::FormatSettings();
  platform::FormatSettings().DecimalSeparator = ',';
  const std::string line = LongLogLine(platform::EncodeTime(8, 5, 9, 0), 1234.5, -25);
  EXPECT_EQ(line, "08:05:09,1234.5,-25.0");
  const auto fields = SplitLogLine(line);
  EXPECT_DOUBLE_EQ(ParseLogValue(fields->First), 1234.5);
  EXPECT_DOUBLE_EQ(ParseLogValue(*fields->Second), -25);
  EXPECT_THROW(ParseLogValue("x"), EConvertError);
  platform::FormatSettings() = saved;
  EXPECT_DOUBLE_EQ(ParseLogValue("1.5"), 1.5);
  EXPECT_THROW(ParseLogValue("1,5"), EConvertError);
}
