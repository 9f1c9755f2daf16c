// The "X-Axes" and "Y-Axes" pages: one page class for both orientations,
// with Add and Remove and the "Copy Default" buttons of the formats.
#include <string>
#include <utility>

#include "components/iPropertyLines.h"
#include "components/iReflection.h"
#include "editor/dIredEditor.h"
#include "editor/iEditorChoices.h"
#include "editor/iEditorObjectPage.h"
#include "editor/iEditorPages.h"
#include "plot/dIredAxis.h"
#include "plot/dIredComponent.h"

namespace {

TiPlotManagerOf XAxes() {
  return [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.XAxisManager(); };
}
TiPlotManagerOf YAxes() {
  return [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.YAxisManager(); };
}

TiPlotEditorKind AxisKind(bool x) {
  TiPlotEditorKind kind;
  kind.Prefix = x ? "XAxis" : "YAxis";
  kind.AddButtonName = x ? "XAxesAddButton" : "YAxesAddButton";
  kind.Manager = x ? XAxes() : YAxes();
  if (x) {
    kind.Add = [](TiPlotComponent& p) { return p.AddXAxis(); };
    kind.Delete = [](TiPlotComponent& p, int index) { p.DeleteXAxis(index); };
  } else {
    kind.Add = [](TiPlotComponent& p) { return p.AddYAxis(); };
    kind.Delete = [](TiPlotComponent& p, int index) { p.DeleteYAxis(index); };
  }
  kind.RowColor = [](const TiPlotObject& o) { return static_cast<const TiPlotAxis&>(o).ScaleLinesColor(); };
  return kind;
}

class TiPlotEditorAxisPage : public TiPlotEditorObjectPage {
 public:
  TiPlotEditorAxisPage(TiPlotEditorForm& form, QWidget* tab, bool x);
  // The label format (style, date-time pattern, precision style, precision,
  // minimum length and its auto-adjust) into the cursor or legend format.
  void CursorCopyDefaultButtonClick();
  void LegendCopyDefaultButtonClick();
  void CopyLabelFormatTo(const std::string& prefix);

 private:
  TiPlotAxis* Axis() const { return static_cast<TiPlotAxis*>(Selected()); }
  void BuildGeneral();
  void BuildTitle();
  void BuildLabels();
  void BuildTracking();
  void BuildCursor();
  void BuildScroll();
  void BuildScale();
  void BuildCartesian();
  // The format choices of one of the three formats, named with `kind`
  // ("Labels", "Cursor", "Legend").
  void BuildFormat(TiEditorSheet& s, const std::string& kind, const std::string& dateTimeProperty);

  bool x_;
};

TiPlotEditorAxisPage::TiPlotEditorAxisPage(TiPlotEditorForm& form, QWidget* tab, bool x)
    : TiPlotEditorObjectPage(form, tab, AxisKind(x)), x_(x) {
  BuildGeneral();
  BuildTitle();
  BuildLabels();
  BuildTracking();
  BuildCursor();
  BuildScroll();
  BuildScale();
  BuildCartesian();
}

void TiPlotEditorAxisPage::BuildGeneral() {
  TiEditorSheet s = AddSheet("General");
  s.Edit("Name", "Name");
  s.Edit("Min", "Min");
  s.Edit("Span", "Span");
  s.Edit("Layer", "Layer");
  s.Edit("StartPercent", "Start %");
  s.Edit("StopPercent", "Stop %");
  s.UpDownEdit("ZOrder", "Z-Order");
  s.Edit("StackingEndsMargin", "Ends Margin");
  NameCombo(s, "AlignRefAxisName", "Align To", x_ ? XAxes() : YAxes());
  s.NextColumn();
  s.Check("Visible", "Visible");
  s.Check("Enabled", "Enabled");
  s.Check("PopupEnabled", "Popup Enabled");
  s.Check("ReverseScale", "Reverse Scale");
  s.Check("MasterUIInput", "Master UI Input");
  s.Check("ForceStacking", "Force Stacking");
  s.Radio("ScaleType", "Scale Type", {"Linear", "Log10"});
}

void TiPlotEditorAxisPage::BuildTitle() {
  TiEditorSheet s = AddSheet("Title");
  s.Edit("Title", "Text");
  s.Check("TitleShow", "Show");
  s.Check("TitleRotated", "Rotated");
  s.Edit("TitleMargin", "Margin");
  s.Font("TitleFont", "Font");
}

void TiPlotEditorAxisPage::BuildFormat(TiEditorSheet& s, const std::string& kind,
                                       const std::string& dateTimeProperty) {
  s.Combo(kind + "FormatStyle", "Format Style", kFormatStyles);
  s.Combo(dateTimeProperty, "Date/Time Format", kDateTimeFormats, true);
  s.Combo(kind + "PrecisionStyle", "Precision Style", kPrecisionStyles);
  s.UpDownEdit(kind + "Precision", "Precision");
  s.Edit(kind + "MinLength", "Min Length");
  s.Check(kind + "MinLengthAutoAdjust", "Min Length Auto Adjust");
}

void TiPlotEditorAxisPage::BuildLabels() {
  TiEditorSheet s = AddSheet("Labels");
  TiComponentEditorPageControl* formats = s.Pages();
  TiEditorSheet labels = s.AddPage(formats, "(Default)");
  BuildFormat(labels, "Labels", "DateTimeFormat");
  labels.NextColumn();
  labels.Check("LabelsVisible", "Visible");
  labels.Edit("LabelsMargin", "Margin");
  labels.Edit("LabelSeparation", "Separation");
  labels.Combo("LabelsRotation", "Rotation", {"0", "90", "180", "270"});
  labels.Font("LabelsFont", "Font");
  TiEditorSheet cursor = s.AddPage(formats, "Cursor");
  cursor.Check("CursorUseDefaultFormat", "Use Default Format");
  BuildFormat(cursor, "Cursor", "CursorDateTimeFormat");
  cursor.Button("CursorCopyDefaultButton", "Copy Default", [this] { CursorCopyDefaultButtonClick(); });
  TiEditorSheet legend = s.AddPage(formats, "Legend");
  legend.Check("LegendUseDefaultFormat", "Use Default Format");
  BuildFormat(legend, "Legend", "LegendDateTimeFormat");
  legend.Button("LegendCopyDefaultButton", "Copy Default", [this] { LegendCopyDefaultButtonClick(); });
}

void TiPlotEditorAxisPage::BuildTracking() {
  TiEditorSheet s = AddSheet("Tracking");
  s.Check("TrackingEnabled", "Enabled");
  s.Combo("TrackingStyle", "Style",
          {"Scale Min/Max", "Scale Max", "Scale Min", "Scroll Smooth", "Scroll Page", "Expand/Collapse",
           "Expand/Collapse Fast"});
  s.Combo("TrackingAlignFirstStyle", "Align First", {"Min", "Max", "Auto", "None"});
  s.Edit("TrackingScrollCompressMax", "Scroll Compress Max");
  s.Check("RestoreValuesOnResume", "Restore Values On Resume");
}

void TiPlotEditorAxisPage::BuildCursor() {
  TiEditorSheet s = AddSheet("Cursor");
  s.Edit("CursorScaler", "Scaler");
}

void TiPlotEditorAxisPage::BuildScroll() {
  TiEditorSheet s = AddSheet("Scroll");
  s.Check("ScrollMinMaxEnabled", "Min/Max Enabled");
  s.Edit("ScrollMin", "Min");
  s.Edit("ScrollMax", "Max");
}

void TiPlotEditorAxisPage::BuildScale() {
  TiEditorSheet s = AddSheet("Scale");
  s.Edit("DesiredStart", "Desired Start");
  s.Edit("DesiredIncrement", "Desired Increment");
  s.UpDownEdit("MinorCount", "Minor Count");
  s.UpDownEdit("MajorLength", "Major Length");
  s.UpDownEdit("MinorLength", "Minor Length");
  s.NextColumn();
  s.UpDownEdit("InnerMargin", "Inner Margin");
  s.UpDownEdit("OuterMargin", "Outer Margin");
  s.Check("ScaleLinesShow", "Scale Lines Show");
  s.Color("ScaleLinesColor", "Scale Lines Color");
  s.Check("ScaleLineShow", "Scale Line Show");
  s.Check("GridLinesVisible", "Grid Lines Visible");
}

void TiPlotEditorAxisPage::BuildCartesian() {
  TiEditorSheet s = AddSheet("Cartesian");
  s.Radio("CartesianStyle", "Style", {"None", "Master", "Child"});
  // A child crosses an axis of the other orientation.
  NameCombo(s, "CartesianChildRefAxisName", "Child Ref Axis", x_ ? YAxes() : XAxes());
  s.Edit("CartesianChildRefValue", "Child Ref Value");
}

void TiPlotEditorAxisPage::CursorCopyDefaultButtonClick() { CopyLabelFormatTo("Cursor"); }
void TiPlotEditorAxisPage::LegendCopyDefaultButtonClick() { CopyLabelFormatTo("Legend"); }

// The label format's settings become those of the cursor or legend format
// named by `prefix`: one list of fields serves both buttons.
void TiPlotEditorAxisPage::CopyLabelFormatTo(const std::string& prefix) {
  TiPlotAxis* a = Axis();
  if (!a) return;
  static const std::pair<const char*, const char*> kFields[] = {
      {"LabelsFormatStyle", "FormatStyle"}, {"DateTimeFormat", "DateTimeFormat"},
      {"LabelsPrecisionStyle", "PrecisionStyle"}, {"LabelsPrecision", "Precision"},
      {"LabelsMinLength", "MinLength"}, {"LabelsMinLengthAutoAdjust", "MinLengthAutoAdjust"}};
  for (const auto& [from, field] : kFields) {
    std::string text;
    WithProperty(Reflect(*a), from, false, [&](TObjectRef o, const TPropInfo& p) { text = PropertyValueText(o, p); });
    WithProperty(Reflect(*a), prefix + field, true,
                 [&](TObjectRef o, const TPropInfo& p) { SetPropertyValueText(o, p, text); });
  }
  ListBoxClick();
}

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeXAxisPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorAxisPage>(form, tab, true);
}

std::unique_ptr<TiPlotEditorPage> MakeYAxisPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorAxisPage>(form, tab, false);
}
