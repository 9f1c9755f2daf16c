// The compare-and-store step of every property setter in the program: a
// setter stores a value only when it differs (doubles compare exactly, strings
// case-sensitively) and notifies only then.
//
//   void SetSpan(double v) { if (StoreChanged(span_, v)) DoChange(); }
#pragma once

template <class T, class V>
bool StoreChanged(T& field, const V& value) {
  if (field == value) return false;
  field = value;
  return true;
}
