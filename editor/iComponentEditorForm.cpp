#include "editor/iComponentEditorForm.h"

TiCustomEditorForm::TiCustomEditorForm(const QString& caption, int clientWidth, int clientHeight, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(caption);
  setFixedSize(clientWidth, clientHeight);
  setSizeGripEnabled(false);
}
