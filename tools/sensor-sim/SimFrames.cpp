#include "tools/sensor-sim/SimFrames.h"

#include <cmath>
#include <cstdio>

std::string SimCrc16(const std::string& data) {
  uint16_t crc = 0xFFFF;
  for (unsigned char b : data) {
    crc ^= b;
    for (int i = 0; i < 8; ++i) crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
  }
  return {char(crc & 0xFF), char(crc >> 8)};
}

uint16_t RegisterOf(double value) {
  const long v = std::lround(value);
  return uint16_t(v < 0 ? v + 65535 : v);
}

double ValueOf(uint16_t reg) { return reg > 60000 ? double(reg) - 65535 : double(reg); }

TSimSensor::TSimSensor(const TSimOptions& options) : options_(options), random_(options.Seed) {}

void TSimSensor::NextRegisters(uint16_t (&r)[6]) {
  const double t = double(step_++);
  std::normal_distribution<double> noise(0.0, 2.0);
  // A target drifting slowly back and forth, and a housing that warms a little.
  const double distance = options_.Distance.value_or(1500 + 400 * std::sin(t / 20) + noise(random_));
  double temperature = options_.Temperature.value_or(25 + 3 * std::sin(t / 90));
  if (options_.Cold) temperature = -200 - std::fabs(std::fmod(t, 20.0));
  r[0] = options_.RawDistance.value_or(RegisterOf(distance));
  r[1] = uint16_t(900 + std::lround(30 * std::sin(t / 7)));  // signal strength
  r[2] = 0;
  r[3] = 1;  // status: measuring
  r[4] = 0;
  r[5] = options_.RawTemperature.value_or(RegisterOf(temperature));
}

std::string AnswerFrame(uint8_t slave, const uint16_t (&registers)[6], int length) {
  const int count = (length - 5) / 2;
  std::string frame{char(slave), char(3), char(2 * count)};
  for (int i = 0; i < count; ++i) {
    const uint16_t reg = registers[i];  // a short answer leaves the last ones out
    frame += char(reg >> 8);
    frame += char(reg & 0xFF);
  }
  return frame + SimCrc16(frame);
}

std::string ServedValues(const std::string& frame) {
  auto reg = [&](size_t at) { return uint16_t((uint8_t(frame[at]) << 8) | uint8_t(frame[at + 1])); };
  char text[64];
  const float first = float(ValueOf(reg(3)));
  if (frame.size() < 15) {
    std::snprintf(text, sizeof text, "%.1f", double(first));
  } else {
    std::snprintf(text, sizeof text, "%.1f,%.1f", double(first), double(float(ValueOf(reg(13)))));
  }
  return text;
}
