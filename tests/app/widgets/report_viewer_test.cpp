// View Output and the Edit commands without an editor: the program's own
// read-only viewer with the report in a fixed-pitch font, Find, Print and
// reloading after a run; with an editor configured, the editor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTest>
#include <QTextBlock>

#include "app/widgets/main_window_fixture.h"
#include "core/program_data.h"
#include "support/engine_run.h"
#include "widgets/find_bar.h"
#include "widgets/report_viewer.h"

namespace {

using bormek::testing::examplePath;
using bormek::ui_testing::MainWindow;

// The column heads of an English ASD result table, as the report's layout
// places them: 5X "LENGTH" 2X "VOLUME" 5X "QS" 6X "QB" 6X "QU" 7X "QBD"
// 6X "QDN" 6X "QU/VOLUME".
const QString kAsdHeads =
    QStringLiteral("     LENGTH  VOLUME     QS      QB      QU       QBD      QDN      QU/VOLUME");

class ReportViewerTest : public MainWindow {
 protected:
  // The bundled English example opened from a scratch copy, then run.
  QString runExample() {
    const QString path = folder_.filePath(QStringLiteral("sand_clay.bkd"));
    EXPECT_TRUE(QFile::copy(QString::fromStdString(examplePath("sand_clay.bkd")), path));
    start();
    form_->OpenFileName(path);
    form_->Action("RunAnalysisItem")->trigger();
    QApplication::processEvents();
    return path;
  }

  TReportViewer* activeViewer() const {
    QMdiSubWindow* child = form_->mdiArea()->currentSubWindow();
    return child != nullptr ? qobject_cast<TReportViewer*>(child->widget()) : nullptr;
  }

  static QString fileText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }

  // The first line of the viewer that starts with `start`.
  static QTextBlock lineStarting(const QPlainTextEdit* text, const QString& start) {
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
      if (block.text().startsWith(start)) {
        return block;
      }
    }
    return {};
  }

  // The left edge, in pixels, of character `column` of a line.
  static int xOf(QPlainTextEdit* text, const QTextBlock& block, int column) {
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + column);
    return text->cursorRect(cursor).left();
  }
};

TEST_F(ReportViewerTest, WithoutAnEditorViewOutputShowsTheReportWithItsColumnsAligned) {
  const QString project = runExample();
  clickButton("ViewOutputButton");
  TReportViewer* viewer = activeViewer();
  ASSERT_NE(viewer, nullptr);
  const QString report = folder_.filePath(QStringLiteral("sand_clay.bko"));
  EXPECT_EQ(viewer->Path(), QFileInfo(report).absoluteFilePath());
  EXPECT_EQ(viewer->Text()->toPlainText(), fileText(report));
  EXPECT_TRUE(viewer->Text()->isReadOnly());
  // Fixed pitch by its glyphs: fontconfig does not flag every monospaced
  // font as such (Noto Sans Mono), so QFontInfo::fixedPitch would not do.
  const QFontMetrics metrics(viewer->Text()->font());
  EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')),
            metrics.horizontalAdvance(QLatin1Char('W')));
  EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('.')),
            metrics.horizontalAdvance(QLatin1Char('0')));
  EXPECT_EQ(viewer->Text()->lineWrapMode(), QPlainTextEdit::NoWrap);

  // The head line of the result table and the first row under it. A row is
  // 1X F8.1 1X F8.2 and five F9.2, so its QDN value ends in column 63; in a
  // fixed-pitch font column 63 stands at the same pixel in both lines.
  const QTextBlock heads = lineStarting(viewer->Text(), kAsdHeads);
  ASSERT_TRUE(heads.isValid()) << "no ASD head line in the viewer";
  const QTextBlock row = heads.next().next();
  ASSERT_TRUE(row.isValid());
  constexpr int kQdnEnd = 1 + 8 + 1 + 8 + 5 * 9;
  ASSERT_GT(row.text().size(), kQdnEnd);
  EXPECT_TRUE(row.text().at(kQdnEnd - 1).isDigit()) << row.text().toStdString();
  EXPECT_EQ(row.text().at(kQdnEnd), QLatin1Char(' ')) << row.text().toStdString();
  EXPECT_EQ(xOf(viewer->Text(), heads, kQdnEnd), xOf(viewer->Text(), row, kQdnEnd));
  EXPECT_GT(xOf(viewer->Text(), row, kQdnEnd), xOf(viewer->Text(), row, 0));
  EXPECT_EQ(dialogs_.Messages().size(), 1);  // the completion message only
  EXPECT_FALSE(project.isEmpty());
}

// The viewer opens on 100 characters by 36 lines where the work area has
// room for them, and inside a smaller area, its text scrolled, where not.
TEST_F(ReportViewerTest, TheViewerTakesItsPageWhereThereIsRoomAndKeepsInsideWhereNot) {
  runExample();
  const struct {
    QSize mainWindow;
    bool room;
  } cases[] = {{{1900, 1400}, true}, {{640, 420}, false}};
  for (const auto& c : cases) {
    form_->resize(c.mainWindow);
    QApplication::processEvents();
    clickButton("ViewOutputButton");
    TReportViewer* viewer = activeViewer();
    ASSERT_NE(viewer, nullptr);
    QApplication::processEvents();
    const QRect area = form_->mdiArea()->viewport()->rect();
    QMdiSubWindow* window = form_->mdiArea()->currentSubWindow();
    EXPECT_TRUE(area.contains(window->geometry())) << c.mainWindow.width();
    const QFontMetrics metrics(viewer->Text()->font());
    const QSize page(metrics.horizontalAdvance(QLatin1Char('0')) * 100, metrics.lineSpacing() * 36);
    const QSize shown = viewer->Text()->viewport()->size();
    EXPECT_EQ(shown.width() >= page.width() && shown.height() >= page.height(), c.room)
        << c.mainWindow.width() << ": " << shown.width() << "x" << shown.height();
    window->close();
    QApplication::processEvents();
  }
}

TEST_F(ReportViewerTest, TheViewerReloadsAfterASecondRun) {
  runExample();
  clickButton("ViewOutputButton");
  TReportViewer* viewer = activeViewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_FALSE(viewer->Text()->toPlainText().contains(QStringLiteral("SECOND RUN OF THE PIER")));

  form_->Project().Title = "SECOND RUN OF THE PIER";
  form_->Action("RunAnalysisItem")->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(viewer->Text()->toPlainText().contains(QStringLiteral("SECOND RUN OF THE PIER")));
  EXPECT_EQ(viewer->Text()->toPlainText(),
            fileText(folder_.filePath(QStringLiteral("sand_clay.bko"))));
}

TEST_F(ReportViewerTest, EachEditCommandShowsItsFileInOneViewer) {
  runExample();
  struct Case {
    const char* item;
    const char* file;
  };
  const Case cases[] = {
      {"EditInputItem", "sand_clay.bkd"},
      {"EditRunNotesItem", "sand_clay.bkr"},
      {"EditOutputItem", "sand_clay.bko"},
  };
  for (const Case& c : cases) {
    form_->Action(QLatin1String(c.item))->trigger();
    QApplication::processEvents();
    TReportViewer* viewer = activeViewer();
    ASSERT_NE(viewer, nullptr) << c.item;
    EXPECT_EQ(QFileInfo(viewer->Path()).fileName(), QLatin1String(c.file));
    EXPECT_EQ(form_->mdiArea()->currentSubWindow()->windowTitle(),
              QLatin1String(c.file) + QStringLiteral(" (read-only)"));
  }
  // Asking again brings the open viewer to the front instead of a second one.
  form_->Action("EditInputItem")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(form_->mdiArea()->subWindowList().size(), 3);
  EXPECT_EQ(QFileInfo(activeViewer()->Path()).fileName(), QStringLiteral("sand_clay.bkd"));
}

TEST_F(ReportViewerTest, FindSelectsTheNextOccurrenceAndWrapsAround) {
  runExample();
  clickButton("ViewOutputButton");
  TReportViewer* viewer = activeViewer();
  ASSERT_NE(viewer, nullptr);
  TFindBar* find = viewer->FindBar();
  find->Field()->setText(QStringLiteral("DRILLED SHAFT INFORMATION"));
  ASSERT_TRUE(find->FindNext());
  const int first = viewer->Text()->textCursor().selectionStart();
  EXPECT_EQ(viewer->Text()->textCursor().selectedText(),
            QStringLiteral("DRILLED SHAFT INFORMATION"));
  // One section per trial diameter (3, 3.5, 4, 4.5 and 5 ft): the sixth
  // search wraps around to the first.
  for (int k = 0; k < 5; ++k) {
    ASSERT_TRUE(find->FindNext());
  }
  EXPECT_EQ(viewer->Text()->textCursor().selectionStart(), first);
  find->Field()->setText(QStringLiteral("NO SUCH TEXT IN THE REPORT"));
  EXPECT_FALSE(find->FindNext());
}

TEST_F(ReportViewerTest, PrintHandsTheReportToThePrintDialog) {
  runExample();
  clickButton("ViewOutputButton");
  TReportViewer* viewer = activeViewer();
  ASSERT_NE(viewer, nullptr);
  const QString pdf = folder_.filePath(QStringLiteral("report.pdf"));
  dialogs_.OnPrint = [&pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  viewer->Print();
  EXPECT_EQ(dialogs_.Calls().back().kind, ScriptedDialogs::Kind::kPrint);
  QFile printed(pdf);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
}

TEST_F(ReportViewerTest, AReportNotYetWrittenIsReported) {
  const QString path =
      write(QStringLiteral("pier.bkd"), bormek::ui_testing::goodProject(QStringLiteral("Pier")));
  start();
  form_->OpenFileName(path);
  clickButton("ViewOutputButton");
  EXPECT_EQ(activeViewer(), nullptr);
  ASSERT_EQ(dialogs_.Messages().size(), 1);
  EXPECT_TRUE(dialogs_.Messages().front().contains(QStringLiteral("pier.bko")));
}

// A configured editor still opens the files: here a script that writes the
// path it was given into a file.
TEST_F(ReportViewerTest, TheConfiguredEditorStillWins) {
  const QString received = folder_.filePath(QStringLiteral("received.txt"));
  const QString editor = folder_.filePath(QStringLiteral("editor.sh"));
  {
    QFile script(editor);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1.part' && mv '%1.part' '%1'\n")
                     .arg(received)
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  }
  storeSetting(QStringLiteral("Word Processor"), editor);
  runExample();
  clickButton("ViewOutputButton");
  QApplication::processEvents();
  EXPECT_EQ(activeViewer(), nullptr);
  for (int k = 0; k < 500 && !QFileInfo::exists(received); ++k) {
    QTest::qWait(20);
  }
  QFile file(received);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the editor was not started";
  EXPECT_EQ(QString::fromUtf8(file.readAll()), folder_.filePath(QStringLiteral("sand_clay.bko")));
  EXPECT_EQ(dialogs_.Messages().size(), 1);  // the completion message only
}

}  // namespace
