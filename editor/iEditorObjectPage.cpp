#include "editor/iEditorObjectPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/dIredEditor.h"
#include "editor/iEditorBinding.h"
#include "plot/dIredComponent.h"

TiPlotEditorObjectPage::TiPlotEditorObjectPage(TiPlotEditorForm& form, QWidget* tab, TiPlotEditorKind kind)
    : TiPlotEditorPage(form, tab), kind_(std::move(kind)) {
  auto* row = new QHBoxLayout(tab);
  row->setContentsMargins(4, 4, 4, 4);
  auto* left = new QVBoxLayout;
  list_ = new TiComponentEditorListBox(tab);
  list_->setObjectName(QString::fromStdString(kind_.Prefix + "ListBox"));
  list_->setFixedWidth(130);
  list_->OnGetData = [this](void* o, std::string& text, TColor& color) { ListBoxGetData(o, text, color); };
  list_->OnClick = [this] { ListBoxClick(); };
  left->addWidget(list_);
  if (!kind_.AddButtonName.empty()) {
    auto* buttons = new QHBoxLayout;
    addButton_ = new QPushButton(QString::fromStdString(form.Translate("Add")), tab);
    addButton_->setObjectName(QString::fromStdString(kind_.AddButtonName));
    removeButton_ = new QPushButton(QString::fromStdString(form.Translate("Remove")), tab);
    removeButton_->setObjectName(QString::fromStdString(kind_.Prefix + "RemoveButton"));
    for (QPushButton* b : {addButton_, removeButton_}) {
      b->setAutoDefault(false);
      buttons->addWidget(b);
    }
    QObject::connect(addButton_, &QPushButton::clicked, tab, [this] { AddButtonClick(); });
    QObject::connect(removeButton_, &QPushButton::clicked, tab, [this] { RemoveButtonClick(); });
    left->addLayout(buttons);
  }
  row->addLayout(left);
  subPages_ = new TiComponentEditorPageControl(tab);
  row->addWidget(subPages_, 1);
}

TiPlotComponent& TiPlotEditorObjectPage::Plot() const { return form_.Plot(); }

TiPlotObjectManagerCustom* TiPlotEditorObjectPage::Manager() const {
  return kind_.Manager(*Plot().MasterManager());
}

TiEditorSheet TiPlotEditorObjectPage::AddSheet(const std::string& caption) {
  return TiEditorSheet(subPages_->AddPage(caption, QString()), kind_.Prefix, [this] { Change(); });
}

TiPlotObject* TiPlotEditorObjectPage::Selected() const {
  const int row = list_->Selected();
  return row < 0 || row >= list_->Count() ? nullptr : static_cast<TiPlotObject*>(list_->Object(row));
}

void TiPlotEditorObjectPage::ListBoxGetData(void* object, std::string& text, TColor& color) const {
  const auto* o = static_cast<const TiPlotObject*>(object);
  text = o->Name();
  color = kind_.RowColor ? kind_.RowColor(*o) : clBlack;
}

// ---- load and store -------------------------------------------------------------

void TiPlotEditorObjectPage::ListBoxClick() { Load(); }

void TiPlotEditorObjectPage::Load() {
  TiPlotObject* object = Selected();
  EnablePrefixedControls(*tab_, kind_.Prefix, object != nullptr);
  if (addButton_) addButton_->setEnabled(true);
  if (object) {
    for (auto& [box, source] : nameCombos_) FillNames(box, source);
    LoadControls(*tab_, kind_.Prefix, Reflect(*object));
  }
  Loaded(object);
}

void TiPlotEditorObjectPage::Change() {
  TiPlotObject* object = Selected();
  if (!object) return;
  ShowErrors(StoreControls(*tab_, kind_.Prefix, Reflect(*object)));
  // The setters may have adjusted what was written (ranges, linked values).
  LoadControls(*tab_, kind_.Prefix, Reflect(*object));
  list_->RefreshRow(list_->Selected());
}

void TiPlotEditorObjectPage::ShowErrors(const std::vector<std::string>& errors) const {
  for (const std::string& e : errors) form_.ShowError(e);
}

// ---- add and remove ---------------------------------------------------------------

void TiPlotEditorObjectPage::AddButtonClick() {
  try {
    kind_.Add(Plot());
  } catch (const std::exception& error) {
    form_.ShowError(error.what());
    return;
  }
  list_->SetSelected(list_->Count() - 1);
  Load();
}

void TiPlotEditorObjectPage::RemoveButtonClick() {
  const int row = list_->Selected();
  TiPlotObject* object = Selected();
  if (!object) return;
  try {
    kind_.Delete(Plot(), Manager()->IndexOf(object));  // its row goes with it (ObjectRemoved)
  } catch (const std::exception& error) {
    form_.ShowError(error.what());
    return;
  }
  list_->SetSelected(std::min(row, list_->Count() - 1));
  // Other pages refer to objects by name (a channel to its axes).
  form_.ReloadPages();
}

// ---- names of other kinds ------------------------------------------------------------

TiComponentEditorComboBox* TiPlotEditorObjectPage::NameCombo(TiEditorSheet& sheet, const std::string& property,
                                                            const std::string& caption, TiPlotManagerOf source) {
  TiComponentEditorComboBox* box = sheet.Combo(property, caption, {}, true);
  box->OnDropDown = [this, box, source] { FillNames(box, source); };
  nameCombos_.emplace_back(box, std::move(source));
  return box;
}

void TiPlotEditorObjectPage::FillNames(TiComponentEditorComboBox* box, const TiPlotManagerOf& source) const {
  std::vector<std::string> names{form_.Translate("<None>")};
  if (TiPlotObjectManagerCustom* manager = source(*Plot().MasterManager()))
    for (TiPlotObject* o : manager->Items()) names.push_back(o->Name());
  box->SetItems(names);
}

// ---- the chart's objects ---------------------------------------------------------------

void TiPlotEditorObjectPage::FillList() {
  list_->Clear();
  if (TiPlotObjectManagerCustom* manager = Manager())
    for (TiPlotObject* o : manager->Items()) list_->AddRow(o);
}

void TiPlotEditorObjectPage::Reload() {
  TiPlotObject* before = Selected();
  const int row = list_->Selected();
  FillList();
  const int again = list_->IndexOf(before);
  list_->SetSelected(again >= 0 ? again : std::min(std::max(row, 0), list_->Count() - 1));
  Load();
}

bool TiPlotEditorObjectPage::Select(TiPlotObject* object) {
  const int row = list_->IndexOf(object);
  if (row < 0) return false;
  list_->SetSelected(row);
  Load();
  return true;
}

void TiPlotEditorObjectPage::ObjectAdded(TiPlotObject* object) {
  TiPlotObjectManagerCustom* manager = Manager();
  if (manager && manager->IndexOf(object) >= 0 && list_->IndexOf(object) < 0) list_->AddRow(object);
}

// Until the page loads again nothing is selected: the controls still show
// the object that went away and must not be stored into another.
void TiPlotEditorObjectPage::ObjectRemoved(TiPlotObject* object) {
  const int row = list_->IndexOf(object);
  if (row < 0) return;
  const bool selected = row == list_->Selected();
  list_->DeleteRow(row);
  if (selected) list_->SetSelected(-1);
}

void TiPlotEditorObjectPage::ObjectRenamed(TiPlotObject* object) {
  const int row = list_->IndexOf(object);
  if (row >= 0) list_->RefreshRow(row);
  else if (Selected()) Load();  // a name it refers to may have followed
}

int TiPlotEditorObjectPage::SubPageIndex() const { return subPages_->currentIndex(); }
void TiPlotEditorObjectPage::SetSubPageIndex(int index) {
  if (index >= 0 && index < subPages_->count()) subPages_->setCurrentIndex(index);
}
