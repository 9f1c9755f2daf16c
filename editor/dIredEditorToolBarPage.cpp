// The "ToolBar" page: the toolbars of the chart. Their list is not shown and
// the page has no buttons: it edits the list's selected toolbar, the first
// unless the layout viewer's "Edit" chose another.
#include "editor/dIredEditor.h"
#include "editor/iEditorObjectFields.h"
#include "editor/iEditorObjectPage.h"
#include "editor/iEditorPages.h"
#include "plot/dIredComponent.h"
#include "plot/dIredToolBar.h"

namespace {

TiPlotEditorKind ToolBarKind() {
  TiPlotEditorKind kind;
  kind.Prefix = "ToolBar";
  kind.Manager = [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.ToolBarManager(); };
  return kind;
}

// The buttons' flags in toolbar order, with their captions.
const std::pair<const char*, const char*> kButtons[] = {
    {"ShowResumeButton", "Resume"},        {"ShowPauseButton", "Pause"},     {"ShowAxesModeButtons", "Axes Mode"},
    {"ShowZoomInOutButtons", "Zoom In/Out"}, {"ShowSelectButton", "Select"}, {"ShowZoomBoxButton", "Zoom Box"},
    {"ShowCursorButton", "Cursor"},        {"ShowEditButton", "Edit"},       {"ShowCopyButton", "Copy"},
    {"ShowSaveButton", "Save"},            {"ShowPrintButton", "Print"},     {"ShowPreviewButton", "Preview"}};

class TiPlotEditorToolBarPage : public TiPlotEditorObjectPage {
 public:
  TiPlotEditorToolBarPage(TiPlotEditorForm& form, QWidget* tab)
      : TiPlotEditorObjectPage(form, tab, ToolBarKind()) {
    ListBox()->hide();
    TiEditorSheet s = AddSheet("General");
    AddObjectFields(s);
    s.Edit("ZoomInOutFactor", "Zoom In/Out Factor");
    s.Check("FlatBorder", "Flat Border");
    s.Check("FlatButtons", "Flat Buttons");
    s.Check("SmallButtons", "Small Buttons");
    s.NextColumn();
    AddLayoutFields(s);
    TiEditorSheet shown = AddSheet("Show Button");
    int row = 0;
    for (const auto& [property, caption] : kButtons) {
      if (row++ == 6) shown.NextColumn();
      shown.Check(property, caption);
    }
  }
};

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeToolBarPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorToolBarPage>(form, tab);
}
