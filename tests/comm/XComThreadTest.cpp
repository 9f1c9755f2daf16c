// The serial event thread: what reaches OnData and OnCommEvent, on which
// thread, and that stopping it never waits forever.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "comm/XComDrv.h"
#include "comm/XComThread.h"
#include "platform/SerialDevice.h"
#include "tests/comm/PtyPair.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

class TProbeComm : public TXComm {
 public:
  using TCustomComm::Device;
  bool DispatchWaiting() const { return EventThread() && EventThread()->DispatchWaiting(); }
};

struct Recorder {
  std::mutex m;
  int dataCalls = 0, lastCount = -1;
  std::vector<TDeviceEvents> events;
  std::thread::id thread;

  void Attach(TCustomComm& c) {
    c.OnData = [this](TCustomComm*, int count) {
      std::lock_guard g(m);
      ++dataCalls;
      lastCount = count;
      thread = std::this_thread::get_id();
    };
    c.OnCommEvent = [this](TCustomComm*, TDeviceEvents e) {
      std::lock_guard g(m);
      events.push_back(e);
    };
  }
  int DataCalls() {
    std::lock_guard g(m);
    return dataCalls;
  }
};

class EventThread : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(pty.Path().empty());
    comm.SetDeviceName(pty.Path());
    comm.SetSynchronize(false);
    recorder.Attach(comm);
  }
  PtyPair pty;
  TProbeComm comm;
  Recorder recorder;
};

TEST_F(EventThread, TheEventCharacterGivesFlagAndOneDataCall) {
  comm.OpenDevice();
  pty.Send("12.5\n");
  ASSERT_TRUE(WaitFor([&] { return recorder.DataCalls() >= 1; }));
  std::this_thread::sleep_for(50ms);
  std::lock_guard g(recorder.m);
  EXPECT_EQ(recorder.dataCalls, 1);
  EXPECT_EQ(recorder.lastCount, 5);
  ASSERT_EQ(recorder.events.size(), 1u);
  EXPECT_EQ(recorder.events[0], (TDeviceEvents{deChar, deFlag}));
  EXPECT_NE(recorder.thread, std::this_thread::get_id());  // not synchronized
}

TEST_F(EventThread, AByteWithoutTheEventCharacterIsCharOnly) {
  comm.OpenDevice();
  pty.Send("x");
  ASSERT_TRUE(WaitFor([&] { return recorder.DataCalls() >= 1; }));
  std::lock_guard g(recorder.m);
  ASSERT_FALSE(recorder.events.empty());
  EXPECT_EQ(recorder.events[0], TDeviceEvents{deChar});
}

TEST_F(EventThread, MonitorEventsFilterOnlyTheCommEvent) {
  comm.SetMonitorEvents({deChar});
  comm.OpenDevice();
  comm.HandleEvents({deFlag});
  EXPECT_EQ(recorder.DataCalls(), 1);
  EXPECT_TRUE(recorder.events.empty());
  comm.HandleEvents({deFlag, deChar, deRing});
  ASSERT_EQ(recorder.events.size(), 1u);
  EXPECT_EQ(recorder.events[0], TDeviceEvents{deChar});
}

TEST_F(EventThread, NothingIsDispatchedWhileClosed) {
  comm.HandleEvents({deChar, deOutEmpty});
  EXPECT_EQ(recorder.DataCalls(), 0);
  EXPECT_TRUE(recorder.events.empty());
}

TEST_F(EventThread, ThreadAsksForEveryEventButOutputEmptyAndClearsTheMaskAtItsEnd) {
  comm.OpenDevice();
  EXPECT_EQ(comm.Device().EventMask(), 0x1FFBu);
  pty.CloseMaster();  // the wait fails: the thread ends by itself
  ASSERT_TRUE(WaitFor([&] { return comm.Device().EventMask() == 0; }));
  EXPECT_TRUE(comm.Opened());
}

TEST_F(EventThread, CloseIsPromptWhenNothingIsPending) {
  comm.OpenDevice();
  // The thread's wait has no time limit: only the stop event ends it, so a
  // close that returns at all was prompt.
  comm.CloseDevice();
  EXPECT_FALSE(comm.Opened());
}

TEST_F(EventThread, AFailingHandlerEndsTheThreadButNotTheComponent) {
  std::atomic<int> calls{0};
  comm.OnData = [&](TCustomComm*, int) {
    ++calls;
    throw std::runtime_error("handler fault");
  };
  comm.OpenDevice();
  pty.Send("a");
  ASSERT_TRUE(WaitFor([&] { return calls == 1; }));
  ASSERT_TRUE(WaitFor([&] { return comm.Device().EventMask() == 0; }));
  pty.Send("b");
  std::this_thread::sleep_for(30ms);
  EXPECT_EQ(calls, 1);  // no more events until the next open
  EXPECT_TRUE(comm.SendString("still usable"));
  comm.CloseDevice();
}

TEST_F(EventThread, AnIdleOpenPortCostsNoCpu) {
  comm.OpenDevice();
  timespec before{}, after{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &before);
  std::this_thread::sleep_for(300ms);
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &after);
  const double used = double(after.tv_sec - before.tv_sec) + double(after.tv_nsec - before.tv_nsec) / 1e9;
  EXPECT_LT(used, 0.03) << "the event wait spins";
}

// ---- synchronized dispatch ----

void ProcessEventsUntil(const std::function<bool()>& done) {
  WaitFor([&] {
    QCoreApplication::processEvents();
    return done();
  });
}

TEST_F(EventThread, SynchronizedHandlersRunOnTheGuiThread) {
  comm.SetSynchronize(true);
  comm.OpenDevice();
  pty.Send("\n");
  ProcessEventsUntil([&] { return recorder.DataCalls() == 1; });
  std::lock_guard g(recorder.m);
  EXPECT_EQ(recorder.dataCalls, 1);
  EXPECT_EQ(recorder.thread, std::this_thread::get_id());
  EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
}

TEST_F(EventThread, ClosingWhileADispatchWaitsForTheGuiThreadDoesNotDeadlock) {
  comm.SetSynchronize(true);
  comm.OpenDevice();
  pty.Send("\n");
  ASSERT_TRUE(WaitFor([&] { return comm.DispatchWaiting(); }));  // it waits for this thread
  EXPECT_EQ(recorder.DataCalls(), 0);
  comm.CloseDevice();  // serves the waiting dispatch while it waits for the thread
  EXPECT_EQ(recorder.DataCalls(), 1);
  QCoreApplication::processEvents();  // the posted call finds nothing left to do
  EXPECT_EQ(recorder.DataCalls(), 1);
}

TEST_F(EventThread, DestroyingWhileADispatchWaitsDoesNotDeadlock) {
  auto owned = std::make_unique<TProbeComm>();
  owned->SetDeviceName(pty.Path());
  owned->SetSynchronize(true);
  recorder.Attach(*owned);
  owned->OpenDevice();
  pty.Send("\n");
  ASSERT_TRUE(WaitFor([&] { return owned->DispatchWaiting(); }));
  owned.reset();  // a dispatch during destruction finds the component going
  EXPECT_EQ(recorder.DataCalls(), 0);
  QCoreApplication::processEvents();
}

TEST_F(EventThread, ASynchronizedHandlerFaultStaysOnTheEventThread) {
  comm.SetSynchronize(true);
  std::atomic<int> calls{0};
  comm.OnData = [&](TCustomComm*, int) {
    ++calls;
    throw std::runtime_error("handler fault");
  };
  comm.OpenDevice();
  pty.Send("a");
  ProcessEventsUntil([&] { return comm.Device().EventMask() == 0; });
  EXPECT_EQ(calls, 1);
  comm.CloseDevice();
}

}  // namespace
