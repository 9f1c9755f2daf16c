#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstdlib>
#include <filesystem>

#include "platform/Application.h"
#include "platform/Files.h"
#include "tests/app/ScriptedPort.h"

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {
class Log : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/sm-log-XXXXXX";
    dir = mkdtemp(pattern);
    SampleCounter = 0;
    platform::SetMessageHook([this](const std::string& text, bool) { errors.push_back(text); });
    TFileDialog::Hook = [this](TFileDialog::TKind kind) -> std::optional<std::string> {
      ++dialogs;
      EXPECT_EQ(kind == TFileDialog::fdSave ? form->SaveDialog1.FileName : form->OpenDialog1.FileName, "*.csv");
      return answer;
    };
    form = std::make_unique<TForm1>();
  }
  void TearDown() override {
    TFileDialog::Hook = nullptr;
    platform::SetMessageHook(nullptr);
    fs::remove_all(dir);
  }
  std::string File(const char* name) { return (dir / name).string(); }
  void Save(std::optional<std::string> to) {
    answer = std::move(to);
    platform::RunGuarded([this] { form->SpeedButton1Click(); });
    form->SaveDialog1.FileName = "*.csv";
  }
  void Load(std::optional<std::string> from) {
    answer = std::move(from);
    platform::RunGuarded([this] { form->SpeedButton2Click(); });
    form->OpenDialog1.FileName = "*.csv";
  }
  std::vector<std::pair<double, double>> Points(int channel) {
    std::vector<std::pair<double, double>> points;
    auto* c = form->dIred1->Channel(channel);
    for (int i = 0; i < c->Count(); ++i) points.emplace_back(c->GetX(i), c->GetY(i));
    return points;
  }

  fs::path dir;
  std::unique_ptr<TForm1> form;
  std::optional<std::string> answer;
  int dialogs = 0;
  std::vector<std::string> errors;
};
using P = std::vector<std::pair<double, double>>;
}  // namespace

TEST_F(Log, SaveWritesEveryLineWithCrLfAndReplacesTheFile) {
  const std::string path = File("log.csv");
  Save(path);
  EXPECT_EQ(platform::ReadWholeFile(path), "") << "an empty log saves as an empty file";
  form->SetMemoLines({"08:05:09,1234.0,25.0", "08:05:10,1.0"});
  Save(path);
  EXPECT_EQ(platform::ReadWholeFile(path), "08:05:09,1234.0,25.0\r\n08:05:10,1.0\r\n");
  Save(std::nullopt);  // cancelled: nothing happens
  EXPECT_EQ(platform::ReadWholeFile(path), "08:05:09,1234.0,25.0\r\n08:05:10,1.0\r\n");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Log, AFailedSaveKeepsThePreviousLog) {
  const std::string path = File("log.csv");
  form->SetMemoLines({"a,1"});
  Save(path);
  Save(File("no/such/dir.csv"));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(platform::ReadWholeFile(path), "a,1\r\n");
}

TEST_F(Log, ReloadReplaysLongLinesIntoBothChannels) {
  const std::string path = File("log.csv");
  platform::WriteFileAtomically(path, "08:05:09,1234.0,25.0\r\n08:05:10,1235.0,25.5\n08:05:11,-3.0,-200.0\r");
  SampleCounter = 77;
  Load(path);
  EXPECT_EQ(form->MemoLines(), (Lines{"08:05:09,1234.0,25.0", "08:05:10,1235.0,25.5", "08:05:11,-3.0,-200.0"}));
  EXPECT_EQ(Points(0), (P{{0, 1234}, {1, 1235}, {2, -3}}));
  EXPECT_EQ(Points(1), (P{{0, 25}, {1, 25.5}, {2, -200}}));
  EXPECT_EQ(SampleCounter, 3);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Log, ShortLinesReloadWithoutAnErrorAndSkipLinesWithoutComma) {
  const std::string path = File("log.csv");
  platform::WriteFileAtomically(path, "# monitor log\r\n\r\n08:05:09,24.1\r\n08:05:10,1.0,2.0\r\n08:05:11,25.1\r\n");
  Load(path);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(Points(0), (P{{0, 24.1}, {1, 1}, {2, 25.1}}));
  EXPECT_EQ(Points(1), (P{{1, 2}})) << "a short line carries no second value";
  EXPECT_EQ(SampleCounter, 3);
  EXPECT_EQ(form->MemoLines().size(), 5u);
}

TEST_F(Log, AFileWithoutCommasAddsNoPoints) {
  const std::string path = File("notes.txt");
  platform::WriteFileAtomically(path, "one\r\ntwo\r\n");
  Load(path);
  EXPECT_EQ(form->MemoLines(), (Lines{"one", "two"}));
  EXPECT_TRUE(Points(0).empty());
  EXPECT_EQ(SampleCounter, 0);
}

TEST_F(Log, ACancelledOpenReplaysTheMemoAgain) {
  form->SetMemoLines({"08:05:09,1.0,2.0", "08:05:10,3.0,4.0", "08:05:11,5.0,6.0"});
  Load(std::nullopt);
  Load(std::nullopt);
  EXPECT_EQ(dialogs, 2);
  EXPECT_EQ(Points(0), (P{{0, 1}, {1, 3}, {2, 5}, {0, 1}, {1, 3}, {2, 5}})) << "appended, x from 0 again";
  EXPECT_EQ(Points(1).size(), 6u);
}

TEST_F(Log, ANumberThatIsNotStopsTheReplayAtItsLine) {
  const std::string path = File("log.csv");
  platform::WriteFileAtomically(path, "t,1.0,2.0\r\nt,3.0,x\r\nt,5.0,6.0\r\nt,1,2,3\r\n");
  Load(path);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "'x' is not a valid floating point value.");
  EXPECT_EQ(Points(0), (P{{0, 1}, {1, 3}})) << "channel 0's point of the failing line is kept";
  EXPECT_EQ(Points(1), (P{{0, 2}}));
  EXPECT_EQ(SampleCounter, 1);
  EXPECT_EQ(form->MemoLines().size(), 4u) << "the memo keeps the loaded lines";
  errors.clear();
  form->SetMemoLines({"t,1,2,3"});
  Load(std::nullopt);
  EXPECT_EQ(errors, Lines{"'2,3' is not a valid floating point value."});
}

TEST_F(Log, AFileThatCannotBeReadLeavesTheMemo) {
  form->SetMemoLines({"t,1.0"});
  Load(File("missing.csv"));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("missing.csv"), std::string::npos);
  EXPECT_EQ(form->MemoLines(), Lines{"t,1.0"});
  EXPECT_TRUE(Points(0).empty());
}

TEST_F(Log, SavedLogRoundTrips) {
  form->SetMemoLines({"08:05:09,1234.0,25.0", "", "08:05:10,7.0"});
  const std::string path = File("round.csv");
  Save(path);
  form->SetMemoLines({});
  Load(path);
  EXPECT_EQ(form->MemoLines(), (Lines{"08:05:09,1234.0,25.0", "", "08:05:10,7.0"}));
}

TEST_F(Log, BinaryAndOverLongFilesAreReadOrRefusedCleanly) {
  const std::string path = File("odd.csv");
  std::string bytes("t,1.0\r\nt,2.0\0junk\r\nt,3.0\r\n", 26);
  bytes += std::string(2'000'000, 'x') + "\r\n";
  bytes += "t," + std::string(100'000, '9') + "\r\n";
  platform::WriteFileAtomically(path, bytes);
  Load(path);
  ASSERT_EQ(errors.size(), 1u) << "the NUL byte makes the second value no number";
  EXPECT_EQ(Points(0), (P{{0, 1}}));
  EXPECT_EQ(form->MemoLines().size(), 5u);
  EXPECT_EQ(form->MemoLines()[3].size(), 2'000'000u);
}

TEST_F(Log, ALogWrittenDuringARunReloads) {
  const std::string path = File("run.csv");
  form->OnLogLine = [&](const std::string& line) {
    const std::string old = fs::exists(path) ? platform::ReadWholeFile(path) : "";
    platform::WriteFileAtomically(path, old + line + "\r\n");
  };
  form->Edit1->setText("COM0");
  form->Edit2->setText("1");
  platform::RunGuarded([this] { form->Button2Click(); });
  for (int i = 0; i < 5; ++i) form->Timer1Timer();
  const P charted = Points(0);
  form = std::make_unique<TForm1>();
  Load(path);
  EXPECT_TRUE(errors.empty());
  ASSERT_EQ(Points(0).size(), 5u);
  for (size_t i = 0; i < 5; ++i) EXPECT_NEAR(Points(0)[i].second, charted[i].second, 0.05);
  TestMode = false;
}
