// The window's open and save dialogs: a file name that starts as "*.csv", no
// filter, no default extension. Tests answer them through a hook.
#pragma once
#include <functional>
#include <optional>
#include <string>

class QWidget;

class TFileDialog {
 public:
  enum TKind { fdOpen, fdSave };
  TFileDialog(QWidget* owner, TKind kind) : owner_(owner), kind_(kind) {}

  std::string FileName = "*.csv";

  // True when the operator chose a file; FileName then holds it.
  bool Execute();

  // While set, Execute asks this instead of showing a dialog; an empty answer
  // is a cancel.
  static inline std::function<std::optional<std::string>(TKind kind)> Hook;

 private:
  QWidget* owner_;
  TKind kind_;
};
