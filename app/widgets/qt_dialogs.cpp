#include "widgets/qt_dialogs.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QListView>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>

#include "widgets/window_placement.h"

namespace {

// Qt's own file dialog, where the platform has no native one, opens large
// enough to show its file list's columns (at 96 pixels per inch).
constexpr QSize kFileDialogSize(880, 540);
constexpr int kReferencePixelsPerInch = 96;

// "bkd" of "Bormek 2012 (*.bkd)"; empty for "(*)".
QString filterSuffix(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^ ;)*]+)"));
  return pattern.match(filter).captured(1);
}

// Qt's own file dialog once shown: the list's name column takes the room
// left by the others, which stay as wide as what they show (sizes, types,
// dates are read after the folder), and the places beside the list are as
// wide as their longest name. A native dialog has neither and is left alone.
void fitFileColumns(QFileDialog& dialog) {
  if (auto* details = dialog.findChild<QTreeView*>()) {
    QHeaderView* header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column) {
      header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
  }
  auto* places = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
  auto* splitter = places != nullptr ? qobject_cast<QSplitter*>(places->parentWidget()) : nullptr;
  if (splitter != nullptr && splitter->count() == 2) {
    const int placesWidth = places->sizeHintForColumn(0) + 2 * places->frameWidth() +
                            places->verticalScrollBar()->sizeHint().width();
    splitter->setSizes({placesWidth, splitter->width() - placesWidth});
  }
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
  // A native dialog takes its own size; Qt's own one takes this one.
  dialog.resize((kFileDialogSize * dialog.logicalDpiX() / kReferencePixelsPerInch)
                    .boundedTo(RoomOnScreen(dialog)));
  QTimer::singleShot(0, &dialog, [&dialog] { fitFileColumns(dialog); });
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
