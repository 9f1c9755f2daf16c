// The value types of the serial component: its enumerations, the bit sets
// built from them, the speed table and the display names for settings dialogs.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include <initializer_list>

#include "platform/StoreChanged.h"

enum TBaudRate : uint8_t {
  br110, br300, br600, br1200, br2400, br4800, br9600, br14400, br19200, br38400,
  br56000, br57600, br115200, br128000, br256000, brCustom
};
enum TDataBits : uint8_t { db4, db5, db6, db7, db8 };
inline const std::vector<std::string>& EnumValueNames(TDataBits) {
  static const std::vector<std::string> names{"db4", "db5", "db6", "db7", "db8"};
  return names;
}
enum TParity : uint8_t { paNone, paOdd, paEven, paMark, paSpace };
inline const std::vector<std::string>& EnumValueNames(TParity) {
  static const std::vector<std::string> names{"paNone", "paOdd", "paEven", "paMark", "paSpace"};
  return names;
}
enum TStopBits : uint8_t { sb1, sb1p5, sb2 };
inline const std::vector<std::string>& EnumValueNames(TStopBits) {
  static const std::vector<std::string> names{"sb1", "sb1p5", "sb2"};
  return names;
}
enum TFlowControl : uint8_t { fcNone, fcRtsCts, fcDtrDsr, fcSoftware, fcCustom };
enum TRTSSetting : uint8_t { fsCTSOut, fsRTSEnabled, fsRTSHandshake };
enum TDTRSetting : uint8_t { fsDSROut, fsDTREnabled, fsDTRHandshake };
enum TXOnXOffSetting : uint8_t { fsInX, fsOutX };
enum TCommOption : uint8_t {
  coAbortOnError, coDiscardNull, coDSRSensitivity, coErrorChar, coParityCheck, coTXContinueOnXOff, coLeaveDTROpen
};
// Bit for bit the device event mask: element n is bit n.
enum TDeviceEvent : uint8_t {
  deChar, deFlag, deOutEmpty, deCTS, deDSR, deRLSD, deBreak, deError, deRing, dePrintError, deIn80Full, deProv1, deProv2
};
enum TCommLock : uint8_t { lsSend, lsRead };

// A set of enumeration values stored as bits in declaration order.
template <class E>
class TCommSet {
 public:
  constexpr TCommSet() = default;
  constexpr TCommSet(std::initializer_list<E> elements) {
    for (E e : elements) bits_ |= Bit(e);
  }
  static constexpr TCommSet FromBits(uint32_t bits) {
    TCommSet s;
    s.bits_ = uint16_t(bits);
    return s;
  }
  constexpr uint16_t Bits() const { return bits_; }
  constexpr bool Contains(E e) const { return bits_ & Bit(e); }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(E e) { bits_ |= Bit(e); }
  constexpr void Exclude(E e) { bits_ &= uint16_t(~Bit(e)); }
  constexpr TCommSet operator*(TCommSet o) const { return FromBits(bits_ & o.bits_); }  // intersection
  constexpr TCommSet operator+(TCommSet o) const { return FromBits(bits_ | o.bits_); }  // union
  constexpr bool operator==(const TCommSet&) const = default;

 private:
  static constexpr uint16_t Bit(E e) { return uint16_t(1u << unsigned(e)); }
  uint16_t bits_ = 0;
};

using TRTSSettings = TCommSet<TRTSSetting>;
using TDTRSettings = TCommSet<TDTRSetting>;
using TXOnXOffSettings = TCommSet<TXOnXOffSetting>;
using TCommOptions = TCommSet<TCommOption>;
using TDeviceEvents = TCommSet<TDeviceEvent>;
using TCommLocks = TCommSet<TCommLock>;

// BaudRate ordinal -> bits per second; brCustom has no entry.
inline constexpr uint32_t BaudRates[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                         19200, 38400, 56000, 57600, 115200, 128000, 256000};

// Display names for settings dialogs; the component itself uses none of them.
inline constexpr const char* FlowControlNames[] = {"None", "CTS/RTS", "DTR/DSR", "XOn/XOff", "Custom"};
inline constexpr const char* ParityNames[] = {"None", "Odd", "Even", "Mark", "Space"};
inline constexpr const char* StopBitsNames[] = {"1", "1.5", "2"};
inline constexpr const char* ModemResultNames[] = {"OK",    "CONNECT",     "RING", "NO CARRIER",
                                                   "ERROR", "NO DIALTONE", "BUSY", "NO ANSWER"};

