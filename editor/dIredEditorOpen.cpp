// Opening the editor from a chart: the master manager keeps the dialog
// while it is open; modal dialogs are freed when they close, stay-on-top
// ones are kept for the next opening.
#include "editor/dIredEditor.h"
#include "plot/dIredComponent.h"

void InstallPlotEditor(TiPlotComponent& plot) {
  plot.MasterManager()->OnEditObject = [&plot](TiPlotObject* object) { OpenPlotEditor(plot, object); };
}

void OpenPlotEditor(TiPlotComponent& plot, TiPlotObject* object) {
  TiPlotMasterManager& master = *plot.MasterManager();
  auto* form = dynamic_cast<TiPlotEditorForm*>(master.Editor.get());
  if (!form) {
    auto made = std::make_unique<TiPlotEditorForm>(plot);
    form = made.get();
    master.Editor = std::move(made);
  } else {
    form->ReloadPages();
  }
  form->EditObject(object);
  if (form->isVisible()) {  // already open (a modal one is running)
    form->raise();
    form->activateWindow();
    return;
  }
  if (plot.OnAfterOpenEditor) plot.OnAfterOpenEditor(&plot);
  if (plot.EditorFormStyle() == ipfsModal) {
    form->setWindowFlag(Qt::WindowStaysOnTopHint, false);
    form->exec();
    master.Editor.reset();  // fires OnAfterCloseEditor
    return;
  }
  form->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  form->show();
  form->raise();
  form->activateWindow();
}
