// The editing widgets of the property editor, on Qt widgets. Each reports
// only what the operator does (a click, a choice, a committed text); setting
// a value from code raises nothing, so loading a page never stores it back.
//
// Every widget of a page is named (QObject::objectName) after the page's
// object kind, the property it edits and its kind of control
// ("XAxisMinEdit", "ChannelColorPicker"); iEditorBinding.h reads those names.
//
// GUI thread only.
#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/Canvas.h"

class QButtonGroup;
class QToolButton;

using TiEditorNotify = std::function<void()>;

// A text box that keeps the last committed text. Enter or loss of focus
// commits a changed text and runs OnUpdate; Escape restores the committed
// text; Tab and Shift+Tab move to the next and previous control.
class TiComponentEditorEdit : public QLineEdit {
 public:
  explicit TiComponentEditorEdit(QWidget* parent = nullptr);
  // Shows `text` as the committed text (a load; OnUpdate does not run).
  void SetCommittedText(const std::string& text);
  std::string CommittedText() const { return committed_.toStdString(); }
  std::string Text() const { return text().toStdString(); }
  // True when the text had changed (it is now the committed one).
  bool Commit();
  void Restore() { setText(committed_); }

  TiEditorNotify OnUpdate;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString committed_;
};

// An arrow pair bound to an edit holding a whole number: each arrow steps the
// number by Increment within Min .. Max and commits the edit.
class TiUpDown : public QWidget {
 public:
  explicit TiUpDown(QWidget* parent = nullptr);
  TiComponentEditorEdit* Associate() const { return associate_; }
  void SetAssociate(TiComponentEditorEdit* edit) { associate_ = edit; }
  int Min = 0;
  int Max = 100;
  int Increment = 1;
  void Step(int direction);  // +1 up, -1 down

 private:
  TiComponentEditorEdit* associate_ = nullptr;
};

class TiComponentEditorCheckBox : public QCheckBox {
 public:
  explicit TiComponentEditorCheckBox(const QString& caption, QWidget* parent = nullptr);
  TiEditorNotify OnClick;
};

// A framed column of choices, one of them checked.
class TiComponentEditorRadioGroup : public QGroupBox {
 public:
  TiComponentEditorRadioGroup(const QString& caption, const std::vector<std::string>& items,
                              QWidget* parent = nullptr);
  int ItemIndex() const;
  void SetItemIndex(int index);  // -1: none
  int Count() const;
  void Click(int index);  // as the operator: checks and runs OnClick
  TiEditorNotify OnClick;

 private:
  QButtonGroup* group_;
};

// A choice list, or with `editable` a text box with a list of suggestions
// (free text allowed). OnDropDown runs before the list opens, so that it can
// be refilled; the text shown stays.
class TiComponentEditorComboBox : public QComboBox {
 public:
  explicit TiComponentEditorComboBox(QWidget* parent = nullptr, bool editable = false);
  void SetItems(const std::vector<std::string>& items);  // keeps the text when editable
  std::vector<std::string> Items() const;
  std::string Text() const { return currentText().toStdString(); }
  void SetText(const std::string& text);
  void Choose(int index);                  // as the operator
  void Enter(const std::string& text);     // as the operator, editable boxes
  TiEditorNotify OnChange;
  TiEditorNotify OnDropDown;
  void showPopup() override;
};

// Rows of objects: each shows the text and colour OnGetData gives for it.
class TiComponentEditorListBox : public QListWidget {
 public:
  explicit TiComponentEditorListBox(QWidget* parent = nullptr);
  int Count() const { return static_cast<int>(objects_.size()); }
  void* Object(int row) const { return objects_.at(row); }
  int IndexOf(const void* object) const;
  void AddRow(void* object);
  void DeleteRow(int row);
  void Clear();
  void RefreshRow(int row);
  void Refresh();
  int Selected() const { return currentRow(); }
  void SetSelected(int row);  // -1: none; OnClick does not run
  void Click(int row);        // as the operator
  std::function<void(void* object, std::string& text, TColor& color)> OnGetData;
  TiEditorNotify OnClick;

 private:
  std::vector<void*> objects_;
};

// A button showing a colour; pressing it asks for another.
class TiComponentEditorColorPicker : public QPushButton {
 public:
  explicit TiComponentEditorColorPicker(QWidget* parent = nullptr);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  void Pick(TColor color);  // as the operator's choice: sets it and runs OnChange when it differs
  TiEditorNotify OnChange;

 private:
  void Ask();
  TColor color_ = 0;
};

// A button showing a font's name and size; pressing it asks for another.
// The font's colour and orientation are kept.
class TiComponentEditorFontPicker : public QPushButton {
 public:
  explicit TiComponentEditorFontPicker(QWidget* parent = nullptr);
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  void Pick(const TFont& font);
  TiEditorNotify OnChange;

 private:
  void Ask();
  TFont font_;
};

// A button that asks for a file to open or to save; OnChange runs with the
// chosen name (nothing runs when the operator cancels).
class TiComponentEditorFilePicker : public QPushButton {
 public:
  TiComponentEditorFilePicker(const QString& caption, bool save, QWidget* parent = nullptr);
  const std::string& FileName() const { return fileName_; }
  void Pick(const std::string& fileName);
  std::string Filter = "All Files (*)";
  TiEditorNotify OnChange;

 private:
  void Ask();
  bool save_;
  std::string fileName_;
};

class TiComponentEditorOpenPicker : public TiComponentEditorFilePicker {
 public:
  explicit TiComponentEditorOpenPicker(const QString& caption, QWidget* parent = nullptr)
      : TiComponentEditorFilePicker(caption, false, parent) {}
};

class TiComponentEditorSavePicker : public TiComponentEditorFilePicker {
 public:
  explicit TiComponentEditorSavePicker(const QString& caption, QWidget* parent = nullptr)
      : TiComponentEditorFilePicker(caption, true, parent) {}
};

// Pages with tabs; the pages are plain widgets.
class TiComponentEditorPageControl : public QTabWidget {
 public:
  explicit TiComponentEditorPageControl(QWidget* parent = nullptr);
  QWidget* AddPage(const std::string& caption, const QString& name);
  QWidget* Page(const std::string& caption) const;  // null when there is none
};

// The Qt colour of a TColor (system colours resolved).
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
QFont ToQFont(const TFont& font);
TFont FromQFont(const QFont& qfont, const TFont& kept);
