// A folder of the test's own for real files: named after the process, so
// that parallel test runs never share one, and removed with its files.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/Files.h"

class TTempDir {
 public:
  explicit TTempDir(const std::string& name)
      : dir_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir_);
  }
  ~TTempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  // Writes `bytes` as the file `name` and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    platform::WriteFileAtomically(Path(name), bytes);
    return Path(name);
  }
  std::string Read(const std::string& name) const { return platform::ReadWholeFile(Path(name)); }
  const std::filesystem::path& Dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
};
