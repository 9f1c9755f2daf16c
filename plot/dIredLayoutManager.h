// The layout manager: sorts every layout object of the chart (axes,
// toolbars, legends, tables, labels, data views) into the four sides of the
// data view and keeps the lane numbers (ZOrder) consistent as objects come
// and go; LayoutPass turns the sides into pixel rectangles.
//
// Lanes: a horizontal object whose ZOrder is greater than the horizontal
// data-view entry's lies above the data view, otherwise below; a vertical one
// greater than the vertical entry's lies right, otherwise left. Larger ZOrder
// is further up or further right. The manager does not own the objects it
// lists; the two data-view entries are its own and are not in the list.
#pragma once
#include <map>
#include <memory>
#include <vector>

#include "plot/dIredManagers.h"
#include "plot/iLayoutLanes.h"

// The data view's place in one stacking (named "Data View", never drawn).
class TiPlotDataViewLayout : public TiPlotLayoutObject {
 public:
  TiPlotDataViewLayout(const TiPlotObjectHooks& hooks, bool horizontal);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
class TiPlotDataViewHorz : public TiPlotDataViewLayout {
 public:
  explicit TiPlotDataViewHorz(const TiPlotObjectHooks& hooks) : TiPlotDataViewLayout(hooks, true) {}
};
class TiPlotDataViewVert : public TiPlotDataViewLayout {
 public:
  explicit TiPlotDataViewVert(const TiPlotObjectHooks& hooks) : TiPlotDataViewLayout(hooks, false) {}
};

class TiPlotLayoutManager : public TiPlotObjectManagerCustom {
 public:
  using SideList = std::vector<TiPlotLayoutObject*>;

  explicit TiPlotLayoutManager(const TiPlotObjectHooks& hooks);
  ~TiPlotLayoutManager() override;
  // Raises "Layout Manager does not support creation of objects".
  TiPlotObject* CreateObject() override;
  std::string GetBaseName() const override { return "Layout Object"; }
  // Layout objects only; an x axis lies horizontal unless the axes are
  // reversed, a y axis the other way round. When enabled the object is
  // placed in lane 0, opening a lane when its range overlaps another's.
  void AddObject(TiPlotObject* object) override;
  void Removed(TiPlotObject* object) override;  // closes a lane left empty

  bool XYAxesReverse() const { return XYAxesReverse_; }
  void SetXYAxesReverse(bool value);  // re-orients and re-places the axes
  // Disabled while the plot builds its default objects or reads a stored
  // description (objects then keep their ZOrder); enabling rebuilds.
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool value);

  // Mode 0: into `lane`, opening a lane only when needed; 1: open a new lane
  // at `lane`; 2: open a new lane just after `lane`.
  void PlaceZOrder(TiPlotLayoutObject* object, int lane, int mode);
  // Closes the object's lane when nothing else of its orientation is in it.
  void CompactZOrder(TiPlotLayoutObject* object);
  void Rebuild();

  const SideList& TopList() const { return Top_; }
  const SideList& BottomList() const { return Bottom_; }
  const SideList& LeftList() const { return Left_; }
  const SideList& RightList() const { return Right_; }
  TiPlotDataViewLayout* DataViewHorz() const { return Horz_.get(); }
  TiPlotDataViewLayout* DataViewVert() const { return Vert_.get(); }

  // Writes Rect and the stacking flags of every visible layout object and
  // Rect of `dataView` (data view 0; may be null). Never fails.
  void LayoutPass(TCanvas* canvas, const TiLayoutFrame& frame, TiPlotLayoutObject* dataView);

 private:
  bool IsDataView(const TiPlotObject* object) const;
  bool IsEntry(const TiPlotObject* object) const;
  bool LaneFree(const TiPlotLayoutObject* object, int lane) const;
  template <class F>
  void ForEachOfOrientation(bool horizontal, const TiPlotObject* except, F&& action) const;
  void CompactLane(bool horizontal, int lane, const TiPlotObject* except);
  void SortInto(SideList& list, TiPlotLayoutObject* object);
  void Reorient(TiPlotLayoutObject* object);
  void PlaceCartesianAndAligned(const TRect& view);
  TRect FinalDataView(TCanvas* canvas, TRect view);

  bool XYAxesReverse_ = false;
  bool Enabled_ = true;
  SideList Top_, Bottom_, Left_, Right_;
  std::unique_ptr<TiPlotDataViewLayout> Horz_, Vert_;
  // Orientation and lane of every listed object as of the last Rebuild: an
  // object that is being removed can no longer be asked.
  struct Lane {
    bool Horizontal = false;
    int ZOrder = 0;
  };
  std::map<const TiPlotObject*, Lane> Lanes_;
};
