// A strip chart with its editor open as a stay-on-top window, and the ways a
// test reaches the dialog's controls by their names.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <memory>
#include <string>

#include "editor/dIredEditor.h"
#include "editor/iEditorBasicComponents.h"
#include "editor/iEditorObjectPage.h"
#include "platform/ControlQt.h"
#include "plot/dIred.h"
#include "tests/components/EventLoop.h"

// Counts the chart's paints, so a test can wait for the repaint a change asks for.
class TCountingPlot : public TiPlot {
 public:
  void PaintTo(TCanvas& canvas) override {
    ++Paints;
    TiPlot::PaintTo(canvas);
  }
  int Paints = 0;
};

class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    plot = std::make_unique<TCountingPlot>();
    plot->SetAutoFrameRate(false);  // each change repaints at once
    plot->SetEditorFormStyle(ipfsStayOnTop);
    platform::WidgetOf(*plot)->show();
    InstallPlotEditor(*plot);
  }
  void TearDown() override {
    plot.reset();
    QApplication::processEvents();
  }

  // Opens the editor (the properties button's way) and returns it.
  TiPlotEditorForm& Open(TiPlotObject* object = nullptr) {
    if (object) plot->MasterManager()->EditObject(object);
    else plot->MasterManager()->ShowEditor();
    auto* form = dynamic_cast<TiPlotEditorForm*>(plot->MasterManager()->Editor.get());
    EXPECT_NE(form, nullptr);
    return *form;
  }
  TiPlotEditorForm& Form() { return *dynamic_cast<TiPlotEditorForm*>(plot->MasterManager()->Editor.get()); }

  template <class W>
  W* Control(const std::string& name) {
    // The editor's widgets have no meta-object of their own: found as widgets.
    W* w = dynamic_cast<W*>(Form().findChild<QWidget*>(QString::fromStdString(name)));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  TiComponentEditorEdit* EditNamed(const std::string& name) { return Control<TiComponentEditorEdit>(name); }
  TiPlotEditorObjectPage* ObjectPage(const std::string& caption) {
    return dynamic_cast<TiPlotEditorObjectPage*>(Form().Page(caption));
  }
  // Types a text into a box and presses Enter, as the operator does.
  void Type(TiComponentEditorEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
    Press(edit, Qt::Key_Return);
  }
  static void Press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w, &press);
  }
  // True once the chart has painted again after `before` paints.
  bool RepaintsAfter(int before) {
    return RunEventsUntil([&] { return plot->Paints > before; });
  }

  std::unique_ptr<TCountingPlot> plot;
};
