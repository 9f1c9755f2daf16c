// One holding register of a Modbus TCP server, read and written through
// libmodbus. The connection is made on first use and made again after a
// failure, so an item follows a device that goes away and comes back. Used by
// the stand-in's worker thread only.
#pragma once
#include <cstdint>
#include <optional>

#include "tools/opc-sim/SimItems.h"

typedef struct _modbus modbus_t;

class TModbusSource {
 public:
  explicit TModbusSource(TModbusAddress address) : address_(std::move(address)) {}
  ~TModbusSource();
  TModbusSource(const TModbusSource&) = delete;
  TModbusSource& operator=(const TModbusSource&) = delete;

  // The register's value; nothing when the server cannot be reached or
  // refuses the request.
  std::optional<uint16_t> Read();
  bool Write(uint16_t value);

 private:
  bool Connected();
  void Drop();
  TModbusAddress address_;
  modbus_t* context_ = nullptr;
};
