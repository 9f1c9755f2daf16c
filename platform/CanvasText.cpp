// DrawText: text laid out in a box. Lines are split, wrapped and shortened
// here with the device's measurements, then drawn line by line, so every
// device (bitmap, window, metafile) lays text out the same way.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace {

struct Line {
  std::string text;
  int underline = -1;  // byte offset of the "&"-marked character, or -1
};

bool Has(TDrawTextFlags flags, TDrawTextFlag f) { return (flags & f) != 0; }

// Drops the last UTF-8 character.
void PopCharacter(std::string& s) {
  if (s.empty()) return;
  size_t i = s.size() - 1;
  while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
  s.erase(i);
}

std::string ExpandTabs(const std::string& text) {
  std::string out;
  int column = 0;
  for (char c : text) {
    if (c == '\t') {
      do out += ' ', ++column;
      while (column % 8 != 0);
    } else {
      out += c;
      if (c == '\n') column = 0;
      else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++column;
    }
  }
  return out;
}

// "&&" shows one "&"; "&x" shows x underlined (only the first one counts).
Line StripPrefixes(const std::string& text) {
  Line line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && line.underline < 0) line.underline = static_cast<int>(line.text.size());
    }
    line.text += text[i];
  }
  return line;
}

std::vector<std::string> SplitLines(const std::string& text, bool singleLine) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (singleLine) {
        lines.back() += ' ';
      } else {
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.emplace_back();
      }
      continue;
    }
    lines.back() += c;
  }
  return lines;
}

class Layout {
 public:
  Layout(const TCanvas& canvas, int width) : canvas_(canvas), width_(width) {}

  int Width(const std::string& s) const { return s.empty() ? 0 : canvas_.TextWidth(s); }

  // Breaks at blanks so that each part fits; a single word wider than the box
  // stays whole on its own line (it is clipped or shortened later).
  std::vector<std::string> Wrap(const std::string& text) const {
    std::vector<std::string> out;
    std::string current;
    size_t i = 0;
    while (i < text.size()) {
      size_t end = text.find(' ', i);
      if (end == std::string::npos) end = text.size();
      const std::string word = text.substr(i, end - i);
      const std::string candidate = current.empty() ? word : current + " " + word;
      if (!current.empty() && Width(candidate) > width_) {
        out.push_back(current);
        current = word;
      } else {
        current = candidate;
      }
      i = end + 1;
    }
    out.push_back(current);
    return out;
  }

  std::string EndEllipsis(std::string s) const {
    if (Width(s) <= width_) return s;
    while (!s.empty() && Width(s + "...") > width_) PopCharacter(s);
    return s + "...";
  }

  // Keeps the part from the last path separator on and shortens what is in
  // front of it: "C:\data\...\log.csv".
  std::string PathEllipsis(const std::string& s) const {
    if (Width(s) <= width_) return s;
    const size_t sep = s.find_last_of("/\\");
    if (sep == std::string::npos || sep == 0) return EndEllipsis(s);
    std::string head = s.substr(0, sep);
    const std::string tail = s.substr(sep);
    while (!head.empty() && Width(head + "..." + tail) > width_) PopCharacter(head);
    const std::string shortened = head + "..." + tail;
    return Width(shortened) <= width_ ? shortened : EndEllipsis(s);
  }

 private:
  const TCanvas& canvas_;
  int width_;
};

}  // namespace

int TCanvas::DrawText(const std::string& input, TRect& r, TDrawTextFlags flags, std::string* shown) {
  const bool singleLine = Has(flags, dtSingleLine);
  const std::string text = Has(flags, dtExpandTabs) ? ExpandTabs(input) : input;
  const Layout layout(*this, r.Width());

  std::vector<Line> lines;
  for (const std::string& raw : SplitLines(text, singleLine)) {
    const Line stripped = Has(flags, dtPrefix) ? StripPrefixes(raw) : Line{raw};
    if (Has(flags, dtWordBreak) && !singleLine) {
      int offset = 0;
      for (const std::string& part : layout.Wrap(stripped.text)) {
        Line l{part};
        if (stripped.underline >= offset && stripped.underline < offset + static_cast<int>(part.size()))
          l.underline = stripped.underline - offset;
        offset += static_cast<int>(part.size()) + 1;
        lines.push_back(l);
      }
    } else {
      lines.push_back(stripped);
    }
  }
  for (Line& l : lines) {
    const std::string before = l.text;
    if (Has(flags, dtPathEllipsis)) l.text = layout.PathEllipsis(l.text);
    else if (Has(flags, dtEndEllipsis) || Has(flags, dtWordEllipsis)) l.text = layout.EndEllipsis(l.text);
    if (l.text != before && l.underline >= static_cast<int>(l.text.size()) - 3) l.underline = -1;
  }
  if (shown && Has(flags, dtModifyString)) {
    shown->clear();
    for (size_t i = 0; i < lines.size(); ++i) *shown += (i ? "\n" : "") + lines[i].text;
  }

  const int lineHeight = TextHeight("Wg");
  const int total = lineHeight * static_cast<int>(lines.size());
  int maxWidth = 0;
  for (const Line& l : lines) maxWidth = std::max(maxWidth, layout.Width(l.text));

  if (Has(flags, dtCalcRect)) {
    r.Right = r.Left + maxWidth;
    r.Bottom = r.Top + total;
    return total;
  }

  int y = r.Top;
  if (singleLine && Has(flags, dtVCenter)) y = r.Top + (r.Height() - total) / 2;
  else if (singleLine && Has(flags, dtBottom)) y = r.Bottom - total;
  const TRect box = r;
  const TRect* clip = Has(flags, dtNoClip) ? nullptr : &box;
  for (const Line& l : lines) {
    const int w = layout.Width(l.text);
    int x = r.Left;
    if (Has(flags, dtCenter)) x = r.Left + (r.Width() - w) / 2;
    else if (Has(flags, dtRight)) x = r.Right - w;
    if (!l.text.empty()) DoText(x, y, l.text, clip);
    if (l.underline >= 0) {
      const int x0 = x + layout.Width(l.text.substr(0, l.underline));
      std::string ch = l.text.substr(l.underline, 1);
      size_t n = 1;
      while (l.underline + n < l.text.size() && (static_cast<unsigned char>(l.text[l.underline + n]) & 0xC0) == 0x80)
        ch += l.text[l.underline + n++];
      const TPen saved = Pen;
      Pen = TPen{Font.Color, 1, psSolid, pmCopy};
      const int uy = y + lineHeight - 1 - std::max(1, lineHeight / 8);
      DoLine({x0, uy}, {x0 + layout.Width(ch), uy});
      Pen = saved;
    }
    y += lineHeight;
  }
  return y - r.Top;
}
