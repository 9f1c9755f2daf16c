// The child-window host: a custom control with its own canvas that a
// component derives from. It turns the window system's events into the
// virtual callbacks below (paint, mouse, wheel, keys, focus), and offers
// invalidation, mouse capture, pointer shapes and geometry.
//
// Painting: Invalidate() asks for a paint; later Paint(canvas) runs with a
// canvas on the window. The background is never erased first, so a control
// that paints every pixel (from an off-screen bitmap) never flickers.
//
// Input callbacks run on the GUI thread. Their default implementations fire
// the matching On... events; an override that wants the events calls the base.
// An exception that escapes a callback goes to platform::ShowException.
// The control wants every key, arrows and Tab included.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Canvas.h"

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// Modifier keys and buttons held, one bit each (ssShift = bit 0).
enum TShiftStateBit : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = uint16_t;
constexpr TShiftState ShiftBit(TShiftStateBit b) { return static_cast<TShiftState>(1u << b); }

// Pointer shapes.
enum TCursor : int16_t {
  crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
  crMultiDrag = -16, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
  crSizeAll = -22, crSize = -22,
};

// Virtual key codes of KeyDown/KeyUp. Letters and digits are their upper-case
// ASCII codes ('A', '0').
constexpr uint16_t vkBack = 0x08, vkTab = 0x09, vkReturn = 0x0D, vkShift = 0x10, vkControl = 0x11,
                   vkMenu = 0x12, vkEscape = 0x1B, vkSpace = 0x20, vkPrior = 0x21, vkNext = 0x22,
                   vkEnd = 0x23, vkHome = 0x24, vkLeft = 0x25, vkUp = 0x26, vkRight = 0x27, vkDown = 0x28,
                   vkInsert = 0x2D, vkDelete = 0x2E, vkF1 = 0x70, vkAdd = 0x6B, vkSubtract = 0x6D;

class TCustomControl {
 public:
  TCustomControl();
  virtual ~TCustomControl();
  TCustomControl(const TCustomControl&) = delete;
  TCustomControl& operator=(const TCustomControl&) = delete;

  // Geometry, in the parent's pixels. A change calls BoundsChanged().
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  TRect ClientRect() const { return {0, 0, Width(), Height()}; }
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  // Places this control inside another one (null: a top-level window).
  void SetParent(TCustomControl* parent);
  TCustomControl* Parent() const { return parent_; }

  // Asks for a paint; several requests before it comes make one paint.
  void Invalidate();
  // Paints now if a paint is due.
  void Update();
  void Repaint() { Invalidate(); Update(); }

  // Mouse capture: while set, moves and the button release come here even
  // outside the control. A button press sets it and its release clears it.
  void SetMouseCapture(bool capture);
  bool MouseCapture() const;

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  bool Focused() const;
  void SetFocus();

  std::string Hint;
  bool ShowHint = false;

  // The published events, fired by the default callbacks below.
  std::function<void(TCustomControl* sender)> OnClick, OnDblClick, OnEnter, OnExit;
  std::function<void(TCustomControl* sender, TMouseButton, TShiftState, int x, int y)> OnMouseDown, OnMouseUp;
  std::function<void(TCustomControl* sender, TShiftState, int x, int y)> OnMouseMove;
  std::function<void(TCustomControl* sender, uint16_t& key, TShiftState)> OnKeyDown, OnKeyUp;
  std::function<void(TCustomControl* sender, char32_t& key)> OnKeyPress;

  // Draws the parent's pixels under this control into target (sized to the
  // control), for a control that shows its parent through itself. False when
  // there is no parent to copy from.
  bool CopyParentPixels(TBitmap& target) const;

  struct Impl;
  Impl& impl() const { return *impl_; }  // for platform/ code only

 protected:
  // The window needs painting; canvas draws on it, clipped to what is due.
  virtual void Paint(TCanvas& canvas) {}
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Click();     // left button released over the control after a press on it
  virtual void DblClick();  // also preceded by MouseDown with ssDouble set
  // Wheel: delta in 1/120 steps, positive away from the user; true = handled.
  virtual bool MouseWheel(TShiftState shift, int delta, TPoint position) { return false; }
  virtual void KeyDown(uint16_t& key, TShiftState shift);  // key 0 on return: swallowed
  virtual void KeyUp(uint16_t& key, TShiftState shift);
  virtual void KeyPress(char32_t& key);                      // a typed character
  virtual void DoEnter();   // focus gained
  virtual void DoExit();    // focus lost
  virtual void CaptureLost() {}   // capture taken away by another window
  virtual void MouseLeave() {}    // the pointer left the control
  virtual void BoundsChanged() {}  // moved or resized

 private:
  friend struct Impl;
  std::unique_ptr<Impl> impl_;
  TCustomControl* parent_ = nullptr;
  TCursor cursor_ = crDefault;
};

namespace platform {
// The modifier keys held right now (ssShift, ssCtrl, ssAlt).
TShiftState KeyboardShiftState();
// Starts the window system for a program or a test that has none yet
// (the offscreen platform in tests). Without a display it chooses the
// offscreen platform. Safe to call again.
void EnsureApplication();
}  // namespace platform
