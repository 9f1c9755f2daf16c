#include "platform/SaveDialog.h"

#include <QFileDialog>
#include <QStringList>

#include "platform/Application.h"
#include "platform/Control.h"

namespace platform {
namespace {
// Qt lists file types as "Bitmap (*.bmp);;PNG (*.png)": the descriptions
// carry their patterns in brackets.
QString QtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList types;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    types << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")");
  return types.join(";;");
}
}  // namespace

bool TSaveDialog::Execute() {
  std::optional<std::string> chosen;
  if (Hook) {
    chosen = Hook(*this);
  } else if (!Headless()) {
    EnsureApplication();
    const QString name = QFileDialog::getSaveFileName(nullptr, QString(), QString::fromStdString(FileName),
                                                      QtFilter(Filter));
    if (!name.isEmpty()) chosen = name.toStdString();
  }
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

}  // namespace platform
