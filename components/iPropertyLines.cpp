#include "components/iPropertyLines.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "platform/Locale.h"

namespace {

// Blanks and control characters around a key or a value do not count.
std::string_view Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

std::string PathOf(const std::string& prefix, const std::string& name) {
  return Trim(prefix).empty() ? name : prefix + "." + name;
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
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text;
  for (const char* p = buffer; p < r.ptr; ++p) {
    if (*p == 'e') {
      // "1e+20" as "1E20", "1.5e-07" as "1.5E-7".
      text += 'E';
      ++p;
      if (*p == '-') text += '-';
      if (*p == '-' || *p == '+') ++p;
      while (p + 1 < r.ptr && *p == '0') ++p;
      text.append(p, static_cast<size_t>(r.ptr - p));
      break;
    }
    text += *p == '.' ? platform::FormatSettings().DecimalSeparator : *p;
  }
  return text;
}

double PropertyTextToFloat(const std::string& text) {
  const std::string_view t = Trim(text);
  if (SameText(t, "NAN")) return std::nan("");
  if (SameText(t, "INF")) return HUGE_VAL;
  if (SameText(t, "-INF")) return -HUGE_VAL;
  // The file may come from a machine with the other separator.
  std::string value(t);
  const char sep = platform::FormatSettings().DecimalSeparator;
  const char other = sep == ',' ? '.' : ',';
  if (const size_t at = value.find(other); at != std::string::npos) value[at] = sep;
  return platform::StrToFloat(value);
}

int64_t StrToInt64(const std::string& text) {
  const std::string_view t = Trim(text);
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (first != last && *first == '+') ++first;
  int64_t value = 0;
  const auto r = std::from_chars(first, last, value);
  if (t.empty() || r.ec != std::errc() || r.ptr != last)
    throw EConvertError("'" + std::string(t) + "' is not a valid integer value");
  return value;
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
    default: p.SetOrdinal(object.Object, StrToInt64(text)); break;
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
    if (eq == std::string_view::npos || !SameText(Trim(line.substr(0, eq)), path)) continue;
    value = std::string(Trim(line.substr(eq + 1)));
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
    if (Trim(line).empty()) continue;
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

std::string JoinPropertyLines(const TStringList& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string UnusedPropertyLine(TObjectRef object, const TStringList& lines, const std::string& ignoredKey) {
  for (const std::string& line : lines) {
    const std::string key(Trim(std::string_view(line).substr(0, line.find('='))));
    if (SameText(key, ignoredKey)) continue;
    bool known = false;
    WithProperty(object, key, false, [&](TObjectRef, const TPropInfo& p) { known = p.Kind != pkObject && p.Writable(); });
    return known ? "Property \"" + key + "\" is given more than once" : "Unknown property \"" + key + "\"";
  }
  return {};
}
