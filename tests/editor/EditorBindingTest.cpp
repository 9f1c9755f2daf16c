// Binding by name: every editing control of the pages maps to a published
// property of the right kind, and storing writes only what the operator
// changed.
#include <QLabel>
#include <set>

#include "EditorFixture.h"
#include "editor/iEditorBinding.h"
#include "plot/dIredAxis.h"
#include "plot/dIredChannel.h"

namespace {

bool IsEditingControl(const QWidget* w) {
  return dynamic_cast<const TiComponentEditorEdit*>(w) || dynamic_cast<const TiComponentEditorCheckBox*>(w) ||
         dynamic_cast<const TiComponentEditorRadioGroup*>(w) || dynamic_cast<const TiComponentEditorComboBox*>(w) ||
         dynamic_cast<const TiComponentEditorColorPicker*>(w) || dynamic_cast<const TiComponentEditorFontPicker*>(w);
}

// What a control of this kind can edit; empty when it fits.
std::string Mismatch(const QWidget* w, const TPropInfo& p) {
  auto expect = [&](bool fits, const char* what) { return fits ? std::string() : std::string("not ") + what; };
  if (dynamic_cast<const TiComponentEditorEdit*>(w))
    return expect(p.Kind == pkString || p.Kind == pkFloat || p.Kind == pkInteger, "a text, number or integer");
  if (dynamic_cast<const TiComponentEditorCheckBox*>(w)) return expect(p.Kind == pkBool, "a boolean");
  if (auto* r = dynamic_cast<const TiComponentEditorRadioGroup*>(w))
    return expect(p.Kind == pkEnum && static_cast<size_t>(r->Count()) == p.ValueNames.size(),
                  "an enumeration of as many values");
  if (auto* c = dynamic_cast<const TiComponentEditorComboBox*>(w)) {
    if (c->isEditable()) return expect(p.Kind == pkString, "a text");
    return expect(p.Kind == pkEnum && static_cast<size_t>(c->count()) == p.ValueNames.size(),
                  "an enumeration of as many values");
  }
  if (dynamic_cast<const TiComponentEditorColorPicker*>(w)) return expect(p.Kind == pkColor, "a colour");
  if (dynamic_cast<const TiComponentEditorFontPicker*>(w)) return expect(p.Kind == pkObject, "a font");
  return "no editing control";
}

struct PageClass {
  const char* Caption;
  const char* Prefix;
  const TClassInfo& Class;
};

using EditorBinding = EditorFixture;

TEST_F(EditorBinding, EveryEditingControlOfThePagesMapsToAWritablePublishedPropertyOfItsKind) {
  Open();
  const PageClass pages[] = {{"Control", "Control", TiPlot::StaticClass()},
                             {"Channels", "Channel", TiPlotChannel::StaticClass()},
                             {"X-Axes", "XAxis", TiPlotXAxis::StaticClass()},
                             {"Y-Axes", "YAxis", TiPlotYAxis::StaticClass()}};
  for (const PageClass& page : pages) {
    QWidget* tab = Form().Page(page.Caption)->Tab();
    std::set<std::string> names;
    int bound = 0;
    for (QWidget* w : tab->findChildren<QWidget*>()) {
      if (!IsEditingControl(w)) continue;
      const std::string name = w->objectName().toStdString();
      if (name.empty()) continue;  // the inner text box of a combo box
      SCOPED_TRACE(name);
      EXPECT_TRUE(names.insert(name).second) << "two controls of one name";
      const std::string property = BoundProperty(*w, page.Prefix);
      ASSERT_FALSE(property.empty()) << "not named prefix + property + kind";
      const TPropInfo* p = page.Class.Find(property);
      ASSERT_NE(p, nullptr) << page.Class.Name() << " publishes no " << property;
      EXPECT_TRUE(p->Writable());
      EXPECT_EQ(Mismatch(w, *p), "");
      ++bound;
    }
    EXPECT_GT(bound, 10) << page.Caption;
  }
}

TEST_F(EditorBinding, TheControlsOfAPageAreTakenInPageOrderWithTheNameFirst) {
  Open();
  const auto controls = BoundControls(*Form().Page("X-Axes")->Tab(), "XAxis");
  ASSERT_FALSE(controls.empty());
  EXPECT_EQ(controls.front()->objectName().toStdString(), "XAxisNameEdit");
  std::vector<std::string> order;
  for (QWidget* w : controls) order.push_back(BoundProperty(*w, "XAxis"));
  auto at = [&](const char* p) { return std::find(order.begin(), order.end(), p) - order.begin(); };
  EXPECT_LT(at("Min"), at("Title")) << "General comes before Title";
  EXPECT_LT(at("Title"), at("TrackingStyle"));
}

TEST_F(EditorBinding, StoringLeavesAValueTheChartChangedSinceTheLoadAsItIs) {
  Open(plot->XAxis(0));
  // The chart scrolls its axis while the page shows the old Min.
  plot->XAxis(0)->SetMin(500);
  Type(EditNamed("XAxisSpanEdit"), "40");
  EXPECT_EQ(plot->XAxis(0)->Span(), 40);
  EXPECT_EQ(plot->XAxis(0)->Min(), 500);
  EXPECT_EQ(EditNamed("XAxisMinEdit")->Text(), "500") << "the page shows the chart again after storing";
}

TEST_F(EditorBinding, ATextThatIsNoNumberIsRefusedWithItsMessageAndChangesNothing) {
  Open(plot->YAxis(0));
  const double span = plot->YAxis(0)->Span();
  Type(EditNamed("YAxisSpanEdit"), "12x");
  EXPECT_EQ(plot->YAxis(0)->Span(), span);
  EXPECT_NE(Form().LastError().find("12x"), std::string::npos) << Form().LastError();
  EXPECT_EQ(EditNamed("YAxisSpanEdit")->Text(), EditNamed("YAxisSpanEdit")->CommittedText());
  EXPECT_NE(EditNamed("YAxisSpanEdit")->Text(), "12x");
}

TEST_F(EditorBinding, AnIntegerOutOfItsRangeIsRefused) {
  Open(plot->Channel(0));
  const int width = plot->Channel(0)->TraceLineWidth();
  Type(EditNamed("ChannelTraceLineWidthEdit"), "99999999999");
  EXPECT_EQ(plot->Channel(0)->TraceLineWidth(), width);
  EXPECT_FALSE(Form().LastError().empty());
}

}  // namespace
