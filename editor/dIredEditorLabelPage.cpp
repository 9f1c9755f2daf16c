// The "Labels" page: the chart's labels (the title is label 0), with Add and
// Remove.
#include "editor/dIredEditor.h"
#include "editor/iEditorObjectFields.h"
#include "editor/iEditorObjectPage.h"
#include "editor/iEditorPages.h"
#include "plot/dIredComponent.h"
#include "plot/dIredLabel.h"

namespace {

TiPlotEditorKind LabelKind() {
  TiPlotEditorKind kind;
  kind.Prefix = "Label";
  kind.AddButtonName = "LabelsAddButton";
  kind.Manager = [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.LabelManager(); };
  kind.Add = [](TiPlotComponent& p) { return p.AddLabel(); };
  kind.Delete = [](TiPlotComponent& p, int index) { p.DeleteLabel(index); };
  kind.RowColor = [](const TiPlotObject& o) { return static_cast<const TiPlotLabel&>(o).Font().Color; };
  return kind;
}

class TiPlotEditorLabelPage : public TiPlotEditorObjectPage {
 public:
  TiPlotEditorLabelPage(TiPlotEditorForm& form, QWidget* tab) : TiPlotEditorObjectPage(form, tab, LabelKind()) {
    TiEditorSheet s = AddSheet("General");
    AddObjectFields(s);
    s.Edit("Caption", "Caption");
    s.Combo("Alignment", "Alignment", {"Center", "Left", "Right"});
    s.Font("Font", "Font");
    s.NextColumn();
    s.Edit("MarginLeft", "Margin Left");
    s.Edit("MarginTop", "Margin Top");
    s.Edit("MarginRight", "Margin Right");
    s.Edit("MarginBottom", "Margin Bottom");
    AddLayoutFields(s);
  }
};

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeLabelPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorLabelPage>(form, tab);
}
