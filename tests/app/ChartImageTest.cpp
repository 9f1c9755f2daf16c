// --chart-image: the chart saved through its own export when the monitor
// quits, in the format its file name's ending chooses.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <array>
#include <cstdio>
#include <filesystem>

#include "app/Options.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "tests/platform/EmfParser.h"
#include "tests/support/ImageDecode.h"

namespace fs = std::filesystem;

namespace {
int RunMonitor(const std::string& args, std::string* out = nullptr) {
  const std::string command = std::string(SENSOR_MONITOR) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string text;
  std::array<char, 4096> buffer{};
  while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) text.append(buffer.data(), n);
  if (out) *out = text;
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
}  // namespace

TEST(ChartImageOption, OnlyTheFourLowerCaseEndingsAreAccepted) {
  EXPECT_EQ(ParseOptions({"--chart-image", "run.emf"}).ChartImage, "run.emf");
  using Args = std::vector<std::string>;
  for (const Args& bad : {Args{"--chart-image", "run.PNG"}, Args{"--chart-image", "run.gif"},
                          Args{"--chart-image", ""}, Args{"--chart-image"}})
    EXPECT_THROW(ParseOptions(bad), Exception) << (bad.size() > 1 ? bad[1] : "(none)");
  EXPECT_EQ(RunMonitor("--headless --chart-image /tmp/chart.tiff"), 2);
  std::string help;
  EXPECT_EQ(RunMonitor("--help", &help), 0);
  EXPECT_NE(help.find("--chart-image PATH"), std::string::npos);
}

TEST(ChartImageOption, EachFormatIsWrittenWhenTheMonitorQuits) {
  const fs::path dir = fs::temp_directory_path() / ("chart_image_test_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (const char* ending : {"bmp", "emf", "jpg", "png"}) {
    const std::string path = (dir / (std::string("chart.") + ending)).string();
    ASSERT_EQ(RunMonitor("--headless --port COM0 --period 0.05 --open --samples 2 --chart-image " + path), 0)
        << ending;
    const std::string bytes = platform::ReadWholeFile(path);
    const std::string kind = ending;
    if (kind == "png") {
      const Decoded d = DecodePng(bytes);
      EXPECT_GT(d.width, 100);
      EXPECT_GT(d.height, 100);
    } else if (kind == "jpg") {
      EXPECT_TRUE(DecodeJpeg(bytes).progressive);
    } else if (kind == "bmp") {
      const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                            static_cast<int>(bytes.size()), "BMP");
      EXPECT_GT(image.width(), 100);
    } else {
      EXPECT_EQ(ParseEmf(bytes).creator, "Wexlar");
    }
  }
  fs::remove_all(dir);
}
