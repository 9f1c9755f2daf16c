// The value names of the drawing layer's pen and brush styles, as published
// properties write them.
#pragma once
#include <string>
#include <vector>

inline const std::vector<std::string>& PenStyleNames() {
  static const std::vector<std::string> names{"psSolid", "psDash", "psDot", "psDashDot",
                                              "psDashDotDot", "psClear", "psInsideFrame"};
  return names;
}

inline const std::vector<std::string>& BrushStyleNames() {
  static const std::vector<std::string> names{"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                              "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
  return names;
}
