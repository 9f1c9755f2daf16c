#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "EmfParser.h"
#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/Files.h"
#include "platform/Metafile.h"

namespace {

const bool kApplication = [] {
  platform::EnsureApplication();
  return true;
}();

enum : uint32_t {
  EMR_EOF = 14, EMR_SETPIXELV = 15, EMR_MOVETOEX = 27, EMR_INTERSECTCLIPRECT = 30, EMR_SELECTOBJECT = 37,
  EMR_CREATEPEN = 38, EMR_CREATEBRUSHINDIRECT = 39, EMR_ELLIPSE = 42, EMR_RECTANGLE = 43, EMR_LINETO = 54,
  EMR_POLYLINE = 4, EMR_POLYGON = 3, EMR_BITBLT = 76, EMR_STRETCHDIBITS = 81, EMR_EXTCREATEFONTINDIRECTW = 82,
  EMR_EXTTEXTOUTW = 84,
};

// A bit of everything a component draws.
void Scene(TCanvas& c) {
  c.Brush = {clNavy, bsSolid};
  c.FillRect({0, 0, 60, 40});
  c.Pen = {clYellow, 1, psSolid, pmCopy};
  c.Brush = {clRed, bsSolid};
  c.Rectangle(5, 5, 20, 15);
  c.Ellipse(30, 5, 50, 20);
  c.MoveTo(2, 30);
  c.LineTo(58, 30);
  c.Polyline({{5, 35}, {20, 25}, {35, 35}});
  c.Polygon({{40, 22}, {55, 22}, {48, 36}});
  c.SetPixel(1, 38, clLime);
  c.SetClipRect({0, 0, 30, 40});
  c.Brush = {clWhite, bsSolid};
  c.FillRect({25, 18, 40, 24});
  c.RemoveClip();
}

TEST(Metafile, PlayedIntoARectangleMatchesDrawingDirectlyAtThatScale) {
  TMetafile meta(60, 40);
  {
    TMetafileCanvas rec(meta);
    Scene(rec);
  }
  TBitmap played(140, 100);
  played.Fill(clGray);
  meta.Play(played.Canvas(), {10, 10, 130, 90});  // twice the size

  TBitmap direct(140, 100);
  direct.Fill(clGray);
  TCanvas& c = direct.Canvas();
  c.SetClipRect({10, 10, 130, 90});
  c.Brush = {clNavy, bsSolid};
  c.FillRect({10, 10, 130, 90});
  c.Pen = {clYellow, 1, psSolid, pmCopy};
  c.Brush = {clRed, bsSolid};
  c.Rectangle(20, 20, 50, 40);
  c.Ellipse(70, 20, 110, 50);
  c.MoveTo(14, 70);
  c.LineTo(126, 70);
  c.Polyline({{20, 80}, {50, 60}, {80, 80}});
  c.Polygon({{90, 54}, {120, 54}, {106, 82}});
  c.Brush = {clLime, bsSolid};
  c.FillRect({12, 86, 14, 88});
  c.SetClipRect({10, 10, 70, 90});
  c.Brush = {clWhite, bsSolid};
  c.FillRect({60, 46, 90, 58});
  c.RemoveClip();

  int differ = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 140; ++x) differ += played.Pixel(x, y) != direct.Pixel(x, y);
  EXPECT_EQ(differ, 0);
  EXPECT_EQ(played.Pixel(5, 5), clGray);  // nothing outside the rectangle
}

TEST(Metafile, PlaybackKeepsTheCosmeticPenThinAndRestoresTheTarget) {
  TMetafile meta(10, 10);
  {
    TMetafileCanvas rec(meta);
    rec.MoveTo(0, 5);
    rec.LineTo(10, 5);
  }
  TBitmap b(40, 40);
  TCanvas& c = b.Canvas();
  c.Pen = {clRed, 2, psDash, pmCopy};
  c.SetClipRect({0, 0, 40, 20});
  meta.Play(c, {0, 0, 40, 40});
  EXPECT_EQ(b.Pixel(8, 20), clWhite);  // clipped by the target's clip
  EXPECT_EQ(c.Pen, (TPen{clRed, 2, psDash, pmCopy}));
  EXPECT_EQ(c.ClipRect(), (TRect{0, 0, 40, 20}));
  c.RemoveClip();
  meta.Play(c, {0, 0, 40, 40});
  EXPECT_EQ(b.Pixel(8, 20), clBlack);
  EXPECT_EQ(b.Pixel(8, 19), clWhite);
  EXPECT_EQ(b.Pixel(8, 21), clWhite);
}

TEST(Metafile, RecordingCanvasMeasuresTextLikeABitmap) {
  TMetafile meta(10, 10);
  TMetafileCanvas rec(meta, "Wexlar", "dIred");
  TBitmap b(1, 1);
  EXPECT_EQ(rec.TextExtent("Value 12.5"), b.Canvas().TextExtent("Value 12.5"));
  EXPECT_TRUE(rec.IsMetafile());
  EXPECT_FALSE(b.Canvas().IsMetafile());
  EXPECT_EQ(rec.Pixel(1, 1), clNone);
  EXPECT_EQ(meta.Creator(), "Wexlar");
}

TEST(EmfFile, HeaderCarriesSizeCountsAndTheTwoTexts) {
  TMetafile meta(500, 200);
  {
    TMetafileCanvas rec(meta, "Wexlar", "Strip Chart");
    Scene(rec);
    rec.DrawEdge({0, 0, 500, 200}, esSunken);
    rec.Font.Color = clWhite;
    rec.TextOut(4, 4, "Channel 1");
    TBitmap glyph(4, 4);
    glyph.Fill(clTeal);
    rec.Draw(50, 50, glyph);
    rec.DrawTransparent(60, 50, glyph, clTeal);
    rec.InvertRect({0, 0, 5, 5});
    rec.GradientFill({100, 100, 200, 150}, clBlue, clBlack, gkLinear, {100, 100}, {100, 150});
  }
  const std::string bytes = meta.SaveToBytes();
  const EmfFile f = ParseEmf(bytes);
  EXPECT_EQ(f.creator, "Wexlar");
  EXPECT_EQ(f.description, "Strip Chart");
  EXPECT_EQ(f.bytes, bytes.size());
  EXPECT_EQ(f.records, f.list.size());
  EXPECT_EQ(f.version, 0x10000u);
  EXPECT_GE(f.handles, 4);
  EXPECT_EQ(f.bounds[2], 499);
  EXPECT_EQ(f.bounds[3], 199);
  EXPECT_NEAR(f.frame[2], 500 * 2540 / 96, 2);  // hundredths of a millimetre
  EXPECT_EQ(f.list.back().type, EMR_EOF);

  EXPECT_EQ(f.Count(EMR_RECTANGLE), 1u + 2 + 8);  // the shape, two fills, the bevel's sides
  EXPECT_EQ(f.Count(EMR_ELLIPSE), 1u);
  EXPECT_EQ(f.Count(EMR_LINETO), 1u);
  EXPECT_EQ(f.Count(EMR_POLYLINE), 1u);
  EXPECT_EQ(f.Count(EMR_POLYGON), 1u);
  EXPECT_EQ(f.Count(EMR_SETPIXELV), 1u);
  EXPECT_EQ(f.Count(EMR_INTERSECTCLIPRECT), 1u);
  EXPECT_EQ(f.Count(EMR_EXTTEXTOUTW), 1u);
  EXPECT_EQ(f.Count(EMR_EXTCREATEFONTINDIRECTW), 1u);
  EXPECT_EQ(f.Count(EMR_BITBLT), 1u);
  EXPECT_EQ(f.Count(EMR_STRETCHDIBITS), 2u);  // the plain glyph and the gradient; the transparent one is all teal
  for (const EmfRecord& r : f.list) {
    if (r.type == EMR_EXTTEXTOUTW) {
      EXPECT_EQ(f.Field(r, 36), 4);  // reference point
      const uint32_t chars = f.U32(r.offset + 44), offString = f.U32(r.offset + 48);
      EXPECT_EQ(f.Utf16(r.offset + offString, chars), "Channel 1");
    }
    if (r.type == EMR_CREATEPEN) {
      EXPECT_EQ(f.Field(r, 16), 0) << "width 1 is written as the cosmetic pen";
    }
    if (r.type == EMR_STRETCHDIBITS && f.Field(r, 8) == 50) {
      EXPECT_EQ(f.Field(r, 72), 4);                  // cxDest
      EXPECT_EQ(f.U32(r.offset + f.U32(r.offset + 48)), 40u);  // BITMAPINFOHEADER
    }
  }
}

TEST(EmfFile, TextsAreOptionalAndFilesAreWrittenWhole) {
  TMetafile meta(20, 10);
  { TMetafileCanvas rec(meta); rec.Rectangle(0, 0, 5, 5); }
  const EmfFile f = ParseEmf(meta.SaveToBytes());
  EXPECT_EQ(f.creator, "");
  EXPECT_EQ(f.U32(60), 0u);
  const auto path = std::filesystem::temp_directory_path() / ("gfx-meta-test-" + std::to_string(getpid()) + ".emf");
  meta.SaveToFile(path.string());
  EXPECT_EQ(platform::ReadWholeFile(path.string()), meta.SaveToBytes());
  std::filesystem::remove(path);
  meta.SetSize(30, 30);
  EXPECT_TRUE(meta.Empty());
}

}  // namespace
