// What the programs know of the engine library they load for each run: its
// file name and where they find it, the entry they resolve and the one
// request the entry carries out.
#pragma once

#include <cstdint>
#include <string>

#ifdef _WIN32
inline constexpr const char* kEngineLibraryFileName = "Bormek2012_DLL.dll";
#else
inline constexpr const char* kEngineLibraryFileName = "Bormek2012_DLL.so";
#endif

// The entry exported under two names; the programs resolve this one.
inline constexpr const char* kEntrySymbol = "_IBORMEK";
// The entry runs the analysis for this request only and returns 1 for any
// other without touching a file.
inline constexpr std::int32_t kRunRequestCode = 13;

using EngineEntry = std::int32_t (*)(std::int32_t request);

// The engine library of the program in `programFolder`: beside the program,
// else in the installed layout's engine folder (program_files.h).
std::string engineLibraryPath(const std::string& programFolder);
