// The pointer leaves a toolbar button, or the whole chart, before the hint's
// pause is over: the button goes cold and no hint shows later. Driven through
// the chart's window with the events the window system sends.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "platform/Bitmap.h"
#include "platform/ControlQt.h"
#include "plot/dIred.h"
#include "plot/dIredToolBar.h"

namespace {

struct ToolBarLeave : ::testing::Test {
  TiPlot plot;
  QWidget* window = nullptr;
  TiPlotToolBarButton* save = nullptr;

  void SetUp() override {
    plot.SetBounds(0, 0, 600, 400);
    plot.ToolBar(0)->SetFlatButtons(true);
    window = platform::WidgetOf(plot);
    window->show();
    TBitmap bitmap(600, 400);
    plot.PaintTo(bitmap.Canvas());  // the buttons get their places
    save = &plot.ToolBar(0)->ButtonOf(iptbbtSave);
  }
  void MoveTo(TPoint p) {
    const QPointF at(p.X, p.Y);
    QMouseEvent move(QEvent::MouseMove, at, window->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
  }
  void Leave() {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(window, &leave);
  }
  static TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

TEST_F(ToolBarLeave, LeavingTheChartCoolsTheButtonAndDropsTheWaitingHint) {
  MoveTo(Centre(save->Rect));
  ASSERT_TRUE(save->Hot());
  ASSERT_TRUE(plot.TimerRunning()) << "the hint waits for the pointer to rest";
  EXPECT_EQ(plot.Hint().Text, "Save to File");
  Leave();
  EXPECT_FALSE(save->Hot());
  EXPECT_FALSE(plot.TimerRunning());
  EXPECT_FALSE(plot.HintShowing());
}

TEST_F(ToolBarLeave, LeavingTheButtonForTheDataViewDoesTheSame) {
  MoveTo(Centre(save->Rect));
  ASSERT_TRUE(plot.TimerRunning());
  MoveTo(Centre(plot.DataView(0)->GetRect()));
  EXPECT_FALSE(save->Hot());
  EXPECT_FALSE(plot.TimerRunning());
  MoveTo(Centre(save->Rect));  // and coming back is as the first time
  EXPECT_TRUE(save->Hot());
  EXPECT_TRUE(plot.TimerRunning());
}

TEST_F(ToolBarLeave, AHeldButtonKeepsItsPressWhenThePointerLeaves) {
  TiPlotToolBarButton& pause = plot.ToolBar(0)->ButtonOf(iptbbtPause);
  const TPoint p = Centre(pause.Rect);
  MoveTo(p);
  plot.PlotMouseDown(ipmbLeft, 0, p.X, p.Y);
  Leave();
  EXPECT_TRUE(pause.Pressed()) << "the release decides, wherever it happens";
  plot.PlotMouseUp(ipmbLeft, 0, p.X, p.Y);
  EXPECT_FALSE(pause.Pressed());
  EXPECT_FALSE(plot.XAxis(0)->TrackingEnabled()) << "released on the button: it paused";
}

}  // namespace
