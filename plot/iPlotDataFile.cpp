#include "plot/iPlotDataFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

#include "components/iPropertyLines.h"
#include "components/iValueText.h"
#include "platform/Exception.h"
#include "platform/Locale.h"
#include "plot/dIredChannelCustom.h"

namespace {
constexpr double kMissing = 1e38, kEndMarker = 2e38;
constexpr double kStopAbove = 1.5e38, kSkipFrom = 9e37;
constexpr std::string_view kCompactTitle = "Compact Interval";

// A line ends at CR LF, a lone CR, a lone LF or the end of the text; `pos`
// moves past the line end.
std::string_view NextLine(std::string_view text, size_t& pos) {
  const size_t start = pos;
  const char* from = text.data() + start;
  const void* lf = std::memchr(from, '\n', text.size() - start);
  size_t end = lf ? static_cast<size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
  if (const void* cr = std::memchr(from, '\r', end - start))
    end = static_cast<size_t>(static_cast<const char*>(cr) - text.data());
  pos = end;
  if (pos < text.size() && text[pos] == '\r') ++pos;
  if (pos < text.size() && text[pos] == '\n' && (pos == end || text[end] == '\r')) ++pos;
  return text.substr(start, end - start);
}

// Two adjacent separators give an empty field; one at the end adds none.
void SplitFields(std::string_view line, char separator, std::vector<std::string_view>& fields) {
  fields.clear();
  size_t start = 0;
  while (start < line.size()) {
    const size_t end = std::min(line.find(separator, start), line.size());
    fields.push_back(line.substr(start, end - start));
    start = end + 1;
  }
}

// A y text: a number, or a mark whose stored y is 0.
template <class Convert>
void AddY(const TiPlotPointSink& sink, int channel, double x, std::string_view y, Convert convert) {
  if (SameText(y, "NULL")) {
    sink(channel, x, 0, ippmNull);
  } else if (SameText(y, "EMPTY")) {
    sink(channel, x, 0, ippmEmpty);
  } else {
    sink(channel, x, convert(y), ippmNone);
  }
}

// Pair fields carry the decimal separator of the system that wrote them.
double PairFloat(std::string_view text) { return PropertyTextToFloat(text); }
// Log fields are read with the locale's separator only.
double LogFloat(std::string_view text) {
  return TextToFloat(text, platform::FormatSettings().DecimalSeparator);
}

void ReadPairLine(const std::vector<std::string_view>& fields, int channelCount, const TiPlotPointSink& sink) {
  const int pairs = std::min<int>(static_cast<int>(fields.size() / 2), channelCount);
  for (int i = 0; i < pairs; ++i) {
    const std::string_view x = TrimText(fields[2 * i]), y = TrimText(fields[2 * i + 1]);
    if (x.empty() || y.empty()) continue;
    AddY(sink, i, PairFloat(x), y, PairFloat);
  }
}

void ReadLogLine(const std::vector<std::string_view>& fields, int channelCount, const TiPlotPointSink& sink) {
  if (fields.empty() || TrimText(fields[0]).empty()) return;
  const double x = LogFloat(TrimText(fields[0]));
  const int last = std::min<int>(static_cast<int>(fields.size()) - 1, channelCount);
  for (int k = 1; k <= last; ++k) {
    const std::string_view y = TrimText(fields[k]);
    if (!y.empty()) AddY(sink, k - 1, x, y, LogFloat);
  }
}

void ReadTextLayout(std::string_view text, size_t pos, std::string_view first, int channelCount,
                    const TiPlotPointSink& sink) {
  const char separator = first.find('\t') != std::string_view::npos ? '\t' : ',';
  const bool log = first.size() >= 3 && SameText(first.substr(0, 3), "(X)");
  std::vector<std::string_view> fields;
  while (pos < text.size()) {
    SplitFields(NextLine(text, pos), separator, fields);
    if (log) {
      ReadLogLine(fields, channelCount, sink);
    } else {
      ReadPairLine(fields, channelCount, sink);
    }
  }
}

[[noreturn]] void InvalidData() { throw Exception("Invalid Data"); }

// The count line reads up to LF; an absurd count is refused rather than
// trusted, and nothing is sized by it.
int CompactChannelCount(std::string_view text, size_t& pos) {
  const size_t lf = text.find('\n', pos);
  if (lf == std::string_view::npos) InvalidData();
  std::string_view line = text.substr(pos, lf - pos);
  pos = lf + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  int64_t count = 0;
  try {
    count = TextToInteger(line);
  } catch (const EConvertError&) {
    InvalidData();
  }
  if (count < 0 || count > std::numeric_limits<int>::max()) InvalidData();
  return static_cast<int>(count);
}

double ReadCompactFloat(std::string_view text, size_t& pos) {
  if (text.size() - pos < 4) InvalidData();
  uint32_t bits = 0;
  for (int b = 0; b < 4; ++b) bits |= uint32_t(static_cast<unsigned char>(text[pos + b])) << (8 * b);
  pos += 4;
  return std::bit_cast<float>(bits);
}

bool Stops(double v) { return std::isnan(v) || v > kStopAbove; }

void ReadCompactLayout(std::string_view text, size_t pos, int channelCount, const TiPlotPointSink& sink) {
  const int slots = CompactChannelCount(text, pos);
  // Rows of no slots consume nothing: without this the loop would not end.
  if (slots == 0) return;
  for (int row = 0; pos < text.size(); ++row) {
    for (int j = 0; j < slots; ++j) {
      const double x = row < 2 ? ReadCompactFloat(text, pos) : 0;
      if (Stops(x)) return;
      const double y = ReadCompactFloat(text, pos);
      if (Stops(y)) return;
      if (x < kSkipFrom && y < kSkipFrom && j < channelCount) sink(j, x, y, ippmNone);
    }
  }
}

int LargestCount(const std::vector<TiPlotChannelCustom*>& channels) {
  int n = 0;
  for (const auto* channel : channels) n = std::max(n, channel->Count());
  return n;
}
}  // namespace

std::string PointYText(const TiPlotChannelCustom& channel, int index) {
  if (channel.GetNull(index)) return "Null";
  if (channel.GetEmpty(index)) return "Empty";
  return FloatToStr(channel.GetY(index));
}

namespace {
// Little-endian whatever the machine's order.
char* PutCompactFloat(char* out, double value) {
  const uint32_t bits = std::bit_cast<uint32_t>(static_cast<float>(value));
  for (int b = 0; b < 4; ++b) *out++ = static_cast<char>((bits >> (8 * b)) & 0xFF);
  return out;
}
}  // namespace

void AppendCompactFloat(std::string& out, double value) {
  char bytes[4];
  PutCompactFloat(bytes, value);
  out.append(bytes, 4);
}

std::string PlotDataText(const std::vector<TiPlotChannelCustom*>& channels, char separator) {
  std::string out;
  for (size_t c = 0; c < channels.size(); ++c) {
    if (c > 0) out += separator;
    out += channels[c]->TitleText() + "(X)" + separator + channels[c]->TitleText() + "(Y)";
  }
  out += "\r\n";
  const int rows = LargestCount(channels);
  for (int i = 0; i < rows; ++i) {
    for (size_t c = 0; c < channels.size(); ++c) {
      if (c > 0) out += separator;
      const TiPlotChannelCustom& channel = *channels[c];
      if (i < channel.Count()) out += FloatToStr(channel.GetX(i)) + separator + PointYText(channel, i);
      else out += separator;
    }
    out += "\r\n";
  }
  return out;
}

std::string PlotDataCompact(const std::vector<TiPlotChannelCustom*>& channels) {
  std::string out = std::string(kCompactTitle) + "\r\n" + std::to_string(channels.size()) + "\r\n";
  const int rows = LargestCount(channels);
  const size_t header = out.size(), slots = channels.size();
  // Sized once and filled in place: x for the first two rows, y for all.
  out.resize(header + 4 * (slots * (size_t(rows) + std::min(rows, 2)) + 1));
  char* at = out.data() + header;
  for (int row = 0; row < rows; ++row) {
    for (const auto* channel : channels) {
      const bool has = row < channel->Count();
      if (row < 2) at = PutCompactFloat(at, has ? channel->GetX(row) : kMissing);
      at = PutCompactFloat(at, has ? channel->GetY(row) : kMissing);
    }
  }
  PutCompactFloat(at, kEndMarker);
  return out;
}

int64_t PlotDataRowBound(const std::string& bytes) {
  const std::string_view text = bytes;
  size_t pos = 0;
  if (SameText(NextLine(text, pos), kCompactTitle)) {
    // Every row holds at least one float per slot.
    try {
      const int slots = CompactChannelCount(text, pos);
      return slots == 0 ? 0 : static_cast<int64_t>(text.size() - pos) / (4 * int64_t{slots});
    } catch (const Exception&) {
      return 0;  // the reader raises it
    }
  }
  // A line shorter than "x,y" carries no point.
  int64_t rows = 0;
  while (pos < text.size())
    if (NextLine(text, pos).size() >= 3) ++rows;
  return rows;
}

void AddMarkedPoint(TiPlotChannelCustom& channel, double x, double y, TiPlotPointMark mark) {
  channel.AddXY(x, y);
  if (mark == ippmNull) channel.SetNull(channel.Count() - 1, true);
  if (mark == ippmEmpty) channel.SetEmpty(channel.Count() - 1, true);
}

char ReadChannelData(const std::string& bytes, const TiPlotPointSink& sink) {
  const std::string_view text = bytes;
  size_t pos = 0;
  const char separator = NextLine(text, pos).find('\t') != std::string_view::npos ? '\t' : ',';
  pos = 0;
  while (pos < text.size()) {
    const std::string_view line = NextLine(text, pos);
    const size_t at = line.find(separator);
    if (at == std::string_view::npos) continue;
    const std::string_view x = TrimText(line.substr(0, at)), y = TrimText(line.substr(at + 1));
    if (x.empty()) continue;
    if (SameText(y, "NULL")) {
      sink(0, LogFloat(x), 0, ippmNull);
    } else {
      sink(0, LogFloat(x), LogFloat(y), ippmNone);
    }
  }
  return separator;
}

void AppendChannelLine(std::string& out, double x, const std::string& y, char separator) {
  out += FloatToStr(x);
  out += separator;
  out += y;
  out += "\r\n";
}

void ReadPlotData(const std::string& bytes, int channelCount, const TiPlotPointSink& sink) {
  const std::string_view text = bytes;
  size_t pos = 0;
  const std::string_view first = NextLine(text, pos);
  if (SameText(first, kCompactTitle)) {
    ReadCompactLayout(text, pos, channelCount, sink);
  } else {
    ReadTextLayout(text, pos, first, channelCount, sink);
  }
}
