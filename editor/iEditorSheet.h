// Lays out the controls of one sub-page and names and wires them: every
// control gets the name the binding reads (prefix + property + kind) and
// runs the page's change handler when the operator changes it. Controls
// flow down a column of caption-control pairs; NextColumn starts another.
#pragma once
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "editor/iEditorBasicComponents.h"

class QLabel;

class TiEditorSheet {
 public:
  // `change` runs after any bound control changed (the page's store).
  TiEditorSheet(QWidget* container, std::string prefix, TiEditorNotify change);

  TiComponentEditorEdit* Edit(const std::string& property, const std::string& caption);
  // A whole-number box with an arrow pair (Min 0, Max 100 unless given).
  TiComponentEditorEdit* UpDownEdit(const std::string& property, const std::string& caption, int min = 0,
                                    int max = 100, int increment = 1);
  TiComponentEditorCheckBox* Check(const std::string& property, const std::string& caption);
  TiComponentEditorComboBox* Combo(const std::string& property, const std::string& caption,
                                   const std::vector<std::string>& items, bool editable = false);
  TiComponentEditorRadioGroup* Radio(const std::string& property, const std::string& caption,
                                     const std::vector<std::string>& items);
  TiComponentEditorColorPicker* Color(const std::string& property, const std::string& caption);
  TiComponentEditorFontPicker* Font(const std::string& property, const std::string& caption);
  // Operations: named prefix + `name`, not bound to a property.
  QPushButton* Button(const std::string& name, const std::string& caption, TiEditorNotify click);
  using TiFileChosen = std::function<void(const std::string& fileName)>;
  TiComponentEditorOpenPicker* OpenPicker(const std::string& name, const std::string& caption,
                                          TiFileChosen chosen);
  TiComponentEditorSavePicker* SavePicker(const std::string& name, const std::string& caption,
                                          TiFileChosen chosen);
  // A figure shown beside its caption (a label, not bound), named prefix + `name`.
  QLabel* Figure(const std::string& name, const std::string& caption);
  // A framed group in the flow; its controls are laid out by the sheet returned.
  TiEditorSheet Group(const std::string& caption);
  // Tabs in the flow, each page a sheet of its own (AddPage).
  TiComponentEditorPageControl* Pages();
  TiEditorSheet AddPage(TiComponentEditorPageControl* pages, const std::string& caption);
  void NextColumn();

  QWidget* Container() const { return container_; }
  const std::string& Prefix() const { return prefix_; }

 private:
  void Place(QWidget* control, const std::string& caption);
  void PlaceWide(QWidget* control);
  QString NameOf(const std::string& rest) const { return QString::fromStdString(prefix_ + rest); }

  QWidget* container_;
  QHBoxLayout* columns_;
  QGridLayout* grid_ = nullptr;  // the column being filled
  std::string prefix_;
  TiEditorNotify change_;
  int row_ = 0;
};
