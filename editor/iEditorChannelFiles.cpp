// The channel's configuration, data and log files are not part of the
// channel yet: until they are, each operation says so instead of doing
// nothing.
#include "editor/iEditorChannelFiles.h"

#include "platform/Exception.h"
#include "plot/dIredChannelCustom.h"

namespace {
[[noreturn]] void NotAvailable(const char* what) {
  throw Exception(std::string(what) + " is not available for channels in this build");
}
}  // namespace

void ChannelSaveProperties(TiPlotChannelCustom&, const std::string&) { NotAvailable("Saving properties"); }
void ChannelLoadProperties(TiPlotChannelCustom&, const std::string&) { NotAvailable("Loading properties"); }
void ChannelSaveData(TiPlotChannelCustom&, const std::string&) { NotAvailable("Saving data"); }
void ChannelLoadData(TiPlotChannelCustom&, const std::string&) { NotAvailable("Loading data"); }
void ChannelLogActivate(TiPlotChannelCustom&) { NotAvailable("Logging"); }
void ChannelLogDeactivate(TiPlotChannelCustom&) { NotAvailable("Logging"); }
