// The real engine library, loaded through TDynamicLibrary as the programs
// load it: runs, request codes, bad input and the exported symbols.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <locale>
#include <set>

#include "runner/dynamic_library.h"
#include "support/engine_run.h"
#include "support/test_folder.h"

namespace bormek {
namespace {

using testing::TestFolder;

std::string libraryPath() {
  return testing::binDir() + "/Bormek2012_DLL.so";
}

// Loads the library, calls _IBORMEK once from inside `folder` and unloads.
int callLibrary(const TestFolder& folder, int request = 13) {
  TDynamicLibrary library;
  library.SetLibraryName(libraryPath());
  library.Open();
  using Entry = std::int32_t (*)(std::int32_t);
  auto entry = reinterpret_cast<Entry>(library.ProcAddress("_IBORMEK"));
  EXPECT_NE(entry, nullptr);
  testing::InFolder inside(folder.path());
  return entry(request);
}

std::string sandProject(const std::string& title, const std::string& countLine = "1 5.0 20.0 2 3",
                        const std::string& shaftLine = "3.0 4.0 0 0 0 0 4000000") {
  return testing::crlf({title, "1", "2 1 1.0 5.0 1 2", shaftLine, countLine, "1 30.0",
                        "0.0 110.0 30.0 0.0 10 0 0 0.55 0.50",
                        "0.0 115.0 36.0 0.0 30 0 0 0.55 0.50", "2", "0 0"});
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\n";
  }
  return text;
}

TEST(EngineLibrary, ARunWritesTheHeadAndTheEchoAndDeclaresOnlyItsEntry) {
  TestFolder folder;
  folder.write("project.bkd", sandProject("Library run"));
  folder.writeRunControl("project");
  const std::time_t before = std::time(nullptr);
  EXPECT_EQ(callLibrary(folder), 0);
  const std::time_t after = std::time(nullptr);

  const auto report = testing::readLines(folder.file("project.bko"));
  ASSERT_GT(report.size(), 40u);
  EXPECT_EQ(report[2], std::string(20, ' ') + "  Bormek for Windows, Version 2012.7.8    ");
  EXPECT_EQ(report[13], "     Path to file locations      : " + folder.path().string() + "/");
  EXPECT_EQ(report[26].substr(0, 16), "     Library run");
  EXPECT_NE(joined(report).find("     SOIL INFORMATION\n"), std::string::npos);
  EXPECT_TRUE(folder.exists("project.bkp"));
  EXPECT_TRUE(folder.exists("project.bkr"));

  // The date line holds the local time of the run.
  bool matched = false;
  for (std::time_t t = before; t <= after; ++t) {
    char expected[64];
    std::tm local{};
    localtime_r(&t, &local);
    std::strftime(expected, sizeof expected, "%B %d, %Y     Time:  %H:%M:%S", &local);
    matched = matched || report[24] == std::string(15, ' ') + "Date:  " + expected;
  }
  EXPECT_TRUE(matched) << report[24];
}

TEST(EngineLibrary, ExportsOnlyTheTwoEntrySymbols) {
  FILE* pipe = ::popen(("nm -D --defined-only " + libraryPath()).c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::set<std::string> symbols;
  char address[64], kind[8], name[256];
  while (std::fscanf(pipe, "%63s %7s %255s", address, kind, name) == 3) {
    symbols.insert(name);
  }
  ASSERT_EQ(::pclose(pipe), 0);
  EXPECT_EQ(symbols, (std::set<std::string>{"IBORMEK", "_IBORMEK"}));
}

TEST(EngineLibrary, TwoRunsInARowGiveTwoIndependentReports) {
  TestFolder folder;
  folder.write("project.bkd", sandProject("First run"));
  folder.writeRunControl("project");
  ASSERT_EQ(callLibrary(folder), 0);
  const auto first = testing::readLines(folder.file("project.bko"));

  folder.write("project.bkd", sandProject("Second run"));
  ASSERT_EQ(callLibrary(folder), 0);
  const auto second = testing::readLines(folder.file("project.bko"));
  EXPECT_EQ(second.size(), first.size());  // replaced, not appended
  EXPECT_EQ(second[26].substr(0, 15), "     Second run");
  EXPECT_EQ(joined(second).find("First run"), std::string::npos);
}

TEST(EngineLibrary, RequestCodeOtherThan13ReturnsOneAndTouchesNoFile) {
  TestFolder folder;
  folder.write("project.bkd", sandProject("Refused"));
  folder.writeRunControl("project");
  EXPECT_EQ(callLibrary(folder, 12), 1);
  EXPECT_FALSE(folder.exists("project.bko"));
  EXPECT_FALSE(folder.exists("project.bkp"));
  EXPECT_FALSE(folder.exists("project.bkr"));
}

TEST(EngineLibrary, RunControlProblemsEndWithStatus6) {
  TestFolder missing;
  EXPECT_EQ(callLibrary(missing), 6);

  TestFolder shortFile;
  shortFile.write("names.dat", testing::crlf({"2012.7.8", "1", shortFile.file("p.bkd"),
                                              shortFile.file("p.bko")}));
  EXPECT_EQ(callLibrary(shortFile), 6);
  EXPECT_FALSE(shortFile.exists("p.bko"));
}

struct BadInput {
  const char* what;
  std::string project;
  const char* notesLine;  // the line of the run notes that names line and item
};

TEST(EngineLibrary, BadInputEndsWithStatus7AndNamesLineAndItem) {
  const std::string shaft = "3.0 4.0 0 0 0 0 4000000";
  const BadInput cases[] = {
      {"file ends early",
       testing::crlf({"Short", "1", "2 1 1.0 5.0 1 2", shaft, "1 5.0 20.0 2 3", "1 30.0",
                      "0.0 110.0 30.0 0.0 10 0 0 0.55 0.50"}),
       "     LINE 8, ITEM 1: THE FILE ENDS BEFORE THE FIRST VALUE (0.0 FOR SAND) AT THE BOTTOM "
       "OF LAYER 1"},
      {"word not a number", sandProject("Bad word", "1 5.0 twenty 2 3"),
       "     LINE 5, ITEM 3: A NUMBER WAS EXPECTED FOR THE DESIGN LOAD OR SHAFT LENGTH BUT "
       "\"twenty\" WAS FOUND"},
      {"too many layers", sandProject("Many", "30 5.0 20.0 2 3"),
       "     LINE 5, ITEM 1: THE NUMBER OF LAYERS MUST BE 1 TO 29 (FOUND 30)"},
      {"no layers", sandProject("None", "0 5.0 20.0 2 3"),
       "     LINE 5, ITEM 1: THE NUMBER OF LAYERS MUST BE 1 TO 29 (FOUND 0)"},
      {"zero diameter", sandProject("No diameter", "1 5.0 20.0 2 3", "0 4.0 0 0 0 0 4000000"),
       "     LINE 4, ITEM 1: THE MINIMUM SHAFT DIAMETER MUST BE GREATER THAN ZERO"},
      {"zero modulus", sandProject("No modulus", "1 5.0 20.0 2 3", "3.0 4.0 0 0 0 0 0"),
       "     LINE 4, ITEM 7: THE ELASTIC MODULUS OF THE SHAFT MUST BE GREATER THAN ZERO"},
      {"unknown soil type",
       testing::crlf({"Type 12", "1", "2 1 1.0 5.0 1 2", shaft, "1 5.0 20.0 2 3", "12 30.0"}),
       "     LINE 6, ITEM 1: THE SOIL TYPE OF LAYER 1 MUST BE ONE OF THE CODES 1 TO 9"},
  };
  for (const BadInput& c : cases) {
    TestFolder folder;
    folder.write("project.bkd", c.project);
    folder.writeRunControl("project");
    EXPECT_EQ(callLibrary(folder), 7) << c.what;
    const std::string notes = joined(testing::readLines(folder.file("project.bkr")));
    EXPECT_NE(notes.find("     INPUT DATA FILE " + folder.file("project.bkd") + "\n"),
              std::string::npos)
        << c.what << "\n"
        << notes;
    EXPECT_NE(notes.find(std::string(c.notesLine) + "\n"), std::string::npos) << c.what << "\n"
                                                                              << notes;
    // The report keeps what was read and says why it stopped.
    const std::string report = joined(testing::readLines(folder.file("project.bko")));
    EXPECT_NE(report.find(c.notesLine), std::string::npos) << c.what;
  }
}

TEST(EngineLibrary, MissingInputAndUnwritableOutputEndWithTheirStatus) {
  TestFolder noInput;
  noInput.writeRunControl("absent");
  EXPECT_EQ(callLibrary(noInput), 7);
  const std::string notes = joined(testing::readLines(noInput.file("absent.bkr")));
  EXPECT_NE(notes.find("THE INPUT DATA FILE " + noInput.file("absent.bkd") + " CANNOT BE OPENED"),
            std::string::npos)
      << notes;

  TestFolder noOutput;
  noOutput.write("p.bkd", sandProject("Unwritable"));
  const std::string missingFolder = noOutput.file("no-such-folder") + "/p.bko";
  noOutput.write("names.dat", testing::crlf({"2012.7.8", "1", noOutput.file("p.bkd"), missingFolder,
                                             noOutput.file("p.bkp"), noOutput.file("p.bkr")}));
  EXPECT_EQ(callLibrary(noOutput), 8);
  const std::string outputNotes = joined(testing::readLines(noOutput.file("p.bkr")));
  EXPECT_NE(outputNotes.find("THE OUTPUT FILE " + missingFolder + " CANNOT BE CREATED"),
            std::string::npos)
      << outputNotes;
}

// Masks the time-and-date line, the only one that differs between runs.
std::string withoutDateLine(std::vector<std::string> lines) {
  if (lines.size() > 24) {
    lines[24].clear();
  }
  return joined(lines);
}

TEST(EngineLibrary, ACommaDecimalLocaleChangesNoByteOfTheOutput) {
  TestFolder folder;
  folder.write("project.bkd", testing::readText(testing::fixturePath("all_types_si_asd.bkd")));
  folder.writeRunControl("project");
  const int plainStatus = callLibrary(folder);
  const std::string plainReport = withoutDateLine(testing::readLines(folder.file("project.bko")));
  const std::string plainNotes = testing::readText(folder.file("project.bkr"));

  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/setup makes it)";
  }
  const std::locale previous = std::locale::global(std::locale("de_DE.UTF-8"));
  const int status = callLibrary(folder);
  std::locale::global(previous);
  std::setlocale(LC_ALL, "C");

  EXPECT_EQ(status, plainStatus);
  EXPECT_EQ(withoutDateLine(testing::readLines(folder.file("project.bko"))), plainReport);
  EXPECT_EQ(testing::readText(folder.file("project.bkr")), plainNotes);
}

}  // namespace
}  // namespace bormek
