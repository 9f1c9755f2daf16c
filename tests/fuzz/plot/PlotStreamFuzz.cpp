// The chart's stored-description reader on any text: each manager's
// collection either loads or is refused with an EConvertError, never a crash;
// what loaded writes out and reads back again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "plot/iPlotStream.h"
#include "tests/plot/PlotTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  TTestPlot plot;
  TiPlotMasterManager& m = *plot.master;
  TiPlotObjectManagerCustom* const managers[] = {m.ChannelManager(), m.XAxisManager(), m.LegendManager(),
                                                 m.LimitManager(),   m.LabelManager(), m.DataCursorManager()};
  for (TiPlotObjectManagerCustom* manager : managers) {
    try {
      TiPlotStreamReader reader(text);
      if (!reader.AtEnd() && reader.NextIsCollection()) manager->ReadFromStream(reader);
    } catch (const EConvertError&) {
      continue;
    }
    TiPlotStreamWriter writer;
    manager->WriteToStream(writer);
    TiPlotStreamReader again(writer.Text());
    try {
      manager->ReadFromStream(again);
    } catch (const EConvertError&) {
      std::abort();  // what was written must read back
    }
  }
  return 0;
}
