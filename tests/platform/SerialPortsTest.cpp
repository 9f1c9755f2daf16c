// Port enumeration against a fake sysfs and /dev tree in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/SerialPorts.h"

namespace {
namespace fs = std::filesystem;

class SerialPorts : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("sm-ports-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "dev/serial/by-id");
  }
  void TearDown() override { fs::remove_all(root); }

  // A tty class entry; `device` says whether a hardware device backs it.
  void Tty(const std::string& name, bool device, const char* uartType = nullptr) {
    const fs::path entry = root / "sys/class/tty" / name;
    fs::create_directories(entry);
    if (device) fs::create_directories(entry / "device");
    if (uartType) std::ofstream(entry / "type") << uartType << "\n";
    std::ofstream(root / "dev" / name);
  }
  std::vector<platform::TSerialPortInfo> List() { return platform::ListSerialPorts(root.string()); }

  fs::path root;
};

std::vector<std::string> Names(const std::vector<platform::TSerialPortInfo>& ports) {
  std::vector<std::string> names;
  for (const auto& p : ports) names.push_back(p.Name + " | " + p.ShortName);
  return names;
}

TEST_F(SerialPorts, ListsAdaptersAndRealUartsOnly) {
  Tty("ttyUSB0", true);
  Tty("ttyACM3", true);
  Tty("ttyS0", true, "4");   // a 16550A answers here
  Tty("ttyS1", true, "0");   // registered, nothing behind it
  Tty("ttyS2", true);        // no type file: not known to be there
  Tty("tty0", false);        // a virtual console
  Tty("ttyUSB7", false);     // no device link: not a port
  EXPECT_EQ(Names(List()), (std::vector<std::string>{"/dev/ttyACM3 | ttyACM3", "/dev/ttyS0 | ttyS0",
                                                     "/dev/ttyUSB0 | ttyUSB0"}));
}

TEST_F(SerialPorts, PrefersTheStableByIdNameAndKeepsTheShortOne) {
  Tty("ttyUSB1", true);
  Tty("ttyUSB2", true);
  fs::create_symlink("../../ttyUSB1", root / "dev/serial/by-id/usb-Maker_Cable_A1B2-if00-port0");
  EXPECT_EQ(Names(List()), (std::vector<std::string>{
                               "/dev/serial/by-id/usb-Maker_Cable_A1B2-if00-port0 | ttyUSB1",
                               "/dev/ttyUSB2 | ttyUSB2"}));
}

TEST_F(SerialPorts, AnEntryWithoutItsDeviceNodeOrAMissingTreeListsNothing) {
  Tty("ttyUSB0", true);
  fs::remove(root / "dev/ttyUSB0");  // unplugged between the two looks
  EXPECT_TRUE(List().empty());
  EXPECT_TRUE(platform::ListSerialPorts((root / "nowhere").string()).empty());
}

}  // namespace
