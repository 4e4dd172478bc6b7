#include "widgets/active_lines_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/graph_plot.h"

namespace {

const QString kActive = QStringLiteral(" yes : ");
const QString kInactive = QStringLiteral(" no  : ");
constexpr int kNameColumn = 0;
constexpr int kStatusColumn = 1;

bool isActive(const QTreeWidgetItem* item) {
  return item->text(kStatusColumn) == kActive;
}

}  // namespace

TfrmActiveLines::TfrmActiveLines(TGraphPlot& plot, QWidget* parent) : QDialog(parent), plot_(plot) {
  setObjectName(QStringLiteral("frmActiveLines"));
  setWindowTitle(QStringLiteral("Active Curves"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Select Curve to Active/Desactive"), this));
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("CurveList"));
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setHeaderLabels({QStringLiteral("Curve"), QStringLiteral("Active :")});
  for (int line = 0; line < plot.LineCount(); ++line) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(kNameColumn, plot.CurveNameOf(line));
    setStatus(item, plot.Line(line).Active);
  }
  list_->header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(kStatusColumn, QHeaderView::ResizeToContents);
  layout->addWidget(list_);

  auto* buttons = new QGridLayout;
  auto addButton = [this, buttons](const char* caption, const char* name, int row, int column) {
    auto* button = new QPushButton(QLatin1String(caption), this);
    button->setObjectName(QLatin1String(name));
    buttons->addWidget(button, row, column);
    return button;
  };
  connect(addButton("Activate All", "ActivateAllButton", 0, 0), &QPushButton::clicked, this,
          &TfrmActiveLines::ActivateAll);
  connect(addButton("Desactivate All", "DeactivateAllButton", 0, 1), &QPushButton::clicked, this,
          &TfrmActiveLines::DeactivateAll);
  connect(addButton("Activate/Desactivate Selected", "ToggleSelectedButton", 1, 0),
          &QPushButton::clicked, this, &TfrmActiveLines::ToggleSelected);
  auto* ok = addButton("&OK", "OkButton", 2, 0);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(addButton("&Cancel", "CancelButton", 2, 1), &QPushButton::clicked, this,
          &QDialog::reject);
  layout->addLayout(buttons);
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { toggle(item); });
}

std::vector<bool> TfrmActiveLines::Statuses() const {
  std::vector<bool> statuses;
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    statuses.push_back(isActive(list_->topLevelItem(row)));
  }
  return statuses;
}

void TfrmActiveLines::StoreStatuses() {
  const std::vector<bool> statuses = Statuses();
  for (int line = 0; line < plot_.LineCount() && line < static_cast<int>(statuses.size()); ++line) {
    plot_.Line(line).Active = statuses[static_cast<std::size_t>(line)];
  }
}

void TfrmActiveLines::ActivateAll() {
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    setStatus(list_->topLevelItem(row), true);
  }
}

void TfrmActiveLines::DeactivateAll() {
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    setStatus(list_->topLevelItem(row), false);
  }
}

void TfrmActiveLines::ToggleSelected() {
  for (QTreeWidgetItem* item : list_->selectedItems()) {
    toggle(item);
  }
}

void TfrmActiveLines::setStatus(QTreeWidgetItem* item, bool active) {
  item->setText(kStatusColumn, active ? kActive : kInactive);
}

void TfrmActiveLines::toggle(QTreeWidgetItem* item) {
  setStatus(item, !isActive(item));
}
