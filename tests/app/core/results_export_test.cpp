// File > Export Results... without widgets: the results file of an
// in-process run written as a workbook where the user chooses, and every
// reason it cannot be.
#include "core/results_export.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/support/scripted_dialogs.h"
#include "support/command_outcome.h"
#include "support/engine_run.h"
#include "support/test_folder.h"

namespace {

using bormek::testing::TestFolder;

// The sand-and-clay example run in `folder` as project.bkd.
std::string runExample(const TestFolder& folder) {
  bormek::testing::runEngineOn(
      folder, bormek::testing::readText(bormek::testing::examplePath("sand_clay.bkd")));
  return folder.file("project.bkd");
}

TEST(ResultsExport, WritesTheWorkbookWhereTheUserChoosesAddingItsExtension) {
  TestFolder folder;
  const std::string project = runExample(folder);
  ScriptedDialogs dialogs;
  dialogs.QueueFile(QString::fromStdString(folder.file("pier results")));

  EXPECT_TRUE(ExportResults(project, dialogs));

  ASSERT_EQ(dialogs.Calls().size(), 1u);
  const ScriptedDialogs::Call& save = dialogs.Calls().front();
  EXPECT_EQ(save.kind, ScriptedDialogs::Kind::kSaveFile);
  EXPECT_EQ(save.text, QStringLiteral("Export Results"));
  EXPECT_EQ(save.filters, QStringList{QStringLiteral("Excel Workbook (*.xlsx)")});
  EXPECT_EQ(save.startPath, QString::fromStdString(folder.file("project.xlsx")));
  ASSERT_TRUE(folder.exists("pier results.xlsx"));
  // The example's five diameters, 3 to 5 ft, each on its sheet.
  const std::string book =
      bormek::testing::runCommand("unzip -p '" + folder.file("pier results.xlsx") +
                                  "' xl/workbook.xml")
          .output;
  for (const char* sheet :
       {"Summary", "D 3 ft", "D 3.5 ft", "D 4 ft", "D 4.5 ft", "D 5 ft", "Load-Settlement"}) {
    EXPECT_NE(book.find("name=\"" + std::string(sheet) + "\""), std::string::npos) << sheet;
  }
}

TEST(ResultsExport, EveryReasonNotToExportIsTold) {
  TestFolder folder;
  const std::string project = runExample(folder);
  struct Case {
    const char* what;
    std::function<void(ScriptedDialogs&)> prepare;
    QString message;  // empty: nothing is said
  };
  const QString noResults =
      QStringLiteral("There are no results of other.bkd to export. Run the analysis first.");
  const Case cases[] = {
      {"cancelled", [](ScriptedDialogs& d) { d.QueueCancelledFile(); }, QString()},
      {"folder missing",
       [&](ScriptedDialogs& d) {
         d.QueueFile(QString::fromStdString(folder.file("absent/pier.xlsx")));
       },
       QStringLiteral("The workbook %1 cannot be written: ")
           .arg(QString::fromStdString(folder.file("absent/pier.xlsx")))},
  };
  for (const Case& c : cases) {
    ScriptedDialogs dialogs;
    c.prepare(dialogs);
    EXPECT_FALSE(ExportResults(project, dialogs)) << c.what;
    const QStringList messages = dialogs.Messages();
    if (c.message.isEmpty()) {
      EXPECT_TRUE(messages.isEmpty()) << c.what;
    } else {
      ASSERT_EQ(messages.size(), 1) << c.what;
      EXPECT_TRUE(messages.front().startsWith(c.message)) << messages.front().toStdString();
    }
  }

  ScriptedDialogs withoutResults;
  EXPECT_FALSE(ExportResults(folder.file("other.bkd"), withoutResults));
  EXPECT_EQ(withoutResults.Messages(), QStringList{noResults});
  EXPECT_EQ(withoutResults.Calls().size(), 1u);  // no save dialog

  folder.write("broken.json", "{\"format_version\": 1,");
  ScriptedDialogs unreadable;
  unreadable.QueueFile(QString::fromStdString(folder.file("broken.xlsx")));
  EXPECT_FALSE(ExportResults(folder.file("broken.bkd"), unreadable));
  EXPECT_EQ(unreadable.Messages(),
            QStringList{QStringLiteral("The results file %1 cannot be read: it is not JSON.")
                            .arg(QString::fromStdString(folder.file("broken.json")))});
}

}  // namespace
