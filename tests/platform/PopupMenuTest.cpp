#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "platform/PopupMenu.h"

using platform::TMenuEntry;

// The real menu on the offscreen platform: picking an entry runs its handler
// once the menu has closed; disabled and hidden entries are not offered.
TEST(PopupMenu, ChoosingAnEntryRunsItsHandlerAfterTheMenuCloses) {
  int clicks = 0;
  bool menuOpenDuringClick = true;
  std::vector<TMenuEntry> entries(4);
  entries[0].Caption = "&Edit...";
  entries[0].OnClick = [&] {
    ++clicks;
    menuOpenDuringClick = QApplication::activePopupWidget() != nullptr;
  };
  entries[1].Caption = "-";
  entries[2].Caption = "Hidden";
  entries[2].Visible = false;
  entries[3].Caption = "Sub";
  entries[3].Items.resize(1);
  entries[3].Items[0].Caption = "Checked";
  entries[3].Items[0].Checked = true;

  QStringList shown;
  QTimer::singleShot(50, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* a : menu->actions()) shown << (a->isSeparator() ? "-" : a->text());
    ASSERT_TRUE(menu->actions()[2]->menu());
    EXPECT_TRUE(menu->actions()[2]->menu()->actions()[0]->isChecked());
    menu->actions()[0]->trigger();
    menu->close();
  });
  platform::PopupMenu(entries, 10, 10);
  EXPECT_EQ(shown, (QStringList{"&Edit...", "-", "Sub"}));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(menuOpenDuringClick);
}

TEST(PopupMenu, AHookSeesTheMenuInsteadOfTheScreen) {
  std::vector<TMenuEntry> seen;
  platform::SetPopupMenuHook([&](const std::vector<TMenuEntry>& e, int x, int y) {
    seen = e;
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
  });
  std::vector<TMenuEntry> entries(1);
  entries[0].Caption = "Copy";
  platform::PopupMenu(entries, 3, 4);
  platform::SetPopupMenuHook(nullptr);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].Caption, "Copy");
}
