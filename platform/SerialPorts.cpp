#include "platform/SerialPorts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

namespace platform {
namespace {
namespace fs = std::filesystem;

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The 8250 driver registers a fixed number of ttyS entries whether or not a
// UART answers behind them; its "type" is 0 (unknown) for the absent ones.
bool IsRealUart(const fs::path& classEntry) {
  std::ifstream type(classEntry / "type");
  int value = 0;
  return type >> value && value != 0;
}

// Virtual consoles and pseudo-terminals have no "device" link in sysfs.
bool IsSerialPort(const fs::path& classEntry, const std::string& name) {
  std::error_code ec;
  if (!fs::exists(classEntry / "device", ec)) return false;
  if (StartsWith(name, "ttyUSB") || StartsWith(name, "ttyACM")) return true;
  return StartsWith(name, "ttyS") && IsRealUart(classEntry);
}

// short name -> by-id name, from the links in /dev/serial/by-id.
std::map<std::string, std::string> ByIdNames(const fs::path& root) {
  std::map<std::string, std::string> names;
  std::error_code ec;
  for (const auto& link : fs::directory_iterator(root / "dev/serial/by-id", ec)) {
    std::error_code linkEc;
    const fs::path target = fs::read_symlink(link.path(), linkEc);
    if (linkEc) continue;
    names[target.filename().string()] = "/dev/serial/by-id/" + link.path().filename().string();
  }
  return names;
}
}  // namespace

std::vector<TSerialPortInfo> ListSerialPorts(const std::string& root) {
  const fs::path base(root);
  const auto byId = ByIdNames(base);
  std::vector<TSerialPortInfo> ports;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(base / "sys/class/tty", ec)) {
    const std::string name = entry.path().filename().string();
    if (!IsSerialPort(entry.path(), name) || !fs::exists(base / "dev" / name, ec)) continue;
    const auto stable = byId.find(name);
    ports.push_back({stable != byId.end() ? stable->second : "/dev/" + name, name});
  }
  std::sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
  return ports;
}

}  // namespace platform
