// TiComponent: the base of every visual component of the library. It gives a
// component its background colour and bevel border, repaint requests with an
// update lock and a frame-rate limit, double-buffered painting that shows an
// error inside the control instead of raising it, input hooks that run with
// the in-input flag set, and property text files.
//
// A component draws itself, background included, in PaintTo(canvas) on any
// canvas: the screen's off-screen bitmap, an export bitmap, a metafile. Its
// setters compare, store and issue one request — InvalidateChange for a
// contents change (a value, a colour, a text), BackGroundChange for the
// background or geometry — and never draw.
//
//   void TiGauge::SetNeedleColor(TColor v) { SetAndInvalidate(needleColor_, v); }
//
// Components derive from TiCustomComponent (iCustomComponent.h), not from this
// class. GUI thread only, except Lock/Unlock (see TiVCLComponent).
#pragma once
#include <vector>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "components/iReflection.h"
#include "components/iRepaintRequests.h"
#include "platform/Control.h"
#include "platform/StoreChanged.h"

enum TiBevelStyle : uint8_t { ibsNone, ibsRaised, ibsLowered };
inline const std::vector<std::string>& EnumValueNames(TiBevelStyle) {
  static const std::vector<std::string> names{"ibsNone", "ibsRaised", "ibsLowered"};
  return names;
}

class TiComponent : public TCustomControl, public TPersistent {
 public:
  TiComponent();
  ~TiComponent() override;

  static const TClassInfo& StaticClass();

  // Published by the descendants that show them; both are background changes.
  TColor BackGroundColor() const { return backGroundColor_; }
  virtual void SetBackGroundColor(TColor value);
  TiBevelStyle BorderStyle() const { return borderStyle_; }
  virtual void SetBorderStyle(TiBevelStyle value);

  bool AutoFrameRate() const { return requests_.AutoFrameRate(); }
  void SetAutoFrameRate(bool value);  // false also ends an update (EndUpdate)
  int UpdateFrameRate() const { return requests_.UpdateFrameRate(); }
  void SetUpdateFrameRate(int value);  // 0: no limit
  bool OptionSaveAllProperties() const { return optionSaveAllProperties_; }
  void SetOptionSaveAllProperties(bool value) { optionSaveAllProperties_ = value; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value) { name_ = value; }
  int Tag() const { return tag_; }
  void SetTag(int value) { tag_ = value; }

  // Repaint requests.
  void InvalidateChange();
  void BackGroundChange();
  void InvalidateNow();
  virtual void BeginUpdate();
  virtual void EndUpdate();
  bool UpdateLocked() const { return requests_.Locked(); }

  // Draws the whole control on `canvas`, background included.
  virtual void PaintTo(TCanvas& canvas) = 0;
  // For PaintTo: fills the control with `color` and draws the border.
  virtual void DrawBackGround(TCanvas& canvas, TColor color);
  virtual void DrawBorder(TCanvas& canvas);
  // Set by every background request and at creation, cleared by DrawBackGround:
  // a component that caches its background redraws it when this is set.
  bool BackGroundChanged() const { return backGroundChanged_; }

  // The critical section around painting; painting always runs between them.
  virtual void Lock() = 0;
  virtual void Unlock() = 0;

  // The internal timer (TiVCLComponent).
  virtual bool TimerRunning() = 0;
  virtual void TimerStart(int firstDelayMs, int intervalMs) = 0;
  virtual void TimerStop() = 0;

  // "File Type = <class>" and one line per published property; errors raise
  // Exception "Error Saving Properties - ..." / "Error Loading Properties - ...".
  // Loading applies the good lines in order; after a bad line or value it stops,
  // keeps what it applied and releases the update lock.
  virtual void SavePropertiesToFile(const std::string& fileName);
  virtual void LoadPropertiesFromFile(const std::string& fileName);
  // The properties a property file leaves out: "Name", and the placement ones
  // unless OptionSaveAllProperties.
  std::vector<std::string> PropertyFileExclusions() const;

  TPoint CenterPoint() const { return {Width() / 2, Height() / 2}; }
  bool HasFocus() const { return focused_; }
  // True while one of the component's mouse or keyboard handlers runs.
  bool InInput() const { return inInput_; }

  // Data binding: asked before a bound value changes (answer false to keep the
  // old value) and told after it changed.
  std::function<void(TiComponent* sender, const std::string& propertyName, bool& allow)> OnBeforeChange;
  std::function<void(TiComponent* sender, const std::string& propertyName)> OnAfterChange;
  bool AllowChange(const std::string& propertyName);
  void ChangeDone(const std::string& propertyName);

 protected:
  // Compare, store, request: true when the value changed.
  template <class V, class W>
  bool SetAndInvalidate(V& field, const W& value) {
    if (!StoreChanged(field, value)) return false;
    InvalidateChange();
    return true;
  }
  template <class V, class W>
  bool SetAndBackGroundChange(V& field, const W& value) {
    if (!StoreChanged(field, value)) return false;
    BackGroundChange();
    return true;
  }

  // Hooks for descendants, all empty here. The mouse hooks run before the
  // published events fire, the key hooks after.
  virtual void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {}
  virtual void iMouseMove(TShiftState shift, int x, int y) {}
  virtual void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {}
  virtual void iDoubleClick() {}
  virtual bool iMouseWheel(TShiftState shift, int delta, TPoint position) { return false; }
  virtual void iKeyDown(uint16_t& key, TShiftState shift) {}
  virtual void iKeyUp(uint16_t& key, TShiftState shift) {}
  virtual void iKeyPress(char32_t& key) {}
  virtual void iGotFocus() {}
  virtual void iLostFocus() {}
  // Background requests come through here, so TiVCLComponent can refresh its
  // copy of the parent's pixels first.
  virtual void BackGroundChangeNotification();

  // TCustomControl.
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  bool MouseWheel(TShiftState shift, int delta, TPoint position) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyUp(uint16_t& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void DoEnter() override;
  void DoExit() override;

  // The error display: black over the whole control, the message in white,
  // word-wrapped from the top left.
  void DrawPaintError(TCanvas& canvas, const std::string& message);
  // For a DrawBackGround that draws the background its own way.
  void BackGroundDrawn() { backGroundChanged_ = false; }
  // Drawn over what PaintTo drew, on screen only (an error flag).
  virtual void DrawOverlay(TCanvas& canvas) {}

 private:
  void PaintBuffered(TCanvas& canvas);

  TiRepaintRequests requests_;
  TColor backGroundColor_ = clBtnFace;
  TiBevelStyle borderStyle_ = ibsNone;
  bool optionSaveAllProperties_ = false;
  bool backGroundChanged_ = true;
  bool focused_ = false;
  bool inInput_ = false;
  std::string name_;
  int tag_ = 0;
  std::unique_ptr<TBitmap> buffer_;  // the off-screen bitmap, kept between paints
};
