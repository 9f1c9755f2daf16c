// A channel feeds the chart's own axes in line and makes one repaint request
// per point for them all. These tests hold that path to the plain one: the
// same values tracked axis by axis must move the ranges alike and raise the
// same events, whatever the tracking settings and whoever hears the events.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIredChannel.h"
#include "plot/dIredChannelCustom.h"
#include "plot/iPlotScaledAxis.h"
#include "tests/plot/AxisTestSupport.h"
#include "tests/plot/PlotTestSupport.h"

namespace {

// The chart's own axes (TiPlotChartAxis, as the plot component makes them),
// with a channel bound to them when `withChannel`.
template <class Plot>
struct TChartAxes {
  Plot plot;
  TiPlotXAxis* x;
  TiPlotYAxis* y;
  TiPlotChannelCustom* ch = nullptr;
  explicit TChartAxes(bool withChannel) {
    auto* xa = new TiPlotChartAxis<TiPlotXAxis>(plot.master->Hooks());
    xa->Inserted();
    x = xa;
    auto* ya = new TiPlotChartAxis<TiPlotYAxis>(plot.master->Hooks());
    ya->Inserted();
    y = ya;
    if (withChannel) {
      plot.master->AddChannel();
      ch = plot.master->ChannelManager()->Channel(0);
    }
  }
};

struct TTrackConfig {
  TiPlotTrackingStyle style;
  TiPlotTrackingAlignFirstStyle align;
  double compressMax;
  bool log10;
};

void Apply(TiPlotAxis* axis, const TTrackConfig& c) {
  axis->SetTrackingStyle(c.style);
  axis->SetTrackingAlignFirstStyle(c.align);
  axis->SetTrackingScrollCompressMax(c.compressMax);
  axis->SetScaleType(c.log10 ? ipstLog10 : ipstLinear);
}

// Mostly rising x with jumps back, y wandering over both signs, and now and
// then a value no range can take.
std::vector<double> Values(uint32_t seed, bool rising) {
  std::vector<double> v;
  double level = 0;
  for (int i = 0; i < 300; ++i) {
    seed = seed * 1664525u + 1013904223u;
    const int pick = static_cast<int>(seed >> 24);
    if (pick < 4) v.push_back(pick < 2 ? std::nan("") : (pick == 2 ? INFINITY : 1.5e300));
    else if (rising) v.push_back(level += pick < 20 ? -40.0 : (pick % 7) + 0.25);
    else v.push_back((static_cast<int>(seed >> 8) % 4001 - 2000) / 8.0);
  }
  return v;
}

void ExpectSameReports(const std::vector<TAxisReport>& a, const std::vector<TAxisReport>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].What, b[i].What);
    EXPECT_EQ(a[i].OldMin, b[i].OldMin);
    EXPECT_EQ(a[i].OldSpan, b[i].OldSpan);
    EXPECT_EQ(a[i].NewMin, b[i].NewMin);
    EXPECT_EQ(a[i].NewSpan, b[i].NewSpan);
  }
}

template <class Plot>
void FeedAgainstTrack(const TTrackConfig& config, bool checkReports) {
  TChartAxes<Plot> fed(true), tracked(false);
  for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(fed.x), static_cast<TiPlotAxis*>(fed.y),
                           static_cast<TiPlotAxis*>(tracked.x), static_cast<TiPlotAxis*>(tracked.y)})
    Apply(axis, config);
  const std::vector<double> xs = Values(7, true), ys = Values(11, false);
  for (size_t i = 0; i < xs.size(); ++i) {
    if (i == 150) {  // as after the chart's data were cleared
      for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(fed.x), static_cast<TiPlotAxis*>(fed.y),
                               static_cast<TiPlotAxis*>(tracked.x), static_cast<TiPlotAxis*>(tracked.y)})
        axis->ResetFirstPoint();
    }
    const int fedChanges = fed.plot.changes;
    fed.ch->AddXY(xs[i], ys[i]);
    tracked.x->Track(xs[i]);
    tracked.y->Track(ys[i]);
    ASSERT_EQ(fed.x->Min(), tracked.x->Min()) << "point " << i;
    ASSERT_EQ(fed.x->Span(), tracked.x->Span()) << "point " << i;
    ASSERT_EQ(fed.y->Min(), tracked.y->Min()) << "point " << i;
    ASSERT_EQ(fed.y->Span(), tracked.y->Span()) << "point " << i;
    ASSERT_EQ(fed.plot.changes, fedChanges + 1) << "one repaint request per point, point " << i;
  }
  if constexpr (requires { fed.plot.reports; }) {
    if (checkReports) ExpectSameReports(fed.plot.reports, tracked.plot.reports);
  }
}

// FeedAgainstTrack over every tracking style, first-value alignment,
// compress limit and scale type.
template <class Plot>
void FeedAgainstTrackInEveryConfig(bool checkReports) {
  for (TiPlotTrackingStyle style : {iptsScaleMinMax, iptsScaleMax, iptsScaleMin, iptsScrollSmooth, iptsScrollPage})
    for (TiPlotTrackingAlignFirstStyle align : {ipafsMin, ipafsMax, ipafsAuto, ipafsNone})
      for (double compress : {0.0, 150.0})
        for (bool log10 : {false, true}) {
          SCOPED_TRACE(testing::Message() << "style " << int{style} << " align " << int{align} << " compress "
                                          << compress << " log " << log10);
          FeedAgainstTrack<Plot>({style, align, compress, log10}, checkReports);
        }
}

// Throws from the plot's min event of the axes of one kind.
class TFailingPlot : public TAxisPlot {
 public:
  void AxisMinChange(TiPlotAxis* axis, double o, double n) override {
    TAxisPlot::AxisMinChange(axis, o, n);
    if (failY && dynamic_cast<TiPlotYAxis*>(axis)) throw Exception("y handler failed");
    if (failX && dynamic_cast<TiPlotXAxis*>(axis)) throw Exception("x handler failed");
  }
  bool failX = false, failY = false;
};

// A chart that reports axis ranges to no one while it has no handlers.
class TDeafPlot : public TAxisPlot {
 public:
  bool AxisRangeHeard() const override { return false; }
};

// A channel that writes a log to a file of its own, counting the flushes of
// its buffer.
class TLoggingChannel : public TiPlotChannel {
 public:
  using TiPlotChannel::TiPlotChannel;
  ~TLoggingChannel() override { std::filesystem::remove(File()); }
  static TiPlotChannelCustom* Make(const TiPlotObjectHooks& hooks) { return new TLoggingChannel(hooks); }
  static std::string File() {
    return (std::filesystem::temp_directory_path() / ("feedlog-" + std::to_string(::getpid()))).string();
  }
  void StartLog(int32_t bufferSize) {
    SetLogBufferSize(bufferSize);
    SetLogFileName(File());
    StartLogging(false);
  }
  void EndLog() { StopLogging(); }
  int flushes = 0;

 protected:
  void FlushLog() override {
    ++flushes;
    TiPlotChannel::FlushLog();
  }
};

}  // namespace

TEST(ChannelAxisFeed, MovesTheRangesAsTrackingEachAxisDoesWithNoOneHearingEvents) {
  FeedAgainstTrackInEveryConfig<TTestPlot>(false);
}

// An owner that listens to nothing is told nothing, and its axes still move
// as they do with events heard or without an owner.
TEST(ChannelAxisFeed, AnOwnerDeafToRangesHearsNoStepAndTheRangesStillMove) {
  FeedAgainstTrackInEveryConfig<TDeafPlot>(false);
  TChartAxes<TDeafPlot> c(true);
  for (int i = 0; i <= 300; ++i) c.ch->AddXY(i, i % 37 - 18);
  EXPECT_EQ(c.x->Min(), 200);
  EXPECT_TRUE(c.plot.reports.empty());
}

TEST(ChannelAxisFeed, RaisesTheSameEventsAsTrackingEachAxis) {
  FeedAgainstTrackInEveryConfig<TAxisPlot>(true);
}

// A failing event handler must not swallow the repaint of an axis that had
// already moved: as many requests are made as tracking axis by axis makes.
TEST(ChannelAxisFeed, AFailingEventStillRequestsTheRepaintOfWhatMoved) {
  TChartAxes<TFailingPlot> c(true);
  for (int i = 0; i <= 100; ++i) c.ch->AddXY(i, 50);
  ASSERT_EQ(c.x->Min(), 0);

  c.plot.failX = true;
  int before = c.plot.changes;
  EXPECT_EQ(MessageOf([&] { c.ch->AddXY(130, 50); }), "x handler failed");
  EXPECT_EQ(c.x->Min(), 30);
  EXPECT_EQ(c.plot.changes, before + 1);

  c.plot.failX = false;
  c.plot.failY = true;
  before = c.plot.changes;
  EXPECT_EQ(MessageOf([&] { c.ch->AddXY(140, -70); }), "y handler failed");  // both axes move
  EXPECT_EQ(c.x->Min(), 40);
  EXPECT_EQ(c.y->Min(), -70);
  EXPECT_EQ(c.plot.changes, before + 2);

  // Afterwards the axes ask for their own repaints again.
  c.plot.failY = false;
  before = c.plot.changes;
  c.x->Track(150);
  EXPECT_EQ(c.plot.changes, before + 1);
  before = c.plot.changes;
  c.ch->AddXY(160, 0);
  EXPECT_EQ(c.plot.changes, before + 1);
}

// Both axes of a fed chart and of a tracked one scroll smoothly along rising
// values, so that the feed takes its short way; then `change` is made to all
// four and the values go on, rising, falling back and out of any range.
template <class Plot>
void FeedAgainstTrackAcrossAChange(const std::function<void(TiPlotAxis*)>& change) {
  TChartAxes<Plot> fed(true), tracked(false);
  const std::vector<TiPlotAxis*> axes = {fed.x, fed.y, tracked.x, tracked.y};
  for (TiPlotAxis* axis : axes) axis->SetTrackingStyle(iptsScrollSmooth);
  std::vector<double> values;
  for (int i = 0; i < 150; ++i) values.push_back(3.25 * i + 1);
  const size_t changeAt = values.size();
  for (double v : {500.0, 520.0, 610.0, 20.0, 700.0, -5.0, 3000.0, 3001.0, 1e299, 3002.0}) values.push_back(v);
  for (size_t i = 0; i < values.size(); ++i) {
    if (i == changeAt)
      for (TiPlotAxis* axis : axes) change(axis);
    fed.ch->AddXY(values[i], values[i] / 2);
    tracked.x->Track(values[i]);
    tracked.y->Track(values[i] / 2);
    ASSERT_EQ(fed.x->Min(), tracked.x->Min()) << "point " << i;
    ASSERT_EQ(fed.x->Span(), tracked.x->Span()) << "point " << i;
    ASSERT_EQ(fed.y->Min(), tracked.y->Min()) << "point " << i;
    ASSERT_EQ(fed.y->Span(), tracked.y->Span()) << "point " << i;
  }
  if constexpr (requires { fed.plot.reports; }) ExpectSameReports(fed.plot.reports, tracked.plot.reports);
}

// The feed keeps what it learnt of the settings between points; every change
// to them must count from the next point on, as it does for tracking, with
// the range events heard (the general path) or not (the short ways).
TEST(ChannelAxisFeed, SettingsChangedBetweenPointsCountFromTheNextPoint) {
  const std::vector<std::function<void(TiPlotAxis*)>> changes = {
      [](TiPlotAxis* a) { a->SetTrackingStyle(iptsScaleMinMax); },
      [](TiPlotAxis* a) { a->SetTrackingStyle(iptsScaleMax); },
      [](TiPlotAxis* a) { a->SetTrackingStyle(iptsScrollPage); },
      [](TiPlotAxis* a) { a->SetTrackingScrollCompressMax(150); },
      [](TiPlotAxis* a) { a->SetScaleType(ipstLog10); },
      [](TiPlotAxis* a) { a->SetTrackingEnabled(false); },
      [](TiPlotAxis* a) { a->ResetFirstPoint(); },
      [](TiPlotAxis* a) { a->SetFirstPointSeen(false); },
  };
  for (size_t i = 0; i < changes.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "change " << i);
    FeedAgainstTrackAcrossAChange<TTestPlot>(changes[i]);
    FeedAgainstTrackAcrossAChange<TAxisPlot>(changes[i]);
  }
}

// The same for the channel's side: its tracking flags, its axis names, an
// axis taken away and markers shown between points.
TEST(ChannelAxisFeed, TheChannelsOwnSettingsChangedBetweenPointsCountFromTheNextPoint) {
  TChartAxes<TTestPlot> c(true);
  c.x->SetTrackingStyle(iptsScrollSmooth);
  TiPlotXAxis* other = new TiPlotChartAxis<TiPlotXAxis>(c.plot.master->Hooks());
  other->Inserted();
  other->SetTrackingStyle(iptsScrollSmooth);
  ASSERT_NE(other->Name(), c.x->Name());
  int i = 0;
  auto feed = [&](int n) {
    for (const int end = i + n; i < end; ++i) c.ch->AddXY(i, 10);
  };
  feed(150);
  EXPECT_EQ(c.x->Max(), 149);

  c.ch->SetXAxisTrackingEnabled(false);
  feed(10);
  EXPECT_EQ(c.x->Max(), 149);
  c.ch->SetXAxisTrackingEnabled(true);
  feed(1);
  EXPECT_EQ(c.x->Max(), 160);

  const std::string first = c.x->Name();
  c.ch->SetXAxisName(other->Name());
  feed(200);
  EXPECT_EQ(c.x->Max(), 160);
  EXPECT_EQ(other->Max(), 360);
  c.ch->SetXAxisName(first);
  feed(1);
  EXPECT_EQ(c.x->Max(), 361);
  EXPECT_EQ(other->Max(), 360);

  c.ch->SetYAxisTrackingEnabled(false);
  c.ch->AddXY(i++, 500);
  EXPECT_EQ(c.y->Max(), 100);
  c.ch->SetYAxisTrackingEnabled(true);
  c.ch->AddXY(i++, 500);
  EXPECT_EQ(c.y->Max(), 500);

  // Markers widen the values by their size in pixels: the y axis then
  // reaches past the value itself.
  TBitmap bitmap{100, 300};
  PlaceVertical(c.y, &bitmap.Canvas());
  ASSERT_GT(c.y->PixelLength(), 0);
  c.ch->SetMarkersVisible(true);
  c.ch->SetMarkersSize(5);
  c.ch->AddXY(i++, 700);
  EXPECT_GT(c.y->Max(), 700);
  c.ch->SetMarkersVisible(false);
  c.ch->AddXY(i++, 9000);
  EXPECT_EQ(c.y->Max(), 9000);

  // The same markers set on the channel's list itself, as the legend and
  // the per-point tools reach it: the feed still sees them.
  c.ch->AddXY(i++, 9000);
  c.ch->DataList().MarkersVisible = true;
  c.ch->AddXY(i++, 9500);
  EXPECT_GT(c.y->Max(), 9500);
  c.ch->DataList().MarkersVisible = false;
  // Set through the reflection, as files and the editor do.
  ASSERT_TRUE(WithProperty(Reflect(*c.ch), "MarkersVisible", true,
                           [](TObjectRef holder, const TPropInfo& p) { p.SetOrdinal(holder.Object, 1); }));
  c.ch->AddXY(i++, 12000);
  EXPECT_GT(c.y->Max(), 12000);
  c.ch->SetMarkersVisible(false);

  // The bound x axis goes away: the points still go in, and the x axis
  // made later under the same name is found and fed.
  c.plot.master->XAxisManager()->Delete(0);
  feed(5);
  EXPECT_EQ(other->Max(), 360);
  EXPECT_EQ(c.ch->Count(), i);
  other->SetName(first);
  feed(1);
  EXPECT_EQ(other->Max(), i - 1);
}


// Logging takes AddXY off its short way while it lasts: every point reaches
// the log, the axes still track, and one repaint is asked for per point.
TEST(ChannelAxisFeed, ALogStartedBetweenPointsGetsEveryPointAndTheAxesStillTrack) {
  TChartAxes<TTestPlot> c(false);
  c.plot.master->SetChannelClass(TLoggingChannel::Make);
  c.plot.master->AddChannel();
  auto* ch = static_cast<TLoggingChannel*>(c.plot.master->ChannelManager()->Channel(0));
  c.x->SetTrackingStyle(iptsScrollSmooth);
  c.y->SetTrackingStyle(iptsScaleMinMax);
  int i = 0;
  for (; i < 200; ++i) ch->AddXY(i, 10);  // the short way is taken by now
  ch->StartLog(4);
  const int before = c.plot.changes;
  for (; i < 210; ++i) ch->AddXY(i, 10);
  EXPECT_EQ(ch->flushes, 2);  // after 4 and 8 points
  EXPECT_EQ(c.x->Max(), 209);
  EXPECT_EQ(c.plot.changes, before + 10);
  ch->AddXY(i++, 500);
  EXPECT_EQ(c.y->Max(), 500);
  ch->EndLog();  // flushes the three waiting points
  EXPECT_EQ(ch->flushes, 3);
  for (; i < 220; ++i) ch->AddXY(i, 10);
  EXPECT_EQ(ch->flushes, 3);
  EXPECT_EQ(c.x->Max(), 219);
}

// The point is stored even when an axis event fails, so it is logged too.
TEST(ChannelAxisFeed, APointWhoseAxisEventFailsStillReachesTheLog) {
  TChartAxes<TFailingPlot> c(true);
  for (int i = 0; i <= 100; ++i) c.ch->AddXY(i, 50);
  const std::string file = TLoggingChannel::File();
  c.ch->SetLogFileName(file);
  c.ch->StartLogging(false);
  c.plot.failX = true;
  EXPECT_EQ(MessageOf([&] { c.ch->AddXY(130, 50); }), "x handler failed");
  c.plot.failX = false;
  c.ch->StopLogging();
  EXPECT_EQ(platform::ReadWholeFile(file), "130\t50\r\n");
  std::filesystem::remove(file);
}
