#include "platform/PopupMenu.h"

#include <QApplication>
#include <QMenu>

#include "platform/Application.h"

namespace platform {
namespace {
std::function<void(const std::vector<TMenuEntry>&, int, int)> popupHook;

// Fills `menu`; `chosen` receives the entry picked, so its handler runs after
// the menu has closed and cannot pull the menu away under itself.
void Fill(QMenu& menu, const std::vector<TMenuEntry>& entries, const TMenuEntry*& chosen) {
  for (const TMenuEntry& entry : entries) {
    if (!entry.Visible) continue;
    if (entry.Caption == "-") {
      menu.addSeparator();
      continue;
    }
    const QString caption = QString::fromStdString(entry.Caption);
    if (!entry.Items.empty()) {
      QMenu* sub = menu.addMenu(caption);
      sub->setEnabled(entry.Enabled);
      Fill(*sub, entry.Items, chosen);
      continue;
    }
    QAction* action = menu.addAction(caption);
    action->setEnabled(entry.Enabled);
    action->setCheckable(entry.Checked);
    action->setChecked(entry.Checked);
    QObject::connect(action, &QAction::triggered, [&chosen, &entry] { chosen = &entry; });
  }
}
}  // namespace

void PopupMenu(const std::vector<TMenuEntry>& entries, int screenX, int screenY) {
  if (popupHook) return popupHook(entries, screenX, screenY);
  if (Headless() || !qApp) return;
  QMenu menu;
  const TMenuEntry* chosen = nullptr;
  Fill(menu, entries, chosen);
  menu.exec(QPoint(screenX, screenY));
  if (chosen && chosen->OnClick) RunGuarded(chosen->OnClick);
}

void SetPopupMenuHook(std::function<void(const std::vector<TMenuEntry>&, int, int)> hook) {
  popupHook = std::move(hook);
}

}  // namespace platform
