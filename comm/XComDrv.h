// The serial port component. TCustomComm owns one serial device: it keeps the
// line settings, opens the device by name and applies them, reads and writes
// with a time limit per call, and runs a TCommEventThread while the device is
// open that reports line events through OnData and OnCommEvent. TXComm is the
// component as the window uses it.
//
// Thread rules: everything is called on the thread that owns the component
// (the GUI thread), except what the event thread does: it reads Synchronize
// and MonitorEvents and runs the event dispatch, itself when Synchronize is
// false (handlers must then do their own locking) and on the GUI thread when
// it is true.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "comm/XComErr.h"
#include "comm/XComSettings.h"
#include "comm/XComTypes.h"

namespace platform {
class TSerialDevice;
struct TSerialControlBlock;
struct TSerialProperties;
struct TSerialTimeouts;
}  // namespace platform
class TCommEventThread;

class TCustomComm {
 public:
  TCustomComm();
  // Closes an open device (without raising) and stops its thread.
  virtual ~TCustomComm();
  TCustomComm(const TCustomComm&) = delete;
  TCustomComm& operator=(const TCustomComm&) = delete;

  // The largest driver queue size. Linux counts as the NT family (version 4 or
  // later), so it is 4096 there.
  static uint16_t QueueSizeLimit();

  // ---- settings ----
  TCommDataControl& DataControl() { return dataControl_; }
  void SetDataControl(const TCommDataControl& v) { dataControl_.Assign(v); }
  TCommBuffers& Buffers() { return buffers_; }
  void SetBuffers(const TCommBuffers& v) { buffers_.Assign(v); }
  TCommEventChars& EventChars() { return eventChars_; }
  void SetEventChars(const TCommEventChars& v) { eventChars_.Assign(v); }
  TCommTimeoutsEx& Timeouts() { return timeouts_; }
  void SetTimeouts(const TCommTimeoutsEx& v) { timeouts_.Assign(v); }

  TBaudRate BaudRate();  // br9600; open: looked up from the device speed
  void SetBaudRate(TBaudRate v);
  uint32_t BaudValue();  // 9600; open: the device speed
  void SetBaudValue(uint32_t v);  // only under brCustom
  TFlowControl FlowControl() const { return flowControl_; }  // fcNone
  void SetFlowControl(TFlowControl v);
  TRTSSettings RTSSettings();  // only under fcCustom
  void SetRTSSettings(TRTSSettings v);
  TDTRSettings DTRSettings();  // only under fcCustom
  void SetDTRSettings(TDTRSettings v);
  TXOnXOffSettings XOnXOffSettings();  // only under fcCustom
  void SetXOnXOffSettings(TXOnXOffSettings v);
  TCommOptions Options();
  void SetOptions(TCommOptions v);
  TDeviceEvents MonitorEvents() const { return TDeviceEvents::FromBits(monitorEvents_.load()); }
  void SetMonitorEvents(TDeviceEvents v) { monitorEvents_ = v.Bits(); }  // [deChar, deFlag, deOutEmpty]
  bool Synchronize() const { return synchronize_; }  // true
  void SetSynchronize(bool v) { synchronize_ = v; }

  // ---- device ----
  const std::string& DeviceName() const { return deviceName_; }  // "COM2"
  void SetDeviceName(const std::string& name);  // ignored while open
  virtual bool Opened() const;
  virtual bool OpenDevice();
  virtual void CloseDevice();
  virtual TCommLocks GetLockState() const;

  uint32_t InQueCount();
  uint32_t OutQueCount();
  uint32_t SendData(const void* buffer, uint32_t count, uint32_t limitMs);
  uint32_t SendData(const void* buffer, uint32_t count) { return SendData(buffer, count, buffers_.OutputTimeout()); }
  uint32_t ReadData(void* buffer, uint32_t count, uint32_t limitMs);
  uint32_t ReadData(void* buffer, uint32_t count) { return ReadData(buffer, count, buffers_.InputTimeout()); }
  // True when every byte was written.
  virtual bool SendString(const std::string& s);
  // The bytes waiting now, without waiting for more; true when there was one.
  virtual bool ReadString(std::string& s);
  uint32_t BytesReceived() const { return bytesReceived_; }
  uint32_t BytesSent() const { return bytesSent_; }

  // The event dispatch: the event thread calls it with each event set,
  // SendData with [deOutEmpty].
  void HandleEvents(TDeviceEvents events);

  // Fresh reads of the open device's state; false while closed or when the
  // device does not answer (the callers then use the stored values).
  bool DeviceState(platform::TSerialControlBlock& block) const;
  bool DeviceProperties(platform::TSerialProperties& properties) const;
  bool DeviceTimeouts(platform::TSerialTimeouts& timeouts) const;

  std::function<void(TCustomComm* sender, TDeviceEvents events)> OnCommEvent;
  std::function<void(TCustomComm* sender, int count)> OnData;
  std::function<void(TCustomComm* sender)> OnRead;
  std::function<void(TCustomComm* sender)> OnSend;

  // For the settings objects: a setting changed, and goes to an open device at
  // once; during AssignSettings, once at its end.
  enum TSettingGroup : uint8_t { sgDeviceControl, sgBuffers, sgTimeouts };
  void SettingChanged(TSettingGroup group);
  void AssignSettings(TObjectRef target, TObjectRef source, TSettingGroup group);

 protected:
  virtual void DoCommEvent(TDeviceEvents events);
  virtual void DoData(uint32_t count);

  // Each acts on the open device; EDeviceError 3, 6 or 7 when it refuses.
  void ApplyDeviceControl();
  void ApplyBuffers();
  void ApplyTimeouts();

  platform::TSerialDevice& Device() { return *device_; }
  const TCommEventThread* EventThread() const { return thread_.get(); }

 private:
  friend class TCommDataControl;
  friend class TCommBuffers;
  friend class TCommEventChars;
  friend class TCommTimeoutsEx;
  friend class TCommEventThread;

  void ReadBackFlags();
  void ApplyPreset();
  // The component's own test of its handle; doubles that override Opened()
  // must not make it apply settings to a device that is not there.
  bool IsDeviceOpen() const;
  void ApplyIfOpen() {
    if (IsDeviceOpen()) ApplyDeviceControl();
  }
  void StopThread();
  void Apply(TSettingGroup group);
  [[noreturn]] void RaiseLineError(const char* message, int32_t code);
  void RunLocked(TCommLock lock, const std::function<void(TCustomComm*)>& handler);

  std::unique_ptr<platform::TSerialDevice> device_;
  bool holdApply_ = false;  // an AssignSettings is copying
  std::unique_ptr<TCommEventThread> thread_;
  std::string deviceName_ = "COM2";
  TCommDataControl dataControl_{*this};
  TCommBuffers buffers_{*this};
  TCommEventChars eventChars_{*this};
  TCommTimeoutsEx timeouts_{*this};
  TBaudRate baudRate_ = br9600;
  uint32_t baudValue_ = 9600;
  TFlowControl flowControl_ = fcNone;
  TRTSSettings rtsSettings_;
  TDTRSettings dtrSettings_;
  TXOnXOffSettings xOnXOffSettings_;
  TCommOptions options_;
  std::atomic<uint16_t> monitorEvents_{TDeviceEvents{deChar, deFlag, deOutEmpty}.Bits()};
  std::atomic<bool> synchronize_{true};
  std::atomic<bool> destroying_{false};
  std::thread::id ownerThread_ = std::this_thread::get_id();
  TCommLocks locks_;
  uint32_t bytesReceived_ = 0, bytesSent_ = 0;
};

// The component with its settings and events published.
class TXComm : public TCustomComm {
 public:
  TXComm() = default;
};
