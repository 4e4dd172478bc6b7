#include "widgets/plot_form.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>

#include "core/dialogs.h"
#include "core/plot_legend.h"
#include "widgets/active_lines_form.h"
#include "widgets/format_dialog.h"
#include "widgets/graph_caption_form.h"
#include "widgets/line_names_form.h"
#include "widgets/plot_canvas.h"
#include "widgets/plot_legend_box.h"
#include "widgets/plot_printing.h"

namespace {

// The caption until the pointer first moves, for a plot without one.
const QString kFormCaption = QStringLiteral("PlotForm");
const QString kOutOfMemory = QStringLiteral("There is not enough memory to complete this task.");
constexpr int kCoordinateDigits = 5;
constexpr double kMarginInches = 1;

// The save dialog's filters, in the order of PictureFormat.
const QStringList kPictureFilters = {
    QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("PNG image (*.png)"),
    QStringLiteral("SVG drawing (*.svg)"), QStringLiteral("PDF document (*.pdf)")};
const QStringList kPictureSuffixes = {QStringLiteral("bmp"), QStringLiteral("png"),
                                      QStringLiteral("svg"), QStringLiteral("pdf")};

QString general(double value) {
  return QString::fromStdString(FormatGeneral(value, kCoordinateDigits));
}

}  // namespace

TPlotForm* TPlotForm::Create(TGraphPlot& plot, QMdiArea* area, TDialogs& dialogs) {
  auto* form = new TPlotForm(plot, dialogs);
  if (!form->view_.Open()) {
    delete form;
    return nullptr;
  }
  area->addSubWindow(form);
  return form;
}

TPlotForm::TPlotForm(TGraphPlot& plot, TDialogs& dialogs)
    : plot_(plot),
      dialogs_(dialogs),
      view_(plot),
      pageLayout_(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                  QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                  QPageLayout::Inch) {
  setObjectName(QStringLiteral("PlotForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(plot.Caption.isEmpty() ? kFormCaption : plot.Caption);
  plot_.ApplyCurveLimit();
  auto* content = new QWidget(this);
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QMenuBar(content);
  layout->setMenuBar(bar);
  canvas_ = new TPlotCanvas(*this);
  layout->addWidget(canvas_);
  setWidget(content);
  legend_ = new TPlotLegendBox(*this, canvas_);
  legendOffered_ = plot.ShowLegend && plot.LineCount() > 0;
  view_.SetLegendShown(legendOffered_);
  legend_->setVisible(legendOffered_);
  createMenu(bar);
}

TPlotForm::~TPlotForm() {
  detach();
}

void TPlotForm::detach() {
  if (attached_) {
    attached_ = false;
    plot_.WindowClosed();
  }
}

void TPlotForm::closeEvent(QCloseEvent* event) {
  detach();
  QMdiSubWindow::closeEvent(event);
}

// The legend's corner is chosen when the window first shows at its full
// size: at the size it has while it is being built, the legend covers a
// larger share of the plot and every corner may look alike.
void TPlotForm::ShowWindow() {
  if (isMinimized()) {
    showNormal();
  }
  showMaximized();
  if (mdiArea() != nullptr) {
    mdiArea()->setActiveSubWindow(this);
  }
  if (!shown_) {
    shown_ = true;
    Relayout(true);
  }
  canvas_->setFocus();
}

void TPlotForm::Refresh() {
  rebuildCurveItems();
  Relayout(false);
}

QAction* TPlotForm::Action(const QString& name) const {
  return findChild<QAction*>(name);
}

void TPlotForm::Relayout(bool placeLegend) {
  PaintSurface surface;
  surface.size = QSizeF(canvas_->size());
  surface.ppx = canvas_->logicalDpiX();
  surface.ppy = canvas_->logicalDpiY();
  surface.kind = PlotDevice::kScreen;
  view_.Layout(surface);
  if (placeLegend || !view_.LegendCornerChosen()) {
    view_.ChooseLegendCorner();
  }
  legend_->Place();
  canvas_->update();
}

void TPlotForm::ShowCoordinates(const QPointF& pixel) {
  const int panel = std::max(0, view_.PanelAt(pixel));
  const QPointF at = view_.ClampToArea(panel, pixel);
  setWindowTitle(plot_.Caption + QStringLiteral(" X: ") + general(view_.DataX(panel, at.x())) +
                 QStringLiteral(" Y: ") + general(view_.DataY(panel, at.y())));
}

// ---- commands ---------------------------------------------------------------

void TPlotForm::ToggleLegend() {
  plot_.ShowLegend = !plot_.ShowLegend;
  view_.SetLegendShown(plot_.ShowLegend);
  legend_->setVisible(plot_.ShowLegend);
  updateMenu();
}

void TPlotForm::ToggleLayers() {
  plot_.ShowLayers = !plot_.ShowLayers;
  updateMenu();
  Relayout(true);
}

void TPlotForm::ToggleWall() {
  plot_.ShowWall = !plot_.ShowWall;
  updateMenu();
  canvas_->update();
}

void TPlotForm::SetMarkers(int every) {
  plot_.Markers = every;
  updateMenu();
  canvas_->update();
}

void TPlotForm::SetFontSize(int sizeFont) {
  plot_.SizeFont = sizeFont;
  updateMenu();
  Relayout(true);
}

void TPlotForm::SetLineWidth(int widthLine) {
  plot_.WidthLine = widthLine;
  updateMenu();
  canvas_->update();
}

void TPlotForm::EditTitle() {
  TfrmGraphCaption dialog(plot_.Title, plot_.TitleAt, this);
  dialog.exec();
  plot_.Title = dialog.Title();
  plot_.TitleAt = dialog.Position();
  Relayout(false);
}

void TPlotForm::EditLegend() {
  TfrmLineNames dialog(plot_, dialogs_, this);
  if (dialog.exec() == QDialog::Accepted) {
    dialog.StoreNames();
    Refresh();
  }
}

void TPlotForm::EditActiveCurves() {
  TfrmActiveLines dialog(plot_, this);
  if (dialog.exec() == QDialog::Accepted) {
    dialog.StoreStatuses();
    Refresh();
  }
}

void TPlotForm::ToggleCurve(int line) {
  if (line < 0 || line >= plot_.LineCount()) {
    return;
  }
  TLine& curve = plot_.Line(line);
  curve.Visible = !curve.Visible;
  if (QAction* item = Action(QStringLiteral("Curve%1").arg(line + 1))) {
    item->setChecked(curve.Visible);
  }
  legend_->update();
  canvas_->update();
}

// A printer that prints to a PDF file is always there, so printing is
// always offered.
void TPlotForm::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(pageLayout_);
  printer.setDocName(plot_.Caption);
  if (dialogs_.Print(printer)) {
    PrintPlotPage(printer, view_);
  }
}

void TPlotForm::PageSetup() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(pageLayout_);
  if (dialogs_.PageSetup(printer)) {
    pageLayout_ = printer.pageLayout();
  }
}

// The format follows the name's extension; a name without a known one
// takes the chosen filter's.
void TPlotForm::SaveToDisk() {
  const TDialogs::FileChoice choice =
      dialogs_.SaveFile(QStringLiteral("Save To Disk"), kPictureFilters, suggestedFileName());
  if (!choice.accepted) {
    return;
  }
  QString path = choice.path;
  int format = static_cast<int>(kPictureSuffixes.indexOf(QFileInfo(path).suffix().toLower()));
  if (format < 0) {
    format = std::clamp(choice.filterIndex, 0, static_cast<int>(kPictureSuffixes.size()) - 1);
    path += QLatin1Char('.') + kPictureSuffixes.at(format);
  }
  const auto pictureFormat = static_cast<PictureFormat>(format);
  const bool bitmap = pictureFormat == PictureFormat::kBmp || pictureFormat == PictureFormat::kPng;
  TdlgFormat options(dialogs_, pictureOptions_, bitmap, this);
  if (options.exec() != QDialog::Accepted) {
    return;
  }
  pictureOptions_ = options.Options();
  switch (SavePlotPicture(view_, pictureFormat, pictureOptions_, path)) {
    case SaveResult::kSaved:
      break;
    case SaveResult::kOutOfMemory:
      dialogs_.Information(kOutOfMemory);
      break;
    case SaveResult::kNotWritten:
      dialogs_.Information(QStringLiteral("The plot could not be written to ") + path);
      break;
  }
}

// The caption without the characters a file name cannot hold.
QString TPlotForm::suggestedFileName() const {
  static const QRegularExpression unfit(QStringLiteral("[/\\\\:*?\"<>|]"));
  const QString name = QString(plot_.Caption).replace(unfit, QStringLiteral("-")).trimmed();
  return (name.isEmpty() ? QStringLiteral("plot") : name) + QStringLiteral(".bmp");
}

void TPlotForm::CopyToClipboard() {
  const QImage image = RenderPlot(view_, canvas_->size(), canvas_->logicalDpiX());
  if (image.isNull()) {
    dialogs_.Information(kOutOfMemory);
    return;
  }
  QGuiApplication::clipboard()->setImage(image);
}
