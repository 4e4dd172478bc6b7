// One complete run of the engine, as the exported entry performs it.
// Reads names.dat from the current folder, writes the report, plot-data
// and run-notes files it names and the results file beside the report, and
// returns the run status. Never throws.
#pragma once

#include <cstdint>

namespace bormek {

inline constexpr std::int32_t kRunRequestCode = 13;

std::int32_t runEngine(std::int32_t request) noexcept;

}  // namespace bormek
