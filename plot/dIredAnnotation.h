// An annotation: a free drawing placed on the chart by the program or the
// operator — a text, a line, a rectangle, a vertical or horizontal marker
// line, an image, a text rectangle, an ellipse or a framed text box.
//
// Its coordinates (X, Y, X2, Y2, Width, Height) are in percent of the data
// view or in the value units of a channel's axes, per coordinate as
// Reference says, so an annotation in channel units stays on its data point
// while the axes scroll. With the chart's axes reversed X runs vertically.
//
// Each paint remembers what it drew: the figure, the hit rectangle (the
// figure clipped to the data view) and, for the sizable styles (rectangle,
// text rectangle, ellipse), four 6 x 6 handles on the figure's corners. The
// mouse works on those, and only in the chart's select mode; a line has no
// hit area and is never selected.
#pragma once
#include <vector>
#include <string>

#include "platform/Canvas.h"
#include "plot/dIredAxis.h"
#include "plot/dIredLabel.h"
#include "plot/iAnnotationScale.h"
#include "plot/iToolBarImageList.h"

class TiPlotAnnotation;
class TiPlotChannelCustom;
class TiPlotDataView;

enum TiPlotAnnotationStyle : uint8_t {
  ipasText, ipasLine, ipasRectangle, ipasLineX, ipasLineY, ipasImage, ipasTextRectangle, ipasEllipse, ipasTextBox
};
inline const std::vector<std::string>& EnumValueNames(TiPlotAnnotationStyle) {
  static const std::vector<std::string> names{"ipasText", "ipasLine", "ipasRectangle", "ipasLineX",
      "ipasLineY", "ipasImage", "ipasTextRectangle", "ipasEllipse", "ipasTextBox"};
  return names;
}
enum TiPlotReferenceType : uint8_t { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
inline const std::vector<std::string>& EnumValueNames(TiPlotReferenceType) {
  static const std::vector<std::string> names{"iprtDataView", "iprtChannel", "iprtXChannelYDataView",
      "iprtXDataViewYChannel"};
  return names;
}
enum TiAlignmentVertical : uint8_t { iavCenter, iavTop, iavBottom };
inline const std::vector<std::string>& EnumValueNames(TiAlignmentVertical) {
  static const std::vector<std::string> names{"iavCenter", "iavTop", "iavBottom"};
  return names;
}

// The plot's image lists hold pictures of one size that an application adds;
// the toolbar's list (glyphs kept as drawn and greyed) serves them.
using TiPlotImageList = TiToolBarImageList;

// What an annotation asks of the chart it lies in; the plot component
// implements it. Without it an annotation draws no images, never clips to
// axes by the chart's setting, cannot be selected and reports nothing.
class TiPlotAnnotationHost {
 public:
  virtual ~TiPlotAnnotationHost() = default;
  virtual bool SelectModeActive() = 0;
  virtual bool ClipAnnotationsToAxes() const = 0;
  // An annotation's ImageListIndex: 0 and 1 name their lists, any other the third.
  virtual const TiPlotImageList& ImageList(int index) const = 0;
  virtual void AnnotationCoordinatesChange(TiPlotAnnotation* annotation) = 0;
  virtual void AnnotationCoordinatesChangeFinished(TiPlotAnnotation* annotation) = 0;
};

class TiPlotAnnotation : public TiPlotManagerObject {
 public:
  explicit TiPlotAnnotation(const TiPlotObjectHooks& hooks);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // --- Published ---
  TiPlotAnnotationStyle Style() const { return Style_; }
  void SetStyle(TiPlotAnnotationStyle value) { SetProperty(Style_, value); }
  TiPlotReferenceType Reference() const { return Reference_; }
  void SetReference(TiPlotReferenceType value) { SetProperty(Reference_, value); }
  // The coordinate setters also report the change to the chart.
  double X() const { return X_; }
  void SetX(double value) { SetCoordinate(X_, value); }
  double Y() const { return Y_; }
  void SetY(double value) { SetCoordinate(Y_, value); }
  double X2() const { return X2_; }
  void SetX2(double value) { SetCoordinate(X2_, value); }
  double Y2() const { return Y2_; }
  void SetY2(double value) { SetCoordinate(Y2_, value); }
  double Width() const { return Width_; }
  void SetWidth(double value) { SetCoordinate(Width_, value); }
  double Height() const { return Height_; }
  void SetHeight(double value) { SetCoordinate(Height_, value); }
  TColor PenColor() const { return Pen_.Color; }
  void SetPenColor(TColor value) { SetProperty(Pen_.Color, value); }
  TPenStyle PenStyle() const { return Pen_.Style; }
  void SetPenStyle(TPenStyle value) { SetProperty(Pen_.Style, value); }
  int32_t PenWidth() const { return Pen_.Width; }
  void SetPenWidth(int32_t value) { SetProperty(Pen_.Width, value); }
  TColor BrushColor() const { return Brush_.Color; }
  void SetBrushColor(TColor value) { SetProperty(Brush_.Color, value); }
  TBrushStyle BrushStyle() const { return Brush_.Style; }
  void SetBrushStyle(TBrushStyle value) { SetProperty(Brush_.Style, value); }
  const std::string& Text() const { return Text_; }  // lines split at CR, LF or CR LF
  void SetText(const std::string& value) { SetProperty(Text_, value); }
  TiRotationAngle TextRotation() const { return TextRotation_; }
  void SetTextRotation(TiRotationAngle value) { SetProperty(TextRotation_, value); }
  TiAlignmentHorizontal TextHorzAlignment() const { return TextHorzAlignment_; }
  void SetTextHorzAlignment(TiAlignmentHorizontal value) { SetProperty(TextHorzAlignment_, value); }
  TiAlignmentVertical TextVertAlignment() const { return TextVertAlignment_; }
  void SetTextVertAlignment(TiAlignmentVertical value) { SetProperty(TextVertAlignment_, value); }
  // Inner margins of a text rectangle, in widths and heights of "A".
  double TextHorzMargin() const { return TextHorzMargin_; }
  void SetTextHorzMargin(double value) { SetProperty(TextHorzMargin_, value); }
  double TextVertMargin() const { return TextVertMargin_; }
  void SetTextVertMargin(double value) { SetProperty(TextVertMargin_, value); }
  const TFont& Font() const { return Font_; }
  void SetFont(const TFont& value) { SetProperty(Font_, value); }
  int32_t OuterMargin() const { return OuterMargin_; }  // pixels between text and frame of a text box
  void SetOuterMargin(int32_t value) { SetProperty(OuterMargin_, value); }
  // 0: ImageList0, 1: ImageList1, any other: ImageList2.
  int32_t ImageListIndex() const { return ImageListIndex_; }
  void SetImageListIndex(int32_t value) { SetProperty(ImageListIndex_, value); }
  int32_t ImageIndex() const { return ImageIndex_; }
  void SetImageIndex(int32_t value) { SetProperty(ImageIndex_, value); }
  const std::string& ChannelName() const { return Channel_.Name(); }
  void SetChannelName(const std::string& value);  // drops the cached channel
  bool UserCanMove() const { return UserCanMove_; }
  void SetUserCanMove(bool value) { SetProperty(UserCanMove_, value); }
  bool UserCanSize() const { return UserCanSize_; }
  void SetUserCanSize(bool value) { SetProperty(UserCanSize_, value); }
  bool ClipToAxes() const { return ClipToAxes_; }
  void SetClipToAxes(bool value) { SetProperty(ClipToAxes_, value); }
  bool ShowFocusRect() const { return ShowFocusRect_; }
  void SetShowFocusRect(bool value) { SetProperty(ShowFocusRect_, value); }

  // --- Run-time state ---
  // The data view it is drawn in; the plot sets data view 0 at every paint.
  TiPlotDataView* DataView() const { return DataView_; }
  void SetDataView(TiPlotDataView* view) { DataView_ = view; }
  TiPlotChannelCustom* Channel();  // by ChannelName, cached; null when absent
  bool Drawn() const { return Drawn_; }
  const TRect& HitRect() const { return HitRect_; }
  enum THandle : uint8_t { ihTopLeft, ihTopRight, ihBottomLeft, ihBottomRight };
  const TRect& HandleRect(THandle handle) const { return Handles_[handle]; }
  bool Sizable() const;  // UserCanSize and a rectangle, text rectangle or ellipse

  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  bool HitTest(const TiPlotMouseData& mouse) override;
  TiPlotCursorId GetMouseCursor(TPoint point) override;
  void DoMouseLeftDown(const TiPlotMouseData& mouse) override;
  void DoMouseDrag(const TiPlotMouseData& mouse) override;
  void MouseUp(TiPlotMouseButton button, TiPlotShiftState shift, bool dblClick, int x, int y) override;
  void NotifyRemove(TiPlotObject* object) override;
  void NotifyRename(TiPlotObject* object) override;
  // A selected annotation lets go when another object is selected.
  void NotifyFocus(TiPlotObject* object) override;

 private:
  enum TDragMode : uint8_t { dmNone, dmMove, dmSizeTopLeft, dmSizeTopRight, dmSizeBottomLeft, dmSizeBottomRight };
  struct TScales {
    TiAnnotationScale X, Y;
  };
  TiPlotAnnotationHost* Host() const { return dynamic_cast<TiPlotAnnotationHost*>(Owner()); }
  bool SelectMode() const;
  void SetCoordinate(double& field, double value);
  void CoordinatesChanged();
  // The scales the reference asks for; false when one of them is missing.
  bool ResolveScales(TScales& scales);
  TPoint PixelOf(const TScales& s, double x, double y) const;

  // Drawing, in dIredAnnotationDraw.cpp.
  void ClipToChannelAxes(TCanvas* canvas);
  TRect ViewRect() const;
  bool MayDraw(const TRect& figure) const;
  void MarkDrawn(const TRect& hit);
  void MarkFigure(const TRect& figure);
  void DrawText(TCanvas* canvas, TPoint anchor, bool framed);
  void DrawFigure(TCanvas* canvas, const TScales& s, TPoint anchor);
  void DrawMarkerLine(TCanvas* canvas, int pixel, bool alongX);
  void DrawImage(TCanvas* canvas, TPoint anchor);
  void DrawRectangleText(TCanvas* canvas, TRect box);
  void InvertHandles(TCanvas* canvas);

  // Dragging, in dIredAnnotationInput.cpp.
  TDragMode HandleAt(TPoint point) const;
  void MoveBy(const TScales& s, const TiPlotMouseData& mouse);
  void SetCoordinatesFromRect(const TScales& s, const TRect& rect);

  TiPlotAnnotationStyle Style_ = ipasText;
  TiPlotReferenceType Reference_ = iprtDataView;
  double X_ = 0, Y_ = 0, X2_ = 0, Y2_ = 0, Width_ = 0, Height_ = 0;
  TPen Pen_{clWhite, 0, psSolid};
  TBrush Brush_{clWhite, bsSolid};
  std::string Text_;
  TiRotationAngle TextRotation_ = ira000;
  TiAlignmentHorizontal TextHorzAlignment_ = iahCenter;
  TiAlignmentVertical TextVertAlignment_ = iavCenter;
  double TextHorzMargin_ = 1.0, TextVertMargin_ = 1.0;
  TFont Font_;
  int32_t OuterMargin_ = 0;
  int32_t ImageListIndex_ = 0, ImageIndex_ = 0;
  TiPlotAxisReference<TiPlotChannelCustom> Channel_;  // the axis reference serves channels as well
  bool UserCanMove_ = false, UserCanSize_ = false;
  bool ClipToAxes_ = false;
  bool ShowFocusRect_ = true;

  TiPlotDataView* DataView_ = nullptr;
  bool Drawn_ = false;
  bool HasHandles_ = false;
  TRect HitRect_;
  TRect Handles_[4];
  TRect Figure_;
  // Drag state, from the press.
  TDragMode DragMode_ = dmNone;
  bool MouseDown_ = false;
  bool Moved_ = false;
  TiPlotMouseData Down_;
  TRect DownFigure_;
  TPoint DownAnchor_;  // in axis orientation
  double DownValueX_ = 0, DownValueY_ = 0;
  double DownX_ = 0, DownY_ = 0, DownX2_ = 0, DownY2_ = 0;
};
