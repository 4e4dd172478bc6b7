// The layering check on small source trees: one file with one include each,
// accepted or refused by the layer it sits in.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/command_outcome.h"
#include "support/test_folder.h"

namespace {

using bormek::testing::TestFolder;

bormek::testing::CommandOutcome checkLayers(const TestFolder& tree) {
  return bormek::testing::runCommand(std::string(BORMEK_CHECK_LAYERS) + " '" +
                                     tree.path().string() + "'");
}

TEST(CheckLayers, AcceptsIncludesWithTheLayersAndRefusesThoseAgainstThem) {
  const struct {
    const char* file;
    const char* include;
    bool accepted;
  } cases[] = {
      {"app/core/a.cpp", "#include \"core/grid_table.h\"", true},
      {"app/core/a.cpp", "#include \"runner/project_run.h\"", true},
      {"app/core/a.cpp", "#include <QPainter>", true},
      {"app/core/a.cpp", "#include \"widgets/main_form.h\"", false},
      {"app/core/a.cpp", "#include <QWidget>", false},
      {"app/core/a.cpp", "#include <QtWidgets/QLabel>", false},
      {"app/core/a.cpp", "#include <QPrinter>", false},
      {"app/core/a.cpp", "#include \"grid_table.h\"", false},
      {"app/widgets/a.cpp", "#include \"core/units.h\"", true},
      {"app/widgets/a.cpp", "#include <QWidget>", true},
      {"app/main.cpp", "#include \"widgets/main_form.h\"", true},
      {"engine/entry/a.cpp", "#include \"input/list_reader.h\"", true},
      {"engine/entry/a.cpp", "#include \"runner/engine_library.h\"", false},
      {"engine/entry/a.cpp", "#include \"support/test_folder.h\"", false},
      {"engine/entry/a.cpp", "#include <QString>", false},
      {"runner/a.cpp", "#include \"cli/x.h\"", false},
      {"cli/a.cpp", "#include \"runner/project_run.h\"", true},
      {"cli/a.cpp", "#include \"results/results_reader.h\"", true},
      {"results/a.cpp", "#include \"results/results_document.h\"", true},
      {"results/a.cpp", "#include \"runner/project_run.h\"", false},
      {"results/a.cpp", "#include \"output/results_file.h\"", false},
      {"results/a.cpp", "#include <QString>", false},
      {"app/core/a.cpp", "#include \"results/results_workbook.h\"", true},
      {"runner/a.cpp", "#include \"results/results_reader.h\"", false},
      {"cli/a.cpp", "#include \"app/core/units.h\"", false},
      {"cli/a.cpp", "#include \"core/units.h\"", false},
      {"tests/app/core/a_test.cpp", "#include \"widgets/table_form.h\"", false},
      {"tests/app/core/a_test.cpp", "#include \"app/widgets/main_window_fixture.h\"", false},
      {"tests/app/widgets/a_test.cpp", "#include \"app/widgets/main_window_fixture.h\"", true},
      {"tests/runner/a_test.cpp", "#include \"support/test_folder.h\"", true},
  };
  for (const auto& c : cases) {
    TestFolder tree;
    std::filesystem::create_directories(tree.path() / "engine" / "input");
    std::filesystem::create_directories((tree.path() / c.file).parent_path());
    tree.write(c.file, std::string("// one include\n") + c.include + "\n");
    const auto check = checkLayers(tree);
    EXPECT_EQ(check.exitCode, c.accepted ? 0 : 1) << c.file << ": " << c.include;
    if (!c.accepted) {
      EXPECT_NE(check.output.find(c.file), std::string::npos) << check.output;
    }
  }
}

}  // namespace
