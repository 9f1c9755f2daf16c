// The plot's published properties and its stored description: the
// properties (the data view's lanes "DataViewZHorz" and "DataViewZVert"
// last), then one collection per manager in a fixed order.
#include "components/iFont.h"
#include "components/iOPCBinding.h"
#include "platform/Exception.h"
#include "plot/dIredComponent.h"
#include "plot/dIredLabel.h"
#include "plot/dIredToolBar.h"
#include "plot/iPlotScaledAxis.h"
#include "plot/iPlotStream.h"

namespace {

using P = TiPlotComponent;

template <int Side>
void AddMargins(TClassBuilder<P>& b) {
  static const char* const kOuter[] = {"OuterMarginLeft", "OuterMarginTop", "OuterMarginRight", "OuterMarginBottom"};
  static const char* const kPrint[] = {"PrintMarginLeft", "PrintMarginTop", "PrintMarginRight", "PrintMarginBottom"};
  b.Integer(kOuter[Side], [](const P& p) { return p.OuterMargin(Side); },
            [](P& p, int v) { p.SetOuterMargin(Side, v); });
  b.Float(kPrint[Side], [](const P& p) { return p.PrintMargin(Side); },
          [](P& p, double v) { p.SetPrintMargin(Side, v); });
  if constexpr (Side < 3) AddMargins<Side + 1>(b);
}

TClassInfo BuildClass() {
  TClassBuilder<P> b("TiPlotComponent");
  b.Inherits<TiCustomComponent>()
      .Color("BackGroundColor", &P::BackGroundColor, &P::SetBackGroundColor)
      .Enum("BorderStyle", &P::BorderStyle, &P::SetBorderStyle)
      .Bool("XYAxesReverse", &P::XYAxesReverse, &P::SetXYAxesReverse)
      .Bool("UserCanEditObjects", &P::UserCanEditObjects, &P::SetUserCanEditObjects)
      .Bool("UserCanAddRemoveChannels", &P::UserCanAddRemoveChannels, &P::SetUserCanAddRemoveChannels);
  AddMargins<0>(b);
  b.Enum("PrintOrientation", &P::PrintOrientation, &P::SetPrintOrientation)
      .Bool("PrintShowDialog", &P::PrintShowDialog, &P::SetPrintShowDialog)
      .String("PrintDocumentName", &P::PrintDocumentName, &P::SetPrintDocumentName)
      .String("PrinterName", &P::PrinterName, &P::SetPrinterName)
      .Integer("HintsPause", &P::HintsPause, &P::SetHintsPause)
      .Integer("HintsHidePause", &P::HintsHidePause, &P::SetHintsHidePause)
      .Bool("HintsShow", &P::HintsShow, &P::SetHintsShow)
      .Value("HintsFont", &P::HintsFont, &P::SetHintsFont, FontClassInfo())
      .Enum("EditorFormStyle", &P::EditorFormStyle, &P::SetEditorFormStyle)
      .Enum("CopyToClipBoardFormat", &P::CopyToClipBoardFormat, &P::SetCopyToClipBoardFormat)
      .Bool("TitleVisible", &P::TitleVisible, &P::SetTitleVisible)
      .String("TitleText", &P::TitleText, &P::SetTitleText)
      .Value("TitleFont", &P::TitleFont, &P::SetTitleFont, FontClassInfo())
      .Float("TitleMargin", &P::TitleMargin, &P::SetTitleMargin)
      .Value("AnnotationDefaultFont", &P::AnnotationDefaultFont, &P::SetAnnotationDefaultFont, FontClassInfo())
      .Enum("AnnotationDefaultBrushStlye", &P::AnnotationDefaultBrushStlye, &P::SetAnnotationDefaultBrushStlye)
      .Color("AnnotationDefaultBrushColor", &P::AnnotationDefaultBrushColor, &P::SetAnnotationDefaultBrushColor)
      .Enum("AnnotationDefaultPenStlye", &P::AnnotationDefaultPenStlye, &P::SetAnnotationDefaultPenStlye)
      .Color("AnnotationDefaultPenColor", &P::AnnotationDefaultPenColor, &P::SetAnnotationDefaultPenColor)
      .Integer("AnnotationDefaultPenWidth", &P::AnnotationDefaultPenWidth, &P::SetAnnotationDefaultPenWidth)
      .Bool("ClipAnnotationsToAxes", &P::ClipAnnotationsToAxes, &P::SetClipAnnotationsToAxes)
      .Bool("BackGroundGradientEnabled", &P::BackGroundGradientEnabled, &P::SetBackGroundGradientEnabled)
      .Enum("BackGroundGradientDirection", &P::BackGroundGradientDirection, &P::SetBackGroundGradientDirection)
      .Color("BackGroundGradientStartColor", &P::BackGroundGradientStartColor,
             &P::SetBackGroundGradientStartColor)
      .Color("BackGroundGradientStopColor", &P::BackGroundGradientStopColor, &P::SetBackGroundGradientStopColor)
      .Enum("DataFileColumnSeparator", &P::DataFileColumnSeparator, &P::SetDataFileColumnSeparator)
      .Enum("DataFileFormat", &P::DataFileFormat, &P::SetDataFileFormat)
      .String("LogFileName", &P::LogFileName, &P::SetLogFileName)
      .Integer("LogBufferSize", &P::LogBufferSize, &P::SetLogBufferSize)
      .Bool("LoggingActive", &P::LoggingActive)
      // The data view's lanes, last: they are set on the layout entries.
      .Integer("DataViewZHorz", &P::DataViewZHorz, &P::SetDataViewZHorz)
      .Integer("DataViewZVert", &P::DataViewZVert, &P::SetDataViewZVert);
  return b.Build();
}

// The managers in the order the description holds them.
std::vector<std::pair<const char*, TiPlotObjectManagerCustom*>> Managers(TiPlotMasterManager& m) {
  return {{"ToolBarManager", m.ToolBarManager()},     {"LegendManager", m.LegendManager()},
          {"TableManager", m.TableManager()},         {"XAxisManager", m.XAxisManager()},
          {"YAxisManager", m.YAxisManager()},         {"ChannelManager", m.ChannelManager()},
          {"DataViewManager", m.DataViewManager()},   {"DataCursorManager", m.DataCursorManager()},
          {"LimitManager", m.LimitManager()},         {"LabelManager", m.LabelManager()}};
}

// As the manager reads its collection, but into axes the channels can scale
// by (the manager alone would make plain ones).
template <class Axis>
void ReadAxes(TiPlotStreamReader& reader, TiPlotObjectManagerCustom& manager) {
  reader.CheckCollection();
  manager.Clear();
  reader.ReadCollectionBegin();
  while (reader.ReadItemBegin()) {
    auto axis = std::make_unique<TiPlotChartAxis<Axis>>(manager.Hooks());
    reader.ReadProperties(Reflect(*axis));
    axis.release()->Inserted();  // from here the managers own it
  }
  reader.ReadCollectionEnd();
}

void WriteOPCItems(TiPlotStreamWriter& writer, const TiOPCItemManager& items) {
  if (items.Count() == 0) return;
  writer.WriteName("OPCItems");
  writer.BeginCollection();
  for (int i = 0; i < items.Count(); ++i) {
    writer.BeginItem();
    writer.WriteProperties(ReflectOPCItem(*items.Item(i)));
    writer.EndItem();
  }
  writer.EndCollection();
}

// The stored list replaces the items; each connects once its properties are
// all read.
void ReadOPCItems(TiPlotStreamReader& reader, TiOPCItemManager& items) {
  reader.CheckCollection();
  items.Clear();
  reader.ReadCollectionBegin();
  while (reader.ReadItemBegin()) {
    TiOPCItem* item = items.Add();
    item->BeginRead();
    try {
      reader.ReadProperties(ReflectOPCItem(*item));
    } catch (...) {
      items.Delete(items.Count() - 1);  // half read: it must not connect
      throw;
    }
    item->EndRead();
  }
  reader.ReadCollectionEnd();
}

}  // namespace

const TClassInfo& TiPlotComponent::StaticClass() {
  static const TClassInfo info = BuildClass();
  return info;
}

std::string TiPlotComponent::WriteDescription() const {
  TiPlotStreamWriter writer;
  writer.WriteProperties(Reflect(*this));
  for (auto [name, manager] : Managers(*Master_)) {
    writer.WriteName(name);
    manager->WriteToStream(writer);
  }
  if (TiPlotTranslationManager* table = Master_->TranslationManager(); table && table->Count() > 0) {
    writer.WriteName("TranslationManager");
    table->WriteToStream(writer);
  }
  WriteOPCItems(writer, OPCItems());
  return writer.Text();
}

void TiPlotComponent::ReadDescription(const std::string& text) {
  TiPlotStreamReader reader(text);
  Loading_ = true;
  LayoutManager()->SetEnabled(false);
  BeginUpdate();
  try {
    ReadExtraAndManagers(reader);
  } catch (...) {
    Loading_ = false;
    LayoutManager()->SetEnabled(true);
    EndUpdate();
    throw;
  }
  // Toolbar and title must not share a lane.
  if (ToolBarCount() > 0 && LabelCount() > 0 && ToolBar(0)->Horizontal() == Label(0)->Horizontal() &&
      ToolBar(0)->ZOrder() == Label(0)->ZOrder())
    ToolBar(0)->SetZOrder(ToolBar(0)->ZOrder() + 1);
  Loading_ = false;
  LayoutManager()->SetEnabled(true);
  EndUpdate();
}

// Plain property lines go to the plot; collections to the manager of that name; unknown ones are
// skipped.
void TiPlotComponent::ReadExtraAndManagers(TiPlotStreamReader& reader) {
  std::vector<std::pair<std::string, std::string>> properties;
  while (!reader.AtEnd()) {
    if (reader.NextIsCollection()) {
      const std::string name = reader.NextName();
      TiPlotObjectManagerCustom* target = nullptr;
      for (auto [managerName, manager] : Managers(*Master_))
        if (SameText(name, managerName)) target = manager;
      if (target == Master_->XAxisManager())
        ReadAxes<TiPlotXAxis>(reader, *target);
      else if (target == Master_->YAxisManager())
        ReadAxes<TiPlotYAxis>(reader, *target);
      else if (target)
        target->ReadFromStream(reader);
      else if (SameText(name, "TranslationManager") && Master_->TranslationManager())
        Master_->TranslationManager()->ReadFromStream(reader);
      else if (SameText(name, "OPCItems"))
        ReadOPCItems(reader, OPCItems());
      else
        reader.SkipValue();
      continue;
    }
    std::string name, value;
    reader.ReadProperty(name, value);
    properties.emplace_back(name, value);
  }
  // Title views and the like need the objects, so plain properties go last.
  for (const auto& property : properties) {
    const std::string& text = property.second;
    WithProperty(Reflect(*this), property.first, true, [&](TObjectRef holder, const TPropInfo& info) {
      if (info.Kind != pkObject && info.Writable()) SetStreamValueText(holder, info, text);
    });
  }
}
