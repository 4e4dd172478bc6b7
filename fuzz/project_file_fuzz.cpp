// The desktop program's project reader on an arbitrary file, in the current
// and in the legacy layout, each followed by a save of what was read. A
// reading error is a valid outcome (it is reported to the user); a crash, a
// sanitizer report, a hang or a save that throws anything but its own
// error is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "core/program_data.h"
#include "core/project_file.h"
#include "core/soil_layer_tables.h"

namespace {

namespace fs = std::filesystem;

const fs::path& scratchFolder() {
  static const fs::path* const folder = [] {
    const auto* path = new fs::path(fs::temp_directory_path() /
                                    ("bormek-fuzz-project-" + std::to_string(::getpid())));
    fs::create_directories(*path);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(scratchFolder(), ignored);
    });
    return path;
  }();
  return *folder;
}

void readAndSave(const std::string& input, bool current) {
  const std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TProgramData project(*tables);
  static_cast<void>(ReadProjectFile(project, input, current));
  try {
    WriteProjectFile(project, (scratchFolder() / "saved.bkd").string());
  } catch (const EProjectFileError&) {
    // A save the file system refuses is reported to the user, not a finding.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path input = scratchFolder() / "input.bkd";
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  readAndSave(input.string(), true);
  readAndSave(input.string(), false);
  return 0;
}
