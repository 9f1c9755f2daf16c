// The device control block on a Linux terminal, through termios2 so that any
// speed can be set (BOTHER). Kept apart because the kernel's termios2 header
// cannot share a file with the C library's <termios.h>.
#pragma once
#include "platform/SerialTypes.h"

namespace platform::termios2 {

// Raw mode keeping the present speed; false with errno set.
bool MakeRaw(int fd);
// Writes the fields that termios carries; false with errno set (EINVAL for
// a byte size, parity or stop-bits code that the line cannot take).
bool Apply(int fd, const TSerialControlBlock& block);
// Overlays the fields termios carries onto `block`; false with errno set.
bool Read(int fd, TSerialControlBlock& block);

}  // namespace platform::termios2
