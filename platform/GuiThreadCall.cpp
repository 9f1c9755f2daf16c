#include "platform/GuiThreadCall.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace platform {

bool OnGuiThread() {
  QCoreApplication* app = QCoreApplication::instance();
  return !app || QThread::currentThread() == app->thread();
}

void RunOnGuiThread(std::function<void()> call) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() == app->thread()) return call();
  QMetaObject::invokeMethod(app, std::move(call), Qt::QueuedConnection);
}

}  // namespace platform
