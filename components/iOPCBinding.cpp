#include "components/iOPCBinding.h"

#include <cmath>

#include "components/iPropertyLines.h"
#include "components/iValueText.h"
#include "platform/Rounding.h"

const TClassInfo& OPCItemClassInfo() {
  using I = TiOPCItem;
  static const TClassInfo info = TClassBuilder<I>("TiOPCItem")
                                     .String("PropertyName", &I::PropertyName, &I::SetPropertyName)
                                     .String("GroupName", &I::GroupName, &I::SetGroupName)
                                     .String("ComputerName", &I::ComputerName, &I::SetComputerName)
                                     .DefaultString("Local")
                                     .String("ServerName", &I::ServerName, &I::SetServerName)
                                     .String("ItemName", &I::ItemName, &I::SetItemName)
                                     .Integer("UpdateRate", &I::UpdateRate, &I::SetUpdateRate)
                                     .Default(500)
                                     .Bool("AutoConnect", &I::AutoConnect, &I::SetAutoConnect)
                                     .Default(1)
                                     .Bool("AutoError", &I::AutoError, &I::SetAutoError)
                                     .Default(0)
                                     .Build();
  return info;
}

std::string OPCValueText(const TiOPCValue& value) {
  if (const auto* i = std::get_if<int64_t>(&value)) return std::to_string(*i);
  if (const auto* b = std::get_if<bool>(&value)) return *b ? "True" : "False";
  if (const auto* s = std::get_if<std::string>(&value)) return *s;
  if (const auto* d = std::get_if<double>(&value)) return FloatToText(*d, '.', 0);
  return {};
}

namespace {

int64_t ToInteger(const TiOPCValue& value) {
  if (const auto* i = std::get_if<int64_t>(&value)) return *i;
  if (const auto* b = std::get_if<bool>(&value)) return *b ? 1 : 0;
  if (const auto* d = std::get_if<double>(&value)) {
    if (!std::isfinite(*d) || std::fabs(*d) > 9e18)
      throw EConvertError("'" + OPCValueText(value) + "' is not a valid integer value");
    return Round(*d);
  }
  return TextToInteger(OPCValueText(value));
}

bool ToBoolean(const TiOPCValue& value) {
  if (const auto* b = std::get_if<bool>(&value)) return *b;
  const std::string text = OPCValueText(value);
  if (SameText(text, "True") || text == "1") return true;
  if (SameText(text, "False") || text == "0") return false;
  throw EConvertError("'" + text + "' is not a valid boolean value");
}

double ToFloat(const TiOPCValue& value) {
  if (const auto* d = std::get_if<double>(&value)) return *d;
  if (const auto* i = std::get_if<int64_t>(&value)) return static_cast<double>(*i);
  if (const auto* b = std::get_if<bool>(&value)) return *b ? 1 : 0;
  return PropertyTextToFloat(OPCValueText(value));
}

void Store(TObjectRef holder, const TPropInfo& property, const TiOPCValue& value) {
  switch (property.Kind) {
    case pkFloat: property.SetFloat(holder.Object, ToFloat(value)); break;
    case pkString: property.SetString(holder.Object, OPCValueText(value)); break;
    case pkBool: property.SetOrdinal(holder.Object, ToBoolean(value) ? 1 : 0); break;
    case pkObject: break;
    default: property.SetOrdinal(holder.Object, ToInteger(value)); break;
  }
}

}  // namespace

bool SetPropertyFromOPC(TObjectRef root, const std::string& path, const TiOPCValue& value) {
  bool stored = false;
  WithProperty(root, path, true, [&](TObjectRef holder, const TPropInfo& property) {
    if (property.Kind == pkObject || !property.Writable()) return;
    Store(holder, property, value);
    stored = true;
  });
  return stored;
}
