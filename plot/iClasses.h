// The roots of the plot's class tree, the hook type and the compare-store
// helper every property setter is built on.
#pragma once
#include <functional>

#include "components/iReflection.h"

// Root of everything a hook can be handed: plot objects, managers,
// translation entries. Hooks tell them apart with dynamic_cast.
class TiObject {
 public:
  virtual ~TiObject() = default;
};

// A streamable object: its published properties are listed once
// (StaticClass/ClassInfo) and written and read through the reflection
// mechanism.
class TiPersistent : public TiObject, public TPersistent {};

// A hook taking the sender; a null function means "not assigned".
using TiObjectEvent = std::function<void(TiObject*)>;

// Stores `value` into `field` only when it differs (doubles compare exactly,
// strings case-sensitively). Returns whether it changed.
template <class T, class V>
bool AssignChanged(T& field, const V& value) {
  if (field == value) return false;
  field = value;
  return true;
}
