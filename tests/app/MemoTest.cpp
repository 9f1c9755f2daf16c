#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <filesystem>

#include "app/LogLine.h"
#include "app/Unit1.h"
#include "platform/Application.h"
#include "platform/Files.h"

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {
class Memo : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/sm-memo-XXXXXX";
    dir = mkdtemp(pattern);
    SampleCounter = 0;
    platform::SetMessageHook([this](const std::string& text, bool) { errors.push_back(text); });
    TFileDialog::Hook = [this](TFileDialog::TKind) { return answer; };
    form = std::make_unique<TForm1>();
    form->OnLogLine = [this](const std::string& line) { logged.push_back(line); };
  }
  void TearDown() override {
    TFileDialog::Hook = nullptr;
    platform::SetMessageHook(nullptr);
    TestMode = false;
    fs::remove_all(dir);
  }
  // Test mode with a period the timer never reaches: the ticks come from here.
  void Samples(int n) {
    if (!TestMode) {
      form->Edit1->setText("COM0");
      form->Edit2->setText("100000");
      form->Button2Click();
    }
    for (int i = 0; i < n; ++i) form->Timer1Timer();
  }
  std::string Saved() {
    answer = (dir / "log.csv").string();
    platform::RunGuarded([this] { form->SpeedButton1Click(); });
    return platform::ReadWholeFile(*answer);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(form->Memo1, &event);
  }
  void Type(const QString& text) {
    for (QChar c : text) Key(0, Qt::NoModifier, QString(c));
  }

  fs::path dir;
  std::unique_ptr<TForm1> form;
  std::optional<std::string> answer;
  std::vector<std::string> errors;
  Lines logged;
};
}  // namespace

// Past the sample counter's wrap: every line is kept, saves whole and equals
// the log as written, and the memo and the chart's channels together stay
// within a few dozen bytes a sample, counted from what their stores hold.
TEST_F(Memo, ALongRunSavesWholeAndStaysCompact) {
  const int samples = 70000;
  Samples(samples);
  ASSERT_EQ(logged.size(), static_cast<size_t>(samples));
  EXPECT_EQ(form->Memo1->Text().Count(), samples);
  EXPECT_EQ(Saved(), JoinTextLines(logged));
  const int64_t bytes = form->Memo1->Text().MemoryBytes() + form->dIred1->Channel(0)->DataList().MemorySize() +
                        form->dIred1->Channel(1)->DataList().MemorySize();
  EXPECT_LE(static_cast<double>(bytes) / samples, 64.0);
  EXPECT_TRUE(errors.empty());
}

// Answers with a temperature fill both channels and write the long form.
TEST_F(Memo, ALogWithTemperaturesStaysCompactWithBothChannels) {
  const int samples = 50000;
  Lines lines;
  for (int i = 0; i < samples; ++i)
    lines.push_back(LongLogLine(platform::EncodeTime(8, 5, 9, 0), 1000 + i % 3000, 25.5));
  form->SetMemoLines(lines);
  platform::RunGuarded([this] { form->SpeedButton2Click(); });
  ASSERT_EQ(form->dIred1->Channel(1)->Count(), samples);
  const int64_t bytes = form->Memo1->Text().MemoryBytes() + form->dIred1->Channel(0)->DataList().MemorySize() +
                        form->dIred1->Channel(1)->DataList().MemorySize();
  EXPECT_LE(static_cast<double>(bytes) / samples, 100.0);
  EXPECT_EQ(Saved(), JoinTextLines(lines));
}

TEST_F(Memo, AHandEditIsKeptSavedAndSkippedByTheReplay) {
  Samples(3);
  form->Memo1->SetCaret({1, 0});
  Type("# checked");
  Key(Qt::Key_Return);
  Samples(1);
  const Lines lines = form->MemoLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], logged[0]);
  EXPECT_EQ(lines[1], "# checked");
  EXPECT_EQ(lines[2], logged[1]);
  EXPECT_EQ(lines[4], logged[3]) << "new samples follow the edit";
  EXPECT_EQ(Saved(), JoinTextLines(lines));

  SampleCounter = 0;
  answer.reset();
  form->dIred1->Channel(0)->Clear();
  platform::RunGuarded([this] { form->SpeedButton2Click(); });
  EXPECT_EQ(form->dIred1->Channel(0)->Count(), 4) << "the comment line adds no point";
  EXPECT_TRUE(errors.empty());
}

TEST_F(Memo, EditingKeysBreakJoinAndRemoveLines) {
  form->SetMemoLines({"ab", "cd", "ef"});
  form->Memo1->SetCaret({1, 0});
  Key(Qt::Key_Backspace);
  EXPECT_EQ(form->MemoLines(), (Lines{"abcd", "ef"}));
  EXPECT_EQ(form->Memo1->Caret(), (TMemoView::TPos{0, 2}));
  Key(Qt::Key_Return);
  EXPECT_EQ(form->MemoLines(), (Lines{"ab", "cd", "ef"}));
  Key(Qt::Key_End);
  Key(Qt::Key_Delete);
  EXPECT_EQ(form->MemoLines(), (Lines{"ab", "cdef"}));

  // A selection from the middle of one line into the next, typed over.
  form->Memo1->SetCaret({0, 1});
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(form->Memo1->SelectedText(), "b\nc");
  Type("X");
  EXPECT_EQ(form->MemoLines(), (Lines{"aXdef"}));

  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_Delete);
  EXPECT_TRUE(form->MemoLines().empty()) << "one empty line is an empty log";
  EXPECT_EQ(Saved(), "");
  form->SetMemoLines({""});
  EXPECT_TRUE(form->MemoLines().empty());
  form->SetMemoLines({"", ""});
  EXPECT_EQ(form->MemoLines(), (Lines{"", ""}));
}

TEST_F(Memo, CopyCutAndPasteGoThroughTheClipboard) {
  form->SetMemoLines({"one", "two", "three"});
  form->Memo1->SetCaret({0, 0});
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "one\n");
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(form->MemoLines(), (Lines{"two", "three"}));
  Key(Qt::Key_End, Qt::ControlModifier);
  QApplication::clipboard()->setText("\r\nfour\rfive");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->MemoLines(), (Lines{"two", "three", "four", "five"}));
  EXPECT_EQ(form->Memo1->Caret(), (TMemoView::TPos{3, 4}));
}

// A log written on another system may hold bytes that are no UTF-8 (a GBK
// comment): lines the operator does not edit save as they were loaded.
TEST_F(Memo, LinesLoadedAsBytesSaveAsTheSameBytes) {
  const std::string file = "\xb2\xe2\xca\xd4\r\n08:05:09,1.0\r\n";
  answer = (dir / "in.csv").string();
  platform::WriteFileAtomically(*answer, file);
  platform::RunGuarded([this] { form->SpeedButton2Click(); });
  EXPECT_EQ(Saved(), file);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Memo, TheViewFollowsNewLinesOnlyFromTheEnd) {
  form->resize(786, 711);
  form->show();
  form->PageControl1->setCurrentIndex(1);
  QScrollBar* bar = form->Memo1->verticalScrollBar();
  Samples(200);
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  bar->setValue(10);
  Samples(5);
  EXPECT_EQ(bar->value(), 10) << "the operator reads further up";
  form->Memo1->grab();  // draws without failing
}
