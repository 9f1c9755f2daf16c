// The "Channels" page: the channels of the chart, with Add and Remove.
#include <QLabel>
#include <filesystem>

#include "editor/dIredEditor.h"
#include "editor/iEditorChoices.h"
#include "editor/iEditorObjectPage.h"
#include "editor/iEditorPages.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredComponent.h"

namespace {

// The pen and brush of markers or bars: the same seven settings under
// the prefix of each.
void PenAndBrush(TiEditorSheet& s, const std::string& prefix) {
  s.Check(prefix + "PenUseChannelColor", "Pen Uses Channel Color");
  s.Color(prefix + "PenColor", "Pen Color");
  s.Combo(prefix + "PenStyle", "Pen Style", kPenStyles);
  s.UpDownEdit(prefix + "PenWidth", "Pen Width");
  s.Check(prefix + "BrushUseChannelColor", "Brush Uses Channel Color");
  s.Color(prefix + "BrushColor", "Brush Color");
  s.Combo(prefix + "BrushStyle", "Brush Style", kBrushStyles);
}

TiPlotEditorKind ChannelKind() {
  TiPlotEditorKind kind;
  kind.Prefix = "Channel";
  kind.AddButtonName = "ChannelsAddButton";
  kind.Manager = [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.ChannelManager(); };
  kind.Add = [](TiPlotComponent& p) { return p.AddChannel(); };
  kind.Delete = [](TiPlotComponent& p, int index) { p.DeleteChannel(index); };
  kind.RowColor = [](const TiPlotObject& o) { return static_cast<const TiPlotChannelCustom&>(o).Color(); };
  return kind;
}

class TiPlotEditorChannelPage : public TiPlotEditorObjectPage {
 public:
  TiPlotEditorChannelPage(TiPlotEditorForm& form, QWidget* tab);
  void ChannelStatsRefreshButtonClick();

 protected:
  void Loaded(TiPlotObject* object) override { ChannelStatsRefreshButtonClick(); }

 private:
  TiPlotChannelCustom* Channel() const { return static_cast<TiPlotChannelCustom*>(Selected()); }
  void BuildGeneral();
  void BuildTrace();
  void BuildMarker();
  void BuildBar();
  void BuildHighLow();
  void BuildFill();
  void BuildDigital();
  void BuildFileIO();
  void BuildStats();
  template <class F>
  void Run(F&& operation);

  QLabel* statsCount_ = nullptr;
  QLabel* statsCapacity_ = nullptr;
  QLabel* statsMemory_ = nullptr;
};

TiPlotEditorChannelPage::TiPlotEditorChannelPage(TiPlotEditorForm& form, QWidget* tab)
    : TiPlotEditorObjectPage(form, tab, ChannelKind()) {
  BuildGeneral();
  BuildTrace();
  BuildMarker();
  BuildBar();
  BuildHighLow();
  BuildFill();
  BuildDigital();
  BuildFileIO();
  BuildStats();
}

void TiPlotEditorChannelPage::BuildGeneral() {
  TiEditorSheet s = AddSheet("General");
  s.Edit("Name", "Name");
  s.Edit("TitleText", "Title");
  NameCombo(s, "XAxisName", "X-Axis",
            [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.XAxisManager(); });
  NameCombo(s, "YAxisName", "Y-Axis",
            [](TiPlotMasterManager& m) -> TiPlotObjectManagerCustom* { return m.YAxisManager(); });
  s.Edit("Layer", "Layer");
  s.Edit("RingBufferSize", "Ring Buffer Size");
  s.Combo("DataStyle", "Data Style", {"Standard", "Compact", "Compact Interval", "Full Feature"});
  s.NextColumn();
  s.Check("Visible", "Visible");
  s.Check("Enabled", "Enabled");
  s.Check("PopupEnabled", "Popup Enabled");
  s.Check("VisibleInLegend", "Visible In Legend");
  s.Check("XAxisTrackingEnabled", "X-Axis Tracking");
  s.Check("YAxisTrackingEnabled", "Y-Axis Tracking");
  s.Check("FastDrawEnabled", "Fast Draw");
}

void TiPlotEditorChannelPage::BuildTrace() {
  TiEditorSheet s = AddSheet("Trace");
  s.Check("TraceVisible", "Visible");
  s.Color("Color", "Color");
  s.Combo("TraceLineStyle", "Line Style", kLineStyles);
  s.UpDownEdit("TraceLineWidth", "Line Width");
  s.Combo("InterpolationStyle", "Interpolation",
          {"Straight Line", "Cubic Spline", "Polynomial", "Rational", "Differential", "Differential Terminated"});
}

void TiPlotEditorChannelPage::BuildMarker() {
  TiEditorSheet s = AddSheet("Marker");
  s.Check("MarkersVisible", "Visible");
  s.Combo("MarkersStyle", "Style",
          {"Circle", "Square", "Diamond", "Cross", "Plus", "Triangle Up", "Triangle Down", "Triangle Left",
           "Triangle Right", "Vertical Line", "Horizontal Line", "Character"});
  s.UpDownEdit("MarkersSize", "Size");
  s.Edit("MarkersTurnOffLimit", "Turn Off Limit");
  s.Check("MarkersAllowIndividual", "Allow Individual");
  s.Font("MarkersFont", "Font");
  s.NextColumn();
  PenAndBrush(s, "Markers");
}

void TiPlotEditorChannelPage::BuildBar() {
  TiEditorSheet s = AddSheet("Bar");
  s.Check("BarEnabled", "Enabled");
  s.Edit("BarReference", "Reference");
  s.Edit("BarWidth", "Width");
  s.NextColumn();
  PenAndBrush(s, "Bar");
}

void TiPlotEditorChannelPage::BuildHighLow() {
  TiEditorSheet s = AddSheet("High/Low");
  s.Check("HighLowEnabled", "Enabled");
  s.Radio("HighLowStyle", "Style", {"Open/Close", "Candlestick"});
  TiComponentEditorPageControl* styles = s.Pages();
  TiEditorSheet openClose = s.AddPage(styles, "Open/Close");
  openClose.Color("HighLowBarColor", "Bar Color");
  openClose.Edit("HighLowBarWidth", "Bar Width");
  openClose.Check("HighLowOpenShow", "Open Show");
  openClose.Color("HighLowOpenColor", "Open Color");
  openClose.Edit("HighLowOpenWidth", "Open Width");
  openClose.Edit("HighLowOpenHeight", "Open Height");
  openClose.NextColumn();
  openClose.Check("HighLowCloseShow", "Close Show");
  openClose.Color("HighLowCloseColor", "Close Color");
  openClose.Edit("HighLowCloseWidth", "Close Width");
  openClose.Edit("HighLowCloseHeight", "Close Height");
  TiEditorSheet candle = s.AddPage(styles, "Candlestick");
  candle.Color("HighLowShadowColor", "Shadow Color");
  candle.Color("HighLowBullishColor", "Bullish Color");
  candle.Color("HighLowBearishColor", "Bearish Color");
}

void TiPlotEditorChannelPage::BuildFill() {
  TiEditorSheet s = AddSheet("Fill");
  s.Check("FillEnabled", "Enabled");
  s.Edit("FillReference", "Reference");
  s.Combo("FillStyle", "Style", kBrushStyles);
  s.Check("FillUseChannelColor", "Use Channel Color");
  s.Color("FillColor", "Color");
}

void TiPlotEditorChannelPage::BuildDigital() {
  TiEditorSheet s = AddSheet("Digital");
  s.Check("DigitalEnabled", "Enabled");
  s.Radio("DigitalReferenceStyle", "Reference Style", {"Scale", "Percent"});
  s.Edit("DigitalReferenceLow", "Reference Low");
  s.Edit("DigitalReferenceHigh", "Reference High");
}

template <class F>
void TiPlotEditorChannelPage::Run(F&& operation) {
  TiPlotChannelCustom* channel = Channel();
  if (!channel) return;
  try {
    operation(*channel);
  } catch (const std::exception& error) {
    form_.ShowError(error.what());
  }
  form_.ReloadPages();
}

void TiPlotEditorChannelPage::BuildFileIO() {
  TiEditorSheet s = AddSheet("File I/O");
  TiEditorSheet properties = s.Group("Properties");
  properties.OpenPicker("PropertiesOpenPicker", "Load...", [this](const std::string& name) {
    Run([&](TiPlotChannelCustom& c) { c.LoadFromFile(name); });
  });
  properties.SavePicker("PropertiesSavePicker", "Save...", [this](const std::string& name) {
    Run([&](TiPlotChannelCustom& c) { c.SaveToFile(name); });
  });
  TiEditorSheet data = s.Group("Data");
  data.OpenPicker("DataOpenPicker", "Load...", [this](const std::string& name) {
    Run([&](TiPlotChannelCustom& c) { c.LoadDataFromFile(name, false); });
  });
  data.SavePicker("DataSavePicker", "Save...", [this](const std::string& name) {
    Run([&](TiPlotChannelCustom& c) { c.SaveDataToFile(name); });
  });
  s.NextColumn();
  TiEditorSheet log = s.Group("Log");
  log.Edit("LogFileName", "File Name");
  log.Edit("LogBufferSize", "Buffer Size");
  log.Button("LogActivateButton", "Activate", [this] {
    // Continues a log that exists, starts one (with its header) that does not.
    Run([](TiPlotChannelCustom& c) { c.StartLogging(std::filesystem::exists(c.LogFileName())); });
  });
  log.Button("LogDeactivateButton", "Deactivate",
             [this] { Run([](TiPlotChannelCustom& c) { c.StopLogging(); }); });
  // The channel's live data source, beside its files: "General" is full.
  TiEditorSheet opc = s.Group("OPC");
  opc.Edit("OPCComputerName", "Computer");
  opc.Edit("OPCServerName", "Server");
  opc.Edit("OPCGroupName", "Group");
  opc.Edit("OPCItemName", "Item");
  opc.Edit("OPCUpdateRate", "Update Rate (ms)");
  opc.Check("OPCAutoConnect", "Auto Connect");
  opc.Radio("OPCXValueSource", "X Value Source",
            {"Server Time Stamp", "System Time Stamp", "Elapsed Time", "Elapsed Seconds"});
}

void TiPlotEditorChannelPage::BuildStats() {
  TiEditorSheet s = AddSheet("Stats");
  TiEditorSheet list = s.Group("Data List");
  statsCount_ = list.Figure("StatsCountLabel", "Count");
  statsCapacity_ = list.Figure("StatsCapacityLabel", "Capacity");
  statsMemory_ = list.Figure("StatsMemoryLabel", "Memory Size");
  s.Button("StatsRefreshButton", "Refresh", [this] { ChannelStatsRefreshButtonClick(); });
}

void TiPlotEditorChannelPage::ChannelStatsRefreshButtonClick() {
  TiPlotChannelCustom* channel = Channel();
  statsCount_->setText(channel ? QString::number(channel->Count()) : QString());
  statsCapacity_->setText(channel ? QString::number(channel->Capacity()) : QString());
  statsMemory_->setText(channel ? QString::number(channel->MemorySize()) + " Bytes" : QString());
}

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeChannelPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorChannelPage>(form, tab);
}
