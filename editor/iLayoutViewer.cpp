#include "editor/iLayoutViewer.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "plot/dIredComponent.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"

namespace {

// A press that moves less than this is a click, not a drag.
constexpr int kDragStart = 3;

QRect ToQt(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
TPoint ToPoint(QPoint p) { return {p.x(), p.y()}; }

QColor KindColor(const TiPlotObject* object) {
  if (dynamic_cast<const TiPlotAxis*>(object)) return QColor(0xB8, 0xD4, 0xF0);
  if (dynamic_cast<const TiPlotToolBar*>(object)) return QColor(0xD8, 0xD8, 0xD8);
  if (dynamic_cast<const TiPlotLegend*>(object)) return QColor(0xF4, 0xE8, 0xA8);
  if (dynamic_cast<const TiPlotLabel*>(object)) return QColor(0xC4, 0xE8, 0xC0);
  if (dynamic_cast<const TiPlotTable*>(object)) return QColor(0xC0, 0xEC, 0xEC);
  return QColor(0xE8, 0xE8, 0xE8);
}

// The name across the box: turned to read upward in a vertical lane.
void DrawName(QPainter& painter, const QRect& box, const QString& name, bool vertical) {
  painter.save();
  QRect text = box.adjusted(2, 0, -2, 0);
  if (vertical) {
    painter.translate(box.center());
    painter.rotate(-90);
    text = QRect(-box.height() / 2 + 2, -box.width() / 2, box.height() - 4, box.width());
  }
  painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine,
                   painter.fontMetrics().elidedText(name, Qt::ElideRight, text.width()));
  painter.restore();
}

void DrawBox(QPainter& painter, const QRect& box, const TiPlotObject* object, const QString& name, bool vertical) {
  const bool shown = object->Visible();
  painter.setPen(QPen(shown ? Qt::black : Qt::gray));
  painter.setBrush(shown ? QBrush(KindColor(object)) : QBrush(Qt::gray, Qt::BDiagPattern));
  painter.drawRect(box.adjusted(0, 0, -1, -1));
  DrawName(painter, box, name, vertical);
}

}  // namespace

TiLayoutViewer::TiLayoutViewer(TiPlotComponent* plot, QWidget* parent) : QWidget(parent), Plot_(plot) {
  setMouseTracking(true);
  setMinimumSize(200, 150);
}

TiLayoutViewer::~TiLayoutViewer() = default;

TiLayoutPicture TiLayoutViewer::Picture() const {
  return LayoutPicture(*Plot_->LayoutManager(), width(), height(), kLaneThickness);
}

TiPlotObject* TiLayoutViewer::ObjectAt(QPoint at) const {
  const TiLayoutPicture picture = Picture();
  if (const TiLayoutPictureItem* item = picture.ItemAt(ToPoint(at))) return item->Object;
  if (picture.DataView.Contains(ToPoint(at)) && Plot_->DataViewCount() > 0) return Plot_->DataView(0);
  return nullptr;
}

// ---- drawing -----------------------------------------------------------------

void TiLayoutViewer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  const TiLayoutPicture picture = Picture();
  if (Plot_->DataViewCount() > 0) {
    TiPlotDataView* view = Plot_->DataView(0);
    DrawBox(painter, ToQt(picture.DataView), view, QString::fromStdString(view->Name()), false);
  }
  for (const TiLayoutPictureItem& item : picture.Items)
    DrawBox(painter, ToQt(item.Rect), item.Object, QString::fromStdString(item.Object->Name()),
            !item.Object->Horizontal());
  if (Drag_) {
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ToQt(GhostRect(picture)).adjusted(0, 0, -1, -1));
  }
}

// Where the dragged box would be along its side; across the lanes it
// follows the pointer.
TRect TiLayoutViewer::GhostRect(const TiLayoutPicture& picture) const {
  const TiLayoutPictureItem* item = picture.ItemOf(Drag_->Object);
  if (!item) return {};
  const TiLayoutMove move = ResolveDrag(picture, *item, Drag_->Part, Drag_->From, Drag_->To);
  const TiPlotLayoutObject& o = *Drag_->Object;
  const double ppp = item->PixelsPerPercent;
  const int lowShift = static_cast<int>((move.StartPercent - o.StartPercent()) * ppp);
  const int highShift = static_cast<int>((move.StopPercent - o.StopPercent()) * ppp);
  TRect r = item->Rect;
  if (o.Horizontal()) {
    r.Left += lowShift, r.Right += highShift;
    if (Drag_->Part == ildpBody) r.Top += Drag_->To.Y - Drag_->From.Y, r.Bottom += Drag_->To.Y - Drag_->From.Y;
  } else {
    r.Bottom -= lowShift, r.Top -= highShift;
    if (Drag_->Part == ildpBody) r.Left += Drag_->To.X - Drag_->From.X, r.Right += Drag_->To.X - Drag_->From.X;
  }
  return r;
}

// ---- dragging ----------------------------------------------------------------

void TiLayoutViewer::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const TiLayoutPicture picture = Picture();
  const TPoint at = ToPoint(event->position().toPoint());
  const TiLayoutPictureItem* item = picture.ItemAt(at);
  if (!item) return;
  const TiLayoutDragPart part = DragPartAt(*item, at);
  if (part != ildpNone) Drag_ = TDrag{item->Object, part, at, at};
}

void TiLayoutViewer::mouseMoveEvent(QMouseEvent* event) {
  const TPoint at = ToPoint(event->position().toPoint());
  if (Drag_) {
    Drag_->To = at;
    update();
    return;
  }
  const TiLayoutPicture picture = Picture();
  const TiLayoutPictureItem* item = picture.ItemAt(at);
  const TiLayoutDragPart part = item ? DragPartAt(*item, at) : ildpNone;
  const bool horizontal = item && item->Object->Horizontal();
  if (part == ildpStart || part == ildpStop)
    setCursor(horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
  else
    setCursor(part == ildpBody ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void TiLayoutViewer::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !Drag_) return;
  TDrag drag = *Drag_;
  Drag_.reset();
  drag.To = ToPoint(event->position().toPoint());
  const bool moved = std::abs(drag.To.X - drag.From.X) >= kDragStart || std::abs(drag.To.Y - drag.From.Y) >= kDragStart;
  const TiLayoutPicture picture = Picture();
  const TiLayoutPictureItem* item = picture.ItemOf(drag.Object);
  if (moved && item) {
    ApplyMove(*Plot_->LayoutManager(), *drag.Object, ResolveDrag(picture, *item, drag.Part, drag.From, drag.To));
    Changed();
  }
  update();
}

// ---- popup menu --------------------------------------------------------------

void TiLayoutViewer::contextMenuEvent(QContextMenuEvent* event) {
  Drag_.reset();
  PopupMenu(event->pos())->exec(event->globalPos());
}

std::unique_ptr<QMenu> TiLayoutViewer::PopupMenu(QPoint at) {
  auto menu = std::make_unique<QMenu>(this);
  TiPlotObject* object = ObjectAt(at);
  auto add = [&](const char* caption, auto action) {
    QAction* a = menu->addAction(QString::fromStdString(Plot_->Translate(caption)));
    connect(a, &QAction::triggered, this, [this, action] {
      action();
      Changed();
    });
    return a;
  };
  QAction* reverse = add("XY-Axes Reverse", [this] { Plot_->SetXYAxesReverse(!Plot_->XYAxesReverse()); });
  reverse->setCheckable(true);
  reverse->setChecked(Plot_->XYAxesReverse());
  menu->addSeparator();
  add("Add X-Axis", [this] { Plot_->AddXAxis(); });
  add("Add Y-Axis", [this] { Plot_->AddYAxis(); });
  add("Add Label", [this] { Plot_->AddLabel(); });
  menu->addSeparator();
  // The object is looked for again when the item is chosen: the chart may
  // have changed while the menu was open.
  add("Delete", [this, object] {
    if (StillThere(object) && CanDelete(object)) Delete(object);
  })->setEnabled(CanDelete(object));
  QAction* visible = add("Visible", [this, object] {
    if (StillThere(object)) object->SetVisible(!object->Visible());
  });
  visible->setCheckable(true);
  visible->setChecked(object && object->Visible());
  visible->setEnabled(object != nullptr);
  add("Edit", [this, object] {
    if (StillThere(object) && OnEditObject) OnEditObject(object);
  })->setEnabled(object != nullptr);
  return menu;
}

bool TiLayoutViewer::StillThere(const TiPlotObject* object) const {
  if (!object) return false;
  const auto& items = Plot_->LayoutManager()->Items();
  return std::find(items.begin(), items.end(), object) != items.end();
}

// The chart draws nothing without a toolbar, a legend and a data view, and
// this dialog has no way to add the first two back: the last of each stays.
bool TiLayoutViewer::CanDelete(const TiPlotObject* object) const {
  if (!object || dynamic_cast<const TiPlotDataView*>(object)) return false;
  if (dynamic_cast<const TiPlotToolBar*>(object)) return Plot_->ToolBarCount() > 1;
  if (dynamic_cast<const TiPlotLegend*>(object)) return Plot_->LegendCount() > 1;
  return true;
}

void TiLayoutViewer::Delete(TiPlotObject* object) {
  TiPlotMasterManager& m = *Plot_->MasterManager();
  for (TiPlotObjectManagerCustom* manager : std::initializer_list<TiPlotObjectManagerCustom*>{
           m.XAxisManager(), m.YAxisManager(), m.LabelManager(), m.ToolBarManager(), m.LegendManager(),
           m.TableManager()}) {
    const int index = manager->IndexOf(object);
    if (index >= 0) {
      manager->Delete(index);
      Plot_->InvalidateChange();
      return;
    }
  }
}

void TiLayoutViewer::Changed() {
  update();
  if (OnChange) OnChange();
}
