#include "runner/run_control_file.h"

#include <filesystem>
#include <fstream>

std::string withExtension(const std::string& projectPath, const std::string& extension) {
  return std::filesystem::path(projectPath).replace_extension(extension).string();
}

bool writeRunControlFile(const std::string& folder, const std::string& projectPath) {
  std::ofstream out(std::filesystem::path(folder) / kRunControlFileName,
                    std::ios::binary | std::ios::trunc);
  const std::string lines[] = {kVersionLabel,
                               std::to_string(kInstallationNumber),
                               projectPath,
                               withExtension(projectPath, ".bko"),
                               withExtension(projectPath, ".bkp"),
                               withExtension(projectPath, ".bkr")};
  for (const std::string& line : lines) {
    out << line << "\r\n";
  }
  out.close();
  return !out.fail();
}
