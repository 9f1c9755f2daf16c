// The toolbar: a strip of 14 picture buttons (and separators) with which the
// operator controls the chart: resume and pause tracking, scroll or zoom
// mode for axis drags, zoom all axes out and in, select mode, zoom box, data
// cursors, the property editor, copy, save, print and preview.
//
// The buttons are sub-objects: they are not in any manager; the toolbar's
// hit test hands the plot the button under the pointer, and the plot sends
// that button the mouse. Button rectangles are placed by Draw (hidden
// buttons take no space), so hit tests see the layout of the last paint.
// Everything the buttons start outside the object model goes through Chart
// (see iToolBarChart.h).
#pragma once
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "plot/dIredObjects.h"
#include "plot/iToolBarChart.h"
#include "plot/iToolBarImageList.h"

class TiPlotMasterManager;
class TiPlotToolBar;

class TiPlotToolBarButton : public TiPlotButton {
 public:
  // A separator has no type, glyph or hint. `glyphName` is the large one.
  TiPlotToolBarButton(TiPlotToolBar& toolBar, TiPlotToolBarButtonType type, std::string hint,
                      std::string glyphName, int32_t groupIndex);
  static std::unique_ptr<TiPlotToolBarButton> Separator(TiPlotToolBar& toolBar);

  TiPlotToolBar& ToolBar() const { return ToolBar_; }
  TiPlotToolBarButtonType ButtonType() const { return Type_; }
  bool IsSeparator() const { return Separator_; }
  const std::string& Hint() const { return Hint_; }  // untranslated
  const std::string& GlyphName() const { return GlyphName_; }  // "ZOOMIN" or "SMALLZOOMIN"
  void SetSmallGlyph(bool small);  // the glyph is loaded again at the next paint
  int ImageIndex() const { return ImageIndex_; }  // -1 until loaded
  bool Pressed() const { return Pressed_; }       // the left button is held on it
  bool Hot() const { return Hot_; }               // the pointer is over it
  void SetHot(bool value);
  bool Flat() const { return Flat_; }
  void SetFlat(bool value) { Flat_ = value; }

  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  // A right press opens the toolbar's menu, whatever the button's state.
  void MouseDown(TiPlotMouseButton button, TiPlotShiftState shift, TiPopupMenu* menu, int screenX, int screenY,
                 int x, int y) override;
  void DoMouseLeftDown(const TiPlotMouseData& mouse) override;
  void DoMouseUp(const TiPlotMouseData& mouse) override;
  void DoMouseHover(const TiPlotMouseData& mouse, TiPlotHintData& hint) override;
  void MouseLeave() override { SetHot(false); }

 private:
  TiPlotToolBarButton(TiPlotToolBar& toolBar, bool separator);
  TiPlotToolBar& ToolBar_;
  TiPlotToolBarButtonType Type_ = iptbbtResume;
  bool Separator_ = false;
  std::string Hint_;
  std::string LargeGlyph_;
  std::string GlyphName_;
  int ImageIndex_ = -1;
  bool Pressed_ = false;
  bool Hot_ = false;
  bool Flat_ = false;
};

class TiPlotToolBar : public TiPlotLayoutObject {
 public:
  explicit TiPlotToolBar(const TiPlotObjectHooks& hooks);
  ~TiPlotToolBar() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // Published. Each Show... reads and writes the Visible of its button(s);
  // a pair reads its first button.
  bool ShowResumeButton() const { return Shown(iptbbtResume); }
  void SetShowResumeButton(bool value) { Show({iptbbtResume}, value); }
  bool ShowPauseButton() const { return Shown(iptbbtPause); }
  void SetShowPauseButton(bool value) { Show({iptbbtPause}, value); }
  bool ShowAxesModeButtons() const { return Shown(iptbbtScrollMode); }
  void SetShowAxesModeButtons(bool value) { Show({iptbbtScrollMode, iptbbtZoomMode}, value); }
  bool ShowZoomInOutButtons() const { return Shown(iptbbtZoomOut); }
  void SetShowZoomInOutButtons(bool value) { Show({iptbbtZoomOut, iptbbtZoomIn}, value); }
  bool ShowSelectButton() const { return Shown(iptbbtSelect); }
  void SetShowSelectButton(bool value) { Show({iptbbtSelect}, value); }
  bool ShowZoomBoxButton() const { return Shown(iptbbtZoomBox); }
  void SetShowZoomBoxButton(bool value) { Show({iptbbtZoomBox}, value); }
  bool ShowCursorButton() const { return Shown(iptbbtCursor); }
  void SetShowCursorButton(bool value) { Show({iptbbtCursor}, value); }
  bool ShowEditButton() const { return Shown(iptbbtProperties); }
  void SetShowEditButton(bool value) { Show({iptbbtProperties}, value); }
  bool ShowCopyButton() const { return Shown(iptbbtCopy); }
  void SetShowCopyButton(bool value) { Show({iptbbtCopy}, value); }
  bool ShowSaveButton() const { return Shown(iptbbtSave); }
  void SetShowSaveButton(bool value) { Show({iptbbtSave}, value); }
  bool ShowPrintButton() const { return Shown(iptbbtPrint); }
  void SetShowPrintButton(bool value) { Show({iptbbtPrint}, value); }
  bool ShowPreviewButton() const { return Shown(iptbbtPreview); }
  void SetShowPreviewButton(bool value) { Show({iptbbtPreview}, value); }
  double ZoomInOutFactor() const { return ZoomInOutFactor_; }
  void SetZoomInOutFactor(double value);  // below 1 (or not a number) stored as 1
  bool FlatBorder() const { return FlatBorder_; }
  void SetFlatBorder(bool value) { SetProperty(FlatBorder_, value); }
  bool FlatButtons() const { return FlatButtons_; }
  void SetFlatButtons(bool value);
  bool SmallButtons() const { return SmallButtons_; }
  void SetSmallButtons(bool value);

  // The buttons in display order, separators included.
  int ButtonCount() const { return static_cast<int>(Buttons_.size()); }
  TiPlotToolBarButton* Button(int index) const;  // "List index out of bounds (n)"
  TiPlotToolBarButton& ButtonOf(TiPlotToolBarButtonType type) const { return *ByType_[type]; }
  TiToolBarImageList& Images() { return Images_; }
  int Index() const;  // in the toolbar manager; -1 when in none

  // Queries and click operations the plot and other objects use.
  bool CursorButtonDown() const { return ButtonOf(iptbbtCursor).Down(); }
  bool ZoomBoxButtonDown() const { return ButtonOf(iptbbtZoomBox).Down(); }
  bool SelectButtonDown() const { return ButtonOf(iptbbtSelect).Down(); }
  void ClickSelect() { Click(iptbbtSelect); }
  void ClickCursor() { Click(iptbbtCursor); }
  void ClickPause() { Click(iptbbtPause); }
  // Runs the button's action, as a click on it does (enabled or not).
  void Click(TiPlotToolBarButtonType type);

  TiPlotToolBarChart Chart;

  int GetRequiredThickness(TCanvas* canvas) override { return SmallButtons_ ? 28 : 36; }
  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  // The first visible button (separators too) whose rectangle holds the
  // point (raw pixels); otherwise the toolbar itself.
  TiPlotObject* GetHitObject(int x, int y) override;
  // On the raw pixels, as the button rectangles are.
  bool HitTest(const TiPlotMouseData& mouse) override;
  void DoMouseHover(const TiPlotMouseData& mouse, TiPlotHintData& hint) override;
  void MouseLeave() override { SetHotButton(nullptr); }
  void DoGotFocus() override;  // every other toolbar with the focus loses it

  // For the buttons: `hot` becomes the one hot button (null: none).
  void SetHotButton(TiPlotToolBarButton* hot);
  // A button's state changed: repaint, except while Draw brings the states
  // up to date (that paint already shows them) and while the toolbar is
  // being built.
  void ButtonChanged();

 private:
  TiPlotMasterManager* Master() const;  // null without an owner
  bool Shown(TiPlotToolBarButtonType type) const { return ButtonOf(type).Visible(); }
  void Show(std::initializer_list<TiPlotToolBarButtonType> types, bool value);
  void AddButton(std::unique_ptr<TiPlotToolBarButton> button);
  void AddButton(TiPlotToolBarButtonType type, const char* hint, const char* glyph, int32_t group);
  // A separator shown while either of two buttons is.
  void AddSeparator(TiPlotToolBarButtonType first, TiPlotToolBarButtonType second);
  void InstallActions();
  void ReleaseGroup(const TiPlotToolBarButton& clicked);
  void RunAction(TiPlotToolBarButtonType type);
  void Resume();
  void SetTrackingAll(bool enabled);
  void SetAxesModeAll(uint8_t mode);
  void ZoomAll(bool in);
  void CursorDownChanged();
  void SelectDownChanged();
  void Fire(TiPlotToolBarButtonType type);
  template <class F>
  void ForEachAxis(F&& action) const;
  void UpdateSeparators();
  void UpdateEnabledStates();
  void PlaceButtons();

  struct TSeparatorRule {
    TiPlotToolBarButton* Separator;
    TiPlotToolBarButtonType First, Second;
  };
  std::vector<std::unique_ptr<TiPlotToolBarButton>> Buttons_;
  std::vector<TSeparatorRule> SeparatorRules_;
  TiPlotToolBarButton* ByType_[iptbbtPreview + 1] = {};
  TiToolBarImageList Images_{24};
  double ZoomInOutFactor_ = 2.0;
  bool FlatBorder_ = false;
  bool FlatButtons_ = false;
  bool SmallButtons_ = false;
  bool Quiet_ = false;  // while constructing and while Draw updates the states
};
