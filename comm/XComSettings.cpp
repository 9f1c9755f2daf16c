#include "comm/XComSettings.h"

#include <algorithm>

#include "comm/XComDrv.h"
#include "platform/SerialTypes.h"

// ---- data control ----

TDataBits TCommDataControl::DataBits() const {
  platform::TSerialControlBlock b;
  return owner_.DeviceState(b) ? TDataBits(std::clamp<int>(b.ByteSize - 4, db4, db8)) : dataBits_;
}
TParity TCommDataControl::Parity() const {
  platform::TSerialControlBlock b;
  return owner_.DeviceState(b) ? TParity(std::min<int>(b.ParityCode, paSpace)) : parity_;
}
TStopBits TCommDataControl::StopBits() const {
  platform::TSerialControlBlock b;
  return owner_.DeviceState(b) ? TStopBits(std::min<int>(b.StopBits, sb2)) : stopBits_;
}
void TCommDataControl::SetDataBits(TDataBits v) {
  if (StoreChanged(dataBits_, v)) owner_.SettingChanged(TCustomComm::sgDeviceControl);
}
void TCommDataControl::SetParity(TParity v) {
  if (StoreChanged(parity_, v)) owner_.SettingChanged(TCustomComm::sgDeviceControl);
}
void TCommDataControl::SetStopBits(TStopBits v) {
  if (StoreChanged(stopBits_, v)) owner_.SettingChanged(TCustomComm::sgDeviceControl);
}
const TClassInfo& TCommDataControl::StaticClass() {
  using C = TCommDataControl;
  static const TClassInfo info = TClassBuilder<C>("TCommDataControl")
                                     .Enum("DataBits", &C::DataBits, &C::SetDataBits)
                                     .Enum("Parity", &C::Parity, &C::SetParity)
                                     .Enum("StopBits", &C::StopBits, &C::SetStopBits)
                                     .Build();
  return info;
}
void TCommDataControl::Assign(const TCommDataControl& source) {
  owner_.AssignSettings({this, &StaticClass()}, {const_cast<std::remove_const_t<std::remove_reference_t<decltype(source)>>*>(&source), &StaticClass()},
                        TCustomComm::sgDeviceControl);
}

// ---- buffers ----

namespace {
uint16_t ClampSize(uint16_t v) { return std::clamp<uint16_t>(v, 128, TCustomComm::QueueSizeLimit()); }
}  // namespace

uint16_t TCommBuffers::InputSize() const {
  platform::TSerialProperties p;
  return owner_.DeviceProperties(p) && p.CurrentRxQueue ? uint16_t(p.CurrentRxQueue) : inputSize_;
}
uint16_t TCommBuffers::OutputSize() const {
  platform::TSerialProperties p;
  return owner_.DeviceProperties(p) && p.CurrentTxQueue ? uint16_t(p.CurrentTxQueue) : outputSize_;
}
void TCommBuffers::SetInputSize(uint16_t v) {
  if (StoreChanged(inputSize_, ClampSize(v))) owner_.SettingChanged(TCustomComm::sgBuffers);
}
void TCommBuffers::SetOutputSize(uint16_t v) {
  if (StoreChanged(outputSize_, ClampSize(v))) owner_.SettingChanged(TCustomComm::sgBuffers);
}
const TClassInfo& TCommBuffers::StaticClass() {
  using C = TCommBuffers;
  static const TClassInfo info = TClassBuilder<C>("TCommBuffers")
                                     .Integer("InputSize", &C::InputSize, &C::SetInputSize)
                                     .Integer("OutputSize", &C::OutputSize, &C::SetOutputSize)
                                     .Integer("InputTimeout", &C::InputTimeout, &C::SetInputTimeout)
                                     .Integer("OutputTimeout", &C::OutputTimeout, &C::SetOutputTimeout)
                                     .Build();
  return info;
}
void TCommBuffers::Assign(const TCommBuffers& source) {
  owner_.AssignSettings({this, &StaticClass()}, {const_cast<std::remove_const_t<std::remove_reference_t<decltype(source)>>*>(&source), &StaticClass()},
                        TCustomComm::sgBuffers);
}

// ---- event characters ----

namespace {
using TCharField = char platform::TSerialControlBlock::*;
char ReadChar(const TCustomComm& owner, TCharField field, char stored);
void SetChar(TCustomComm& owner, char& field, char v) {
  if (StoreChanged(field, v)) owner.SettingChanged(TCustomComm::sgDeviceControl);
}
}  // namespace

char TCommEventChars::XonChar() const { return ReadChar(owner_, &platform::TSerialControlBlock::XonChar, xonChar_); }
char TCommEventChars::XoffChar() const {
  return ReadChar(owner_, &platform::TSerialControlBlock::XoffChar, xoffChar_);
}
char TCommEventChars::EofChar() const { return ReadChar(owner_, &platform::TSerialControlBlock::EofChar, eofChar_); }
char TCommEventChars::ErrorChar() const {
  return ReadChar(owner_, &platform::TSerialControlBlock::ErrorChar, errorChar_);
}
char TCommEventChars::EventChar() const {
  return ReadChar(owner_, &platform::TSerialControlBlock::EvtChar, eventChar_);
}
void TCommEventChars::SetXonChar(char v) { SetChar(owner_, xonChar_, v); }
void TCommEventChars::SetXoffChar(char v) { SetChar(owner_, xoffChar_, v); }
void TCommEventChars::SetEofChar(char v) { SetChar(owner_, eofChar_, v); }
void TCommEventChars::SetErrorChar(char v) { SetChar(owner_, errorChar_, v); }
void TCommEventChars::SetEventChar(char v) { SetChar(owner_, eventChar_, v); }
const TClassInfo& TCommEventChars::StaticClass() {
  using C = TCommEventChars;
  static const TClassInfo info = TClassBuilder<C>("TCommEventChars")
                                     .Char("XonChar", &C::XonChar, &C::SetXonChar)
                                     .Char("XoffChar", &C::XoffChar, &C::SetXoffChar)
                                     .Char("EofChar", &C::EofChar, &C::SetEofChar)
                                     .Char("ErrorChar", &C::ErrorChar, &C::SetErrorChar)
                                     .Char("EventChar", &C::EventChar, &C::SetEventChar)
                                     .Build();
  return info;
}
void TCommEventChars::Assign(const TCommEventChars& source) {
  owner_.AssignSettings({this, &StaticClass()}, {const_cast<std::remove_const_t<std::remove_reference_t<decltype(source)>>*>(&source), &StaticClass()},
                        TCustomComm::sgDeviceControl);
}

// ---- time-outs ----

namespace {
using TTimeoutField = uint32_t platform::TSerialTimeouts::*;
uint32_t ReadTimeout(const TCustomComm& owner, TTimeoutField field, uint32_t stored);
void SetTimeout(TCustomComm& owner, uint32_t& field, uint32_t v) {
  if (StoreChanged(field, v)) owner.SettingChanged(TCustomComm::sgTimeouts);
}
}  // namespace

uint32_t TCommTimeoutsEx::ReadInterval() const {
  return ReadTimeout(owner_, &platform::TSerialTimeouts::ReadIntervalTimeout, readInterval_);
}
uint32_t TCommTimeoutsEx::ReadMultiplier() const {
  return ReadTimeout(owner_, &platform::TSerialTimeouts::ReadTotalTimeoutMultiplier, readMultiplier_);
}
uint32_t TCommTimeoutsEx::ReadConstant() const {
  return ReadTimeout(owner_, &platform::TSerialTimeouts::ReadTotalTimeoutConstant, readConstant_);
}
uint32_t TCommTimeoutsEx::WriteMultiplier() const {
  return ReadTimeout(owner_, &platform::TSerialTimeouts::WriteTotalTimeoutMultiplier, writeMultiplier_);
}
uint32_t TCommTimeoutsEx::WriteConstant() const {
  return ReadTimeout(owner_, &platform::TSerialTimeouts::WriteTotalTimeoutConstant, writeConstant_);
}
void TCommTimeoutsEx::SetReadInterval(uint32_t v) { SetTimeout(owner_, readInterval_, v); }
void TCommTimeoutsEx::SetReadMultiplier(uint32_t v) { SetTimeout(owner_, readMultiplier_, v); }
void TCommTimeoutsEx::SetReadConstant(uint32_t v) { SetTimeout(owner_, readConstant_, v); }
void TCommTimeoutsEx::SetWriteMultiplier(uint32_t v) { SetTimeout(owner_, writeMultiplier_, v); }
void TCommTimeoutsEx::SetWriteConstant(uint32_t v) { SetTimeout(owner_, writeConstant_, v); }
const TClassInfo& TCommTimeoutsEx::StaticClass() {
  using C = TCommTimeoutsEx;
  // Published as 32-bit integers, as the device's time-out record holds them.
  auto get = [](uint32_t (C::*f)() const) { return [f](const C& c) { return static_cast<int32_t>((c.*f)()); }; };
  auto set = [](void (C::*f)(uint32_t)) { return [f](C& c, int32_t v) { (c.*f)(static_cast<uint32_t>(v)); }; };
  static const TClassInfo info =
      TClassBuilder<C>("TCommTimeoutsEx")
          .Integer("ReadInterval", get(&C::ReadInterval), set(&C::SetReadInterval))
          .Integer("ReadMultiplier", get(&C::ReadMultiplier), set(&C::SetReadMultiplier))
          .Integer("ReadConstant", get(&C::ReadConstant), set(&C::SetReadConstant))
          .Integer("WriteMultiplier", get(&C::WriteMultiplier), set(&C::SetWriteMultiplier))
          .Integer("WriteConstant", get(&C::WriteConstant), set(&C::SetWriteConstant))
          .Build();
  return info;
}
void TCommTimeoutsEx::Assign(const TCommTimeoutsEx& source) {
  owner_.AssignSettings({this, &StaticClass()}, {const_cast<std::remove_const_t<std::remove_reference_t<decltype(source)>>*>(&source), &StaticClass()},
                        TCustomComm::sgTimeouts);
}

namespace {
char ReadChar(const TCustomComm& owner, TCharField field, char stored) {
  platform::TSerialControlBlock b;
  return owner.DeviceState(b) ? b.*field : stored;
}
uint32_t ReadTimeout(const TCustomComm& owner, TTimeoutField field, uint32_t stored) {
  platform::TSerialTimeouts t;
  return owner.DeviceTimeouts(t) ? t.*field : stored;
}
}  // namespace
