#include <gtest/gtest.h>

#include <cmath>

#include "components/iFont.h"
#include "components/iPropertyLines.h"
#include "components/iReflection.h"
#include "platform/Locale.h"

namespace {

enum TShade : uint8_t { shLight, shMedium, shDark };
const std::vector<std::string>& EnumValueNames(TShade) {
  static const std::vector<std::string> names{"shLight", "shMedium", "shDark"};
  return names;
}

// A small family of classes registered the way components register theirs.
class TSettings : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }
  int count_ = 3;
};

class TSample : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  std::string Name;
  int Size = 1;
  int8_t Small = 0;
  TColor Color = clRed;
  TShade Shade = shLight;
  uint8_t Flags = 0;
  bool On = false;
  char Letter = 'a';
  double Ratio = 0.5;
  std::string Caption = "x";
  int Version() const { return 7; }
  TSettings Settings;
  TSettings* Missing = nullptr;

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& f) {
    if (f == font_) return;
    font_ = f;
    ++fontChanges;
  }
  int fontChanges = 0;
  TFont font_;
};

class TDerived : public TSample {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
  double Extra = 2;
};

const TClassInfo& TSettings::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSettings>("TSettings").Integer("Count", &TSettings::Count, &TSettings::SetCount).Build();
  return info;
}

template <auto Member>
auto Get() {
  return [](const auto& o) { return o.*Member; };
}
template <auto Member>
auto Put() {
  return [](auto& o, auto v) { o.*Member = v; };
}

const TClassInfo& TSample::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSample>("TSample")
          .String("Name", Get<&TSample::Name>(), [](TSample& o, const std::string& v) { o.Name = v; })
          .Integer("Size", Get<&TSample::Size>(), Put<&TSample::Size>())
          .Integer("Small", Get<&TSample::Small>(), Put<&TSample::Small>())
          .Color("Color", Get<&TSample::Color>(), Put<&TSample::Color>())
          .Enum("Shade", Get<&TSample::Shade>(), Put<&TSample::Shade>())
          .Set("Flags", Get<&TSample::Flags>(), Put<&TSample::Flags>(), {"fA", "fB", "fC"})
          .Bool("On", Get<&TSample::On>(), Put<&TSample::On>())
          .Char("Letter", Get<&TSample::Letter>(), Put<&TSample::Letter>())
          .Float("Ratio", Get<&TSample::Ratio>(), Put<&TSample::Ratio>())
          .String("Caption", Get<&TSample::Caption>(), [](TSample& o, const std::string& v) { o.Caption = v; })
          .Integer("Version", &TSample::Version)
          .Object("Settings", [](TSample& o) -> TSettings& { return o.Settings; }, TSettings::StaticClass())
          .Object("Missing", [](TSample& o) { return o.Missing; }, TSettings::StaticClass())
          .Value("Font", &TSample::Font, &TSample::SetFont, FontClassInfo())
          .Build();
  return info;
}

const TClassInfo& TDerived::StaticClass() {
  static const TClassInfo info = TClassBuilder<TDerived>("TDerived")
                                     .Inherits<TSample>()
                                     .Float("Extra", Get<&TDerived::Extra>(), Put<&TDerived::Extra>())
                                     .NotStored()
                                     .Build();
  return info;
}

struct SeparatorGuard {
  explicit SeparatorGuard(char sep) : saved(platform::FormatSettings()) {
    platform::FormatSettings().DecimalSeparator = sep;
  }
  ~SeparatorGuard() { platform::FormatSettings() = saved; }
  platform::TFormatSettings saved;
};

bool SetText(TPersistent& o, const std::string& path, const std::string& text) {
  return WithProperty(Reflect(o), path, true,
                      [&](TObjectRef holder, const TPropInfo& p) { SetPropertyValueText(holder, p, text); });
}

}  // namespace

TEST(Reflection, ListsAncestorsFirstAndFindsNamesInAnyCase) {
  const auto& props = TDerived::StaticClass().Properties();
  EXPECT_EQ(props.front().Name, "Name");
  EXPECT_EQ(props.back().Name, "Extra");
  EXPECT_EQ(TDerived::StaticClass().Find("sHaDe")->Name, "Shade");
  EXPECT_EQ(TDerived::StaticClass().Find("Shad"), nullptr);
  EXPECT_TRUE(TDerived::StaticClass().InheritsFrom(TSample::StaticClass()));
  EXPECT_FALSE(TSample::StaticClass().InheritsFrom(TDerived::StaticClass()));
}

TEST(Reflection, ABaseReferenceReachesTheDerivedObject) {
  TDerived d;
  TPersistent& base = d;
  EXPECT_EQ(base.ClassName(), "TDerived");
  EXPECT_TRUE(SetText(base, "extra", "4.5"));
  EXPECT_TRUE(SetText(base, "size", "12"));
  EXPECT_EQ(d.Extra, 4.5);
  EXPECT_EQ(d.Size, 12);
}

TEST(Reflection, DottedPathsWriteValueSubObjectsBackThroughTheSetter) {
  TSample s;
  EXPECT_TRUE(SetText(s, "Font.Color", "255"));
  EXPECT_EQ(s.Font().Color, clRed);
  EXPECT_EQ(s.fontChanges, 1);
  EXPECT_TRUE(SetText(s, "settings.count", "9"));
  EXPECT_EQ(s.Settings.Count(), 9);
  EXPECT_FALSE(SetText(s, "Missing.Count", "1"));
  EXPECT_FALSE(SetText(s, "Font.Nope", "1"));
  EXPECT_FALSE(SetText(s, "Size.Deeper", "1"));
}

TEST(Reflection, WritesOutOfRangeAreRefusedAndChangeNothing) {
  TSample s;
  for (const auto& [path, text] : std::vector<std::pair<std::string, std::string>>{
           {"Shade", "3"}, {"Shade", "-1"}, {"Flags", "8"}, {"On", "2"}, {"Letter", "256"},
           {"Small", "128"}, {"Size", "4294967296"}, {"Size", "12abc"}, {"Ratio", "1..2"}, {"Size", ""}}) {
    EXPECT_THROW(SetText(s, path, text), EConvertError) << path << " = " << text;
  }
  EXPECT_EQ(s.Shade, shLight);
  EXPECT_EQ(s.Flags, 0);
  EXPECT_FALSE(s.On);
  EXPECT_EQ(s.Size, 1);
  EXPECT_TRUE(SetText(s, "Letter", "233"));
  EXPECT_EQ(static_cast<unsigned char>(s.Letter), 233);
}

TEST(Reflection, AssignCopiesEverythingWritableIncludingSubObjects) {
  TDerived from;
  from.Size = 5;
  from.Caption = "copied";
  from.Settings.SetCount(11);
  TFont f;
  f.Name = "Courier";
  from.SetFont(f);
  TSample to;
  AssignProperties(Reflect(to), Reflect(from));
  EXPECT_EQ(to.Size, 5);
  EXPECT_EQ(to.Caption, "copied");
  EXPECT_EQ(to.Settings.Count(), 11);
  EXPECT_EQ(to.Font().Name, "Courier");
  TDerived other;
  EXPECT_THROW(AssignProperties(Reflect(other), Reflect(to)), EConvertError);
}

TEST(PropertyLines, SaveWritesStoredWritablePropertiesInOrder) {
  TDerived d;
  d.Name = "Sample1";
  d.Color = clBtnFace;
  d.Flags = 5;
  d.On = true;
  TStringList lines;
  SaveObjectProperties(Reflect(d), "", lines, {"NAME", "font.height"});
  const TStringList expected = {"Size = 1",         "Small = 0",       "Color = -16777201",
                                "Shade = 0",        "Flags = 5",       "On = 1",
                                "Letter = 97",      "Ratio = 0.5",     "Caption = x",
                                "Settings.Count = 3", "Font.Name = Arial", "Font.Color = -16777208",
                                "Font.Style = 0"};
  EXPECT_EQ(lines, expected);  // no Version (read-only), Extra (not stored), Missing (none)
}

TEST(PropertyLines, PrefixesAndExclusionsOfWholeSubObjects) {
  TSample s;
  TStringList lines;
  SaveObjectProperties(Reflect(s), "Channel0", lines, {"Channel0.Font"});
  EXPECT_EQ(lines.front(), "Channel0.Name = ");
  for (const auto& line : lines) EXPECT_EQ(line.find("Font"), std::string::npos) << line;
}

TEST(PropertyLines, LongLinesAreCutWithoutSplittingACharacter) {
  TSample s;
  s.Caption = std::string(240, 'a') + "\xE4\xB8\xAD\xE6\x96\x87\xE4\xB8\xAD\xE6\x96\x87";  // 240 + 4 CJK
  s.Name = "two\r\nlines";
  TStringList lines;
  SaveObjectProperties(Reflect(s), "", lines, {});
  EXPECT_EQ(lines[0], "Name = two  lines");
  const std::string caption = lines[9];
  EXPECT_EQ(caption.size(), 253u);  // "Caption = " + 240 + 1 whole character; a second would pass 255
  EXPECT_EQ(caption.substr(caption.size() - 3), "\xE4\xB8\xAD");
}

TEST(PropertyLines, LoadFindsNamesInAnyCaseAndConsumesTheFirstMatch) {
  TSample s;
  TStringList lines = {"File Type = TSample", "size=44", "SIZE = 55", "  font.COLOR   =   255  ",
                       "caption =  padded  "};
  LoadObjectProperties(Reflect(s), "", lines);
  EXPECT_EQ(s.Size, 44);
  EXPECT_EQ(s.Font().Color, clRed);
  EXPECT_EQ(s.Caption, "padded");
  EXPECT_EQ(lines, (TStringList{"File Type = TSample", "SIZE = 55"}));
  EXPECT_EQ(UnusedPropertyLine(Reflect(s), lines, "File Type"), "Property \"SIZE\" is given more than once");
  lines.push_back("Colour = 1");
  lines.erase(lines.begin() + 1);
  EXPECT_EQ(UnusedPropertyLine(Reflect(s), lines, "File Type"), "Unknown property \"Colour\"");
}

TEST(PropertyLines, FloatsLoadWithEitherSeparator) {
  {
    SeparatorGuard dot('.');
    TSample s;
    TStringList lines = {"Ratio = 2,25"};
    LoadObjectProperties(Reflect(s), "", lines);
    EXPECT_EQ(s.Ratio, 2.25);
  }
  SeparatorGuard comma(',');
  TSample s;
  TStringList lines = {"Ratio = 0.125"};
  LoadObjectProperties(Reflect(s), "", lines);
  EXPECT_EQ(s.Ratio, 0.125);
  EXPECT_EQ(FloatToStr(1.5), "1,5");
}

TEST(PropertyLines, ABadValueNamesItsPathAndKeepsWhatCameBefore) {
  TSample s;
  TStringList lines = {"Size = 8", "Shade = 9", "Caption = after"};
  try {
    LoadObjectProperties(Reflect(s), "", lines);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "Shade: '9' is out of range for Shade");
  }
  EXPECT_EQ(s.Size, 8);
  EXPECT_EQ(s.Caption, "x");
}

TEST(PropertyLines, FloatTextIsShortestGeneralAndReadsBack) {
  SeparatorGuard dot('.');
  EXPECT_EQ(FloatToStr(0.1), "0.1");
  EXPECT_EQ(FloatToStr(100), "100");
  EXPECT_EQ(FloatToStr(-2.5), "-2.5");
  EXPECT_EQ(FloatToStr(1e20), "1E20");
  EXPECT_EQ(FloatToStr(1.5e-7), "1.5E-7");
  EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
  for (double v : {0.1, 1e20, 1.5e-7, -123456.789, 1e300, 5e-324})
    EXPECT_DOUBLE_EQ(PropertyTextToFloat(FloatToStr(v)), v);
  EXPECT_TRUE(std::isnan(PropertyTextToFloat(FloatToStr(std::nan("")))));
  EXPECT_EQ(PropertyTextToFloat(FloatToStr(-HUGE_VAL)), -HUGE_VAL);
}

TEST(PropertyText, SplitsLinesAndStopsAtTheFirstBadOne) {
  auto good = SplitPropertyText("A = 1\r\n\r\n  \r\nB=2\n");
  EXPECT_EQ(good.Lines, (TStringList{"A = 1", "B=2"}));
  EXPECT_EQ(good.Error, "");

  auto noEquals = SplitPropertyText("A = 1\r\nnonsense\r\nB = 2\r\n");
  EXPECT_EQ(noEquals.Lines, TStringList{"A = 1"});
  EXPECT_EQ(noEquals.Error, "Line 2 has no \"=\"");

  auto truncated = SplitPropertyText("A = 1\r\nB = 2");
  EXPECT_EQ(truncated.Lines, TStringList{"A = 1"});
  EXPECT_EQ(truncated.Error, "Line 2 is cut off: the file ends without a line end");

  auto tooLong = SplitPropertyText("A = " + std::string(252, 'x') + "\r\n");
  EXPECT_TRUE(tooLong.Lines.empty());
  EXPECT_EQ(tooLong.Error, "Line 1 is longer than 255 characters");
  EXPECT_EQ(SplitPropertyText("A = " + std::string(251, 'x') + "\r\n").Error, "");
  EXPECT_EQ(JoinPropertyLines({"A = 1", "B = 2"}), "A = 1\r\nB = 2\r\n");
}
