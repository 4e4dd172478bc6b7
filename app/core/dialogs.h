// Every question and message of the application goes through this one
// interface: information and error boxes, the Yes/No/Cancel question, the
// file dialogs and the print and page-setup dialogs. The desktop program
// installs QtDialogs; tests install a scripted implementation. No widget
// calls QMessageBox or QFileDialog directly.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

class TDialogs {
 public:
  enum class Answer { kYes, kNo, kCancel };

  struct FileChoice {
    bool accepted = false;
    QString path;
    int filterIndex = 0;  // 0-based index of the filter the user chose
  };

  virtual ~TDialogs() = default;

  // An information box with a single OK button.
  virtual void Information(const QString& text) = 0;
  // The same with the error icon.
  virtual void Error(const QString& text) = 0;
  // "Do you want to save any changes?" and the like: Yes, No or Cancel.
  virtual Answer Confirm(const QString& text) = 0;
  // `filters` in Qt's form, e.g. "Bormek 2012 (*.bkd)".
  virtual FileChoice OpenFile(const QString& title, const QStringList& filters,
                              const QString& startPath) = 0;
  // Asks before overwriting an existing file.
  virtual FileChoice SaveFile(const QString& title, const QStringList& filters,
                              const QString& startPath) = 0;
  // The print dialog and the page-setup dialog for `printer`: true on OK,
  // the printer then holds the choices.
  virtual bool Print(QPrinter& printer) = 0;
  virtual bool PageSetup(QPrinter& printer) = 0;
};
