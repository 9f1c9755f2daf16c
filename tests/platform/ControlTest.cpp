#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/ControlQt.h"

namespace {

const bool kApplication = [] {
  platform::EnsureApplication();
  return true;
}();

// Records what reaches the callbacks, in order.
class Probe : public TCustomControl {
 public:
  std::vector<std::string> log;
  int paints = 0;
  TColor seen = clNone;

 protected:
  void Paint(TCanvas& canvas) override {
    ++paints;
    TBitmap buffer(Width(), Height());
    buffer.Canvas().Brush = {clRed, bsSolid};
    buffer.Canvas().FillRect(ClientRect());
    canvas.Draw(0, 0, buffer);
  }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
    TCustomControl::MouseDown(b, s, x, y);
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    log.push_back("up " + std::to_string(b));
    TCustomControl::MouseUp(b, s, x, y);
  }
  void DblClick() override {
    log.push_back("dblclick");
    TCustomControl::DblClick();
  }
  bool MouseWheel(TShiftState s, int delta, TPoint) override {
    log.push_back("wheel " + std::to_string(delta) + " " + std::to_string(s));
    return true;
  }
  void KeyDown(uint16_t& key, TShiftState s) override {
    log.push_back("keydown " + std::to_string(key) + " " + std::to_string(s));
    TCustomControl::KeyDown(key, s);
  }
  void KeyPress(char32_t& key) override { log.push_back(std::string("press ") + char(key)); }
};

class ControlTest : public ::testing::Test {
 protected:
  ControlTest() {
    probe.SetBounds(0, 0, 40, 30);
    probe.SetVisible(true);
    widget = platform::WidgetOf(probe);
  }
  void Mouse(QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, mods);
    QApplication::sendEvent(widget, &e);
  }
  void Key(int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(widget, &e);
  }
  Probe probe;
  QWidget* widget = nullptr;
};

TEST_F(ControlTest, MouseButtonsArriveWithShiftStateAndAClick) {
  int clicks = 0;
  probe.OnClick = [&](TCustomControl*) { ++clicks; };
  Mouse(QEvent::MouseButtonPress, Qt::LeftButton, {5, 6}, Qt::ShiftModifier);
  Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {5, 6});
  ASSERT_EQ(probe.log.size(), 2u);
  EXPECT_EQ(probe.log[0], "down 0 " + std::to_string(ShiftBit(ssShift) | ShiftBit(ssLeft)) + " 5,6");
  EXPECT_EQ(probe.log[1], "up 0");
  EXPECT_EQ(clicks, 1);
  Mouse(QEvent::MouseButtonPress, Qt::LeftButton, {5, 6});
  Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {80, 6});  // released outside: no click
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlTest, DoubleClickComesBeforeAPressMarkedDouble) {
  Mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, {3, 3});
  ASSERT_EQ(probe.log.size(), 2u);
  EXPECT_EQ(probe.log[0], "dblclick");
  EXPECT_NE(probe.log[1].find("down 0 " + std::to_string(ShiftBit(ssLeft) | ShiftBit(ssDouble))), std::string::npos);
}

TEST_F(ControlTest, WheelAndKeysIncludingArrowsAndTabReachTheControl) {
  QWheelEvent wheel(QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &wheel);
  Key(Qt::Key_Left);
  Key(Qt::Key_Tab, "\t");
  Key(Qt::Key_A, "a");
  ASSERT_EQ(probe.log.size(), 6u);
  EXPECT_EQ(probe.log[0], "wheel -120 " + std::to_string(ShiftBit(ssCtrl)));
  EXPECT_EQ(probe.log[1], "keydown 37 0");
  EXPECT_EQ(probe.log[2], "keydown 9 0");
  EXPECT_EQ(probe.log[3], "press \t");
  EXPECT_EQ(probe.log[4], "keydown 65 0");
  EXPECT_EQ(probe.log[5], "press a");
}

TEST_F(ControlTest, KeyDownThatClearsTheKeySwallowsTheCharacter) {
  probe.OnKeyDown = [](TCustomControl*, uint16_t& key, TShiftState) { key = 0; };
  Key(Qt::Key_A, "a");
  ASSERT_EQ(probe.log.size(), 1u);
  EXPECT_EQ(probe.log[0], "keydown 65 0");
}

TEST_F(ControlTest, InvalidatePaintsOnceWithoutErasingFirst) {
  EXPECT_TRUE(widget->testAttribute(Qt::WA_OpaquePaintEvent));
  EXPECT_EQ(widget->focusPolicy(), Qt::StrongFocus);
  widget->show();
  QApplication::processEvents();
  const int before = probe.paints;
  probe.Invalidate();
  probe.Invalidate();
  QApplication::processEvents();
  EXPECT_EQ(probe.paints, before + 1);
  const QImage shot = widget->grab().toImage();
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::red));
}

TEST_F(ControlTest, GeometryCursorAndParentage) {
  Probe parent;
  parent.SetBounds(0, 0, 200, 100);
  probe.SetParent(&parent);
  probe.SetBounds(10, 20, 50, 40);
  EXPECT_EQ(widget->parentWidget(), platform::WidgetOf(parent));
  EXPECT_EQ(probe.Left(), 10);
  EXPECT_EQ(probe.Height(), 40);
  EXPECT_EQ(probe.ClientRect(), (TRect{0, 0, 50, 40}));
  probe.SetCursor(crHandPoint);
  EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
  probe.SetCursor(crSizeWE);
  EXPECT_EQ(widget->cursor().shape(), Qt::SizeHorCursor);
  probe.SetParent(nullptr);
}

}  // namespace

TEST(ControlVisibility, VisibleUnlessHiddenWithOrWithoutAParent) {
  TCustomControl parent, child;
  EXPECT_TRUE(child.Visible()) << "a new control is visible before it has a parent";
  child.SetVisible(false);
  child.SetParent(&parent);
  EXPECT_FALSE(child.Visible());
  EXPECT_TRUE(platform::WidgetOf(child)->isHidden());
  child.SetVisible(true);
  EXPECT_TRUE(child.Visible());
  EXPECT_FALSE(platform::WidgetOf(child)->isHidden());
  TCustomControl lone;
  lone.SetVisible(true);
  EXPECT_FALSE(platform::WidgetOf(lone)->isVisible()) << "no window of its own";
}
