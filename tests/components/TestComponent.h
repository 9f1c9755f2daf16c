// A small component of the kind the library builds on the base: a coloured
// face with a segment colour, a ratio, a caption and a font.
#pragma once
#include <stdexcept>

#include "components/iCustomComponent.h"
#include "components/iFont.h"

enum TTestShape : uint8_t { tsSquare, tsRound };
inline const std::vector<std::string>& EnumValueNames(TTestShape) {
  static const std::vector<std::string> names{"tsSquare", "tsRound"};
  return names;
}

class TiTestComponent : public TiCustomComponent {
 public:
  TiTestComponent() {
    SetBounds(0, 0, 40, 30);
    SetBackGroundColor(clBlack);
  }
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TiTestComponent>("TiTestComponent")
            .Inherits<TiCustomComponent>()
            .Color("BackGroundColor", &TiComponent::BackGroundColor, &TiComponent::SetBackGroundColor)
            .Enum("BorderStyle", &TiComponent::BorderStyle, &TiComponent::SetBorderStyle)
            .Bool("Transparent", &TiVCLComponent::Transparent, &TiVCLComponent::SetTransparent)
            .Color("SegmentColor", &TiTestComponent::SegmentColor, &TiTestComponent::SetSegmentColor)
            .Enum("Shape", &TiTestComponent::Shape, &TiTestComponent::SetShape)
            .Float("Ratio", &TiTestComponent::Ratio, &TiTestComponent::SetRatio)
            .String("Caption", &TiTestComponent::Caption, &TiTestComponent::SetCaption)
            .Value("Font", &TiTestComponent::Font, &TiTestComponent::SetFont, FontClassInfo())
            .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  TColor SegmentColor() const { return segmentColor_; }
  void SetSegmentColor(TColor v) { SetAndInvalidate(segmentColor_, v); }
  TTestShape Shape() const { return shape_; }
  void SetShape(TTestShape v) { SetAndInvalidate(shape_, v); }
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { SetAndInvalidate(ratio_, v); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { SetAndInvalidate(caption_, v); }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& v) { SetAndInvalidate(font_, v); }

  void PaintTo(TCanvas& canvas) override {
    ++paints;
    if (!failure.empty()) throw Exception(failure);
    if (!stdFailure.empty()) throw std::runtime_error(stdFailure);
    DrawBackGround(canvas, BackGroundColor());
    canvas.Brush.Color = fed != clNone ? fed : segmentColor_;
    canvas.FillRect({10, 10, 20, 20});
  }

  // The window's paint, as the platform calls it.
  void PaintWindow(TCanvas& canvas) { Paint(canvas); }

  std::string failure, stdFailure;
  int paints = 0;
  TColor fed = clNone;  // written by another thread under Lock

 private:
  TColor segmentColor_ = clLime;
  TTestShape shape_ = tsSquare;
  double ratio_ = 0.5;
  std::string caption_ = "Test";
  TFont font_;
};
