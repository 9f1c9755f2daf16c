// The plot log: samples written as they complete, in the data file layouts.
#include <algorithm>

#include "components/iPropertyLines.h"
#include "components/iValueText.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredComponent.h"
#include "plot/iPlotDataFile.h"

namespace {
// The number of samples every channel holds.
int CompletedSamples(const TiPlotComponent& plot) {
  if (plot.ChannelCount() == 0) return 0;
  int n = plot.ChannelCustom(0)->Count();
  for (int i = 1; i < plot.ChannelCount(); ++i) n = std::min(n, plot.ChannelCustom(i)->Count());
  return n;
}

std::string LogHeader(const TiPlotComponent& plot) {
  if (plot.DataFileFormat() == ipdffCompactInterval)
    return "Compact Interval\r\n" + std::to_string(plot.ChannelCount()) + "\r\n";
  std::string header = "(X)";
  for (int i = 0; i < plot.ChannelCount(); ++i)
    header += plot.DataFileColumnSeparatorChar() + plot.ChannelCustom(i)->TitleText() + "(Y)";
  return header + "\r\n";
}

void AppendSample(const TiPlotComponent& plot, int index, std::string& out) {
  if (plot.DataFileFormat() == ipdffCompactInterval) {
    for (int c = 0; c < plot.ChannelCount(); ++c) {
      const TiPlotChannelCustom& channel = *plot.ChannelCustom(c);
      if (index < 2) AppendCompactFloat(out, channel.GetX(index));
      AppendCompactFloat(out, channel.GetY(index));
    }
    return;
  }
  out += FloatToStr(plot.ChannelCustom(0)->GetX(index));
  for (int c = 0; c < plot.ChannelCount(); ++c)
    out += plot.DataFileColumnSeparatorChar() + PointYText(*plot.ChannelCustom(c), index);
  out += "\r\n";
}
}  // namespace

void TiPlotComponent::RefuseWhileLogging(const char* message) const {
  if (LoggingActive_) throw Exception(message);
}

void TiPlotComponent::SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator value) {
  RefuseWhileLogging("Data File Column Seperator can not be changed while logging active");
  DataFileColumnSeparator_ = value;
}

void TiPlotComponent::SetDataFileFormat(TiPlotDataFileFormat value) {
  RefuseWhileLogging("Data File Format can not be changed while logging active");
  DataFileFormat_ = value;
}

void TiPlotComponent::SetLogFileName(const std::string& value) {
  if (value == LogFileName_) return;
  RefuseWhileLogging("Log File Name can not be changed while logging is active.");
  LogFileName_ = value;
}

int TiPlotComponent::LogSamplesWaiting() const {
  return LoggingActive_ ? std::max(0, CompletedSamples(*this) - LogNext_) : 0;
}

void TiPlotComponent::LogActivate(bool append) {
  if (TrimText(LogFileName_).empty()) throw Exception("Log File Name not Defined");
  if (LoggingActive_) throw Exception("Logging Already Active");
  if (append)
    platform::AppendToExistingFile(LogFileName_, "");
  else
    platform::WriteFileAtomically(LogFileName_, LogHeader(*this));
  LoggingActive_ = true;
  LogNext_ = CompletedSamples(*this);
}

void TiPlotComponent::LogFlush() {
  const int waiting = LogSamplesWaiting();
  if (waiting == 0) return;
  std::string out;
  for (int k = 0; k < waiting; ++k) AppendSample(*this, LogNext_ + k, out);
  // Counted as written only once they are: a failure leaves them waiting.
  platform::AppendToExistingFile(LogFileName_, out);
  LogNext_ += waiting;
}

void TiPlotComponent::LogDeactivate() {
  if (!LoggingActive_) throw Exception("Logging not Active");
  const int waiting = LogSamplesWaiting();
  if (waiting > 0) LogFlush();
  LoggingActive_ = false;
}

void TiPlotComponent::LogSampleAdded() {
  const int waiting = LogSamplesWaiting();
  if (waiting > 0 && (waiting >= LogBufferSize_ || LogBufferSize_ < 2)) LogFlush();
}
