// The property-file loader on any bytes: it may refuse a file with an
// EConvertError, never crash, and what it saves afterwards always loads again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "components/iFont.h"
#include "components/iPropertyLines.h"

namespace {
enum TMode : uint8_t { mOff, mOn, mAuto };
const std::vector<std::string>& EnumValueNames(TMode) {
  static const std::vector<std::string> names{"mOff", "mOn", "mAuto"};
  return names;
}

struct TInner {
  static const TClassInfo& StaticClass();
  double Level = 1;
  int Count = 0;
};

struct TTarget {
  static const TClassInfo& StaticClass();
  std::string Name;
  int Size = 1;
  int8_t Small = 0;
  TColor Color = clRed;
  TMode Mode = mOff;
  uint8_t Flags = 0;
  bool On = false;
  char Letter = 'a';
  double Ratio = 0.5;
  TFont Font;
  TInner Inner;
};

template <auto M>
auto Get() {
  return [](const auto& o) { return o.*M; };
}
template <auto M>
auto Put() {
  return [](auto& o, auto v) { o.*M = v; };
}

const TClassInfo& TInner::StaticClass() {
  static const TClassInfo info = TClassBuilder<TInner>("TInner")
                                     .Float("Level", Get<&TInner::Level>(), Put<&TInner::Level>())
                                     .Integer("Count", Get<&TInner::Count>(), Put<&TInner::Count>())
                                     .Build();
  return info;
}

const TClassInfo& TTarget::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTarget>("TTarget")
          .String("Name", Get<&TTarget::Name>(), [](TTarget& o, const std::string& v) { o.Name = v; })
          .Integer("Size", Get<&TTarget::Size>(), Put<&TTarget::Size>())
          .Integer("Small", Get<&TTarget::Small>(), Put<&TTarget::Small>())
          .Color("Color", Get<&TTarget::Color>(), Put<&TTarget::Color>())
          .Enum("Mode", Get<&TTarget::Mode>(), Put<&TTarget::Mode>())
          .Set("Flags", Get<&TTarget::Flags>(), Put<&TTarget::Flags>(), {"fA", "fB", "fC", "fD"})
          .Bool("On", Get<&TTarget::On>(), Put<&TTarget::On>())
          .Char("Letter", Get<&TTarget::Letter>(), Put<&TTarget::Letter>())
          .Float("Ratio", Get<&TTarget::Ratio>(), Put<&TTarget::Ratio>())
          .Value("Font", Get<&TTarget::Font>(), Put<&TTarget::Font>(), FontClassInfo())
          .Object("Inner", [](TTarget& o) { return &o.Inner; }, TInner::StaticClass())
          .Build();
  return info;
}

std::string Load(TTarget& target, const std::string& text) {
  try {
    TPropertyText parsed = SplitPropertyText(text);
    const TObjectRef ref{&target, &TTarget::StaticClass()};
    LoadObjectProperties(ref, "", parsed.Lines);
    if (!parsed.Error.empty()) return parsed.Error;
    return UnusedPropertyLine(ref, parsed.Lines, "File Type");
  } catch (const EConvertError& e) {
    return e.Message;
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TTarget target;
  Load(target, std::string(reinterpret_cast<const char*>(data), size));
  TStringList lines = {"File Type = TTarget"};
  SaveObjectProperties(TObjectRef{&target, &TTarget::StaticClass()}, "", lines, {});
  for (const std::string& line : lines)
    if (line.size() > kMaxPropertyLine || line.find('=') == std::string::npos) std::abort();
  TTarget again;
  if (!Load(again, JoinPropertyLines(lines)).empty()) std::abort();
  return 0;
}
