// Holds a component's update lock for a scope, so that a failure on the way
// releases it as a success does.
#pragma once
#include "components/iComponent.h"

class TUpdateLock {
 public:
  explicit TUpdateLock(TiComponent& component) : Component_(component) { Component_.BeginUpdate(); }
  ~TUpdateLock() { Component_.EndUpdate(); }
  TUpdateLock(const TUpdateLock&) = delete;
  TUpdateLock& operator=(const TUpdateLock&) = delete;

 private:
  TiComponent& Component_;
};
