// The port name box: free text, and a drop-down of the serial ports present,
// looked up afresh each time it drops down, with "COM0" (test mode) last.
#pragma once
#include <QComboBox>
#include <string>

class TPortBox : public QComboBox {
 public:
  explicit TPortBox(const QString& text, QWidget* parent);

  void showPopup() override;
  // Fills the list from the ports present under `Root`; the typed text stays.
  void Refresh();

  // The file system root the ports are looked up under (tests use a fake tree).
  std::string Root = "/";
};
