// The help window: the manuals beside the program (core/help_book.h) shown
// inside the program, no web browser needed. A window of its own beside the
// main window with a "Contents" tab (the chapters and sections of both
// manuals), a "Search" tab (the pages that hold every word typed, most hits
// first), the page in a QTextBrowser with working links, Back, Forward,
// Contents and Print, and a Find row. Web addresses open in the desktop's
// browser. Every message and the print dialog go through the TDialogs
// given, which must outlive the window.
#pragma once

#include <QHash>
#include <QWidget>

#include "core/help_book.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;
class TDialogs;
class TFindBar;

class THelpWindow : public QWidget {
  Q_OBJECT

 public:
  enum class Tab { kContents, kSearch };

  // The manuals of `manualFolder`; `parent` is the main window (the help
  // window stays a window of its own).
  THelpWindow(const QString& manualFolder, TDialogs& dialogs, QWidget* parent = nullptr);

  // Shows the topic ("user/soil-layers.html#sand") and brings the window to
  // the front; false, with a message, when the manual does not hold it.
  bool ShowTopic(const QString& topic);
  // The topic shown, with its anchor ("" before the first).
  QString CurrentTopic() const;
  void ShowTab(Tab tab);
  // Fills the Search tab with the pages that hold every word.
  void Search(const QString& words);

  const THelpBook& Book() const { return book_; }
  QTextBrowser* Browser() const { return browser_; }
  QTreeWidget* ContentsTree() const { return contents_; }
  QListWidget* SearchResults() const { return results_; }

 protected:
  // The first showing keeps the window inside its screen's work area.
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* createContentsTab();
  QWidget* createSearchTab();
  void fillContents();
  QTreeWidgetItem* addContentsItem(QTreeWidgetItem* parent, const QString& title,
                                   const QString& topic);
  void showSearchHit(int row);
  void sourceChanged(const QUrl& url);
  void print();

  THelpBook book_;
  TDialogs& dialogs_;
  QTabWidget* tabs_ = nullptr;
  QTreeWidget* contents_ = nullptr;
  QLineEdit* searchText_ = nullptr;
  QListWidget* results_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  TFindBar* findBar_ = nullptr;
  QHash<QString, QTreeWidgetItem*> itemsByTopic_;
  bool placed_ = false;
};
