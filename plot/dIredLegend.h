// The legend: one row per channel whose VisibleInLegend is true, in channel
// order, with a line sample, a marker sample, the title, the axis titles,
// the newest x and y values and the maximum, minimum and mean. Rows wrap
// into columns; two small arrow buttons scroll when not all rows fit.
//
// The layout runs before every drawing and every size request: it rebuilds
// the item list, so items hold channel pointers only between a layout and the
// drawing that follows it. What the legend reads of channels and axes goes
// through Links (iLegendLinks.h). Setters compare, store and notify; they
// never draw. One thread (the plot's) uses a legend.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "plot/dIredObjects.h"
#include "plot/iLegendLayout.h"
#include "plot/iLegendLinks.h"

class TiPlotChannelCustom;
class TiPlotLegend;

enum TiPlotChannelNameColorStyle : uint8_t {
  iplcncsFont, iplcncsChannelColor, iplcncsXAxisFontColor, iplcncsYAxisFontColor
};
inline const std::vector<std::string>& EnumValueNames(TiPlotChannelNameColorStyle) {
  static const std::vector<std::string> names{"iplcncsFont", "iplcncsChannelColor",
      "iplcncsXAxisFontColor", "iplcncsYAxisFontColor"};
  return names;
}

// The columns of a row, in the order they are placed left to right.
enum TiPlotLegendColumn : uint8_t {
  iplgcLine, iplgcMarker, iplgcTitle, iplgcXAxisTitle, iplgcYAxisTitle, iplgcXValue, iplgcYValue, iplgcYMax,
  iplgcYMin, iplgcYMean, iplgcCount
};

// The texts of one row, by column (empty for the two sample columns).
struct TiPlotLegendTexts {
  std::array<std::string, iplgcCount> Column;
};

// One listed channel in the last layout. Column and Row are 1-based; 0 when
// the row is scrolled out of view.
struct TiPlotLegendItem {
  TiPlotChannelCustom* Channel = nullptr;
  int RowHeight = 0;
  int Column = 0, Row = 0;
  int Left = 0, Top = 0;
};

// A scroll button: a repeating button that knows which way it scrolls.
class TiPlotLegendButton : public TiPlotButton {
 public:
  TiPlotLegendButton(const TiPlotObjectHooks& hooks, bool up);
  bool Up() const { return Up_; }

 private:
  bool Up_;
};

class TiPlotLegend : public TiPlotLayoutObject {
 public:
  explicit TiPlotLegend(const TiPlotObjectHooks& hooks);
  ~TiPlotLegend() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  // Published. Margins and spacings are in widths (W) or heights (H) of "0"
  // in Font.
  double MarginLeft() const { return MarginLeft_; }      // W, 1.0
  void SetMarginLeft(double v) { SetProperty(MarginLeft_, v); }
  double MarginRight() const { return MarginRight_; }    // W, 1.0
  void SetMarginRight(double v) { SetProperty(MarginRight_, v); }
  double MarginTop() const { return MarginTop_; }        // H, 1.0
  void SetMarginTop(double v) { SetProperty(MarginTop_, v); }
  double MarginBottom() const { return MarginBottom_; }  // H, 1.0
  void SetMarginBottom(double v) { SetProperty(MarginBottom_, v); }
  TColor BackGroundColor() const { return BackGroundColor_; }  // clGray
  void SetBackGroundColor(TColor v) { SetProperty(BackGroundColor_, v); }
  bool BackGroundTransparent() const { return BackGroundTransparent_; }  // true
  void SetBackGroundTransparent(bool v) { SetProperty(BackGroundTransparent_, v); }
  TColor SelectedItemBackGroundColor() const { return SelectedItemBackGroundColor_; }  // clYellow
  void SetSelectedItemBackGroundColor(TColor v) { SetProperty(SelectedItemBackGroundColor_, v); }
  const TFont& SelectedItemFont() const { return SelectedItemFont_; }  // black
  void SetSelectedItemFont(const TFont& v) { SetProperty(SelectedItemFont_, v); }
  const TFont& Font() const { return Font_; }  // white
  void SetFont(const TFont& v) { SetProperty(Font_, v); }
  bool ColumnTitlesVisible() const { return ColumnTitlesVisible_; }  // false
  void SetColumnTitlesVisible(bool v) { SetProperty(ColumnTitlesVisible_, v); }
  const TFont& ColumnTitlesFont() const { return ColumnTitlesFont_; }  // clAqua, bold
  void SetColumnTitlesFont(const TFont& v) { SetProperty(ColumnTitlesFont_, v); }

  bool ShowColumnLine() const { return ShowColumnLine_; }  // true
  void SetShowColumnLine(bool v) { SetProperty(ShowColumnLine_, v); }
  bool ShowColumnMarker() const { return ShowColumnMarker_; }  // false, and so are the rest
  void SetShowColumnMarker(bool v) { SetProperty(ShowColumnMarker_, v); }
  bool ShowColumnXAxisTitle() const { return ShowColumnXAxisTitle_; }
  void SetShowColumnXAxisTitle(bool v) { SetProperty(ShowColumnXAxisTitle_, v); }
  bool ShowColumnYAxisTitle() const { return ShowColumnYAxisTitle_; }
  void SetShowColumnYAxisTitle(bool v) { SetProperty(ShowColumnYAxisTitle_, v); }
  bool ShowColumnXValue() const { return ShowColumnXValue_; }
  void SetShowColumnXValue(bool v) { SetProperty(ShowColumnXValue_, v); }
  bool ShowColumnYValue() const { return ShowColumnYValue_; }
  void SetShowColumnYValue(bool v) { SetProperty(ShowColumnYValue_, v); }
  bool ShowColumnYMax() const { return ShowColumnYMax_; }
  void SetShowColumnYMax(bool v) { SetProperty(ShowColumnYMax_, v); }
  bool ShowColumnYMin() const { return ShowColumnYMin_; }
  void SetShowColumnYMin(bool v) { SetProperty(ShowColumnYMin_, v); }
  bool ShowColumnYMean() const { return ShowColumnYMean_; }
  void SetShowColumnYMean(bool v) { SetProperty(ShowColumnYMean_, v); }

  const std::string& CaptionColumnTitle() const { return Captions_[2]; }  // "Title"
  void SetCaptionColumnTitle(const std::string& v) { SetProperty(Captions_[2], v); }
  const std::string& CaptionColumnXAxisTitle() const { return Captions_[3]; }  // "X-Axis"
  void SetCaptionColumnXAxisTitle(const std::string& v) { SetProperty(Captions_[3], v); }
  const std::string& CaptionColumnYAxisTitle() const { return Captions_[4]; }  // "Y-Axis"
  void SetCaptionColumnYAxisTitle(const std::string& v) { SetProperty(Captions_[4], v); }
  const std::string& CaptionColumnXValue() const { return Captions_[5]; }  // "X"
  void SetCaptionColumnXValue(const std::string& v) { SetProperty(Captions_[5], v); }
  const std::string& CaptionColumnYValue() const { return Captions_[6]; }  // "Y"
  void SetCaptionColumnYValue(const std::string& v) { SetProperty(Captions_[6], v); }
  const std::string& CaptionColumnYMax() const { return Captions_[7]; }  // "Y-Max"
  void SetCaptionColumnYMax(const std::string& v) { SetProperty(Captions_[7], v); }
  const std::string& CaptionColumnYMin() const { return Captions_[8]; }  // "Y-Min"
  void SetCaptionColumnYMin(const std::string& v) { SetProperty(Captions_[8], v); }
  const std::string& CaptionColumnYMean() const { return Captions_[9]; }  // "Y-Mean"
  void SetCaptionColumnYMean(const std::string& v) { SetProperty(Captions_[9], v); }

  double ColumnSpacing() const { return ColumnSpacing_; }  // W, 0.5
  void SetColumnSpacing(double v) { SetProperty(ColumnSpacing_, v); }
  // RowSpacing and WrapRowSpacingMin are two names of one setting (H, 0.25).
  double RowSpacing() const { return RowSpacing_; }
  void SetRowSpacing(double v) { SetProperty(RowSpacing_, v); }
  double WrapRowSpacingMin() const { return RowSpacing_; }
  void SetWrapRowSpacingMin(double v) { SetProperty(RowSpacing_, v); }
  int32_t WrapColDesiredCount() const { return Wrap_.ColDesiredCount; }  // 1; below 1 stored as 1
  void SetWrapColDesiredCount(int32_t v) { SetProperty(Wrap_.ColDesiredCount, v < 1 ? 1 : v); }
  bool WrapColAutoCountEnabled() const { return Wrap_.ColAutoCountEnabled; }  // false
  void SetWrapColAutoCountEnabled(bool v) { SetProperty(Wrap_.ColAutoCountEnabled, v); }
  int32_t WrapColAutoCountMax() const { return Wrap_.ColAutoCountMax; }  // 100
  void SetWrapColAutoCountMax(int32_t v) { SetProperty(Wrap_.ColAutoCountMax, v); }
  double WrapColSpacingMin() const { return WrapColSpacingMin_; }  // H, 2.0
  void SetWrapColSpacingMin(double v) { SetProperty(WrapColSpacingMin_, v); }
  bool WrapColSpacingAuto() const { return Wrap_.ColSpacingAuto; }  // true
  void SetWrapColSpacingAuto(bool v) { SetProperty(Wrap_.ColSpacingAuto, v); }
  int32_t WrapRowDesiredCount() const { return Wrap_.RowDesiredCount; }  // 5; below 1 stored as 1
  void SetWrapRowDesiredCount(int32_t v) { SetProperty(Wrap_.RowDesiredCount, v < 1 ? 1 : v); }
  bool WrapRowAutoCountEnabled() const { return Wrap_.RowAutoCountEnabled; }  // true
  void SetWrapRowAutoCountEnabled(bool v) { SetProperty(Wrap_.RowAutoCountEnabled, v); }
  int32_t WrapRowAutoCountMax() const { return Wrap_.RowAutoCountMax; }  // 100
  void SetWrapRowAutoCountMax(int32_t v) { SetProperty(Wrap_.RowAutoCountMax, v); }
  bool WrapRowSpacingAuto() const { return Wrap_.RowSpacingAuto; }  // false
  void SetWrapRowSpacingAuto(bool v) { SetProperty(Wrap_.RowSpacingAuto, v); }
  double ChannelNameMaxWidth() const { return ChannelNameMaxWidth_; }  // W, 0 = as wide as the titles
  void SetChannelNameMaxWidth(double v) { SetProperty(ChannelNameMaxWidth_, v); }
  TiPlotChannelNameColorStyle ChannelNameColorStyle() const { return ChannelNameColorStyle_; }
  void SetChannelNameColorStyle(TiPlotChannelNameColorStyle v) { SetProperty(ChannelNameColorStyle_, v); }

  // Run-time state.
  // Set by the plot before each layout while a visible data cursor covers
  // every channel; no notification.
  bool ShowAllCursorChannels() const { return ShowAllCursorChannels_; }
  void SetShowAllCursorChannels(bool v) { ShowAllCursorChannels_ = v; }
  int ScrollPosition() const { return ScrollPosition_; }  // first row shown, 0-based
  int LastShownIndex() const { return Placement_.LastShown; }
  const std::vector<TiPlotLegendItem>& Items() const { return Items_; }
  const TiPlotLegendTexts& ItemTexts(int index) const { return ItemTexts_.at(static_cast<size_t>(index)); }
  // Columns of the last layout, relative to a row's left edge.
  bool ColumnVisible(TiPlotLegendColumn c) const;
  int ColumnStart(TiPlotLegendColumn c) const;
  int ColumnWidth(TiPlotLegendColumn c) const;
  int RowHeight() const;  // the common row height
  int RequiredWidth() const { return Placement_.RequiredWidth; }
  int RequiredHeight() const { return Placement_.RequiredHeight; }
  const std::vector<int>& ColumnLefts() const { return Placement_.ColumnLefts; }
  TiPlotLegendButton& UpButton() { return *UpButton_; }
  TiPlotLegendButton& DownButton() { return *DownButton_; }
  // How the arrows look: the up arrow is black unless the first row is
  // shown, the down arrow unless the last one is. The buttons themselves stay
  // usable: the down button scrolls on until only the last row is left.
  bool UpEnabled() const { return Placement_.UpEnabled; }
  bool DownEnabled() const { return Placement_.DownEnabled; }
  // The rectangle the channel's title took in the last drawing; empty when
  // its row was not drawn.
  TRect ChannelTitleRect(const TiPlotChannelCustom* channel) const;
  // What the legend reads of channels and axes; a plot or a test may
  // replace a link.
  TiPlotLegendLinks Links = DefaultLegendLinks();

  // Runs the layout in the current rectangle.
  void Layout(TCanvas& canvas);
  // Rows scroll by one; each raises the change notification when it moved.
  void ScrollUp();
  void ScrollDown();

  int GetRequiredThickness(TCanvas* canvas) override;
  void Draw(TCanvas* canvas, TColor backGroundColor) override;
  TiPlotObject* GetHitObject(int x, int y) override;
  void DoMouseHover(const TiPlotMouseData& mouse, TiPlotHintData& hint) override;
  void NotifyRemove(TiPlotObject* object) override;
  void NotifyFocus(TiPlotObject* object) override;

 private:
  using Texts = TiPlotLegendTexts;
  struct Columns;
  std::vector<TiPlotChannelCustom*> ListedChannels();
  Texts RowTexts(TiPlotChannelCustom& channel);
  void MeasureColumns(TCanvas& canvas, const std::vector<Texts>& texts);
  void MeasureTitleColumn(TCanvas& canvas, const std::vector<Texts>& texts, int w0);
  void MeasureTextColumns(TCanvas& canvas, const std::vector<Texts>& texts, int w0);
  void MeasureCaptions(TCanvas& canvas);
  void PlaceColumns(int w0);
  TiLegendMeasures Measures(TCanvas& canvas) const;
  int TitleRowHeight(TCanvas& canvas, const std::string& title);
  void DrawTitleLine(TCanvas& canvas);
  void DrawItem(TCanvas& canvas, const TiPlotLegendItem& item, const Texts& texts);
  void DrawLineSample(TCanvas& canvas, TiPlotChannelCustom& channel, int x, int top);
  void DrawTitle(TCanvas& canvas, TiPlotChannelCustom& channel, const TRect& r, const std::string& title);
  void DrawButton(TCanvas& canvas, TiPlotLegendButton& button);
  void DrawFocus(TCanvas& canvas);
  void ButtonInvalidate();

  double MarginLeft_ = 1, MarginRight_ = 1, MarginTop_ = 1, MarginBottom_ = 1;
  TColor BackGroundColor_ = clGray;
  bool BackGroundTransparent_ = true;
  TColor SelectedItemBackGroundColor_ = clYellow;
  TFont SelectedItemFont_, Font_, ColumnTitlesFont_;
  bool ColumnTitlesVisible_ = false;
  bool ShowColumnLine_ = true, ShowColumnMarker_ = false;
  bool ShowColumnXAxisTitle_ = false, ShowColumnYAxisTitle_ = false;
  bool ShowColumnXValue_ = false, ShowColumnYValue_ = false;
  bool ShowColumnYMax_ = false, ShowColumnYMin_ = false, ShowColumnYMean_ = false;
  // By column: line, marker, title, x-axis, y-axis, x, y, max, min, mean.
  std::string Captions_[10] = {"", "", "Title", "X-Axis", "Y-Axis", "X", "Y", "Y-Max", "Y-Min", "Y-Mean"};
  double ColumnSpacing_ = 0.5, RowSpacing_ = 0.25, WrapColSpacingMin_ = 2.0;
  TiLegendWrapSettings Wrap_;
  double ChannelNameMaxWidth_ = 0;
  TiPlotChannelNameColorStyle ChannelNameColorStyle_ = iplcncsFont;

  bool ShowAllCursorChannels_ = false;
  int ScrollPosition_ = 0;
  std::vector<TiPlotLegendItem> Items_;
  std::vector<Texts> ItemTexts_;  // beside Items_, same order
  std::unique_ptr<Columns> Columns_;
  TiLegendPlacement Placement_;
  int H0_ = 0;  // height of "0" in Font in the last layout
  std::vector<std::pair<const TiPlotChannelCustom*, TRect>> TitleRects_;
  std::vector<std::pair<const TiPlotChannelCustom*, std::string>> ShortenedTitles_;
  std::unique_ptr<TiPlotLegendButton> UpButton_, DownButton_;
};
