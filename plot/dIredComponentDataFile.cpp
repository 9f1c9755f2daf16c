// The plot's data files: saving in the chosen layout and loading any layout.
#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredComponent.h"
#include "plot/iPlotDataFile.h"
#include "plot/iUpdateLock.h"

namespace {
std::vector<TiPlotChannelCustom*> ChannelsOf(const TiPlotComponent& plot) {
  std::vector<TiPlotChannelCustom*> channels;
  for (int i = 0; i < plot.ChannelCount(); ++i) channels.push_back(plot.ChannelCustom(i));
  return channels;
}
}  // namespace

void TiPlotComponent::SaveDataToFile(const std::string& fileName) {
  try {
    const auto channels = ChannelsOf(*this);
    platform::WriteFileAtomically(fileName, DataFileFormat_ == ipdffText
                                                ? PlotDataText(channels, DataFileColumnSeparatorChar())
                                                : PlotDataCompact(channels));
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Saving Data - ") + error.what());
  }
  DataFileName_ = fileName;
  if (OnAfterSaveData) OnAfterSaveData(this);
}

void TiPlotComponent::LoadDataFromFile(const std::string& fileName) {
  try {
    TUpdateLock lock(*this);
    const auto channels = ChannelsOf(*this);
    ReadPlotData(platform::ReadWholeFile(fileName), static_cast<int>(channels.size()),
                 [&](int c, double x, double y, TiPlotPointMark mark) { AddMarkedPoint(*channels[c], x, y, mark); });
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Loading Data - ") + error.what());
  }
  DataFileName_ = fileName;
  if (OnAfterLoadData) OnAfterLoadData(this);
}
