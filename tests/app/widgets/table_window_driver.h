// Drives a table window as a user does: cells clicked, expressions typed
// and entered, drop-down lists and sub-table buttons found, rows added.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "core/soil_layer_columns.h"
#include "widgets/table_form.h"

namespace bormek::ui_testing {

inline QMdiSubWindow* frameOf(TTableForm* form) {
  return qobject_cast<QMdiSubWindow*>(form->parentWidget());
}
inline QTableView* gridOf(TTableForm* form) {
  return form->findChild<QTableView*>("Grid");
}
inline QPushButton* rowButton(TTableForm* form, const char* name) {
  return form->findChild<QPushButton*>(name);
}
inline QModelIndex cell(TTableForm* form, int row, int column) {
  return gridOf(form)->model()->index(row, column);
}
inline QLineEdit* editorOf(TTableForm* form) {
  QTableView* grid = gridOf(form);
  return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
}
inline QComboBox* listAt(TTableForm* form, int row) {
  return qobject_cast<QComboBox*>(gridOf(form)->indexWidget(cell(form, row, kTypeColumn)));
}
inline QPushButton* layerButtonAt(TTableForm* form, int row) {
  return qobject_cast<QPushButton*>(gridOf(form)->indexWidget(cell(form, row, kLayerDataColumn)));
}
inline void clickCell(TTableForm* form, int row, int column) {
  QTableView* grid = gridOf(form);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->visualRect(cell(form, row, column)).center());
}
// Types over the current cell's text (its editor opens with all of it
// selected) and presses Enter.
inline void typeAndEnter(TTableForm* form, const char* text) {
  QLineEdit* editor = editorOf(form);
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
}
inline void addRows(TTableForm* form, int count) {
  for (int i = 0; i < count; ++i) {
    QTest::mouseClick(rowButton(form, "BtnAdd"), Qt::LeftButton);
  }
}
inline QModelIndex current(TTableForm* form) {
  return gridOf(form)->currentIndex();
}

}  // namespace bormek::ui_testing
