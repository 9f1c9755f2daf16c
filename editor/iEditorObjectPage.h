// A page that edits the objects of one kind: a list of them (each row the
// object's Name beside a colour box), optional Add and Remove buttons, and
// sub-pages of controls bound by name to the selected object's properties.
//
// Loading (a click in the list, and after Add and Remove) disables the
// page's controls when nothing is selected and otherwise fills them; every
// control's change stores the page into the selected object, so the chart
// shows it at once.
#pragma once
#include <QPushButton>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editor/iEditorPage.h"
#include "editor/iEditorSheet.h"
#include "platform/Types.h"

class TiPlotComponent;
class TiPlotMasterManager;
class TiPlotObjectManagerCustom;

using TiPlotManagerOf = std::function<TiPlotObjectManagerCustom*(TiPlotMasterManager&)>;

struct TiPlotEditorKind {
  std::string Prefix;         // "XAxis": the names of the page's controls begin with it
  std::string AddButtonName;  // "XAxesAddButton"; empty: no Add and Remove buttons
  TiPlotManagerOf Manager;
  std::function<int(TiPlotComponent&)> Add;             // the new object's index
  std::function<void(TiPlotComponent&, int)> Delete;    // frees the object at the index
  std::function<TColor(const TiPlotObject&)> RowColor;  // null: black
};

class TiPlotEditorObjectPage : public TiPlotEditorPage {
 public:
  TiPlotEditorObjectPage(TiPlotEditorForm& form, QWidget* tab, TiPlotEditorKind kind);

  const std::string& Prefix() const { return kind_.Prefix; }
  TiComponentEditorListBox* ListBox() const { return list_; }
  TiComponentEditorPageControl* SubPages() const { return subPages_; }
  QPushButton* AddButton() const { return addButton_; }
  QPushButton* RemoveButton() const { return removeButton_; }
  TiPlotObject* Selected() const;

  // The handlers of the page, named as the dialog's.
  void ListBoxClick();  // load
  void Change();        // store
  void AddButtonClick();
  void RemoveButtonClick();
  void ListBoxGetData(void* object, std::string& text, TColor& color) const;

  void Reload() override;
  bool Select(TiPlotObject* object) override;
  void ObjectAdded(TiPlotObject* object) override;
  void ObjectRemoved(TiPlotObject* object) override;
  void ObjectRenamed(TiPlotObject* object) override;
  int SubPageIndex() const override;
  void SetSubPageIndex(int index) override;

 protected:
  // A new sub-page with its controls' sheet.
  TiEditorSheet AddSheet(const std::string& caption);
  // A drop-down of the names of another kind's objects (axis, channel,
  // reference): refilled on load and on drop-down with "<None>" and the
  // current names; the text shown stays. Free text is allowed.
  TiComponentEditorComboBox* NameCombo(TiEditorSheet& sheet, const std::string& property,
                                       const std::string& caption, TiPlotManagerOf source);
  void FillNames(TiComponentEditorComboBox* box, const TiPlotManagerOf& source) const;
  // Runs after each load with the selected object (null when none).
  virtual void Loaded(TiPlotObject* object) {}
  TiPlotComponent& Plot() const;
  TiPlotObjectManagerCustom* Manager() const;

 private:
  void Load();
  void FillList();
  void ShowErrors(const std::vector<std::string>& errors) const;

  TiPlotEditorKind kind_;
  TiComponentEditorListBox* list_;
  TiComponentEditorPageControl* subPages_;
  QPushButton* addButton_ = nullptr;
  QPushButton* removeButton_ = nullptr;
  std::vector<std::pair<TiComponentEditorComboBox*, TiPlotManagerOf>> nameCombos_;
};
