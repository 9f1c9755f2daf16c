// The drawing surface every component paints on: the screen's off-screen
// bitmap, a bitmap for export, the printer or the metafile recorder.
//
// It keeps the classic desktop conventions the components' pixel geometry is
// written in:
//   - integer pixel coordinates, no anti-aliasing unless asked for;
//   - a rectangle covers Left..Right-1 and Top..Bottom-1 (outline included);
//   - a line leaves out its last pixel;
//   - a pen of width 1 is a cosmetic one-pixel pen whatever the scale;
//   - font heights are in pixels; text is placed by its top-left corner;
//   - system colours (clBtnFace, ...) are resolved when drawing.
//
// Pen, Brush and Font are plain state read by every operation; set them and
// draw. A canvas is used on one thread at a time (the GUI thread, or the thread
// that owns the bitmap).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/SystemColors.h"
#include "platform/Types.h"

class TBitmap;

struct TSize {
  int cx = 0, cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
inline const std::vector<std::string>& EnumValueNames(TPenStyle) {
  static const std::vector<std::string> names{"psSolid",      "psDash",  "psDot",        "psDashDot",
                                              "psDashDotDot", "psClear", "psInsideFrame"};
  return names;
}
// pmNot inverts the pixels under the pen (its colour is ignored); pmXor
// combines the pen colour with them by exclusive or; pmNotXor is the inverse of
// that. Drawing twice with pmNot or pmXor restores the picture.
enum TPenMode : uint8_t { pmCopy, pmNot, pmXor, pmNotXor };
enum TBrushStyle : uint8_t { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
inline const std::vector<std::string>& EnumValueNames(TBrushStyle) {
  static const std::vector<std::string> names{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                              "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
  return names;
}
enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = uint8_t;  // bit set of TFontStyle, fsBold = bit 0
constexpr TFontStyles FontStyleBit(TFontStyle s) { return static_cast<TFontStyles>(1u << s); }

struct TPen {
  TColor Color = clBlack;
  int Width = 1;  // pixels; 1 (or less) is the cosmetic pen
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
  friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;  // hatches draw Color lines on a clear ground
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

struct TFont {
  std::string Name = "Arial";
  int Height = 13;  // pixel height of the characters (the em), not points
  TColor Color = clWindowText;
  TFontStyles Style = 0;
  int Orientation = 0;  // rotation in tenths of a degree, counter-clockwise

  bool Has(TFontStyle s) const { return (Style & FontStyleBit(s)) != 0; }
  // Points at 96 pixels per inch, for property files that speak in points.
  int Size() const;
  void SetSize(int points);
  friend bool operator==(const TFont&, const TFont&) = default;
};

// Flags of DrawText, one bit each; left and top alignment are the defaults.
enum TDrawTextFlag : uint32_t {
  dtCenter = 1u << 1,          // centre horizontally
  dtRight = 1u << 2,           // align right
  dtVCenter = 1u << 4,         // centre vertically (single line only)
  dtBottom = 1u << 5,          // align to the bottom (single line only)
  dtWordBreak = 1u << 6,       // wrap at blanks to the width of the box
  dtSingleLine = 1u << 7,      // line breaks are shown as blanks
  dtExpandTabs = 1u << 8,      // a tab advances to the next 8-character stop
  dtNoClip = 1u << 9,          // text may spill out of the box
  dtPrefix = 1u << 10,         // "&x" underlines x, "&&" shows "&"; without it "&" is text
  dtCalcRect = 1u << 11,       // draw nothing; fit the box's Right and Bottom to the text
  dtEndEllipsis = 1u << 12,    // a line too wide ends in "..."
  dtPathEllipsis = 1u << 13,   // "..." replaces the middle, keeping the part after the last "/" or "\"
  dtWordEllipsis = 1u << 14,   // a word too wide ends in "..."
  dtModifyString = 1u << 15,   // with an ellipsis, the shown text is handed back
};
using TDrawTextFlags = uint32_t;

// The edges of DrawEdge: the outer ring is the rectangle's outermost pixels,
// the inner ring the next ones in.
enum TEdgeStyle : uint8_t {
  esRaised,       // raised outer and inner: a button
  esSunken,       // sunken outer and inner: an edit field
  esRaisedOuter,  // one ring, light top-left, dark bottom-right
  esRaisedInner,
  esSunkenOuter,
  esSunkenInner,
};

// A gradient's shape. Linear runs from one point to another; Radial from a
// centre to a radius; Rectangular from the rectangle's centre out to its
// sides (concentric rectangles of the rectangle's aspect).
enum TGradientKind : uint8_t { gkLinear, gkRadial, gkRectangular };

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TPen Pen;
  TBrush Brush;
  TFont Font;

  // Lines and shapes. Outlines use Pen, interiors Brush.
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  void LineTo(int x, int y);                       // leaves out (x, y) itself
  TPoint PenPos() const { return penPos_; }
  void Polyline(const std::vector<TPoint>& points);  // leaves out the last point
  void Polygon(const std::vector<TPoint>& points);   // closed, filled with Brush
  void Rectangle(const TRect& r);                  // outline inside r, interior filled
  void Rectangle(int l, int t, int r, int b) { Rectangle(TRect{l, t, r, b}); }
  void Ellipse(const TRect& r);                    // inscribed in r
  void Ellipse(int l, int t, int r, int b) { Ellipse(TRect{l, t, r, b}); }
  void FillRect(const TRect& r);                   // Brush (its style too), no outline
  void FrameRect(const TRect& r);                  // one-pixel frame in Brush.Color
  void DrawEdge(const TRect& r, TEdgeStyle style);  // bevel in the system 3-D colours
  void DrawFocusRect(const TRect& r);              // dotted, inverting: twice removes it
  void InvertRect(const TRect& r);                 // every pixel's colour inverted
  TColor Pixel(int x, int y) const;                // clNone outside or when unreadable
  void SetPixel(int x, int y, TColor color);

  // Gradient fill of r from `from` to `to`. Linear: `from` at p0, `to` at p1,
  // constant along lines at right angles to p0-p1. Radial: `from` at p0 (the
  // centre), `to` at distance `radius` and beyond. Rectangular: `from` at the
  // centre of r, `to` on its sides. p0, p1 and radius are ignored where unused.
  void GradientFill(const TRect& r, TColor from, TColor to, TGradientKind kind,
                    TPoint p0 = {}, TPoint p1 = {}, int radius = 0);

  // Text in Font, top-left at (x, y); the background is left as it is.
  void TextOut(int x, int y, const std::string& text);
  // Text clipped to r, top-left at (x, y); r is first filled with Brush unless
  // the brush is clear.
  void TextRect(const TRect& r, int x, int y, const std::string& text);
  int TextWidth(const std::string& text) const { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) const { return TextExtent(text).cy; }
  TSize TextExtent(const std::string& text) const;  // unrotated, one line
  // Text laid out in a box with TDrawTextFlags; returns the height of the
  // text. dtCalcRect draws nothing and moves r.Right/r.Bottom to fit it.
  // With dtModifyString and an ellipsis, *shown receives the text as drawn.
  int DrawText(const std::string& text, TRect& r, TDrawTextFlags flags, std::string* shown = nullptr);

  // Pictures. Transparent: pixels of `transparent` colour are not drawn.
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& dest, const TBitmap& bitmap);
  void DrawTransparent(int x, int y, const TBitmap& bitmap, TColor transparent);
  // source of bitmap stretched onto dest, without the `transparent` colour's
  // pixels unless it is clNone.
  void CopyRect(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor transparent = clNone);

  // Clipping: one rectangle at a time, in this canvas's pixels.
  void SetClipRect(const TRect& r);
  void IntersectClipRect(const TRect& r);  // narrows the clip in force
  void RemoveClip();
  bool HasClip() const { return hasClip_; }
  TRect ClipRect() const { return clip_; }

  // Smooth edges for the operations that follow (off by default).
  void SetAntialias(bool on);
  bool Antialias() const { return antialias_; }

  // True on a metafile recorder: painting draws straight onto it, without an
  // off-screen bitmap.
  virtual bool IsMetafile() const { return false; }
  // Pixels per inch of the device (96 on screen and on bitmaps).
  virtual int PixelsPerInch() const { return 96; }

 protected:
  // What a device does, with Pen, Brush and Font as they stand (system
  // colours still to resolve with platform::ColorToRGB). Rectangles are
  // half-open; DoLine leaves out `to`. DoFillRect fills in `color` with
  // Brush.Style (bsClear counts as solid).
  virtual void DoLine(TPoint from, TPoint to) = 0;
  virtual void DoPolyline(const std::vector<TPoint>& points) = 0;
  virtual void DoPolygon(const std::vector<TPoint>& points) = 0;
  virtual void DoRectangle(const TRect& r) = 0;
  virtual void DoEllipse(const TRect& r) = 0;
  virtual void DoFillRect(const TRect& r, TColor color) = 0;
  virtual void DoInvertRect(const TRect& r) = 0;
  virtual void DoFocusRect(const TRect& r) = 0;
  virtual TColor DoPixel(int x, int y) const = 0;
  virtual void DoSetPixel(int x, int y, TColor color) = 0;
  virtual void DoGradient(const TRect& r, TColor from, TColor to, TGradientKind kind, TPoint p0, TPoint p1,
                          int radius) = 0;
  virtual void DoText(int x, int y, const std::string& text, const TRect* clip) = 0;
  virtual TSize DoTextExtent(const std::string& text) const = 0;
  virtual void DoBitmap(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor transparent) = 0;
  virtual void DoClip(const TRect* r) = 0;  // null: no clip
  virtual void DoAntialias(bool on) = 0;

  // State kept for every device; SetClipRect and friends keep it.
  bool hasClip_ = false;
  TRect clip_{};

 private:
  TPoint penPos_{};
  bool antialias_ = false;
};
