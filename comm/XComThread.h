// The serial event thread: while a device is open it waits for line events
// and hands each event set to the owner's HandleEvents, on the GUI thread when
// the owner's Synchronize is true (and waits for it), else itself.
#pragma once
#include <atomic>
#include <cstdint>
#include <exception>
#include <thread>

#include "platform/SerialDevice.h"
#include "platform/SerialSynchronizer.h"

class TCustomComm;

class TCommEventThread {
 public:
  // Every event bit 0-12 but "output empty": the component reports that
  // itself after each write.
  static constexpr uint32_t kRequestedMask = 0x1FFB;

  // Sets the device's event mask and starts the thread.
  explicit TCommEventThread(TCustomComm& owner);
  // Signals the stop event and waits for the end, serving synchronized
  // dispatches meanwhile so that none is left waiting for this thread.
  ~TCommEventThread();
  TCommEventThread(const TCommEventThread&) = delete;
  TCommEventThread& operator=(const TCommEventThread&) = delete;

  bool Finished() const { return finished_; }
  // A synchronized dispatch waits for the GUI thread.
  bool DispatchWaiting() const { return synchronizer_.Waiting() > 0; }
  // What a handler raised; it ended the thread.
  std::exception_ptr FatalException() const { return fatal_; }

 private:
  void Execute();
  void Dispatch();

  TCustomComm& owner_;
  platform::TSerialStopEvent stop_;
  platform::TSynchronizer synchronizer_;
  uint32_t eventMask_ = 0;
  std::atomic<bool> finished_{false};
  std::exception_ptr fatal_;
  std::thread thread_;
};
