// The engine run on an arbitrary project file, as the desktop program runs
// it: names.dat in a scratch working folder names the project and its
// outputs, and the entry routine is called with request 13. Any status is a
// valid outcome; a crash, a sanitizer report or a hang is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "entry/engine_run.h"

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const char* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(data, static_cast<std::streamsize>(size));
}

// Made once per process, left as the working folder and removed at exit;
// never destroyed, so the exit handler can still read it.
const fs::path& scratchFolder() {
  static const fs::path* const folder = [] {
    const auto* path = new fs::path(fs::temp_directory_path() /
                                    ("bormek-fuzz-engine-" + std::to_string(::getpid())));
    fs::create_directories(*path);
    const std::string base = (*path / "project").string();
    const std::string names = "2012.7.8\r\n1\r\n" + base + ".bkd\r\n" + base + ".bko\r\n" + base +
                              ".bkp\r\n" + base + ".bkr\r\n";
    writeFile(*path / "names.dat", names.data(), names.size());
    fs::current_path(*path);  // the engine writes TZDATA.DAT into the working folder
    std::atexit([] {
      std::error_code ignored;
      fs::current_path(fs::temp_directory_path(), ignored);
      fs::remove_all(scratchFolder(), ignored);
    });
    return path;
  }();
  return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  writeFile(scratchFolder() / "project.bkd", reinterpret_cast<const char*>(data), size);
  static_cast<void>(bormek::runEngine(bormek::kRunRequestCode));
  return 0;
}
