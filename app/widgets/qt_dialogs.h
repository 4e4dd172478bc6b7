// The desktop program's dialogs: QMessageBox for the information and error
// boxes and the Yes/No/Cancel question, QFileDialog for choosing files,
// QPrintDialog and QPageSetupDialog for printing. Each dialog is modal over
// the active window.
#pragma once

#include "core/dialogs.h"

class QtDialogs : public TDialogs {
 public:
  void Information(const QString& text) override;
  void Error(const QString& text) override;
  Answer Confirm(const QString& text) override;
  // The file must exist. The extension of the chosen filter (at first the
  // first one) is added to a name typed without one.
  FileChoice OpenFile(const QString& title, const QStringList& filters,
                      const QString& startPath) override;
  // Asks before overwriting; the extension is added as in OpenFile.
  FileChoice SaveFile(const QString& title, const QStringList& filters,
                      const QString& startPath) override;
  bool Print(QPrinter& printer) override;
  bool PageSetup(QPrinter& printer) override;
};
