// The run-control file names.dat that hands a project to the engine:
// version label, installation number, and the input, report (.bko),
// plot-data (.bkp) and run-notes (.bkr) paths derived from the project.
#pragma once

#include <string>

inline constexpr const char* kRunControlFileName = "names.dat";
inline constexpr const char* kVersionLabel = "2012.7.8";
inline constexpr int kInstallationNumber = 1;

// The project path with its extension replaced (or added), e.g. ".bko".
std::string withExtension(const std::string& projectPath, const std::string& extension);

// Writes names.dat into `folder` with CR LF line ends; false when the file
// cannot be written completely.
bool writeRunControlFile(const std::string& folder, const std::string& projectPath);
