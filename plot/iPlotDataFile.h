// The plot's data files: the text layout (two columns per channel, "Null" and
// "Empty" marks, empty fields for a channel that has run out), the compact
// interval layout (4-byte little-endian floats, 1e38 for a missing value, 2e38
// at the end), and the reading of both plus the log layout ("(X)" first, one
// x column, then one y column per channel). Readers hand each point to a sink,
// so they know nothing of channels and can be fed any bytes.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TiPlotChannelCustom;

enum TiPlotPointMark : uint8_t { ippmNone, ippmNull, ippmEmpty };

// Receives (channel index, x, y, mark); the channel index is always below the
// count the reader was given.
using TiPlotPointSink = std::function<void(int channel, double x, double y, TiPlotPointMark mark)>;

std::string PlotDataText(const std::vector<TiPlotChannelCustom*>& channels, char separator);
std::string PlotDataCompact(const std::vector<TiPlotChannelCustom*>& channels);

// Any of the three layouts, told apart by the first line. A cut or malformed
// compact file raises Exception "Invalid Data" after handing over the points
// before the fault; a number that does not convert raises EConvertError.
void ReadPlotData(const std::string& bytes, int channelCount, const TiPlotPointSink& sink);
// How many points a channel may receive from the file's bytes (any layout),
// so that a load can make room once: counted from what the file holds, never
// from what it claims. A low guess costs only growth.
int64_t PlotDataRowBound(const std::string& bytes);

// A point handed over by a reader, added to `channel` as any live point is
// (AddXY), then marked.
void AddMarkedPoint(TiPlotChannelCustom& channel, double x, double y, TiPlotPointMark mark);

// A channel's data file: one point a line, x, the separator, then y or "Null"
// (any case). The separator is the tab when the first line holds one, else the
// comma; it is returned. A line is split at its first separator only; one
// without a separator or without an x gives no point. Every point goes to
// channel 0 of the sink; a number that does not convert raises EConvertError
// after the points before it were handed over.
char ReadChannelData(const std::string& bytes, const TiPlotPointSink& sink);
// One line of a channel's data file or log, CR LF ended.
void AppendChannelLine(std::string& out, double x, const std::string& y, char separator);

// Shared with the plot log.
void AppendCompactFloat(std::string& out, double value);
std::string PointYText(const TiPlotChannelCustom& channel, int index);
