#include "plot/iXYPlotChannel.h"

TiXYPlotChannel::TiXYPlotChannel(const TiPlotObjectHooks& hooks) : TiPlotChannelCustom(hooks) {}

const TClassInfo& TiXYPlotChannel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiXYPlotChannel>("TiXYPlotChannel").Inherits<TiPlotChannelCustom>().Build();
  return info;
}
