#include "tools/opc-sim/ModbusSource.h"

#include <modbus.h>

TModbusSource::~TModbusSource() { Drop(); }

void TModbusSource::Drop() {
  if (!context_) return;
  modbus_close(context_);
  modbus_free(context_);
  context_ = nullptr;
}

bool TModbusSource::Connected() {
  if (context_) return true;
  context_ = modbus_new_tcp(address_.Host.c_str(), address_.Port);
  if (!context_) return false;
  // An update must not wait long for a device that does not answer: the next
  // one tries again.
  modbus_set_response_timeout(context_, 0, 500000);
  if (modbus_set_slave(context_, address_.Unit) != 0 || modbus_connect(context_) != 0) {
    Drop();
    return false;
  }
  return true;
}

std::optional<uint16_t> TModbusSource::Read() {
  if (!Connected()) return std::nullopt;
  uint16_t value = 0;
  if (modbus_read_registers(context_, address_.Register, 1, &value) != 1) {
    Drop();
    return std::nullopt;
  }
  return value;
}

bool TModbusSource::Write(uint16_t value) {
  if (!Connected()) return false;
  if (modbus_write_register(context_, address_.Register, value) != 1) {
    Drop();
    return false;
  }
  return true;
}
