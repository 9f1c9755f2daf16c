#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <regex>

#include "app/LogLine.h"
#include "platform/Files.h"

namespace {
struct Result {
  int status;
  std::string out;
};

Result RunMonitor(const std::string& args) {
  const std::string command = std::string(SENSOR_MONITOR) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  std::array<char, 4096> buffer{};
  while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}
}  // namespace

TEST(CommandLine, HeadlessTestModeLogsToFileAndStdout) {
  // Named by process: other test runs on the machine use the same folder.
  const auto dir = std::filesystem::temp_directory_path();
  const std::string log = dir / ("sm-cli-log-" + std::to_string(getpid()) + ".csv");
  const std::string shot = dir / ("sm-cli-shot-" + std::to_string(getpid()) + ".png");
  std::filesystem::remove(log);
  std::filesystem::remove(shot);
  const Result r = RunMonitor("--headless --port COM0 --period 0.05 --open --samples 3 --log-file " + log +
                       " --screenshot " + shot);
  ASSERT_EQ(r.status, 0);
  const std::regex line(R"(\d\d:\d\d:\d\d,2\d\.\d)");
  const auto fileLines = SplitTextLines(platform::ReadWholeFile(log));
  ASSERT_EQ(fileLines.size(), 3u);
  for (const auto& l : fileLines) EXPECT_TRUE(std::regex_match(l, line)) << l;
  EXPECT_EQ(platform::ReadWholeFile(log).substr(fileLines[0].size(), 2), "\r\n");
  EXPECT_EQ(SplitTextLines(r.out), fileLines);
  const std::string png = platform::ReadWholeFile(shot);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  std::filesystem::remove(log);
  std::filesystem::remove(shot);
}

TEST(CommandLine, BadValuesExitWithStatus2) {
  EXPECT_EQ(RunMonitor("--samples 0").status, 2);
  EXPECT_EQ(RunMonitor("--period abc").status, 2);
  EXPECT_EQ(RunMonitor("--frobnicate").status, 2);
  EXPECT_EQ(RunMonitor("--headless --log-file /no/such/dir/log.csv").status, 2);
  const Result help = RunMonitor("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--log-file"), std::string::npos);
  EXPECT_EQ(RunMonitor("--version").status, 0);
}
