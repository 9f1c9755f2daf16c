// TiPlotComponent: the control that hosts a whole chart. It owns the master
// manager and through it every plot object, gives indexed access to them,
// paints them in a fixed order each time the base asks, routes the mouse,
// the keyboard and hints to the object under the pointer, and offers the
// chart-wide operations. TiPlot (dIred) and TiXYPlot (iXYPlot) add only
// their construction.
//
// Paint order: background, data view 0's background, the draw list inside
// data view 0 (filled limit bands, grid, other limits, cartesian axes,
// channels, annotations; sorted by Layer, later objects of one key first),
// then border, axes, labels, toolbars, data cursors, legends, tables, hint.
// Nothing is drawn without a toolbar, a legend and a data view.
//
// GUI thread only.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "components/iCustomComponent.h"
#include "platform/Printer.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredAxis.h"
#include "plot/dIredDataView.h"
#include "plot/dIredLimit.h"
#include "plot/dIredMasterManager.h"

class TiPlotToolBar;
class TiPlotLegend;
class TiPlotTable;
class TiPlotChannelCustom;
class TiPlotDataCursor;
class TiPlotLabel;
class TiPlotComponent;
class TiPlotPreviewForm;
class TMetafile;
namespace platform {
class TSaveDialog;
}

enum TiFillDirection : uint8_t {
  ifdTopBottom, ifdBottomTop, ifdLeftRight, ifdRightLeft, ifdTopLeftBottomRight, ifdBottomRightTopLeft,
  ifdBottomLeftTopRight, ifdTopRightBottomLeft, ifdRectangleOut, ifdRectangleIn, ifdCircleOut, ifdCircleIn
};
inline const std::vector<std::string>& EnumValueNames(TiFillDirection) {
  static const std::vector<std::string> names{"ifdTopBottom", "ifdBottomTop", "ifdLeftRight",
      "ifdRightLeft", "ifdTopLeftBottomRight", "ifdBottomRightTopLeft", "ifdBottomLeftTopRight",
      "ifdTopRightBottomLeft", "ifdRectangleOut", "ifdRectangleIn", "ifdCircleOut", "ifdCircleIn"};
  return names;
}
enum TiPlotEditorFormStyle : uint8_t { ipfsModal, ipfsStayOnTop };
inline const std::vector<std::string>& EnumValueNames(TiPlotEditorFormStyle) {
  static const std::vector<std::string> names{"ipfsModal", "ipfsStayOnTop"};
  return names;
}
enum TiPlotExportFormat : uint8_t { ipefMetaFile, ipefBitmap, ipefJPEG };
inline const std::vector<std::string>& EnumValueNames(TiPlotExportFormat) {
  static const std::vector<std::string> names{"ipefMetaFile", "ipefBitmap", "ipefJPEG"};
  return names;
}
enum TiPlotDataFileColumnSeparator : uint8_t { ipdfcsTab, ipdfcsComma };
inline const std::vector<std::string>& EnumValueNames(TiPlotDataFileColumnSeparator) {
  static const std::vector<std::string> names{"ipdfcsTab", "ipdfcsComma"};
  return names;
}
enum TiPlotDataFileFormat : uint8_t { ipdffText, ipdffCompactInterval };
inline const std::vector<std::string>& EnumValueNames(TiPlotDataFileFormat) {
  static const std::vector<std::string> names{"ipdffText", "ipdffCompactInterval"};
  return names;
}

// Chart events name the object by its index in its own manager.
using TiPlotIndexEvent = std::function<void(TiPlotComponent* sender, int index)>;
using TiPlotPopupEvent = std::function<void(TiPlotComponent* sender, int index, bool& cancel)>;
using TiPlotDataPointEvent = std::function<void(TiPlotComponent* sender, int channel, int point)>;
using TiPlotValueChangeEvent =
    std::function<void(TiPlotComponent* sender, int index, double oldValue, double newValue)>;
// Printing and each paint of the print preview are framed by these; preview
// is the preview window while it paints, null when printing.
using TiPlotPrintEvent = std::function<void(TiPlotComponent* plot, TiPlotPreviewForm* preview)>;
using TiPlotZoomBoxEvent = std::function<void(TiPlotComponent* sender, const TRect& rect, bool& cancel)>;
using TiPlotLimitPositionEvent =
    std::function<void(TiPlotComponent* sender, int index, double newValue, double oldValue)>;

// The kinds chart events are raised for.
enum TiPlotEventKind : uint8_t {
  ipekXAxis, ipekYAxis, ipekDataView, ipekLegend, ipekChannel, ipekLimit, ipekDataCursor, ipekAnnotation,
  ipekCount, ipekNone = ipekCount
};

class TiPlotComponent : public TiCustomComponent,
                        public TiPlotOwner,
                        public TiPlotDataViewHost,
                        public TiPlotAxisOwner,
                        public TiPlotLimitHost,
                        public TiPlotAnnotationHost {
 public:
  TiPlotComponent();
  ~TiPlotComponent() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  TiPlotMasterManager* MasterManager() override { return Master_.get(); }
  TiPlotLayoutManager* LayoutManager() const { return Master_->LayoutManager(); }

  // ---- object access (indexes 0-based; out of range: the list's error) ----
  int ToolBarCount() const;
  TiPlotToolBar* ToolBar(int index) const;
  int AddToolBar() { return Added(Master_->AddToolBar()); }
  void DeleteToolBar(int index);
  void RemoveAllToolBars();
  int LegendCount() const;
  TiPlotLegend* Legend(int index) const;
  int AddLegend() { return Added(Master_->AddLegend()); }
  void DeleteLegend(int index);
  void RemoveAllLegends();
  int TableCount() const;
  TiPlotTable* Table(int index) const;
  int AddTable() { return Added(Master_->AddTable()); }
  void DeleteTable(int index);
  void RemoveAllTables();
  int XAxisCount() const;
  TiPlotXAxis* XAxis(int index) const;
  int AddXAxis();  // an axis its channels can scale by
  void DeleteXAxis(int index);
  void RemoveAllXAxes();
  int YAxisCount() const;
  TiPlotYAxis* YAxis(int index) const;
  int AddYAxis();
  void DeleteYAxis(int index);
  void RemoveAllYAxes();
  int ChannelCount() const;
  TiPlotChannelCustom* ChannelCustom(int index) const;
  int AddChannel() { return Added(Master_->AddChannel()); }
  void DeleteChannel(int index);
  void RemoveAllChannels();
  int DataViewCount() const;
  TiPlotDataView* DataView(int index) const;
  int AddDataView() { return Added(Master_->AddDataView()); }
  void DeleteDataView(int index);
  void RemoveAllDataViews();
  int DataCursorCount() const;
  TiPlotDataCursor* DataCursor(int index) const;
  int AddDataCursor() { return Added(Master_->AddDataCursor()); }
  void DeleteDataCursor(int index);
  void RemoveAllDataCursors();
  int LimitCount() const;
  TiPlotLimit* Limit(int index) const;
  int AddLimit() { return Added(Master_->AddLimit()); }
  void DeleteLimit(int index);
  void RemoveAllLimits();
  int LabelCount() const;
  TiPlotLabel* Label(int index) const;
  int AddLabel() { return Added(Master_->AddLabel()); }
  // Label 0 is the title: "Label Index 0 can not be Deleted (Resevered for Title)".
  void DeleteLabel(int index);
  void RemoveAllLabels();  // leaves label 0
  int AnnotationCount() const;
  TiPlotAnnotation* Annotation(int index) const;
  int AddAnnotation();  // with the annotation defaults
  void DeleteAnnotation(int index);
  void RemoveAllAnnotations();

  int TranslationCount() const;
  int AddTranslation(const std::string& original, const std::string& replacement);  // index 0: newest first
  void DeleteTranslation(int index);
  void RemoveAllTranslations();

  TiPlotChannelCustom* FindChannel(const std::string& name) const;
  TiPlotXAxis* FindXAxis(const std::string& name) const;
  TiPlotYAxis* FindYAxis(const std::string& name) const;

  // ---- chart-wide operations ----
  void PauseAll() override;  // TrackingEnabled false on every x, then every y axis
  void ResumeAll();
  void ClearAllData();
  bool SelectModeActive() override;
  void SetSelectMode(bool on);
  bool ZoomBoxModeActive() override;
  bool AxisMultiSelect() override { return AxisMultiSelect_; }
  void AddOccupiedRect(const TRect& rect) { Occupied_.push_back(rect); }
  // False when `rect` meets a recorded rectangle or, once one is recorded,
  // leaves data view 0; otherwise records it.
  bool TryOccupyRect(const TRect& rect);
  char DataFileColumnSeparatorChar() const override { return DataFileColumnSeparator_ == ipdfcsTab ? '\t' : ','; }

  // ---- published properties ----
  int DataViewZHorz() const;
  void SetDataViewZHorz(int value);
  int DataViewZVert() const;
  void SetDataViewZVert(int value);
  bool XYAxesReverse() const { return Master_->XYAxesReverse(); }
  void SetXYAxesReverse(bool value);
  bool UserCanEditObjects() const { return Master_->EditAllowed(); }
  void SetUserCanEditObjects(bool value);
  bool UserCanAddRemoveChannels() const { return UserCanAddRemoveChannels_; }
  void SetUserCanAddRemoveChannels(bool value) { UserCanAddRemoveChannels_ = value; }
  int OuterMargin(int side) const { return OuterMargins_[side]; }  // left, top, right, bottom
  void SetOuterMargin(int side, int value) { SetAndInvalidate(OuterMargins_[side], value); }
  int HintsPause() const { return HintsPause_; }
  void SetHintsPause(int value) { HintsPause_ = value; }
  int HintsHidePause() const { return HintsHidePause_; }
  void SetHintsHidePause(int value) { HintsHidePause_ = value; }
  bool HintsShow() const { return HintsShow_; }
  void SetHintsShow(bool value) { HintsShow_ = value; }
  const TFont& HintsFont() const { return HintsFont_; }
  void SetHintsFont(const TFont& value) { HintsFont_ = value; }
  TiPlotEditorFormStyle EditorFormStyle() const { return EditorFormStyle_; }
  void SetEditorFormStyle(TiPlotEditorFormStyle value) { EditorFormStyle_ = value; }
  TiPlotExportFormat CopyToClipBoardFormat() const { return CopyFormat_; }
  void SetCopyToClipBoardFormat(TiPlotExportFormat value) { CopyFormat_ = value; }
  TPrinterOrientation PrintOrientation() const { return PrintOrientation_; }
  void SetPrintOrientation(TPrinterOrientation value) { PrintOrientation_ = value; }
  double PrintMargin(int side) const { return PrintMargins_[side]; }
  void SetPrintMargin(int side, double value) { PrintMargins_[side] = value; }
  bool PrintShowDialog() const { return PrintShowDialog_; }
  void SetPrintShowDialog(bool value) { PrintShowDialog_ = value; }
  const std::string& PrintDocumentName() const { return PrintDocumentName_; }
  void SetPrintDocumentName(const std::string& value) { PrintDocumentName_ = value; }
  const std::string& PrinterName() const { return PrinterName_; }
  void SetPrinterName(const std::string& value) { PrinterName_ = value; }
  // Views of label 0; without a label the getters give false, empty, the
  // control's font and 0, and the setters do nothing.
  bool TitleVisible() const;
  void SetTitleVisible(bool value);
  std::string TitleText() const;
  void SetTitleText(const std::string& value);
  TFont TitleFont() const;
  void SetTitleFont(const TFont& value);
  double TitleMargin() const;
  void SetTitleMargin(double value);
  const TFont& AnnotationDefaultFont() const { return AnnotationFont_; }
  void SetAnnotationDefaultFont(const TFont& value) { AnnotationFont_ = value; }
  TBrushStyle AnnotationDefaultBrushStlye() const { return AnnotationBrushStyle_; }
  void SetAnnotationDefaultBrushStlye(TBrushStyle value) { AnnotationBrushStyle_ = value; }
  TColor AnnotationDefaultBrushColor() const { return AnnotationBrushColor_; }
  void SetAnnotationDefaultBrushColor(TColor value) { AnnotationBrushColor_ = value; }
  TPenStyle AnnotationDefaultPenStlye() const { return AnnotationPenStyle_; }
  void SetAnnotationDefaultPenStlye(TPenStyle value) { AnnotationPenStyle_ = value; }
  TColor AnnotationDefaultPenColor() const { return AnnotationPenColor_; }
  void SetAnnotationDefaultPenColor(TColor value) { AnnotationPenColor_ = value; }
  int AnnotationDefaultPenWidth() const { return AnnotationPenWidth_; }
  void SetAnnotationDefaultPenWidth(int value) { AnnotationPenWidth_ = value; }
  bool ClipAnnotationsToAxes() const override { return ClipAnnotationsToAxes_; }
  void SetClipAnnotationsToAxes(bool value) { SetAndInvalidate(ClipAnnotationsToAxes_, value); }
  bool BackGroundGradientEnabled() const { return GradientEnabled_; }
  void SetBackGroundGradientEnabled(bool value) { SetAndInvalidate(GradientEnabled_, value); }
  TiFillDirection BackGroundGradientDirection() const { return GradientDirection_; }
  void SetBackGroundGradientDirection(TiFillDirection value) { SetAndInvalidate(GradientDirection_, value); }
  TColor BackGroundGradientStartColor() const { return GradientStart_; }
  void SetBackGroundGradientStartColor(TColor value) { SetAndInvalidate(GradientStart_, value); }
  TColor BackGroundGradientStopColor() const { return GradientStop_; }
  void SetBackGroundGradientStopColor(TColor value) { SetAndInvalidate(GradientStop_, value); }
  TiPlotDataFileColumnSeparator DataFileColumnSeparator() const { return DataFileColumnSeparator_; }
  // Both refused while logging, even with the value they hold.
  void SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator value);
  TiPlotDataFileFormat DataFileFormat() const { return DataFileFormat_; }
  void SetDataFileFormat(TiPlotDataFileFormat value);
  bool Loading() const { return Loading_; }
  // Pictures for annotations, 24 x 24 pixels, filled by the application.
  TiPlotImageList& ImageList0() { return ImageLists_[0]; }
  TiPlotImageList& ImageList1() { return ImageLists_[1]; }
  TiPlotImageList& ImageList2() { return ImageLists_[2]; }
  // 0: ImageList0, 1: ImageList1, any other index: ImageList2.
  const TiPlotImageList& ImageList(int index) const override {
    return ImageLists_[index == 0 || index == 1 ? index : 2];
  }

  // ---- the chart leaving the screen (dIredComponentOutput.cpp) ----
  // Each clears the focus first, so that no selection marks are drawn; the
  // clipboard and the printer also leave the toolbars out.
  void CopyToClipboard();  // in CopyToClipBoardFormat
  // The chart as a metafile of the control's size; the plot keeps it.
  const TMetafile& GetMetafilePicture();
  void SaveImageDialog();
  // Writes the chart by the file name's ending: "bmp", "emf", "jpg" or "png"
  // (letter case counts); false, writing nothing, for any other ending.
  bool SaveImageByEnding(const std::string& fileName);
  static bool KnownImageEnding(const std::string& fileName);
  // Failures raise "Error Printing : " and the reason; a cancelled print
  // dialog is no failure.
  void PrintChart();
  void ShowPreview();
  TiPlotPrintEvent OnBeforePrint, OnAfterPrint;

  // ---- configuration and annotation files (dIredComponentConfigFile.cpp) ----
  // The plot's own properties, the object counts and every object's
  // properties, written to a temporary file and renamed over the old one.
  // "Error Saving Properties - " and the reason.
  void SavePropertiesToFile(const std::string& fileName) override;
  // Replaces the objects by the file's (limits are added to those present;
  // label 0 is read, not replaced). "Error Loading Properties - " and the
  // reason; a file that is cut or of another type changes nothing.
  void LoadPropertiesFromFile(const std::string& fileName) override;
  const std::string& ConfigFileName() const { return ConfigFileName_; }  // of the last success
  std::function<void(TiPlotComponent* sender)> OnBeforeLoadProperties, OnAfterLoadProperties,
      OnAfterSaveProperties;
  // "Error Saving Annotations - " / "Error Loading Annotations - ".
  void SaveAnnotationsToFile(const std::string& fileName);
  void LoadAnnotationsFromFile(const std::string& fileName);

  // ---- data files (dIredComponentDataFile.cpp) ----
  // The text or compact layout by DataFileFormat, written to a temporary file
  // and renamed over the old one. "Error Saving Data - " and the reason.
  void SaveDataToFile(const std::string& fileName);
  // Adds the file's points to the channels (any layout the plot writes).
  // "Error Loading Data - " and the reason; points read before a fault stay.
  void LoadDataFromFile(const std::string& fileName);
  const std::string& DataFileName() const { return DataFileName_; }  // of the last success
  std::function<void(TiPlotComponent* sender)> OnAfterSaveData, OnAfterLoadData;

  // ---- the plot log (dIredComponentLog.cpp) ----
  // While active, each completed sample (a point added to every channel) waits
  // to be written; LogBufferSize waiting samples (any, below 2) are flushed.
  // A failed flush raises its error and keeps the samples waiting.
  void LogActivate(bool append);  // "Log File Name not Defined", "Logging Already Active"
  void LogDeactivate();           // "Logging not Active"; flushes what waits
  void LogFlush();
  bool LoggingActive() const { return LoggingActive_; }
  int LogSamplesWaiting() const;
  const std::string& LogFileName() const { return LogFileName_; }
  void SetLogFileName(const std::string& value);  // a new name is refused while logging
  int LogBufferSize() const { return LogBufferSize_; }
  void SetLogBufferSize(int value) { LogBufferSize_ = value; }

  // ---- painting ----
  void PaintTo(TCanvas& canvas) override;
  // The draw list of the last paint: key and object, in drawing order.
  const std::vector<std::pair<std::string, TiPlotObject*>>& DrawList() const { return DrawList_; }
  bool HintShowing() const { return HintShowing_; }
  const TiPlotHintData& Hint() const { return Hint_; }

  // ---- stored description ----
  // The plot's published properties, "DataViewZHorz", "DataViewZVert" and
  // the managers' collections in their fixed order.
  std::string WriteDescription() const;
  // Reads a description written by WriteDescription; the objects it holds
  // replace the plot's. Events are dropped while it runs.
  void ReadDescription(const std::string& text);

  // ---- events ----
  TiPlotIndexEvent OnMouseDown[ipekCount], OnMouseMove[ipekCount], OnMouseUp[ipekCount];
  TiPlotIndexEvent OnClick[ipekCount], OnDblClick[ipekCount];
  TiPlotIndexEvent OnGotFocus[ipekCount], OnLostFocus[ipekCount];
  TiPlotPopupEvent OnPopupMenu[ipekCount];
  TiPlotDataPointEvent OnClickDataPoint, OnDblClickDataPoint;
  TiPlotValueChangeEvent OnXAxisMinChange, OnXAxisSpanChange, OnYAxisMinChange, OnYAxisSpanChange;
  std::function<void(TiPlotComponent* sender, int index, double oldMin, double oldSpan, double newMin,
                     double newSpan)>
      OnXAxisMinSpanChange, OnYAxisMinSpanChange;
  std::function<void(TiPlotComponent* sender, int index, double value, std::string& text)> OnXAxisCustomizeLabel,
      OnYAxisCustomizeLabel;
  std::function<void(TiPlotComponent* sender, int index, std::string& text)> OnXAxisCustomizeHint,
      OnYAxisCustomizeHint, OnToolBarCustomizeHint;
  std::function<void(TiPlotComponent* sender, int index, int buttonType)> OnToolBarButtonClick;
  TiPlotZoomBoxEvent OnBeforeZoomBox;
  std::function<void(TiPlotComponent* sender, int index)> OnDataCursorChange;
  std::function<void(TiPlotComponent* sender, int index)> OnBeforeDataCursorUpdate;
  std::function<void(TiPlotComponent* sender, int index, std::string& text)> OnDataCursorCustomizeHint;
  TiPlotLimitPositionEvent OnLimitLine1PositionChange, OnLimitLine2PositionChange;
  TiPlotIndexEvent OnAnnotationCoordinatesChange, OnAnnotationCoordinatesChangeFinished;
  // The property editor was shown, and its window destroyed.
  std::function<void(TiPlotComponent* sender)> OnAfterOpenEditor, OnAfterCloseEditor;

  // ---- TiPlotOwner, TiPlotDataViewHost, TiPlotAxisOwner, TiPlotLimitHost, TiPlotAnnotationHost ----
  std::string Translate(const std::string& text) override;
  bool ObjectPopupAllowed(TiPlotObject* object) override;
  void ShowPopupMenu(TiPopupMenu& menu, int screenX, int screenY) override;
  void ObjectMouseDown(TiPlotObject* object, const TiPlotMouseData& mouse) override;
  void ObjectMouseMove(TiPlotObject* object, const TiPlotMouseData& mouse) override;
  void ObjectClick(TiPlotObject* object, const TiPlotMouseData& mouse) override;
  void ObjectDataPointClick(TiPlotObject* object, int point) override;
  void ObjectGotFocus(TiPlotObject* object) override;
  void ObjectLostFocus(TiPlotObject* object) override;
  bool BeforeZoomBox(const TRect& rect) override;
  void DataViewClick(TiPlotObject* view) override;
  bool AxisReportsSuspended() const override { return Loading_; }
  bool AxisRangeHeard() const override;
  void AxisMinChange(TiPlotAxis* axis, double oldValue, double newValue) override;
  void AxisSpanChange(TiPlotAxis* axis, double oldValue, double newValue) override;
  void AxisMinSpanChange(TiPlotAxis* axis, double oldMin, double oldSpan, double newMin, double newSpan) override;
  void AxisCustomizeLabel(TiPlotAxis* axis, double value, std::string& text) override;
  void AxisCustomizeHint(TiPlotAxis* axis, std::string& text) override;
  void AxisClick(TiPlotAxis* axis) override { ObjectClick(axis, {}); }
  bool ScrollingXAxes() const override { return true; }
  std::vector<TRect>* OccupiedRects() override { return &Occupied_; }
  void LimitLinePositionChange(TiPlotLimit* limit, int line, double newValue, double oldValue) override;
  void AnnotationCoordinatesChange(TiPlotAnnotation* annotation) override;
  void AnnotationCoordinatesChangeFinished(TiPlotAnnotation* annotation) override;

  // The mouse as the control receives it (also used by tests).
  void PlotMouseDown(TiPlotMouseButton button, TiPlotShiftState shift, int x, int y);
  void PlotMouseMove(TiPlotShiftState shift, int x, int y);
  void PlotMouseUp(TiPlotMouseButton button, TiPlotShiftState shift, int x, int y);
  void PlotMouseLeave();
  void PlotDoubleClick() { DblClickPending_ = true; }
  bool PlotMouseWheel(int delta, TiPlotShiftState shift, TPoint position);
  void PlotKeyDown(int& key, TiPlotShiftState shift);
  void HintTimerExpired();
  void HideHint();
  void MouseCaptureLost();
  TiPlotObject* HitTest(int x, int y, TiPlotMouseButton button = ipmbLeft);

 protected:
  void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void iMouseMove(TShiftState shift, int x, int y) override;
  void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void iDoubleClick() override { PlotDoubleClick(); }
  bool iMouseWheel(TShiftState shift, int delta, TPoint position) override;
  void iKeyDown(uint16_t& key, TShiftState shift) override;
  void CaptureLost() override { MouseCaptureLost(); }
  void MouseLeave() override { PlotMouseLeave(); }
  // Builds a chart's default objects with the layout manager disabled.
  template <class F>
  void BuildWithLayoutDisabled(F&& build);

 private:
  int Added(int index) {
    InvalidateChange();
    return index;
  }
  void ForgetObject(TiObject* object);
  void WireObject(TiObject* object);
  TiPlotEventKind KindOf(const TiPlotObject* object) const;
  int IndexOf(const TiPlotObject* object) const;
  void Fire(const TiPlotIndexEvent* events, const TiPlotObject* object);
  // An axis report as the x or y axis event, by the axis's kind.
  template <class Event, class... Args>
  void FireAxis(TiPlotAxis* axis, const Event& onX, const Event& onY, Args&&... args);
  TiPlotMouseData MouseRecord(int x, int y, TiPlotShiftState shift) const;
  void HandShiftState(TiPlotShiftState shift);
  TiPlotObject* HitPass(int pass, const TiPlotMouseData& mouse);
  void Layout(TCanvas& canvas, TiPlotDataView* view);
  void PaintBackground(TCanvas& canvas);
  void BuildDrawList(TiPlotDataView* view);
  void DrawListEntries(TCanvas& canvas, TiPlotDataView* view);
  void DrawFrameObjects(TCanvas& canvas);
  void DrawHint(TCanvas& canvas);
  void AddToDrawList(TiPlotObject* object, char kind);
  void ReadExtraAndManagers(class TiPlotStreamReader& reader);
  void RenderMetafile(TMetafile& picture, const std::string& description);
  void PrintPage();

  std::unique_ptr<TiPlotMasterManager> Master_;
  TiPopupMenu Popup_;
  std::vector<TRect> Occupied_;
  std::vector<std::pair<std::string, TiPlotObject*>> DrawList_;

  bool UserCanAddRemoveChannels_ = false;
  int OuterMargins_[4] = {5, 5, 5, 5};
  int HintsPause_ = 500, HintsHidePause_ = 2500;
  bool HintsShow_ = true;
  TFont HintsFont_;
  TiPlotEditorFormStyle EditorFormStyle_ = ipfsModal;
  TiPlotExportFormat CopyFormat_ = ipefMetaFile;
  TPrinterOrientation PrintOrientation_ = poLandscape;
  double PrintMargins_[4] = {1, 1, 1, 1};
  bool PrintShowDialog_ = true;
  std::string PrintDocumentName_ = "Untitled";
  std::string PrinterName_;
  TFont AnnotationFont_;
  TiPlotImageList ImageLists_[3] = {TiPlotImageList(24), TiPlotImageList(24), TiPlotImageList(24)};
  TBrushStyle AnnotationBrushStyle_ = bsSolid;
  TColor AnnotationBrushColor_ = clWhite;
  TPenStyle AnnotationPenStyle_ = psSolid;
  TColor AnnotationPenColor_ = clWhite;
  int AnnotationPenWidth_ = 1;
  bool ClipAnnotationsToAxes_ = true;
  bool GradientEnabled_ = false;
  TiFillDirection GradientDirection_ = ifdTopBottom;
  TColor GradientStart_ = clBlue, GradientStop_ = clBlack;
  TiPlotDataFileColumnSeparator DataFileColumnSeparator_ = ipdfcsTab;
  TiPlotDataFileFormat DataFileFormat_ = ipdffText;
  bool Loading_ = false;
  std::string DataFileName_;
  std::string ConfigFileName_;
  std::string LogFileName_;
  int LogBufferSize_ = 0;
  bool LoggingActive_ = false;
  int LogNext_ = 0;  // the sample index the next flush starts at
  void LogSampleAdded();
  void RefuseWhileLogging(const char* message) const;

  // Pointer state.
  TiPlotObject* Pressed_ = nullptr;
  TiPlotObject* Hovered_ = nullptr;
  TiPlotObject* LastReleased_ = nullptr;
  bool ButtonDown_ = false;
  bool AxisMultiSelect_ = false;
  bool DblClickPending_ = false;
  bool SuppressNextHint_ = false;
  bool HintShowing_ = false;
  bool HintDrawn_ = false;
  bool Forwarding_ = false;
  TiPlotShiftState Shift_ = 0;
  TiPlotHintData Hint_;

  // Made on first use and kept.
  std::unique_ptr<TMetafile> Metafile_;
  std::unique_ptr<platform::TSaveDialog> SaveDialog_;
};

template <class F>
void TiPlotComponent::BuildWithLayoutDisabled(F&& build) {
  LayoutManager()->SetEnabled(false);
  try {
    build();
  } catch (...) {
    LayoutManager()->SetEnabled(true);
    throw;
  }
  LayoutManager()->SetEnabled(true);
}
