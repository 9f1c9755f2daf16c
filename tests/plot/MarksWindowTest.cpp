// Limits and annotations dragged in a real window (Qt's offscreen platform):
// the pointer arrives as the window system's mouse events, and the window
// repaints between them, as on a desktop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

#include "platform/ControlQt.h"
#include "plot/dIred.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLimit.h"

namespace {

class MarksWindow : public ::testing::Test {
 protected:
  MarksWindow() {
    plot.SetBounds(0, 0, 600, 400);
    plot.SetAutoFrameRate(false);  // every change repaints: no clock in the test
    window.resize(600, 400);
    platform::SetParentWidget(plot, &window);
    plot.SetVisible(true);
    window.show();
    widget = platform::WidgetOf(plot);
    Repaint();
  }
  // The widget paints itself, as a paint event from the window system makes it.
  void Repaint() { lastFrame = widget->grab(); }
  void Mouse(QEvent::Type type, TPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const QPointF p(at.X, at.Y);
    QMouseEvent e(type, p, widget->mapToGlobal(p), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
    Repaint();
  }
  // Press at `from`, move in steps to `to`, release there.
  void DragFromTo(TPoint from, TPoint to) {
    Mouse(QEvent::MouseButtonPress, from);
    for (int step = 1; step <= 4; ++step)
      Mouse(QEvent::MouseMove, {from.X + (to.X - from.X) * step / 4, from.Y + (to.Y - from.Y) * step / 4});
    Mouse(QEvent::MouseButtonRelease, to);
  }
  QWidget window;
  TiPlot plot;
  QWidget* widget = nullptr;
  QPixmap lastFrame;
};

}  // namespace

TEST_F(MarksWindow, LimitLineAndAnnotationFollowTheMouseInSelectMode) {
  TiPlotLimit* limit = plot.Limit(plot.AddLimit());
  limit->SetUserCanMove(true);
  TiPlotAnnotation* rect = plot.Annotation(plot.AddAnnotation());
  rect->SetStyle(ipasRectangle);
  rect->SetX(30);
  rect->SetY(70);
  rect->SetWidth(10);
  rect->SetHeight(10);
  rect->SetUserCanMove(true);
  plot.SetSelectMode(true);
  Repaint();

  TiPlotYAxis* y = plot.YAxis(0);
  const TPoint onLine{plot.XAxis(0)->ValueToPixel(80), y->ValueToPixel(50)};
  const int up = y->ValueToPixel(50) - y->ValueToPixel(60);  // pixels for 10 units
  DragFromTo(onLine, {onLine.X, onLine.Y - up});
  EXPECT_NEAR(limit->Line1Position(), 60, 0.5);
  EXPECT_TRUE(limit->Focused());

  const TRect r = rect->HitRect();
  const TPoint centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  TiPlotDataView* view = plot.DataView(0);
  const int right = view->PixelOfXPercent(50) - view->PixelOfXPercent(30);
  DragFromTo(centre, {centre.X + right, centre.Y});
  EXPECT_NEAR(rect->X(), 50, 0.5);
  EXPECT_NEAR(rect->Y(), 70, 0.5);
  EXPECT_TRUE(rect->Focused());
  EXPECT_FALSE(limit->Focused());
  EXPECT_NEAR(limit->Line1Position(), 60, 0.5);
}
