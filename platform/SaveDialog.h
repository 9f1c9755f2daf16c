// The system's save-file dialog with a list of file types.
#pragma once
#include <functional>
#include <optional>
#include <string>

namespace platform {

class TSaveDialog {
 public:
  // Pairs of description and pattern joined by "|":
  // "Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png".
  std::string Filter;
  std::string FileName;  // proposed, and chosen after Execute

  // True when the operator chose a file; FileName then holds it as typed
  // (no ending is added). Headless: always false.
  bool Execute();

  // While set, Execute asks this (with the dialog) instead of showing one;
  // no answer is a cancel.
  static inline std::function<std::optional<std::string>(const TSaveDialog& dialog)> Hook;
};

}  // namespace platform
