// The master manager: creates one manager per object kind plus the layout
// manager, the list of all objects and the translation table; routes every
// object into the right managers when it is Inserted; fans removal, rename
// and focus out to every object. The plot owns exactly one.
//
// Objects and managers reach it only through the hooks it hands out
// (Hooks()): insertion, removal, rename and change. The plot gives it three
// hooks of its own: an object changed (repaint request), an object is being
// removed (the plot forgets references to it), repaint at once.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "plot/dIredLayoutManager.h"
#include "plot/dIredManagers.h"
#include "plot/dIredTranslation.h"

// The property editor as the master manager sees it; the editor implements
// it. The master frees it on destruction.
class TiPlotEditorLink {
 public:
  virtual ~TiPlotEditorLink() = default;
  virtual void ObjectAdded(TiPlotObject* object) {}
  virtual void ObjectRemoved(TiPlotObject* object) {}
  virtual void ObjectRenamed(TiPlotObject* object) {}
};

class TiPlotMasterManager : public TiObject {
 public:
  TiPlotMasterManager(TiPlotOwner* plot, TiObjectEvent onChange, TiObjectEvent onRemove,
                      TiObjectEvent onRepaintNow);
  ~TiPlotMasterManager() override;
  TiPlotMasterManager(const TiPlotMasterManager&) = delete;
  TiPlotMasterManager& operator=(const TiPlotMasterManager&) = delete;

  // Each creates one object with the master's hooks, inserts it and returns
  // its index in its manager.
  int AddChannel();
  int AddDataView();
  int AddDataCursor();
  int AddLimit();
  int AddLabel();
  int AddAnnotation();
  int AddLegend();
  int AddTable();
  int AddToolBar();
  int AddXAxis();
  int AddYAxis();

  // The class AddChannel and the channel manager create (TiPlot: TiPlotChannel,
  // TiXYPlot: TiXYPlotChannel).
  void SetChannelClass(TiPlotChannelClass channelClass);
  bool EditAllowed() const { return EditAllowed_; }
  void SetEditAllowed(bool value);  // on every object
  bool XYAxesReverse() const { return XYAxesReverse_; }
  void SetXYAxesReverse(bool value);  // layout manager, every object, repaint now
  void SetToolBarsVisible(bool value);
  // Channels forget their points and statistics, axes their first point.
  void ClearAllData();
  void ClearFocusAll();
  // The property editor on the object's page (through OnEditObject).
  void EditObject(TiPlotObject* object);
  void ShowEditor();

  TiPlotToolBarManager* ToolBarManager() const { return ToolBar_; }
  TiPlotLegendManager* LegendManager() const { return Legend_; }
  TiPlotTableManager* TableManager() const { return Table_; }
  TiPlotXAxisManager* XAxisManager() const { return XAxis_; }
  TiPlotYAxisManager* YAxisManager() const { return YAxis_; }
  TiPlotChannelManager* ChannelManager() const { return Channel_; }
  TiPlotDataViewManager* DataViewManager() const { return DataView_; }
  TiPlotDataCursorManager* DataCursorManager() const { return DataCursor_; }
  TiPlotLimitManager* LimitManager() const { return Limit_; }
  TiPlotLabelManager* LabelManager() const { return Label_; }
  TiPlotAnnotationManager* AnnotationManager() const { return Annotation_; }
  TiPlotLayoutManager* LayoutManager() const { return Layout_; }
  TiPlotObjectManager* ObjectManager() const { return Object_; }
  TiPlotTranslationManager* TranslationManager() const { return Translation_; }

  // The hooks every object and manager of this chart is created with.
  TiPlotObjectHooks Hooks();

  TiObjectEvent OnInsert;  // optional: after every insertion
  // Opens the editor on an object (null: on no particular object); the plot
  // sets it, the editor is not part of the engine.
  std::function<void(TiPlotObject*)> OnEditObject;
  std::unique_ptr<TiPlotEditorLink> Editor;  // while the editor is open
  std::map<std::string, int> EditorPages;    // remembered page per editor tab

 private:
  void InsertHook(TiObject* sender);
  void RemoveHook(TiObject* sender);
  void RenameHook(TiObject* sender);
  void FocusHook(TiObject* sender);
  void InstallHooks(TiPlotObject* object);
  bool StoreManager(TiObject* sender);
  template <class M>
  bool Store(TiObject* sender, M*& slot);
  void ForgetLinks(const void* manager);
  template <class M>
  void Free(M*& slot);
  // Every manager that holds objects of one kind, in a fixed order.
  template <class F>
  void ForEachKindManager(F&& action) const;
  template <class F>
  void ForEachObject(F&& action) const;
  template <class M>
  int AddTo(M* manager, TiPlotObject* object);

  TiPlotOwner* Plot_;
  TiObjectEvent PlotChange_, PlotRemove_, PlotRepaintNow_;
  bool EditAllowed_ = true;
  bool XYAxesReverse_ = false;
  TiPlotChannelClass ChannelClass_ = nullptr;

  // Slots, with each manager's identity as it announced itself (compared
  // when it goes away, when it is no longer complete enough to convert).
  TiPlotToolBarManager* ToolBar_ = nullptr;
  TiPlotLegendManager* Legend_ = nullptr;
  TiPlotTableManager* Table_ = nullptr;
  TiPlotXAxisManager* XAxis_ = nullptr;
  TiPlotYAxisManager* YAxis_ = nullptr;
  TiPlotChannelManager* Channel_ = nullptr;
  TiPlotDataViewManager* DataView_ = nullptr;
  TiPlotDataCursorManager* DataCursor_ = nullptr;
  TiPlotLimitManager* Limit_ = nullptr;
  TiPlotLabelManager* Label_ = nullptr;
  TiPlotAnnotationManager* Annotation_ = nullptr;
  TiPlotLayoutManager* Layout_ = nullptr;
  TiPlotObjectManager* Object_ = nullptr;
  TiPlotTranslationManager* Translation_ = nullptr;
  std::map<TiObject*, std::function<void()>> Identities_;  // id -> clears its slot and links
};
