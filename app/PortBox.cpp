#include "app/PortBox.h"

#include <QAbstractItemView>
#include <QLineEdit>

#include "platform/SerialPorts.h"

TPortBox::TPortBox(const QString& text, QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setEditText(text);
  // A chosen entry shows a short name beside the stable one: only the name to
  // open goes into the box.
  connect(this, &QComboBox::activated, this, [this](int index) {
    setEditText(itemData(index).toString());
  });
  // A long name shows its tail, where by-id names differ, and whole as a tip.
  connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& name) {
    setToolTip(name);
    if (!lineEdit()->hasFocus()) lineEdit()->end(false);
  });
}

void TPortBox::showPopup() {
  Refresh();
  QComboBox::showPopup();
}

void TPortBox::Refresh() {
  const QString typed = currentText();
  clear();
  for (const auto& port : platform::ListSerialPorts(Root)) {
    const QString name = QString::fromStdString(port.Name);
    const QString shortName = QString::fromStdString(port.ShortName);
    addItem(name.endsWith("/" + shortName) ? name : name + "   (" + shortName + ")", name);
  }
  addItem(QString::fromUtf8("COM0   (测试模式)"), "COM0");
  view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
  setCurrentIndex(-1);
  setEditText(typed);
}
