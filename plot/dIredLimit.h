// A limit marks a reference level on the chart: one line at an X or Y value,
// a band between two such lines, or a poly band whose two edges vary along
// the other axis (its band elements). In the chart's select mode the operator
// can drag the lines of a limit that allows it.
//
// The X styles place their lines at values of the x axis (vertical lines on
// an unswapped chart), the Y styles at values of the y axis. Drawing builds
// every point in axis orientation and exchanges x and y when the chart's
// axes are reversed. A new limit is a red horizontal line at Y = 50.
//
// Hit boxes (5 pixels either side of a line, over the other axis's extent)
// are those of the last paint; a limit that was not drawn cannot be hit.
#pragma once
#include <vector>
#include <string>

#include "platform/Canvas.h"
#include "plot/dIredAxis.h"
#include "plot/iLimitDataList.h"

class TiPlotLimit;

enum TiPlotLimitStyle : uint8_t { iplsLineX, iplsLineY, iplsBandX, iplsBandY, iplsPolyBandX, iplsPolyBandY };
inline const std::vector<std::string>& EnumValueNames(TiPlotLimitStyle) {
  static const std::vector<std::string> names{"iplsLineX", "iplsLineY", "iplsBandX", "iplsBandY",
      "iplsPolyBandX", "iplsPolyBandY"};
  return names;
}

// What a limit asks of the chart it lies in; the plot component implements
// it. A limit in another owner never drags and reports nothing.
class TiPlotLimitHost {
 public:
  virtual ~TiPlotLimitHost() = default;
  virtual bool SelectModeActive() = 0;  // the first toolbar's "Select" button
  // Line 1 or 2 of `limit` moved from oldValue to newValue.
  virtual void LimitLinePositionChange(TiPlotLimit* limit, int line, double newValue, double oldValue) = 0;
};

class TiPlotLimit : public TiPlotManagerObject {
 public:
  explicit TiPlotLimit(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // --- Published ---
  TiPlotLimitStyle Style() const { return Style_; }
  void SetStyle(TiPlotLimitStyle value) { SetProperty(Style_, value); }
  TColor Color() const { return Color_; }  // pen and brush
  void SetColor(TColor value) { SetProperty(Color_, value); }
  int32_t LineWidth() const { return LineWidth_; }
  void SetLineWidth(int32_t value) { SetProperty(LineWidth_, value); }
  TPenStyle LineStyle() const { return LineStyle_; }
  void SetLineStyle(TPenStyle value) { SetProperty(LineStyle_, value); }
  TBrushStyle FillStyle() const { return FillStyle_; }
  void SetFillStyle(TBrushStyle value) { SetProperty(FillStyle_, value); }
  const std::string& XAxisName() const { return XAxis_.Name(); }
  void SetXAxisName(const std::string& value);  // drops the cached axis
  const std::string& YAxisName() const { return YAxis_.Name(); }
  void SetYAxisName(const std::string& value);
  // Setting a position reports it to the chart with the old value.
  double Line1Position() const { return Position_[0]; }
  void SetLine1Position(double value) { SetLinePosition(0, value); }
  double Line2Position() const { return Position_[1]; }
  void SetLine2Position(double value) { SetLinePosition(1, value); }
  bool UserCanMove() const { return UserCanMove_; }
  void SetUserCanMove(bool value) { SetProperty(UserCanMove_, value); }

  // --- Band elements of the poly-band styles ---
  // For iplsPolyBandX the position is a Y value and low/high are X values;
  // for iplsPolyBandY the other way round.
  const TiLimitDataList& BandElements() const { return Elements_; }
  void AddBandElement(double position, double low, double high);
  void ClearBandElements();

  TiPlotXAxis* XAxis() { return XAxis_.Resolve(Owner(), FindXAxis); }
  TiPlotYAxis* YAxis() { return YAxis_.Resolve(Owner(), FindYAxis); }
  // A band with a fill, drawn below the grid: a band whose FillStyle is not
  // bsClear, or a poly band.
  bool IsFilled() const;
  bool IsYStyle() const { return Style_ == iplsLineY || Style_ == iplsBandY || Style_ == iplsPolyBandY; }

  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  bool HitTest(const TiPlotMouseData& mouse) override;
  TiPlotCursorId GetMouseCursor(TPoint point) override;
  void DoMouseLeftDown(const TiPlotMouseData& mouse) override;
  void DoMouseDrag(const TiPlotMouseData& mouse) override;
  void DoMouseUp(const TiPlotMouseData& mouse) override;
  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;
  // A limit drops its focus when another object takes it.
  void NotifyFocus(TiPlotObject* object) override;

 private:
  class TGeometry;
  TiPlotLimitHost* Host() const { return dynamic_cast<TiPlotLimitHost*>(Owner()); }
  bool CanDrag() const;
  void SetLinePosition(int line, double value);
  void DrawLine(TCanvas* canvas, const TGeometry& g);
  void DrawBand(TCanvas* canvas, const TGeometry& g);
  void DrawPolyBand(TCanvas* canvas, const TGeometry& g);
  // The axis the dragged lines move along, and the pointer along it.
  TiPlotAxis* AlongAxis() { return IsYStyle() ? static_cast<TiPlotAxis*>(YAxis()) : XAxis(); }
  int AlongPointer(const TiPlotMouseData& mouse) const { return IsYStyle() ? mouse.Y : mouse.X; }

  TiPlotAxisReference<TiPlotXAxis> XAxis_;
  TiPlotAxisReference<TiPlotYAxis> YAxis_;
  // Drag state: the pointer along the axis and the line's position at the
  // press, and which line is dragged.
  int DragPointer_ = 0;
  double DragStart_ = 0;
  bool Dragging_[2] = {false, false};
  TiLimitDataList Elements_;
  TiPlotLimitStyle Style_ = iplsLineY;
  TColor Color_ = clRed;
  int32_t LineWidth_ = 0;
  TPenStyle LineStyle_ = psSolid;
  TBrushStyle FillStyle_ = bsSolid;
  bool HitValid_[2] = {false, false};
  double Position_[2] = {50, 50};
  TRect HitBox_[2];
  bool UserCanMove_ = false;
};
