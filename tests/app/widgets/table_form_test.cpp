// The table window in an MDI area, driven with Qt Test's keys and mouse.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/support/table_entries.h"
#include "app/widgets/table_window_driver.h"
#include "core/dialogs.h"
#include "core/grid_table.h"
#include "core/soil_layer_columns.h"
#include "core/soil_layer_tables.h"
#include "core/units.h"
#include "widgets/table_form.h"

namespace {

using namespace bormek::app_testing;  // the entries and their messages

// Answers every question as a test script says and records each message.
class ScriptedDialogs : public TDialogs {
 public:
  QStringList messages;

  void Information(const QString& text) override { messages.append(text); }
  Answer Confirm(const QString&) override { return Answer::kCancel; }
  FileChoice OpenFile(const QString&, const QStringList&, const QString&) override { return {}; }
  FileChoice SaveFile(const QString&, const QStringList&, const QString&) override { return {}; }
  void Error(const QString& text) override { Information(text); }
  bool Print(QPrinter&) override { return false; }
  bool PageSetup(QPrinter&) override { return false; }
};

using bormek::ui_testing::addRows;
using bormek::ui_testing::cell;
using bormek::ui_testing::clickCell;
using bormek::ui_testing::current;
using bormek::ui_testing::editorOf;
using bormek::ui_testing::frameOf;
using bormek::ui_testing::gridOf;
using bormek::ui_testing::layerButtonAt;
using bormek::ui_testing::listAt;
using bormek::ui_testing::rowButton;
using bormek::ui_testing::typeAndEnter;

class TableWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(1600, 1000);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  }

  TTableForm* showD() {
    TTableForm* form = TTableForm::ShowWindow(d, area, dialogs);
    QApplication::processEvents();
    return form;
  }

  ScriptedDialogs dialogs;
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TGridTable& d = tables->D();
  QMainWindow main;  // destroyed first: its windows give their tables back
  QMdiArea* area = nullptr;
};

TEST_F(TableWindowTest, TypingAnExpressionAndPressingEnterStoresItsValue) {
  TTableForm* form = showD();
  // The first cell that takes typing: the depth of layer 1.
  ASSERT_EQ(current(form), cell(form, 0, kDepthColumn));
  typeAndEnter(form, "2*12.5");
  EXPECT_EQ(d.Cells(kDepthColumn, 0).AsFloat(), 25.0L);
  EXPECT_EQ(cell(form, 0, kDepthColumn).data().toString(), "25");
  EXPECT_TRUE(d.Changed());
  EXPECT_TRUE(dialogs.messages.isEmpty());
  // One layer: Enter goes on to the next column that takes typing.
  EXPECT_EQ(current(form), cell(form, 0, kMaxSideColumn));
}

TEST_F(TableWindowTest, EnterMovesDownThenToTheTopOfTheNextColumnAndRoundToTheFirst) {
  TTableForm* sand = TTableForm::ShowWindow(*d.Cells(kLayerDataColumn, 0).AsTable(), area, dialogs);
  const int path[][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2},
                         {0, 3}, {1, 3}, {0, 4}, {1, 4}, {0, 0}};
  for (std::size_t step = 0; step + 1 < std::size(path); ++step) {
    ASSERT_EQ(current(sand), cell(sand, path[step][0], path[step][1])) << "step " << step;
    QTest::keyClick(editorOf(sand), Qt::Key_Enter);
  }
  EXPECT_EQ(current(sand), cell(sand, 0, 0));
}

TEST_F(TableWindowTest, AnInvalidEntryIsRefusedKeepsTheCellAndCannotBeClosed) {
  TTableForm* form = showD();
  QLineEdit* editor = editorOf(form);
  typeAndEnter(form, "abc");
  EXPECT_EQ(dialogs.messages, QStringList{kInvalidCharacters});
  EXPECT_EQ(current(form), cell(form, 0, kDepthColumn));
  EXPECT_EQ(editorOf(form), editor);
  EXPECT_EQ(editor->text(), "abc");
  EXPECT_EQ(QApplication::focusWidget(), editor);

  EXPECT_FALSE(form->FormDeactivate());
  EXPECT_FALSE(frameOf(form)->close());
  EXPECT_TRUE(TTableForm::HasWindow(d));
  EXPECT_EQ(dialogs.messages.size(), 3);
  EXPECT_EQ(dialogs.messages.last(), kInvalidCharacters);
  EXPECT_EQ(d.Cells(kDepthColumn, 0).AsFloat(), 0.0L);

  typeAndEnter(form, "12");
  EXPECT_EQ(d.Cells(kDepthColumn, 0).AsFloat(), 12.0L);
  EXPECT_TRUE(form->FormDeactivate());
  EXPECT_TRUE(frameOf(form)->close());
  EXPECT_FALSE(TTableForm::HasWindow(d));
  EXPECT_FALSE(d.WindowOpen());
}

TEST_F(TableWindowTest, AnEmptiedCellIsRefusedAsBlank) {
  TTableForm* form = showD();
  QLineEdit* editor = editorOf(form);
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(dialogs.messages, QStringList{kBlankEntry});
  EXPECT_EQ(current(form), cell(form, 0, kDepthColumn));
}

TEST_F(TableWindowTest, EscapePutsTheStoredTextBack) {
  TTableForm* form = showD();
  QLineEdit* editor = editorOf(form);
  QTest::keyClicks(editor, "abc");
  QTest::keyClick(editor, Qt::Key_Escape);
  EXPECT_EQ(editor->text(), "0");
  EXPECT_TRUE(form->FormDeactivate());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(TableWindowTest, ABlowCountAboveItsMaximumIsRefusedInTheSandWindow) {
  TTableForm* form = showD();
  QTest::mouseClick(layerButtonAt(form, 0), Qt::LeftButton);
  TGridTable& sand = *d.Cells(kLayerDataColumn, 0).AsTable();
  TTableForm* sandForm = TTableForm::WindowOf(sand);
  ASSERT_NE(sandForm, nullptr);
  EXPECT_TRUE(sand.WindowOpen());

  clickCell(sandForm, 0, kBlowCounts);
  ASSERT_EQ(current(sandForm), cell(sandForm, 0, kBlowCounts));
  typeAndEnter(sandForm, "250");
  EXPECT_EQ(dialogs.messages, QStringList{kBlowCountRange});
  EXPECT_EQ(current(sandForm), cell(sandForm, 0, kBlowCounts));
  EXPECT_EQ(sand.Cells(kBlowCounts, 0).AsInteger(), 0);
  EXPECT_FALSE(sandForm->FormDeactivate());
  EXPECT_FALSE(frameOf(sandForm)->close());

  typeAndEnter(sandForm, "25");
  EXPECT_EQ(sand.Cells(kBlowCounts, 0).AsInteger(), 25);
  EXPECT_EQ(current(sandForm), cell(sandForm, 1, kBlowCounts));
  EXPECT_TRUE(sand.Changed());
  EXPECT_TRUE(d.Changed());
}

TEST_F(TableWindowTest, ClickingAnotherCellCommitsTheTypedOne) {
  TTableForm* form = showD();
  QTest::keyClicks(editorOf(form), "7*3");
  clickCell(form, 0, kMaxSideColumn);
  EXPECT_EQ(d.Cells(kDepthColumn, 0).AsFloat(), 21.0L);
  EXPECT_EQ(current(form), cell(form, 0, kMaxSideColumn));
  // Cells under lists and buttons are not selected.
  clickCell(form, 0, kLayerDataColumn);
  EXPECT_EQ(current(form), cell(form, 0, kMaxSideColumn));
}

TEST_F(TableWindowTest, ChoosingClayInARowsListReplacesOnlyThatRowsSubTable) {
  TTableForm* form = showD();
  addRows(form, 2);
  ASSERT_EQ(d.RowCount(), 3);
  TGridTable* first = d.Cells(kLayerDataColumn, 0).AsTable();
  TGridTable* third = d.Cells(kLayerDataColumn, 2).AsTable();
  first->Cells(kFrictionAngle, 0).SetFloat(32);

  QComboBox* list = listAt(form, 1);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->currentIndex(), 0);
  QTest::keyClick(list, Qt::Key_Down);  // item 2: clay

  EXPECT_EQ(d.Cells(kTypeColumn, 1).AsInteger(), kClay);
  TGridTable* clay = d.Cells(kLayerDataColumn, 1).AsTable();
  ASSERT_NE(clay, nullptr);
  EXPECT_EQ(clay->Caption, "Clay Layer Data");
  EXPECT_EQ(clay->RowCount(), 2);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 0).AsTable(), first);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 2).AsTable(), third);
  EXPECT_EQ(first->Cells(kFrictionAngle, 0).AsFloat(), 32.0L);
  EXPECT_EQ(layerButtonAt(form, 1)->text(), "2: Clay Layer Data");
  EXPECT_EQ(listAt(form, 0)->currentIndex(), 0);
}

TEST_F(TableWindowTest, ChangingASoilTypeClosesTheWindowOfTheDiscardedSubTable) {
  TTableForm* form = showD();
  TGridTable* sand = d.Cells(kLayerDataColumn, 0).AsTable();
  QTest::mouseClick(layerButtonAt(form, 0), Qt::LeftButton);
  ASSERT_TRUE(TTableForm::HasWindow(*sand));
  ASSERT_EQ(area->subWindowList().size(), 2);

  QTest::keyClick(listAt(form, 0), Qt::Key_Down);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  EXPECT_EQ(area->subWindowList().size(), 1);
  EXPECT_TRUE(TTableForm::HasWindow(d));
  EXPECT_FALSE(TTableForm::HasWindow(*d.Cells(kLayerDataColumn, 0).AsTable()));
}

TEST_F(TableWindowTest, RowButtonsFollowTheRowLimits) {
  TTableForm* form = showD();
  QPushButton* add = rowButton(form, "BtnAdd");
  QPushButton* insert = rowButton(form, "BtnIns");
  QPushButton* remove = rowButton(form, "BtnDel");
  EXPECT_EQ(add->text(), "&Add Row");
  EXPECT_EQ(insert->text(), "&Insert Row");
  EXPECT_EQ(remove->text(), "&Delete Row");
  // One layer, MinRows 1.
  EXPECT_TRUE(add->isEnabled());
  EXPECT_TRUE(insert->isEnabled());
  EXPECT_FALSE(remove->isEnabled());

  addRows(form, 19);
  EXPECT_EQ(d.RowCount(), 20);  // MaxRows
  EXPECT_FALSE(add->isEnabled());
  EXPECT_FALSE(insert->isEnabled());
  EXPECT_TRUE(remove->isEnabled());

  QTest::mouseClick(remove, Qt::LeftButton);
  EXPECT_EQ(d.RowCount(), 19);
  EXPECT_TRUE(add->isEnabled());
  EXPECT_TRUE(insert->isEnabled());
}

TEST_F(TableWindowTest, InsertRowPutsANewLayerBeforeTheCurrentOne) {
  TTableForm* form = showD();
  addRows(form, 1);
  d.Cells(kDepthColumn, 0).SetFloat(10);
  d.Cells(kDepthColumn, 1).SetFloat(20);
  d.SetChanged(false);
  clickCell(form, 1, kDepthColumn);

  QTest::mouseClick(rowButton(form, "BtnIns"), Qt::LeftButton);

  ASSERT_EQ(d.RowCount(), 3);
  const Extended depths[] = {10, 0, 20};
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(d.Cells(kDepthColumn, row).AsFloat(), depths[row]) << "row " << row;
    EXPECT_EQ(d.Cells(kLayerDataColumn, row).AsTable()->RowIndex(), row + 1);
    EXPECT_EQ(layerButtonAt(form, row)->text(), QString("%1: Sand Layer Data").arg(row + 1));
  }
  EXPECT_EQ(gridOf(form)->model()->headerData(2, Qt::Vertical).toString(), "3");
  EXPECT_EQ(current(form), cell(form, 1, kDepthColumn));
  EXPECT_TRUE(d.Changed());
}

TEST_F(TableWindowTest, DeleteRowRemovesTheCurrentLayerAndRenumbersTheWindowsBelow) {
  TTableForm* form = showD();
  addRows(form, 2);
  for (int row = 0; row < 3; ++row) {
    d.Cells(kDepthColumn, row).SetFloat(10 * (row + 1));
  }
  TGridTable* third = d.Cells(kLayerDataColumn, 2).AsTable();
  QTest::mouseClick(layerButtonAt(form, 2), Qt::LeftButton);
  ASSERT_EQ(frameOf(TTableForm::WindowOf(*third))->windowTitle(), "Sand Layer Data  3");
  clickCell(form, 1, kDepthColumn);

  QTest::mouseClick(rowButton(form, "BtnDel"), Qt::LeftButton);

  ASSERT_EQ(d.RowCount(), 2);
  EXPECT_EQ(d.Cells(kDepthColumn, 0).AsFloat(), 10.0L);
  EXPECT_EQ(d.Cells(kDepthColumn, 1).AsFloat(), 30.0L);
  EXPECT_EQ(frameOf(TTableForm::WindowOf(*third))->windowTitle(), "Sand Layer Data  2");
}

TEST_F(TableWindowTest, AddingTheEleventhLayerKeepsTenRowsInViewAndShowsTheNewOne) {
  TTableForm* form = showD();
  addRows(form, 9);
  QTableView* grid = gridOf(form);
  const int rowHeight = grid->rowHeight(0);
  EXPECT_EQ(grid->viewport()->height(), 10 * rowHeight);
  EXPECT_FALSE(grid->verticalScrollBar()->isVisible());

  addRows(form, 1);
  EXPECT_EQ(d.RowCount(), 11);
  EXPECT_EQ(grid->viewport()->height(), 10 * rowHeight);
  EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
  EXPECT_EQ(grid->verticalScrollBar()->value(), 1);
  EXPECT_EQ(current(form).row(), 10);
}

TEST_F(TableWindowTest, TheGridShowsWholeColumnsAndNothingIsClipped) {
  TTableForm* form = showD();
  QTableView* grid = gridOf(form);
  int columns = 0;
  for (int column = 0; column < kSoilLayerColumnCount; ++column) {
    columns += grid->columnWidth(column);
    // Every header line fits its column.
    const QStringList lines =
        grid->model()->headerData(column, Qt::Horizontal).toString().split('\n');
    for (const QString& line : lines) {
      EXPECT_LE(grid->fontMetrics().horizontalAdvance(line), grid->columnWidth(column))
          << line.toStdString();
    }
  }
  EXPECT_EQ(grid->viewport()->width(), columns);
  EXPECT_EQ(grid->viewport()->height(), grid->rowHeight(0));
  EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
  EXPECT_GE(grid->verticalHeader()->width(),
            grid->fontMetrics().horizontalAdvance(QString::fromStdString(d.TopLeft) + "  "));
  // The longest soil type and the longest sub-table caption fit their cells.
  QTest::keyClick(listAt(form, 0), Qt::Key_End);
  ASSERT_EQ(d.Cells(kTypeColumn, 0).AsInteger(), 9);
  d.Cells(kTypeColumn, 0).SetInteger(4);
  EXPECT_GE(listAt(form, 0)->width(), listAt(form, 0)->sizeHint().width());
  d.Cells(kTypeColumn, 0).SetInteger(5);
  EXPECT_EQ(layerButtonAt(form, 0)->text(), "1: Decomposed Geo. Layer Data");
  EXPECT_GE(layerButtonAt(form, 0)->width(), layerButtonAt(form, 0)->sizeHint().width());
  const QPushButton* remove = rowButton(form, "BtnDel");
  EXPECT_TRUE(form->rect().contains(remove->geometry()));
  EXPECT_TRUE(form->rect().contains(grid->geometry()));
  EXPECT_EQ(form->size(), form->sizeHint());
}

TEST_F(TableWindowTest, ATemplateSubTableShowsNoRowButtonsAndItsComments) {
  TGridTable& sand = *d.Cells(kLayerDataColumn, 0).AsTable();
  sand.Comments = "Blow counts are optional.\rLeave Beta as zero to use Ko.";
  TTableForm* form = TTableForm::ShowWindow(sand, area, dialogs);
  QApplication::processEvents();
  for (const char* name : {"BtnAdd", "BtnIns", "BtnDel"}) {
    EXPECT_FALSE(rowButton(form, name)->isVisible()) << name;
  }
  const QLabel* comments = form->findChild<QLabel*>("lblComments");
  ASSERT_NE(comments, nullptr);
  EXPECT_TRUE(comments->isVisible());
  EXPECT_EQ(comments->text(), "Blow counts are optional.\nLeave Beta as zero to use Ko.");
  EXPECT_TRUE(form->rect().contains(comments->geometry()));
  EXPECT_GE(comments->height(), comments->heightForWidth(comments->width()));

  TTableForm* dForm = showD();
  EXPECT_FALSE(dForm->findChild<QLabel*>("lblComments")->isVisible());
}

TEST_F(TableWindowTest, TheSubTableWindowOfRowThreeCarriesTheRowNumber) {
  TTableForm* form = showD();
  addRows(form, 2);
  QPushButton* button = layerButtonAt(form, 2);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "3: Sand Layer Data");

  QTest::mouseClick(button, Qt::LeftButton);
  TGridTable& sand = *d.Cells(kLayerDataColumn, 2).AsTable();
  TTableForm* sandForm = TTableForm::WindowOf(sand);
  ASSERT_NE(sandForm, nullptr);
  EXPECT_EQ(sandForm->windowTitle(), "Sand Layer Data  3");
  EXPECT_EQ(frameOf(sandForm)->windowTitle(), "Sand Layer Data  3");
  EXPECT_EQ(frameOf(sandForm)->mdiArea(), area);
  EXPECT_EQ(area->activeSubWindow(), frameOf(sandForm));
  EXPECT_EQ(frameOf(form)->windowTitle(), "Soil Layer Data ");
}

TEST_F(TableWindowTest, ShowingTwiceGivesTheSameWindowAndCloseWindowEndsIt) {
  EXPECT_FALSE(TTableForm::HasWindow(d));
  TTableForm* form = showD();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(TTableForm::HasWindow(d));
  EXPECT_TRUE(d.WindowOpen());
  EXPECT_EQ(TTableForm::ShowWindow(d, area, dialogs), form);
  EXPECT_EQ(TTableForm::WindowOf(d), form);
  EXPECT_EQ(area->subWindowList().size(), 1);

  TTableForm::CloseWindow(d);
  EXPECT_FALSE(TTableForm::HasWindow(d));
  EXPECT_EQ(TTableForm::WindowOf(d), nullptr);
  EXPECT_FALSE(d.WindowOpen());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(area->subWindowList().isEmpty());

  TTableForm* again = showD();
  ASSERT_NE(again, nullptr);
  typeAndEnter(again, "5");
  EXPECT_EQ(d.Cells(kDepthColumn, 0).AsFloat(), 5.0L);
}

TEST_F(TableWindowTest, OpeningAndLookingDoNotMarkTheTableChanged) {
  TTableForm* form = showD();
  EXPECT_FALSE(d.Changed());
  QTest::keyClick(editorOf(form), Qt::Key_Return);  // a commit, even unchanged, does
  EXPECT_TRUE(d.Changed());
}

TEST_F(TableWindowTest, SwitchingUnitsRelabelsTheHeadersOfTheOpenWindow) {
  TTableForm* form = showD();
  d.Cells(kDepthColumn, 0).SetFloat(10);
  d.SetUnits(kSiUnits);
  // 10 ft = 10 / 3.280839895 m = 3.048 m.
  EXPECT_EQ(gridOf(form)->model()->headerData(kDepthColumn, Qt::Horizontal).toString(),
            "Depth at Bottom \nof each Layer (m)  ");
  EXPECT_EQ(cell(form, 0, kDepthColumn).data().toString(), "3.048");
  EXPECT_EQ(current(form), cell(form, 0, kDepthColumn));
  EXPECT_NE(editorOf(form), nullptr);
}

TEST_F(TableWindowTest, WithoutAnMdiAreaTheWindowStandsAloneAndSoDoItsSubTables) {
  TTableForm* form = TTableForm::ShowWindow(d, nullptr, dialogs);
  ASSERT_NE(form, nullptr);
  QApplication::processEvents();
  QWidget* window = form->window();
  EXPECT_NE(window, form);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(window->windowTitle(), "Soil Layer Data ");
  EXPECT_EQ(window->size(), form->sizeHint());

  QTest::mouseClick(layerButtonAt(form, 0), Qt::LeftButton);
  TTableForm* sand = TTableForm::WindowOf(*d.Cells(kLayerDataColumn, 0).AsTable());
  ASSERT_NE(sand, nullptr);
  EXPECT_FALSE(sand->window()->isModal());
  EXPECT_NE(sand->window(), window);

  TTableForm::CloseWindow(*d.Cells(kLayerDataColumn, 0).AsTable());
  TTableForm::CloseWindow(d);
  EXPECT_FALSE(TTableForm::HasWindow(d));
  EXPECT_FALSE(d.WindowOpen());
}

TEST_F(TableWindowTest, ATableWithoutVisibleColumnsGetsNoWindow) {
  TGridTable empty;
  EXPECT_EQ(TTableForm::ShowWindow(empty, area, dialogs), nullptr);
  EXPECT_FALSE(TTableForm::HasWindow(empty));
}

TEST_F(TableWindowTest, LeavingForAnotherWindowWithAnInvalidEntryBringsTheTableBack) {
  TTableForm* form = showD();
  QTest::mouseClick(layerButtonAt(form, 0), Qt::LeftButton);
  QMdiSubWindow* sandFrame = frameOf(TTableForm::WindowOf(*d.Cells(kLayerDataColumn, 0).AsTable()));
  area->setActiveSubWindow(frameOf(form));
  QApplication::processEvents();
  QLineEdit* editor = editorOf(form);
  editor->selectAll();
  QTest::keyClicks(editor, "abc");

  area->setActiveSubWindow(sandFrame);
  QApplication::processEvents();

  EXPECT_EQ(dialogs.messages, QStringList{kInvalidCharacters});
  EXPECT_EQ(area->activeSubWindow(), frameOf(form));
  EXPECT_EQ(QApplication::focusWidget(), editor);
  EXPECT_EQ(editor->text(), "abc");
}

TEST_F(TableWindowTest, DestroyingTheTablesClosesTheirWindows) {
  TTableForm* form = showD();
  QTest::mouseClick(layerButtonAt(form, 0), Qt::LeftButton);
  ASSERT_EQ(area->subWindowList().size(), 2);
  QTest::keyClicks(editorOf(form), "abc");  // pending, and dropped with its table

  tables.reset();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  EXPECT_TRUE(area->subWindowList().isEmpty());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(TableWindowTest, TabLeavesTheGridForTheRowsNearestListOrButton) {
  TTableForm* form = showD();
  QLineEdit* editor = editorOf(form);
  editor->selectAll();
  QTest::keyClicks(editor, "8");
  QTest::keyClick(editor, Qt::Key_Tab);
  EXPECT_EQ(d.Cells(kDepthColumn, 0).AsFloat(), 8.0L);
  EXPECT_EQ(QApplication::focusWidget(), layerButtonAt(form, 0));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), rowButton(form, "BtnAdd"));

  clickCell(form, 0, kDepthColumn);
  QTest::keyClick(editorOf(form), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), listAt(form, 0));
}

TEST_F(TableWindowTest, EveryListAndButtonOfTheGridHasTheHeightItAsksFor) {
  TTableForm* form = showD();
  addRows(form, 3);
  for (int row = 0; row < 4; ++row) {
    for (QWidget* control : {static_cast<QWidget*>(listAt(form, row)),
                             static_cast<QWidget*>(layerButtonAt(form, row))}) {
      ASSERT_NE(control, nullptr) << "row " << row;
      EXPECT_GE(control->height(), control->sizeHint().height()) << "row " << row;
    }
  }
}

// Headers and values are told apart: every pixel of a strip down a column
// header (clear of its text and its rule) and across the row numbers is
// clearly darker than the cell below or beside it.
TEST_F(TableWindowTest, HeadersAreShadedApartFromTheCells) {
  constexpr int kDarkerBy = 16;  // grey levels of 255
  TTableForm* form = showD();
  QTableView* grid = gridOf(form);
  const QImage picture = grid->grab().toImage();
  const QHeaderView* columns = grid->horizontalHeader();
  const QHeaderView* rows = grid->verticalHeader();
  const QPoint viewport = grid->viewport()->geometry().topLeft();
  const QRect firstCell = grid->visualRect(cell(form, 0, kMaxSideColumn)).translated(viewport);
  const int cellGrey = qGray(picture.pixel(firstCell.right() - 3, firstCell.center().y()));

  const int stripX = firstCell.right() - 3;
  for (int y = columns->geometry().top() + 2; y < columns->geometry().bottom() - 2; ++y) {
    EXPECT_GE(cellGrey - qGray(picture.pixel(stripX, y)), kDarkerBy) << "header y " << y;
  }
  const int stripY = firstCell.center().y();
  for (int x = rows->geometry().left() + 2; x < rows->geometry().left() + 8; ++x) {
    EXPECT_GE(cellGrey - qGray(picture.pixel(x, stripY)), kDarkerBy) << "row number x " << x;
  }
}

TEST_F(TableWindowTest, DraggingTheRightBorderNarrowShowsFewerWholeColumnsButKeepsTheButtons) {
  TTableForm* form = showD();
  QMdiSubWindow* frame = frameOf(form);
  QTableView* grid = gridOf(form);
  const QRect before = frame->geometry();

  frame->resize(before.width() / 2, before.height());
  QApplication::processEvents();

  EXPECT_LT(frame->width(), before.width());
  EXPECT_EQ(frame->x(), before.x());
  EXPECT_TRUE(grid->horizontalScrollBar()->isVisible());
  int shown = 0;
  for (int column = 0; column < kSoilLayerColumnCount && shown < grid->viewport()->width();
       ++column) {
    shown += grid->columnWidth(column);
  }
  EXPECT_EQ(grid->viewport()->width(), shown);
  EXPECT_EQ(grid->viewport()->height(), grid->rowHeight(0));

  frame->resize(10, before.height());
  QApplication::processEvents();
  const QPushButton* remove = rowButton(form, "BtnDel");
  EXPECT_TRUE(form->rect().contains(remove->geometry()));
  EXPECT_EQ(grid->viewport()->width(), grid->columnWidth(0));
}

TEST_F(TableWindowTest, ASubTableOpenedFromAModalWindowIsModal) {
  bool dWasModal = false;
  bool sandWasModal = false;
  QString sandCaption;
  QTimer::singleShot(0, [&] {
    TTableForm* form = TTableForm::WindowOf(d);
    ASSERT_NE(form, nullptr);
    dWasModal = form->window()->isModal();
    QTimer::singleShot(0, [&] {
      TGridTable& sand = *d.Cells(kLayerDataColumn, 0).AsTable();
      TTableForm* sandForm = TTableForm::WindowOf(sand);
      if (sandForm != nullptr) {
        sandWasModal = sandForm->window()->isModal();
        sandCaption = sandForm->window()->windowTitle();
      }
      TTableForm::CloseWindow(sand);
    });
    QTest::mouseClick(layerButtonAt(form, 0), Qt::LeftButton);  // returns once closed
    TTableForm::CloseWindow(d);
  });
  TTableForm::ShowWindowModal(d, &main, dialogs);
  EXPECT_TRUE(dWasModal);
  EXPECT_TRUE(sandWasModal);
  EXPECT_EQ(sandCaption, "Sand Layer Data  1");
  EXPECT_FALSE(TTableForm::HasWindow(d));
  EXPECT_FALSE(d.WindowOpen());
  EXPECT_TRUE(area->subWindowList().isEmpty());
}

}  // namespace
