// Writes the window's icon as PNG files for the desktop's icon theme:
// window-icon-files DIR writes DIR/<size>x<size>/apps/sensor-monitor.png.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app/WindowIcon.h"

int main(int argc, char* argv[]) {
  if (argc != 2) return std::fputs("usage: window-icon-files DIR\n", stderr), 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QDir root(QString::fromLocal8Bit(argv[1]));
  for (int size : kWindowIconSizes) {
    const QString dir = QString("%1x%1/apps").arg(size);
    const QString file = root.filePath(dir + "/sensor-monitor.png");
    if (!root.mkpath(dir) || !WindowIconImage(size).save(file, "PNG")) {
      std::fprintf(stderr, "window-icon-files: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
