// The curve-name dialog of a plot window ("Legend"): every curve of the
// plot listed by name in its colour; the selected one is edited in it. Enter
// or leaving the edit box stores the text into the list; an empty text is
// refused with "The line must have a name!" and the entry stays. On OK the
// listed names become the curves' own names.
#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class TDialogs;
class TGraphPlot;

class TfrmLineNames : public QDialog {
  Q_OBJECT

 public:
  TfrmLineNames(TGraphPlot& plot, TDialogs& dialogs, QWidget* parent = nullptr);

  // The names as listed now.
  QStringList Names() const;
  // Gives every curve its listed name.
  void StoreNames();

 private:
  void showSelected();
  void storeEdit();

  TGraphPlot& plot_;
  TDialogs& dialogs_;
  QListWidget* list_ = nullptr;
  QLineEdit* edit_ = nullptr;
  bool storing_ = false;
};
