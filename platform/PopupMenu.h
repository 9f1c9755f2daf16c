// Popup menus with check marks and submenus, shown at a screen position.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace platform {

// One entry; the caption "-" is a separator, "&" marks the access key ("&&"
// is an "&"). An entry with Items opens a submenu.
struct TMenuEntry {
  std::string Caption;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  std::function<void()> OnClick;
  std::vector<TMenuEntry> Items;
};

// Shows the menu and returns once it is closed; the chosen entry's OnClick
// then runs (guarded, like every event handler). Nothing is shown headless.
void PopupMenu(const std::vector<TMenuEntry>& entries, int screenX, int screenY);

// While set, PopupMenu hands the menu here instead of showing it.
void SetPopupMenuHook(std::function<void(const std::vector<TMenuEntry>&, int screenX, int screenY)> hook);

}  // namespace platform
