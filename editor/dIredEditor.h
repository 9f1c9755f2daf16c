// The plot property editor: a dialog captioned "Plot" with one page per kind
// of plot object, in which the operator changes every setting of a chart
// while it runs. Each change reaches the chart at once; there is no OK or
// Cancel.
//
// The master manager keeps the dialog while it is open (TiPlotEditorLink)
// and tells it of objects added, removed and renamed. InstallPlotEditor
// makes a chart's properties button and "Edit..." items open it; the chart's
// EditorFormStyle decides whether it is modal (freed when it closes) or a
// stay-on-top window that is kept.
//
// GUI thread only.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "editor/iComponentEditorForm.h"
#include "editor/iEditorBasicComponents.h"
#include "editor/iEditorPage.h"
#include "plot/dIredMasterManager.h"

class TiPlotComponent;

class TiPlotEditorForm : public TiCustomEditorForm, public TiPlotEditorLink {
 public:
  explicit TiPlotEditorForm(TiPlotComponent& plot);
  ~TiPlotEditorForm() override;

  TiPlotComponent& Plot() const { return plot_; }
  TiComponentEditorPageControl* PageControl() const { return pages_; }
  // The page of a tab by its caption ("Channels"); null when it has none yet.
  TiPlotEditorPage* Page(const std::string& caption) const;
  // Shows the page that edits the object's kind with the object selected;
  // null: the page shown last.
  void EditObject(TiPlotObject* object);
  // Every page fills itself from the chart again.
  void ReloadPages();
  // A value refused while storing; shown without stopping the dialog.
  void ShowError(const std::string& message);
  const std::string& LastError() const { return lastError_; }
  std::string Translate(const std::string& text) const;

  void ObjectAdded(TiPlotObject* object) override;
  void ObjectRemoved(TiPlotObject* object) override;
  void ObjectRenamed(TiPlotObject* object) override;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void RememberPages() const;
  void RestorePages();
  void ScheduleReload();

  TiPlotComponent& plot_;
  // Kept: the chart no longer hands it out while the master frees the editor.
  TiPlotMasterManager& master_;
  TiComponentEditorPageControl* pages_;
  std::vector<std::unique_ptr<TiPlotEditorPage>> pageObjects_;  // one per tab, or null
  std::string lastError_;
  bool reloadPending_ = false;
};

// Makes the chart's properties button and the objects' "Edit..." items open
// the editor.
void InstallPlotEditor(TiPlotComponent& plot);
// Opens the editor on the object's page (null: the page shown last), as the
// chart's EditorFormStyle says; fires OnAfterOpenEditor.
void OpenPlotEditor(TiPlotComponent& plot, TiPlotObject* object);
