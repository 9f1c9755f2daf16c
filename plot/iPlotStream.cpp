#include "plot/iPlotStream.h"

#include <cstdio>

#include "components/iValueText.h"
#include "platform/Exception.h"

namespace {

std::string Trim(const std::string& s) { return std::string(TrimText(s)); }

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char hex[5];
          std::snprintf(hex, sizeof hex, "\\x%02X", c);
          out += hex;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Unquote(const std::string& text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"')
    throw EConvertError("A string value must be quoted: " + text);
  const std::string body = text.substr(1, text.size() - 2);
  std::string out;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '\\') {
      out += body[i];
      continue;
    }
    const char e = i + 1 < body.size() ? body[++i] : '\0';
    switch (e) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case '"': out += '"'; break;
      case '\\': out += '\\'; break;
      case 'x': {
        const int hi = i + 1 < body.size() ? HexDigit(body[i + 1]) : -1;
        const int lo = i + 2 < body.size() ? HexDigit(body[i + 2]) : -1;
        if (hi < 0 || lo < 0) throw EConvertError("Broken escape in " + text);
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        break;
      }
      default: throw EConvertError("Broken escape in " + text);
    }
  }
  return out;
}

// The stored description is independent of the locale and exact.
std::string FloatText(double v) { return FloatToText(v, '.', 0); }
double ParseFloat(const std::string& text) { return TextToFloat(text, '.'); }
int64_t ParseInteger(const std::string& text) { return TextToInteger(text); }

int64_t ParseEnum(const TPropInfo& p, const std::string& text) {
  for (size_t i = 0; i < p.ValueNames.size(); ++i)
    if (SameText(p.ValueNames[i], text)) return static_cast<int64_t>(i);
  return ParseInteger(text);
}

std::string SetText(const TPropInfo& p, int64_t bits) {
  std::string out = "[";
  for (size_t i = 0; i < p.ValueNames.size(); ++i) {
    if (!(bits & (int64_t{1} << i))) continue;
    if (out.size() > 1) out += ", ";
    out += p.ValueNames[i];
  }
  return out + "]";
}

int64_t ParseSet(const TPropInfo& p, const std::string& text) {
  if (text.empty() || text.front() != '[') return ParseInteger(text);
  if (text.back() != ']') throw EConvertError("'" + text + "' is not a valid set");
  int64_t bits = 0;
  std::string inner = text.substr(1, text.size() - 2);
  size_t start = 0;
  while (start <= inner.size()) {
    const size_t comma = inner.find(',', start);
    const std::string element = Trim(inner.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (!element.empty()) {
      int64_t index = -1;
      for (size_t i = 0; i < p.ValueNames.size(); ++i)
        if (SameText(p.ValueNames[i], element)) index = static_cast<int64_t>(i);
      if (index < 0) throw EConvertError("'" + element + "' is not an element of " + p.Name);
      bits |= int64_t{1} << index;
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return bits;
}

}  // namespace

std::string StreamValueText(TObjectRef object, const TPropInfo& p) {
  switch (p.Kind) {
    case pkFloat: return FloatText(p.GetFloat(object.Object));
    case pkString: return Quote(p.GetString(object.Object));
    case pkBool: return p.GetOrdinal(object.Object) ? "True" : "False";
    case pkEnum: {
      const int64_t v = p.GetOrdinal(object.Object);
      return v >= 0 && v < static_cast<int64_t>(p.ValueNames.size()) ? p.ValueNames[v] : std::to_string(v);
    }
    case pkSet: return SetText(p, p.GetOrdinal(object.Object));
    case pkObject: return {};
    default: return std::to_string(p.GetOrdinal(object.Object));
  }
}

void SetStreamValueText(TObjectRef object, const TPropInfo& p, const std::string& text) {
  switch (p.Kind) {
    case pkFloat: p.SetFloat(object.Object, ParseFloat(text)); return;
    case pkString: p.SetString(object.Object, Unquote(text)); return;
    case pkBool:
      if (SameText(text, "True")) p.SetOrdinal(object.Object, 1);
      else if (SameText(text, "False")) p.SetOrdinal(object.Object, 0);
      else p.SetOrdinal(object.Object, ParseInteger(text));
      return;
    case pkEnum: p.SetOrdinal(object.Object, ParseEnum(p, text)); return;
    case pkSet: p.SetOrdinal(object.Object, ParseSet(p, text)); return;
    case pkObject: throw EConvertError("Property " + p.Name + " is an object");
    default: p.SetOrdinal(object.Object, ParseInteger(text)); return;
  }
}

// ---- writer ----------------------------------------------------------------

void TiPlotStreamWriter::WriteLine(const std::string& line) {
  Text_.append(static_cast<size_t>(Depth_) * 2, ' ');
  Text_ += line;
  Text_ += '\n';
}

void TiPlotStreamWriter::BeginCollection() {
  WriteLine(PendingName_.empty() ? "<" : PendingName_ + " = <");
  PendingName_.clear();
  ++Depth_;
}

void TiPlotStreamWriter::BeginItem() {
  WriteLine("item");
  ++Depth_;
}

void TiPlotStreamWriter::EndItem() {
  --Depth_;
  WriteLine("end");
}

void TiPlotStreamWriter::EndCollection() {
  --Depth_;
  WriteLine(">");
}

void TiPlotStreamWriter::WriteProperty(const std::string& name, const std::string& valueText) {
  WriteLine(name + " = " + valueText);
}

void TiPlotStreamWriter::WriteProperties(TObjectRef object) { WriteObject(object, ""); }

void TiPlotStreamWriter::WriteObject(TObjectRef object, const std::string& prefix) {
  for (const TPropInfo& p : object.Class->Properties()) {
    if (!p.Stored(object.Object)) continue;
    if (p.Kind == pkObject) {
      p.VisitObject(object.Object, false, [&](TObjectRef sub) {
        if (sub) WriteObject(sub, prefix + p.Name + ".");
      });
    } else if (p.Writable()) {
      WriteProperty(prefix + p.Name, StreamValueText(object, p));
    }
  }
}

// ---- reader ----------------------------------------------------------------

TiPlotStreamReader::TiPlotStreamReader(const std::string& text) {
  size_t start = 0;
  int number = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    ++number;
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    const size_t eq = line.find(" = ");
    if (eq == std::string::npos) Lines_.push_back({number, "", line});
    else Lines_.push_back({number, Trim(line.substr(0, eq)), Trim(line.substr(eq + 3))});
  }
}

void TiPlotStreamReader::Fail(const TLine* line, const std::string& what) const {
  if (!line) throw EConvertError("Stored description ends early: " + what);
  throw EConvertError("Line " + std::to_string(line->Number) + ": " + what);
}

const TiPlotStreamReader::TLine& TiPlotStreamReader::Next(const char* expected) const {
  if (AtEnd()) Fail(nullptr, std::string(expected) + " expected");
  return Lines_[Pos_];
}

std::string TiPlotStreamReader::NextName() const { return AtEnd() ? std::string() : Lines_[Pos_].Name; }

bool TiPlotStreamReader::NextIsCollection() const { return !AtEnd() && Lines_[Pos_].Value == "<"; }

void TiPlotStreamReader::CheckCollection() const {
  if (!NextIsCollection()) Fail(AtEnd() ? nullptr : &Lines_[Pos_], "a collection expected");
  bool inItem = false;
  for (size_t i = Pos_ + 1; i < Lines_.size(); ++i) {
    const TLine& l = Lines_[i];
    const bool keyword = l.Name.empty();
    if (keyword && l.Value == "item" && !inItem) inItem = true;
    else if (keyword && l.Value == "end" && inItem) inItem = false;
    else if (keyword && l.Value == ">" && !inItem) return;
    else if (!keyword && inItem && l.Value != "<") continue;
    else Fail(&l, "unexpected \"" + (keyword ? l.Value : l.Name + " = " + l.Value) + "\"");
  }
  Fail(nullptr, "\">\" expected");
}

void TiPlotStreamReader::ReadCollectionBegin() {
  if (!NextIsCollection()) Fail(AtEnd() ? nullptr : &Lines_[Pos_], "a collection expected");
  ++Pos_;
}

bool TiPlotStreamReader::ReadItemBegin() {
  const TLine& l = Next("\"item\" or \">\"");
  if (l.Name.empty() && l.Value == ">") return false;
  if (!(l.Name.empty() && l.Value == "item")) Fail(&l, "\"item\" expected");
  ++Pos_;
  return true;
}

void TiPlotStreamReader::ReadProperties(TObjectRef object) {
  for (;;) {
    const TLine& l = Next("\"end\"");
    ++Pos_;
    if (l.Name.empty() && l.Value == "end") return;
    if (l.Name.empty()) Fail(&l, "a property expected");
    bool known = false;
    try {
      known = WithProperty(object, l.Name, true, [&](TObjectRef holder, const TPropInfo& p) {
        if (p.Kind == pkObject || !p.Writable()) Fail(&l, "property \"" + l.Name + "\" cannot be set");
        SetStreamValueText(holder, p, l.Value);
      });
    } catch (const EConvertError& e) {
      if (e.Message.rfind("Line ", 0) == 0) throw;
      Fail(&l, e.Message);
    }
    if (!known) Fail(&l, "unknown property \"" + l.Name + "\"");
  }
}

void TiPlotStreamReader::ReadCollectionEnd() {
  const TLine& l = Next("\">\"");
  if (!(l.Name.empty() && l.Value == ">")) Fail(&l, "\">\" expected");
  ++Pos_;
}

void TiPlotStreamReader::ReadProperty(std::string& name, std::string& valueText) {
  const TLine& l = Next("a property");
  if (l.Name.empty() || l.Value == "<") Fail(&l, "a property expected");
  name = l.Name;
  valueText = l.Value;
  ++Pos_;
}

void TiPlotStreamReader::SkipValue() {
  if (!NextIsCollection()) {
    Next("a value");
    ++Pos_;
    return;
  }
  CheckCollection();
  while (Lines_[Pos_].Value != ">" || !Lines_[Pos_].Name.empty()) ++Pos_;
  ++Pos_;
}
