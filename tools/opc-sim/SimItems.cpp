#include "tools/opc-sim/SimItems.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {
bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

// A whole number of the given base from `text`, all of it used.
std::optional<long> Number(const std::string& text, int base) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, base);
  if (*end != '\0' || value < 0) return std::nullopt;
  return value;
}
}  // namespace

std::optional<TModbusAddress> ParseModbusAddress(const std::string& itemName) {
  const std::string scheme = "modbus-tcp://";
  if (itemName.size() <= scheme.size() || !SameText(itemName.substr(0, scheme.size()), scheme)) return std::nullopt;
  const std::string rest = itemName.substr(scheme.size());
  const size_t slash1 = rest.find('/');
  const size_t slash2 = slash1 == std::string::npos ? slash1 : rest.find('/', slash1 + 1);
  if (slash2 == std::string::npos) return std::nullopt;
  const std::string hostPort = rest.substr(0, slash1);
  const std::string unit = rest.substr(slash1 + 1, slash2 - slash1 - 1);
  std::string reg = rest.substr(slash2 + 1);
  TModbusAddress a;
  const size_t colon = hostPort.rfind(':');
  a.Host = hostPort.substr(0, colon);
  if (colon != std::string::npos) {
    auto port = Number(hostPort.substr(colon + 1), 10);
    if (!port || *port == 0 || *port > 65535) return std::nullopt;
    a.Port = static_cast<int>(*port);
  }
  const bool hex = reg.size() > 2 && reg[0] == '0' && (reg[1] == 'x' || reg[1] == 'X');
  auto unitNumber = Number(unit, 10);
  auto registerNumber = hex ? Number(reg.substr(2), 16) : Number(reg, 10);
  if (a.Host.empty() || !unitNumber || *unitNumber > 247 || !registerNumber || *registerNumber > 0xFFFF)
    return std::nullopt;
  a.Unit = static_cast<int>(*unitNumber);
  a.Register = static_cast<int>(*registerNumber);
  return a;
}

std::optional<TSimKind> SimKindOf(const std::string& itemName) {
  static const struct {
    const char* Name;
    TSimKind Kind;
  } kNames[] = {{"Sine", skSine},         {"Ramp", skRamp},         {"Counter", skCounter},
                {"Random", skRandom},     {"Setpoint", skSetpoint}, {"QualityToggle", skQualityToggle}};
  for (const auto& n : kNames)
    if (SameText(itemName, n.Name)) return n.Kind;
  if (ParseModbusAddress(itemName)) return skModbus;
  return std::nullopt;
}

TSimSample SimulatedSample(TSimKind kind, int64_t count, double seconds, double setpoint, double random) {
  TSimSample s;
  switch (kind) {
    case skSine: s.Float = 100 * std::sin(2 * std::numbers::pi * seconds / 10); break;
    case skRamp: s.Float = std::fmod(seconds, 10.0) * 10; break;
    case skRandom: s.Float = random; break;
    case skSetpoint: s.Float = setpoint; break;
    case skCounter:
    case skQualityToggle:
      s.IsInteger = true;
      s.Integer = count;
      if (kind == skQualityToggle && (count - 1) / 3 % 2 == 1) s.Quality = kQualityBad;
      break;
    case skModbus: break;
  }
  return s;
}
