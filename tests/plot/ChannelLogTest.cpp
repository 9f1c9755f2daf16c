// A channel's log through real files: batches of LogBufferSize, the points
// still pending when logging stops or the channel clears, a ring buffer
// smaller than a batch, a write that fails, and the refusals.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIred.h"
#include "plot/dIredChannelCustom.h"
#include "tests/plot/PlotTestSupport.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

class ChannelLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plot_.SetDataFileColumnSeparator(ipdfcsComma);
    channel().SetLogFileName(Path("log"));
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  std::string Log() const { return platform::ReadWholeFile(Path("log")); }
  TiPlotChannelCustom& channel() { return *plot_.ChannelCustom(0); }
  // Points x = from … to - 1, y = 10 x.
  void Add(int from, int to) {
    for (int x = from; x < to; ++x) channel().AddXY(x, 10 * x);
  }
  static std::string Lines(int from, int to) {
    std::string out;
    for (int x = from; x < to; ++x) out += std::to_string(x) + "," + std::to_string(10 * x) + "\r\n";
    return out;
  }
  TTempDir dir_{"channellog"};
  TiPlot plot_;
};

TEST_F(ChannelLogTest, PointsAreWrittenInBatchesOfTheBufferSizeAndOnStop) {
  channel().SetLogBufferSize(10);
  channel().StartLogging(false);
  EXPECT_TRUE(channel().LoggingActive());
  Add(0, 9);
  EXPECT_EQ(Log(), "");
  Add(9, 10);
  EXPECT_EQ(Log(), Lines(0, 10));
  Add(10, 13);
  EXPECT_EQ(channel().LogPendingCount(), 3);
  channel().StopLogging();
  EXPECT_FALSE(channel().LoggingActive());
  EXPECT_EQ(Log(), Lines(0, 13));
  Add(13, 30);  // not logging
  EXPECT_EQ(Log(), Lines(0, 13));
}

TEST_F(ChannelLogTest, BufferSizesBelowTwoWriteEveryPointAndNullPointsTheirStoredY) {
  for (int size : {0, 1}) {
    SCOPED_TRACE(size);
    channel().Clear();
    channel().SetLogBufferSize(size);
    channel().StartLogging(false);
    Add(0, 1);
    EXPECT_EQ(Log(), Lines(0, 1));
    Add(1, 2);
    EXPECT_EQ(Log(), Lines(0, 2));
    channel().StopLogging();
  }
  channel().SetLogBufferSize(5);
  channel().StartLogging(false);
  channel().AddXY(2, 7);
  channel().SetNull(channel().Count() - 1, true);
  channel().StopLogging();
  EXPECT_EQ(Log(), "2,7\r\n");
}

TEST_F(ChannelLogTest, AppendNeedsAnExistingFileAndAFreshStartEmptiesIt) {
  channel().SetLogFileName(Path("missing"));
  EXPECT_THROW(channel().StartLogging(true), EInOutError);
  EXPECT_FALSE(channel().LoggingActive());

  channel().SetLogFileName(Path("log"));
  platform::WriteFileAtomically(Path("log"), "old\r\n");
  channel().StartLogging(true);
  Add(0, 1);
  channel().StopLogging();
  EXPECT_EQ(Log(), "old\r\n" + Lines(0, 1));
  channel().StartLogging(false);
  EXPECT_EQ(Log(), "");
  channel().StopLogging();
}

TEST_F(ChannelLogTest, RefusalsAndTheTranslatedFileNameMessage) {
  channel().SetLogFileName("  ");
  EXPECT_EQ(MessageOf([&] { channel().StartLogging(false); }), "Log File Name not Defined");
  EXPECT_EQ(MessageOf([&] { channel().StopLogging(); }), "Logging not Active");
  channel().SetLogFileName(Path("log"));
  channel().StartLogging(false);
  EXPECT_EQ(MessageOf([&] { channel().StartLogging(true); }), "Logging Already Active");
  channel().SetLogFileName(Path("log"));  // the same name is allowed
  EXPECT_EQ(MessageOf([&] { channel().SetLogFileName(Path("other")); }),
            "Log File Name can not be changed while logging is active.");
  plot_.AddTranslation("Log File Name can not be changed while logging is active.", "Nicht jetzt.");
  EXPECT_EQ(MessageOf([&] { channel().SetLogFileName(Path("other")); }), "Nicht jetzt.");
  EXPECT_EQ(channel().LogFileName(), Path("log"));
}

TEST_F(ChannelLogTest, ClearAndLoadingDataStopTheLogWritingWhatIsPending) {
  channel().SetLogBufferSize(100);
  channel().StartLogging(false);
  Add(0, 3);
  channel().Clear();
  EXPECT_FALSE(channel().LoggingActive());
  EXPECT_EQ(Log(), Lines(0, 3));

  platform::WriteFileAtomically(Path("data"), "50,1\r\n");
  channel().StartLogging(false);
  Add(3, 5);
  channel().LoadDataFromFile(Path("data"), false);
  EXPECT_FALSE(channel().LoggingActive());
  EXPECT_EQ(Log(), Lines(3, 5));
  EXPECT_EQ(channel().Count(), 3);
}

// A ring that holds fewer points than a batch would drop pending points
// before they are written: the log is flushed before that happens.
TEST_F(ChannelLogTest, ARingSmallerThanTheBatchLosesNoPoint) {
  channel().SetRingBufferSize(4);
  channel().SetLogBufferSize(10);
  channel().StartLogging(false);
  Add(0, 25);
  channel().StopLogging();
  EXPECT_EQ(Log(), Lines(0, 25));

  // Shrinking the ring or replacing the list writes the pending points first.
  channel().SetRingBufferSize(0);
  channel().StartLogging(false);
  Add(0, 6);
  channel().SetRingBufferSize(2);
  EXPECT_EQ(Log(), Lines(0, 6));
  Add(6, 7);
  channel().SetDataStyle(ipdsFullFeature);
  EXPECT_EQ(Log(), Lines(0, 7));
  channel().StopLogging();
}

TEST_F(ChannelLogTest, AFailedWriteKeepsItsPointsForTheNextFlush) {
  channel().SetLogBufferSize(2);
  channel().StartLogging(false);
  Add(0, 2);
  fs::rename(Path("log"), Path("away"));
  Add(2, 3);
  EXPECT_THROW(Add(3, 4), EInOutError);
  EXPECT_EQ(channel().Count(), 4);  // the point is kept
  EXPECT_THROW(channel().StopLogging(), EInOutError);
  EXPECT_TRUE(channel().LoggingActive());
  fs::rename(Path("away"), Path("log"));
  Add(4, 5);
  EXPECT_EQ(Log(), Lines(0, 5));
  Add(5, 6);
  channel().StopLogging();
  EXPECT_EQ(Log(), Lines(0, 6));
}

}  // namespace
