// What the published-property machinery knows of OPC items: the item's
// published properties (for stored descriptions and the editor), and how a
// value of an item is stored into a property named by a dotted path.
#pragma once
#include <string>

#include "components/iReflection.h"
#include "opc/dEDOItem.h"

const TClassInfo& OPCItemClassInfo();
inline TObjectRef ReflectOPCItem(TiOPCItem& item) { return TObjectRef{&item, &OPCItemClassInfo()}; }

// Stores `value` into the property `path` names below `root` (sub-objects
// by dots, any letter case): integer, character, set, enumeration and colour
// properties by integer conversion (a float rounds to the nearest, halves to
// even; a text must be a whole number); booleans from "True"/"False"/"1"/"0"
// in any letter case; floats by float conversion; strings as text. False when
// the path names no writable property; EConvertError when the value does not
// convert (the property keeps its value).
bool SetPropertyFromOPC(TObjectRef root, const std::string& path, const TiOPCValue& value);

// Text of a value as a string property takes it: integers in decimal, floats
// in their shortest exact form with ".", booleans "True"/"False", empty for
// empty.
std::string OPCValueText(const TiOPCValue& value);
