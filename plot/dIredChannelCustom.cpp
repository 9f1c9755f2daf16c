#include "plot/dIredChannelCustom.h"

#include "plot/dIredDataCursor.h"
#include "plot/dIredDataNullList.h"
#include "plot/dIredLegend.h"

TiPlotChannelCustom::TiPlotChannelCustom(const TiPlotObjectHooks& hooks)
    : TiPlotManagerObject(hooks), DataList_(std::make_unique<TiPlotDataNullList>()) {
  DataList_->Color = clRed;
}

TiPlotChannelCustom::~TiPlotChannelCustom() = default;

const TClassInfo& TiPlotChannelCustom::StaticClass() {
  using C = TiPlotChannelCustom;
  static const TClassInfo info = TClassBuilder<C>("TiPlotChannelCustom")
                                     .Inherits<TiPlotManagerObject>()
                                     .String("TitleText", &C::TitleText, &C::SetTitleText)
                                     .Color("Color", &C::Color, &C::SetColor)
                                     .Default(clRed)
                                     .String("XAxisName", &C::XAxisName, &C::SetXAxisName)
                                     .String("YAxisName", &C::YAxisName, &C::SetYAxisName)
                                     .Build();
  return info;
}

// List-stored attributes store and notify unconditionally.
void TiPlotChannelCustom::SetColor(TColor value) {
  DataList_->Color = value;
  DoChange();
}

void TiPlotChannelCustom::SetXAxisName(const std::string& value) {
  if (XAxis_.SetName(value)) DoChange();
}

void TiPlotChannelCustom::SetYAxisName(const std::string& value) {
  if (YAxis_.SetName(value)) DoChange();
}

void TiPlotChannelCustom::Clear() {
  DataList_->Clear();
  DoChange();
}

void TiPlotChannelCustom::NotifyRemove(TiPlotObject* object) {
  XAxis_.NotifyRemove(object);
  YAxis_.NotifyRemove(object);
}

void TiPlotChannelCustom::NotifyRename(TiPlotObject* object) {
  if (XAxis_.NotifyRename(object) | YAxis_.NotifyRename(object)) DoChange();
}

void TiPlotChannelCustom::NotifyFocus(TiPlotObject* object) {
  if (object == this || dynamic_cast<TiPlotDataCursor*>(object) || dynamic_cast<TiPlotLegend*>(object)) return;
  SetFocused(false);
}

void TiPlotChannelCustom::ReplaceDataList(std::unique_ptr<TiPlotDataCustomList> list) {
  static_cast<TiPlotPointAttributes&>(*list) = *DataList_;
  const int ring = DataList_->RingBufferSize();
  DataList_ = std::move(list);
  DataList_->SetRingBufferSize(ring);
}
