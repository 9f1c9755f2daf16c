// The plot's data files: saving in the chosen layout and loading any layout.
#include <algorithm>
#include <utility>

#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredComponent.h"
#include "plot/dIredDataCustomList.h"
#include "plot/iPlotDataFile.h"
#include "plot/iUpdateLock.h"

namespace {
std::vector<TiPlotChannelCustom*> ChannelsOf(const TiPlotComponent& plot) {
  std::vector<TiPlotChannelCustom*> channels;
  for (int i = 0; i < plot.ChannelCount(); ++i) channels.push_back(plot.ChannelCustom(i));
  return channels;
}

// A list grown point by point holds its old and new blocks at once at every
// step, and copies itself each time: room is made once for what the file can
// hold, and what stays unused is given back.
class TRoomForLoad {
 public:
  TRoomForLoad(const std::vector<TiPlotChannelCustom*>& channels, int64_t rows) {
    for (TiPlotChannelCustom* channel : channels) {
      TiPlotDataCustomList& list = channel->DataList();
      const int64_t wanted = std::min<int64_t>(int64_t{list.Count()} + rows, list.MaxCount());
      if (list.RingBufferSize() > 0 || wanted <= list.Capacity()) continue;
      grown_.push_back({&list, list.Capacity()});
      list.SetCapacity(static_cast<int>(wanted));
    }
  }
  ~TRoomForLoad() {
    for (const auto& [list, before] : grown_) {
      try {
        list->SetCapacity(std::max(list->Count(), before));
      } catch (...) {
        // Without memory for the smaller block the room simply stays.
      }
    }
  }
  TRoomForLoad(const TRoomForLoad&) = delete;
  TRoomForLoad& operator=(const TRoomForLoad&) = delete;

 private:
  std::vector<std::pair<TiPlotDataCustomList*, int>> grown_;
};
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
    const std::string bytes = platform::ReadWholeFile(fileName);
    TRoomForLoad room(channels, PlotDataRowBound(bytes));
    ReadPlotData(bytes, static_cast<int>(channels.size()),
                 [&](int c, double x, double y, TiPlotPointMark mark) { AddMarkedPoint(*channels[c], x, y, mark); });
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Loading Data - ") + error.what());
  }
  DataFileName_ = fileName;
  if (OnAfterLoadData) OnAfterLoadData(this);
}
