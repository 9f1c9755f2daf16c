// A channel's data file: one point a line, read back as live points.
#include "components/iPropertyLines.h"
#include "platform/Files.h"
#include "plot/dIredChannelCustom.h"
#include "plot/iPlotDataFile.h"

char TiPlotChannelCustom::ColumnSeparator() const { return Owner() ? Owner()->DataFileColumnSeparatorChar() : '\t'; }

void TiPlotChannelCustom::SaveDataToFile(const std::string& FileName) {
  const char separator = ColumnSeparator();
  std::string lines;
  for (int i = 0; i < Count(); ++i) {
    if (GetEmpty(i)) continue;
    AppendChannelLine(lines, GetX(i), GetNull(i) ? "Null" : FloatToStr(GetY(i)), separator);
  }
  platform::WriteFileAtomically(FileName, lines);
}

void TiPlotChannelCustom::LoadDataFromFile(const std::string& FileName, bool ClearFirst) {
  if (LoggingActive_) StopLogging();
  const std::string bytes = platform::ReadWholeFile(FileName);
  if (ClearFirst) Clear();
  DataFileSeparator_ = ReadChannelData(
      bytes, [this](int, double x, double y, TiPlotPointMark mark) { AddMarkedPoint(*this, x, y, mark); });
}
