#include "plot/dIred.h"

#include "platform/Exception.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredToolBar.h"

namespace {

// The default objects both chart kinds start with; the title gets lane 2
// below the toolbar's 3.
void BuildDefaultObjects(TiPlotComponent& plot) {
  plot.ToolBar(plot.AddToolBar())->SetZOrder(3);
  plot.Legend(plot.AddLegend())->SetZOrder(2);
  plot.AddXAxis();
  plot.AddYAxis();
  plot.AddChannel();
  plot.AddDataView();
  plot.AddDataCursor();
  TiPlotLabel* title = plot.Label(plot.AddLabel());
  title->SetZOrder(2);
  title->SetName("Title");
  title->SetCaption("Untitled");
  title->SetMarginBottom(0);
}

}  // namespace

TiPlot::TiPlot() {
  BeginUpdate();
  MasterManager()->SetChannelClass(&CreateChannelOfClass<TiPlotChannel>);
  BuildWithLayoutDisabled([this] { BuildDefaultObjects(*this); });
  EndUpdate();
}

const TClassInfo& TiPlot::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiPlot>("TiPlot").Inherits<TiPlotComponent>().Build();
  return info;
}

TiPlotChannel* TiPlot::Channel(int index) const {
  auto* channel = dynamic_cast<TiPlotChannel*>(ChannelCustom(index));
  if (!channel) throw Exception("Invalid class typecast");
  return channel;
}

void BuildPlotDefaultObjects(TiPlotComponent& plot) { BuildDefaultObjects(plot); }
