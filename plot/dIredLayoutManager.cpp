#include "plot/dIredLayoutManager.h"

#include <algorithm>

#include "platform/Exception.h"
#include "plot/dIredAxis.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"
#include "plot/iLayoutAxisAccess.h"

// ---- data-view entries -----------------------------------------------------

TiPlotDataViewLayout::TiPlotDataViewLayout(const TiPlotObjectHooks& hooks, bool horizontal)
    : TiPlotLayoutObject(hooks) {
  SetName("Data View");
  SetHorizontal(horizontal);
  SetZOrder(1);
}

const TClassInfo& TiPlotDataViewLayout::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiPlotDataViewLayout>("TiPlotDataViewLayout").Inherits<TiPlotLayoutObject>().Build();
  return info;
}

namespace {

// The entries belong to the manager alone: their removal and renaming are
// nobody else's business, but a change of their lane repaints the chart.
TiPlotObjectHooks EntryHooks(const TiPlotObjectHooks& hooks) {
  TiPlotObjectHooks own = hooks;
  own.OnRemove = [](TiObject*) {};
  own.OnInsert = [](TiObject*) {};
  own.OnRename = [](TiObject*) {};
  return own;
}

}  // namespace

// ---- membership ------------------------------------------------------------

TiPlotLayoutManager::TiPlotLayoutManager(const TiPlotObjectHooks& hooks) : TiPlotObjectManagerCustom(hooks) {
  const TiPlotObjectHooks own = EntryHooks(hooks);
  Horz_ = std::make_unique<TiPlotDataViewHorz>(own);
  Vert_ = std::make_unique<TiPlotDataViewVert>(own);
  Announce();
}

TiPlotLayoutManager::~TiPlotLayoutManager() = default;

TiPlotObject* TiPlotLayoutManager::CreateObject() {
  throw Exception("Layout Manager does not support creation of objects");
}

void TiPlotLayoutManager::AddObject(TiPlotObject* object) {
  auto* layout = dynamic_cast<TiPlotLayoutObject*>(object);
  if (!layout || IsEntry(object)) return;
  Add(object);
  if (dynamic_cast<TiPlotAxis*>(object) || dynamic_cast<TiPlotToolBar*>(object) ||
      dynamic_cast<TiPlotLegend*>(object) || dynamic_cast<TiPlotDataView*>(object) ||
      dynamic_cast<TiPlotLabel*>(object))
    layout->OnLayoutChange = [this](TiObject*) { Rebuild(); };
  Reorient(layout);
  if (Enabled_) PlaceZOrder(layout, 0, 0);
}

void TiPlotLayoutManager::Reorient(TiPlotLayoutObject* object) {
  if (dynamic_cast<TiPlotXAxis*>(object)) object->SetHorizontal(!XYAxesReverse_);
  if (dynamic_cast<TiPlotYAxis*>(object)) object->SetHorizontal(XYAxesReverse_);
}

void TiPlotLayoutManager::Removed(TiPlotObject* object) {
  for (SideList* list : {&Top_, &Bottom_, &Left_, &Right_})
    list->erase(std::remove(list->begin(), list->end(), object), list->end());
  auto lane = Lanes_.find(object);
  if (lane == Lanes_.end()) return;
  const Lane was = lane->second;
  Lanes_.erase(lane);
  if (Enabled_) CompactLane(was.Horizontal, was.ZOrder, object);
}

bool TiPlotLayoutManager::IsDataView(const TiPlotObject* object) const {
  return dynamic_cast<const TiPlotDataView*>(object) != nullptr;
}

bool TiPlotLayoutManager::IsEntry(const TiPlotObject* object) const {
  return object == Horz_.get() || object == Vert_.get();
}

// ---- switches --------------------------------------------------------------

void TiPlotLayoutManager::SetEnabled(bool value) {
  if (!StoreChanged(Enabled_, value)) return;
  if (Enabled_) Rebuild();
}

void TiPlotLayoutManager::SetXYAxesReverse(bool value) {
  if (!StoreChanged(XYAxesReverse_, value)) return;
  std::vector<TiPlotLayoutObject*> axes;
  for (TiPlotObject* object : Items_)
    if (auto* axis = dynamic_cast<TiPlotAxis*>(object)) axes.push_back(axis);
  if (!Enabled_) {
    for (TiPlotLayoutObject* axis : axes) Reorient(axis);
    return;
  }
  // By the decimal text of ZOrder, as the lanes are keyed.
  std::stable_sort(axes.begin(), axes.end(), [](auto* a, auto* b) { return a->ZOrderKey() < b->ZOrderKey(); });
  for (TiPlotLayoutObject* axis : axes) {
    CompactZOrder(axis);
    Reorient(axis);
    PlaceZOrder(axis, 0, 0);
  }
}

// ---- lanes -----------------------------------------------------------------

template <class F>
void TiPlotLayoutManager::ForEachOfOrientation(bool horizontal, const TiPlotObject* except, F&& action) const {
  // The data-view entries take part in the lanes without being listed.
  std::vector<TiPlotObject*> items(Items_);
  items.push_back(Horz_.get());
  items.push_back(Vert_.get());
  for (TiPlotObject* item : items) {
    auto* other = static_cast<TiPlotLayoutObject*>(item);
    if (other == except || IsDataView(other) || other->Horizontal() != horizontal) continue;
    action(other);
  }
}

bool TiPlotLayoutManager::LaneFree(const TiPlotLayoutObject* object, int lane) const {
  bool free = true;
  ForEachOfOrientation(object->Horizontal(), object, [&](const TiPlotLayoutObject* other) {
    if (other->ZOrder() != lane) return;
    const bool overlaps =
        other->StartPercent() < object->StopPercent() && other->StopPercent() > object->StartPercent();
    const bool equal =
        other->StartPercent() == object->StartPercent() && other->StopPercent() == object->StopPercent();
    if (overlaps || equal) free = false;
  });
  return free;
}

void TiPlotLayoutManager::PlaceZOrder(TiPlotLayoutObject* object, int lane, int mode) {
  if (mode == 0 && LaneFree(object, lane)) {
    object->SetZOrder(lane);
  } else {
    ForEachOfOrientation(object->Horizontal(), object, [&](TiPlotLayoutObject* other) {
      if (mode == 2 ? other->ZOrder() > lane : other->ZOrder() >= lane) other->SetZOrder(other->ZOrder() + 1);
    });
    object->SetZOrder(mode == 2 ? lane + 1 : lane);
  }
  Rebuild();
}

void TiPlotLayoutManager::CompactZOrder(TiPlotLayoutObject* object) {
  CompactLane(object->Horizontal(), object->ZOrder(), object);
}

void TiPlotLayoutManager::CompactLane(bool horizontal, int lane, const TiPlotObject* except) {
  bool shared = false;
  ForEachOfOrientation(horizontal, except, [&](const TiPlotLayoutObject* other) {
    if (other->ZOrder() == lane) shared = true;
  });
  if (!shared) {
    ForEachOfOrientation(horizontal, except, [&](TiPlotLayoutObject* other) {
      if (other->ZOrder() > lane) other->SetZOrder(other->ZOrder() - 1);
    });
  }
  Rebuild();
}

// Among equal keys the object added later comes first.
void TiPlotLayoutManager::SortInto(SideList& list, TiPlotLayoutObject* object) {
  const std::string key = object->ZOrderKey() + object->StartKey();
  auto at = std::find_if(list.begin(), list.end(),
                         [&](const TiPlotLayoutObject* o) { return o->ZOrderKey() + o->StartKey() >= key; });
  list.insert(at, object);
}

void TiPlotLayoutManager::Rebuild() {
  if (!Enabled_) return;
  for (SideList* list : {&Top_, &Bottom_, &Left_, &Right_}) list->clear();
  Lanes_.clear();
  for (TiPlotObject* item : Items_) {
    if (IsEntry(item) || IsDataView(item)) continue;
    auto* object = static_cast<TiPlotLayoutObject*>(item);
    Lanes_[object] = {object->Horizontal(), object->ZOrder()};
    const int entry = object->Horizontal() ? Horz_->ZOrder() : Vert_->ZOrder();
    object->SetFarSide(object->ZOrder() > entry);
    if (object->Horizontal())
      SortInto(object->FarSide() ? Top_ : Bottom_, object);
    else
      SortInto(object->FarSide() ? Right_ : Left_, object);
  }
  if (Hooks_.OnChange) Hooks_.OnChange(this);
}

// ---- the layout pass -------------------------------------------------------

namespace {

TiLayoutSlotKind KindOf(const TiPlotLayoutObject* object) {
  if (dynamic_cast<const TiPlotAxis*>(object)) return ilskAxis;
  if (dynamic_cast<const TiPlotToolBar*>(object)) return ilskToolBar;
  if (dynamic_cast<const TiPlotLegend*>(object)) return ilskLegend;
  if (dynamic_cast<const TiPlotTable*>(object)) return ilskTable;
  if (dynamic_cast<const TiPlotLabel*>(object)) return ilskLabel;
  return ilskOther;
}

TiLayoutSlot Describe(TiPlotLayoutObject* object, TCanvas* canvas) {
  TiLayoutSlot slot;
  slot.Kind = KindOf(object);
  slot.Horizontal = object->Horizontal();
  auto* axis = dynamic_cast<TiPlotAxis*>(object);
  slot.Cartesian = axis && layout_axis::IsCartesian(*axis);
  slot.ForceStacking = object->ForceStacking();
  slot.ZOrder = object->ZOrder();
  slot.StartPercent = object->StartPercent();
  slot.StopPercent = object->StopPercent();
  slot.Thickness = object->GetRequiredThickness(canvas);
  slot.EndOverhang = object->GetEndOverhang(canvas);
  slot.Rect = object->GetRect();
  return slot;
}

template <class F>
void ForEachVisibleAxis(const std::vector<TiPlotObject*>& items, F&& action) {
  for (TiPlotObject* item : items)
    if (auto* axis = dynamic_cast<TiPlotAxis*>(item); axis && axis->Visible()) action(*axis);
}

}  // namespace

void TiPlotLayoutManager::LayoutPass(TCanvas* canvas, const TiLayoutFrame& frame, TiPlotLayoutObject* dataView) {
  const size_t total = Top_.size() + Bottom_.size() + Left_.size() + Right_.size();
  std::vector<TiLayoutSlot> slots;
  std::vector<TiPlotLayoutObject*> owners;
  slots.reserve(total);  // the sides point into it
  TiLayoutSides sides;
  auto copy = [&](const SideList& from, std::vector<TiLayoutSlot*>& to) {
    for (TiPlotLayoutObject* object : from) {
      if (!object->Visible()) continue;
      slots.push_back(Describe(object, canvas));
      owners.push_back(object);
      to.push_back(&slots.back());
    }
  };
  copy(Top_, sides.Top);
  copy(Bottom_, sides.Bottom);
  copy(Left_, sides.Left);
  copy(Right_, sides.Right);

  TRect view = LayoutLanes(frame, sides);
  for (size_t i = 0; i < slots.size(); ++i) {
    owners[i]->SetRect(slots[i].Rect);
    owners[i]->SetStackedBefore(slots[i].StackedBefore);
    owners[i]->SetStackedAfter(slots[i].StackedAfter);
  }
  PlaceCartesianAndAligned(view);
  view = FinalDataView(canvas, view);
  if (dataView) dataView->SetRect(view);
}

void TiPlotLayoutManager::PlaceCartesianAndAligned(const TRect& view) {
  ForEachVisibleAxis(Items_, [&](TiPlotAxis& axis) {
    if (!layout_axis::IsCartesian(axis)) return;
    const bool horizontal = axis.Horizontal();
    int at = horizontal ? (view.Top + view.Bottom) / 2 : (view.Left + view.Right) / 2;
    if (!layout_axis::IsCartesianMaster(axis) && !layout_axis::CartesianChildPixel(axis, at)) {
      axis.SetRect(TRect{});
      return;
    }
    axis.SetRect(horizontal ? Rect(view.Left, at, view.Right, at) : Rect(at, view.Top, at, view.Bottom));
  });
  ForEachVisibleAxis(Items_, [&](TiPlotAxis& axis) {
    TiPlotLayoutObject* ref = layout_axis::AlignReference(axis);
    if (!ref) return;
    TRect r = axis.GetRect();
    const TRect& from = ref->GetRect();
    if (axis.Horizontal()) {
      r.Left = from.Left, r.Right = from.Right;
    } else {
      r.Top = from.Top, r.Bottom = from.Bottom;
    }
    axis.SetRect(r);
    axis.SetStackedBefore(ref->StackedBefore());
    axis.SetStackedAfter(ref->StackedAfter());
  });
}

// The data view ends where the scales end, which stacking may inset. A
// cartesian axis lies inside the view and does not bound it (a child without
// its reference has an empty rectangle).
TRect TiPlotLayoutManager::FinalDataView(TCanvas* canvas, TRect view) {
  ForEachVisibleAxis(Items_, [&](TiPlotAxis& axis) { layout_axis::CalcScaleRect(axis, canvas); });
  bool haveAlong = false, haveAcross = false;
  TRect result = view;
  ForEachVisibleAxis(Items_, [&](TiPlotAxis& axis) {
    if (layout_axis::IsCartesian(axis)) return;
    const TRect scale = layout_axis::ScaleRect(axis);
    // Without reversal the x axes bound left and right, with it the y axes.
    const bool bindsWidth = (dynamic_cast<TiPlotXAxis*>(&axis) != nullptr) != XYAxesReverse_;
    bool& first = bindsWidth ? haveAlong : haveAcross;
    if (bindsWidth) {
      result.Left = first ? std::min(result.Left, scale.Left) : scale.Left;
      result.Right = first ? std::max(result.Right, scale.Right) : scale.Right;
    } else {
      result.Top = first ? std::min(result.Top, scale.Top) : scale.Top;
      result.Bottom = first ? std::max(result.Bottom, scale.Bottom) : scale.Bottom;
    }
    first = true;
  });
  return result;
}
