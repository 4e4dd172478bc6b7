// Help in the program: each Help item opens its page in the help window,
// F1 opens the page of the window the user works in (a modal dialog's in a
// help window of the dialog's own), search finds pages, and Check for
// Updates hands the update page to the desktop's opener.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrlQuery>

#include "app/widgets/main_window_fixture.h"
#include "app/widgets/modal_dialog.h"
#include "app/widgets/url_recorder.h"
#include "support/engine_run.h"
#include "widgets/help_window.h"
#include "widgets/plot_form.h"
#include "widgets/table_form.h"

namespace {

using bormek::ui_testing::MainWindow;
using bormek::ui_testing::whenModal;

class HelpWindowTest : public MainWindow {
 protected:
  THelpWindow* help() const { return form_->HelpWindow(); }
  QString documentTitle() const { return help()->Browser()->documentTitle(); }
  QString shownTopic() const { return help()->CurrentTopic(); }

  void pressF1(QWidget* target) {
    QTest::keyClick(target, Qt::Key_F1);
    QApplication::processEvents();
  }

  // The window started on a copy of the example, run, so that the
  // Graphics items open their plots.
  void startOnARunExample() {
    const QString path = folder_.filePath(QStringLiteral("sand_clay.bkd"));
    ASSERT_TRUE(
        QFile::copy(QString::fromStdString(bormek::testing::examplePath("sand_clay.bkd")), path));
    start({path});
    form_->Action(QStringLiteral("RunAnalysisItem"))->trigger();
    ASSERT_TRUE(form_->ResultsLoaded());
  }
};

TEST_F(HelpWindowTest, EveryHelpItemOpensItsPageInTheHelpWindow) {
  struct Case {
    const char* item;
    const char* topic;
    const char* title;
  };
  const Case cases[] = {
      {"ContentsItem", "contents.html", "Bormek Help: Contents"},
      {"UsersManualItem", "user/index.html", "Bormek User's Manual"},
      {"TechnicalManualItem", "technical/index.html", "Bormek Technical Manual"},
  };
  start();
  for (const Case& c : cases) {
    QMenu* menu = openMenu("HelpMenu");
    clickItem(menu, form_->Action(QLatin1String(c.item)));
    QApplication::processEvents();
    ASSERT_NE(help(), nullptr) << c.item;
    EXPECT_TRUE(help()->isVisible()) << c.item;
    EXPECT_EQ(shownTopic(), QLatin1String(c.topic)) << c.item;
    EXPECT_EQ(documentTitle(), QLatin1String(c.title)) << c.item;
    EXPECT_EQ(help()->windowTitle(), QStringLiteral("Bormek Help - ") + QLatin1String(c.title));
  }
  EXPECT_TRUE(dialogs_.Messages().isEmpty()) << dialogs_.Messages().join('|').toStdString();
}

TEST_F(HelpWindowTest, TheContentsTabListsBothManualsWithTheirChapters) {
  start();
  form_->Action("ContentsItem")->trigger();
  QTreeWidget* tree = help()->ContentsTree();
  ASSERT_GE(tree->topLevelItemCount(), 3);
  QStringList books;
  for (int k = 0; k < tree->topLevelItemCount(); ++k) {
    books.push_back(tree->topLevelItem(k)->text(0));
  }
  EXPECT_TRUE(books.contains(QStringLiteral("User's Manual"))) << books.join('|').toStdString();
  EXPECT_TRUE(books.contains(QStringLiteral("Technical Manual"))) << books.join('|').toStdString();
  for (int k = 1; k < tree->topLevelItemCount(); ++k) {
    EXPECT_GE(tree->topLevelItem(k)->childCount(), 8) << books[k].toStdString();
  }

  // Clicking a chapter's section shows it.
  QTreeWidgetItem* book = tree->topLevelItem(1);
  QTreeWidgetItem* section = book->child(0)->child(0);
  ASSERT_NE(section, nullptr);
  tree->expandAll();
  tree->scrollToItem(section);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(section).center());
  EXPECT_EQ(shownTopic(), section->data(0, Qt::UserRole).toString());
}

// A link of a page, chosen with the keyboard as in any browser: Tab to
// the first link of the contents page, Enter to follow it, Back to return.
TEST_F(HelpWindowTest, LinksOfAPageLeadToTheirPageAndBackReturns) {
  start();
  form_->Action("ContentsItem")->trigger();
  QTextBrowser* browser = help()->Browser();
  browser->setFocus();
  QTest::keyClick(browser, Qt::Key_Tab);
  QTest::keyClick(browser, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(shownTopic(), QStringLiteral("user/index.html"));
  EXPECT_EQ(documentTitle(), QStringLiteral("Bormek User's Manual"));
  browser->backward();
  EXPECT_EQ(shownTopic(), QStringLiteral("contents.html"));
}

TEST_F(HelpWindowTest, F1OpensThePageOfTheActiveWindow) {
  startOnARunExample();
  struct Case {
    const char* item;
    const char* topic;
  };
  const Case cases[] = {
      {"TitleItem", "user/project-windows.html#title"},
      {"WaterTableItem", "user/project-windows.html#water-table"},
      {"SoilLayerDataItem", "user/soil-layers.html#layer-table"},
      {"pltSkinItem", "user/plots.html#plot-window"},
      {"ViewElevationItem", "user/elevation.html#elevation-view"},
  };
  QStringList shown;
  for (const Case& c : cases) {
    // The user comes back from the help window to the main window and
    // opens the next window from its menu.
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    form_->Action(QLatin1String(c.item))->trigger();
    QApplication::processEvents();
    QMdiSubWindow* child = form_->mdiArea()->activeSubWindow();
    ASSERT_NE(child, nullptr) << c.item;
    pressF1(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : child);
    ASSERT_NE(help(), nullptr) << c.item;
    EXPECT_EQ(shownTopic(), QLatin1String(c.topic)) << c.item;
    shown.push_back(shownTopic());
  }
  shown.removeDuplicates();
  EXPECT_EQ(shown.size(), 5);
}

// The plot window's dialogs are modal, so the main window's help waits
// until they close: F1 in one opens its page in a help window of the
// dialog's own.
TEST_F(HelpWindowTest, F1InAPlotDialogOpensItsPageBesideTheDialog) {
  startOnARunExample();
  form_->Action(QStringLiteral("pltSkinItem"))->trigger();
  QApplication::processEvents();
  auto* plot = qobject_cast<TPlotForm*>(form_->mdiArea()->activeSubWindow());
  ASSERT_NE(plot, nullptr);
  struct Case {
    const char* item;
    const char* dialog;
    const char* topic;
  };
  const Case cases[] = {
      {"GraphTitleItem", "TfrmGraphCaption", "user/plots.html#graph-title"},
      {"EditLegendItem", "TfrmLineNames", "user/plots.html#edit-legend"},
      {"ActiveCurvesItem", "TfrmActiveLines", "user/plots.html#active-curves"},
      {"SaveToDiskItem", "TdlgFormat", "user/plots.html#save-to-disk"},
  };
  const QString picture = folder_.filePath(QStringLiteral("skin.png"));
  dialogs_.QueueFile(picture);  // asked by Save To Disk before its dialog
  for (const Case& c : cases) {
    QString dialogClass;
    QString topic;
    whenModal<QDialog>([&](QDialog* dialog) {
      dialogClass = QLatin1String(dialog->metaObject()->className());
      pressF1(dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog);
      if (const auto* dialogHelp = dialog->findChild<THelpWindow*>()) {
        EXPECT_TRUE(dialogHelp->isVisible()) << c.item;
        topic = dialogHelp->CurrentTopic();
      }
      dialog->reject();
    });
    plot->Action(QLatin1String(c.item))->trigger();
    EXPECT_EQ(dialogClass, QLatin1String(c.dialog)) << c.item;
    EXPECT_EQ(topic, QLatin1String(c.topic)) << c.item;
  }
  EXPECT_EQ(help(), nullptr) << "the main window's help window opened under a modal dialog";
  EXPECT_FALSE(QFileInfo::exists(picture));
}

TEST_F(HelpWindowTest, F1WithoutAChildWindowOpensTheMainWindowPage) {
  start();
  // The elevation view the program starts with is closed first.
  form_->mdiArea()->closeAllSubWindows();
  ASSERT_EQ(form_->mdiArea()->currentSubWindow(), nullptr);
  pressF1(form_.get());
  ASSERT_NE(help(), nullptr);
  EXPECT_EQ(shownTopic(), QStringLiteral("user/main-window.html"));
}

TEST_F(HelpWindowTest, SearchListsThePagesAndOpensTheOneChosen) {
  start();
  form_->Action("TechnicalManualItem")->trigger();
  help()->Search(QStringLiteral("Ksp spacing"));
  QListWidget* results = help()->SearchResults();
  ASSERT_GE(results->count(), 1);
  const QString topic = results->item(0)->data(Qt::UserRole).toString();
  EXPECT_TRUE(topic.startsWith(QStringLiteral("technical/"))) << topic.toStdString();
  results->setCurrentRow(0);
  EXPECT_EQ(help()->CurrentTopic().section('#', 0, 0), topic);
  EXPECT_EQ(help()->Browser()->textCursor().selectedText(), QStringLiteral("Ksp"));
}

TEST_F(HelpWindowTest, CheckForUpdatesHandsTheUpdatePageToTheDesktop) {
  UrlRecorder recorder;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
  start();
  QMenu* menu = openMenu("HelpMenu");
  clickItem(menu, form_->Action("CheckForUpdatesItem"));
  QApplication::processEvents();
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

  ASSERT_EQ(recorder.urls.size(), 1);
  const QUrlQuery query(recorder.urls.front());
  EXPECT_EQ(query.queryItemValue(QStringLiteral("product"), QUrl::FullyDecoded),
            QStringLiteral("Bormek 2012"));
  EXPECT_EQ(query.queryItemValue(QStringLiteral("version")), QStringLiteral("2012.7.8"));
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
}

// Without the manuals beside the program the help window says where it
// looked, instead of showing an empty page.
TEST(HelpWindow, AManualNotInstalledIsReported) {
  QTemporaryDir empty;
  ASSERT_TRUE(empty.isValid());
  ScriptedDialogs dialogs;
  THelpWindow window(empty.path(), dialogs);
  EXPECT_FALSE(window.ShowTopic(QStringLiteral("user/index.html")));
  ASSERT_EQ(dialogs.Messages().size(), 1);
  EXPECT_TRUE(dialogs.Messages().front().startsWith(
      QStringLiteral("The help page user/index.html was not found in ")));
  EXPECT_TRUE(dialogs.Messages().front().contains(QDir::toNativeSeparators(empty.path())));
}

}  // namespace
