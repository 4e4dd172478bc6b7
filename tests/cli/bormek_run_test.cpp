// Smoke tests of the command-line runner as a user calls it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/command_outcome.h"
#include "support/engine_run.h"
#include "support/test_folder.h"

namespace bormek {
namespace {

using testing::CommandOutcome;
using testing::runCommand;

CommandOutcome runner(const std::string& arguments) {
  return runCommand(testing::binDir() + "/bormek-run " + arguments);
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(BormekRun, HelpAndBadCommandLines) {
  const CommandOutcome help = runner("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(contains(help.output, "Usage: bormek-run PROJECT.bkd [MORE.bkd ...] [--verbose]"));

  const CommandOutcome badOption = runner("--fast project.bkd");
  EXPECT_EQ(badOption.exitCode, 64);
  EXPECT_TRUE(contains(badOption.output, "unknown option --fast"));

  const CommandOutcome nothing = runner("");
  EXPECT_EQ(nothing.exitCode, 64);
  EXPECT_TRUE(contains(nothing.output, "no project file given"));

  EXPECT_TRUE(contains(help.output, "--xlsx")) << help.output;
  EXPECT_TRUE(contains(help.output, "--summary FILE")) << help.output;
  const CommandOutcome noSummaryFile = runner("project.bkd --summary");
  EXPECT_EQ(noSummaryFile.exitCode, 64);
  EXPECT_TRUE(contains(noSummaryFile.output, "--summary needs the name of the CSV file"));
}

TEST(BormekRun, RunsEachProjectAndReportsTheFirstNonZeroStatus) {
  testing::TestFolder folder;
  folder.write("pier.bkd", testing::readText(testing::fixturePath("all_types_si_asd.bkd")));
  const CommandOutcome ok = runner(folder.file("pier.bkd"));
  EXPECT_EQ(ok.exitCode, 0) << ok.output;
  EXPECT_TRUE(contains(ok.output, folder.file("pier.bkd") + ": run completed (status 0); report " +
                                      folder.file("pier.bko") + ", plot data " +
                                      folder.file("pier.bkp") + ", run notes " +
                                      folder.file("pier.bkr") + ", results " +
                                      folder.file("pier.json")))
      << ok.output;
  EXPECT_TRUE(folder.exists("pier.json"));
  EXPECT_TRUE(folder.exists("pier.bko"));
  EXPECT_FALSE(folder.exists("names.dat"));  // removed after the run

  const CommandOutcome mixed = runner(folder.file("pier.bkd") + " " + folder.file("absent.bkd"));
  EXPECT_EQ(mixed.exitCode, 7) << mixed.output;
  EXPECT_TRUE(contains(mixed.output, "absent.bkd: input file missing, unreadable or malformed"));
}

TEST(BormekRun, ANamesDatThatCannotBeWrittenIsReportedAndTheNextProjectStillRuns) {
  testing::TestFolder blocked;
  testing::TestFolder open;
  const std::string project = testing::readText(testing::fixturePath("all_types_si_asd.bkd"));
  blocked.write("pier.bkd", project);
  open.write("pier.bkd", project);
  std::filesystem::create_directories(blocked.path() / "names.dat" / "inside");

  const CommandOutcome outcome = runner(blocked.file("pier.bkd") + " " + open.file("pier.bkd"));

  EXPECT_EQ(outcome.exitCode, 6) << outcome.output;
  EXPECT_TRUE(contains(outcome.output,
                       "bormek-run: names.dat cannot be written in " + blocked.path().string()))
      << outcome.output;
  EXPECT_TRUE(contains(outcome.output,
                       blocked.file("pier.bkd") + ": names.dat missing or incomplete (status 6)"))
      << outcome.output;
  EXPECT_TRUE(contains(outcome.output, open.file("pier.bkd") + ": run completed (status 0)"))
      << outcome.output;
  EXPECT_FALSE(blocked.exists("pier.bko"));
  EXPECT_TRUE(open.exists("pier.bko"));
}

TEST(BormekRun, VerboseCopiesProgressLinesToTheConsole) {
  testing::TestFolder folder;
  folder.write("pier.bkd", testing::readText(testing::fixturePath("all_types_si_asd.bkd")));
  EXPECT_FALSE(contains(runner(folder.file("pier.bkd")).output, "NUMBER OF LAYERS"));
  const CommandOutcome verbose = runner(folder.file("pier.bkd") + " --verbose");
  EXPECT_TRUE(contains(verbose.output, "     NUMBER OF LAYERS =    9")) << verbose.output;
}

TEST(BormekRun, AMissingEngineLibraryGivesItsOwnExitCode) {
  testing::TestFolder folder;
  std::filesystem::copy_file(testing::binDir() + "/bormek-run", folder.file("bormek-run"));
  folder.write("pier.bkd", testing::readText(testing::fixturePath("all_types_si_asd.bkd")));
  const CommandOutcome outcome =
      runCommand(folder.file("bormek-run") + " " + folder.file("pier.bkd"));
  EXPECT_EQ(outcome.exitCode, 10);
  EXPECT_TRUE(contains(outcome.output, "Library could not be located")) << outcome.output;
}

}  // namespace
}  // namespace bormek
