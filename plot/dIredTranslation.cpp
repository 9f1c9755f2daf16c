#include "plot/dIredTranslation.h"

#include <algorithm>
#include <memory>

#include "platform/Exception.h"
#include "plot/iClassesList.h"
#include "plot/iPlotStream.h"

TiPlotTranslationObject::TiPlotTranslationObject(TiObjectEvent OnInsert, TiObjectEvent OnRemove)
    : OnRemove_(std::move(OnRemove)) {
  if (OnInsert) OnInsert(this);
}

const TClassInfo& TiPlotTranslationObject::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiPlotTranslationObject>("TiPlotTranslationObject")
          .String("OriginalString", &TiPlotTranslationObject::OriginalString,
                  &TiPlotTranslationObject::SetOriginalString)
          .String("ReplacementString", &TiPlotTranslationObject::ReplacementString,
                  &TiPlotTranslationObject::SetReplacementString)
          .Build();
  return info;
}

TiPlotTranslationObject::~TiPlotTranslationObject() {
  if (OnRemove_) OnRemove_(this);
}

TiPlotTranslationManager::TiPlotTranslationManager(TiObjectEvent OnInsert, TiObjectEvent OnRemove)
    : OnInsert_(std::move(OnInsert)), OnRemove_(std::move(OnRemove)) {
  if (!OnInsert_) throw Exception("OnInsert event handler can not be null");
  if (!OnRemove_) throw Exception("OnRemove event handler can not be null");
  OnInsert_(this);
}

TiPlotTranslationManager::~TiPlotTranslationManager() {
  Clear();
  OnRemove_(this);
}

TiPlotTranslationObject* TiPlotTranslationManager::AddTranslation(const std::string& original,
                                                                   const std::string& replacement) {
  auto* entry = new TiPlotTranslationObject(OnInsert_, OnRemove_);
  Add(entry);  // in case the hooks do not lead back here
  entry->SetOriginalString(original);
  entry->SetReplacementString(replacement);
  return entry;
}

void TiPlotTranslationManager::Add(TiObject* object) {
  auto* entry = dynamic_cast<TiPlotTranslationObject*>(object);
  if (!entry || std::find(Items_.begin(), Items_.end(), entry) != Items_.end()) return;
  Items_.insert(Items_.begin(), entry);
}

void TiPlotTranslationManager::Remove(TiObject* object) {
  auto it = std::find(Items_.begin(), Items_.end(), object);
  if (it != Items_.end()) Items_.erase(it);
}

void TiPlotTranslationManager::Delete(int index) {
  TiPlotTranslationObject* entry = Item(index);
  Remove(entry);
  delete entry;
}

// Each entry's remove hook normally takes it out of the list; taking it out
// here first keeps the loop finite when a hook does not.
void TiPlotTranslationManager::Clear() {
  while (!Items_.empty()) Delete(0);
}

TiPlotTranslationObject* TiPlotTranslationManager::Item(int index) const {
  CheckListIndex(index, Count());
  return Items_[index];
}

std::string TiPlotTranslationManager::Translate(const std::string& text) const {
  for (const TiPlotTranslationObject* entry : Items_)
    if (entry->OriginalString() == text) return entry->ReplacementString();
  return text;
}

void TiPlotTranslationManager::WriteToStream(TiPlotStreamWriter& writer) const {
  writer.BeginCollection();
  for (auto it = Items_.rbegin(); it != Items_.rend(); ++it) {
    writer.BeginItem();
    writer.WriteProperties(Reflect(**it));
    writer.EndItem();
  }
  writer.EndCollection();
}

void TiPlotTranslationManager::ReadFromStream(TiPlotStreamReader& reader) {
  if (!reader.NextIsCollection()) {
    Clear();
    reader.SkipValue();
    return;
  }
  reader.CheckCollection();
  Clear();
  reader.ReadCollectionBegin();
  while (reader.ReadItemBegin()) {
    std::unique_ptr<TiPlotTranslationObject> entry(new TiPlotTranslationObject(OnInsert_, OnRemove_));
    Add(entry.get());
    reader.ReadProperties(Reflect(*entry));
    entry.release();
  }
  reader.ReadCollectionEnd();
}
