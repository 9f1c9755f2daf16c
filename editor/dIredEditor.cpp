#include "editor/dIredEditor.h"

#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/iEditorPages.h"
#include "plot/dIredComponent.h"

namespace {

struct TiPageEntry {
  const char* Caption;
  const char* Name;
  TiPlotEditorPageFactory Make;  // null: the page is still empty
};

// The tabs in their fixed order.
const TiPageEntry kPages[] = {
    {"Control", "ControlTabSheet", MakeControlPage},
    {"Layout", "LayoutTabSheet", MakeLayoutPage},
    {"Channels", "ChannelTabSheet", MakeChannelPage},
    {"Cursors", "DataCursorTabSheet", MakeDataCursorPage},
    {"Limits", "LimitTabSheet", MakeLimitPage},
    {"Labels", "LabelTabSheet", MakeLabelPage},
    {"X-Axes", "XAxisTabSheet", MakeXAxisPage},
    {"Y-Axes", "YAxisTabSheet", MakeYAxisPage},
    {"Legend", "LegendTabSheet", MakeLegendPage},
    {"Tables", "TableTabSheet", MakeTablePage},
    {"ToolBar", "ToolBarTabSheet", MakeToolBarPage},
    {"Data View", "DataViewTabSheet", MakeDataViewPage},
};

const char* const kPageKey = "PageControl";

}  // namespace

TiPlotEditorForm::TiPlotEditorForm(TiPlotComponent& plot)
    : TiCustomEditorForm("Plot", 576, 272), plot_(plot), master_(*plot.MasterManager()) {
  setObjectName("PlotEditorForm");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  pages_ = new TiComponentEditorPageControl(this);
  pages_->setObjectName("PageControl");
  layout->addWidget(pages_);
  for (const TiPageEntry& entry : kPages) {
    QWidget* tab = pages_->AddPage(entry.Caption, entry.Name);
    pageObjects_.push_back(entry.Make ? entry.Make(*this, tab) : nullptr);
  }
  ReloadPages();
  RestorePages();
}

TiPlotEditorForm::~TiPlotEditorForm() {
  // The widgets go after this body: a text box losing the focus on its way
  // out must not store into the chart.
  for (QObject* child : findChildren<QObject*>()) {
    if (auto* edit = dynamic_cast<TiComponentEditorEdit*>(child)) edit->OnUpdate = nullptr;
    child->blockSignals(true);
  }
  RememberPages();
  pageObjects_.clear();
  if (plot_.OnAfterCloseEditor) plot_.OnAfterCloseEditor(&plot_);
}

TiPlotEditorPage* TiPlotEditorForm::Page(const std::string& caption) const {
  for (size_t i = 0; i < pageObjects_.size(); ++i)
    if (caption == kPages[i].Caption) return pageObjects_[i].get();
  return nullptr;
}

std::string TiPlotEditorForm::Translate(const std::string& text) const { return plot_.Translate(text); }

void TiPlotEditorForm::ReloadPages() {
  reloadPending_ = false;
  for (auto& page : pageObjects_)
    if (page) page->Reload();
}

void TiPlotEditorForm::EditObject(TiPlotObject* object) {
  if (!object) return;
  for (size_t i = 0; i < pageObjects_.size(); ++i) {
    if (pageObjects_[i] && pageObjects_[i]->Select(object)) {
      pages_->setCurrentIndex(static_cast<int>(i));
      return;
    }
  }
}

void TiPlotEditorForm::ShowError(const std::string& message) {
  lastError_ = message;
  // Not modal: the operator corrects the value in the dialog.
  auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), QString::fromStdString(message),
                              QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

// ---- the chart's objects -----------------------------------------------------------

void TiPlotEditorForm::ObjectAdded(TiPlotObject* object) {
  for (auto& page : pageObjects_)
    if (page) page->ObjectAdded(object);
}

// The object is still in its managers: pages that list names of other
// kinds read them again once the removal is over.
void TiPlotEditorForm::ObjectRemoved(TiPlotObject* object) {
  for (auto& page : pageObjects_)
    if (page) page->ObjectRemoved(object);
  ScheduleReload();
}

void TiPlotEditorForm::ObjectRenamed(TiPlotObject* object) {
  for (auto& page : pageObjects_)
    if (page) page->ObjectRenamed(object);
}

void TiPlotEditorForm::ScheduleReload() {
  if (reloadPending_) return;
  reloadPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (reloadPending_) ReloadPages();
  });
}

// ---- the pages shown, remembered by the chart's master manager ---------------------------

void TiPlotEditorForm::hideEvent(QHideEvent* event) {
  RememberPages();
  TiCustomEditorForm::hideEvent(event);
}

void TiPlotEditorForm::RememberPages() const {
  auto& remembered = master_.EditorPages;
  remembered[kPageKey] = pages_->currentIndex();
  for (size_t i = 0; i < pageObjects_.size(); ++i)
    if (pageObjects_[i]) remembered[kPages[i].Caption] = pageObjects_[i]->SubPageIndex();
}

void TiPlotEditorForm::RestorePages() {
  const auto& remembered = master_.EditorPages;
  for (size_t i = 0; i < pageObjects_.size(); ++i) {
    auto it = remembered.find(kPages[i].Caption);
    if (pageObjects_[i] && it != remembered.end()) pageObjects_[i]->SetSubPageIndex(it->second);
  }
  auto it = remembered.find(kPageKey);
  if (it != remembered.end() && it->second >= 0 && it->second < pages_->count()) pages_->setCurrentIndex(it->second);
}
