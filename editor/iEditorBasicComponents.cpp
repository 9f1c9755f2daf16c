#include "editor/iEditorBasicComponents.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>

// ---- TiComponentEditorEdit ----------------------------------------------------

TiComponentEditorEdit::TiComponentEditorEdit(QWidget* parent) : QLineEdit(parent) {}

void TiComponentEditorEdit::SetCommittedText(const std::string& text) {
  committed_ = QString::fromStdString(text);
  setText(committed_);
}

bool TiComponentEditorEdit::Commit() {
  if (text() == committed_) return false;
  committed_ = text();
  if (OnUpdate) OnUpdate();
  return true;
}

// Enter and Escape end here: in a dialog they would otherwise press its
// default button or close it.
void TiComponentEditorEdit::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Commit();
      event->accept();
      return;
    case Qt::Key_Escape:
      Restore();
      event->accept();
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

void TiComponentEditorEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  Commit();
}

// ---- TiUpDown -------------------------------------------------------------------

TiUpDown::TiUpDown(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (int direction : {+1, -1}) {
    auto* arrow = new QToolButton(this);
    arrow->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
    arrow->setFixedSize(16, 11);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    connect(arrow, &QToolButton::clicked, this, [this, direction] { Step(direction); });
    layout->addWidget(arrow);
  }
}

void TiUpDown::Step(int direction) {
  if (!associate_) return;
  const std::string text = associate_->Text();
  long long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  value = std::clamp<long long>(value + static_cast<long long>(direction) * Increment, Min, Max);
  associate_->setText(QString::number(value));
  associate_->Commit();
}

// ---- TiComponentEditorCheckBox ------------------------------------------------

TiComponentEditorCheckBox::TiComponentEditorCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
  connect(this, &QCheckBox::clicked, this, [this] {
    if (OnClick) OnClick();
  });
}

// ---- TiComponentEditorRadioGroup ----------------------------------------------

TiComponentEditorRadioGroup::TiComponentEditorRadioGroup(const QString& caption,
                                                         const std::vector<std::string>& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(0);
  for (size_t i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(QString::fromStdString(items[i]), this);
    group_->addButton(button, static_cast<int>(i));
    layout->addWidget(button);
  }
  connect(group_, &QButtonGroup::idClicked, this, [this](int) {
    if (OnClick) OnClick();
  });
}

int TiComponentEditorRadioGroup::ItemIndex() const { return group_->checkedId(); }
int TiComponentEditorRadioGroup::Count() const { return static_cast<int>(group_->buttons().size()); }

void TiComponentEditorRadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = group_->button(index)) {
    button->setChecked(true);
    return;
  }
  // An exclusive group keeps one button checked unless told otherwise.
  group_->setExclusive(false);
  for (QAbstractButton* button : group_->buttons()) button->setChecked(false);
  group_->setExclusive(true);
}

void TiComponentEditorRadioGroup::Click(int index) {
  if (QAbstractButton* button = group_->button(index)) button->click();
}

// ---- TiComponentEditorComboBox ------------------------------------------------

TiComponentEditorComboBox::TiComponentEditorComboBox(QWidget* parent, bool editable) : QComboBox(parent) {
  setEditable(editable);
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this](int) {
    if (OnChange) OnChange();
  });
  if (editable) {
    connect(lineEdit(), &QLineEdit::editingFinished, this, [this] {
      if (lineEdit()->isModified() && OnChange) {
        lineEdit()->setModified(false);
        OnChange();
      }
    });
  }
}

void TiComponentEditorComboBox::SetItems(const std::vector<std::string>& items) {
  const QString text = currentText();
  const QSignalBlocker quiet(this);
  clear();
  for (const std::string& item : items) addItem(QString::fromStdString(item));
  if (isEditable()) setEditText(text);
}

std::vector<std::string> TiComponentEditorComboBox::Items() const {
  std::vector<std::string> items;
  for (int i = 0; i < count(); ++i) items.push_back(itemText(i).toStdString());
  return items;
}

void TiComponentEditorComboBox::SetText(const std::string& text) {
  const QSignalBlocker quiet(this);
  const QString q = QString::fromStdString(text);
  if (isEditable()) {
    setEditText(q);
    lineEdit()->setModified(false);
  } else {
    setCurrentIndex(findText(q));
  }
}

void TiComponentEditorComboBox::Choose(int index) {
  {
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
  }
  if (OnChange) OnChange();
}

void TiComponentEditorComboBox::Enter(const std::string& text) {
  SetText(text);
  if (OnChange) OnChange();
}

void TiComponentEditorComboBox::showPopup() {
  if (OnDropDown) OnDropDown();
  QComboBox::showPopup();
}

// ---- TiComponentEditorListBox -------------------------------------------------

TiComponentEditorListBox::TiComponentEditorListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Changes made from code are made with signals blocked: any that arrives
  // is the operator's, by mouse or by arrow key.
  connect(this, &QListWidget::currentRowChanged, this, [this](int) {
    if (OnClick) OnClick();
  });
}

int TiComponentEditorListBox::IndexOf(const void* object) const {
  auto it = std::find(objects_.begin(), objects_.end(), object);
  return it == objects_.end() ? -1 : static_cast<int>(it - objects_.begin());
}

void TiComponentEditorListBox::AddRow(void* object) {
  objects_.push_back(object);
  const QSignalBlocker quiet(this);
  addItem(QString());
  RefreshRow(Count() - 1);
}

void TiComponentEditorListBox::DeleteRow(int row) {
  if (row < 0 || row >= Count()) return;
  objects_.erase(objects_.begin() + row);
  const QSignalBlocker quiet(this);
  delete takeItem(row);
}

void TiComponentEditorListBox::Clear() {
  objects_.clear();
  const QSignalBlocker quiet(this);
  clear();
}

namespace {
QIcon ColorBox(TColor color) {
  QPixmap box(12, 12);
  box.fill(ToQColor(color));
  return QIcon(box);
}
}  // namespace

void TiComponentEditorListBox::RefreshRow(int row) {
  std::string text;
  TColor color = clBlack;
  if (OnGetData) OnGetData(objects_.at(row), text, color);
  QListWidgetItem* line = item(row);
  line->setText(QString::fromStdString(text));
  line->setIcon(ColorBox(color));
}

void TiComponentEditorListBox::Refresh() {
  for (int row = 0; row < Count(); ++row) RefreshRow(row);
}

void TiComponentEditorListBox::SetSelected(int row) {
  const QSignalBlocker quiet(this);
  setCurrentRow(row);
}

void TiComponentEditorListBox::Click(int row) {
  SetSelected(row);
  if (OnClick) OnClick();
}

// ---- TiComponentEditorPageControl ---------------------------------------------

TiComponentEditorPageControl::TiComponentEditorPageControl(QWidget* parent) : QTabWidget(parent) {}

QWidget* TiComponentEditorPageControl::AddPage(const std::string& caption, const QString& name) {
  auto* page = new QWidget;
  page->setObjectName(name);
  addTab(page, QString::fromStdString(caption));
  return page;
}

QWidget* TiComponentEditorPageControl::Page(const std::string& caption) const {
  for (int i = 0; i < count(); ++i)
    if (tabText(i).toStdString() == caption) return widget(i);
  return nullptr;
}
