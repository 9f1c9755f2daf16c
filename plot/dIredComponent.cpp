#include "plot/dIredComponent.h"

#include <algorithm>

#include "components/iFont.h"
#include "platform/Canvas.h"
#include "platform/Exception.h"
#include "platform/Metafile.h"
#include "platform/PopupMenu.h"
#include "platform/SaveDialog.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredLimit.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"
#include "plot/iLayoutAxisAccess.h"
#include "plot/iPlotScaledAxis.h"
#include "plot/iPlotStream.h"

namespace {

TFont WhiteFont() {
  TFont font;
  font.Color = clWhite;
  return font;
}

template <class M>
void ClearAll(M* manager) {
  if (manager) manager->Clear();
}

std::vector<platform::TMenuEntry> MenuEntries(const std::vector<std::unique_ptr<TiMenuItem>>& items) {
  std::vector<platform::TMenuEntry> entries;
  for (const auto& item : items)
    entries.push_back({item->Caption, item->Visible, item->Enabled, item->Checked, item->OnClick,
                       MenuEntries(item->Items)});
  return entries;
}

template <class T>
std::string TranslateWith(T* table, const std::string& text) {
  if constexpr (requires { table->Translate(text); })
    return table ? table->Translate(text) : text;
  else
    return text;
}

}  // namespace

// ---- construction ----------------------------------------------------------

TiPlotComponent::TiPlotComponent() : AnnotationFont_(WhiteFont()) {
  SetBounds(0, 0, 500, 200);
  SetBackGroundColor(clBlack);
  SetBorderStyle(ibsLowered);
  SetUpdateFrameRate(60);
  SetAutoFrameRate(true);
  Master_ = std::make_unique<TiPlotMasterManager>(
      this,
      [this](TiObject*) {
        InvalidateChange();
        if (LoggingActive_) LogSampleAdded();
      },
      [this](TiObject* o) { ForgetObject(o); },
      [this](TiObject*) { InvalidateNow(); });
  Master_->OnInsert = [this](TiObject* o) { WireObject(o); };
  OnInternalTimer = [this](TiVCLComponent*) { HintTimerExpired(); };
}

TiPlotComponent::~TiPlotComponent() {
  // What waits is written while the channels still exist; a destructor has
  // nobody to report a failure to.
  try {
    if (LoggingActive_) LogDeactivate();
  } catch (const std::exception&) {
  }
  LoggingActive_ = false;
  Pressed_ = Hovered_ = LastReleased_ = nullptr;
  OnInternalTimer = nullptr;
  if (Master_->ObjectManager()) Master_->ObjectManager()->DetachHooks();
  Master_.reset();
}

// Toolbars reach the chart-wide operations through their chart link, also
// when they were read from a stored description.
void TiPlotComponent::WireObject(TiObject* object) {
  if (auto* cursor = dynamic_cast<TiPlotDataCursor*>(object)) {
    // The one object event a loading chart still reports.
    cursor->OnValuesChange = [this, cursor](TiObject*) {
      if (OnDataCursorChange) OnDataCursorChange(this, IndexOf(cursor));
    };
    cursor->OnBeforeUpdate = [this, cursor](TiObject*) {
      if (!Loading_ && OnBeforeDataCursorUpdate) OnBeforeDataCursorUpdate(this, IndexOf(cursor));
    };
    cursor->OnCustomizeHint = [this](TiPlotDataCursor* c, std::string& text) {
      if (!Loading_ && OnDataCursorCustomizeHint) OnDataCursorCustomizeHint(this, IndexOf(c), text);
    };
  }
  auto* toolBar = dynamic_cast<TiPlotToolBar*>(object);
  if (!toolBar) return;
  toolBar->Chart.PauseAll = [this] { PauseAll(); };
  toolBar->Chart.ResumeAll = [this] { ResumeAll(); };
  toolBar->Chart.SetSelectMode = [this](bool on) { SetSelectMode(on); };
  toolBar->Chart.CopyToClipboard = [this] { CopyToClipboard(); };
  toolBar->Chart.SaveImageDialog = [this] { SaveImageDialog(); };
  toolBar->Chart.PrintChart = [this] { PrintChart(); };
  toolBar->Chart.ShowPreview = [this] { ShowPreview(); };
  toolBar->Chart.OnToolBarButtonClick = [this](int index, TiPlotToolBarButtonType type) {
    if (!Loading_ && OnToolBarButtonClick) OnToolBarButtonClick(this, index, type);
  };
  toolBar->Chart.OnToolBarCustomizeHint = [this](int index, TiPlotHintData& hint) {
    if (!Loading_ && OnToolBarCustomizeHint) OnToolBarCustomizeHint(this, index, hint.Text);
  };
}

void TiPlotComponent::ForgetObject(TiObject* object) {
  if (object == Pressed_) Pressed_ = nullptr;
  if (object == Hovered_) Hovered_ = nullptr;
  if (object == LastReleased_) LastReleased_ = nullptr;
}

// ---- object access ---------------------------------------------------------

int TiPlotComponent::ToolBarCount() const { return Master_->ToolBarManager()->Count(); }
TiPlotToolBar* TiPlotComponent::ToolBar(int i) const { return Master_->ToolBarManager()->ToolBar(i); }
void TiPlotComponent::DeleteToolBar(int i) { Master_->ToolBarManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllToolBars() { ClearAll(Master_->ToolBarManager()), InvalidateChange(); }
int TiPlotComponent::LegendCount() const { return Master_->LegendManager()->Count(); }
TiPlotLegend* TiPlotComponent::Legend(int i) const { return Master_->LegendManager()->Legend(i); }
void TiPlotComponent::DeleteLegend(int i) { Master_->LegendManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllLegends() { ClearAll(Master_->LegendManager()), InvalidateChange(); }
int TiPlotComponent::TableCount() const { return Master_->TableManager()->Count(); }
TiPlotTable* TiPlotComponent::Table(int i) const { return Master_->TableManager()->Table(i); }
void TiPlotComponent::DeleteTable(int i) { Master_->TableManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllTables() { ClearAll(Master_->TableManager()), InvalidateChange(); }
int TiPlotComponent::XAxisCount() const { return Master_->XAxisManager()->Count(); }
TiPlotXAxis* TiPlotComponent::XAxis(int i) const { return Master_->XAxisManager()->XAxis(i); }
void TiPlotComponent::DeleteXAxis(int i) { Master_->XAxisManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllXAxes() { ClearAll(Master_->XAxisManager()), InvalidateChange(); }
int TiPlotComponent::AddXAxis() {
  (new TiPlotChartAxis<TiPlotXAxis>(Master_->Hooks()))->Inserted();
  return Added(XAxisCount() - 1);
}
int TiPlotComponent::YAxisCount() const { return Master_->YAxisManager()->Count(); }
TiPlotYAxis* TiPlotComponent::YAxis(int i) const { return Master_->YAxisManager()->YAxis(i); }
void TiPlotComponent::DeleteYAxis(int i) { Master_->YAxisManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllYAxes() { ClearAll(Master_->YAxisManager()), InvalidateChange(); }
int TiPlotComponent::AddYAxis() {
  (new TiPlotChartAxis<TiPlotYAxis>(Master_->Hooks()))->Inserted();
  return Added(YAxisCount() - 1);
}
int TiPlotComponent::ChannelCount() const { return Master_->ChannelManager()->Count(); }
TiPlotChannelCustom* TiPlotComponent::ChannelCustom(int i) const { return Master_->ChannelManager()->Channel(i); }
void TiPlotComponent::DeleteChannel(int i) { Master_->ChannelManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllChannels() { ClearAll(Master_->ChannelManager()), InvalidateChange(); }
int TiPlotComponent::DataViewCount() const { return Master_->DataViewManager()->Count(); }
TiPlotDataView* TiPlotComponent::DataView(int i) const { return Master_->DataViewManager()->DataView(i); }
void TiPlotComponent::DeleteDataView(int i) { Master_->DataViewManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllDataViews() { ClearAll(Master_->DataViewManager()), InvalidateChange(); }
int TiPlotComponent::DataCursorCount() const { return Master_->DataCursorManager()->Count(); }
TiPlotDataCursor* TiPlotComponent::DataCursor(int i) const { return Master_->DataCursorManager()->DataCursor(i); }
void TiPlotComponent::DeleteDataCursor(int i) { Master_->DataCursorManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllDataCursors() { ClearAll(Master_->DataCursorManager()), InvalidateChange(); }
int TiPlotComponent::LimitCount() const { return Master_->LimitManager()->Count(); }
TiPlotLimit* TiPlotComponent::Limit(int i) const { return Master_->LimitManager()->Limit(i); }
void TiPlotComponent::DeleteLimit(int i) { Master_->LimitManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllLimits() { ClearAll(Master_->LimitManager()), InvalidateChange(); }
int TiPlotComponent::LabelCount() const { return Master_->LabelManager()->Count(); }
TiPlotLabel* TiPlotComponent::Label(int i) const { return Master_->LabelManager()->Label(i); }
int TiPlotComponent::AnnotationCount() const { return Master_->AnnotationManager()->Count(); }
TiPlotAnnotation* TiPlotComponent::Annotation(int i) const { return Master_->AnnotationManager()->Annotation(i); }
void TiPlotComponent::DeleteAnnotation(int i) { Master_->AnnotationManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllAnnotations() { ClearAll(Master_->AnnotationManager()), InvalidateChange(); }

void TiPlotComponent::DeleteLabel(int index) {
  if (index == 0) throw Exception("Label Index 0 can not be Deleted (Resevered for Title)");
  Master_->LabelManager()->Delete(index);
}

void TiPlotComponent::RemoveAllLabels() {
  while (LabelCount() > 1) DeleteLabel(1);
}

int TiPlotComponent::AddAnnotation() {
  const int index = Master_->AddAnnotation();
  TiPlotAnnotation* a = Annotation(index);
  a->SetFont(AnnotationFont_);
  a->SetBrushStyle(AnnotationBrushStyle_);
  a->SetBrushColor(AnnotationBrushColor_);
  a->SetPenStyle(AnnotationPenStyle_);
  a->SetPenColor(AnnotationPenColor_);
  a->SetPenWidth(AnnotationPenWidth_);
  return Added(index);
}

int TiPlotComponent::TranslationCount() const { return Master_->TranslationManager()->Count(); }
int TiPlotComponent::AddTranslation(const std::string& original, const std::string& replacement) {
  Master_->TranslationManager()->AddTranslation(original, replacement);
  return Added(0);
}
void TiPlotComponent::DeleteTranslation(int i) { Master_->TranslationManager()->Delete(i), InvalidateChange(); }
void TiPlotComponent::RemoveAllTranslations() { Master_->TranslationManager()->Clear(), InvalidateChange(); }

TiPlotChannelCustom* TiPlotComponent::FindChannel(const std::string& name) const {
  return dynamic_cast<TiPlotChannelCustom*>(Master_->ChannelManager()->FindByName(name));
}
TiPlotXAxis* TiPlotComponent::FindXAxis(const std::string& name) const {
  return dynamic_cast<TiPlotXAxis*>(Master_->XAxisManager()->FindByName(name));
}
TiPlotYAxis* TiPlotComponent::FindYAxis(const std::string& name) const {
  return dynamic_cast<TiPlotYAxis*>(Master_->YAxisManager()->FindByName(name));
}

// ---- chart-wide operations -------------------------------------------------

void TiPlotComponent::PauseAll() {
  for (int i = 0; i < XAxisCount(); ++i) layout_axis::SetTrackingEnabled(*XAxis(i), false);
  for (int i = 0; i < YAxisCount(); ++i) layout_axis::SetTrackingEnabled(*YAxis(i), false);
}

void TiPlotComponent::ResumeAll() {
  for (int i = 0; i < XAxisCount(); ++i) layout_axis::SetTrackingEnabled(*XAxis(i), true);
  for (int i = 0; i < YAxisCount(); ++i) layout_axis::SetTrackingEnabled(*YAxis(i), true);
}

void TiPlotComponent::ClearAllData() {
  if (LoggingActive_) LogDeactivate();
  Master_->ClearAllData();
}

bool TiPlotComponent::SelectModeActive() { return ToolBarCount() > 0 && ToolBar(0)->SelectButtonDown(); }

bool TiPlotComponent::ZoomBoxModeActive() { return ToolBarCount() > 0 && ToolBar(0)->ZoomBoxButtonDown(); }

void TiPlotComponent::SetSelectMode(bool on) {
  if (ToolBarCount() > 0 && ToolBar(0)->SelectButtonDown() != on) ToolBar(0)->ClickSelect();
}

bool TiPlotComponent::TryOccupyRect(const TRect& rect) {
  auto meets = [&](const TRect& r) {
    return rect.Left < r.Right && r.Left < rect.Right && rect.Top < r.Bottom && r.Top < rect.Bottom;
  };
  for (const TRect& r : Occupied_)
    if (meets(r)) return false;
  if (!Occupied_.empty() && DataViewCount() > 0) {
    const TRect view = DataView(0)->GetRect();
    const bool inside = rect.Left >= view.Left && rect.Top >= view.Top && rect.Right <= view.Right &&
                        rect.Bottom <= view.Bottom;
    if (!inside) return false;
  }
  Occupied_.push_back(rect);
  return true;
}

// ---- properties ------------------------------------------------------------

int TiPlotComponent::DataViewZHorz() const { return LayoutManager()->DataViewHorz()->ZOrder(); }
void TiPlotComponent::SetDataViewZHorz(int value) { LayoutManager()->DataViewHorz()->SetZOrder(value); }
int TiPlotComponent::DataViewZVert() const { return LayoutManager()->DataViewVert()->ZOrder(); }
void TiPlotComponent::SetDataViewZVert(int value) { LayoutManager()->DataViewVert()->SetZOrder(value); }
void TiPlotComponent::SetXYAxesReverse(bool value) {
  if (value != XYAxesReverse()) Master_->SetXYAxesReverse(value);
}
void TiPlotComponent::SetUserCanEditObjects(bool value) { Master_->SetEditAllowed(value); }

bool TiPlotComponent::TitleVisible() const { return LabelCount() > 0 && Label(0)->Visible(); }
void TiPlotComponent::SetTitleVisible(bool value) {
  if (LabelCount() > 0) Label(0)->SetVisible(value);
}
std::string TiPlotComponent::TitleText() const { return LabelCount() > 0 ? Label(0)->Caption() : std::string(); }
void TiPlotComponent::SetTitleText(const std::string& value) {
  if (LabelCount() > 0) Label(0)->SetCaption(value);
}
TFont TiPlotComponent::TitleFont() const { return LabelCount() > 0 ? Label(0)->Font() : TFont{}; }
void TiPlotComponent::SetTitleFont(const TFont& value) {
  if (LabelCount() > 0) Label(0)->SetFont(value);
}
double TiPlotComponent::TitleMargin() const { return LabelCount() > 0 ? Label(0)->MarginBottom() : 0; }
void TiPlotComponent::SetTitleMargin(double value) {
  if (LabelCount() > 0) Label(0)->SetMarginBottom(value);
}

std::string TiPlotComponent::Translate(const std::string& text) {
  return TranslateWith(Master_->TranslationManager(), text);
}

// ---- events ----------------------------------------------------------------

TiPlotEventKind TiPlotComponent::KindOf(const TiPlotObject* object) const {
  if (dynamic_cast<const TiPlotXAxis*>(object)) return ipekXAxis;
  if (dynamic_cast<const TiPlotYAxis*>(object)) return ipekYAxis;
  if (dynamic_cast<const TiPlotDataView*>(object)) return ipekDataView;
  if (dynamic_cast<const TiPlotLegend*>(object)) return ipekLegend;
  if (dynamic_cast<const TiPlotChannelCustom*>(object)) return ipekChannel;
  if (dynamic_cast<const TiPlotLimit*>(object)) return ipekLimit;
  if (dynamic_cast<const TiPlotDataCursor*>(object)) return ipekDataCursor;
  if (dynamic_cast<const TiPlotAnnotation*>(object)) return ipekAnnotation;
  return ipekNone;
}

int TiPlotComponent::IndexOf(const TiPlotObject* object) const {
  TiPlotObjectManagerCustom* manager = nullptr;
  switch (KindOf(object)) {
    case ipekXAxis: manager = Master_->XAxisManager(); break;
    case ipekYAxis: manager = Master_->YAxisManager(); break;
    case ipekDataView: manager = Master_->DataViewManager(); break;
    case ipekLegend: manager = Master_->LegendManager(); break;
    case ipekChannel: manager = Master_->ChannelManager(); break;
    case ipekLimit: manager = Master_->LimitManager(); break;
    case ipekDataCursor: manager = Master_->DataCursorManager(); break;
    case ipekAnnotation: manager = Master_->AnnotationManager(); break;
    default: break;
  }
  return manager ? manager->IndexOf(object) : -1;
}

// Object events are dropped while the plot reads its stored description.
void TiPlotComponent::Fire(const TiPlotIndexEvent* events, const TiPlotObject* object) {
  if (Loading_) return;
  const TiPlotEventKind kind = KindOf(object);
  if (kind == ipekNone || !events[kind]) return;
  events[kind](this, IndexOf(object));
}

bool TiPlotComponent::ObjectPopupAllowed(TiPlotObject* object) {
  const TiPlotEventKind kind = KindOf(object);
  bool cancel = false;
  if (!Loading_ && kind != ipekNone && OnPopupMenu[kind]) OnPopupMenu[kind](this, IndexOf(object), cancel);
  return !cancel;
}

void TiPlotComponent::ShowPopupMenu(TiPopupMenu& menu, int screenX, int screenY) {
  platform::PopupMenu(MenuEntries(menu.Items), screenX, screenY);
}

void TiPlotComponent::ObjectMouseDown(TiPlotObject* object, const TiPlotMouseData&) { Fire(OnMouseDown, object); }
void TiPlotComponent::ObjectMouseMove(TiPlotObject* object, const TiPlotMouseData&) { Fire(OnMouseMove, object); }
void TiPlotComponent::ObjectGotFocus(TiPlotObject* object) { Fire(OnGotFocus, object); }
void TiPlotComponent::ObjectLostFocus(TiPlotObject* object) { Fire(OnLostFocus, object); }

// A reported click becomes the double-click event when one is pending.
void TiPlotComponent::ObjectClick(TiPlotObject* object, const TiPlotMouseData&) {
  Fire(DblClickPending_ ? OnDblClick : OnClick, object);
  DblClickPending_ = false;
}

void TiPlotComponent::ObjectDataPointClick(TiPlotObject* object, int point) {
  const TiPlotDataPointEvent& event = DblClickPending_ ? OnDblClickDataPoint : OnClickDataPoint;
  DblClickPending_ = false;
  if (!Loading_ && event) event(this, IndexOf(object), point);
}

void TiPlotComponent::DataViewClick(TiPlotObject* view) { ObjectClick(view, {}); }

bool TiPlotComponent::BeforeZoomBox(const TRect& rect) {
  bool cancel = false;
  if (!Loading_ && OnBeforeZoomBox) OnBeforeZoomBox(this, rect, cancel);
  return !cancel;
}

// Axes report every range step of their tracking, so the kind of the axis
// is looked up only when a handler for it is assigned.
template <class Event, class... Args>
void TiPlotComponent::FireAxis(TiPlotAxis* axis, const Event& onX, const Event& onY, Args&&... args) {
  if (Loading_ || (!onX && !onY)) return;
  const Event& event = KindOf(axis) == ipekXAxis ? onX : onY;
  if (event) event(this, IndexOf(axis), std::forward<Args>(args)...);
}

bool TiPlotComponent::AxisRangeHeard() const {
  return OnXAxisMinChange || OnYAxisMinChange || OnXAxisSpanChange || OnYAxisSpanChange || OnXAxisMinSpanChange ||
         OnYAxisMinSpanChange;
}

void TiPlotComponent::AxisMinChange(TiPlotAxis* axis, double oldValue, double newValue) {
  FireAxis(axis, OnXAxisMinChange, OnYAxisMinChange, oldValue, newValue);
}

void TiPlotComponent::AxisSpanChange(TiPlotAxis* axis, double oldValue, double newValue) {
  FireAxis(axis, OnXAxisSpanChange, OnYAxisSpanChange, oldValue, newValue);
}

void TiPlotComponent::AxisMinSpanChange(TiPlotAxis* axis, double oldMin, double oldSpan, double newMin,
                                        double newSpan) {
  FireAxis(axis, OnXAxisMinSpanChange, OnYAxisMinSpanChange, oldMin, oldSpan, newMin, newSpan);
}

void TiPlotComponent::AxisCustomizeLabel(TiPlotAxis* axis, double value, std::string& text) {
  FireAxis(axis, OnXAxisCustomizeLabel, OnYAxisCustomizeLabel, value, text);
}

void TiPlotComponent::AxisCustomizeHint(TiPlotAxis* axis, std::string& text) {
  FireAxis(axis, OnXAxisCustomizeHint, OnYAxisCustomizeHint, text);
}

void TiPlotComponent::LimitLinePositionChange(TiPlotLimit* limit, int line, double newValue, double oldValue) {
  const TiPlotLimitPositionEvent& event = line == 1 ? OnLimitLine1PositionChange : OnLimitLine2PositionChange;
  if (!Loading_ && event) event(this, IndexOf(limit), newValue, oldValue);
}

// Also quiet while updates are locked: an application that sets many
// coordinates at once does so inside BeginUpdate/EndUpdate.
void TiPlotComponent::AnnotationCoordinatesChange(TiPlotAnnotation* annotation) {
  if (!Loading_ && !UpdateLocked() && OnAnnotationCoordinatesChange)
    OnAnnotationCoordinatesChange(this, IndexOf(annotation));
}

void TiPlotComponent::AnnotationCoordinatesChangeFinished(TiPlotAnnotation* annotation) {
  if (!Loading_ && !UpdateLocked() && OnAnnotationCoordinatesChangeFinished)
    OnAnnotationCoordinatesChangeFinished(this, IndexOf(annotation));
}
