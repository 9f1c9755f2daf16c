// The "Tables" page: the chart's tables, with Add and Remove. The table
// object publishes no settings of its grid yet: the "Grid" sub-page stays
// empty, in its place among the sub-pages, until it does.
#include "editor/dIredEditor.h"
#include "editor/iEditorObjectFields.h"
#include "editor/iEditorObjectPage.h"
#include "editor/iEditorPages.h"
#include "plot/dIredComponent.h"
#include "plot/dIredTable.h"

namespace {

TiPlotEditorKind TableKind() {
  TiPlotEditorKind kind;
  kind.Prefix = "Table";
  kind.AddButtonName = "TablesAddButton";
  kind.Manager = [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.TableManager(); };
  kind.Add = [](TiPlotComponent& p) { return p.AddTable(); };
  kind.Delete = [](TiPlotComponent& p, int index) { p.DeleteTable(index); };
  return kind;
}

class TiPlotEditorTablePage : public TiPlotEditorObjectPage {
 public:
  TiPlotEditorTablePage(TiPlotEditorForm& form, QWidget* tab) : TiPlotEditorObjectPage(form, tab, TableKind()) {
    TiEditorSheet general = AddSheet("General");
    AddObjectFields(general);
    AddSheet("Grid");
    TiEditorSheet layout = AddSheet("Layout");
    AddLayoutFields(layout);
  }
};

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeTablePage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorTablePage>(form, tab);
}
