#include "app/MemoView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>

namespace {
constexpr int kMargin = 4;

QString UnifiedBreaks(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  return text;
}

// A trailing break leaves an empty last line: the caret goes there.
std::vector<std::string> Utf8Lines(const QString& text) {
  std::vector<std::string> lines;
  for (const QString& piece : text.split(QChar('\n'))) lines.push_back(piece.toStdString());
  return lines;
}

bool IsSpace(const QString& s, int i) { return s[i].isSpace(); }
}  // namespace

TMemoView::TMemoView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(1);
  UpdateScrollBars();
}

void TMemoView::Append(std::string_view line) {
  QScrollBar* bar = verticalScrollBar();
  const bool atEnd = bar->value() >= bar->maximum();
  text_.Append(line);
  UpdateScrollBars();
  if (atEnd && bar->value() != bar->maximum())
    bar->setValue(bar->maximum());  // repaints through scrollContentsBy
  else if (text_.Count() - 1 < bar->value() + Rows())
    viewport()->update();
}

void TMemoView::SetLines(const std::vector<std::string>& lines) {
  text_.Assign(lines.size() == 1 && lines[0].empty() ? std::vector<std::string>{} : lines);
  caret_ = anchor_ = {};
  UpdateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

QString TMemoView::LineText(int64_t line) const {
  if (line < 0 || line >= text_.Count()) return {};
  const std::string_view text = text_.Line(line);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int TMemoView::Rows() const { return std::max(1, viewport()->height() / fontMetrics().lineSpacing()); }

TMemoView::TPos TMemoView::Clamp(TPos pos) const {
  pos.Line = std::clamp<int64_t>(pos.Line, 0, Lines() - 1);
  pos.Column = std::clamp<int>(pos.Column, 0, static_cast<int>(LineText(pos.Line).size()));
  return pos;
}

// ---- Editing ----------------------------------------------------------------

void TMemoView::SetCaret(TPos caret, bool select) {
  caret_ = Clamp(caret);
  if (!select) anchor_ = caret_;
  EnsureCaretVisible();
  viewport()->update();
}

void TMemoView::SelectAll() {
  anchor_ = {};
  SetCaret({Lines() - 1, INT_MAX}, true);
}

QString TMemoView::SelectedText() const {
  const TPos a = std::min(caret_, anchor_), b = std::max(caret_, anchor_);
  if (a == b) return {};
  if (a.Line == b.Line) return LineText(a.Line).mid(a.Column, b.Column - a.Column);
  QString text = LineText(a.Line).mid(a.Column);
  for (int64_t line = a.Line + 1; line < b.Line; ++line) text += QChar('\n') + LineText(line);
  return text + QChar('\n') + LineText(b.Line).left(b.Column);
}

// The lines the selection touches are replaced by one text: their head before
// it, `text`, their tail after it.
void TMemoView::Insert(const QString& text) {
  const QString inserted = UnifiedBreaks(text);
  const TPos a = std::min(caret_, anchor_), b = std::max(caret_, anchor_);
  const QString head = LineText(a.Line).left(a.Column), tail = LineText(b.Line).mid(b.Column);
  const std::vector<std::string> lines = Utf8Lines(head + inserted + tail);
  text_.Replace(a.Line, text_.Count() == 0 ? 0 : b.Line - a.Line + 1, lines);
  if (text_.Count() == 1 && text_.Line(0).empty()) text_.Replace(0, 1, {});
  const auto breaks = inserted.count(QChar('\n'));
  const int lastPiece = static_cast<int>(inserted.size() - inserted.lastIndexOf(QChar('\n')) - 1);
  caret_ = anchor_ = {a.Line + breaks, breaks == 0 ? a.Column + static_cast<int>(inserted.size()) : lastPiece};
  UpdateScrollBars();
  EnsureCaretVisible();
  viewport()->update();
}

void TMemoView::DeleteBackward() {
  if (!HasSelection()) anchor_ = Moved(Qt::Key_Left, Qt::NoModifier);
  if (HasSelection()) Insert(QString());
}

void TMemoView::DeleteForward() {
  if (!HasSelection()) anchor_ = Moved(Qt::Key_Right, Qt::NoModifier);
  if (HasSelection()) Insert(QString());
}

// Where a movement key takes the caret.
TMemoView::TPos TMemoView::Moved(int key, Qt::KeyboardModifiers modifiers) const {
  const bool word = modifiers & Qt::ControlModifier;
  const QString s = LineText(caret_.Line);
  TPos p = caret_;
  switch (key) {
    case Qt::Key_Left:
      if (p.Column == 0) return p.Line > 0 ? TPos{p.Line - 1, static_cast<int>(LineText(p.Line - 1).size())} : p;
      if (!word) return {p.Line, p.Column - (p.Column > 1 && s[p.Column - 1].isLowSurrogate() ? 2 : 1)};
      while (p.Column > 0 && IsSpace(s, p.Column - 1)) --p.Column;
      while (p.Column > 0 && !IsSpace(s, p.Column - 1)) --p.Column;
      return p;
    case Qt::Key_Right:
      if (p.Column >= s.size()) return p.Line + 1 < Lines() ? TPos{p.Line + 1, 0} : p;
      if (!word) return {p.Line, p.Column + (s[p.Column].isHighSurrogate() ? 2 : 1)};
      while (p.Column < s.size() && !IsSpace(s, p.Column)) ++p.Column;
      while (p.Column < s.size() && IsSpace(s, p.Column)) ++p.Column;
      return p;
    case Qt::Key_Up: return Clamp({p.Line - 1, p.Column});
    case Qt::Key_Down: return Clamp({p.Line + 1, p.Column});
    case Qt::Key_PageUp: return Clamp({p.Line - Rows(), p.Column});
    case Qt::Key_PageDown: return Clamp({p.Line + Rows(), p.Column});
    case Qt::Key_Home: return word ? TPos{} : TPos{p.Line, 0};
    case Qt::Key_End: return Clamp(word ? TPos{Lines() - 1, INT_MAX} : TPos{p.Line, INT_MAX});
    default: return p;
  }
}

void TMemoView::Copy() {
  if (HasSelection()) QApplication::clipboard()->setText(SelectedText());
}

void TMemoView::Cut() {
  if (!HasSelection()) return;
  Copy();
  Insert(QString());
}

void TMemoView::Paste() { Insert(QApplication::clipboard()->text()); }

bool TMemoView::Shortcut(QKeyEvent* event) {
  if (event == QKeySequence::SelectAll)
    SelectAll();
  else if (event == QKeySequence::Copy)
    Copy();
  else if (event == QKeySequence::Cut)
    Cut();
  else if (event == QKeySequence::Paste)
    Paste();
  else
    return false;
  return true;
}

void TMemoView::keyPressEvent(QKeyEvent* event) {
  if (Shortcut(event)) return;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return SetCaret(Moved(event->key(), event->modifiers()), event->modifiers() & Qt::ShiftModifier);
    case Qt::Key_Backspace: return DeleteBackward();
    case Qt::Key_Delete: return DeleteForward();
    case Qt::Key_Return:
    case Qt::Key_Enter: return Insert(QStringLiteral("\n"));
    default: break;
  }
  const QString text = event->text();
  if (!text.isEmpty() && (text[0].isPrint() || text[0] == QChar('\t')))
    Insert(text);
  else
    QAbstractScrollArea::keyPressEvent(event);
}

void TMemoView::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty()) Insert(event->commitString());
  event->accept();
}

QVariant TMemoView::inputMethodQuery(Qt::InputMethodQuery query) const {
  const int height = fontMetrics().lineSpacing();
  switch (query) {
    case Qt::ImEnabled: return true;
    case Qt::ImCursorRectangle:
      return QRect(XOf(caret_), static_cast<int>(caret_.Line - verticalScrollBar()->value()) * height, 1, height);
    case Qt::ImSurroundingText: return LineText(caret_.Line);
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition: return caret_.Column;
    default: return QAbstractScrollArea::inputMethodQuery(query);
  }
}

// ---- Mouse --------------------------------------------------------------------

TMemoView::TPos TMemoView::PosAt(QPoint point) const {
  const int row = point.y() >= 0 ? point.y() / fontMetrics().lineSpacing() : -1;
  const int64_t line = std::clamp<int64_t>(verticalScrollBar()->value() + row, 0, Lines() - 1);
  const QString s = LineText(line);
  // The column whose left edge is nearest: advances grow with the column.
  int lo = 0, hi = static_cast<int>(s.size());
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (XOf({line, mid}) <= point.x() + fontMetrics().averageCharWidth() / 2)
      lo = mid;
    else
      hi = mid - 1;
  }
  return {line, lo};
}

// Viewport x of a position's left edge.
int TMemoView::XOf(TPos pos) const {
  const int advance = fontMetrics().horizontalAdvance(LineText(pos.Line).left(pos.Column));
  return kMargin - horizontalScrollBar()->value() + advance;
}

void TMemoView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  SetCaret(PosAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void TMemoView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) SetCaret(PosAt(event->position().toPoint()), true);
}

void TMemoView::mouseDoubleClickEvent(QMouseEvent* event) {
  const TPos at = PosAt(event->position().toPoint());
  const QString s = LineText(at.Line);
  int start = at.Column, stop = at.Column;
  while (start > 0 && !IsSpace(s, start - 1)) --start;
  while (stop < s.size() && !IsSpace(s, stop)) ++stop;
  anchor_ = {at.Line, start};
  SetCaret({at.Line, stop}, true);
}

// The editing commands a plain text box offers, under the names it gives them.
void TMemoView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QStringLiteral("Cu&t"), [this] { Cut(); })->setEnabled(HasSelection());
  menu.addAction(QStringLiteral("&Copy"), [this] { Copy(); })->setEnabled(HasSelection());
  menu.addAction(QStringLiteral("&Paste"), [this] { Paste(); });
  menu.addAction(QStringLiteral("Delete"), [this] { Insert(QString()); })->setEnabled(HasSelection());
  menu.addSeparator();
  menu.addAction(QStringLiteral("Select All"), [this] { SelectAll(); });
  menu.exec(event->globalPos());
}

// ---- View -----------------------------------------------------------------------

void TMemoView::UpdateScrollBars() {
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, static_cast<int>(std::min<int64_t>(INT_MAX, std::max<int64_t>(0, Lines() - Rows()))));
  bar->setPageStep(Rows());
  horizontalScrollBar()->setPageStep(viewport()->width());
}

void TMemoView::EnsureCaretVisible() {
  QScrollBar* bar = verticalScrollBar();
  if (caret_.Line < bar->value()) bar->setValue(static_cast<int>(caret_.Line));
  if (caret_.Line >= bar->value() + Rows()) bar->setValue(static_cast<int>(caret_.Line - Rows() + 1));
  QScrollBar* across = horizontalScrollBar();
  const int x = XOf(caret_) + across->value() - kMargin;  // from the start of the line
  const int room = viewport()->width() - 2 * kMargin;
  if (x > across->value() + room) {
    across->setMaximum(std::max(across->maximum(), x - room));
    across->setValue(x - room);
  } else if (x < across->value()) {
    across->setValue(x);
  }
}

void TMemoView::scrollContentsBy(int, int) { viewport()->update(); }

// The caret shows only while the memo has the focus.
void TMemoView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void TMemoView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void TMemoView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

// Only the lines in view are decoded; the widest of them sets how far the
// view scrolls across.
void TMemoView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QFontMetrics metrics = fontMetrics();
  const int height = metrics.lineSpacing();
  const int64_t top = verticalScrollBar()->value();
  const int left = kMargin - horizontalScrollBar()->value();
  const TPos a = std::min(caret_, anchor_), b = std::max(caret_, anchor_);
  int widest = 0;
  for (int row = 0; row <= Rows() && top + row < Lines(); ++row) {
    const int64_t line = top + row;
    const QString s = LineText(line);
    const int y = row * height;
    widest = std::max(widest, metrics.horizontalAdvance(s));
    painter.setPen(palette().text().color());
    painter.drawText(left, y + metrics.ascent(), s);
    if (HasSelection() && line >= a.Line && line <= b.Line) {
      const int from = XOf({line, line == a.Line ? a.Column : 0});
      const int to = line == b.Line ? XOf(b) : XOf({line, static_cast<int>(s.size())}) + metrics.averageCharWidth();
      const QRect band(from, y, to - from, height);
      painter.fillRect(band, palette().highlight());
      painter.save();
      painter.setClipRect(band);
      painter.setPen(palette().highlightedText().color());
      painter.drawText(left, y + metrics.ascent(), s);
      painter.restore();
    }
    if (line == caret_.Line && hasFocus()) painter.fillRect(XOf(caret_), y, 1, height, palette().text());
  }
  const int across = std::max(0, widest + 2 * kMargin - viewport()->width());
  if (across > horizontalScrollBar()->maximum()) horizontalScrollBar()->setMaximum(across);
}
