#include "plot/dIredToolBar.h"

#include <algorithm>

#include "plot/dIredAxis.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredMasterManager.h"
#include "plot/iClassesList.h"

namespace {
// Keeps the zoom arithmetic finite: a factor of 1 leaves the axes alone, and
// 1e300 is as far as an axis span goes anyway.
double SaneZoomFactor(double value) {
  if (!(value >= 1)) return 1;  // below 1, or not a number
  return std::min(value, 1e300);
}

template <class F>
void Call(const std::function<F>& hook) {
  if (hook) hook();
}
}  // namespace

TiPlotToolBar::TiPlotToolBar(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks) {
  SetHorizontal(true);
  Quiet_ = true;
  AddButton(iptbbtResume, "Resume All (Tracking)", "AUTO", 0);
  AddButton(iptbbtPause, "Pause All (Tracking)", "PAUSE", 0);
  AddSeparator(iptbbtResume, iptbbtPause);
  AddButton(iptbbtScrollMode, "Scroll (Axes)", "SCROLL", 2);
  AddButton(iptbbtZoomMode, "Zoom (Axes)", "ZOOM", 2);
  AddSeparator(iptbbtScrollMode, iptbbtZoomMode);
  AddButton(iptbbtZoomOut, "Zoom Out All Axes", "ZOOMOUT", 0);
  AddButton(iptbbtZoomIn, "Zoom In All Axes", "ZOOMIN", 0);
  AddSeparator(iptbbtZoomOut, iptbbtZoomIn);
  AddButton(iptbbtSelect, "Select", "SELECT", -1);
  AddButton(iptbbtZoomBox, "Zoom Box", "SCROLLBOX", -1);
  AddButton(iptbbtCursor, "Cursor", "CURSOR", -2);
  // The select button does not keep this separator.
  AddSeparator(iptbbtZoomBox, iptbbtCursor);
  AddButton(iptbbtProperties, "Properties", "PROPERTIES", 0);
  AddSeparator(iptbbtProperties, iptbbtProperties);
  AddButton(iptbbtCopy, "Copy to Clipboard", "COPY", 0);
  AddButton(iptbbtSave, "Save to File", "SAVE", 0);
  AddButton(iptbbtPrint, "Print", "PRINTER", 0);
  AddButton(iptbbtPreview, "Preview", "PREVIEW", 0);

  ButtonOf(iptbbtScrollMode).SetDown(true);
  ButtonOf(iptbbtSelect).SetVisible(false);
  ButtonOf(iptbbtPreview).SetVisible(false);
  InstallActions();
  Quiet_ = false;
}

// The buttons go first and quietly: the toolbar is no longer there to
// repaint for them.
TiPlotToolBar::~TiPlotToolBar() {
  for (auto& b : Buttons_) {
    b->OnChange = nullptr;
    b->OnInvalidate = nullptr;
    b->OnDownChange = nullptr;
  }
  Buttons_.clear();
}

const TClassInfo& TiPlotToolBar::StaticClass() {
  using T = TiPlotToolBar;
  static const TClassInfo info =
      TClassBuilder<T>("TiPlotToolBar")
          .Inherits<TiPlotLayoutObject>()
          .Bool("ShowResumeButton", &T::ShowResumeButton, &T::SetShowResumeButton).Default(1)
          .Bool("ShowPauseButton", &T::ShowPauseButton, &T::SetShowPauseButton).Default(1)
          .Bool("ShowAxesModeButtons", &T::ShowAxesModeButtons, &T::SetShowAxesModeButtons).Default(1)
          .Bool("ShowZoomInOutButtons", &T::ShowZoomInOutButtons, &T::SetShowZoomInOutButtons).Default(1)
          .Bool("ShowSelectButton", &T::ShowSelectButton, &T::SetShowSelectButton).Default(0)
          .Bool("ShowZoomBoxButton", &T::ShowZoomBoxButton, &T::SetShowZoomBoxButton).Default(1)
          .Bool("ShowCursorButton", &T::ShowCursorButton, &T::SetShowCursorButton).Default(1)
          .Bool("ShowEditButton", &T::ShowEditButton, &T::SetShowEditButton).Default(1)
          .Bool("ShowCopyButton", &T::ShowCopyButton, &T::SetShowCopyButton).Default(1)
          .Bool("ShowSaveButton", &T::ShowSaveButton, &T::SetShowSaveButton).Default(1)
          .Bool("ShowPrintButton", &T::ShowPrintButton, &T::SetShowPrintButton).Default(1)
          .Bool("ShowPreviewButton", &T::ShowPreviewButton, &T::SetShowPreviewButton).Default(0)
          .Float("ZoomInOutFactor", &T::ZoomInOutFactor, &T::SetZoomInOutFactor).DefaultFloat(2)
          .Bool("FlatBorder", &T::FlatBorder, &T::SetFlatBorder).Default(0)
          .Bool("FlatButtons", &T::FlatButtons, &T::SetFlatButtons).Default(0)
          .Bool("SmallButtons", &T::SmallButtons, &T::SetSmallButtons).Default(0)
          .Build();
  return info;
}

// ---- buttons ---------------------------------------------------------------

void TiPlotToolBar::AddButton(std::unique_ptr<TiPlotToolBarButton> button) {
  button->OnChange = [this](TiObject*) { ButtonChanged(); };
  button->OnInvalidate = [this](TiObject*) { ButtonChanged(); };
  Buttons_.push_back(std::move(button));
}

void TiPlotToolBar::AddButton(TiPlotToolBarButtonType type, const char* hint, const char* glyph, int32_t group) {
  auto button = std::make_unique<TiPlotToolBarButton>(*this, type, hint, glyph, group);
  ByType_[type] = button.get();
  AddButton(std::move(button));
}

void TiPlotToolBar::AddSeparator(TiPlotToolBarButtonType first, TiPlotToolBarButtonType second) {
  AddButton(TiPlotToolBarButton::Separator(*this));
  SeparatorRules_.push_back({Buttons_.back().get(), first, second});
}

void TiPlotToolBar::InstallActions() {
  for (TiPlotToolBarButton* b : ByType_) {
    const TiPlotToolBarButtonType type = b->ButtonType();
    b->OnClick = [this, type](TiObject*) { Click(type); };
    b->OnGroupClick = [this, b](TiObject*) { ReleaseGroup(*b); };
  }
  ButtonOf(iptbbtCursor).OnDownChange = [this](TiObject*) { CursorDownChanged(); };
  ButtonOf(iptbbtSelect).OnDownChange = [this](TiObject*) { SelectDownChanged(); };
}

TiPlotToolBarButton* TiPlotToolBar::Button(int index) const {
  CheckListIndex(index, ButtonCount());
  return Buttons_[static_cast<size_t>(index)].get();
}

TiPlotMasterManager* TiPlotToolBar::Master() const { return Owner() ? Owner()->MasterManager() : nullptr; }

int TiPlotToolBar::Index() const {
  TiPlotMasterManager* master = Master();
  if (!master || !master->ToolBarManager()) return -1;
  return master->ToolBarManager()->IndexOf(this);
}

void TiPlotToolBar::Show(std::initializer_list<TiPlotToolBarButtonType> types, bool value) {
  for (TiPlotToolBarButtonType t : types) ButtonOf(t).SetVisible(value);
}

void TiPlotToolBar::ButtonChanged() {
  if (!Quiet_) DoChange();
}

void TiPlotToolBar::SetHotButton(TiPlotToolBarButton* hot) {
  for (auto& b : Buttons_) b->SetHot(b.get() == hot);
}

void TiPlotToolBar::ReleaseGroup(const TiPlotToolBarButton& clicked) {
  for (auto& b : Buttons_)
    if (b.get() != &clicked && !b->IsSeparator() && b->GroupIndex == clicked.GroupIndex) b->SetDown(false);
}

// ---- properties ------------------------------------------------------------

void TiPlotToolBar::SetZoomInOutFactor(double value) { SetProperty(ZoomInOutFactor_, SaneZoomFactor(value)); }

void TiPlotToolBar::SetFlatButtons(bool value) {
  if (!StoreChanged(FlatButtons_, value)) return;
  for (auto& b : Buttons_) b->SetFlat(value);
  DoChange();
}

void TiPlotToolBar::SetSmallButtons(bool value) {
  if (!StoreChanged(SmallButtons_, value)) return;
  for (auto& b : Buttons_) b->SetSmallGlyph(value);
  Images_.SetSize(value ? 16 : 24);
  DoChange();
}

// ---- actions ---------------------------------------------------------------

void TiPlotToolBar::Click(TiPlotToolBarButtonType type) {
  RunAction(type);
  Fire(type);
}

void TiPlotToolBar::RunAction(TiPlotToolBarButtonType type) {
  TiPlotToolBarButton& select = ButtonOf(iptbbtSelect);
  TiPlotToolBarButton& zoomBox = ButtonOf(iptbbtZoomBox);
  switch (type) {
    case iptbbtResume: Resume(); break;
    case iptbbtPause: SetTrackingAll(false); break;
    case iptbbtScrollMode:
      ButtonOf(iptbbtScrollMode).SetDown(true);
      ButtonOf(iptbbtZoomMode).SetDown(false);
      SetAxesModeAll(0);
      break;
    case iptbbtZoomMode:
      ButtonOf(iptbbtZoomMode).SetDown(true);
      ButtonOf(iptbbtScrollMode).SetDown(false);
      SetAxesModeAll(1);
      break;
    case iptbbtSelect:
      select.SetDown(!select.Down());
      zoomBox.SetDown(false);
      break;
    case iptbbtZoomBox:
      select.SetDown(false);
      zoomBox.SetDown(!zoomBox.Down());
      break;
    case iptbbtZoomOut: ZoomAll(false); break;
    case iptbbtZoomIn: ZoomAll(true); break;
    case iptbbtCursor: ButtonOf(iptbbtCursor).SetDown(!CursorButtonDown()); break;
    case iptbbtProperties:
      if (Master()) Master()->ShowEditor();
      break;
    case iptbbtCopy: Call(Chart.CopyToClipboard); break;
    case iptbbtSave: Call(Chart.SaveImageDialog); break;
    case iptbbtPrint: Call(Chart.PrintChart); break;
    case iptbbtPreview: Call(Chart.ShowPreview); break;
  }
}

void TiPlotToolBar::Fire(TiPlotToolBarButtonType type) {
  if (Chart.OnToolBarButtonClick) Chart.OnToolBarButtonClick(Index(), type);
}

// Resuming leaves the modes that hold tracking paused first.
void TiPlotToolBar::Resume() {
  if (CursorButtonDown()) ClickCursor();
  if (SelectButtonDown()) ClickSelect();
  if (Master()) Master()->ClearFocusAll();
  SetTrackingAll(true);
}

// The plot's pause and resume when it offers them; without them the same
// on the axes directly.
void TiPlotToolBar::SetTrackingAll(bool enabled) {
  const std::function<void()>& all = enabled ? Chart.ResumeAll : Chart.PauseAll;
  if (all) all();
  else ForEachAxis([&](TiPlotAxis& axis) { axis.SetTrackingEnabled(enabled); });
}

template <class F>
void TiPlotToolBar::ForEachAxis(F&& action) const {
  TiPlotMasterManager* master = Master();
  if (!master) return;
  for (TiPlotObjectManagerCustom* axes : {static_cast<TiPlotObjectManagerCustom*>(master->XAxisManager()),
                                          static_cast<TiPlotObjectManagerCustom*>(master->YAxisManager())})
    if (axes)
      for (TiPlotObject* o : std::vector<TiPlotObject*>(axes->Items())) action(*static_cast<TiPlotAxis*>(o));
}

void TiPlotToolBar::SetAxesModeAll(uint8_t mode) {
  ForEachAxis([&](TiPlotAxis& axis) { axis.SetAxesMode(mode); });
}

// Zooming pauses tracking first (and says so with the pause button's
// event). A logarithmic axis zooms by whole decades.
void TiPlotToolBar::ZoomAll(bool in) {
  ClickPause();
  ForEachAxis([&](TiPlotAxis& axis) {
    if (axis.ScaleType() == ipstLog10) axis.Zoom(in ? -1.0 : 1.0);
    else axis.Zoom(in ? 1 / ZoomInOutFactor_ : ZoomInOutFactor_);
  });
}

void TiPlotToolBar::CursorDownChanged() {
  TiPlotMasterManager* master = Master();
  TiPlotDataCursorManager* cursors = master ? master->DataCursorManager() : nullptr;
  const bool down = CursorButtonDown();
  if (cursors)
    for (TiPlotObject* c : std::vector<TiPlotObject*>(cursors->Items())) c->SetVisible(down);
  if (!down) return;
  SetTrackingAll(false);
  if (cursors && cursors->HasItems()) cursors->Item(0)->SetFocused(true);
}

void TiPlotToolBar::SelectDownChanged() {
  const bool down = SelectButtonDown();
  if (down) SetTrackingAll(false);
  if (Chart.SetSelectMode) Chart.SetSelectMode(down);
}

// ---- mouse and focus -------------------------------------------------------

bool TiPlotToolBar::HitTest(const TiPlotMouseData& mouse) { return GetRect().Contains({mouse.RawX, mouse.RawY}); }

TiPlotObject* TiPlotToolBar::GetHitObject(int x, int y) {
  for (auto& b : Buttons_)
    if (b->Visible() && b->Rect.Contains({x, y})) {
      SetHitObject(b.get());
      return b.get();
    }
  SetHitObject(this);
  return this;
}

void TiPlotToolBar::DoMouseHover(const TiPlotMouseData& mouse, TiPlotHintData& hint) {
  TiPlotObject* hit = GetHitObject(mouse.RawX, mouse.RawY);
  if (hit == this) SetHotButton(nullptr);
  else hit->DoMouseHover(mouse, hint);
}

void TiPlotToolBar::DoGotFocus() {
  TiPlotMasterManager* master = Master();
  if (master && master->ToolBarManager())
    for (TiPlotObject* other : std::vector<TiPlotObject*>(master->ToolBarManager()->Items()))
      if (other != this && other->Focused()) other->SetFocused(false);
  TiPlotLayoutObject::DoGotFocus();
}

// ---- drawing ---------------------------------------------------------------

void TiPlotToolBar::UpdateSeparators() {
  for (const TSeparatorRule& r : SeparatorRules_) r.Separator->SetVisible(Shown(r.First) || Shown(r.Second));
}

void TiPlotToolBar::UpdateEnabledStates() {
  bool anyTracking = false, anyPaused = false;
  ForEachAxis([&](TiPlotAxis& axis) {
    if (axis.TrackingEnabled()) anyTracking = true;
    else anyPaused = true;
  });
  ButtonOf(iptbbtResume).SetEnabled(anyPaused);
  ButtonOf(iptbbtPause).SetEnabled(anyTracking);
}

// Left to right whatever Horizontal says; a hidden button takes no space.
void TiPlotToolBar::PlaceButtons() {
  const int size = SmallButtons_ ? 22 : 30;
  const TRect& r = GetRect();
  int x = r.Left + 3;
  for (auto& b : Buttons_) {
    if (!b->Visible()) {
      b->Rect = {};
      continue;
    }
    const int width = b->IsSeparator() ? 10 : size;
    b->Rect = {x, r.Top + 3, x + width, r.Top + 3 + size};
    x += width;
  }
}

void TiPlotToolBar::Draw(TCanvas* canvas, TColor backGroundColor) {
  if (!Visible()) return;
  Quiet_ = true;
  struct TLoud {
    bool& quiet;
    ~TLoud() { quiet = false; }
  } loud{Quiet_};
  UpdateSeparators();
  UpdateEnabledStates();
  const TRect& r = GetRect();
  canvas->Brush.Color = clBtnFace;
  canvas->Brush.Style = bsSolid;
  canvas->FillRect({r.Left, r.Top, r.Right, r.Bottom + 1});
  if (!FlatBorder_) canvas->DrawEdge(r, esRaisedInner);
  PlaceButtons();
  for (auto& b : Buttons_)
    if (b->Visible()) b->Draw(canvas, backGroundColor);
}
