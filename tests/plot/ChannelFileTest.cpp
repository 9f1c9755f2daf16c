// A channel's configuration and data files through real files: every
// published property survives a save and a load, compared through the
// reflection; data files come back as the points they were written from.
#include <gtest/gtest.h>

#include <map>

#include "components/iPropertyLines.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIred.h"
#include "plot/dIredAxis.h"
#include "plot/dIredChannelCustom.h"
#include "tests/plot/PlotTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

// Moves every writable property of `object` away from its value: the next
// enumeration value, the other boolean, one more (or less) for a number, a
// text of its own for a string; sub-objects likewise.
void ChangeEveryProperty(TObjectRef object) {
  for (const TPropInfo& p : object.Class->Properties()) {
    if (!p.Writable() || p.Name == "Name") continue;
    if (p.Kind == pkObject) {
      p.VisitObject(object.Object, true, [](TObjectRef sub) { ChangeEveryProperty(sub); });
      continue;
    }
    switch (p.Kind) {
      case pkFloat: p.SetFloat(object.Object, p.GetFloat(object.Object) + 1.25); break;
      case pkString: p.SetString(object.Object, "Text of " + p.Name); break;
      case pkBool: p.SetOrdinal(object.Object, !p.GetOrdinal(object.Object)); break;
      case pkSet: p.SetOrdinal(object.Object, p.GetOrdinal(object.Object) ^ 1); break;
      case pkEnum:
        p.SetOrdinal(object.Object, (p.GetOrdinal(object.Object) + 1) % static_cast<int64_t>(p.ValueNames.size()));
        break;
      default: {
        const int64_t v = p.GetOrdinal(object.Object);
        p.SetOrdinal(object.Object, v < p.Max ? v + 1 : v - 1);
      }
    }
  }
}

// Every published property by path, as the files write it.
void CollectProperties(TObjectRef object, const std::string& prefix, std::map<std::string, std::string>& out) {
  for (const TPropInfo& p : object.Class->Properties()) {
    if (p.Kind == pkObject) {
      p.VisitObject(object.Object, false, [&](TObjectRef sub) { CollectProperties(sub, prefix + p.Name + ".", out); });
    } else {
      out[prefix + p.Name] = PropertyValueText(object, p);
    }
  }
}
std::map<std::string, std::string> PropertiesOf(TiPlotChannelCustom& channel) {
  std::map<std::string, std::string> out;
  CollectProperties(Reflect(channel), "", out);
  return out;
}

class ChannelFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  std::string Write(const std::string& name, const std::string& bytes) { return dir_.Write(name, bytes); }
  std::string Read(const std::string& name) const { return dir_.Read(name); }
  TiPlotChannelCustom& Channel(TiPlot& plot) const { return *plot.ChannelCustom(0); }
  TTempDir dir_{"channelfile"};
};

// ---- Configuration file -----------------------------------------------------

TEST_F(ChannelFileTest, EveryPublishedPropertyOfAChangedChannelSurvivesSaveAndLoad) {
  TiPlot source, fresh, target;
  ChangeEveryProperty(Reflect(Channel(source)));
  Channel(source).SaveToFile(Path("a.chn"));
  const auto defaults = PropertiesOf(Channel(fresh));
  const auto saved = PropertiesOf(Channel(source));
  int changed = 0;
  for (const auto& [path, value] : saved)
    if (defaults.at(path) != value) ++changed;
  EXPECT_GT(changed, 40);  // the file has something to carry

  Channel(target).SetName("Kept");
  Channel(target).LoadFromFile(Path("a.chn"));
  auto loaded = PropertiesOf(Channel(target));
  EXPECT_EQ(loaded["Name"], "Kept");
  loaded["Name"] = saved.at("Name");
  EXPECT_EQ(loaded, saved);
}

TEST_F(ChannelFileTest, ConfigurationLinesAreTypedPrefixedInClassOrderAndCut) {
  TiPlot plot;
  TiPlotChannelCustom& channel = Channel(plot);
  channel.SetTitleText(std::string(300, 'T'));
  channel.SaveToFile(Path("c.chn"));
  const TPropertyText text = SplitPropertyText(Read("c.chn"));
  ASSERT_EQ(text.Error, "");
  ASSERT_GT(text.Lines.size(), 40u);
  EXPECT_EQ(text.Lines[0], "File Type = Plot Channel Config");
  const std::vector<std::string> first = {"Channel.Visible = 1", "Channel.Enabled = 1", "Channel.Layer = 100",
                                          "Channel.PopupEnabled = 1"};
  EXPECT_EQ(std::vector<std::string>(text.Lines.begin() + 1, text.Lines.begin() + 5), first);
  EXPECT_EQ(text.Lines[5].substr(0, 20), "Channel.TitleText = ");
  EXPECT_EQ(text.Lines[5].size(), kMaxPropertyLine);
  for (const std::string& line : text.Lines) {
    if (&line == &text.Lines[0]) continue;
    EXPECT_EQ(line.rfind("Channel.", 0), 0u) << line;
    EXPECT_NE(line.rfind("Channel.Name ", 0), 0u);
    EXPECT_NE(line.rfind("Channel.LoggingActive ", 0), 0u);  // read-only
  }
  EXPECT_NE(std::find(text.Lines.begin(), text.Lines.end(), "Channel.MarkersFont.Color = " + std::to_string(clWhite)),
            text.Lines.end());

  TiPlot other;
  Channel(other).LoadFromFile(Path("c.chn"));
  EXPECT_EQ(Channel(other).TitleText(), std::string(kMaxPropertyLine - 20, 'T'));
}

TEST_F(ChannelFileTest, ConfigurationLoadAcceptsAnyCaseAndRefusesOtherFilesWithPrefixedMessages) {
  TiPlot plot;
  TiPlotChannelCustom& channel = Channel(plot);
  const std::string name = channel.Name();
  channel.LoadFromFile(Write("lower", "file type = plot channel config\r\nchannel.titletext = Flow\r\n"
                                      "Channel.Name = Renamed\r\n"));
  EXPECT_EQ(channel.TitleText(), "Flow");
  EXPECT_EQ(channel.Name(), name);  // a file never renames the channel

  plot.SavePropertiesToFile(Path("plot.cfg"));
  EXPECT_EQ(MessageOf([&] { channel.LoadFromFile(Path("plot.cfg")); }),
            "Error Loading Properties - Incompatible Plot Channel Configuration File Type");
  EXPECT_EQ(MessageOf([&] { channel.LoadFromFile(Write("untyped", "Channel.TitleText = X\r\n")); }),
            "Error Loading Properties - Incompatible Plot Channel Configuration File Type");
  EXPECT_EQ(channel.TitleText(), "Flow");

  const std::string bad = MessageOf([&] {
    channel.LoadFromFile(Write("bad", "File Type = Plot Channel Config\r\nChannel.Layer = many\r\n"));
  });
  EXPECT_EQ(bad.rfind("Error Loading Properties - ", 0), 0u) << bad;
  EXPECT_NE(bad.find("Layer"), std::string::npos) << bad;
  // A cut file changes nothing.
  EXPECT_NE(MessageOf([&] {
              channel.LoadFromFile(Write("cut", "File Type = Plot Channel Config\r\nChannel.TitleText = Cut"));
            }).rfind("Error Loading Properties - ", 0),
            std::string::npos);
  EXPECT_EQ(channel.TitleText(), "Flow");
  EXPECT_EQ(MessageOf([&] { channel.LoadFromFile(Path("missing")); }).rfind("Error Loading Properties - ", 0), 0u);
  EXPECT_EQ(MessageOf([&] { channel.SaveToFile(Path("no/such/folder/x.chn")); }).rfind("Error Saving Properties - ", 0),
            0u);
}

// ---- Data file --------------------------------------------------------------

TEST_F(ChannelFileTest, DataFileSkipsEmptyWritesNullAndReadsBackAsLivePoints) {
  TiPlot plot;
  plot.SetDataFileColumnSeparator(ipdfcsComma);
  TiPlotChannelCustom& channel = Channel(plot);
  channel.AddXY(1, 2.5);
  channel.AddXY(2, 9);
  channel.SetNull(1, true);
  channel.AddXY(2.5, 8);
  channel.SetEmpty(2, true);
  channel.AddXY(3, 4);
  channel.SaveDataToFile(Path("d.txt"));
  EXPECT_EQ(Read("d.txt"), "1,2.5\r\n2,Null\r\n3,4\r\n");

  TiPlot other;
  TiPlotChannelCustom& back = Channel(other);
  back.AddXY(0, 1);
  back.LoadDataFromFile(Path("d.txt"), true);
  ASSERT_EQ(back.Count(), 3);
  EXPECT_EQ(back.DataFileSeparator(), ',');
  EXPECT_EQ(back.GetX(1), 2);
  EXPECT_TRUE(back.GetNull(1));
  EXPECT_EQ(back.GetY(1), 0);
  EXPECT_EQ(back.GetY(2), 4);
  EXPECT_EQ(back.StatCount(), 3);  // statistics saw them, the cleared point gone
  EXPECT_EQ(back.XMin(), 1);
  // The axes track them too.
  back.LoadDataFromFile(Write("far", "1000,1\r\n"), false);
  EXPECT_GE(other.XAxis(0)->Max(), 1000);
  back.LoadDataFromFile(Path("d.txt"), true);

  back.LoadDataFromFile(Path("d.txt"), false);
  EXPECT_EQ(back.Count(), 6);
  // The plot's default separator is the tab.
  TiPlot tabbed;
  Channel(tabbed).AddXY(-1.5, 1e20);
  Channel(tabbed).SaveDataToFile(Path("t.txt"));
  EXPECT_EQ(Read("t.txt"), "-1.5\t1E20\r\n");
}

TEST_F(ChannelFileTest, DataSeparatorComesFromTheFirstLineAndOddLinesAddNothing) {
  TiPlot plot;
  TiPlotChannelCustom& channel = Channel(plot);
  channel.LoadDataFromFile(Write("tab", "1\t2\r\n3,4\r\n5\t6\n"), false);
  EXPECT_EQ(channel.DataFileSeparator(), '\t');
  ASSERT_EQ(channel.Count(), 2);  // "3,4" has no tab
  EXPECT_EQ(channel.GetX(1), 5);

  channel.LoadDataFromFile(Write("comma", "1,2\r\n3\t4\r\n,5\r\n  , 6\r\n7\r\n\r\n 8 , 9 \r\nnull\r\n"), true);
  EXPECT_EQ(channel.DataFileSeparator(), ',');
  ASSERT_EQ(channel.Count(), 2);
  EXPECT_EQ(channel.GetX(1), 8);
  EXPECT_EQ(channel.GetY(1), 9);

  channel.LoadDataFromFile(Write("nulls", "1,null\r\n2,NULL\r\n3, Null \r\n4,nUlL"), true);
  ASSERT_EQ(channel.Count(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(channel.GetNull(i)) << i;

  channel.LoadDataFromFile(Write("empty", ""), true);
  EXPECT_EQ(channel.Count(), 0);
  EXPECT_EQ(channel.DataFileSeparator(), ',');
}

TEST_F(ChannelFileTest, ABadNumberKeepsThePointsBeforeItAndAMissingFileClearsNothing) {
  TiPlot plot;
  TiPlotChannelCustom& channel = Channel(plot);
  EXPECT_THROW(channel.LoadDataFromFile(Write("bad", "1,2\r\n2,abc\r\n3,4\r\n"), false), EConvertError);
  EXPECT_EQ(channel.Count(), 1);
  EXPECT_THROW(channel.LoadDataFromFile(Write("badx", "x1,2\r\n"), false), EConvertError);
  EXPECT_THROW(channel.LoadDataFromFile(Path("missing"), true), Exception);
  EXPECT_EQ(channel.Count(), 1);
}

}  // namespace
