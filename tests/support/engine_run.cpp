#include "support/engine_run.h"

#include "entry/engine_run.h"

namespace bormek::testing {

std::string fixturePath(const std::string& name) {
  return std::string(BORMEK_SOURCE_DIR) + "/tests/fixtures/" + name;
}

std::string examplePath(const std::string& name) {
  return std::string(BORMEK_SOURCE_DIR) + "/examples/" + name;
}

std::string binDir() {
  return BORMEK_BIN_DIR;
}

EngineResult runEngineOn(const TestFolder& folder, const std::string& projectText) {
  folder.write("project.bkd", projectText);
  folder.writeRunControl("project");
  EngineResult result;
  {
    InFolder inside(folder.path());
    result.status = runEngine(kRunRequestCode);
  }
  result.report = readLines(folder.file("project.bko"));
  result.notes = readLines(folder.file("project.bkr"));
  return result;
}

std::vector<std::string> afterHead(const std::vector<std::string>& report) {
  constexpr std::size_t kHeadLines = 26;
  if (report.size() <= kHeadLines) {
    return {};
  }
  return {report.begin() + kHeadLines, report.end()};
}

}  // namespace bormek::testing
