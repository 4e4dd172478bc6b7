// Binds a shared library by file name at run time and resolves its
// exports; the application and the command-line runner load the engine
// through it for each run and unload it afterwards.
//
// Errors are raised as EDLLError kinds, each with its fixed message; the
// loader's own explanation, when there is one, is kept in detail().
#pragma once

#include <stdexcept>
#include <string>

class EDLLError : public std::runtime_error {
 public:
  EDLLError(const std::string& message, std::string detail = {})
      : std::runtime_error(message), detail_(std::move(detail)) {}
  const std::string& detail() const { return detail_; }

 private:
  std::string detail_;
};

class EInitError : public EDLLError {
 public:
  explicit EInitError(std::string detail = {})
      : EDLLError("Library failed to properly initialize", std::move(detail)) {}
};

class EFileNotFoundError : public EDLLError {
 public:
  explicit EFileNotFoundError(std::string detail = {})
      : EDLLError("Library could not be located", std::move(detail)) {}
};

class EDLLNotOpenError : public EDLLError {
 public:
  EDLLNotOpenError() : EDLLError("Library is not open") {}
};

class TDynamicLibrary {
 public:
  TDynamicLibrary() = default;
  ~TDynamicLibrary();
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  const std::string& LibraryName() const { return libraryName_; }
  // Closes a loaded library first.
  void SetLibraryName(const std::string& name);

  // Loads the library unless it is loaded. A file that does not exist
  // raises EFileNotFoundError; one that exists but cannot be loaded raises
  // EInitError.
  void Open();
  bool IsOpen() const { return handle_ != nullptr; }
  // The address of an export, nullptr when the library has none by that
  // name; raises EDLLNotOpenError when no library is loaded.
  void* ProcAddress(const std::string& name) const;
  void Close();

 private:
  std::string libraryName_;
  void* handle_ = nullptr;
};
