#include <gtest/gtest.h>

#include <cmath>

#include "platform/Exception.h"
#include "plot/dIredAxis.h"
#include "plot/dIredChannel.h"
#include "plot/dIredLabel.h"
#include "plot/iPlotStream.h"
#include "PlotTestSupport.h"

TEST(PlotStream, AManagerRoundTripsEveryPublishedProperty) {
  TTestPlot a;
  a.master->AddXAxis();
  a.master->AddChannel();
  a.master->AddLabel();
  TiPlotChannelCustom* ch = a.master->ChannelManager()->Channel(0);
  ch->SetTitleText("  \"Distance\" mm\r\nline\\2\x01 = <");
  ch->SetColor(0x123456);
  ch->SetVisible(false);
  ch->SetLayer(-7);
  TiPlotLabel* label = a.master->LabelManager()->Label(0);
  label->SetStopPercent(33.3333333333333);
  label->SetStartPercent(1e-300 + 0.1);
  label->SetHorizontal(true);

  TiPlotStreamWriter w;
  w.WriteName("ChannelManager");
  a.master->ChannelManager()->WriteToStream(w);
  w.WriteName("LabelManager");
  a.master->LabelManager()->WriteToStream(w);

  TTestPlot b;
  b.master->AddChannel();  // replaced by the stored ones
  TiPlotStreamReader r(w.Text());
  EXPECT_EQ(r.NextName(), "ChannelManager");
  b.master->ChannelManager()->ReadFromStream(r);
  b.master->LabelManager()->ReadFromStream(r);
  EXPECT_TRUE(r.AtEnd());

  ASSERT_EQ(b.master->ChannelManager()->Count(), 1);
  TiPlotChannelCustom* back = b.master->ChannelManager()->Channel(0);
  EXPECT_EQ(back->Name(), "Channel 1");
  EXPECT_EQ(back->TitleText(), ch->TitleText());
  EXPECT_EQ(back->Color(), 0x123456);
  EXPECT_FALSE(back->Visible());
  EXPECT_EQ(back->Layer(), -7);
  EXPECT_EQ(back->XAxisName(), "X-Axis 1");
  EXPECT_EQ(b.master->ObjectManager()->IndexOf(back), 0);  // inserted
  TiPlotLabel* lb = b.master->LabelManager()->Label(0);
  EXPECT_EQ(lb->StopPercent(), label->StopPercent());
  EXPECT_EQ(lb->StartPercent(), label->StartPercent());
  EXPECT_TRUE(lb->Horizontal());
  EXPECT_EQ(b.master->LayoutManager()->IndexOf(lb), 0);
}

TEST(PlotStream, BadTextIsRefusedBeforeAnythingIsLost) {
  TTestPlot p;
  p.master->AddChannel();
  auto read = [&](const std::string& text) {
    TiPlotStreamReader r(text);
    try {
      p.master->ChannelManager()->ReadFromStream(r);
    } catch (const EConvertError& e) {
      return e.Message;
    }
    return std::string("(read)");
  };
  EXPECT_EQ(read("<\nitem\nName = \"a\"\n"), "Stored description ends early: \">\" expected");
  EXPECT_EQ(read("Name = \"a\""), "Line 1: a collection expected");
  EXPECT_EQ(read("<\nName = \"a\"\n>"), "Line 2: unexpected \"Name = \"a\"\"");
  EXPECT_EQ(p.master->ChannelManager()->Count(), 1);
  EXPECT_EQ(read("<\nitem\nNoSuch = 1\nend\n>"), "Line 3: unknown property \"NoSuch\"");
  EXPECT_EQ(read("<\nitem\nLayer = x\nend\n>"), "Line 3: 'x' is not a valid integer value");
  EXPECT_EQ(read("<\nitem\nVisible = 2\nend\n>").rfind("Line 3: ", 0), 0u);
  EXPECT_EQ(read("<\nitem\nName = \"bad\\q\"\nend\n>").rfind("Line 3: Broken escape", 0), 0u);
}

TEST(PlotStream, TranslationTableComesBackInItsOwnOrder) {
  TTestPlot a;
  a.master->TranslationManager()->AddTranslation("Null", "Nul");
  a.master->TranslationManager()->AddTranslation("Null", "Leer");
  a.master->TranslationManager()->AddTranslation("Empty", "Vide");
  TiPlotStreamWriter w;
  a.master->TranslationManager()->WriteToStream(w);
  TTestPlot b;
  TiPlotStreamReader r(w.Text());
  b.master->TranslationManager()->ReadFromStream(r);
  TiPlotTranslationManager& t = *b.master->TranslationManager();
  ASSERT_EQ(t.Count(), 3);
  EXPECT_EQ(t.Translate("Null"), "Leer");
  EXPECT_EQ(t.Item(0)->ReplacementString(), "Vide");
  EXPECT_EQ(t.Item(2)->ReplacementString(), "Nul");
  TiPlotStreamReader notCollection("TranslationManager = 5\n");
  t.ReadFromStream(notCollection);
  EXPECT_FALSE(t.HasItems());
  EXPECT_TRUE(notCollection.AtEnd());
}
