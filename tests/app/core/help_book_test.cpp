// The manuals as the program installs them beside itself, read the way the
// help window reads them: every link and picture resolves, every page is
// reached from the contents page, every window has its page. And the book
// itself on small pages written here: reading order and search.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <utility>

#include "core/help_book.h"
#include "core/help_page.h"
#include "core/help_topics.h"
#include "support/engine_run.h"

namespace {

QString installedManual() {
  return QString::fromStdString(bormek::testing::binDir()) + QStringLiteral("/manual");
}

QStringList installedPages() {
  QStringList pages;
  QDirIterator files(installedManual(), {QStringLiteral("*.html")}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) {
    pages.push_back(files.next());
  }
  pages.sort();
  return pages;
}

bool isWebAddress(const QString& link) {
  const QString scheme = QUrl(link).scheme();
  return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
         scheme == QLatin1String("mailto");
}

// The file a relative link of `page` names ("" for the page itself).
QString targetFile(const QString& page, const QString& link) {
  const QString path = QUrl(link).path();
  if (path.isEmpty()) {
    return page;
  }
  return QDir::cleanPath(QFileInfo(page).absolutePath() + QLatin1Char('/') + path);
}

TEST(InstalledManual, HoldsBothManualsAndTheContentsPage) {
  const QStringList pages = installedPages();
  ASSERT_GE(pages.size(), 20) << "the manuals are not installed in "
                              << installedManual().toStdString();
  for (const char* topic : {kHelpContentsTopic, kUsersManualTopic, kTechnicalManualTopic}) {
    EXPECT_TRUE(QFileInfo::exists(installedManual() + QLatin1Char('/') + QLatin1String(topic)))
        << topic;
  }
}

TEST(InstalledManual, EveryInternalLinkAndPictureResolves) {
  int links = 0;
  for (const QString& path : installedPages()) {
    const HelpPage page = ReadHelpPage(path);
    EXPECT_FALSE(page.title.isEmpty()) << path.toStdString() << " has no title";
    for (const QString& link : page.links) {
      if (isWebAddress(link)) {
        continue;
      }
      ++links;
      const QString target = targetFile(path, link);
      ASSERT_TRUE(QFileInfo::exists(target))
          << path.toStdString() << ": " << link.toStdString() << " names no file";
      const QString anchor = QUrl(link).fragment();
      if (!anchor.isEmpty()) {
        EXPECT_TRUE(ReadHelpPage(target).anchors.contains(anchor))
            << path.toStdString() << ": " << link.toStdString() << " names no anchor";
      }
    }
    for (const QString& image : page.images) {
      EXPECT_TRUE(QFileInfo::exists(targetFile(path, image)))
          << path.toStdString() << ": picture " << image.toStdString() << " is missing";
    }
  }
  EXPECT_GT(links, 100);
}

TEST(InstalledManual, EveryPageIsReachedFromTheContentsPage) {
  const THelpBook book(installedManual());
  const std::vector<QString> topics = book.Topics();
  const QDir folder(installedManual());
  for (const QString& path : installedPages()) {
    const QString topic = folder.relativeFilePath(path);
    EXPECT_NE(std::find(topics.begin(), topics.end(), topic), topics.end())
        << topic.toStdString() << " is not linked from the contents page";
  }
}

// Each window of the program and the page F1 opens for it: a page of the
// manual with the anchor named.
TEST(InstalledManual, EveryWindowHasItsOwnSectionOfTheManual) {
  const char* const keys[] = {"",
                              "TdlgTitle",
                              "TfrmShaftpeneta",
                              "TfrmSafetyFactor",
                              "TfrmPenetration",
                              "TfrmDesignLoad",
                              "TfrmWaterDepth",
                              "TDlgOptions",
                              "Soil Layer Data",
                              "Sand Layer Data",
                              "Clay Layer Data",
                              "Shale Layer Data",
                              "Strong Rock Layer Data",
                              "Weak Rock Layer Data",
                              "Decomposed Geo. Layer Data",
                              "Gravelly Sand Layer Data",
                              "Gravel Layer Data",
                              "TPlotForm",
                              "TfrmGraphCaption",
                              "TfrmLineNames",
                              "TfrmActiveLines",
                              "TdlgFormat",
                              "TDlgSideView",
                              "TReportViewer",
                              "THelpWindow"};
  const THelpBook book(installedManual());
  QStringList topics;
  for (const char* key : keys) {
    const QString topic = HelpTopicFor(QLatin1String(key));
    const HelpPage* page = book.Page(topic);
    ASSERT_NE(page, nullptr) << key << " -> " << topic.toStdString();
    const QString anchor = topic.section(QLatin1Char('#'), 1);
    if (!anchor.isEmpty()) {
      EXPECT_TRUE(page->anchors.contains(anchor)) << key << " -> " << topic.toStdString();
    }
    EXPECT_FALSE(topics.contains(topic)) << key << " shares " << topic.toStdString();
    topics.push_back(topic);
  }
}

TEST(HelpTopics, AWindowWithoutItsOwnPageGetsTheMainWindowPage) {
  EXPECT_EQ(HelpTopicFor(QStringLiteral("TSomethingNew")), HelpTopicFor(QString()));
  EXPECT_EQ(HelpTopicFor(QString()), QStringLiteral("user/main-window.html"));
}

// A dialog without a page of its own (a file or message box) is explained
// by the page of the window it was opened from.
TEST(HelpTopics, OnlyTheProgramsOwnWindowsHaveTopicsOfTheirOwn) {
  const std::pair<const char*, bool> cases[] = {
      {"", true},
      {"TPlotForm", true},
      {"TdlgFormat", true},
      {"TDlgSideView", true},
      {"Sand Layer Data", true},
      {"QFileDialog", false},
      {"QMessageBox", false},
      {"TSomethingNew", false},
  };
  for (const auto& [key, own] : cases) {
    EXPECT_EQ(HasHelpTopic(QLatin1String(key)), own) << key;
  }
}

// A small book written here: a contents page linking to three pages in a
// sub-folder (one of them twice), and a page it does not link to.
class SmallBook : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    QDir(folder_.path()).mkdir(QStringLiteral("user"));
    write(QStringLiteral("contents.html"), QStringLiteral("Contents"),
          QStringLiteral("<p><a href=\"user/index.html\">Manual</a> "
                         "<a href=\"user/b.html#second\">B</a> <a href=\"user/a.html\">A</a> "
                         "<a href=\"user/b.html\">B again</a> "
                         "<a href=\"https://example.org/\">web</a></p>"));
    write(QStringLiteral("user/index.html"), QStringLiteral("Manual"),
          QStringLiteral("<h1>Manual</h1><p>Sand and clay.</p>"));
    write(QStringLiteral("user/a.html"), QStringLiteral("Page A"),
          QStringLiteral("<h1 id=\"a\">A</h1><h2 id=\"first\">First</h2>"
                         "<p>Clay clay clay over sand.</p>"));
    write(QStringLiteral("user/b.html"), QStringLiteral("Page B"),
          QStringLiteral("<h1>B</h1><h2 id=\"second\">Second</h2><p>Sand, clay and rock.</p>"));
    write(QStringLiteral("user/unlinked.html"), QStringLiteral("Unlinked"),
          QStringLiteral("<p>clay</p>"));
  }

  void write(const QString& name, const QString& title, const QString& body) {
    QFile file(folder_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((QStringLiteral("<html><head><title>") + title +
                QStringLiteral("</title></head><body>") + body + QStringLiteral("</body></html>"))
                   .toUtf8());
  }

  QTemporaryDir folder_;
};

TEST_F(SmallBook, PagesComeInTheOrderTheContentsPageFirstLinksThem) {
  const THelpBook book(folder_.path());
  const std::vector<QString> expected = {
      QStringLiteral("contents.html"), QStringLiteral("user/index.html"),
      QStringLiteral("user/b.html"), QStringLiteral("user/a.html")};
  EXPECT_EQ(book.Topics(), expected);
  ASSERT_NE(book.Page(QStringLiteral("user/a.html#first")), nullptr);
  EXPECT_EQ(book.Page(QStringLiteral("user/a.html"))->title, QStringLiteral("Page A"));
  EXPECT_EQ(book.Page(QStringLiteral("user/unlinked.html")), nullptr);
}

TEST_F(SmallBook, HeadingsCarryTheirLevelAndAnchor) {
  const THelpBook book(folder_.path());
  const HelpPage* page = book.Page(QStringLiteral("user/a.html"));
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->headings.size(), 2u);
  EXPECT_EQ(page->headings[0].level, 1);
  EXPECT_EQ(page->headings[0].anchor, QStringLiteral("a"));
  EXPECT_EQ(page->headings[1].level, 2);
  EXPECT_EQ(page->headings[1].title, QStringLiteral("First"));
  EXPECT_EQ(page->headings[1].anchor, QStringLiteral("first"));
}

// Counts by hand from the pages above (case ignored; the contents page
// holds neither word).
TEST_F(SmallBook, SearchFindsThePagesHoldingEveryWordMostHitsFirst) {
  struct Case {
    const char* words;
    std::vector<std::pair<const char*, int>> hits;
  };
  const Case cases[] = {
      {"clay", {{"user/a.html", 3}, {"user/index.html", 1}, {"user/b.html", 1}}},
      {"CLAY sand", {{"user/a.html", 4}, {"user/index.html", 2}, {"user/b.html", 2}}},
      {"rock clay", {{"user/b.html", 2}}},
      {"granite", {}},
      {"  ", {}},
  };
  const THelpBook book(folder_.path());
  for (const Case& c : cases) {
    const std::vector<HelpSearchHit> hits = book.Search(QLatin1String(c.words));
    ASSERT_EQ(hits.size(), c.hits.size()) << c.words;
    for (std::size_t k = 0; k < hits.size(); ++k) {
      EXPECT_EQ(hits[k].topic, QLatin1String(c.hits[k].first)) << c.words;
      EXPECT_EQ(hits[k].count, c.hits[k].second) << c.words;
    }
  }
}

TEST_F(SmallBook, TopicsAndUrlsConvertBothWays) {
  const THelpBook book(folder_.path());
  const QUrl url = book.Url(QStringLiteral("user/b.html#second"));
  EXPECT_EQ(url.toLocalFile(), QDir(folder_.path()).filePath(QStringLiteral("user/b.html")));
  EXPECT_EQ(url.fragment(), QStringLiteral("second"));
  EXPECT_EQ(book.TopicOf(url.adjusted(QUrl::RemoveFragment)), QStringLiteral("user/b.html"));
  EXPECT_EQ(book.TopicOf(QUrl(QStringLiteral("https://example.org/"))), QString());
}

TEST(HelpBook, AFolderWithoutAContentsPageIsAnEmptyBook) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const THelpBook book(folder.path());
  EXPECT_TRUE(book.IsEmpty());
  EXPECT_EQ(book.Page(QLatin1String(kHelpContentsTopic)), nullptr);
}

}  // namespace
