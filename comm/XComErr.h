// The serial component's error and its messages, each with the code it is
// raised with.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Exception.h"

class EDeviceError : public Exception {
 public:
  EDeviceError(std::string message, int32_t errorCode) : Exception(std::move(message)), ErrorCode(errorCode) {}
  int32_t ErrorCode;
};

// Message texts with their error codes.
inline constexpr const char* sCannotOpenDevice = "Cannot open device %s";  // 65535
inline constexpr const char* sDeviceNotOpened = "Device not opened.";      // 1
inline constexpr const char* sDeviceAlreadyOpened = "Device is allready opened.";  // 2
inline constexpr const char* sUnableToUpdateDCB = "Unable to update device control block.";  // 3
inline constexpr const char* sSendLocked = "Device locked. Cannot perform send operations.";  // 4
inline constexpr const char* sReadLocked = "Device locked. Cannot perform read operations.";  // 5
inline constexpr const char* sUnableToUpdateBuffers = "Unable to update IO buffers.";  // 6
inline constexpr const char* sUnableToUpdateTimeouts = "Unable to update Timeouts.";   // 7
inline constexpr const char* sUnableToRead = "Unable to read from port.";   // 10
inline constexpr const char* sUnableToWrite = "Unable to write to port.";   // 11

enum : int32_t {
  ecCannotOpen = 65535,
  ecNotOpened = 1,
  ecAlreadyOpened = 2,
  ecDeviceControl = 3,
  ecSendLocked = 4,
  ecReadLocked = 5,
  ecBuffers = 6,
  ecTimeouts = 7,
  ecRead = 10,
  ecWrite = 11,
};

[[noreturn]] void RaiseDeviceError(const char* message, int32_t errorCode);
// "%s (Win32 error %d: %s)": the message, the system's error code and its text.
[[noreturn]] void RaiseDeviceErrorWithDetail(const char* message, int32_t errorCode, int systemError);
std::string DeviceErrorDetail(const std::string& message, int systemError);
