// The x and y axes. Here: what the object model needs of them (title, the
// first-point flag, lookups by name); scale, tracking, ticks and drawing are
// added by the axis units' own work.
#pragma once
#include <string>

#include "plot/dIredObjects.h"

class TiPlotAxis : public TiPlotLayoutObject {
 public:
  explicit TiPlotAxis(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  const std::string& Title() const { return Title_; }
  void SetTitle(const std::string& value) { SetProperty(Title_, value); }

  // Whether the axis has seen a point since the data were last cleared.
  bool FirstPointSeen() const { return FirstPointSeen_; }
  void SetFirstPointSeen(bool value) { FirstPointSeen_ = value; }
  void ResetFirstPoint() { FirstPointSeen_ = false; }

 private:
  std::string Title_;
  bool FirstPointSeen_ = false;
};

class TiPlotXAxis : public TiPlotAxis {
 public:
  explicit TiPlotXAxis(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

class TiPlotYAxis : public TiPlotAxis {
 public:
  explicit TiPlotYAxis(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

// The axis of that name in the owner's chart (ignoring case), or null.
TiPlotXAxis* FindXAxis(TiPlotOwner* owner, const std::string& name);
TiPlotYAxis* FindYAxis(TiPlotOwner* owner, const std::string& name);

// A reference to an axis by name, resolved on first use and cached. The
// cache is dropped when the name changes or the axis goes away, and the name
// follows a rename of the cached axis.
template <class Axis>
class TiPlotAxisReference {
 public:
  const std::string& Name() const { return Name_; }
  // True when the name changed.
  bool SetName(const std::string& name) {
    if (name == Name_) return false;
    Name_ = name;
    Drop();
    return true;
  }
  Axis* Resolve(TiPlotOwner* owner, Axis* (*find)(TiPlotOwner*, const std::string&)) {
    if (!Cached_) {
      Cached_ = find(owner, Name_);
      CachedId_ = Cached_;
    }
    return Cached_;
  }
  Axis* Cached() const { return Cached_; }
  // Compared as plot objects: an axis that is going away is no longer
  // complete enough to be converted.
  void NotifyRemove(TiPlotObject* object) {
    if (object == CachedId_) Drop();
  }
  // True when the name followed a rename of the bound axis (the cached one,
  // or one not looked up yet whose old name was this name).
  bool NotifyRename(TiPlotObject* object) {
    const bool bound = CachedId_ ? object == CachedId_
                                 : dynamic_cast<Axis*>(object) && SameText(object->OldName(), Name_);
    if (!bound || Name_ == object->Name()) return false;
    Name_ = object->Name();
    return true;
  }

 private:
  void Drop() {
    Cached_ = nullptr;
    CachedId_ = nullptr;
  }
  std::string Name_;
  Axis* Cached_ = nullptr;
  TiPlotObject* CachedId_ = nullptr;
};
