#include "app/LogText.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/MessageOf.h"

namespace {
std::vector<std::string> Numbered(const std::string& stem, size_t n) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < n; ++i) lines.push_back(stem + std::to_string(i));
  return lines;
}
}  // namespace

TEST(LogText, LinesReadBackAcrossChunkBorders) {
  TLogText text;
  const auto lines = Numbered("08:05:09,", 3 * TLogText::kChunkLines + 5);
  for (const auto& line : lines) text.Append(line);
  ASSERT_EQ(text.Count(), static_cast<int64_t>(lines.size()));
  for (int64_t i : {int64_t{0}, int64_t{4095}, int64_t{4096}, int64_t{8191}, text.Count() - 1})
    EXPECT_EQ(text.Line(i), lines[static_cast<size_t>(i)]);
  EXPECT_EQ(text.Lines(), lines);
  EXPECT_EQ(MessageOf([&] { text.Line(text.Count()); }), "Index out of Bounds");
  EXPECT_EQ(MessageOf([&] { text.Line(-1); }), "Index out of Bounds");
  EXPECT_EQ(MessageOf([&] { text.Replace(1, text.Count(), {}); }), "Index out of Bounds");
}

// Edits of every shape (inside a chunk, across many, at the ends, inserts,
// deletes, the whole text) against a plain vector doing the same.
TEST(LogText, EditsMatchAPlainListOfLines) {
  TLogText text;
  std::vector<std::string> model = Numbered("l", 10000);
  text.Assign(model);
  std::mt19937 random(34);
  for (int round = 0; round < 300; ++round) {
    const auto size = static_cast<int64_t>(model.size());
    const int64_t first = std::uniform_int_distribution<int64_t>(0, size)(random);
    const int64_t most = std::min<int64_t>(size - first, round % 7 == 0 ? 9000 : 30);
    const int64_t count = std::uniform_int_distribution<int64_t>(0, most)(random);
    const size_t added = std::uniform_int_distribution<size_t>(0, round % 5 == 0 ? 6000 : 3)(random);
    const auto lines = Numbered("r" + std::to_string(round) + "-", added);
    text.Replace(first, count, lines);
    model.erase(model.begin() + first, model.begin() + first + count);
    model.insert(model.begin() + first, lines.begin(), lines.end());
    if (round % 3 == 0) text.Append("a" + std::to_string(round)), model.push_back("a" + std::to_string(round));
    ASSERT_EQ(text.Count(), static_cast<int64_t>(model.size())) << "round " << round;
    if (!model.empty()) {
      const auto probe = std::uniform_int_distribution<size_t>(0, model.size() - 1)(random);
      ASSERT_EQ(text.Line(static_cast<int64_t>(probe)), model[probe]) << "round " << round;
    }
  }
  EXPECT_EQ(text.Lines(), model);
  text.Replace(0, text.Count(), {});
  EXPECT_EQ(text.Count(), 0);
  text.Append("again");
  EXPECT_EQ(text.Lines(), std::vector<std::string>{"again"});
}

// A week's log must cost about its text: a few bytes a line beside it.
TEST(LogText, AppendedLinesCostLittleMoreThanTheirText) {
  TLogText text;
  const std::string line = "08:05:09,1234.0,25.0";
  const int64_t lines = 200000;
  for (int64_t i = 0; i < lines; ++i) text.Append(line);
  EXPECT_LE(static_cast<double>(text.MemoryBytes()) / lines, static_cast<double>(line.size()) + 6);
}
