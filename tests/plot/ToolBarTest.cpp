#include <gtest/gtest.h>

#include <cmath>

#include "ToolBarTestSupport.h"

namespace {

using Log = std::vector<std::string>;

std::string Clicked(int index, TiPlotToolBarButtonType type) {
  return "Click " + std::to_string(index) + " " + std::to_string(type);
}

}  // namespace

// ---- the buttons and the published properties ------------------------------

TEST(ToolBar, HasItsButtonsAndSeparatorsInDisplayOrder) {
  TToolBarChart c;
  struct TExpected {
    int type;  // -1: a separator
    const char* glyph;
    const char* hint;
    int group;
  };
  const TExpected expected[] = {
      {0, "AUTO", "Resume All (Tracking)", 0},   {1, "PAUSE", "Pause All (Tracking)", 0},
      {-1, "", "", 0},                           {2, "SCROLL", "Scroll (Axes)", 2},
      {3, "ZOOM", "Zoom (Axes)", 2},             {-1, "", "", 0},
      {6, "ZOOMOUT", "Zoom Out All Axes", 0},    {7, "ZOOMIN", "Zoom In All Axes", 0},
      {-1, "", "", 0},                           {4, "SELECT", "Select", -1},
      {5, "SCROLLBOX", "Zoom Box", -1},          {8, "CURSOR", "Cursor", -2},
      {-1, "", "", 0},                           {9, "PROPERTIES", "Properties", 0},
      {-1, "", "", 0},                           {10, "COPY", "Copy to Clipboard", 0},
      {11, "SAVE", "Save to File", 0},           {12, "PRINTER", "Print", 0},
      {13, "PREVIEW", "Preview", 0}};
  ASSERT_EQ(c.bar->ButtonCount(), 19);
  for (int i = 0; i < 19; ++i) {
    const TiPlotToolBarButton& b = *c.bar->Button(i);
    const TExpected& e = expected[i];
    EXPECT_EQ(b.IsSeparator(), e.type < 0) << i;
    if (e.type < 0) continue;
    EXPECT_EQ(b.ButtonType(), e.type) << i;
    EXPECT_EQ(b.GlyphName(), e.glyph) << i;
    EXPECT_EQ(b.Hint(), e.hint) << i;
    EXPECT_EQ(b.GroupIndex, e.group) << i;
    EXPECT_EQ(b.Down(), e.type == iptbbtScrollMode) << i;
    EXPECT_EQ(b.Visible(), e.type != iptbbtSelect && e.type != iptbbtPreview) << i;
  }
  EXPECT_THROW(c.bar->Button(19), Exception);
  EXPECT_TRUE(c.bar->Horizontal());
}

TEST(ToolBar, PublishedPropertiesStartAtTheirDefaults) {
  TToolBarChart c;
  const TClassInfo& info = TiPlotToolBar::StaticClass();
  const TObjectRef self = Reflect(*c.bar);
  int checked = 0;
  for (const TPropInfo& p : info.Properties()) {
    if (!info.Parent() || info.Parent()->Find(p.Name)) continue;  // the layout object's own
    ASSERT_TRUE(p.HasDefault) << p.Name;
    if (p.Kind == pkFloat) EXPECT_EQ(p.GetFloat(self.Object), p.DefaultFloat) << p.Name;
    else EXPECT_EQ(p.GetOrdinal(self.Object), p.DefaultOrdinal) << p.Name;
    ++checked;
  }
  EXPECT_EQ(checked, 16);
  EXPECT_FALSE(c.bar->ShowSelectButton());
  EXPECT_FALSE(c.bar->ShowPreviewButton());
  EXPECT_EQ(c.bar->ZoomInOutFactor(), 2.0);
}

TEST(ToolBar, ShowPropertiesAreViewsOfTheButtonsVisible) {
  TToolBarChart c;
  const int before = c.changes;
  c.bar->SetShowAxesModeButtons(false);
  EXPECT_FALSE(c.B(iptbbtScrollMode).Visible());
  EXPECT_FALSE(c.B(iptbbtZoomMode).Visible());
  EXPECT_GT(c.changes, before);
  // A pair reads its first button.
  c.B(iptbbtZoomMode).SetVisible(true);
  EXPECT_FALSE(c.bar->ShowAxesModeButtons());
  c.B(iptbbtScrollMode).SetVisible(true);
  EXPECT_TRUE(c.bar->ShowAxesModeButtons());
  c.B(iptbbtCopy).SetVisible(false);
  EXPECT_FALSE(c.bar->ShowCopyButton());
  // Setting what is already shown changes nothing.
  const int settled = c.changes;
  c.bar->SetShowZoomInOutButtons(true);
  c.bar->SetFlatBorder(false);
  EXPECT_EQ(c.changes, settled);
}

TEST(ToolBar, ZoomFactorBelowOneOrNotANumberIsStoredAsOne) {
  TToolBarChart c;
  c.bar->SetZoomInOutFactor(0.5);
  EXPECT_EQ(c.bar->ZoomInOutFactor(), 1.0);
  c.bar->SetZoomInOutFactor(3);
  EXPECT_EQ(c.bar->ZoomInOutFactor(), 3.0);
  c.bar->SetZoomInOutFactor(std::nan(""));
  EXPECT_EQ(c.bar->ZoomInOutFactor(), 1.0);
  // Zooming by 1 leaves the axes where they are.
  c.bar->Click(iptbbtZoomIn);
  c.bar->Click(iptbbtZoomOut);
  EXPECT_EQ(c.XAxis(0)->Min(), 0);
  EXPECT_EQ(c.XAxis(0)->Span(), 100);
}

// ---- layout and hit tests --------------------------------------------------

TEST(ToolBar, ButtonsArePlacedLeftToRightAndHiddenOnesTakeNoSpace) {
  TToolBarChart c;
  EXPECT_EQ(c.bar->GetRequiredThickness(nullptr), 36);
  EXPECT_EQ(c.B(iptbbtResume).Rect, (TRect{3, 3, 33, 33}));
  EXPECT_EQ(c.bar->Button(2)->Rect, (TRect{63, 3, 73, 33}));  // a separator
  EXPECT_EQ(c.B(iptbbtScrollMode).Rect.Left, 73);
  EXPECT_EQ(c.B(iptbbtZoomBox).Rect.Left, 213);  // the hidden select button is skipped
  EXPECT_EQ(c.B(iptbbtPrint).Rect, (TRect{383, 3, 413, 33}));

  c.bar->SetShowResumeButton(false);
  c.bar->SetShowPauseButton(false);
  c.Paint();
  EXPECT_FALSE(c.bar->Button(2)->Visible()) << "the separator after pause goes with both";
  EXPECT_EQ(c.B(iptbbtScrollMode).Rect.Left, 3);

  // The separator after the cursor button stays for the zoom box alone, and
  // not for the select button.
  c.bar->SetShowCursorButton(false);
  c.Paint();
  EXPECT_TRUE(c.bar->Button(12)->Visible());
  c.bar->SetShowZoomBoxButton(false);
  c.bar->SetShowSelectButton(true);
  c.Paint();
  EXPECT_FALSE(c.bar->Button(12)->Visible());
}

TEST(ToolBar, SmallButtonsMakeAThinnerBarOfSmallerGlyphs) {
  TToolBarChart c;
  c.bar->SetSmallButtons(true);
  EXPECT_EQ(c.bar->GetRequiredThickness(nullptr), 28);
  EXPECT_EQ(c.B(iptbbtZoomIn).GlyphName(), "SMALLZOOMIN");
  EXPECT_EQ(c.B(iptbbtZoomIn).ImageIndex(), -1);
  c.bar->SetRect({10, 20, 400, 48});
  c.Paint();
  EXPECT_EQ(c.B(iptbbtResume).Rect, (TRect{13, 23, 35, 45}));
  EXPECT_EQ(c.B(iptbbtPause).Rect.Left - c.B(iptbbtResume).Rect.Left, 22);
  EXPECT_EQ(c.bar->Images().Size(), 16);
  EXPECT_GE(c.B(iptbbtZoomIn).ImageIndex(), 0);
  c.bar->SetSmallButtons(false);
  EXPECT_EQ(c.B(iptbbtZoomIn).GlyphName(), "ZOOMIN");
  EXPECT_EQ(c.bar->Images().Count(), 0);
}

TEST(ToolBar, HitTestFindsVisibleButtonsAndSeparatorsElseTheToolBar) {
  TToolBarChart c;
  EXPECT_EQ(c.bar->GetHitObject(3, 3), &c.B(iptbbtResume));
  EXPECT_EQ(c.bar->GetHitObject(32, 32), &c.B(iptbbtResume));
  EXPECT_EQ(c.bar->GetHitObject(33, 10), &c.B(iptbbtPause));
  EXPECT_EQ(c.bar->GetHitObject(65, 10), c.bar->Button(2));
  EXPECT_EQ(c.bar->HitObject(), c.bar->Button(2));
  EXPECT_EQ(c.bar->GetHitObject(2, 10), c.bar);   // the border
  EXPECT_EQ(c.bar->GetHitObject(10, 34), c.bar);  // below the buttons
  EXPECT_EQ(c.bar->GetHitObject(450, 10), c.bar);  // past the last one
  // A hidden button is not hit, even before the next paint moves the others.
  c.bar->SetShowResumeButton(false);
  EXPECT_EQ(c.bar->GetHitObject(10, 10), c.bar);
  // The toolbar's own hit test is on the raw pixels, as its buttons are.
  TiPlotMouseData m;
  m.RawX = 450;
  m.RawY = 10;
  m.X = 10;
  m.Y = 450;
  EXPECT_TRUE(c.bar->HitTest(m));
}

// ---- mouse -----------------------------------------------------------------

TEST(ToolBar, ReleasingOutsideTheButtonRunsNothingAndKeepsTheRadioGroup) {
  TToolBarChart c;
  TiPlotToolBarButton& zoom = c.B(iptbbtZoomMode);
  const int before = c.changes;
  c.Press(TToolBarChart::Centre(zoom.Rect));
  EXPECT_TRUE(zoom.Pressed());
  EXPECT_GT(c.changes, before) << "the pressed face is repainted";
  c.Release({zoom.Rect.Right + 40, 10});
  EXPECT_FALSE(zoom.Pressed());
  EXPECT_FALSE(zoom.Down());
  EXPECT_TRUE(c.B(iptbbtScrollMode).Down());
  EXPECT_EQ(c.log, Log{});
}

TEST(ToolBar, RightPressOnAButtonOpensTheToolBarMenu) {
  TToolBarChart c;
  c.Paint();  // resume is disabled now: every axis tracks
  ASSERT_FALSE(c.B(iptbbtResume).Enabled());
  c.Press(TToolBarChart::Centre(c.B(iptbbtResume).Rect), ipmbRight);
  EXPECT_EQ(c.popups, 1);
  ASSERT_EQ(c.menu.Items.size(), 1u);
  EXPECT_EQ(c.menu.Items[0]->Caption, "Edit...");
  EXPECT_FALSE(c.B(iptbbtResume).Pressed());
  // A disabled button takes no left click.
  c.Click(iptbbtResume);
  EXPECT_EQ(c.log, Log{});
}

TEST(ToolBar, HintIsTranslatedAndPlacedBelowTheButtonThenCustomized) {
  TToolBarChart c;
  c.master->TranslationManager()->AddTranslation("Zoom Box", "Zoomkasten");
  const TRect r = c.B(iptbbtZoomBox).Rect;
  TiPlotHintData hint = c.Hover(TToolBarChart::Centre(r));
  EXPECT_TRUE(hint.Show);
  EXPECT_EQ(hint.Text, "Zoomkasten");
  EXPECT_EQ(hint.X, r.Left);
  EXPECT_EQ(hint.Y, r.Bottom + 3);

  int seenIndex = -1;
  c.bar->Chart.OnToolBarCustomizeHint = [&](int index, TiPlotHintData& h) {
    seenIndex = index;
    h.Text += "!";
    h.Y = 100;
  };
  hint = c.Hover(TToolBarChart::Centre(c.B(iptbbtCopy).Rect));
  EXPECT_EQ(seenIndex, 0);
  EXPECT_EQ(hint.Text, "Copy to Clipboard!");
  EXPECT_EQ(hint.Y, 100);
  // A separator, and the toolbar between its buttons, offer none.
  EXPECT_FALSE(c.Hover({65, 10}).Show);
  EXPECT_FALSE(c.Hover({450, 10}).Show);
}

TEST(ToolBar, FlatButtonsBecomeHotUnderThePointerAndColdWhenItLeaves) {
  TToolBarChart c;
  c.bar->SetFlatButtons(true);
  EXPECT_TRUE(c.B(iptbbtSave).Flat());
  TiPlotToolBarButton& save = c.B(iptbbtSave);
  int before = c.changes;
  c.Hover(TToolBarChart::Centre(save.Rect));
  EXPECT_TRUE(save.Hot());
  EXPECT_GT(c.changes, before);
  c.Hover(TToolBarChart::Centre(c.B(iptbbtPrint).Rect));
  EXPECT_FALSE(save.Hot());
  EXPECT_TRUE(c.B(iptbbtPrint).Hot());
  c.Hover({450, 10});  // onto the bar itself
  EXPECT_FALSE(c.B(iptbbtPrint).Hot());
  c.Hover(TToolBarChart::Centre(save.Rect));
  before = c.changes;
  save.MouseLeave();
  EXPECT_FALSE(save.Hot());
  EXPECT_GT(c.changes, before);
}

TEST(ToolBar, TakingTheFocusTakesItFromTheOtherToolBars) {
  TToolBarChart c;
  c.master->AddToolBar();
  TiPlotToolBar* second = c.master->ToolBarManager()->ToolBar(1);
  c.XAxis(0)->SetFocused(true);
  c.bar->SetFocused(true);
  second->SetFocused(true);
  EXPECT_FALSE(c.bar->Focused());
  EXPECT_TRUE(second->Focused());
  c.bar->SetFocused(true);
  EXPECT_FALSE(second->Focused());
}

// ---- actions ---------------------------------------------------------------

TEST(ToolBar, PauseAndResumeReachThePlotAndReportTheirButtons) {
  TToolBarChart c;
  c.Click(iptbbtPause);
  EXPECT_EQ(c.log, (Log{"PauseAll", Clicked(0, iptbbtPause)}));
  c.Paint();  // resume is enabled once an axis is paused
  c.log.clear();
  c.XAxis(1)->SetFocused(true);
  c.Click(iptbbtResume);
  EXPECT_EQ(c.log, (Log{"ResumeAll", Clicked(0, iptbbtResume)}));
  EXPECT_FALSE(c.XAxis(1)->Focused());
}

TEST(ToolBar, ResumeReleasesTheCursorAndSelectButtonsFirst) {
  TToolBarChart c;
  c.bar->SetShowSelectButton(true);
  c.Paint();
  c.Click(iptbbtCursor);
  c.Click(iptbbtSelect);
  c.log.clear();
  c.bar->Click(iptbbtResume);
  EXPECT_EQ(c.log, (Log{Clicked(0, iptbbtCursor), "SelectMode off", Clicked(0, iptbbtSelect), "ResumeAll",
                        Clicked(0, iptbbtResume)}));
  EXPECT_FALSE(c.bar->CursorButtonDown());
  EXPECT_FALSE(c.bar->SelectButtonDown());
  EXPECT_FALSE(c.Cursor(0)->Visible());
  EXPECT_FALSE(c.Cursor(0)->Focused());
}

TEST(ToolBar, ModeButtonsAreARadioPairSettingEveryXThenEveryYAxis) {
  TToolBarChart c;
  auto modes = [&] {
    return std::vector<int>{c.XAxis(0)->AxesMode(), c.XAxis(1)->AxesMode(), c.YAxis(0)->AxesMode()};
  };
  c.Click(iptbbtZoomMode);
  EXPECT_TRUE(c.B(iptbbtZoomMode).Down());
  EXPECT_FALSE(c.B(iptbbtScrollMode).Down());
  EXPECT_EQ(modes(), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(c.log, (Log{Clicked(0, iptbbtZoomMode)}));
  c.Click(iptbbtScrollMode);
  EXPECT_TRUE(c.B(iptbbtScrollMode).Down());
  EXPECT_FALSE(c.B(iptbbtZoomMode).Down());
  EXPECT_EQ(modes(), (std::vector<int>{0, 0, 0}));
  // Clicking the latched one again keeps it latched.
  c.Click(iptbbtScrollMode);
  EXPECT_TRUE(c.B(iptbbtScrollMode).Down());
}

TEST(ToolBar, ZoomButtonsPauseFirstThenZoomEveryAxisByTheFactorOrADecade) {
  TToolBarChart c;
  TiPlotXAxis& log = *c.XAxis(1);
  log.SetScaleType(ipstLog10);
  log.SetMinSpan(1, 99);
  c.YAxis(0)->SetMinSpan(-10, 20);
  c.Click(iptbbtZoomIn);
  EXPECT_EQ(c.log, (Log{"PauseAll", Clicked(0, iptbbtPause), Clicked(0, iptbbtZoomIn)}));
  EXPECT_FALSE(c.XAxis(0)->TrackingEnabled());
  EXPECT_DOUBLE_EQ(c.XAxis(0)->Min(), 25);
  EXPECT_DOUBLE_EQ(c.XAxis(0)->Span(), 50);
  EXPECT_DOUBLE_EQ(c.YAxis(0)->Min(), -5);
  EXPECT_DOUBLE_EQ(c.YAxis(0)->Span(), 10);
  EXPECT_DOUBLE_EQ(log.Min(), 10);  // a decade in: 1 .. 100 becomes 10 .. 19.9
  EXPECT_DOUBLE_EQ(log.Span(), 9.9);
  c.log.clear();
  c.Click(iptbbtZoomOut);
  EXPECT_EQ(c.log, (Log{"PauseAll", Clicked(0, iptbbtPause), Clicked(0, iptbbtZoomOut)}));
  EXPECT_DOUBLE_EQ(c.XAxis(0)->Min(), 0);
  EXPECT_DOUBLE_EQ(c.XAxis(0)->Span(), 100);
  EXPECT_DOUBLE_EQ(log.Min(), 1);
  EXPECT_DOUBLE_EQ(log.Span(), 99);
}

TEST(ToolBar, SelectAndZoomBoxExcludeEachOther) {
  TToolBarChart c;
  c.bar->SetShowSelectButton(true);
  c.Paint();
  c.Click(iptbbtZoomBox);
  EXPECT_TRUE(c.bar->ZoomBoxButtonDown());
  EXPECT_EQ(c.log, (Log{Clicked(0, iptbbtZoomBox)}));
  c.log.clear();
  c.Click(iptbbtSelect);
  EXPECT_TRUE(c.bar->SelectButtonDown());
  EXPECT_FALSE(c.bar->ZoomBoxButtonDown());
  EXPECT_EQ(c.log, (Log{"PauseAll", "SelectMode on", Clicked(0, iptbbtSelect)}));
  c.log.clear();
  c.Click(iptbbtZoomBox);
  EXPECT_FALSE(c.bar->SelectButtonDown());
  EXPECT_TRUE(c.bar->ZoomBoxButtonDown());
  EXPECT_EQ(c.log, (Log{"SelectMode off", Clicked(0, iptbbtZoomBox)}));
  c.log.clear();
  c.Click(iptbbtZoomBox);
  EXPECT_FALSE(c.bar->ZoomBoxButtonDown());
}

TEST(ToolBar, CursorButtonShowsTheDataCursorsPausesAndFocusesTheFirst) {
  TToolBarChart c;
  c.Cursor(0)->SetVisible(false);
  c.Cursor(1)->SetVisible(false);
  c.Click(iptbbtCursor);
  EXPECT_TRUE(c.bar->CursorButtonDown());
  EXPECT_TRUE(c.Cursor(0)->Visible());
  EXPECT_TRUE(c.Cursor(1)->Visible());
  EXPECT_TRUE(c.Cursor(0)->Focused());
  EXPECT_EQ(c.log, (Log{"PauseAll", Clicked(0, iptbbtCursor)}));
  c.log.clear();
  c.Click(iptbbtCursor);
  EXPECT_FALSE(c.Cursor(0)->Visible());
  EXPECT_FALSE(c.Cursor(1)->Visible());
  EXPECT_EQ(c.log, (Log{Clicked(0, iptbbtCursor)}));
}

TEST(ToolBar, PropertiesOpenTheEditorAndOutputButtonsCallThePlotWithTheToolBarIndex) {
  TToolBarChart c;
  c.master->AddToolBar();
  TiPlotToolBar* second = c.master->ToolBarManager()->ToolBar(1);
  second->Chart = c.Hooks();
  int edits = 0;
  TiPlotObject* edited = c.bar;
  c.master->OnEditObject = [&](TiPlotObject* o) {
    ++edits;
    edited = o;
  };
  for (TiPlotToolBarButtonType t : {iptbbtProperties, iptbbtCopy, iptbbtSave, iptbbtPrint, iptbbtPreview})
    second->Click(t);
  EXPECT_EQ(edits, 1);
  EXPECT_EQ(edited, nullptr) << "the editor opens on no particular object";
  EXPECT_EQ(c.log, (Log{Clicked(1, iptbbtProperties), "Copy", Clicked(1, iptbbtCopy), "Save",
                        Clicked(1, iptbbtSave), "Print", Clicked(1, iptbbtPrint), "Preview",
                        Clicked(1, iptbbtPreview)}));
}

TEST(ToolBar, WithoutThePlotsHooksButtonsStillSetTheirStateAndTheAxes) {
  TToolBarChart c;
  c.bar->Chart = {};
  for (int t = iptbbtResume; t <= iptbbtPreview; ++t) c.bar->Click(static_cast<TiPlotToolBarButtonType>(t));
  EXPECT_TRUE(c.B(iptbbtZoomMode).Down());
  EXPECT_TRUE(c.bar->CursorButtonDown());
  EXPECT_EQ(c.XAxis(0)->AxesMode(), 1);
  EXPECT_EQ(c.log, Log{});
  c.bar->Click(iptbbtResume);
  EXPECT_TRUE(c.XAxis(1)->TrackingEnabled());
  c.bar->Click(iptbbtPause);
  EXPECT_FALSE(c.YAxis(0)->TrackingEnabled());
}

TEST(ToolBar, ResumeAndPauseFollowTheAxesTrackingAtEachPaintWithoutAskingForAnother) {
  TToolBarChart c;
  EXPECT_FALSE(c.B(iptbbtResume).Enabled());
  EXPECT_TRUE(c.B(iptbbtPause).Enabled());
  c.bar->Click(iptbbtPause);
  int before = c.changes;
  c.Paint();
  EXPECT_EQ(c.changes, before) << "a paint must not request another";
  EXPECT_TRUE(c.B(iptbbtResume).Enabled());
  EXPECT_FALSE(c.B(iptbbtPause).Enabled());
  c.YAxis(0)->SetTrackingEnabled(true);
  c.Paint();
  EXPECT_TRUE(c.B(iptbbtResume).Enabled());
  EXPECT_TRUE(c.B(iptbbtPause).Enabled());
  c.bar->Click(iptbbtResume);
  c.Paint();
  EXPECT_FALSE(c.B(iptbbtResume).Enabled());
  EXPECT_TRUE(c.B(iptbbtPause).Enabled());
}

TEST(ToolBar, AnInvisibleToolBarDrawsNothingAndDeletingOneIsQuiet) {
  TToolBarChart c;
  c.bitmap.Fill(clBlack);
  c.bar->SetVisible(false);
  c.Paint();
  EXPECT_EQ(c.bitmap.Pixel(10, 10), clBlack);
  c.master->ToolBarManager()->Delete(0);
  EXPECT_EQ(c.master->ToolBarManager()->Count(), 0);
}
