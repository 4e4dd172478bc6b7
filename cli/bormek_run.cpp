// bormek-run: runs the analysis engine on project files with no display.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "results/batch_summary.h"
#include "results/results_reader.h"
#include "results/results_workbook.h"
#include "runner/engine_library.h"
#include "runner/project_run.h"
#include "runner/run_control_file.h"
#include "runner/run_status.h"

namespace {

constexpr int kExitUsage = 64;

void printUsage(std::ostream& out) {
  out << "Usage: bormek-run PROJECT.bkd [MORE.bkd ...] [--verbose] [--xlsx] [--summary FILE.csv]\n"
         "\n"
         "Runs the drilled-shaft analysis on each project file, as Run Analysis does in\n"
         "the desktop program. The report (.bko), plot data (.bkp), run notes (.bkr) and\n"
         "results file (.json, see docs/results-format.md) are written beside each\n"
         "project; one line per project gives its status.\n"
         "\n"
         "Options:\n"
         "  --verbose          copy the engine's progress lines to standard output\n"
         "  --xlsx             also write each project's results as an Excel workbook\n"
         "                     (.xlsx) beside it\n"
         "  --summary FILE     write one CSV line per project and diameter to FILE:\n"
         "                     design length, capacities, volume, most efficient shaft\n"
         "  --help             show this text\n"
         "\n"
         "Exit code: 0 when every run completed, otherwise the first non-zero run status\n"
         "(1 request refused, 2 or 4 load-settlement stopped, 5 design load not reached,\n"
         "6 names.dat missing, 7 input file missing or malformed, 8 output file cannot be\n"
         "created, also a workbook or the summary, 9 internal error); 10 when the engine\n"
         "library cannot be loaded; 64 for a bad command line.\n";
}

struct Options {
  std::vector<std::string> projects;
  bool verbose = false;
  bool workbooks = false;
  std::optional<std::string> summaryPath;
};

int usageError(const std::string& message) {
  std::cerr << "bormek-run: " << message << "\n\n";
  printUsage(std::cerr);
  return kExitUsage;
}

// The options, or the exit code when the program ends here.
std::optional<int> readOptions(int argc, char** argv, Options& options) {
  for (int k = 1; k < argc; ++k) {
    const std::string argument = argv[k];
    if (argument == "--help" || argument == "-h") {
      printUsage(std::cout);
      return 0;
    }
    if (argument == "--verbose") {
      options.verbose = true;
    } else if (argument == "--xlsx") {
      options.workbooks = true;
    } else if (argument == "--summary") {
      if (k + 1 >= argc) {
        return usageError("--summary needs the name of the CSV file");
      }
      options.summaryPath = argv[++k];
    } else if (argument.rfind("-", 0) == 0) {
      return usageError("unknown option " + argument);
    } else {
      options.projects.push_back(argument);
    }
  }
  if (options.projects.empty()) {
    return usageError("no project file given");
  }
  return std::nullopt;
}

std::string programFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : self.parent_path().string();
}

void printRun(const ProjectRun& run) {
  std::cout << run.projectPath << ": " << statusInWords(run.status) << " (status " << run.status
            << "); report " << run.reportPath << ", plot data " << run.plotPath << ", run notes "
            << run.notesPath << ", results " << run.resultsPath << std::endl;
}

// What the workbook and the summary are built from: the run's results
// file, when the engine wrote one that can be read.
std::optional<ResultsDocument> resultsOf(const ProjectRun& run) {
  if (run.stage != RunStage::kEngineCalled || !std::filesystem::exists(run.resultsPath)) {
    return std::nullopt;
  }
  std::string problem;
  std::optional<ResultsDocument> results = readResultsFile(run.resultsPath, problem);
  if (!results) {
    std::cerr << "bormek-run: the results file " << run.resultsPath
              << " cannot be read: " << problem << "\n";
  }
  return results;
}

// False when the workbook could not be written.
bool writeWorkbook(const ProjectRun& run, const std::optional<ResultsDocument>& results) {
  if (!results) {
    std::cerr << "bormek-run: no workbook for " << run.projectPath << ": no results to show\n";
    return true;
  }
  const std::string path = withExtension(run.projectPath, ".xlsx");
  std::string problem;
  if (!writeResultsWorkbook(*results, path, problem)) {
    std::cerr << "bormek-run: the workbook " << path << " cannot be written: " << problem << "\n";
    return false;
  }
  std::cout << run.projectPath << ": workbook " << path << std::endl;
  return true;
}

void addSummaryLines(const ProjectRun& run, const std::optional<ResultsDocument>& results,
                     std::vector<std::string>& lines) {
  if (!results) {
    lines.push_back(
        summaryLineWithoutResults(run.projectPath, run.status, statusInWords(run.status)));
    return;
  }
  for (const std::string& line : summaryLines(run.projectPath, *results)) {
    lines.push_back(line);
  }
}

// False when the file could not be written.
bool writeSummary(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << summaryHeader() << '\n';
  for (const std::string& line : lines) {
    out << line << '\n';
  }
  out.close();
  if (!out) {
    std::cerr << "bormek-run: the summary " << path << " cannot be written\n";
    return false;
  }
  std::cout << "summary " << path << std::endl;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const std::optional<int> exit = readOptions(argc, argv, options)) {
    return *exit;
  }
  if (options.verbose) {
    ::setenv("BORMEK_CONSOLE", "1", 1);
  }
  const std::string library = engineLibraryPath(programFolder());
  int exitCode = 0;
  const auto note = [&exitCode](int status) {
    if (exitCode == 0) {
      exitCode = status;
    }
  };
  std::vector<std::string> summary;
  for (const std::string& project : options.projects) {
    const ProjectRun run = runProject(library, project);
    if (run.stage == RunStage::kLibraryUnusable) {
      std::cerr << "bormek-run: the engine library " << library << " cannot be used: " << run.fault
                << "\n";
      return run.status;
    }
    if (run.stage == RunStage::kRunControlUnwritten) {
      std::cerr << "bormek-run: " << run.fault << "\n";
    }
    printRun(run);
    if (run.status != kRunCompleted) {
      note(run.status);
    }
    if (!options.workbooks && !options.summaryPath) {
      continue;
    }
    const std::optional<ResultsDocument> results = resultsOf(run);
    if (options.workbooks && !writeWorkbook(run, results)) {
      note(kRunOutputNotCreated);
    }
    if (options.summaryPath) {
      addSummaryLines(run, results, summary);
    }
  }
  if (options.summaryPath && !writeSummary(*options.summaryPath, summary)) {
    note(kRunOutputNotCreated);
  }
  return exitCode;
}
