// The pixel geometry of a strip-chart channel's bars and high-low bars: one
// bar, one open-close bar, one candlestick, each in axis orientation (x along
// the X axis) and exchanged when the chart's axes are reversed. The channel
// walks its points; this unit draws one of them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "plot/iChannelScale.h"

enum TiPlotHighLowStyle : uint8_t { iphlsOpenClose, iphlsCandleStick };
inline const std::vector<std::string>& EnumValueNames(TiPlotHighLowStyle) {
  static const std::vector<std::string> names{"iphlsOpenClose", "iphlsCandleStick"};
  return names;
}

// The high-low properties of a channel, with their defaults.
struct TiPlotHighLowSettings {
  bool Enabled = false;
  TiPlotHighLowStyle Style = iphlsOpenClose;
  TColor BarColor = clAqua;
  double BarWidth = 0.5;  // X units
  bool OpenShow = true, CloseShow = true;
  TColor OpenColor = clLime, CloseColor = clRed;
  double OpenWidth = 1, CloseWidth = 1;    // X units
  double OpenHeight = 1, CloseHeight = 1;  // Y units
  TColor ShadowColor = clGray;
  TColor BullishColor = clWhite;  // Open <= Close
  TColor BearishColor = clGray;   // Open > Close
};

// A point's pixels: X on the X axis, the four values on the Y axis.
struct TiPlotHighLowPixels {
  int X = 0, High = 0, Low = 0, Open = 0, Close = 0;
};

// The tick and bar sizes in pixels, worked out once per frame.
struct TiPlotHighLowSizes {
  int Bar = 0, OpenWidth = 0, OpenHeight = 0, CloseWidth = 0, CloseHeight = 0;
};

// |pixel(Min + distance) - pixel(Min)| on the scale.
int PixelLength(const TiPlotChannelScale& scale, double distance);
TiPlotHighLowSizes HighLowSizes(const TiPlotHighLowSettings& s, const TiPlotChannelScale& x,
                                const TiPlotChannelScale& y);

// A rectangle given in axis orientation, normalised (left <= right, top <=
// bottom) and exchanged when the axes are reversed.
TRect OrientedRect(int x1, int y1, int x2, int y2, bool axesSwapped);

// Open and close ticks, then the bar over them; pen width 0, solid.
void DrawOpenCloseBar(TCanvas& canvas, const TiPlotHighLowSettings& s, const TiPlotHighLowSizes& sizes,
                      const TiPlotHighLowPixels& p, bool axesSwapped);
// The wick from High to Low, then the body from Open to Close, outlined in
// the shadow colour; bearish when Open > Close (in values, not pixels).
void DrawCandleStick(TCanvas& canvas, const TiPlotHighLowSettings& s, const TiPlotHighLowSizes& sizes,
                     const TiPlotHighLowPixels& p, bool bearish, bool axesSwapped);
