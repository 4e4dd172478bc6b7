#include "runner/engine_library.h"

#include <filesystem>

#include "runner/install_layout.h"

std::string engineLibraryPath(const std::string& programFolder) {
  const std::filesystem::path folder(programFolder);
  const std::filesystem::path beside = folder / kEngineLibraryFileName;
  const std::filesystem::path installed =
      (folder / kEngineFolderFromProgram / kEngineLibraryFileName).lexically_normal();
  std::error_code error;
  if (!std::filesystem::exists(beside, error) && std::filesystem::exists(installed, error)) {
    return installed.string();
  }
  return beside.string();
}
