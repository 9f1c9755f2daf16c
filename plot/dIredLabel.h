// A caption placed like any other layout object; the plot's title is label 0.
// Margins are in widths (left, right) and heights (top, bottom) of "0" of
// the label font, turned into pixels each time the label measures or draws.
#pragma once
#include <vector>
#include <string>

#include "platform/Canvas.h"
#include "plot/dIredObjects.h"

enum TiAlignmentHorizontal : uint8_t { iahCenter, iahLeft, iahRight };
inline const std::vector<std::string>& EnumValueNames(TiAlignmentHorizontal) {
  static const std::vector<std::string> names{"iahCenter", "iahLeft", "iahRight"};
  return names;
}

class TiPlotLabel : public TiPlotLayoutObject {
 public:
  explicit TiPlotLabel(const TiPlotObjectHooks& hooks);  // horizontal
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  const std::string& Caption() const { return Caption_; }
  void SetCaption(const std::string& value) { SetProperty(Caption_, value); }
  TiAlignmentHorizontal Alignment() const { return Alignment_; }
  void SetAlignment(TiAlignmentHorizontal value) { SetProperty(Alignment_, value); }
  const TFont& Font() const { return Font_; }
  void SetFont(const TFont& value) { SetProperty(Font_, value); }  // a copy
  double MarginLeft() const { return MarginLeft_; }
  void SetMarginLeft(double value) { SetProperty(MarginLeft_, value); }
  double MarginTop() const { return MarginTop_; }
  void SetMarginTop(double value) { SetProperty(MarginTop_, value); }
  double MarginRight() const { return MarginRight_; }
  void SetMarginRight(double value) { SetProperty(MarginRight_, value); }
  double MarginBottom() const { return MarginBottom_; }
  void SetMarginBottom(double value) { SetProperty(MarginBottom_, value); }

  // Caption height (all lines) plus the top and bottom margins, whatever the
  // orientation.
  int GetRequiredThickness(TCanvas* canvas) override;
  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  void Draw(TCanvas* canvas) { Draw(canvas, clNone); }

 private:
  struct Margins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
  };
  Margins Measure(TCanvas* canvas) const;
  int CaptionHeight(TCanvas* canvas) const;
  void DrawHorizontal(TCanvas* canvas, const Margins& m);
  void DrawVertical(TCanvas* canvas, const Margins& m);

  std::string Caption_;
  TiAlignmentHorizontal Alignment_ = iahCenter;
  TFont Font_;
  double MarginLeft_ = 0, MarginTop_ = 0, MarginRight_ = 0, MarginBottom_ = 0;
};
