// What a metafile holds (platform/ only): one record per canvas operation,
// each with the pen, brush and font that were in force, so that a record
// plays and converts without the ones before it (clip records aside).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Metafile.h"

enum TMetafileOp : uint8_t {
  moLine, moPolyline, moPolygon, moRectangle, moEllipse, moFillRect, moInvertRect, moFocusRect,
  moSetPixel, moGradient, moText, moBitmap, moClip, moAntialias,
};

struct TMetafileRecord {
  TMetafileOp Op = moLine;
  TPen Pen;
  TBrush Brush;
  TFont Font;
  std::vector<TPoint> Points;  // line ends, polyline and polygon vertices, gradient points
  TRect Rect;                  // shapes, fills, text clip, bitmap destination, clip
  TColor Color = clBlack;      // fill, pixel, gradient start, transparent colour
  TColor Color2 = clBlack;     // gradient end
  TGradientKind Gradient = gkLinear;
  int Radius = 0;
  bool Flag = false;           // text: clipped to Rect; clip: set (else removed); antialias on
  std::string Text;
  std::shared_ptr<const TBitmap> Bitmap;
  TRect Source;
};

struct TMetafile::Records {
  std::vector<TMetafileRecord> list;
};
