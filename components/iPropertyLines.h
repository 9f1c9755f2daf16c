// The property-line text format: one line per published property, the key,
// " = " and the value. The key is the property's name, or prefix + "." + name;
// a sub-object (a font) writes its own properties with its key as prefix, so
// the colour of a font is "Font.Color". Ordinals (integers, characters,
// enumerations, sets, booleans, colours) are decimal numbers, floats the
// shortest general text with the locale's decimal separator, strings as they
// are. Component property files, the plot's configuration file and the
// channel configuration files all use it.
//
//   TStringList lines;
//   SaveObjectProperties(Reflect(display), "", lines, {"Name"});
//   ...
//   LoadObjectProperties(Reflect(display), "", lines);  // consumes what it used
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "components/iReflection.h"

using TStringList = std::vector<std::string>;

// A line is at most this many bytes; longer ones are cut on saving (never in
// the middle of a UTF-8 character) and refused on loading.
constexpr size_t kMaxPropertyLine = 255;

// Appends one line per stored, writable property of `object`, in declaration
// order, sub-objects recursed; paths in `exclusions` (any letter case) are left
// out, and so are sub-objects under them.
void SaveObjectProperties(TObjectRef object, const std::string& prefix, TStringList& lines,
                          const TStringList& exclusions);

// Sets each writable property whose path has a line; properties without a line
// stay as they are. Each line used is removed from `lines`. A value that does
// not convert raises EConvertError naming the path; the properties set before
// it keep their new values.
void LoadObjectProperties(TObjectRef object, const std::string& prefix, TStringList& lines);

// Finds the first line whose key is `path` (any letter case), hands back its
// value with blanks trimmed and removes the line. False when there is none.
bool ExtractPropertyValue(const std::string& path, TStringList& lines, std::string& value);

// A property's value as the files write it, and a file's text stored into it.
std::string PropertyValueText(TObjectRef object, const TPropInfo& property);
void SetPropertyValueText(TObjectRef object, const TPropInfo& property, const std::string& text);

// Floats: up to 15 significant digits, the locale's separator, an exponent
// ("1E20", "1.5E-7") for very large or small values; "NAN", "INF", "-INF".
std::string FloatToStr(double value);
// Reads a float written with either "." or "," (the first one is taken as the
// decimal separator), as the files allow. Raises EConvertError.
double PropertyTextToFloat(std::string_view text);

// A property file's text split into its lines. Blank lines are dropped. The
// text is good up to the first line that is too long, has no "=", or is cut
// off without its line end (a truncated file): Lines holds the lines before
// it and Error says what is wrong with it.
struct TPropertyText {
  TStringList Lines;
  std::string Error;
};
TPropertyText SplitPropertyText(const std::string& text);
// A property file's lines, for a loader that takes all or nothing: a cut file
// or a malformed line raises EConvertError before any property is set.
TStringList ReadPropertyFile(const std::string& fileName);
// Takes the "File Type" line out of `lines`; true when there was one and its
// value is `type` (both compared in any letter case).
bool TakeFileType(TStringList& lines, std::string_view type);
// The lines joined, each ended by CR LF.
std::string JoinPropertyLines(const TStringList& lines);

// After loading: the first line that no property took, as an error text
// ("Unknown property \"x\"" or "Property \"x\" is given more than once"), or
// empty when every line was used. Lines keyed `ignoredKey` are not reported.
std::string UnusedPropertyLine(TObjectRef object, const TStringList& lines, const std::string& ignoredKey);
