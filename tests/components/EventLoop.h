// Runs the GUI thread's event loop for a while, so timers fire in a test.
#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>

inline void RunEventsFor(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}
