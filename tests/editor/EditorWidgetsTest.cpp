// The editing widgets: what the operator's keys and clicks do, and that
// values set from code report nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "editor/iEditorBasicComponents.h"
#include "tests/components/EventLoop.h"

namespace {

void Press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(w, &press);
}

struct TwoEdits {
  QWidget window;
  TiComponentEditorEdit* first = new TiComponentEditorEdit(&window);
  TiComponentEditorEdit* second = new TiComponentEditorEdit(&window);
  int updates = 0;
  TwoEdits() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    first->OnUpdate = [this] { ++updates; };
    first->SetCommittedText("10");
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    RunEventsUntil([&] { return first->hasFocus(); }, 2000);
  }
};

TEST(EditorEdit, EnterCommitsAChangedTextOnceAndEscapeRestoresTheCommittedOne) {
  TwoEdits w;
  EXPECT_EQ(w.updates, 0) << "loading a text is no update";
  Press(w.first, Qt::Key_Return);
  EXPECT_EQ(w.updates, 0) << "an unchanged text is not committed";

  w.first->setText("25");
  Press(w.first, Qt::Key_Return);
  EXPECT_EQ(w.updates, 1);
  EXPECT_EQ(w.first->CommittedText(), "25");

  w.first->setText("99");
  Press(w.first, Qt::Key_Escape);
  EXPECT_EQ(w.first->Text(), "25");
  EXPECT_EQ(w.updates, 1);
  Press(w.first, Qt::Key_Return);
  EXPECT_EQ(w.updates, 1) << "the restored text is the committed one";
}

TEST(EditorEdit, LosingTheFocusCommitsAndTabMovesOnAndBack) {
  TwoEdits w;
  if (!w.first->hasFocus()) GTEST_SKIP() << "the platform gives no keyboard focus";
  w.first->setText("11");
  Press(w.first, Qt::Key_Tab);
  ASSERT_TRUE(RunEventsUntil([&] { return w.second->hasFocus(); }, 2000));
  EXPECT_EQ(w.updates, 1) << "leaving the box commits";
  EXPECT_EQ(w.first->CommittedText(), "11");
  Press(w.second, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(RunEventsUntil([&] { return w.first->hasFocus(); }, 2000));
}

TEST(EditorUpDown, StepsTheAssociatedNumberWithinItsRangeAndCommitsIt) {
  TiComponentEditorEdit edit;
  int updates = 0;
  edit.OnUpdate = [&] { ++updates; };
  TiUpDown arrows;
  EXPECT_EQ(arrows.Min, 0);
  EXPECT_EQ(arrows.Max, 100);
  EXPECT_EQ(arrows.Increment, 1);
  arrows.SetAssociate(&edit);
  edit.SetCommittedText("99");
  arrows.Step(+1);
  EXPECT_EQ(edit.CommittedText(), "100");
  arrows.Step(+1);
  EXPECT_EQ(edit.CommittedText(), "100") << "Max holds";
  EXPECT_EQ(updates, 1) << "no change, no update";
  edit.SetCommittedText("0");
  arrows.Step(-1);
  EXPECT_EQ(edit.CommittedText(), "0") << "Min holds";
}

TEST(EditorComboBox, DropDownRefillsTheListAndKeepsTheTextShown) {
  TiComponentEditorComboBox box(nullptr, true);
  box.SetText("X-Axis 7");
  int dropDowns = 0, changes = 0;
  box.OnDropDown = [&] {
    ++dropDowns;
    box.SetItems({"<None>", "X-Axis 1"});
  };
  box.OnChange = [&] { ++changes; };
  box.showPopup();
  box.hidePopup();
  EXPECT_EQ(dropDowns, 1);
  EXPECT_EQ(box.Items(), (std::vector<std::string>{"<None>", "X-Axis 1"}));
  EXPECT_EQ(box.Text(), "X-Axis 7");
  EXPECT_EQ(changes, 0) << "refilling is no change";
}

TEST(EditorListBox, RowsShowTheTextAndColourOfTheirObjectAndSelectingFromCodeIsNoClick) {
  TiComponentEditorListBox list;
  std::string names[] = {"Channel 1", "Channel 2"};
  list.OnGetData = [](void* o, std::string& text, TColor& color) {
    text = *static_cast<std::string*>(o);
    color = clRed;
  };
  int clicks = 0;
  list.OnClick = [&] { ++clicks; };
  list.AddRow(&names[0]);
  list.AddRow(&names[1]);
  EXPECT_EQ(list.item(1)->text().toStdString(), "Channel 2");
  EXPECT_EQ(list.item(0)->icon().pixmap(12, 12).toImage().pixelColor(5, 5), QColor(255, 0, 0));
  list.SetSelected(1);
  EXPECT_EQ(clicks, 0);
  list.Click(0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list.Selected(), 0);
  list.DeleteRow(0);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Object(0), &names[1]);
}

TEST(EditorPickers, ReportOnlyAChoiceThatDiffers) {
  TiComponentEditorColorPicker color;
  int changes = 0;
  color.OnChange = [&] { ++changes; };
  color.SetColor(clBlue);
  EXPECT_EQ(changes, 0);
  color.Pick(clBlue);
  EXPECT_EQ(changes, 0);
  color.Pick(clLime);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(color.Color(), clLime);

  TiComponentEditorFontPicker font;
  font.OnChange = [&] { ++changes; };
  TFont bold;
  bold.Style = FontStyleBit(fsBold);
  font.Pick(bold);
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(font.Font().Has(fsBold));
  // What the font dialog hands back keeps the colour the platform's font has not.
  bold.Color = clRed;
  const TFont back = FromQFont(ToQFont(bold), bold);
  EXPECT_EQ(back.Color, clRed);
  EXPECT_EQ(back.Height, bold.Height);
  EXPECT_TRUE(back.Has(fsBold));
}

TEST(EditorRadioGroup, ItemIndexFollowsClicksAndCanShowNoChoice) {
  TiComponentEditorRadioGroup group("Style", {"None", "Master", "Child"});
  int clicks = 0;
  group.OnClick = [&] { ++clicks; };
  group.SetItemIndex(2);
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_EQ(clicks, 0);
  group.Click(1);
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  group.SetItemIndex(-1);
  EXPECT_EQ(group.ItemIndex(), -1);
}

}  // namespace
