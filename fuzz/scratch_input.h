// The input of a fuzz target that reads files: each input is written to a
// file in a scratch folder of the process, made on first use and removed at
// exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace bormek::fuzzing {

// Never destroyed, so the exit handler can still read it.
inline const std::filesystem::path& ScratchFolder() {
  namespace fs = std::filesystem;
  static const fs::path* const folder = [] {
    const auto* path =
        new fs::path(fs::temp_directory_path() / ("bormek-fuzz-" + std::to_string(::getpid())));
    fs::create_directories(*path);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(ScratchFolder(), ignored);
    });
    return path;
  }();
  return *folder;
}

// Writes the input to `name` in the scratch folder and gives its path.
inline std::filesystem::path WriteInput(const std::uint8_t* data, std::size_t size,
                                        const char* name) {
  const std::filesystem::path input = ScratchFolder() / name;
  std::ofstream out(input, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return input;
}

}  // namespace bormek::fuzzing
