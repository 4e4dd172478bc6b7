// The file commands without a window: what each asks through the dialogs,
// what it does to the project and the recent list, and what it tells the
// window, in order. A window that refuses to commit stops every command.
#include "core/file_commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/support/scratch_settings.h"
#include "app/support/scripted_dialogs.h"
#include "core/app_settings.h"
#include "core/plot_set.h"
#include "core/program_data.h"
#include "core/project_view.h"
#include "support/engine_run.h"
#include "support/test_folder.h"

namespace {

using bormek::testing::fixturePath;
using bormek::testing::readText;
using Answer = TDialogs::Answer;
using Calls = std::vector<std::string>;

// Records what the commands tell the window; commits as it is told to.
class RecordingView : public TProjectView {
 public:
  bool acceptCommit = true;
  Calls calls;

  bool CommitActiveChild() override {
    calls.push_back("commit");
    return acceptCommit;
  }
  void CloseAllChildren() override { calls.push_back("close children"); }
  void ShowProjectName() override { calls.push_back("name"); }
  void SetResultsLoaded(bool loaded) override {
    calls.push_back(loaded ? "results" : "no results");
  }
  void ApplyColumnVisibility() override { calls.push_back("columns"); }
  void ShowRecentFiles() override { calls.push_back("recent"); }
};

// A legacy-layout project: no sand option or design method on line 3 and
// no resistance factors on the layer lines.
const std::vector<std::string> kLegacyProject = {
    "Old project", "1",      "2 1 1.0 5.0",       "3 3 0 0 0 0 3600000",
    "1 10 30 2 3", "1 40",   "0 120 32 0 15 0 0", "0 120 34 0 20 0 0",
    "1",           "0.4 0.5"};

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratchSettings_.IsValid());
    previousFolder_ = QDir::currentPath();
    project.Create();
  }
  void TearDown() override { QDir::setCurrent(previousFolder_); }

  QString file(const char* name) const { return QString::fromStdString(folder.file(name)); }
  // A project of the current layout in the scratch folder.
  QString projectFile(const char* name) const {
    folder.write(name, readText(fixturePath("all_types_english_lrfd.bkd")));
    return file(name);
  }
  QString legacyFile(const char* name) const {
    folder.write(name, bormek::testing::crlf(kLegacyProject));
    return file(name);
  }
  void modify(const char* title) {
    project.Title = title;
    project.SetModified(true);
  }

  bormek::app_testing::ScratchSettings scratchSettings_;
  QString previousFolder_;
  bormek::testing::TestFolder folder;
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TProgramData project{*tables};
  TPlotSet plots;
  TAppSettings settings;
  ScriptedDialogs dialogs;
  RecordingView view;
  TFileCommands commands{project, plots, settings, dialogs, view};
};

TEST_F(FileCommandsTest, AskSaveChangesGoesOnUnlessCancelledOrLeftUnsaved) {
  struct Case {
    const char* what;
    bool modified;
    bool named;                   // the project has a file of its own
    std::vector<Answer> answers;  // to "Do you want to save any changes?"
    const char* saveAs;           // the Save As choice; nullptr: cancelled
    bool goesOn;
    bool written;
  };
  const Case cases[] = {
      {"unmodified", false, false, {}, nullptr, true, false},
      {"cancel", true, true, {Answer::kCancel}, nullptr, false, false},
      {"no", true, true, {Answer::kNo}, nullptr, true, false},
      {"yes, named", true, true, {Answer::kYes}, nullptr, true, true},
      {"yes, save as cancelled", true, false, {Answer::kYes}, nullptr, false, false},
      {"yes, saved as", true, false, {Answer::kYes}, "chosen.bkd", true, true},
  };
  for (const Case& c : cases) {
    bormek::testing::TestFolder scratch;
    ScriptedDialogs script;
    TFileCommands asking(project, plots, settings, script, view);
    project.Create();
    project.FileName = c.named ? scratch.file("named.bkd") : kNewProjectFileName;
    project.SetModified(c.modified);
    for (Answer answer : c.answers) {
      script.QueueAnswer(answer);
    }
    if (!c.named && c.saveAs != nullptr) {
      script.QueueFile(QString::fromStdString(scratch.file(c.saveAs)));
    } else if (!c.named && !c.answers.empty()) {
      script.QueueCancelledFile();
    }

    EXPECT_EQ(asking.AskSaveChanges(), c.goesOn) << c.what;
    const std::string written = c.saveAs ? c.saveAs : "named.bkd";
    EXPECT_EQ(scratch.exists(written), c.written) << c.what;
    EXPECT_EQ(script.UnusedAnswers(), 0u) << c.what;
  }
}

TEST_F(FileCommandsTest, ARefusedCommitStopsEveryCommandBeforeItAsksAnything) {
  const QString other = projectFile("other.bkd");
  settings.UpdatePrevFile(other);
  project.FileName = folder.file("kept.bkd");
  const struct {
    const char* what;
    std::function<void()> command;
  } cases[] = {
      {"New", [this] { commands.New(); }},
      {"Open", [this] { commands.Open(); }},
      {"recent file", [this] { commands.OpenRecent(0); }},
      {"drop", [this, other] { commands.Drop(other); }},
      {"Save", [this] { commands.Save(); }},
      {"Save As", [this] { commands.SaveAs(); }},
      {"Exit", [this] { EXPECT_FALSE(commands.Close()); }},
  };
  view.acceptCommit = false;
  for (const auto& c : cases) {
    modify("Typed but refused");
    view.calls.clear();
    c.command();
    EXPECT_EQ(view.calls, Calls{"commit"}) << c.what;
    EXPECT_TRUE(dialogs.Calls().empty()) << c.what;
    EXPECT_EQ(project.Title, "Typed but refused") << c.what;
    EXPECT_EQ(project.FileName, folder.file("kept.bkd")) << c.what;
    EXPECT_FALSE(folder.exists("kept.bkd")) << c.what;
  }
}

TEST_F(FileCommandsTest, NewReplacesTheProjectOnlyWhenAllowedButAlwaysClearsTheResults) {
  modify("Kept");
  dialogs.QueueAnswer(Answer::kCancel);
  commands.New();
  EXPECT_EQ(project.Title, "Kept");
  EXPECT_EQ(view.calls, (Calls{"commit", "no results", "columns"}));

  view.calls.clear();
  dialogs.QueueAnswer(Answer::kNo);
  commands.New();
  EXPECT_EQ(project.Title, "New Pile");
  EXPECT_FALSE(project.Modified());
  EXPECT_EQ(view.calls, (Calls{"commit", "close children", "name", "no results", "columns"}));
}

TEST_F(FileCommandsTest, OpenReadsTheChosenLayoutAndPutsTheFileFirstInTheRecentList) {
  const struct {
    const char* what;
    int filterIndex;
    bool currentFormat;
    const char* title;
  } cases[] = {
      {"current layout", 0, true, "All nine soil types, English units, LRFD, uplift, design load"},
      {"legacy layout", 1, false, "Old project"},
  };
  for (const auto& c : cases) {
    const QString path = c.currentFormat ? projectFile("open.bkd") : legacyFile("open.bkd");
    dialogs.QueueFile(path, c.filterIndex);
    view.calls.clear();

    commands.Open();

    EXPECT_EQ(project.Title, c.title) << c.what;
    EXPECT_EQ(project.CurrentFormat, c.currentFormat) << c.what;
    EXPECT_EQ(settings.Recent.PrevFiles.front(), path) << c.what;
    EXPECT_EQ(QDir::currentPath(), QString::fromStdString(folder.path().string())) << c.what;
    EXPECT_EQ(view.calls,
              (Calls{"commit", "close children", "name", "no results", "recent", "columns"}))
        << c.what;
  }
  const ScriptedDialogs::Call& open = dialogs.Calls().front();
  EXPECT_EQ(open.text, "Open");
  EXPECT_EQ(open.filters,
            (QStringList{"Bormek 2012 (*.bkd)", "Bormek 6.0 (*.bkd)", "All Files (*)"}));
  EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(FileCommandsTest, ADroppedFileIsReadWithoutEnteringTheRecentList) {
  const QString path = projectFile("dropped.bkd");
  commands.Drop(path);
  EXPECT_EQ(project.FileName, folder.file("dropped.bkd"));
  EXPECT_EQ(settings.Recent.PrevFileCount, 0);
  EXPECT_EQ(view.calls, (Calls{"commit", "close children", "name", "no results"}));
}

TEST_F(FileCommandsTest, SavingANewProjectGoesThroughSaveAsWhichAlwaysClearsTheResults) {
  dialogs.QueueCancelledFile();
  commands.Save();
  EXPECT_EQ(project.FileName, kNewProjectFileName);
  EXPECT_EQ(view.calls, (Calls{"commit", "no results"}));
  const ScriptedDialogs::Call& cancelled = dialogs.Calls().front();
  EXPECT_EQ(cancelled.text, "Save NewBormek As");
  EXPECT_EQ(cancelled.filters, (QStringList{"Bormek 7.0 (*.bkd)", "All File (*)"}));
  EXPECT_EQ(cancelled.startPath, "NewBormek.bkd");

  view.calls.clear();
  dialogs.QueueFile(file("pier.bkd"));
  commands.Save();
  EXPECT_EQ(project.FileName, folder.file("pier.bkd"));
  EXPECT_TRUE(folder.exists("pier.bkd"));
  EXPECT_EQ(view.calls, (Calls{"commit", "name", "no results"}));
  EXPECT_EQ(settings.Recent.PrevFileCount, 0);  // saving leaves the recent list alone

  // A named project is written without a dialog.
  view.calls.clear();
  project.Title = "Second save";
  commands.Save();
  EXPECT_EQ(dialogs.Calls().size(), 2u);
  EXPECT_EQ(view.calls, Calls{"commit"});
  EXPECT_EQ(readText(folder.file("pier.bkd")).rfind("Second save\r\n", 0), 0u);
}

TEST_F(FileCommandsTest, AFileThatCannotBeWrittenIsReportedAndSaveFails) {
  project.FileName = folder.file("absent/pier.bkd");
  EXPECT_FALSE(commands.SaveProject());
  ASSERT_EQ(dialogs.Messages().size(), 1);
  EXPECT_TRUE(dialogs.Messages().front().startsWith(QStringLiteral("Cannot create file \"") +
                                                    file("absent/pier.bkd") + "\". "));
}

TEST_F(FileCommandsTest, TheFirstProgramArgumentNamesTheProjectToStartWith) {
  projectFile("proj.bkd");
  projectFile("other.dat");
  const struct {
    const char* what;
    QStringList arguments;
    std::string fileName;
  } cases[] = {
      {"no extension: .bkd added", {file("proj")}, folder.file("proj.bkd")},
      {"an extension is kept", {file("other.dat")}, folder.file("other.dat")},
      {"a missing file: a new project", {file("absent")}, kNewProjectFileName},
      {"no argument: a new project", {}, kNewProjectFileName},
  };
  for (const auto& c : cases) {
    view.calls.clear();
    commands.StartWith(c.arguments);
    EXPECT_EQ(project.FileName, c.fileName) << c.what;
    EXPECT_EQ(view.calls.back(), "columns") << c.what;
  }
  EXPECT_TRUE(dialogs.Calls().empty());
  EXPECT_EQ(settings.Recent.PrevFileCount, 0);
}

// A plot file of one diameter with one depth row and three load-settlement
// curves, all zeros: the layout in numbers, 3 + 7 + 3 x 15 x 4 of them.
std::string zeroPlotFile() {
  std::string text = "1 1 3\r\n";
  for (int k = 0; k < 7 + 3 * 15 * 4; ++k) {
    text += "0\r\n";
  }
  return text;
}

TEST_F(FileCommandsTest, OpeningAProjectLoadsItsPlotResultsWhenItsPlotFileCanBeRead) {
  const struct {
    const char* what;
    const char* plotFile;  // nullptr: none
    const char* told;
  } plotFiles[] = {
      {"no plot file", nullptr, "no results"},
      {"a readable plot file", "whole", "results"},
      {"a truncated plot file", "1 1 3\r\n0 0", "no results"},
  };
  const struct {
    const char* what;
    std::function<void(TFileCommands&, const QString&)> open;
  } ways[] = {
      {"Open", [](TFileCommands& files, const QString& path) { files.OpenFileName(path); }},
      {"drop", [](TFileCommands& files, const QString& path) { files.Drop(path); }},
      {"start", [](TFileCommands& files, const QString& path) { files.StartWith({path}); }},
  };
  for (const auto& p : plotFiles) {
    for (const auto& way : ways) {
      const QString path = projectFile("results.bkd");
      std::filesystem::remove(folder.path() / "results.bkp");
      if (p.plotFile != nullptr) {
        const std::string text = std::string(p.plotFile) == "whole" ? zeroPlotFile() : p.plotFile;
        folder.write("results.bkp", text);
      }
      view.calls.clear();
      way.open(commands, path);
      EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), p.told), 1)
          << p.what << ", " << way.what;
    }
  }
  EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(FileCommandsTest, ClosingWritesTheSettingsAndClosesTheChildrenUnlessCancelled) {
  settings.WordProcessor = QStringLiteral("/usr/bin/editor");
  modify("Unsaved");
  dialogs.QueueAnswer(Answer::kCancel);
  EXPECT_FALSE(commands.Close());
  EXPECT_EQ(view.calls, Calls{"commit"});

  view.calls.clear();
  dialogs.QueueAnswer(Answer::kNo);
  EXPECT_TRUE(commands.Close());
  EXPECT_EQ(view.calls, (Calls{"commit", "close children"}));
  EXPECT_EQ(bormek::app_testing::ScratchSettings::Stored(QStringLiteral("Word Processor")),
            "/usr/bin/editor");
}

}  // namespace
