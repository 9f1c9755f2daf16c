// The records of the classic comm-driver model that the serial device speaks:
// the device control block, the time-out record, the status and properties
// queries, and the event and error bits. Plain values, no OS types.
#pragma once
#include <cstdint>

namespace platform {

// Event bits of the device event mask, bit for bit the order of the
// component's device events.
enum : uint32_t {
  EV_RXCHAR = 0x0001,    // a byte was received
  EV_RXFLAG = 0x0002,    // the event character was received
  EV_TXEMPTY = 0x0004,   // the output queue ran empty
  EV_CTS = 0x0008,       // CTS changed
  EV_DSR = 0x0010,       // DSR changed
  EV_RLSD = 0x0020,      // carrier detect changed
  EV_BREAK = 0x0040,     // a break was received
  EV_ERR = 0x0080,       // a framing, overrun or parity error
  EV_RING = 0x0100,      // a ring indicator edge
  EV_PERR = 0x0200,      // printer error (never on a serial line)
  EV_RX80FULL = 0x0400,  // the input queue is 80% full
  EV_EVENT1 = 0x0800,    // provider event 1 (never here)
  EV_EVENT2 = 0x1000,    // provider event 2 (never here)
};

// Error bits of the status query.
enum : uint32_t {
  CE_RXOVER = 0x0001,    // the input queue was full while more bytes waited
  CE_OVERRUN = 0x0002,   // the hardware lost bytes
  CE_RXPARITY = 0x0004,  // parity error
  CE_FRAME = 0x0008,     // framing error
  CE_BREAK = 0x0010,     // break received
};

// Values of the 2-bit DTR and RTS control fields.
enum : uint8_t { DTR_CONTROL_DISABLE = 0, DTR_CONTROL_ENABLE = 1, DTR_CONTROL_HANDSHAKE = 2 };
enum : uint8_t { RTS_CONTROL_DISABLE = 0, RTS_CONTROL_ENABLE = 1, RTS_CONTROL_HANDSHAKE = 2, RTS_CONTROL_TOGGLE = 3 };

struct TSerialControlBlock {
  uint32_t BaudRate = 9600;      // bits per second, any positive rate
  bool Binary = true;            // always on: there is no text mode
  bool Parity = false;           // check parity of received bytes
  bool OutxCtsFlow = false;      // hold output while CTS is off
  bool OutxDsrFlow = false;      // hold output while DSR is off
  uint8_t DtrControl = DTR_CONTROL_DISABLE;
  bool DsrSensitivity = false;   // ignore bytes while DSR is off
  bool TXContinueOnXoff = false;
  bool OutX = false;             // XON/XOFF output flow control
  bool InX = false;              // XON/XOFF input flow control
  bool ErrorCharEnabled = false; // replace bad bytes by ErrorChar
  bool Null = false;             // discard received zero bytes
  uint8_t RtsControl = RTS_CONTROL_DISABLE;
  bool AbortOnError = false;
  uint16_t XonLim = 0, XoffLim = 0;
  uint8_t ByteSize = 8;          // 5 ... 8
  uint8_t ParityCode = 0;        // 0 none, 1 odd, 2 even, 3 mark, 4 space
  uint8_t StopBits = 0;          // 0 one, 1 one and a half (refused), 2 two
  char XonChar = 17, XoffChar = 19, ErrorChar = 0, EofChar = 0, EvtChar = 0;
};

// Milliseconds; the order of the classic time-out record.
struct TSerialTimeouts {
  uint32_t ReadIntervalTimeout = 0;
  uint32_t ReadTotalTimeoutMultiplier = 0;
  uint32_t ReadTotalTimeoutConstant = 0;
  uint32_t WriteTotalTimeoutMultiplier = 0;
  uint32_t WriteTotalTimeoutConstant = 0;
  bool operator==(const TSerialTimeouts&) const = default;
};

struct TSerialStatus {
  uint32_t Errors = 0;  // CE_ bits since the last query
  uint32_t InQue = 0;   // bytes waiting to be read
  uint32_t OutQue = 0;  // bytes waiting to be sent
};

struct TSerialProperties {
  uint32_t CurrentTxQueue = 0;  // 0 until queue sizes were set
  uint32_t CurrentRxQueue = 0;
};

}  // namespace platform
