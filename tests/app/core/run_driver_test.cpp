// The run command on the real engine library, without widgets: save first,
// names.dat, binding, the completion messages and unbinding.
#include "core/run_driver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/dialogs.h"
#include "core/plot_set.h"
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
  void Error(const QString& text) override { Information(text); }
  bool Print(QPrinter&) override { return false; }
  bool PageSetup(QPrinter&) override { return false; }
};

struct Fixture {
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TProgramData project{*tables};
  RecordingDialogs dialogs;
  TPlotSet plots;
  int busyCalls = 0;

  // A run command whose saving writes the project under its FileName.
  TRunDriver savingDriver() {
    return TRunDriver(
        dialogs, plots,
        [this] {
          project.Save();
          return true;
        },
        [this](bool) { ++busyCalls; });
  }
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
  f.project.FileName = folder.file("run.bkd");
  TRunDriver driver = f.savingDriver();
  const RunOutcome outcome = driver.CompRunClick(f.project, libraryPath());
  QDir::setCurrent(previous);
  EXPECT_TRUE(outcome.ran);
  EXPECT_EQ(outcome.status, 0);
  EXPECT_TRUE(outcome.resultsLoaded);
  EXPECT_EQ(f.plots.Plot(PlotId::pltSkin).LineCount(), 1);
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
      f.dialogs, f.plots, [] { return false; }, [&](bool) { ++f.busyCalls; });
  EXPECT_FALSE(driver.CompRunClick(f.project, libraryPath()).ran);
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_EQ(f.busyCalls, 0);
}

TEST(RunDriver, ARunThatCannotReachTheEngineIsReportedAndLeavesNoNamesDat) {
  struct Case {
    const char* what;
    bool namesDatIsAFolder;
    bool libraryExists;
    QString message;  // with the folder's path where it names it
  };
  TestFolder folder;
  const QString folderPath = QString::fromStdString(folder.path().string());
  const Case cases[] = {
      {"library absent", false, false, "Attempt to initialize DLL failed"},
      {"names.dat unwritable", true, true, "names.dat cannot be written in " + folderPath},
  };
  for (const Case& c : cases) {
    const QString previous = QDir::currentPath();
    std::filesystem::remove_all(folder.path() / "names.dat");
    if (c.namesDatIsAFolder) {
      std::filesystem::create_directories(folder.path() / "names.dat" / "inside");
    }
    Fixture f;
    makeRunnable(f.project);
    f.project.FileName = folder.file("run.bkd");
    TRunDriver driver = f.savingDriver();
    const QString library =
        c.libraryExists ? libraryPath() : QString::fromStdString(folder.file("missing.so"));
    const RunOutcome outcome = driver.CompRunClick(f.project, library);
    // The desktop keeps the project's folder as its current one.
    EXPECT_EQ(QDir::currentPath(), folderPath) << c.what;
    QDir::setCurrent(previous);
    EXPECT_FALSE(outcome.ran) << c.what;
    EXPECT_EQ(f.dialogs.messages, std::vector<QString>{c.message}) << c.what;
    EXPECT_FALSE(std::filesystem::is_regular_file(folder.path() / "names.dat")) << c.what;
    EXPECT_FALSE(folder.exists("run.bko")) << c.what;
    EXPECT_EQ(f.busyCalls, 0) << c.what;
  }
}

// The refused input leaves an empty plot file, which cannot be read.
TEST(RunDriver, ANonZeroStatusWarnsOfErrors) {
  TestFolder folder;
  const QString previous = QDir::currentPath();
  Fixture f;  // a new project: diameter and modulus 0, which the engine refuses
  f.project.FileName = folder.file("empty.bkd");
  TRunDriver driver = f.savingDriver();
  const RunOutcome outcome = driver.CompRunClick(f.project, libraryPath());
  QDir::setCurrent(previous);
  EXPECT_TRUE(outcome.ran);
  EXPECT_EQ(outcome.status, 7);
  EXPECT_FALSE(outcome.resultsLoaded);
  EXPECT_EQ(f.dialogs.messages,
            (std::vector<QString>{"Computations are completed, but there may be errors.\nPlease, "
                                  "check output file for results or error messages.",
                                  "An error occured in running the main program."}));
}

}  // namespace
