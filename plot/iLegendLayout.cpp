#include "plot/iLegendLayout.h"

#include <algorithm>

namespace {

int CeilDiv(int a, int b) { return b <= 0 ? 0 : (a + b - 1) / b; }

TRect InnerRect(const TiLegendMeasures& m) {
  return {m.Rect.Left + m.MarginLeft, m.Rect.Top + m.MarginTop, m.Rect.Right - m.MarginRight,
          m.Rect.Bottom - m.MarginBottom};
}

// D (wrap columns) and F (rows per column) from what fits, the settings and
// the number of rows.
void ChooseGrid(const TiLegendMeasures& m, const TiLegendWrapSettings& w, TiLegendPlacement& p) {
  const int n = m.Count;
  const int areaHeight = p.ItemArea.Height();
  const int areaWidth = p.ItemArea.Width();
  const int fitRows = std::max(1, (areaHeight + m.RowGap) / std::max(1, m.RowHeight + m.RowGap));
  const int buttonRoom = m.Horizontal ? LegendButtonRoom : 0;
  const int fitCols =
      std::max(1, (areaWidth - buttonRoom + m.WrapColGap) / std::max(1, m.ItemWidth + m.WrapColGap));
  int d = w.ColAutoCountEnabled ? w.ColAutoCountMax : w.ColDesiredCount;
  const int e = w.RowAutoCountEnabled ? w.RowAutoCountMax : w.RowDesiredCount;
  int f = 0;
  if (m.Horizontal) {
    d = std::min(d, fitCols);
    f = std::min(w.RowAutoCountEnabled ? CeilDiv(n, d) : e, e);
    if (f < 3 && f * d < n) f = 3;
    if (w.ColAutoCountEnabled) d = std::min(d, CeilDiv(n, f));
  } else {
    if (w.ColAutoCountEnabled) d = CeilDiv(n, fitRows);
    d = std::min(d, w.ColAutoCountMax);
    f = std::min({fitRows, n, e});
    if (f < 3 && f * d < n) f = 3;
  }
  p.Columns = std::max(1, d);
  p.Rows = std::max(1, f);
}

// Fills the columns top to bottom from the scroll position on, until the
// columns run out.
void PlaceItems(const TiLegendMeasures& m, TiLegendPlacement& p) {
  int row = 1, column = 1;
  p.FirstShown = p.ScrollPosition;
  for (int i = p.ScrollPosition; i < m.Count; ++i) {
    p.Items.push_back({i, column, row, 0, 0});
    p.LastShown = i;
    if (++row <= p.Rows || i == m.Count - 1) continue;
    row = 1;
    if (++column > p.Columns) break;
  }
}

// Row tops and column lefts from the gaps in force.
void Position(const TiLegendMeasures& m, TiLegendPlacement& p) {
  const int columns = p.Items.empty() ? 0 : p.Items.back().Column;
  p.ColumnLefts.clear();
  for (int c = 1; c <= columns; ++c) p.ColumnLefts.push_back(p.Inner.Left + (c - 1) * (m.ItemWidth + p.WrapColGap));
  for (TiLegendPlacedItem& item : p.Items) {
    item.Top = p.ItemArea.Top + (item.Row - 1) * (m.RowHeight + p.RowGap);
    item.Left = p.ColumnLefts[item.Column - 1];
  }
}

void Measure(const TiLegendMeasures& m, TiLegendPlacement& p) {
  p.RequiredWidth =
      p.Columns * m.ItemWidth + (p.Columns - 1) * m.WrapColGap + m.MarginLeft + m.MarginRight;
  p.RequiredHeight = m.MarginTop + m.TitleLineHeight + m.TitleLineGap + p.Rows * (m.RowHeight + m.RowGap) -
                     m.RowGap + m.MarginBottom;
}

void PlaceButtons(const TiLegendMeasures& m, TiLegendPlacement& p) {
  if (!p.ButtonsVisible) return;
  p.RequiredWidth += LegendButtonRoom;
  const int left = p.Inner.Right - LegendButtonSize;
  p.UpButton = Bounds(left, p.ItemArea.Top, LegendButtonSize, LegendButtonSize);
  p.DownButton = Bounds(left, p.ItemArea.Bottom - LegendButtonSize, LegendButtonSize, LegendButtonSize);
  p.UpEnabled = p.ScrollPosition != 0;
  p.DownEnabled = p.LastShown != m.Count - 1;
}

// Spreads what is left over between the wrap columns or the rows. A gap
// never goes below 0: rows drawn over each other help nobody.
void Spread(const TiLegendMeasures& m, const TiLegendWrapSettings& w, TiLegendPlacement& p) {
  if (w.ColSpacingAuto && m.Horizontal && p.Columns > 1)
    p.WrapColGap = std::max(0, (p.Inner.Width() - LegendButtonRoom - p.Columns * m.ItemWidth) / (p.Columns - 1));
  const int rows = static_cast<int>(
      std::count_if(p.Items.begin(), p.Items.end(), [](const TiLegendPlacedItem& i) { return i.Column == 1; }));
  if (w.RowSpacingAuto && !m.Horizontal && rows > 1)
    p.RowGap = std::max(0, (p.ItemArea.Height() - rows * m.RowHeight) / (rows - 1));
}

}  // namespace

TiLegendPlacement PlaceLegendItems(const TiLegendMeasures& m, const TiLegendWrapSettings& wrap, int scrollPosition) {
  TiLegendPlacement p;
  p.Inner = InnerRect(m);
  p.ItemArea = {p.Inner.Left, p.Inner.Top + m.TitleLineHeight + m.TitleLineGap, p.Inner.Right, p.Inner.Bottom};
  p.RowGap = m.RowGap;
  p.WrapColGap = m.WrapColGap;
  if (m.Count <= 0) return p;
  p.ScrollPosition = std::clamp(scrollPosition, 0, m.Count - 1);
  ChooseGrid(m, wrap, p);
  // When every row fits there is nothing to scroll: show them all from the first.
  p.ButtonsVisible = p.Rows * p.Columns < m.Count;
  if (!p.ButtonsVisible) p.ScrollPosition = 0;
  PlaceItems(m, p);
  Measure(m, p);
  PlaceButtons(m, p);
  Spread(m, wrap, p);
  Position(m, p);
  return p;
}
