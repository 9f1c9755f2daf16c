// The "Limits" page: the chart's limit lines and bands, with Add and Remove.
#include "editor/dIredEditor.h"
#include "editor/iEditorChoices.h"
#include "editor/iEditorObjectFields.h"
#include "editor/iEditorObjectPage.h"
#include "editor/iEditorPages.h"
#include "plot/dIredComponent.h"
#include "plot/dIredLimit.h"

namespace {

TiPlotEditorKind LimitKind() {
  TiPlotEditorKind kind;
  kind.Prefix = "Limit";
  kind.AddButtonName = "LimitsAddButton";
  kind.Manager = [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.LimitManager(); };
  kind.Add = [](TiPlotComponent& p) { return p.AddLimit(); };
  kind.Delete = [](TiPlotComponent& p, int index) { p.DeleteLimit(index); };
  kind.RowColor = [](const TiPlotObject& o) { return static_cast<const TiPlotLimit&>(o).Color(); };
  return kind;
}

class TiPlotEditorLimitPage : public TiPlotEditorObjectPage {
 public:
  TiPlotEditorLimitPage(TiPlotEditorForm& form, QWidget* tab) : TiPlotEditorObjectPage(form, tab, LimitKind()) {
    TiEditorSheet s = AddSheet("General");
    AddObjectFields(s);
    s.Check("UserCanMove", "User Can Move");
    s.Edit("Line1Position", "Line 1 Position");
    s.Edit("Line2Position", "Line 2 Position");
    s.NextColumn();
    s.Combo("Style", "Style", {"Line X", "Line Y", "Band X", "Band Y", "Poly Band X", "Poly Band Y"});
    s.Color("Color", "Color");
    s.UpDownEdit("LineWidth", "Line Width", 0, 20);
    s.Combo("LineStyle", "Line Style", kPenStyles);
    s.Combo("FillStyle", "Fill Style", kBrushStyles);
    NameCombo(s, "XAxisName", "X-Axis Name",
              [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.XAxisManager(); });
    NameCombo(s, "YAxisName", "Y-Axis Name",
              [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.YAxisManager(); });
  }
};

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeLimitPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorLimitPage>(form, tab);
}
