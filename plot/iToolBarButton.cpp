// The toolbar's buttons: their mouse mechanics, hints and faces.
#include <utility>

#include "platform/Resources.h"
#include "plot/dIredToolBar.h"

namespace {

constexpr TColor kDownFace = 0xEFEFEF;  // white less 0x101010

TiPlotObjectHooks ButtonHooks(TiPlotToolBar& toolBar) {
  TiPlotObjectHooks hooks;
  hooks.Owner = toolBar.Owner();
  return hooks;
}

void Strip(TCanvas& c, const TRect& r, TColor color) {
  c.Brush.Color = color;
  c.FillRect(r);
}

// A one-pixel frame on the outermost pixels: `topLeft` on the left and top
// edges, `bottomRight` on the right and bottom ones.
void TwoColourFrame(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
  Strip(c, {r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
  Strip(c, {r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
  Strip(c, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
  Strip(c, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
}

struct TFaceState {
  bool Flat, Sunk, Hot, Enabled;
};

// A flat button shows no edge until the pointer is over it; a latched one
// keeps a lighter face unless the pointer is on it.
void DrawFace(TCanvas& c, const TRect& r, const TFaceState& s) {
  c.Brush.Style = bsSolid;
  if (s.Flat) {
    if (s.Sunk && !s.Hot) Strip(c, r, kDownFace);
    if (!s.Enabled) return;
    if (s.Sunk) TwoColourFrame(c, r, clBtnShadow, clBtnHighlight);
    else if (s.Hot) TwoColourFrame(c, r, clBtnHighlight, clBtnShadow);
    return;
  }
  if (s.Sunk) {
    Strip(c, r, kDownFace);
    c.DrawEdge(r, esSunken);
  } else {
    c.DrawEdge(r, esRaised);
  }
}

}  // namespace

TiPlotToolBarButton::TiPlotToolBarButton(TiPlotToolBar& toolBar, bool separator)
    : TiPlotButton(ButtonHooks(toolBar)), ToolBar_(toolBar), Separator_(separator) {}

TiPlotToolBarButton::TiPlotToolBarButton(TiPlotToolBar& toolBar, TiPlotToolBarButtonType type, std::string hint,
                                         std::string glyphName, int32_t groupIndex)
    : TiPlotToolBarButton(toolBar, false) {
  Type_ = type;
  Hint_ = std::move(hint);
  LargeGlyph_ = std::move(glyphName);
  GlyphName_ = LargeGlyph_;
  GroupIndex = groupIndex;
}

std::unique_ptr<TiPlotToolBarButton> TiPlotToolBarButton::Separator(TiPlotToolBar& toolBar) {
  return std::unique_ptr<TiPlotToolBarButton>(new TiPlotToolBarButton(toolBar, true));
}

void TiPlotToolBarButton::SetSmallGlyph(bool small) {
  if (Separator_) return;
  GlyphName_ = small ? "SMALL" + LargeGlyph_ : LargeGlyph_;
  ImageIndex_ = -1;
}

void TiPlotToolBarButton::SetHot(bool value) {
  if (Separator_ || !StoreChanged(Hot_, value)) return;
  if (Flat_) ToolBar_.ButtonChanged();
}

// ---- mouse -----------------------------------------------------------------

void TiPlotToolBarButton::MouseDown(TiPlotMouseButton button, TiPlotShiftState shift, TiPopupMenu* menu,
                                    int screenX, int screenY, int x, int y) {
  if (button == ipmbRight) ToolBar_.MouseDown(button, shift, menu, screenX, screenY, x, y);
  else TiPlotButton::MouseDown(button, shift, menu, screenX, screenY, x, y);
}

void TiPlotToolBarButton::DoMouseLeftDown(const TiPlotMouseData& mouse) {
  Pressed_ = true;
  TiPlotButton::DoMouseLeftDown(mouse);  // repaints
}

// The base repaints and clicks only for a press it saw; a press cut short
// (the button was disabled meanwhile) still needs its face redrawn.
void TiPlotToolBarButton::DoMouseUp(const TiPlotMouseData& mouse) {
  const bool wasPressed = std::exchange(Pressed_, false);
  if (wasPressed && !MouseDownActive()) ToolBar_.ButtonChanged();
  TiPlotButton::DoMouseUp(mouse);
}

void TiPlotToolBarButton::DoMouseHover(const TiPlotMouseData& mouse, TiPlotHintData& hint) {
  ToolBar_.SetHotButton(this);
  if (Separator_) return;
  hint.Show = true;
  hint.Text = Translate(Hint_);
  hint.X = Rect.Left;
  hint.Y = Rect.Bottom + 3;
  if (ToolBar_.Chart.OnToolBarCustomizeHint) ToolBar_.Chart.OnToolBarCustomizeHint(ToolBar_.Index(), hint);
}

// ---- drawing ---------------------------------------------------------------

void TiPlotToolBarButton::Draw(TCanvas* canvas, TColor backGroundColor) {
  if (Separator_) return;
  TiToolBarImageList& images = ToolBar_.Images();
  if (ImageIndex_ < 0)
    ImageIndex_ = images.AddMasked(platform::ToolbarGlyph(GlyphName_), platform::kGlyphTransparentColor);
  const bool sunk = Down() || Pressed_;
  DrawFace(*canvas, Rect, {Flat_, sunk, Hot_, Enabled()});
  const int shift = sunk ? 1 : 0;
  const int x = Rect.Left + (Rect.Width() - images.Size()) / 2 + shift;
  const int y = Rect.Top + (Rect.Height() - images.Size()) / 2 + shift;
  images.Draw(*canvas, x, y, ImageIndex_, Enabled());
}
