#include "platform/Application.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <cstdio>
#include <stdexcept>

#include "platform/Locale.h"

namespace platform {
namespace {
bool headless = false;
bool errorBoxOpen = false;
std::function<void(const std::string&, bool)> messageHook;

void ShowBox(const std::string& text, bool isError) {
  if (messageHook) return messageHook(text, isError);
  if (headless || !qApp) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return;
  }
  QMessageBox box(isError ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QApplication::applicationDisplayName(), QString::fromStdString(text), QMessageBox::Ok);
  box.exec();
}
}  // namespace

void RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(std::runtime_error("Unknown error"));
  }
}

void ShowException(const std::exception& error) {
  std::string text = error.what();
  if (text.empty() || text.back() != '.') text += '.';
  if (errorBoxOpen) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return;
  }
  errorBoxOpen = true;
  try {
    ShowBox(text, true);
  } catch (...) {
    errorBoxOpen = false;
    throw;
  }
  errorBoxOpen = false;
}

void ShowMessage(const std::string& text) { ShowBox(text, false); }

void SetHeadless(bool value) { headless = value; }
bool Headless() { return headless; }

void SetMessageHook(std::function<void(const std::string&, bool)> hook) { messageHook = std::move(hook); }

void InitFormatSettingsFromSystem() {
  const QLocale locale = QLocale::system();
  const QString point = locale.decimalPoint();
  const QString group = locale.groupSeparator();
  if (point.size() == 1 && point[0].unicode() < 128) FormatSettings().DecimalSeparator = char(point[0].unicode());
  if (group.size() == 1 && group[0].unicode() < 128) FormatSettings().ThousandSeparator = char(group[0].unicode());
}

}  // namespace platform
