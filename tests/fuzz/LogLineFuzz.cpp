// Any file an operator may open: splitting it into lines and fields and
// converting the fields never crashes; joining and splitting again is stable.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/LogLine.h"
#include "platform/Locale.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto lines = SplitTextLines(text);
  for (const auto& line : lines) {
    const auto fields = SplitLogLine(line);
    if (!fields) continue;
    if (fields->First.size() > 30) std::abort();
    double value = 0;
    platform::TryStrToFloat(fields->First, value);
    if (fields->Second) platform::TryStrToFloat(*fields->Second, value);
  }
  // Lines never hold a line end, so saving and loading gives them back.
  if (SplitTextLines(JoinTextLines(lines)) != lines) std::abort();
  return 0;
}
