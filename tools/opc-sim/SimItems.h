// The items the stand-in data server offers, and what each one gives at an
// update. Names ignore letter case:
//   "Sine"           100 * sin(2 pi t / 10 s), t from the subscription's start
//   "Ramp"           0 -> 100 in 10 s, again and again
//   "Counter"        1, 2, 3, ... one per update
//   "Random"         uniform in 0..100
//   "Setpoint"       the value last written with SignalSendData (0 at first)
//   "QualityToggle"  1, 2, 3, ... with good quality for three updates, then
//                    bad for three
//   "modbus-tcp://host:port/unit/register"  a holding register read from a
//                    Modbus TCP server; bad quality while it cannot be read
#pragma once
#include <cstdint>
#include <optional>
#include <string>

enum TSimKind { skSine, skRamp, skCounter, skRandom, skSetpoint, skQualityToggle, skModbus };

constexpr uint16_t kQualityGood = 0xC0;
constexpr uint16_t kQualityBad = 0x00;
constexpr uint16_t kQualityCommFailure = 0x18;  // bad: no answer from the device

struct TModbusAddress {
  std::string Host;
  int Port = 502;
  int Unit = 1;
  int Register = 0;
};

// The kind an item name asks for; nothing for a name the server does not know.
std::optional<TSimKind> SimKindOf(const std::string& itemName);
// "modbus-tcp://127.0.0.1:1502/1/0x0201": register in decimal or 0x hex.
std::optional<TModbusAddress> ParseModbusAddress(const std::string& itemName);

struct TSimSample {
  bool IsInteger = false;
  int64_t Integer = 0;
  double Float = 0;
  uint16_t Quality = kQualityGood;
};

// The value of a simulated item (not skModbus) at its update number `count`
// (1 for the first), `seconds` after the subscription began.
TSimSample SimulatedSample(TSimKind kind, int64_t count, double seconds, double setpoint, double random);
