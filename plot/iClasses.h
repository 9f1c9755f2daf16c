// The roots of the plot's class tree and the hook type; the compare-store
// helper every property setter is built on comes with them.
#pragma once
#include <atomic>
#include <cstdint>
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

// The generation of the plot objects' settings: every guarded setter, rename
// and removal moves it on. A cache worked out from settings (a channel's
// direct feed) is good while the generation it was made at is current, so no
// setter has to know of the caches. One count for every chart: a change in
// one only makes the others work their caches out once more.
class TiPlotSettings {
 public:
  static uint32_t Generation() { return Generation_.load(std::memory_order_relaxed); }
  static void Changed() { Generation_.fetch_add(1, std::memory_order_relaxed); }

 private:
  static inline std::atomic<uint32_t> Generation_{1};
};

// A hook taking the sender; a null function means "not assigned".
using TiObjectEvent = std::function<void(TiObject*)>;

