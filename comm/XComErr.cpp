#include "comm/XComErr.h"

#include "platform/SerialDevice.h"

void RaiseDeviceError(const char* message, int32_t errorCode) { throw EDeviceError(message, errorCode); }

std::string DeviceErrorDetail(const std::string& message, int systemError) {
  // The detail keeps its classic wording; the code and text are the system's.
  return message + " (Win32 error " + std::to_string(systemError) + ": " +
         platform::TSerialDevice::ErrorText(systemError) + ")";
}

void RaiseDeviceErrorWithDetail(const char* message, int32_t errorCode, int systemError) {
  throw EDeviceError(DeviceErrorDetail(message, systemError), errorCode);
}
