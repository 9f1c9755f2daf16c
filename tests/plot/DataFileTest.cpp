// The plot's data files written to and read from real files: the text and
// compact layouts, the log layout's reading, and the faults a file can carry.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "plot/dIred.h"
#include "plot/dIredChannelCustom.h"
#include "plot/iPlotDataFile.h"
#include "tests/plot/PlotTestSupport.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

class DataFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::FormatSettings().DecimalSeparator = '.';
  }
  void TearDown() override {
    platform::FormatSettings().DecimalSeparator = '.';
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  std::string Write(const std::string& name, const std::string& bytes) { return dir_.Write(name, bytes); }
  // A plot with `n` channels titled A, B, ...
  static void Channels(TiPlotComponent& plot, int n) {
    plot.RemoveAllChannels();
    for (int i = 0; i < n; ++i) {
      plot.AddChannel();
      plot.ChannelCustom(i)->SetTitleText(std::string(1, char('A' + i)));
    }
  }
  TTempDir dir_{"plotdata"};
};

std::string Compact(int channels, std::initializer_list<float> values) {
  std::string out = "Compact Interval\r\n" + std::to_string(channels) + "\r\n";
  for (float v : values) AppendCompactFloat(out, v);
  return out;
}

TEST_F(DataFileTest, TextLayoutWritesTitlesMarksAndEmptyFieldsForShortChannels) {
  TiPlot plot;
  Channels(plot, 2);
  for (int i = 0; i < 3; ++i) plot.ChannelCustom(0)->AddXY(i, i * 0.5);
  for (int i = 0; i < 5; ++i) plot.ChannelCustom(1)->AddXY(10 + i, -i);
  plot.ChannelCustom(0)->SetNull(1, true);
  plot.ChannelCustom(1)->SetEmpty(2, true);
  plot.SetDataFileColumnSeparator(ipdfcsComma);
  plot.SaveDataToFile(Path("d.csv"));
  EXPECT_EQ(platform::ReadWholeFile(Path("d.csv")),
            "A(X),A(Y),B(X),B(Y)\r\n"
            "0,0,10,0\r\n"
            "1,Null,11,-1\r\n"
            "2,1,12,Empty\r\n"
            ",,13,-3\r\n"
            ",,14,-4\r\n");
  EXPECT_EQ(plot.DataFileName(), Path("d.csv"));
}

TEST_F(DataFileTest, TextAndCompactRoundTripsKeepEveryChannelsPoints) {
  for (TiPlotDataFileFormat format : {ipdffText, ipdffCompactInterval}) {
    TiPlot source;
    Channels(source, 2);
    for (int i = 0; i < 4; ++i) source.ChannelCustom(0)->AddXY(i * 0.25, 1.5 * i);
    for (int i = 0; i < 2; ++i) source.ChannelCustom(1)->AddXY(7 + i, -2.75 * i);
    source.ChannelCustom(0)->SetNull(2, true);
    source.SetDataFileFormat(format);
    int saved = 0, loaded = 0;
    source.OnAfterSaveData = [&](TiPlotComponent*) { ++saved; };
    source.SaveDataToFile(Path("round"));
    TiPlot target;
    Channels(target, 2);
    target.OnAfterLoadData = [&](TiPlotComponent*) { ++loaded; };
    target.LoadDataFromFile(Path("round"));
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(loaded, 1);
    for (int c = 0; c < 2; ++c) {
      const TiPlotChannelCustom& a = *source.ChannelCustom(c);
      const TiPlotChannelCustom& b = *target.ChannelCustom(c);
      ASSERT_EQ(b.Count(), a.Count()) << format << " channel " << c;
      for (int i = 0; i < a.Count(); ++i) {
        // The compact layout keeps x for the first two rows only.
        EXPECT_DOUBLE_EQ(b.GetX(i), format == ipdffText || i < 2 ? a.GetX(i) : 0.0);
        if (format == ipdffText) {
          EXPECT_EQ(b.GetNull(i), a.GetNull(i));
          EXPECT_DOUBLE_EQ(b.GetY(i), a.GetNull(i) ? 0.0 : a.GetY(i));
        } else {
          EXPECT_DOUBLE_EQ(b.GetY(i), a.GetY(i));
        }
      }
    }
  }
}

TEST_F(DataFileTest, CompactLayoutBytesAndFillers) {
  TiPlot plot;
  Channels(plot, 2);
  for (int i = 0; i < 3; ++i) plot.ChannelCustom(0)->AddXY(i, i + 1);
  plot.ChannelCustom(1)->AddXY(5, 6);
  plot.SetDataFileFormat(ipdffCompactInterval);
  plot.SaveDataToFile(Path("c.dat"));
  EXPECT_EQ(platform::ReadWholeFile(Path("c.dat")),
            Compact(2, {0, 1, 5, 6, 1, 2, 1e38f, 1e38f, 3, 1e38f, 2e38f}));
}

TEST_F(DataFileTest, ReadingRulesOfTheTextLayouts) {
  TiPlot plot;
  Channels(plot, 2);
  // Pair layout: lone CR and lone LF end lines, blanks are trimmed, a comma
  // decimal separator is adapted, extra pairs past the channels are ignored,
  // a pair with an empty field is skipped.
  plot.LoadDataFromFile(Write("p.txt", "a\tb\tc\td\n 1,5 \tnull\t2\t3\t9\t9\r4\t\t5\tEMPTY\r\n\r\n"));
  const TiPlotChannelCustom& a = *plot.ChannelCustom(0);
  const TiPlotChannelCustom& b = *plot.ChannelCustom(1);
  ASSERT_EQ(a.Count(), 1);
  EXPECT_DOUBLE_EQ(a.GetX(0), 1.5);
  EXPECT_TRUE(a.GetNull(0));
  ASSERT_EQ(b.Count(), 2);
  EXPECT_TRUE(b.GetEmpty(1));
  EXPECT_DOUBLE_EQ(b.GetX(1), 5);

  // Log layout: one x, then a y per channel; comma-separated; no adaptation.
  plot.ClearAllData();
  plot.LoadDataFromFile(Write("l.txt", "(x),A(Y),B(Y)\r\n1,2,Null\r\n,7,7\r\n3,,4,99\r\n"));
  ASSERT_EQ(a.Count(), 1);
  ASSERT_EQ(b.Count(), 2);
  EXPECT_DOUBLE_EQ(b.GetX(1), 3);
  EXPECT_DOUBLE_EQ(b.GetY(1), 4);
  EXPECT_TRUE(b.GetNull(0));
  EXPECT_EQ(MessageOf([&] { plot.LoadDataFromFile(Write("l2.txt", "(X)\t(Y)\n1\t2,5\n")); }),
            "Error Loading Data - '2,5' is not a valid floating point value");
}

TEST_F(DataFileTest, CompactFaultsFailWithInvalidDataAndKeepWhatWasRead) {
  TiPlot plot;
  Channels(plot, 2);
  std::string cut = Compact(2, {0, 1, 5, 6, 1, 2});
  cut += "\x01\x02";  // half a float
  EXPECT_EQ(MessageOf([&] { plot.LoadDataFromFile(Write("cut", cut)); }), "Error Loading Data - Invalid Data");
  EXPECT_EQ(plot.ChannelCustom(0)->Count(), 2);
  EXPECT_EQ(plot.ChannelCustom(1)->Count(), 1);
  EXPECT_EQ(plot.DataFileName(), "");
  plot.ClearAllData();
  for (const std::string count : {"-1", "abc", "99999999999999999999", "2147483647", ""}) {
    std::string bytes = "Compact Interval\r\n" + count + "\r\n";
    AppendCompactFloat(bytes, 1);
    EXPECT_EQ(MessageOf([&] { plot.LoadDataFromFile(Write("bad", bytes)); }), "Error Loading Data - Invalid Data")
        << count;
  }
  EXPECT_EQ(MessageOf([&] { plot.LoadDataFromFile(Write("noline", "Compact Interval\r\n2")); }),
            "Error Loading Data - Invalid Data");
  // No channel slots: nothing to read, and the reading ends.
  plot.LoadDataFromFile(Write("zero", Compact(0, {1, 2, 3})));
  // Channels past the plot's are read over; x and y of 9e37 and up are fillers.
  plot.LoadDataFromFile(Write("extra", Compact(3, {0, 1, 1e38f, 1e38f, 4, 4, 2e38f})));
  EXPECT_EQ(plot.ChannelCustom(0)->Count(), 1);
  EXPECT_EQ(plot.ChannelCustom(1)->Count(), 0);
}

TEST_F(DataFileTest, FailedSaveLeavesTheOldFileAndReportsThePrefix) {
  TiPlot plot;
  Channels(plot, 1);
  plot.ChannelCustom(0)->AddXY(1, 2);
  const std::string old = Write("keep", "old contents");
  fs::permissions(dir_.Dir(), fs::perms::owner_read | fs::perms::owner_exec);
  const std::string message = MessageOf([&] { plot.SaveDataToFile(old); });
  fs::permissions(dir_.Dir(), fs::perms::owner_all);
  if (::geteuid() != 0) {
    EXPECT_EQ(message.rfind("Error Saving Data - ", 0), 0u) << message;
    EXPECT_EQ(platform::ReadWholeFile(old), "old contents");
  }
  EXPECT_EQ(MessageOf([&] { plot.LoadDataFromFile(Path("missing")); }).rfind("Error Loading Data - ", 0), 0u);
}

}  // namespace

// A load makes room once for what the file can hold and gives back what a
// channel did not take; a ring keeps its size, and a failed load gives the
// room back too.
TEST_F(DataFileTest, LoadRoomIsGivenBackAndRingsKeepTheirSize) {
  TiPlot plot;
  Channels(plot, 3);
  plot.ChannelCustom(2)->SetRingBufferSize(4);
  std::string text = "A(X),A(Y),B(X),B(Y),C(X),C(Y)\r\n";
  for (int i = 0; i < 50; ++i) text += std::to_string(i) + ",1" + (i < 3 ? ",0,2,0,3" : "") + "\r\n";
  plot.LoadDataFromFile(Write("room.csv", text));
  EXPECT_EQ(plot.ChannelCustom(0)->Count(), 50);
  EXPECT_EQ(plot.ChannelCustom(0)->Capacity(), 50);
  EXPECT_EQ(plot.ChannelCustom(1)->Count(), 3);
  EXPECT_LT(plot.ChannelCustom(1)->Capacity(), 50) << "the room the short channel did not take";
  EXPECT_EQ(plot.ChannelCustom(2)->Count(), 3);
  EXPECT_EQ(plot.ChannelCustom(2)->RingBufferSize(), 4);

  plot.ClearAllData();
  EXPECT_THROW(plot.LoadDataFromFile(Write("bad.csv", "A(X),A(Y)\r\n1,2\r\n3,4\r\n5,x\r\n")), Exception);
  EXPECT_EQ(plot.ChannelCustom(0)->Count(), 2);
  EXPECT_LT(plot.ChannelCustom(0)->Capacity(), 50);
}
