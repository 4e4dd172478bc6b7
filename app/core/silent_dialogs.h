// A TDialogs for code that runs without a user (benchmarks, fuzz targets):
// shows nothing and answers every question and dialog with Cancel.
#pragma once

#include "core/dialogs.h"

class TSilentDialogs : public TDialogs {
 public:
  void Information(const QString&) override {}
  void Error(const QString&) override {}
  Answer Confirm(const QString&) override { return Answer::kCancel; }
  FileChoice OpenFile(const QString&, const QStringList&, const QString&) override { return {}; }
  FileChoice SaveFile(const QString&, const QStringList&, const QString&) override { return {}; }
  bool Print(QPrinter&) override { return false; }
  bool PageSetup(QPrinter&) override { return false; }
};
