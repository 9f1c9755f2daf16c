// The plot's configuration and annotation files through real files: a
// configured chart survives a save and a load into a fresh one, compared
// property by property through the reflection.
#include <gtest/gtest.h>

#include "components/iPropertyLines.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIred.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLayoutManager.h"
#include "plot/dIredLegend.h"
#include "plot/dIredLimit.h"
#include "plot/dIredToolBar.h"
#include "tests/plot/PlotTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

// Sets a published property by its path and file text.
void Set(TPersistent& object, const std::string& path, const std::string& text) {
  ASSERT_TRUE(WithProperty(Reflect(object), path, true,
                           [&](TObjectRef holder, const TPropInfo& p) { SetPropertyValueText(holder, p, text); }))
      << path;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  std::string Write(const std::string& name, const std::string& bytes) { return dir_.Write(name, bytes); }
  // The configured chart: two channels, both axes, a limit, a label, a legend
  // and a toolbar with settings away from their defaults.
  static void Configure(TiPlot& plot) {
    plot.AddChannel();
    plot.ChannelCustom(0)->SetTitleText("Pressure");
    plot.ChannelCustom(1)->SetTitleText("Temperature");
    Set(*plot.XAxis(0), "Min", "12.5");
    Set(*plot.YAxis(0), "Min", "-3");
    Set(*plot.Legend(0), "ColumnSpacing", "2.25");
    Set(*plot.ToolBar(0), "ShowPrintButton", "0");
    Set(*plot.ToolBar(0), "ZoomInOutFactor", "3.5");
    plot.AddLimit();
    Set(*plot.Limit(0), "LineWidth", "4");
    plot.AddLabel();
    plot.SetTitleText("Line 7");
    plot.SetHintsPause(900);
    plot.SetDataFileFormat(ipdffCompactInterval);
  }
  TTempDir dir_{"plotconfig"};
};

TEST_F(ConfigFileTest, ConfiguredChartSurvivesSaveAndLoadIntoAFreshChart) {
  TiPlot source;
  Configure(source);
  int saved = 0;
  source.OnAfterSaveProperties = [&](TiPlotComponent*) { ++saved; };
  source.SavePropertiesToFile(Path("a.cfg"));
  EXPECT_EQ(saved, 1);
  EXPECT_EQ(source.ConfigFileName(), Path("a.cfg"));

  TiPlot target;
  std::vector<std::string> events;
  target.OnBeforeLoadProperties = [&](TiPlotComponent*) { events.push_back("before"); };
  target.OnAfterLoadProperties = [&](TiPlotComponent* p) {
    events.push_back(p->LayoutManager()->Enabled() ? "after, layout on" : "after, layout off");
  };
  target.LoadPropertiesFromFile(Path("a.cfg"));
  EXPECT_EQ(events, (std::vector<std::string>{"before", "after, layout on"}));
  target.SavePropertiesToFile(Path("b.cfg"));
  // Every published property of every object, written by the reflection.
  EXPECT_EQ(platform::ReadWholeFile(Path("b.cfg")), platform::ReadWholeFile(Path("a.cfg")));
  EXPECT_EQ(target.ChannelCount(), 2);
  EXPECT_EQ(target.ChannelCustom(1)->TitleText(), "Temperature");
  EXPECT_EQ(target.TitleText(), "Line 7");
  EXPECT_EQ(target.LabelCount(), 2);
  EXPECT_EQ(target.HintsPause(), 900);
  EXPECT_FALSE(target.ToolBar(0)->ShowPrintButton());

  // Limits are added to those present; every other kind has the file's count.
  target.LoadPropertiesFromFile(Path("a.cfg"));
  EXPECT_EQ(target.LimitCount(), 2);
  EXPECT_EQ(target.ChannelCount(), 2);
  EXPECT_EQ(target.LabelCount(), 2);
}

TEST_F(ConfigFileTest, FileLayoutHasTypeExclusionsCountsAndPrefixesInOrder) {
  TiPlot plot;
  plot.SavePropertiesToFile(Path("c.cfg"));
  const std::string text = platform::ReadWholeFile(Path("c.cfg"));
  EXPECT_EQ(text.rfind("File Type = Plot Config\r\n", 0), 0u);
  EXPECT_EQ(text.find("\r\nName = "), std::string::npos);
  EXPECT_EQ(text.find("\r\nWidth = "), std::string::npos);
  size_t last = 0;
  for (const char* key : {"ChannelCount = ", "XAxisCount = ", "YAxisCount = ", "ToolBarCount = ", "LegendCount = ",
                          "TableCount = ", "LabelCount = ", "DataViewCount = ", "DataCursorCount = ",
                          "LimitCount = ", "DataViewZHorz = ", "DataViewZVert = ", "Channel0.Name = ",
                          "XAxis0.Name = ", "YAxis0.Name = ", "ToolBar0.Name = ", "Legend0.Name = ",
                          "Label0.Name = ", "DataView0.Name = "}) {
    const size_t at = text.find(std::string("\r\n") + key);
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_GT(at, last) << key;
    last = at;
    // The lanes appear once only, as count lines.
    if (std::string_view(key).starts_with("DataViewZ")) {
      EXPECT_EQ(text.find(std::string("\r\n") + key, at + 1), std::string::npos) << key;
    }
  }
  plot.SetOptionSaveAllProperties(true);
  plot.SavePropertiesToFile(Path("d.cfg"));
  EXPECT_NE(platform::ReadWholeFile(Path("d.cfg")).find("\r\nWidth = "), std::string::npos);
}

TEST_F(ConfigFileTest, WrongTypeCutFilesAndBadValuesFailAndReleaseTheLocks) {
  TiPlot plot;
  int after = 0;
  plot.OnAfterLoadProperties = [&](TiPlotComponent*) { ++after; };
  EXPECT_EQ(MessageOf([&] { plot.LoadPropertiesFromFile(Write("w", "File Type = Plot Channel Config\r\n")); }),
            "Error Loading Properties - Incompatible Plot Configuration File Type");
  plot.LoadPropertiesFromFile(Write("lower", "file type = plot config\r\nChannelCount = 3\r\n"));
  EXPECT_EQ(plot.ChannelCount(), 3);
  EXPECT_EQ(after, 1);
  // Cut in the middle of a line: nothing is removed.
  plot.LoadPropertiesFromFile(Write("one", "File Type = Plot Config\r\nChannelCount = 1\r\n"));
  EXPECT_NE(MessageOf([&] { plot.LoadPropertiesFromFile(Write("cut", "File Type = Plot Config\r\nChannelCou")); }),
            "(no exception)");
  EXPECT_EQ(plot.ChannelCount(), 1);
  const std::string bad = MessageOf(
      [&] { plot.LoadPropertiesFromFile(Write("bad", "File Type = Plot Config\r\nChannelCount = x\r\n")); });
  EXPECT_EQ(bad.rfind("Error Loading Properties - ", 0), 0u) << bad;
  EXPECT_TRUE(plot.LayoutManager()->Enabled());
  EXPECT_EQ(plot.ConfigFileName(), Path("one"));
  EXPECT_EQ(after, 2);
}

TEST_F(ConfigFileTest, AnnotationsRoundTripWithTheDefaultsAppliedFirst) {
  TiPlot source;
  source.AddAnnotation();
  source.AddAnnotation();
  Set(*source.Annotation(1), "Text", "peak");
  source.SaveAnnotationsToFile(Path("a.ann"));
  const std::string text = platform::ReadWholeFile(Path("a.ann"));
  EXPECT_EQ(text.rfind("AnnotationCount = 2\r\nAnnotation0.", 0), 0u);

  TiPlot target;
  target.SetAnnotationDefaultPenWidth(7);
  target.AddAnnotation();
  target.LoadAnnotationsFromFile(Write("partial", "AnnotationCount = 1\r\nAnnotation0.Text = x\r\n"));
  ASSERT_EQ(target.AnnotationCount(), 1);
  EXPECT_EQ(target.Annotation(0)->PenWidth(), 7);
  target.LoadAnnotationsFromFile(Path("a.ann"));
  target.SaveAnnotationsToFile(Path("b.ann"));
  EXPECT_EQ(platform::ReadWholeFile(Path("b.ann")), text);
  EXPECT_EQ(MessageOf([&] { target.LoadAnnotationsFromFile(Path("none")); }).rfind("Error Loading Annotations - ", 0),
            0u);
}

}  // namespace
