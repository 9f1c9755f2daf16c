// Where the legend's rows go: the wrap into columns, the rows per column,
// the scroll buttons and the size the legend asks of the layout pass. Pure
// arithmetic on measures already taken, so it can be checked without a
// canvas; TiPlotLegend measures, calls PlaceLegendItems and draws.
#pragma once
#include <vector>

#include "platform/Types.h"

// The settings of the wrap, as the legend publishes them.
struct TiLegendWrapSettings {
  int ColDesiredCount = 1;
  bool ColAutoCountEnabled = false;
  int ColAutoCountMax = 100;
  bool ColSpacingAuto = true;
  int RowDesiredCount = 5;
  bool RowAutoCountEnabled = true;
  int RowAutoCountMax = 100;
  bool RowSpacingAuto = false;
};

// Everything measured, in pixels.
struct TiLegendMeasures {
  TRect Rect;                                      // the legend's rectangle
  int MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;
  bool Horizontal = false;
  int Count = 0;                                   // channels listed
  int RowHeight = 0, RowGap = 0;
  int ItemWidth = 0, WrapColGap = 0;
  int TitleLineHeight = 0, TitleLineGap = 0;       // 0 without a title line
};

// One row placed: Index into the listed channels; Column and Row 1-based.
struct TiLegendPlacedItem {
  int Index = 0;
  int Column = 1, Row = 1;
  int Left = 0, Top = 0;
};

struct TiLegendPlacement {
  TRect Inner;                 // the rectangle inside the margins
  TRect ItemArea;              // below the title line
  int Columns = 1, Rows = 0;   // D and F
  int ScrollPosition = 0;      // clamped; 0 when every row fits
  int FirstShown = 0, LastShown = -1;
  std::vector<TiLegendPlacedItem> Items;  // FirstShown .. LastShown
  std::vector<int> ColumnLefts;           // one per wrap column used
  int RowGap = 0, WrapColGap = 0;         // as finally used
  int RequiredWidth = 0, RequiredHeight = 0;
  bool ButtonsVisible = false;
  TRect UpButton, DownButton;
  bool UpEnabled = false, DownEnabled = false;
};

// Room kept at the right of a horizontal legend for the scroll buttons, and
// the buttons' size.
constexpr int LegendButtonRoom = 25;
constexpr int LegendButtonSize = 17;

TiLegendPlacement PlaceLegendItems(const TiLegendMeasures& m, const TiLegendWrapSettings& wrap, int scrollPosition);
