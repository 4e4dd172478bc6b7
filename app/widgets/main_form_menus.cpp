// TMainForm: building the menus and the toolbar. The states of their items
// (enabling, check marks, recent-file and window slots) are kept up to date
// in main_form.cpp.
#include "widgets/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "core/dialogs.h"
#include "core/help_book.h"
#include "core/plot_set.h"
#include "core/program_data.h"
#include "core/units.h"
#include "core/update_check.h"
#include "widgets/data_windows.h"
#include "widgets/help_window.h"
#include "widgets/toolbar_icons.h"

namespace {

// The Graphics items: caption, the plot shown (the item's object name is the
// plot's with "Item" appended) and whether a separator follows.
struct PlotItem {
  const char* caption;
  const char* plot;
  bool separatorAfter;
};

constexpr PlotItem kPlotItems[] = {
    {"Ultimate &Skin Friction vs Depth", "pltSkin", false},
    {"Ultimate &Tip Resistance vs Depth", "pltTip", false},
    {"Ultimate Total &Capacity vs Depth", "pltTotal", true},
    {"ASD/LRFD Skin Friction vs Depth ", "FSpltSkin", false},
    {"ASD/LRFD Tip Resistance vs Depth ", "FSpltTip", false},
    {"ASD/LRFD Total Capacity vs Depth", "FSpltTotal", true},
    {"C&ombined Plots vs Depth (ultimate)", "pltCombine", false},
    {"Combined Plots vs Depth (ASD/LRFD)", "pltCombineD", true},
    {"Axial Load vs Settlement (averaged)", "pltAxial", false},
    {"Axial Load vs Settlement (upper bound)", "pltUpper", false},
    {"Axial Load vs Settlement (lower bound)", "pltLower", false},
    {"Combined Plots of Load vs Settlement", "pltCombinedSettle", false},
};

}  // namespace

QMenu* TMainForm::addMenu(QMenu* parent, const QString& caption, const QString& name) {
  QMenu* menu = parent != nullptr ? parent->addMenu(caption) : menuBar()->addMenu(caption);
  menu->setObjectName(name);
  return menu;
}

QAction* TMainForm::addItem(QMenu* menu, const QString& caption, const QString& name) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

void TMainForm::createFileMenu() {
  QMenu* menu = addMenu(nullptr, QStringLiteral("&File"), QStringLiteral("FileMenu"));
  QAction* item = addItem(menu, QStringLiteral("&New"), QStringLiteral("FileNewItem"));
  item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  connect(item, &QAction::triggered, this, &TMainForm::fileNewClick);
  item = addItem(menu, QStringLiteral("&Open..."), QStringLiteral("FileOpenItem"));
  item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(item, &QAction::triggered, this, &TMainForm::fileOpenClick);
  item = addItem(menu, QStringLiteral("&Save"), QStringLiteral("FileSaveItem"));
  item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(item, &QAction::triggered, this, &TMainForm::fileSaveClick);
  item = addItem(menu, QStringLiteral("Save &As..."), QStringLiteral("FileSaveAsItem"));
  connect(item, &QAction::triggered, this, &TMainForm::fileSaveAsClick);
  item =
      addItem(menu, QStringLiteral("&Export Results..."), QStringLiteral("FileExportResultsItem"));
  connect(item, &QAction::triggered, this, &TMainForm::fileExportResultsClick);
  menu->addSeparator();
  for (int slot = 0; slot < kPrevFileSlots; ++slot) {
    QAction* recent =
        addItem(menu, QString(), QStringLiteral("RecentFile") + QString::number(slot + 1));
    recent->setVisible(false);
    connect(recent, &QAction::triggered, this, [this, slot] { openRecentFile(slot); });
    recentSlots_.at(static_cast<std::size_t>(slot)) = recent;
  }
  recentSeparator_ = menu->addSeparator();
  recentSeparator_->setObjectName(QStringLiteral("RecentFilesSeparator"));
  recentSeparator_->setVisible(false);
  item = addItem(menu, QStringLiteral("E&xit"), QStringLiteral("FileExitItem"));
  connect(item, &QAction::triggered, this, &QWidget::close);
  connect(menu, &QMenu::aboutToShow, this, [this] {
    CommitActiveChild();
    ShowRecentFiles();
  });
}

void TMainForm::createDataMenu() {
  QMenu* menu = addMenu(nullptr, QStringLiteral("Da&ta"), QStringLiteral("DataMenu"));
  auto addWindowItem = [this, menu](const QString& caption, const char* name,
                                    TDataWindows::Kind kind) {
    connect(addItem(menu, caption, QLatin1String(name)), &QAction::triggered, this,
            [this, kind] { dataWindows_->Show(kind); });
  };
  addWindowItem(QStringLiteral("&Title"), "TitleItem", TDataWindows::Kind::kTitle);

  // Each switch is a group of radio items whose tag is the value it sets.
  auto addSwitch = [this](QMenu* submenu, const char* name, int tag, const QString& caption,
                          QActionGroup* group, void (TMainForm::*set)(int)) {
    QAction* item = addItem(submenu, caption, QLatin1String(name));
    item->setCheckable(true);
    item->setData(tag);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, set, tag] { (this->*set)(tag); });
  };

  QMenu* units = addMenu(menu, QStringLiteral("&Units"), QStringLiteral("UnitsMenu"));
  auto* unitGroup = new QActionGroup(units);
  addSwitch(units, "EnglishUnitsItem", kEnglishUnits, QStringLiteral("&English Units (lbs, in)"),
            unitGroup, &TMainForm::setUnits);
  addSwitch(units, "SiUnitsItem", kSiUnits, QStringLiteral("&SI Units (kN, m)"), unitGroup,
            &TMainForm::setUnits);

  QMenu* design = addMenu(menu, QStringLiteral("Design Method (ASD or LRFD)"),
                          QStringLiteral("DesignMethodMenu"));
  auto* designGroup = new QActionGroup(design);
  addSwitch(design, "AsdItem", kAsdMethod, QStringLiteral("ASD (Allowable Stress Design)"),
            designGroup, &TMainForm::setDesignMethod);
  addSwitch(design, "LrfdItem", kLrfdMethod, QStringLiteral("LRFD (Load Resistance Factor Design)"),
            designGroup, &TMainForm::setDesignMethod);

  addWindowItem(QStringLiteral("&Drilled-Shaft Properties"), "ShaftPropertiesItem",
                TDataWindows::Kind::kShaftProperties);
  connect(addItem(menu, QStringLiteral("Soil &Layer Data"), QStringLiteral("SoilLayerDataItem")),
          &QAction::triggered, this, &TMainForm::showSoilLayerTable);
  addWindowItem(QStringLiteral("&Factor of Safety (Allowable Stress Design)"), "FactorOfSafetyItem",
                TDataWindows::Kind::kFactorOfSafety);

  QMenu* methods = addMenu(menu, QStringLiteral("&Computation Methods"),
                           QStringLiteral("ComputationMethodsMenu"));
  auto* methodGroup = new QActionGroup(methods);
  addSwitch(methods, "ShaftLengthItem", kShaftLengthSpecified,
            QStringLiteral("Specify the shaft length"), methodGroup, &TMainForm::setDesignControl);
  addSwitch(methods, "DesignLoadItem", kDesignLoadSpecified,
            QStringLiteral("Specify the design load"), methodGroup, &TMainForm::setDesignControl);

  addWindowItem(QStringLiteral("&Water Table"), "WaterTableItem", TDataWindows::Kind::kWaterTable);
  menu->addSeparator();
  addWindowItem(QStringLiteral("Control &Options..."), "ControlOptionsItem",
                TDataWindows::Kind::kControlOptions);

  connect(menu, &QMenu::aboutToShow, this, [this] {
    CommitActiveChild();
    updateCommandStates();
  });
  for (QMenu* submenu : {units, design, methods}) {
    connect(submenu, &QMenu::aboutToShow, this, &TMainForm::updateCommandStates);
  }
}

void TMainForm::createComputationMenu() {
  QMenu* menu = addMenu(nullptr, QStringLiteral("&Computation"), QStringLiteral("ComputationMenu"));
  connect(addItem(menu, QStringLiteral("&Run Analysis"), QStringLiteral("RunAnalysisItem")),
          &QAction::triggered, this, &TMainForm::CompRunClick);
  connect(addItem(menu, QStringLiteral("Edit I&nput Text"), QStringLiteral("EditInputItem")),
          &QAction::triggered, this, [this] { openInEditor(projectPath()); });
  connect(addItem(menu, QStringLiteral("Edit &Processor-Run Notes"),
                  QStringLiteral("EditRunNotesItem")),
          &QAction::triggered, this, [this] { openInEditor(projectPathWithExtension(".bkr")); });
  connect(addItem(menu, QStringLiteral("Edit &Output Text"), QStringLiteral("EditOutputItem")),
          &QAction::triggered, this, [this] { openInEditor(projectPathWithExtension(".bko")); });
  connect(
      addItem(menu, QStringLiteral("&View Shaft Elevation"), QStringLiteral("ViewElevationItem")),
      &QAction::triggered, this, &TMainForm::ViewElevationClick);
  connect(menu, &QMenu::aboutToShow, this, [this] {
    CommitActiveChild();
    updateCommandStates();
  });
}

void TMainForm::createGraphicsMenu() {
  QMenu* menu = addMenu(nullptr, QStringLiteral("&Graphics"), QStringLiteral("GraphicsMenu"));
  for (const PlotItem& plot : kPlotItems) {
    QAction* item = addItem(menu, QLatin1String(plot.caption),
                            QLatin1String(plot.plot) + QStringLiteral("Item"));
    TGraphPlot* shown = plots_->Find(plot.plot);
    connect(item, &QAction::triggered, this, [shown] { shown->Show(); });
    if (plot.separatorAfter) {
      menu->addSeparator();
    }
  }
  connect(menu, &QMenu::aboutToShow, this, &TMainForm::updateCommandStates);
}

void TMainForm::createWindowMenu() {
  QMenu* menu = addMenu(nullptr, QStringLiteral("&Window"), QStringLiteral("WindowMenu"));
  connect(addItem(menu, QStringLiteral("&Cascade"), QStringLiteral("CascadeItem")),
          &QAction::triggered, mdiArea_, &QMdiArea::cascadeSubWindows);
  connect(addItem(menu, QStringLiteral("&Arrange Icons"), QStringLiteral("ArrangeIconsItem")),
          &QAction::triggered, mdiArea_, &QMdiArea::tileSubWindows);
  windowSeparator_ = menu->addSeparator();
  windowSeparator_->setObjectName(QStringLiteral("WindowSlotsSeparator"));
  windowSeparator_->setVisible(false);
  for (int index = 0; index < static_cast<int>(windowSlots_.size()); ++index) {
    QAction* slot =
        addItem(menu, QString(), QStringLiteral("WindowSlot") + QString::number(index + 1));
    slot->setVisible(false);
    connect(slot, &QAction::triggered, this, [this, index] { showChild(index); });
    windowSlots_.at(static_cast<std::size_t>(index)) = slot;
  }
  connect(menu, &QMenu::aboutToShow, this, &TMainForm::updateWindowMenu);
}

void TMainForm::createHelpMenu() {
  QMenu* menu = addMenu(nullptr, QStringLiteral("&Help"), QStringLiteral("HelpMenu"));
  auto addHelpItem = [this, menu](const QString& caption, const char* name, const char* topic) {
    connect(addItem(menu, caption, QLatin1String(name)), &QAction::triggered, this,
            [this, topic] { showHelp(QLatin1String(topic)); });
  };
  addHelpItem(QStringLiteral("&Contents"), "ContentsItem", kHelpContentsTopic);
  addHelpItem(QStringLiteral("&User's Manual"), "UsersManualItem", kUsersManualTopic);
  addHelpItem(QStringLiteral("&Technical Manual"), "TechnicalManualItem", kTechnicalManualTopic);
  menu->addSeparator();
  connect(addItem(menu, QStringLiteral("&About..."), QStringLiteral("AboutItem")),
          &QAction::triggered, this, &TMainForm::showAboutBox);
  connect(
      addItem(menu, QStringLiteral("&Check for Updates"), QStringLiteral("CheckForUpdatesItem")),
      &QAction::triggered, this, [this] { OpenUpdatePage(dialogs_); });
  connect(menu, &QMenu::aboutToShow, this, &TMainForm::CommitActiveChild);

  // F1 works in every window of the program, the help window included.
  auto* contextHelp = new QAction(QStringLiteral("Help on this window"), this);
  contextHelp->setObjectName(QStringLiteral("ContextHelpAction"));
  contextHelp->setShortcut(QKeySequence::HelpContents);
  contextHelp->setShortcutContext(Qt::ApplicationShortcut);
  addAction(contextHelp);
  connect(contextHelp, &QAction::triggered, this, &TMainForm::showContextHelp);
}

void TMainForm::createToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
  bar->setObjectName(QStringLiteral("ToolBar"));
  auto addButton = [this, bar](ToolbarIcon icon, const QString& hint, const char* name) {
    QAction* button = bar->addAction(ToolbarIconFor(icon), hint);
    button->setToolTip(hint);
    button->setObjectName(QLatin1String(name));
    return button;
  };
  connect(addButton(ToolbarIcon::kNew, QStringLiteral("New File"), "NewButton"),
          &QAction::triggered, this, &TMainForm::fileNewClick);
  connect(addButton(ToolbarIcon::kOpen, QStringLiteral("Open File"), "OpenButton"),
          &QAction::triggered, this, &TMainForm::fileOpenClick);
  connect(addButton(ToolbarIcon::kSave, QStringLiteral("Save File"), "SaveButton"),
          &QAction::triggered, this, &TMainForm::fileSaveClick);
  connect(addButton(ToolbarIcon::kRun, QStringLiteral("Run Data File"), "RunButton"),
          &QAction::triggered, this, &TMainForm::CompRunClick);
  connect(addButton(ToolbarIcon::kSoilLayers, QStringLiteral("Soil layer Data"), "SoilLayerButton"),
          &QAction::triggered, this, &TMainForm::showSoilLayerTable);
  connect(addButton(ToolbarIcon::kViewOutput, QStringLiteral("View Output"), "ViewOutputButton"),
          &QAction::triggered, this, [this] { openInEditor(projectPathWithExtension(".bko")); });
  connect(addButton(ToolbarIcon::kSoilProfile, QStringLiteral("View Soil Profile"),
                    "SoilProfileButton"),
          &QAction::triggered, this, &TMainForm::ViewElevationClick);
  connect(
      addButton(ToolbarIcon::kCombinedPlot, QStringLiteral("Combined Plot"), "CombinedPlotButton"),
      &QAction::triggered, this, [this] { plots_->Plot(PlotId::pltCombine).Show(); });
  connect(addButton(ToolbarIcon::kLoadSettlement, QStringLiteral("Load vs. Settlement"),
                    "LoadSettlementButton"),
          &QAction::triggered, this, [this] { plots_->Plot(PlotId::pltAxial).Show(); });
}
