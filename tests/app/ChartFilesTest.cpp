// The monitor's own chart, after a run against a scripted sensor, saved with
// its settings and data and loaded into a fresh chart: what the operator
// keeps of a run must come back whole.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QLineEdit>
#include <filesystem>

#include "app/Unit1.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIredChannelCustom.h"
#include "tests/app/ScriptedPort.h"

namespace fs = std::filesystem;

namespace {

class MonitorChartFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetNowSource([] { return platform::EncodeDate(2026, 12, 9) + platform::EncodeTime(9, 30, 0, 0); });
    dir_ = fs::temp_directory_path() / ("monitor-chart-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    auto owned = std::make_unique<ScriptedPort>();
    ScriptedPort* port = owned.get();
    form_ = std::make_unique<TForm1>(std::move(owned));
    // Distances and temperatures, one answer cut short (no temperature), so
    // the two channels end up of unequal length.
    for (int i = 0; i < 12; ++i) port->answers.push_back(SensorAnswer(17, 1200 + 7 * i, 250 - i));
    port->answers.push_back(SensorAnswer(9, 1299));
    form_->Edit1->setText("COM5");
    form_->Edit2->setText("1");
    platform::RunGuarded([this] { form_->Button2Click(); });
    for (int i = 0; i < 13; ++i) platform::RunGuarded([this] { form_->Timer1Timer(); });
  }
  void TearDown() override {
    form_.reset();
    fs::remove_all(dir_);
    platform::SetNowSource(nullptr);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  TChart& Chart() { return *form_->dIred1; }

  std::unique_ptr<TForm1> form_;
  fs::path dir_;
};

// The compact layout keeps single floats, and x only for the first two rows:
// a list of plain points (as the monitor's are) reads the later ones as 0.
void ExpectSamePoints(TChart& expected, TChart& actual, bool compact) {
  const double tolerance = compact ? 1e-7 : 0;
  ASSERT_EQ(actual.ChannelCount(), expected.ChannelCount());
  for (int c = 0; c < expected.ChannelCount(); ++c) {
    TiPlotChannelCustom& e = *expected.ChannelCustom(c);
    TiPlotChannelCustom& a = *actual.ChannelCustom(c);
    ASSERT_EQ(a.Count(), e.Count()) << "channel " << c;
    for (int i = 0; i < e.Count(); ++i) {
      EXPECT_NEAR(a.GetX(i), compact && i > 1 ? 0 : e.GetX(i), tolerance * std::abs(e.GetX(i))) << c << ':' << i;
      EXPECT_NEAR(a.GetY(i), e.GetY(i), tolerance * std::abs(e.GetY(i))) << c << ':' << i;
    }
  }
}

}  // namespace

TEST_F(MonitorChartFiles, SettingsAndDataOfARunSurviveASaveAndALoadIntoAFreshChart) {
  ASSERT_EQ(Chart().ChannelCustom(0)->Count(), 13);
  ASSERT_EQ(Chart().ChannelCustom(1)->Count(), 12);
  Chart().SavePropertiesToFile(Path("monitor.cfg"));

  for (TiPlotDataFileFormat format : {ipdffText, ipdffCompactInterval}) {
    SCOPED_TRACE(format == ipdffText ? "text" : "compact");
    Chart().SetDataFileFormat(format);
    Chart().SaveDataToFile(Path("monitor.dat"));

    TChart fresh;
    fresh.LoadPropertiesFromFile(Path("monitor.cfg"));
    fresh.SetDataFileFormat(format);
    fresh.LoadDataFromFile(Path("monitor.dat"));

    // Every published property of every object, as the reflection writes
    // them; the format is the one thing set apart, and set alike.
    Chart().SetDataFileFormat(ipdffText);
    fresh.SetDataFileFormat(ipdffText);
    fresh.SavePropertiesToFile(Path("fresh.cfg"));
    EXPECT_EQ(platform::ReadWholeFile(Path("fresh.cfg")), platform::ReadWholeFile(Path("monitor.cfg")));
    EXPECT_EQ(fresh.TitleText(), Chart().TitleText());
    EXPECT_EQ(fresh.YAxis(0)->Title(), Chart().YAxis(0)->Title());
    EXPECT_EQ(fresh.ChannelCustom(1)->TitleText(), Chart().ChannelCustom(1)->TitleText());
    ExpectSamePoints(Chart(), fresh, format == ipdffCompactInterval);
  }
}
