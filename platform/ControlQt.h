// Qt's side of the control host and the canvas, for platform/, app/ and
// editor/ only: the widget behind a control, and a canvas on any QPainter
// (the printer's, a widget's).
#pragma once
#include <memory>

class QWidget;
class QPainter;
class QImage;
class TCanvas;
class TCustomControl;
class TBitmap;

namespace platform {
QWidget* WidgetOf(const TCustomControl& control);
// Places the control inside a Qt window (the application's main window).
void SetParentWidget(TCustomControl& control, QWidget* parent);
// A canvas on a painter that is active; the painter must outlive it.
std::unique_ptr<TCanvas> MakePainterCanvas(QPainter& painter, int pixelsPerInch = 96);
QImage& ImageOf(TBitmap& bitmap);
const QImage& ImageOf(const TBitmap& bitmap);
}  // namespace platform
