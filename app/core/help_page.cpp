#include "core/help_page.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

namespace {

QString readUtf8(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  return QString::fromUtf8(file.readAll());
}

// The anchors, links and images of one fragment of text.
void collectFragment(const QTextFragment& fragment, HelpPage& page, QString& headingAnchor) {
  const QTextCharFormat format = fragment.charFormat();
  const QStringList names = format.anchorNames();
  page.anchors.append(names);
  if (headingAnchor.isEmpty() && !names.isEmpty()) {
    headingAnchor = names.front();
  }
  if (format.isAnchor() && !format.anchorHref().isEmpty()) {
    page.links.append(format.anchorHref());
  }
  if (format.isImageFormat()) {
    page.images.append(format.toImageFormat().name());
  }
}

}  // namespace

HelpPage ReadHelpPage(const QString& path) {
  HelpPage page;
  page.path = path;
  const QString html = readUtf8(path);
  if (html.isEmpty()) {
    return page;
  }
  QTextDocument document;
  document.setHtml(html);
  page.title = document.metaInformation(QTextDocument::DocumentTitle);
  page.text = document.toPlainText();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QString anchor;
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      collectFragment(fragment.fragment(), page, anchor);
    }
    const int level = block.blockFormat().headingLevel();
    if (level > 0) {
      page.headings.push_back({level, block.text().simplified(), anchor});
    }
  }
  return page;
}
