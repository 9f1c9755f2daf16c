// The serial ports present on this machine, found through sysfs: USB and ACM
// adapters and real UARTs. An adapter is named by its stable
// /dev/serial/by-id/ link where one exists, since a replugged adapter may come
// back under another short name.
#pragma once
#include <string>
#include <vector>

namespace platform {

struct TSerialPortInfo {
  std::string Name;       // the name to open: the by-id link, else /dev/<ShortName>
  std::string ShortName;  // the kernel's name, e.g. "ttyUSB0"
};

// `root` stands for "/" (tests pass a fake tree); names returned never carry
// it. Sorted by name.
std::vector<TSerialPortInfo> ListSerialPorts(const std::string& root = "/");

}  // namespace platform
