// A channel's configuration file: its published properties as property lines
// under the prefix "Channel".
#include "components/iPropertyLines.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIredChannelCustom.h"

namespace {
constexpr const char* kFileType = "Plot Channel Config";
constexpr const char* kPrefix = "Channel";
// The name identifies the channel in its chart: a file must not change it.
constexpr const char* kNameKey = "Channel.Name";
}  // namespace

void TiPlotChannelCustom::SaveToFile(const std::string& FileName) {
  try {
    TStringList lines = {std::string("File Type = ") + kFileType};
    SaveObjectProperties(Reflect(*this), kPrefix, lines, {kNameKey});
    platform::WriteFileAtomically(FileName, JoinPropertyLines(lines));
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Saving Properties - ") + error.what());
  }
}

void TiPlotChannelCustom::LoadFromFile(const std::string& FileName) {
  try {
    TStringList lines = ReadPropertyFile(FileName);
    if (!TakeFileType(lines, kFileType)) throw Exception("Incompatible Plot Channel Configuration File Type");
    std::string ignored;
    while (ExtractPropertyValue(kNameKey, lines, ignored)) {
    }
    LoadObjectProperties(Reflect(*this), kPrefix, lines);
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Loading Properties - ") + error.what());
  }
}
