// The run command on the real engine library, without widgets: save first,
// names.dat, binding, the completion messages and unbinding.
#include "core/run_driver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <memory>
#include <vector>

#include "core/dialogs.h"
#include "core/program_data.h"
#include "support/engine_run.h"
#include "support/test_folder.h"

namespace {

using bormek::testing::TestFolder;

// Records every message; no question is expected of the run command.
class RecordingDialogs : public TDialogs {
 public:
  std::vector<QString> messages;
  void Information(const QString& text) override { messages.push_back(text); }
  Answer Confirm(const QString&) override { return Answer::kCancel; }
  FileChoice OpenFile(const QString&, const QStringList&, const QString&) override { return {}; }
  FileChoice SaveFile(const QString&, const QStringList&, const QString&) override { return {}; }
};

struct Fixture {
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TProgramData project{*tables};
  RecordingDialogs dialogs;
  int busyCalls = 0;
};

QString libraryPath() {
  return QString::fromStdString(bormek::testing::binDir() + "/Bormek2012_DLL.so");
}

// A one-layer sand project that runs to completion.
void makeRunnable(TProgramData& p) {
  p.Title = "Run driver";
  p.MinDiameter() = 3.0L;
  p.ShaftModulus() = 3600000.0L;
  p.ShaftLength() = 20.0L;
  TGridTable& d = p.Tables().D();
  d.Cells(1, 0).SetFloat(40.0L);
  TGridTable& sand = *d.Cells(2, 0).AsTable();
  for (int row = 0; row < 2; ++row) {
    sand.Cells(0, row).SetFloat(120.0L);
    sand.Cells(1, row).SetFloat(34.0L);
  }
}

const QString kCompleted =
    "Computations are completed.\nPlease, check output file for results or error messages.";

TEST(RunDriver, ASavedProjectRunsAndReportsCompletion) {
  TestFolder folder;
  const QString previous = QDir::currentPath();
  Fixture f;
  makeRunnable(f.project);
  TRunDriver driver(
      f.dialogs,
      [&] {
        f.project.FileName = folder.file("run.bkd");
        f.project.Save();
        return true;
      },
      [&](bool) { ++f.busyCalls; });
  const RunOutcome outcome = driver.CompRunClick(f.project, libraryPath());
  QDir::setCurrent(previous);
  EXPECT_TRUE(outcome.ran);
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(f.dialogs.messages, std::vector<QString>{kCompleted});
  EXPECT_EQ(f.busyCalls, 2);
  EXPECT_TRUE(folder.exists("run.bko"));
  EXPECT_FALSE(folder.exists("names.dat"));

  // A second run binds the library afresh.
  f.dialogs.messages.clear();
  EXPECT_TRUE(driver.CompRunClick(f.project, libraryPath()).ran);
  QDir::setCurrent(previous);
  EXPECT_EQ(f.dialogs.messages, std::vector<QString>{kCompleted});
}

TEST(RunDriver, CancellingSaveAsEndsQuietly) {
  Fixture f;
  TRunDriver driver(
      f.dialogs, [] { return false; }, [&](bool) { ++f.busyCalls; });
  EXPECT_FALSE(driver.CompRunClick(f.project, libraryPath()).ran);
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_EQ(f.busyCalls, 0);
}

TEST(RunDriver, AnAbsentLibraryIsReportedAndNamesDatStays) {
  TestFolder folder;
  const QString previous = QDir::currentPath();
  Fixture f;
  makeRunnable(f.project);
  f.project.FileName = folder.file("run.bkd");
  TRunDriver driver(
      f.dialogs,
      [&] {
        f.project.Save();
        return true;
      },
      [&](bool) { ++f.busyCalls; });
  const RunOutcome outcome =
      driver.CompRunClick(f.project, QString::fromStdString(folder.file("missing.so")));
  QDir::setCurrent(previous);
  EXPECT_FALSE(outcome.ran);
  EXPECT_EQ(f.dialogs.messages, std::vector<QString>{"Attempt to initialize DLL failed"});
  EXPECT_TRUE(folder.exists("names.dat"));
  EXPECT_EQ(f.busyCalls, 0);
}

TEST(RunDriver, ANonZeroStatusWarnsOfErrors) {
  TestFolder folder;
  const QString previous = QDir::currentPath();
  Fixture f;  // a new project: diameter and modulus 0, which the engine refuses
  f.project.FileName = folder.file("empty.bkd");
  TRunDriver driver(
      f.dialogs,
      [&] {
        f.project.Save();
        return true;
      },
      [](bool) {});
  const RunOutcome outcome = driver.CompRunClick(f.project, libraryPath());
  QDir::setCurrent(previous);
  EXPECT_TRUE(outcome.ran);
  EXPECT_EQ(outcome.status, 7);
  EXPECT_EQ(f.dialogs.messages,
            std::vector<QString>{"Computations are completed, but there may be errors.\nPlease, "
                                 "check output file for results or error messages."});
}

}  // namespace
