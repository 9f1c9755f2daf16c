// A metafile: a recorded list of canvas operations with its size. It plays
// back, scaled, into any rectangle of any canvas (printing, preview, the
// clipboard) and is written as an enhanced metafile (.emf) that other
// programs open. A TMetafileCanvas records into one:
//
//   TMetafile picture(500, 200);
//   {
//     TMetafileCanvas canvas(picture, "Wexlar", "Strip Chart");
//     component.PaintTo(canvas);
//   }
//   picture.SaveToFile("chart.emf");
#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "platform/Canvas.h"

class TMetafile {
 public:
  explicit TMetafile(int width = 0, int height = 0);
  ~TMetafile();
  TMetafile(const TMetafile&);
  TMetafile& operator=(const TMetafile&);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // A new size drops what was recorded (a new picture is to be drawn).
  void SetSize(int width, int height);
  void Clear();                  // drops the records, keeps the size and texts
  std::size_t Count() const;     // recorded operations
  bool Empty() const { return Count() == 0; }

  // The header's texts: which program made the picture, and what it shows.
  const std::string& Creator() const { return creator_; }
  const std::string& Description() const { return description_; }
  void SetCreator(const std::string& creator) { creator_ = creator; }
  void SetDescription(const std::string& description) { description_ = description; }

  // Draws the picture into dest of target, scaled from (0, 0, Width, Height)
  // to dest: coordinates, pen widths and font heights scale, a cosmetic pen
  // stays one pixel. Clipped to dest; target's Pen, Brush, Font and clip are
  // as before afterwards.
  void Play(TCanvas& target, const TRect& dest) const;

  // The enhanced metafile's bytes, and the same written to a file (through a
  // temporary file and a rename; EInOutError on failure).
  std::string SaveToBytes() const;
  void SaveToFile(const std::string& fileName) const;

  struct Records;
  const Records& records() const { return *records_; }  // for platform/ code only
  Records& records() { return *records_; }

 private:
  std::unique_ptr<Records> records_;
  int width_ = 0, height_ = 0;
  std::string creator_, description_;
};

// A canvas that records into a metafile. Opening one clears the metafile and
// sets its texts; text is measured with the same fonts as on a bitmap, so a
// layout computed while recording fits when played back at 1:1. Reading a
// pixel gives clNone (a metafile has no pixels to read).
class TMetafileCanvas : public TCanvas {
 public:
  TMetafileCanvas(TMetafile& target, const std::string& creator = "", const std::string& description = "");
  ~TMetafileCanvas() override;

  bool IsMetafile() const override { return true; }

 protected:
  void DoLine(TPoint from, TPoint to) override;
  void DoPolyline(const std::vector<TPoint>& points) override;
  void DoPolygon(const std::vector<TPoint>& points) override;
  void DoRectangle(const TRect& r) override;
  void DoEllipse(const TRect& r) override;
  void DoFillRect(const TRect& r, TColor color) override;
  void DoInvertRect(const TRect& r) override;
  void DoFocusRect(const TRect& r) override;
  TColor DoPixel(int x, int y) const override;
  void DoSetPixel(int x, int y, TColor color) override;
  void DoGradient(const TRect& r, TColor from, TColor to, TGradientKind kind, TPoint p0, TPoint p1,
                  int radius) override;
  void DoText(int x, int y, const std::string& text, const TRect* clip) override;
  TSize DoTextExtent(const std::string& text) const override;
  void DoBitmap(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor transparent) override;
  void DoClip(const TRect* r) override;
  void DoAntialias(bool on) override;

 private:
  TMetafile& target_;
};
