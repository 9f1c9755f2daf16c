// The channel log: points appended to a text file in batches, the file opened
// for each batch only.
#include <algorithm>

#include "components/iPropertyLines.h"
#include "components/iValueText.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIredChannelCustom.h"
#include "plot/iPlotDataFile.h"

void TiPlotChannelCustom::SetLogFileName(const std::string& value) {
  if (value == LogFileName_) return;
  if (LoggingActive_) throw Exception(Translate("Log File Name can not be changed while logging is active."));
  SetProperty(LogFileName_, value);
}

void TiPlotChannelCustom::StartLogging(bool Append) {
  if (TrimText(LogFileName_).empty()) throw Exception("Log File Name not Defined");
  if (LoggingActive_) throw Exception("Logging Already Active");
  if (Append)
    platform::AppendToExistingFile(LogFileName_, "");
  else
    platform::WriteFileAtomically(LogFileName_, "");
  LogPendingCount_ = 0;
  // Through the guarded setter: the settings generation moves on, so AddXY
  // leaves its short way, which writes no log.
  SetLoggingActive(true);
}

void TiPlotChannelCustom::StopLogging() {
  if (!LoggingActive_) throw Exception("Logging not Active");
  // Flushed while still logging: should the write fail, the points stay
  // pending and a later StopLogging can write them.
  if (LogPendingCount_ > 0) FlushLog();
  SetLoggingActive(false);
}

void TiPlotChannelCustom::FlushLog() {
  // Points the list no longer holds cannot be written; the flush point of a
  // ring buffer keeps this from happening but for a failed write.
  const int count = Count();
  const int pending = std::min(LogPendingCount_, count);
  if (pending <= 0) {
    LogPendingCount_ = 0;
    return;
  }
  const char separator = ColumnSeparator();
  std::string lines;
  for (int i = count - pending; i < count; ++i) AppendChannelLine(lines, GetX(i), FloatToStr(GetY(i)), separator);
  // Counted as written only once they are.
  platform::AppendToExistingFile(LogFileName_, lines);
  LogPendingCount_ = 0;
}

void TiPlotChannelCustom::FlushBeforeListChange() {
  if (LoggingActive_ && LogPendingCount_ > 0) FlushLog();
}
