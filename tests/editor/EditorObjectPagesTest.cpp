// The "Channels", "X-Axes" and "Y-Axes" pages: changes reach the chart at
// once, Escape changes nothing, Add and Remove keep the selection where the
// operator expects it, and the name drop-downs follow the chart's axes.
#include <QLabel>

#include "EditorFixture.h"
#include "plot/dIredAxis.h"
#include "plot/dIredChannel.h"

namespace {

using EditorPages = EditorFixture;

std::vector<std::string> ItemsOf(TiComponentEditorComboBox* box) {
  box->showPopup();
  box->hidePopup();
  return box->Items();
}

TEST_F(EditorPages, AChangedControlChangesTheChartAtOnceAndItRepaints) {
  Open(plot->Channel(0));
  RunEventsUntil([&] { return plot->Paints > 0; });

  int before = plot->Paints;
  Control<TiComponentEditorColorPicker>("ChannelColorPicker")->Pick(clLime);
  EXPECT_EQ(plot->Channel(0)->Color(), clLime);
  EXPECT_TRUE(RepaintsAfter(before));
  EXPECT_EQ(ObjectPage("Channels")->ListBox()->item(0)->icon().pixmap(12, 12).toImage().pixelColor(6, 6),
            QColor(0, 255, 0))
      << "the row's colour box follows";

  Open(plot->XAxis(0));
  before = plot->Paints;
  Type(EditNamed("XAxisSpanEdit"), "250");
  EXPECT_EQ(plot->XAxis(0)->Span(), 250);
  EXPECT_TRUE(RepaintsAfter(before));

  before = plot->Paints;
  Control<TiComponentEditorComboBox>("XAxisTrackingStyleComboBox")->Choose(iptsScrollPage);
  EXPECT_EQ(plot->XAxis(0)->TrackingStyle(), iptsScrollPage);
  Control<TiComponentEditorCheckBox>("XAxisReverseScaleCheckBox")->click();
  EXPECT_TRUE(plot->XAxis(0)->ReverseScale());
  EXPECT_TRUE(RepaintsAfter(before));

  Open(plot->YAxis(0));
  Control<TiComponentEditorRadioGroup>("YAxisCartesianStyleRadioGroup")->Click(ipcsMaster);
  EXPECT_EQ(plot->YAxis(0)->CartesianStyle(), ipcsMaster);
  TFont bold = plot->YAxis(0)->LabelsFont();
  bold.Style = FontStyleBit(fsBold);
  Control<TiComponentEditorFontPicker>("YAxisLabelsFontPicker")->Pick(bold);
  EXPECT_TRUE(plot->YAxis(0)->LabelsFont().Has(fsBold));
}

TEST_F(EditorPages, TheOPCGroupEditsTheChannelsItemAndXSource) {
  Open(plot->Channel(0));
  EXPECT_EQ(EditNamed("ChannelOPCComputerNameEdit")->Text(), "Local");
  Type(EditNamed("ChannelOPCItemNameEdit"), "Tank.Pressure");
  EXPECT_EQ(plot->Channel(0)->OPCItemName(), "Tank.Pressure");
  Type(EditNamed("ChannelOPCUpdateRateEdit"), "250");
  EXPECT_EQ(plot->Channel(0)->OPCUpdateRate(), 250);
  Control<TiComponentEditorCheckBox>("ChannelOPCAutoConnectCheckBox")->click();
  EXPECT_FALSE(plot->Channel(0)->OPCAutoConnect());
  Control<TiComponentEditorRadioGroup>("ChannelOPCXValueSourceRadioGroup")->Click(iopcxvsElapsedSeconds);
  EXPECT_EQ(plot->Channel(0)->OPCXValueSource(), iopcxvsElapsedSeconds);
}

TEST_F(EditorPages, ChoosingAnotherRowLoadsItsObjectAndChangesGoThere) {
  plot->AddChannel();
  Open(plot->Channel(0));
  TiComponentEditorListBox* list = ObjectPage("Channels")->ListBox();
  list->setCurrentRow(1);  // as a click or an arrow key does
  EXPECT_EQ(EditNamed("ChannelNameEdit")->Text(), plot->Channel(1)->Name());
  const TColor first = plot->Channel(0)->Color();
  Control<TiComponentEditorColorPicker>("ChannelColorPicker")->Pick(clFuchsia);
  EXPECT_EQ(plot->Channel(1)->Color(), clFuchsia);
  EXPECT_EQ(plot->Channel(0)->Color(), first);
}

TEST_F(EditorPages, EscapeRestoresTheCommittedTextAndChangesNothing) {
  Open(plot->Channel(0));
  const std::string title = plot->Channel(0)->TitleText();
  TiComponentEditorEdit* edit = EditNamed("ChannelTitleTextEdit");
  edit->setText("Pressure");
  Press(edit, Qt::Key_Escape);
  EXPECT_EQ(edit->Text(), title);
  EXPECT_EQ(plot->Channel(0)->TitleText(), title);
  EXPECT_TRUE(Form().isVisible()) << "Escape in a text box does not close the dialog";
}

TEST_F(EditorPages, RenamingThroughTheNameBoxRenamesTheRowAndTheReferencesFollow) {
  Open(plot->XAxis(0));
  // A channel finds its axis by name when it first draws, and follows it from then on.
  ASSERT_TRUE(RunEventsUntil([&] { return plot->Paints > 0; }));
  Type(EditNamed("XAxisNameEdit"), "Time");
  EXPECT_EQ(plot->XAxis(0)->Name(), "Time");
  EXPECT_EQ(ObjectPage("X-Axes")->ListBox()->item(0)->text().toStdString(), "Time");
  EXPECT_EQ(plot->Channel(0)->XAxisName(), "Time");
  Open(plot->Channel(0));
  EXPECT_EQ(Control<TiComponentEditorComboBox>("ChannelXAxisNameComboBox")->Text(), "Time");
}

TEST_F(EditorPages, AddSelectsTheNewObjectAndLoadsThePage) {
  Open(plot->Channel(0));
  TiPlotEditorObjectPage* page = ObjectPage("Channels");
  const int before = plot->ChannelCount();
  page->AddButton()->click();
  ASSERT_EQ(plot->ChannelCount(), before + 1);
  EXPECT_EQ(page->Selected(), plot->Channel(before));
  EXPECT_EQ(EditNamed("ChannelNameEdit")->Text(), plot->Channel(before)->Name());
  EXPECT_EQ(Control<TiComponentEditorColorPicker>("ChannelColorPicker")->Color(), plot->Channel(before)->Color());
  EXPECT_TRUE(Control<QLabel>("ChannelStatsMemoryLabel")->text().endsWith(" Bytes"));

  ObjectPage("Y-Axes")->AddButton()->click();
  EXPECT_EQ(ObjectPage("Y-Axes")->Selected(), plot->YAxis(plot->YAxisCount() - 1));
  EXPECT_EQ(EditNamed("YAxisTitleEdit")->Text(), plot->YAxis(plot->YAxisCount() - 1)->Name());
}

TEST_F(EditorPages, RemoveSelectsTheRowAtTheSameIndexOrTheNewLastOne) {
  while (plot->ChannelCount() < 4) plot->AddChannel();
  Open(plot->Channel(1));
  TiPlotEditorObjectPage* page = ObjectPage("Channels");
  TiPlotChannelCustom* third = plot->ChannelCustom(2);
  page->RemoveButton()->click();
  ASSERT_EQ(plot->ChannelCount(), 3);
  EXPECT_EQ(page->Selected(), third);
  EXPECT_EQ(EditNamed("ChannelNameEdit")->Text(), third->Name());

  page->ListBox()->Click(2);
  TiPlotChannelCustom* second = plot->ChannelCustom(1);
  page->RemoveButton()->click();
  EXPECT_EQ(page->Selected(), second) << "the removed row was the last";

  page->RemoveButton()->click();
  page->RemoveButton()->click();
  EXPECT_EQ(plot->ChannelCount(), 0);
  EXPECT_EQ(page->Selected(), nullptr);
  EXPECT_FALSE(EditNamed("ChannelNameEdit")->isEnabled()) << "nothing to edit";
  EXPECT_FALSE(page->RemoveButton()->isEnabled());
  EXPECT_TRUE(page->AddButton()->isEnabled()) << "a channel can still be added";
  EXPECT_TRUE(page->SubPages()->isEnabled());
  page->AddButton()->click();
  EXPECT_TRUE(EditNamed("ChannelNameEdit")->isEnabled());
}

TEST_F(EditorPages, NameDropDownsListNoneAndTheCurrentNamesAndKeepTheirText) {
  plot->AddYAxis();
  plot->AddTranslation("<None>", "<Keine>");
  Open(plot->Channel(0));
  auto* box = Control<TiComponentEditorComboBox>("ChannelYAxisNameComboBox");
  const std::string shown = box->Text();
  EXPECT_EQ(ItemsOf(box), (std::vector<std::string>{"<Keine>", plot->YAxis(0)->Name(), plot->YAxis(1)->Name()}));
  EXPECT_EQ(box->Text(), shown);

  box->Choose(2);
  EXPECT_EQ(plot->Channel(0)->YAxisName(), plot->YAxis(1)->Name());
}

TEST_F(EditorPages, RemovingAnAxisTakesItsNameOutOfTheChannelPageDropDown) {
  plot->AddXAxis();
  const std::string gone = plot->XAxis(1)->Name();
  plot->Channel(0)->SetXAxisName(gone);
  Open(plot->XAxis(1));
  auto* box = Control<TiComponentEditorComboBox>("ChannelXAxisNameComboBox");
  ObjectPage("X-Axes")->RemoveButton()->click();
  EXPECT_EQ(plot->XAxisCount(), 1);
  std::vector<std::string> items = box->Items();
  EXPECT_EQ(std::find(items.begin(), items.end(), gone), items.end()) << "reloaded at once";
  items = ItemsOf(box);
  EXPECT_EQ(std::find(items.begin(), items.end(), gone), items.end());
  EXPECT_EQ(ObjectPage("X-Axes")->Selected(), plot->XAxis(0));
}

TEST_F(EditorPages, CopyDefaultCopiesTheLabelFormatIntoTheCursorOrLegendFormat) {
  TiPlotXAxis* x = plot->XAxis(0);
  x->SetLabelsFormatStyle(iptfExponent);
  x->SetDateTimeFormat("hh:nn");
  x->SetLabelsPrecisionStyle(ipsFixedDecimalPoints);
  x->SetLabelsPrecision(5);
  x->SetLabelsMinLength(9);
  x->SetLabelsMinLengthAutoAdjust(true);
  Open(x);
  Control<QPushButton>("XAxisCursorCopyDefaultButton")->click();
  EXPECT_EQ(x->CursorFormatStyle(), iptfExponent);
  EXPECT_EQ(x->CursorDateTimeFormat(), "hh:nn");
  EXPECT_EQ(x->CursorPrecisionStyle(), ipsFixedDecimalPoints);
  EXPECT_EQ(x->CursorPrecision(), 5);
  EXPECT_EQ(x->CursorMinLength(), 9);
  EXPECT_TRUE(x->CursorMinLengthAutoAdjust());
  EXPECT_EQ(Control<TiComponentEditorComboBox>("XAxisCursorFormatStyleComboBox")->currentIndex(), iptfExponent);
  EXPECT_EQ(x->LegendFormatStyle(), iptfValue) << "the legend format is its own";

  Open(plot->YAxis(0));
  plot->YAxis(0)->SetLabelsPrecision(7);
  Control<QPushButton>("YAxisLegendCopyDefaultButton")->click();
  EXPECT_EQ(plot->YAxis(0)->LegendPrecision(), 7);
}

TEST_F(EditorPages, TheFormatChoiceListsAreTheFixedOnes) {
  Open(plot->XAxis(0));
  EXPECT_EQ(Control<TiComponentEditorComboBox>("XAxisLegendFormatStyleComboBox")->Items(),
            (std::vector<std::string>{"Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands"}));
  auto* pattern = Control<TiComponentEditorComboBox>("XAxisCursorDateTimeFormatComboBox");
  EXPECT_EQ(pattern->Items(),
            (std::vector<std::string>{"hh:nn:ss", "hh:nn:ss.zzz", "m/d hh:nn:ss", "d mmm h:nn:ss am/pm",
                                      "m/d/yy h:nn:ss am/pm", "m/d/yyyy h:nn:ss am/pm"}));
  EXPECT_EQ(Control<TiComponentEditorComboBox>("XAxisLabelsPrecisionStyleComboBox")->Items(),
            (std::vector<std::string>{"Significant Digits", "Fixed Decimal Points"}));
  pattern->Enter("yyyy hh");
  EXPECT_EQ(plot->XAxis(0)->CursorDateTimeFormat(), "yyyy hh") << "free text is allowed";
}

TEST_F(EditorPages, StatsShowTheChannelListFiguresOnRefresh) {
  Open(plot->Channel(0));
  for (int i = 0; i < 100; ++i) plot->Channel(0)->AddXY(i, i);
  Control<QPushButton>("ChannelStatsRefreshButton")->click();
  EXPECT_EQ(Control<QLabel>("ChannelStatsCountLabel")->text(), "100");
  EXPECT_EQ(Control<QLabel>("ChannelStatsMemoryLabel")->text().toStdString(),
            std::to_string(plot->Channel(0)->MemorySize()) + " Bytes");
}

}  // namespace
