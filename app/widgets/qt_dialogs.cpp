#include "widgets/qt_dialogs.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// "bkd" of "Bormek 2012 (*.bkd)"; empty for "(*)".
QString firstFilterSuffix(const QStringList& filters) {
  if (filters.isEmpty()) {
    return {};
  }
  static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^ ;)*]+)"));
  return pattern.match(filters.front()).captured(1);
}

TDialogs::FileChoice runFileDialog(QFileDialog::AcceptMode mode, const QString& title,
                                   const QStringList& filters, const QString& startPath) {
  QFileDialog dialog(QApplication::activeWindow(), title);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(firstFilterSuffix(filters));
  if (!startPath.isEmpty()) {
    const QFileInfo start(QDir::current(), startPath);
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
  }
  TDialogs::FileChoice choice;
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    choice.accepted = true;
    choice.path = dialog.selectedFiles().front();
    choice.filterIndex =
        std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
  }
  return choice;
}

}  // namespace

void QtDialogs::Information(const QString& text) {
  QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

TDialogs::Answer QtDialogs::Confirm(const QString& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

TDialogs::FileChoice QtDialogs::OpenFile(const QString& title, const QStringList& filters,
                                         const QString& startPath) {
  return runFileDialog(QFileDialog::AcceptOpen, title, filters, startPath);
}

TDialogs::FileChoice QtDialogs::SaveFile(const QString& title, const QStringList& filters,
                                         const QString& startPath) {
  return runFileDialog(QFileDialog::AcceptSave, title, filters, startPath);
}

bool QtDialogs::Print(const QString& title,
                      const std::function<void(QPagedPaintDevice& printer)>& paint) {
  QPrinter printer;
  printer.setDocName(title);
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted) {
    return false;
  }
  paint(printer);
  return true;
}
