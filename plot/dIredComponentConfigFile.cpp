// The plot's configuration file (its own properties, the object counts, then
// every object's properties under its kind's prefix) and its annotation file.
#include <array>

#include "components/iPropertyLines.h"
#include "components/iValueText.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "plot/dIredAnnotation.h"
#include "plot/dIredChannelCustom.h"
#include "plot/dIredComponent.h"
#include "plot/dIredDataCursor.h"
#include "plot/dIredLabel.h"
#include "plot/dIredLayoutManager.h"
#include "plot/dIredLegend.h"
#include "plot/dIredLimit.h"
#include "plot/dIredTable.h"
#include "plot/dIredToolBar.h"
#include "plot/iUpdateLock.h"

namespace {
using P = TiPlotComponent;

// One kind of plot object as the file knows it.
struct TKind {
  const char* Prefix;
  int (P::*Count)() const;
  TPersistent* (*Item)(const P&, int);
  int (P::*Add)();
};

template <class T, T* (P::*Get)(int) const>
TPersistent* ItemOf(const P& plot, int index) {
  return (plot.*Get)(index);
}

// In the order the file writes them.
const std::array<TKind, 10>& Kinds() {
  static const std::array<TKind, 10> kinds = {{
      {"Channel", &P::ChannelCount, ItemOf<TiPlotChannelCustom, &P::ChannelCustom>, &P::AddChannel},
      {"XAxis", &P::XAxisCount, ItemOf<TiPlotXAxis, &P::XAxis>, &P::AddXAxis},
      {"YAxis", &P::YAxisCount, ItemOf<TiPlotYAxis, &P::YAxis>, &P::AddYAxis},
      {"ToolBar", &P::ToolBarCount, ItemOf<TiPlotToolBar, &P::ToolBar>, &P::AddToolBar},
      {"Legend", &P::LegendCount, ItemOf<TiPlotLegend, &P::Legend>, &P::AddLegend},
      {"Table", &P::TableCount, ItemOf<TiPlotTable, &P::Table>, &P::AddTable},
      {"Label", &P::LabelCount, ItemOf<TiPlotLabel, &P::Label>, &P::AddLabel},
      {"DataView", &P::DataViewCount, ItemOf<TiPlotDataView, &P::DataView>, &P::AddDataView},
      {"DataCursor", &P::DataCursorCount, ItemOf<TiPlotDataCursor, &P::DataCursor>, &P::AddDataCursor},
      {"Limit", &P::LimitCount, ItemOf<TiPlotLimit, &P::Limit>, &P::AddLimit},
  }};
  return kinds;
}
const TKind& KindNamed(std::string_view prefix) {
  for (const TKind& kind : Kinds())
    if (prefix == kind.Prefix) return kind;
  throw Exception("no plot object kind " + std::string(prefix));
}

// An integer line looked up and consumed; false when the file has none.
bool ExtractInteger(const std::string& key, TStringList& lines, int& value) {
  std::string text;
  if (!ExtractPropertyValue(key, lines, text)) return false;
  const int64_t number = TextToInteger(text);
  if (number < 0 || number > 1'000'000) throw EConvertError("'" + text + "' is not a valid count of " + key);
  value = static_cast<int>(number);
  return true;
}

void ReadKind(P& plot, const TKind& kind, TStringList& lines) {
  int count = 0;
  if (!ExtractInteger(std::string(kind.Prefix) + "Count", lines, count)) return;
  const bool titleKept = std::string_view(kind.Prefix) == "Label";
  for (int i = 0; i < count; ++i) {
    const int index = titleKept && i == 0 && plot.LabelCount() > 0 ? 0 : (plot.*kind.Add)();
    LoadObjectProperties(Reflect(*kind.Item(plot, index)), kind.Prefix + std::to_string(i), lines);
  }
}

void RemoveReplacedObjects(P& plot) {
  plot.RemoveAllToolBars();
  plot.RemoveAllLegends();
  plot.RemoveAllTables();
  plot.RemoveAllLabels();
  plot.RemoveAllXAxes();
  plot.RemoveAllYAxes();
  plot.RemoveAllDataViews();
  plot.RemoveAllChannels();
  plot.RemoveAllAnnotations();
  plot.RemoveAllDataCursors();
}
}  // namespace

void TiPlotComponent::SavePropertiesToFile(const std::string& fileName) {
  try {
    TStringList lines = {"File Type = Plot Config"};
    TStringList exclusions = PropertyFileExclusions();
    exclusions.insert(exclusions.end(), {"DataViewZHorz", "DataViewZVert"});  // written as count lines
    SaveObjectProperties(Reflect(*this), "", lines, exclusions);
    for (const TKind& kind : Kinds())
      lines.push_back(std::string(kind.Prefix) + "Count = " + std::to_string((this->*kind.Count)()));
    lines.push_back("DataViewZHorz = " + std::to_string(DataViewZHorz()));
    lines.push_back("DataViewZVert = " + std::to_string(DataViewZVert()));
    for (const TKind& kind : Kinds())
      for (int i = 0; i < (this->*kind.Count)(); ++i)
        SaveObjectProperties(Reflect(*kind.Item(*this, i)), kind.Prefix + std::to_string(i), lines, {});
    platform::WriteFileAtomically(fileName, JoinPropertyLines(lines));
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Saving Properties - ") + error.what());
  }
  ConfigFileName_ = fileName;
  if (OnAfterSaveProperties) OnAfterSaveProperties(this);
}

void TiPlotComponent::LoadPropertiesFromFile(const std::string& fileName) {
  if (OnBeforeLoadProperties) OnBeforeLoadProperties(this);
  try {
    // A cut file is refused before anything changes: loading part of it would
    // remove objects the file no longer describes.
    TStringList lines = ReadPropertyFile(fileName);
    if (!TakeFileType(lines, "Plot Config")) throw Exception("Incompatible Plot Configuration File Type");
    BuildWithLayoutDisabled([&] {
      TUpdateLock lock(*this);
      int lane = 0;
      if (ExtractInteger("DataViewZHorz", lines, lane)) SetDataViewZHorz(lane);
      if (ExtractInteger("DataViewZVert", lines, lane)) SetDataViewZVert(lane);
      RemoveReplacedObjects(*this);
      LoadObjectProperties(Reflect(*this), "", lines);
      for (const char* prefix : {"ToolBar", "Legend", "Table", "Label", "XAxis", "YAxis", "DataView", "Channel",
                                 "DataCursor", "Limit"})
        ReadKind(*this, KindNamed(prefix), lines);
    });
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Loading Properties - ") + error.what());
  }
  ConfigFileName_ = fileName;
  if (OnAfterLoadProperties) OnAfterLoadProperties(this);
}

void TiPlotComponent::SaveAnnotationsToFile(const std::string& fileName) {
  try {
    TStringList lines = {"AnnotationCount = " + std::to_string(AnnotationCount())};
    for (int i = 0; i < AnnotationCount(); ++i)
      SaveObjectProperties(Reflect(*Annotation(i)), "Annotation" + std::to_string(i), lines, {});
    platform::WriteFileAtomically(fileName, JoinPropertyLines(lines));
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Saving Annotations - ") + error.what());
  }
}

void TiPlotComponent::LoadAnnotationsFromFile(const std::string& fileName) {
  try {
    TStringList lines = ReadPropertyFile(fileName);
    TUpdateLock lock(*this);
    RemoveAllAnnotations();
    int count = 0;
    if (!ExtractInteger("AnnotationCount", lines, count)) return;
    for (int i = 0; i < count; ++i)
      LoadObjectProperties(Reflect(*Annotation(AddAnnotation())), "Annotation" + std::to_string(i), lines);
  } catch (const std::exception& error) {
    throw Exception(std::string("Error Loading Annotations - ") + error.what());
  }
}
