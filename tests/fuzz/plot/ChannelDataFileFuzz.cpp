// A channel's data file loader on any file: it adds exactly the points the
// reader hands over, marks the Null ones, remembers a tab or a comma, and
// refuses a number that does not convert with EConvertError, never crashing.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Exception.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredManagers.h"
#include "plot/iPlotDataFile.h"
#include "tests/plot/PlotTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  int points = 0, nulls = 0;
  bool refused = false;
  try {
    ReadChannelData(bytes, [&](int channel, double, double y, TiPlotPointMark mark) {
      if (channel != 0 || (mark == ippmNull && y != 0) || mark == ippmEmpty) std::abort();
      ++points;
      if (mark == ippmNull) ++nulls;
    });
  } catch (const EConvertError&) {
    refused = true;
  }
  // A point takes at least a digit and a separator.
  if (2 * static_cast<size_t>(points) > size) std::abort();

  const std::string dir = std::filesystem::temp_directory_path() / ("channeldatafuzz-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  // Plainly written: a synced, renamed write per input would slow the run threefold.
  std::ofstream(dir + "/in", std::ios::binary | std::ios::trunc) << bytes;
  TTestPlot plot;
  plot.master->AddChannel();
  TiPlotChannelCustom& channel = *plot.master->ChannelManager()->Channel(0);
  channel.AddXY(-1, -1);
  try {
    channel.LoadDataFromFile(dir + "/in", true);
    if (refused) std::abort();
  } catch (const EConvertError&) {
    if (!refused) std::abort();
  }
  // The points before a bad number stay; the one cleared first is gone.
  if (channel.Count() != points) std::abort();
  int marked = 0;
  for (int i = 0; i < channel.Count(); ++i) marked += channel.GetNull(i);
  if (marked != nulls) std::abort();
  if (channel.DataFileSeparator() != '\t' && channel.DataFileSeparator() != ',') std::abort();
  return 0;
}
