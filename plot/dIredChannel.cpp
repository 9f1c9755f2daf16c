#include "plot/dIredChannel.h"

TiPlotChannel::TiPlotChannel(const TiPlotObjectHooks& hooks) : TiPlotChannelCustom(hooks) {}

const TClassInfo& TiPlotChannel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiPlotChannel>("TiPlotChannel").Inherits<TiPlotChannelCustom>().Build();
  return info;
}
