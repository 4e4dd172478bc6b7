// bormek-run: runs the analysis engine on project files with no display.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "runner/engine_library.h"
#include "runner/project_run.h"
#include "runner/run_status.h"

namespace {

constexpr int kExitUsage = 64;

void printUsage(std::ostream& out) {
  out << "Usage: bormek-run PROJECT.bkd [MORE.bkd ...] [--verbose]\n"
         "\n"
         "Runs the drilled-shaft analysis on each project file, as Run Analysis does in\n"
         "the desktop program. The report (.bko), plot data (.bkp) and run notes (.bkr)\n"
         "are written beside each project; one line per project gives its status.\n"
         "\n"
         "Options:\n"
         "  --verbose   copy the engine's progress lines to standard output\n"
         "  --help      show this text\n"
         "\n"
         "Exit code: 0 when every run completed, otherwise the first non-zero run status\n"
         "(1 request refused, 2 or 4 load-settlement stopped, 5 design load not reached,\n"
         "6 names.dat missing, 7 input file missing or malformed, 8 output file cannot be\n"
         "created, 9 internal error); 10 when the engine library cannot be loaded;\n"
         "64 for a bad command line.\n";
}

std::string programFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> projects;
  bool verbose = false;
  for (int k = 1; k < argc; ++k) {
    const std::string argument = argv[k];
    if (argument == "--help" || argument == "-h") {
      printUsage(std::cout);
      return 0;
    }
    if (argument == "--verbose") {
      verbose = true;
    } else if (argument.rfind("-", 0) == 0) {
      std::cerr << "bormek-run: unknown option " << argument << "\n\n";
      printUsage(std::cerr);
      return kExitUsage;
    } else {
      projects.push_back(argument);
    }
  }
  if (projects.empty()) {
    std::cerr << "bormek-run: no project file given\n\n";
    printUsage(std::cerr);
    return kExitUsage;
  }
  if (verbose) {
    ::setenv("BORMEK_CONSOLE", "1", 1);
  }
  const std::string library = engineLibraryPath(programFolder());
  int exitCode = 0;
  for (const std::string& project : projects) {
    const ProjectRun run = runProject(library, project);
    if (run.stage == RunStage::kLibraryUnusable) {
      std::cerr << "bormek-run: the engine library " << library << " cannot be used: " << run.fault
                << "\n";
      return run.status;
    }
    if (run.stage == RunStage::kRunControlUnwritten) {
      std::cerr << "bormek-run: " << run.fault << "\n";
    }
    std::cout << run.projectPath << ": " << statusInWords(run.status) << " (status " << run.status
              << "); report " << run.reportPath << ", plot data " << run.plotPath << ", run notes "
              << run.notesPath << std::endl;
    if (exitCode == 0 && run.status != kRunCompleted) {
      exitCode = run.status;
    }
  }
  return exitCode;
}
