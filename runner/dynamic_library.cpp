#include "runner/dynamic_library.h"

#include <dlfcn.h>
#include <sys/stat.h>

namespace {
bool fileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}
}  // namespace

TDynamicLibrary::~TDynamicLibrary() {
  Close();
}

void TDynamicLibrary::SetLibraryName(const std::string& name) {
  Close();
  libraryName_ = name;
}

void TDynamicLibrary::Open() {
  if (IsOpen()) {
    return;
  }
  // RTLD_LOCAL keeps the engine's symbols to itself; every load starts the
  // engine with freshly initialised data.
  handle_ = ::dlopen(libraryName_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ != nullptr) {
    return;
  }
  const char* reason = ::dlerror();
  const std::string detail = reason != nullptr ? reason : "";
  if (!fileExists(libraryName_)) {
    throw EFileNotFoundError(detail);
  }
  throw EInitError(detail);
}

void* TDynamicLibrary::ProcAddress(const std::string& name) const {
  if (!IsOpen()) {
    throw EDLLNotOpenError();
  }
  return ::dlsym(handle_, name.c_str());
}

void TDynamicLibrary::Close() {
  if (IsOpen()) {
    ::dlclose(handle_);
    handle_ = nullptr;
  }
}
