// What the status line at the bottom of the window says about the sensor
// link: the port's state, the answers counted since it was opened, the time of
// the last accepted sample and how long the sensor has been silent.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Clock.h"

class TLinkStatus {
 public:
  // Each state change but Lost starts the counts afresh.
  void Closed();
  void Opened(const std::string& device);
  void TestMode();
  void OpenFailed(const std::string& reason);
  void Lost(const std::string& device);
  void Reconnected(const std::string& device);

  void SetPeriod(double seconds) { period_ = seconds; }
  void Accepted(platform::TDateTime now);
  void CrcFailure();
  // A tick that found no answer to the request sent before it.
  void Unanswered();

  std::string Text() const;

 private:
  void Reset(std::string state);

  std::string state_ = "串口未打开";
  double period_ = 1;
  uint64_t accepted_ = 0, crcFailures_ = 0, unanswered_ = 0;
  unsigned silentTicks_ = 0;  // unanswered in a row
  std::optional<platform::TDateTime> last_;
};

// The reason an open failed, from the system's error code, for the operator.
std::string OpenFailureReason(int systemError);
