// Runs the engine library on one project file, as the desktop program's
// Run Analysis does: names.dat in the project's folder, the library loaded
// from `libraryPath`, the entry called with 13, the library unloaded and
// names.dat deleted. The current folder is restored afterwards.
#pragma once

#include <cstdint>
#include <string>

struct ProjectRun {
  std::string projectPath;  // absolute
  std::int32_t status = 0;
  std::string reportPath;
  std::string plotPath;
  std::string notesPath;
};

inline constexpr std::int32_t kStatusProjectMissing = 7;  // as the engine's "input file missing"

// Throws EDLLError when the library cannot be bound or lacks its entry.
ProjectRun runProject(const std::string& libraryPath, const std::string& projectPath);

// The run status in words, for the runner's summary line.
std::string statusInWords(std::int32_t status);
