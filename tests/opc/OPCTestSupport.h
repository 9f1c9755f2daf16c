// Helpers for the tests against the stand-in data-server library.
#pragma once
#include <functional>
#include <string>

#include "tests/components/EventLoop.h"
#include "opc/dEDOItem.h"
#include "platform/Exception.h"
#include "tests/support/MessageOf.h"


// Binds `item` to a simulated item of the stand-in, updated every 20 ms.
inline void Bind(TiOPCItem& item, const std::string& property, const std::string& itemName) {
  item.SetUpdateRate(20);
  item.SetPropertyName(property);
  item.SetServerName("Sim");
  item.SetItemName(itemName);
}

inline int64_t IntegerOf(const TiOPCValue& v) {
  const auto* i = std::get_if<int64_t>(&v);
  return i ? *i : -1;
}
