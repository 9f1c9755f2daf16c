// What the simulated sensor says: its register values over time and the
// answer frames that carry them.
#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "tools/sensor-sim/SimOptions.h"

// CRC-16 of the Modbus RTU line, low byte first: computed bit by bit here, so
// that the simulator checks the monitor's table rather than sharing it.
std::string SimCrc16(const std::string& data);

// A reading as a register: negative values become value + 65535, which the
// monitor's 60000 rule turns back.
uint16_t RegisterOf(double value);
// The monitor's reading of a register.
double ValueOf(uint16_t reg);

class TSimSensor {
 public:
  explicit TSimSensor(const TSimOptions& options);
  // The six registers 0x0201-0x0206 for the next answer.
  void NextRegisters(uint16_t (&registers)[6]);
  bool Drop() { return share_(random_) < options_.DropShare; }
  bool Corrupt() { return share_(random_) < options_.CorruptShare; }

 private:
  const TSimOptions& options_;
  std::mt19937 random_;
  std::uniform_real_distribution<double> share_{0.0, 1.0};
  long step_ = 0;
};

// An answer to "read 6 holding registers" of `length` bytes (7, 9, 15, 17): as
// many registers as fit before the CRC.
std::string AnswerFrame(uint8_t slave, const uint16_t (&registers)[6], int length);
// The values a reader of bytes 3-4 and (from 15 bytes on) 13-14 gets from the
// frame, formatted as the monitor logs them: "%.1f" or "%.1f,%.1f".
std::string ServedValues(const std::string& frame);
