// The data view: the plot area itself. It fills its background, draws the
// grid lines of its grid axes and its border, shows the zoom box, moves the
// axes with mouse drags and the wheel, and converts percent positions (0 at
// left and bottom, 100 at right and top) to pixels and back.
#pragma once
#include <vector>
#include <string>

#include "plot/dIredAxis.h"
#include "plot/iGridLineStyle.h"

enum TiPlotAxesControlStyle : uint8_t { ipacsXAxis, ipacsYAxis, ipacsBoth };
inline const std::vector<std::string>& EnumValueNames(TiPlotAxesControlStyle) {
  static const std::vector<std::string> names{"ipacsXAxis", "ipacsYAxis", "ipacsBoth"};
  return names;
}

// What the data view asks of the chart it lies in; the plot component
// implements it. A chart without it has no zoom box, select mode or events.
class TiPlotDataViewHost {
 public:
  virtual ~TiPlotDataViewHost() = default;
  virtual bool SelectModeActive() = 0;   // the first toolbar's "Select" button
  virtual bool ZoomBoxModeActive() = 0;  // the first toolbar's "Zoom Box" button
  virtual bool AxisMultiSelect() = 0;
  virtual void PauseAll() = 0;
  virtual bool BeforeZoomBox(const TRect& rect) = 0;  // false cancels
  virtual void DataViewClick(TiPlotObject* view) = 0;
};

// The colour, width and style of one group of grid lines.
struct TiPlotGridLineGroup {
  bool Custom = false;
  TColor Color = 0x008000;
  int32_t Width = 0;
  TiPlotGridLineStyle Style = ipglsSolid;
  friend bool operator==(const TiPlotGridLineGroup&, const TiPlotGridLineGroup&) = default;
};
enum TiPlotGridGroup : uint8_t { ipggXMajor, ipggXMinor, ipggYMajor, ipggYMinor };

class TiPlotDataView : public TiPlotLayoutObject {
 public:
  enum TMouseMode : uint8_t { mmNone, mmSelect, mmZoomBox, mmAxesControl };

  explicit TiPlotDataView(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  const std::string& Title() const { return Title_; }
  void SetTitle(const std::string& value) { SetProperty(Title_, value); }
  bool BackgroundTransparent() const { return BackgroundTransparent_; }
  void SetBackgroundTransparent(bool value) { SetProperty(BackgroundTransparent_, value); }
  TColor BackgroundColor() const { return BackgroundColor_; }
  void SetBackgroundColor(TColor value) { SetProperty(BackgroundColor_, value); }
  bool GridShow() const { return GridShow_; }
  void SetGridShow(bool value) { SetProperty(GridShow_, value); }
  // "<ALL>" in any letter case means every axis of that orientation.
  const std::string& GridXAxisName() const { return GridXAxis_.Name(); }
  void SetGridXAxisName(const std::string& value);
  const std::string& GridYAxisName() const { return GridYAxis_.Name(); }
  void SetGridYAxisName(const std::string& value);
  TiPlotXAxis* GridXAxis() { return GridXAxis_.Resolve(Owner(), FindXAxis); }
  TiPlotYAxis* GridYAxis() { return GridYAxis_.Resolve(Owner(), FindYAxis); }

  TColor GridLineColor() const { return GridLineColor_; }
  void SetGridLineColor(TColor value) { SetProperty(GridLineColor_, value); }
  // The border edges: left, right, top, bottom.
  bool GridLineShow(int edge) const { return EdgeShow_[edge]; }
  void SetGridLineShow(int edge, bool value) { SetProperty(EdgeShow_[edge], value); }
  bool GridLineShowXMajors() const { return ShowXMajors_; }
  void SetGridLineShowXMajors(bool value) { SetProperty(ShowXMajors_, value); }
  bool GridLineShowXMinors() const { return ShowXMinors_; }
  void SetGridLineShowXMinors(bool value) { SetProperty(ShowXMinors_, value); }
  bool GridLineShowYMajors() const { return ShowYMajors_; }
  void SetGridLineShowYMajors(bool value) { SetProperty(ShowYMajors_, value); }
  bool GridLineShowYMinors() const { return ShowYMinors_; }
  void SetGridLineShowYMinors(bool value) { SetProperty(ShowYMinors_, value); }
  TiPlotGridLineStyle GridLineMajorStyle() const { return MajorStyle_; }
  void SetGridLineMajorStyle(TiPlotGridLineStyle value) { SetProperty(MajorStyle_, value); }
  TiPlotGridLineStyle GridLineMinorStyle() const { return MinorStyle_; }
  void SetGridLineMinorStyle(TiPlotGridLineStyle value) { SetProperty(MinorStyle_, value); }
  // GridLineXMajorCustom, ...Color, ...Width, ...Style and the same for X
  // minor, Y major and Y minor.
  const TiPlotGridLineGroup& GridLineGroup(TiPlotGridGroup group) const { return Groups_[group]; }
  void SetGridLineGroup(TiPlotGridGroup group, const TiPlotGridLineGroup& value) {
    SetProperty(Groups_[group], value);
  }

  bool AxesControlEnabled() const { return AxesControlEnabled_; }
  void SetAxesControlEnabled(bool value) { SetProperty(AxesControlEnabled_, value); }
  TiPlotAxesControlStyle AxesControlMouseStyle() const { return MouseStyle_; }
  void SetAxesControlMouseStyle(TiPlotAxesControlStyle value) { SetProperty(MouseStyle_, value); }
  TiPlotAxesControlStyle AxesControlWheelStyle() const { return WheelStyle_; }
  void SetAxesControlWheelStyle(TiPlotAxesControlStyle value) { SetProperty(WheelStyle_, value); }

  // Percent positions: 0 at left and bottom, 100 at right and top.
  double XPercentOfPixel(int x) const;
  double YPercentOfPixel(int y) const;
  int PixelOfXPercent(double percent) const;
  int PixelOfYPercent(double percent) const;

  void DrawBackground(TCanvas* canvas);
  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  // Every axis zooms to the rectangle unless the chart cancels.
  void ZoomBox(const TRect& rect);

  TMouseMode MouseMode();
  bool Pressed() const { return Pressed_; }
  TPoint BoxStart() const { return BoxStart_; }
  TPoint BoxEnd() const { return BoxEnd_; }

  void DoMouseLeftDown(const TiPlotMouseData& mouse) override;
  void DoMouseDrag(const TiPlotMouseData& mouse) override;
  void DoMouseUp(const TiPlotMouseData& mouse) override;
  bool MouseWheel(int delta, TiPlotShiftState shift, TPoint position) override;
  TiPlotCursorId GetMouseCursor(TPoint point) override;

  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;
  // The data view drops its focus whenever another object takes it.
  void NotifyFocus(TiPlotObject* object) override;

 private:
  TiPlotDataViewHost* Host() const;
  template <class F>
  void ForEachAxis(bool x, bool y, F&& action);
  void DrawGrid(TCanvas* canvas);
  void DrawBorder(TCanvas* canvas, TColor color);
  void ChooseDragAxes(const TiPlotMouseData& mouse, bool& x, bool& y);

  std::string Title_;
  bool BackgroundTransparent_ = true;
  TColor BackgroundColor_ = 0x808000;
  bool GridShow_ = true;
  TiPlotAxisReference<TiPlotXAxis> GridXAxis_;
  TiPlotAxisReference<TiPlotYAxis> GridYAxis_;
  TColor GridLineColor_ = 0x008000;
  bool EdgeShow_[4] = {true, true, true, true};
  bool ShowXMajors_ = true, ShowYMajors_ = true, ShowXMinors_ = false, ShowYMinors_ = false;
  TiPlotGridLineStyle MajorStyle_ = ipglsSolid, MinorStyle_ = ipglsSolid;
  TiPlotGridLineGroup Groups_[4];
  bool AxesControlEnabled_ = false;
  TiPlotAxesControlStyle MouseStyle_ = ipacsBoth;
  TiPlotAxesControlStyle WheelStyle_ = ipacsXAxis;

  bool Pressed_ = false;
  TPoint BoxStart_, BoxEnd_, PressPoint_;
  bool AxisChoiceMade_ = false;
  bool ChosenX_ = false;
};
