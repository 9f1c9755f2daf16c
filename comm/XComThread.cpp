#include "comm/XComThread.h"

#include "comm/XComDrv.h"

TCommEventThread::TCommEventThread(TCustomComm& owner) : owner_(owner) {
  owner_.Device().SetEventMask(kRequestedMask);
  thread_ = std::thread([this] { Execute(); });
}

TCommEventThread::~TCommEventThread() {
  stop_.Signal();
  std::this_thread::yield();
  synchronizer_.ServeUntil([this] { return finished_.load(); });
  thread_.join();
}

void TCommEventThread::Execute() {
  platform::TSerialDevice& device = owner_.Device();
  try {
    for (;;) {
      if (device.WaitEvent(eventMask_, stop_) != platform::TSerialDevice::wrEvents) break;
      if (owner_.Synchronize())
        synchronizer_.Synchronize([this] { Dispatch(); });
      else
        Dispatch();
    }
  } catch (...) {
    // A handler's exception ends the thread; it is kept, not shown.
    fatal_ = std::current_exception();
  }
  // Always, even after a handler failed: a mask left set would keep
  // gathering events for nobody.
  device.SetEventMask(0);
  finished_ = true;
  synchronizer_.Wake();
}

void TCommEventThread::Dispatch() {
  if (eventMask_ != 0) owner_.HandleEvents(TDeviceEvents::FromBits(eventMask_));
}
