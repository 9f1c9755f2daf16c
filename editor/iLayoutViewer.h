// The layout viewer of the editor's "Layout" page: a picture of the chart's
// lanes (iLayoutPicture.h) in which objects are dragged to other lanes and
// along their sides (iLayoutDrag.h), with a popup menu to reverse the axes,
// add axes and labels, and delete, hide, show or edit the object under the
// pointer. Every change goes to the chart at once.
//
// GUI thread only. The chart must outlive the viewer.
#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "editor/iLayoutDrag.h"

class QMenu;
class TiPlotComponent;
class TiPlotObject;

class TiLayoutViewer : public QWidget {
 public:
  explicit TiLayoutViewer(TiPlotComponent* plot, QWidget* parent = nullptr);
  ~TiLayoutViewer() override;

  // "Edit": the dialog shows the object's page with the object selected.
  std::function<void(TiPlotObject*)> OnEditObject;
  // After every change the viewer made to the chart (pages may show it).
  std::function<void()> OnChange;

  // The popup menu for a right click at `at`; its items act when triggered.
  std::unique_ptr<QMenu> PopupMenu(QPoint at);
  // What the viewer shows at its present size.
  TiLayoutPicture Picture() const;
  // The object shown at `at`: a layout object, data view 0 for the data
  // view's box, or null.
  TiPlotObject* ObjectAt(QPoint at) const;

  static constexpr int kLaneThickness = 22;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  struct TDrag {
    TiPlotLayoutObject* Object = nullptr;
    TiLayoutDragPart Part = ildpNone;
    TPoint From, To;
  };
  bool StillThere(const TiPlotObject* object) const;
  bool CanDelete(const TiPlotObject* object) const;
  void Delete(TiPlotObject* object);
  void Changed();
  TRect GhostRect(const TiLayoutPicture& picture) const;

  TiPlotComponent* Plot_;
  std::optional<TDrag> Drag_;
};
