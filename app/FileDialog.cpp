#include "app/FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/Application.h"

bool TFileDialog::Execute() {
  std::optional<std::string> chosen;
  if (Hook) {
    chosen = Hook(kind_);
  } else if (!platform::Headless()) {
    const QString start = QString::fromStdString(FileName);
    const QString name = kind_ == fdSave ? QFileDialog::getSaveFileName(owner_, QString(), start)
                                         : QFileDialog::getOpenFileName(owner_, QString(), start);
    if (!name.isEmpty()) chosen = name.toStdString();
  }
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}
