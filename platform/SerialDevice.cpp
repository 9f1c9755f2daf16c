#include "platform/SerialDevice.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <termios.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <mutex>

#include "platform/SerialTermios.h"

namespace platform {
namespace {

constexpr uint32_t kModemEvents = EV_CTS | EV_DSR | EV_RLSD | EV_RING | EV_BREAK | EV_ERR;
// Drivers with modem lines have no pollable "line changed" signal, so the wait
// looks at them this often; devices without them (pseudo-terminals) wait with
// no time-out at all.
constexpr int kModemPollMs = 100;
constexpr uint32_t kDefaultQueue = 4096;

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool IsLoss(int error) { return error == EIO || error == ENODEV || error == ENXIO || error == EPIPE; }

void Notify(int fd) {
  const uint64_t one = 1;
  if (fd >= 0) (void)!write(fd, &one, sizeof one);
}

void Drain(int fd) {
  uint64_t value;
  (void)!read(fd, &value, sizeof value);
}

// poll() that retries on signals.
int PollFor(pollfd* fds, nfds_t count, int timeoutMs) {
  for (;;) {
    const int n = poll(fds, count, timeoutMs);
    if (n >= 0 || errno != EINTR) return n;
  }
}

// A deadline of the time-out record: none when the limit is 0.
struct TDeadline {
  explicit TDeadline(uint64_t limitMs) : limit(limitMs), start(NowMs()) {}
  bool Expired() const { return limit && NowMs() - start >= int64_t(limit); }
  int Remaining() const {
    if (!limit) return -1;
    return int(std::clamp<int64_t>(int64_t(limit) - (NowMs() - start), 0, 1 << 30));
  }
  uint64_t limit;
  int64_t start;
};

}  // namespace

// ---- stop event ----

TSerialStopEvent::TSerialStopEvent() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
TSerialStopEvent::~TSerialStopEvent() {
  if (fd_ >= 0) close(fd_);
}
void TSerialStopEvent::Signal() { Notify(fd_); }
void TSerialStopEvent::Reset() { Drain(fd_); }
bool TSerialStopEvent::Signalled() const {
  pollfd p{fd_, POLLIN, 0};
  return PollFor(&p, 1, 0) > 0;
}

// ---- device ----

struct TSerialDevice::TImpl {
  int fd = -1;
  int wake = -1;  // tells a waiting WaitEvent that the mask or the queue changed
  mutable std::mutex lock;
  std::deque<char> input;
  uint32_t inputSize = kDefaultQueue, outputSize = kDefaultQueue;
  TSerialProperties properties;
  TSerialControlBlock block;  // what termios cannot hold is kept from the last set
  TSerialTimeouts timeouts;
  uint32_t eventMask = 0, history = 0, errors = 0;
  bool lost = false;
  int lostError = 0;
  bool modemLines = false, lineCounts = false;
  int lastModem = 0;
  serial_icounter_struct lastCounts{};
  int lastError = 0;

  bool Fail(int error) {
    lastError = error;
    return false;
  }
  bool FailErrno() { return Fail(errno); }

  void MarkLost(int error) {
    if (lost) return;
    lost = true;
    lostError = lastError = error ? error : EIO;
    Notify(wake);
  }

  // Takes what the line has into the input queue. Called with `lock` held.
  void Pump() {
    if (fd < 0 || lost) return;
    char chunk[512];
    for (;;) {
      const size_t room = inputSize > input.size() ? inputSize - input.size() : 0;
      if (room == 0) {
        int waiting = 0;
        if (ioctl(fd, FIONREAD, &waiting) == 0 && waiting > 0) errors |= CE_RXOVER;
        return;
      }
      const ssize_t n = read(fd, chunk, std::min(room, sizeof chunk));
      if (n > 0) {
        Take(chunk, size_t(n));
        continue;
      }
      if (n == 0) return MarkLost(EIO);  // a hung-up terminal reads end of file
      if (errno == EINTR) continue;
      if (errno != EAGAIN && IsLoss(errno)) MarkLost(errno);
      return;
    }
  }

  void Take(const char* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const char c = bytes[i];
      if (block.Null && c == 0) continue;
      if (c == block.EvtChar) history |= EV_RXFLAG;
      input.push_back(c);
      history |= EV_RXCHAR;
    }
    if (input.size() * 5 >= size_t(inputSize) * 4) history |= EV_RX80FULL;
    Notify(wake);  // a status query or a read may have found them: tell the waiter
  }

  // Modem-line and line-error changes since the last look, as events.
  void SampleLines() {
    if (modemLines) {
      int lines = 0;
      if (ioctl(fd, TIOCMGET, &lines) == 0) {
        const int changed = lines ^ lastModem;
        if (changed & TIOCM_CTS) history |= EV_CTS;
        if (changed & TIOCM_DSR) history |= EV_DSR;
        if (changed & TIOCM_CD) history |= EV_RLSD;
        lastModem = lines;
      } else if (IsLoss(errno)) {
        MarkLost(errno);
      }
    }
    if (lineCounts) {
      serial_icounter_struct c{};
      if (ioctl(fd, TIOCGICOUNT, &c) == 0) {
        if (c.rng != lastCounts.rng) history |= EV_RING;
        if (c.brk != lastCounts.brk) history |= EV_BREAK, errors |= CE_BREAK;
        if (c.frame != lastCounts.frame) history |= EV_ERR, errors |= CE_FRAME;
        if (c.parity != lastCounts.parity) history |= EV_ERR, errors |= CE_RXPARITY;
        if (c.overrun != lastCounts.overrun || c.buf_overrun != lastCounts.buf_overrun)
          history |= EV_ERR, errors |= CE_OVERRUN;
        lastCounts = c;
      }
    }
  }

  uint32_t TakeQueued(char* out, uint32_t count) {
    const uint32_t n = std::min<uint32_t>(count, uint32_t(input.size()));
    std::copy_n(input.begin(), n, out);
    input.erase(input.begin(), input.begin() + n);
    if (n) Notify(wake);  // room again: the waiter listens to the line once more
    return n;
  }

  void SetLines(int set, int clear) {
    // Pseudo-terminals have no modem lines (ENOTTY); that is no failure.
    if (set) ioctl(fd, TIOCMBIS, &set);
    if (clear) ioctl(fd, TIOCMBIC, &clear);
  }
};

TSerialDevice::TSerialDevice() : impl_(std::make_unique<TImpl>()) {}
TSerialDevice::~TSerialDevice() { Close(); }

std::string TSerialDevice::DevicePath(const std::string& name) {
  if (name.size() > 3 && (name.compare(0, 3, "COM") == 0) &&
      std::all_of(name.begin() + 3, name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    const long n = std::strtol(name.c_str() + 3, nullptr, 10);
    if (n >= 1 && n <= 100000) return "/dev/ttyS" + std::to_string(n - 1);
  }
  if (!name.empty() && name[0] == '/') return name;
  return "/dev/" + name;
}

bool TSerialDevice::Open(const std::string& name) {
  TImpl& d = *impl_;
  if (d.fd >= 0) return d.Fail(EBUSY);
  if (name.empty()) return d.Fail(ENOENT);
  const int fd = open(DevicePath(name).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return d.FailErrno();
  // No sharing: flock keeps out every other cooperating opener, TIOCEXCL the
  // rest (it does not bind root, flock does).
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return d.Fail(EBUSY);
  }
  if (!termios2::MakeRaw(fd)) {
    const int error = errno;
    close(fd);
    return d.Fail(error);
  }
  ioctl(fd, TIOCEXCL);
  const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake < 0) {
    const int error = errno;
    close(fd);
    return d.Fail(error);
  }
  std::lock_guard guard(d.lock);
  d.fd = fd;
  d.wake = wake;
  d.input.clear();
  d.inputSize = d.outputSize = kDefaultQueue;
  d.properties = {};
  d.block = {};
  d.timeouts = {};
  d.eventMask = d.history = d.errors = 0;
  d.lost = false;
  d.lostError = 0;
  d.modemLines = ioctl(fd, TIOCMGET, &d.lastModem) == 0;
  d.lineCounts = ioctl(fd, TIOCGICOUNT, &d.lastCounts) == 0;
  termios2::Read(fd, d.block);
  return true;
}

void TSerialDevice::Close() {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return;
  ioctl(d.fd, TIOCNXCL);
  close(d.fd);
  Notify(d.wake);
  close(d.wake);
  d.fd = d.wake = -1;
  d.input.clear();
}

bool TSerialDevice::IsOpen() const {
  std::lock_guard guard(impl_->lock);
  return impl_->fd >= 0;
}

bool TSerialDevice::SetState(const TSerialControlBlock& block) {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  if (!termios2::Apply(d.fd, block)) return d.FailErrno();
  d.block = block;
  const bool dtr = block.DtrControl != DTR_CONTROL_DISABLE;
  const bool rts = block.RtsControl != RTS_CONTROL_DISABLE;
  d.SetLines((dtr ? TIOCM_DTR : 0) | (rts ? TIOCM_RTS : 0), (dtr ? 0 : TIOCM_DTR) | (rts ? 0 : TIOCM_RTS));
  return true;
}

bool TSerialDevice::GetState(TSerialControlBlock& block) {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  TSerialControlBlock read = d.block;
  if (!termios2::Read(d.fd, read)) return d.FailErrno();
  block = read;
  return true;
}

bool TSerialDevice::SetupQueues(uint32_t inputSize, uint32_t outputSize) {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  if (inputSize == 0 || outputSize == 0) return d.Fail(EINVAL);
  // Bytes already queued beyond a smaller size stay: nothing received is lost.
  d.inputSize = d.properties.CurrentRxQueue = inputSize;
  d.outputSize = d.properties.CurrentTxQueue = outputSize;
  Notify(d.wake);
  return true;
}

bool TSerialDevice::Purge() {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  d.input.clear();
  if (tcflush(d.fd, TCIOFLUSH) != 0 && errno != ENOTTY) return d.FailErrno();
  Notify(d.wake);
  return true;
}

bool TSerialDevice::GetProperties(TSerialProperties& properties) {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  properties = d.properties;
  return true;
}

bool TSerialDevice::SetTimeouts(const TSerialTimeouts& timeouts) {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  d.timeouts = timeouts;
  return true;
}

bool TSerialDevice::GetTimeouts(TSerialTimeouts& timeouts) {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  timeouts = d.timeouts;
  return true;
}

bool TSerialDevice::SetEventMask(uint32_t mask) {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  d.eventMask = mask;
  d.history = 0;  // a new mask starts a new history, as the classic driver does
  Notify(d.wake);
  return true;
}

uint32_t TSerialDevice::EventMask() const {
  std::lock_guard guard(impl_->lock);
  return impl_->fd >= 0 ? impl_->eventMask : 0;
}

bool TSerialDevice::ClearError(TSerialStatus& status) {
  TImpl& d = *impl_;
  std::lock_guard guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  d.Pump();
  status.Errors = d.errors;
  d.errors = 0;
  status.InQue = uint32_t(d.input.size());
  int outQueue = 0;
  status.OutQue = (!d.lost && ioctl(d.fd, TIOCOUTQ, &outQueue) == 0 && outQueue > 0) ? uint32_t(outQueue) : 0;
  return true;
}

bool TSerialDevice::Read(void* buffer, uint32_t count, uint32_t& done) {
  TImpl& d = *impl_;
  char* out = static_cast<char*>(buffer);
  done = 0;
  std::unique_lock guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  const TSerialTimeouts t = d.timeouts;
  // Interval "infinite" with no totals: return at once with what is there.
  const bool immediate =
      t.ReadIntervalTimeout == UINT32_MAX && t.ReadTotalTimeoutMultiplier == 0 && t.ReadTotalTimeoutConstant == 0;
  const TDeadline total(uint64_t(t.ReadTotalTimeoutMultiplier) * count + t.ReadTotalTimeoutConstant);
  int64_t lastByte = NowMs();
  for (;;) {
    d.Pump();
    const uint32_t n = d.TakeQueued(out + done, count - done);
    if (n) lastByte = NowMs();
    done += n;
    if (done == count || immediate) return true;
    if (d.lost) return done ? true : d.Fail(d.lostError);
    if (total.Expired()) return true;
    int wait = total.Remaining();
    if (done && t.ReadIntervalTimeout && t.ReadIntervalTimeout != UINT32_MAX) {
      const int64_t gap = int64_t(t.ReadIntervalTimeout) - (NowMs() - lastByte);
      if (gap <= 0) return true;
      wait = wait < 0 ? int(gap) : std::min<int>(wait, int(gap));
    }
    const int fd = d.fd;
    guard.unlock();
    pollfd p{fd, POLLIN, 0};
    PollFor(&p, 1, wait);
    guard.lock();
    if (d.fd < 0) return d.Fail(EBADF);
    if (p.revents & (POLLHUP | POLLERR)) d.Pump(), d.MarkLost(EIO);
  }
}

bool TSerialDevice::Write(const void* buffer, uint32_t count, uint32_t& done) {
  TImpl& d = *impl_;
  const char* in = static_cast<const char*>(buffer);
  done = 0;
  std::unique_lock guard(d.lock);
  if (d.fd < 0) return d.Fail(EBADF);
  if (d.lost) return d.Fail(d.lostError);
  const TSerialTimeouts t = d.timeouts;
  const TDeadline total(uint64_t(t.WriteTotalTimeoutMultiplier) * count + t.WriteTotalTimeoutConstant);
  while (done < count) {
    const ssize_t n = write(d.fd, in + done, count - done);
    if (n > 0) {
      done += uint32_t(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) {
      if (IsLoss(errno)) d.MarkLost(errno);
      return d.FailErrno();
    }
    if (total.Expired()) return true;
    const int fd = d.fd;
    guard.unlock();
    pollfd p{fd, POLLOUT, 0};
    PollFor(&p, 1, total.Remaining());
    guard.lock();
    if (d.fd < 0) return d.Fail(EBADF);
    if (p.revents & (POLLHUP | POLLERR)) {
      d.MarkLost(EIO);
      return d.Fail(EIO);
    }
  }
  return true;
}

TSerialDevice::TWaitResult TSerialDevice::WaitEvent(uint32_t& events, const TSerialStopEvent& stop) {
  TImpl& d = *impl_;
  events = 0;
  for (;;) {
    pollfd fds[3];
    int timeout = -1;
    {
      std::lock_guard guard(d.lock);
      if (d.fd < 0) return d.Fail(EBADF), wrFailed;
      d.Pump();
      d.SampleLines();
      if (const uint32_t hit = d.history & d.eventMask) {
        d.history &= ~hit;
        events = hit;
        return wrEvents;
      }
      if (d.lost) return d.Fail(d.lostError), wrFailed;
      // A full queue leaves the bytes in the kernel; listening to the line then
      // would only spin until a reader makes room (which rings `wake`).
      const bool room = d.input.size() < d.inputSize;
      fds[0] = {d.fd, short(room ? POLLIN : 0), 0};
      fds[1] = {d.wake, POLLIN, 0};
      if ((d.modemLines || d.lineCounts) && (d.eventMask & kModemEvents)) timeout = kModemPollMs;
    }
    fds[2] = {stop.Handle(), POLLIN, 0};
    if (PollFor(fds, 3, timeout) < 0) {
      std::lock_guard guard(d.lock);
      return d.FailErrno(), wrFailed;
    }
    if (fds[2].revents) return wrStopped;
    std::lock_guard guard(d.lock);
    if (fds[1].revents) Drain(d.wake);
    if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
      d.Pump();  // the last bytes before the hang-up still count
      d.MarkLost(EIO);
    }
  }
}

bool TSerialDevice::Lost() const {
  std::lock_guard guard(impl_->lock);
  return impl_->lost;
}

int TSerialDevice::LastError() const {
  std::lock_guard guard(impl_->lock);
  return impl_->lastError;
}

std::string TSerialDevice::ErrorText(int code) { return std::strerror(code); }

}  // namespace platform
