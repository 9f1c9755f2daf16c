// The base of the component editor dialogs: a dialog of a fixed client size
// with a dialog border.
#pragma once
#include <QDialog>

class TiCustomEditorForm : public QDialog {
 public:
  TiCustomEditorForm(const QString& caption, int clientWidth, int clientHeight, QWidget* parent = nullptr);
};
