// A data cursor: reads a channel's values at a pointer. Here: what the object
// model needs of it (its channel by name, its data view) and what a channel
// needs to read for it (its style, the pixels of its pointers, and where the
// reading goes); drawing, dragging, hint and menus are added by the cursor's
// own work.
#pragma once
#include <cstdint>
#include <string>

#include "plot/dIredObjects.h"

class TiPlotChannelCustom;
class TiPlotDataView;

// What a cursor measures.
enum TiPlotDataCursorStyle : uint8_t {
  ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX
};

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
  void SetStyle(TiPlotDataCursorStyle value) { SetProperty(Style_, value); }
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

  // Asks the bound channel, or with "<All>" every channel, for its reading.
  void UpdateState();

  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;

 private:
  std::string ChannelName_;
  bool ChannelShowAllInLegend_ = true;
  TiPlotDataCursorStyle Style_ = ipcsValueXY;
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
