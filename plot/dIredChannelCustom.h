// The common base of the chart's channels: one data series bound to an x and
// a y axis by name. Here: what the object model needs (title, colour, axis
// binding and its cache, the data list, clearing the data); data entry,
// statistics, drawing and files are added by the channel units' own work.
#pragma once
#include <memory>
#include <string>

#include "plot/dIredAxis.h"
#include "plot/dIredDataCustomList.h"
#include "plot/dIredObjects.h"

class TiPlotChannelCustom : public TiPlotManagerObject {
 public:
  explicit TiPlotChannelCustom(const TiPlotObjectHooks& hooks);
  ~TiPlotChannelCustom() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  const std::string& TitleText() const { return TitleText_; }
  void SetTitleText(const std::string& value) { SetProperty(TitleText_, value); }
  // Kept in the data list, so a list and its attributes travel together.
  TColor Color() const { return DataList_->Color; }
  void SetColor(TColor value);
  const std::string& XAxisName() const { return XAxis_.Name(); }
  void SetXAxisName(const std::string& value);
  const std::string& YAxisName() const { return YAxis_.Name(); }
  void SetYAxisName(const std::string& value);

  // The bound axes, looked up by name on first use; null when absent.
  TiPlotXAxis* XAxis() { return XAxis_.Resolve(Owner(), FindXAxis); }
  TiPlotYAxis* YAxis() { return YAxis_.Resolve(Owner(), FindYAxis); }

  TiPlotDataCustomList& DataList() const { return *DataList_; }
  // Forgets every point and the statistics.
  virtual void Clear();

  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;
  // Another object took the focus: drop the own, except for a data cursor
  // or a legend (they show this channel).
  void NotifyFocus(TiPlotObject* object) override;

 protected:
  // Replaces the list (a new data style); the attributes are copied over.
  void ReplaceDataList(std::unique_ptr<TiPlotDataCustomList> list);

 private:
  std::string TitleText_;
  TiPlotAxisReference<TiPlotXAxis> XAxis_;
  TiPlotAxisReference<TiPlotYAxis> YAxis_;
  std::unique_ptr<TiPlotDataCustomList> DataList_;
};
