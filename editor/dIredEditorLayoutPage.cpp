// The "Layout" page: the layout viewer over the whole tab. "Edit" in its
// menu shows the object's own page with the object selected; whatever it
// changes, the other pages show at once.
#include <QVBoxLayout>

#include "editor/dIredEditor.h"
#include "editor/iEditorPages.h"
#include "editor/iLayoutViewer.h"

namespace {

class TiPlotEditorLayoutPage : public TiPlotEditorPage {
 public:
  TiPlotEditorLayoutPage(TiPlotEditorForm& form, QWidget* tab) : TiPlotEditorPage(form, tab) {
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    viewer_ = new TiLayoutViewer(&form.Plot(), tab);
    viewer_->setObjectName("LayoutViewer");
    viewer_->OnEditObject = [this](TiPlotObject* object) { form_.EditObject(object); };
    viewer_->OnChange = [this] { form_.ReloadPages(); };
    layout->addWidget(viewer_);
  }
  void Reload() override { viewer_->update(); }
  void ObjectAdded(TiPlotObject*) override { viewer_->update(); }
  void ObjectRemoved(TiPlotObject*) override { viewer_->update(); }
  void ObjectRenamed(TiPlotObject*) override { viewer_->update(); }

 private:
  TiLayoutViewer* viewer_;
};

}  // namespace

std::unique_ptr<TiPlotEditorPage> MakeLayoutPage(TiPlotEditorForm& form, QWidget* tab) {
  return std::make_unique<TiPlotEditorLayoutPage>(form, tab);
}
