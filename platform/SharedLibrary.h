// A shared library loaded at run time, for optional parts the program works
// without (an external data-server library). The name is given without the
// platform's decoration: "dEDO" is "libdEDO.so" on Linux. The library is
// searched on the system's library search path first, then in the folder of
// the running executable, so a library shipped beside the program is found
// without setting a path.
#pragma once
#include <memory>
#include <string>

namespace platform {

class TSharedLibrary {
 public:
  // Null when the library is not found or cannot be loaded.
  static std::unique_ptr<TSharedLibrary> Open(const std::string& baseName);
  ~TSharedLibrary();
  TSharedLibrary(const TSharedLibrary&) = delete;
  TSharedLibrary& operator=(const TSharedLibrary&) = delete;

  // The exported function or variable of that name; null when there is none.
  void* Symbol(const std::string& name) const;
  const std::string& Path() const { return path_; }

  // "libNAME.so" on Linux.
  static std::string FileName(const std::string& baseName);

 private:
  TSharedLibrary(void* handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  void* handle_;
  std::string path_;
};

}  // namespace platform
