#include "plot/iClassesList.h"

#include <string>

#include "platform/Exception.h"

void CheckListIndex(int index, int count) {
  if (index < 0 || index >= count) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}
