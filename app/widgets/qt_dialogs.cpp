#include "widgets/qt_dialogs.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QRegularExpression>

namespace {

// "bkd" of "Bormek 2012 (*.bkd)"; empty for "(*)".
QString filterSuffix(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^ ;)*]+)"));
  return pattern.match(filter).captured(1);
}

TDialogs::FileChoice runFileDialog(QFileDialog::AcceptMode mode, const QString& title,
                                   const QStringList& filters, const QString& startPath) {
  QFileDialog dialog(QApplication::activeWindow(), title);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(filters.isEmpty() ? QString() : filterSuffix(filters.front()));
  // A name typed without an extension takes the chosen filter's.
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog,
      [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
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

void showBox(QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace

void QtDialogs::Information(const QString& text) {
  showBox(QMessageBox::Information, text);
}

void QtDialogs::Error(const QString& text) {
  showBox(QMessageBox::Critical, text);
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

bool QtDialogs::Print(QPrinter& printer) {
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::PageSetup(QPrinter& printer) {
  QPageSetupDialog dialog(&printer, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted;
}
