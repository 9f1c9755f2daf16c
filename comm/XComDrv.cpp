#include "comm/XComDrv.h"

#include <chrono>
#include <thread>

#include "comm/XComThread.h"
#include "platform/Clock.h"
#include "platform/SerialDevice.h"

namespace {

// Elapsed milliseconds as unsigned 32-bit, as the time limits count them.
uint32_t Elapsed(uint32_t start) { return uint32_t(platform::MillisecondClock()) - start; }
uint32_t ClockNow() { return uint32_t(platform::MillisecondClock()); }

// Waiting for room or data looks again after this pause instead of spinning.
void PauseBeforeRetry() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

uint8_t DtrField(TDTRSettings s, TCommOptions o) {
  uint8_t field = 0;
  if (s.Contains(fsDTREnabled) || o.Contains(coLeaveDTROpen)) field |= platform::DTR_CONTROL_ENABLE;
  if (s.Contains(fsDTRHandshake)) field |= platform::DTR_CONTROL_HANDSHAKE;
  return field;
}

uint8_t RtsField(TRTSSettings s) {
  uint8_t field = 0;
  if (s.Contains(fsRTSEnabled)) field |= platform::RTS_CONTROL_ENABLE;
  if (s.Contains(fsRTSHandshake)) field |= platform::RTS_CONTROL_HANDSHAKE;
  return field;
}

}  // namespace

TCustomComm::TCustomComm() : device_(std::make_unique<platform::TSerialDevice>()) {}

TCustomComm::~TCustomComm() {
  destroying_ = true;
  if (IsDeviceOpen()) {
    StopThread();
    device_->Close();
  }
}

uint16_t TCustomComm::QueueSizeLimit() {
  // The classic limit is 4096 on the NT family from version 4 on and 8192
  // elsewhere; Linux stands in for the NT family.
  return 4096;
}

// ---- line settings ----

bool TCustomComm::DeviceState(platform::TSerialControlBlock& block) const {
  return IsDeviceOpen() && device_->GetState(block);
}
bool TCustomComm::DeviceProperties(platform::TSerialProperties& properties) const {
  return IsDeviceOpen() && device_->GetProperties(properties);
}
bool TCustomComm::DeviceTimeouts(platform::TSerialTimeouts& timeouts) const {
  return IsDeviceOpen() && device_->GetTimeouts(timeouts);
}

TBaudRate TCustomComm::BaudRate() {
  if (baudRate_ == brCustom) return baudRate_;
  platform::TSerialControlBlock b;
  if (!DeviceState(b)) return baudRate_;
  baudRate_ = brCustom;
  for (int i = 0; i < brCustom; ++i)
    if (BaudRates[i] == b.BaudRate) {
      baudRate_ = TBaudRate(i);
      break;
    }
  return baudRate_;
}

void TCustomComm::SetBaudRate(TBaudRate v) {
  if (!StoreChanged(baudRate_, v) || v == brCustom) return;
  baudValue_ = BaudRates[v];
  ApplyIfOpen();
}

uint32_t TCustomComm::BaudValue() {
  platform::TSerialControlBlock b;
  if (DeviceState(b)) baudValue_ = b.BaudRate;
  return baudValue_;
}

void TCustomComm::SetBaudValue(uint32_t v) {
  if (baudRate_ != brCustom) return;
  if (StoreChanged(baudValue_, v)) ApplyIfOpen();
}

void TCustomComm::SetFlowControl(TFlowControl v) {
  if (!StoreChanged(flowControl_, v) || v == fcCustom) return;
  ApplyPreset();
  ApplyIfOpen();
}

void TCustomComm::ApplyPreset() {
  rtsSettings_ = {};
  dtrSettings_ = {};
  xOnXOffSettings_ = {};
  switch (flowControl_) {
    case fcRtsCts: rtsSettings_ = {fsCTSOut, fsRTSHandshake}; break;
    case fcDtrDsr:
      dtrSettings_ = {fsDSROut};
      rtsSettings_ = {fsRTSEnabled};
      break;
    case fcSoftware: xOnXOffSettings_ = {fsInX, fsOutX}; break;
    default: break;
  }
  if (flowControl_ != fcNone) dtrSettings_.Include(fsDTREnabled);
  if (options_.Contains(coLeaveDTROpen)) {
    dtrSettings_.Include(fsDTREnabled);
    dtrSettings_.Exclude(fsDTRHandshake);
  }
}

// The four flag sets come back from the device together.
void TCustomComm::ReadBackFlags() {
  platform::TSerialControlBlock b;
  if (!DeviceState(b)) return;
  rtsSettings_ = {};
  if (b.OutxCtsFlow) rtsSettings_.Include(fsCTSOut);
  if (b.RtsControl & platform::RTS_CONTROL_ENABLE) rtsSettings_.Include(fsRTSEnabled);
  if (b.RtsControl & platform::RTS_CONTROL_HANDSHAKE) rtsSettings_.Include(fsRTSHandshake);
  dtrSettings_ = {};
  if (b.OutxDsrFlow) dtrSettings_.Include(fsDSROut);
  if (b.DtrControl & platform::DTR_CONTROL_ENABLE) dtrSettings_.Include(fsDTREnabled);
  if (b.DtrControl & platform::DTR_CONTROL_HANDSHAKE) dtrSettings_.Include(fsDTRHandshake);
  xOnXOffSettings_ = {};
  if (b.InX) xOnXOffSettings_.Include(fsInX);
  if (b.OutX) xOnXOffSettings_.Include(fsOutX);
  const bool leaveDtrOpen = options_.Contains(coLeaveDTROpen);
  options_ = {};
  if (b.AbortOnError) options_.Include(coAbortOnError);
  if (b.Null) options_.Include(coDiscardNull);
  if (b.DsrSensitivity) options_.Include(coDSRSensitivity);
  if (b.ErrorCharEnabled) options_.Include(coErrorChar);
  if (b.Parity) options_.Include(coParityCheck);
  if (b.TXContinueOnXoff) options_.Include(coTXContinueOnXOff);
  if (leaveDtrOpen) options_.Include(coLeaveDTROpen);  // no device flag of its own
}

TRTSSettings TCustomComm::RTSSettings() {
  ReadBackFlags();
  return rtsSettings_;
}
TDTRSettings TCustomComm::DTRSettings() {
  ReadBackFlags();
  return dtrSettings_;
}
TXOnXOffSettings TCustomComm::XOnXOffSettings() {
  ReadBackFlags();
  return xOnXOffSettings_;
}
TCommOptions TCustomComm::Options() {
  ReadBackFlags();
  return options_;
}

void TCustomComm::SetRTSSettings(TRTSSettings v) {
  if (v == RTSSettings() || flowControl_ != fcCustom) return;
  rtsSettings_ = v;
  ApplyIfOpen();
}

void TCustomComm::SetXOnXOffSettings(TXOnXOffSettings v) {
  if (v == XOnXOffSettings() || flowControl_ != fcCustom) return;
  xOnXOffSettings_ = v;
  ApplyIfOpen();
}

void TCustomComm::SetDTRSettings(TDTRSettings v) {
  const TDTRSettings current = DTRSettings();
  if (options_.Contains(coLeaveDTROpen)) {
    v.Exclude(fsDTRHandshake);
    v.Include(fsDTREnabled);
  }
  // Enable and handshake share one field: the newly asked one wins.
  if (v.Contains(fsDTREnabled) && v.Contains(fsDTRHandshake))
    v.Exclude(current.Contains(fsDTRHandshake) ? fsDTRHandshake : fsDTREnabled);
  if (v == current || flowControl_ != fcCustom) return;
  dtrSettings_ = v;
  ApplyIfOpen();
}

void TCustomComm::SetOptions(TCommOptions v) {
  const TCommOptions current = Options();
  if (IsDeviceOpen()) {
    if (current.Contains(coLeaveDTROpen))
      v.Include(coLeaveDTROpen);
    else
      v.Exclude(coLeaveDTROpen);
  }
  if (v == current) return;
  options_ = v;
  if (IsDeviceOpen())
    ApplyDeviceControl();
  else
    ApplyPreset();
}

// ---- applying settings ----

void TCustomComm::ApplyDeviceControl() {
  platform::TSerialControlBlock b;
  b.Binary = true;
  b.BaudRate = baudValue_;
  b.XonLim = b.XoffLim = uint16_t(buffers_.inputSize_ / 4);
  b.ByteSize = uint8_t(dataControl_.dataBits_ + 4);
  b.ParityCode = dataControl_.parity_;
  b.StopBits = dataControl_.stopBits_;
  b.XonChar = eventChars_.xonChar_;
  b.XoffChar = eventChars_.xoffChar_;
  b.ErrorChar = eventChars_.errorChar_;
  b.EofChar = eventChars_.eofChar_;
  b.EvtChar = eventChars_.eventChar_;
  b.OutxDsrFlow = dtrSettings_.Contains(fsDSROut);
  b.DtrControl = DtrField(dtrSettings_, options_);
  b.OutxCtsFlow = rtsSettings_.Contains(fsCTSOut);
  b.RtsControl = RtsField(rtsSettings_);
  b.InX = xOnXOffSettings_.Contains(fsInX);
  b.OutX = xOnXOffSettings_.Contains(fsOutX);
  b.Parity = options_.Contains(coParityCheck);
  b.DsrSensitivity = options_.Contains(coDSRSensitivity);
  b.ErrorCharEnabled = options_.Contains(coErrorChar);
  b.Null = options_.Contains(coDiscardNull);
  b.AbortOnError = options_.Contains(coAbortOnError);
  b.TXContinueOnXoff = options_.Contains(coTXContinueOnXOff);
  if (!device_->SetState(b)) RaiseDeviceError(sUnableToUpdateDCB, ecDeviceControl);
}

void TCustomComm::SettingChanged(TSettingGroup group) {
  if (!holdApply_ && IsDeviceOpen()) Apply(group);
}

void TCustomComm::AssignSettings(TObjectRef target, TObjectRef source, TSettingGroup group) {
  holdApply_ = true;
  try {
    AssignProperties(target, source);
  } catch (...) {
    holdApply_ = false;
    throw;
  }
  holdApply_ = false;
  if (IsDeviceOpen()) Apply(group);
}

void TCustomComm::Apply(TSettingGroup group) {
  switch (group) {
    case sgDeviceControl: return ApplyDeviceControl();
    case sgBuffers: return ApplyBuffers();
    case sgTimeouts: return ApplyTimeouts();
  }
}

void TCustomComm::ApplyBuffers() {
  if (!device_->Purge() || !device_->SetupQueues(buffers_.inputSize_, buffers_.outputSize_))
    RaiseDeviceError(sUnableToUpdateBuffers, ecBuffers);
}

void TCustomComm::ApplyTimeouts() {
  const platform::TSerialTimeouts t{timeouts_.readInterval_, timeouts_.readMultiplier_, timeouts_.readConstant_,
                                    timeouts_.writeMultiplier_, timeouts_.writeConstant_};
  if (!device_->SetTimeouts(t)) RaiseDeviceError(sUnableToUpdateTimeouts, ecTimeouts);
}

// ---- lifecycle ----

void TCustomComm::SetDeviceName(const std::string& name) {
  if (!IsDeviceOpen()) deviceName_ = name;
}

bool TCustomComm::Opened() const { return device_->IsOpen(); }
bool TCustomComm::IsDeviceOpen() const { return device_->IsOpen(); }

bool TCustomComm::OpenDevice() {
  if (IsDeviceOpen()) RaiseDeviceError(sDeviceAlreadyOpened, ecAlreadyOpened);
  locks_ = {};
  if (!device_->Open(deviceName_)) {
    const std::string pattern = sCannotOpenDevice;
    const size_t at = pattern.find("%s");
    const std::string message = pattern.substr(0, at) + deviceName_ + pattern.substr(at + 2);
    throw EDeviceError(message, ecCannotOpen);
  }
  thread_ = std::make_unique<TCommEventThread>(*this);
  ApplyDeviceControl();
  ApplyBuffers();
  ApplyTimeouts();
  return true;
}

void TCustomComm::CloseDevice() {
  if (!IsDeviceOpen()) RaiseDeviceError(sDeviceNotOpened, ecNotOpened);
  StopThread();
  device_->Close();
  bytesReceived_ = 0;
  bytesSent_ = 0;
}

void TCustomComm::StopThread() { thread_.reset(); }

TCommLocks TCustomComm::GetLockState() const { return IsDeviceOpen() ? locks_ : TCommLocks{lsSend, lsRead}; }

// A lost line is reported once, with its cause; the dead handle is then
// closed, so the caller's next look finds the port closed instead of the same
// error on every call, and opening it again works.
void TCustomComm::RaiseLineError(const char* message, int32_t code) {
  const int error = device_->LastError();
  // Only the owning thread may close: the event thread cannot wait for itself.
  if (device_->Lost() && std::this_thread::get_id() == ownerThread_) CloseDevice();
  RaiseDeviceErrorWithDetail(message, code, error);
}

// ---- queues and transfers ----

uint32_t TCustomComm::InQueCount() {
  if (!IsDeviceOpen()) RaiseDeviceError(sDeviceNotOpened, ecNotOpened);
  platform::TSerialStatus status;
  device_->ClearError(status);
  return status.InQue;
}

uint32_t TCustomComm::OutQueCount() {
  if (!IsDeviceOpen()) RaiseDeviceError(sDeviceNotOpened, ecNotOpened);
  platform::TSerialStatus status;
  device_->ClearError(status);
  return status.OutQue;
}

void TCustomComm::RunLocked(TCommLock lock, const std::function<void(TCustomComm*)>& handler) {
  if (!handler) return;
  locks_.Include(lock);
  try {
    handler(this);
  } catch (...) {
    locks_.Exclude(lock);
    throw;
  }
  locks_.Exclude(lock);
}

uint32_t TCustomComm::SendData(const void* buffer, uint32_t count, uint32_t limitMs) {
  if (!IsDeviceOpen()) RaiseDeviceError(sDeviceNotOpened, ecNotOpened);
  if (GetLockState().Contains(lsSend)) RaiseDeviceError(sSendLocked, ecSendLocked);
  const char* at = static_cast<const char*>(buffer);
  uint32_t result = 0;
  const uint32_t start = ClockNow();
  while (count > 0) {
    const uint32_t queued = OutQueCount();
    const uint32_t room = buffers_.outputSize_ > queued ? buffers_.outputSize_ - queued : 0;
    uint32_t written = 0;
    if (room != 0) {
      if (!device_->Write(at, std::min(room, count), written)) RaiseLineError(sUnableToWrite, ecWrite);
      HandleEvents({deOutEmpty});
    }
    if (written > 0) {
      bytesSent_ += written;
      result += written;
      count -= written;
      at += written;
      RunLocked(lsSend, OnSend);
      continue;
    }
    if (Elapsed(start) > limitMs) break;
    PauseBeforeRetry();
  }
  return result;
}

uint32_t TCustomComm::ReadData(void* buffer, uint32_t count, uint32_t limitMs) {
  if (!IsDeviceOpen()) RaiseDeviceError(sDeviceNotOpened, ecNotOpened);
  if (GetLockState().Contains(lsRead)) RaiseDeviceError(sReadLocked, ecReadLocked);
  char* at = static_cast<char*>(buffer);
  uint32_t result = 0;
  const uint32_t start = ClockNow();
  while (count > 0) {
    if (device_->Lost() && InQueCount() == 0) RaiseLineError(sUnableToRead, ecRead);
    const uint32_t avail = InQueCount();
    if (avail > 0) {
      uint32_t got = 0;
      if (!device_->Read(at, std::min(avail, count), got)) RaiseLineError(sUnableToRead, ecRead);
      bytesReceived_ += got;
      result += got;
      count -= got;
      at += got;
      if (got > 0) RunLocked(lsRead, OnRead);
      continue;
    }
    if (Elapsed(start) > limitMs) break;
    PauseBeforeRetry();
  }
  return result;
}

bool TCustomComm::SendString(const std::string& s) {
  return SendData(s.data(), uint32_t(s.size()), buffers_.OutputTimeout()) == s.size();
}

bool TCustomComm::ReadString(std::string& s) {
  s.assign(InQueCount(), '\0');
  // Nothing waiting on a line that is gone: that is the read error, not an
  // empty answer.
  if (s.empty() && device_->Lost()) RaiseLineError(sUnableToRead, ecRead);
  s.resize(ReadData(s.data(), uint32_t(s.size()), buffers_.InputTimeout()));
  return !s.empty();
}

// ---- event dispatch ----

void TCustomComm::HandleEvents(TDeviceEvents events) {
  if (!IsDeviceOpen() || destroying_) return;
  DoCommEvent(events);
}

void TCustomComm::DoCommEvent(TDeviceEvents events) {
  if (events.Contains(deChar) || events.Contains(deFlag)) DoData(InQueCount());
  const TDeviceEvents reported = events * MonitorEvents();
  if (OnCommEvent && !reported.Empty()) OnCommEvent(this, reported);
}

void TCustomComm::DoData(uint32_t count) {
  if (OnData) OnData(this, int(count));
}
