// The help documents: the manual folder (manual_folder.h) holds the
// contents page (contents.html) and the two manuals (user/ and technical/),
// each an index page and its chapters.
// The book lists the pages in reading order (the order in which the
// contents page first links to them), gives their headings for the table of
// contents and finds the pages that hold every word of a search.
//
// Topics are paths relative to the folder, optionally with an anchor:
// "user/getting-started.html#first-run".
#pragma once

#include <QString>
#include <QUrl>
#include <vector>

#include "core/help_page.h"

// The pages the Help items open.
inline constexpr const char* kHelpContentsTopic = "contents.html";
inline constexpr const char* kUsersManualTopic = "user/index.html";
inline constexpr const char* kTechnicalManualTopic = "technical/index.html";

struct HelpSearchHit {
  QString topic;  // the page
  QString title;  // its document title
  int count = 0;  // how often the words occur in it
};

class THelpBook {
 public:
  // Reads every page the contents page of `folder` links to, and the
  // contents page itself. A folder without a contents page gives an empty
  // book.
  explicit THelpBook(QString folder);

  const QString& Folder() const { return folder_; }
  bool IsEmpty() const { return pages_.empty(); }
  // The file URL of a topic, with its anchor as the fragment.
  QUrl Url(const QString& topic) const;
  // The topic of a file URL inside the folder ("" for one outside).
  QString TopicOf(const QUrl& url) const;
  // The pages in reading order, topics without anchors: the contents page
  // first.
  std::vector<QString> Topics() const;
  // The page of a topic (its anchor ignored); nullptr when the book does
  // not hold it.
  const HelpPage* Page(const QString& topic) const;
  // The pages that hold every word of `words` (case ignored), those with
  // the most occurrences first, ties in reading order. Nothing for no
  // words.
  std::vector<HelpSearchHit> Search(const QString& words) const;

 private:
  struct Entry {
    QString topic;
    HelpPage page;
  };

  void addPage(const QString& topic);

  QString folder_;
  std::vector<Entry> pages_;
};
