#include "platform/GuiThreadCall.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {
// Linux: the first thread's id is the process id.
bool OnFirstThread() { return syscall(SYS_gettid) == getpid(); }
}  // namespace

bool OnGuiThread() {
  QCoreApplication* app = QCoreApplication::instance();
  return app ? QThread::currentThread() == app->thread() : OnFirstThread();
}

void RunOnGuiThread(std::function<void()> call) {
  QCoreApplication* app = QCoreApplication::instance();
  if (OnGuiThread()) return call();
  if (app) QMetaObject::invokeMethod(app, std::move(call), Qt::QueuedConnection);
}

}  // namespace platform
