// The text form of the chart's stored description: collections of objects,
// each object a list of its published properties. It round-trips every
// stored, writable published property exactly (floats in their shortest exact
// form, strings quoted and escaped), independent of the locale:
//
//   ChannelManager = <
//     item
//       Name = "Channel 1"
//       Visible = True
//       Layer = 100
//       TraceLineStyle = iplsDash
//       MarkersFont.Style = [fsBold]
//     end
//   >
//
// Lines are indented for the reader's eye only. Enumerations are written by
// value name and sets as [element, ...]; both may also be read as numbers.
// Errors raise EConvertError naming the line.
#pragma once
#include <string>
#include <vector>

#include "components/iReflection.h"

class TiPlotStreamWriter {
 public:
  // The name the next collection or property is stored under.
  void WriteName(const std::string& name) { PendingName_ = name; }
  void BeginCollection();
  void BeginItem();
  void EndItem();
  void EndCollection();
  void WriteProperty(const std::string& name, const std::string& valueText);
  // Every stored, writable published property, sub-objects as dotted names.
  void WriteProperties(TObjectRef object);
  const std::string& Text() const { return Text_; }

 private:
  void WriteLine(const std::string& line);
  void WriteObject(TObjectRef object, const std::string& prefix);
  std::string Text_;
  std::string PendingName_;
  int Depth_ = 0;
};

class TiPlotStreamReader {
 public:
  // Splits the text into lines; nothing is interpreted yet.
  explicit TiPlotStreamReader(const std::string& text);

  bool AtEnd() const { return Pos_ >= Lines_.size(); }
  // The name of the next property or collection (empty for a bare "<").
  std::string NextName() const;
  bool NextIsCollection() const;
  // Raises unless a well-formed collection starts here: items that hold only
  // property lines, each item closed, the collection closed. Nothing is read.
  void CheckCollection() const;
  void ReadCollectionBegin();
  // Takes an "item" line; false (taking nothing) at the collection's end.
  bool ReadItemBegin();
  // Sets the item's properties up to its "end" line, which it takes.
  void ReadProperties(TObjectRef object);
  void ReadCollectionEnd();
  // A plain property line.
  void ReadProperty(std::string& name, std::string& valueText);
  // Skips the next property or whole collection.
  void SkipValue();

 private:
  struct TLine {
    int Number;
    std::string Name;   // key before " = ", or empty
    std::string Value;  // after " = ", or the whole line when there is no key
  };
  const TLine& Next(const char* expected) const;
  [[noreturn]] void Fail(const TLine* line, const std::string& what) const;
  std::vector<TLine> Lines_;
  size_t Pos_ = 0;
};

// A property's value in the stream's text, and such a text stored into it.
std::string StreamValueText(TObjectRef object, const TPropInfo& property);
void SetStreamValueText(TObjectRef object, const TPropInfo& property, const std::string& text);
