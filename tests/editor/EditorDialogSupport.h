// The editor dialog open on a default strip chart, as the chart opens it
// (kept by its master manager, so that objects added and removed reach the
// pages), and its controls found by name as the operator sees them.
#pragma once
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QString>
#include <memory>
#include <string>

#include "editor/dIredEditor.h"
#include "editor/iEditorBasicComponents.h"
#include "plot/dIred.h"

struct TEditorDialog {
  TiPlot plot;
  TiPlotEditorForm* form = nullptr;

  TEditorDialog() {
    auto made = std::make_unique<TiPlotEditorForm>(plot);
    form = made.get();
    plot.MasterManager()->Editor = std::move(made);
  }
  // Closed before the chart goes, as the window closes it.
  ~TEditorDialog() { plot.MasterManager()->Editor.reset(); }

  template <class T>
  T* Control(const std::string& name) const {
    T* control = form->findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  // Types a text and presses Enter.
  void Type(const std::string& edit, const std::string& text) const {
    auto* e = Control<TiComponentEditorEdit>(edit);
    e->setText(QString::fromStdString(text));
    e->Commit();
  }
  void Click(const std::string& checkBox) const { Control<TiComponentEditorCheckBox>(checkBox)->click(); }
  void Choose(const std::string& comboBox, int index) const {
    Control<TiComponentEditorComboBox>(comboBox)->Choose(index);
  }
  TiComponentEditorListBox* List(const std::string& prefix) const {
    return Control<TiComponentEditorListBox>(prefix + "ListBox");
  }
  void Press(const std::string& button) const { Control<QPushButton>(button)->click(); }
  int ShownPage() const { return form->PageControl()->currentIndex(); }
  std::string ShownPageCaption() const { return form->PageControl()->tabText(ShownPage()).toStdString(); }
};
