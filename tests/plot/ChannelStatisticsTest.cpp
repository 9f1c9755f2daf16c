// The running statistics: extremes bit for bit as one value at a time gives
// them (the sign of a zero minimum, NaN where one value leaves one), means
// close to the exact mean even where a plain double sum loses everything.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "plot/iChannelStatistics.h"

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// One value at a time, as the statistics define it: a larger value is the
// new maximum; a value not at least the minimum (so a NaN too) the new
// minimum.
struct TOneByOne {
  double Min = TiPlotChannelStatistics::NoMin, Max = TiPlotChannelStatistics::NoMax;
  void Join(double v) {
    if (v > Max) Max = v;
    if (!(v >= Min)) Min = v;
  }
};

// Feeds `xs` and `ys` point by point and compares every extreme after each.
void ExpectExtremesOneByOne(const std::vector<double>& xs, const std::vector<double>& ys) {
  TiPlotChannelStatistics s;
  TOneByOne x, y;
  for (size_t i = 0; i < xs.size(); ++i) {
    s.Add(xs[i], ys[i]);
    x.Join(xs[i]);
    y.Join(ys[i]);
    ASSERT_TRUE(SameBits(s.XMin(), x.Min)) << i << ": " << s.XMin() << " " << x.Min;
    ASSERT_TRUE(SameBits(s.XMax(), x.Max)) << i << ": " << s.XMax() << " " << x.Max;
    ASSERT_TRUE(SameBits(s.YMin(), y.Min)) << i << ": " << s.YMin() << " " << y.Min;
    ASSERT_TRUE(SameBits(s.YMax(), y.Max)) << i << ": " << s.YMax() << " " << y.Max;
    ASSERT_EQ(s.Count(), static_cast<int64_t>(i + 1));
  }
}

}  // namespace

// Within a few units in the last place of the exact mean.
void ExpectNearlyExact(double mean, double exact, int n) {
  const double ulp = std::nextafter(std::fabs(exact), HUGE_VAL) - std::fabs(exact);
  ASSERT_LE(std::fabs(mean - exact), 4 * ulp) << n << ": " << mean << " vs " << exact;
}

TEST(ChannelStatistics, MeansStayExactWhereAPlainSumLosesTheSmallValues) {
  // 2^53 then ones: a plain double sum never moves from 2^53.
  TiPlotChannelStatistics s;
  s.Add(9007199254740992.0, -9007199254740992.0);
  for (int n = 1; n <= 2000; ++n) {
    s.Add(1, -1);
    if (n % 2 == 0) {  // the exact numerator is a double
      ExpectNearlyExact(s.XMean(), (9007199254740992.0 + n) / (n + 1), n);
      ExpectNearlyExact(s.YMean(), -(9007199254740992.0 + n) / (n + 1), n);
    }
  }
  // Large values that cancel, with small integers between: the exact sum is
  // the sum of the integers.
  TiPlotChannelStatistics t;
  std::mt19937_64 random(11);
  double smalls = 0;
  for (int n = 1; n <= 3000; ++n) {
    const double big = std::ldexp(static_cast<double>(random() >> 11), 10);  // about 1e19
    const double k = static_cast<double>(random() % 1000);
    t.Add(big, 0);
    t.Add(k, 0);
    t.Add(-big, 0);
    smalls += k;
    ExpectNearlyExact(t.XMean(), smalls / (3.0 * n), n);
  }
  const TiPlotChannelStatistics copy = t;
  EXPECT_EQ(copy.XMean(), t.XMean());
  t.Reset();
  EXPECT_EQ(t.XMean(), 0);
  t.Add(3, 4);
  EXPECT_EQ(t.XMean(), 3);
  EXPECT_EQ(t.YMean(), 4);
  EXPECT_EQ(t.Count(), 1);
  t.Add(HUGE_VAL, 4);
  EXPECT_EQ(t.XMean(), HUGE_VAL);
}

TEST(ChannelStatistics, ExtremesAreThoseOfOneValueAtATime) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  // Whole batches of plain values, rising and falling across batches.
  std::vector<double> xs, ys;
  for (int i = 0; i < 80; ++i) {
    xs.push_back(i);
    ys.push_back(std::sin(i * 0.3) * 50 - i);
  }
  ExpectExtremesOneByOne(xs, ys);

  // Zeros of both signs tying for an extreme, inside a batch, across its
  // even and odd values, and against the figure before it; a NaN, which the
  // minimum takes and the next value replaces; infinities.
  const std::vector<double> pool = {0.0, -0.0, 1.0, -1.0, 2.5, nan, inf, -inf, 1e300, -1e300, 3.0, 3.0};
  std::mt19937 random(7);
  for (int trial = 0; trial < 200; ++trial) {
    const int n = 1 + static_cast<int>(random() % 70);
    xs.assign(static_cast<size_t>(n), 0);
    ys.assign(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
      // Some runs hold only zeros and values on one side of them, so that
      // whole batches have a zero minimum (x) or maximum (y); some only
      // plain numbers; the rest anything.
      switch (trial % 3) {
        case 0:
          xs[i] = pool[random() % 3];
          ys[i] = random() % 3 == 2 ? -1.0 : pool[random() % 2];
          break;
        case 1:
          xs[i] = pool[2 + random() % 3];
          ys[i] = pool[2 + random() % 3];
          break;
        default:
          xs[i] = pool[random() % pool.size()];
          ys[i] = pool[random() % pool.size()];
      }
    }
    SCOPED_TRACE(trial);
    ExpectExtremesOneByOne(xs, ys);
  }
}

TEST(ChannelStatistics, ANaNStillCounts) {
  TiPlotChannelStatistics s;
  for (int i = 0; i < 32; ++i) s.Add(i == 20 ? std::nan("") : 1.0, 2.0);
  EXPECT_TRUE(std::isnan(s.XMean()));
  EXPECT_EQ(s.YMean(), 2.0);
  EXPECT_EQ(s.Count(), 32);
  // The minimum took the NaN and the next value replaced it.
  EXPECT_EQ(s.XMin(), 1.0);
  EXPECT_EQ(s.XMax(), 1.0);
}
