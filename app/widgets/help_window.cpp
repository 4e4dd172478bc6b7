#include "widgets/help_window.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/dialogs.h"
#include "widgets/find_bar.h"
#include "widgets/window_placement.h"

namespace {

constexpr const char* kTitlePrefix = "Bormek Help - ";
constexpr int kTopicRole = Qt::UserRole;
constexpr int kContentsWidth = 300;
constexpr int kPageWidth = 800;
constexpr int kWindowHeight = 760;
// Tables of the manuals get ruled cells; equations and code a fixed font.
constexpr const char* kStyleSheet =
    "table { border-collapse: collapse; } "
    "th { background-color: #e8e8e8; } "
    "code, pre { font-family: monospace; } "
    ".equation { margin-left: 24px; }";

bool isBookIndex(const QString& topic) {
  return topic.endsWith(QLatin1String("/index.html"));
}

QString folderOf(const QString& topic) {
  return topic.section(QLatin1Char('/'), 0, -2);
}

QString pageHeading(const HelpPage& page) {
  for (const HelpHeading& heading : page.headings) {
    if (heading.level == 1) {
      return heading.title;
    }
  }
  return page.title;
}

}  // namespace

THelpWindow::THelpWindow(const QString& manualFolder, TDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), book_(manualFolder), dialogs_(dialogs) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QLatin1String(kTitlePrefix));

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenExternalLinks(true);
  browser_->document()->setDefaultStyleSheet(QLatin1String(kStyleSheet));
  connect(browser_, &QTextBrowser::sourceChanged, this, &THelpWindow::sourceChanged);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("HelpTabs"));
  tabs_->addTab(createContentsTab(), QStringLiteral("&Contents"));
  tabs_->addTab(createSearchTab(), QStringLiteral("&Search"));

  auto* toolBar = new QToolBar(this);
  QAction* back = toolBar->addAction(QStringLiteral("Back"), browser_, &QTextBrowser::backward);
  back->setObjectName(QStringLiteral("HelpBackAction"));
  back->setShortcut(QKeySequence::Back);
  QAction* forward =
      toolBar->addAction(QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
  forward->setObjectName(QStringLiteral("HelpForwardAction"));
  forward->setShortcut(QKeySequence::Forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  toolBar
      ->addAction(QStringLiteral("Contents"), this,
                  [this] { ShowTopic(QLatin1String(kHelpContentsTopic)); })
      ->setObjectName(QStringLiteral("HelpHomeAction"));
  toolBar->addAction(QStringLiteral("Print..."), this, &THelpWindow::print)
      ->setObjectName(QStringLiteral("HelpPrintAction"));

  findBar_ = new TFindBar(this, [this](const QString& text, QTextDocument::FindFlags flags) {
    return FindWrapping(*browser_, text, flags);
  });
  auto* page = new QWidget(this);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pageLayout->addWidget(browser_, 1);
  pageLayout->addWidget(findBar_);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs_);
  splitter->addWidget(page);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({kContentsWidth, kPageWidth});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(toolBar);
  layout->addWidget(splitter, 1);
  SizeWindowForScreen(*this, QSize(kContentsWidth + kPageWidth, kWindowHeight));
  fillContents();
  for (int k = 0; k < contents_->topLevelItemCount(); ++k) {
    contents_->topLevelItem(k)->setExpanded(true);
  }
}

QWidget* THelpWindow::createContentsTab() {
  contents_ = new QTreeWidget(this);
  contents_->setObjectName(QStringLiteral("HelpContents"));
  contents_->setHeaderHidden(true);
  connect(contents_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ShowTopic(item->data(0, kTopicRole).toString()); });
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ShowTopic(item->data(0, kTopicRole).toString()); });
  return contents_;
}

QWidget* THelpWindow::createSearchTab() {
  auto* tab = new QWidget(this);
  searchText_ = new QLineEdit(tab);
  searchText_->setObjectName(QStringLiteral("HelpSearchText"));
  searchText_->setPlaceholderText(QStringLiteral("Words to find"));
  auto* go = new QPushButton(QStringLiteral("Search"), tab);
  results_ = new QListWidget(tab);
  results_->setObjectName(QStringLiteral("HelpSearchResults"));
  auto* row = new QHBoxLayout;
  row->addWidget(searchText_, 1);
  row->addWidget(go);
  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(row);
  layout->addWidget(results_, 1);
  connect(searchText_, &QLineEdit::returnPressed, this, [this] { Search(searchText_->text()); });
  connect(go, &QPushButton::clicked, this, [this] { Search(searchText_->text()); });
  connect(results_, &QListWidget::currentRowChanged, this, &THelpWindow::showSearchHit);
  return tab;
}

// The contents page, then each manual with its chapters and their sections.
void THelpWindow::fillContents() {
  QTreeWidgetItem* book = nullptr;
  for (const QString& topic : book_.Topics()) {
    const HelpPage* page = book_.Page(topic);
    const bool chapter = book != nullptr && !isBookIndex(topic) &&
                         folderOf(topic) == folderOf(book->data(0, kTopicRole).toString());
    QTreeWidgetItem* item = addContentsItem(chapter ? book : nullptr, pageHeading(*page), topic);
    if (isBookIndex(topic)) {
      book = item;
      continue;
    }
    if (!chapter) {
      continue;
    }
    for (const HelpHeading& heading : page->headings) {
      if (heading.level == 2 && !heading.anchor.isEmpty()) {
        addContentsItem(item, heading.title, topic + QLatin1Char('#') + heading.anchor);
      }
    }
  }
}

QTreeWidgetItem* THelpWindow::addContentsItem(QTreeWidgetItem* parent, const QString& title,
                                              const QString& topic) {
  auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
  item->setText(0, title);
  item->setData(0, kTopicRole, topic);
  itemsByTopic_.insert(topic, item);
  return item;
}

bool THelpWindow::ShowTopic(const QString& topic) {
  if (book_.Page(topic) == nullptr) {
    dialogs_.Information(QStringLiteral("The help page ") + topic +
                         QStringLiteral(" was not found in ") +
                         QDir::toNativeSeparators(book_.Folder()) +
                         QStringLiteral(".\nBuild the program again to install the manuals."));
    return false;
  }
  if (topic != CurrentTopic()) {
    browser_->setSource(book_.Url(topic));
  }
  show();
  raise();
  activateWindow();
  return true;
}

QString THelpWindow::CurrentTopic() const {
  const QUrl source = browser_->source();
  QString topic = book_.TopicOf(source.adjusted(QUrl::RemoveFragment));
  if (source.hasFragment()) {
    topic += QLatin1Char('#') + source.fragment();
  }
  return topic;
}

void THelpWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!placed_) {
    placed_ = true;
    FitShownWindowInsideScreen(*this);
  }
}

void THelpWindow::ShowTab(Tab tab) {
  tabs_->setCurrentIndex(tab == Tab::kContents ? 0 : 1);
}

void THelpWindow::Search(const QString& words) {
  searchText_->setText(words);
  results_->blockSignals(true);
  results_->clear();
  for (const HelpSearchHit& hit : book_.Search(words)) {
    auto* item = new QListWidgetItem(
        hit.title + QStringLiteral(" (") + QString::number(hit.count) + QLatin1Char(')'), results_);
    item->setData(kTopicRole, hit.topic);
  }
  results_->blockSignals(false);
  if (results_->count() == 0 && !words.trimmed().isEmpty()) {
    results_->addItem(QStringLiteral("No page holds all of these words."));
    results_->item(0)->setFlags(Qt::NoItemFlags);
  }
  ShowTab(Tab::kSearch);
}

// Shows the page of the hit with the first word found on it.
void THelpWindow::showSearchHit(int row) {
  QListWidgetItem* item = results_->item(row);
  if (item == nullptr || !ShowTopic(item->data(kTopicRole).toString())) {
    return;
  }
  const QString first =
      searchText_->text().section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
  findBar_->Field()->setText(first);
  findBar_->FindNext();
}

// The caption names the page; the contents show the section, or else the
// page, that is shown.
void THelpWindow::sourceChanged(const QUrl& url) {
  setWindowTitle(QLatin1String(kTitlePrefix) + browser_->documentTitle());
  const QString page = book_.TopicOf(url.adjusted(QUrl::RemoveFragment));
  QTreeWidgetItem* item = itemsByTopic_.value(page + QLatin1Char('#') + url.fragment());
  if (item == nullptr) {
    item = itemsByTopic_.value(page);
  }
  if (item != nullptr) {
    contents_->setCurrentItem(item);
    contents_->scrollToItem(item);
  }
}

void THelpWindow::print() {
  QPrinter printer;
  printer.setDocName(windowTitle());
  if (dialogs_.Print(printer)) {
    browser_->document()->print(&printer);
  }
}
