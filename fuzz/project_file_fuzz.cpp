// The desktop program's project reader on an arbitrary file, in the current
// and in the legacy layout, each followed by a save of what was read. A
// reading error is a valid outcome (it is reported to the user); a crash, a
// sanitizer report, a hang or a save that throws anything but its own
// error is a finding.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/program_data.h"
#include "core/project_file.h"
#include "core/soil_layer_tables.h"
#include "fuzz/scratch_input.h"

namespace {

void readAndSave(const std::string& input, bool current) {
  const std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TProgramData project(*tables);
  static_cast<void>(ReadProjectFile(project, input, current));
  try {
    WriteProjectFile(project, (bormek::fuzzing::ScratchFolder() / "saved.bkd").string());
  } catch (const EProjectFileError&) {
    // A save the file system refuses is reported to the user, not a finding.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path input = bormek::fuzzing::WriteInput(data, size, "input.bkd");
  readAndSave(input.string(), true);
  readAndSave(input.string(), false);
  return 0;
}
