// The control host on a QWidget. The widget turns Qt's events into the
// control's callbacks; everything the component base sees is plain C++.
#include "platform/Control.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/ControlQt.h"
#include "platform/PainterCanvas.h"

namespace {

TShiftState ShiftFrom(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = Qt::NoButton) {
  TShiftState s = 0;
  if (mods & Qt::ShiftModifier) s |= ShiftBit(ssShift);
  if (mods & Qt::AltModifier) s |= ShiftBit(ssAlt);
  if (mods & Qt::ControlModifier) s |= ShiftBit(ssCtrl);
  if (buttons & Qt::LeftButton) s |= ShiftBit(ssLeft);
  if (buttons & Qt::RightButton) s |= ShiftBit(ssRight);
  if (buttons & Qt::MiddleButton) s |= ShiftBit(ssMiddle);
  return s;
}

bool ButtonFrom(Qt::MouseButton b, TMouseButton& out) {
  switch (b) {
    case Qt::LeftButton: out = mbLeft; return true;
    case Qt::RightButton: out = mbRight; return true;
    case Qt::MiddleButton: out = mbMiddle; return true;
    default: return false;
  }
}

// Qt's key to the classic virtual key code; 0 for keys without one.
uint16_t VirtualKey(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<uint16_t>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<uint16_t>('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<uint16_t>(vkF1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace: return vkBack;
    case Qt::Key_Tab: case Qt::Key_Backtab: return vkTab;
    case Qt::Key_Return: case Qt::Key_Enter: return vkReturn;
    case Qt::Key_Shift: return vkShift;
    case Qt::Key_Control: return vkControl;
    case Qt::Key_Alt: return vkMenu;
    case Qt::Key_Escape: return vkEscape;
    case Qt::Key_Space: return vkSpace;
    case Qt::Key_PageUp: return vkPrior;
    case Qt::Key_PageDown: return vkNext;
    case Qt::Key_End: return vkEnd;
    case Qt::Key_Home: return vkHome;
    case Qt::Key_Left: return vkLeft;
    case Qt::Key_Up: return vkUp;
    case Qt::Key_Right: return vkRight;
    case Qt::Key_Down: return vkDown;
    case Qt::Key_Insert: return vkInsert;
    case Qt::Key_Delete: return vkDelete;
    case Qt::Key_Plus: return vkAdd;
    case Qt::Key_Minus: return vkSubtract;
    default: return 0;
  }
}

Qt::CursorShape ShapeFor(TCursor c) {
  switch (c) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop: case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
  }
}

}  // namespace

// The widget: forwards each event to its owner, guarded so that no exception
// crosses Qt's event loop.
class ControlWidget : public QWidget {
 public:
  explicit ControlWidget(TCustomControl& owner);
  TCustomControl& owner;
  bool leftPressedInside = false;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void leaveEvent(QEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void moveEvent(QMoveEvent*) override;
  bool event(QEvent* e) override;
};

struct TCustomControl::Impl {
  explicit Impl(TCustomControl& owner) : widget(owner) {}
  ControlWidget widget;
  bool explicitCapture = false;
  // A control is visible unless hidden, whether or not it has a parent yet; a
  // parentless widget is never shown as a window of its own.
  bool visible = true;

  // The callbacks are protected: the widget reaches them through here.
  static void Paint(TCustomControl& c, TCanvas& canvas) { c.Paint(canvas); }
  static void Down(TCustomControl& c, TMouseButton b, TShiftState s, int x, int y) { c.MouseDown(b, s, x, y); }
  static void Move(TCustomControl& c, TShiftState s, int x, int y) { c.MouseMove(s, x, y); }
  static void Up(TCustomControl& c, TMouseButton b, TShiftState s, int x, int y) { c.MouseUp(b, s, x, y); }
  static void Click(TCustomControl& c) { c.Click(); }
  static void DblClick(TCustomControl& c) { c.DblClick(); }
  static bool Wheel(TCustomControl& c, TShiftState s, int d, TPoint p) { return c.MouseWheel(s, d, p); }
  static void KeyDown(TCustomControl& c, uint16_t& k, TShiftState s) { c.KeyDown(k, s); }
  static void KeyUp(TCustomControl& c, uint16_t& k, TShiftState s) { c.KeyUp(k, s); }
  static void KeyPress(TCustomControl& c, char32_t& k) { c.KeyPress(k); }
  static void Enter(TCustomControl& c) { c.DoEnter(); }
  static void Exit(TCustomControl& c) { c.DoExit(); }
  static void Leave(TCustomControl& c) { c.MouseLeave(); }
  static void Bounds(TCustomControl& c) { c.BoundsChanged(); }
  static void Lost(TCustomControl& c) { c.CaptureLost(); }
};

using Impl = TCustomControl::Impl;

ControlWidget::ControlWidget(TCustomControl& o) : owner(o) {
  // Painting covers every pixel: no background erase before it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void ControlWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  platform::TPainterCanvas canvas(painter, nullptr);
  platform::RunGuarded([&] { Impl::Paint(owner, canvas); });
}

void ControlWidget::mousePressEvent(QMouseEvent* e) {
  TMouseButton b;
  if (!ButtonFrom(e->button(), b)) return;
  if (b == mbLeft) leftPressedInside = true;
  const QPoint p = e->position().toPoint();
  platform::RunGuarded([&] { Impl::Down(owner, b, ShiftFrom(e->modifiers(), e->buttons()), p.x(), p.y()); });
}

void ControlWidget::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  platform::RunGuarded([&] { Impl::Move(owner, ShiftFrom(e->modifiers(), e->buttons()), p.x(), p.y()); });
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* e) {
  TMouseButton b;
  if (!ButtonFrom(e->button(), b)) return;
  const QPoint p = e->position().toPoint();
  const bool click = b == mbLeft && leftPressedInside && rect().contains(p);
  if (b == mbLeft) leftPressedInside = false;
  platform::RunGuarded([&] {
    Impl::Up(owner, b, ShiftFrom(e->modifiers(), e->buttons()), p.x(), p.y());
    if (click) Impl::Click(owner);
  });
}

// Qt sends the second press of a double click as this event alone; the
// classic order is the double click, then a press marked ssDouble.
void ControlWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  TMouseButton b;
  if (!ButtonFrom(e->button(), b)) return;
  if (b == mbLeft) leftPressedInside = true;
  const QPoint p = e->position().toPoint();
  platform::RunGuarded([&] {
    if (b == mbLeft) Impl::DblClick(owner);
    Impl::Down(owner, b, ShiftFrom(e->modifiers(), e->buttons()) | ShiftBit(ssDouble), p.x(), p.y());
  });
}

void ControlWidget::wheelEvent(QWheelEvent* e) {
  bool handled = false;
  const QPoint p = e->position().toPoint();
  platform::RunGuarded([&] {
    handled = Impl::Wheel(owner, ShiftFrom(e->modifiers(), e->buttons()), e->angleDelta().y(), {p.x(), p.y()});
  });
  e->setAccepted(handled);
}

void ControlWidget::keyPressEvent(QKeyEvent* e) {
  uint16_t key = VirtualKey(e->key());
  const TShiftState shift = ShiftFrom(e->modifiers());
  platform::RunGuarded([&] {
    if (key) Impl::KeyDown(owner, key, shift);
    if (key == 0 && VirtualKey(e->key()) != 0) return;  // swallowed by KeyDown
    for (char32_t ch : e->text().toUcs4()) {
      if (ch < 0x20 && ch != '\r' && ch != '\b' && ch != 0x1B && ch != '\t') continue;
      Impl::KeyPress(owner, ch);
    }
  });
}

void ControlWidget::keyReleaseEvent(QKeyEvent* e) {
  uint16_t key = VirtualKey(e->key());
  if (!key) return;
  platform::RunGuarded([&] { Impl::KeyUp(owner, key, ShiftFrom(e->modifiers())); });
}

void ControlWidget::focusInEvent(QFocusEvent*) { platform::RunGuarded([&] { Impl::Enter(owner); }); }
void ControlWidget::focusOutEvent(QFocusEvent*) { platform::RunGuarded([&] { Impl::Exit(owner); }); }
void ControlWidget::leaveEvent(QEvent*) { platform::RunGuarded([&] { Impl::Leave(owner); }); }
void ControlWidget::resizeEvent(QResizeEvent*) { platform::RunGuarded([&] { Impl::Bounds(owner); }); }
void ControlWidget::moveEvent(QMoveEvent*) { platform::RunGuarded([&] { Impl::Bounds(owner); }); }

bool ControlWidget::event(QEvent* e) {
  // The control wants every key: Tab and Backtab reach keyPressEvent instead
  // of moving the focus.
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
      keyPressEvent(k);
      return true;
    }
  }
  if (e->type() == QEvent::UngrabMouse) platform::RunGuarded([&] { Impl::Lost(owner); });
  return QWidget::event(e);
}

// --- TCustomControl ---------------------------------------------------------

TCustomControl::TCustomControl() {
  platform::EnsureApplication();
  impl_ = std::make_unique<Impl>(*this);
}

TCustomControl::~TCustomControl() {
  if (impl_->explicitCapture) impl_->widget.releaseMouse();
}

int TCustomControl::Left() const { return impl_->widget.x(); }
int TCustomControl::Top() const { return impl_->widget.y(); }
int TCustomControl::Width() const { return impl_->widget.width(); }
int TCustomControl::Height() const { return impl_->widget.height(); }

void TCustomControl::SetBounds(int left, int top, int width, int height) {
  impl_->widget.setGeometry(left, top, std::max(0, width), std::max(0, height));
}

TPoint TCustomControl::ClientToScreen(TPoint p) const {
  const QPoint q = impl_->widget.mapToGlobal(QPoint(p.X, p.Y));
  return {q.x(), q.y()};
}
TPoint TCustomControl::ScreenToClient(TPoint p) const {
  const QPoint q = impl_->widget.mapFromGlobal(QPoint(p.X, p.Y));
  return {q.x(), q.y()};
}

bool TCustomControl::Visible() const { return impl_->visible; }
void TCustomControl::SetVisible(bool visible) {
  impl_->visible = visible;
  if (impl_->widget.parentWidget()) impl_->widget.setVisible(visible);
}
bool TCustomControl::Enabled() const { return impl_->widget.isEnabled(); }
void TCustomControl::SetEnabled(bool enabled) { impl_->widget.setEnabled(enabled); }

void TCustomControl::SetParent(TCustomControl* parent) {
  parent_ = parent;
  const QRect g = impl_->widget.geometry();
  const bool visible = Visible();
  impl_->widget.setParent(parent ? &parent->impl_->widget : nullptr);
  impl_->widget.setGeometry(g);
  if (parent) impl_->widget.setVisible(visible);
}

void TCustomControl::Invalidate() { impl_->widget.update(); }

void TCustomControl::Update() {
  // A widget without a window on screen has nothing to paint into.
  if (impl_->widget.isVisible()) impl_->widget.repaint();
}

void TCustomControl::SetMouseCapture(bool capture) {
  if (capture == impl_->explicitCapture) return;
  impl_->explicitCapture = capture;
  if (capture) impl_->widget.grabMouse();
  else impl_->widget.releaseMouse();
}

bool TCustomControl::MouseCapture() const {
  return impl_->explicitCapture || QWidget::mouseGrabber() == &impl_->widget;
}

void TCustomControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  impl_->widget.setCursor(QCursor(ShapeFor(cursor)));
}

bool TCustomControl::Focused() const { return impl_->widget.hasFocus(); }
void TCustomControl::SetFocus() { impl_->widget.setFocus(Qt::OtherFocusReason); }

bool TCustomControl::CopyParentPixels(TBitmap& target) const {
  QWidget* parent = impl_->widget.parentWidget();
  if (!parent || Width() <= 0 || Height() <= 0) return false;
  target.SetSize(Width(), Height());
  QImage& image = platform::ImageOf(target);
  QPainter painter(&image);
  // The parent draws itself without its children, this control among them.
  parent->render(&painter, QPoint(), QRegion(impl_->widget.geometry()), QWidget::DrawWindowBackground);
  return true;
}

void TCustomControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}
void TCustomControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}
void TCustomControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}
void TCustomControl::Click() {
  if (OnClick) OnClick(this);
}
void TCustomControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}
void TCustomControl::KeyDown(uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}
void TCustomControl::KeyUp(uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}
void TCustomControl::KeyPress(char32_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}
void TCustomControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}
void TCustomControl::DoExit() {
  if (OnExit) OnExit(this);
}

namespace platform {

TShiftState KeyboardShiftState() { return ShiftFrom(QGuiApplication::queryKeyboardModifiers()); }

void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  // Without a display (a build machine, a test run) Qt would abort; the
  // offscreen platform draws the same pixels.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "sensor-monitor";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);  // lives as long as the program
  (void)app;
}

QWidget* WidgetOf(const TCustomControl& control) { return &control.impl().widget; }

void SetParentWidget(TCustomControl& control, QWidget* parent) {
  QWidget& w = control.impl().widget;
  const QRect g = w.geometry();
  w.setParent(parent);
  w.setGeometry(g);
  if (parent) w.setVisible(control.Visible());
}

}  // namespace platform
