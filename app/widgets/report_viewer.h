// The program's own read-only viewer for the report, the run notes and the
// project file, used when no text editor is configured (Control Options).
// An MDI child of the main window: the file in a fixed-pitch font without
// line wrapping, so the report's columns line up, a Find row, Print and
// Reload. One viewer per file: showing a file that is already open brings
// its viewer to the front and reads the file again. Every message and the
// print dialog go through the TDialogs given, which must outlive the
// viewer.
#pragma once

#include <QString>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;
class QPlainTextEdit;
class TDialogs;
class TFindBar;

class TReportViewer : public QWidget {
  Q_OBJECT

 public:
  // Shows the file at `path` in its viewer in `area`, creating the viewer
  // when there is none. A file that cannot be read is reported and gives
  // nullptr.
  static TReportViewer* Show(QMdiArea* area, const QString& path, TDialogs& dialogs);
  // Reads the file of every open viewer in `area` again: after a run.
  static void ReloadAll(QMdiArea* area);

  const QString& Path() const { return path_; }
  QPlainTextEdit* Text() const { return text_; }
  TFindBar* FindBar() const { return findBar_; }
  // Reads the file again, keeping the scroll position where the new text
  // allows; false when it cannot be read (the old text stays).
  bool Reload();
  // The print dialog; the text is printed in a fixed-pitch font.
  void Print();

 private:
  TReportViewer(QString path, TDialogs& dialogs);
  // The text's size for 100 characters by 36 lines of the report's font.
  QSize preferredTextSize() const;

  QString path_;
  TDialogs& dialogs_;
  QPlainTextEdit* text_ = nullptr;
  TFindBar* findBar_ = nullptr;
};
