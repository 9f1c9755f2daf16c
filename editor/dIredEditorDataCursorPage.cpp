// The "Cursors" page: the chart's data cursors, with Add and Remove.
#include <string>
#include <utility>
#include <vector>

#include "editor/dIredEditor.h"
#include "editor/iEditorObjectFields.h"
#include "editor/iEditorObjectPage.h"
#include "editor/iEditorPages.h"
#include "plot/dIredComponent.h"
#include "plot/dIredDataCursor.h"

namespace {

TiPlotEditorKind DataCursorKind() {
  TiPlotEditorKind kind;
  kind.Prefix = "DataCursor";
  kind.AddButtonName = "DataCursorsAddButton";
  kind.Manager = [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.DataCursorManager(); };
  kind.Add = [](TiPlotComponent& p) { return p.AddDataCursor(); };
  kind.Delete = [](TiPlotComponent& p, int index) { p.DeleteDataCursor(index); };
  kind.RowColor = [](const TiPlotObject& o) { return static_cast<const TiPlotDataCursor&>(o).Color(); };
  return kind;
}

// The cursor styles in their order: the suffix of their menu item
// properties and the caption of the style and of its menu item.
const std::pair<const char*, const char*> kStyles[] = {
    {"ValueXY", "Value XY"}, {"ValueX", "Value X"}, {"ValueY", "Value Y"},
    {"DeltaX", "Delta X"},   {"DeltaY", "Delta Y"}, {"InverseDeltaX", "Inverse Delta X"}};

std::vector<std::string> StyleCaptions() {
  std::vector<std::string> captions;
  for (const auto& style : kStyles) captions.push_back(style.second);
  return captions;
}

class TiPlotEditorDataCursorPage : public TiPlotEditorObjectPage {
 public:
  TiPlotEditorDataCursorPage(TiPlotEditorForm& form, QWidget* tab)
      : TiPlotEditorObjectPage(form, tab, DataCursorKind()) {
    BuildGeneral();
    BuildChannel();
    BuildHint();
  }

 private:
  void BuildGeneral() {
    TiEditorSheet s = AddSheet("General");
    AddObjectFields(s);
    s.Combo("Style", "Style", StyleCaptions());
    s.Color("Color", "Color");
    s.Check("UseChannelColor", "Use Channel Color");
    s.Font("Font", "Font");
    s.NextColumn();
    s.UpDownEdit("PointerPenWidth", "Pointer Pen Width", 0, 20);
    s.Edit("Pointer1Position", "Pointer 1 Position");
    s.Edit("Pointer2Position", "Pointer 2 Position");
    TiEditorSheet menu = s.Group("Menu");
    menu.Check("MenuUserCanChangeOptions", "User Can Change Options");
    for (const auto& [item, caption] : kStyles) {
      menu.Check(std::string("MenuItemVisible") + item, std::string("Show ") + caption);
      menu.Edit(std::string("MenuItemCaption") + item, caption);
    }
  }
  void BuildChannel() {
    TiEditorSheet s = AddSheet("Channel");
    NameCombo(s, "ChannelName", "Channel Name",
              [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.ChannelManager(); });
    s.Check("ChannelAllowAll", "Allow <All>");
    s.Check("ChannelShowAllInLegend", "Show All In Legend");
  }
  void BuildHint() {
    TiEditorSheet s = AddSheet("Hint");
    s.Check("HintShow", "Show");
    s.Check("HintHideOnRelease", "Hide On Release");
    s.Radio("HintOrientationSide", "Orientation Side", {"Bottom-Right", "Top-Left"});
    s.Edit("HintPosition", "Position");
  }
};

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeDataCursorPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorDataCursorPage>(form, tab);
}
