// The main window driven as a user drives it: menus opened with the mouse,
// toolbar buttons clicked, shortcuts typed, files dropped; every question
// answered by scripted dialogs. Settings live in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <functional>
#include <memory>

#include "app/support/scripted_dialogs.h"
#include "app/widgets/main_window_fixture.h"
#include "core/program_data.h"
#include "widgets/about_box.h"
#include "widgets/main_form.h"
#include "widgets/table_form.h"
#include "widgets/toolbar_icons.h"

namespace {

using bormek::ui_testing::crlf;
using bormek::ui_testing::goodProject;
using bormek::ui_testing::MainWindow;
using bormek::ui_testing::waitFor;

const QString kNewCaption = QStringLiteral("Bormek 2012.7.8 - NewBormek");
const QString kSaveQuestion = QStringLiteral("Do you want to save any changes?");

TEST_F(MainWindow, CaptionShowsTheVersionAndTheDisplayNameOfTheProject) {
  TMainForm& form = start();
  EXPECT_EQ(form.windowTitle(), kNewCaption);

  const QString path = folder_.filePath(QStringLiteral("x.BKD"));
  dialogs_.QueueFile(path);
  QMenu* file = openMenu("FileMenu");
  clickItem(file, form.Action("FileSaveAsItem"));

  EXPECT_EQ(form.windowTitle(), QStringLiteral("Bormek 2012.7.8 - x"));
  ASSERT_EQ(dialogs_.Calls().size(), 1u);
  const ScriptedDialogs::Call& save = dialogs_.Calls().front();
  EXPECT_EQ(save.kind, ScriptedDialogs::Kind::kSaveFile);
  EXPECT_EQ(save.text, QStringLiteral("Save NewBormek As"));
  EXPECT_EQ(save.filters, (QStringList{"Bormek 7.0 (*.bkd)", "All File (*)"}));
  EXPECT_EQ(save.startPath, QStringLiteral("NewBormek.bkd"));
  EXPECT_TRUE(QFileInfo::exists(path));
  EXPECT_EQ(form.Settings().Recent.PrevFileCount, 0);
}

TEST_F(MainWindow, ACommandLineNameWithoutExtensionOpensItsBkdFile) {
  write(QStringLiteral("proj.bkd"), goodProject(QStringLiteral("Pier 7")));
  TMainForm& form = start({folder_.filePath(QStringLiteral("proj"))});

  EXPECT_EQ(form.windowTitle(), QStringLiteral("Bormek 2012.7.8 - Proj"));
  EXPECT_EQ(form.Project().Title, "Pier 7");
  EXPECT_EQ(QString::fromStdString(form.Project().FileName),
            folder_.filePath(QStringLiteral("proj.bkd")));
  EXPECT_EQ(form.Settings().Recent.PrevFileCount, 0);
  EXPECT_TRUE(dialogs_.Calls().empty());
}

TEST_F(MainWindow, ACommandLineNameWithAnExtensionIsUsedUnchanged) {
  write(QStringLiteral("proj.dat"), goodProject(QStringLiteral("Dat file")));
  TMainForm& form = start({folder_.filePath(QStringLiteral("proj.dat"))});
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Bormek 2012.7.8 - Proj.dat"));
  EXPECT_EQ(form.Project().Title, "Dat file");
}

TEST_F(MainWindow, AMissingCommandLineFileGivesANewProjectWithoutAMessage) {
  TMainForm& form = start({folder_.filePath(QStringLiteral("absent"))});
  EXPECT_EQ(form.windowTitle(), kNewCaption);
  EXPECT_EQ(form.Project().FileName, kNewProjectFileName);
  EXPECT_TRUE(dialogs_.Calls().empty());
}

TEST_F(MainWindow, NewAnsweredWithCancelKeepsTheProjectAndStillDisablesThePlotButtons) {
  TMainForm& form = start();
  form.Project().Title = "Kept";
  form.Project().SetModified(true);
  form.Action("CombinedPlotButton")->setEnabled(true);
  form.Action("LoadSettlementButton")->setEnabled(true);
  dialogs_.QueueAnswer(TDialogs::Answer::kCancel);

  clickButton("NewButton");

  EXPECT_EQ(dialogs_.Questions(), QStringList{kSaveQuestion});
  EXPECT_EQ(form.Project().Title, "Kept");
  EXPECT_TRUE(form.Project().Modified());
  EXPECT_FALSE(form.ResultsLoaded());
  EXPECT_FALSE(enabled("CombinedPlotButton"));
  EXPECT_FALSE(enabled("LoadSettlementButton"));
}

TEST_F(MainWindow, NewAnsweredWithNoStartsANewProject) {
  write(QStringLiteral("pier.bkd"), goodProject(QStringLiteral("Pier")));
  TMainForm& form = start({folder_.filePath(QStringLiteral("pier.bkd"))});
  form.Project().SetModified(true);
  dialogs_.QueueAnswer(TDialogs::Answer::kNo);

  QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);

  EXPECT_EQ(dialogs_.Questions(), QStringList{kSaveQuestion});
  EXPECT_EQ(form.Project().Title, "New Pile");
  EXPECT_FALSE(form.Project().Modified());
  EXPECT_EQ(form.windowTitle(), kNewCaption);
}

TEST_F(MainWindow, YesWithACancelledSaveAsKeepsTheModifiedProject) {
  TMainForm& form = start();
  form.Project().Title = "Unsaved";
  form.Project().SetModified(true);
  dialogs_.QueueAnswer(TDialogs::Answer::kYes);
  dialogs_.QueueCancelledFile();

  QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);

  EXPECT_EQ(form.Project().Title, "Unsaved");
  EXPECT_TRUE(form.Project().Modified());
  ASSERT_EQ(dialogs_.Calls().size(), 2u);
  EXPECT_EQ(dialogs_.Calls().at(1).kind, ScriptedDialogs::Kind::kSaveFile);
}

TEST_F(MainWindow, YesSavesUnderTheChosenNameBeforeTheNewProject) {
  TMainForm& form = start();
  form.Project().Title = "Keep me";
  form.Project().SetModified(true);
  const QString path = folder_.filePath(QStringLiteral("kept.bkd"));
  dialogs_.QueueAnswer(TDialogs::Answer::kYes);
  dialogs_.QueueFile(path);

  clickButton("NewButton");

  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readLine().startsWith("Keep me"));
  EXPECT_EQ(form.Project().Title, "New Pile");
  EXPECT_EQ(form.windowTitle(), kNewCaption);
}

TEST_F(MainWindow, OpeningAFileWithABadLineShowsTheReadersMessageAndKeepsWhatWasRead) {
  const QString path = write(QStringLiteral("bad.bkd"), {"Bad project", "1", "1 1 1.0 5.0 1 1",
                                                         "3 4 0 0 0 0 3600000", "1 10 thirty 2 3"});
  TMainForm& form = start();
  dialogs_.QueueFile(path);

  QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);

  ASSERT_EQ(dialogs_.Calls().size(), 2u);
  const ScriptedDialogs::Call& open = dialogs_.Calls().front();
  EXPECT_EQ(open.text, QStringLiteral("Open"));
  EXPECT_EQ(open.filters,
            (QStringList{"Bormek 2012 (*.bkd)", "Bormek 6.0 (*.bkd)", "All Files (*)"}));
  EXPECT_EQ(dialogs_.Messages(),
            QStringList{"Error on Line 5 Item 3\nA floating point number was expected but not "
                        "found."});
  TProgramData& project = form.Project();
  EXPECT_EQ(project.Title, "Bad project");
  EXPECT_EQ(project.DesignControl, 1);
  EXPECT_EQ(project.DesignMethod, 1);
  EXPECT_EQ(project.MaxDiameter(), 4.0L);
  EXPECT_EQ(project.WaterDepth(), 10.0L);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Bormek 2012.7.8 - Bad"));
  EXPECT_EQ(form.Settings().Recent.PrevFiles.front(), path);
  EXPECT_EQ(QDir::currentPath(), folder_.path());
  // Opening applies the design method read: LRFD shows the factor columns.
  EXPECT_TRUE(form.Tables().D().Columns(5).Visible);
  EXPECT_TRUE(form.Tables().D().Columns(6).Visible);
}

TEST_F(MainWindow, TheSecondOpenFilterReadsTheOlderLayout) {
  const QString path =
      write(QStringLiteral("old.bkd"),
            {"Old project", "1", "2 1 1.0 5.0", "3 3 0 0 0 0 3600000", "1 10 30 2 3", "1 40",
             "0 120 32 0 15 0 0", "0 120 34 0 20 0 0", "1", "0.4 0.5"});
  TMainForm& form = start();
  dialogs_.QueueFile(path, 1);

  clickButton("OpenButton");

  EXPECT_TRUE(dialogs_.Messages().isEmpty());
  EXPECT_FALSE(form.Project().CurrentFormat);
  EXPECT_EQ(form.Project().Title, "Old project");
}

TEST_F(MainWindow, TheFileMenuListsRecentFilesAndReopensThem) {
  const QString a = write(QStringLiteral("a.bkd"), goodProject(QStringLiteral("A")));
  const QString b = write(QStringLiteral("b.bkd"), goodProject(QStringLiteral("B")));
  TMainForm& form = start();
  QMenu* file = openMenu("FileMenu");
  EXPECT_FALSE(form.Action("RecentFile1")->isVisible());
  EXPECT_FALSE(form.Action("RecentFilesSeparator")->isVisible());
  closePopups();

  form.OpenFileName(a);
  form.OpenFileName(b);
  file = openMenu("FileMenu");
  EXPECT_EQ(form.Action("RecentFile1")->text(), QStringLiteral("1 b.bkd"));
  EXPECT_EQ(form.Action("RecentFile2")->text(), QStringLiteral("2 a.bkd"));
  EXPECT_FALSE(form.Action("RecentFile3")->isVisible());
  EXPECT_TRUE(form.Action("RecentFilesSeparator")->isVisible());
  EXPECT_EQ(storedSetting(QStringLiteral("File1")), b);
  EXPECT_EQ(storedSetting(QStringLiteral("File2")), a);

  clickItem(file, form.Action("RecentFile2"));

  EXPECT_EQ(form.Project().Title, "A");
  EXPECT_EQ(form.Settings().Recent.PrevFiles.at(0), a);
  EXPECT_EQ(form.Settings().Recent.PrevFiles.at(1), b);
  EXPECT_EQ(storedSetting(QStringLiteral("File1")), a);
}

TEST_F(MainWindow, RecentFilesOutsideTheCurrentFolderShowInFull) {
  storeSetting(QStringLiteral("File1"), QStringLiteral("/elsewhere/c.bkd"));
  TMainForm& form = start();
  openMenu("FileMenu");
  EXPECT_EQ(form.Action("RecentFile1")->text(), QStringLiteral("1 /elsewhere/c.bkd"));
}

TEST_F(MainWindow, TheLrfdSwitchClosesTheSoilLayerWindowAndShowsTheFactorColumns) {
  TMainForm& form = start();
  TGridTable& d = form.Tables().D();
  EXPECT_FALSE(d.Columns(5).Visible);
  EXPECT_FALSE(d.Columns(6).Visible);
  clickButton("SoilLayerButton");
  ASSERT_TRUE(TTableForm::HasWindow(d));

  chooseSubmenuItem("DataMenu", "DesignMethodMenu", "LrfdItem");

  EXPECT_EQ(form.Project().DesignMethod, 1);
  EXPECT_TRUE(waitFor([&d] { return !TTableForm::HasWindow(d); }));
  EXPECT_TRUE(d.Columns(5).Visible);
  EXPECT_TRUE(d.Columns(6).Visible);
  EXPECT_EQ(d.VisibleColumnCount(), 7);
  EXPECT_TRUE(d.Comments.find("LRFD Resistance Factors\r\u00B7 Options") != std::string::npos);

  openMenu("DataMenu");
  clickItem(form.Menu("DataMenu"), form.Action("SoilLayerDataItem"));
  EXPECT_TRUE(TTableForm::HasWindow(d));

  chooseSubmenuItem("DataMenu", "DesignMethodMenu", "AsdItem");
  EXPECT_TRUE(waitFor([&d] { return !TTableForm::HasWindow(d); }));
  EXPECT_EQ(d.VisibleColumnCount(), 5);
}

// The note under the soil-layer table explains the columns of the design
// method of the project shown, however the project came: started with,
// created, opened, or switched.
TEST_F(MainWindow, TheSoilLayerNoteMatchesTheDesignMethodOfEveryProject) {
  QStringList lrfdLines = goodProject(QStringLiteral("LRFD pier"));
  lrfdLines[2] = QStringLiteral("2 1 1.0 5.0 1 1");
  const QString asd = write(QStringLiteral("asd.bkd"), goodProject(QStringLiteral("ASD pier")));
  const QString lrfd = write(QStringLiteral("lrfd.bkd"), lrfdLines);
  const auto switchTo = [this](const char* item) {
    chooseSubmenuItem("DataMenu", "DesignMethodMenu", item);
  };
  // After a switch the project is modified: New and Open ask first.
  const auto openAfterSwitch = [this](const QString& path) {
    dialogs_.QueueAnswer(TDialogs::Answer::kNo);
    dialogs_.QueueFile(path);
    clickButton("OpenButton");
  };
  const struct {
    const char* how;
    QString startWith;
    std::function<void()> then;
    bool lrfdNote;
  } cases[] = {
      {"command line, ASD", asd, [] {}, false},
      {"command line, LRFD", lrfd, [] {}, true},
      {"New after the LRFD switch", QString(),
       [&] {
         switchTo("LrfdItem");
         dialogs_.QueueAnswer(TDialogs::Answer::kNo);
         clickButton("NewButton");
       },
       false},
      {"Open ASD after the LRFD switch", QString(),
       [&] {
         switchTo("LrfdItem");
         openAfterSwitch(asd);
       },
       false},
      {"Open LRFD after ASD", asd,
       [&] {
         dialogs_.QueueFile(lrfd);
         clickButton("OpenButton");
       },
       true},
      {"Open LRFD after the ASD switch", lrfd,
       [&] {
         switchTo("AsdItem");
         openAfterSwitch(lrfd);
       },
       true},
      {"ASD switch of an LRFD project", lrfd, [&] { switchTo("AsdItem"); }, false},
  };
  for (const auto& project : cases) {
    TMainForm& form =
        start(project.startWith.isEmpty() ? QStringList() : QStringList{project.startWith});
    project.then();
    EXPECT_EQ(form.Project().DesignMethod == kLrfdMethod, project.lrfdNote) << project.how;
    clickButton("SoilLayerButton");
    TTableForm* table = TTableForm::WindowOf(form.Tables().D());
    ASSERT_NE(table, nullptr) << project.how;
    const QString note = table->findChild<QLabel*>(QStringLiteral("lblComments"))->text();
    EXPECT_TRUE(note.startsWith(QStringLiteral("Max. Side Friction and Max. End Bearing:\n")))
        << project.how;
    EXPECT_EQ(note.contains(QStringLiteral("LRFD Resistance Factors")), project.lrfdNote)
        << project.how;
    EXPECT_EQ(dialogs_.UnusedAnswers(), 0u) << project.how;
  }
}

TEST_F(MainWindow, TheFactorOfSafetyItemIsEnabledOnlyUnderAsd) {
  TMainForm& form = start();
  openMenu("DataMenu");
  EXPECT_TRUE(enabled("FactorOfSafetyItem"));
  closePopups();

  chooseSubmenuItem("DataMenu", "DesignMethodMenu", "LrfdItem");
  openMenu("DataMenu");
  EXPECT_FALSE(enabled("FactorOfSafetyItem"));
  clickItem(form.Menu("DataMenu"), form.Menu("DesignMethodMenu")->menuAction());
  EXPECT_TRUE(form.Action("LrfdItem")->isChecked());
  EXPECT_FALSE(form.Action("AsdItem")->isChecked());
  closePopups();

  chooseSubmenuItem("DataMenu", "DesignMethodMenu", "AsdItem");
  openMenu("DataMenu");
  EXPECT_TRUE(enabled("FactorOfSafetyItem"));
}

TEST_F(MainWindow, TheCommentTextsOfTheTablesAreSetAtCreation) {
  TMainForm& form = start();
  EXPECT_EQ(form.Tables().D().Comments,
            "Max. Side Friction and Max. End Bearing:\r\xC2\xB7 If entries are left as zero, the "
            "program assumes no limits in side friction and end bearing computed by the program.");
  const std::string sand = form.Tables().Component("tblDataSand")->Comments;
  EXPECT_EQ(sand.rfind("The user may optionally enter blow counts only in cases the friction", 0),
            0u);
  EXPECT_EQ(form.Tables().D().Cells(2, 0).AsTable()->Comments, sand);
  EXPECT_EQ(form.Tables().Component("tblDataClay")->Comments,
            "The user may optionally enter blow counts only in cases the cohesion is not readily "
            "available.\rIf the user designates zero values for both Alpha factor and Nc,\rthe "
            "program will internally generate those values during computation.");
}

TEST_F(MainWindow, TheComputationAndUnitsSwitchesSetTheProject) {
  TMainForm& form = start();
  chooseSubmenuItem("DataMenu", "ComputationMethodsMenu", "DesignLoadItem");
  EXPECT_EQ(form.Project().DesignControl, 1);
  chooseSubmenuItem("DataMenu", "ComputationMethodsMenu", "ShaftLengthItem");
  EXPECT_EQ(form.Project().DesignControl, 2);

  // The switch shows the shaft-length window; the length is typed there.
  QLineEdit* length = form.mdiArea()->activeSubWindow()->findChild<QLineEdit*>("DataEdit1");
  ASSERT_NE(length, nullptr);
  length->selectAll();
  QTest::keyClicks(length, "10");
  chooseSubmenuItem("DataMenu", "UnitsMenu", "SiUnitsItem");
  EXPECT_EQ(form.Project().UnitSystem, 2);
  // 10 ft = 3.048 m.
  EXPECT_NEAR(static_cast<double>(form.Project().ShaftLength()), 3.048, 1e-12);
  EXPECT_TRUE(form.Action("SiUnitsItem")->isChecked());
}

TEST_F(MainWindow, GraphicsItemsAndPlotButtonsStayDisabledWithoutResults) {
  TMainForm& form = start();
  EXPECT_FALSE(enabled("CombinedPlotButton"));
  EXPECT_FALSE(enabled("LoadSettlementButton"));
  openMenu("GraphicsMenu");
  for (const char* item :
       {"pltSkinItem", "pltCombineItem", "pltAxialItem", "pltCombinedSettleItem"}) {
    EXPECT_FALSE(enabled(item)) << item;
  }
  EXPECT_FALSE(form.ResultsLoaded());
}

TEST_F(MainWindow, EditorItemsAreEnabledWhenTheirFilesExist) {
  const QString path = write(QStringLiteral("pier.bkd"), goodProject(QStringLiteral("Pier")));
  write(QStringLiteral("pier.bko"), {"report"});
  TMainForm& form = start();
  openMenu("ComputationMenu");
  EXPECT_FALSE(enabled("EditInputItem"));
  EXPECT_FALSE(enabled("EditOutputItem"));
  closePopups();

  form.OpenFileName(path);
  openMenu("ComputationMenu");
  EXPECT_TRUE(enabled("EditInputItem"));
  EXPECT_FALSE(enabled("EditRunNotesItem"));
  EXPECT_TRUE(enabled("EditOutputItem"));
}

TEST_F(MainWindow, AnEditorThatCannotStartIsReported) {
  storeSetting(QStringLiteral("Word Processor"), folder_.filePath(QStringLiteral("no-editor")));
  start();
  clickButton("ViewOutputButton");
  EXPECT_EQ(dialogs_.Messages(),
            QStringList{QStringLiteral("An error occurred in running the Word Processor")});
}

TEST_F(MainWindow, ClosingAnsweredWithCancelKeepsTheWindowOpen) {
  TMainForm& form = start();
  form.Project().SetModified(true);
  dialogs_.QueueAnswer(TDialogs::Answer::kCancel);
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());

  dialogs_.QueueAnswer(TDialogs::Answer::kNo);
  storeSetting(QStringLiteral("File1"), QStringLiteral("changed behind the window"));
  EXPECT_TRUE(form.close());
  // Closing writes the window's list over what was stored.
  EXPECT_EQ(storedSetting(QStringLiteral("File1")), QString());
}

TEST_F(MainWindow, ADroppedFileIsOpenedWithoutEnteringTheRecentList) {
  const QString path = write(QStringLiteral("dropped.bkd"), goodProject(QStringLiteral("Drop")));
  TMainForm& form = start();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(folder_.filePath("other.bkd"))});
  const QPoint centre = form.rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &drop);

  EXPECT_EQ(form.Project().Title, "Drop");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Bormek 2012.7.8 - Dropped"));
  EXPECT_EQ(form.Settings().Recent.PrevFileCount, 0);
  EXPECT_EQ(QDir::currentPath(), folder_.path());
}

TEST_F(MainWindow, TheWindowMenuListsTheChildWindows) {
  // The program starts with its elevation view open.
  TMainForm& form = start();
  ASSERT_EQ(form.mdiArea()->subWindowList().size(), 1);
  openMenu("WindowMenu");
  EXPECT_TRUE(form.Action("WindowSlotsSeparator")->isVisible());
  EXPECT_EQ(form.Action("WindowSlot1")->text(), QStringLiteral("Elevation View"));
  EXPECT_FALSE(form.Action("WindowSlot2")->isVisible());
  closePopups();

  clickButton("SoilLayerButton");
  ASSERT_EQ(form.mdiArea()->subWindowList().size(), 2);
  openMenu("WindowMenu");
  EXPECT_TRUE(form.Action("WindowSlot2")->isVisible());
  EXPECT_EQ(form.Action("WindowSlot2")->text(),
            form.mdiArea()->subWindowList().back()->windowTitle());
  EXPECT_FALSE(form.Action("WindowSlot3")->isVisible());
}

struct MenuItems {
  const char* menu;
  QStringList captions;  // "-" for a separator
};

QStringList visibleCaptions(QMenu* menu) {
  QStringList captions;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      captions.push_back(QStringLiteral("-"));
    } else if (!action->text().isEmpty()) {
      captions.push_back(action->text());
    }
  }
  return captions;
}

TEST_F(MainWindow, MenusCarryTheirCaptionsAndShortcuts) {
  TMainForm& form = start();
  QStringList titles;
  for (QAction* action : form.menuBar()->actions()) {
    titles.push_back(action->text());
  }
  EXPECT_EQ(titles,
            (QStringList{"&File", "Da&ta", "&Computation", "&Graphics", "&Window", "&Help"}));
  const MenuItems menus[] = {
      {"FileMenu",
       {"&New", "&Open...", "&Save", "Save &As...", "&Export Results...", "-", "-", "E&xit"}},
      {"DataMenu",
       {"&Title", "&Units", "Design Method (ASD or LRFD)", "&Drilled-Shaft Properties",
        "Soil &Layer Data", "&Factor of Safety (Allowable Stress Design)", "&Computation Methods",
        "&Water Table", "-", "Control &Options..."}},
      {"UnitsMenu", {"&English Units (lbs, in)", "&SI Units (kN, m)"}},
      {"DesignMethodMenu",
       {"ASD (Allowable Stress Design)", "LRFD (Load Resistance Factor Design)"}},
      {"ComputationMethodsMenu", {"Specify the shaft length", "Specify the design load"}},
      {"ComputationMenu",
       {"&Run Analysis", "Edit I&nput Text", "Edit &Processor-Run Notes", "Edit &Output Text",
        "&View Shaft Elevation"}},
      {"GraphicsMenu",
       {"Ultimate &Skin Friction vs Depth", "Ultimate &Tip Resistance vs Depth",
        "Ultimate Total &Capacity vs Depth", "-", "ASD/LRFD Skin Friction vs Depth ",
        "ASD/LRFD Tip Resistance vs Depth ", "ASD/LRFD Total Capacity vs Depth", "-",
        "C&ombined Plots vs Depth (ultimate)", "Combined Plots vs Depth (ASD/LRFD)", "-",
        "Axial Load vs Settlement (averaged)", "Axial Load vs Settlement (upper bound)",
        "Axial Load vs Settlement (lower bound)", "Combined Plots of Load vs Settlement"}},
      {"WindowMenu", {"&Cascade", "&Arrange Icons", "-"}},
      {"HelpMenu",
       {"&Contents", "&User's Manual", "&Technical Manual", "-", "&About...",
        "&Check for Updates"}},
  };
  for (const MenuItems& m : menus) {
    EXPECT_EQ(visibleCaptions(form.Menu(QLatin1String(m.menu))), m.captions) << m.menu;
  }
  EXPECT_EQ(form.Action("FileNewItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  EXPECT_EQ(form.Action("FileOpenItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(form.Action("FileSaveItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_EQ(form.Menu("WindowMenu")->actions().size(), 3 + 50);
}

TEST_F(MainWindow, TheToolbarButtonsCarryTheirHintsAndPictures) {
  TMainForm& form = start();
  QToolBar* bar = form.findChild<QToolBar*>(QStringLiteral("ToolBar"));
  QStringList hints;
  for (QAction* action : bar->actions()) {
    hints.push_back(action->toolTip());
  }
  EXPECT_EQ(hints, (QStringList{"New File", "Open File", "Save File", "Run Data File",
                                "Soil layer Data", "View Output", "View Soil Profile",
                                "Combined Plot", "Load vs. Settlement"}));
  const bool svg = QImageReader::supportedImageFormats().contains("svg");
  for (int k = 0; k <= static_cast<int>(ToolbarIcon::kLoadSettlement); ++k) {
    const auto icon = static_cast<ToolbarIcon>(k);
    EXPECT_TRUE(QFile::exists(ToolbarIconPath(icon))) << ToolbarIconPath(icon).toStdString();
    if (svg) {
      EXPECT_FALSE(ToolbarIconFor(icon).pixmap(24, 24).isNull())
          << ToolbarIconPath(icon).toStdString();
    }
  }
}

TEST_F(MainWindow, TheAboutBoxNamesTheProductAndItsVersion) {
  TMainForm& form = start();
  QStringList shown;
  QTimer::singleShot(0, [&shown] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(qobject_cast<TAboutBox*>(box), nullptr);
    for (QLabel* label : box->findChildren<QLabel*>()) {
      shown.push_back(label->text());
    }
    box->close();
  });
  QMenu* help = openMenu("HelpMenu");
  clickItem(help, form.Action("AboutItem"));

  EXPECT_TRUE(shown.contains(QStringLiteral("Bormek 2012")));
  EXPECT_TRUE(shown.contains(QStringLiteral("Version 2012.7.8")));
  EXPECT_EQ(shown.size(), 3);
}

TEST_F(MainWindow, RunningANewProjectWhoseSaveAsIsCancelledDoesNothing) {
  TMainForm& form = start();
  dialogs_.QueueCancelledFile();

  clickButton("RunButton");

  ASSERT_EQ(dialogs_.Calls().size(), 1u);
  EXPECT_EQ(dialogs_.Calls().front().kind, ScriptedDialogs::Kind::kSaveFile);
  EXPECT_EQ(form.Project().FileName, kNewProjectFileName);
  EXPECT_FALSE(form.ResultsLoaded());
  EXPECT_FALSE(enabled("CombinedPlotButton"));
}

// The two deliverables end to end: a new project saved through Save As,
// run by the real engine library, with the completion message and the
// report on disk.
TEST_F(MainWindow, ANewProjectIsSavedRunAndReportsCompletion) {
  TMainForm& form = start();
  TProgramData& project = form.Project();
  project.MinDiameter() = 3.0L;
  project.ShaftModulus() = 3600000.0L;
  project.ShaftLength() = 20.0L;
  TGridTable& d = form.Tables().D();
  d.Cells(1, 0).SetFloat(40.0L);
  TGridTable& sand = *d.Cells(2, 0).AsTable();
  for (int row = 0; row < 2; ++row) {
    sand.Cells(0, row).SetFloat(120.0L);
    sand.Cells(1, row).SetFloat(34.0L);
  }
  const QString path = folder_.filePath(QStringLiteral("pier.bkd"));
  dialogs_.QueueFile(path);

  clickButton("RunButton");

  EXPECT_EQ(project.FileName, path.toStdString());
  EXPECT_EQ(dialogs_.Messages(),
            QStringList{QStringLiteral("Computations are completed.\nPlease, check output file "
                                       "for results or error messages.")});
  EXPECT_TRUE(QFileInfo::exists(folder_.filePath(QStringLiteral("pier.bko"))));
  EXPECT_FALSE(QFileInfo::exists(folder_.filePath(QStringLiteral("names.dat"))));
  // The run's plot file is loaded: the plot commands are offered.
  EXPECT_TRUE(form.ResultsLoaded());
  EXPECT_TRUE(enabled("CombinedPlotButton"));
  EXPECT_TRUE(enabled("LoadSettlementButton"));
}

// The manuals are installed beside the program: the Help items open them
// without a message (their pages: help_window_test.cpp).
TEST_F(MainWindow, TheHelpItemsOpenTheManualsWithoutAMessage) {
  TMainForm& form = start();
  for (const char* item : {"ContentsItem", "UsersManualItem", "TechnicalManualItem"}) {
    QMenu* help = openMenu("HelpMenu");
    clickItem(help, form.Action(QLatin1String(item)));
  }
  EXPECT_TRUE(dialogs_.Calls().empty());
}

}  // namespace
