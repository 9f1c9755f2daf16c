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
  if (StoreChanged(dataBits_, v)) owner_.ApplyIfOpen();
}
void TCommDataControl::SetParity(TParity v) {
  if (StoreChanged(parity_, v)) owner_.ApplyIfOpen();
}
void TCommDataControl::SetStopBits(TStopBits v) {
  if (StoreChanged(stopBits_, v)) owner_.ApplyIfOpen();
}
void TCommDataControl::Assign(const TCommDataControl& source) {
  dataBits_ = source.DataBits();
  parity_ = source.Parity();
  stopBits_ = source.StopBits();
  owner_.ApplyIfOpen();
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
  if (StoreChanged(inputSize_, ClampSize(v)) && owner_.IsDeviceOpen()) owner_.ApplyBuffers();
}
void TCommBuffers::SetOutputSize(uint16_t v) {
  if (StoreChanged(outputSize_, ClampSize(v)) && owner_.IsDeviceOpen()) owner_.ApplyBuffers();
}
void TCommBuffers::Assign(const TCommBuffers& source) {
  inputSize_ = ClampSize(source.InputSize());
  outputSize_ = ClampSize(source.OutputSize());
  inputTimeout_ = source.inputTimeout_;
  outputTimeout_ = source.outputTimeout_;
  if (owner_.IsDeviceOpen()) owner_.ApplyBuffers();
}

// ---- event characters ----

namespace {
using TCharField = char platform::TSerialControlBlock::*;
char ReadChar(const TCustomComm& owner, TCharField field, char stored);
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
void TCommEventChars::SetXonChar(char v) { Set(xonChar_, v); }
void TCommEventChars::SetXoffChar(char v) { Set(xoffChar_, v); }
void TCommEventChars::SetEofChar(char v) { Set(eofChar_, v); }
void TCommEventChars::SetErrorChar(char v) { Set(errorChar_, v); }
void TCommEventChars::SetEventChar(char v) { Set(eventChar_, v); }
void TCommEventChars::Set(char& field, char v) {
  if (StoreChanged(field, v)) owner_.ApplyIfOpen();
}
void TCommEventChars::Assign(const TCommEventChars& source) {
  xonChar_ = source.XonChar();
  xoffChar_ = source.XoffChar();
  eofChar_ = source.EofChar();
  errorChar_ = source.ErrorChar();
  eventChar_ = source.EventChar();
  owner_.ApplyIfOpen();
}

// ---- time-outs ----

namespace {
using TTimeoutField = uint32_t platform::TSerialTimeouts::*;
uint32_t ReadTimeout(const TCustomComm& owner, TTimeoutField field, uint32_t stored);
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
void TCommTimeoutsEx::SetReadInterval(uint32_t v) { Set(readInterval_, v); }
void TCommTimeoutsEx::SetReadMultiplier(uint32_t v) { Set(readMultiplier_, v); }
void TCommTimeoutsEx::SetReadConstant(uint32_t v) { Set(readConstant_, v); }
void TCommTimeoutsEx::SetWriteMultiplier(uint32_t v) { Set(writeMultiplier_, v); }
void TCommTimeoutsEx::SetWriteConstant(uint32_t v) { Set(writeConstant_, v); }
void TCommTimeoutsEx::Set(uint32_t& field, uint32_t v) {
  if (StoreChanged(field, v) && owner_.IsDeviceOpen()) owner_.ApplyTimeouts();
}
void TCommTimeoutsEx::Assign(const TCommTimeoutsEx& source) {
  readInterval_ = source.ReadInterval();
  readMultiplier_ = source.ReadMultiplier();
  readConstant_ = source.ReadConstant();
  writeMultiplier_ = source.WriteMultiplier();
  writeConstant_ = source.WriteConstant();
  if (owner_.IsDeviceOpen()) owner_.ApplyTimeouts();
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
