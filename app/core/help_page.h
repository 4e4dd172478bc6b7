// One page of the help documents (an HTML file of the manuals), read the
// way the help window's browser reads it: its title, its plain text for
// searching, its headings with their anchors for the table of contents,
// the anchors it defines and the links it holds.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct HelpHeading {
  int level = 0;   // 1 for the page's own heading, 2 and 3 below it
  QString title;   // the heading's text
  QString anchor;  // the anchor named in the heading; empty for none
};

struct HelpPage {
  QString path;   // the file read
  QString title;  // the document title (<title>); empty for none
  QString text;   // the page as plain text
  std::vector<HelpHeading> headings;
  QStringList anchors;  // every anchor name the page defines
  QStringList links;    // every link target, as written
  QStringList images;   // every image source, as written
};

// Reads the page at `path`. A file that cannot be read gives a page with
// its path only.
HelpPage ReadHelpPage(const QString& path);
