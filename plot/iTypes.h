// Enumerations and small value types the plot objects share. Enumerations are
// unscoped with a fixed underlying type; sets are bit sets in declaration
// order (first element = bit 0).
#pragma once
#include <vector>
#include <cstdint>
#include <string>

#include "platform/Control.h"

enum TiPlotLineStyle : uint8_t { iplsSolid, iplsDash, iplsDot, iplsDashDot, iplsDashDotDot };
inline const std::vector<std::string>& EnumValueNames(TiPlotLineStyle) {
  static const std::vector<std::string> names{"iplsSolid", "iplsDash", "iplsDot", "iplsDashDot",
      "iplsDashDotDot"};
  return names;
}

enum TiPlotMarkerStyle : uint8_t {
  ipmsCircle, ipmsSquare, ipmsDiamond, ipmsCross, ipmsPlus, ipmsTriangleUp,
  ipmsTriangleDown, ipmsTriangleLeft, ipmsTriangleRight, ipmsVerticalLine,
  ipmsHorizontalLine, ipmsCharacter
};
inline const std::vector<std::string>& EnumValueNames(TiPlotMarkerStyle) {
  static const std::vector<std::string> names{"ipmsCircle", "ipmsSquare", "ipmsDiamond", "ipmsCross",
      "ipmsPlus", "ipmsTriangleUp", "ipmsTriangleDown", "ipmsTriangleLeft", "ipmsTriangleRight",
      "ipmsVerticalLine", "ipmsHorizontalLine", "ipmsCharacter"};
  return names;
}

// Which data list a channel keeps its points in.
enum TiPlotDataStyle : uint8_t { ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature };
inline const std::vector<std::string>& EnumValueNames(TiPlotDataStyle) {
  static const std::vector<std::string> names{"ipdsStandard", "ipdsCompact", "ipdsCompactInterval",
      "ipdsFullFeature"};
  return names;
}

// Mouse input as the plot hands it to its objects. The plot component converts
// the platform's own mouse and key types into these.
enum TiPlotMouseButton : uint8_t { ipmbLeft, ipmbRight, ipmbMiddle };

enum TiPlotShift : uint8_t { ipssShift, ipssAlt, ipssCtrl, ipssLeft, ipssRight, ipssMiddle, ipssDouble };
using TiPlotShiftState = uint8_t;  // bit set of TiPlotShift
constexpr TiPlotShiftState ShiftBit(TiPlotShift s) { return static_cast<TiPlotShiftState>(1u << s); }

// What the DoMouse... operations of an object receive. X and Y are already
// exchanged when the chart's axes are reversed; RawX and RawY are not.
struct TiPlotMouseData {
  int X = 0, Y = 0;
  int RawX = 0, RawY = 0;
  TiPlotMouseButton Button = ipmbLeft;
  TiPlotShiftState Shift = 0;
  bool AxisMultiSelect = false;
};

// The tooltip an object offers while the pointer rests on it.
struct TiPlotHintData {
  bool Show = false;
  std::int32_t X = 0, Y = 0;  // top-left corner of the box, control coordinates
  std::string Text;
};

// Pointer shapes, by the classic cursor ids of the drawing layer's TCursor
// (crDefault, crHandPoint, crDrag, ...).
using TiPlotCursorId = int;
