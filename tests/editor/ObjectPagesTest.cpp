#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <tuple>

#include "editor/iLayoutViewer.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredLimit.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"
#include "tests/editor/EditorDialogSupport.h"

namespace {

// Add selects the new last row; Remove keeps the row index (or takes the
// new last one); list, selection and the chart's objects agree throughout.
template <class Count, class Item>
void AddAndRemoveKeepListAndSelection(TEditorDialog& d, const std::string& prefix, const std::string& add,
                                      Count count, Item item) {
  TiComponentEditorListBox* list = d.List(prefix);
  const int before = count();
  for (int i = 0; i < 3; ++i) d.Press(add);
  ASSERT_EQ(count(), before + 3);
  ASSERT_EQ(list->Count(), count());
  EXPECT_EQ(list->Selected(), count() - 1);
  for (int row = 0; row < count(); ++row) EXPECT_EQ(list->Object(row), item(row)) << prefix << " row " << row;
  // The name box shows the selected object.
  EXPECT_EQ(d.Control<TiComponentEditorEdit>(prefix + "NameEdit")->Text(), item(count() - 1)->Name());

  list->Click(1);
  void* third = list->Object(2);
  d.Press(prefix + "RemoveButton");
  EXPECT_EQ(count(), before + 2);
  EXPECT_EQ(list->Count(), count());
  EXPECT_EQ(list->Selected(), 1);
  EXPECT_EQ(list->Object(1), third);
  EXPECT_EQ(d.Control<TiComponentEditorEdit>(prefix + "NameEdit")->Text(), item(1)->Name());

  list->Click(count() - 1);
  d.Press(prefix + "RemoveButton");
  EXPECT_EQ(list->Selected(), count() - 1);  // the new last row
  for (int left = count(); left > 0; --left) d.Press(prefix + "RemoveButton");
  if (count() > 0) return;  // the chart keeps some (the title label)
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->Selected(), -1);
  EXPECT_FALSE(d.Control<TiComponentEditorEdit>(prefix + "NameEdit")->isEnabled());
  d.Press(add);  // and back from nothing
  EXPECT_EQ(list->Selected(), 0);
  EXPECT_TRUE(d.Control<TiComponentEditorEdit>(prefix + "NameEdit")->isEnabled());
}

TEST(CursorsPage, ChangesReachTheCursorAtOnce) {
  TEditorDialog d;
  TiPlotDataCursor* cursor = d.plot.DataCursor(0);
  d.List("DataCursor")->Click(0);
  d.Choose("DataCursorStyleComboBox", 3);
  EXPECT_EQ(cursor->Style(), ipcsDeltaX);
  d.Click("DataCursorHintShowCheckBox");
  EXPECT_EQ(cursor->HintShow(), d.Control<TiComponentEditorCheckBox>("DataCursorHintShowCheckBox")->isChecked());
  d.Type("DataCursorMenuItemCaptionDeltaXEdit", "Span");
  EXPECT_EQ(cursor->MenuItemCaption(ipcsDeltaX), "Span");
  auto* channel = d.Control<TiComponentEditorComboBox>("DataCursorChannelNameComboBox");
  channel->showPopup();  // the drop-down lists the channels
  channel->hidePopup();
  ASSERT_EQ(channel->Items().size(), 2u);
  EXPECT_EQ(channel->Items()[1], d.plot.Channel(0)->Name());
  channel->Enter("<All>");
  EXPECT_EQ(cursor->ChannelName(), "<All>");
}

TEST(CursorsPage, AddAndRemoveKeepListAndSelection) {
  TEditorDialog d;
  AddAndRemoveKeepListAndSelection(
      d, "DataCursor", "DataCursorsAddButton", [&] { return d.plot.DataCursorCount(); },
      [&](int i) { return d.plot.DataCursor(i); });
}

TEST(LimitsPage, StartsEmptyAndEditsAnAddedLimit) {
  TEditorDialog d;
  ASSERT_EQ(d.plot.LimitCount(), 0);
  EXPECT_FALSE(d.Control<TiComponentEditorColorPicker>("LimitColorPicker")->isEnabled());
  d.Press("LimitsAddButton");
  ASSERT_EQ(d.plot.LimitCount(), 1);
  TiPlotLimit* limit = d.plot.Limit(0);
  EXPECT_TRUE(d.Control<TiComponentEditorColorPicker>("LimitColorPicker")->isEnabled());
  d.Type("LimitLine1PositionEdit", "42.5");
  EXPECT_EQ(limit->Line1Position(), 42.5);
  d.Control<TiComponentEditorColorPicker>("LimitColorPicker")->Pick(0x0000FF);
  EXPECT_EQ(limit->Color(), 0x0000FFu);
  d.Choose("LimitStyleComboBox", 2);
  EXPECT_EQ(limit->Style(), iplsBandX);
  d.Control<TiComponentEditorComboBox>("LimitYAxisNameComboBox")->Enter("<None>");
  EXPECT_EQ(limit->YAxisName(), "<None>");
}

TEST(LimitsPage, AddAndRemoveKeepListAndSelection) {
  TEditorDialog d;
  AddAndRemoveKeepListAndSelection(
      d, "Limit", "LimitsAddButton", [&] { return d.plot.LimitCount(); }, [&](int i) { return d.plot.Limit(i); });
}

TEST(LabelsPage, ChangesReachTheLabelAndItsLane) {
  TEditorDialog d;
  TiPlotLabel* title = d.plot.Label(0);
  d.List("Label")->Click(0);
  EXPECT_EQ(d.Control<TiComponentEditorEdit>("LabelZOrderEdit")->Text(), "2");
  d.Type("LabelCaptionEdit", "Distance");
  EXPECT_EQ(title->Caption(), "Distance");
  d.Choose("LabelAlignmentComboBox", 2);
  EXPECT_EQ(title->Alignment(), iahRight);
  d.Type("LabelStartPercentEdit", "50");
  EXPECT_EQ(title->StartPercent(), 50);
  d.Type("LabelNameEdit", "Heading");
  EXPECT_EQ(title->Name(), "Heading");
  EXPECT_EQ(d.List("Label")->item(0)->text().toStdString(), "Heading");  // the row follows
}

TEST(LabelsPage, AddAndRemoveKeepListAndSelection) {
  TEditorDialog d;
  AddAndRemoveKeepListAndSelection(
      d, "Label", "LabelsAddButton", [&] { return d.plot.LabelCount(); }, [&](int i) { return d.plot.Label(i); });
  // The title stays, with the chart's reason shown, and the page still edits it.
  ASSERT_EQ(d.plot.LabelCount(), 1);
  EXPECT_EQ(d.form->LastError(), "Label Index 0 can not be Deleted (Resevered for Title)");
  EXPECT_EQ(d.List("Label")->Count(), 1);
  EXPECT_EQ(d.List("Label")->Selected(), 0);
  d.Type("LabelCaptionEdit", "Kept");
  EXPECT_EQ(d.plot.Label(0)->Caption(), "Kept");
}

TEST(TablesPage, AddAndRemoveKeepListAndSelection) {
  TEditorDialog d;
  AddAndRemoveKeepListAndSelection(
      d, "Table", "TablesAddButton", [&] { return d.plot.TableCount(); }, [&](int i) { return d.plot.Table(i); });
}

TEST(TablesPage, ChangesReachTheTable) {
  TEditorDialog d;
  d.Press("TablesAddButton");
  TiPlotTable* table = d.plot.Table(0);
  const bool horizontal = table->Horizontal();
  d.Click("TableHorizontalCheckBox");
  EXPECT_NE(table->Horizontal(), horizontal);
  d.Click("TableVisibleCheckBox");
  EXPECT_FALSE(table->Visible());
}

// Legends, toolbars and data views: no buttons, no list to see, the first
// object edited.
TEST(HiddenListPages, EditTheFirstObjectWithoutButtons) {
  TEditorDialog d;
  for (const char* prefix : {"Legend", "ToolBar", "DataView"}) {
    EXPECT_FALSE(d.List(prefix)->isVisibleTo(d.form)) << prefix;
    EXPECT_EQ(d.List(prefix)->Selected(), 0) << prefix;
    EXPECT_EQ(d.form->findChild<QPushButton*>(QString(prefix) + "RemoveButton"), nullptr) << prefix;
  }
  d.Click("LegendColumnTitlesVisibleCheckBox");
  EXPECT_TRUE(d.plot.Legend(0)->ColumnTitlesVisible());
  d.Type("LegendWrapColDesiredCountEdit", "3");
  EXPECT_EQ(d.plot.Legend(0)->WrapColDesiredCount(), 3);
  d.Click("ToolBarShowPrintButtonCheckBox");
  EXPECT_FALSE(d.plot.ToolBar(0)->ShowPrintButton());
  d.Click("DataViewGridLineShowXMinorsCheckBox");
  EXPECT_TRUE(d.plot.DataView(0)->GridLineShowXMinors());
}

TEST(DataViewPage, EachGridLineGroupEditsItsOwnLines) {
  TEditorDialog d;
  TiPlotDataView* view = d.plot.DataView(0);
  d.Click("DataViewGridLineYMinorCustomCheckBox");
  d.Type("DataViewGridLineYMinorWidthEdit", "3");
  d.Choose("DataViewGridLineYMinorStyleComboBox", 2);
  const TiPlotGridLineGroup& yMinor = view->GridLineGroup(ipggYMinor);
  EXPECT_TRUE(yMinor.Custom);
  EXPECT_EQ(yMinor.Width, 3);
  EXPECT_EQ(yMinor.Style, ipglsDot);
  EXPECT_EQ(view->GridLineGroup(ipggXMajor), TiPlotGridLineGroup{});  // the others untouched
  EXPECT_EQ(view->GridLineGroup(ipggYMajor), TiPlotGridLineGroup{});
  d.Control<TiComponentEditorComboBox>("DataViewGridXAxisNameComboBox")->Enter("<ALL>");
  EXPECT_EQ(view->GridXAxisName(), "<ALL>");
}

// ---- the "Layout" page --------------------------------------------------------------

struct TLayoutPage : TEditorDialog {
  TiLayoutViewer* viewer = Control<TiLayoutViewer>("LayoutViewer");
  TLayoutPage() { viewer->resize(560, 220); }
  QPoint At(const TiPlotLayoutObject* o) const {
    const TRect r = viewer->Picture().ItemOf(o)->Rect;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Choose(QPoint at, const char* caption) const {
    std::unique_ptr<QMenu> menu = viewer->PopupMenu(at);
    for (QAction* a : menu->actions())
      if (a->text() == caption) return a->trigger();
    ADD_FAILURE() << caption;
  }
};

TEST(LayoutPage, EditShowsTheObjectsPageWithTheObjectSelected) {
  TLayoutPage d;
  d.plot.AddLabel();
  d.Choose(d.At(d.plot.Label(1)), "Edit");
  EXPECT_EQ(d.ShownPageCaption(), "Labels");
  EXPECT_EQ(d.List("Label")->Selected(), 1);
  EXPECT_EQ(d.Control<TiComponentEditorEdit>("LabelNameEdit")->Text(), d.plot.Label(1)->Name());
  // A second legend is reached only this way: its list is not shown.
  TiPlotLegend* second = d.plot.Legend(d.plot.AddLegend());
  d.Choose(d.At(second), "Edit");
  EXPECT_EQ(d.ShownPageCaption(), "Legend");
  EXPECT_EQ(d.List("Legend")->Selected(), 1);
  d.Click("LegendColumnTitlesVisibleCheckBox");
  EXPECT_TRUE(second->ColumnTitlesVisible());
  EXPECT_FALSE(d.plot.Legend(0)->ColumnTitlesVisible());
  const TRect view = d.viewer->Picture().DataView;
  d.Choose({(view.Left + view.Right) / 2, (view.Top + view.Bottom) / 2}, "Edit");
  EXPECT_EQ(d.ShownPageCaption(), "Data View");
  d.Choose(d.At(d.plot.ToolBar(0)), "Edit");
  EXPECT_EQ(d.ShownPageCaption(), "ToolBar");
  TiPlotYAxis* y = d.plot.YAxis(d.plot.AddYAxis());
  d.Choose(d.At(y), "Edit");
  EXPECT_EQ(d.ShownPageCaption(), "Y-Axes");
  EXPECT_EQ(d.List("YAxis")->Selected(), 1);
  d.Choose(d.At(d.plot.XAxis(0)), "Edit");
  EXPECT_EQ(d.ShownPageCaption(), "X-Axes");
  EXPECT_EQ(d.List("XAxis")->Selected(), 0);
  TiPlotTable* table = d.plot.Table(d.plot.AddTable());
  d.Choose(d.At(table), "Edit");
  EXPECT_EQ(d.ShownPageCaption(), "Tables");
  EXPECT_EQ(d.List("Table")->Selected(), 0);
}

TEST(LayoutPage, WhatTheViewerChangesThePagesShow) {
  TLayoutPage d;
  d.Choose({5, 5}, "Add Label");
  ASSERT_EQ(d.plot.LabelCount(), 2);
  EXPECT_EQ(d.List("Label")->Count(), 2);
  d.List("Label")->Click(0);
  d.Choose(d.At(d.plot.Label(0)), "Visible");
  EXPECT_FALSE(d.plot.Label(0)->Visible());
  EXPECT_FALSE(d.Control<TiComponentEditorCheckBox>("LabelVisibleCheckBox")->isChecked());
  d.Choose(d.At(d.plot.Label(1)), "Delete");
  EXPECT_EQ(d.List("Label")->Count(), 1);
  // A drag of the title below the data view: its page shows the new lane.
  const QPoint from = d.At(d.plot.Label(0));
  const QPoint to(from.x(), d.viewer->Picture().DataView.Bottom - 3);
  for (auto [type, at, buttons] : {std::tuple{QEvent::MouseButtonPress, from, Qt::MouseButtons(Qt::LeftButton)},
                                   std::tuple{QEvent::MouseMove, to, Qt::MouseButtons(Qt::LeftButton)},
                                   std::tuple{QEvent::MouseButtonRelease, to, Qt::MouseButtons(Qt::NoButton)}}) {
    QMouseEvent event(type, QPointF(at), d.viewer->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(d.viewer, &event);
  }
  EXPECT_LE(d.plot.Label(0)->ZOrder(), d.plot.LayoutManager()->DataViewHorz()->ZOrder());
  EXPECT_EQ(d.Control<TiComponentEditorEdit>("LabelZOrderEdit")->Text(), std::to_string(d.plot.Label(0)->ZOrder()));
}

}  // namespace
