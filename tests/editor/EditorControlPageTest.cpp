// The "Control" page: the chart's own settings, and its file operations run
// from the pickers and buttons of "File I/O".
#include <unistd.h>

#include <QLabel>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "EditorFixture.h"
#include "plot/dIredChannel.h"

namespace {

std::string TempName(const char* what) {
  return "/tmp/editor-" + std::to_string(getpid()) + "-" + what;
}

std::string Contents(const std::string& name) {
  std::ifstream in(name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class EditorControlPage : public EditorFixture {
 protected:
  void TearDown() override {
    for (const std::string& f : files) std::remove(f.c_str());
    EditorFixture::TearDown();
  }
  std::string File(const char* what) { return files.emplace_back(TempName(what)); }
  std::vector<std::string> files;
};

TEST_F(EditorControlPage, TitleBackgroundAndGeneralReachTheChartAtOnce) {
  Open();
  Form().PageControl()->setCurrentIndex(0);
  RunEventsUntil([&] { return plot->Paints > 0; });
  int before = plot->Paints;
  Type(EditNamed("ControlTitleTextEdit"), "Pressure");
  EXPECT_EQ(plot->TitleText(), "Pressure");
  EXPECT_TRUE(RepaintsAfter(before));

  before = plot->Paints;
  Control<TiComponentEditorColorPicker>("ControlBackGroundColorPicker")->Pick(clNavy);
  EXPECT_EQ(plot->BackGroundColor(), clNavy);
  EXPECT_TRUE(RepaintsAfter(before));

  Control<TiComponentEditorComboBox>("ControlBackGroundGradientDirectionComboBox")->Choose(ifdCircleIn);
  EXPECT_EQ(plot->BackGroundGradientDirection(), ifdCircleIn);
  Control<TiComponentEditorRadioGroup>("ControlBorderStyleRadioGroup")->Click(ibsRaised);
  EXPECT_EQ(plot->BorderStyle(), ibsRaised);

  const int rate = plot->UpdateFrameRate();
  Control<TiUpDown>("ControlUpdateFrameRateUpDown")->Step(+1);
  EXPECT_EQ(plot->UpdateFrameRate(), rate + 1);
  Type(EditNamed("ControlPrintMarginLeftEdit"), "0.5");
  EXPECT_EQ(plot->PrintMargin(0), 0.5);
}

TEST_F(EditorControlPage, OperatorOptionsPrinterAndTheChartsOwnHintReachTheChart) {
  Open();
  Control<TiComponentEditorRadioGroup>("ControlEditorFormStyleRadioGroup")->Click(ipfsModal);
  EXPECT_EQ(plot->EditorFormStyle(), ipfsModal);
  Control<TiComponentEditorCheckBox>("ControlUserCanEditObjectsCheckBox")->click();
  EXPECT_FALSE(plot->UserCanEditObjects());
  EXPECT_FALSE(plot->Channel(0)->EditAllowed()) << "the objects' \"Edit...\" items follow";
  Control<TiComponentEditorCheckBox>("ControlOptionSaveAllPropertiesCheckBox")->click();
  EXPECT_TRUE(plot->OptionSaveAllProperties());
  Type(EditNamed("ControlPrinterNameEdit"), "Lab Printer");
  EXPECT_EQ(plot->PrinterName(), "Lab Printer");
  Type(EditNamed("ControlHintEdit"), "Tank pressure");
  Control<TiComponentEditorCheckBox>("ControlShowHintCheckBox")->click();
  const TCustomControl& window = *plot;  // the chart's Hint() is its objects' hint
  EXPECT_EQ(window.Hint, "Tank pressure");
  EXPECT_TRUE(window.ShowHint);
  // The chart must stay reachable: nothing in the dialog hides or disables it.
  EXPECT_EQ(Form().findChild<QWidget*>("ControlVisibleCheckBox"), nullptr);
  EXPECT_EQ(Form().findChild<QWidget*>("ControlEnabledCheckBox"), nullptr);
}

TEST_F(EditorControlPage, PropertiesSavedAndLoadedThroughThePickersReplaceTheObjectsTheDialogLists) {
  while (plot->ChannelCount() < 3) plot->AddChannel();
  Open();
  const std::string config = File("plot.cfg");
  Control<TiComponentEditorSavePicker>("ControlPropertiesSavePicker")->Pick(config);
  EXPECT_NE(Contents(config).find("File Type = Plot Config"), std::string::npos);

  plot->DeleteChannel(2);
  plot->DeleteChannel(1);
  ASSERT_EQ(ObjectPage("Channels")->ListBox()->Count(), 1);
  Control<TiComponentEditorOpenPicker>("ControlPropertiesOpenPicker")->Pick(config);
  EXPECT_EQ(plot->ChannelCount(), 3);
  EXPECT_EQ(ObjectPage("Channels")->ListBox()->Count(), 3);
  EXPECT_EQ(ObjectPage("Channels")->Selected(), plot->Channel(0));
  EXPECT_EQ(EditNamed("ChannelNameEdit")->Text(), plot->Channel(0)->Name());
}

TEST_F(EditorControlPage, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  Open();
  const std::string bad = File("bad.cfg");
  std::ofstream(bad) << "no configuration here\n";
  const int channels = plot->ChannelCount();
  Control<TiComponentEditorOpenPicker>("ControlPropertiesOpenPicker")->Pick(bad);
  EXPECT_EQ(Form().LastError().rfind("Error Loading Properties - ", 0), 0u) << Form().LastError();
  EXPECT_EQ(plot->ChannelCount(), channels);
}

TEST_F(EditorControlPage, DataIsSavedAndTheLogActivatedAndDeactivatedFromTheButtons) {
  plot->Channel(0)->AddXY(1, 2);
  Open();
  const std::string data = File("plot.txt");
  Control<TiComponentEditorSavePicker>("ControlDataSavePicker")->Pick(data);
  EXPECT_FALSE(Contents(data).empty());

  const std::string log = File("plot.log");
  Type(EditNamed("ControlLogFileNameEdit"), log);
  EXPECT_EQ(plot->LogFileName(), log);
  Control<QPushButton>("ControlLogActivateButton")->click();
  EXPECT_TRUE(plot->LoggingActive());
  // Another file name is refused while logging, and the box shows the name in use.
  Type(EditNamed("ControlLogFileNameEdit"), log + ".other");
  EXPECT_EQ(plot->LogFileName(), log);
  EXPECT_FALSE(Form().LastError().empty());
  EXPECT_EQ(EditNamed("ControlLogFileNameEdit")->Text(), log);
  Control<QPushButton>("ControlLogDeactivateButton")->click();
  EXPECT_FALSE(plot->LoggingActive());

  // Activating again continues the log instead of writing over it.
  const std::string first = Contents(log);
  ASSERT_FALSE(first.empty());
  Control<QPushButton>("ControlLogActivateButton")->click();
  EXPECT_TRUE(plot->LoggingActive());
  EXPECT_EQ(Contents(log).rfind(first, 0), 0u);
}

// The channel's own "File I/O": its settings and data through the pickers, its
// log through the buttons, all on the selected channel.
TEST_F(EditorControlPage, ChannelFilesAndLogRunFromTheChannelPage) {
  for (int i = 0; i < 3; ++i) plot->Channel(0)->AddXY(i, 10 * i);
  plot->Channel(0)->SetColor(clLime);
  Open(plot->Channel(0));
  const std::string config = File("channel.cfg"), data = File("channel.txt"), log = File("channel.log");
  Control<TiComponentEditorSavePicker>("ChannelPropertiesSavePicker")->Pick(config);
  EXPECT_EQ(Contents(config).rfind("File Type = Plot Channel Config\r\n", 0), 0u) << Contents(config);
  Control<TiComponentEditorSavePicker>("ChannelDataSavePicker")->Pick(data);
  EXPECT_EQ(Contents(data), "0\t0\r\n1\t10\r\n2\t20\r\n");

  plot->Channel(0)->SetColor(clRed);
  Control<TiComponentEditorOpenPicker>("ChannelPropertiesOpenPicker")->Pick(config);
  EXPECT_EQ(plot->Channel(0)->Color(), clLime);
  Control<TiComponentEditorOpenPicker>("ChannelDataOpenPicker")->Pick(data);
  EXPECT_EQ(plot->Channel(0)->Count(), 6) << "loaded points are added";

  Type(EditNamed("ChannelLogFileNameEdit"), log);
  Control<QPushButton>("ChannelLogActivateButton")->click();
  EXPECT_TRUE(plot->Channel(0)->LoggingActive()) << Form().LastError();
  plot->Channel(0)->AddXY(7, 70);
  Control<QPushButton>("ChannelLogDeactivateButton")->click();
  EXPECT_FALSE(plot->Channel(0)->LoggingActive());
  EXPECT_NE(Contents(log).find("70"), std::string::npos) << Contents(log);
}

}  // namespace
