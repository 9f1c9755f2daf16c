#include "plot/iLimitDataList.h"

#include "platform/Exception.h"

const TiLimitDataRecord& TiLimitDataList::Item(int index) const {
  if (index < 0 || index >= Count()) throw Exception("Index out of Bounds");
  return Items_[static_cast<size_t>(index)];
}
