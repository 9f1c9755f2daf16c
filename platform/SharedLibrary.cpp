// POSIX dlopen: the OS's own loader, so the library's dependencies resolve as
// they would for the program itself.
#include "platform/SharedLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace platform {

namespace {
// The folder of the running executable, from the kernel's link; empty when it
// cannot be read.
std::string ExecutableFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  std::string path(buffer, static_cast<size_t>(n));
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
}  // namespace

std::string TSharedLibrary::FileName(const std::string& baseName) { return "lib" + baseName + ".so"; }

std::unique_ptr<TSharedLibrary> TSharedLibrary::Open(const std::string& baseName) {
  const std::string file = FileName(baseName);
  // A bare file name makes dlopen search the library path (LD_LIBRARY_PATH,
  // the loader's cache, the system folders).
  if (void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL))
    return std::unique_ptr<TSharedLibrary>(new TSharedLibrary(handle, file));
  const std::string folder = ExecutableFolder();
  if (folder.empty()) return nullptr;
  const std::string beside = folder + "/" + file;
  if (void* handle = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL))
    return std::unique_ptr<TSharedLibrary>(new TSharedLibrary(handle, beside));
  return nullptr;
}

TSharedLibrary::~TSharedLibrary() { dlclose(handle_); }

void* TSharedLibrary::Symbol(const std::string& name) const { return dlsym(handle_, name.c_str()); }

}  // namespace platform
