// The run-control file names.dat: six lines naming the version label, the
// installation number and the input, report, plot-data and run-notes files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bormek {

inline constexpr std::size_t kVersionLabelLength = 12;
inline constexpr std::size_t kPathLength = 255;

struct RunControl {
  std::string versionLabel;  // exactly 12 characters, blank-padded or cut
  std::int32_t installationNumber = 0;
  std::string inputPath;  // each path cut to 255 characters, trailing blanks trimmed
  std::string reportPath;
  std::string plotPath;
  std::string notesPath;
};

// Reads the file; on failure gives nothing and sets `problem` to a sentence
// naming the file, the line and what is wrong.
std::optional<RunControl> readRunControl(const std::string& fileName, std::string& problem);

}  // namespace bormek
