#include "components/iPropertyLines.h"

#include <string_view>

#include "components/iValueText.h"
#include "platform/Files.h"
#include "platform/Locale.h"

namespace {

std::string PathOf(const std::string& prefix, const std::string& name) {
  return TrimText(prefix).empty() ? name : prefix + "." + name;
}

bool Excluded(const std::string& path, const TStringList& exclusions) {
  for (const std::string& e : exclusions)
    if (SameText(e, path)) return true;
  return false;
}

// Cuts to at most `max` bytes, backing off so no UTF-8 character is split.
void CutUtf8(std::string& s, size_t max) {
  if (s.size() <= max) return;
  size_t n = max;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  s.resize(n);
}

// A line break inside a string value would end the line early and turn the
// rest into a line of its own that no loader could read.
std::string OnOneLine(std::string s) {
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

}  // namespace

std::string FloatToStr(double value) {
  return FloatToText(value, platform::FormatSettings().DecimalSeparator, 15);
}

double PropertyTextToFloat(std::string_view text) {
  // The file may come from a machine with the other separator: the first
  // separator of either kind is the decimal one.
  const std::string_view value = TrimText(text);
  const char sep = platform::FormatSettings().DecimalSeparator;
  const char other = sep == ',' ? '.' : ',';
  const size_t at = value.find(other);
  if (at == std::string_view::npos) return TextToFloat(value, sep);
  std::string adapted(value);
  adapted[at] = sep;
  return TextToFloat(adapted, sep);
}

std::string PropertyValueText(TObjectRef object, const TPropInfo& p) {
  switch (p.Kind) {
    case pkFloat: return FloatToStr(p.GetFloat(object.Object));
    case pkString: return OnOneLine(p.GetString(object.Object));
    case pkObject: return {};
    default: return std::to_string(p.GetOrdinal(object.Object));
  }
}

void SetPropertyValueText(TObjectRef object, const TPropInfo& p, const std::string& text) {
  switch (p.Kind) {
    case pkFloat: p.SetFloat(object.Object, PropertyTextToFloat(text)); break;
    case pkString: p.SetString(object.Object, text); break;
    case pkObject: break;
    default: p.SetOrdinal(object.Object, TextToInteger(text)); break;
  }
}

void SaveObjectProperties(TObjectRef object, const std::string& prefix, TStringList& lines,
                          const TStringList& exclusions) {
  if (!object) return;
  for (const TPropInfo& p : object.Class->Properties()) {
    if (!p.Writable() || !p.Stored(object.Object)) continue;
    const std::string path = PathOf(prefix, p.Name);
    if (Excluded(path, exclusions)) continue;
    if (p.Kind == pkObject) {
      p.VisitObject(object.Object, false, [&](TObjectRef sub) { SaveObjectProperties(sub, path, lines, exclusions); });
      continue;
    }
    std::string line = path + " = " + PropertyValueText(object, p);
    CutUtf8(line, kMaxPropertyLine);
    lines.push_back(std::move(line));
  }
}

bool ExtractPropertyValue(const std::string& path, TStringList& lines, std::string& value) {
  for (auto it = lines.begin(); it != lines.end(); ++it) {
    const std::string_view line = *it;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos || !SameText(TrimText(line.substr(0, eq)), path)) continue;
    value = std::string(TrimText(line.substr(eq + 1)));
    lines.erase(it);
    return true;
  }
  return false;
}

void LoadObjectProperties(TObjectRef object, const std::string& prefix, TStringList& lines) {
  if (!object) return;
  for (const TPropInfo& p : object.Class->Properties()) {
    if (!p.Writable()) continue;
    const std::string path = PathOf(prefix, p.Name);
    if (p.Kind == pkObject) {
      p.VisitObject(object.Object, true, [&](TObjectRef sub) { LoadObjectProperties(sub, path, lines); });
      continue;
    }
    std::string value;
    if (!ExtractPropertyValue(path, lines, value)) continue;
    try {
      SetPropertyValueText(object, p, value);
    } catch (const EConvertError& e) {
      throw EConvertError(path + ": " + e.Message);
    }
  }
}

TPropertyText SplitPropertyText(const std::string& text) {
  TPropertyText result;
  size_t start = 0, number = 0;
  while (start < text.size()) {
    ++number;
    const size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      result.Error = "Line " + std::to_string(number) + " is cut off: the file ends without a line end";
      break;
    }
    std::string_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    if (TrimText(line).empty()) continue;
    if (line.size() > kMaxPropertyLine) {
      result.Error = "Line " + std::to_string(number) + " is longer than 255 characters";
      break;
    }
    if (line.find('=') == std::string_view::npos) {
      result.Error = "Line " + std::to_string(number) + " has no \"=\"";
      break;
    }
    result.Lines.emplace_back(line);
  }
  return result;
}

TStringList ReadPropertyFile(const std::string& fileName) {
  TPropertyText text = SplitPropertyText(platform::ReadWholeFile(fileName));
  if (!text.Error.empty()) throw EConvertError(text.Error);
  return std::move(text.Lines);
}

bool TakeFileType(TStringList& lines, std::string_view type) {
  std::string value;
  return ExtractPropertyValue("File Type", lines, value) && SameText(value, type);
}

std::string JoinPropertyLines(const TStringList& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string UnusedPropertyLine(TObjectRef object, const TStringList& lines, const std::string& ignoredKey) {
  for (const std::string& line : lines) {
    const std::string key(TrimText(std::string_view(line).substr(0, line.find('='))));
    if (SameText(key, ignoredKey)) continue;
    bool known = false;
    WithProperty(object, key, false, [&](TObjectRef, const TPropInfo& p) { known = p.Kind != pkObject && p.Writable(); });
    return known ? "Property \"" + key + "\" is given more than once" : "Unknown property \"" + key + "\"";
  }
  return {};
}
