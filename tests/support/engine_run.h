// Runs the engine in-process on a fixture project inside a scratch folder,
// as the library entry does, and gives back the files it wrote.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/test_folder.h"

namespace bormek::testing {

// Path of a file in tests/fixtures of the source tree.
std::string fixturePath(const std::string& name);
// Path of a bundled example project in examples/ of the source tree.
std::string examplePath(const std::string& name);
// The folder of the built programs and the engine library.
std::string binDir();

struct EngineResult {
  std::int32_t status = -1;
  std::vector<std::string> report;
  std::vector<std::string> notes;
};

// Copies `projectText` to project.bkd in `folder`, writes names.dat and
// calls the engine's run routine with request 13 from inside the folder.
EngineResult runEngineOn(const TestFolder& folder, const std::string& projectText);

// The report lines after the 26-line head.
std::vector<std::string> afterHead(const std::vector<std::string>& report);

}  // namespace bormek::testing
