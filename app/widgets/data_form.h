// The base of the small data windows that edit the project's scalar
// settings (shaft properties, water table, shaft length, design load,
// factors of safety, title, control options). Each is an MDI child of the
// main window with a fixed frame; it shows the project's values when it
// becomes active (FormActivate) and stores them back when it stops being
// active or closes (FormDeactivate, closing).
//
// A field that refuses its entry keeps the window: nothing of the window
// reaches the project, closing is refused, and the field keeps the focus
// with what was typed. TDataWindows creates the windows and tells them of
// activation; every message goes through the TDialogs given, which must
// outlive the window.
#pragma once

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

#include "core/number_text.h"
#include "widgets/data_edit.h"

class QGridLayout;
class TDialogs;
class TProgramData;

class TDataForm : public QWidget {
  Q_OBJECT

 public:
  // Shows the project's values, with the unit labels of its unit system.
  virtual void FormActivate() = 0;
  // Stores the values into the project; false, with nothing stored, when a
  // field refuses its entry (its message shown, the focus back in it).
  bool FormDeactivate();
  // Closes the window without storing anything: the project is replaced.
  void CloseForced();
  // Gives the focus to the field that refused its entry last.
  void FocusRefusedField();

  QMdiSubWindow* SubWindow() const { return subWindow_; }
  void SetSubWindow(QMdiSubWindow* window) { subWindow_ = window; }

 signals:
  // The window accepted closing and is about to be freed.
  void Closed();

 protected:
  TDataForm(const QString& caption, TProgramData& project, TDialogs& dialogs);

  // Writes every field into the project; the fields have been accepted.
  virtual void StoreFields() = 0;

  // A labelled numeric field in `row` of `grid`: the label in column 0, the
  // field in column 1. `maxVal` is the upper limit (kNoUpperLimit for none).
  // Typing in it marks the project modified unless `marksModified` is false.
  TDataEdit* AddField(QGridLayout* grid, int row, const char* name, const QString& caption,
                      const QString& unitsString, Extended maxVal, const QString& hint = QString(),
                      bool marksModified = true);
  // Gives every numeric field the project's unit system for its label.
  void ShowProjectUnits();

  void closeEvent(QCloseEvent* event) override;

  TProgramData& project_;
  TDialogs& dialogs_;

 private:
  bool fieldsAccepted();

  QPointer<QMdiSubWindow> subWindow_;
  QPointer<TDataEdit> refused_;
  bool closed_ = false;
  bool forced_ = false;
};
