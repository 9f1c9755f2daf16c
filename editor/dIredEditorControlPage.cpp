// The "Control" page: the chart component's own settings, and its file
// operations. It always edits the chart, so it has no list.
#include <QHBoxLayout>
#include <filesystem>

#include "editor/dIredEditor.h"
#include "editor/iEditorBinding.h"
#include "editor/iEditorChoices.h"
#include "editor/iEditorPages.h"
#include "editor/iEditorSheet.h"
#include "plot/dIredComponent.h"

namespace {

const char* const kPrefix = "Control";

class TiPlotEditorControlPage : public TiPlotEditorPage {
 public:
  TiPlotEditorControlPage(TiPlotEditorForm& form, QWidget* tab);
  void Reload() override { LoadControls(*tab_, kPrefix, Reflect(Plot())); }
  int SubPageIndex() const override { return subPages_->currentIndex(); }
  void SetSubPageIndex(int index) override { subPages_->setCurrentIndex(index); }

  void GeneralChanged();
  void TitleChange() { GeneralChanged(); }

 private:
  TiPlotComponent& Plot() const { return form_.Plot(); }
  TiEditorSheet AddSheet(const std::string& caption) {
    return TiEditorSheet(subPages_->AddPage(caption, QString()), kPrefix, [this] { GeneralChanged(); });
  }
  void BuildGeneral();
  void BuildTitle();
  void BuildBackground();
  void BuildPrint();
  void BuildHints();
  void BuildFileIO();
  void BuildAnnotationDefaults();
  // Runs a file operation of the chart; a failure is shown, and the pages
  // show whatever the chart now holds.
  template <class F>
  void Run(F&& operation);

  TiComponentEditorPageControl* subPages_;
};

TiPlotEditorControlPage::TiPlotEditorControlPage(TiPlotEditorForm& form, QWidget* tab)
    : TiPlotEditorPage(form, tab) {
  auto* layout = new QHBoxLayout(tab);
  layout->setContentsMargins(4, 4, 4, 4);
  subPages_ = new TiComponentEditorPageControl(tab);
  layout->addWidget(subPages_);
  BuildGeneral();
  BuildTitle();
  BuildBackground();
  BuildPrint();
  BuildHints();
  BuildFileIO();
  BuildAnnotationDefaults();
}

void TiPlotEditorControlPage::GeneralChanged() {
  for (const std::string& error : StoreControls(*tab_, kPrefix, Reflect(Plot()))) form_.ShowError(error);
  Reload();
}

template <class F>
void TiPlotEditorControlPage::Run(F&& operation) {
  try {
    operation(Plot());
  } catch (const std::exception& error) {
    form_.ShowError(error.what());
  }
  form_.ReloadPages();
}

void TiPlotEditorControlPage::BuildGeneral() {
  TiEditorSheet s = AddSheet("General");
  s.UpDownEdit("UpdateFrameRate", "Update Frame Rate", 1, 1000);
  s.Check("AutoFrameRate", "Auto Frame Rate");
  s.Check("ClipAnnotationsToAxes", "Clip Annotations To Axes");
  s.UpDownEdit("OuterMarginLeft", "Outer Margin Left");
  s.UpDownEdit("OuterMarginTop", "Outer Margin Top");
  s.UpDownEdit("OuterMarginRight", "Outer Margin Right");
  s.UpDownEdit("OuterMarginBottom", "Outer Margin Bottom");
  s.Check("UserCanEditObjects", "User Can Edit Objects");
  s.Check("UserCanAddRemoveChannels", "User Can Add/Remove Channels");
  s.Check("OptionSaveAllProperties", "Save All Properties");
  s.NextColumn();
  s.Radio("BorderStyle", "Border Style", {"None", "Raised", "Lowered"});
  s.Radio("CopyToClipBoardFormat", "Clipboard Format", {"Metafile", "Bitmap", "JPEG"});
  s.Radio("DataFileColumnSeparator", "File Column Separator", {"Tab", "Comma"});
  s.Radio("EditorFormStyle", "Editor Form Style", {"Modal", "Stay On Top"});
}

void TiPlotEditorControlPage::BuildTitle() {
  TiEditorSheet s = AddSheet("Title");
  s.Check("TitleVisible", "Visible");
  s.Edit("TitleText", "Text");
  s.Edit("TitleMargin", "Margin");
  s.Font("TitleFont", "Font");
}

void TiPlotEditorControlPage::BuildBackground() {
  TiEditorSheet s = AddSheet("Background");
  s.Color("BackGroundColor", "Color");
  s.Check("BackGroundGradientEnabled", "Gradient Enabled");
  s.Color("BackGroundGradientStartColor", "Gradient Start Color");
  s.Color("BackGroundGradientStopColor", "Gradient Stop Color");
  s.Combo("BackGroundGradientDirection", "Gradient Direction",
          {"Top-Bottom", "Bottom-Top", "Left-Right", "Right-Left", "Top Left-Bottom Right", "Bottom Right-Top Left",
           "Bottom Left-Top Right", "Top Right-Bottom Left", "Rectangle Out", "Rectangle In", "Circle Out",
           "Circle In"});
}

void TiPlotEditorControlPage::BuildPrint() {
  TiEditorSheet s = AddSheet("Print");
  s.Edit("PrintMarginLeft", "Margin Left");
  s.Edit("PrintMarginTop", "Margin Top");
  s.Edit("PrintMarginRight", "Margin Right");
  s.Edit("PrintMarginBottom", "Margin Bottom");
  s.NextColumn();
  s.Radio("PrintOrientation", "Orientation", {"Portrait", "Landscape"});
  s.Check("PrintShowDialog", "Show Dialog");
  s.Edit("PrintDocumentName", "Document Name");
  s.Edit("PrinterName", "Printer Name");
}

void TiPlotEditorControlPage::BuildHints() {
  TiEditorSheet s = AddSheet("Hints");
  s.Check("HintsShow", "Show");
  s.Edit("HintsPause", "Pause (ms)");
  s.Edit("HintsHidePause", "Hide Pause (ms)");
  s.Font("HintsFont", "Font");
  s.NextColumn();
  // The chart's own tooltip, apart from the hints of the objects above.
  TiEditorSheet chart = s.Group("Chart Hint");
  chart.Check("ShowHint", "Show");
  chart.Edit("Hint", "Text");
}

void TiPlotEditorControlPage::BuildFileIO() {
  TiEditorSheet s = AddSheet("File I/O");
  TiEditorSheet properties = s.Group("Properties");
  properties.OpenPicker("PropertiesOpenPicker", "Load...", [this](const std::string& name) {
    Run([&](TiPlotComponent& p) { p.LoadPropertiesFromFile(name); });
  });
  properties.SavePicker("PropertiesSavePicker", "Save...", [this](const std::string& name) {
    Run([&](TiPlotComponent& p) { p.SavePropertiesToFile(name); });
  });
  TiEditorSheet data = s.Group("Data");
  data.OpenPicker("DataOpenPicker", "Load...", [this](const std::string& name) {
    Run([&](TiPlotComponent& p) { p.LoadDataFromFile(name); });
  });
  data.SavePicker("DataSavePicker", "Save...", [this](const std::string& name) {
    Run([&](TiPlotComponent& p) { p.SaveDataToFile(name); });
  });
  data.Radio("DataFileFormat", "Format", {"Text", "Compact Interval"});
  s.NextColumn();
  TiEditorSheet log = s.Group("Log");
  log.Edit("LogFileName", "File Name");
  log.Edit("LogBufferSize", "Buffer Size");
  // An existing log is continued, never written over; a new one starts with its header.
  log.Button("LogActivateButton", "Activate", [this] {
    Run([](TiPlotComponent& p) { p.LogActivate(std::filesystem::exists(p.LogFileName())); });
  });
  log.Button("LogDeactivateButton", "Deactivate", [this] { Run([](TiPlotComponent& p) { p.LogDeactivate(); }); });
  TiEditorSheet annotations = s.Group("Annotations");
  annotations.OpenPicker("AnnotationOpenPicker", "Load...", [this](const std::string& name) {
    Run([&](TiPlotComponent& p) { p.LoadAnnotationsFromFile(name); });
  });
  annotations.SavePicker("AnnotationSavePicker", "Save...", [this](const std::string& name) {
    Run([&](TiPlotComponent& p) { p.SaveAnnotationsToFile(name); });
  });
}

void TiPlotEditorControlPage::BuildAnnotationDefaults() {
  TiEditorSheet s = AddSheet("Annotation Defaults");
  s.Font("AnnotationDefaultFont", "Font");
  TiEditorSheet brush = s.Group("Brush");
  brush.Combo("AnnotationDefaultBrushStlye", "Style", kBrushStyles);
  brush.Color("AnnotationDefaultBrushColor", "Color");
  s.NextColumn();
  TiEditorSheet pen = s.Group("Pen");
  pen.Combo("AnnotationDefaultPenStlye", "Style", kPenStyles);
  pen.Color("AnnotationDefaultPenColor", "Color");
  pen.UpDownEdit("AnnotationDefaultPenWidth", "Width");
}

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeControlPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorControlPage>(form, tab);
}
