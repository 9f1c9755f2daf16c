// The chart's translation table: every fixed English text a plot object shows
// goes through Translate, so an application can replace those texts without
// touching the chart.
//
// Entries are inserted at the front, so the newest entry for a text wins.
// The table owns its entries. An entry announces itself through the insert
// hook it was created with and leaves through its remove hook; the master
// manager routes both to this table.
#pragma once
#include <string>
#include <vector>

#include "plot/iClasses.h"

class TiPlotStreamWriter;
class TiPlotStreamReader;

class TiPlotTranslationObject : public TiPersistent {
 public:
  TiPlotTranslationObject(TiObjectEvent OnInsert, TiObjectEvent OnRemove);
  ~TiPlotTranslationObject() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassInfo() const override { return StaticClass(); }

  const std::string& OriginalString() const { return OriginalString_; }
  void SetOriginalString(const std::string& v) { OriginalString_ = v; }
  const std::string& ReplacementString() const { return ReplacementString_; }
  void SetReplacementString(const std::string& v) { ReplacementString_ = v; }

 private:
  std::string OriginalString_ = "Unknown";
  std::string ReplacementString_ = "Unknown";
  TiObjectEvent OnRemove_;
};

class TiPlotTranslationManager : public TiObject {
 public:
  // Both hooks are required; the table announces itself through OnInsert.
  TiPlotTranslationManager(TiObjectEvent OnInsert, TiObjectEvent OnRemove);
  ~TiPlotTranslationManager() override;
  TiPlotTranslationManager(const TiPlotTranslationManager&) = delete;
  TiPlotTranslationManager& operator=(const TiPlotTranslationManager&) = delete;

  // A new entry made with the table's hooks, already in the table.
  TiPlotTranslationObject* AddTranslation(const std::string& original, const std::string& replacement);

  // Takes ownership of a translation entry (anything else is ignored) and puts
  // it at the front; an entry already held stays where it is.
  void Add(TiObject* object);
  // Forgets the first position holding the object (does not free it).
  void Remove(TiObject* object);
  void Delete(int index);  // frees the entry
  void Clear();            // frees every entry

  int Count() const { return static_cast<int>(Items_.size()); }
  TiPlotTranslationObject* Item(int index) const;  // "List index out of bounds (n)"
  bool HasItems() const { return !Items_.empty(); }

  // The replacement of the first (newest) entry whose original equals `text`
  // exactly; `text` itself when none does.
  std::string Translate(const std::string& text) const;

  // A collection of the entries' properties, oldest first: reading inserts
  // each entry at the front, so the table comes back in the order it had and
  // the same entry wins for each text.
  void WriteToStream(TiPlotStreamWriter& writer) const;
  // Clears the table; when the next value is a collection, each item becomes
  // a new entry. A value that is not a collection is skipped.
  void ReadFromStream(TiPlotStreamReader& reader);

  const TiObjectEvent& OnInsert() const { return OnInsert_; }
  const TiObjectEvent& OnRemove() const { return OnRemove_; }

 private:
  std::vector<TiPlotTranslationObject*> Items_;  // owned; newest first
  TiObjectEvent OnInsert_;
  TiObjectEvent OnRemove_;
};
