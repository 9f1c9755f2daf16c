// The message of what a call raises, for tests of the texts users see.
#pragma once
#include <functional>
#include <string>

#include "platform/Exception.h"

// The message of what `f` raises, or "(no exception)".
inline std::string MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Exception& e) {
    return e.Message;
  }
  return "(no exception)";
}
