#include <gtest/gtest.h>

#include <functional>

#include "platform/Exception.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLimit.h"
#include "plot/dIredToolBar.h"
#include "PlotTestSupport.h"

namespace {

TiPlotChannelCustom* Channel(TTestPlot& p, int i) { return p.master->ChannelManager()->Channel(i); }

// A channel that notes, when told of a removal, whether the axis was still
// in its manager.
std::vector<int> g_axisIndexAtNotify;
class TProbeChannel : public TiPlotChannel {
 public:
  using TiPlotChannel::TiPlotChannel;
  void NotifyRemove(TiPlotObject* object) override {
    g_axisIndexAtNotify.push_back(Owner()->MasterManager()->XAxisManager()->IndexOf(object));
    TiPlotChannel::NotifyRemove(object);
  }
};

}  // namespace

TEST(ObjectModel, MasterCreatesEveryManagerAndNewObjectsGetNamesAndDefaults) {
  TTestPlot p;
  TiPlotMasterManager& m = *p.master;
  ASSERT_TRUE(m.ObjectManager() && m.LayoutManager() && m.TranslationManager() && m.AnnotationManager());
  EXPECT_EQ(m.AddXAxis(), 0);
  m.AddYAxis();
  EXPECT_EQ(m.AddChannel(), 0);
  m.AddDataView();
  m.AddDataCursor();
  m.AddLimit();
  m.AddLabel();
  m.AddAnnotation();
  TiPlotChannelCustom* ch = Channel(p, 0);
  EXPECT_EQ(ch->Name(), "Channel 1");
  EXPECT_EQ(ch->TitleText(), "Channel 1");
  EXPECT_EQ(ch->XAxisName(), "X-Axis 1");
  EXPECT_EQ(ch->YAxisName(), "Y-Axis 1");
  EXPECT_NE(dynamic_cast<TiPlotChannel*>(ch), nullptr);
  EXPECT_EQ(ch->XAxis(), m.XAxisManager()->XAxis(0));
  EXPECT_EQ(m.XAxisManager()->XAxis(0)->Title(), "X-Axis 1");
  EXPECT_EQ(m.DataViewManager()->DataView(0)->GridYAxisName(), "Y-Axis 1");
  EXPECT_EQ(m.DataCursorManager()->DataCursor(0)->ChannelName(), "Channel 1");
  EXPECT_EQ(m.DataCursorManager()->DataCursor(0)->DataView(), m.DataViewManager()->DataView(0));
  EXPECT_EQ(m.DataCursorManager()->DataCursor(0)->Name(), "Cursor 1");
  EXPECT_EQ(m.LimitManager()->Limit(0)->XAxisName(), "X-Axis 1");
  EXPECT_EQ(m.LabelManager()->Label(0)->Caption(), "Label 1");
  EXPECT_EQ(m.AnnotationManager()->Annotation(0)->Name(), "");
  EXPECT_EQ(m.ObjectManager()->Count(), 8);
  EXPECT_EQ(m.LayoutManager()->Count(), 4);  // two axes, data view, label
  EXPECT_TRUE(m.XAxisManager()->XAxis(0)->Horizontal());
  EXPECT_FALSE(m.YAxisManager()->YAxis(0)->Horizontal());
  EXPECT_EQ(MessageOf([&] { m.ChannelManager()->Item(1); }), "List index out of bounds (1)");
  EXPECT_EQ(m.ChannelManager()->FindByName("CHANNEL 1"), ch);
  EXPECT_EQ(m.ChannelManager()->FindByName("Channel 2"), nullptr);
}

TEST(ObjectModel, UniqueNamesSkipNonNumbersAndNeverReuseGaps) {
  TTestPlot p;
  p.master->AddChannel();
  p.master->AddChannel();
  Channel(p, 0)->SetName("channel 7");
  Channel(p, 1)->SetName("CHANNEL x");
  EXPECT_EQ(p.master->ChannelManager()->UniqueName(), "Channel 8");
  p.master->AddChannel();
  EXPECT_EQ(Channel(p, 2)->Name(), "Channel 8");
  TTestPlot q;
  for (int i = 0; i < 3; ++i) q.master->AddToolBar();
  delete q.master->ToolBarManager()->ToolBar(1);
  EXPECT_EQ(q.master->ToolBarManager()->UniqueName(), "Toolbar 4");
}

TEST(ObjectModel, ChannelColoursStartRedThenTheLeastUsedCandidate) {
  TTestPlot p;
  p.master->AddChannel();
  p.master->AddChannel();
  EXPECT_EQ(Channel(p, 0)->Color(), clRed);
  EXPECT_EQ(Channel(p, 1)->Color(), clYellow);
  p.master->AddChannel();
  EXPECT_EQ(Channel(p, 2)->Color(), clBlue);
}

TEST(ObjectModel, LayoutExtentKeepsFivePercentInsideTheEdges) {
  TTestPlot p;
  p.master->AddLabel();
  TiPlotLabel* l = p.master->LabelManager()->Label(0);
  l->SetStartPercent(98);
  EXPECT_EQ(l->StartPercent(), 95);
  EXPECT_EQ(l->StopPercent(), 100);
  l->SetStartPercent(0);
  l->SetStopPercent(2);
  EXPECT_EQ(l->StartPercent(), 0);
  EXPECT_EQ(l->StopPercent(), 5);
  l->SetStopPercent(150);
  EXPECT_EQ(l->StopPercent(), 100);
  l->SetStartPercent(50);
  l->SetStopPercent(52);  // pushes the start back
  EXPECT_EQ(l->StartPercent(), 47);
  l->SetZOrder(7);
  l->SetStartPercent(2.5);
  EXPECT_EQ(l->ZOrderKey(), "007");
  EXPECT_EQ(l->StartKey(), "002");  // halves to even
  EXPECT_EQ(l->LayerKey(), "000100");
}

TEST(ObjectModel, ConstructionChecksTheOwnerAndEveryHookInOrder) {
  TTestPlot p;
  TiPlotObjectHooks hooks = p.master->Hooks();
  auto object = [](TiPlotObjectHooks h) { return MessageOf([&] { TiPlotLimit limit(h); }); };
  auto manager = [](TiPlotObjectHooks h) { return MessageOf([&] { TiPlotLabelManager m(h); }); };
  TiPlotObjectHooks h = hooks;
  h.Owner = nullptr;
  h.OnRename = nullptr;
  EXPECT_EQ(object(h), "Owner must be assigned");
  EXPECT_EQ(manager(h), "Owner must be Assigned");
  h = hooks;
  h.OnChange = nullptr;
  h.OnRemove = nullptr;
  EXPECT_EQ(object(h), "OnChange event handler can not be null");
  h = hooks;
  h.OnInsert = nullptr;
  EXPECT_EQ(manager(h), "OnInsert event handler can not be null");
  h = hooks;
  h.OnRemove = nullptr;
  EXPECT_EQ(object(h), "OnRemove event handler can not be null");
  h = hooks;
  h.OnRename = nullptr;
  EXPECT_EQ(object(h), "AOnRename event handler can not be null");
  EXPECT_EQ(MessageOf([&] { p.master->ObjectManager()->CreateObject(); }),
            "Object Manager does not support creation of objects");
}

TEST(ObjectModel, FreeingAnAxisMakesEveryHolderDropItFirst) {
  g_axisIndexAtNotify.clear();
  TTestPlot p;
  TiPlotMasterManager& m = *p.master;
  m.SetChannelClass(CreateChannelOfClass<TProbeChannel>);
  m.AddXAxis();
  m.AddYAxis();
  m.AddChannel();
  m.AddDataView();
  m.AddLimit();
  TiPlotXAxis* axis = m.XAxisManager()->XAxis(0);
  ASSERT_NE(dynamic_cast<TProbeChannel*>(Channel(p, 0)), nullptr);
  ASSERT_EQ(Channel(p, 0)->XAxis(), axis);
  ASSERT_EQ(m.DataViewManager()->DataView(0)->GridXAxis(), axis);
  ASSERT_EQ(m.LimitManager()->Limit(0)->XAxis(), axis);
  delete axis;
  ASSERT_EQ(g_axisIndexAtNotify.size(), 1u);
  EXPECT_EQ(g_axisIndexAtNotify[0], 0);  // still in its manager when told
  EXPECT_EQ(m.XAxisManager()->Count(), 0);
  EXPECT_EQ(m.ObjectManager()->IndexOf(axis), -1);
  EXPECT_EQ(m.LayoutManager()->IndexOf(axis), -1);
  EXPECT_EQ(Channel(p, 0)->XAxis(), nullptr);
  EXPECT_EQ(m.DataViewManager()->DataView(0)->GridXAxis(), nullptr);
  EXPECT_EQ(m.LimitManager()->Limit(0)->XAxis(), nullptr);
  EXPECT_EQ(p.removed.size(), 1u);  // the plot heard of it too
}

TEST(ObjectModel, RenamesAndFocusFanOut) {
  TTestPlot p;
  TiPlotMasterManager& m = *p.master;
  m.AddXAxis();
  m.AddChannel();
  m.AddDataView();
  m.AddDataCursor();
  TiPlotChannelCustom* ch = Channel(p, 0);
  ASSERT_NE(ch->XAxis(), nullptr);
  m.XAxisManager()->XAxis(0)->SetName("Time");
  EXPECT_EQ(ch->XAxisName(), "Time");
  EXPECT_EQ(m.XAxisManager()->XAxis(0)->OldName(), "X-Axis 1");
  ch->SetName("Distance");
  EXPECT_EQ(m.DataCursorManager()->DataCursor(0)->ChannelName(), "Distance");

  TiPlotDataView* view = m.DataViewManager()->DataView(0);
  ch->SetFocused(true);
  m.DataCursorManager()->DataCursor(0)->SetFocused(true);
  EXPECT_TRUE(ch->Focused());  // a cursor showing the channel leaves its focus
  view->SetFocused(true);
  EXPECT_FALSE(ch->Focused());
  ch->SetFocused(true);
  EXPECT_FALSE(view->Focused());
  EXPECT_GT(p.repaintsNow, 0);
  EXPECT_EQ(p.focused.back(), ch);
  m.ClearFocusAll();
  EXPECT_FALSE(ch->Focused());
}

TEST(ObjectModel, ChartWideSwitchesReachEveryObject) {
  TTestPlot p;
  TiPlotMasterManager& m = *p.master;
  m.AddXAxis();
  m.AddToolBar();
  m.AddToolBar();
  m.AddChannel();
  Channel(p, 0)->DataList().Add(1, 2);
  m.XAxisManager()->XAxis(0)->SetFirstPointSeen(true);
  m.ClearAllData();
  EXPECT_EQ(Channel(p, 0)->DataList().Count(), 0);
  EXPECT_FALSE(m.XAxisManager()->XAxis(0)->FirstPointSeen());

  const int repaints = p.repaintsNow;
  m.SetXYAxesReverse(true);
  EXPECT_FALSE(m.XAxisManager()->XAxis(0)->Horizontal());
  EXPECT_TRUE(Channel(p, 0)->XYAxesReverse());
  EXPECT_EQ(p.repaintsNow, repaints + 1);
  m.AddChannel();
  EXPECT_TRUE(Channel(p, 1)->XYAxesReverse());  // new objects follow

  m.SetToolBarsVisible(false);
  EXPECT_FALSE(m.ToolBarManager()->ToolBar(1)->Visible());
  m.SetEditAllowed(false);
  EXPECT_FALSE(m.ToolBarManager()->ToolBar(0)->EditAllowed());
}

TEST(ObjectModel, RightClickOpensTheMenuWithATranslatedEditItem) {
  TTestPlot p;
  p.master->AddChannel();
  p.master->TranslationManager()->AddTranslation("Edit...", "Bearbeiten...");
  TiPlotObject* edited = nullptr;
  p.master->OnEditObject = [&](TiPlotObject* o) { edited = o; };
  TiPopupMenu menu;
  menu.Add("stale");
  TiPlotChannelCustom* ch = Channel(p, 0);
  ch->MouseDown(ipmbRight, 0, &menu, 10, 10, 1, 1);
  EXPECT_EQ(p.popups, 1);
  ASSERT_EQ(menu.Items.size(), 1u);
  EXPECT_EQ(menu.Items[0]->Caption, "Bearbeiten...");
  menu.Items[0]->OnClick();
  EXPECT_EQ(edited, ch);
  p.master->SetEditAllowed(false);
  ch->AddMenuItems(menu);
  EXPECT_TRUE(menu.Items.empty());
  ch->SetPopupEnabled(false);
  ch->MouseDown(ipmbRight, 0, &menu, 10, 10, 1, 1);
  EXPECT_EQ(p.popups, 1);
}

TEST(ObjectModel, AClickIsReportedOnlyForAPressAndReleaseInside) {
  TTestPlot p;
  p.master->AddLabel();
  TiPlotLabel* label = p.master->LabelManager()->Label(0);
  label->SetRect(Rect(0, 0, 50, 20));
  label->MouseDown(ipmbLeft, 0, nullptr, 0, 0, 5, 5);
  EXPECT_TRUE(label->MouseDownActive());
  label->MouseUp(ipmbLeft, 0, false, 60, 5);
  EXPECT_TRUE(p.clicked.empty());
  label->MouseDown(ipmbLeft, 0, nullptr, 0, 0, 5, 5);
  label->MouseUp(ipmbLeft, 0, false, 6, 6);
  ASSERT_EQ(p.clicked.size(), 1u);
  label->SetEnabled(false);
  label->MouseDown(ipmbLeft, 0, nullptr, 0, 0, 5, 5);
  EXPECT_FALSE(label->MouseDownActive());
}

TEST(ObjectModel, DetachedObjectsNoLongerReachThePlot) {
  TTestPlot p;
  p.master->AddChannel();
  p.master->ObjectManager()->DetachHooks();
  const int changes = p.changes;
  Channel(p, 0)->SetTitleText("x");
  EXPECT_EQ(p.changes, changes);
}
