// A serial device with the classic comm-driver model over POSIX termios: the
// device control block, queue sizes and purge, the time-out record applied to
// reads and writes, an event mask with a cancellable wait for line events, and
// queue counts.
//
// The driver's input queue lives here, in user space: bytes are taken from the
// line as they arrive (by the event wait, a status query or a read), so the
// "byte received" and "event character received" events see every byte before
// anyone reads it, and the queue has the size the caller set.
//
// Thread rules: one thread may wait for events (WaitEvent) while another reads,
// writes and queries; every other call is made by the thread that opened the
// device. Open and Close are never concurrent with anything else.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/SerialTypes.h"

namespace platform {

// A manual-reset event for stopping an event wait; it can be waited on in
// poll() beside the device, so stopping never needs a time-out.
class TSerialStopEvent {
 public:
  TSerialStopEvent();
  ~TSerialStopEvent();
  TSerialStopEvent(const TSerialStopEvent&) = delete;
  TSerialStopEvent& operator=(const TSerialStopEvent&) = delete;
  void Signal();
  void Reset();
  bool Signalled() const;
  int Handle() const { return fd_; }

 private:
  int fd_ = -1;
};

class TSerialDevice {
 public:
  enum TWaitResult { wrEvents, wrStopped, wrFailed };

  TSerialDevice();
  ~TSerialDevice();
  TSerialDevice(const TSerialDevice&) = delete;
  TSerialDevice& operator=(const TSerialDevice&) = delete;

  // "COMn" is /dev/ttyS(n-1), a name starting with "/" is a path, any other
  // name is looked up under /dev.
  static std::string DevicePath(const std::string& name);

  // Opens for reading and writing, exclusively; false with LastError set when
  // the device is missing, busy, not a terminal or not permitted.
  bool Open(const std::string& name);
  void Close();
  bool IsOpen() const;

  // Each returns false with LastError set when the device refuses.
  bool SetState(const TSerialControlBlock& block);
  bool GetState(TSerialControlBlock& block);
  bool SetupQueues(uint32_t inputSize, uint32_t outputSize);
  bool Purge();  // aborts and clears both directions
  bool GetProperties(TSerialProperties& properties);
  bool SetTimeouts(const TSerialTimeouts& timeouts);
  bool GetTimeouts(TSerialTimeouts& timeouts);
  bool SetEventMask(uint32_t mask);
  uint32_t EventMask() const;
  // Queue counts and the error bits gathered since the last call (cleared).
  bool ClearError(TSerialStatus& status);

  // Reads up to `count` bytes as the time-out record says; `done` is what was
  // read. False when the line failed (the device was lost, for one).
  bool Read(void* buffer, uint32_t count, uint32_t& done);
  bool Write(const void* buffer, uint32_t count, uint32_t& done);

  // Blocks until an event of the mask occurs, the stop event is signalled or
  // the line is lost. Costs no CPU while it waits.
  TWaitResult WaitEvent(uint32_t& events, const TSerialStopEvent& stop);

  // The far end hung up or the device went away; reads and writes fail from
  // now on and the wait ends.
  bool Lost() const;

  // errno of the last failing call and its system text.
  int LastError() const;
  static std::string ErrorText(int code);

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
};

}  // namespace platform
