// The log page's memo: shows the lines of a TLogText and lets the operator
// edit them by hand. Only the lines in view are decoded and drawn, so a log
// of millions of lines costs what its text costs; what the memo shows is
// what the store holds, and so what is saved.
//
// Positions are a line and a column in UTF-16 units of that line's text. An
// empty store shows one empty line, and an edit that leaves one empty line
// leaves the store empty. Appending keeps the view at the end when it was
// there and leaves the caret and the selection where they were.
#pragma once
#include <QAbstractScrollArea>
#include <QString>
#include <cstdint>
#include <string>

#include "app/LogText.h"

class TMemoView : public QAbstractScrollArea {
 public:
  struct TPos {
    int64_t Line = 0;
    int Column = 0;
    auto operator<=>(const TPos&) const = default;
  };

  explicit TMemoView(QWidget* parent = nullptr);

  const TLogText& Text() const { return text_; }
  void Append(std::string_view line);
  void SetLines(const std::vector<std::string>& lines);

  // What the operator does, also for tests.
  void SetCaret(TPos caret, bool select = false);
  TPos Caret() const { return caret_; }
  void SelectAll();
  QString SelectedText() const;
  // Replaces the selection (or inserts at the caret); "\n", "\r\n" and "\r"
  // in `text` break lines.
  void Insert(const QString& text);
  void DeleteBackward();
  void DeleteForward();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int64_t Lines() const { return text_.Count() > 0 ? text_.Count() : 1; }
  QString LineText(int64_t line) const;
  int Rows() const;
  TPos PosAt(QPoint point) const;
  int XOf(TPos pos) const;
  TPos Clamp(TPos pos) const;
  TPos Moved(int key, Qt::KeyboardModifiers modifiers) const;
  bool HasSelection() const { return caret_ != anchor_; }
  void Changed();
  void UpdateScrollBars();
  void EnsureCaretVisible();
  bool Shortcut(QKeyEvent* event);
  void Copy();
  void Cut();
  void Paste();

  TLogText text_;
  TPos caret_, anchor_;
};
