// TPlotForm: the Plot menu, its checks and visibility, and the items of the
// active curves.
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "widgets/menu_text.h"
#include "widgets/plot_form.h"

namespace {

using Choices = std::vector<std::pair<const char*, int>>;

const Choices kMarkerChoices = {
    {"&Never", 0},
    {"Every &Increment", 1},
    {"Every &2 Increments", 2},
    {"Every &3 Incrments", 3},
    {"Every &5 Increments", 5},
    {"Every &10 Incements", 10},
};
const Choices kFontSizeChoices = {
    {"&Default", 10},      {"1.5 * Default", 15}, {"2 * Default", 20},
    {"2.5 * Default", 25}, {"3 * Default", 30},   {"4 * Default", 40},
};
const Choices kLineWidthChoices = {
    {"&Default", 1},    {"2 * Default", 2},   {"4 * Default", 4},
    {"6 * Default", 6}, {"10 * Default", 10},
};

}  // namespace

void TPlotForm::createMenu(QMenuBar* bar) {
  plotMenu_ = bar->addMenu(QStringLiteral("&Plot"));
  plotMenu_->setObjectName(QStringLiteral("PlotMenu"));
  auto addItem = [this](const char* caption, const char* name, void (TPlotForm::*command)()) {
    QAction* item = plotMenu_->addAction(QLatin1String(caption));
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, command);
    return item;
  };
  addItem("Show &Legend", "ShowLegendItem", &TPlotForm::ToggleLegend)->setCheckable(true);
  addItem("Show &Soil Layer", "ShowSoilLayerItem", &TPlotForm::ToggleLayers)->setCheckable(true);
  addItem("Show &Wall Geometry", "ShowWallItem", &TPlotForm::ToggleWall)->setCheckable(true);
  addChoices(plotMenu_, "MarkersMenu", "Show &Markers", kMarkerChoices, "Markers",
             &TPlotForm::SetMarkers, plot_.Markers);
  addChoices(plotMenu_, "FontSizeMenu", "&Font Size", kFontSizeChoices, "FontSize",
             &TPlotForm::SetFontSize, plot_.SizeFont);
  addChoices(plotMenu_, "LineWidthMenu", "&Line Width", kLineWidthChoices, "LineWidth",
             &TPlotForm::SetLineWidth, plot_.WidthLine);
  addItem("&Graph Title", "GraphTitleItem", &TPlotForm::EditTitle);
  addItem("&Edit Legend", "EditLegendItem", &TPlotForm::EditLegend);
  addItem("&Active Curves", "ActiveCurvesItem", &TPlotForm::EditActiveCurves);
  addItem("&Print...", "PrintItem", &TPlotForm::Print);
  addItem("P&age Setup", "PageSetupItem", &TPlotForm::PageSetup);
  addItem("&Save To Disk...", "SaveToDiskItem", &TPlotForm::SaveToDisk);
  QAction* copy = addItem("&Copy", "CopyItem", &TPlotForm::CopyToClipboard);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(copy);
  curveSeparator_ = plotMenu_->addSeparator();

  auto* openMenu = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
  openMenu->setContext(Qt::WidgetWithChildrenShortcut);
  connect(openMenu, &QShortcut::activated, this,
          [this, bar] { bar->setActiveAction(plotMenu_->menuAction()); });
  rebuildCurveItems();
}

// A submenu of radio items, each setting its value.
void TPlotForm::addChoices(QMenu* menu, const char* name, const char* title, const Choices& choices,
                           const char* prefix, void (TPlotForm::*set)(int), int current) {
  QMenu* submenu = menu->addMenu(QLatin1String(title));
  submenu->setObjectName(QLatin1String(name));
  auto* group = new QActionGroup(submenu);
  for (const auto& [caption, value] : choices) {
    QAction* item = submenu->addAction(QLatin1String(caption));
    item->setObjectName(QLatin1String(prefix) + QString::number(value));
    item->setCheckable(true);
    item->setChecked(value == current);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, set, v = value] { (this->*set)(v); });
  }
}

// Checks and visibility of the fixed items, for the plot as it is now.
void TPlotForm::updateMenu() {
  QAction* legend = Action(QStringLiteral("ShowLegendItem"));
  legend->setVisible(legendOffered_);
  legend->setChecked(plot_.ShowLegend);
  QAction* layers = Action(QStringLiteral("ShowSoilLayerItem"));
  layers->setVisible(plot_.LineCount(LineList::kLayers) > 0);
  layers->setChecked(plot_.ShowLayers);
  QAction* wall = Action(QStringLiteral("ShowWallItem"));
  wall->setVisible(plot_.WallLineCount > 0);
  wall->setEnabled(plot_.ShowLayers);
  wall->setChecked(plot_.ShowWall);
  for (const char* name : {"FontSizeMenu", "LineWidthMenu"}) {
    findChild<QMenu*>(QLatin1String(name))->menuAction()->setVisible(plot_.ShowFontWidth);
  }
  const std::pair<const char*, int> checked[] = {
      {"Markers", plot_.Markers}, {"FontSize", plot_.SizeFont}, {"LineWidth", plot_.WidthLine}};
  for (const auto& [prefix, value] : checked) {
    if (QAction* item = Action(QLatin1String(prefix) + QString::number(value))) {
      item->setChecked(true);
    }
  }
}

// One item per active curve, after the fixed ones: its name, checked while
// the curve is visible.
void TPlotForm::rebuildCurveItems() {
  const QList<QAction*> items = plotMenu_->actions();
  for (qsizetype k = items.indexOf(curveSeparator_) + 1; k < items.size(); ++k) {
    plotMenu_->removeAction(items.at(k));
    delete items.at(k);
  }
  for (int line = 0; line < plot_.LineCount(); ++line) {
    const TLine& curve = plot_.Line(line);
    if (!curve.Active) {
      continue;
    }
    QAction* item = plotMenu_->addAction(PlainMenuText(plot_.CurveNameOf(line)));
    item->setObjectName(QStringLiteral("Curve%1").arg(line + 1));
    item->setCheckable(true);
    item->setChecked(curve.Visible);
    item->setData(line);
    connect(item, &QAction::triggered, this, [this, line] { ToggleCurve(line); });
  }
  curveSeparator_->setVisible(plot_.LineCount() > 0);
  updateMenu();
}
