// Hands calls from a serial event thread to the GUI thread and waits for them
// to run there, as a synchronized thread call does. The thread that waits for
// the event thread to end keeps serving such calls (ServeUntil), so closing a
// port while a dispatch waits for the GUI thread never deadlocks.
//
// Without an application object there is no message loop to hand a call to;
// it then runs on the calling thread.
#pragma once
#include <functional>
#include <memory>

namespace platform {

class TSynchronizer {
 public:
  TSynchronizer();
  ~TSynchronizer();
  TSynchronizer(const TSynchronizer&) = delete;
  TSynchronizer& operator=(const TSynchronizer&) = delete;

  // Worker side: runs `call` on the GUI thread and returns when it has run. An
  // exception of the call is raised here, in the worker.
  void Synchronize(const std::function<void()>& call);

  // Waiting side: serves handed-over calls until `done()` holds. `done` is
  // checked after every Wake() and after every call served.
  void ServeUntil(const std::function<bool()>& done);
  void Wake();

  // Calls handed over and not yet served.
  int Waiting() const;

 private:
  struct TState;
  std::shared_ptr<TState> state_;
};

}  // namespace platform
