#include "platform/SerialTermios.h"

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

namespace platform::termios2 {
namespace {

bool Get(int fd, struct termios2& t) { return ioctl(fd, TCGETS2, &t) == 0; }
bool Set(int fd, const struct termios2& t) { return ioctl(fd, TCSETS2, &t) == 0; }

tcflag_t SizeFlag(uint8_t byteSize) {
  switch (byteSize) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

bool Valid(const TSerialControlBlock& b) {
  // 1.5 stop bits and byte sizes below 5 have no termios form.
  return b.ByteSize >= 5 && b.ByteSize <= 8 && b.ParityCode <= 4 && (b.StopBits == 0 || b.StopBits == 2) &&
         b.BaudRate > 0;
}

// The classic code of a standard speed, so that programs reading the line
// with plain termios see it; 0 for any other speed.
tcflag_t StandardSpeed(uint32_t rate) {
  static constexpr struct {
    uint32_t rate;
    tcflag_t code;
  } kSpeeds[] = {{50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
                 {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
                 {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
                 {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600}};
  for (const auto& s : kSpeeds)
    if (s.rate == rate) return s.code;
  return 0;
}

tcflag_t ParityFlags(uint8_t code) {
  switch (code) {
    case 1: return PARENB | PARODD;
    case 2: return PARENB;
    case 3: return PARENB | PARODD | CMSPAR;  // mark: the parity bit is always 1
    case 4: return PARENB | CMSPAR;           // space: always 0
    default: return 0;
  }
}

uint8_t ParityCode(tcflag_t c) {
  if (!(c & PARENB)) return 0;
  if (c & CMSPAR) return (c & PARODD) ? 3 : 4;
  return (c & PARODD) ? 1 : 2;
}

}  // namespace

bool MakeRaw(int fd) {
  struct termios2 t {};
  if (!Get(fd, t)) return false;
  t.c_iflag = 0;
  t.c_oflag = 0;
  t.c_lflag = 0;
  t.c_cflag = (t.c_cflag & ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS)) | CS8 | CREAD | CLOCAL;
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  return Set(fd, t);
}

bool Apply(int fd, const TSerialControlBlock& b) {
  if (!Valid(b)) {
    errno = EINVAL;
    return false;
  }
  struct termios2 t {};
  if (!Get(fd, t)) return false;
  t.c_iflag = 0;
  if (b.Parity) t.c_iflag |= INPCK;
  if (b.OutX) t.c_iflag |= IXON;
  if (b.InX) t.c_iflag |= IXOFF;
  t.c_oflag = 0;
  t.c_lflag = 0;
  // Speed by number; an input speed field of 0 means "same as output".
  t.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT) | CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
  const tcflag_t standard = StandardSpeed(b.BaudRate);
  t.c_cflag |= (standard ? standard : BOTHER) | CREAD | CLOCAL | SizeFlag(b.ByteSize) | ParityFlags(b.ParityCode);
  if (b.StopBits == 2) t.c_cflag |= CSTOPB;
  // Linux has one switch for hardware flow control in both directions.
  if (b.OutxCtsFlow || b.RtsControl == RTS_CONTROL_HANDSHAKE) t.c_cflag |= CRTSCTS;
  t.c_ispeed = t.c_ospeed = b.BaudRate;
  t.c_cc[VSTART] = static_cast<cc_t>(b.XonChar);
  t.c_cc[VSTOP] = static_cast<cc_t>(b.XoffChar);
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  return Set(fd, t);
}

bool Read(int fd, TSerialControlBlock& b) {
  struct termios2 t {};
  if (!Get(fd, t)) return false;
  b.BaudRate = t.c_ospeed;
  switch (t.c_cflag & CSIZE) {
    case CS5: b.ByteSize = 5; break;
    case CS6: b.ByteSize = 6; break;
    case CS7: b.ByteSize = 7; break;
    default: b.ByteSize = 8; break;
  }
  b.ParityCode = ParityCode(t.c_cflag);
  b.StopBits = (t.c_cflag & CSTOPB) ? 2 : 0;
  b.Parity = (t.c_iflag & INPCK) != 0;
  b.OutX = (t.c_iflag & IXON) != 0;
  b.InX = (t.c_iflag & IXOFF) != 0;
  b.XonChar = static_cast<char>(t.c_cc[VSTART]);
  b.XoffChar = static_cast<char>(t.c_cc[VSTOP]);
  return true;
}

}  // namespace platform::termios2
