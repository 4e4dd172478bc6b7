// Runs the engine library on one project file, the one way both programs
// do it: from inside the project's folder, names.dat written there, the
// library bound by file name, its entry called once with the request code,
// the library unbound and names.dat deleted, on every path. The current
// folder is restored afterwards. Nothing is thrown: the record says how far
// the run got.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// How far a run got.
enum class RunStage {
  kProjectMissing,       // no project file; nothing written
  kRunControlUnwritten,  // names.dat could not be written in the project's folder
  kLibraryUnusable,      // the library could not be bound or has no entry
  kEngineCalled,         // the engine ran; `status` is its result
};

struct ProjectRun {
  RunStage stage = RunStage::kProjectMissing;
  // The engine's result; before the call, the status the engine gives for
  // the same fault (input missing, names.dat missing) or
  // kRunLibraryUnusable.
  std::int32_t status = 0;
  std::string projectPath;  // absolute
  std::string reportPath;
  std::string plotPath;
  std::string notesPath;
  std::string resultsPath;  // the results file the engine writes beside the report
  // Why the engine was not called, in words; empty when it was.
  std::string fault;
};

// `aroundCall`, when given, is told true just before the entry is called
// and false once it has returned.
ProjectRun runProject(const std::string& libraryPath, const std::string& projectPath,
                      const std::function<void(bool calling)>& aroundCall = {});
