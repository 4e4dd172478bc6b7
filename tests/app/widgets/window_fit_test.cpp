// On a 1280 x 800 screen (the offscreen platform set up by
// laptop_screen.json) every window of the program opens inside the work
// area: top-level windows inside the screen's available area, child windows
// inside the visible part of the main window's MDI area, and every one shows
// the program's icon. For every bundled example and a project of twenty
// layers, with the main window placed as the program places it and the
// plots of a real run open; and after Window > Arrange Icons. The modal
// windows (About box, message boxes, question, file dialog, a modal
// table) likewise, with plain buttons.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>

#include "app/support/scratch_settings.h"
#include "app/support/scripted_dialogs.h"
#include "core/grid_table.h"
#include "core/soil_layer_columns.h"
#include "core/soil_layer_tables.h"
#include "runner/engine_library.h"
#include "runner/project_run.h"
#include "support/engine_run.h"
#include "widgets/data_windows.h"
#include "widgets/main_form.h"
#include "widgets/qt_dialogs.h"
#include "widgets/table_form.h"
#include "widgets/window_placement.h"

namespace {

using bormek::testing::binDir;
using bormek::testing::examplePath;
using bormek::testing::fixturePath;

constexpr QSize kLaptopScreen(1280, 800);

QString rectText(const QRect& rect) {
  return QStringLiteral("%1,%2 %3x%4")
      .arg(rect.x())
      .arg(rect.y())
      .arg(rect.width())
      .arg(rect.height());
}

// Every bundled example and the twenty-layer project: their paths.
std::vector<std::string> projectPaths() {
  std::vector<std::string> paths;
  const QDir examples = QFileInfo(QString::fromStdString(examplePath("sand_clay.bkd"))).dir();
  for (const QString& name : examples.entryList({QStringLiteral("*.bkd")}, QDir::Files)) {
    paths.push_back(examples.filePath(name).toStdString());
  }
  paths.push_back(fixturePath("twenty_layers_lrfd.bkd"));
  return paths;
}

std::string projectName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = QFileInfo(QString::fromStdString(info.param)).baseName().toStdString();
  for (char& c : name) {
    c = std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
  }
  return name;
}

bool sameIcon(const QIcon& icon) {
  return !icon.isNull() && icon.cacheKey() == QApplication::windowIcon().cacheKey();
}

void settle() {
  QApplication::processEvents();
  QTest::qWait(50);
  QApplication::processEvents();
}

class LaptopScreen : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), kLaptopScreen)
        << "the test needs the offscreen platform of laptop_screen.json";
    ASSERT_TRUE(settings_.IsValid());
    ASSERT_TRUE(folder_.isValid());
    previousFolder_ = QDir::currentPath();
  }

  void TearDown() override {
    form_.reset();
    QDir::setCurrent(previousFolder_);
  }

  // A copy of the project, run by the engine so that its plots and report
  // exist, opened as the program opens a project named on its command line.
  TMainForm& start(const std::string& source) {
    const QString project = folder_.filePath(QFileInfo(QString::fromStdString(source)).fileName());
    EXPECT_TRUE(QFile::copy(QString::fromStdString(source), project));
    const ProjectRun run = runProject(engineLibraryPath(binDir()), project.toStdString());
    EXPECT_EQ(run.stage, RunStage::kEngineCalled) << run.fault;
    form_ = std::make_unique<TMainForm>(QStringList{project}, dialogs_);
    PlaceMainWindow(*form_);
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    return *form_;
  }

  // Every data window and the soil-layer table, each layer's table, an
  // elevation view, the report, every plot the results allow and the help.
  void openEveryWindow(TMainForm& form) {
    // In the order of the Data menu, as a user enters a project.
    form.DataWindows().Show(TDataWindows::Kind::kTitle);
    form.DataWindows().Show(TDataWindows::Kind::kShaftProperties);
    form.Action(QStringLiteral("SoilLayerDataItem"))->trigger();
    for (int kind = 0; kind < TDataWindows::kKindCount; ++kind) {
      form.DataWindows().Show(static_cast<TDataWindows::Kind>(kind));
    }
    TGridTable& d = form.Tables().D();
    for (int row = 0; row < d.RowCount(); ++row) {
      TTableForm::ShowWindow(*d.Cells(kLayerDataColumn, row).AsTable(), form.mdiArea(), dialogs_);
    }
    form.ViewElevationClick();
    form.Action(QStringLiteral("EditOutputItem"))->trigger();
    for (QAction* plot : form.Menu(QStringLiteral("GraphicsMenu"))->actions()) {
      if (!plot->isSeparator() && plot->isEnabled()) {
        plot->trigger();
      }
    }
    form.Action(QStringLiteral("ContentsItem"))->trigger();
    settle();
  }

  void expectEveryWindowInside(TMainForm& form, const char* stage) {
    const QRect area = form.mdiArea()->viewport()->rect();
    int children = 0;
    for (QMdiSubWindow* child : form.mdiArea()->subWindowList()) {
      if (!child->isVisible() || child->isMinimized()) {
        continue;
      }
      ++children;
      EXPECT_TRUE(area.contains(child->geometry()))
          << stage << ": " << child->windowTitle().toStdString() << " at "
          << rectText(child->geometry()).toStdString() << " in " << rectText(area).toStdString();
      EXPECT_TRUE(sameIcon(child->windowIcon())) << child->windowTitle().toStdString();
    }
    EXPECT_GE(children, 3) << stage;
    const QRect screen = form.screen()->availableGeometry();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible() || window->windowType() == Qt::Popup ||
          window->windowType() == Qt::ToolTip) {
        continue;
      }
      EXPECT_TRUE(screen.contains(window->frameGeometry()))
          << stage << ": " << window->windowTitle().toStdString() << " at "
          << rectText(window->frameGeometry()).toStdString();
      EXPECT_TRUE(sameIcon(window->windowIcon())) << window->windowTitle().toStdString();
    }
  }

  bormek::app_testing::ScratchSettings settings_;
  QTemporaryDir folder_;
  QString previousFolder_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TMainForm> form_;
};

TEST_P(LaptopScreen, EveryWindowOpensInsideTheWorkAreaWithTheProgramsIcon) {
  TMainForm& form = start(GetParam());
  openEveryWindow(form);
  expectEveryWindowInside(form, "opened");
}

// Arranged, the windows of a project being entered (the elevation view the
// program starts with, the soil-layer table, the control options) share
// the area. (With more windows than the area holds at their least sizes,
// the area scrolls over them.)
TEST_P(LaptopScreen, ArrangedWindowsStayInsideTheWorkArea) {
  TMainForm& form = start(GetParam());
  form.Action(QStringLiteral("SoilLayerDataItem"))->trigger();
  form.DataWindows().Show(TDataWindows::Kind::kControlOptions);
  settle();
  form.Action(QStringLiteral("ArrangeIconsItem"))->trigger();
  settle();
  expectEveryWindowInside(form, "arranged");
}

INSTANTIATE_TEST_SUITE_P(Projects, LaptopScreen, ::testing::ValuesIn(projectPaths()), projectName);

// Runs `open` (which shows a modal window and returns when it closes) and
// gives the modal window to `inspect` while it is shown; then closes it.
void inspectModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect) {
  bool inspected = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || inspected) {
      return;
    }
    inspected = true;
    settle();
    inspect(*modal);
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
  });
  poll.start(10);
  open();
  EXPECT_TRUE(inspected);
}

TEST(LaptopScreenModal, ModalWindowsOpenInsideTheScreenWithPlainButtons) {
  ASSERT_EQ(QGuiApplication::primaryScreen()->size(), kLaptopScreen);
  bormek::app_testing::ScratchSettings settings;
  QtDialogs dialogs;
  TMainForm form({}, dialogs);
  PlaceMainWindow(form);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TGridTable& d = tables->D();
  d.SetRowCount(20);

  const struct {
    const char* what;
    std::function<void()> open;
  } modals[] = {
      {"about box", [&] { form.Action(QStringLiteral("AboutItem"))->trigger(); }},
      {"information", [&] { dialogs.Information(QStringLiteral("Computations are completed.")); }},
      {"error", [&] { dialogs.Error(QStringLiteral("Entry must be an integer.")); }},
      {"question", [&] { dialogs.Confirm(QStringLiteral("Do you want to save any changes?")); }},
      {"file dialog",
       [&] {
         dialogs.OpenFile(QStringLiteral("Open"), {QStringLiteral("Bormek 2012 (*.bkd)")},
                          QString());
       }},
      {"modal table", [&] { TTableForm::ShowWindowModal(d, &form, dialogs); }},
  };
  const QRect screen = form.screen()->availableGeometry();
  for (const auto& modal : modals) {
    inspectModal(modal.open, [&](QWidget& window) {
      EXPECT_TRUE(screen.contains(window.frameGeometry()))
          << modal.what << " at " << rectText(window.frameGeometry()).toStdString();
      EXPECT_TRUE(sameIcon(window.windowIcon())) << modal.what;
      for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        EXPECT_TRUE(button->icon().isNull()) << modal.what << ": " << button->text().toStdString();
      }
    });
  }
}

// Qt's own file dialog shows its columns and places whole: the size, type
// and date of a file and the name of every place are not cut off, even when
// the dialog last closed with them narrowed (Qt keeps that in its settings).
TEST(LaptopScreenModal, TheFileDialogShowsItsColumnsWhole) {
  bormek::app_testing::ScratchSettings settings;
  QTemporaryDir folder;
  const QString project = QDir(folder.path()).filePath(QStringLiteral("sand_clay.bkd"));
  ASSERT_TRUE(QFile::copy(QString::fromStdString(examplePath("sand_clay.bkd")), project));
  QtDialogs dialogs;
  const auto open = [&] {
    dialogs.OpenFile(QStringLiteral("Open"), {QStringLiteral("Bormek 2012 (*.bkd)")}, project);
  };
  constexpr int kNarrow = 12;
  inspectModal(open, [](QWidget& window) {
    QHeaderView* header = window.findChild<QTreeView*>()->header();
    for (int column = 0; column < header->count(); ++column) {
      header->setSectionResizeMode(column, QHeaderView::Interactive);
      header->resizeSection(column, kNarrow);
    }
    auto* places = window.findChild<QListView*>(QStringLiteral("sidebar"));
    qobject_cast<QSplitter*>(places->parentWidget())->setSizes({kNarrow, window.width()});
  });
  inspectModal(open, [](QWidget& window) {
    auto* details = window.findChild<QTreeView*>();
    ASSERT_NE(details, nullptr);
    // The file's details come from a thread of the model's own.
    const QAbstractItemModel& files = *details->model();
    QTRY_VERIFY(files.rowCount(details->rootIndex()) > 0);
    QTRY_VERIFY(
        !files.index(0, files.columnCount() - 1, details->rootIndex()).data().toString().isEmpty());
    settle();
    const QHeaderView* header = details->header();
    // (QTreeView's own override is protected; the view's is public.)
    const QAbstractItemView& view = *details;
    for (int column = 0; column < header->count(); ++column) {
      EXPECT_GE(header->sectionSize(column), view.sizeHintForColumn(column)) << column;
    }
    EXPECT_LE(header->length(), details->viewport()->width());
    auto* places = window.findChild<QListView*>(QStringLiteral("sidebar"));
    ASSERT_NE(places, nullptr);
    EXPECT_GE(places->viewport()->width(), places->sizeHintForColumn(0));
  });
}

}  // namespace
