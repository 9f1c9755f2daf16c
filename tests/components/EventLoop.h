// Runs the GUI thread's event loop so timers fire in a test.
#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

// For a while: only to show that nothing happens in that time.
inline void RunEventsFor(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// Until done() holds; false when it still does not after the deadline, which
// is generous: a loaded machine may be slow, never this slow.
inline bool RunEventsUntil(const std::function<bool()>& done, int deadlineMs = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > deadlineMs) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  return true;
}
