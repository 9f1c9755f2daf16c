// The "Legend" page: the legends of the chart. Their list is not shown and
// the page has no buttons: it edits the list's selected legend, the first
// unless the layout viewer's "Edit" chose another.
#include "editor/dIredEditor.h"
#include "editor/iEditorObjectFields.h"
#include "editor/iEditorObjectPage.h"
#include "editor/iEditorPages.h"
#include "plot/dIredComponent.h"
#include "plot/dIredLegend.h"

namespace {

TiPlotEditorKind LegendKind() {
  TiPlotEditorKind kind;
  kind.Prefix = "Legend";
  kind.Manager = [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.LegendManager(); };
  return kind;
}

// The legend's columns: the property suffix and the caption.
const std::pair<const char*, const char*> kColumns[] = {
    {"XAxisTitle", "X-Axis Title"}, {"YAxisTitle", "Y-Axis Title"}, {"XValue", "X Value"},
    {"YValue", "Y Value"},          {"YMax", "Y Max"},              {"YMin", "Y Min"},
    {"YMean", "Y Mean"}};

class TiPlotEditorLegendPage : public TiPlotEditorObjectPage {
 public:
  TiPlotEditorLegendPage(TiPlotEditorForm& form, QWidget* tab) : TiPlotEditorObjectPage(form, tab, LegendKind()) {
    ListBox()->hide();
    BuildGeneral();
    BuildColumns();
    BuildWrap();
  }

 private:
  void BuildGeneral() {
    TiEditorSheet s = AddSheet("General");
    AddObjectFields(s);
    s.Font("Font", "Font");
    s.Color("BackGroundColor", "Background Color");
    s.Check("BackGroundTransparent", "Background Transparent");
    s.Color("SelectedItemBackGroundColor", "Selected Background");
    s.Font("SelectedItemFont", "Selected Font");
    s.NextColumn();
    s.Edit("ChannelNameMaxWidth", "Channel Name Max Width");
    s.Combo("ChannelNameColorStyle", "Channel Name Color",
            {"Font", "Channel Color", "X-Axis Font Color", "Y-Axis Font Color"});
    s.Edit("MarginLeft", "Margin Left");
    s.Edit("MarginTop", "Margin Top");
    s.Edit("MarginRight", "Margin Right");
    s.Edit("MarginBottom", "Margin Bottom");
    AddLayoutFields(s);
  }
  void BuildColumns() {
    TiEditorSheet s = AddSheet("Columns");
    s.Check("ColumnTitlesVisible", "Titles Visible");
    s.Font("ColumnTitlesFont", "Titles Font");
    s.Edit("CaptionColumnTitle", "Title Caption");
    s.Check("ShowColumnLine", "Show Line");
    s.Check("ShowColumnMarker", "Show Marker");
    s.Edit("ColumnSpacing", "Column Spacing");
    s.Edit("RowSpacing", "Row Spacing");
    s.NextColumn();
    for (const auto& [column, caption] : kColumns) {
      s.Check(std::string("ShowColumn") + column, std::string("Show ") + caption);
      s.Edit(std::string("CaptionColumn") + column, std::string(caption) + " Caption");
    }
  }
  void BuildWrap() {
    TiEditorSheet s = AddSheet("Wrap");
    TiEditorSheet columns = s.Group("Columns");
    columns.UpDownEdit("WrapColDesiredCount", "Desired Count", 1, 100);
    columns.Check("WrapColAutoCountEnabled", "Auto Count");
    columns.UpDownEdit("WrapColAutoCountMax", "Auto Count Max", 1, 100);
    columns.Edit("WrapColSpacingMin", "Spacing Min");
    columns.Check("WrapColSpacingAuto", "Spacing Auto");
    s.NextColumn();
    TiEditorSheet rows = s.Group("Rows");
    rows.UpDownEdit("WrapRowDesiredCount", "Desired Count", 1, 100);
    rows.Check("WrapRowAutoCountEnabled", "Auto Count");
    rows.UpDownEdit("WrapRowAutoCountMax", "Auto Count Max", 1, 100);
    rows.Edit("WrapRowSpacingMin", "Spacing Min");
    rows.Check("WrapRowSpacingAuto", "Spacing Auto");
  }
};

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeLegendPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorLegendPage>(form, tab);
}
