#include "core/help_book.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// A link's page relative to the folder: "user/a.html" from "b.html" on
// page "user/index.html"; empty for a link that leaves the folder or is no
// page (a web address, an image).
QString linkedTopic(const QDir& folder, const QString& fromTopic, const QString& link) {
  const QUrl url(link);
  if (!url.scheme().isEmpty() || url.path().isEmpty() || !url.path().endsWith(".html")) {
    return {};
  }
  const QString fromFolder = QFileInfo(folder.filePath(fromTopic)).absolutePath();
  const QString target = QDir::cleanPath(fromFolder + QLatin1Char('/') + url.path());
  const QString topic = folder.relativeFilePath(target);
  return topic.startsWith(QLatin1String("..")) ? QString() : topic;
}

QString withoutAnchor(const QString& topic) {
  return topic.section(QLatin1Char('#'), 0, 0);
}

int occurrences(const QString& text, const QStringList& words) {
  int total = 0;
  for (const QString& word : words) {
    const int count = static_cast<int>(text.count(word, Qt::CaseInsensitive));
    if (count == 0) {
      return 0;
    }
    total += count;
  }
  return total;
}

}  // namespace

THelpBook::THelpBook(QString folder) : folder_(std::move(folder)) {
  if (!QFileInfo::exists(QDir(folder_).filePath(QLatin1String(kHelpContentsTopic)))) {
    return;
  }
  addPage(QLatin1String(kHelpContentsTopic));
  const QDir dir(folder_);
  const QStringList links = pages_.front().page.links;
  for (const QString& link : links) {
    const QString topic = linkedTopic(dir, QLatin1String(kHelpContentsTopic), link);
    if (!topic.isEmpty() && Page(topic) == nullptr && QFileInfo::exists(dir.filePath(topic))) {
      addPage(topic);
    }
  }
}

void THelpBook::addPage(const QString& topic) {
  pages_.push_back({topic, ReadHelpPage(QDir(folder_).filePath(topic))});
}

QUrl THelpBook::Url(const QString& topic) const {
  QUrl url = QUrl::fromLocalFile(QDir(folder_).filePath(withoutAnchor(topic)));
  const QString anchor = topic.section(QLatin1Char('#'), 1);
  if (!anchor.isEmpty()) {
    url.setFragment(anchor);
  }
  return url;
}

QString THelpBook::TopicOf(const QUrl& url) const {
  if (!url.isLocalFile()) {
    return {};
  }
  const QString topic = QDir(folder_).relativeFilePath(url.toLocalFile());
  return topic.startsWith(QLatin1String("..")) ? QString() : topic;
}

std::vector<QString> THelpBook::Topics() const {
  std::vector<QString> topics;
  topics.reserve(pages_.size());
  for (const Entry& entry : pages_) {
    topics.push_back(entry.topic);
  }
  return topics;
}

const HelpPage* THelpBook::Page(const QString& topic) const {
  const QString page = withoutAnchor(topic);
  const auto found = std::find_if(pages_.begin(), pages_.end(),
                                  [&page](const Entry& entry) { return entry.topic == page; });
  return found != pages_.end() ? &found->page : nullptr;
}

std::vector<HelpSearchHit> THelpBook::Search(const QString& words) const {
  const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  std::vector<HelpSearchHit> hits;
  if (wanted.isEmpty()) {
    return hits;
  }
  for (const Entry& entry : pages_) {
    const int count = occurrences(entry.page.text, wanted);
    if (count > 0) {
      hits.push_back({entry.topic, entry.page.title, count});
    }
  }
  std::stable_sort(hits.begin(), hits.end(), [](const HelpSearchHit& a, const HelpSearchHit& b) {
    return a.count > b.count;
  });
  return hits;
}
