// The monitor against the sensor simulator through a pseudo-terminal: what the
// log records is what the simulator served, in order. On a busy machine an
// answer can come after the next tick has already asked again; the two answers
// then arrive as one read that no CRC check passes, and both are dropped, as
// the acquisition cycle drops any bad answer. So the log holds the served
// values in order, some possibly left out, never one that was not served.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <chrono>
#include <thread>
#include <vector>

#include "tests/app/SensorSimProcess.h"
#include "tools/sensor-sim/SimFrames.h"

namespace {

namespace fs = std::filesystem;

using Simulator = TSensorSim;

// Every logged value was served, in the order served.
::testing::AssertionResult InServedOrder(const std::vector<std::string>& logged,
                                         const std::vector<std::string>& served) {
  size_t at = 0;
  for (const auto& value : logged) {
    while (at < served.size() && served[at] != value) ++at;
    if (at == served.size()) return ::testing::AssertionFailure() << "\"" << value << "\" was not served (or not then)";
    ++at;
  }
  return ::testing::AssertionSuccess();
}

std::vector<std::string> Lines(const fs::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  return lines;
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("sensor-e2e-" + std::to_string(getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs the monitor on the simulator's port for `samples` log lines; returns
  // the values of each line (the time of day cut off).
  std::vector<std::string> Monitor(const std::string& port, int samples, int seconds = 30) {
    const std::string command = "timeout " + std::to_string(seconds) + " " SENSOR_MONITOR
                                " --headless --period 0.05 --open --port " + port + " --samples " +
                                std::to_string(samples) + " --log-file " + (dir / "log.csv").string() +
                                " >/dev/null 2>" + (dir / "stderr").string();
    status = std::system(command.c_str());
    std::vector<std::string> values;
    for (const auto& line : Lines(dir / "log.csv")) values.push_back(line.substr(9));  // "hh:mm:ss,"
    return values;
  }
  std::vector<std::string> Served() {
    return Lines(dir / "served");
  }
  std::string ServedArg() const { return (dir / "served").string(); }

  fs::path dir;
  int status = 0;
};

TEST_F(EndToEnd, LoggedValuesAreWhatTheSimulatorServedForEveryAnswerLength) {
  for (const char* length : {"17", "15", "9", "7"}) {
    SCOPED_TRACE(length);
    fs::remove(dir / "served");
    fs::remove(dir / "log.csv");
    Simulator sim({"--length", length, "--served", ServedArg()});
    ASSERT_FALSE(sim.Port().empty());
    const auto logged = Monitor(sim.Port(), 6);
    ASSERT_EQ(logged.size(), 6u);
    EXPECT_TRUE(InServedOrder(logged, Served()));
    const bool twoValues = std::string(length) >= "15" && std::string(length) != "7" && std::string(length) != "9";
    EXPECT_EQ(logged[0].find(',') != std::string::npos, twoValues) << logged[0];
  }
}

TEST_F(EndToEnd, CorruptedAndDroppedAnswersAreLeftOut) {
  Simulator sim({"--corrupt", "0.3", "--drop", "0.2", "--seed", "7", "--served", ServedArg()});
  const auto logged = Monitor(sim.Port(), 12);
  ASSERT_EQ(logged.size(), 12u);
  EXPECT_TRUE(InServedOrder(logged, Served()));
}

TEST_F(EndToEnd, RawRegistersAbove60000ReadNegative) {
  Simulator sim({"--raw-distance", "65530", "--raw-temperature", "60001"});
  const auto logged = Monitor(sim.Port(), 2);
  ASSERT_EQ(logged.size(), 2u);
  EXPECT_EQ(logged[0], "-5.0,-5534.0");
}

TEST_F(EndToEnd, TheSimulatorGoingAwayIsReportedOnceAndTheMonitorGoesOn) {
  Simulator sim({"--answers", "3", "--served", ServedArg()});
  const pid_t monitor = fork();
  if (monitor == 0) {
    const std::string log = (dir / "log.csv").string(), err = (dir / "stderr").string();
    freopen("/dev/null", "w", stdout);
    freopen(err.c_str(), "w", stderr);
    execl(SENSOR_MONITOR, SENSOR_MONITOR, "--headless", "--period", "0.05", "--open", "--port", sim.Port().c_str(),
          "--log-file", log.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  auto reports = [&] {
    int n = 0;
    for (const auto& line : Lines(dir / "stderr"))
      if (line.find("Unable to") != std::string::npos) {
        ++n;
        EXPECT_NE(line.find("(Win32 error 5: Input/output error)"), std::string::npos) << line;
      }
    return n;
  };
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (reports() == 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // ticks go on; a second report would show
  EXPECT_EQ(waitpid(monitor, nullptr, WNOHANG), 0) << "the monitor ended";
  kill(monitor, SIGTERM);
  waitpid(monitor, nullptr, 0);
  EXPECT_EQ(reports(), 1);
  std::vector<std::string> logged;
  for (const auto& line : Lines(dir / "log.csv")) logged.push_back(line.substr(9));
  EXPECT_LE(logged.size(), 3u);
  EXPECT_TRUE(InServedOrder(logged, Served()));
}

// ---- the simulator's frames ----

TEST(SimFrames, AnswersCarryAValidCrcAndAsManyRegistersAsFit) {
  const uint16_t registers[6] = {1500, 2, 3, 4, 5, 25};
  const std::string full = AnswerFrame(1, registers, 17);
  ASSERT_EQ(full.size(), 17u);
  EXPECT_EQ(SimCrc16(full.substr(0, 15)), full.substr(15));
  EXPECT_EQ(full[2], 12);
  EXPECT_EQ(ServedValues(full), "1500.0,25.0");
  EXPECT_EQ(ServedValues(AnswerFrame(1, registers, 7)), "1500.0");
  // 15 bytes: bytes 13-14 are the CRC, and a reader takes them all the same.
  const std::string fifteen = AnswerFrame(1, registers, 15);
  const int crc = (uint8_t(fifteen[13]) << 8) | uint8_t(fifteen[14]);
  char expected[64];
  std::snprintf(expected, sizeof expected, "1500.0,%.1f", ValueOf(uint16_t(crc)));
  EXPECT_EQ(ServedValues(fifteen), expected);
  EXPECT_EQ(SimCrc16("123456789"), "\x37\x4B");
}

TEST(SimFrames, NegativeReadingsTravelThroughThe60000Rule) {
  EXPECT_EQ(RegisterOf(-5), 65530);
  EXPECT_EQ(ValueOf(65530), -5);
  EXPECT_EQ(ValueOf(60000), 60000);
  EXPECT_EQ(ValueOf(60001), -5534);
  EXPECT_EQ(ValueOf(65535), 0);
  TSimOptions cold;
  cold.Cold = true;
  TSimSensor sensor(cold);
  uint16_t r[6];
  for (int i = 0; i < 30; ++i) {
    sensor.NextRegisters(r);
    EXPECT_LE(ValueOf(r[5]), -200);
  }
}

}  // namespace
