// The pickers: colour, font and file, each a button that asks through the
// platform's dialog and reports only the operator's choice.
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

#include "editor/iEditorBasicComponents.h"
#include "platform/SystemColors.h"

QColor ToQColor(TColor color) {
  const TColor rgb = platform::ColorToRGB(color);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color) {
  return static_cast<TColor>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QFont ToQFont(const TFont& font) {
  QFont q(QString::fromStdString(font.Name));
  q.setPixelSize(std::max(1, font.Height));
  q.setBold(font.Has(fsBold));
  q.setItalic(font.Has(fsItalic));
  q.setUnderline(font.Has(fsUnderline));
  q.setStrikeOut(font.Has(fsStrikeOut));
  return q;
}

TFont FromQFont(const QFont& q, const TFont& kept) {
  TFont font = kept;
  font.Name = q.family().toStdString();
  if (q.pixelSize() > 0) font.Height = q.pixelSize();
  else if (q.pointSize() > 0) font.SetSize(q.pointSize());
  font.Style = static_cast<TFontStyles>((q.bold() ? FontStyleBit(fsBold) : 0) |
                                        (q.italic() ? FontStyleBit(fsItalic) : 0) |
                                        (q.underline() ? FontStyleBit(fsUnderline) : 0) |
                                        (q.strikeOut() ? FontStyleBit(fsStrikeOut) : 0));
  return font;
}

// ---- colour -------------------------------------------------------------------

TiComponentEditorColorPicker::TiComponentEditorColorPicker(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  setFixedWidth(60);
  connect(this, &QPushButton::clicked, this, [this] { Ask(); });
  SetColor(clBlack);
}

void TiComponentEditorColorPicker::SetColor(TColor color) {
  color_ = color;
  QPixmap swatch(40, 12);
  swatch.fill(ToQColor(color));
  setIcon(QIcon(swatch));
  setIconSize(swatch.size());
}

void TiComponentEditorColorPicker::Pick(TColor color) {
  if (color == color_) return;
  SetColor(color);
  if (OnChange) OnChange();
}

void TiComponentEditorColorPicker::Ask() {
  const QColor chosen = QColorDialog::getColor(ToQColor(color_), window());
  if (chosen.isValid()) Pick(FromQColor(chosen));
}

// ---- font ---------------------------------------------------------------------

TiComponentEditorFontPicker::TiComponentEditorFontPicker(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { Ask(); });
  SetFont(TFont{});
}

void TiComponentEditorFontPicker::SetFont(const TFont& font) {
  font_ = font;
  setText(QString::fromStdString(font.Name) + ", " + QString::number(font.Size()));
}

void TiComponentEditorFontPicker::Pick(const TFont& font) {
  if (font == font_) return;
  SetFont(font);
  if (OnChange) OnChange();
}

void TiComponentEditorFontPicker::Ask() {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font_), window());
  if (ok) Pick(FromQFont(chosen, font_));
}

// ---- files --------------------------------------------------------------------

TiComponentEditorFilePicker::TiComponentEditorFilePicker(const QString& caption, bool save, QWidget* parent)
    : QPushButton(caption, parent), save_(save) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { Ask(); });
}

void TiComponentEditorFilePicker::Pick(const std::string& fileName) {
  fileName_ = fileName;
  if (OnChange) OnChange();
}

void TiComponentEditorFilePicker::Ask() {
  const QString start = QString::fromStdString(fileName_);
  const QString filter = QString::fromStdString(Filter);
  const QString name = save_ ? QFileDialog::getSaveFileName(window(), text(), start, filter)
                             : QFileDialog::getOpenFileName(window(), text(), start, filter);
  if (!name.isEmpty()) Pick(name.toStdString());
}
