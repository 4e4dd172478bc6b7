#include "widgets/report_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/dialogs.h"
#include "widgets/find_bar.h"

namespace {

// Wide enough for the report's longest lines, tall enough for a table.
constexpr int kWidthInCharacters = 100;
constexpr int kHeightInLines = 36;
// Printed, a report line of 80 to 100 characters fits an A4 or letter page.
constexpr qreal kPrintPointSize = 7.5;

bool readText(const QString& path, QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return false;
  }
  text = QString::fromUtf8(file.readAll());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return true;
}

QString unreadableMessage(const QString& path) {
  return QStringLiteral("The file ") + QDir::toNativeSeparators(path) +
         QStringLiteral(
             " cannot be shown: it does not exist or cannot be read.\n"
             "Run the analysis first to create the report and the run notes.");
}

TReportViewer* viewerOf(QMdiSubWindow* window) {
  return window != nullptr ? qobject_cast<TReportViewer*>(window->widget()) : nullptr;
}

}  // namespace

TReportViewer::TReportViewer(QString path, TDialogs& dialogs)
    : path_(std::move(path)), dialogs_(dialogs) {
  setObjectName(QStringLiteral("ReportViewer"));
  setAttribute(Qt::WA_DeleteOnClose);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("ReportText"));
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  findBar_ = new TFindBar(this, [this](const QString& text, QTextDocument::FindFlags flags) {
    return FindWrapping(*text_, text, flags);
  });
  auto* print = new QPushButton(QStringLiteral("P&rint..."), this);
  print->setObjectName(QStringLiteral("PrintButton"));
  auto* reload = new QPushButton(QStringLiteral("Re&load"), this);
  reload->setObjectName(QStringLiteral("ReloadButton"));
  connect(print, &QPushButton::clicked, this, &TReportViewer::Print);
  connect(reload, &QPushButton::clicked, this, &TReportViewer::Reload);

  auto* row = new QHBoxLayout;
  row->addWidget(findBar_, 1);
  row->addSpacing(12);
  row->addWidget(print);
  row->addWidget(reload);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addLayout(row);

  setWindowTitle(QFileInfo(path_).fileName() + QStringLiteral(" (read-only)"));
}

TReportViewer* TReportViewer::Show(QMdiArea* area, const QString& path, TDialogs& dialogs) {
  const QString wanted = QFileInfo(path).absoluteFilePath();
  for (QMdiSubWindow* window : area->subWindowList()) {
    TReportViewer* viewer = viewerOf(window);
    if (viewer != nullptr && viewer->Path() == wanted) {
      if (!viewer->Reload()) {
        dialogs.Information(unreadableMessage(wanted));
      }
      area->setActiveSubWindow(window);
      return viewer;
    }
  }
  QString text;
  if (!readText(wanted, text)) {
    dialogs.Information(unreadableMessage(wanted));
    return nullptr;
  }
  auto* viewer = new TReportViewer(wanted, dialogs);
  viewer->text_->setPlainText(text);
  QMdiSubWindow* window = area->addSubWindow(viewer);
  window->setWindowTitle(viewer->windowTitle());
  window->show();
  // Where the area has room, the text shows its preferred page; where it
  // has not, the window keeps inside the area and the text scrolls.
  window->resize(window->size() + viewer->preferredTextSize() - viewer->text_->size());
  area->setActiveSubWindow(window);
  viewer->text_->setFocus();
  return viewer;
}

QSize TReportViewer::preferredTextSize() const {
  // A report runs longer than a page, so its scroll bar shows beside it.
  const QFontMetrics metrics(text_->font());
  const int frame = 2 * text_->frameWidth();
  return {metrics.horizontalAdvance(QLatin1Char('0')) * kWidthInCharacters + frame +
              text_->verticalScrollBar()->sizeHint().width(),
          metrics.lineSpacing() * kHeightInLines + frame};
}

void TReportViewer::ReloadAll(QMdiArea* area) {
  for (QMdiSubWindow* window : area->subWindowList()) {
    if (TReportViewer* viewer = viewerOf(window)) {
      viewer->Reload();
    }
  }
}

bool TReportViewer::Reload() {
  QString text;
  if (!readText(path_, text)) {
    return false;
  }
  QScrollBar* bar = text_->verticalScrollBar();
  const int position = bar->value();
  text_->setPlainText(text);
  bar->setValue(position);
  return true;
}

void TReportViewer::Print() {
  QPrinter printer;
  printer.setDocName(windowTitle());
  if (!dialogs_.Print(printer)) {
    return;
  }
  QTextDocument document;
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(kPrintPointSize);
  document.setDefaultFont(font);
  document.setPlainText(text_->toPlainText());
  document.print(&printer);
}
