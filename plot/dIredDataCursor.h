// A data cursor: reads a channel's values at a pointer. Here: what the object
// model needs of it (its channel by name, its data view) and what a channel
// needs to read for it (its style, the pixels of its pointers, and where the
// reading goes); drawing, dragging, hint and menus are added by the cursor's
// own work.
#pragma once
#include <vector>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Canvas.h"
#include "plot/dIredObjects.h"

class TiPlotChannelCustom;
class TiPlotDataView;
class TiPlotChannelManager;

// What a cursor measures.
enum TiPlotDataCursorStyle : uint8_t {
  ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX
};
inline const std::vector<std::string>& EnumValueNames(TiPlotDataCursorStyle) {
  static const std::vector<std::string> names{"ipcsValueXY", "ipcsValueX", "ipcsValueY", "ipcsDeltaX",
      "ipcsDeltaY", "ipcsInverseDeltaX"};
  return names;
}

// Side of the pointer line the hint box sits on.
enum TiOrientationSide : uint8_t { iosBottomRight, iosTopLeft };
inline const std::vector<std::string>& EnumValueNames(TiOrientationSide) {
  static const std::vector<std::string> names{"iosBottomRight", "iosTopLeft"};
  return names;
}

// Which pointers a style shows and how they lie on the screen.
struct TiDataCursorLayout {
  bool Pointer1Shown = true, Pointer2Shown = false;
  bool Pointer1Horizontal = false, Pointer2Horizontal = false;
  bool HintAlongX = false;  // the hint slides left and right
};
// The layout of a style on the strip chart or the XY chart; reversed axes
// swap every orientation.
TiDataCursorLayout DataCursorLayout(TiPlotDataCursorStyle style, bool xyChart, bool axesReversed);

// The status of a reading: a value, no value there, outside the data.
enum : int { ipcrValue = 0, ipcrNoValue = 1, ipcrOutside = 2 };

class TiPlotDataCursor : public TiPlotManagerObject {
 public:
  explicit TiPlotDataCursor(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // The channel read, or "<All>" for every channel.
  const std::string& ChannelName() const { return ChannelName_; }
  void SetChannelName(const std::string& value);
  // With "<All>", legend 0 shows the readings.
  bool ChannelShowAllInLegend() const { return ChannelShowAllInLegend_; }
  void SetChannelShowAllInLegend(bool value) { SetProperty(ChannelShowAllInLegend_, value); }
  TiPlotDataCursorStyle Style() const { return Style_; }
  void SetStyle(TiPlotDataCursorStyle value);
  bool ChannelAllowAll() const { return ChannelAllowAll_; }
  void SetChannelAllowAll(bool value) { SetProperty(ChannelAllowAll_, value); }
  const TFont& Font() const { return Font_; }
  void SetFont(const TFont& value) { SetProperty(Font_, value); }
  TColor Color() const { return Color_; }
  void SetColor(TColor value) { SetProperty(Color_, value); }
  bool UseChannelColor() const { return UseChannelColor_; }
  void SetUseChannelColor(bool value) { SetProperty(UseChannelColor_, value); }
  bool HintShow() const { return HintShow_; }
  void SetHintShow(bool value) { SetProperty(HintShow_, value); }
  bool HintHideOnRelease() const { return HintHideOnRelease_; }
  void SetHintHideOnRelease(bool value) { SetProperty(HintHideOnRelease_, value); }
  TiOrientationSide HintOrientationSide() const { return HintOrientationSide_; }
  void SetHintOrientationSide(TiOrientationSide value) { SetProperty(HintOrientationSide_, value); }
  // Along the pointer line in percent, clamped like the pointers.
  double HintPosition() const { return HintPosition_; }
  void SetHintPosition(double value);
  int PointerPenWidth() const { return PointerPenWidth_; }
  void SetPointerPenWidth(int value) { SetProperty(PointerPenWidth_, value); }
  bool MenuUserCanChangeOptions() const { return MenuUserCanChangeOptions_; }
  void SetMenuUserCanChangeOptions(bool value) { SetProperty(MenuUserCanChangeOptions_, value); }
  // Per style, indexed by TiPlotDataCursorStyle.
  bool MenuItemVisible(TiPlotDataCursorStyle style) const { return MenuItemVisible_[style]; }
  void SetMenuItemVisible(TiPlotDataCursorStyle style, bool value);
  const std::string& MenuItemCaption(TiPlotDataCursorStyle style) const { return MenuItemCaption_[style]; }
  void SetMenuItemCaption(TiPlotDataCursorStyle style, const std::string& value);
  // Positions across the data view in percent (0 at left and bottom); below
  // 0 or not a number is stored as 0, above 100 as 100.
  double Pointer1Position() const { return Pointer1Position_; }
  void SetPointer1Position(double value);
  double Pointer2Position() const { return Pointer2Position_; }
  void SetPointer2Position(double value);

  // The bound channel, looked up by name on first use; null when absent.
  TiPlotChannelCustom* Channel();
  // The data view it draws in (the plot sets it at every paint).
  TiPlotDataView* DataView() const { return DataView_; }
  void SetDataView(TiPlotDataView* view);

  // The strip chart or the XY chart (the plot says which at every paint).
  bool XYChart() const { return XYChart_; }
  void SetXYChart(bool value);
  void SetXYAxesReverse(bool value) override;
  const TiDataCursorLayout& Layout() const { return Layout_; }

  // The pixel of pointer 1 or 2 along the x axis's direction (alongX) or the
  // y axis's, whichever way the chart's axes lie; 0 without a data view.
  int PointerPixel(int pointer, bool alongX) const;

  // The last reading a channel reported: stored, and OnValuesChange raised
  // only when one of the three differs.
  void SetValues(int status, double y, double x);
  int ValueStatus() const { return Status_; }
  double ValueY() const { return ValueY_; }
  double ValueX() const { return ValueX_; }
  // The channel's text of its reading (the hint shows it).
  const std::string& HintText() const { return HintText_; }
  void SetHintText(const std::string& text) { HintText_ = text; }
  TiObjectEvent OnValuesChange;

  // Raises OnBeforeUpdate, then asks the bound channel, or with "<All>"
  // every channel, for its reading.
  void UpdateState();
  TiObjectEvent OnBeforeUpdate;
  // May replace the hint text before it is drawn.
  std::function<void(TiPlotDataCursor*, std::string&)> OnCustomizeHint;

  // The pointers and the hint box (visible and with a data view only).
  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  // From the last drawing: the grab band of pointer 1 or 2 (empty when not
  // shown) and the hint box (empty when not drawn).
  const TRect& PointerBand(int pointer) const { return pointer == 1 ? Band1_ : Band2_; }
  const TRect& HintRect() const { return HintRect_; }
  enum TDrag : uint8_t { dragNone, dragHint, dragPointer1, dragPointer2 };
  TDrag Dragging() const { return Drag_; }

  // Pressing a pointer's band or the hint box drags it; keys move the
  // pointers and the hint while the cursor has the focus.
  bool HitTest(const TiPlotMouseData& mouse) override;
  TiPlotCursorId GetMouseCursor(TPoint point) override;
  void DoMouseLeftDown(const TiPlotMouseData& mouse) override;
  void DoMouseDrag(const TiPlotMouseData& mouse) override;
  void DoMouseUp(const TiPlotMouseData& mouse) override;
  void KeyDown(int& key, TiPlotShiftState shift) override;
  void DoGotFocus() override;
  // "Channel", "Style", "Options", "Flip Alignment", then "Edit...".
  void AddMenuItems(TiPopupMenu& menu) override;
  void NotifyFocus(TiPlotObject* object) override;

  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;

 private:
  // Where a pointer's line lies across the view (x pixel of a vertical line,
  // y pixel of a horizontal one), and where the hint sits along it.
  int LinePixel(int pointer) const;
  int HintPixel() const;
  bool IsDeltaStyle() const { return Style_ == ipcsDeltaX || Style_ == ipcsDeltaY || Style_ == ipcsInverseDeltaX; }
  bool HintWanted() const;
  std::string HintTextShown();
  TRect PlaceHint(const TRect& view, int width, int height);
  void DrawHintBox(TCanvas& canvas, TColor pointerColor);
  // Whether the dragged item moves along the screen's x.
  bool DragAlongX() const;
  // The percent covered by one pixel of the view across x or y.
  double StepPercent(bool alongX) const;
  void MovePointer(int pointer, int key, bool hintToo);
  void SetPointerPosition(int pointer, double value);
  void Changed();
  TiPlotChannelManager* Channels() const;
  void AddChannelMenu(TiMenuItem& menu);
  void AddStyleMenu(TiMenuItem& menu);
  void AddOptionsMenu(TiMenuItem& menu);

  std::string ChannelName_;
  bool ChannelShowAllInLegend_ = true;
  TiPlotDataCursorStyle Style_ = ipcsValueXY;
  bool ChannelAllowAll_ = true;
  TFont Font_;
  TColor Color_ = clYellow;
  bool UseChannelColor_ = true, HintShow_ = true, HintHideOnRelease_ = false;
  TiOrientationSide HintOrientationSide_ = iosBottomRight;
  double HintPosition_ = 50;
  int PointerPenWidth_ = 1;
  bool MenuUserCanChangeOptions_ = true;
  bool MenuItemVisible_[6] = {true, true, true, true, true, true};
  std::string MenuItemCaption_[6];
  bool XYChart_ = false;
  TRect Band1_{}, Band2_{}, HintRect_{};
  TDrag Drag_ = dragNone;
  int DragStart_ = 0;     // pixel of the dragged item when pressed
  TPoint DragFrom_{};     // where the press was
  TiDataCursorLayout Layout_;
  double Pointer1Position_ = 50, Pointer2Position_ = 60;
  int Status_ = -1;  // no reading yet
  double ValueY_ = 0, ValueX_ = 0;
  std::string HintText_;
  // The references with their identities as plot objects, compared when an
  // object goes away (it can no longer be converted then).
  TiPlotChannelCustom* Channel_ = nullptr;
  TiPlotObject* ChannelId_ = nullptr;
  TiPlotDataView* DataView_ = nullptr;
  TiPlotObject* DataViewId_ = nullptr;
};
