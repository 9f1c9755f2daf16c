// The data-file readers (text pairs, log and compact layouts) on any bytes:
// they hand over points for existing channels only or refuse the file with an
// Exception, never crash, and never take memory by what the file claims.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Exception.h"
#include "plot/iPlotDataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  constexpr int kChannels = 3;
  size_t points = 0;
  try {
    ReadPlotData(bytes, kChannels, [&](int channel, double, double, TiPlotPointMark) {
      if (channel < 0 || channel >= kChannels) std::abort();
      ++points;
    });
  } catch (const Exception&) {
  }
  // A point takes at least two bytes of text or four of floats.
  if (points > size) std::abort();
  return 0;
}
