// What a toolbar needs of its chart beyond the object model: the chart-wide
// operations its buttons start and the plot's two toolbar events.
//
// The plot fills one of these into every toolbar it gets (Chart member of
// TiPlotToolBar), from the master manager's insertion hook, so toolbars read
// from a stored description are wired like added ones. A hook left empty
// means the chart offers nothing there: the button does nothing beyond its
// own state and its click event (pause and resume then set the axes'
// TrackingEnabled themselves).
#pragma once
#include <cstdint>
#include <functional>

#include "plot/iTypes.h"

// The button types in the order of their values; OnToolBarButtonClick
// reports the ordinal.
enum TiPlotToolBarButtonType : uint8_t {
  iptbbtResume, iptbbtPause, iptbbtScrollMode, iptbbtZoomMode, iptbbtSelect, iptbbtZoomBox,
  iptbbtZoomOut, iptbbtZoomIn, iptbbtCursor, iptbbtProperties, iptbbtCopy, iptbbtSave,
  iptbbtPrint, iptbbtPreview
};

struct TiPlotToolBarChart {
  // Chart-wide operations of the plot.
  std::function<void()> PauseAll;   // TrackingEnabled false on every x, then every y axis
  std::function<void()> ResumeAll;  // true on all of them, same order
  // The plot's select-mode setter: brings toolbar 0's select button to `on`.
  std::function<void(bool on)> SetSelectMode;
  std::function<void()> CopyToClipboard, SaveImageDialog, PrintChart, ShowPreview;

  // The plot's events; `index` is the toolbar's index in its manager.
  std::function<void(int index, TiPlotToolBarButtonType type)> OnToolBarButtonClick;
  std::function<void(int index, TiPlotHintData& hint)> OnToolBarCustomizeHint;
};
