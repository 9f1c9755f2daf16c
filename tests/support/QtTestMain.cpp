// GoogleTest entry for tests that need a QApplication (widgets, timers). The
// offscreen platform is set by CTest; it is also the default here so a test
// binary run by hand needs no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
