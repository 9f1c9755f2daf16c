// The default strip chart as the layout viewer tests see it, and the check
// that its lane numbers stay consistent.
#pragma once
#include <map>
#include <set>
#include <vector>

#include "editor/iLayoutPicture.h"
#include "plot/dIred.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredToolBar.h"

constexpr int kViewerWidth = 576, kViewerHeight = 240;

inline TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// Lane numbers of one orientation (the data-view entry's included) run from
// 0 without a hole: every placement and every closing keeps them so.
inline bool LanesContiguous(const TiPlotLayoutManager& m, bool horizontal) {
  std::set<int> lanes{(horizontal ? m.DataViewHorz() : m.DataViewVert())->ZOrder()};
  for (const TiPlotObject* item : m.Items()) {
    auto* o = dynamic_cast<const TiPlotLayoutObject*>(item);
    if (o && !dynamic_cast<const TiPlotDataView*>(o) && o->Horizontal() == horizontal) lanes.insert(o->ZOrder());
  }
  return *lanes.begin() == 0 && *lanes.rbegin() == static_cast<int>(lanes.size()) - 1;
}

// Every layout object's lane, to see that something changed nothing.
inline std::map<const TiPlotObject*, int> ZOrders(const TiPlotLayoutManager& m) {
  std::map<const TiPlotObject*, int> z{{m.DataViewHorz(), m.DataViewHorz()->ZOrder()},
                                       {m.DataViewVert(), m.DataViewVert()->ZOrder()}};
  for (const TiPlotObject* item : m.Items())
    if (auto* o = dynamic_cast<const TiPlotLayoutObject*>(item)) z[o] = o->ZOrder();
  return z;
}
