// Writes a metafile as an enhanced metafile: a header with the picture's
// size and its creator/description texts, then one or more records per
// canvas operation, then the end record. Pen, brush and font become GDI
// objects in three handle slots, re-created only when they change.
// Gradients are stored as pictures, as other readers draw them alike.
#include <QChar>
#include <QFontMetrics>
#include <QString>
#include <cmath>
#include <cstring>

#include "platform/MetafileRecords.h"
#include "platform/PainterCanvas.h"

namespace {

enum : uint32_t {
  EMR_HEADER = 1, EMR_POLYGON = 3, EMR_POLYLINE = 4, EMR_EOF = 14, EMR_SETPIXELV = 15, EMR_SETBKMODE = 18,
  EMR_SETPOLYFILLMODE = 19, EMR_SETROP2 = 20, EMR_SETTEXTALIGN = 22, EMR_SETTEXTCOLOR = 24, EMR_MOVETOEX = 27,
  EMR_INTERSECTCLIPRECT = 30, EMR_SELECTOBJECT = 37, EMR_CREATEPEN = 38, EMR_CREATEBRUSHINDIRECT = 39,
  EMR_DELETEOBJECT = 40, EMR_ELLIPSE = 42, EMR_RECTANGLE = 43, EMR_LINETO = 54, EMR_EXTSELECTCLIPRGN = 75,
  EMR_BITBLT = 76, EMR_STRETCHDIBITS = 81, EMR_EXTCREATEFONTINDIRECTW = 82, EMR_EXTTEXTOUTW = 84,
};
constexpr uint32_t kPenHandle = 1, kBrushHandle = 2, kFontHandle = 3, kHandles = 4;
constexpr uint32_t kStockWhiteBrush = 0x80000000, kStockBlackPen = 0x80000007, kStockSystemFont = 0x8000000D;
constexpr uint32_t kDstInvert = 0x00550009, kSrcCopy = 0x00CC0020;

// One record under construction; Finish() fills in its size.
class Record {
 public:
  explicit Record(uint32_t type) { U32(type), U32(0); }
  Record& U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((v >> (8 * i)) & 0xFF);
    return *this;
  }
  Record& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
  Record& U16(uint16_t v) {
    bytes_ += static_cast<char>(v & 0xFF);
    bytes_ += static_cast<char>(v >> 8);
    return *this;
  }
  Record& U8(uint8_t v) {
    bytes_ += static_cast<char>(v);
    return *this;
  }
  Record& F32(float f) {
    uint32_t v;
    std::memcpy(&v, &f, 4);
    return U32(v);
  }
  Record& Rect(const TRect& r) { return I32(r.Left).I32(r.Top).I32(r.Right).I32(r.Bottom); }
  Record& Bytes(const std::string& s) {
    bytes_ += s;
    return *this;
  }
  Record& Pad() {
    while (bytes_.size() % 4) bytes_ += '\0';
    return *this;
  }
  size_t Size() const { return bytes_.size(); }
  std::string Finish() {
    Pad();
    const uint32_t n = static_cast<uint32_t>(bytes_.size());
    for (int i = 0; i < 4; ++i) bytes_[4 + i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    return bytes_;
  }

 private:
  std::string bytes_;
};

std::string Utf16(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) out += static_cast<char>(c & 0xFF), out += static_cast<char>(c >> 8);
  return out;
}
std::u16string ToU16(const std::string& utf8) {
  const QString q = QString::fromStdString(utf8);
  return std::u16string(reinterpret_cast<const char16_t*>(q.utf16()), q.size());
}
uint32_t Rgb(TColor c) { return static_cast<uint32_t>(platform::ColorToRGB(c)) & 0xFFFFFF; }

// A device-independent bitmap: BITMAPINFOHEADER and 24-bit rows, bottom first.
std::string Dib(const TBitmap& b, const TRect& src) {
  const uint32_t w = src.Width(), h = src.Height(), stride = (w * 3 + 3) & ~3u;
  Record bmi(0);  // reused for its little-endian writers; the 8 leading bytes are dropped
  bmi.U32(40).I32(w).I32(h).U16(1).U16(24).U32(0).U32(stride * h).U32(0).U32(0).U32(0).U32(0);
  std::string bits;
  bits.reserve(stride * h);
  for (int y = src.Bottom - 1; y >= src.Top; --y) {
    const uint32_t* row = b.ScanLine(y);
    for (int x = src.Left; x < src.Right; ++x) {
      bits += static_cast<char>(row[x] & 0xFF);
      bits += static_cast<char>((row[x] >> 8) & 0xFF);
      bits += static_cast<char>((row[x] >> 16) & 0xFF);
    }
    bits.append(stride - w * 3, '\0');
  }
  return bmi.Finish().substr(8) + bits;
}

class EmfWriter {
 public:
  EmfWriter(const TMetafile& m) : meta_(m) {}

  std::string Write() {
    Emit(Record(EMR_SETBKMODE).U32(1));        // text leaves its background alone
    Emit(Record(EMR_SETTEXTALIGN).U32(0));     // text placed by its top-left corner
    Emit(Record(EMR_SETPOLYFILLMODE).U32(1));  // alternate, as the canvas fills
    for (const TMetafileRecord& r : meta_.records().list) Convert(r);
    Emit(Record(EMR_SELECTOBJECT).U32(kStockBlackPen));
    Emit(Record(EMR_SELECTOBJECT).U32(kStockWhiteBrush));
    Emit(Record(EMR_SELECTOBJECT).U32(kStockSystemFont));
    for (uint32_t h = kPenHandle; h < kHandles; ++h)
      if (created_[h]) Emit(Record(EMR_DELETEOBJECT).U32(h));
    Emit(Record(EMR_EOF).U32(0).U32(16).U32(20));
    return Header() + body_;
  }

 private:
  void Emit(Record r) {
    body_ += r.Finish();
    ++count_;
  }

  std::string Header() {
    const int w = meta_.Width(), h = meta_.Height();
    std::u16string text;
    if (!meta_.Creator().empty() || !meta_.Description().empty())
      text = ToU16(meta_.Creator()) + u'\0' + ToU16(meta_.Description()) + u'\0' + u'\0';
    const uint32_t headerSize = 108;
    Record r(EMR_HEADER);
    r.Rect({0, 0, std::max(0, w - 1), std::max(0, h - 1)});
    // The frame in hundredths of a millimetre, at 96 pixels per inch.
    r.Rect({0, 0, static_cast<int>(std::lround(w * 2540.0 / 96)) - 1,
            static_cast<int>(std::lround(h * 2540.0 / 96)) - 1});
    const uint32_t descBytes = static_cast<uint32_t>((text.size() * 2 + 3) & ~size_t(3));
    r.U32(0x464D4520).U32(0x10000);
    r.U32(static_cast<uint32_t>(headerSize + descBytes + body_.size()));
    r.U32(count_ + 1).U16(kHandles).U16(0);
    r.U32(static_cast<uint32_t>(text.size())).U32(text.empty() ? 0 : headerSize).U32(0);
    r.I32(1920).I32(1080).I32(508).I32(286);  // a 96 dpi reference screen
    r.U32(0).U32(0).U32(0);
    r.I32(508000).I32(285750);
    r.Bytes(Utf16(text));
    return r.Finish();
  }

  void Select(uint32_t handle, Record create) {
    if (created_[handle]) {
      const uint32_t stock[] = {0, kStockBlackPen, kStockWhiteBrush, kStockSystemFont};
      Emit(Record(EMR_SELECTOBJECT).U32(stock[handle]));
      Emit(Record(EMR_DELETEOBJECT).U32(handle));
    }
    Emit(std::move(create));
    Emit(Record(EMR_SELECTOBJECT).U32(handle));
    created_[handle] = true;
  }

  void UsePen(const TPen& pen) {
    if (penSet_ && pen == pen_) return;
    if (!penSet_ || pen.Mode != pen_.Mode) {
      const uint32_t rop[] = {13, 6, 7, 10};  // copy, not, xor, not-xor
      Emit(Record(EMR_SETROP2).U32(rop[pen.Mode]));
    }
    if (!penSet_ || pen.Color != pen_.Color || pen.Width != pen_.Width || pen.Style != pen_.Style)
      Select(kPenHandle, Record(EMR_CREATEPEN).U32(kPenHandle).U32(pen.Style)
                             .I32(pen.Width <= 1 ? 0 : pen.Width).I32(0).U32(Rgb(pen.Color)));
    pen_ = pen;
    penSet_ = true;
  }

  void UseBrush(const TBrush& brush) {
    if (brushSet_ && brush == brush_) return;
    const uint32_t style = brush.Style == bsSolid ? 0 : brush.Style == bsClear ? 1 : 2;
    const uint32_t hatch = brush.Style >= bsHorizontal ? brush.Style - bsHorizontal : 0;
    Select(kBrushHandle, Record(EMR_CREATEBRUSHINDIRECT).U32(kBrushHandle).U32(style).U32(Rgb(brush.Color)).U32(hatch));
    brush_ = brush;
    brushSet_ = true;
  }

  void UseFont(const TFont& font) {
    if (fontSet_ && font == font_) return;
    Record r(EMR_EXTCREATEFONTINDIRECTW);
    r.U32(kFontHandle).I32(-std::abs(font.Height)).I32(0).I32(font.Orientation).I32(font.Orientation);
    r.I32(font.Has(fsBold) ? 700 : 400);
    r.U8(font.Has(fsItalic)).U8(font.Has(fsUnderline)).U8(font.Has(fsStrikeOut)).U8(1).U8(0).U8(0).U8(0).U8(0);
    std::u16string face = ToU16(font.Name).substr(0, 31);
    face.resize(32, u'\0');
    r.Bytes(Utf16(face));
    Select(kFontHandle, std::move(r));
    font_ = font;
    fontSet_ = true;
  }

  void TextColor(TColor c) {
    if (textColorSet_ && Rgb(c) == textColor_) return;
    textColor_ = Rgb(c);
    textColorSet_ = true;
    Emit(Record(EMR_SETTEXTCOLOR).U32(textColor_));
  }

  void Shape(uint32_t type, const TMetafileRecord& r) {
    UsePen(r.Pen);
    UseBrush(r.Brush);
    Emit(Record(type).Rect(r.Rect));
  }

  void Points(uint32_t type, const std::vector<TPoint>& pts) {
    Record rec(type);
    int l = pts[0].X, t = pts[0].Y, rt = l, b = t;
    for (TPoint p : pts) l = std::min(l, p.X), t = std::min(t, p.Y), rt = std::max(rt, p.X), b = std::max(b, p.Y);
    rec.Rect({l, t, rt, b}).U32(static_cast<uint32_t>(pts.size()));
    for (TPoint p : pts) rec.I32(p.X).I32(p.Y);
    Emit(std::move(rec));
  }

  // Without a pen a rectangle fills one pixel less each way; one pixel more
  // asked makes the fill cover the half-open rectangle exactly.
  void Fill(const TRect& r, TColor color, TBrushStyle style) {
    UsePen(TPen{clBlack, 1, psClear, pmCopy});
    UseBrush(TBrush{color, style == bsClear ? bsSolid : style});
    Emit(Record(EMR_RECTANGLE).Rect({r.Left, r.Top, r.Right + 1, r.Bottom + 1}));
  }

  void Invert(int x, int y, int w, int h) {
    Record r(EMR_BITBLT);
    r.Rect({x, y, x + w - 1, y + h - 1}).I32(x).I32(y).I32(w).I32(h).U32(kDstInvert).I32(0).I32(0);
    r.F32(1).F32(0).F32(0).F32(1).F32(0).F32(0).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
    Emit(std::move(r));
  }

  void Picture(const TRect& dest, const TBitmap& b, const TRect& src) {
    const std::string dib = Dib(b, src);
    Record r(EMR_STRETCHDIBITS);
    r.Rect({dest.Left, dest.Top, dest.Right - 1, dest.Bottom - 1});
    r.I32(dest.Left).I32(dest.Top).I32(0).I32(0).I32(src.Width()).I32(src.Height());
    r.U32(80).U32(40).U32(120).U32(static_cast<uint32_t>(dib.size() - 40));
    r.U32(0).U32(kSrcCopy).I32(dest.Width()).I32(dest.Height());
    r.Bytes(dib);
    Emit(std::move(r));
  }

  // A picture with a transparent colour: the runs of other colours of each
  // row, each stretched onto its share of the destination.
  void TransparentPicture(const TMetafileRecord& r) {
    const TBitmap& b = *r.Bitmap;
    const TRect& s = r.Source;
    const double sx = double(r.Rect.Width()) / s.Width(), sy = double(r.Rect.Height()) / s.Height();
    const uint32_t key = Rgb(r.Color);
    for (int y = s.Top; y < s.Bottom; ++y) {
      const uint32_t* row = b.ScanLine(y);
      for (int x = s.Left; x < s.Right;) {
        if ((row[x] & 0xFFFFFF) == RgbWord(key)) {
          ++x;
          continue;
        }
        int end = x;
        while (end < s.Right && (row[end] & 0xFFFFFF) != RgbWord(key)) ++end;
        auto mx = [&](int v) { return r.Rect.Left + static_cast<int>(std::floor((v - s.Left) * sx + 0.5)); };
        auto my = [&](int v) { return r.Rect.Top + static_cast<int>(std::floor((v - s.Top) * sy + 0.5)); };
        const TRect dest{mx(x), my(y), mx(end), my(y + 1)};
        if (!dest.IsEmpty()) Picture(dest, b, {x, y, end, y + 1});
        x = end;
      }
    }
  }
  // A COLORREF as the bitmap's 0x00RRGGBB pixel word.
  static uint32_t RgbWord(uint32_t colorref) {
    return ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
  }

  void Text(const TMetafileRecord& r) {
    UseFont(r.Font);
    TextColor(r.Font.Color);
    const std::u16string text = ToU16(r.Text);
    const QFontMetrics metrics(platform::ToQFont(r.Font));
    const TPoint at = r.Points[0];
    const TSize extent = platform::MeasureText(r.Font, r.Text);
    Record rec(EMR_EXTTEXTOUTW);
    rec.Rect({at.X, at.Y, at.X + extent.cx, at.Y + extent.cy}).U32(1).F32(0).F32(0);
    const uint32_t stringBytes = static_cast<uint32_t>((text.size() * 2 + 3) & ~size_t(3));
    rec.I32(at.X).I32(at.Y).U32(static_cast<uint32_t>(text.size())).U32(76).U32(r.Flag ? 4 : 0);
    rec.Rect(r.Flag ? r.Rect : TRect{0, 0, -1, -1}).U32(76 + stringBytes);
    rec.Bytes(Utf16(text)).Pad();
    for (char16_t c : text) rec.I32(metrics.horizontalAdvance(QChar(c)));
    Emit(std::move(rec));
  }

  void Gradient(const TMetafileRecord& r) {
    TBitmap picture(r.Rect.Width(), r.Rect.Height());
    const TPoint shift{r.Rect.Left, r.Rect.Top};
    auto local = [&](TPoint p) { return TPoint{p.X - shift.X, p.Y - shift.Y}; };
    picture.Canvas().GradientFill({0, 0, r.Rect.Width(), r.Rect.Height()}, r.Color, r.Color2, r.Gradient,
                                  local(r.Points[0]), local(r.Points[1]), r.Radius);
    Picture(r.Rect, picture, {0, 0, picture.Width(), picture.Height()});
  }

  void FocusDots(const TRect& r) {
    for (int x = r.Left; x < r.Right; ++x)
      for (int y : {r.Top, r.Bottom - 1})
        if (((x + y) & 1) == 0 && (y == r.Top || r.Bottom - 1 > r.Top)) Invert(x, y, 1, 1);
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
      for (int x : {r.Left, r.Right - 1})
        if (((x + y) & 1) == 0 && (x == r.Left || r.Right - 1 > r.Left)) Invert(x, y, 1, 1);
  }

  void Convert(const TMetafileRecord& r) {
    switch (r.Op) {
      case moLine:
        UsePen(r.Pen);
        Emit(Record(EMR_MOVETOEX).I32(r.Points[0].X).I32(r.Points[0].Y));
        Emit(Record(EMR_LINETO).I32(r.Points[1].X).I32(r.Points[1].Y));
        break;
      case moPolyline: UsePen(r.Pen); Points(EMR_POLYLINE, r.Points); break;
      case moPolygon: UsePen(r.Pen); UseBrush(r.Brush); Points(EMR_POLYGON, r.Points); break;
      case moRectangle: Shape(EMR_RECTANGLE, r); break;
      case moEllipse: Shape(EMR_ELLIPSE, r); break;
      case moFillRect: Fill(r.Rect, r.Color, r.Brush.Style); break;
      case moInvertRect: Invert(r.Rect.Left, r.Rect.Top, r.Rect.Width(), r.Rect.Height()); break;
      case moFocusRect: FocusDots(r.Rect); break;
      case moSetPixel: Emit(Record(EMR_SETPIXELV).I32(r.Rect.Left).I32(r.Rect.Top).U32(Rgb(r.Color))); break;
      case moGradient: Gradient(r); break;
      case moText: Text(r); break;
      case moBitmap:
        if (r.Color == clNone) Picture(r.Rect, *r.Bitmap, r.Source);
        else TransparentPicture(r);
        break;
      case moClip:
        Emit(Record(EMR_EXTSELECTCLIPRGN).U32(0).U32(5));  // no region, RGN_COPY: back to no clip
        if (r.Flag) Emit(Record(EMR_INTERSECTCLIPRECT).Rect(r.Rect));
        break;
      case moAntialias: break;  // readers smooth as they please
    }
  }

  const TMetafile& meta_;
  std::string body_;
  uint32_t count_ = 0;
  bool created_[kHandles] = {};
  TPen pen_;
  TBrush brush_;
  TFont font_;
  bool penSet_ = false, brushSet_ = false, fontSet_ = false, textColorSet_ = false;
  uint32_t textColor_ = 0;
};

}  // namespace

std::string TMetafile::SaveToBytes() const { return EmfWriter(*this).Write(); }
