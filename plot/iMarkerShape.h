// One channel marker: its look (shape, size, pens and brush) and the drawing
// of a shape centred on a pixel. The channel decides the look (the legend
// sample, individual points, the channel's own settings); this unit only
// draws it, so the legend, the chart and the tests meet the same pixels.
#pragma once
#include "platform/Canvas.h"
#include "plot/iTypes.h"

struct TiPlotMarkerLook {
  TiPlotMarkerStyle Style = ipmsCircle;
  int Size = 3;  // pixels from the centre to the edge of the box
  int PenWidth = 0;
  TPenStyle PenStyle = psSolid;
  TColor PenColor = clRed;
  TColor BrushColor = clRed;
  TBrushStyle BrushStyle = bsSolid;
};

// Draws `look` centred on (x, y) with the canvas's font for ipmsCharacter.
// The triangles have their apex on (x, y); lines are two-point polylines
// (the end pixel is left out). ipmsCharacter draws `character` unless it
// is character 0.
void DrawMarkerShape(TCanvas& canvas, const TiPlotMarkerLook& look, int x, int y, char character);
