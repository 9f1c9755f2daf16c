// The preview's settings dialog (declared in PreviewWindow.h).
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/PreviewWindow.h"

namespace platform {
namespace {
std::function<bool(TPreviewSettings&, const TPreviewSettingsTexts&)> settingsHook;

QString Text(const std::string& s) { return QString::fromStdString(s); }

QDoubleSpinBox* MarginField(const char* name, double inches) {
  auto* field = new QDoubleSpinBox;
  field->setObjectName(name);
  field->setDecimals(2);
  field->setRange(0, 100);
  field->setSingleStep(0.25);
  field->setValue(inches);
  return field;
}

// The dialog's fields, filled from and read back into the values.
struct TSettingsForm {
  QDialog dialog;
  QRadioButton *portrait, *landscape;
  QDoubleSpinBox *top, *left, *right, *bottom;
  QLineEdit* name;
  QComboBox* paper;

  TSettingsForm(const TPreviewSettings& v, const TPreviewSettingsTexts& t) {
    dialog.setObjectName("PreviewSettingsForm");
    dialog.setWindowTitle(Text(t.Caption));
    auto* orientation = new QGroupBox(Text(t.Orientation));
    orientation->setObjectName("Orientation");
    portrait = new QRadioButton(Text(t.Portrait));
    landscape = new QRadioButton(Text(t.Landscape));
    (v.Orientation == poLandscape ? landscape : portrait)->setChecked(true);
    auto* orientationRows = new QVBoxLayout(orientation);
    orientationRows->addWidget(portrait);
    orientationRows->addWidget(landscape);

    auto* margin = new QGroupBox(Text(t.Margin));
    margin->setObjectName("Margin");
    top = MarginField("MarginTop", v.MarginTop);
    left = MarginField("MarginLeft", v.MarginLeft);
    right = MarginField("MarginRight", v.MarginRight);
    bottom = MarginField("MarginBottom", v.MarginBottom);
    auto* margins = new QFormLayout(margin);
    margins->addRow(Text(t.Top), top);
    margins->addRow(Text(t.Left), left);
    margins->addRow(Text(t.Right), right);
    margins->addRow(Text(t.Bottom), bottom);

    name = new QLineEdit(Text(v.DocumentName));
    name->setObjectName("DocumentName");
    paper = new QComboBox;
    paper->setObjectName("PaperSize");
    for (const auto& size : t.PaperSizes) paper->addItem(Text(size));
    paper->setCurrentIndex(v.PaperSize);
    auto* fields = new QFormLayout;
    fields->addRow(Text(t.DocumentName), name);
    fields->addRow(Text(t.PaperSize), paper);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(Text(t.OK), QDialogButtonBox::AcceptRole)->setObjectName("OKButton");
    buttons->addButton(Text(t.Cancel), QDialogButtonBox::RejectRole)->setObjectName("CancelButton");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* grid = new QGridLayout(&dialog);
    grid->addWidget(orientation, 0, 0);
    grid->addWidget(margin, 0, 1);
    grid->addLayout(fields, 1, 0, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 2);
  }

  void ReadInto(TPreviewSettings& v) const {
    v.Orientation = landscape->isChecked() ? poLandscape : poPortrait;
    v.MarginTop = top->value();
    v.MarginLeft = left->value();
    v.MarginRight = right->value();
    v.MarginBottom = bottom->value();
    v.DocumentName = name->text().toStdString();
    v.PaperSize = paper->currentIndex();
  }
};
}  // namespace

bool EditPreviewSettings(TPreviewSettings& values, const TPreviewSettingsTexts& texts) {
  if (settingsHook) return settingsHook(values, texts);
  if (Headless()) return false;
  EnsureApplication();
  TSettingsForm form(values, texts);
  if (form.dialog.exec() != QDialog::Accepted) return false;
  form.ReadInto(values);
  return true;
}

void SetPreviewSettingsHook(std::function<bool(TPreviewSettings&, const TPreviewSettingsTexts&)> hook) {
  settingsHook = std::move(hook);
}

}  // namespace platform
