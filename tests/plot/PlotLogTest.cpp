// The plot log through real files: headers, samples as they complete, the
// buffer, append, the refused setters and a failing append.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIred.h"
#include "plot/dIredChannelCustom.h"
#include "plot/iPlotDataFile.h"
#include "tests/plot/PlotTestSupport.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

class PlotLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plot_.RemoveAllChannels();
    for (const char* title : {"A", "B"}) {
      plot_.ChannelCustom(plot_.AddChannel())->SetTitleText(title);
    }
    plot_.SetLogFileName(Path("log"));
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  void Sample(double x, double a, double b) {
    plot_.ChannelCustom(0)->AddXY(x, a);
    plot_.ChannelCustom(1)->AddXY(x, b);
  }
  std::string Log() const { return platform::ReadWholeFile(Path("log")); }
  TTempDir dir_{"plotlog"};
  TiPlot plot_;
};

TEST_F(PlotLogTest, TextLogWritesCompletedSamplesAtTheBufferSizeAndOnDeactivate) {
  plot_.SetLogBufferSize(3);
  plot_.SetDataFileColumnSeparator(ipdfcsComma);
  plot_.LogActivate(false);
  EXPECT_EQ(Log(), "(X),A(Y),B(Y)\r\n");
  Sample(1, 10, 20);
  plot_.ChannelCustom(0)->AddXY(2, 11);
  EXPECT_EQ(plot_.LogSamplesWaiting(), 1);  // the second sample is not complete
  plot_.ChannelCustom(1)->AddXY(2, 21);
  plot_.ChannelCustom(1)->SetNull(1, true);
  EXPECT_EQ(plot_.LogSamplesWaiting(), 2);
  Sample(3, 12.5, 22);
  EXPECT_EQ(plot_.LogSamplesWaiting(), 0);
  EXPECT_EQ(Log(), "(X),A(Y),B(Y)\r\n1,10,20\r\n2,11,Null\r\n3,12.5,22\r\n");
  Sample(4, 13, 23);
  plot_.LogDeactivate();
  EXPECT_FALSE(plot_.LoggingActive());
  EXPECT_EQ(Log(), "(X),A(Y),B(Y)\r\n1,10,20\r\n2,11,Null\r\n3,12.5,22\r\n4,13,23\r\n");

  // Append adds to what is there; the log layout reads back.
  plot_.LogActivate(true);
  Sample(5, 14, 24);
  plot_.LogFlush();
  EXPECT_EQ(Log().substr(Log().size() - 9), "5,14,24\r\n");
  plot_.ClearAllData();  // deactivates first
  EXPECT_FALSE(plot_.LoggingActive());
  plot_.LoadDataFromFile(Path("log"));
  ASSERT_EQ(plot_.ChannelCustom(1)->Count(), 5);
  EXPECT_TRUE(plot_.ChannelCustom(1)->GetNull(1));
  EXPECT_DOUBLE_EQ(plot_.ChannelCustom(0)->GetY(2), 12.5);
}

TEST_F(PlotLogTest, CompactLogKeepsXForTheFirstTwoSamplesAndReadsBack) {
  plot_.SetDataFileFormat(ipdffCompactInterval);
  plot_.SetLogBufferSize(100);
  plot_.LogActivate(false);
  for (int i = 0; i < 4; ++i) Sample(i, i + 1, -i);
  plot_.LogDeactivate();
  std::string expected = "Compact Interval\r\n2\r\n";
  for (float v : {0.f, 1.f, 0.f, 0.f, 1.f, 2.f, 1.f, -1.f, 3.f, -2.f, 4.f, -3.f}) AppendCompactFloat(expected, v);
  EXPECT_EQ(Log(), expected);
}

TEST_F(PlotLogTest, MessagesAndSettersRefusedWhileLogging) {
  TiPlot other;
  EXPECT_EQ(MessageOf([&] { other.LogActivate(false); }), "Log File Name not Defined");
  other.SetLogFileName("   ");
  EXPECT_EQ(MessageOf([&] { other.LogActivate(false); }), "Log File Name not Defined");
  EXPECT_EQ(MessageOf([&] { other.LogDeactivate(); }), "Logging not Active");
  EXPECT_NE(MessageOf([&] { plot_.LogActivate(true); }), "(no exception)");  // append needs the file
  EXPECT_FALSE(plot_.LoggingActive());

  plot_.LogActivate(false);
  EXPECT_EQ(MessageOf([&] { plot_.LogActivate(false); }), "Logging Already Active");
  EXPECT_EQ(MessageOf([&] { plot_.SetDataFileFormat(ipdffText); }),
            "Data File Format can not be changed while logging active");
  EXPECT_EQ(MessageOf([&] { plot_.SetDataFileFormat(ipdffCompactInterval); }),
            "Data File Format can not be changed while logging active");
  EXPECT_EQ(plot_.DataFileFormat(), ipdffText);
  EXPECT_EQ(MessageOf([&] { plot_.SetDataFileColumnSeparator(ipdfcsTab); }),
            "Data File Column Seperator can not be changed while logging active");
  plot_.SetLogFileName(Path("log"));  // the same name is allowed
  EXPECT_EQ(MessageOf([&] { plot_.SetLogFileName(Path("LOG")); }),
            "Log File Name can not be changed while logging is active.");
  plot_.LogDeactivate();
}

TEST_F(PlotLogTest, FailedAppendKeepsTheWaitingSamplesForTheNextFlush) {
  plot_.SetLogBufferSize(10);
  plot_.LogActivate(false);
  Sample(1, 2, 3);
  Sample(2, 4, 6);
  fs::rename(Path("log"), Path("away"));
  EXPECT_NE(MessageOf([&] { plot_.LogFlush(); }), "(no exception)");
  EXPECT_EQ(plot_.LogSamplesWaiting(), 2);
  fs::rename(Path("away"), Path("log"));
  plot_.LogFlush();
  EXPECT_EQ(Log(), "(X)\tA(Y)\tB(Y)\r\n1\t2\t3\r\n2\t4\t6\r\n");
}

}  // namespace
