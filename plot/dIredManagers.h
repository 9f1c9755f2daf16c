// The per-kind object managers: ordered lists of plot objects that give new
// objects unique names and their kind's defaults, and fan notifications out
// (removal, rename, focus) to every object they hold.
//
// A manager is created with the owner and four hooks (the master manager's)
// and announces itself through OnInsert at the end of its most derived
// constructor (so the hook sees its class); its destructor frees its objects
// (owned managers) and then calls OnRemove. Lookups by name ignore letter
// case and return null when nothing matches. Object counts are small: every
// lookup and fan-out is a linear scan.
#pragma once
#include <string>
#include <vector>

#include "plot/dIredObjects.h"

class TiPlotStreamWriter;
class TiPlotStreamReader;
class TiPlotAxis;
class TiPlotXAxis;
class TiPlotYAxis;
class TiPlotChannelCustom;
class TiPlotDataView;
class TiPlotDataCursor;
class TiPlotLimit;
class TiPlotLabel;
class TiPlotLegend;
class TiPlotToolBar;
class TiPlotTable;
class TiPlotAnnotation;

// Creates a channel of some class; see TiPlotMasterManager::SetChannelClass.
using TiPlotChannelClass = TiPlotChannelCustom* (*)(const TiPlotObjectHooks& hooks);
template <class C>
TiPlotChannelCustom* CreateChannelOfClass(const TiPlotObjectHooks& hooks) {
  return new C(hooks);
}

class TiPlotObjectManagerCustom : public TiObject {
 public:
  // Raises "Owner must be Assigned" or the hook's message when one is missing.
  explicit TiPlotObjectManagerCustom(const TiPlotObjectHooks& hooks);
  ~TiPlotObjectManagerCustom() override;  // Clear, then OnRemove
  TiPlotObjectManagerCustom(const TiPlotObjectManagerCustom&) = delete;
  TiPlotObjectManagerCustom& operator=(const TiPlotObjectManagerCustom&) = delete;

  // A new, unregistered object of the kind made with the manager's hooks.
  virtual TiPlotObject* CreateObject() = 0;
  virtual std::string GetBaseName() const = 0;
  virtual void Removed(TiPlotObject* object) {}
  // Takes the object out of the list (searching from the end), then Removed
  // and OnChange. Does not free it.
  virtual void Remove(TiPlotObject* object);
  // The kind's insertion: objects of other classes are ignored.
  virtual void AddObject(TiPlotObject* object) = 0;
  virtual void NotifyRenameAll(TiPlotObject* object);
  // Tells every other object held that `object` is going away (owned
  // managers; the others hold nothing that refers to it).
  virtual void NotifyRemoveAll(TiPlotObject* object) {}
  virtual void NotifyFocusAll(TiPlotObject* object);
  virtual void Clear() {}
  virtual void Delete(int index);

  int Count() const { return static_cast<int>(Items_.size()); }
  TiPlotObject* Item(int index) const;  // "List index out of bounds (n)"
  int IndexOf(const TiPlotObject* object) const;
  void Add(TiPlotObject* object);  // appends unless present
  TiPlotObject* FindByName(const std::string& name) const;
  // The base name, a blank and one more than the largest number any name with
  // that prefix (any letter case) ends in; gaps are not reused.
  std::string UniqueName() const;
  bool HasItems() const { return !Items_.empty(); }
  const std::vector<TiPlotObject*>& Items() const { return Items_; }

  // A collection with one item per object holding its stored properties.
  void WriteToStream(TiPlotStreamWriter& writer) const;
  // Clears the manager; then each item becomes a new object (CreateObject),
  // gets its properties and is Inserted.
  void ReadFromStream(TiPlotStreamReader& reader);

  TiPlotOwner* Owner() const { return Hooks_.Owner; }
  const TiPlotObjectHooks& Hooks() const { return Hooks_; }

 protected:
  void Erase(TiPlotObject* object);  // without notifications
  // OnInsert(this): the most derived constructor calls it last.
  void Announce();
  TiPlotObjectHooks Hooks_;
  std::vector<TiPlotObject*> Items_;
};

// A manager that owns its objects and frees them in Clear and its destructor.
class TiPlotObjectOwnedManager : public TiPlotObjectManagerCustom {
 public:
  using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;
  ~TiPlotObjectOwnedManager() override;
  // Every other object hears NotifyRemove first.
  void Remove(TiPlotObject* object) override;
  void NotifyRemoveAll(TiPlotObject* object) override;
  void Clear() override;
  void Delete(int index) override;  // frees the object
};

// A kind manager: holds objects of class T only. Its members are instantiated
// in dIredManagers.cpp for the eleven kinds.
template <class T>
class TiPlotKindManager : public TiPlotObjectOwnedManager {
 public:
  using TiPlotObjectOwnedManager::TiPlotObjectOwnedManager;
  TiPlotObject* CreateObject() override;
  // Adds objects of class T; an unnamed one gets UniqueName and the kind's
  // defaults (a stored object keeps its own).
  void AddObject(TiPlotObject* object) override;
  T* Get(int index) const;

 protected:
  virtual void ApplyDefaults(T& object) {}
};

class TiPlotToolBarManager : public TiPlotKindManager<TiPlotToolBar> {
 public:
  explicit TiPlotToolBarManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Toolbar"; }
  TiPlotToolBar* ToolBar(int index) const { return Get(index); }
};

class TiPlotLegendManager : public TiPlotKindManager<TiPlotLegend> {
 public:
  explicit TiPlotLegendManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Legend"; }
  TiPlotLegend* Legend(int index) const { return Get(index); }
};

class TiPlotTableManager : public TiPlotKindManager<TiPlotTable> {
 public:
  explicit TiPlotTableManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Table"; }
  TiPlotTable* Table(int index) const { return Get(index); }
};

class TiPlotXAxisManager : public TiPlotKindManager<TiPlotXAxis> {
 public:
  explicit TiPlotXAxisManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "X-Axis"; }
  TiPlotXAxis* XAxis(int index) const { return Get(index); }

 protected:
  void ApplyDefaults(TiPlotXAxis& axis) override;
};

class TiPlotYAxisManager : public TiPlotKindManager<TiPlotYAxis> {
 public:
  explicit TiPlotYAxisManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Y-Axis"; }
  TiPlotYAxis* YAxis(int index) const { return Get(index); }

 protected:
  void ApplyDefaults(TiPlotYAxis& axis) override;
};

// The axis managers a manager takes default axis names from; the master
// manager links them and clears a link whose manager goes away.
struct TiPlotAxisSources {
  TiPlotXAxisManager* XAxisManager = nullptr;
  TiPlotYAxisManager* YAxisManager = nullptr;
  std::string FirstXAxisName() const;  // empty when there is none
  std::string FirstYAxisName() const;
};

class TiPlotChannelManager : public TiPlotKindManager<TiPlotChannelCustom> {
 public:
  explicit TiPlotChannelManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Channel"; }
  TiPlotObject* CreateObject() override;  // of the channel class
  TiPlotChannelCustom* Channel(int index) const { return Get(index); }

  TiPlotChannelClass ChannelClass = nullptr;  // null: TiPlotChannel
  TiPlotAxisSources AxisSources;
  // Red for the first channel; then the first candidate colour fewest
  // channels use.
  TColor NextChannelColor() const;

 protected:
  void ApplyDefaults(TiPlotChannelCustom& channel) override;
};

class TiPlotDataViewManager : public TiPlotKindManager<TiPlotDataView> {
 public:
  explicit TiPlotDataViewManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Data View"; }
  TiPlotDataView* DataView(int index) const { return Get(index); }
  TiPlotAxisSources AxisSources;

 protected:
  void ApplyDefaults(TiPlotDataView& view) override;
};

class TiPlotDataCursorManager : public TiPlotKindManager<TiPlotDataCursor> {
 public:
  explicit TiPlotDataCursorManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Cursor"; }
  TiPlotDataCursor* DataCursor(int index) const { return Get(index); }
  TiPlotChannelManager* ChannelManager = nullptr;
  TiPlotDataViewManager* DataViewManager = nullptr;

 protected:
  void ApplyDefaults(TiPlotDataCursor& cursor) override;
};

class TiPlotLimitManager : public TiPlotKindManager<TiPlotLimit> {
 public:
  explicit TiPlotLimitManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Limit"; }
  TiPlotLimit* Limit(int index) const { return Get(index); }
  TiPlotAxisSources AxisSources;

 protected:
  void ApplyDefaults(TiPlotLimit& limit) override;
};

class TiPlotLabelManager : public TiPlotKindManager<TiPlotLabel> {
 public:
  explicit TiPlotLabelManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Label"; }
  TiPlotLabel* Label(int index) const { return Get(index); }

 protected:
  void ApplyDefaults(TiPlotLabel& label) override;
};

// Annotations are added but never named.
class TiPlotAnnotationManager : public TiPlotKindManager<TiPlotAnnotation> {
 public:
  explicit TiPlotAnnotationManager(const TiPlotObjectHooks& hooks);
  std::string GetBaseName() const override { return "Annotation"; }
  void AddObject(TiPlotObject* object) override;
  TiPlotAnnotation* Annotation(int index) const { return Get(index); }
};

// Every plot object, not owned: the plot's hit tests and focus fan-outs walk
// it in list order.
class TiPlotObjectManager : public TiPlotObjectManagerCustom {
 public:
  explicit TiPlotObjectManager(const TiPlotObjectHooks& hooks);
  ~TiPlotObjectManager() override;
  // Raises "Object Manager does not support creation of objects".
  TiPlotObject* CreateObject() override;
  std::string GetBaseName() const override { return "n/a"; }
  void AddObject(TiPlotObject* object) override { Add(object); }

  void ClearFocus();
  void SetAxesModeFlags(uint8_t flags);
  // Each hands the event to every focused object, in list order.
  void MouseDownFocused(TiPlotMouseButton button, TiPlotShiftState shift, TiPopupMenu* menu, int screenX,
                        int screenY, int x, int y);
  void MouseMoveFocused(TiPlotHintData& hint, TiPlotShiftState shift, bool multiSelect, int screenX, int screenY,
                        int x, int y);
  void MouseUpFocused(TiPlotMouseButton button, TiPlotShiftState shift, bool dblClick, int x, int y);
  void KeyDownFocused(int& key, TiPlotShiftState shift);
  bool MouseWheelFocused(int delta, TiPlotShiftState shift, TPoint position);  // true when one took it
  // Clears OnRemove, OnLayoutChange and OnChange of every object; the plot
  // calls it while it is being destroyed.
  void DetachHooks();

 private:
  template <class F>
  void ForEachFocused(F&& action);
};
