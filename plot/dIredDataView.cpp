#include "plot/dIredDataView.h"

#include <cstdlib>

#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "plot/dIredMasterManager.h"
#include "plot/iLayoutAxisAccess.h"

namespace {


bool IsAll(const std::string& name) { return SameText(name, "<ALL>"); }

// The published fields of one grid group: GridLineXMajorCustom, ...Color,
// ...Width (stream default 1, so the default 0 is stored), ...Style.
void AddGroup(TClassBuilder<TiPlotDataView>& b, const std::string& prefix, TiPlotGridGroup g) {
  using V = TiPlotDataView;
  auto get = [g](const V& v) -> const TiPlotGridLineGroup& { return v.GridLineGroup(g); };
  auto with = [g](V& v, auto change) {
    TiPlotGridLineGroup group = v.GridLineGroup(g);
    change(group);
    v.SetGridLineGroup(g, group);
  };
  b.Bool(prefix + "Custom", [get](const V& v) { return get(v).Custom; },
         [with](V& v, bool x) { with(v, [x](TiPlotGridLineGroup& gr) { gr.Custom = x; }); });
  b.Color(prefix + "Color", [get](const V& v) { return get(v).Color; },
          [with](V& v, TColor x) { with(v, [x](TiPlotGridLineGroup& gr) { gr.Color = x; }); });
  b.Integer(prefix + "Width", [get](const V& v) { return get(v).Width; },
            [with](V& v, int32_t x) { with(v, [x](TiPlotGridLineGroup& gr) { gr.Width = x; }); })
      .Default(1);
  b.Enum(prefix + "Style", [get](const V& v) { return get(v).Style; },
         [with](V& v, TiPlotGridLineStyle x) { with(v, [x](TiPlotGridLineGroup& gr) { gr.Style = x; }); });
}

void AddEdge(TClassBuilder<TiPlotDataView>& b, const std::string& name, int edge) {
  using V = TiPlotDataView;
  b.Bool(name, [edge](const V& v) { return v.GridLineShow(edge); },
         [edge](V& v, bool x) { v.SetGridLineShow(edge, x); });
}

TClassInfo BuildClass() {
  using V = TiPlotDataView;
  TClassBuilder<V> b("TiPlotDataView");
  b.Inherits<TiPlotLayoutObject>()
      .String("Title", &V::Title, &V::SetTitle)
      .Bool("BackgroundTransparent", &V::BackgroundTransparent, &V::SetBackgroundTransparent)
      .Color("BackgroundColor", &V::BackgroundColor, &V::SetBackgroundColor)
      .Bool("GridShow", &V::GridShow, &V::SetGridShow)
      .String("GridXAxisName", &V::GridXAxisName, &V::SetGridXAxisName)
      .String("GridYAxisName", &V::GridYAxisName, &V::SetGridYAxisName)
      .Color("GridLineColor", &V::GridLineColor, &V::SetGridLineColor);
  AddEdge(b, "GridLineShowLeft", 0);
  AddEdge(b, "GridLineShowRight", 1);
  AddEdge(b, "GridLineShowTop", 2);
  AddEdge(b, "GridLineShowBottom", 3);
  b.Bool("GridLineShowXMajors", &V::GridLineShowXMajors, &V::SetGridLineShowXMajors)
      .Bool("GridLineShowXMinors", &V::GridLineShowXMinors, &V::SetGridLineShowXMinors)
      .Bool("GridLineShowYMajors", &V::GridLineShowYMajors, &V::SetGridLineShowYMajors)
      .Bool("GridLineShowYMinors", &V::GridLineShowYMinors, &V::SetGridLineShowYMinors)
      .Enum("GridLineMajorStyle", &V::GridLineMajorStyle, &V::SetGridLineMajorStyle)
      .Enum("GridLineMinorStyle", &V::GridLineMinorStyle, &V::SetGridLineMinorStyle);
  AddGroup(b, "GridLineXMajor", ipggXMajor);
  AddGroup(b, "GridLineXMinor", ipggXMinor);
  AddGroup(b, "GridLineYMajor", ipggYMajor);
  AddGroup(b, "GridLineYMinor", ipggYMinor);
  b.Bool("AxesControlEnabled", &V::AxesControlEnabled, &V::SetAxesControlEnabled)
      .Enum("AxesControlMouseStyle", &V::AxesControlMouseStyle, &V::SetAxesControlMouseStyle)
      .Enum("AxesControlWheelStyle", &V::AxesControlWheelStyle, &V::SetAxesControlWheelStyle);
  return b.Build();
}

}  // namespace

TiPlotDataView::TiPlotDataView(const TiPlotObjectHooks& hooks) : TiPlotLayoutObject(hooks) {}

const TClassInfo& TiPlotDataView::StaticClass() {
  static const TClassInfo info = BuildClass();
  return info;
}

void TiPlotDataView::SetGridXAxisName(const std::string& value) {
  if (GridXAxis_.SetName(value)) DoChange();
}

void TiPlotDataView::SetGridYAxisName(const std::string& value) {
  if (GridYAxis_.SetName(value)) DoChange();
}

void TiPlotDataView::NotifyRemove(TiPlotObject* object) {
  GridXAxis_.NotifyRemove(object);
  GridYAxis_.NotifyRemove(object);
}

void TiPlotDataView::NotifyRename(TiPlotObject* object) {
  // Both references may follow the same rename.
  const bool x = GridXAxis_.NotifyRename(object);
  const bool y = GridYAxis_.NotifyRename(object);
  if (x || y) DoChange();
}

void TiPlotDataView::NotifyFocus(TiPlotObject* object) {
  if (object != this) SetFocused(false);
}

// ---- percent positions -----------------------------------------------------

double TiPlotDataView::XPercentOfPixel(int x) const {
  const TRect& r = GetRect();
  const int width = r.Right - r.Left;
  return width == 0 ? 0 : static_cast<double>(x - r.Left) / width * 100;
}

double TiPlotDataView::YPercentOfPixel(int y) const {
  const TRect& r = GetRect();
  const int height = r.Bottom - r.Top;
  return height == 0 ? 0 : (1 - static_cast<double>(y - r.Top) / height) * 100;
}

int TiPlotDataView::PixelOfXPercent(double percent) const {
  const TRect& r = GetRect();
  return static_cast<int>(Round((r.Right - r.Left) * percent / 100 + r.Left));
}

int TiPlotDataView::PixelOfYPercent(double percent) const {
  const TRect& r = GetRect();
  return static_cast<int>(Round((r.Bottom - r.Top) * (100 - percent) / 100 + r.Top));
}

// ---- drawing ---------------------------------------------------------------

void TiPlotDataView::DrawBackground(TCanvas* canvas) {
  if (BackgroundTransparent_) return;
  canvas->Brush.Style = bsSolid;
  canvas->Brush.Color = BackgroundColor_;
  canvas->FillRect(GetRect());
}

template <class F>
void TiPlotDataView::ForEachAxis(bool x, bool y, F&& action) {
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  if (!master) return;
  if (x && master->XAxisManager())
    for (TiPlotObject* axis : std::vector<TiPlotObject*>(master->XAxisManager()->Items()))
      action(*static_cast<TiPlotAxis*>(axis));
  if (y && master->YAxisManager())
    for (TiPlotObject* axis : std::vector<TiPlotObject*>(master->YAxisManager()->Items()))
      action(*static_cast<TiPlotAxis*>(axis));
}

void TiPlotDataView::DrawGrid(TCanvas* canvas) {
  const TRect r = GetRect();
  auto pen = [&](TiPlotGridGroup g, TiPlotGridLineStyle fallback) {
    const TiPlotGridLineGroup& group = Groups_[g];
    return group.Custom ? layout_axis::GridPen{group.Width, group.Color, group.Style}
                        : layout_axis::GridPen{0, GridLineColor_, fallback};
  };
  auto draw = [&](TiPlotAxis& axis, TiPlotGridGroup major, TiPlotGridGroup minor, bool majors, bool minors) {
    layout_axis::DrawGridLines(axis, canvas, r, pen(minor, MinorStyle_), pen(major, MajorStyle_), minors, majors);
  };
  auto x = [&](TiPlotAxis& a) { draw(a, ipggXMajor, ipggXMinor, ShowXMajors_, ShowXMinors_); };
  auto y = [&](TiPlotAxis& a) { draw(a, ipggYMajor, ipggYMinor, ShowYMajors_, ShowYMinors_); };
  if (IsAll(GridXAxisName()))
    ForEachAxis(true, false, x);
  else if (TiPlotXAxis* axis = GridXAxis())
    x(*axis);
  if (IsAll(GridYAxisName()))
    ForEachAxis(false, true, y);
  else if (TiPlotYAxis* axis = GridYAxis())
    y(*axis);
}

// The bottom edge reaches right + 1 so that the corner pixel is closed.
void TiPlotDataView::DrawBorder(TCanvas* canvas, TColor color) {
  const TRect r = GetRect();
  canvas->Pen = TPen{};
  canvas->Pen.Color = color;
  auto line = [&](int x0, int y0, int x1, int y1) {
    canvas->MoveTo(x0, y0);
    canvas->LineTo(x1, y1);
  };
  if (EdgeShow_[0]) line(r.Left, r.Top, r.Left, r.Bottom);
  if (EdgeShow_[1]) line(r.Right, r.Top, r.Right, r.Bottom);
  if (EdgeShow_[2]) line(r.Left, r.Top, r.Right, r.Top);
  if (EdgeShow_[3]) line(r.Left, r.Bottom, r.Right + 1, r.Bottom);
}

void TiPlotDataView::Draw(TCanvas* canvas, TColor backGroundColor) {
  const TRect r = GetRect();
  if (GridShow_) {
    DrawGrid(canvas);
    DrawBorder(canvas, GridLineColor_);
  }
  if (Focused()) {
    DrawBorder(canvas, backGroundColor);
    canvas->DrawFocusRect(Rect(r.Left, r.Top, r.Right + 1, r.Bottom + 1));
  }
  if (Pressed_ && MouseMode() == mmZoomBox)
    canvas->DrawFocusRect(Rect(BoxStart_.X, BoxStart_.Y, BoxEnd_.X, BoxEnd_.Y));
}

// ---- mouse -----------------------------------------------------------------

TiPlotDataViewHost* TiPlotDataView::Host() const { return dynamic_cast<TiPlotDataViewHost*>(Owner()); }

TiPlotDataView::TMouseMode TiPlotDataView::MouseMode() {
  TiPlotDataViewHost* host = Host();
  if (host && host->SelectModeActive()) return mmSelect;
  if (host && host->ZoomBoxModeActive()) return mmZoomBox;
  if (AxesControlEnabled_) return mmAxesControl;
  return mmNone;
}

void TiPlotDataView::ZoomBox(const TRect& rect) {
  TiPlotDataViewHost* host = Host();
  if (host && !host->BeforeZoomBox(rect)) return;
  ForEachAxis(true, true, [&](TiPlotAxis& axis) {
    if constexpr (requires { axis.ZoomToRect(rect); }) axis.ZoomToRect(rect);
  });
}

void TiPlotDataView::DoMouseLeftDown(const TiPlotMouseData& mouse) {
  Pressed_ = true;
  AxisChoiceMade_ = false;
  const TPoint point{mouse.X, mouse.Y};
  switch (MouseMode()) {
    case mmZoomBox:
      if (TiPlotDataViewHost* host = Host()) host->PauseAll();
      BoxStart_ = BoxEnd_ = point;
      if (OnRepaintNow) OnRepaintNow(this);
      break;
    case mmAxesControl:
      PressPoint_ = point;
      ForEachAxis(true, true, [&](TiPlotAxis& axis) { axis.DoMouseLeftDown(mouse); });
      break;
    default: break;
  }
}

// Which axes a drag moves; with ipacsBoth and Shift the choice is made once
// the pointer has left the press point far enough, and then kept.
void TiPlotDataView::ChooseDragAxes(const TiPlotMouseData& mouse, bool& x, bool& y) {
  const bool shift = (mouse.Shift & ShiftBit(ipssShift)) != 0;
  switch (MouseStyle_) {
    case ipacsXAxis: x = !shift, y = shift; return;
    case ipacsYAxis: x = shift, y = !shift; return;
    case ipacsBoth: break;
  }
  x = y = true;
  if (shift && !AxisChoiceMade_) {
    if (std::abs(mouse.X - PressPoint_.X) > 3) AxisChoiceMade_ = true, ChosenX_ = true;
    if (std::abs(mouse.Y - PressPoint_.Y) >= 4) AxisChoiceMade_ = true, ChosenX_ = false;
  }
  if (AxisChoiceMade_) x = ChosenX_, y = !ChosenX_;
}

void TiPlotDataView::DoMouseDrag(const TiPlotMouseData& mouse) {
  if (!Pressed_) return;
  switch (MouseMode()) {
    case mmZoomBox: {
      TiPlotDataViewHost* host = Host();
      if (host && host->AxisMultiSelect()) return;
      BoxEnd_ = {mouse.X, mouse.Y};
      if (OnRepaintNow) OnRepaintNow(this);
      break;
    }
    case mmAxesControl: {
      bool x = false, y = false;
      ChooseDragAxes(mouse, x, y);
      ForEachAxis(x, y, [&](TiPlotAxis& axis) { axis.DoMouseDrag(mouse); });
      break;
    }
    default: break;
  }
}

void TiPlotDataView::DoMouseUp(const TiPlotMouseData& mouse) {
  if (!Pressed_) return;
  TiPlotDataViewHost* host = Host();
  switch (MouseMode()) {
    case mmZoomBox:
      // Only a box drawn from top-left to bottom-right zooms.
      if (!(host && host->AxisMultiSelect()) && BoxStart_.X < BoxEnd_.X && BoxStart_.Y < BoxEnd_.Y) {
        ZoomBox(Rect(BoxStart_.X, BoxStart_.Y, BoxEnd_.X, BoxEnd_.Y));
        if (OnRepaintNow) OnRepaintNow(this);
      }
      break;
    case mmAxesControl: ForEachAxis(true, true, [&](TiPlotAxis& axis) { axis.DoMouseUp(mouse); }); break;
    default: break;
  }
  if (GetRect().Contains({mouse.RawX, mouse.RawY}) && host) host->DataViewClick(this);
  Pressed_ = false;
  if (OnRepaintNow) OnRepaintNow(this);
}

bool TiPlotDataView::MouseWheel(int delta, TiPlotShiftState shift, TPoint position) {
  if (MouseMode() != mmAxesControl) return false;
  const bool shifted = (shift & ShiftBit(ipssShift)) != 0;
  bool x = true, y = true;
  if (WheelStyle_ == ipacsXAxis) x = !shifted, y = shifted;
  if (WheelStyle_ == ipacsYAxis) x = shifted, y = !shifted;
  ForEachAxis(x, y, [&](TiPlotAxis& axis) { axis.MouseWheel(delta, shift, position); });
  return true;
}

TiPlotCursorId TiPlotDataView::GetMouseCursor(TPoint) {
  switch (MouseMode()) {
    case mmZoomBox: return crDrag;
    case mmAxesControl: return crHandPoint;
    default: return crDefault;
  }
}
