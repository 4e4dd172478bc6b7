#include "widgets/elevation_view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/dialogs.h"
#include "core/drawing_files.h"
#include "core/program_data.h"

namespace {

constexpr int kFormWidth = 648;  // pixels, the window's size as designed
constexpr int kFormHeight = 460;
constexpr int kPrintDotsPerInch = 300;
const char* const kCaption = "Elevation View";
const char* const kPrintTitle = "Soil-Pile Profile";
const QStringList kPictureFilters = {QStringLiteral("PNG image (*.png)"),
                                     QStringLiteral("SVG drawing (*.svg)"),
                                     QStringLiteral("PDF document (*.pdf)")};

}  // namespace

TDlgSideView::TDlgSideView(TProgramData& project, TDialogs& dialogs, QWidget* parent)
    : QWidget(parent), project_(project), dialogs_(dialogs) {
  setObjectName(QStringLiteral("DlgSideView"));
  setWindowTitle(QString::fromLatin1(kCaption));
  setFocusPolicy(Qt::StrongFocus);

  label_ = new QLabel(QStringLiteral("Pile Geometry"), this);
  label_->setObjectName(QStringLiteral("PileGeometryLabel"));
  print_ = new QPushButton(QStringLiteral("Print"), this);
  print_->setObjectName(QStringLiteral("PrintButton"));
  auto* save = new QPushButton(QStringLiteral("Save..."), this);
  save->setObjectName(QStringLiteral("SaveButton"));
  // The picture has the area below the label and the buttons to itself.
  canvas_ = new QWidget(this);
  canvas_->setObjectName(QStringLiteral("ElevationCanvas"));
  canvas_->setMouseTracking(true);
  canvas_->setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_->installEventFilter(this);
  auto* row = new QHBoxLayout;
  row->addWidget(label_);
  row->addStretch();
  row->addWidget(save);
  row->addWidget(print_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addLayout(row);
  column->addWidget(canvas_, 1);
  connect(print_, &QPushButton::clicked, this, &TDlgSideView::PrintClick);
  connect(save, &QPushButton::clicked, this, &TDlgSideView::SaveClick);
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &TDlgSideView::CopyToClipboard);
}

QSize TDlgSideView::sizeHint() const {
  return {kFormWidth, kFormHeight};
}

void TDlgSideView::SetSubWindow(QMdiSubWindow* window) {
  connect(window, &QMdiSubWindow::aboutToActivate, this, &TDlgSideView::FormActivate);
}

void TDlgSideView::FormActivate() {
  if (disabled_) {
    return;
  }
  view_ = BuildElevation(project_);
  fit();
  canvas_->update();
}

void TDlgSideView::fit() {
  if (disabled_) {
    return;
  }
  const std::optional<WorldWindow> display =
      FitToArea(view_.world, canvas_->width(), canvas_->height());
  if (!display) {
    disabled_ = true;
    return;
  }
  display_ = *display;
}

ElevationColours TDlgSideView::screenColours() const {
  return {palette().color(QPalette::Base), palette().color(QPalette::Text),
          palette().color(QPalette::Text)};
}

// The picture as the screen shows it, on an area of `pixels` screen pixels;
// nothing when the area cannot be fitted.
void TDlgSideView::paintPicture(QPainter& painter, const QSize& pixels) const {
  const std::optional<WorldWindow> display =
      FitToArea(view_.world, pixels.width(), pixels.height());
  if (!display) {
    return;
  }
  // A pixel-sized font, so that a scaled painter scales the labels with
  // the picture.
  QFont labels = font();
  labels.setPixelSize(QFontInfo(font()).pixelSize());
  painter.setFont(labels);
  DrawElevation(painter, view_, *display, QRect(QPoint(0, 0), pixels), ElevationLayout::kScreen,
                screenColours());
}

QImage TDlgSideView::Picture(const QSize& size) const {
  return RenderDrawing(size, logicalDpiX(), [&](QPainter& painter, const QSizeF&, double) {
    paintPicture(painter, size);
  });
}

void TDlgSideView::PaintPage(QPaintDevice& device) const {
  QPainter painter(&device);
  painter.setFont(QFont(label_->font(), &device));
  DrawElevation(painter, view_, display_, QRect(0, 0, device.width(), device.height()),
                ElevationLayout::kPrint, {Qt::white, Qt::black, Qt::black});
}

void TDlgSideView::PrintClick() {
  QPrinter printer;
  // The page's hatch and spacing are laid out in device units sized for a
  // 300 dpi printer.
  printer.setResolution(kPrintDotsPerInch);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QString::fromLatin1(kPrintTitle));
  // The picture keeps its own 10 % margins on the whole sheet.
  printer.setFullPage(true);
  if (!dialogs_.Print(printer)) {
    return;
  }
  printer.setFromTo(1, 1);
  PaintPage(printer);
}

void TDlgSideView::SaveClick() {
  const TDialogs::FileChoice choice =
      dialogs_.SaveFile(QStringLiteral("Save Elevation"), kPictureFilters, QString());
  if (!choice.accepted) {
    return;
  }
  if (!SavePicture(choice.path)) {
    dialogs_.Information(QStringLiteral("The picture could not be written to ") + choice.path);
  }
}

bool TDlgSideView::SavePicture(const QString& path) const {
  const double dpi = logicalDpiX();
  const QSizeF inches(canvas_->width() / dpi, canvas_->height() / dpi);
  // A vector drawing shows the screen's picture, scaled from screen pixels
  // to the drawing's units.
  const PaintRoutine paint = [this, dpi](QPainter& painter, const QSizeF&, double unitsPerInch) {
    const double scale = unitsPerInch / dpi;
    painter.scale(scale, scale);
    paintPicture(painter, canvas_->size());
  };
  switch (PictureFormatOf(path)) {
    case PictureFormat::kSvg:
      return SaveSvgDrawing(path, inches, QString::fromLatin1(kCaption), paint);
    case PictureFormat::kPdf:
      return SavePdfDrawing(path, inches, QString::fromLatin1(kCaption), paint);
    case PictureFormat::kBmp:
    case PictureFormat::kPng:
      break;
  }
  const QImage image = Picture(canvas_->size());
  return !image.isNull() && image.save(path, "PNG");
}

void TDlgSideView::CopyToClipboard() {
  const QImage image = Picture(canvas_->size());
  if (!image.isNull()) {
    QGuiApplication::clipboard()->setImage(image);
  }
}

bool TDlgSideView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != canvas_) {
    return QWidget::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::Paint:
      paintCanvas();
      return true;
    case QEvent::Resize:
      // A hidden view (a minimised window) is fitted again when it shows.
      if (isVisible()) {
        fit();
      }
      break;
    case QEvent::MouseMove:
      showDepthAt(static_cast<QMouseEvent*>(event)->position());
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void TDlgSideView::paintCanvas() {
  QPainter painter(canvas_);
  if (disabled_) {
    painter.fillRect(canvas_->rect(), palette().color(QPalette::Base));
    return;
  }
  DrawElevation(painter, view_, display_, canvas_->rect(), ElevationLayout::kScreen,
                screenColours());
}

void TDlgSideView::showDepthAt(const QPointF& at) {
  if (disabled_) {
    return;
  }
  const WorldPoint world =
      PixelToWorld(display_, canvas_->width(), canvas_->height(), at.x(), at.y());
  setWindowTitle(QString::fromStdString(DepthReadout(world.y)));
}

void TDlgSideView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QStringLiteral("&Save Picture..."), this, &TDlgSideView::SaveClick);
  menu.addAction(QStringLiteral("&Copy"), this, &TDlgSideView::CopyToClipboard);
  menu.exec(event->globalPos());
}
