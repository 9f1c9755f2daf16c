// A data cursor: reads a channel's values at a pointer. Here: what the object
// model needs of it (its channel by name, its data view); pointers, hint and
// menus are added by the cursor's own work.
#pragma once
#include <string>

#include "plot/dIredObjects.h"

class TiPlotChannelCustom;
class TiPlotDataView;

class TiPlotDataCursor : public TiPlotManagerObject {
 public:
  explicit TiPlotDataCursor(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // The channel read, or "<All>" for every channel.
  const std::string& ChannelName() const { return ChannelName_; }
  void SetChannelName(const std::string& value);
  // The bound channel, looked up by name on first use; null when absent.
  TiPlotChannelCustom* Channel();
  // The data view it draws in (the plot sets it at every paint).
  TiPlotDataView* DataView() const { return DataView_; }
  void SetDataView(TiPlotDataView* view);

  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;

 private:
  std::string ChannelName_;
  // The references with their identities as plot objects, compared when an
  // object goes away (it can no longer be converted then).
  TiPlotChannelCustom* Channel_ = nullptr;
  TiPlotObject* ChannelId_ = nullptr;
  TiPlotDataView* DataView_ = nullptr;
  TiPlotObject* DataViewId_ = nullptr;
};
