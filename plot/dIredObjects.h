// The base of every plot object (toolbars, legends, tables, axes, channels,
// data views, data cursors, limits, labels, annotations) and the small objects
// they are made of: buttons, rectangles, menu items.
//
// An object is created with its owner and four hooks (TiPlotObjectHooks) and
// never registers itself in its constructor: it becomes known to the managers
// when Inserted() is called (after construction, or after its properties were
// read from a stream), and it leaves them from its destructor. Everything the
// object needs of its chart goes through the owner (TiPlotOwner) or through
// the hooks its managers install. Setters compare, store and notify; they
// never draw.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "components/iReflection.h"
#include "platform/Types.h"
#include "plot/iClasses.h"
#include "plot/iTypes.h"

class TCanvas;
class TiPlotMasterManager;
class TiPlotObject;

// A popup menu item; ObjectName names the plot object the item stands for.
// The plot shows the menu through the platform; here it is plain data.
class TiMenuItem {
 public:
  std::string Caption;
  std::string ObjectName;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  std::function<void()> OnClick;
  std::vector<std::unique_ptr<TiMenuItem>> Items;  // a submenu
};

// The one popup menu the plot shares between its objects.
class TiPopupMenu {
 public:
  std::vector<std::unique_ptr<TiMenuItem>> Items;
  TiMenuItem* Add(std::string caption);
  TiMenuItem* Insert(size_t index, std::string caption);
  void Clear();  // frees the items, last to first
};

// What an object needs of the plot that owns it. The plot component
// implements it; tests can implement a small one.
class TiPlotOwner {
 public:
  virtual ~TiPlotOwner() = default;
  virtual TiPlotMasterManager* MasterManager() = 0;  // lookups by name
  // Passes a fixed text through the chart's translation table.
  virtual std::string Translate(const std::string& text);
  // Whether a right click may open `object`'s popup menu (the plot's
  // OnPopupMenu... events may cancel it).
  virtual bool ObjectPopupAllowed(TiPlotObject* object) { return true; }
  virtual void ShowPopupMenu(TiPopupMenu& menu, int screenX, int screenY) {}
  // The column separator of the chart's text data files (tab or comma).
  virtual char DataFileColumnSeparatorChar() const { return '\t'; }
  // Reports of the objects' own mouse handling.
  virtual void ObjectMouseDown(TiPlotObject* object, const TiPlotMouseData& mouse) {}
  virtual void ObjectMouseMove(TiPlotObject* object, const TiPlotMouseData& mouse) {}
  virtual void ObjectClick(TiPlotObject* object, const TiPlotMouseData& mouse) {}
  // A click on point `point` of a channel (its marker).
  virtual void ObjectDataPointClick(TiPlotObject* object, int point) {}
  virtual void ObjectGotFocus(TiPlotObject* object) {}
  virtual void ObjectLostFocus(TiPlotObject* object) {}
};

// The owner and the four hooks every object and manager is created with.
struct TiPlotObjectHooks {
  TiPlotOwner* Owner = nullptr;
  TiObjectEvent OnRename;
  TiObjectEvent OnRemove;
  TiObjectEvent OnInsert;
  TiObjectEvent OnChange;
};

class TiPlotObject : public TiPersistent {
 public:
  explicit TiPlotObject(const TiPlotObjectHooks& hooks);
  ~TiPlotObject() override;  // OnRemove, then DoLayoutChange
  TiPlotObject(const TiPlotObject&) = delete;
  TiPlotObject& operator=(const TiPlotObject&) = delete;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // Published.
  const std::string& Name() const { return Name_; }
  void SetName(const std::string& value);  // OnRename, then DoChange
  bool Visible() const { return Visible_; }
  virtual void SetVisible(bool value);
  bool Enabled() const { return Enabled_; }
  virtual void SetEnabled(bool value);
  int32_t Layer() const { return Layer_; }
  void SetLayer(int32_t value) { SetProperty(Layer_, value); }
  bool PopupEnabled() const { return PopupEnabled_; }
  void SetPopupEnabled(bool value) { SetProperty(PopupEnabled_, value); }

  // Run-time state.
  const std::string& OldName() const { return OldName_; }  // valid while OnRename runs
  TiPlotOwner* Owner() const { return Owner_; }
  bool Focused() const { return Focused_; }
  void SetFocused(bool value);
  bool EditAllowed() const { return EditAllowed_; }
  void SetEditAllowed(bool value) { EditAllowed_ = value; }
  bool XYAxesReverse() const { return XYAxesReverse_; }
  virtual void SetXYAxesReverse(bool value) { XYAxesReverse_ = value; }
  bool Ready() const { return Ready_; }
  TiPlotObject* HitObject() const { return HitObject_; }
  bool MouseDownActive() const { return MouseDownActive_; }
  uint8_t AxesModeFlags() const { return AxesModeFlags_; }
  void SetAxesModeFlags(uint8_t flags) { AxesModeFlags_ = flags; }
  // Layer in decimal, at least 6 digits: the plot sorts its drawing by it.
  std::string LayerKey() const;
  std::string Translate(const std::string& text) const;

  // Hooks: given at construction (OnChange, OnRemove, OnInsert, OnRename) or
  // installed by the managers.
  TiObjectEvent OnChange, OnLayoutChange, OnRemove, OnInsert, OnRename;
  TiObjectEvent OnGotFocus, OnEditRequest, OnRepaintNow;

  // Not virtual: a channel calls it for every point it is given.
  void DoChange() {
    if (OnChange) OnChange(this);
  }
  virtual void DoLayoutChange();
  // Another object is going away, was renamed, or took the focus.
  virtual void NotifyRemove(TiPlotObject* object) {}
  virtual void NotifyRename(TiPlotObject* object) {}
  virtual void NotifyFocus(TiPlotObject* object) {}
  virtual void PrepareDraw() { Ready_ = true; }
  virtual void Draw(TCanvas* canvas, TColor backGroundColor) {}
  virtual void MouseDown(TiPlotMouseButton button, TiPlotShiftState shift, TiPopupMenu* menu, int screenX,
                         int screenY, int x, int y);
  virtual void MouseMove(TiPlotHintData& hint, TiPlotShiftState shift, bool multiSelect, int screenX,
                         int screenY, int x, int y);
  virtual void MouseUp(TiPlotMouseButton button, TiPlotShiftState shift, bool dblClick, int x, int y);
  virtual bool HitTest(const TiPlotMouseData& mouse) { return false; }
  virtual bool MouseWheel(int delta, TiPlotShiftState shift, TPoint position) { return false; }
  virtual void DoMouseHover(const TiPlotMouseData& mouse, TiPlotHintData& hint) {}
  virtual void DoMouseLeftDown(const TiPlotMouseData& mouse) {}
  virtual void DoMouseDrag(const TiPlotMouseData& mouse) {}
  virtual void DoMouseUp(const TiPlotMouseData& mouse) {}
  virtual void DoGotFocus();
  virtual void DoLostFocus();
  virtual void MouseLeave() {}
  virtual TiPlotObject* GetHitObject(int x, int y);
  virtual TiPlotCursorId GetMouseCursor(TPoint point);
  virtual void KeyDown(int& key, TiPlotShiftState shift) {}
  virtual void Inserted();
  // Empties the menu, then adds "Edit..." when editing is allowed. Classes add
  // their own items in front of it.
  virtual void AddMenuItems(TiPopupMenu& menu);

 protected:
  // The guarded setters: store only a changed value, then notify.
  template <class T, class V>
  void SetProperty(T& field, const V& value) {
    SetPropertyThen(field, value, [this] { DoChange(); });
  }
  template <class T, class V>
  void SetLayoutProperty(T& field, const V& value) {
    SetPropertyThen(field, value, [this] { DoLayoutChange(); });
  }
  template <class T, class V, class F>
  void SetPropertyThen(T& field, const V& value, F&& change) {
    if (!StoreChanged(field, value)) return;
    TiPlotSettings::Changed();
    change();
  }
  void SetHitObject(TiPlotObject* object) { HitObject_ = object; }
  // An object that reports its own clicks from DoMouseUp ends the press
  // there, so MouseUp adds no report of its own.
  void EndMouseDown() { MouseDownActive_ = false; }
  // PrepareDraw of a class that can be not ready (a channel without axes).
  void SetReady(bool value) { Ready_ = value; }
  TiPlotMouseData MouseRecord(TiPlotMouseButton button, TiPlotShiftState shift, int x, int y) const;

 private:
  std::string Name_;
  std::string OldName_;
  TiPlotOwner* Owner_;
  bool Visible_ = true;
  bool Enabled_ = true;
  int32_t Layer_ = 100;
  bool PopupEnabled_ = true;
  bool Focused_ = false;
  bool EditAllowed_ = true;
  bool XYAxesReverse_ = false;
  bool Ready_ = false;
  TiPlotObject* HitObject_ = this;
  bool MouseDownActive_ = false;
  bool MultiSelect_ = false;
  uint8_t AxesModeFlags_ = 0;
};

// An object owned by a manager: it refuses to exist without its owner and
// hooks ("Owner must be assigned", "OnChange event handler can not be null",
// "OnInsert ...", "OnRemove ...", "AOnRename event handler can not be null").
class TiPlotManagerObject : public TiPlotObject {
 public:
  explicit TiPlotManagerObject(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

// An object the layout manager places on a side of the data view.
// StartPercent .. StopPercent is its extent along that side, kept at least 5
// apart within 0 .. 100.
class TiPlotLayoutObject : public TiPlotManagerObject {
 public:
  explicit TiPlotLayoutObject(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  double StopPercent() const { return StopPercent_; }
  void SetStopPercent(double value);
  double StartPercent() const { return StartPercent_; }
  void SetStartPercent(double value);
  int32_t ZOrder() const { return ZOrder_; }
  void SetZOrder(int32_t value) { SetLayoutProperty(ZOrder_, value); }
  bool Horizontal() const { return Horizontal_; }
  void SetHorizontal(bool value) { SetLayoutProperty(Horizontal_, value); }
  bool ForceStacking() const { return ForceStacking_; }
  void SetForceStacking(bool value) { SetLayoutProperty(ForceStacking_, value); }

  // Set by the layout pass, without notification.
  bool FarSide() const { return FarSide_; }
  void SetFarSide(bool value) { FarSide_ = value; }
  bool StackedBefore() const { return StackedBefore_; }
  void SetStackedBefore(bool value) { StackedBefore_ = value; }
  bool StackedAfter() const { return StackedAfter_; }
  void SetStackedAfter(bool value) { StackedAfter_ = value; }
  const TRect& GetRect() const { return Rect_; }
  void SetRect(const TRect& rect) { Rect_ = rect; }
  const TRect& GetDrawRect() const { return DrawRect_; }
  void SetDrawRect(const TRect& rect) { DrawRect_ = rect; }
  int Width() const { return Rect_.Right - Rect_.Left; }
  int Height() const { return Rect_.Bottom - Rect_.Top; }

  // Keys the layout manager sorts by: ZOrder and rounded StartPercent, at
  // least 3 digits.
  std::string ZOrderKey() const;
  std::string StartKey() const;

  bool HitTest(const TiPlotMouseData& mouse) override;
  void Inserted() override;  // base, then OnLayoutChange
  virtual bool IsHorizontal() const { return Horizontal_; }
  virtual bool IsVertical() const { return !Horizontal_; }
  virtual int GetRequiredThickness(TCanvas* canvas) { return 0; }
  virtual int GetEndOverhang(TCanvas* canvas) { return 0; }

 private:
  double StopPercent_ = 100;
  double StartPercent_ = 0;
  int32_t ZOrder_ = 0;
  bool Horizontal_ = false;
  bool FarSide_ = false;
  TRect Rect_;
  bool StackedBefore_ = false;
  bool StackedAfter_ = false;
  TRect DrawRect_;
  bool ForceStacking_ = false;
};

// Holder of one rectangle, kept in lists by the plot component.
class TiPlotRectObject {
 public:
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A colour and how many channels use it, while a channel colour is chosen.
class TiColorCountObject {
 public:
  TColor Color = 0;
  int32_t Count = 0;
};

// The repeat timer a button uses; the default runs on the platform's message
// timer, tests hand in their own.
class TiPlotTimer {
 public:
  virtual ~TiPlotTimer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  std::function<void()> OnTimer;
};
using TiPlotTimerFactory = std::function<std::unique_ptr<TiPlotTimer>()>;

// A clickable button drawn inside another object (toolbar, legend, table).
// With AutoRepeat, holding it clicks after 500 ms, then every 50 ms, and once
// more on a release inside Rect. The timer is made on first use.
class TiPlotButton : public TiPlotObject {
 public:
  explicit TiPlotButton(const TiPlotObjectHooks& hooks);
  ~TiPlotButton() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  TRect Rect;
  int32_t GroupIndex = 0;  // 0: a plain button
  bool AutoRepeat = false;
  bool Down() const { return Down_; }
  void SetDown(bool value);  // OnInvalidate, OnDownChange

  TiObjectEvent OnClick, OnGroupClick, OnInvalidate, OnDownChange;
  TiPlotTimerFactory TimerFactory;  // null: the platform's timer

  void SetEnabled(bool value) override;  // disabling frees the repeat timer
  void DoMouseLeftDown(const TiPlotMouseData& mouse) override;
  void DoMouseDrag(const TiPlotMouseData& mouse) override {}
  void DoMouseUp(const TiPlotMouseData& mouse) override;

 private:
  void RepeatTick();
  void StopTimer();
  void Fire(const TiObjectEvent& event) {
    if (event) event(this);
  }
  bool Down_ = false;
  bool FirstTick_ = false;
  std::unique_ptr<TiPlotTimer> Timer_;
};
