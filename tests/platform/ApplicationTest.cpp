#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Exception.h"

using namespace platform;

TEST(Application, AnErrorThatEscapesAHandlerIsShownAndTheProgramGoesOn) {
  std::vector<std::string> shown;
  SetMessageHook([&](const std::string& text, bool isError) {
    EXPECT_TRUE(isError);
    shown.push_back(text);
  });
  RunGuarded([] { throw Exception("Unable to read from port"); });
  RunGuarded([] { throw Exception("Done."); });
  RunGuarded([] {});
  SetMessageHook(nullptr);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], "Unable to read from port.");
  EXPECT_EQ(shown[1], "Done.");
}

TEST(Application, ErrorsWhileABoxIsOpenAreNotStacked) {
  int boxes = 0;
  SetMessageHook([&](const std::string&, bool) {
    ++boxes;
    // A timer keeps ticking under an open box; its failures must not open more.
    for (int tick = 0; tick < 5; ++tick) RunGuarded([] { throw Exception("again"); });
  });
  RunGuarded([] { throw Exception("first"); });
  EXPECT_EQ(boxes, 1);
  RunGuarded([] { throw Exception("after the box closed"); });
  EXPECT_EQ(boxes, 2);
  SetMessageHook(nullptr);
}
