// File > Export Results... in the main window: disabled until the project
// has results, then writing the workbook of the last run.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "app/support/scripted_dialogs.h"
#include "app/widgets/main_window_fixture.h"
#include "widgets/main_form.h"

namespace {

using bormek::ui_testing::goodProject;
using bormek::ui_testing::MainWindow;

TEST_F(MainWindow, ExportResultsFollowsTheResultsFileAndWritesTheWorkbook) {
  const QString project = write(QStringLiteral("pier.bkd"), goodProject(QStringLiteral("Pier")));
  TMainForm& form = start();
  form.OpenFileName(project);
  openMenu("FileMenu");
  EXPECT_FALSE(enabled("FileExportResultsItem"));
  closePopups();

  clickButton("RunButton");
  ASSERT_TRUE(QFileInfo::exists(folder_.filePath(QStringLiteral("pier.json"))));
  const QString workbook = folder_.filePath(QStringLiteral("pier.xlsx"));
  dialogs_.QueueFile(workbook);
  QMenu* file = openMenu("FileMenu");
  ASSERT_TRUE(enabled("FileExportResultsItem"));
  clickItem(file, form.Action("FileExportResultsItem"));

  EXPECT_TRUE(QFileInfo::exists(workbook));
  EXPECT_EQ(dialogs_.Calls().back().text, QStringLiteral("Export Results"));
  EXPECT_EQ(dialogs_.UnusedAnswers(), 0u);
}

}  // namespace
