#include "plot/dIredObjects.h"

#include "platform/Exception.h"
#include "platform/Rounding.h"
#include "platform/Timer.h"
#include "plot/dIredMasterManager.h"
#include "plot/iMath.h"

// ---- menu ------------------------------------------------------------------

TiMenuItem* TiPopupMenu::Add(std::string caption) { return Insert(Items.size(), std::move(caption)); }

TiMenuItem* TiPopupMenu::Insert(size_t index, std::string caption) {
  auto item = std::make_unique<TiMenuItem>();
  item->Caption = std::move(caption);
  TiMenuItem* raw = item.get();
  Items.insert(Items.begin() + static_cast<std::ptrdiff_t>(std::min(index, Items.size())), std::move(item));
  return raw;
}

void TiPopupMenu::Clear() {
  while (!Items.empty()) Items.pop_back();
}

std::string TiPlotOwner::Translate(const std::string& text) {
  TiPlotMasterManager* master = MasterManager();
  if (!master || !master->TranslationManager()) return text;
  return master->TranslationManager()->Translate(text);
}

// ---- TiPlotObject ----------------------------------------------------------

TiPlotObject::TiPlotObject(const TiPlotObjectHooks& hooks)
    : OnChange(hooks.OnChange),
      OnRemove(hooks.OnRemove),
      OnInsert(hooks.OnInsert),
      OnRename(hooks.OnRename),
      Owner_(hooks.Owner) {}

TiPlotObject::~TiPlotObject() {
  if (OnRemove) OnRemove(this);
  DoLayoutChange();
}

const TClassInfo& TiPlotObject::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotObject>("TiPlotObject")
                                     .String("Name", &TiPlotObject::Name, &TiPlotObject::SetName)
                                     .Bool("Visible", &TiPlotObject::Visible, &TiPlotObject::SetVisible)
                                     .Default(1)
                                     .Bool("Enabled", &TiPlotObject::Enabled, &TiPlotObject::SetEnabled)
                                     .Default(1)
                                     .Integer("Layer", &TiPlotObject::Layer, &TiPlotObject::SetLayer)
                                     .Default(100)
                                     .Bool("PopupEnabled", &TiPlotObject::PopupEnabled,
                                           &TiPlotObject::SetPopupEnabled)
                                     .Default(1)
                                     .Build();
  return info;
}

void TiPlotObject::SetName(const std::string& value) {
  if (value == Name_) return;
  OldName_ = Name_;
  Name_ = value;
  if (OnRename) OnRename(this);
  DoChange();
}

void TiPlotObject::SetVisible(bool value) { SetProperty(Visible_, value); }

void TiPlotObject::SetEnabled(bool value) {
  if (!StoreChanged(Enabled_, value)) return;
  if (!value) {
    MouseDownActive_ = false;
    SetFocused(false);
  }
  DoChange();
}

void TiPlotObject::SetFocused(bool value) {
  if (!StoreChanged(Focused_, value)) return;
  if (OnRepaintNow) OnRepaintNow(this);
  if (!value) {
    DoLostFocus();
    return;
  }
  if (OnGotFocus) OnGotFocus(this);
  DoGotFocus();
}

std::string TiPlotObject::LayerKey() const { return ZeroPadded(Layer_, 6); }

std::string TiPlotObject::Translate(const std::string& text) const {
  return Owner_ ? Owner_->Translate(text) : text;
}

void TiPlotObject::DoLayoutChange() {
  if (OnLayoutChange) OnLayoutChange(this);
  DoChange();
}

void TiPlotObject::DoGotFocus() {
  if (Owner_) Owner_->ObjectGotFocus(this);
}

void TiPlotObject::DoLostFocus() {
  if (Owner_) Owner_->ObjectLostFocus(this);
}

TiPlotObject* TiPlotObject::GetHitObject(int x, int y) {
  HitObject_ = this;
  return this;
}

TiPlotCursorId TiPlotObject::GetMouseCursor(TPoint point) {
  if (HitObject_ && HitObject_ != this) return HitObject_->GetMouseCursor(point);
  return crDefault;
}

void TiPlotObject::Inserted() {
  if (OnInsert) OnInsert(this);
}

TiPlotMouseData TiPlotObject::MouseRecord(TiPlotMouseButton button, TiPlotShiftState shift, int x, int y) const {
  TiPlotMouseData m;
  m.RawX = x;
  m.RawY = y;
  m.X = XYAxesReverse_ ? y : x;
  m.Y = XYAxesReverse_ ? x : y;
  m.Button = button;
  m.Shift = shift;
  m.AxisMultiSelect = MultiSelect_;
  return m;
}

void TiPlotObject::MouseDown(TiPlotMouseButton button, TiPlotShiftState shift, TiPopupMenu* menu, int screenX,
                             int screenY, int x, int y) {
  if (!Enabled_) return;
  const TiPlotMouseData mouse = MouseRecord(button, shift, x, y);
  if (button == ipmbRight) {
    if (PopupEnabled_ && menu && Owner_ && Owner_->ObjectPopupAllowed(this)) {
      AddMenuItems(*menu);
      Owner_->ShowPopupMenu(*menu, screenX, screenY);
    }
  } else if (button == ipmbLeft) {
    MouseDownActive_ = true;
    DoMouseLeftDown(mouse);
  }
  if (HitTest(mouse) && Owner_) Owner_->ObjectMouseDown(this, mouse);
}

void TiPlotObject::MouseMove(TiPlotHintData& hint, TiPlotShiftState shift, bool multiSelect, int screenX,
                             int screenY, int x, int y) {
  MultiSelect_ = multiSelect;
  const TiPlotMouseData mouse = MouseRecord(ipmbLeft, shift, x, y);
  if (MouseDownActive_) DoMouseDrag(mouse);
  else DoMouseHover(mouse, hint);
  if (HitTest(mouse) && Owner_) Owner_->ObjectMouseMove(this, mouse);
}

void TiPlotObject::MouseUp(TiPlotMouseButton button, TiPlotShiftState shift, bool dblClick, int x, int y) {
  const TiPlotMouseData mouse = MouseRecord(button, shift, x, y);
  DoMouseUp(mouse);
  if (!MouseDownActive_) return;
  MouseDownActive_ = false;
  if (HitTest(mouse) && Owner_) Owner_->ObjectClick(this, mouse);
}

void TiPlotObject::AddMenuItems(TiPopupMenu& menu) {
  menu.Clear();
  if (!EditAllowed_) return;
  TiMenuItem* edit = menu.Add(Translate("Edit..."));
  edit->OnClick = [this] {
    if (OnEditRequest) OnEditRequest(this);
  };
}

// ---- TiPlotManagerObject ---------------------------------------------------

namespace {
const TiPlotObjectHooks& CheckedHooks(const TiPlotObjectHooks& hooks, const char* ownerMessage) {
  if (!hooks.Owner) throw Exception(ownerMessage);
  if (!hooks.OnChange) throw Exception("OnChange event handler can not be null");
  if (!hooks.OnInsert) throw Exception("OnInsert event handler can not be null");
  if (!hooks.OnRemove) throw Exception("OnRemove event handler can not be null");
  if (!hooks.OnRename) throw Exception("AOnRename event handler can not be null");
  return hooks;
}
}  // namespace

TiPlotManagerObject::TiPlotManagerObject(const TiPlotObjectHooks& hooks)
    : TiPlotObject(CheckedHooks(hooks, "Owner must be assigned")) {}

const TClassInfo& TiPlotManagerObject::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiPlotManagerObject>("TiPlotManagerObject").Inherits<TiPlotObject>().Build();
  return info;
}

// ---- TiPlotLayoutObject ----------------------------------------------------

TiPlotLayoutObject::TiPlotLayoutObject(const TiPlotObjectHooks& hooks) : TiPlotManagerObject(hooks) {}

const TClassInfo& TiPlotLayoutObject::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiPlotLayoutObject>("TiPlotLayoutObject")
          .Inherits<TiPlotManagerObject>()
          .Float("StopPercent", &TiPlotLayoutObject::StopPercent, &TiPlotLayoutObject::SetStopPercent)
          .DefaultFloat(100)
          .Float("StartPercent", &TiPlotLayoutObject::StartPercent, &TiPlotLayoutObject::SetStartPercent)
          .DefaultFloat(0)
          .Integer("ZOrder", &TiPlotLayoutObject::ZOrder, &TiPlotLayoutObject::SetZOrder)
          .Default(0)
          .Bool("Horizontal", &TiPlotLayoutObject::Horizontal, &TiPlotLayoutObject::SetHorizontal)
          .Default(0)
          .Build();
  return info;
}

// The extent stays at least 5 wide: the other end moves, and at the edge of
// 0 .. 100 this end gives way instead.
void TiPlotLayoutObject::SetStartPercent(double value) {
  value = Clamp(value, 0, 100);
  double stop = StopPercent_;
  if (stop - value < 5) {
    stop = value + 5;
    if (stop > 100) {
      stop = 100;
      value = 95;
    }
  }
  const bool first = StoreChanged(StopPercent_, stop);  // both are stored, whichever changes
  const bool second = StoreChanged(StartPercent_, value);
  if (first || second) DoChange();
}

void TiPlotLayoutObject::SetStopPercent(double value) {
  value = Clamp(value, 0, 100);
  double start = StartPercent_;
  if (value - start < 5) {
    start = value - 5;
    if (start < 0) {
      start = 0;
      value = 5;
    }
  }
  const bool first = StoreChanged(StartPercent_, start);  // both are stored, whichever changes
  const bool second = StoreChanged(StopPercent_, value);
  if (first || second) DoChange();
}

std::string TiPlotLayoutObject::ZOrderKey() const { return ZeroPadded(ZOrder_, 3); }
std::string TiPlotLayoutObject::StartKey() const { return ZeroPadded(Round(StartPercent_), 3); }

// The rectangle is where the object is drawn: the pointer as it is on screen,
// not as exchanged for reversed axes.
bool TiPlotLayoutObject::HitTest(const TiPlotMouseData& mouse) { return Rect_.Contains({mouse.RawX, mouse.RawY}); }

void TiPlotLayoutObject::Inserted() {
  TiPlotManagerObject::Inserted();
  if (OnLayoutChange) OnLayoutChange(this);
}

// ---- TiPlotButton ----------------------------------------------------------

namespace {
// The platform's message timer behind the button's timer seam.
class TPlatformRepeatTimer : public TiPlotTimer {
 public:
  TPlatformRepeatTimer() {
    timer_.SetEnabled(false);
    timer_.OnTimer = [this] {
      if (OnTimer) OnTimer();
    };
  }
  void SetInterval(int milliseconds) override { timer_.SetInterval(milliseconds); }
  void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }

 private:
  TTimer timer_;
};
}  // namespace

TiPlotButton::TiPlotButton(const TiPlotObjectHooks& hooks) : TiPlotObject(hooks) {}
TiPlotButton::~TiPlotButton() = default;

const TClassInfo& TiPlotButton::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlotButton>("TiPlotButton").Inherits<TiPlotObject>().Build();
  return info;
}

void TiPlotButton::SetDown(bool value) {
  if (!StoreChanged(Down_, value)) return;
  Fire(OnInvalidate);
  Fire(OnDownChange);
}

void TiPlotButton::SetEnabled(bool value) {
  if (!value) StopTimer();
  TiPlotObject::SetEnabled(value);
}

void TiPlotButton::DoMouseLeftDown(const TiPlotMouseData& mouse) {
  if (AutoRepeat) {
    if (!Timer_) {
      Timer_ = TimerFactory ? TimerFactory() : std::make_unique<TPlatformRepeatTimer>();
      Timer_->OnTimer = [this] { RepeatTick(); };
    }
    FirstTick_ = true;
    Timer_->SetEnabled(false);
    Timer_->SetInterval(500);
    Timer_->SetEnabled(true);
  }
  Fire(OnInvalidate);
}

// Stopped rather than freed: a click handler may disable the button from
// inside the timer's own tick.
void TiPlotButton::StopTimer() {
  if (Timer_) Timer_->SetEnabled(false);
}

void TiPlotButton::RepeatTick() {
  if (FirstTick_) {
    FirstTick_ = false;
    Timer_->SetInterval(50);
  }
  Fire(OnClick);
  Fire(OnInvalidate);
}

void TiPlotButton::DoMouseUp(const TiPlotMouseData& mouse) {
  if (!MouseDownActive()) return;
  StopTimer();
  Fire(OnInvalidate);
  if (!Rect.Contains({mouse.RawX, mouse.RawY})) return;
  if (GroupIndex != 0) Fire(OnGroupClick);
  Fire(OnClick);
}
