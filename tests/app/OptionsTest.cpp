#include <gtest/gtest.h>

#include "app/Options.h"
#include "platform/Exception.h"

TEST(Options, AllOptionsParse) {
  const TOptions o = ParseOptions({"--port", "COM0", "--period", "0.5", "--open", "--log-file", "f.csv",
                                   "--headless", "--samples", "3", "--screenshot", "s.png"});
  EXPECT_EQ(*o.Port, "COM0");
  EXPECT_EQ(*o.Period, "0.5");
  EXPECT_TRUE(o.Open && o.Headless);
  EXPECT_EQ(o.LogFile, "f.csv");
  EXPECT_EQ(o.Samples, 3);
  EXPECT_EQ(o.Screenshot, "s.png");
  EXPECT_FALSE(ParseOptions({}).Port);
}

TEST(Options, BadValuesAreRefusedWithAReason) {
  using Args = std::vector<std::string>;
  for (const Args& bad : {Args{"--samples", "0"}, Args{"--samples", "x"}, Args{"--samples", "-1"},
                          Args{"--samples"}, Args{"--period", "abc"}, Args{"--period", "0"},
                          Args{"--period", "0.0001"}, Args{"--port", ""}, Args{"--bogus"},
                          Args{"--samples", "99999999999999999999"}}) {
    EXPECT_THROW(ParseOptions(bad), Exception) << bad[0];
  }
  try {
    ParseOptions({"--samples", "x"});
  } catch (const Exception& e) {
    EXPECT_NE(e.Message.find("--samples"), std::string::npos);
  }
}
