// Loading a shared library by its base name, and handing calls to the GUI
// thread in a program without an application object (the OPC tests cover
// the program with one).
#include <gtest/gtest.h>

#include <thread>

#include "platform/GuiThreadCall.h"
#include "platform/SharedLibrary.h"

TEST(SharedLibrary, FoundOnTheLibraryPathAndItsFunctionsByName) {
  EXPECT_EQ(platform::TSharedLibrary::FileName("dEDO"), "libdEDO.so");
  auto m = platform::TSharedLibrary::Open("modbus");  // installed for the simulators
  ASSERT_NE(m, nullptr);
  EXPECT_NE(m->Symbol("modbus_new_tcp"), nullptr);
  EXPECT_EQ(m->Symbol("NoSuchFunction"), nullptr);
  EXPECT_EQ(platform::TSharedLibrary::Open("no-such-library-here"), nullptr);
}

TEST(GuiThreadCall, WithoutAnApplicationTheFirstThreadRunsAtOnceAndOthersAreDropped) {
  EXPECT_TRUE(platform::OnGuiThread());
  int runs = 0;
  platform::RunOnGuiThread([&] { ++runs; });
  EXPECT_EQ(runs, 1);
  bool other = true;
  std::thread([&] {
    other = platform::OnGuiThread();
    platform::RunOnGuiThread([&] { ++runs; });
  }).join();
  EXPECT_FALSE(other);
  EXPECT_EQ(runs, 1);
}
