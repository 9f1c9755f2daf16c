// The application's own services: the default display of an error that
// escapes an event handler, modal message boxes, headless running.
#pragma once
#include <exception>
#include <functional>
#include <string>

namespace platform {

// Runs an event handler; an exception that escapes it goes to ShowException
// and the program goes on.
void RunGuarded(const std::function<void()>& handler);

// Shows the error's text. While one such box is open, further errors are not
// stacked on top of it (a timer that fails on every tick would bury the
// operator): they are written to standard error instead.
void ShowException(const std::exception& error);

// A modal message box with an OK button.
void ShowMessage(const std::string& text);

// Headless: no boxes are shown (nobody could close them); their texts go to
// standard error.
void SetHeadless(bool headless);
bool Headless();

// Tests watch boxes through this hook; while it is set, no box is shown.
void SetMessageHook(std::function<void(const std::string& text, bool isError)> hook);

// Reads the decimal and thousands separators of the system locale.
void InitFormatSettingsFromSystem();

}  // namespace platform
