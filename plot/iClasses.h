// The roots of the plot's class tree and the hook type; the compare-store
// helper every property setter is built on comes with them.
#pragma once
#include <functional>

#include "components/iReflection.h"
#include "platform/StoreChanged.h"

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

