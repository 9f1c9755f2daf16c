// The port name box over a fake sysfs and /dev tree: it offers what is
// present when it drops down, and stays free text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <filesystem>
#include <fstream>

#include "app/PortBox.h"
#include "app/Unit1.h"

namespace {
namespace fs = std::filesystem;

class PortBox : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("sm-portbox-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "dev/serial/by-id");
    form.PortBox->Root = root.string();
  }
  void TearDown() override { fs::remove_all(root); }
  void Adapter(const std::string& name) {
    fs::create_directories(root / "sys/class/tty" / name / "device");
    std::ofstream(root / "dev" / name);
  }
  std::vector<std::string> Items() {
    std::vector<std::string> items;
    for (int i = 0; i < form.PortBox->count(); ++i) items.push_back(form.PortBox->itemText(i).toStdString());
    return items;
  }

  fs::path root;
  TForm1 form;
};

TEST_F(PortBox, DropDownOffersThePortsPresentNowAndTheTypedTextStays) {
  EXPECT_EQ(form.Edit1->text().toStdString(), "COM1");
  Adapter("ttyUSB0");
  form.PortBox->showPopup();
  form.PortBox->hidePopup();
  EXPECT_EQ(Items(), (std::vector<std::string>{"/dev/ttyUSB0", "COM0   (测试模式)"}));
  EXPECT_EQ(form.Edit1->text().toStdString(), "COM1") << "looking does not choose";

  // Replugged under another name with a stable link: the next drop-down shows it.
  fs::remove_all(root / "sys/class/tty/ttyUSB0");
  Adapter("ttyUSB1");
  fs::create_symlink("../../ttyUSB1", root / "dev/serial/by-id/usb-Maker_Cable_0042-if00-port0");
  form.PortBox->showPopup();
  form.PortBox->hidePopup();
  ASSERT_EQ(Items(), (std::vector<std::string>{"/dev/serial/by-id/usb-Maker_Cable_0042-if00-port0   (ttyUSB1)",
                                               "COM0   (测试模式)"}));
  EXPECT_GE(form.PortBox->view()->minimumWidth(), form.PortBox->view()->sizeHintForColumn(0))
      << "the list is wide enough for the long name";

  emit form.PortBox->activated(0);
  EXPECT_EQ(form.Edit1->text().toStdString(), "/dev/serial/by-id/usb-Maker_Cable_0042-if00-port0")
      << "only the name to open goes into the box";
  EXPECT_EQ(form.Edit1->cursorPosition(), form.Edit1->text().size()) << "the tail is what shows";
  emit form.PortBox->activated(1);
  EXPECT_EQ(form.Edit1->text().toStdString(), "COM0");

  form.Edit1->setText("/dev/ttyXYZ9");
  EXPECT_EQ(form.PortBox->currentText().toStdString(), "/dev/ttyXYZ9") << "free text still works";
}

}  // namespace
