// The "Data View" page: the data views of the chart. Their list is not shown
// and the page has no buttons: it edits the list's selected data view, the
// first unless the layout viewer's "Edit" chose another.
#include "editor/dIredEditor.h"
#include "editor/iEditorObjectFields.h"
#include "editor/iEditorObjectPage.h"
#include "editor/iEditorPages.h"
#include "plot/dIredComponent.h"
#include "plot/dIredDataView.h"

namespace {

TiPlotEditorKind DataViewKind() {
  TiPlotEditorKind kind;
  kind.Prefix = "DataView";
  kind.Manager = [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.DataViewManager(); };
  kind.RowColor = [](const TiPlotObject& o) { return static_cast<const TiPlotDataView&>(o).BackgroundColor(); };
  return kind;
}

const std::vector<std::string> kGridLineStyles = {"Solid", "Dash", "Dot"};
const std::vector<std::string> kAxesControlStyles = {"X-Axis", "Y-Axis", "Both"};
// The grid line groups: "X-Majors" edits GridLineShowXMajors and the
// GridLineXMajor... properties.
const std::pair<const char*, const char*> kGridGroups[] = {
    {"X-Majors", "XMajor"}, {"X-Minors", "XMinor"}, {"Y-Majors", "YMajor"}, {"Y-Minors", "YMinor"}};

class TiPlotEditorDataViewPage : public TiPlotEditorObjectPage {
 public:
  TiPlotEditorDataViewPage(TiPlotEditorForm& form, QWidget* tab)
      : TiPlotEditorObjectPage(form, tab, DataViewKind()) {
    ListBox()->hide();
    BuildGeneral();
    BuildGridLines();
  }

 private:
  void BuildGeneral() {
    TiEditorSheet s = AddSheet("General");
    AddObjectFields(s);
    s.Edit("Title", "Title");
    s.NextColumn();
    s.Color("BackgroundColor", "Background Color");
    s.Check("BackgroundTransparent", "Background Transparent");
    TiEditorSheet axes = s.Group("Axes Control");
    axes.Check("AxesControlEnabled", "Enabled");
    axes.Combo("AxesControlMouseStyle", "Mouse", kAxesControlStyles);
    axes.Combo("AxesControlWheelStyle", "Wheel", kAxesControlStyles);
  }
  void BuildGridLines() {
    TiEditorSheet s = AddSheet("Grid Lines");
    TiEditorSheet grid = s.Group("Grid");
    grid.Check("GridShow", "Show");
    NameCombo(grid, "GridXAxisName", "X-Axis Name",
              [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.XAxisManager(); });
    NameCombo(grid, "GridYAxisName", "Y-Axis Name",
              [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.YAxisManager(); });
    grid.Color("GridLineColor", "Color");
    grid.Combo("GridLineMajorStyle", "Major Style", kGridLineStyles);
    grid.Combo("GridLineMinorStyle", "Minor Style", kGridLineStyles);
    grid.Check("GridLineShowLeft", "Border Left");
    grid.Check("GridLineShowRight", "Border Right");
    grid.Check("GridLineShowTop", "Border Top");
    grid.Check("GridLineShowBottom", "Border Bottom");
    s.NextColumn();
    TiComponentEditorPageControl* pages = s.Pages();
    for (const auto& [caption, group] : kGridGroups) {
      TiEditorSheet g = s.AddPage(pages, caption);
      const std::string lines = std::string("GridLine") + group;
      g.Check(std::string("GridLineShow") + group + "s", "Show");
      g.Check(lines + "Custom", "Custom");
      g.Color(lines + "Color", "Color");
      g.UpDownEdit(lines + "Width", "Width", 0, 20);
      g.Combo(lines + "Style", "Style", kGridLineStyles);
    }
  }
};

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeDataViewPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorDataViewPage>(form, tab);
}
