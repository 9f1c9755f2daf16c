// One page of the plot editor. The dialog makes each page through its
// factory (iEditorPages.h) on the tab it belongs to, and tells every page of
// the chart's objects coming, going and being renamed.
#pragma once
#include <QWidget>
#include <memory>
#include <string>

class TiPlotEditorForm;
class TiPlotObject;

class TiPlotEditorPage {
 public:
  TiPlotEditorPage(TiPlotEditorForm& form, QWidget* tab) : form_(form), tab_(tab) {}
  virtual ~TiPlotEditorPage() = default;
  TiPlotEditorPage(const TiPlotEditorPage&) = delete;
  TiPlotEditorPage& operator=(const TiPlotEditorPage&) = delete;

  QWidget* Tab() const { return tab_; }
  // Fills the page from the chart again.
  virtual void Reload() {}
  // Selects the object when the page edits its kind; false otherwise.
  virtual bool Select(TiPlotObject* object) { return false; }
  // The object arrived, is going away (it is half destroyed: compare the
  // pointer, call nothing on it) or has a new name.
  virtual void ObjectAdded(TiPlotObject* object) {}
  virtual void ObjectRemoved(TiPlotObject* object) {}
  virtual void ObjectRenamed(TiPlotObject* object) {}
  // The sub-page shown, remembered while the chart lives (-1: none).
  virtual int SubPageIndex() const { return -1; }
  virtual void SetSubPageIndex(int index) {}

 protected:
  TiPlotEditorForm& form_;
  QWidget* tab_;
};

using TiPlotEditorPageFactory = std::unique_ptr<TiPlotEditorPage> (*)(TiPlotEditorForm& form, QWidget* tab);
