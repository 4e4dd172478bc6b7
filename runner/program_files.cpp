#include "runner/program_files.h"

#include <filesystem>

std::string programFilePath(const std::string& programFolder, const std::string& relativePath,
                            const std::string& installedFolder) {
  const std::filesystem::path folder(programFolder);
  const std::filesystem::path beside = folder / relativePath;
  const std::filesystem::path installed =
      (folder / installedFolder / relativePath).lexically_normal();
  std::error_code error;
  if (!std::filesystem::exists(beside, error) && std::filesystem::exists(installed, error)) {
    return installed.string();
  }
  return beside.string();
}
