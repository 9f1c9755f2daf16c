// The settings objects of the serial component: framing, queue sizes and time
// limits, the special characters, and the device time-out record. Each belongs
// to one TCustomComm. While the device is closed they read and write their
// stored values; while it is open a write is applied to the device at once and
// most reads ask the device. Each publishes its settings; Assign copies them
// all through the reflection mechanism and applies them to an open device
// once.
#pragma once
#include <cstdint>

#include "comm/XComTypes.h"
#include "components/iReflection.h"

class TCustomComm;

class TCommDataControl {
 public:
  explicit TCommDataControl(TCustomComm& owner) : owner_(owner) {}
  static const TClassInfo& StaticClass();
  TDataBits DataBits() const;  // db8
  void SetDataBits(TDataBits v);
  TParity Parity() const;  // paNone
  void SetParity(TParity v);
  TStopBits StopBits() const;  // sb1
  void SetStopBits(TStopBits v);
  // Copies through the source's readers; applies them if this owner is open.
  void Assign(const TCommDataControl& source);

 private:
  friend class TCustomComm;
  TCustomComm& owner_;
  TDataBits dataBits_ = db8;
  TParity parity_ = paNone;
  TStopBits stopBits_ = sb1;
};

class TCommBuffers {
 public:
  explicit TCommBuffers(TCustomComm& owner) : owner_(owner) {}
  static const TClassInfo& StaticClass();
  uint16_t InputSize() const;  // 2048, clamped to 128 ... QueueSizeLimit()
  void SetInputSize(uint16_t v);
  uint16_t OutputSize() const;  // 2048, clamped likewise
  void SetOutputSize(uint16_t v);
  uint16_t InputTimeout() const { return inputTimeout_; }  // 500 ms per read call
  void SetInputTimeout(uint16_t v) { inputTimeout_ = v; }
  uint16_t OutputTimeout() const { return outputTimeout_; }  // 500 ms per write call
  void SetOutputTimeout(uint16_t v) { outputTimeout_ = v; }
  void Assign(const TCommBuffers& source);

 private:
  friend class TCustomComm;
  TCustomComm& owner_;
  uint16_t inputSize_ = 2048, outputSize_ = 2048;
  uint16_t inputTimeout_ = 500, outputTimeout_ = 500;
};

class TCommEventChars {
 public:
  explicit TCommEventChars(TCustomComm& owner) : owner_(owner) {}
  static const TClassInfo& StaticClass();
  char XonChar() const;  // 17
  void SetXonChar(char v);
  char XoffChar() const;  // 19
  void SetXoffChar(char v);
  char EofChar() const;  // 0
  void SetEofChar(char v);
  char ErrorChar() const;  // 0, replaces bytes received with a parity error
  void SetErrorChar(char v);
  char EventChar() const;  // 10, reported as deFlag
  void SetEventChar(char v);
  void Assign(const TCommEventChars& source);

 private:
  friend class TCustomComm;
  TCustomComm& owner_;
  char xonChar_ = 17, xoffChar_ = 19, eofChar_ = 0, errorChar_ = 0, eventChar_ = 10;
};

class TCommTimeoutsEx {
 public:
  explicit TCommTimeoutsEx(TCustomComm& owner) : owner_(owner) {}
  static const TClassInfo& StaticClass();
  uint32_t ReadInterval() const;  // 1
  void SetReadInterval(uint32_t v);
  uint32_t ReadMultiplier() const;  // 0
  void SetReadMultiplier(uint32_t v);
  uint32_t ReadConstant() const;  // 1
  void SetReadConstant(uint32_t v);
  uint32_t WriteMultiplier() const;  // 0
  void SetWriteMultiplier(uint32_t v);
  uint32_t WriteConstant() const;  // 1
  void SetWriteConstant(uint32_t v);
  void Assign(const TCommTimeoutsEx& source);

 private:
  friend class TCustomComm;
  TCustomComm& owner_;
  uint32_t readInterval_ = 1, readMultiplier_ = 0, readConstant_ = 1, writeMultiplier_ = 0, writeConstant_ = 1;
};
