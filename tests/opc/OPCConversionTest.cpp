// How a value of an item is stored into a published property of each kind.
#include <gtest/gtest.h>

#include "components/iOPCBinding.h"
#include "platform/Exception.h"
#include "tests/components/TestComponent.h"

namespace {
// Every kind the binding converts to.
struct TTarget {
  int32_t Number = 0;
  char Letter = 'a';
  uint8_t Styles = 0;
  TTestShape Shape = tsSquare;
  bool Flag = false;
  double Level = 0;
  std::string Text;
  TFont Font;

  static const TClassInfo& Class() {
    using T = TTarget;
    static const TClassInfo info =
        TClassBuilder<T>("TTarget")
            .Integer("Number", [](const T& t) { return t.Number; }, [](T& t, int32_t v) { t.Number = v; })
            .Char("Letter", [](const T& t) { return t.Letter; }, [](T& t, char v) { t.Letter = v; })
            .Set("Styles", [](const T& t) { return t.Styles; }, [](T& t, uint8_t v) { t.Styles = v; },
                 {"isA", "isB", "isC"})
            .Enum("Shape", [](const T& t) { return t.Shape; }, [](T& t, TTestShape v) { t.Shape = v; })
            .Bool("Flag", [](const T& t) { return t.Flag; }, [](T& t, bool v) { t.Flag = v; })
            .Float("Level", [](const T& t) { return t.Level; }, [](T& t, double v) { t.Level = v; })
            .String("Text", [](const T& t) { return t.Text; }, [](T& t, const std::string& v) { t.Text = v; })
            .Value("Font", [](const T& t) { return t.Font; }, [](T& t, const TFont& v) { t.Font = v; },
                   FontClassInfo())
            .Build();
    return info;
  }
  TObjectRef Ref() { return {this, &Class()}; }
};
}  // namespace

TEST(OPCConversion, OrdinalsTakeIntegerConversion) {
  TTarget t;
  EXPECT_TRUE(SetPropertyFromOPC(t.Ref(), "number", 2.5));
  EXPECT_EQ(t.Number, 2) << "halves to even";
  SetPropertyFromOPC(t.Ref(), "Number", std::string(" -17 "));
  EXPECT_EQ(t.Number, -17);
  SetPropertyFromOPC(t.Ref(), "Letter", int64_t{'Z'});
  EXPECT_EQ(t.Letter, 'Z');
  SetPropertyFromOPC(t.Ref(), "Styles", int64_t{5});
  EXPECT_EQ(t.Styles, 5);
  SetPropertyFromOPC(t.Ref(), "Shape", true);
  EXPECT_EQ(t.Shape, tsRound);
  SetPropertyFromOPC(t.Ref(), "Font.Color", 255.0);
  EXPECT_EQ(t.Font.Color, clRed);
  EXPECT_THROW(SetPropertyFromOPC(t.Ref(), "Number", std::string("12abc")), EConvertError);
  EXPECT_THROW(SetPropertyFromOPC(t.Ref(), "Styles", int64_t{8}), EConvertError) << "not an element";
  EXPECT_THROW(SetPropertyFromOPC(t.Ref(), "Number", 1e300), EConvertError);
  EXPECT_THROW(SetPropertyFromOPC(t.Ref(), "Number", TiOPCValue{}), EConvertError);
  EXPECT_EQ(t.Number, -17) << "a value that does not convert changes nothing";
}

TEST(OPCConversion, BooleansFromTrueFalseOneAndZeroInAnyCase) {
  TTarget t;
  SetPropertyFromOPC(t.Ref(), "Flag", std::string("true"));
  EXPECT_TRUE(t.Flag);
  SetPropertyFromOPC(t.Ref(), "Flag", std::string("0"));
  EXPECT_FALSE(t.Flag);
  SetPropertyFromOPC(t.Ref(), "Flag", std::string("TRUE"));
  EXPECT_TRUE(t.Flag);
  SetPropertyFromOPC(t.Ref(), "Flag", std::string("False"));
  EXPECT_FALSE(t.Flag);
  SetPropertyFromOPC(t.Ref(), "Flag", int64_t{1});
  EXPECT_TRUE(t.Flag);
  EXPECT_THROW(SetPropertyFromOPC(t.Ref(), "Flag", std::string("yes")), EConvertError);
  EXPECT_THROW(SetPropertyFromOPC(t.Ref(), "Flag", int64_t{2}), EConvertError);
  EXPECT_TRUE(t.Flag);
}

TEST(OPCConversion, FloatsAndStrings) {
  TTarget t;
  SetPropertyFromOPC(t.Ref(), "Level", std::string("1,5"));
  EXPECT_EQ(t.Level, 1.5);
  SetPropertyFromOPC(t.Ref(), "Level", int64_t{-3});
  EXPECT_EQ(t.Level, -3);
  SetPropertyFromOPC(t.Ref(), "Text", 0.1);
  EXPECT_EQ(t.Text, "0.1");
  SetPropertyFromOPC(t.Ref(), "Text", false);
  EXPECT_EQ(t.Text, "False");
  SetPropertyFromOPC(t.Ref(), "Font.Name", std::string("Courier"));
  EXPECT_EQ(t.Font.Name, "Courier");
}

TEST(OPCConversion, PathsThatNameNoWritablePropertyAreRefused) {
  TTarget t;
  EXPECT_FALSE(SetPropertyFromOPC(t.Ref(), "Missing", int64_t{1}));
  EXPECT_FALSE(SetPropertyFromOPC(t.Ref(), "Font", int64_t{1})) << "a sub-object itself";
  EXPECT_FALSE(SetPropertyFromOPC(t.Ref(), "Font.Missing", int64_t{1}));
  EXPECT_FALSE(SetPropertyFromOPC(t.Ref(), "Number.Deeper", int64_t{1}));
}
