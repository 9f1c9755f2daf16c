#include "app/WindowIcon.h"

#include <QPainter>
#include <QPolygon>

namespace {
// The icon was drawn on a 32-pixel grid; other sizes scale that drawing.
constexpr int kDesignSize = 32;
}

QImage WindowIconImage(int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  // At its own size the trace keeps its crisp pixels; scaled, it is smoothed.
  p.setRenderHint(QPainter::Antialiasing, size != kDesignSize);
  p.scale(double(size) / kDesignSize, double(size) / kDesignSize);
  p.setPen(QPen(Qt::green, 3));
  p.drawPolyline(QPolygon({{2, 24}, {10, 14}, {16, 20}, {24, 6}, {30, 12}}));
  return image;
}

QIcon WindowIcon() {
  QIcon icon;
  for (int size : kWindowIconSizes) icon.addPixmap(QPixmap::fromImage(WindowIconImage(size)));
  return icon;
}
