#include "plot/dIredAnnotation.h"

#include "components/iFont.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataView.h"
#include "plot/dIredMasterManager.h"
#include "plot/iRectGeometry.h"

namespace {

TiPlotChannelCustom* FindChannel(TiPlotOwner* owner, const std::string& name) {
  TiPlotMasterManager* master = owner ? owner->MasterManager() : nullptr;
  if (!master || !master->ChannelManager()) return nullptr;
  return static_cast<TiPlotChannelCustom*>(master->ChannelManager()->FindByName(name));
}

}  // namespace

TiPlotAnnotation::TiPlotAnnotation(const TiPlotObjectHooks& hooks) : TiPlotManagerObject(hooks) {
  Font_.Color = clWhite;
}

const TClassInfo& TiPlotAnnotation::StaticClass() {
  using A = TiPlotAnnotation;
  static const TClassInfo info =
      TClassBuilder<A>("TiPlotAnnotation")
          .Inherits<TiPlotManagerObject>()
          .Enum("Style", &A::Style, &A::SetStyle)
          .Default(ipasText)
          .Enum("Reference", &A::Reference, &A::SetReference)
          .Default(iprtDataView)
          .Float("X", &A::X, &A::SetX)
          .Float("Y", &A::Y, &A::SetY)
          .Float("X2", &A::X2, &A::SetX2)
          .Float("Y2", &A::Y2, &A::SetY2)
          .Float("Width", &A::Width, &A::SetWidth)
          .Float("Height", &A::Height, &A::SetHeight)
          .Color("PenColor", &A::PenColor, &A::SetPenColor)
          .Default(clWhite)
          .Enum("PenStyle", &A::PenStyle, &A::SetPenStyle)
          .Default(psSolid)
          .Integer("PenWidth", &A::PenWidth, &A::SetPenWidth)
          .Default(0)
          .Color("BrushColor", &A::BrushColor, &A::SetBrushColor)
          .Default(clWhite)
          .Enum("BrushStyle", &A::BrushStyle, &A::SetBrushStyle)
          .Default(bsSolid)
          .String("Text", &A::Text, &A::SetText)
          .Enum("TextRotation", &A::TextRotation, &A::SetTextRotation)
          .Default(ira000)
          .Enum("TextHorzAlignment", &A::TextHorzAlignment, &A::SetTextHorzAlignment)
          .Default(iahCenter)
          .Enum("TextVertAlignment", &A::TextVertAlignment, &A::SetTextVertAlignment)
          .Default(iavCenter)
          .Float("TextHorzMargin", &A::TextHorzMargin, &A::SetTextHorzMargin)
          .DefaultFloat(1)
          .Float("TextVertMargin", &A::TextVertMargin, &A::SetTextVertMargin)
          .DefaultFloat(1)
          .Value("Font", &A::Font, &A::SetFont, FontClassInfo())
          .Integer("OuterMargin", &A::OuterMargin, &A::SetOuterMargin)
          .Default(0)
          .Integer("ImageListIndex", &A::ImageListIndex, &A::SetImageListIndex)
          .Default(0)
          .Integer("ImageIndex", &A::ImageIndex, &A::SetImageIndex)
          .Default(0)
          .String("ChannelName", &A::ChannelName, &A::SetChannelName)
          .Bool("UserCanMove", &A::UserCanMove, &A::SetUserCanMove)
          .Default(0)
          .Bool("UserCanSize", &A::UserCanSize, &A::SetUserCanSize)
          .Default(0)
          .Bool("ClipToAxes", &A::ClipToAxes, &A::SetClipToAxes)
          .Default(0)
          .Bool("ShowFocusRect", &A::ShowFocusRect, &A::SetShowFocusRect)
          .Default(1)
          .Build();
  return info;
}

void TiPlotAnnotation::SetCoordinate(double& field, double value) {
  if (StoreChanged(field, value)) CoordinatesChanged();
}

void TiPlotAnnotation::CoordinatesChanged() {
  DoChange();
  if (TiPlotAnnotationHost* host = Host()) host->AnnotationCoordinatesChange(this);
}

void TiPlotAnnotation::SetChannelName(const std::string& value) {
  if (Channel_.SetName(value)) DoChange();
}

TiPlotChannelCustom* TiPlotAnnotation::Channel() { return Channel_.Resolve(Owner(), FindChannel); }

bool TiPlotAnnotation::Sizable() const {
  return UserCanSize_ && (Style_ == ipasRectangle || Style_ == ipasTextRectangle || Style_ == ipasEllipse);
}

bool TiPlotAnnotation::SelectMode() const {
  TiPlotAnnotationHost* host = Host();
  return host && host->SelectModeActive();
}

// X uses the channel's x axis or the data view's percent, Y the y axis or
// the percent, by the reference; percent runs along the screen direction
// that the coordinate takes.
bool TiPlotAnnotation::ResolveScales(TScales& s) {
  const bool xChannel = Reference_ == iprtChannel || Reference_ == iprtXChannelYDataView;
  const bool yChannel = Reference_ == iprtChannel || Reference_ == iprtXDataViewYChannel;
  TiPlotChannelCustom* channel = xChannel || yChannel ? Channel() : nullptr;
  const bool reversed = XYAxesReverse();
  s.X = xChannel ? TiAnnotationScale::OfAxis(channel ? channel->XAxis() : nullptr)
                 : TiAnnotationScale::OfPercent(DataView_, reversed);
  s.Y = yChannel ? TiAnnotationScale::OfAxis(channel ? channel->YAxis() : nullptr)
                 : TiAnnotationScale::OfPercent(DataView_, !reversed);
  return s.X.Valid() && s.Y.Valid();
}

TPoint TiPlotAnnotation::PixelOf(const TScales& s, double x, double y) const {
  return Oriented(TPoint{s.X.ValueToPixel(x), s.Y.ValueToPixel(y)}, XYAxesReverse());
}

// ---- hit test and pointer ----------------------------------------------------

bool TiPlotAnnotation::HitTest(const TiPlotMouseData& mouse) {
  if (!Drawn_ || !SelectMode()) return false;
  const TPoint raw{mouse.RawX, mouse.RawY};
  if (HitRect_.Contains(raw)) return true;
  return HasHandles_ && HandleAt(raw) != dmNone;
}

TiPlotCursorId TiPlotAnnotation::GetMouseCursor(TPoint point) {
  if (Sizable() && Focused() && HasHandles_) {
    switch (HandleAt(point)) {
      case dmSizeTopLeft:
      case dmSizeBottomRight: return crSizeNWSE;
      case dmSizeTopRight:
      case dmSizeBottomLeft: return crSizeNESW;
      default: break;
    }
  }
  return crHandPoint;
}

// ---- references --------------------------------------------------------------

void TiPlotAnnotation::NotifyRemove(TiPlotObject* object) {
  Channel_.NotifyRemove(object);
  if (object == DataView_) DataView_ = nullptr;
}

void TiPlotAnnotation::NotifyRename(TiPlotObject* object) {
  if (Channel_.NotifyRename(object)) DoChange();
}

void TiPlotAnnotation::NotifyFocus(TiPlotObject* object) {
  if (object != this) SetFocused(false);
}
