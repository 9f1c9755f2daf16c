// Every published property of the chart and of every kind of plot object
// can be edited somewhere in the dialog: the test walks the reflection of
// each kind and lists each writable property that no control edits, and
// each control whose name binds it to no property at all (a misspelt name
// edits nothing, silently).
#include <gtest/gtest.h>

#include <QWidget>
#include <set>
#include <string>
#include <vector>

#include "editor/iEditorBinding.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredChannel.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLegend.h"
#include "plot/dIredLimit.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"
#include "tests/editor/EditorDialogSupport.h"

namespace {

struct TKind {
  const char* Prefix;  // of the controls of the kind's page
  const TClassInfo* Class;
};

std::vector<TKind> Kinds(TiPlot& plot) {
  return {{"Control", &TiPlot::StaticClass()},
          {"Channel", Reflect(*plot.Channel(0)).Class},
          {"XAxis", Reflect(*plot.XAxis(0)).Class},
          {"YAxis", Reflect(*plot.YAxis(0)).Class},
          {"DataCursor", &TiPlotDataCursor::StaticClass()},
          {"Limit", &TiPlotLimit::StaticClass()},
          {"Label", &TiPlotLabel::StaticClass()},
          {"Legend", &TiPlotLegend::StaticClass()},
          {"Table", &TiPlotTable::StaticClass()},
          {"ToolBar", &TiPlotToolBar::StaticClass()},
          {"DataView", &TiPlotDataView::StaticClass()}};
}

// What the "Layout" page edits without named controls: dragging an object
// in the layout viewer sets its lane and range, and moves the data view's
// own lane numbers as objects cross it; its menu sets "XY-Axes Reverse".
bool EditedByTheLayoutViewer(const std::string& prefix, const std::string& property) {
  static const std::set<std::string> laneAndRange = {"ZOrder", "StartPercent", "StopPercent"};
  static const std::set<std::string> layoutKinds = {"XAxis", "YAxis", "Label", "Legend", "Table", "ToolBar"};
  if (prefix == "Control")
    return property == "XYAxesReverse" || property == "DataViewZHorz" || property == "DataViewZVert";
  return layoutKinds.count(prefix) > 0 && laneAndRange.count(property) > 0;
}

// Properties left out on purpose, each with its reason.
bool DeliberatelyLeftOut(const std::string& prefix, const std::string& property) {
  // The chart's place in its window is the window's to lay out, and its
  // Name and Tag are how the window's program finds and marks it: the
  // operator of the chart has no business with either.
  static const std::set<std::string> window = {"Name", "Tag", "Left", "Top", "Width", "Height"};
  if (prefix == "Control" && window.count(property) > 0) return true;
  // A hidden chart, or one that refuses input, has no toolbar button or
  // popup menu left to open this dialog again: the operator could not undo
  // it. Showing and enabling the chart is its program's business.
  if (prefix == "Control" && (property == "Visible" || property == "Enabled")) return true;
  // The chart sets its own pointer on every move of the mouse over it (the
  // shape of the object beneath), so a pointer chosen here would not last.
  if (prefix == "Control" && property == "Cursor") return true;
  // An axis lies across the data view's width or height by its kind: the
  // layout manager sets Horizontal from "XY-Axes Reverse" on every change.
  if ((prefix == "XAxis" || prefix == "YAxis") && property == "Horizontal") return true;
  // A data view fills the middle of the chart: it is never placed in a lane,
  // so its lane, range and orientation do nothing.
  static const std::set<std::string> lane = {"Horizontal", "ZOrder", "StartPercent", "StopPercent"};
  if (prefix == "DataView" && lane.count(property) > 0) return true;
  return false;
}

TEST(EditorCompleteness, EveryPublishedPropertyHasAControl) {
  TEditorDialog d;
  std::vector<std::string> missing;
  for (const TKind& kind : Kinds(d.plot)) {
    std::set<std::string> bound;
    for (QWidget* c : BoundControls(*d.form, kind.Prefix)) bound.insert(LowerCase(BoundProperty(*c, kind.Prefix)));
    for (const TPropInfo& p : kind.Class->Properties()) {
      if (!p.Writable() || bound.count(LowerCase(p.Name))) continue;
      if (EditedByTheLayoutViewer(kind.Prefix, p.Name) || DeliberatelyLeftOut(kind.Prefix, p.Name)) continue;
      missing.push_back(std::string(kind.Prefix) + "." + p.Name);
    }
  }
  EXPECT_TRUE(missing.empty()) << "no control edits:\n  " << ::testing::PrintToString(missing);
}

TEST(EditorCompleteness, EveryBoundControlNamesAProperty) {
  TEditorDialog d;
  std::vector<std::string> unbound;
  for (const TKind& kind : Kinds(d.plot))
    for (QWidget* c : BoundControls(*d.form, kind.Prefix))
      if (!kind.Class->Find(BoundProperty(*c, kind.Prefix))) unbound.push_back(c->objectName().toStdString());
  EXPECT_TRUE(unbound.empty()) << "controls that edit nothing:\n  " << ::testing::PrintToString(unbound);
}

// Annotations have no page (the page list has none): the chart's program
// and the operator's mouse place them, and the "Control" page edits the
// defaults new ones take. The test names the kind so that a page for it is
// noticed when one is added.
TEST(EditorCompleteness, AnnotationsAreEditedOnlyThroughTheirDefaults) {
  TEditorDialog d;
  EXPECT_TRUE(BoundControls(*d.form, "Annotation").empty());
  for (const char* property : {"AnnotationDefaultFont", "AnnotationDefaultBrushColor", "AnnotationDefaultPenColor"})
    EXPECT_NE(TiPlot::StaticClass().Find(property), nullptr) << property;
}

}  // namespace
