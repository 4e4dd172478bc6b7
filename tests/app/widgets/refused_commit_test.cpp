// A command given while the active window holds an entry that cannot be
// evaluated: the entry's message is shown, the command goes no further,
// and the focus is back in the field with what was typed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>

#include "app/support/scripted_dialogs.h"
#include "app/widgets/main_window_fixture.h"
#include "app/widgets/table_window_driver.h"
#include "core/program_data.h"
#include "widgets/data_edit.h"
#include "widgets/data_form.h"
#include "widgets/main_form.h"
#include "widgets/table_form.h"

namespace {

using bormek::ui_testing::editorOf;
using bormek::ui_testing::goodProject;
using bormek::ui_testing::MainWindow;

const QString kInvalidCharacters =
    QStringLiteral("Entry could not be evaluated:\ninvalid character(s) in expression");

class RefusedCommit : public MainWindow {
 protected:
  // The window started on a saved project, whose file the commands would
  // rewrite, replace or run.
  TMainForm& startOnProject() {
    path_ = write(QStringLiteral("pier.bkd"), goodProject(QStringLiteral("Pier")));
    saved_ = readProject();
    return start({path_});
  }
  QByteArray readProject() const {
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  bool exists(const char* name) const { return QFileInfo::exists(folder_.filePath(name)); }

  // The water-table window with "12+x" typed over its depth.
  QLineEdit* refusedWaterDepth() {
    TDataForm* water = openDataWindow("WaterTableItem");
    auto* depth = water->findChild<TDataEdit*>(QStringLiteral("DataEdit1"));
    typeOver(depth, QStringLiteral("12+x"));
    return depth;
  }
  // The soil-layer window with "12+x" typed into the depth of layer 1,
  // its editor still open.
  QLineEdit* refusedLayerDepth() {
    clickButton("SoilLayerButton");
    QApplication::processEvents();
    auto* table = qobject_cast<TTableForm*>(form_->mdiArea()->activeSubWindow()->widget());
    QLineEdit* editor = table != nullptr ? editorOf(table) : nullptr;
    if (editor != nullptr) {
      typeOver(editor, QStringLiteral("12+x"));
    }
    return editor;
  }

  QString path_;
  QByteArray saved_;
};

TEST_F(RefusedCommit, EveryFileCommandAndRunGoNoFurtherAndTheFieldKeepsTheFocus) {
  const struct {
    const char* what;
    std::function<void()> command;
  } commands[] = {
      {"Run", [this] { clickButton("RunButton"); }},
      {"Save", [this] { clickButton("SaveButton"); }},
      {"Save As", [this] { form_->Action("FileSaveAsItem")->trigger(); }},
      {"New", [this] { clickButton("NewButton"); }},
      {"Open", [this] { clickButton("OpenButton"); }},
      {"Exit", [this] { form_->Action("FileExitItem")->trigger(); }},
  };
  const struct {
    const char* what;
    std::function<QLineEdit*()> refuse;
  } windows[] = {
      {"data window", [this] { return refusedWaterDepth(); }},
      {"table window", [this] { return refusedLayerDepth(); }},
  };
  for (const auto& window : windows) {
    for (const auto& command : commands) {
      TMainForm& form = startOnProject();
      QLineEdit* field = window.refuse();
      ASSERT_NE(field, nullptr) << window.what;
      QMdiSubWindow* child = form.mdiArea()->activeSubWindow();
      const std::size_t callsBefore = dialogs_.Calls().size();

      command.command();
      QApplication::processEvents();

      const std::string what = std::string(window.what) + ", " + command.what;
      ASSERT_EQ(dialogs_.Calls().size(), callsBefore + 1) << what;
      EXPECT_EQ(dialogs_.Messages().last(), kInvalidCharacters) << what;
      EXPECT_TRUE(form.isVisible()) << what;
      EXPECT_EQ(form.Project().Title, "Pier") << what;
      EXPECT_EQ(form.Project().FileName, path_.toStdString()) << what;
      EXPECT_EQ(form.Project().WaterDepth(), 10.0L) << what;
      EXPECT_EQ(readProject(), saved_) << what;
      EXPECT_FALSE(exists("pier.bko")) << what;
      EXPECT_FALSE(exists("names.dat")) << what;
      EXPECT_EQ(form.mdiArea()->activeSubWindow(), child) << what;
      EXPECT_EQ(QApplication::focusWidget(), field) << what;
      EXPECT_EQ(field->text(), "12+x") << what;
    }
  }
  EXPECT_EQ(dialogs_.UnusedAnswers(), 0u);
}

}  // namespace
