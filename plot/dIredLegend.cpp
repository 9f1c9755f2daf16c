#include "plot/dIredLegend.h"

#include <algorithm>
#include <array>

#include "components/iFont.h"
#include "platform/Rounding.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredMasterManager.h"

namespace {

constexpr int SampleColumnWidth = 16;

int WidthIn(TCanvas& canvas, const TFont& font, const std::string& text) {
  canvas.Font = font;
  return canvas.TextWidth(text);
}

int HeightIn(TCanvas& canvas, const TFont& font, const std::string& text) {
  canvas.Font = font;
  return canvas.TextHeight(text);
}

// Characters, not bytes: a reading such as "12.5 µm" is as long as it looks.
int CharacterCount(const std::string& text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Trimmed(const std::string& text) {
  const size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
}

std::string WithoutBlanks(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
  return text;
}

// The pieces of one line sample, as inclusive pixel ranges from the column
// start.
std::vector<std::pair<int, int>> LinePieces(TiPlotLineStyle style) {
  switch (style) {
    case iplsDash: return {{0, 5}, {8, 13}};
    case iplsDot: return {{0, 2}, {4, 6}, {8, 10}};
    case iplsDashDot: return {{0, 5}, {7, 9}};
    case iplsDashDotDot: return {{0, 5}, {7, 9}, {11, 13}};
    default: return {{0, 13}};
  }
}

template <class V>
const V* Find(const std::vector<std::pair<const TiPlotChannelCustom*, V>>& list, const TiPlotChannelCustom* c) {
  for (const auto& [channel, value] : list)
    if (channel == c) return &value;
  return nullptr;
}

}  // namespace

// Where the columns of a row go, relative to the row's left edge.
struct TiPlotLegend::Columns {
  std::array<bool, iplgcCount> Visible{};
  std::array<int, iplgcCount> Start{}, Width{};
  int ItemWidth = 0;
  int RowHeight = 0;
  int TitleLineHeight = 0, TitleLineGap = 0;
};

TiPlotLegendButton::TiPlotLegendButton(const TiPlotObjectHooks& hooks, bool up) : TiPlotButton(hooks), Up_(up) {
  AutoRepeat = true;
  SetVisible(false);
}

// ---- construction and properties -------------------------------------------

TiPlotLegend::TiPlotLegend(const TiPlotObjectHooks& hooks)
    : TiPlotLayoutObject(hooks), Columns_(std::make_unique<Columns>()) {
  Font_.Color = clWhite;
  SelectedItemFont_.Color = clBlack;
  ColumnTitlesFont_.Color = clAqua;
  ColumnTitlesFont_.Style = FontStyleBit(fsBold);
  TiPlotObjectHooks buttonHooks;
  buttonHooks.Owner = hooks.Owner;
  UpButton_ = std::make_unique<TiPlotLegendButton>(buttonHooks, true);
  DownButton_ = std::make_unique<TiPlotLegendButton>(buttonHooks, false);
  UpButton_->OnClick = [this](TiObject*) { ScrollUp(); };
  DownButton_->OnClick = [this](TiObject*) { ScrollDown(); };
  UpButton_->OnInvalidate = DownButton_->OnInvalidate = [this](TiObject*) { ButtonInvalidate(); };
}

TiPlotLegend::~TiPlotLegend() = default;

const TClassInfo& TiPlotLegend::StaticClass() {
  using L = TiPlotLegend;
  static const TClassInfo info =
      TClassBuilder<L>("TiPlotLegend")
          .Inherits<TiPlotLayoutObject>()
          .Float("MarginLeft", &L::MarginLeft, &L::SetMarginLeft).DefaultFloat(1)
          .Float("MarginRight", &L::MarginRight, &L::SetMarginRight).DefaultFloat(1)
          .Float("MarginTop", &L::MarginTop, &L::SetMarginTop).DefaultFloat(1)
          .Float("MarginBottom", &L::MarginBottom, &L::SetMarginBottom).DefaultFloat(1)
          .Color("BackGroundColor", &L::BackGroundColor, &L::SetBackGroundColor).Default(clGray)
          .Bool("BackGroundTransparent", &L::BackGroundTransparent, &L::SetBackGroundTransparent).Default(1)
          .Color("SelectedItemBackGroundColor", &L::SelectedItemBackGroundColor,
                 &L::SetSelectedItemBackGroundColor).Default(clYellow)
          .Value("SelectedItemFont", &L::SelectedItemFont, &L::SetSelectedItemFont, FontClassInfo())
          .Value("Font", &L::Font, &L::SetFont, FontClassInfo())
          .Bool("ColumnTitlesVisible", &L::ColumnTitlesVisible, &L::SetColumnTitlesVisible).Default(0)
          .Value("ColumnTitlesFont", &L::ColumnTitlesFont, &L::SetColumnTitlesFont, FontClassInfo())
          .Bool("ShowColumnLine", &L::ShowColumnLine, &L::SetShowColumnLine).Default(1)
          .Bool("ShowColumnMarker", &L::ShowColumnMarker, &L::SetShowColumnMarker).Default(0)
          .Bool("ShowColumnXAxisTitle", &L::ShowColumnXAxisTitle, &L::SetShowColumnXAxisTitle).Default(0)
          .Bool("ShowColumnYAxisTitle", &L::ShowColumnYAxisTitle, &L::SetShowColumnYAxisTitle).Default(0)
          .Bool("ShowColumnXValue", &L::ShowColumnXValue, &L::SetShowColumnXValue).Default(0)
          .Bool("ShowColumnYValue", &L::ShowColumnYValue, &L::SetShowColumnYValue).Default(0)
          .Bool("ShowColumnYMax", &L::ShowColumnYMax, &L::SetShowColumnYMax).Default(0)
          .Bool("ShowColumnYMin", &L::ShowColumnYMin, &L::SetShowColumnYMin).Default(0)
          .Bool("ShowColumnYMean", &L::ShowColumnYMean, &L::SetShowColumnYMean).Default(0)
          .String("CaptionColumnTitle", &L::CaptionColumnTitle, &L::SetCaptionColumnTitle).DefaultString("Title")
          .String("CaptionColumnXAxisTitle", &L::CaptionColumnXAxisTitle, &L::SetCaptionColumnXAxisTitle)
          .DefaultString("X-Axis")
          .String("CaptionColumnYAxisTitle", &L::CaptionColumnYAxisTitle, &L::SetCaptionColumnYAxisTitle)
          .DefaultString("Y-Axis")
          .String("CaptionColumnXValue", &L::CaptionColumnXValue, &L::SetCaptionColumnXValue).DefaultString("X")
          .String("CaptionColumnYValue", &L::CaptionColumnYValue, &L::SetCaptionColumnYValue).DefaultString("Y")
          .String("CaptionColumnYMax", &L::CaptionColumnYMax, &L::SetCaptionColumnYMax).DefaultString("Y-Max")
          .String("CaptionColumnYMin", &L::CaptionColumnYMin, &L::SetCaptionColumnYMin).DefaultString("Y-Min")
          .String("CaptionColumnYMean", &L::CaptionColumnYMean, &L::SetCaptionColumnYMean)
          .DefaultString("Y-Mean")
          .Float("ColumnSpacing", &L::ColumnSpacing, &L::SetColumnSpacing).DefaultFloat(0.5)
          .Float("RowSpacing", &L::RowSpacing, &L::SetRowSpacing).DefaultFloat(0.25)
          .Float("WrapRowSpacingMin", &L::WrapRowSpacingMin, &L::SetWrapRowSpacingMin).DefaultFloat(0.25)
          .Integer("WrapColDesiredCount", &L::WrapColDesiredCount, &L::SetWrapColDesiredCount).Default(1)
          .Bool("WrapColAutoCountEnabled", &L::WrapColAutoCountEnabled, &L::SetWrapColAutoCountEnabled).Default(0)
          .Integer("WrapColAutoCountMax", &L::WrapColAutoCountMax, &L::SetWrapColAutoCountMax).Default(100)
          .Float("WrapColSpacingMin", &L::WrapColSpacingMin, &L::SetWrapColSpacingMin).DefaultFloat(2)
          .Bool("WrapColSpacingAuto", &L::WrapColSpacingAuto, &L::SetWrapColSpacingAuto).Default(1)
          .Integer("WrapRowDesiredCount", &L::WrapRowDesiredCount, &L::SetWrapRowDesiredCount).Default(5)
          .Bool("WrapRowAutoCountEnabled", &L::WrapRowAutoCountEnabled, &L::SetWrapRowAutoCountEnabled).Default(1)
          .Integer("WrapRowAutoCountMax", &L::WrapRowAutoCountMax, &L::SetWrapRowAutoCountMax).Default(100)
          .Bool("WrapRowSpacingAuto", &L::WrapRowSpacingAuto, &L::SetWrapRowSpacingAuto).Default(0)
          .Float("ChannelNameMaxWidth", &L::ChannelNameMaxWidth, &L::SetChannelNameMaxWidth).DefaultFloat(0)
          .Enum("ChannelNameColorStyle", &L::ChannelNameColorStyle, &L::SetChannelNameColorStyle)
          .Default(iplcncsFont)
          .Build();
  return info;
}

TRect TiPlotLegend::ChannelTitleRect(const TiPlotChannelCustom* channel) const {
  const TRect* r = Find(TitleRects_, channel);
  return r ? *r : TRect{};
}

// ---- the rows and their texts -----------------------------------------------

std::vector<TiPlotChannelCustom*> TiPlotLegend::ListedChannels() {
  std::vector<TiPlotChannelCustom*> listed;
  TiPlotMasterManager* master = Owner() ? Owner()->MasterManager() : nullptr;
  TiPlotChannelManager* channels = master ? master->ChannelManager() : nullptr;
  if (!channels) return listed;
  for (int i = 0; i < channels->Count(); ++i) {
    TiPlotChannelCustom* channel = channels->Channel(i);
    if (channel && Links.VisibleInLegend(*channel)) listed.push_back(channel);
  }
  return listed;
}

namespace {

std::string AxisTitle(TiPlotAxis* axis) {
  if (!axis) return "None";
  return Trimmed(axis->Title()).empty() ? axis->Name() : axis->Title();
}

}  // namespace

TiPlotLegend::Texts TiPlotLegend::RowTexts(TiPlotChannelCustom& channel) {
  Texts t;
  auto& c = t.Column;
  c[iplgcTitle] = Trimmed(channel.TitleText()).empty() ? channel.Name() : channel.TitleText();
  TiPlotXAxis* xAxis = channel.XAxis();
  TiPlotYAxis* yAxis = channel.YAxis();
  c[iplgcXAxisTitle] = AxisTitle(xAxis);
  c[iplgcYAxisTitle] = AxisTitle(yAxis);

  TiPlotDataCustomList& data = channel.DataList();
  const bool empty = data.Count() == 0;
  // An axis is needed to format anything, so its absence wins over no points.
  auto value = [&](TiPlotAxis* axis, auto&& text) -> std::string {
    if (!axis) return "N/A";
    if (empty) return "Empty";
    return text(*axis);
  };
  if (ShowAllCursorChannels_) {
    c[iplgcXValue] = Links.CursorXText(channel);
    c[iplgcYValue] = Links.CursorYText(channel);
  } else {
    const int newest = data.Count() - 1;
    c[iplgcXValue] = value(xAxis, [&](TiPlotAxis& a) { return Links.FormatLegendText(a, data.GetX(newest)); });
    c[iplgcYValue] = value(yAxis, [&](TiPlotAxis& a) { return Links.FormatLegendText(a, data.GetY(newest)); });
  }
  const TiPlotLegendStatistics stats = yAxis && !empty ? Links.Statistics(channel) : TiPlotLegendStatistics{};
  c[iplgcYMax] = value(yAxis, [&](TiPlotAxis& a) { return Links.FormatLegendText(a, stats.YMax); });
  c[iplgcYMin] = value(yAxis, [&](TiPlotAxis& a) { return Links.FormatLegendText(a, stats.YMin); });
  c[iplgcYMean] = value(yAxis, [&](TiPlotAxis& a) { return Links.FormatLegendText(a, stats.YMean); });
  for (std::string& text : c) text = Translate(text);
  return t;
}

// ---- layout -------------------------------------------------------------------

int TiPlotLegend::TitleRowHeight(TCanvas& canvas, const std::string& title) {
  const int width = std::max<int>(0, Round(canvas.TextWidth("0") * ChannelNameMaxWidth_));
  int height = 0;
  for (const TFont* font : {&Font_, &SelectedItemFont_}) {
    canvas.Font = *font;
    TRect r = Bounds(0, 0, width, 0);
    height = std::max(height, canvas.DrawText(title, r, dtCalcRect | dtWordBreak));
  }
  canvas.Font = Font_;
  return height;
}

void TiPlotLegend::MeasureColumns(TCanvas& canvas, const std::vector<Texts>& texts) {
  Columns& col = *Columns_;
  col = Columns{};
  canvas.Font = Font_;
  const int w0 = canvas.TextWidth("0");
  H0_ = canvas.TextHeight("0");
  const bool cursor = ShowAllCursorChannels_;
  col.Visible = {ShowColumnLine_,       ShowColumnMarker_,           true,
                 ShowColumnXAxisTitle_, ShowColumnYAxisTitle_,       ShowColumnXValue_ || cursor,
                 ShowColumnYValue_ || cursor, ShowColumnYMax_, ShowColumnYMin_, ShowColumnYMean_};
  col.Width[iplgcLine] = col.Width[iplgcMarker] = SampleColumnWidth;
  MeasureTitleColumn(canvas, texts, w0);
  MeasureTextColumns(canvas, texts, w0);
  if (ColumnTitlesVisible_) MeasureCaptions(canvas);
  PlaceColumns(w0);
  canvas.Font = Font_;
}

// The title column and the row heights: one line of H0, or the title
// wrapped to a fixed column width.
void TiPlotLegend::MeasureTitleColumn(TCanvas& canvas, const std::vector<Texts>& texts, int w0) {
  Columns& col = *Columns_;
  col.RowHeight = H0_;
  const bool fixed = ChannelNameMaxWidth_ != 0;
  // A negative width means nothing sensible; it gives an empty column.
  if (fixed) col.Width[iplgcTitle] = std::max<int>(0, Round(w0 * ChannelNameMaxWidth_));
  for (size_t i = 0; i < texts.size(); ++i) {
    const std::string& title = texts[i].Column[iplgcTitle];
    if (fixed) {
      Items_[i].RowHeight = TitleRowHeight(canvas, title);
    } else {
      Items_[i].RowHeight = H0_;
      col.Width[iplgcTitle] =
          std::max({col.Width[iplgcTitle], WidthIn(canvas, Font_, title), WidthIn(canvas, SelectedItemFont_, title)});
    }
    col.RowHeight = std::max(col.RowHeight, Items_[i].RowHeight);
  }
}

// Every text column is as wide as its widest text; the value columns also
// keep the room their axis reserves for a value (a cursor reading: at least
// one "0" per character).
void TiPlotLegend::MeasureTextColumns(TCanvas& canvas, const std::vector<Texts>& texts, int w0) {
  Columns& col = *Columns_;
  for (int c = iplgcXAxisTitle; c < iplgcCount; ++c)
    for (const Texts& t : texts) col.Width[c] = std::max(col.Width[c], WidthIn(canvas, Font_, t.Column[c]));
  const bool cursor = ShowAllCursorChannels_;
  for (size_t i = 0; i < Items_.size(); ++i) {
    TiPlotChannelCustom& channel = *Items_[i].Channel;
    const std::pair<int, TiPlotAxis*> axes[] = {{iplgcXValue, channel.XAxis()}, {iplgcYValue, channel.YAxis()}};
    for (auto [c, axis] : axes) {
      if (!axis) continue;
      canvas.Font = Font_;
      int reserved = cursor ? Links.CursorTextWidth(*axis, canvas) : Links.LegendTextWidth(*axis, canvas);
      if (cursor) reserved = std::max(reserved, w0 * CharacterCount(texts[i].Column[c]));
      col.Width[c] = std::max(col.Width[c], reserved);
    }
  }
}

// The title line: each column at least as wide as its caption.
void TiPlotLegend::MeasureCaptions(TCanvas& canvas) {
  Columns& col = *Columns_;
  col.TitleLineHeight = HeightIn(canvas, ColumnTitlesFont_, "0");
  col.TitleLineGap = col.TitleLineHeight / 4;
  for (int c = iplgcTitle; c < iplgcCount; ++c)
    col.Width[c] = std::max(col.Width[c], WidthIn(canvas, ColumnTitlesFont_, Translate(Captions_[c])));
}

// Left to right, the column gap between visible neighbours.
void TiPlotLegend::PlaceColumns(int w0) {
  Columns& col = *Columns_;
  const int gap = Round(w0 * ColumnSpacing_);
  int x = 0;
  bool first = true;
  for (int c = 0; c < iplgcCount; ++c) {
    if (!col.Visible[c]) continue;
    if (!first) x += gap;
    first = false;
    col.Start[c] = x;
    x += col.Width[c];
  }
  col.ItemWidth = x;
}

void TiPlotLegend::Layout(TCanvas& canvas) {
  Items_.clear();
  for (TiPlotChannelCustom* channel : ListedChannels()) Items_.push_back({channel});
  ItemTexts_.clear();
  for (const TiPlotLegendItem& item : Items_) ItemTexts_.push_back(RowTexts(*item.Channel));
  MeasureColumns(canvas, ItemTexts_);
  Placement_ = PlaceLegendItems(Measures(canvas), Wrap_, ScrollPosition_);
  ScrollPosition_ = Placement_.ScrollPosition;

  for (const TiLegendPlacedItem& placed : Placement_.Items) {
    TiPlotLegendItem& item = Items_[placed.Index];
    item.Column = placed.Column;
    item.Row = placed.Row;
    item.Left = placed.Left;
    item.Top = placed.Top;
  }
  for (auto [button, rect] : {std::pair{UpButton_.get(), Placement_.UpButton},
                              std::pair{DownButton_.get(), Placement_.DownButton}}) {
    button->SetVisible(Placement_.ButtonsVisible);
    button->Rect = rect;
  }
}

TiLegendMeasures TiPlotLegend::Measures(TCanvas& canvas) const {
  canvas.Font = Font_;
  const int w0 = canvas.TextWidth("0");
  TiLegendMeasures m;
  m.Rect = GetRect();
  m.MarginLeft = Round(w0 * MarginLeft_);
  m.MarginRight = Round(w0 * MarginRight_);
  m.MarginTop = Round(H0_ * MarginTop_);
  m.MarginBottom = Round(H0_ * MarginBottom_);
  m.Horizontal = Horizontal();
  m.Count = static_cast<int>(Items_.size());
  m.RowHeight = Columns_->RowHeight;
  m.RowGap = Round(H0_ * RowSpacing_);
  m.ItemWidth = Columns_->ItemWidth;
  m.WrapColGap = Round(H0_ * WrapColSpacingMin_);
  m.TitleLineHeight = Columns_->TitleLineHeight;
  m.TitleLineGap = Columns_->TitleLineGap;
  return m;
}

// Nothing listed takes no room: the legend then draws nothing at all.
int TiPlotLegend::GetRequiredThickness(TCanvas* canvas) {
  if (!canvas) return 0;
  Layout(*canvas);
  if (Items_.empty()) return 0;
  return Horizontal() ? Placement_.RequiredHeight : Placement_.RequiredWidth;
}

void TiPlotLegend::ScrollUp() {
  if (ScrollPosition_ <= 0) return;
  --ScrollPosition_;
  DoChange();
}

void TiPlotLegend::ScrollDown() {
  if (ScrollPosition_ >= static_cast<int>(Items_.size()) - 1) return;
  ++ScrollPosition_;
  DoChange();
}

void TiPlotLegend::ButtonInvalidate() { DoChange(); }

// ---- drawing -------------------------------------------------------------------

void TiPlotLegend::Draw(TCanvas* canvas, TColor) {
  if (!canvas || !Visible()) return;
  Layout(*canvas);
  if (Items_.empty()) return;
  if (!BackGroundTransparent_) {
    canvas->Brush = {BackGroundColor_, bsSolid};
    canvas->FillRect(GetRect());
  }
  if (ColumnTitlesVisible_) DrawTitleLine(*canvas);
  for (const TiPlotLegendItem& item : Items_) Links.StoreLegendRect(*item.Channel, TRect{});
  TitleRects_.clear();
  ShortenedTitles_.clear();
  for (size_t i = 0; i < Items_.size(); ++i)
    if (Items_[i].Column > 0) DrawItem(*canvas, Items_[i], ItemTexts_[i]);
  if (Placement_.ButtonsVisible) {
    DrawButton(*canvas, *UpButton_);
    DrawButton(*canvas, *DownButton_);
  }
  if (Focused()) DrawFocus(*canvas);
}

void TiPlotLegend::DrawTitleLine(TCanvas& canvas) {
  const Columns& col = *Columns_;
  canvas.Font = ColumnTitlesFont_;
  canvas.Brush.Style = bsClear;
  const int top = Placement_.Inner.Top;
  for (int left : Placement_.ColumnLefts) {
    for (int c = iplgcTitle; c < iplgcCount; ++c) {
      if (!col.Visible[c]) continue;
      const TDrawTextFlags align = c == iplgcTitle ? 0u : c <= iplgcYAxisTitle ? dtCenter : dtRight;
      TRect r = Bounds(left + col.Start[c], top, col.Width[c], col.TitleLineHeight);
      canvas.DrawText(Translate(Captions_[c]), r, align | dtSingleLine | dtVCenter | dtNoClip);
    }
  }
}

void TiPlotLegend::DrawItem(TCanvas& canvas, const TiPlotLegendItem& item, const Texts& texts) {
  const Columns& col = *Columns_;
  TiPlotChannelCustom& channel = *item.Channel;
  const int centre = item.Top + H0_ / 2;
  const TRect title = Rect(item.Left + col.Start[iplgcTitle], item.Top,
                           item.Left + col.Start[iplgcTitle] + col.Width[iplgcTitle] + 1, item.Top + col.RowHeight);
  TitleRects_.emplace_back(&channel, title);
  Links.StoreLegendRect(channel, title);

  if (col.Visible[iplgcLine]) DrawLineSample(canvas, channel, item.Left + col.Start[iplgcLine], centre);
  if (col.Visible[iplgcMarker])
    Links.DrawMarker(channel, canvas, item.Left + col.Start[iplgcMarker] + SampleColumnWidth / 2, centre);
  DrawTitle(canvas, channel, title, texts.Column[iplgcTitle]);

  canvas.Font = Font_;
  canvas.Brush.Style = bsClear;
  for (int c = iplgcXAxisTitle; c < iplgcCount; ++c) {
    if (!col.Visible[c]) continue;
    TRect r = Bounds(item.Left + col.Start[c], item.Top, col.Width[c], H0_);
    const TDrawTextFlags align = c <= iplgcYAxisTitle ? 0u : dtRight;
    canvas.DrawText(texts.Column[c], r, align | dtSingleLine | dtVCenter);
  }
}

// Three pixel rows around the centre line, one pen pixel wide, cut by the
// channel's line style.
void TiPlotLegend::DrawLineSample(TCanvas& canvas, TiPlotChannelCustom& channel, int x, int centre) {
  canvas.Pen = TPen{channel.Color(), 1, psSolid, pmCopy};
  for (int y = centre - 1; y <= centre + 1; ++y) {
    for (auto [from, to] : LinePieces(channel.DataList().TraceLineStyle)) {
      canvas.MoveTo(x + from, y);
      canvas.LineTo(x + to + 1, y);  // a line leaves out its last pixel
    }
  }
}

void TiPlotLegend::DrawTitle(TCanvas& canvas, TiPlotChannelCustom& channel, const TRect& r, const std::string& title) {
  if (channel.Focused()) {
    canvas.Brush = {SelectedItemBackGroundColor_, bsSolid};
    canvas.FillRect(r);
    canvas.Font = SelectedItemFont_;
  } else {
    canvas.Font = Font_;
  }
  TiPlotAxis* axis = nullptr;
  switch (ChannelNameColorStyle_) {
    case iplcncsChannelColor: canvas.Font.Color = channel.Color(); break;
    case iplcncsXAxisFontColor: axis = channel.XAxis(); break;
    case iplcncsYAxisFontColor: axis = channel.YAxis(); break;
    default: break;
  }
  if (axis) canvas.Font.Color = Links.LabelsFontColor(*axis, canvas.Font.Color);
  canvas.Brush.Style = bsClear;
  TRect box = r;
  std::string shown;
  canvas.DrawText(title, box, dtWordBreak | dtWordEllipsis | dtModifyString, &shown);
  if (WithoutBlanks(shown) != WithoutBlanks(title)) ShortenedTitles_.emplace_back(&channel, title);
}

void TiPlotLegend::DrawButton(TCanvas& canvas, TiPlotLegendButton& button) {
  const TRect r = button.Rect;
  canvas.Brush = {clBtnFace, bsSolid};
  canvas.FillRect(r);
  canvas.DrawEdge(r, button.MouseDownActive() ? esSunken : esRaised);
  const TColor color = (button.Up() ? UpEnabled() : DownEnabled()) ? clBlack : clGray;
  canvas.Pen = TPen{color, 1, psSolid, pmCopy};
  canvas.Brush = {color, bsSolid};
  const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
  if (button.Up()) canvas.Polygon({{cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2}});
  else canvas.Polygon({{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}});
}

void TiPlotLegend::DrawFocus(TCanvas& canvas) {
  TRect r = GetRect();
  if (Horizontal()) {
    r.Top += 2;
    r.Bottom -= 2;
  } else {
    r.Left += 2;
    r.Right -= 2;
  }
  canvas.DrawFocusRect(r);
}

// ---- pointer, focus, removal ----------------------------------------------------

TiPlotObject* TiPlotLegend::GetHitObject(int x, int y) {
  for (TiPlotLegendButton* button : {UpButton_.get(), DownButton_.get()}) {
    if (button->Visible() && button->Rect.Contains({x, y})) {
      SetHitObject(button);
      return button;
    }
  }
  for (TiPlotChannelCustom* channel : ListedChannels()) {
    if (ChannelTitleRect(channel).Contains({x, y})) {
      SetHitObject(channel);
      return channel;
    }
  }
  SetHitObject(this);
  return this;
}

// A title cut short by its column shows in full as the hint.
void TiPlotLegend::DoMouseHover(const TiPlotMouseData& mouse, TiPlotHintData& hint) {
  for (const auto& [channel, title] : ShortenedTitles_) {
    const TRect r = ChannelTitleRect(channel);
    if (!r.Contains({mouse.RawX, mouse.RawY})) continue;
    hint.Show = true;
    hint.Text = title;
    hint.X = r.Left;
    hint.Y = r.Bottom + 2;
    return;
  }
}

void TiPlotLegend::NotifyRemove(TiPlotObject* object) {
  auto channel = [object](const auto& entry) { return entry.first == object; };
  std::erase_if(TitleRects_, channel);
  std::erase_if(ShortenedTitles_, channel);
  for (size_t i = Items_.size(); i-- > 0;) {
    if (Items_[i].Channel != object) continue;
    Items_.erase(Items_.begin() + static_cast<std::ptrdiff_t>(i));
    ItemTexts_.erase(ItemTexts_.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void TiPlotLegend::NotifyFocus(TiPlotObject* object) {
  if (object != this && Focused() && dynamic_cast<TiPlotLegend*>(object)) SetFocused(false);
}

bool TiPlotLegend::ColumnVisible(TiPlotLegendColumn c) const { return Columns_->Visible.at(c); }
int TiPlotLegend::ColumnStart(TiPlotLegendColumn c) const { return Columns_->Start.at(c); }
int TiPlotLegend::ColumnWidth(TiPlotLegendColumn c) const { return Columns_->Width.at(c); }
int TiPlotLegend::RowHeight() const { return Columns_->RowHeight; }
