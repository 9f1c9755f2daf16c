// A pseudo-terminal pair for serial tests: the code under test opens the
// slave by its path, the test plays the far end on the master.
#pragma once
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

class PtyPair {
 public:
  PtyPair() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) path_ = ptsname(master_);
  }
  ~PtyPair() {
    CloseSide();
    CloseMaster();
  }
  const std::string& Path() const { return path_; }
  // The slave path without "/dev/", as a port name.
  std::string Name() const { return path_.substr(5); }
  int Master() const { return master_; }

  void Send(const std::string& bytes) const { (void)!write(master_, bytes.data(), bytes.size()); }
  // Reads what the master receives until `count` bytes or `ms` passed.
  std::string Receive(size_t count, int ms = 1000) const {
    std::string got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (got.size() < count && std::chrono::steady_clock::now() < end) {
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, 20) > 0 && (p.revents & POLLIN)) {
        char buf[256];
        const ssize_t n = read(master_, buf, sizeof buf);
        if (n > 0) got.append(buf, size_t(n));
      }
    }
    return got;
  }
  // The far end goes away: the slave reads a hang-up from now on.
  void CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
  }
  // A second hold on the slave, opened before the code under test takes it
  // exclusively, to look at and change the line settings from outside.
  int Side() {
    if (side_ < 0) side_ = open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    return side_;
  }
  void CloseSide() {
    if (side_ >= 0) close(side_);
    side_ = -1;
  }

 private:
  int master_ = -1, side_ = -1;
  std::string path_;
};

// Waits up to `ms` for `done`, looking every millisecond.
inline bool WaitFor(const std::function<bool()>& done, int ms = 2000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}
