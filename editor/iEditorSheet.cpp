#include "editor/iEditorSheet.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>

namespace {
// An empty row past any a column fills, that takes the spare room.
constexpr int kLastRow = 99;

// A sub-page's controls sit in a scroll area: the dialog keeps its size
// whatever the fonts of the desktop.
QWidget* ScrolledBody(QWidget* page) {
  auto* outer = new QVBoxLayout(page);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(page);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* body = new QWidget;
  scroll->setWidget(body);
  outer->addWidget(scroll);
  return body;
}
}  // namespace

TiEditorSheet::TiEditorSheet(QWidget* container, std::string prefix, TiEditorNotify change)
    : container_(container), prefix_(std::move(prefix)), change_(std::move(change)) {
  QWidget* body = qobject_cast<QGroupBox*>(container) ? container : ScrolledBody(container);
  columns_ = new QHBoxLayout(body);
  columns_->setContentsMargins(4, 4, 4, 4);
  columns_->setSpacing(12);
  columns_->addStretch(1);  // spare room goes right of the columns
  NextColumn();
}

void TiEditorSheet::Place(QWidget* control, const std::string& caption) {
  if (!caption.empty()) {
    auto* label = new QLabel(QString::fromStdString(caption));
    label->setBuddy(control);
    grid_->addWidget(label, row_, 0);
  }
  grid_->addWidget(control, row_, 1);
  ++row_;
}

void TiEditorSheet::PlaceWide(QWidget* control) {
  grid_->addWidget(control, row_, 0, 1, 2);
  ++row_;
}

// Each column is a grid of its own, so a tall control in one column does
// not spread the rows of another.
void TiEditorSheet::NextColumn() {
  grid_ = new QGridLayout;
  grid_->setHorizontalSpacing(6);
  grid_->setVerticalSpacing(3);
  grid_->setRowStretch(kLastRow, 1);  // spare room goes below the controls
  columns_->insertLayout(columns_->count() - 1, grid_);
  row_ = 0;
}

TiComponentEditorEdit* TiEditorSheet::Edit(const std::string& property, const std::string& caption) {
  auto* edit = new TiComponentEditorEdit;
  edit->setObjectName(NameOf(property + "Edit"));
  edit->setMinimumWidth(80);
  edit->OnUpdate = change_;
  Place(edit, caption);
  return edit;
}

TiComponentEditorEdit* TiEditorSheet::UpDownEdit(const std::string& property, const std::string& caption, int min,
                                                 int max, int increment) {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  auto* edit = new TiComponentEditorEdit(box);
  edit->setObjectName(NameOf(property + "Edit"));
  edit->setMaximumWidth(60);
  edit->OnUpdate = change_;
  auto* arrows = new TiUpDown(box);
  arrows->setObjectName(NameOf(property + "UpDown"));
  arrows->SetAssociate(edit);
  arrows->Min = min;
  arrows->Max = max;
  arrows->Increment = increment;
  row->addWidget(edit);
  row->addWidget(arrows);
  row->addStretch();
  Place(box, caption);
  return edit;
}

TiComponentEditorCheckBox* TiEditorSheet::Check(const std::string& property, const std::string& caption) {
  auto* box = new TiComponentEditorCheckBox(QString::fromStdString(caption));
  box->setObjectName(NameOf(property + "CheckBox"));
  box->OnClick = change_;
  PlaceWide(box);
  return box;
}

TiComponentEditorComboBox* TiEditorSheet::Combo(const std::string& property, const std::string& caption,
                                                const std::vector<std::string>& items, bool editable) {
  auto* box = new TiComponentEditorComboBox(nullptr, editable);
  box->setObjectName(NameOf(property + "ComboBox"));
  box->SetItems(items);
  box->OnChange = change_;
  Place(box, caption);
  return box;
}

TiComponentEditorRadioGroup* TiEditorSheet::Radio(const std::string& property, const std::string& caption,
                                                  const std::vector<std::string>& items) {
  auto* group = new TiComponentEditorRadioGroup(QString::fromStdString(caption), items);
  group->setObjectName(NameOf(property + "RadioGroup"));
  group->OnClick = change_;
  PlaceWide(group);
  return group;
}

TiComponentEditorColorPicker* TiEditorSheet::Color(const std::string& property, const std::string& caption) {
  auto* picker = new TiComponentEditorColorPicker;
  picker->setObjectName(NameOf(property + "Picker"));
  picker->OnChange = change_;
  Place(picker, caption);
  return picker;
}

TiComponentEditorFontPicker* TiEditorSheet::Font(const std::string& property, const std::string& caption) {
  auto* picker = new TiComponentEditorFontPicker;
  picker->setObjectName(NameOf(property + "Picker"));
  picker->OnChange = change_;
  Place(picker, caption);
  return picker;
}

QPushButton* TiEditorSheet::Button(const std::string& name, const std::string& caption, TiEditorNotify click) {
  auto* button = new QPushButton(QString::fromStdString(caption));
  button->setObjectName(NameOf(name));
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, [click] { click(); });
  PlaceWide(button);
  return button;
}

TiComponentEditorOpenPicker* TiEditorSheet::OpenPicker(const std::string& name, const std::string& caption,
                                                       TiFileChosen chosen) {
  auto* picker = new TiComponentEditorOpenPicker(QString::fromStdString(caption));
  picker->setObjectName(NameOf(name));
  picker->OnChange = [picker, chosen = std::move(chosen)] { chosen(picker->FileName()); };
  PlaceWide(picker);
  return picker;
}

TiComponentEditorSavePicker* TiEditorSheet::SavePicker(const std::string& name, const std::string& caption,
                                                       TiFileChosen chosen) {
  auto* picker = new TiComponentEditorSavePicker(QString::fromStdString(caption));
  picker->setObjectName(NameOf(name));
  picker->OnChange = [picker, chosen = std::move(chosen)] { chosen(picker->FileName()); };
  PlaceWide(picker);
  return picker;
}

QLabel* TiEditorSheet::Figure(const std::string& name, const std::string& caption) {
  auto* figure = new QLabel;
  figure->setObjectName(NameOf(name));
  figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Place(figure, caption);
  return figure;
}

TiEditorSheet TiEditorSheet::Group(const std::string& caption) {
  auto* group = new QGroupBox(QString::fromStdString(caption));
  PlaceWide(group);
  return TiEditorSheet(group, prefix_, change_);
}

TiComponentEditorPageControl* TiEditorSheet::Pages() {
  auto* pages = new TiComponentEditorPageControl;
  PlaceWide(pages);
  return pages;
}

TiEditorSheet TiEditorSheet::AddPage(TiComponentEditorPageControl* pages, const std::string& caption) {
  return TiEditorSheet(pages->AddPage(caption, QString()), prefix_, change_);
}
