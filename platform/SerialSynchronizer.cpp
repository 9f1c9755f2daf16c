#include "platform/SerialSynchronizer.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>

namespace platform {

struct TSynchronizer::TState {
  struct TCall {
    const std::function<void()>* call;
    std::exception_ptr error;
    bool done = false;
  };

  std::mutex lock;
  std::condition_variable changed;
  std::deque<TCall*> pending;

  // Runs every pending call; on whichever thread serves (the GUI thread).
  void ServePending(std::unique_lock<std::mutex>& guard) {
    while (!pending.empty()) {
      TCall* call = pending.front();
      pending.pop_front();
      guard.unlock();
      try {
        (*call->call)();
      } catch (...) {
        call->error = std::current_exception();
      }
      guard.lock();
      call->done = true;
      changed.notify_all();
    }
  }
};

TSynchronizer::TSynchronizer() : state_(std::make_shared<TState>()) {}
TSynchronizer::~TSynchronizer() = default;

void TSynchronizer::Synchronize(const std::function<void()>& call) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() == app->thread()) return call();
  TState::TCall item{&call, nullptr};
  std::unique_lock guard(state_->lock);
  state_->pending.push_back(&item);
  state_->changed.notify_all();  // a ServeUntil may be waiting
  // The posted call holds the state, not the synchronizer: it may run after
  // the component is gone and then finds nothing to do.
  QMetaObject::invokeMethod(
      app,
      [state = state_] {
        std::unique_lock lock(state->lock);
        state->ServePending(lock);
      },
      Qt::QueuedConnection);
  state_->changed.wait(guard, [&] { return item.done; });
  if (item.error) std::rethrow_exception(item.error);
}

void TSynchronizer::ServeUntil(const std::function<bool()>& done) {
  std::unique_lock guard(state_->lock);
  for (;;) {
    state_->ServePending(guard);
    if (done()) return;
    state_->changed.wait(guard);
  }
}

int TSynchronizer::Waiting() const {
  std::lock_guard guard(state_->lock);
  return static_cast<int>(state_->pending.size());
}

void TSynchronizer::Wake() {
  std::lock_guard guard(state_->lock);
  state_->changed.notify_all();
}

}  // namespace platform
