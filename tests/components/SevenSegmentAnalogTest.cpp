#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <tuple>
#include <string>

#include "SevenSegmentPicture.h"
#include "components/iPropertyLines.h"
#include "components/iSevenSegmentAnalog.h"
#include "components/iSevenSegmentAnalogLayout.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"
#include "platform/Locale.h"

using namespace segment_picture;

namespace {
// The main window's distance display: 119 x 43, four digits, no decimals, a
// sign cell, blanks on the left, margin 5, spacing 6, lime on black.
class MainDisplay : public ::testing::Test {
 protected:
  MainDisplay() {
    d.SetSegmentColor(clLime);
    d.SetPrecision(0);
    d.SetBounds(0, 0, 119, 43);
  }

  TBitmap Draw() {
    TBitmap b(d.Width(), d.Height());
    d.PaintTo(b.Canvas());
    return b;
  }
  // The five cells: 17 wide, 23 apart, from x = 5, 33 high from y = 5.
  std::string Shown(double value) {
    d.SetValue(value);
    TBitmap b = Draw();
    return ReadRow(b, 5, 5, 17, 33, 23, 5, colors);
  }

  TiSevenSegmentAnalog d;
  TColors colors;
};

struct TSeparatorScope {
  explicit TSeparatorScope(char c) : saved(platform::FormatSettings().DecimalSeparator) {
    platform::FormatSettings().DecimalSeparator = c;
  }
  ~TSeparatorScope() { platform::FormatSettings().DecimalSeparator = saved; }
  char saved;
};
}  // namespace

TEST_F(MainDisplay, CellsAre17PixelsWideFromX5) {
  TAnalogSettings s;
  s.Width = 119;
  s.Height = 43;
  s.Precision = 0;
  const TAnalogLayout layout = LayOutAnalog(1234, s);
  EXPECT_EQ(layout.CellWidth, 17);
  EXPECT_EQ(layout.CellHeight, 33);
  EXPECT_EQ(layout.Top, 5);
  ASSERT_EQ(layout.Cells.size(), 5u);
  EXPECT_EQ(layout.Cells[0].X, 5);
  EXPECT_EQ(layout.Cells[4].X, 97);
}

TEST_F(MainDisplay, SignAndDigits) {
  EXPECT_EQ(Shown(1234), "+1234");
  TBitmap b = Draw();
  EXPECT_EQ(Classify(b, 5 + 8, 5 + 25, colors), stUnlit) << "the sign cell's minus is unlit";
  EXPECT_EQ(Shown(-5), "-   5") << "blank cells show their unlit segments";
  b = Draw();
  EXPECT_EQ(Classify(b, 5 + 8, 5 + 8, colors), stUnlit) << "the sign cell's plus is unlit";
  EXPECT_EQ(Shown(0), "+   0");
  EXPECT_EQ(Shown(-0.4), "-   0") << "the sign follows the value, the digits the rounded text";
  EXPECT_EQ(Shown(9999), "+9999");
}

TEST_F(MainDisplay, ValuesThatDoNotFitShowArrows) {
  EXPECT_EQ(Shown(12345), "+^^^^");
  EXPECT_EQ(Shown(-12345), "-vvvv");
  EXPECT_EQ(Shown(9999.6), "+^^^^") << "rounds up to five digits";
  EXPECT_EQ(Shown(-std::numeric_limits<double>::infinity()), "-vvvv");
  EXPECT_EQ(Shown(-1e300), "-vvvv");
}

TEST_F(MainDisplay, ValuesAboveTheCapAreHeldAt1e15) {
  d.SetValue(1e20);
  EXPECT_EQ(d.Value(), 1e15);
  EXPECT_EQ(Shown(1e20), "+^^^^");
  d.SetValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(d.Value(), 1e15);
  d.SetValue(-1e20);
  EXPECT_EQ(d.Value(), -1e20) << "no lower limit";
}

TEST_F(MainDisplay, OneDecimalPutsThePointInTheGap) {
  d.SetPrecision(1);
  d.SetBounds(0, 0, 119, 43);
  EXPECT_EQ(Shown(123.4), "+1234");
  TBitmap b = Draw();
  // The point's cell: 3 wide at 97 - round(1.7 + 3) = 92, its rectangle at
  // the bottom of the cell.
  EXPECT_EQ(Classify(b, 93, 37, colors), stLit);
  EXPECT_EQ(Classify(b, 91, 37, colors), stBack);
  EXPECT_EQ(Classify(b, 95, 37, colors), stBack);
  EXPECT_EQ(Classify(b, 94, 32, colors), stBack) << "a point, not a comma";
  EXPECT_EQ(Shown(1234.5), "+^^^^");
  EXPECT_EQ(Shown(-0.3), "-  03");
}

TEST_F(MainDisplay, ACommaSeparatorDrawsAComma) {
  TSeparatorScope comma(',');
  d.SetPrecision(1);
  d.SetBounds(0, 0, 119, 43);
  EXPECT_EQ(Shown(123.4), "+1234");
  TBitmap b = Draw();
  EXPECT_EQ(Classify(b, 94, 32, colors), stLit) << "the comma's tail";
  EXPECT_EQ(Classify(b, 93, 37, colors), stBack) << "no point";
}

TEST_F(MainDisplay, LeadingStyles) {
  d.SetLeadingStyle(ilsZeros);
  EXPECT_EQ(Shown(7), "+0007");
  d.SetLeadingStyle(ilsNone);
  EXPECT_EQ(Shown(5), "+5###") << "unused cells stay background";
  d.SetLeadingStyle(ilsSpaces);
  d.SetShowOffSegments(false);
  EXPECT_EQ(Shown(-5), "-###5");
}

TEST_F(MainDisplay, WithoutSignNegativeValuesShowTheirDigits) {
  d.SetShowSign(false);
  d.SetBounds(0, 0, 119, 43);
  // Four cells: (119 - 10 - 18) / 4 = 22 wide, from (119 + 6 - 4 * 28) / 2 = 6.
  d.SetValue(-3);
  TBitmap b = Draw();
  EXPECT_EQ(ReadRow(b, 6, 5, 22, 33, 28, 4, colors), "   3");
  d.SetValue(-30000);
  b = Draw();
  EXPECT_EQ(ReadRow(b, 6, 5, 22, 33, 28, 4, colors), "vvvv");
}

TEST_F(MainDisplay, NotANumberShowsLinesAndIsOneChange) {
  int changes = 0;
  d.OnValueChange = [&](TiSevenSegmentDisplay*) { ++changes; };
  d.SetValue(std::nan(""));
  d.SetValue(std::nan(""));
  EXPECT_EQ(changes, 1);
  TBitmap b = Draw();
  for (int cell = 0; cell < 5; ++cell) {
    EXPECT_EQ(Classify(b, 5 + cell * 23 + 8, 5 + 16, colors), stLit) << "cell " << cell;
    EXPECT_EQ(Classify(b, 5 + cell * 23 + 8, 5 + 1, colors), stBack) << "cell " << cell;
  }
}

TEST_F(MainDisplay, PowerOffDrawsEverythingUnlit) {
  d.SetPowerOff(true);
  d.SetValue(88);
  TBitmap b = Draw();
  for (int cell = 3; cell < 5; ++cell) {
    int unlit = 0;
    EXPECT_EQ(LitSegments(b, 5 + cell * 23, 5, 17, 33, 0, 1, colors, &unlit), 0);
    EXPECT_EQ(unlit, 0x7F);
  }
  EXPECT_EQ(Classify(b, 5 + 8, 5 + 8, colors), stUnlit) << "the plus, too";
}

TEST_F(MainDisplay, TinyOrOddGeometryStillPaints) {
  for (auto [w, h, spacing, digits] : {std::tuple{1, 1, 6, 4}, {0, 0, 6, 4}, {20, 10, -30, 32}, {119, 43, 200, 1},
                                     {119, 43, std::numeric_limits<int>::max(), 32},
                                     {119, 43, std::numeric_limits<int>::min(), 32}}) {
    d.SetAutoSize(false);
    d.SetDigitSpacing(spacing);
    d.SetDigitCount(digits);
    d.SetBounds(0, 0, w, h);
    d.SetPrecision(13);
    d.SetValue(-123.456);
    TBitmap b(std::max(1, w), std::max(1, h));
    d.PaintTo(b.Canvas());
  }
}

TEST(SevenSegmentAnalog, Defaults) {
  TiSevenSegmentAnalog d;
  EXPECT_EQ(d.Value(), 0);
  EXPECT_EQ(d.Precision(), 2);
  EXPECT_TRUE(d.ShowSign());
  EXPECT_EQ(d.DigitCount(), 4);
  EXPECT_EQ(d.LeadingStyle(), ilsSpaces);
  EXPECT_EQ(d.DigitSpacing(), 6);
  EXPECT_EQ(d.SegmentMargin(), 5);
  EXPECT_EQ(d.SegmentColor(), clWhite);
  EXPECT_EQ(d.SegmentOffColor(), clGray);
  EXPECT_EQ(d.BackGroundColor(), clBlack);
  EXPECT_EQ(d.BorderStyle(), ibsNone);
  EXPECT_TRUE(d.AutoSize());
  // Five cells of 10 + 6, the margins, less one spacing; 18 + 2 x 5 high.
  EXPECT_EQ(d.Width(), 84);
  EXPECT_EQ(d.Height(), 28);
}

TEST(SevenSegmentAnalog, SettersClampTheirValues) {
  TiSevenSegmentAnalog d;
  d.SetPrecision(20);
  EXPECT_EQ(d.Precision(), 13);
  d.SetPrecision(-1);
  EXPECT_EQ(d.Precision(), 0);
  d.SetDigitCount(0);
  EXPECT_EQ(d.DigitCount(), 1);
  d.SetDigitCount(40);
  EXPECT_EQ(d.DigitCount(), 32);
  d.SetSegmentSize(500);
  EXPECT_EQ(d.SegmentSize(), 100);
  d.SetSegmentSize(0);
  EXPECT_EQ(d.SegmentSize(), 1);
  d.SetSegmentMargin(-1);
  EXPECT_EQ(d.SegmentMargin(), 0);
  d.SetSegmentSeperation(-2);
  EXPECT_EQ(d.SegmentSeperation(), 0);
  d.SetDigitSpacing(-4);
  EXPECT_EQ(d.DigitSpacing(), -4) << "spacing has no limit";
}

TEST(SevenSegmentAnalog, AutoSizeRunsOnlyForTheResizeProperties) {
  TiSevenSegmentAnalog d;
  int resized = 0;
  d.OnAutoSize = [&](TiSevenSegmentDisplay*) { ++resized; };
  d.SetBounds(3, 4, 119, 43);
  d.SetValue(5);
  d.SetSegmentColor(clRed);
  d.SetLeadingStyle(ilsZeros);
  d.SetSegmentSeperation(2);
  EXPECT_EQ(d.Width(), 119) << "a given size stays until a resize property changes";
  EXPECT_EQ(resized, 0);
  d.SetDigitCount(6);
  EXPECT_EQ(d.Width(), 16 * 7 + 10 - 6);
  d.SetShowSign(false);
  EXPECT_EQ(d.Width(), 16 * 6 + 4);
  d.SetSegmentSize(2);
  EXPECT_EQ(d.Width(), 26 * 6 + 4);
  EXPECT_EQ(d.Height(), 46);
  EXPECT_EQ(d.Left(), 3) << "auto-size keeps the position";
  EXPECT_EQ(resized, 3);
  d.SetLoading(true);
  d.SetPrecision(0);
  EXPECT_EQ(resized, 3) << "no auto-size while loading";
}

TEST(SevenSegmentAnalog, ValueChangeEventsAndBindingHooks) {
  TiSevenSegmentAnalog d;
  std::vector<std::string> told;
  bool allow = true;
  d.OnBeforeChange = [&](TiComponent*, const std::string& name, bool& a) {
    told.push_back("before " + name);
    a = allow;
  };
  d.OnAfterChange = [&](TiComponent*, const std::string& name) { told.push_back("after " + name); };
  d.OnValueChange = [&](TiSevenSegmentDisplay*) { told.push_back("changed"); };
  d.SetValue(12.5);
  d.SetValue(12.5);
  EXPECT_EQ(told, (std::vector<std::string>{"before Value", "after Value", "changed"})) << "once for the same value";
  allow = false;
  d.SetValue(13);
  EXPECT_EQ(d.Value(), 12.5) << "refused";
  d.SetValue(2e15);
  d.SetValue(3e15);
  allow = true;
  d.SetValue(1e20);
  d.SetValue(2e20);
  EXPECT_EQ(told.size(), 3u + 3u + 3u) << "refusals ask only; values held at the cap change once";
}

TEST(SevenSegmentAnalog, PropertyFileRoundTrip) {
  const std::string file = (std::filesystem::path(::testing::TempDir()) / ("segment-analog-" + std::to_string(getpid()) + ".txt")).string();
  TiSevenSegmentAnalog a;
  a.SetValue(-123.25);
  a.SetPrecision(1);
  a.SetDigitCount(6);
  a.SetLeadingStyle(ilsZeros);
  a.SetSegmentColor(clYellow);
  a.SetBorderStyle(ibsLowered);
  a.SetShowSign(false);
  a.SavePropertiesToFile(file);
  const std::string text = platform::ReadWholeFile(file);
  EXPECT_EQ(text.rfind("File Type = TiSevenSegmentAnalog\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\nValue = -123.25\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nLeadingStyle = 1\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Width"), std::string::npos);

  TiSevenSegmentAnalog b;
  b.LoadPropertiesFromFile(file);
  EXPECT_EQ(b.Value(), -123.25);
  EXPECT_EQ(b.Precision(), 1);
  EXPECT_EQ(b.DigitCount(), 6);
  EXPECT_EQ(b.LeadingStyle(), ilsZeros);
  EXPECT_EQ(b.SegmentColor(), clYellow);
  EXPECT_EQ(b.BorderStyle(), ibsLowered);
  EXPECT_FALSE(b.ShowSign());
  EXPECT_EQ(b.Width(), a.Width());

  platform::WriteFileAtomically(file, "File Type = TiSevenSegmentAnalog\r\nsegmentcolor = 255\r\nvalue = 7,5\r\n");
  b.LoadPropertiesFromFile(file);
  EXPECT_EQ(b.SegmentColor(), 255);
  EXPECT_EQ(b.Value(), 7.5);

  platform::WriteFileAtomically(file, "File Type = TiSevenSegmentAnalog\r\nLeadingStyle = 3\r\n");
  EXPECT_THROW(b.LoadPropertiesFromFile(file), Exception);
  EXPECT_EQ(b.LeadingStyle(), ilsZeros) << "an ordinal outside the enumeration changes nothing";
  std::filesystem::remove(file);
}
