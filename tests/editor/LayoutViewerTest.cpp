#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

#include "editor/iLayoutViewer.h"
#include "platform/Bitmap.h"
#include "tests/editor/LayoutSupport.h"

namespace {

struct Viewer {
  TiPlot plot;
  TiLayoutViewer viewer{&plot};
  std::vector<TiPlotObject*> edited;
  int changes = 0;

  Viewer() {
    viewer.resize(kViewerWidth, kViewerHeight);
    viewer.OnEditObject = [this](TiPlotObject* o) { edited.push_back(o); };
    viewer.OnChange = [this] { ++changes; };
  }
  TRect RectOf(const TiPlotLayoutObject* o) const { return viewer.Picture().ItemOf(o)->Rect; }
  QPoint At(const TiPlotLayoutObject* o) const {
    const TPoint p = Centre(RectOf(o));
    return {p.X, p.Y};
  }
  QAction* Item(QMenu& menu, const char* caption) {
    for (QAction* a : menu.actions())
      if (a->text() == caption) return a;
    ADD_FAILURE() << "no menu item " << caption;
    return nullptr;
  }
  // Chooses the menu item as the user would, after a right click at `at`.
  void Choose(QPoint at, const char* caption) {
    std::unique_ptr<QMenu> menu = viewer.PopupMenu(at);
    QAction* a = Item(*menu, caption);
    ASSERT_TRUE(a && a->isEnabled()) << caption;
    a->trigger();
  }
  bool Enabled(QPoint at, const char* caption) {
    std::unique_ptr<QMenu> menu = viewer.PopupMenu(at);
    QAction* a = Item(*menu, caption);
    return a && a->isEnabled();
  }
  bool Checked(QPoint at, const char* caption) {
    std::unique_ptr<QMenu> menu = viewer.PopupMenu(at);
    QAction* a = Item(*menu, caption);
    return a && a->isChecked();
  }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), viewer.mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&viewer, &event);
  }
  void Drag(QPoint from, QPoint to) {
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
  }
  QRgb PixelAt(QPoint at) { return viewer.grab().toImage().pixel(at); }
};

// The chart painted at its size: the layout pass gives every object its
// rectangle, as on the screen.
void Paint(TiPlot& plot) {
  plot.SetBounds(0, 0, 640, 480);
  TBitmap bitmap(640, 480);
  plot.PaintTo(bitmap.Canvas());
}

TEST(LayoutViewerMenu, AddsAnXAxisThatAppearsBelowTheDataView) {
  Viewer v;
  v.Choose({5, 5}, "Add X-Axis");
  ASSERT_EQ(v.plot.XAxisCount(), 2);
  TiPlotXAxis* added = v.plot.XAxis(1);
  const TiLayoutPicture p = v.viewer.Picture();
  ASSERT_NE(p.ItemOf(added), nullptr);
  EXPECT_GE(p.ItemOf(added)->Rect.Top, p.ItemOf(v.plot.XAxis(0))->Rect.Bottom);  // outermost
  EXPECT_EQ(v.changes, 1);
  v.Choose({5, 5}, "Add Y-Axis");
  v.Choose({5, 5}, "Add Label");
  EXPECT_EQ(v.plot.YAxisCount(), 2);
  EXPECT_EQ(v.plot.LabelCount(), 2);
  EXPECT_NE(v.viewer.Picture().ItemOf(v.plot.Label(1)), nullptr);
  EXPECT_TRUE(LanesContiguous(*v.plot.LayoutManager(), true));
  EXPECT_TRUE(LanesContiguous(*v.plot.LayoutManager(), false));
}

TEST(LayoutViewerMenu, VisibleTogglesTheObjectAndItsBoxIsDrawnHidden) {
  Viewer v;
  TiPlotLegend* legend = v.plot.Legend(0);
  const QPoint at = v.At(legend);
  const QPoint beside = at + QPoint(8, 0);  // in the box, clear of its name
  const QRgb shown = v.PixelAt(beside);
  EXPECT_EQ(shown, qRgb(0xF4, 0xE8, 0xA8));  // the legends' colour
  EXPECT_TRUE(v.Checked(at, "Visible"));
  v.Choose(at, "Visible");
  EXPECT_FALSE(legend->Visible());
  EXPECT_FALSE(v.Checked(at, "Visible"));
  EXPECT_NE(v.PixelAt(beside), shown);
  v.Choose(at, "Visible");  // the hidden box is still there to be shown again
  EXPECT_TRUE(legend->Visible());
  EXPECT_EQ(v.PixelAt(beside), shown);
}

TEST(LayoutViewerMenu, EditNamesTheObjectUnderThePointer) {
  Viewer v;
  v.Choose(v.At(v.plot.YAxis(0)), "Edit");
  v.Choose(v.At(v.plot.Label(0)), "Edit");
  const TRect view = v.viewer.Picture().DataView;
  v.Choose({Centre(view).X, Centre(view).Y}, "Edit");
  ASSERT_EQ(v.edited.size(), 3u);
  EXPECT_EQ(v.edited[0], v.plot.YAxis(0));
  EXPECT_EQ(v.edited[1], v.plot.Label(0));
  EXPECT_EQ(v.edited[2], v.plot.DataView(0));
  // Outside every box there is nothing to edit, delete or hide.
  const QPoint corner(2, kViewerHeight - 2);
  ASSERT_EQ(v.viewer.ObjectAt(corner), nullptr);
  EXPECT_FALSE(v.Enabled(corner, "Edit"));
  EXPECT_FALSE(v.Enabled(corner, "Delete"));
  EXPECT_FALSE(v.Enabled(corner, "Visible"));
}

TEST(LayoutViewerMenu, DeleteRemovesTheObjectButNeverTheChartsLastToolBarLegendOrDataView) {
  Viewer v;
  EXPECT_FALSE(v.Enabled(v.At(v.plot.ToolBar(0)), "Delete"));
  EXPECT_FALSE(v.Enabled(v.At(v.plot.Legend(0)), "Delete"));
  const TRect view = v.viewer.Picture().DataView;
  EXPECT_FALSE(v.Enabled({Centre(view).X, Centre(view).Y}, "Delete"));
  v.Choose(v.At(v.plot.Label(0)), "Delete");
  EXPECT_EQ(v.plot.LabelCount(), 0);
  EXPECT_TRUE(LanesContiguous(*v.plot.LayoutManager(), true));
  EXPECT_EQ(v.plot.ToolBar(0)->ZOrder(), 2);  // its lane closed
  v.plot.AddLegend();
  EXPECT_TRUE(v.Enabled(v.At(v.plot.Legend(0)), "Delete"));
  v.Choose(v.At(v.plot.XAxis(0)), "Delete");
  EXPECT_EQ(v.plot.XAxisCount(), 0);
}

TEST(LayoutViewerMenu, XYAxesReverseTurnsTheAxesAndShowsItsState) {
  Viewer v;
  EXPECT_FALSE(v.Checked({5, 5}, "XY-Axes Reverse"));
  v.Choose({5, 5}, "XY-Axes Reverse");
  EXPECT_TRUE(v.plot.XYAxesReverse());
  EXPECT_TRUE(v.Checked({5, 5}, "XY-Axes Reverse"));
  const TiLayoutPicture p = v.viewer.Picture();
  EXPECT_EQ(p.ItemOf(v.plot.XAxis(0))->Rect.Right, p.DataView.Left);  // x axis on the left
  EXPECT_EQ(p.ItemOf(v.plot.YAxis(0))->Rect.Top, p.DataView.Bottom);  // y axis below
}

TEST(LayoutViewerMouse, ADragMovesTheAxisInTheChartAtOnce) {
  Viewer v;
  Paint(v.plot);
  TiPlotXAxis* x = v.plot.XAxis(0);
  TiPlotDataView* view = v.plot.DataView(0);
  ASSERT_GE(x->GetRect().Top, view->GetRect().Bottom);
  const TRect picture = v.viewer.Picture().DataView;
  v.Drag(v.At(x), {v.At(x).x(), picture.Top + 3});
  EXPECT_EQ(v.changes, 1);
  Paint(v.plot);
  EXPECT_LE(x->GetRect().Bottom, view->GetRect().Top);  // above the data view now
  EXPECT_TRUE(LanesContiguous(*v.plot.LayoutManager(), true));
}

TEST(LayoutViewerMouse, AClickOrASmallTwitchChangesNothing) {
  Viewer v;
  const auto before = ZOrders(*v.plot.LayoutManager());
  TiPlotYAxis* y = v.plot.YAxis(0);
  v.Drag(v.At(y), v.At(y) + QPoint(2, -2));
  v.Drag(v.At(y), v.At(y));
  EXPECT_EQ(ZOrders(*v.plot.LayoutManager()), before);
  EXPECT_EQ(y->StopPercent(), 100);
  EXPECT_EQ(v.changes, 0);
}

TEST(LayoutViewerMouse, TheStopGripOfAVerticalAxisShortensIt) {
  Viewer v;
  TiPlotYAxis* y = v.plot.YAxis(0);
  const TRect r = v.RectOf(y);
  const int quarter = v.viewer.Picture().DataView.Height() / 4;
  v.Drag({Centre(r).X, r.Top + 1}, {Centre(r).X, r.Top + 1 + quarter});
  EXPECT_NEAR(y->StopPercent(), 75, 1);
  EXPECT_EQ(y->StartPercent(), 0);
}

}  // namespace
