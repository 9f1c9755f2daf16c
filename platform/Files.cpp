#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/Exception.h"

namespace platform {
namespace {
[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
  throw EInOutError(what + " \"" + path + "\": " + std::strerror(error));
}

std::string Directory(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}
}  // namespace

std::string ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) Fail("Cannot open file", path, errno);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    Fail("Cannot read file", path, EISDIR);
  }
  std::string bytes;
  // Sized once for a regular file: grown by appends, the string would hold
  // its old and new blocks at once, twice the file at the peak.
  if (S_ISREG(info.st_mode) && info.st_size > 0) bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      Fail("Cannot read file", path, error);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  // The temporary file sits beside the target, hidden, so the rename stays on
  // one file system.
  const auto slash = path.rfind('/');
  const std::string head = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string tail = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::string pattern = head + "." + tail + ".tmp-XXXXXX";
  std::vector<char> temp(pattern.c_str(), pattern.c_str() + pattern.size() + 1);
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) Fail("Cannot create file", path, errno);
  const std::string tempPath = temp.data();
  auto abandon = [&](const char* what, int error) {
    ::close(fd);
    ::unlink(tempPath.c_str());
    Fail(what, path, error);
  };
  // Keep the permissions of the file being replaced; a new file gets the usual
  // ones rather than mkstemp's 0600.
  struct stat info {};
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : (0666 & ~mask));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) abandon("Cannot write file", errno);
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) abandon("Cannot write file", errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(tempPath.c_str());
    Fail("Cannot write file", path, error);
  }
  if (::rename(tempPath.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(tempPath.c_str());
    Fail("Cannot replace file", path, error);
  }
  // Make the rename itself durable.
  const int dir = ::open(Directory(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

void AppendToExistingFile(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) Fail("Cannot open file", path, errno);
  const off_t start = ::lseek(fd, 0, SEEK_END);
  auto fail = [&](int error) {
    if (start >= 0) (void)::ftruncate(fd, start);
    ::close(fd);
    Fail("Cannot write file", path, error);
  };
  if (start < 0) fail(errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0) Fail("Cannot write file", path, errno);
}

}  // namespace platform
